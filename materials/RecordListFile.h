#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace vx7::materials {

// The contents of one ".g3d" record list, little-endian, read with exact byte counts:
//   header, 32 bytes: record count R (int32) at 8, string entry count E at 12,
//                     string data size D at 16
//   R records of 60 bytes: byte 1 'H' for a group heading; twelve int32 fields at
//                     12..59, the second of which (16..19) is a heading's name entry
//   E string entries of 12 bytes: data offset, length, a third int32 not read
//   D bytes of string data (GBK text, no terminators needed)
struct RecordListFile {
    static constexpr qsizetype kHeaderSize = 32;
    static constexpr qsizetype kRecordCountOffset = 8;
    static constexpr qsizetype kEntryCountOffset = 12;
    static constexpr qsizetype kDataSizeOffset = 16;
    static constexpr qsizetype kRecordSize = 60;
    static constexpr qsizetype kKindOffset = 1;
    static constexpr qsizetype kFieldsOffset = 12;
    static constexpr int kFieldCount = 12;
    static constexpr int kNameField = 1; // the second int32
    static constexpr qsizetype kEntrySize = 12;

    static constexpr char kHeading = 'H';
    static constexpr char kItem = 'I'; // what our authoring command writes for items

    static constexpr int kMaxRecords = 600;
    static constexpr int kMaxEntries = 3600;
    static constexpr qsizetype kMaxDataSize = 436168;
    static constexpr qsizetype kMaxFileSize =
        kHeaderSize + kMaxRecords * kRecordSize + kMaxEntries * kEntrySize + kMaxDataSize;

    using Record = std::array<char, kRecordSize>;

    struct Entry {
        qint32 offset = -1;
        qint32 length = 0;
        qint32 reserved = 0;
    };

    std::vector<Record> records;
    std::vector<Entry> entries;
    QByteArray data;

    // A record as it is before anything is loaded: spaces in bytes 0..8, -1 in every field.
    static Record BlankRecord();
    static bool IsHeading(const Record& r) { return r[kKindOffset] == kHeading; }
    // Field k (0..11) of a record; callers keep k in range.
    static qint32 Field(const Record& r, int k);
    static void SetField(Record& r, int k, qint32 value);

    // Refuses (with an error text) counts beyond the limits, negative counts and
    // files shorter than their counts say. Entries are kept as stored; readers of
    // the string data check them.
    static std::optional<RecordListFile> Parse(const QByteArray& bytes, QString* error = nullptr);
    static std::optional<RecordListFile> ReadFile(const QString& path, QString* error = nullptr);

    // Refuses lists beyond the limits.
    std::optional<QByteArray> Serialize(QString* error = nullptr) const;
    bool WriteFile(const QString& path, QString* error = nullptr) const;
};

} // namespace vx7::materials
