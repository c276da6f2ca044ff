#include "Uninstaller.h"

#include "InstallLog.h"
#include "InstallRecordReader.h"
#include "InstalledFiles.h"
#include "TreeRemover.h"
#include "core/InstallLayout.h"

#include "platform/Prompt.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vx7::install {
namespace {

const QString kLost = QStringLiteral("安装信息丢失 ! 请自行卸载软件(直接删除软件目录)。");
const QString kGone = QStringLiteral(" 软件已卸载(或没有安装)!");
const QString kDone = QStringLiteral(" 软件已卸载完毕!");

// Fields shorter than this name nothing worth removing.
constexpr std::size_t kShortPath = 6;

// An absolute, already clean path other than the root.
bool CleanAbsolute(const QString& path) {
    return !path.isEmpty() && QDir::isAbsolutePath(path) && QDir::cleanPath(path) == path &&
           path != QLatin1String("/");
}

// True when folder is path itself or holds it.
bool SameOrAbove(const QString& folder, const QString& path) {
    if (path.isEmpty())
        return false;
    const QString p = QDir::cleanPath(path);
    return p == folder || p.startsWith(folder + u'/');
}

// True when path lies inside folder once links are resolved (folder itself excluded).
bool InsideResolved(const QString& folder, const QString& path) {
    const QString f = QFileInfo(folder).canonicalFilePath();
    const QString parent = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    return !f.isEmpty() && !parent.isEmpty() && (parent == f || parent.startsWith(f + u'/'));
}

// Removes one file or link that lies inside folder; folders are never removed here.
void RemoveFileInside(const QString& folder, const QString& path) {
    const QFileInfo info(path);
    if ((info.isSymLink() || info.isFile()) && InsideResolved(folder, path))
        QFile::remove(path);
}

// Every file and link below folder, links not followed.
QStringList FilesBelow(const QString& folder) {
    QStringList out;
    if (!QFileInfo(folder).isDir() || QFileInfo(folder).isSymLink())
        return out;
    QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        out.append(it.next());
    return out;
}

// Removes the empty folders below folder, deepest first, links not followed.
void RemoveEmptyFoldersBelow(const QString& folder) {
    QStringList dirs;
    QDirIterator it(folder, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString d = it.next();
        if (!QFileInfo(d).isSymLink())
            dirs.append(d);
    }
    std::sort(dirs.begin(), dirs.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& d : dirs)
        TreeRemover::RemoveIfEmpty(d);
}

// The deepest folder holding every one of files.
QString CommonFolder(const QStringList& files) {
    QString common;
    for (const QString& f : files) {
        const QString dir = QFileInfo(f).absolutePath();
        if (common.isEmpty()) {
            common = dir;
            continue;
        }
        while (common.size() > 1 && dir != common && !dir.startsWith(common + u'/'))
            common = QFileInfo(common).absolutePath();
    }
    return common;
}

} // namespace

Uninstaller::Uninstaller(platform::DesktopFolders folders, platform::Prompt& prompt)
    : folders_(std::move(folders)), prompt_(prompt) {}

QString Uninstaller::InformationFolder() const {
    return folders_.SystemDirectory().isEmpty()
               ? QString()
               : folders_.SystemDirectory() + u'/' + core::layout::InformationFolder();
}

QString Uninstaller::InformationFile() const {
    const QString folder = InformationFolder();
    return folder.isEmpty() ? QString() : folder + u'/' + core::layout::InformationRecordFile();
}

std::optional<InstallRecord> Uninstaller::ReadRecord(std::size_t limit, const QString& lostTitle) {
    QString error;
    const auto file = InstallRecordReader::Read(InformationFile(), limit, &error);
    // A short file, a file of some other kind or a top folder that is not one clean
    // absolute path is as good as a lost one: nothing may be removed on its word.
    const bool usable = file && file->bytesRead >= limit &&
                        file->record.Marker() == InstallRecord::kInformationMarker &&
                        file->record.FieldTerminated(InstallRecord::kTopOffset, InstallRecord::kTopSize) &&
                        CleanAbsolute(file->record.TopFolder());
    if (!usable) {
        qCInfo(lcInstall) << "no usable install information:" << InformationFile() << error;
        prompt_.Message(kLost, lostTitle);
        return std::nullopt;
    }
    return file->record;
}

bool Uninstaller::TopFolderPresent(const QString& top) {
    const QFileInfo info(top);
    return info.isDir() && !info.isSymLink();
}

bool Uninstaller::HoldsUsersFolders(const QString& folder) const {
    for (const QString& own : {QDir::homePath(), folders_.Desktop(), folders_.Applications(),
                               folders_.SystemDirectory(), InformationFolder()}) {
        if (SameOrAbove(folder, own))
            return true;
    }
    return false;
}

bool Uninstaller::MayRemoveWholeTop(const InstallRecord& record) const {
    const QString top = record.TopFolder();
    return record.TopCreated() && CleanAbsolute(top) && !HoldsUsersFolders(top);
}

Uninstaller::Kept Uninstaller::RemoveInstalledTree(const InstallRecord& record) {
    const QString top = record.TopFolder();
    const QString target = top + u'/' + core::layout::ProgramFolder();
    Kept kept;
    if (!QFileInfo(target).isDir() || QFileInfo(target).isSymLink()) {
        if (!HoldsUsersFolders(top))
            TreeRemover::RemoveIfEmpty(top);
        return kept;
    }

    // What the installation put there goes; the user's photos, animations and
    // anything else added later stay.
    if (const auto listed = InstalledFiles::Read(InformationFolder() + u'/' + InstalledFiles::ListFile())) {
        for (const QString& rel : *listed)
            RemoveFileInside(target, target + u'/' + rel);
    } else {
        // An installation without the list: keep the photo folder and every animation,
        // remove the rest as the program's.
        const QString photos = target + u'/' + core::layout::PhotoFolder() + u'/';
        for (const QString& file : FilesBelow(target)) {
            if (!file.startsWith(photos) && !file.endsWith(QLatin1String(".gif"), Qt::CaseInsensitive))
                RemoveFileInside(target, file);
        }
    }
    RemoveFileInside(target, target + u'/' + core::layout::SettingsFile());
    TreeRemover::RemoveTree(target + u'/' + core::layout::WorkFolder());
    RemoveEmptyFoldersBelow(target);
    TreeRemover::RemoveIfEmpty(target);
    if (!HoldsUsersFolders(top))
        TreeRemover::RemoveIfEmpty(top);

    const QStringList left = FilesBelow(target);
    kept.files = static_cast<int>(left.size());
    kept.folder = CommonFolder(left);
    return kept;
}

void Uninstaller::RemoveSystemFilesAndShortcuts(const InstallRecord& record) {
    TreeRemover::RemoveTree(InformationFolder());
    QFile::remove(folders_.SystemDirectory() + u'/' + core::layout::ConverterInstalled());

    // The desktop shortcut: only a launcher file, never a folder or anything else.
    const QString shortcut = record.DesktopShortcut();
    if (record.FieldLength(InstallRecord::kDesktopOffset, InstallRecord::kDesktopSize) > kShortPath &&
        record.FieldTerminated(InstallRecord::kDesktopOffset, InstallRecord::kDesktopSize) &&
        QDir::isAbsolutePath(shortcut) && shortcut.endsWith(core::layout::ShortcutSuffix())) {
        const QFileInfo info(shortcut);
        if (info.isSymLink() || info.isFile())
            QFile::remove(shortcut);
    }

    // The menu group: only the installation's own group folder.
    const QString group = record.GroupFolder();
    if (record.FieldLength(InstallRecord::kGroupOffset, InstallRecord::kGroupSize) > kShortPath &&
        record.FieldTerminated(InstallRecord::kGroupOffset, InstallRecord::kGroupSize) &&
        CleanAbsolute(group) && QFileInfo(group).fileName() == core::layout::MenuGroup())
        TreeRemover::RemoveTree(group);
}

QString Uninstaller::DoneText(const Kept& kept) {
    if (kept.files <= 0)
        return kDone;
    return QStringLiteral(" 软件已卸载完毕!\n\n您的 %1 个文件没有删除, 保留在:\n%2")
        .arg(kept.files)
        .arg(QDir::toNativeSeparators(kept.folder));
}

Uninstaller::Outcome Uninstaller::RemoveAll(const InstallRecord& record, const QString& title) {
    const Kept kept = RemoveInstalledTree(record);
    RemoveSystemFilesAndShortcuts(record);
    prompt_.Message(DoneText(kept), title);
    return Outcome::Removed;
}

Uninstaller::Outcome Uninstaller::Uninstall() {
    const auto record = ReadRecord(InstallRecord::kSize, QStringLiteral("Vantor软件"));
    if (!record)
        return Outcome::InformationLost;
    const QString title = QStringLiteral("Vantor拍照Snapo");
    if (!TopFolderPresent(record->TopFolder())) {
        prompt_.Message(kGone, title);
        RemoveSystemFilesAndShortcuts(*record);
        return Outcome::AlreadyRemoved;
    }
    return RemoveAll(*record, title);
}

Uninstaller::Outcome Uninstaller::RemoveFromStartWindow() {
    // The whole record: the start window removes the shortcuts and the menu group too,
    // so that no launcher is left pointing at a removed program.
    const QString title = QStringLiteral("Vantor软件");
    const auto record = ReadRecord(InstallRecord::kSize, title);
    if (!record)
        return Outcome::InformationLost;
    if (!TopFolderPresent(record->TopFolder())) {
        prompt_.Message(kGone, title);
        RemoveSystemFilesAndShortcuts(*record);
        return Outcome::AlreadyRemoved;
    }
    if (!prompt_.Ask(QStringLiteral(" 准备卸载软件 . 请确认 !"), title))
        return Outcome::Cancelled;
    return RemoveAll(*record, title);
}

} // namespace vx7::install
