#pragma once

#include "core/InstallLayout.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

namespace vx7::platform {
class Prompt;
}

namespace vx7::core {

// The program-wide settings and folder object. Created once in main() and passed
// to the windows that need it. Holds the 4124-byte settings record exactly as it is
// stored in the settings file (layout::SettingsFile()), plus run-time fields that are never written.
class SysInfo {
  public:
    static constexpr std::size_t kRecordSize = 4124;

    // Offsets and sizes of the record's fields.
    static constexpr std::size_t kVersionOffset = 0, kVersionSize = 9;
    static constexpr std::size_t kPhotoFolderOffset = 68, kPhotoFolderSize = 468, kPhotoFolderMax = 460;
    static constexpr std::size_t kSecondFolderOffset = 640, kSecondFolderSize = 468;
    static constexpr std::size_t kSlotSize = 466, kSlotMax = 256;
    static constexpr std::size_t kSlotBackgroundFolder = 1212; // kReadBackgroundFolder / kStore...
    static constexpr std::size_t kSlotLastBackground = 1678;   // kReadLastBackground / kStore...
    static constexpr std::size_t kSlotGifFolder = 2144;        // kReadGifFolder / kStore...
    static constexpr std::size_t kSlotSaveFolder = 2610;       // kReadSaveFolder / kStore...
    static constexpr std::size_t kSpacesOffset = 3082, kSpacesSize = 964;
    static constexpr std::size_t kHotKeyOffset = 4046, kHotKeySpaceOffset = 4047;

    static constexpr int kListCapacityMaterials = 60;
    static constexpr int kPurgeLimit = 661;

    using Record = std::array<char, kRecordSize>;

    // Codes of Text(): each slot has a code that reads it and the next one, which stores
    // into it. The numbers are those the windows pass through their hooks.
    enum TextCode : int {
        kReadBackgroundFolder = 101,
        kStoreBackgroundFolder = 102,
        kReadSaveFolder = 201,
        kStoreSaveFolder = 202,
        kReadLastBackground = 301,
        kStoreLastBackground = 302,
        kReadGifFolder = 601,
        kStoreGifFolder = 602,
    };

    // Codes of the two run-time flags (CameraOff, ScreenshotPending).
    enum FlagCode : int {
        kReadFlag = 0,
        kSetFlag = 9,
        kClearFlag = 11,
    };

    SysInfo();

    // Stores the installation folder and forms the settings file path.
    void SetFolder(const QString& installFolder);

    // Load-or-create: reads the settings file over the record when it exists (as far
    // as it goes), or writes a new one from the defaults when it does not.
    void Load();

    // Writes the whole record, atomically: a write that fails (a full disk, a crash)
    // leaves the previous settings file as it was. Callers may ignore a failure, as the
    // program runs on in memory.
    bool Save() const;

    QString InstallFolder() const { return installFolder_; }
    QString SettingsPath() const { return settingsPath_; }
    QString WorkFolder() const;
    QString SystemPictureFolder() const;
    QString MaterialStore() const;
    QString BackgroundFolder() const;

    QString PhotoFolder() const;
    // Copies at most 460 characters into the record; not saved until the next Save.
    // Returns false (nothing stored) when the text has no GBK form.
    bool SetPhotoFolder(const QString& folder);
    static QString DefaultPhotoFolderName() { return layout::PhotoFolder(); }

    // A kRead... code reads a slot; a kStore... code stores value (at most 256
    // characters), saves and returns it. Other codes return an empty string. A value
    // with characters outside GBK is refused: nothing is stored, an empty string is
    // returned and the prompt (if any) tells the user.
    QString Text(int code, const QString& value = QString());

    // A space only reads; any other character is stored, saved and returned.
    char HotKeyChar(char c);

    // kSetFlag sets the flag, kClearFlag clears it, anything else only reads. Each
    // returns the flag afterwards, 1 when set.
    int CameraOff(int code);
    int ScreenshotPending(int code);
    // The camera is switched off: the station only takes screenshots.
    bool IsCameraOff() { return CameraOff(kReadFlag) == 1; }

    // Deletes the files among the first 661 entries of the work folder (the
    // entries "." and ".." count). Folders are never touched. Returns the names tried.
    int PurgeWorkFolder();

    // Kind 0: "*.avi" of the photo folder; kind 1: "*.gif" of the GIF folder (slot
    // 601), or of the photo folder when that slot is empty. Unsorted.
    int ListVideos(int kind, QStringList& titles, QStringList& paths, int capacity) const;
    // File titles of the material packages "*.dm3" in the material store.
    QStringList ListMaterialPackages(int capacity = kListCapacityMaterials) const;
    // Full paths of the make-up palettes in the system picture folder.
    QStringList ListMakeupColours(int capacity) const;

    const Record& RecordBytes() const { return record_; }

    // Where refusals are reported; may be null.
    void SetPrompt(platform::Prompt* prompt) { prompt_ = prompt; }

  private:
    static std::size_t SlotOffset(int code);
    void Refuse(const QString& text) const;

    Record record_{};
    QString installFolder_;
    QString settingsPath_;
    int cameraOff_ = 0;
    int screenshotPending_ = 0;
    platform::Prompt* prompt_ = nullptr;
};

// Lists entries of folder whose names match pattern (case-insensitive, '*' and '?'),
// in file-system order, files only, at most capacity. Used by every listing above.
QStringList ListFiles(const QString& folder, const QString& pattern, int capacity);

} // namespace vx7::core
