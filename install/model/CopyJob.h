#pragma once

#include "CopyProgress.h"

#include "core/BackgroundWorker.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace vx7::install {

// Everything the copy thread needs, fixed when the installation starts.
struct CopyPlan {
    QString sourceBase;        // the program folder on the medium
    QString target;            // the program folder being installed
    QString informationFolder; // receives the uninstaller
    QString systemDirectory;   // receives the converter library
    bool desktopShortcut = false;
    QString desktopFolder; // empty when the desktop has none
    QString shortcutCaption;
};

// The copy thread: copies the medium's data folders and program files into the target,
// then (whatever happened) the uninstaller and the converter library, then the desktop
// shortcut when the copying completed. Progress goes to a CopyProgress polled by the
// dialog. The state becomes Done or Stopped only after all of that, so whoever sees it
// can rely on every result, the shortcut path included.
class CopyJob {
  public:
    static constexpr int kMaxEntriesPerFolder = 460;

    // The medium's folders in copy order, relative to the source base. The last one,
    // "vx7ECamProg", goes into the target itself.
    static QStringList SourceFolders();

    // Called on the copy thread before each entry is copied (after the stop request was
    // polled and the entry published), with the 1-based folder and entry numbers. Lets
    // tests act at an exact point.
    using EntryHook = std::function<void(int folder, int entry)>;

    CopyJob(CopyPlan plan, CopyProgress& progress);
    // Asks the thread to stop and waits for it.
    ~CopyJob();
    CopyJob(const CopyJob&) = delete;
    CopyJob& operator=(const CopyJob&) = delete;

    void SetEntryHook(EntryHook hook) { hook_ = std::move(hook); }

    // Starts the copy thread (once).
    void Start();
    // The thread's work, also callable directly on the calling thread.
    void Run();
    // Stops the copying at the next entry, as the dialog's stop request does.
    void RequestStop() { worker_.RequestStop(); }
    // True when the copy thread has ended within the limit (or was never started).
    bool Wait(std::chrono::milliseconds limit);
    // True once the copy thread has ended.
    bool Finished() const;

    // Valid once Finished(): the shortcut made (empty when none) and whether making
    // one failed.
    QString DesktopShortcutPath() const { return desktopShortcut_; }
    bool DesktopShortcutFailed() const { return desktopFailed_; }
    int FilesCopied() const { return filesCopied_; }

    // Copies one file over whatever file or link stands at dst (never into a folder,
    // never through a link) and gives the copy the owner's write permission.
    static bool CopyReplacing(const QString& src, const QString& dst);

  private:
    bool StopRequested() const { return progress_.stopRequested || worker_.StopRequested(); }
    bool CopyFolders();
    void CopySupportFiles();
    void MakeDesktopShortcut();

    CopyPlan plan_;
    CopyProgress& progress_;
    EntryHook hook_;
    QString desktopShortcut_;
    bool desktopFailed_ = false;
    int filesCopied_ = 0;
    // Last member: joined before anything the copy thread uses is destroyed.
    core::BackgroundWorker worker_;
};

} // namespace vx7::install
