#include "ShortcutEntries.h"

#include "core/InstallLayout.h"

namespace vx7::install {

DesktopEntry ShortcutEntries::Program(const QString& programFolder, const QString& caption) {
    DesktopEntry e;
    e.name = caption;
    e.comment = caption;
    e.program = programFolder + u'/' + core::layout::ProgramFile();
    e.workingFolder = programFolder;
    e.icon = QStringLiteral("camera-photo");
    e.categories = QStringLiteral("Graphics;Photography;");
    return e;
}

DesktopEntry ShortcutEntries::Uninstall(const QString& informationFolder) {
    DesktopEntry e;
    e.name = core::layout::UninstallLinkName();
    e.comment = core::layout::UninstallLinkName();
    e.program = informationFolder + u'/' + core::layout::Uninstaller();
    e.workingFolder = informationFolder;
    e.icon = QStringLiteral("edit-delete");
    e.categories = QStringLiteral("Utility;");
    return e;
}

QString ShortcutEntries::EntryPath(const QString& folder, const QString& name) {
    if (folder.isEmpty() || !DesktopEntryWriter::IsPlainFileName(name))
        return QString();
    return folder + u'/' + name + core::layout::ShortcutSuffix();
}

} // namespace vx7::install
