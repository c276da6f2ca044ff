#include "camera/capture/AviRepair.h"
#include "ClipFacts.h"
#include "camera/capture/CameraChoice.h"
#include "camera/capture/GstCaptureDevice.h"
#include "support/FileBytes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vx7::camera;

using vx7::test::ReadAll;
using vx7::test::WriteAll;

// A clip whose writing stopped midway (the disk filled) is closed in place and plays.
TEST(AviRepairTest, AClipCutOffMidwayIsClosedInPlaceAndPlays) {
    QTemporaryDir dir;
    const QString whole = dir.filePath("whole.avi");
    {
        GstCaptureDevice device(CameraChoice::kTest);
        ASSERT_TRUE(device.SetFormat({"YUYV", 320, 240, 30, 1}));
        ASSERT_EQ(device.Connect(), ConnectResult::kOk);
        device.SetPreview(true);
        ASSERT_TRUE(device.StartClip({whole, ClipSound::kNone}, nullptr));
        vx7::test::RunFor(device, 2000);
        device.StopClip();
    }
    const QByteArray complete = ReadAll(whole);
    ASSERT_GT(complete.size(), 10000);
    const int allFrames = CloseUnfinishedAvi(whole);
    EXPECT_NEAR(allFrames, 60, 6);
    EXPECT_EQ(ReadAll(whole), complete); // a complete file is left alone

    const qsizetype moviSizeAt = complete.indexOf("movi") - 4;
    ASSERT_GT(moviSizeAt, 0);
    // Cut at 60 %: the index and the later frames are missing, the sizes say more. With
    // the placeholder size the muxer writes first, the sizes say almost nothing.
    for (bool placeholder : {false, true}) {
        SCOPED_TRACE(placeholder);
        QByteArray cut = complete.left(complete.size() * 6 / 10);
        if (placeholder) {
            cut[moviSizeAt] = 4;
            cut[moviSizeAt + 1] = cut[moviSizeAt + 2] = cut[moviSizeAt + 3] = 0;
        }
        const QString path = dir.filePath(placeholder ? "placeholder.avi" : "cut.avi");
        WriteAll(path, cut);
        QString error;
        const int frames = CloseUnfinishedAvi(path, &error);
        ASSERT_GT(frames, 0) << error.toStdString();
        EXPECT_LT(frames, allFrames);
        EXPECT_LE(QFile(path).size(), cut.size()); // only ever shrinks
        const auto facts = vx7::test::Discover(path);
        ASSERT_TRUE(facts.readable);
        EXPECT_EQ(facts.videoCaps, "image/jpeg");
        EXPECT_EQ(facts.size, QSize(320, 240));
        EXPECT_NEAR(facts.seconds, frames / 30.0, 0.1);
    }
}

TEST(AviRepairTest, OtherFilesAreRefusedAndLeftAsTheyAre) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty", QByteArray()},
        {"text", QByteArray("hello, this is not a video at all")},
        {"wave", QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ", 16)},
        {"no-movi", QByteArray("RIFF\x10\x00\x00\x00"
                               "AVI "
                               "LIST\xff\xff\xff\x7fhdrl",
                               24)},
        {"huge-hdrl", QByteArray("RIFF\x10\x00\x00\x00"
                                 "AVI "
                                 "LIST\xff\xff\xff\x7fhdrl"
                                 "LIST\x04\x00\x00\x00movi",
                                 36)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(c.name);
        WriteAll(path, c.bytes);
        QString error;
        EXPECT_EQ(CloseUnfinishedAvi(path, &error), -1);
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(ReadAll(path), c.bytes);
    }
    EXPECT_EQ(CloseUnfinishedAvi(dir.filePath("missing.avi")), -1);
}
