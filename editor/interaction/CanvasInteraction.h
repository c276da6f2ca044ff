#pragma once

#include "editor/interaction/CanvasCodes.h"

#include "imaging/raster/RasterCodes.h"
#include "imaging/raster/ToolMode.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

namespace vx7::imaging {
class RasterDocument;
class DrawingItemList;
class CanvasSurface;
} // namespace vx7::imaging

namespace vx7::editor {

class MaterialSlots;
class CanvasCaption;
struct EditorState;
class CanvasListener;
class CursorTimer;
enum class GestureMode : int;

// One mouse event as the canvas or the panel received it, in that widget's
// own coordinates.
struct PointerEvent {
    QPoint pos;
    Qt::MouseButton button = Qt::NoButton; // the button that went down or up; none for a move
    Qt::MouseButtons buttons;              // buttons held after the event
    bool shift = false;
    bool alt = false;
};

// The mouse state machine of the editor canvas and its magnifier panel.
//
// Which edit a press makes depends on the tool mode and the gesture mode the
// editor's commands set. The interaction collects the points of lines and
// polygons, shows rubber bands, runs the raster tools of the RasterDocument,
// makes drawing items, moves pictures, materials and the caption, and says
// which cursor to show. It holds no widget: EditorCanvas and the panel turn Qt
// events into the calls below and apply the cursor and repaint requests that
// come back through the CanvasListener. Strokes draw straight into the canvas
// surface and report the changed rectangle, so a stroke step costs only the
// pixels it touches.
//
// The make-up brush flashes its cursor through the injected CursorTimer; no
// call ever waits.
class CanvasInteraction {
  public:
    // Everything the interaction works on; all must outlive it.
    struct Parts {
        imaging::RasterDocument& raster;
        imaging::DrawingItemList& items;
        MaterialSlots& materials;
        CanvasCaption& caption;
        EditorState& state; // the one home of the tool, the gesture, the commit mark and the wheel action
        CanvasListener& listener;
        CursorTimer& timer;
    };

    // The radius cursors of the brushes.
    static constexpr int kMinimumDrag = 11;        // shorter drags make no shape
    static constexpr int kAreaCloseReach = 3;      // polygon area: square around the first point
    static constexpr int kMinimumValidArea = 80;   // smallest valid-area box side
    static constexpr double kGrow = 1.0256;        // one wheel step away from the user
    static constexpr double kShrink = 0.975;       // one wheel step toward the user
    static constexpr int kAltFlashMs = 500;        // make-up cursor flash at an Alt press
    static constexpr int kAltBlinkMs = 250;        // make-up cursor blink while a sample is pending
    static constexpr int kMaterialLeftLimit = -90; // a centre left of this jumps to 0
    static constexpr int kMaterialTopLimit = -90;  // a centre above this stays here
    static constexpr int kCommitMark = 99;

    explicit CanvasInteraction(Parts parts);
    ~CanvasInteraction();
    CanvasInteraction(const CanvasInteraction&) = delete;
    CanvasInteraction& operator=(const CanvasInteraction&) = delete;

    // The memory surfaces the canvas and the magnifier panel show; they may
    // change when a widget is resized. Null until the widgets exist: input
    // that would draw is then ignored.
    void SetCanvasSurface(imaging::CanvasSurface* canvas);
    void SetPanelSurface(imaging::CanvasSurface* panel);
    // The magnifier box the canvas shows while the magnified area is chosen
    // (panel width / 6, panel height / 6).
    void SetMagnifierBoxSize(QSize size);

    // ---- Modes, set by the editor's commands ----

    // Starts a tool (in the editor state): a shown band is erased and the
    // stage, point count and pending sample restart. The RasterDocument
    // gets the mode at the next press (and at every paint).
    void SetToolMode(imaging::ToolMode mode);
    imaging::ToolMode ToolMode() const;
    imaging::ToolMode Tool() const { return ToolMode(); }
    // Starts or ends a gesture (in the editor state); also clears the commit mark.
    void SetGestureMode(GestureMode mode);
    GestureMode Gesture() const;
    // Ends whatever runs without notifying: tool and gesture 0, bands erased,
    // the current drawing item finished, arrow cursor.
    void EndTool();

    // ---- Canvas input (canvas coordinates) ----

    void Press(const PointerEvent& e);
    void Move(const PointerEvent& e);
    void Release(const PointerEvent& e);
    // One wheel notch, over the canvas or the panel: steps > 0 away from the
    // user, < 0 toward, 0 a zero step.
    void Wheel(int steps);
    // The Shift key, or a click on the status line in gesture 22 or in the
    // sticker selection. The window shows the prompt that goes with the result.
    ShiftOutcome ShiftKey();

    // ---- Magnifier panel input (panel surface coordinates) ----

    void PanelPress(const PointerEvent& e);
    void PanelMove(const PointerEvent& e);
    void PanelRelease(const PointerEvent& e);
    // The cursor over the panel at p: a scroll-strip cursor over a strip.
    CanvasCursor PanelCursorAt(QPoint p) const;

    // ---- Painting ----

    // 99 when the picture placed in gesture 22 is to be committed by the next
    // composition (set by the right button).
    int CommitMark() const;
    // Called by the composition after it committed the placement: clears the
    // mark, ends the gesture and notifies GestureEnded.
    void PlacementCommitted();
    // Called after the canvas was composed anew: puts back what is drawn on
    // top of the composition (a shown rubber band, the polygon's closing square).
    void AfterCompose();

    // ---- State, for the window and for tests ----

    CanvasCursor Cursor() const { return cursor_; }
    int ClickStage() const { return stage_; }
    int PointCount() const { return pointCount_; }
    QPoint FirstPoint() const { return first_; }
    QPoint LastPoint() const { return last_; }
    QPoint DownPoint() const { return down_; }
    // The square that closes the polygon being collected (empty when none).
    QRect ClosingSquare() const { return closing_; }
    bool AltSamplePending() const { return altSample_; }
    bool StrokeMade() const { return strokeMade_; }
    bool SelectionMade() const { return selectionMade_; }
    bool OutlineShown() const { return outlineShown_; }
    int DragState() const { return drag_; }
    // The scroll strips of the magnifier panel, from its view rectangle.
    QRect PanelStrip(imaging::ScrollOp which) const;

  private:
    // Canvas press by mode.
    void PressDrawingTool(const PointerEvent& e);
    void PressRasterTool(const PointerEvent& e);
    void PressPolygonSelection(const PointerEvent& e);
    void PressGesture(const PointerEvent& e);
    void MiddlePress(const PointerEvent& e);
    void RightPress(const PointerEvent& e);
    void MoveDrawingTool(const PointerEvent& e);
    void MoveRasterTool(const PointerEvent& e);
    void MoveGesture(const PointerEvent& e);
    void ReleaseDrawingTool(const PointerEvent& e);
    void ReleaseRasterTool(const PointerEvent& e);

    void WheelGesture22(int steps);
    void WheelMaterial(int steps);
    void WheelBrush(int steps);

    void ClosePolygonSelection();
    void FinishShape(char itemKind, QPoint end);
    void EraseBand();
    void DrawBand(QPoint to, int op);
    void ShowBrushOutline(QPoint at);
    void HideBrushOutline();
    void BrushStroke(QPoint from, QPoint to, bool alt);

    void TimerFired();
    void SetGesture(GestureMode mode);
    void StartAltFlash();
    void StartAltBlink();
    void StopFlashing();
    void SetCursor(CanvasCursor c);
    CanvasCursor RadiusCursor() const;
    CanvasCursor MakeupCursor(bool buttonHeld) const;
    CanvasCursor StickerCursor() const;
    bool IsBrushTool() const;
    bool IsPolygonSelection() const;
    bool IsDrawingTool() const;
    bool PhotoLoaded() const;
    QPoint PanelCell(QPoint p) const;
    QRect BandBox(QPoint end, int op) const;
    void StartBand(char kind, QPoint start);
    void CanvasChanged(const QRect& r);
    void PanelChanged(const QRect& r);

    imaging::RasterDocument& raster_;
    imaging::DrawingItemList& items_;
    MaterialSlots& materials_;
    CanvasCaption& caption_;
    EditorState& state_;
    CanvasListener& listener_;
    CursorTimer& timer_;
    imaging::CanvasSurface* canvas_ = nullptr;
    imaging::CanvasSurface* panel_ = nullptr;
    QSize boxSize_;

    int stage_ = 0;
    int pointCount_ = 0;
    QPoint first_, last_, down_;
    QPoint panelLast_, panelDown_;
    QRect closing_;
    bool outlineShown_ = false;
    int drag_ = 0;
    bool strokeMade_ = false;
    bool selectionMade_ = false; // a sticker selection was applied since the tool started
    bool altSample_ = false;
    bool blinkPhase_ = false;
    int flashStep_ = 0;
    CanvasCursor cursor_ = CanvasCursor::Arrow;
    // The band as last drawn, for the rectangle a redraw changes.
    char bandKind_ = 0;
    QPoint bandStart_, bandEnd_;
    int bandOp_ = 0;
};

} // namespace vx7::editor
