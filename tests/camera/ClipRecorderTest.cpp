#include "camera/capture/ClipRecorder.h"
#include "FakeCaptureDevice.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vx7::camera;

namespace {

struct ClipRecorderTest : ::testing::Test {
    QTemporaryDir dir;
    vx7::test::FakeCaptureDevice camera;
    vx7::platform::ManualClock clock;
    qint64 free = qint64(10) << 30; // 10 GiB
    ClipRecorder recorder{camera, clock, [this](const QString&) { return free; }};

    void SetUp() override { camera.Connect(); }
    QString Folder() const { return dir.filePath("照片"); }
};

} // namespace

TEST_F(ClipRecorderTest, ClipsTakeThePhotoNameAndNeverReplaceAnOlderFile) {
    QString error;
    ASSERT_TRUE(recorder.Start(Folder(), "我的照片1", ClipSound::kMicrophone, &error)) << error.toStdString();
    EXPECT_EQ(recorder.Path(), QDir(Folder()).filePath("我的照片1.avi"));
    EXPECT_EQ(camera.clipRequests.back().sound, ClipSound::kMicrophone);
    EXPECT_FALSE(recorder.Start(Folder(), "other", ClipSound::kNone, &error)); // one clip at a time
    ASSERT_TRUE(recorder.Stop());

    ASSERT_TRUE(recorder.Start(Folder(), "我的照片1", ClipSound::kNone, &error));
    EXPECT_EQ(recorder.Path(), QDir(Folder()).filePath("我的照片1(2).avi"));
    recorder.Stop();
    // A photo of the same name does not take the clip's name.
    QFile(QDir(Folder()).filePath("pic.bmp")).open(QIODevice::WriteOnly);
    ASSERT_TRUE(recorder.Start(Folder(), "pic", ClipSound::kNone, &error));
    EXPECT_EQ(recorder.Path(), QDir(Folder()).filePath("pic.avi"));
    recorder.Stop();
}

TEST_F(ClipRecorderTest, RefusedStartsSayWhyAndLeaveNothingRunning) {
    QString error;
    EXPECT_FALSE(recorder.Start(Folder(), "../out", ClipSound::kNone, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(recorder.Start(Folder(), "", ClipSound::kNone, &error));

    free = ClipRecorder::kReserveBytes; // too little room for any clip
    error.clear();
    EXPECT_FALSE(recorder.Start(Folder(), "clip", ClipSound::kNone, &error));
    EXPECT_TRUE(error.contains("磁盘空间不足"));

    free = qint64(1) << 30;
    camera.clipRefusal = "no encoder";
    EXPECT_FALSE(recorder.Start(Folder(), "clip", ClipSound::kNone, &error));
    EXPECT_EQ(error, "no encoder");
    EXPECT_FALSE(recorder.Recording());
    EXPECT_FALSE(recorder.Stop().has_value());
    EXPECT_TRUE(camera.clipRequests.empty());
}

TEST_F(ClipRecorderTest, TimeLimitEndsTheClipAtThirtyMinutes) {
    ASSERT_TRUE(recorder.Start(Folder(), "clip", ClipSound::kNone, nullptr));
    EXPECT_EQ(recorder.TimeText(), "00:00 / 30:00");
    clock.Advance(65);
    EXPECT_FALSE(recorder.Check().has_value());
    EXPECT_EQ(recorder.TimeText(), "01:05 / 30:00");
    clock.Advance(30 * 60 - 66);
    EXPECT_FALSE(recorder.Check().has_value());
    clock.Advance(1);
    const auto outcome = recorder.Check();
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->reason, ClipRecorder::StopReason::kLimit);
    EXPECT_EQ(camera.clipStops, 1);
    EXPECT_FALSE(recorder.Recording());
    EXPECT_TRUE(outcome->Message().contains(recorder.Path()));
}

TEST_F(ClipRecorderTest, FreeSpaceShortensTheShownLimitAndStopsBeforeTheVolumeIsFull) {
    free = ClipRecorder::kReserveBytes + (qint64(100) << 20); // 100 MiB above the reserve
    ASSERT_TRUE(recorder.Start(Folder(), "clip", ClipSound::kNone, nullptr));
    // 1 MiB a second: 100 more seconds fit.
    clock.Advance(10);
    camera.clipBytes = qint64(10) << 20;
    EXPECT_EQ(recorder.LimitSeconds(), 110);
    EXPECT_EQ(recorder.TimeText(), "00:10 / 01:50");

    // The estimated end is reached before the reserve itself: that too is a full disk.
    clock.Advance(100);
    camera.clipBytes = qint64(110) << 20;
    free = ClipRecorder::kReserveBytes + (qint64(1) << 19);
    auto early = recorder.Check();
    ASSERT_TRUE(early.has_value());
    EXPECT_EQ(early->reason, ClipRecorder::StopReason::kDiskFull);

    // Below the reserve the clip stops at once, whatever the estimate.
    free = qint64(1) << 30;
    camera.clipBytes = 0;
    ASSERT_TRUE(recorder.Start(Folder(), "clip", ClipSound::kNone, nullptr));
    free = ClipRecorder::kReserveBytes - 1;
    const auto outcome = recorder.Check();
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->reason, ClipRecorder::StopReason::kDiskFull);
    EXPECT_TRUE(outcome->Message().contains("磁盘空间不足"));
    EXPECT_EQ(camera.clipStops, 2);
    EXPECT_TRUE(QFile::exists(outcome->path)); // what was written is kept
}

TEST_F(ClipRecorderTest, AClipTheDeviceEndedIsReportedWithItsCause) {
    ASSERT_TRUE(recorder.Start(Folder(), "clip", ClipSound::kNone, nullptr));
    camera.FailClip("No space left on device");
    recorder.NoteWriteFailure("No space left on device");
    auto outcome = recorder.Check();
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->reason, ClipRecorder::StopReason::kWriteFailed);
    EXPECT_TRUE(outcome->Message().contains("No space left on device"));
    EXPECT_TRUE(outcome->Message().contains(outcome->path));

    ASSERT_TRUE(recorder.Start(Folder(), "clip", ClipSound::kNone, nullptr));
    camera.Unplug();
    outcome = recorder.Check();
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->reason, ClipRecorder::StopReason::kCameraGone);
}

TEST(ClipRecorderTimeTest, MinutesAndSecondsArePaddedAndNeverNegative) {
    EXPECT_EQ(ClipRecorder::MinutesSeconds(0), "00:00");
    EXPECT_EQ(ClipRecorder::MinutesSeconds(59), "00:59");
    EXPECT_EQ(ClipRecorder::MinutesSeconds(1800), "30:00");
    EXPECT_EQ(ClipRecorder::MinutesSeconds(6000), "100:00");
    EXPECT_EQ(ClipRecorder::MinutesSeconds(-5), "00:00");
}
