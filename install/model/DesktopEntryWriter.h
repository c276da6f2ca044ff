#pragma once

#include <QString>

namespace vx7::install {

// A launcher: what a desktop shortcut or a menu entry starts.
struct DesktopEntry {
    QString name;          // shown under the icon and in the menu
    QString comment;       // the description
    QString program;       // absolute path of the program to start
    QString workingFolder; // the folder it starts in
    QString icon;          // an icon name of the theme, or an absolute picture path
    QString categories;    // menu categories, for example "Graphics;Photography;"
};

// Writes freedesktop desktop-entry files (the stand-in for shell links).
class DesktopEntryWriter {
  public:
    // The file's text: one [Desktop Entry] group, values escaped as the format requires.
    static QString Text(const DesktopEntry& entry);

    // Writes the file whole (replacing a file or link standing there) and makes it
    // executable by its owner, as desktops require of trusted launchers.
    static bool Write(const QString& path, const DesktopEntry& entry, QString* error = nullptr);

    // One Exec argument, quoted when it holds anything but plain characters.
    static QString QuoteExecArgument(const QString& argument);

    // True when name can stand as a single file name: not empty, no "/", no NUL,
    // not "." or "..".
    static bool IsPlainFileName(const QString& name);
};

} // namespace vx7::install
