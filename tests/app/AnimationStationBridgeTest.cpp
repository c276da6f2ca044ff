#include "app/AnimationStationBridge.h"
#include "animation/gif/GifFrameSplitter.h"
#include "animation/making/BurstGifMaker.h"
#include "animation/picture/AnimatedPicture.h"
#include "animation/window/AnimationWindow.h"
#include "animationui/ScriptedFileChooser.h"
#include "camera/FakeCaptureDevice.h"
#include "camera/app/SplashState.h"
#include "camera/station/CameraStationWindow.h"
#include "camera/station/DrawnButtonTable.h"
#include "camera/station/StationModel.h"
#include "controls/BitmapButton.h"
#include "core/ImageFiles.h"
#include "core/SysInfo.h"
#include "platform/Clock.h"
#include "platform/SoundPlayer.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace vx7::animation;
using vx7::app::AnimationStationBridge;
using vx7::camera::CameraStationWindow;
using vx7::camera::DrawnButtonTable;

namespace {

class RecordingSound final : public vx7::platform::SoundPlayer {
  public:
    void Play(const QString& path) override { played << path; }
    int ActiveCount() const override { return 0; }
    QStringList played;
};

struct AnimationStationBridgeTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    QString previous = QDir::currentPath();
    vx7::core::SysInfo sys;
    vx7::platform::ManualClock clock;
    vx7::test::ScriptedPrompt prompt;
    RecordingSound sound;
    std::atomic<int> splash{vx7::camera::kSplashUp};
    vx7::test::FakeCaptureDevice camera;
    vx7::core::EncoderRegistry encoders;
    vx7::test::ScriptedFileChooser files;
    std::unique_ptr<AnimationStationBridge> bridge;
    std::unique_ptr<CameraStationWindow> station;

    void SetUp() override {
        QDir::setCurrent(home.Path());
        clock.SetSecondsOfDay(10 * 3600);
        bridge = std::make_unique<AnimationStationBridge>(sys, prompt, encoders, sound, &files);
        vx7::camera::StationContext ctx{sys, clock, prompt, sound, splash};
        ctx.camera = &camera;
        ctx.encoders = &encoders;
        bridge->Install(ctx.hooks);
        station = std::make_unique<CameraStationWindow>(ctx);
        station->show();
    }
    void TearDown() override {
        station.reset();
        bridge.reset();
        QDir::setCurrent(previous);
    }

    // Runs inspect on the animation window once it is up (modal), then closes it.
    void WhenAnimationWindowOpens(const std::function<void(AnimationWindow&)>& inspect, bool* seen) {
        *seen = false;
        auto* poll = new QTimer(station.get());
        QObject::connect(poll, &QTimer::timeout, poll, [=] {
            auto* w = qobject_cast<AnimationWindow*>(QApplication::activeModalWidget());
            if (!w)
                return;
            poll->stop();
            inspect(*w);
            *seen = true;
            w->reject();
            poll->deleteLater();
        });
        poll->start(20);
    }
};

} // namespace

TEST_F(AnimationStationBridgeTest, VideoButtonOpensTheWindowWithTheCameraSuspended) {
    ASSERT_TRUE(camera.connected);
    bool seen = false;
    bool cameraOffMeanwhile = false;
    int mode = -1;
    WhenAnimationWindowOpens(
        [&](AnimationWindow& w) {
            cameraOffMeanwhile = !camera.connected;
            mode = w.CurrentMode();
        },
        &seen);
    station->RunDrawnCommand(DrawnButtonTable::kVideo);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(cameraOffMeanwhile);
    EXPECT_EQ(mode, AnimationWindow::kAvi);
    EXPECT_TRUE(camera.connected);
    EXPECT_TRUE(station->TimerRunning());
}

TEST_F(AnimationStationBridgeTest, MusicButtonPlaysTheChoiceWithoutTheClickSound) {
    const QString song = home.WriteFile("music/song.mp3", "not really music");
    files.files = {song};
    sound.played.clear();
    station->RunDrawnCommand(DrawnButtonTable::kBackgroundMusic);
    EXPECT_EQ(bridge->Music().MusicPath(), song);
    EXPECT_EQ(sound.played, QStringList({song}));
    EXPECT_TRUE(camera.connected);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(AnimationStationBridgeTest, BurstBecomesAGifThatPlaysAtOnce) {
    // A burst of three with the self-timer at 3 seconds.
    station->Model().SetSelfTimerSeconds("3");
    station->Model().SelectIntervalOrMode("普通高反差");
    QComboBox* burst = station->List(CameraStationWindow::kBurstList);
    emit burst->activated(burst->findText("3"));
    for (int i = 0; i < 12; ++i) {
        clock.Advance(1);
        station->Tick();
    }
    ASSERT_EQ(station->BurstPhotos().size(), 3);

    // An earlier GIF of the same name is replaced without a question.
    const QString gif = sys.PhotoFolder() + "/我的照片1.gif";
    QFile old(gif);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    bool seen = false;
    bool playing = false;
    QString openedPath;
    WhenAnimationWindowOpens(
        [&](AnimationWindow& w) {
            openedPath = w.PathToOpen();
            playing = QTest::qWaitFor([&] { return w.Picture()->Model().IsPlaying(); }, 5000);
        },
        &seen);
    prompt.answers = {true};
    station->Button(CameraStationWindow::kGifButton)->click();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QString("要建Gif动画吗?( 我的照片1 )请确认!"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen; }, 20000));
    EXPECT_TRUE(playing);
    EXPECT_EQ(openedPath, gif);
    EXPECT_EQ(station->Model().LastMadeName(), QString("我的照片1.gif"));
    EXPECT_EQ(station->Model().LastMadeKind(), 1);
    EXPECT_TRUE(station->Model().ControlsEnabled());
    EXPECT_EQ(prompt.shown.size(), 1u);

    QFile made(gif);
    ASSERT_TRUE(made.open(QIODevice::ReadOnly));
    const auto frames = GifFrameSplitter::Load(made.readAll());
    ASSERT_TRUE(frames.has_value());
    EXPECT_EQ(frames->frames.size(), 3u);
    EXPECT_EQ(frames->frames.front().delay, 150);
    EXPECT_EQ(frames->screen, QSize(320, 240));
}

TEST_F(AnimationStationBridgeTest, PopularColoursBurstGoesThroughTheConverter) {
    station->Model().SetSelfTimerSeconds("3");
    QComboBox* burst = station->List(CameraStationWindow::kBurstList);
    emit burst->activated(burst->findText("2"));
    for (int i = 0; i < 8; ++i) {
        clock.Advance(1);
        station->Tick();
    }
    ASSERT_EQ(station->BurstPhotos().size(), 2);
    bool seen = false;
    WhenAnimationWindowOpens([](AnimationWindow&) {}, &seen);
    prompt.answers = {true};
    station->Button(CameraStationWindow::kGifButton)->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen; }, 30000)) << prompt.Texts().join("|").toStdString();
    QFile made(sys.PhotoFolder() + "/我的照片1.gif");
    ASSERT_TRUE(made.open(QIODevice::ReadOnly));
    const auto frames = GifFrameSplitter::Load(made.readAll());
    ASSERT_TRUE(frames.has_value());
    ASSERT_EQ(frames->frames.size(), 2u);
    // The camera's flat picture keeps its colour through the converter's palette.
    const QColor c = frames->frames.front().Picture().pixelColor(100, 100);
    EXPECT_NEAR(c.red(), 10, 6);
    EXPECT_NEAR(c.green(), 120, 6);
    EXPECT_NEAR(c.blue(), 200, 6);
    // The build's working files are gone once it is done.
    EXPECT_TRUE(QDir(home.Sub("tmpBmpData")).entryList({"build-*"}, QDir::Dirs).isEmpty());
}

// Burst photos of a name with a dot ("假期.v21.bmp", "假期.v22.bmp", ...) share the
// text before the first dot; each must still give its own frame.
TEST_F(AnimationStationBridgeTest, BurstOfADottedPhotoNameKeepsEveryShotsOwnFrame) {
    station->Model().SetPhotoName("假期.v2");
    station->Model().SetSelfTimerSeconds("3");
    station->Model().SelectIntervalOrMode("普通高反差");
    QComboBox* burst = station->List(CameraStationWindow::kBurstList);
    emit burst->activated(burst->findText("3"));
    for (int i = 0; i < 12; ++i) {
        camera.frame.fill(QColor(20 * i, 240 - 20 * i, 90));
        clock.Advance(1);
        station->Tick();
    }
    const QStringList shots = station->BurstPhotos();
    ASSERT_EQ(shots.size(), 3);
    bool seen = false;
    WhenAnimationWindowOpens([](AnimationWindow&) {}, &seen);
    prompt.answers = {true};
    station->Button(CameraStationWindow::kGifButton)->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen; }, 20000)) << prompt.Texts().join("|").toStdString();
    QFile made(sys.PhotoFolder() + "/假期.v2.gif");
    ASSERT_TRUE(made.open(QIODevice::ReadOnly));
    const auto frames = GifFrameSplitter::Load(made.readAll());
    ASSERT_TRUE(frames.has_value());
    ASSERT_EQ(frames->frames.size(), 3u);
    // The encoder's palette is coarse: each frame must be closest to its own shot.
    auto distance = [](QColor a, QColor b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
    };
    for (int i = 0; i < 3; ++i) {
        const QColor frame = frames->frames[size_t(i)].Picture().pixelColor(50, 50);
        for (int j = 0; j < 3; ++j) {
            if (j != i) {
                EXPECT_LT(distance(frame, QImage(shots[i]).pixelColor(50, 50)),
                          distance(frame, QImage(shots[j]).pixelColor(50, 50)))
                    << "frame " << i << " against shot " << j;
            }
        }
    }
    EXPECT_NE(QImage(shots[0]).pixel(50, 50), QImage(shots[2]).pixel(50, 50)) << "the shots differ";
}
