#pragma once

#include "imaging/raster/CanvasSurface.h"

#include <QWidget>

#include <functional>

namespace vx7::editor {

class CanvasInteraction;

// The drawing surface of the editor: shows its memory surface and turns Qt's
// mouse events into calls of the canvas interaction. Composing the layers is
// the window's work (it knows them all); the canvas asks for it through
// compose before it paints when the picture is out of date.
class EditorCanvas : public QWidget {
    Q_OBJECT
  public:
    explicit EditorCanvas(QWidget* parent = nullptr);

    void SetInteraction(CanvasInteraction* interaction) { interaction_ = interaction; }
    // Called in the paint pass while a recomposition is pending; the first
    // call of all comes before anything is composed (the photo is loaded then).
    void SetCompose(std::function<void(imaging::CanvasSurface&)> compose) { compose_ = std::move(compose); }

    imaging::CanvasSurface& Surface() { return surface_; }
    // Composes anew at the next paint.
    void Recompose();
    // Composes now (for tests and captures), without waiting for a paint.
    void ComposeNow();
    bool RecomposePending() const { return dirty_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    imaging::CanvasSurface surface_;
    CanvasInteraction* interaction_ = nullptr;
    std::function<void(imaging::CanvasSurface&)> compose_;
    bool dirty_ = true;
};

} // namespace vx7::editor
