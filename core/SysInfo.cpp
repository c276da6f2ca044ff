#include "SysInfo.h"

#include "core/PathParts.h"
#include "core/SaveFile.h"
#include "platform/Gbk.h"
#include "platform/Prompt.h"
#include "platform/RegularFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <cstring>
#include <span>

namespace vx7::core {
namespace {

Q_LOGGING_CATEGORY(lcCore, "vx7.core")

std::span<char> Field(SysInfo::Record& r, std::size_t offset, std::size_t size) {
    return std::span<char>(r.data() + offset, size);
}
std::span<const char> Field(const SysInfo::Record& r, std::size_t offset, std::size_t size) {
    return std::span<const char>(r.data() + offset, size);
}

} // namespace

SysInfo::SysInfo() {
    record_.fill('\0');
    std::memcpy(record_.data() + kVersionOffset, "V 1.0", 5);
    std::memset(record_.data() + kSpacesOffset, ' ', kSpacesSize);
    record_[kHotKeyOffset] = 'G';
    record_[kHotKeySpaceOffset] = ' ';
}

void SysInfo::SetFolder(const QString& installFolder) {
    installFolder_ = installFolder;
    settingsPath_ = JoinPath(installFolder_, layout::SettingsFile());
}

QString SysInfo::WorkFolder() const {
    return JoinPath(installFolder_, layout::WorkFolder());
}
QString SysInfo::SystemPictureFolder() const {
    return JoinPath(installFolder_, layout::SystemPictureFolder());
}
QString SysInfo::MaterialStore() const {
    return JoinPath(installFolder_, layout::MaterialStore());
}
QString SysInfo::BackgroundFolder() const {
    return JoinPath(installFolder_, layout::BackgroundFolder());
}

void SysInfo::Load() {
    const QFileInfo info(settingsPath_);
    if (info.exists() || info.isSymLink()) {
        QByteArray bytes;
        QString why;
        // Bytes past the record are never used, but a larger file is still a record.
        const bool read = platform::ReadRegularFile(settingsPath_, kMaxSettingsFileBytes, bytes, &why);
        if (read && LoadBytes(bytes))
            return;
        if (!read && info.isFile() && !info.isSymLink()) {
            // A regular file that cannot be read (permissions): keep the defaults in
            // force and leave the file as it is.
            qCWarning(lcCore) << "settings not read:" << why;
            SetDefaultPhotoFolders();
            return;
        }
        // No whole record: keep what is there aside and start anew.
        const QString aside = settingsPath_ + QStringLiteral(".bak");
        const QFileInfo old(aside);
        if (old.isSymLink() || old.isFile())
            QFile::remove(aside);
        if (!QFile::rename(settingsPath_, aside) && !QDir().rename(settingsPath_, aside))
            qCWarning(lcCore) << "cannot move the damaged settings aside to" << aside;
        record_ = SysInfo().record_;
    }
    SetDefaultPhotoFolders();
    Save();
}

bool SysInfo::LoadBytes(const QByteArray& bytes) {
    if (bytes.size() < static_cast<qsizetype>(kRecordSize))
        return false;
    std::memcpy(record_.data(), bytes.constData(), kRecordSize);
    return true;
}

void SysInfo::SetDefaultPhotoFolders() {
    const QString folder = DefaultPhotoFolder();
    platform::WriteGbkField(Field(record_, kPhotoFolderOffset, kPhotoFolderSize), folder, kPhotoFolderMax);
    platform::WriteGbkField(Field(record_, kSecondFolderOffset, kSecondFolderSize), folder, kPhotoFolderMax);
}

bool SysInfo::Save() const {
    return SaveWholeFile(settingsPath_, QByteArray(record_.data(), static_cast<qsizetype>(kRecordSize)));
}

QString SysInfo::StoredPhotoFolder() const {
    return platform::ReadGbkField(Field(record_, kPhotoFolderOffset, kPhotoFolderSize));
}

QString SysInfo::DefaultPhotoFolder() const {
    return JoinPath(installFolder_, DefaultPhotoFolderName());
}

QString SysInfo::PhotoFolder() const {
    const QString stored = StoredPhotoFolder();
    // A folder that does not exist yet is still usable (it is made when needed, or the
    // save says it failed); anything else that is not a folder is not.
    const QFileInfo info(stored);
    if (stored.isEmpty() || QDir::isRelativePath(stored) || (info.exists() && !info.isDir()))
        return DefaultPhotoFolder();
    return stored;
}

bool SysInfo::SetPhotoFolder(const QString& folder) {
    if (!platform::WriteGbkField(Field(record_, kPhotoFolderOffset, kPhotoFolderSize), folder,
                                 kPhotoFolderMax)) {
        Refuse(QStringLiteral("文件夹名称含有无法保存的字符:\n%1").arg(folder));
        return false;
    }
    return true;
}

std::size_t SysInfo::SlotOffset(int code) {
    switch (code) {
    case kReadBackgroundFolder:
    case kStoreBackgroundFolder:
        return kSlotBackgroundFolder;
    case kReadSaveFolder:
    case kStoreSaveFolder:
        return kSlotSaveFolder;
    case kReadLastBackground:
    case kStoreLastBackground:
        return kSlotLastBackground;
    case kReadGifFolder:
    case kStoreGifFolder:
        return kSlotGifFolder;
    default:
        return 0;
    }
}

QString SysInfo::Text(int code, const QString& value) {
    const std::size_t offset = SlotOffset(code);
    if (offset == 0)
        return QString();
    auto field = Field(record_, offset, kSlotSize);
    const bool reads = code == kReadBackgroundFolder || code == kReadSaveFolder ||
                       code == kReadLastBackground || code == kReadGifFolder;
    if (reads)
        return platform::ReadGbkField(field);
    if (!platform::WriteGbkField(field, value, kSlotMax)) {
        Refuse(QStringLiteral("文字含有无法保存的字符, 未能记住:\n%1").arg(value));
        return QString();
    }
    Save();
    return value;
}

char SysInfo::HotKeyChar(char c) {
    if (c != ' ') {
        record_[kHotKeyOffset] = c;
        Save();
    }
    return record_[kHotKeyOffset];
}

int SysInfo::CameraOff(int code) {
    if (code == kSetFlag)
        cameraOff_ = 1;
    else if (code == kClearFlag)
        cameraOff_ = 0;
    return cameraOff_;
}

int SysInfo::ScreenshotPending(int code) {
    if (code == kSetFlag)
        screenshotPending_ = 1;
    else if (code == kClearFlag)
        screenshotPending_ = 0;
    return screenshotPending_;
}

int SysInfo::PurgeWorkFolder() {
    const QString work = WorkFolder();
    const QFileInfo folder(work);
    if (folder.isSymLink()) {
        // Purging through a link would empty whatever folder it points to.
        qCWarning(lcCore) << "work folder is a link, not purged:" << work;
        if (QFile::remove(work))
            QDir().mkdir(work);
        return 0;
    }
    if (!folder.isDir()) {
        if (!folder.exists())
            QDir().mkdir(work);
        return 0;
    }
    // The listing includes "." and "..": they count towards the limit like any name
    // and are skipped, as is every folder but those of GIF builds.
    QStringList names;
    QDirIterator it(work, QDir::AllEntries | QDir::Hidden | QDir::System);
    while (it.hasNext() && names.size() < kPurgeLimit)
        names.append(it.next());
    for (const QString& name : std::as_const(names)) {
        const QFileInfo info(name);
        // A link is removed itself, never followed.
        if (info.isSymLink() || (info.isFile() && !info.isDir()))
            QFile::remove(info.filePath());
        else if (info.isDir() && info.fileName().startsWith(QLatin1String("build-")))
            QDir(info.filePath()).removeRecursively(); // removes links inside, never their targets
    }
    return static_cast<int>(names.size());
}

QStringList ListFiles(const QString& folder, const QString& pattern, int capacity) {
    QStringList out;
    if (capacity <= 0)
        return out;
    QDirIterator it(folder, QStringList{pattern}, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext() && out.size() < capacity) {
        // Regular files only (links to them included): a FIFO or device of a listed
        // name would hang or flood whoever opens it.
        const QString path = it.next();
        if (platform::IsRegularFile(path))
            out.append(path);
    }
    return out;
}

int SysInfo::ListVideos(int kind, QStringList& titles, QStringList& paths, int capacity) const {
    titles.clear();
    paths.clear();
    QString folder = PhotoFolder();
    QString pattern = QStringLiteral("*.avi");
    if (kind == 1) {
        pattern = QStringLiteral("*.gif");
        const QString gifFolder = platform::ReadGbkField(Field(record_, kSlotGifFolder, kSlotSize));
        if (!gifFolder.isEmpty())
            folder = gifFolder;
    }
    paths = ListFiles(folder, pattern, capacity);
    for (const QString& p : std::as_const(paths))
        titles.append(FileTitlePart(p));
    return static_cast<int>(paths.size());
}

QStringList SysInfo::ListMaterialPackages(int capacity) const {
    QStringList titles;
    for (const QString& p : ListFiles(MaterialStore(), QStringLiteral("*.dm3"), capacity))
        titles.append(FileTitlePart(p));
    return titles;
}

QStringList SysInfo::ListMakeupColours(int capacity) const {
    return ListFiles(SystemPictureFolder(), QStringLiteral("vx7ECam化装盒_COLOR*.png"), capacity);
}

void SysInfo::Refuse(const QString& text) const {
    if (prompt_)
        prompt_->Message(text, QStringLiteral("特别提示"));
}

} // namespace vx7::core
