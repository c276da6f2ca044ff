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
// Only what the installer made is removed: the top folder as a whole only when the
// installation created it (otherwise the program folder inside it, and the top folder
// if that leaves it empty); a shortcut only when it is a ".desktop" file; a menu group
// only when it is the installation's group folder. Links are never followed. An
// information file that is missing, short or not an information record removes nothing.
class Uninstaller {
  public:
    enum class Outcome { InformationLost, AlreadyRemoved, Removed, Cancelled };

    // Dialog identifiers of the uninstall program.
    enum Id { IDD = 102, IDOK = 1, IDCANCEL = 2 };
    static QString DialogTitle() { return QStringLiteral("Vantor摄像头拍照(动画)Snapo软件卸载"); }
    static QString Question() { return QStringLiteral("真要卸载Vantor摄像头拍照(动画)Snapo软件吗?请确认!"); }

    // Bytes the start window reads: enough for the top folder.
    static constexpr std::size_t kStartWindowReadSize = 3368;

    Uninstaller(platform::DesktopFolders folders, platform::Prompt& prompt);

    // The uninstall program's removal: top folder, information folder, converter
    // library, desktop shortcut and menu group.
    Outcome Uninstall();

    // The installer start window's removal: asks first, then removes the top folder
    // and the information folder; shortcuts stay.
    Outcome RemoveFromStartWindow();

    QString InformationFolder() const;
    QString InformationFile() const;

    // True when the whole top folder may go: the record says the installation made it
    // and it is none of the user's own folders (home, desktop, data folders, or a
    // folder holding them).
    bool MayRemoveWholeTop(const InstallRecord& record) const;

  private:
    std::optional<InstallRecord> ReadRecord(std::size_t limit, const QString& lostTitle);
    void RemoveInstalledTree(const InstallRecord& record);
    static bool TopFolderPresent(const QString& top);

    platform::DesktopFolders folders_;
    platform::Prompt& prompt_;
};

} // namespace vx7::install
