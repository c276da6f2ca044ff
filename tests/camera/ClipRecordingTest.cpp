#include "ClipFacts.h"
#include "camera/capture/CameraChoice.h"
#include "camera/capture/GstCaptureDevice.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vx7::camera;
using vx7::test::ClipFacts;
using vx7::test::Discover;
using vx7::test::RunFor;

TEST(GstClipTest, ThreeSecondClipIsMotionJpegAtTheCameraSizeAndLength) {
    QTemporaryDir dir;
    const struct {
        CaptureFormat format;
        ClipSound sound;
    } cases[] = {
        {{"YUYV", 640, 480, 30, 1}, ClipSound::kTestTone},
        {{"MJPG", 320, 240, 15, 1}, ClipSound::kNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format.compression.toStdString());
        GstCaptureDevice device(CameraChoice::kTest);
        ASSERT_TRUE(device.SetFormat(c.format));
        ASSERT_EQ(device.Connect(), ConnectResult::kOk);
        device.SetPreview(true);
        const QString path = dir.filePath(c.format.compression + ".avi");
        QString error;
        ASSERT_TRUE(device.StartClip({path, c.sound}, &error)) << error.toStdString();
        EXPECT_TRUE(device.ClipRunning());
        EXPECT_EQ(device.ClipHasSound(), c.sound == ClipSound::kTestTone);
        EXPECT_GT(RunFor(device, 3000), 0);
        device.StopClip();
        EXPECT_FALSE(device.ClipRunning());
        EXPECT_TRUE(device.IsConnected()); // the preview goes on

        const ClipFacts facts = Discover(path);
        ASSERT_TRUE(facts.readable);
        EXPECT_EQ(facts.videoCaps, "image/jpeg");
        EXPECT_EQ(facts.size, c.format.Size());
        EXPECT_NEAR(facts.seconds, 3.0, 0.3);
        EXPECT_EQ(facts.audioStreams, c.sound == ClipSound::kTestTone ? 1 : 0);
    }
}

TEST(GstClipTest, DisconnectingFinalisesARunningClip) {
    QTemporaryDir dir;
    GstCaptureDevice device(CameraChoice::kTest);
    ASSERT_EQ(device.Connect(), ConnectResult::kOk);
    device.SetPreview(true);
    const QString path = dir.filePath("cut.avi");
    ASSERT_TRUE(device.StartClip({path, ClipSound::kNone}, nullptr));
    RunFor(device, 1000);
    device.Disconnect();
    EXPECT_FALSE(device.ClipRunning());
    const ClipFacts facts = Discover(path);
    ASSERT_TRUE(facts.readable);
    EXPECT_NEAR(facts.seconds, 1.0, 0.3);
}

TEST(GstClipTest, AFailingDiskStopsTheClipButNotTheCamera) {
    GstCaptureDevice device(CameraChoice::kTest);
    QString error;
    EXPECT_FALSE(device.StartClip({"/tmp/never.avi", ClipSound::kNone}, &error)); // not connected
    EXPECT_FALSE(error.isEmpty());
    ASSERT_EQ(device.Connect(), ConnectResult::kOk);
    device.SetPreview(true);

    // A folder that does not exist: refused at once.
    error.clear();
    EXPECT_FALSE(device.StartClip({"/nonexistent-vx7/clip.avi", ClipSound::kNone}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(device.ClipRunning());

    // Every write fails as on a full volume.
    QSignalSpy failed(&device, &CaptureDevice::ClipFailed);
    ASSERT_TRUE(device.StartClip({"/dev/full", ClipSound::kNone}, &error)) << error.toStdString();
    ASSERT_TRUE(failed.wait(5000) || failed.count() > 0);
    EXPECT_FALSE(device.ClipRunning());
    EXPECT_FALSE(failed.front().front().toString().isEmpty());
    EXPECT_TRUE(device.IsConnected());
    EXPECT_GT(RunFor(device, 300), 0); // frames still arrive
    EXPECT_EQ(failed.count(), 1);
}
