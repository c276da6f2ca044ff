// setup_vx7ECam: the installer. Started from the folder that holds the install medium
// (its own folder, or the folder given as the first argument).
#include "install/model/DriveTable.h"
#include "install/model/InstallModel.h"
#include "install/model/Uninstaller.h"
#include "install/ui/InstallDialog.h"
#include "install/ui/StartWindow.h"
#include "platform/Clock.h"
#include "platform/DesktopFolders.h"
#include "platform/QtPrompt.h"
#include "platform/QtTranslations.h"
#include "platform/ShellOpen.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vx7::platform::InstallQtChineseTranslations(app);
    QApplication::setApplicationName(QStringLiteral("setup_vx7ECam"));
    const QStringList args = QApplication::arguments();
    const QString startFolder =
        QDir(args.size() > 1 ? args.at(1) : QApplication::applicationDirPath()).absolutePath();

    using namespace vx7;
    const install::DriveTable drives = install::DriveTable::FromEnvironment();
    const platform::DesktopFolders folders = platform::DesktopFolders::FromEnvironment();
    platform::SystemClock clock;
    platform::QtPrompt prompt;
    const auto opener = platform::MakeShellOpener();
    install::Uninstaller uninstaller(folders, prompt);

    install::StartWindow* window = nullptr;
    install::StartWindowActions actions;
    actions.install = [&] {
        install::InstallModel model({drives, folders, startFolder, prompt, clock});
        install::InstallDialog dialog(model, window);
        prompt.SetParent(&dialog);
        dialog.exec();
        prompt.SetParent(window);
    };
    actions.uninstall = [&] { uninstaller.RemoveFromStartWindow(); };
    actions.openPage = [&](const QString& page) {
        const int result = opener->Open(page);
        if (result <= 32)
            prompt.Message(QStringLiteral("Can't open link:\n\n") + platform::ShellOpenErrorText(result));
    };

    install::StartWindow start(install::InstallModel::SourceBase(startFolder), actions);
    window = &start;
    prompt.SetParent(window);
    start.ShowOverScreen();
    return app.exec();
}
