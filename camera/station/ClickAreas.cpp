#include "ClickAreas.h"

#include "StationLayout.h"

namespace vx7::camera {
namespace {

// The rightmost 18 pixels of a label: where its drop arrow sits.
QRect ArrowZone(const QRect& r) {
    return QRect(r.right() + 1 - StationLayout::kArrowZone, r.top(), StationLayout::kArrowZone, r.height());
}

} // namespace

ClickAction ClickAreas::Hit(QPoint p, const State& state) {
    ClickAction action;
    if (StationLayout::kSelfTimerLabel.contains(p))
        action = {ClickAction::kStartSelfTimer, -1, 1021};
    if (state.hasLastPhoto && StationLayout::kThumbnailFrame.contains(p))
        action = {ClickAction::kOpenLastPhoto, -1, 1017};
    if (state.shotsStored > 1) {
        for (int i = 0; i < int(state.cells.size()); ++i)
            if (state.cells[size_t(i)].contains(p))
                action = {ClickAction::kOpenBurstShot, i, 1029};
    }
    if (ArrowZone(StationLayout::kFormatList).contains(p))
        action = {ClickAction::kOpenEditor, -1, 1002};
    if (ArrowZone(StationLayout::kSelfTimerList).contains(p))
        action = {ClickAction::kOpenEditor, -1, 1009};
    if (ArrowZone(StationLayout::kBurstList).contains(p))
        action = {ClickAction::kOpenEditor, -1, 1019};
    if (ArrowZone(StationLayout::kIntervalList).contains(p))
        action = {ClickAction::kOpenEditor, -1, 1011};
    if (StationLayout::kNameEdit.contains(p))
        action = {ClickAction::kOpenEditor, -1, 1003};
    if (state.burstBoxActive && StationLayout::BurstBox().contains(p))
        action = {ClickAction::kStartBurst, -1, 1019};
    return action;
}

} // namespace vx7::camera
