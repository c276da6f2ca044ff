// vx7ECamera: the camera station. The current directory is the installation folder.
// Options: --camera test|auto (or VX7_CAMERA=test|auto) chooses the built-in test
// camera or the first real camera; auto is the default. --screenshot FILE saves a
// picture of the station a few seconds after start and ends the program (for the
// documentation and visual checks).
#include "app/AnimationStationBridge.h"
#include "app/EditorStationBridge.h"
#include "camera/app/SplashState.h"
#include "camera/capture/CameraChoice.h"
#include "camera/capture/GstCaptureDevice.h"
#include "camera/station/CameraStationWindow.h"
#include "core/ImageFiles.h"
#include "core/SysInfo.h"
#include "platform/Clock.h"
#include "platform/DesktopScreenGrabber.h"
#include "platform/HotKey.h"
#include "platform/QtPrompt.h"
#include "platform/QtTranslations.h"
#include "platform/SoundPlayer.h"

#include <QApplication>
#include <QFont>
#include <QTimer>

#include <atomic>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vx7::platform::InstallQtChineseTranslations(app);
    QApplication::setApplicationName(QStringLiteral("vx7ECamera"));
    // The windows ask for "宋体"; on Linux the CJK font that stands in for it is
    // WenQuanYi Zen Hei, which is also the message font.
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("WenQuanYi Zen Hei"));
    QApplication::setFont(QFont(QStringLiteral("WenQuanYi Zen Hei"), 9));

    QString choiceError;
    const auto choice =
        vx7::camera::CameraChoiceFor(QApplication::arguments(), qgetenv("VX7_CAMERA"), &choiceError);
    if (!choiceError.isEmpty())
        std::fprintf(stderr, "%s\n", choiceError.toLocal8Bit().constData());

    vx7::core::SysInfo sys;
    vx7::platform::SystemClock clock;
    vx7::platform::QtPrompt prompt;
    sys.SetPrompt(&prompt);
    auto sound = vx7::platform::MakeSoundPlayer();
    std::atomic<int> splashState{vx7::camera::kSplashUp};
    vx7::core::EncoderRegistry encoders;
    vx7::camera::GstCaptureDevice camera(choice);
    auto screen = vx7::platform::MakeScreenGrabber();
    auto hotKey = vx7::platform::MakeHotKey();

    vx7::camera::StationContext context{sys, clock, prompt, *sound, splashState};
    context.camera = &camera;
    context.encoders = &encoders;
    context.screen = screen.get();
    context.hotKey = hotKey.get();
    // The one place the station meets the other windows: the "image/gif" encoder joins
    // `encoders` here, and context.hooks gets the animation window (openAnimationWindow),
    // the background-music chooser (chooseBackgroundMusic) and the burst GIF maker
    // (makeBurstGif); the image editor (openEditor) joins here too.
    vx7::app::AnimationStationBridge animation(sys, prompt, encoders, *sound);
    animation.Install(context.hooks);
    vx7::app::EditorStationBridge editor(sys, prompt, encoders);
    editor.Install(context.hooks);

    vx7::camera::CameraStationWindow station(context);
    prompt.SetParent(&station);
    const int shotAt = QApplication::arguments().indexOf(QStringLiteral("--screenshot"));
    if (shotAt > 0 && shotAt + 1 < QApplication::arguments().size()) {
        const QString file = QApplication::arguments().at(shotAt + 1);
        QTimer::singleShot(4000, &station, [&station, file] {
            station.grab().save(file);
            station.done(0);
        });
    }
    station.exec();
    return 0;
}
