#pragma once

#include <QString>

namespace vx7::platform {

// The per-user folders the installer and the main program need from the desktop:
// where shortcuts go, where menu entries go, and the one "system directory" that
// holds shared files (the information folder and the converter library).
// An empty path means "unavailable" (for example no desktop folder exists).
class DesktopFolders {
  public:
    DesktopFolders() = default;
    DesktopFolders(QString desktop, QString applications, QString system)
        : desktop_(std::move(desktop)), applications_(std::move(applications)), system_(std::move(system)) {}

    // The folders of the running user:
    //   desktop       the XDG desktop folder, only when it exists as a folder;
    //   applications  $XDG_DATA_HOME/applications (default ~/.local/share/applications);
    //   system        $VX7_SYSTEM_DIR when set, else $XDG_DATA_HOME (default ~/.local/share).
    // Reads the environment on every call, so tests can point it at temporary folders.
    static DesktopFolders FromEnvironment();

    QString Desktop() const { return desktop_; }
    QString Applications() const { return applications_; }
    QString SystemDirectory() const { return system_; }

  private:
    QString desktop_;
    QString applications_;
    QString system_;
};

} // namespace vx7::platform
