#pragma once

#include "DesktopEntryWriter.h"

#include <QString>

namespace vx7::install {

// The launchers an installation makes: the program (desktop shortcut and menu entry)
// and the uninstaller (menu entry).
class ShortcutEntries {
  public:
    // Starts the main program in the program folder.
    static DesktopEntry Program(const QString& programFolder, const QString& caption);
    // Starts the uninstaller in the information folder.
    static DesktopEntry Uninstall(const QString& informationFolder);
    // "<folder>/<name>.desktop"; empty when name cannot stand as a file name.
    static QString EntryPath(const QString& folder, const QString& name);
};

} // namespace vx7::install
