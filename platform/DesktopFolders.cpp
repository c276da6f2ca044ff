#include "DesktopFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vx7::platform {
namespace {

// $XDG_DATA_HOME when it is an absolute path (as the base-directory rules require),
// else ~/.local/share.
QString DataHome() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg);
    return QDir::cleanPath(QDir::homePath() + QStringLiteral("/.local/share"));
}

} // namespace

DesktopFolders DesktopFolders::FromEnvironment() {
    QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // Qt falls back to the home folder itself when no desktop folder is configured;
    // shortcuts must never be scattered into the home folder.
    if (desktop.isEmpty() || !QFileInfo(desktop).isDir() ||
        QDir::cleanPath(desktop) == QDir::cleanPath(QDir::homePath()))
        desktop.clear();
    const QString data = DataHome();
    const QString overridden = qEnvironmentVariable("VX7_SYSTEM_DIR");
    const QString system = overridden.isEmpty() ? data : QDir::cleanPath(overridden);
    return DesktopFolders(QDir::cleanPath(desktop), data + QStringLiteral("/applications"), system);
}

} // namespace vx7::platform
