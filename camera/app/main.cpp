// vx7ECamera: the camera station. The current directory is the installation folder.
#include "camera/settings/SysInfo.h"
#include "camera/app/SplashWindow.h"
#include "camera/station/CameraStationWindow.h"
#include "platform/Clock.h"
#include "platform/QtPrompt.h"
#include "platform/SoundPlayer.h"

#include <QApplication>

#include <atomic>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vx7ECamera"));

    vx7::camera::SysInfo sys;
    vx7::platform::SystemClock clock;
    vx7::platform::QtPrompt prompt;
    sys.SetPrompt(&prompt);
    auto sound = vx7::platform::MakeSoundPlayer();
    std::atomic<int> splashState{vx7::camera::kSplashUp};

    vx7::camera::CameraStationWindow station({sys, clock, prompt, *sound, splashState});
    prompt.SetParent(&station);
    station.exec();
    return 0;
}
