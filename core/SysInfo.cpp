#include "SysInfo.h"

#include "core/PathParts.h"
#include "core/SaveFile.h"
#include "platform/Gbk.h"
#include "platform/Prompt.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <span>

namespace vx7::core {
namespace {

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
    QFile file(settingsPath_);
    if (file.exists()) {
        // An unreadable file leaves the defaults in force and is not re-created.
        if (file.open(QIODevice::ReadOnly)) {
            // A short file is taken as far as it goes; the rest keeps its current bytes.
            const qint64 got = file.read(record_.data(), static_cast<qint64>(kRecordSize));
            (void)got;
        }
        return;
    }
    const QString folder = JoinPath(installFolder_, DefaultPhotoFolderName());
    platform::WriteGbkField(Field(record_, kPhotoFolderOffset, kPhotoFolderSize), folder, kPhotoFolderMax);
    platform::WriteGbkField(Field(record_, kSecondFolderOffset, kSecondFolderSize), folder, kPhotoFolderMax);
    Save();
}

bool SysInfo::Save() const {
    return SaveWholeFile(settingsPath_, QByteArray(record_.data(), static_cast<qsizetype>(kRecordSize)));
}

QString SysInfo::PhotoFolder() const {
    return platform::ReadGbkField(Field(record_, kPhotoFolderOffset, kPhotoFolderSize));
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
    // The listing includes "." and "..": they count towards the limit like any name
    // and are skipped, as is every folder.
    QStringList names;
    QDirIterator it(WorkFolder(), QDir::AllEntries | QDir::Hidden | QDir::System);
    while (it.hasNext() && names.size() < kPurgeLimit)
        names.append(it.next());
    for (const QString& name : std::as_const(names)) {
        const QFileInfo info(name);
        // A link is removed itself, never followed.
        if (info.isSymLink() || (info.isFile() && !info.isDir()))
            QFile::remove(info.filePath());
    }
    return static_cast<int>(names.size());
}

QStringList ListFiles(const QString& folder, const QString& pattern, int capacity) {
    QStringList out;
    if (capacity <= 0)
        return out;
    QDirIterator it(folder, QStringList{pattern}, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext() && out.size() < capacity)
        out.append(it.next());
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
