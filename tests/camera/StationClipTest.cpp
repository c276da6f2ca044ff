#include "ClipFacts.h"
#include "FakeCaptureDevice.h"
#include "StationTestBase.h"
#include "camera/app/SplashState.h"
#include "camera/capture/CameraChoice.h"
#include "camera/capture/GstCaptureDevice.h"
#include "camera/station/CameraStationWindow.h"
#include "camera/station/PreviewFrame.h"
#include "camera/station/StationModel.h"
#include "controls/BitmapButton.h"
#include "controls/CaptionLabel.h"
#include "core/SysInfo.h"
#include "platform/Clock.h"
#include "platform/SoundPlayer.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace vx7::camera;
using namespace vx7::core;

namespace {

struct StationClipTest : vx7::test::LiveStationTestBase {
    vx7::test::FakeCaptureDevice fake;
    CaptureDevice* camera = &fake;
    qint64 free = qint64(10) << 30;
    ClipSound clipSound = ClipSound::kNone;
    QStringList calls;

    void Start() {
        StationContext ctx{sys, clock, prompt, sound, splash};
        ctx.camera = camera;
        ctx.clipSound = clipSound;
        ctx.clipFreeSpace = [this](const QString&) { return free; };
        ctx.hooks.openAnimationWindow = [this](QWidget*, const QString& name, int kind, bool autoOpen) {
            calls << QString("animation %1 %2 %3 recording=%4")
                         .arg(name)
                         .arg(kind)
                         .arg(autoOpen)
                         .arg(camera->ClipRunning());
        };
        station = std::make_unique<CameraStationWindow>(ctx);
        station->show();
    }

    void ClickRecord() {
        QTest::mouseClick(station.get(), Qt::LeftButton, Qt::NoModifier,
                          station->RecordButton().rect.center());
    }
    void ClickDrawn(int id) {
        QTest::mouseClick(station.get(), Qt::LeftButton, Qt::NoModifier,
                          station->Buttons().At(station->Buttons().IndexOfId(id)).rect.center());
    }
    QString Status() const { return station->Label(CameraStationWindow::kStatusLabel)->Caption(); }
    bool PhotoControlsEnabled() const {
        return station->Button(CameraStationWindow::kShootButton)->isEnabled() &&
               station->List(CameraStationWindow::kBurstList)->isEnabled() &&
               station->List(CameraStationWindow::kSelfTimerList)->isEnabled();
    }
    QString Clip(const QString& file) const { return QDir(sys.PhotoFolder()).filePath(file); }
};

} // namespace

TEST_F(StationClipTest, RecordControlStartsAndStopsAClipThatVideoButRecoThenOpens) {
    Start();
    ASSERT_TRUE(PhotoControlsEnabled());
    ClickRecord();
    ASSERT_TRUE(station->Recording());
    EXPECT_EQ(fake.clipRequests.back().path, Clip("我的照片1.avi"));
    EXPECT_TRUE(station->RecordButton().recording);
    EXPECT_EQ(station->Preview()->RecordingText(), "00:00 / 30:00");
    EXPECT_EQ(Status(), "正在录像: 我的照片1.avi");
    EXPECT_FALSE(station->Button(CameraStationWindow::kShootButton)->isEnabled());
    EXPECT_FALSE(station->List(CameraStationWindow::kBurstList)->isEnabled());
    EXPECT_FALSE(station->List(CameraStationWindow::kSelfTimerList)->isEnabled());
    EXPECT_FALSE(station->NameEdit()->isEnabled());

    clock.Advance(75);
    station->CheckClip();
    EXPECT_EQ(station->Preview()->RecordingText(), "01:15 / 30:00");

    ClickRecord();
    EXPECT_FALSE(station->Recording());
    EXPECT_EQ(fake.clipStops, 1);
    EXPECT_TRUE(station->Preview()->RecordingText().isEmpty());
    EXPECT_EQ(Status(), "录像已保存: 我的照片1.avi");
    EXPECT_TRUE(PhotoControlsEnabled());
    EXPECT_TRUE(prompt.shown.empty());

    // The clip is the last made file: "Video_butReco" opens it in the AVI list at once.
    EXPECT_EQ(station->Model().LastMadeName(), "我的照片1.avi");
    EXPECT_EQ(station->Model().LastMadeKind(), 0);
    ClickDrawn(DrawnButtonTable::kRecord);
    EXPECT_EQ(calls, QStringList({"animation 我的照片1.avi 0 1 recording=0"}));
    // The table's own record-stop slot stays hidden and is never hit.
    EXPECT_EQ(station->Buttons().At(station->Buttons().IndexOfId(DrawnButtonTable::kRecordStop)).state, 'x');

    // The same name again: a new file beside the first.
    ClickRecord();
    EXPECT_EQ(fake.clipRequests.back().path.toStdString(), Clip("我的照片1(2).avi").toStdString());
    ClickRecord();
}

TEST_F(StationClipTest, DialogsClosingAndALostCameraFinaliseTheClipWithoutAsking) {
    Start();
    ClickRecord();
    ASSERT_TRUE(station->Recording());
    // A window over the station: the clip is finished before the camera is suspended.
    ClickDrawn(DrawnButtonTable::kVideo);
    EXPECT_EQ(calls, QStringList({"animation 我的照片1.avi 0 0 recording=0"}));
    EXPECT_FALSE(station->Recording());
    EXPECT_EQ(fake.clipStops, 1);
    EXPECT_TRUE(fake.connected); // resumed after the window

    ClickRecord();
    ASSERT_TRUE(station->Recording());
    fake.Unplug();
    EXPECT_FALSE(station->Recording());
    EXPECT_EQ(station->Model().LastMadeName(), "我的照片1(2).avi");
    ASSERT_EQ(prompt.shown.size(), 1u); // the camera's message only
    EXPECT_TRUE(prompt.shown.front().text.contains("摄像头已停止工作"));

    ASSERT_EQ(fake.Connect(), ConnectResult::kOk);
    ClickRecord();
    ASSERT_TRUE(station->Recording()) << prompt.Texts().join('|').toStdString();
    station->close();
    EXPECT_FALSE(fake.clipRunning);
    EXPECT_EQ(prompt.shown.size(), 1u); // closing asks nothing
    EXPECT_FALSE(prompt.shown.back().question);
}

TEST_F(StationClipTest, AFullVolumeOrAFailedWriteStopsTheClipWithAMessage) {
    Start();
    ClickRecord();
    free = 1 << 20;
    station->CheckClip();
    EXPECT_FALSE(station->Recording());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown.back().text.contains("磁盘空间不足"));
    EXPECT_TRUE(prompt.shown.back().text.contains(Clip("我的照片1.avi")));
    EXPECT_EQ(station->Model().LastMadeName(), "我的照片1.avi");
    EXPECT_TRUE(PhotoControlsEnabled());

    // Too little space to begin: refused with the reason.
    ClickRecord();
    EXPECT_FALSE(station->Recording());
    EXPECT_TRUE(prompt.shown.back().text.contains("磁盘空间不足"));

    free = qint64(10) << 30;
    ClickRecord();
    ASSERT_TRUE(station->Recording());
    fake.FailClip("No space left on device");
    EXPECT_FALSE(station->Recording());
    EXPECT_TRUE(prompt.shown.back().text.contains("No space left on device"));
    EXPECT_EQ(station->Model().LastMadeName(), "我的照片1(2).avi");
}

TEST_F(StationClipTest, TheStatusLabelSaysWhenAClipHasNoSound) {
    clipSound = ClipSound::kMicrophone;
    Start();
    ClickRecord(); // the fake has no microphone
    EXPECT_EQ(Status(), "正在录像(无麦克风): 我的照片1.avi");
    EXPECT_EQ(fake.clipRequests.back().sound, ClipSound::kMicrophone);
    ClickRecord();
    fake.clipSound = true;
    ClickRecord();
    EXPECT_EQ(Status(), "正在录像: 我的照片1(2).avi");
    ClickRecord();
}

TEST_F(StationClipTest, WithoutACameraTheRecordControlExplains) {
    fake.result = ConnectResult::kConnectFailed;
    Start();
    const auto before = prompt.shown.size();
    ClickRecord();
    EXPECT_FALSE(station->Recording());
    ASSERT_EQ(prompt.shown.size(), before + 1);
    EXPECT_TRUE(prompt.shown.back().text.contains("摄像头未连接"));
}

// The built-in test camera records like a real one.
TEST_F(StationClipTest, ClosingTheStationMidRecordingLeavesAPlayableClip) {
    GstCaptureDevice device(CameraChoice::kTest);
    camera = &device;
    Start();
    ClickRecord();
    ASSERT_TRUE(station->Recording()) << prompt.Texts().join('|').toStdString();
    vx7::test::RunFor(device, 1500);
    station->close();
    station.reset();
    const auto facts = vx7::test::Discover(Clip("我的照片1.avi"));
    ASSERT_TRUE(facts.readable);
    EXPECT_EQ(facts.videoCaps, "image/jpeg");
    EXPECT_EQ(facts.size, QSize(640, 480));
    EXPECT_NEAR(facts.seconds, 1.5, 0.3);
    const qint64 firstSize = QFileInfo(Clip("我的照片1.avi")).size();

    // A second clip of the same name leaves the first whole; a full volume stops it
    // with a message and a playable file.
    Start();
    ClickRecord();
    ASSERT_TRUE(station->Recording());
    vx7::test::RunFor(device, 1000);
    free = 1 << 20;
    station->CheckClip();
    EXPECT_FALSE(station->Recording());
    EXPECT_TRUE(prompt.shown.back().text.contains("磁盘空间不足"));
    EXPECT_EQ(QFileInfo(Clip("我的照片1.avi")).size(), firstSize);
    const auto second = vx7::test::Discover(Clip("我的照片1(2).avi"));
    ASSERT_TRUE(second.readable);
    EXPECT_NEAR(second.seconds, 1.0, 0.3);
    station.reset(); // before the camera it uses
}
