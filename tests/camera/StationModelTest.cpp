#include "camera/station/StationModel.h"
#include "FakeCaptureDevice.h"
#include "camera/app/SplashState.h"
#include "camera/station/CameraLink.h"
#include "core/ImageFiles.h"
#include "core/SysInfo.h"
#include "platform/Clock.h"
#include "platform/SoundPlayer.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

using namespace vx7::camera;
using namespace vx7::core;
using vx7::test::FakeCaptureDevice;

namespace {

struct StationModelTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    SysInfo sys;
    vx7::platform::ManualClock clock;
    vx7::test::ScriptedPrompt prompt;
    vx7::platform::NullSoundPlayer sound;
    FakeCaptureDevice camera;
    EncoderRegistry encoders;
    std::atomic<int> splash{kSplashGone};
    std::unique_ptr<CameraLink> link;
    std::unique_ptr<StationModel> model;
    std::vector<QImage> clipboard;

    void SetUp() override {
        sys.SetFolder(home.Path());
        sys.Load();
        link = std::make_unique<CameraLink>(&camera, sys, prompt, sound);
        link->SetClipboardSink([this](const QImage& image) { clipboard.push_back(image); });
        model = std::make_unique<StationModel>(sys, clock, prompt, *link, encoders, splash);
        link->ConnectCamera();
        clock.SetSecondsOfDay(10 * 3600);
    }

    QString Photo(const QString& name) const { return home.Sub("2011拍照图片/" + name); }
    QString Work(const QString& name) const { return home.Sub("tmpBmpData/" + name); }

    // Ticks once a second until the mode is idle; returns the texts label 1021 showed.
    QStringList RunUntilIdle(int limit = 200) {
        QStringList shown;
        for (int i = 0; i < limit && model->Mode() != StationModel::kIdle; ++i) {
            if (model->Tick() == StationModel::TickResult::kCountdown)
                shown << model->CountdownLabelText();
            clock.Advance(1);
        }
        return shown;
    }
};

} // namespace

TEST_F(StationModelTest, SelfTimerCountsThreeTwoOneThenShootsAndShowsDashes) {
    model->SetSelfTimerSeconds("3");
    model->StartSelfTimer();
    EXPECT_FALSE(model->ControlsEnabled());
    EXPECT_EQ(model->Mode(), StationModel::kSelfTimer);
    QStringList shown;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(model->Tick(), StationModel::TickResult::kCountdown);
        shown << model->CountdownLabelText();
        EXPECT_EQ(model->CountdownText(), model->CountdownLabelText());
        clock.Advance(1);
    }
    EXPECT_EQ(shown, QStringList({"3", "2", "1"}));
    EXPECT_FALSE(QFile::exists(Photo("我的照片1.bmp")));
    EXPECT_EQ(model->Tick(), StationModel::TickResult::kSelfTimerShot);
    EXPECT_TRUE(QFile::exists(Photo("我的照片1.bmp")));
    EXPECT_EQ(model->CountdownLabelText(), "---");
    EXPECT_TRUE(model->CountdownText().isEmpty());
    EXPECT_TRUE(model->ControlsEnabled());
    EXPECT_EQ(model->Mode(), StationModel::kIdle);
    EXPECT_EQ(model->LastPhotoPath(), Photo("我的照片1.bmp"));
    EXPECT_EQ(sound.LastPath(), home.Sub("ephoto_syspic/CAMERAFAST.WAV"));
}

TEST_F(StationModelTest, BurstOfFourEveryFiveSecondsNamesShotsZeroToThree) {
    model->SetBurstCount("4");
    model->SetSelfTimerSeconds("5");
    model->StartBurst();
    EXPECT_EQ(model->Tick(), StationModel::TickResult::kCountdown);
    EXPECT_EQ(model->CountdownLabelText(), "1[5]");
    std::vector<int> shotAt;
    for (int second = 1; second <= 25 && model->Mode() == StationModel::kBurst; ++second) {
        clock.Advance(1);
        const auto r = model->Tick();
        if (r == StationModel::TickResult::kBurstShot || r == StationModel::TickResult::kBurstEnded)
            shotAt.push_back(second);
        if (second == 6) {
            EXPECT_EQ(model->CountdownLabelText(), "2[4]");
        }
    }
    EXPECT_EQ(shotAt, std::vector<int>({5, 10, 15, 20}));
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(QFile::exists(Photo(QString("我的照片1%1.bmp").arg(i)))) << i;
    EXPECT_FALSE(QFile::exists(Photo("我的照片14.bmp")));
    EXPECT_TRUE(model->GifButtonVisible());
    EXPECT_TRUE(model->ControlsEnabled());
    EXPECT_EQ(model->CountdownLabelText(), "---");
    EXPECT_EQ(model->ShotsTaken(), 4);
    EXPECT_EQ(clipboard.size(), 4u);
}

TEST_F(StationModelTest, BurstAcrossMidnightTakesTheNextShotAtOnce) {
    clock.SetSecondsOfDay(86400 - 2);
    model->SetBurstCount("2");
    model->SetSelfTimerSeconds("30");
    model->StartBurst();
    EXPECT_EQ(model->Tick(), StationModel::TickResult::kCountdown);
    clock.Set(clock.Now().addSecs(3)); // 00:00:01 of the next day
    EXPECT_EQ(model->Tick(), StationModel::TickResult::kBurstShot);
    EXPECT_EQ(model->ShotsTaken(), 1);
    // The reference time is now past midnight; the count starts afresh.
    EXPECT_EQ(model->Tick(), StationModel::TickResult::kCountdown);
    EXPECT_EQ(model->CountdownLabelText(), "2[30]");
}

TEST_F(StationModelTest, SelfTimerAcrossMidnightShootsAtOnce) {
    clock.SetSecondsOfDay(86400 - 1);
    model->SetSelfTimerSeconds("10");
    model->StartSelfTimer();
    clock.Set(clock.Now().addSecs(2));
    EXPECT_EQ(model->Tick(), StationModel::TickResult::kSelfTimerShot);
}

TEST_F(StationModelTest, PngBurstConvertsOnlyAfterTheLastShotInShotOrder) {
    model->SetFormat("PNG");
    model->SetPhotoName("x");
    model->SetBurstCount("2");
    model->SetSelfTimerSeconds("3");
    model->StartBurst();
    clock.Advance(3);
    EXPECT_EQ(model->Tick(), StationModel::TickResult::kBurstShot);
    EXPECT_TRUE(QFile::exists(Work("x0.bmp")));
    EXPECT_FALSE(QFile::exists(Photo("x0.PNG")));
    clock.Advance(3);
    EXPECT_EQ(model->Tick(), StationModel::TickResult::kBurstEnded);
    EXPECT_TRUE(QFile::exists(Photo("x0.PNG")));
    EXPECT_TRUE(QFile::exists(Photo("x1.PNG")));
    EXPECT_EQ(QImageReader(Photo("x1.PNG")).format(), "png");
    EXPECT_EQ(model->BurstGrabPaths(), QStringList({Work("x0.bmp"), Work("x1.bmp")}));
    EXPECT_EQ(model->BurstFinalPaths(), QStringList({Photo("x0.PNG"), Photo("x1.PNG")}));
}

TEST_F(StationModelTest, BurstBoxReactsOnlyAboveOneAndNotDuringAShot) {
    model->SetBurstCount("1");
    EXPECT_FALSE(model->BurstBoxActive());
    model->SetBurstCount("2");
    EXPECT_TRUE(model->BurstBoxActive());
    model->StartBurst();
    EXPECT_FALSE(model->BurstBoxActive());
}

TEST_F(StationModelTest, SingleJpgPhotoGrabsToWorkFolderAndConvertsWithTheFrameOnTheClipboard) {
    model->SetFormat("JPG");
    model->SetPhotoName("abc");
    ASSERT_TRUE(model->TakeSinglePhoto());
    EXPECT_TRUE(QFile::exists(Work("abc.bmp")));
    EXPECT_EQ(QImageReader(Photo("abc.JPG")).format(), "jpeg");
    EXPECT_EQ(model->LastPhotoPath(), Work("abc.bmp"));
    ASSERT_EQ(clipboard.size(), 1u);
    EXPECT_EQ(clipboard.front(), camera.frame);
    QImage written(Work("abc.bmp"));
    EXPECT_EQ(written.size(), camera.frame.size());
    EXPECT_EQ(written.pixelColor(5, 5), QColor(10, 120, 200));
}

TEST_F(StationModelTest, WithoutACameraABurstReportsOnceAndWritesNothing) {
    link->Suspend();
    model->SetBurstCount("3");
    model->SetSelfTimerSeconds("3");
    model->StartBurst();
    RunUntilIdle();
    EXPECT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(QDir(home.Sub("2011拍照图片")).isEmpty());
    EXPECT_TRUE(model->ControlsEnabled());
}

TEST_F(StationModelTest, DeletedPhotoFolderIsReportedAndKeepsRunning) {
    QDir(home.Sub("2011拍照图片")).removeRecursively();
    EXPECT_FALSE(model->TakeSinglePhoto());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].text.contains("2011拍照图片"));
    EXPECT_TRUE(model->LastPhotoPath().isEmpty());
}

TEST_F(StationModelTest, RefusedPhotoNameEndsTheBurstWithOneMessage) {
    model->SetPhotoName("../outside");
    model->SetBurstCount("3");
    model->SetSelfTimerSeconds("3");
    model->StartBurst();
    RunUntilIdle();
    EXPECT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(model->ControlsEnabled());
    EXPECT_FALSE(QFile::exists(home.Sub("outside0.bmp")));
}

TEST_F(StationModelTest, SplashWaitHandshake) {
    model->SetMode(StationModel::kSplashWait);
    splash = kSplashStarting;
    EXPECT_EQ(model->Tick(), StationModel::TickResult::kNothing);
    splash = kSplashUp;
    EXPECT_EQ(model->Tick(), StationModel::TickResult::kSplashClosing);
    EXPECT_EQ(splash.load(), kSplashClose);
    EXPECT_EQ(model->Mode(), StationModel::kSplashWait);
    splash = kSplashGone;
    EXPECT_EQ(model->Tick(), StationModel::TickResult::kSplashWaitOver);
    EXPECT_EQ(model->Mode(), StationModel::kIdle);
}

TEST_F(StationModelTest, ReconnectStartsASplashAndWaitsForItButNotWhileTheCameraIsOff) {
    int splashes = 0;
    const int before = camera.connects;
    model->ReconnectCamera([&] {
        ++splashes;
        EXPECT_EQ(splash.load(), kSplashStarting);
    });
    EXPECT_EQ(splashes, 1);
    EXPECT_EQ(camera.connects, before + 1);
    EXPECT_EQ(model->Mode(), StationModel::kSplashWait);
    sys.CameraOff(SysInfo::kSetFlag);
    model->ReconnectCamera([&] { ++splashes; });
    EXPECT_EQ(splashes, 1);
    EXPECT_EQ(camera.connects, before + 1);
}

TEST_F(StationModelTest, EveryFailedConnectionShowsItsMessage) {
    camera.result = ConnectResult::kConnectFailed;
    model->ReconnectCamera({});
    model->ReconnectCamera({});
    camera.result = ConnectResult::kInitFailed;
    model->ReconnectCamera({});
    EXPECT_EQ(prompt.Texts(),
              QStringList({"与视频捕捉卡连接失败!", "与视频捕捉卡连接失败!", "视频捕捉卡初始化失败!"}));
    EXPECT_EQ(model->Mode(), StationModel::kSplashWait);
}

TEST_F(StationModelTest, ReconnectingDuringABurstEndsItWithTheShotsTaken) {
    model->SetBurstCount("5");
    model->SetSelfTimerSeconds("3");
    model->StartBurst();
    clock.Advance(3);
    model->Tick();
    ASSERT_EQ(model->ShotsTaken(), 1);
    model->ReconnectCamera({});
    EXPECT_TRUE(model->ControlsEnabled());
    EXPECT_TRUE(model->GifButtonVisible());
    EXPECT_EQ(model->CountdownLabelText(), "---");
}

TEST_F(StationModelTest, IntervalListTakesShortTextsAndTheTwoModes) {
    EXPECT_EQ(model->IntervalText(), "1.5");
    EXPECT_TRUE(model->SelectIntervalOrMode("6"));
    EXPECT_EQ(model->IntervalText(), "6");
    EXPECT_FALSE(model->SelectIntervalOrMode("-------------------"));
    EXPECT_EQ(model->IntervalText(), "6");
    EXPECT_EQ(model->ColourMode(), 0);
    EXPECT_TRUE(model->SelectIntervalOrMode("普通高反差"));
    EXPECT_EQ(model->ColourMode(), 1);
    EXPECT_EQ(model->IntervalText(), "6");
    EXPECT_TRUE(model->SelectIntervalOrMode("高质流行色"));
    EXPECT_EQ(model->ColourMode(), 0);
}

TEST_F(StationModelTest, ChangingThePhotoFolderClearsTheLastMadeFile) {
    model->SetLastMadeFile("a.gif", 1);
    ASSERT_TRUE(model->ChangePhotoFolder(home.Sub("vx7Ecamsys背景图片")));
    EXPECT_TRUE(model->LastMadeName().isEmpty());
    EXPECT_EQ(model->LastMadeKind(), 0);
    EXPECT_EQ(sys.PhotoFolder(), home.Sub("vx7Ecamsys背景图片"));
}

TEST_F(StationModelTest, ListsHoldTheirEntriesInOrder) {
    EXPECT_EQ(StationModel::FormatEntries(), QStringList({"BMP", "JPG", "PNG", "GIF"}));
    EXPECT_EQ(StationModel::SelfTimerEntries(), QStringList({"3", "5", "8", "10", "15", "20", "30"}));
    EXPECT_EQ(StationModel::BurstEntries().size(), 13);
    EXPECT_EQ(StationModel::BurstEntries().back(), "32");
    EXPECT_EQ(StationModel::IntervalEntries().size(), 15);
    EXPECT_EQ(StationModel::IntervalEntries().at(13), "高质流行色");
}
