#include "MaterialPackageReader.h"

#include "core/LittleEndian.h"
#include "platform/Gbk.h"

#include <QFile>

#include <span>

namespace vx7::materials {
namespace {

using P = MaterialPackage;

bool Fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

QString Field(const char* base, qsizetype offset, qsizetype size) {
    return platform::ReadGbkField(std::span<const char>(base + offset, static_cast<size_t>(size)));
}

MaterialRecord ParseRecord(const char* r) {
    MaterialRecord rec;
    rec.group = r[P::kGroupOffset];
    rec.type = r[P::kTypeOffset];
    rec.title = Field(r, P::kTitleOffset, P::kTitleSize);
    rec.pictureName = Field(r, P::kNameOffset, P::kNameSize);
    rec.x = core::ReadLeInt32(r, P::kXOffset);
    rec.y = core::ReadLeInt32(r, P::kYOffset);
    rec.layer = core::ReadLeInt32(r, P::kLayerOffset);
    rec.scale = core::ReadLeFloat32(r, P::kScaleOffset);
    return rec;
}

} // namespace

std::optional<MaterialPackage> MaterialPackageReader::Parse(const QByteArray& bytes, QString* error) {
    const qsizetype size = bytes.size();
    const char* base = bytes.constData();
    if (size < P::kHeaderSize + P::kLayoutSize) {
        Fail(error, QStringLiteral("package too short for its headers: %1 bytes").arg(size));
        return std::nullopt;
    }
    const qint32 n = core::ReadLeInt32(base, P::kRecordCountOffset);
    const char* layout = base + P::kHeaderSize;
    const qint32 m = core::ReadLeInt32(layout, P::kExtraCountOffset);
    const qint32 s = core::ReadLeInt32(layout, P::kTrailingSizeOffset);
    if (n < 0 || n > P::kMaxRecords) {
        Fail(error, QStringLiteral("material record count %1 outside 0..%2").arg(n).arg(P::kMaxRecords));
        return std::nullopt;
    }
    if (m < 0 || m > P::kMaxExtraRecords) {
        Fail(error, QStringLiteral("extra record count %1 outside 0..%2").arg(m).arg(P::kMaxExtraRecords));
        return std::nullopt;
    }
    if (s < 0 || s > P::kMaxTrailingSize) {
        Fail(error, QStringLiteral("trailing data size %1 outside 0..%2").arg(s).arg(P::kMaxTrailingSize));
        return std::nullopt;
    }
    // The counts are bounded above, so these sums cannot overflow.
    const qsizetype recordsAt = P::kHeaderSize + P::kLayoutSize;
    const qsizetype extraAt = recordsAt + qsizetype(n) * P::kRecordSize;
    const qsizetype trailingAt = extraAt + qsizetype(m) * P::kExtraRecordSize;
    const qsizetype end = trailingAt + s;
    if (size < end) {
        Fail(error, QStringLiteral("package truncated: %1 bytes, its counts need %2").arg(size).arg(end));
        return std::nullopt;
    }

    MaterialPackage package;
    package.pictureFolder = Field(base, P::kFolderOffset, P::kFolderSize);
    package.records.reserve(static_cast<size_t>(n));
    for (qint32 i = 0; i < n; ++i)
        package.records.push_back(ParseRecord(base + recordsAt + qsizetype(i) * P::kRecordSize));
    package.extraRecords = bytes.mid(extraAt, trailingAt - extraAt);
    package.trailing = bytes.mid(trailingAt, s);
    return package;
}

std::optional<MaterialPackage> MaterialPackageReader::ReadFile(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(error, QStringLiteral("cannot open %1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    // Bytes after the last block are never used, so a huge file costs no more than a full one.
    const QByteArray bytes = file.read(P::kMaxFileSize);
    return Parse(bytes, error);
}

} // namespace vx7::materials
