#pragma once

#include "editor/document/PlacedMaterial.h"

#include <QSize>

#include <array>

namespace vx7::materials {
class MaterialCatalogue;
}

namespace vx7::editor {

class MaterialPictureCache;

// Shift added to every material's centre when drawn (the "move all" gesture).
struct GroupOffset {
    int dx = 0;
    int dy = 0;
    friend bool operator==(const GroupOffset&, const GroupOffset&) = default;
};

// What a package item says about where and how large its picture goes.
struct MaterialDefaults {
    int layer = 0; // slot as stored; out-of-range values are mapped into the table
    int x = 0;     // default top-left, canvas coordinates
    int y = 0;
    float scale = 1.0f; // applied to the picture's natural size
};

// The table of 100 material slots of the program run, the selected slot, the
// group offset and the carry-over of the user's adjustments from one material
// to the next one put into the same slot. Slot 0 is drawn last, on top.
class MaterialSlots {
  public:
    static constexpr int kSlotCount = 100;
    static constexpr int kNone = -1;
    // Slots for layer numbers below 0 and above the last slot.
    static constexpr int kSlotForNegativeLayer = 10;
    static constexpr int kSlotForLargeLayer = 90;
    // Wheel factors of the scale gesture.
    static constexpr double kGrowFactor = 1.0256;
    static constexpr double kShrinkFactor = 0.975;
    // Limits of the move gesture: a centre left of this jumps back.
    static constexpr int kFarLeftOrTop = -90;

    static int SlotForLayer(int layer);

    // A new editor window starts with no material on the canvas: every slot's
    // shown and remembered flags become ' ' and nothing is selected.
    void ResetForNewWindow();

    // Puts a picture of the given natural size into the slot of its layer,
    // keeping its aspect ratio inside the default box and carrying over the
    // size ratio and offset of the material that the slot showed before.
    // Selects the slot and returns it.
    int PlaceMaterial(int itemIndex, const MaterialDefaults& defaults, QSize naturalSize);
    // The same for item itemIndex of the catalogue's current package, with the
    // picture's size read through pictures (0 x 0 when it does not decode).
    // Returns -1 and changes nothing for an index outside the package.
    int PlaceMaterial(const materials::MaterialCatalogue& catalogue, int itemIndex,
                      MaterialPictureCache& pictures);

    // The next shown slot after the selected one (or after slot 0 when the
    // selection is not a shown slot); when there is none, the last shown slot;
    // -1 when no slot is shown. Does not change the selection.
    int SelectNextMaterial() const;
    // Removes the selected material from the canvas and selects the next shown
    // one (or nothing). Returns the new selection.
    int RemoveSelectedMaterial();
    // Removes every material from the canvas; nothing is selected.
    void ClearMaterials();

    // Moves a placed, shown slot by (dx, dy) and keeps its centre within the
    // canvas: a centre left of -90 jumps to 0, one above -90 stays at -90, one
    // at or past the right or bottom edge goes onto it. Returns whether the slot moved.
    bool MoveMaterial(int slot, int dx, int dy, QSize canvasSize);
    // One wheel step on a slot: away from the user (direction > 0) grows by
    // 1.0256 while both sides stay below 1.5 x the canvas width, toward the
    // user shrinks by 0.975 while both sides stay above 3. Returns whether it changed.
    bool ScaleMaterial(int slot, int wheelDirection, int canvasWidth);
    // Moves every material together (the group offset).
    void MoveAllMaterials(int dx, int dy);

    GroupOffset Offset() const { return offset_; }
    // A new package starts its materials at their own positions.
    void ResetGroupOffset() { offset_ = {}; }

    int Selected() const { return selected_; }
    void Select(int slot) { selected_ = slot; }
    bool IsValidSlot(int slot) const { return slot >= 0 && slot < kSlotCount; }
    // The selection is a slot that is on the canvas.
    bool SelectedIsShown() const { return IsValidSlot(selected_) && slots_[selected_].IsShown(); }
    int ShownCount() const;

    // Null outside the table.
    const PlacedMaterial* Slot(int slot) const;
    PlacedMaterial* MutableSlot(int slot);

  private:
    std::array<PlacedMaterial, kSlotCount> slots_{};
    int selected_ = kNone;
    GroupOffset offset_;
    // Carry-over of the last placement into a remembered slot.
    float carryRatio_ = 1.0f;
    int carryDx_ = 0;
    int carryDy_ = 0;
};

} // namespace vx7::editor
