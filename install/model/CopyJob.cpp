#include "CopyJob.h"

#include "DesktopEntryWriter.h"
#include "InstallLog.h"
#include "InstallRecord.h"
#include "ShortcutEntries.h"
#include "core/InstallLayout.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace vx7::install {

// The three record-list folders follow the material folders: the editor reads its
// matching-picture and icon lists below the installation folder, so an installation
// without them would lose those panels. The program folder stays last, as its files
// go into the target itself and its completion ends the copying.
QStringList CopyJob::SourceFolders() {
    namespace layout = core::layout;
    QStringList folders{layout::BackgroundFolder(), layout::MaterialStore(), layout::SystemPictureFolder()};
    for (const QString& category : layout::ShippedCategories())
        for (const QString& sub : layout::MaterialSubFolders())
            folders << category + QLatin1Char('/') + sub;
    folders << layout::MatchingPictureFolder() << layout::ClothingIconFolder() << layout::GeneralIconFolder()
            << layout::ProgramSubFolder();
    return folders;
}

CopyJob::CopyJob(CopyPlan plan, CopyProgress& progress) : plan_(std::move(plan)), progress_(progress) {}

CopyJob::~CopyJob() {
    worker_.StopAndJoin();
}

void CopyJob::Start() {
    if (worker_.Running() || worker_.Finished())
        return;
    progress_.SetState(CopyState::Copying);
    worker_.Start([this](core::WorkControl&) { Run(); });
}

bool CopyJob::Wait(std::chrono::milliseconds limit) {
    return worker_.Wait(limit);
}

bool CopyJob::Finished() const {
    return worker_.Finished();
}

void CopyJob::Run() {
    progress_.SetState(CopyState::Copying);
    const bool done = CopyFolders();
    CopySupportFiles();
    if (done && plan_.desktopShortcut)
        MakeDesktopShortcut();
    progress_.SetState(done ? CopyState::Done : CopyState::Stopped);
}

bool CopyJob::CopyFolders() {
    const QStringList folders = SourceFolders();
    for (int f = 0; f < folders.size(); ++f) {
        if (StopRequested())
            return false;
        const QString& rel = folders.at(f);
        const QString source = plan_.sourceBase + u'/' + rel;
        const QString destination =
            rel == core::layout::ProgramSubFolder() ? plan_.target : plan_.target + u'/' + rel;
        progress_.folderIndex = f + 1;

        // Entries in the order the file system gives them, at most 460 per folder.
        QStringList entries;
        QDirIterator it(source, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        while (entries.size() < kMaxEntriesPerFolder && it.hasNext()) {
            it.next();
            entries.append(it.fileName());
        }
        progress_.fileIndex = 0;
        progress_.fileCount = static_cast<int>(entries.size());
        progress_.rangePending = true;

        for (int e = 0; e < entries.size(); ++e) {
            if (StopRequested())
                return false;
            progress_.fileIndex = e + 1;
            progress_.SetCurrentName(entries.at(e));
            if (hook_)
                hook_(f + 1, e + 1);
            // A single failure is not reported: that file is simply missing afterwards.
            if (CopyReplacing(source + u'/' + entries.at(e), destination + u'/' + entries.at(e)))
                ++filesCopied_;
        }
    }
    return true;
}

void CopyJob::CopySupportFiles() {
    const QString uninstaller = plan_.informationFolder + u'/' + core::layout::Uninstaller();
    if (!CopyReplacing(plan_.sourceBase + u'/' + core::layout::Uninstaller(), uninstaller))
        qCWarning(lcInstall) << "uninstaller not copied to" << uninstaller;
    const QString converter = plan_.systemDirectory + u'/' + core::layout::ConverterInstalled();
    if (!CopyReplacing(plan_.sourceBase + u'/' + core::layout::ConverterOnMedium(), converter))
        qCWarning(lcInstall) << "converter library not copied to" << converter;
}

void CopyJob::MakeDesktopShortcut() {
    const QString path = ShortcutEntries::EntryPath(plan_.desktopFolder, plan_.shortcutCaption);
    // A path the record cannot hold whole would later name some other file.
    if (path.isEmpty() || !InstallRecord::Fits(path, InstallRecord::kDesktopSize)) {
        desktopFailed_ = true;
        return;
    }
    QString error;
    if (!DesktopEntryWriter::Write(path, ShortcutEntries::Program(plan_.target, plan_.shortcutCaption),
                                   &error)) {
        qCWarning(lcInstall) << error;
        desktopFailed_ = true;
        return;
    }
    desktopShortcut_ = path;
}

bool CopyJob::CopyReplacing(const QString& src, const QString& dst) {
    const QFileInfo from(src);
    if (!from.isFile())
        return false;
    const QFileInfo to(dst);
    if (to.isSymLink() || to.exists()) {
        if (to.isDir() && !to.isSymLink())
            return false;
        if (!QFile::remove(dst))
            return false;
    }
    if (!QFile::copy(src, dst)) {
        QFile::remove(dst); // nothing half-written stays behind
        return false;
    }
    QFile::setPermissions(dst, QFile::permissions(dst) | QFile::ReadOwner | QFile::WriteOwner);
    return true;
}

} // namespace vx7::install
