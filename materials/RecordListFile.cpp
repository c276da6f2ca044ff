#include "RecordListFile.h"

#include "core/LittleEndian.h"
#include "core/SaveFile.h"

#include <QFile>

#include <algorithm>

namespace vx7::materials {
namespace {

using F = RecordListFile;

bool Fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

} // namespace

RecordListFile::Record RecordListFile::BlankRecord() {
    Record r{};
    std::fill(r.begin(), r.begin() + 9, ' ');
    for (int k = 0; k < kFieldCount; ++k)
        SetField(r, k, -1);
    return r;
}

qint32 RecordListFile::Field(const Record& r, int k) {
    return core::ReadLeInt32(r.data(), kFieldsOffset + 4 * qsizetype(k));
}

void RecordListFile::SetField(Record& r, int k, qint32 value) {
    core::WriteLeInt32(r.data(), kFieldsOffset + 4 * qsizetype(k), value);
}

std::optional<RecordListFile> RecordListFile::Parse(const QByteArray& bytes, QString* error) {
    const qsizetype size = bytes.size();
    const char* base = bytes.constData();
    if (size < kHeaderSize) {
        Fail(error, QStringLiteral("record list too short for its header: %1 bytes").arg(size));
        return std::nullopt;
    }
    const qint32 r = core::ReadLeInt32(base, kRecordCountOffset);
    const qint32 e = core::ReadLeInt32(base, kEntryCountOffset);
    const qint32 d = core::ReadLeInt32(base, kDataSizeOffset);
    if (r < 0 || r > kMaxRecords) {
        Fail(error, QStringLiteral("record count %1 outside 0..%2").arg(r).arg(kMaxRecords));
        return std::nullopt;
    }
    if (e < 0 || e > kMaxEntries) {
        Fail(error, QStringLiteral("string entry count %1 outside 0..%2").arg(e).arg(kMaxEntries));
        return std::nullopt;
    }
    if (d < 0 || d > kMaxDataSize) {
        Fail(error, QStringLiteral("string data size %1 outside 0..%2").arg(d).arg(kMaxDataSize));
        return std::nullopt;
    }
    const qsizetype entriesAt = kHeaderSize + qsizetype(r) * kRecordSize;
    const qsizetype dataAt = entriesAt + qsizetype(e) * kEntrySize;
    const qsizetype end = dataAt + d;
    if (size < end) {
        Fail(error, QStringLiteral("record list truncated: %1 bytes, its counts need %2").arg(size).arg(end));
        return std::nullopt;
    }
    RecordListFile list;
    list.records.resize(static_cast<size_t>(r));
    for (qint32 j = 0; j < r; ++j)
        std::copy_n(base + kHeaderSize + qsizetype(j) * kRecordSize, kRecordSize,
                    list.records[size_t(j)].begin());
    list.entries.resize(static_cast<size_t>(e));
    for (qint32 i = 0; i < e; ++i) {
        const char* p = base + entriesAt + qsizetype(i) * kEntrySize;
        list.entries[size_t(i)] =
            Entry{core::ReadLeInt32(p, 0), core::ReadLeInt32(p, 4), core::ReadLeInt32(p, 8)};
    }
    list.data = bytes.mid(dataAt, d);
    return list;
}

std::optional<RecordListFile> RecordListFile::ReadFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(error, QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return Parse(file.read(kMaxFileSize), error);
}

std::optional<QByteArray> RecordListFile::Serialize(QString* error) const {
    if (records.size() > size_t(kMaxRecords) || entries.size() > size_t(kMaxEntries) ||
        data.size() > kMaxDataSize) {
        Fail(error,
             QStringLiteral("record list beyond its limits: %1 records (at most %2), %3 strings (at most "
                            "%4), %5 bytes of text (at most %6)")
                 .arg(records.size())
                 .arg(kMaxRecords)
                 .arg(entries.size())
                 .arg(kMaxEntries)
                 .arg(data.size())
                 .arg(kMaxDataSize));
        return std::nullopt;
    }
    QByteArray out(kHeaderSize, '\0');
    core::WriteLeInt32(out.data(), kRecordCountOffset, static_cast<qint32>(records.size()));
    core::WriteLeInt32(out.data(), kEntryCountOffset, static_cast<qint32>(entries.size()));
    core::WriteLeInt32(out.data(), kDataSizeOffset, static_cast<qint32>(data.size()));
    for (const Record& r : records)
        out.append(r.data(), kRecordSize);
    for (const Entry& e : entries) {
        char p[kEntrySize];
        core::WriteLeInt32(p, 0, e.offset);
        core::WriteLeInt32(p, 4, e.length);
        core::WriteLeInt32(p, 8, e.reserved);
        out.append(p, kEntrySize);
    }
    out.append(data);
    return out;
}

bool RecordListFile::WriteFile(const QString& path, QString* error) const {
    const auto bytes = Serialize(error);
    if (!bytes)
        return false;
    QString why;
    if (core::SaveWholeFile(path, *bytes, &why))
        return true;
    if (error)
        *error = QStringLiteral("cannot write %1: %2").arg(path, why);
    return false;
}

} // namespace vx7::materials
