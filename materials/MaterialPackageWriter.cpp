#include "MaterialPackageWriter.h"

#include "core/LittleEndian.h"
#include "core/SaveFile.h"
#include "platform/Gbk.h"

#include <span>

namespace vx7::materials {
namespace {

using P = MaterialPackage;

bool Fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

// Stores text in GBK with its terminator; refuses a text that does not fit whole.
bool PutText(char* base, qsizetype offset, qsizetype size, const QString& text, const QString& what,
             QString* error) {
    const auto gbk = platform::ToGbk(text);
    if (!gbk)
        return Fail(error, QStringLiteral("%1 \"%2\" has characters outside GBK").arg(what, text));
    if (gbk->size() >= size)
        return Fail(error, QStringLiteral("%1 \"%2\" is %3 bytes in GBK; the field holds %4")
                               .arg(what, text)
                               .arg(gbk->size())
                               .arg(size - 1));
    std::span<char> field(base + offset, static_cast<size_t>(size));
    return platform::WriteGbkField(field, text, static_cast<size_t>(size - 1));
}

} // namespace

std::optional<QByteArray> MaterialPackageWriter::Serialize(const MaterialPackage& package, QString* error) {
    const qsizetype n = static_cast<qsizetype>(package.records.size());
    if (n > P::kMaxRecords) {
        Fail(error,
             QStringLiteral("%1 material records; a package holds at most %2").arg(n).arg(P::kMaxRecords));
        return std::nullopt;
    }
    if (package.extraRecords.size() % P::kExtraRecordSize != 0 ||
        package.ExtraRecordCount() > P::kMaxExtraRecords) {
        Fail(error, QStringLiteral("extra records must be at most %1 whole records of %2 bytes")
                        .arg(P::kMaxExtraRecords)
                        .arg(P::kExtraRecordSize));
        return std::nullopt;
    }
    if (package.trailing.size() > P::kMaxTrailingSize) {
        Fail(error, QStringLiteral("trailing data of %1 bytes; at most %2")
                        .arg(package.trailing.size())
                        .arg(P::kMaxTrailingSize));
        return std::nullopt;
    }

    QByteArray out(P::kHeaderSize + P::kLayoutSize + n * P::kRecordSize, '\0');
    char* base = out.data();
    if (!PutText(base, P::kFolderOffset, P::kFolderSize, package.pictureFolder,
                 QStringLiteral("picture folder"), error))
        return std::nullopt;
    core::WriteLeInt32(base, P::kRecordCountOffset, static_cast<qint32>(n));
    char* layout = base + P::kHeaderSize;
    core::WriteLeInt32(layout, P::kExtraCountOffset, package.ExtraRecordCount());
    core::WriteLeInt32(layout, P::kTrailingSizeOffset, static_cast<qint32>(package.trailing.size()));

    for (qsizetype i = 0; i < n; ++i) {
        const MaterialRecord& rec = package.records[static_cast<size_t>(i)];
        char* r = base + P::kHeaderSize + P::kLayoutSize + i * P::kRecordSize;
        r[P::kGroupOffset] = rec.group;
        r[P::kTypeOffset] = rec.type;
        if (!PutText(r, P::kTitleOffset, P::kTitleSize, rec.title, QStringLiteral("group title"), error) ||
            !PutText(r, P::kNameOffset, P::kNameSize, rec.pictureName, QStringLiteral("picture name"), error))
            return std::nullopt;
        core::WriteLeInt32(r, P::kXOffset, rec.x);
        core::WriteLeInt32(r, P::kYOffset, rec.y);
        core::WriteLeInt32(r, P::kLayerOffset, rec.layer);
        core::WriteLeFloat32(r, P::kScaleOffset, rec.scale);
    }
    out.append(package.extraRecords);
    out.append(package.trailing);
    return out;
}

bool MaterialPackageWriter::WriteFile(const MaterialPackage& package, const QString& path, QString* error) {
    const auto bytes = Serialize(package, error);
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
