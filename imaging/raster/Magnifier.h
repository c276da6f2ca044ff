#pragma once

#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/Colour.h"
#include "imaging/raster/PicturePlacement.h"
#include "imaging/raster/RasterCodes.h"

#include <QPoint>

namespace vx7::imaging {

class PhotoLayers;

// The magnifier: photo pixels shown as 7 x 7 cells with a grid in a view
// rectangle of its panel, from an origin pixel in the top-left cell.
class Magnifier {
  public:
    static constexpr int kZoom = 7;
    static constexpr Colour kFill = Colour(0x00DEDEDEu);
    static constexpr Colour kGrid = Colour(0x00808080u);

    void SetView(const IntRect& view) { view_ = view; }
    IntRect View() const { return view_; }
    // Visible columns and rows; scrolling moves by a third of them.
    void SetSize(int columns, int rows) {
        columns_ = columns;
        rows_ = rows;
    }
    // The top-left cell shows the photo pixel under the canvas point.
    void SetOrigin(QPoint canvasPoint, QPoint photoPosition);
    QPoint Origin() const { return {column_, row_}; }
    void ResetOrigin() { column_ = row_ = 0; }
    int Zoom() const { return zoom_; }

    // Paints the cells and the grid into the view rectangle of panel.
    void Paint(CanvasSurface& panel, const PhotoLayers& layers);
    // Repaints one cell (column and row counted from the top-left cell) when it
    // lies wholly inside the view.
    void PaintCell(CanvasSurface& panel, int column, int row, Colour colour) const;
    // Moves the origin by a third of the view while the photo continues that
    // way; returns whether it moved.
    bool Scroll(ScrollOp op, const PhotoLayers& layers);

    // The photo pixel (layer column and row) shown in a cell.
    QPoint CellToPixel(QPoint cell) const { return {cell.x() + column_, cell.y() + row_}; }
    // The cell under a point of the panel.
    QPoint CellAt(QPoint panelPoint) const;

  private:
    // Set to 7 whenever the magnifier is drawn; starts at 7 so that a click
    // before the first paint maps to cells instead of dividing by zero.
    int zoom_ = kZoom;
    int column_ = 0, row_ = 0;
    IntRect view_{};
    int columns_ = 0, rows_ = 0;
};

} // namespace vx7::imaging
