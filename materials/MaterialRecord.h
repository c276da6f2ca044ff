#pragma once

#include <QString>
#include <QtGlobal>

namespace vx7::materials {

// One material record of a package as the program uses it: a group title, a hidden
// record or a material with its picture and placement defaults.
struct MaterialRecord {
    static constexpr char kTitleType = 'T';  // the record names a group
    static constexpr char kHiddenType = 'K'; // never listed, in any group
    // Any other type is a material; this is the one our authoring command writes.
    static constexpr char kMaterialType = 'M';

    char group = 'A'; // 'A' for the first group, 'B' for the second, ...
    char type = kMaterialType;
    QString title;       // group title (title records)
    QString pictureName; // picture file name without ".png"
    qint32 x = 0;        // default top-left, canvas coordinates
    qint32 y = 0;
    qint32 layer = 0;   // layer slot as stored; see EffectiveSlot
    float scale = 1.0f; // applied to the picture's natural size when placed

    bool IsTitle() const { return type == kTitleType; }
    bool IsHidden() const { return type == kHiddenType; }
    // Titles, hidden records and materials without a picture name are never listed.
    bool IsListable() const { return !IsTitle() && !IsHidden() && !pictureName.isEmpty(); }

    // The slot a material goes into: below 0 becomes 10, above the last slot (99) 90.
    static int EffectiveSlot(int layer) {
        if (layer < 0)
            return 10;
        if (layer > 99)
            return 90;
        return layer;
    }
};

} // namespace vx7::materials
