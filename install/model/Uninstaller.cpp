#include "Uninstaller.h"

#include "InstallLog.h"
#include "InstallRecordReader.h"
#include "TreeRemover.h"
#include "core/InstallLayout.h"

#include "platform/Prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vx7::install {
namespace {

const QString kLost = QStringLiteral("安装信息丢失 ! 请自行卸载软件(直接删除软件目录)。");
const QString kGone = QStringLiteral(" 软件已卸载(或没有安装)!");

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

bool Uninstaller::MayRemoveWholeTop(const InstallRecord& record) const {
    const QString top = record.TopFolder();
    if (!record.TopCreated() || !CleanAbsolute(top))
        return false;
    for (const QString& own : {QDir::homePath(), folders_.Desktop(), folders_.Applications(),
                               folders_.SystemDirectory(), InformationFolder()}) {
        if (SameOrAbove(top, own))
            return false;
    }
    return true;
}

void Uninstaller::RemoveInstalledTree(const InstallRecord& record) {
    const QString top = record.TopFolder();
    if (MayRemoveWholeTop(record)) {
        TreeRemover::RemoveTree(top);
    } else {
        // The folder held the user's things before: only the program folder goes.
        TreeRemover::RemoveTree(top + u'/' + core::layout::ProgramFolder());
        TreeRemover::RemoveIfEmpty(top);
    }
}

Uninstaller::Outcome Uninstaller::Uninstall() {
    const auto record = ReadRecord(InstallRecord::kSize, QStringLiteral("Vantor软件"));
    if (!record)
        return Outcome::InformationLost;

    const QString converter = folders_.SystemDirectory() + u'/' + core::layout::ConverterInstalled();
    if (!TopFolderPresent(record->TopFolder())) {
        prompt_.Message(kGone, QStringLiteral("Vantor拍照Snapo"));
        TreeRemover::RemoveTree(InformationFolder());
        QFile::remove(converter);
        return Outcome::AlreadyRemoved;
    }

    RemoveInstalledTree(*record);
    TreeRemover::RemoveTree(InformationFolder());
    QFile::remove(converter);

    // The desktop shortcut: only a launcher file, never a folder or anything else.
    const QString shortcut = record->DesktopShortcut();
    if (record->FieldLength(InstallRecord::kDesktopOffset, InstallRecord::kDesktopSize) > kShortPath &&
        record->FieldTerminated(InstallRecord::kDesktopOffset, InstallRecord::kDesktopSize) &&
        QDir::isAbsolutePath(shortcut) && shortcut.endsWith(core::layout::ShortcutSuffix())) {
        const QFileInfo info(shortcut);
        if (info.isSymLink() || info.isFile())
            QFile::remove(shortcut);
    }

    // The menu group: only the installation's own group folder.
    const QString group = record->GroupFolder();
    if (record->FieldLength(InstallRecord::kGroupOffset, InstallRecord::kGroupSize) > kShortPath &&
        record->FieldTerminated(InstallRecord::kGroupOffset, InstallRecord::kGroupSize) &&
        CleanAbsolute(group) && QFileInfo(group).fileName() == core::layout::MenuGroup())
        TreeRemover::RemoveTree(group);
    return Outcome::Removed;
}

Uninstaller::Outcome Uninstaller::RemoveFromStartWindow() {
    const QString title = QStringLiteral("Vantor软件");
    const auto record = ReadRecord(kStartWindowReadSize, title);
    if (!record)
        return Outcome::InformationLost;
    if (!TopFolderPresent(record->TopFolder())) {
        prompt_.Message(kGone, title);
        TreeRemover::RemoveTree(InformationFolder());
        return Outcome::AlreadyRemoved;
    }
    if (!prompt_.Ask(QStringLiteral(" 准备卸载软件 . 请确认 !"), title))
        return Outcome::Cancelled;
    RemoveInstalledTree(*record);
    TreeRemover::RemoveTree(InformationFolder());
    return Outcome::Removed;
}

} // namespace vx7::install
