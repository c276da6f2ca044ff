#include "camera/station/CameraStationWindow.h"
#include "FakeCaptureDevice.h"
#include "StationTestBase.h"
#include "camera/app/SplashState.h"
#include "camera/capture/GstCaptureDevice.h"
#include "camera/station/BurstStrip.h"
#include "camera/station/CameraLink.h"
#include "camera/station/PreviewFrame.h"
#include "camera/station/StationLayout.h"
#include "camera/station/StationModel.h"
#include "controls/BitmapButton.h"
#include "controls/CaptionLabel.h"
#include "core/SysInfo.h"
#include "platform/Clock.h"
#include "platform/HotKey.h"
#include "platform/ScreenGrabber.h"
#include "platform/SoundPlayer.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vx7::camera;
using namespace vx7::core;

namespace {

// A hot key that fires when told to.
class ScriptedHotKey final : public vx7::platform::HotKey {
  public:
    bool Register(char c) override {
        registered = c;
        return true;
    }
    void Unregister() override {}
    bool Available() const override { return true; }
    void Press() { emit Activated(); }
    char registered = 0;
};

struct StationWindowTest : vx7::test::LiveStationTestBase {
    vx7::test::FakeCaptureDevice camera;
    ScriptedHotKey hotKey;
    vx7::platform::ImageScreenGrabber screen{[] {
        QImage s(200, 100, QImage::Format_RGB32);
        s.fill(QColor(200, 30, 30));
        return s;
    }()};
    QStringList calls;

    StationContext Context() {
        StationContext ctx{sys, clock, prompt, sound, splash};
        ctx.camera = &camera;
        ctx.screen = &screen;
        ctx.hotKey = &hotKey;
        ctx.hooks.openAnimationWindow = [this](QWidget*, const QString& name, int kind, bool autoOpen) {
            calls << QString("animation %1 %2 %3 connected=%4")
                         .arg(name)
                         .arg(kind)
                         .arg(autoOpen)
                         .arg(camera.connected);
        };
        // The editor's window protocol knows kinds and modes by number: they are kept.
        ctx.hooks.openEditor = [this](QWidget*, const QString& path, EditorKind kind, EditorMode mode) {
            calls << QString("editor %1 %2 %3").arg(QFileInfo(path).fileName()).arg(int(kind)).arg(int(mode));
        };
        ctx.hooks.chooseBackgroundMusic = [this](QWidget*) { calls << "music"; };
        ctx.hooks.openWebPage = [this](const QString& url) { calls << "web " + url; };
        return ctx;
    }

    void Start() {
        station = std::make_unique<CameraStationWindow>(Context());
        station->show();
    }

    QString Label(int id) const { return station->Label(id)->Caption(); }

    void Click(QPoint p) { QTest::mouseClick(station.get(), Qt::LeftButton, Qt::NoModifier, p); }
    void Move(QPoint p) {
        QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(station->mapToGlobal(p)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(station.get(), &move);
    }
    QPoint ButtonCentre(int id) const {
        return station->Buttons().At(station->Buttons().IndexOfId(id)).rect.center();
    }
    // Ticks the station once a second for n seconds.
    void Run(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.Advance(1);
            station->Tick();
        }
    }
};

} // namespace

TEST_F(StationWindowTest, StartUpConnectsTheCameraRegistersTheHotKeyAndStartsTheTimer) {
    Start();
    EXPECT_TRUE(camera.connected);
    EXPECT_TRUE(camera.preview);
    EXPECT_EQ(hotKey.registered, 'G');
    EXPECT_TRUE(station->TimerRunning());
    EXPECT_EQ(splash.load(), kSplashClose);
    EXPECT_TRUE(prompt.shown.empty());
    // The preview frame is fitted to the 320 x 240 camera: centred in the area.
    EXPECT_EQ(station->Preview()->geometry(), QRect(12 + 160, 12 + 120, 320, 240));
    EXPECT_EQ(Label(CameraStationWindow::kFormatLabel), "BMP");
    EXPECT_EQ(Label(CameraStationWindow::kNameLabel), "我的照片1");
    EXPECT_EQ(Label(CameraStationWindow::kSelfTimerValueLabel), "8");
    EXPECT_EQ(Label(CameraStationWindow::kBurstValueLabel), "6");
    EXPECT_EQ(Label(CameraStationWindow::kIntervalLabel), "1.5");
    EXPECT_EQ(Label(CameraStationWindow::kSelfTimerLabel), "---");
    EXPECT_EQ(Label(CameraStationWindow::kStatusLabel), "---");
    EXPECT_FALSE(station->Button(CameraStationWindow::kGifButton)->isVisible());
}

TEST_F(StationWindowTest, WithoutACameraTheStartShowsTheConnectFailureOnceAndTheWindowOpens) {
    camera.result = ConnectResult::kConnectFailed;
    Start();
    EXPECT_EQ(prompt.Texts(), QStringList({"与视频捕捉卡连接失败!"}));
    EXPECT_TRUE(station->isVisible());
    station->Tick();
    EXPECT_EQ(prompt.shown.size(), 1u);
}

// Records whether a splash was on screen when each message was shown.
class SplashWatchingPrompt final : public vx7::platform::Prompt {
  public:
    void Message(const QString& text, const QString&) override { Record(text); }
    bool Ask(const QString& text, const QString&) override {
        Record(text);
        return answer;
    }
    void Record(const QString& text) {
        texts << text;
        bool splash = false;
        for (QWidget* w : QApplication::topLevelWidgets())
            splash = splash || (w->objectName() == "SplashWindow" && w->isVisible());
        splashVisible << splash;
    }
    QStringList texts;
    QList<bool> splashVisible;
    bool answer = false;
};

TEST_F(StationWindowTest, MessagesDuringASplashAreNeverBeneathIt) {
    SplashWatchingPrompt watching;
    StationContext ctx = Context();
    StationContext withWatch{sys, clock, watching, sound, splash};
    withWatch.camera = ctx.camera;
    withWatch.hooks = ctx.hooks;
    withWatch.hooks.runFormatDialog = [](QWidget*, CaptureDevice&) { return int(QDialog::Rejected); };
    camera.result = ConnectResult::kConnectFailed;
    station = std::make_unique<CameraStationWindow>(withWatch);
    station->show();
    ASSERT_EQ(watching.texts, QStringList{"与视频捕捉卡连接失败!"});
    // Format dialog cancelled: the reconnection's splash goes before its message.
    Click(ButtonCentre(2001));
    ASSERT_EQ(watching.texts.size(), 2);
    EXPECT_EQ(watching.splashVisible, QList<bool>({false, false}));
    // The station's wait for the closed splash ends.
    station->Tick();
    EXPECT_EQ(station->Model().Mode(), StationModel::kIdle);
}

TEST_F(StationWindowTest, WithoutAnyCameraTheTestCameraIsOfferedOnce) {
    camera.hasCamera = false;
    camera.result = ConnectResult::kConnectFailed;
    Start();
    EXPECT_EQ(prompt.Texts(), QStringList{CameraStationWindow::NoCameraText()});
    EXPECT_TRUE(prompt.shown[0].question);
    EXPECT_EQ(camera.switchedToTest, 0);
    EXPECT_FALSE(camera.connected);
    station.reset();

    prompt.shown.clear();
    prompt.answers = {true};
    camera.result = ConnectResult::kOk;
    Start();
    EXPECT_EQ(prompt.Texts(), QStringList{CameraStationWindow::NoCameraText()});
    EXPECT_EQ(camera.switchedToTest, 1);
    EXPECT_TRUE(camera.connected);
}

TEST_F(StationWindowTest, ChoosingSelfTimerThreeCountsDownAndTakesThePhoto) {
    Start();
    QComboBox* list = station->List(CameraStationWindow::kSelfTimerList);
    emit list->activated(list->findText("3"));
    EXPECT_EQ(Label(CameraStationWindow::kSelfTimerValueLabel), "3");
    EXPECT_FALSE(station->Button(CameraStationWindow::kShootButton)->isEnabled());
    QStringList shown;
    station->Tick();
    shown << Label(CameraStationWindow::kSelfTimerLabel);
    for (int i = 0; i < 2; ++i) {
        Run(1);
        shown << Label(CameraStationWindow::kSelfTimerLabel);
    }
    EXPECT_EQ(shown, QStringList({"3", "2", "1"}));
    Run(1);
    EXPECT_EQ(Label(CameraStationWindow::kSelfTimerLabel), "---");
    EXPECT_TRUE(QFile::exists(home.Sub("2011拍照图片/我的照片1.bmp")));
    EXPECT_TRUE(station->Button(CameraStationWindow::kShootButton)->isEnabled());
    // The frame is on the clipboard.
    EXPECT_EQ(QApplication::clipboard()->image().size(), camera.frame.size());
}

TEST_F(StationWindowTest, BurstFourWithSelfTimerFiveShowsCountersThenTheGifButton) {
    Start();
    QComboBox* timer = station->List(CameraStationWindow::kSelfTimerList);
    timer->setCurrentIndex(timer->findText("5"));
    station->Model().SetSelfTimerSeconds("5");
    QComboBox* burst = station->List(CameraStationWindow::kBurstList);
    emit burst->activated(burst->findText("4"));
    station->Tick();
    EXPECT_EQ(Label(CameraStationWindow::kSelfTimerLabel), "1[5]");
    Run(20);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(QFile::exists(home.Sub(QString("2011拍照图片/我的照片1%1.bmp").arg(i))));
    EXPECT_TRUE(station->Button(CameraStationWindow::kGifButton)->isVisible());
    EXPECT_EQ(Label(CameraStationWindow::kSelfTimerLabel), "---");
    // The strip shows the shots, and its cells open the editor on the grab files.
    station->grab();
    ASSERT_GE(station->StripCells().size(), 4u);
    Click(station->StripCells()[2].center());
    EXPECT_EQ(calls.last(), "editor 我的照片12.bmp 102 0");
}

TEST_F(StationWindowTest, StripWithOneShotOpensNothing) {
    Start();
    station->Model().SetBurstCount("1");
    station->Model().StartBurst();
    Run(10);
    station->grab();
    ASSERT_EQ(station->StripCells().size(), 1u);
    Click(station->StripCells()[0].center());
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(StationWindowTest, BurstBoxStartsABurstOnlyAboveOne) {
    Start();
    station->Model().SetBurstCount("1");
    Click(StationLayout::BurstBox().center());
    EXPECT_EQ(station->Model().Mode(), StationModel::kIdle);
    station->Model().SetBurstCount("2");
    Click(StationLayout::BurstBox().center());
    EXPECT_EQ(station->Model().Mode(), StationModel::kBurst);
}

TEST_F(StationWindowTest, ClickingLabel1021StartsTheSelfTimer) {
    Start();
    Click(StationLayout::kSelfTimerLabel.center());
    EXPECT_EQ(station->Model().Mode(), StationModel::kSelfTimer);
}

TEST_F(StationWindowTest, HoverLightsButtonsWhileOverThemAndRecordStopIsNeverHit) {
    Start();
    const int fmt = station->Buttons().IndexOfId(DrawnButtonTable::kSetFormat);
    Move(ButtonCentre(DrawnButtonTable::kSetFormat));
    EXPECT_EQ(station->Buttons().At(fmt).state, 'Y');
    Move(QPoint(5, 5));
    EXPECT_EQ(station->Buttons().At(fmt).state, 'c');
    Move(ButtonCentre(DrawnButtonTable::kBackgroundMusic));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(station.get(), &leave);
    EXPECT_EQ(station->Buttons().At(station->Buttons().IndexOfId(DrawnButtonTable::kBackgroundMusic)).state,
              'c');
    const QRect stop =
        station->Buttons().At(station->Buttons().IndexOfId(DrawnButtonTable::kRecordStop)).rect;
    Click(stop.center());
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(station->Buttons().At(station->Buttons().IndexOfId(DrawnButtonTable::kRecordStop)).state, 'x');
}

TEST_F(StationWindowTest, DrawnButtonsOpenTheirWindowsWithTheCameraSuspended) {
    Start();
    station->SetLastMadeFile("burst.gif", 1);
    const int connects = camera.connects;
    Click(ButtonCentre(DrawnButtonTable::kVideo));
    EXPECT_EQ(calls.last(), "animation burst.gif 1 0 connected=0");
    EXPECT_EQ(camera.connects, connects + 1); // resumed
    EXPECT_TRUE(station->Preview()->isVisible());
    EXPECT_EQ(sound.LastPath(), ":/wave/145.wav");
    Click(ButtonCentre(DrawnButtonTable::kRecord));
    EXPECT_EQ(calls.last(), "animation burst.gif 1 1 connected=0");
    Click(ButtonCentre(DrawnButtonTable::kPicked));
    EXPECT_EQ(calls.last(), "editor  100 9");
    Click(ButtonCentre(DrawnButtonTable::kBackgroundMusic));
    EXPECT_EQ(calls.last(), "music");
    Click(ButtonCentre(DrawnButtonTable::kGoWeb));
    EXPECT_EQ(calls.last(), "web " + CameraStationWindow::MakerWebPage());
    // Each resume waits for its splash, then goes idle.
    EXPECT_EQ(station->Model().Mode(), StationModel::kSplashWait);
    station->Tick();
    EXPECT_EQ(splash.load(), kSplashClose);
}

TEST_F(StationWindowTest, CameraSwitchedOffStaysOffAcrossSuspendAndResume) {
    Start();
    StationContext ctx = Context();
    station.reset();
    ctx.hooks.runHelpWindow = [this](QWidget*) {
        sys.CameraOff(SysInfo::kSetFlag);
        return int(QDialog::Accepted);
    };
    station = std::make_unique<CameraStationWindow>(ctx);
    station->show();
    station->Button(CameraStationWindow::kCameraButton)->click();
    EXPECT_FALSE(camera.connected);
    EXPECT_TRUE(station->Preview()->isVisible()); // the frame stays
    const int connects = camera.connects;
    Click(ButtonCentre(DrawnButtonTable::kPicked));
    EXPECT_EQ(camera.connects, connects);
    EXPECT_FALSE(camera.connected);
}

TEST_F(StationWindowTest, PhotoFolderChoiceRetitlesTheWindowAndReconnects) {
    StationContext ctx = Context();
    ctx.hooks.runFolderChooser = [this](QWidget*) {
        return std::optional<QString>(home.Sub("vx7Ecamsys背景图片"));
    };
    station = std::make_unique<CameraStationWindow>(ctx);
    station->show();
    station->SetLastMadeFile("x.gif", 1);
    const int connects = camera.connects;
    station->Button(CameraStationWindow::kFolderButton)->click();
    EXPECT_EQ(station->windowTitle(), "Vantor摄像头Snapo V1.3< " + home.Sub("vx7Ecamsys背景图片") + " >");
    EXPECT_EQ(camera.connects, connects + 1);
    EXPECT_TRUE(station->Model().LastMadeName().isEmpty());
    EXPECT_TRUE(station->TimerRunning());
}

TEST_F(StationWindowTest, ChosenPhotoFolderSurvivesARestart) {
    StationContext ctx = Context();
    const QString chosen = home.Sub("vx7Ecamsys背景图片");
    ctx.hooks.runFolderChooser = [&](QWidget*) { return std::optional<QString>(chosen); };
    station = std::make_unique<CameraStationWindow>(ctx);
    station->show();
    station->Button(CameraStationWindow::kFolderButton)->click();
    // Saved at once: a crash before closing loses nothing.
    SysInfo afterCrash;
    afterCrash.SetFolder(home.Path());
    afterCrash.Load();
    EXPECT_EQ(afterCrash.PhotoFolder(), chosen);

    // A value changed in memory only is written at a normal close.
    sys.SetPhotoFolder(home.Sub("2011拍照图片"));
    station->close();
    station.reset();
    SysInfo next;
    next.SetFolder(home.Path());
    next.Load();
    EXPECT_EQ(next.PhotoFolder(), home.Sub("2011拍照图片"));
}

// The folder chooser and the music chooser go through the same suspension as the
// windows of the drawn buttons, without the click.
TEST_F(StationWindowTest, ChoosersRunWithTheCameraSuspendedAndSilent) {
    StationContext ctx = Context();
    const auto state = [this](const char* what) {
        return QString("%1 connected=%2 timer=%3 preview=%4")
            .arg(what)
            .arg(camera.connected)
            .arg(station->TimerRunning())
            .arg(station->Preview()->isVisible());
    };
    ctx.hooks.runFolderChooser = [this, state](QWidget*) {
        calls << state("folder");
        return std::optional<QString>();
    };
    ctx.hooks.chooseBackgroundMusic = [this, state](QWidget*) { calls << state("music"); };
    station = std::make_unique<CameraStationWindow>(ctx);
    station->show();
    station->Button(CameraStationWindow::kFolderButton)->click();
    Click(ButtonCentre(DrawnButtonTable::kBackgroundMusic));
    EXPECT_EQ(calls,
              QStringList({"folder connected=0 timer=0 preview=0", "music connected=0 timer=0 preview=0"}));
    EXPECT_TRUE(camera.connected);
    EXPECT_TRUE(station->TimerRunning());
    EXPECT_TRUE(station->Preview()->isVisible());
    EXPECT_NE(sound.LastPath(), ":/wave/145.wav");
}

TEST_F(StationWindowTest, FormatDialogRefitsThePreviewAndReconnects) {
    StationContext ctx = Context();
    ctx.hooks.runFormatDialog = [](QWidget*, CaptureDevice& device) {
        device.SetFormat({"YUYV", 640, 480, 30, 1});
        return int(QDialog::Accepted);
    };
    station = std::make_unique<CameraStationWindow>(ctx);
    station->show();
    const int connects = camera.connects;
    Click(ButtonCentre(DrawnButtonTable::kSetFormat));
    EXPECT_EQ(station->Preview()->geometry(), StationLayout::kPreviewArea);
    EXPECT_EQ(camera.connects, connects + 1);
    // Running it again without a change leaves the frame where it is.
    Click(ButtonCentre(DrawnButtonTable::kSetFormat));
    EXPECT_EQ(station->Preview()->geometry(), StationLayout::kPreviewArea);
}

TEST_F(StationWindowTest, PreviewOfALargeCameraPictureShowsAllOfItScaled) {
    camera.formats.push_back({"YUYV", 1280, 720, 30, 1});
    camera.format = camera.formats.back();
    camera.frame = QImage(1280, 720, QImage::Format_RGB32);
    camera.frame.fill(Qt::black);
    // A marker in the bottom-right corner, which a cropped preview would never show.
    for (int y = 620; y < 720; ++y)
        for (int x = 1180; x < 1280; ++x)
            camera.frame.setPixelColor(x, y, Qt::red);
    Start();
    EXPECT_EQ(station->Preview()->geometry(), QRect(12, 12 + 60, 640, 360));
    const QImage shown = station->Preview()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(shown.width() - 10, shown.height() - 10), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(Qt::black));
}

TEST_F(StationWindowTest, ValueLabelsOpenTheirListsAndTheNameBox) {
    Start();
    const QRect format = StationLayout::kFormatList;
    QTest::mousePress(station.get(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(format.right() - 3, format.center().y()));
    EXPECT_TRUE(station->List(CameraStationWindow::kFormatList)->isVisible());
    QComboBox* list = station->List(CameraStationWindow::kFormatList);
    emit list->activated(list->findText("PNG"));
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(Label(CameraStationWindow::kFormatLabel), "PNG");
    EXPECT_EQ(station->Model().Format(), "PNG");

    Click(StationLayout::kNameEdit.center());
    ASSERT_TRUE(station->NameEdit()->isVisible()); // the click's own release does not close it
    station->NameEdit()->setText("abc");
    Click(QPoint(700, 590)); // anywhere else in the window
    EXPECT_FALSE(station->NameEdit()->isVisible());
    EXPECT_EQ(Label(CameraStationWindow::kNameLabel), "abc");
    EXPECT_EQ(station->Model().PhotoName(), "abc");
}

TEST_F(StationWindowTest, IntervalListKeepsShowingTheInterval) {
    Start();
    QComboBox* list = station->List(CameraStationWindow::kIntervalList);
    emit list->activated(list->findText("普通高反差"));
    EXPECT_EQ(station->ColourMode(), 1);
    EXPECT_EQ(Label(CameraStationWindow::kIntervalLabel), "1.5");
    emit list->activated(list->findText("6"));
    EXPECT_EQ(station->IntervalText(), "6");
    EXPECT_EQ(Label(CameraStationWindow::kIntervalLabel), "6");
}

TEST_F(StationWindowTest, HotKeyCapturesOnlyWhileMinimisedAndRestoresTheWindow) {
    Start();
    hotKey.Press();
    EXPECT_FALSE(QFile::exists(home.Sub("2011拍照图片/我的照片1.bmp")));
    station->showMinimized();
    QCoreApplication::processEvents();
    ASSERT_LE(station->ClientArea(), 100);
    hotKey.Press();
    EXPECT_TRUE(QFile::exists(home.Sub("2011拍照图片/我的照片1.bmp")));
    EXPECT_EQ(sys.ScreenshotPending(SysInfo::kReadFlag), 1);
    EXPECT_EQ(station->Model().LastPhotoPath(), home.Sub("2011拍照图片/我的照片1.bmp"));
    EXPECT_FALSE(station->isMinimized());
    // The thumbnail now opens the editor on the screenshot.
    Click(StationLayout::kThumbnailFrame.center());
    EXPECT_EQ(calls.last(), "editor 我的照片1.bmp 101 0");
}

TEST_F(StationWindowTest, ALostCameraIsReportedOnce) {
    Start();
    camera.Unplug();
    camera.Unplug();
    EXPECT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(station->isVisible());
}

TEST_F(StationWindowTest, EnterLeavesTheWindowOpenAndF1OpensHelp) {
    StationContext ctx = Context();
    int helps = 0;
    ctx.hooks.runHelpWindow = [&helps](QWidget*) {
        ++helps;
        return int(QDialog::Rejected);
    };
    station = std::make_unique<CameraStationWindow>(ctx);
    station->show();
    QTest::keyClick(station.get(), Qt::Key_Return);
    EXPECT_TRUE(station->isVisible());
    QTest::keyClick(station.get(), Qt::Key_F1);
    EXPECT_EQ(helps, 1);
}

TEST_F(StationWindowTest, ThumbnailShowsTheLastPhoto) {
    Start();
    station->Button(CameraStationWindow::kShootButton)->click();
    const QImage shot = station->grab().toImage();
    const QPoint centre = StationLayout::kThumbnailFrame.center();
    EXPECT_EQ(shot.pixelColor(centre), QColor(10, 120, 200));
    // Without a burst no strip cell is stored for clicks, and the empty cells show the panel colour.
    EXPECT_TRUE(station->StripCells().empty());
    const QRect strip = BurstStrip::Area(StationLayout::kStripGroup, StationLayout::kIntervalList.left());
    EXPECT_EQ(shot.pixelColor(BurstStrip::Cells(strip).front().center()), QColor(25, 80, 111));
}

TEST(StationWithTestCameraTest, ShootsARealFrameFromTheTestCamera) {
    vx7::test::TempInstallFolder home;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(home.Path());
    {
        SysInfo sys;
        vx7::platform::ManualClock clock;
        vx7::test::ScriptedPrompt prompt;
        vx7::platform::NullSoundPlayer sound;
        std::atomic<int> splash{kSplashUp};
        GstCaptureDevice camera(CameraChoice::kTest);
        StationContext ctx{sys, clock, prompt, sound, splash};
        ctx.camera = &camera;
        CameraStationWindow station(ctx);
        station.show();
        EXPECT_TRUE(prompt.shown.empty());
        EXPECT_EQ(station.Preview()->geometry(), StationLayout::kPreviewArea); // 640 x 480 fills it
        QSignalSpy frames(&camera, &CaptureDevice::FrameReady);
        ASSERT_TRUE(frames.wait(5000));
        station.Button(CameraStationWindow::kShootButton)->click();
        const QImage photo(home.Sub("2011拍照图片/我的照片1.bmp"));
        EXPECT_EQ(photo.size(), QSize(640, 480));
        EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(640, 480));
    }
    QDir::setCurrent(previous);
}

TEST_F(StationWindowTest, NewPhotosScreenshotsAndBurstShotsNeverReplaceOlderOnes) {
    Start();
    const QString folder = home.Sub("2011拍照图片/");
    station->Button(CameraStationWindow::kShootButton)->click();
    camera.frame.fill(Qt::blue);
    station->Button(CameraStationWindow::kShootButton)->click();
    EXPECT_TRUE(QFile::exists(folder + "我的照片1.bmp"));
    EXPECT_TRUE(QFile::exists(folder + "我的照片1(2).bmp"));
    EXPECT_NE(QImage(folder + "我的照片1.bmp").pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(Label(CameraStationWindow::kStatusLabel), "我的照片1(2).bmp");

    // A screenshot of the same name takes the next free one.
    station->showMinimized();
    QCoreApplication::processEvents();
    hotKey.Press();
    EXPECT_TRUE(QFile::exists(folder + "我的照片1(3).bmp"));
    EXPECT_EQ(Label(CameraStationWindow::kStatusLabel), "我的照片1(3).bmp");

    // Converted photos and burst shots too.
    station->Model().SetFormat("JPG");
    station->Button(CameraStationWindow::kShootButton)->click();
    station->Button(CameraStationWindow::kShootButton)->click();
    EXPECT_TRUE(QFile::exists(folder + "我的照片1.JPG"));
    EXPECT_TRUE(QFile::exists(folder + "我的照片1(2).JPG"));
    station->Model().SetFormat("BMP");
    station->Model().SetSelfTimerSeconds("1");
    station->Model().SetBurstCount("2");
    for (int burst = 0; burst < 2; ++burst) {
        station->Model().StartBurst();
        Run(5);
    }
    for (const char* name : {"我的照片10.bmp", "我的照片11.bmp", "我的照片10(2).bmp", "我的照片11(2).bmp"})
        EXPECT_TRUE(QFile::exists(folder + QString::fromUtf8(name))) << name;
    EXPECT_EQ(Label(CameraStationWindow::kStatusLabel), "我的照片11(2).bmp");
}
