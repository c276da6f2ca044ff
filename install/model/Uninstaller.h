#pragma once

#include "InstallRecord.h"

#include "platform/DesktopFolders.h"

#include <QString>

#include <optional>

namespace vx7::platform {
class Prompt;
}

namespace vx7::install {

// Removes an installation as its information file in the information folder describes it.
//
// Only what the installer made is removed: the files listed as installed, the program's
// own settings and work files, then the folders that this leaves empty (the top folder
// too unless it holds the user's own folders); a shortcut only when it is a ".desktop"
// file; a menu group only when it is the installation's group folder. Photos,
// animations and anything else the user added stay, and the closing message says how
// many files were kept and where. Links are never followed. An information file that
// is missing, short or not an information record removes nothing.
class Uninstaller {
  public:
    enum class Outcome { InformationLost, AlreadyRemoved, Removed, Cancelled };

    // Dialog identifiers of the uninstall program.
    enum Id { IDD = 102, IDOK = 1, IDCANCEL = 2 };
    static QString DialogTitle() { return QStringLiteral("Vantor摄像头拍照(动画)Snapo软件卸载"); }
    static QString Question() { return QStringLiteral("真要卸载Vantor摄像头拍照(动画)Snapo软件吗?请确认!"); }

    Uninstaller(platform::DesktopFolders folders, platform::Prompt& prompt);

    // The uninstall program's removal: the installed files, information folder,
    // converter library, desktop shortcut and menu group; then says it is done.
    Outcome Uninstall();

    // The installer start window's removal: asks first, then removes what Uninstall
    // removes.
    Outcome RemoveFromStartWindow();

    QString InformationFolder() const;
    QString InformationFile() const;

    // True when the top folder was made by the installation and is none of the user's
    // own folders (home, desktop, data folders, or a folder holding them).
    bool MayRemoveWholeTop(const InstallRecord& record) const;

    // What removal left of the user's files in the program folder.
    struct Kept {
        int files = 0;
        QString folder; // the deepest folder holding all of them
    };
    // The closing message of a removal.
    static QString DoneText(const Kept& kept);

  private:
    std::optional<InstallRecord> ReadRecord(std::size_t limit, const QString& lostTitle);
    bool HoldsUsersFolders(const QString& folder) const;
    Kept RemoveInstalledTree(const InstallRecord& record);
    void RemoveSystemFilesAndShortcuts(const InstallRecord& record);
    Outcome RemoveAll(const InstallRecord& record, const QString& title);
    static bool TopFolderPresent(const QString& top);

    platform::DesktopFolders folders_;
    platform::Prompt& prompt_;
};

} // namespace vx7::install
