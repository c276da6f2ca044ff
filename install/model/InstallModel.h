#pragma once

#include "CopyJob.h"
#include "CopyProgress.h"
#include "DriveTable.h"

#include "platform/DesktopFolders.h"

#include <QList>
#include <QString>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

namespace vx7::platform {
class Clock;
class Prompt;
} // namespace vx7::platform

namespace vx7::install {

// What the install dialog needs from the machine; built once in main().
struct InstallEnvironment {
    const DriveTable& drives;
    platform::DesktopFolders folders;
    QString startFolder; // the folder holding the install medium
    platform::Prompt& prompt;
    const platform::Clock& clock;
};

// The values the user edits in the install dialog.
struct InstallForm {
    QString drive = QStringLiteral("C:");
    QString folderName = QStringLiteral("Vantor摄像头拍照Snapo");
    bool desktopShortcut = true;
    QString shortcutCaption = QStringLiteral("Vantor摄像头拍照(动画)Snapo");
    bool startMenu = true;
    QString linkName = QStringLiteral("Vantor摄像头拍照(动画)Snapo");
};

// What the install dialog shows besides the form.
struct InstallView {
    QString neededKb;
    QString freeKb;
    QString ratio;
    int folderBarMax = 23;
    int folderBar = 0;
    int fileBarMax = 0;
    int fileBar = 0;
    QString status = QStringLiteral("....");
    bool startEnabled = true;
    bool stopEnabled = false;
    bool exitEnabled = true;
    bool fieldsEnabled = true;
    bool timerRunning = false;
    bool closeRequested = false;
};

// The install dialog's logic: the space fields, the checks and folder creation of
// "开始....", the copy thread, the one-second progress step, the shortcuts and the
// install information. The dialog forwards its input here and shows View().
class InstallModel {
  public:
    // Control identifiers of the install dialog.
    enum Id {
        IDD = 130,
        IDC_START = 1000,
        IDC_EXIT = 1001,
        IDC_DRIVE = 1003,
        IDC_FOLDER = 1004,
        IDC_DESKTOP = 1006,
        IDC_CAPTION = 1007,
        IDC_FILE_BAR = 1008,
        IDC_STOP = 1009,
        IDC_STATUS = 1010,
        IDC_FOLDER_BAR = 1011,
        IDC_NEEDED = 1012,
        IDC_FREE = 1013,
        IDC_RATIO = 1014,
        IDC_START_MENU = 1017,
        IDC_LINK_NAME = 1018,
    };
    static constexpr std::uint32_t kNeededKb = 247328;
    static constexpr int kFolderBarMax = 23;
    static constexpr int kTimerMs = 1000;

    explicit InstallModel(InstallEnvironment env);
    ~InstallModel();

    InstallForm form;
    const InstallView& View() const { return view_; }

    // The drives the drive list offers ("C:" first, then the further letters up to
    // "G:"), each with the folder it stands for.
    QList<std::pair<QString, QString>> DriveChoices() const;

    // The space fields for the drive of the form.
    void RecomputeSpace();
    // "%u" of the free KB and "%8.4f%c" of the needed space as a share of it.
    static QString FreeKbText(std::uint64_t freeKb);
    static QString RatioText(std::uint64_t freeKb);

    // "开始....": checks, folders, copy thread. True when copying has started; on a
    // refusal View().closeRequested is set after the message was shown.
    bool StartInstall();
    // "终止".
    void RequestStop() { progress_.stopRequested = true; }
    // The one-second timer.
    void ShowProgress();

    // For tests: act on the copy thread before each entry; wait for it to end.
    void SetEntryHook(CopyJob::EntryHook hook) { hook_ = std::move(hook); }
    bool WaitForCopy(std::chrono::milliseconds limit);
    bool Installing() const;

    // Paths fixed by StartInstall (empty before).
    QString TopFolder() const { return top_; }
    QString Target() const { return target_; }
    QString InformationFolder() const;
    bool TopFolderCreated() const { return topCreated_; }
    QString GroupFolder() const { return group_; }
    QString DesktopShortcut() const { return desktopShortcut_; }

    // The question after a failed copy: the file, the reason, how many files were
    // copied, and whether to remove them.
    static QString CopyFailureText(const QString& file, const QString& reason, int copied);

    // The source base for a start folder: the program folder directly below it.
    static QString SourceBase(const QString& startFolder);
    // The drive letter the installation uses for a drive field.
    static QChar DriveLetter(const QString& driveField);
    // True when the folder name can name one folder below a drive root and is longer
    // than one byte.
    static bool FolderNameAcceptable(const QString& name);

  private:
    void Refuse(const QString& text, const QString& title);
    bool MakeFolder(const QString& path, bool* created, int* error) const;
    bool PreviousRecordCreatedTop() const;
    void CreateStartMenuLinks();
    void WriteInstallInformation();
    // Says which file could not be copied and why, and removes what was copied when
    // the user agrees.
    void ReportCopyFailure();

    InstallEnvironment env_;
    InstallView view_;
    CopyProgress progress_;
    std::unique_ptr<CopyJob> job_;
    CopyJob::EntryHook hook_;
    QString top_;
    QString target_;
    bool topCreated_ = false;
    QString group_;
    QString desktopShortcut_;
    bool finished_ = false;
};

} // namespace vx7::install
