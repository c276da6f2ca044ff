#pragma once

#include "editor/interaction/CanvasCodes.h"

#include <QRect>

namespace vx7::editor {

// What the canvas interaction asks of the widgets around it. The interaction
// never touches a widget; EditorCanvas and the editor window implement this.
class CanvasListener {
  public:
    virtual ~CanvasListener() = default;

    // The window's notification (handled one at a time by the window).
    virtual void Notify(CanvasNotice notice) = 0;
    // The canvas must be composed anew and shown (layers, items, materials, caption).
    virtual void RepaintCanvas() = 0;
    // Pixels of the canvas surface changed in place inside dirty (a stroke, a
    // rubber band): show them without composing anew.
    virtual void CanvasSurfaceChanged(const QRect& dirty) = 0;
    // The magnifier panel must be painted anew.
    virtual void RepaintPanel() = 0;
    // Pixels of the panel surface changed in place inside dirty.
    virtual void PanelSurfaceChanged(const QRect& dirty) = 0;
    // The cursor to show over the canvas (or over the panel after panel input).
    virtual void SetCursor(CanvasCursor cursor) = 0;
    // The middle button went up: release any cursor clipping.
    virtual void ReleaseCursorClip() {}
};

} // namespace vx7::editor
