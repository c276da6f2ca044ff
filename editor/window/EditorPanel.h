#pragma once

#include "imaging/raster/CanvasSurface.h"

#include <QWidget>

#include <functional>

namespace vx7::editor {

class CanvasInteraction;

// The right-hand panel: the magnifier of the photo (its own memory surface,
// which the magnifier tools draw on) or the material grid. Which one it shows
// and how each is painted is the window's; the panel forwards input.
class EditorPanel : public QWidget {
    Q_OBJECT
  public:
    explicit EditorPanel(QWidget* parent = nullptr);

    void SetInteraction(CanvasInteraction* interaction) { interaction_ = interaction; }
    // Paints the magnifier into the surface (magnifier view).
    void SetMagnifierPainter(std::function<void(imaging::CanvasSurface&)> paint) {
        paintMagnifier_ = std::move(paint);
    }
    // Paints the material grid (material view), in panel coordinates.
    void SetGridPainter(std::function<void(QPainter&)> paint) { paintGrid_ = std::move(paint); }
    // Left presses in material view, in panel coordinates.
    void SetGridClick(std::function<void(QPoint)> click) { gridClick_ = std::move(click); }
    // Right presses in magnifier view, at a screen point.
    void SetContextMenu(std::function<void(QPoint)> menu) { contextMenu_ = std::move(menu); }

    void SetMaterialView(bool on);
    bool MaterialView() const { return materialView_; }
    imaging::CanvasSurface& Surface() { return surface_; }
    // Paints the magnifier anew at the next paint.
    void Repaint();
    void RepaintNow();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    imaging::CanvasSurface surface_;
    CanvasInteraction* interaction_ = nullptr;
    std::function<void(imaging::CanvasSurface&)> paintMagnifier_;
    std::function<void(QPainter&)> paintGrid_;
    std::function<void(QPoint)> gridClick_;
    std::function<void(QPoint)> contextMenu_;
    bool materialView_ = false;
    bool dirty_ = true;
};

} // namespace vx7::editor
