#include "editor/interaction/CanvasInteraction.h"

#include "editor/document/CanvasCaption.h"
#include "editor/document/EditorState.h"
#include "editor/document/MaterialSlots.h"
#include "editor/interaction/CanvasListener.h"
#include "editor/interaction/CursorTimer.h"

#include "imaging/drawing/DrawingItemList.h"
#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/RasterDocument.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vx7::editor {

using Tm = imaging::ToolMode;

namespace {

// Euclidean distance truncated to whole pixels.
int Distance(QPoint a, QPoint b) {
    const double dx = a.x() - b.x(), dy = a.y() - b.y();
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

bool LeftHeld(const PointerEvent& e) {
    return e.buttons.testFlag(Qt::LeftButton);
}
bool AnyHeld(const PointerEvent& e) {
    return e.buttons != Qt::NoButton;
}

} // namespace

CanvasInteraction::CanvasInteraction(Parts parts)
    : raster_(parts.raster), items_(parts.items), materials_(parts.materials), caption_(parts.caption),
      state_(parts.state), listener_(parts.listener), timer_(parts.timer) {}

CanvasInteraction::~CanvasInteraction() {
    timer_.Stop();
}

void CanvasInteraction::SetCanvasSurface(imaging::CanvasSurface* canvas) {
    canvas_ = canvas;
    // A new surface holds no band: forget the one drawn on the old surface.
    if (items_.PreviewShown()) {
        imaging::CanvasSurface scratch(1, 1);
        items_.DrawPreview(scratch, 0, 0, imaging::DrawingItemList::kEraseOnly);
    }
    outlineShown_ = false;
}

void CanvasInteraction::SetPanelSurface(imaging::CanvasSurface* panel) {
    panel_ = panel;
}

void CanvasInteraction::SetMagnifierBoxSize(QSize size) {
    boxSize_ = size;
}

// ---- Modes ----

void CanvasInteraction::SetGesture(GestureMode mode) {
    state_.SetGesture(mode);
}

imaging::ToolMode CanvasInteraction::ToolMode() const {
    return state_.toolMode;
}

GestureMode CanvasInteraction::Gesture() const {
    return state_.gesture;
}

int CanvasInteraction::CommitMark() const {
    return state_.commitPlacement ? kCommitMark : 0;
}

void CanvasInteraction::PlacementCommitted() {
    SetGesture(GestureMode::None);
    drag_ = 0;
    listener_.Notify(CanvasNotice::GestureEnded);
}

void CanvasInteraction::SetToolMode(imaging::ToolMode mode) {
    EraseBand();
    StopFlashing();
    state_.toolMode = mode;
    stage_ = 0;
    pointCount_ = 0;
    closing_ = QRect();
    drag_ = 0;
    strokeMade_ = false;
    selectionMade_ = false;
    altSample_ = false;
    outlineShown_ = false;
    switch (mode) {
    case Tm::Freehand:
    case Tm::Rectangle:
    case Tm::Circle:
    case Tm::Polyline:
    case Tm::Arrow:
    case Tm::PolygonArea:
        SetCursor(CanvasCursor::DrawingTool);
        break;
    case Tm::ChooseMagnifiedArea:
    case Tm::RemovePolygon:
    case Tm::KeepPolygon:
    case Tm::SpotlightPolygon:
    case Tm::ChooseValidArea:
        SetCursor(CanvasCursor::PolygonTool);
        break;
    case Tm::MagicWand:
        SetCursor(CanvasCursor::MagicWand);
        break;
    case Tm::StickerSelection:
        SetCursor(StickerCursor());
        break;
    case Tm::MakeupBrush:
        SetCursor(MakeupCursor(false));
        break;
    default:
        SetCursor(CanvasCursor::Arrow);
        break;
    }
}

void CanvasInteraction::SetGestureMode(GestureMode mode) {
    SetGesture(mode);
    drag_ = 0;
    SetCursor(mode == GestureMode::None ? CanvasCursor::Arrow : CanvasCursor::GestureDrag);
}

void CanvasInteraction::EndTool() {
    EraseBand();
    StopFlashing();
    items_.EndItem();
    state_.toolMode = Tm::None;
    SetGesture(GestureMode::None);
    stage_ = 0;
    pointCount_ = 0;
    closing_ = QRect();
    drag_ = 0;
    altSample_ = false;
    selectionMade_ = false;
    outlineShown_ = false;
    SetCursor(CanvasCursor::Arrow);
}

bool CanvasInteraction::IsDrawingTool() const {
    const int t = static_cast<int>(Tool());
    return t >= static_cast<int>(Tm::Freehand) && t <= static_cast<int>(Tm::PolygonArea);
}

bool CanvasInteraction::IsBrushTool() const {
    const auto t = Tool();
    return t == Tm::Eraser || t == Tm::LocalBrighten || t == Tm::LocalDarken || t == Tm::MakeupBrush;
}

bool CanvasInteraction::IsPolygonSelection() const {
    const auto t = Tool();
    return t == Tm::RemovePolygon || t == Tm::KeepPolygon || t == Tm::SpotlightPolygon;
}

bool CanvasInteraction::PhotoLoaded() const {
    return raster_.PhotoLoaded();
}

// ---- Canvas input ----

void CanvasInteraction::Press(const PointerEvent& e) {
    if (e.button == Qt::RightButton) {
        RightPress(e);
        return;
    }
    if (e.button == Qt::MiddleButton) {
        MiddlePress(e);
        return;
    }
    if (e.button != Qt::LeftButton)
        return;
    if (Tool() == Tm::None) {
        PressGesture(e);
        return;
    }
    down_ = e.pos;
    strokeMade_ = false;
    raster_.SetToolMode(Tool());
    if (IsDrawingTool())
        PressDrawingTool(e);
    else if (IsPolygonSelection())
        PressPolygonSelection(e);
    else
        PressRasterTool(e);
}

void CanvasInteraction::Move(const PointerEvent& e) {
    if (Tool() == Tm::None) {
        MoveGesture(e);
        return;
    }
    if (IsDrawingTool())
        MoveDrawingTool(e);
    else
        MoveRasterTool(e);
}

void CanvasInteraction::Release(const PointerEvent& e) {
    if (e.button == Qt::MiddleButton) {
        listener_.ReleaseCursorClip();
        if (Tool() == Tm::None) {
            drag_ = 0;
            SetCursor(CanvasCursor::Arrow);
        }
        return;
    }
    if (e.button != Qt::LeftButton)
        return;
    if (Tool() == Tm::None) {
        drag_ = 0;
        SetCursor(CanvasCursor::Arrow);
        return;
    }
    if (IsDrawingTool())
        ReleaseDrawingTool(e);
    else
        ReleaseRasterTool(e);
}

void CanvasInteraction::RightPress(const PointerEvent&) {
    const GestureMode g = state_.gesture;
    if (g == GestureMode::DragPhoto || g == GestureMode::MoveMaterial || g == GestureMode::MoveAllMaterials) {
        SetGesture(GestureMode::None);
        drag_ = 0;
        SetCursor(CanvasCursor::Arrow);
        listener_.Notify(CanvasNotice::GestureEnded);
    } else if (g == GestureMode::PlacePicture) {
        // The next composition captures the placed picture and ends the gesture.
        state_.commitPlacement = true;
        listener_.RepaintCanvas();
    }
    if (Tool() == Tm::None)
        return;
    EraseBand();
    StopFlashing();
    if (Tool() == Tm::StickerSelection && selectionMade_) {
        // The selection becomes the kept photo.
        raster_.CommitKeep();
        selectionMade_ = false;
    }
    state_.toolMode = Tm::None;
    items_.EndItem();
    stage_ = 0;
    pointCount_ = 0;
    closing_ = QRect();
    altSample_ = false;
    outlineShown_ = false;
    SetCursor(CanvasCursor::Arrow);
    listener_.Notify(CanvasNotice::ToolEnded);
    listener_.RepaintCanvas();
}

void CanvasInteraction::MiddlePress(const PointerEvent& e) {
    const auto t = Tool();
    if (t == Tm::MagicWand) {
        raster_.UndoWand();
        listener_.RepaintCanvas();
        return;
    }
    if (IsPolygonSelection()) {
        if (raster_.Polygon().Count() >= 2) {
            QPoint newLast;
            raster_.AddPolygonPoint(imaging::PolygonOp::StepBack, newLast);
            EraseBand();
            last_ = newLast;
            stage_ = 1;
            StartBand('L', newLast);
        } else {
            stage_ = -1;
        }
        listener_.RepaintCanvas();
        return;
    }
    if (t != Tm::None)
        return;
    // Gestures: the middle button drags the caption, or what the gesture moves
    // unless a material is selected (that one moves with the left button only).
    if (state_.gesture == GestureMode::None && caption_.Hit(e.pos.x(), e.pos.y()))
        drag_ = 9;
    else if (!materials_.SelectedIsShown())
        drag_ = 19;
    last_ = e.pos;
    down_ = e.pos;
}

void CanvasInteraction::Wheel(int steps) {
    if (state_.gesture == GestureMode::PlacePicture) {
        WheelGesture22(steps);
        return;
    }
    if (state_.gesture == GestureMode::MoveMaterial) {
        WheelMaterial(steps);
        return;
    }
    if (state_.gesture == GestureMode::None && IsBrushTool())
        WheelBrush(steps);
}

void CanvasInteraction::WheelGesture22(int steps) {
    if (state_.wheelAction == WheelAction::Rotate) {
        if (steps == 0)
            return;
        raster_.RotatePlacement(steps > 0 ? imaging::RotateOp::Up : imaging::RotateOp::Down);
        listener_.RepaintCanvas();
        return;
    }
    const double f = steps > 0 ? kGrow : steps < 0 ? kShrink : 1.0;
    if (raster_.ScalePlacement(f))
        listener_.RepaintCanvas();
}

void CanvasInteraction::WheelMaterial(int steps) {
    if (!canvas_ || !materials_.SelectedIsShown())
        return;
    if (materials_.ScaleMaterial(materials_.Selected(), steps, canvas_->Width()))
        listener_.RepaintCanvas();
}

void CanvasInteraction::WheelBrush(int steps) {
    if (steps == 0)
        return;
    raster_.StepBrushRadius(steps > 0 ? imaging::RadiusOp::Up : imaging::RadiusOp::Down);
    // The outline comes back with the new radius at the next move.
    HideBrushOutline();
    SetCursor(RadiusCursor());
}

ShiftOutcome CanvasInteraction::ShiftKey() {
    if (state_.gesture == GestureMode::PlacePicture) {
        state_.wheelAction =
            state_.wheelAction == WheelAction::Scale ? WheelAction::Rotate : WheelAction::Scale;
        return ShiftOutcome::WheelActionFlipped;
    }
    if (Tool() == Tm::StickerSelection) {
        raster_.CycleEdgeStyle();
        SetCursor(StickerCursor());
        return ShiftOutcome::EdgeStyleStepped;
    }
    return ShiftOutcome::Nothing;
}

// ---- Drawing tools ----

void CanvasInteraction::PressDrawingTool(const PointerEvent& e) {
    const auto t = Tool();
    const QPoint here = e.pos;
    if (t == Tm::Freehand) {
        last_ = here;
        stage_ = 1;
        return;
    }
    if (t == Tm::Rectangle || t == Tm::Circle || t == Tm::Arrow) {
        const char band = t == Tm::Rectangle ? 'R' : t == Tm::Circle ? 'C' : 'A';
        const char item = t == Tm::Rectangle ? 'B' : t == Tm::Circle ? 'C' : 'E';
        if (stage_ <= 0) {
            first_ = here;
            stage_ = 1;
            StartBand(band, here);
        } else if (stage_ == 2) {
            FinishShape(item, here);
        }
        return;
    }
    // Polyline and polygon area collect clicked points.
    if (stage_ <= 0) {
        first_ = here;
        last_ = here;
        stage_ = 1;
        pointCount_ = 0;
        if (t == Tm::PolygonArea)
            closing_ = QRect(QPoint(here.x() - kAreaCloseReach, here.y() - kAreaCloseReach),
                             QSize(2 * kAreaCloseReach, 2 * kAreaCloseReach));
        StartBand('L', here);
        return;
    }
    if (stage_ != 2)
        return;
    EraseBand();
    if (t == Tm::PolygonArea && pointCount_ > 0 && closing_.contains(here)) {
        // A click in the square around the first point closes the area.
        items_.AddItemPoint(here.x(), here.y());
        items_.EndItem();
        state_.toolMode = Tm::None;
        stage_ = 0;
        pointCount_ = 0;
        closing_ = QRect();
        SetCursor(CanvasCursor::Arrow);
        // The closing click ends the tool: the window drops the tool's prompt.
        listener_.Notify(CanvasNotice::ToolEnded);
        listener_.RepaintCanvas();
        return;
    }
    if (pointCount_ == 0) {
        items_.BeginItem(t == Tm::PolygonArea ? 'D' : 'A');
        items_.AddItemPoint(first_.x(), first_.y());
    }
    items_.AddItemPoint(here.x(), here.y());
    if (canvas_)
        items_.DrawLastSegment(*canvas_);
    CanvasChanged(QRect(last_, here).normalized().adjusted(-4, -4, 4, 4));
    last_ = here;
    ++pointCount_;
    stage_ = 1;
    StartBand('L', here);
}

void CanvasInteraction::FinishShape(char itemKind, QPoint end) {
    // The arrow item takes the outline of the band as last drawn, so it is
    // made before the band is erased.
    if (itemKind == 'E') {
        items_.BeginItem('E');
        items_.EndItem();
        EraseBand();
    } else {
        EraseBand();
        items_.BeginItem(itemKind);
        items_.AddItemPoint(first_.x(), first_.y());
        items_.AddItemPoint(end.x(), end.y());
        items_.EndItem();
    }
    stage_ = 0;
    listener_.RepaintCanvas();
}

void CanvasInteraction::MoveDrawingTool(const PointerEvent& e) {
    SetCursor(CanvasCursor::DrawingTool);
    const QPoint here = e.pos;
    if (Tool() == Tm::Freehand) {
        if (!LeftHeld(e) || stage_ <= 0 || here == down_)
            return;
        if (stage_ == 1) {
            items_.BeginItem('A');
            items_.AddItemPoint(down_.x(), down_.y());
        }
        items_.AddItemPoint(here.x(), here.y());
        ++stage_;
        if (canvas_)
            items_.DrawLastSegment(*canvas_);
        CanvasChanged(QRect(last_, here).normalized().adjusted(-4, -4, 4, 4));
        last_ = here;
        return;
    }
    if (stage_ >= 1) {
        stage_ = 2;
        DrawBand(here, 1);
    }
}

void CanvasInteraction::ReleaseDrawingTool(const PointerEvent& e) {
    const auto t = Tool();
    if (t == Tm::Freehand) {
        if (stage_ > 0)
            items_.EndItem();
        stage_ = 0;
        return;
    }
    if ((t == Tm::Rectangle || t == Tm::Circle || t == Tm::Arrow) && stage_ == 2 &&
        Distance(first_, e.pos) >= kMinimumDrag)
        FinishShape(t == Tm::Rectangle ? 'B' : t == Tm::Circle ? 'C' : 'E', e.pos);
}

// ---- Polygon selections ----

void CanvasInteraction::PressPolygonSelection(const PointerEvent& e) {
    const QPoint here = e.pos;
    if (stage_ <= 0) {
        stage_ = 1;
        last_ = here;
        QPoint p = here;
        raster_.AddPolygonPoint(imaging::PolygonOp::Clear, p);
        raster_.AddPolygonPoint(imaging::PolygonOp::Click, p);
        const int reach = imaging::WorkPolygon::kCloseReach;
        closing_ = QRect(here.x() - reach, here.y() - reach, 2 * reach, 2 * reach);
        if (canvas_) {
            canvas_->Draw3dFrame(here.x() - reach, here.y() - reach, here.x() + reach, here.y() + reach,
                                 imaging::RasterDocument::kCloseMarkTopLeft,
                                 imaging::RasterDocument::kCloseMarkBottomRight);
            CanvasChanged(closing_.adjusted(-1, -1, 1, 1));
        }
        StartBand('L', here);
        return;
    }
    if (stage_ != 2)
        return;
    EraseBand();
    stage_ = 1;
    last_ = here;
    QPoint p = here;
    if (raster_.AddPolygonPoint(imaging::PolygonOp::Click, p) == imaging::WorkPolygon::kClosed) {
        ClosePolygonSelection();
        return;
    }
    StartBand('L', here);
    listener_.RepaintCanvas();
}

void CanvasInteraction::ClosePolygonSelection() {
    const auto t = Tool();
    state_.toolMode = Tm::None;
    raster_.SetToolMode(Tm::None);
    if (t == Tm::RemovePolygon) {
        raster_.FillWorkPolygon(imaging::FillAction::Remove);
    } else if (t == Tm::KeepPolygon) {
        raster_.FillWorkPolygon(imaging::FillAction::Keep);
        raster_.CommitKeep();
    } else {
        raster_.FillWorkPolygon(imaging::FillAction::Spotlight);
    }
    stage_ = 0;
    closing_ = QRect();
    SetCursor(CanvasCursor::Arrow);
    listener_.Notify(CanvasNotice::ToolEnded);
    listener_.RepaintCanvas();
}

// ---- Raster tools ----

void CanvasInteraction::PressRasterTool(const PointerEvent& e) {
    const QPoint here = e.pos;
    switch (Tool()) {
    case Tm::Eraser:
    case Tm::LocalBrighten:
    case Tm::LocalDarken:
        HideBrushOutline();
        last_ = here;
        SetCursor(Tool() == Tm::Eraser ? RadiusCursor() : CanvasCursor::TonePressed);
        return;
    case Tm::MakeupBrush:
        HideBrushOutline();
        last_ = here;
        altSample_ = false;
        StopFlashing();
        if (e.alt) {
            altSample_ = true;
            StartAltFlash();
        } else {
            SetCursor(MakeupCursor(true));
        }
        return;
    case Tm::MagicWand:
        raster_.WandAt(here);
        listener_.RepaintCanvas();
        return;
    case Tm::StickerSelection:
        if (stage_ <= 0) {
            stage_ = 1;
            first_ = here;
            StartBand('C', here);
        } else if (stage_ == 2) {
            EraseBand();
            stage_ = 0;
        }
        return;
    case Tm::ChooseValidArea:
        if (stage_ <= 0) {
            first_ = here;
            stage_ = 1;
            StartBand('R', here);
        } else if (stage_ == 2) {
            if (std::abs(here.x() - first_.x()) >= kMinimumValidArea &&
                std::abs(here.y() - first_.y()) >= kMinimumValidArea) {
                raster_.SetValidArea(first_, here);
                EraseBand();
                stage_ = 0;
                state_.toolMode = Tm::None;
                SetCursor(CanvasCursor::Arrow);
                listener_.Notify(CanvasNotice::ToolEnded);
            }
            listener_.RepaintCanvas();
        }
        return;
    default:
        return;
    }
}

void CanvasInteraction::MoveRasterTool(const PointerEvent& e) {
    const QPoint here = e.pos;
    switch (Tool()) {
    case Tm::Eraser:
    case Tm::LocalBrighten:
    case Tm::LocalDarken:
        if (AnyHeld(e) || e.shift) {
            strokeMade_ = true;
            BrushStroke(last_, here, e.alt);
            last_ = here;
        } else {
            ShowBrushOutline(here);
        }
        if (Tool() == Tm::Eraser)
            SetCursor(LeftHeld(e) ? RadiusCursor() : CanvasCursor::Arrow);
        else
            SetCursor(LeftHeld(e) ? CanvasCursor::TonePressed : CanvasCursor::Arrow);
        return;
    case Tm::MakeupBrush:
        if (altSample_) {
            // A sample is pending: the cursor blinks until the button goes up.
            if (!timer_.Active())
                StartAltBlink();
            return;
        }
        SetCursor(MakeupCursor(AnyHeld(e)));
        if (!raster_.SampleTaken())
            return;
        if (AnyHeld(e) || e.shift) {
            strokeMade_ = true;
            BrushStroke(last_, here, e.alt);
            last_ = here;
        } else {
            ShowBrushOutline(here);
        }
        return;
    case Tm::MagicWand:
        SetCursor(CanvasCursor::MagicWand);
        return;
    case Tm::RemovePolygon:
    case Tm::KeepPolygon:
    case Tm::SpotlightPolygon:
        if (stage_ >= 1) {
            stage_ = 2;
            DrawBand(here, 1);
        }
        SetCursor(stage_ > 0 && closing_.contains(here) ? CanvasCursor::PolygonClose
                                                        : CanvasCursor::PolygonTool);
        return;
    case Tm::StickerSelection:
        if (LeftHeld(e) && stage_ >= 1) {
            stage_ = 2;
            DrawBand(here, 1);
        } else {
            SetCursor(StickerCursor());
        }
        return;
    case Tm::ChooseMagnifiedArea:
        SetCursor(CanvasCursor::PolygonTool);
        if (outlineShown_) {
            DrawBand(here, 1);
            raster_.SetMagnifierOrigin(here);
            listener_.Notify(CanvasNotice::MagnifierMoved);
        } else {
            items_.SetPreviewSize(boxSize_.width(), boxSize_.height());
            StartBand('r', here);
            DrawBand(here, 1);
            outlineShown_ = true;
        }
        return;
    case Tm::ChooseValidArea:
        SetCursor(CanvasCursor::PolygonTool);
        if (stage_ >= 1) {
            stage_ = 2;
            DrawBand(here, 1);
        }
        return;
    default:
        return;
    }
}

void CanvasInteraction::ReleaseRasterTool(const PointerEvent& e) {
    const QPoint here = e.pos;
    switch (Tool()) {
    case Tm::Eraser:
        SetCursor(CanvasCursor::Arrow);
        return;
    case Tm::LocalBrighten:
    case Tm::LocalDarken:
        raster_.ResetStrokeMask();
        SetCursor(CanvasCursor::Arrow);
        return;
    case Tm::MakeupBrush:
        raster_.ResetStrokeMask();
        StopFlashing();
        if (altSample_) {
            altSample_ = false;
            if (canvas_)
                raster_.TakeSamplePatch(*canvas_, down_);
        }
        if (raster_.SampleTaken()) {
            if (!strokeMade_ && here == down_ && canvas_) {
                raster_.ToneStroke(*canvas_, down_, down_, imaging::ToneStrokeOp::SingleDab);
                const int r = raster_.BrushRadius() + 12;
                CanvasChanged(QRect(down_.x() - r, down_.y() - r, 2 * r + 1, 2 * r + 1));
            }
            SetCursor(CanvasCursor::MakeupSampled);
        } else {
            SetCursor(CanvasCursor::MakeupNoSample);
        }
        return;
    case Tm::StickerSelection:
        if (stage_ == 2 && Distance(first_, here) >= kMinimumDrag) {
            EraseBand();
            strokeMade_ = true;
            selectionMade_ = true;
            raster_.SelectEllipse(first_.x(), first_.y(), here.x(), here.y(),
                                  e.alt ? imaging::SelectOp::Deselect : imaging::SelectOp::Select);
            stage_ = 0;
            listener_.RepaintCanvas();
        }
        return;
    case Tm::ChooseMagnifiedArea:
        state_.toolMode = Tm::None;
        SetCursor(CanvasCursor::Arrow);
        EraseBand();
        outlineShown_ = false;
        raster_.SetMagnifierOrigin(here);
        listener_.Notify(CanvasNotice::MagnifierChosen);
        return;
    default:
        return;
    }
}

void CanvasInteraction::BrushStroke(QPoint from, QPoint to, bool alt) {
    if (!canvas_)
        return;
    if (Tool() == Tm::Eraser)
        raster_.EraseStroke(*canvas_, from, to, alt ? imaging::EraseOp::Restore : imaging::EraseOp::Remove);
    else
        raster_.ToneStroke(*canvas_, from, to,
                           alt ? imaging::ToneStrokeOp::Inverse : imaging::ToneStrokeOp::Drag);
    // The brush reaches its radius around every point; the make-up dab reads a
    // patch of 23 x 23 around it.
    const int r = raster_.BrushRadius() + 12;
    CanvasChanged(QRect(from, to).normalized().adjusted(-r, -r, r, r));
}

void CanvasInteraction::ShowBrushOutline(QPoint at) {
    if (!outlineShown_) {
        StartBand('c', at);
        outlineShown_ = true;
    }
    DrawBand(at, raster_.BrushRadius());
}

void CanvasInteraction::HideBrushOutline() {
    if (outlineShown_ && bandKind_ == 'c')
        EraseBand();
    outlineShown_ = false;
}

// ---- Gestures ----

void CanvasInteraction::PressGesture(const PointerEvent& e) {
    const QPoint here = e.pos;
    down_ = here;
    switch (state_.gesture) {
    case GestureMode::PlacePicture:
    case GestureMode::MoveAllMaterials:
        drag_ = 19;
        break;
    case GestureMode::DragPhoto:
        if (PhotoLoaded())
            drag_ = 19;
        break;
    case GestureMode::MoveMaterial:
        if (materials_.SelectedIsShown())
            drag_ = 19;
        break;
    case GestureMode::None:
        if (caption_.Hit(here.x(), here.y()))
            drag_ = 9;
        break;
    }
    last_ = here;
}

void CanvasInteraction::MoveGesture(const PointerEvent& e) {
    const QPoint here = e.pos;
    const int dx = here.x() - last_.x(), dy = here.y() - last_.y();
    switch (state_.gesture) {
    case GestureMode::DragPhoto:
        SetCursor(CanvasCursor::GestureDrag);
        if (AnyHeld(e) && drag_ != 0 && PhotoLoaded() && (std::abs(dx) > 1 || std::abs(dy) > 1)) {
            raster_.MovePhoto(dx, dy);
            last_ = here;
            listener_.RepaintCanvas();
        }
        return;
    case GestureMode::PlacePicture:
        SetCursor(CanvasCursor::GestureDrag);
        if (AnyHeld(e) && drag_ != 0) {
            if (std::abs(dx) > 2 || std::abs(dy) > 2) {
                raster_.MovePlacement(dx, dy);
                last_ = here;
                listener_.RepaintCanvas();
            } else {
                drag_ = 1;
            }
        }
        return;
    case GestureMode::MoveMaterial:
        if (AnyHeld(e) && drag_ != 0) {
            if (std::abs(dx) > 1 || std::abs(dy) > 1) {
                if (canvas_)
                    materials_.MoveMaterial(materials_.Selected(), dx, dy,
                                            QSize(canvas_->Width(), canvas_->Height()));
                last_ = here;
                SetCursor(CanvasCursor::Hidden);
                listener_.RepaintCanvas();
            }
        } else {
            SetCursor(CanvasCursor::GestureDrag);
        }
        return;
    case GestureMode::MoveAllMaterials:
        if (drag_ == 19)
            drag_ = 119;
        if (AnyHeld(e) && drag_ != 0) {
            if (std::abs(dx) < 3 && std::abs(dy) < 3)
                return;
            materials_.MoveAllMaterials(dx, dy);
            last_ = here;
            SetCursor(CanvasCursor::Hidden);
            listener_.RepaintCanvas();
        } else {
            SetCursor(CanvasCursor::GestureDrag);
        }
        return;
    case GestureMode::None:
        if (drag_ == 9 && AnyHeld(e)) {
            const int px = here.x() - down_.x(), py = here.y() - down_.y();
            if (std::abs(px) > 2 && std::abs(py) > 2) {
                caption_.CentreOn(here.x(), here.y());
                listener_.RepaintCanvas();
            }
        }
        return;
    }
}

// ---- Magnifier panel ----

QRect CanvasInteraction::PanelStrip(imaging::ScrollOp which) const {
    const imaging::IntRect v = raster_.MagnifierView();
    switch (which) {
    case imaging::ScrollOp::Left:
        return QRect(QPoint(v.left, v.top + 36), QPoint(v.left + 6 - 1, v.bottom - 36 - 1));
    case imaging::ScrollOp::Right:
        return QRect(QPoint(v.right - 6, v.top + 36), QPoint(v.right - 1, v.bottom - 36 - 1));
    case imaging::ScrollOp::Up:
        return QRect(QPoint(v.left + 26, v.top), QPoint(v.right - 26 - 1, v.top + 6 - 1));
    case imaging::ScrollOp::Down:
        return QRect(QPoint(v.left + 26, v.bottom - 6), QPoint(v.right - 26 - 1, v.bottom - 1));
    }
    return {};
}

CanvasCursor CanvasInteraction::PanelCursorAt(QPoint p) const {
    if (PanelStrip(imaging::ScrollOp::Left).contains(p))
        return CanvasCursor::StripLeft;
    if (PanelStrip(imaging::ScrollOp::Right).contains(p))
        return CanvasCursor::StripRight;
    if (PanelStrip(imaging::ScrollOp::Up).contains(p))
        return CanvasCursor::StripTop;
    if (PanelStrip(imaging::ScrollOp::Down).contains(p))
        return CanvasCursor::StripBottom;
    return cursor_;
}

QPoint CanvasInteraction::PanelCell(QPoint p) const {
    const imaging::IntRect v = raster_.MagnifierView();
    const int zoom = std::max(1, raster_.MagnifierZoom());
    return {(p.x() - v.left) / zoom, (p.y() - v.top) / zoom};
}

void CanvasInteraction::PanelPress(const PointerEvent& e) {
    if (e.button == Qt::LeftButton) {
        for (auto op : {imaging::ScrollOp::Left, imaging::ScrollOp::Right, imaging::ScrollOp::Up,
                        imaging::ScrollOp::Down}) {
            if (PanelStrip(op).contains(e.pos)) {
                if (raster_.ScrollMagnifier(op))
                    listener_.RepaintPanel();
                return;
            }
        }
    }
    const auto t = Tool();
    if (t == Tm::MagicWand) {
        if (e.button == Qt::LeftButton) {
            const imaging::IntRect v = raster_.MagnifierView();
            raster_.SetToolMode(t);
            raster_.WandAtMagnifier(QPoint(e.pos.x() - v.left, e.pos.y() - v.top));
        } else if (e.button == Qt::MiddleButton) {
            raster_.UndoWand();
        } else {
            return;
        }
        listener_.RepaintCanvas();
        listener_.RepaintPanel();
        return;
    }
    if (e.button != Qt::LeftButton)
        return;
    if (t == Tm::Eraser) {
        raster_.SetToolMode(t);
        panelDown_ = panelLast_ = e.pos;
        return;
    }
    if (t == Tm::MakeupBrush) {
        raster_.SetToolMode(t);
        panelDown_ = panelLast_ = e.pos;
        strokeMade_ = false;
        altSample_ = false;
        StopFlashing();
        if (e.alt) {
            altSample_ = true;
            StartAltFlash();
        } else {
            SetCursor(MakeupCursor(true));
        }
    }
}

void CanvasInteraction::PanelMove(const PointerEvent& e) {
    const auto t = Tool();
    if (!panel_ || !LeftHeld(e))
        return;
    const imaging::IntRect v = raster_.MagnifierView();
    if (t == Tm::Eraser) {
        raster_.EraseMagnifierStroke(*panel_, PanelCell(panelLast_), PanelCell(e.pos),
                                     e.alt ? imaging::EraseOp::Restore : imaging::EraseOp::Remove);
        PanelChanged(QRect(panelLast_, e.pos).normalized().adjusted(-8, -8, 8, 8) &
                     QRect(QPoint(v.left, v.top), QPoint(v.right, v.bottom)));
        panelLast_ = e.pos;
        return;
    }
    if (t == Tm::MakeupBrush && raster_.SampleTaken() && !altSample_) {
        strokeMade_ = true;
        raster_.PencilMagnifierStroke(*panel_, PanelCell(panelLast_), PanelCell(e.pos));
        PanelChanged(QRect(panelLast_, e.pos).normalized().adjusted(-8, -8, 8, 8));
        panelLast_ = e.pos;
    }
}

void CanvasInteraction::PanelRelease(const PointerEvent& e) {
    if (e.button != Qt::LeftButton)
        return;
    const auto t = Tool();
    if (t == Tm::Eraser) {
        if (panel_)
            raster_.EraseMagnifierStroke(*panel_, PanelCell(panelLast_), PanelCell(e.pos),
                                         e.alt ? imaging::EraseOp::Restore : imaging::EraseOp::Remove);
        listener_.RepaintCanvas();
        listener_.RepaintPanel();
        return;
    }
    if (t == Tm::MakeupBrush) {
        raster_.ResetStrokeMask();
        StopFlashing();
        if (altSample_) {
            altSample_ = false;
            if (panel_)
                raster_.TakeSampleColour(*panel_, panelDown_);
        }
        SetCursor(raster_.SampleTaken() ? CanvasCursor::MakeupSampled : CanvasCursor::MakeupNoSample);
        listener_.RepaintCanvas();
    }
}

// ---- Painting ----

void CanvasInteraction::AfterCompose() {
    if (!canvas_)
        return;
    // The composition replaced what was on the surface; a band that is shown
    // goes back on top so that the next exclusive-or draw erases it.
    items_.ReapplyPreview(*canvas_);
}

// ---- Bands ----

void CanvasInteraction::StartBand(char kind, QPoint start) {
    items_.SetPreview(kind, start.x(), start.y());
    bandKind_ = kind;
    bandStart_ = start;
    bandEnd_ = start;
    bandOp_ = 0;
}

QRect CanvasInteraction::BandBox(QPoint end, int op) const {
    switch (bandKind_) {
    case 'c':
        return QRect(end.x() - op - 2, end.y() - op - 2, 2 * op + 5, 2 * op + 5);
    case 'r':
        return QRect(end.x() - 2, end.y() - 2, boxSize_.width() + 5, boxSize_.height() + 5);
    case 'A': {
        // The arrow's head reaches 0.15 x its length to either side.
        const int reach = Distance(bandStart_, end) / 6 + 3;
        return QRect(bandStart_, end).normalized().adjusted(-reach, -reach, reach, reach);
    }
    default:
        return QRect(bandStart_, end).normalized().adjusted(-2, -2, 2, 2);
    }
}

void CanvasInteraction::DrawBand(QPoint to, int op) {
    if (!canvas_)
        return;
    const bool wasShown = items_.PreviewShown();
    const QRect before = BandBox(bandEnd_, bandOp_);
    items_.DrawPreview(*canvas_, to.x(), to.y(), op);
    bandEnd_ = to;
    bandOp_ = op;
    const QRect after = BandBox(to, op);
    CanvasChanged(wasShown ? before.united(after) : after);
}

void CanvasInteraction::EraseBand() {
    if (!items_.PreviewShown())
        return;
    if (canvas_) {
        items_.DrawPreview(*canvas_, bandEnd_.x(), bandEnd_.y(), imaging::DrawingItemList::kEraseOnly);
        CanvasChanged(BandBox(bandEnd_, bandOp_));
    } else {
        imaging::CanvasSurface scratch(1, 1);
        items_.DrawPreview(scratch, 0, 0, imaging::DrawingItemList::kEraseOnly);
    }
}

void CanvasInteraction::CanvasChanged(const QRect& r) {
    if (canvas_)
        listener_.CanvasSurfaceChanged(r & QRect(0, 0, canvas_->Width(), canvas_->Height()));
}

void CanvasInteraction::PanelChanged(const QRect& r) {
    listener_.PanelSurfaceChanged(r);
}

// ---- Cursors ----

void CanvasInteraction::SetCursor(CanvasCursor c) {
    if (c == cursor_)
        return;
    cursor_ = c;
    listener_.SetCursor(c);
}

CanvasCursor CanvasInteraction::RadiusCursor() const {
    const int r = raster_.BrushRadius();
    return r >= 9 ? CanvasCursor::Brush9 : r >= 6 ? CanvasCursor::Brush6 : CanvasCursor::Brush3;
}

CanvasCursor CanvasInteraction::MakeupCursor(bool buttonHeld) const {
    if (!raster_.SampleTaken())
        return CanvasCursor::MakeupNoSample;
    return buttonHeld ? CanvasCursor::MakeupPainting : CanvasCursor::MakeupSampled;
}

CanvasCursor CanvasInteraction::StickerCursor() const {
    switch (raster_.GetEdgeStyle()) {
    case imaging::EdgeStyle::Feather:
        return CanvasCursor::StickerFeather;
    case imaging::EdgeStyle::Bright:
        return CanvasCursor::StickerBright;
    default:
        return CanvasCursor::StickerPlain;
    }
}

// An Alt press flashes "no sample", "sample", "no sample" half a second each;
// afterwards, while the sample is pending, the cursor blinks every 250 ms.
void CanvasInteraction::StartAltFlash() {
    flashStep_ = 1;
    SetCursor(CanvasCursor::MakeupNoSample);
    timer_.Start(kAltFlashMs, [this] { TimerFired(); });
}

void CanvasInteraction::StartAltBlink() {
    flashStep_ = 3;
    blinkPhase_ = cursor_ != CanvasCursor::MakeupSampled;
    SetCursor(blinkPhase_ ? CanvasCursor::MakeupSampled : CanvasCursor::MakeupNoSample);
    timer_.Start(kAltBlinkMs, [this] { TimerFired(); });
}

void CanvasInteraction::StopFlashing() {
    timer_.Stop();
    flashStep_ = 0;
}

void CanvasInteraction::TimerFired() {
    if (!altSample_) {
        flashStep_ = 0;
        return;
    }
    switch (flashStep_) {
    case 1:
        flashStep_ = 2;
        SetCursor(CanvasCursor::MakeupSampled);
        timer_.Start(kAltFlashMs, [this] { TimerFired(); });
        return;
    case 2:
        flashStep_ = 0;
        SetCursor(CanvasCursor::MakeupNoSample);
        return;
    case 3:
        blinkPhase_ = !blinkPhase_;
        SetCursor(blinkPhase_ ? CanvasCursor::MakeupSampled : CanvasCursor::MakeupNoSample);
        timer_.Start(kAltBlinkMs, [this] { TimerFired(); });
        return;
    default:
        return;
    }
}

} // namespace vx7::editor
