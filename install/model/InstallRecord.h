#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <array>
#include <cstddef>
#include <span>

namespace vx7::install {

// The install information record: 4380 bytes, texts in GBK, NUL-terminated in
// fixed fields. Bytes outside the fields are reserved and kept as zeros, except
// byte 1, which tells whether the installer created the top folder itself.
class InstallRecord {
  public:
    static constexpr std::size_t kSize = 4380;

    static constexpr std::size_t kMarkerOffset = 0;
    // 'Y' when the top folder did not exist before the installation; anything else
    // (records written without it hold 0 there) means it held something already.
    static constexpr std::size_t kTopCreatedOffset = 1;
    static constexpr std::size_t kDateOffset = 140, kDateSize = 58;
    static constexpr std::size_t kVersionOffset = 198, kVersionSize = 20;
    static constexpr std::size_t kProgramSlashOffset = 237, kProgramSlashSize = 56;
    static constexpr std::size_t kProgramOffset = 636, kProgramSize = 512;
    static constexpr std::size_t kTopOffset = 1148, kTopSize = 256;
    static constexpr std::size_t kGroupOffset = 1404, kGroupSize = 356;
    static constexpr std::size_t kDesktopOffset = 1760, kDesktopSize = 256;

    // The information file repeats the record's first 179 bytes after it.
    static constexpr std::size_t kRepeatSize = 179;
    static constexpr std::size_t kInformationFileSize = kSize + kRepeatSize;

    static constexpr char kProgramMarker = 'A';
    static constexpr char kInformationMarker = 'S';
    static constexpr char kTopCreatedYes = 'Y';
    static QString ProgramVersion() { return QStringLiteral("2011.07.28 V1.5"); }
    static QString InformationVersion() { return QStringLiteral("2006.02.16 V1.5.0"); }

    using Bytes = std::array<char, kSize>;

    InstallRecord() { bytes_.fill('\0'); }
    // Takes the first kSize bytes; missing bytes stay zero.
    static InstallRecord FromBytes(std::span<const char> bytes);

    char Marker() const { return bytes_[kMarkerOffset]; }
    void SetMarker(char marker) { bytes_[kMarkerOffset] = marker; }

    bool TopCreated() const { return bytes_[kTopCreatedOffset] == kTopCreatedYes; }
    void SetTopCreated(bool created) { bytes_[kTopCreatedOffset] = created ? kTopCreatedYes : ' '; }

    // "%4d.%2d.%2d": year, month and day, space-padded.
    void SetDate(const QDate& date);
    QString Date() const { return Text(kDateOffset, kDateSize); }

    bool SetVersion(const QString& version) { return SetText(kVersionOffset, kVersionSize, version); }
    QString Version() const { return Text(kVersionOffset, kVersionSize); }

    // Fills both program-folder fields: the path, and the path with a trailing "/"
    // (that short field keeps as many whole characters as fit).
    bool SetProgramFolder(const QString& path);
    QString ProgramFolder() const { return Text(kProgramOffset, kProgramSize); }
    QString ProgramFolderWithSlash() const { return Text(kProgramSlashOffset, kProgramSlashSize); }

    bool SetTopFolder(const QString& path) { return SetText(kTopOffset, kTopSize, path); }
    QString TopFolder() const { return Text(kTopOffset, kTopSize); }

    bool SetGroupFolder(const QString& path) { return SetText(kGroupOffset, kGroupSize, path); }
    QString GroupFolder() const { return Text(kGroupOffset, kGroupSize); }

    bool SetDesktopShortcut(const QString& path) { return SetText(kDesktopOffset, kDesktopSize, path); }
    QString DesktopShortcut() const { return Text(kDesktopOffset, kDesktopSize); }

    // Length in bytes (GBK, up to the terminator) of a field; used for the
    // "longer than 6 bytes" rules of the uninstaller.
    std::size_t FieldLength(std::size_t offset, std::size_t size) const;
    // True when the field holds a terminator within its size.
    bool FieldTerminated(std::size_t offset, std::size_t size) const;

    // True when text fits a field of size bytes whole, terminator included.
    static bool Fits(const QString& text, std::size_t size);

    const Bytes& RawBytes() const { return bytes_; }
    // The bytes of the information file: the record and its first 179 bytes again.
    QByteArray InformationFileBytes() const;

  private:
    // Writes the whole text or, when it does not fit or has no GBK form, an empty
    // field (a cut path would name some other file). Returns false in that case.
    bool SetText(std::size_t offset, std::size_t size, const QString& text);
    QString Text(std::size_t offset, std::size_t size) const;

    Bytes bytes_;
};

} // namespace vx7::install
