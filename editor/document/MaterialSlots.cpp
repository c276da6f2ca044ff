#include "editor/document/MaterialSlots.h"

#include "editor/document/MaterialPictureCache.h"
#include "materials/MaterialCatalogue.h"

#include <cmath>

namespace vx7::editor {

int MaterialSlots::SlotForLayer(int layer) {
    if (layer < 0)
        return kSlotForNegativeLayer;
    if (layer >= kSlotCount)
        return kSlotForLargeLayer;
    return layer;
}

void MaterialSlots::ResetForNewWindow() {
    for (auto& slot : slots_) {
        slot.shown = PlacedMaterial::kNo;
        slot.remembered = PlacedMaterial::kNo;
    }
    selected_ = kNone;
}

int MaterialSlots::PlaceMaterial(int itemIndex, const MaterialDefaults& defaults, QSize naturalSize) {
    const int s = SlotForLayer(defaults.layer);
    PlacedMaterial& m = slots_[s];

    // The user's adjustments of the material the slot showed are carried over.
    bool carry = false;
    if (m.IsRemembered() && m.IsShown() && m.referenceWidth > 0) {
        carryRatio_ = static_cast<float>(m.width) / static_cast<float>(m.referenceWidth);
        carryDx_ = m.centreX - m.referenceCentreX;
        carryDy_ = m.centreY - m.referenceCentreY;
        carry = true;
    }

    m.naturalWidth = naturalSize.width();
    m.naturalHeight = naturalSize.height();
    m.itemIndex = itemIndex;
    int width = static_cast<int>(static_cast<float>(m.naturalWidth) * defaults.scale);
    int height = static_cast<int>(static_cast<float>(m.naturalHeight) * defaults.scale);
    int left = defaults.x;
    int top = defaults.y;
    m.placed = PlacedMaterial::kYes;
    m.shown = PlacedMaterial::kYes;

    // Keep the picture's aspect ratio inside the default box, centred in it.
    if (m.naturalHeight < m.naturalWidth) {
        const int fitted = static_cast<int>(static_cast<double>(width) / m.naturalWidth * m.naturalHeight);
        top += (height - fitted) / 2;
        height = fitted;
    } else if (m.naturalWidth < m.naturalHeight) {
        const int fitted = static_cast<int>(m.naturalWidth * (static_cast<double>(height) / m.naturalHeight));
        left += (width - fitted) / 2;
        width = fitted;
    }

    m.width = width;
    m.height = height;
    m.centreX = (width + 2 * left) / 2;
    m.centreY = (height + 2 * top) / 2;
    selected_ = s;
    m.remembered = PlacedMaterial::kYes;
    m.referenceWidth = width;
    m.referenceCentreX = m.centreX;
    m.referenceCentreY = m.centreY;

    if (carry) {
        m.width = static_cast<int>(static_cast<float>(m.width) * carryRatio_);
        m.height = static_cast<int>(static_cast<float>(m.height) * carryRatio_);
        m.centreX += carryDx_;
        m.centreY += carryDy_;
    }
    return s;
}

int MaterialSlots::PlaceMaterial(const materials::MaterialCatalogue& catalogue, int itemIndex,
                                 MaterialPictureCache& pictures) {
    const materials::MaterialRecord* record = catalogue.Record(itemIndex);
    if (!record)
        return kNone;
    const QSize natural = pictures.NaturalSize(catalogue.MaterialPicturePath(itemIndex));
    return PlaceMaterial(itemIndex, MaterialDefaults{record->layer, record->x, record->y, record->scale},
                         natural);
}

int MaterialSlots::SelectNextMaterial() const {
    const int start = SelectedIsShown() ? selected_ : 0;
    int lastShown = kNone;
    for (int s = 0; s < kSlotCount; ++s) {
        if (!slots_[s].IsShown())
            continue;
        if (s > start)
            return s;
        lastShown = s;
    }
    return lastShown;
}

int MaterialSlots::RemoveSelectedMaterial() {
    if (IsValidSlot(selected_))
        slots_[selected_].shown = PlacedMaterial::kNo;
    selected_ = SelectNextMaterial();
    return selected_;
}

void MaterialSlots::ClearMaterials() {
    for (auto& slot : slots_)
        slot.shown = PlacedMaterial::kNo;
    selected_ = kNone;
}

bool MaterialSlots::MoveMaterial(int slot, int dx, int dy, QSize canvasSize) {
    if (!IsValidSlot(slot))
        return false;
    PlacedMaterial& m = slots_[slot];
    if (!m.IsPlaced() || !m.IsShown())
        return false;
    m.centreX += dx;
    m.centreY += dy;
    if (m.centreX < kFarLeftOrTop)
        m.centreX = 0;
    if (m.centreX >= canvasSize.width())
        m.centreX = canvasSize.width();
    if (m.centreY < kFarLeftOrTop)
        m.centreY = kFarLeftOrTop;
    if (m.centreY >= canvasSize.height())
        m.centreY = canvasSize.height();
    return true;
}

bool MaterialSlots::ScaleMaterial(int slot, int wheelDirection, int canvasWidth) {
    if (!IsValidSlot(slot))
        return false;
    PlacedMaterial& m = slots_[slot];
    const double f = wheelDirection > 0 ? kGrowFactor : (wheelDirection < 0 ? kShrinkFactor : 1.0);
    int width = static_cast<int>(m.width * f);
    int height = static_cast<int>(m.height * f);
    if (f > 1.0) {
        // Small pictures would never grow by truncation alone.
        if (width == m.width)
            ++width;
        if (height == m.height)
            ++height;
        const double limit = 1.5 * canvasWidth;
        if (!(width < limit && height < limit))
            return false;
    } else if (f < 1.0) {
        if (!(width > 3 && height > 3))
            return false;
    } else {
        return false;
    }
    m.width = width;
    m.height = height;
    return true;
}

void MaterialSlots::MoveAllMaterials(int dx, int dy) {
    offset_.dx += dx;
    offset_.dy += dy;
}

int MaterialSlots::ShownCount() const {
    int n = 0;
    for (const auto& slot : slots_)
        n += slot.IsShown() ? 1 : 0;
    return n;
}

const PlacedMaterial* MaterialSlots::Slot(int slot) const {
    return IsValidSlot(slot) ? &slots_[slot] : nullptr;
}

PlacedMaterial* MaterialSlots::MutableSlot(int slot) {
    return IsValidSlot(slot) ? &slots_[slot] : nullptr;
}

} // namespace vx7::editor
