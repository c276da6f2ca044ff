// UnInstVx7Ecam: removes the installation its information folder describes.
#include "install/model/Uninstaller.h"
#include "install/ui/UninstallDialog.h"
#include "platform/DesktopFolders.h"
#include "platform/QtPrompt.h"
#include "platform/QtTranslations.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vx7::platform::InstallQtChineseTranslations(app);
    QApplication::setApplicationName(QStringLiteral("UnInstVx7Ecam"));
    vx7::platform::QtPrompt prompt;
    vx7::install::Uninstaller uninstaller(vx7::platform::DesktopFolders::FromEnvironment(), prompt);
    vx7::install::UninstallDialog dialog(uninstaller);
    prompt.SetParent(&dialog);
    dialog.exec();
    return 0;
}
