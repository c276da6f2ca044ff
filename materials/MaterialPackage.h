#pragma once

#include "MaterialRecord.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace vx7::materials {

// The contents of one ".dm3" material package file: five consecutive blocks with
// exact byte counts, little-endian, no magic and no version.
//   1. package header, 372 bytes: picture folder path (NUL-terminated) at 2..367,
//      material record count N (int32) at 368
//   2. layout header, 296 bytes: extra record count M (int32) at 268, trailing data
//      size S (int32) at 276
//   3. N material records of 544 bytes
//   4. M extra records of 348 bytes, kept but not interpreted
//   5. S bytes of trailing data, kept but not interpreted
struct MaterialPackage {
    static constexpr qsizetype kHeaderSize = 372;
    static constexpr qsizetype kFolderOffset = 2;
    static constexpr qsizetype kFolderSize = 366;
    static constexpr qsizetype kRecordCountOffset = 368;

    static constexpr qsizetype kLayoutSize = 296;
    static constexpr qsizetype kExtraCountOffset = 268;
    static constexpr qsizetype kTrailingSizeOffset = 276;

    static constexpr qsizetype kRecordSize = 544;
    static constexpr qsizetype kGroupOffset = 0;
    static constexpr qsizetype kTypeOffset = 1;
    static constexpr qsizetype kTitleOffset = 3;
    static constexpr qsizetype kTitleSize = 82;
    static constexpr qsizetype kNameOffset = 85;
    static constexpr qsizetype kNameSize = 431;
    static constexpr qsizetype kXOffset = 516;
    static constexpr qsizetype kYOffset = 520;
    static constexpr qsizetype kLayerOffset = 524;
    static constexpr qsizetype kScaleOffset = 540;

    static constexpr qsizetype kExtraRecordSize = 348;

    // What the catalogue holds; larger counts are refused.
    static constexpr int kMaxRecords = 166;
    static constexpr int kMaxExtraRecords = 425;
    static constexpr qsizetype kMaxTrailingSize = 76640;

    // The largest file whose blocks all fit the capacities.
    static constexpr qsizetype kMaxFileSize = kHeaderSize + kLayoutSize + kMaxRecords * kRecordSize +
                                              kMaxExtraRecords * kExtraRecordSize + kMaxTrailingSize;

    QString pictureFolder;
    std::vector<MaterialRecord> records;
    QByteArray extraRecords; // a whole number of 348-byte records
    QByteArray trailing;

    int ExtraRecordCount() const { return static_cast<int>(extraRecords.size() / kExtraRecordSize); }
};

} // namespace vx7::materials
