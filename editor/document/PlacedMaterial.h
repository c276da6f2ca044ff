#pragma once

namespace vx7::editor {

// One slot of the material table: a clothing or accessory picture put on the
// canvas. Flags are bytes 'Y' / ' ' because the slot table is program-run
// storage that is reset field by field, not recreated.
struct PlacedMaterial {
    static constexpr char kYes = 'Y';
    static constexpr char kNo = ' ';

    char placed = kNo;     // a material has been put into the slot
    char shown = kNo;      // drawn on the canvas and selectable
    char remembered = kNo; // held a material in this window: adjustments carry to the next one
    int centreX = 0;       // canvas coordinates, before the group offset is added
    int centreY = 0;
    int width = 0; // drawn size in pixels
    int height = 0;
    int naturalWidth = 0; // size of the PNG file
    int naturalHeight = 0;
    int itemIndex = 0; // record index in the current material package
    int referenceWidth = 0;
    int referenceCentreX = 0;
    int referenceCentreY = 0;

    bool IsShown() const { return shown == kYes; }
    bool IsPlaced() const { return placed == kYes; }
    bool IsRemembered() const { return remembered == kYes; }
};

} // namespace vx7::editor
