#include "imaging/raster/Magnifier.h"

#include "imaging/raster/PhotoLayers.h"
#include "imaging/raster/RasterCoordinates.h"

#include <algorithm>

namespace vx7::imaging {

void Magnifier::SetOrigin(QPoint canvasPoint, QPoint photoPosition) {
    column_ = ClampCoordinate(canvasPoint.x()) - photoPosition.x();
    row_ = ClampCoordinate(canvasPoint.y()) - photoPosition.y();
}

QPoint Magnifier::CellAt(QPoint panelPoint) const {
    const int zoom = zoom_ > 0 ? zoom_ : kZoom;
    return {ClampCoordinate(panelPoint.x()) / zoom, ClampCoordinate(panelPoint.y()) / zoom};
}

void Magnifier::Paint(CanvasSurface& panel, const PhotoLayers& layers) {
    const IntRect& v = view_;
    panel.FillRect(v.left, v.top, v.right, v.bottom, kFill);
    zoom_ = kZoom;
    const int z = zoom_;
    const int firstRow = std::max(row_, 0);
    const int firstCol = std::max(column_, 0);
    int rowsDrawn = 0, colsDrawn = 0;
    for (int row = firstRow; row < layers.PhotoHeight(); ++row) {
        const int cellY = v.top + (row - row_) * z;
        if (cellY + z > v.bottom)
            break;
        int cols = 0;
        for (int col = firstCol; col < layers.PhotoWidth(); ++col) {
            const int cellX = v.left + (col - column_) * z;
            if (cellX + z > v.right)
                break;
            panel.FillRect(cellX, cellY, cellX + z, cellY + z, layers.ShownColour(col, row));
            ++cols;
        }
        colsDrawn = std::max(colsDrawn, cols);
        ++rowsDrawn;
    }
    if (rowsDrawn == 0 || colsDrawn == 0)
        return;
    // One-pixel grid along the bottom of every row and the right of every column.
    const int x0 = v.left + (firstCol - column_) * z;
    const int y0 = v.top + (firstRow - row_) * z;
    const int x1 = std::min(x0 + colsDrawn * z + 1, v.right);
    const int y1 = std::min(y0 + rowsDrawn * z + 1, v.bottom);
    for (int k = 1; k <= rowsDrawn; ++k) {
        const int y = y0 + k * z;
        if (y < v.bottom)
            panel.FillRect(x0, y, x1, y + 1, kGrid);
    }
    for (int k = 1; k <= colsDrawn; ++k) {
        const int x = x0 + k * z;
        if (x < v.right)
            panel.FillRect(x, y0, x + 1, y1, kGrid);
    }
}

void Magnifier::PaintCell(CanvasSurface& panel, int column, int row, Colour colour) const {
    const IntRect& v = view_;
    const long long z = zoom_;
    const long long left = v.left + column * z + 1, top = v.top + row * z + 1;
    const long long right = left + z - 1, bottom = top + z - 1;
    if (left < v.left || top < v.top || right > v.right || bottom > v.bottom)
        return;
    panel.FillRect(int(left), int(top), int(right), int(bottom), colour);
}

bool Magnifier::Scroll(ScrollOp op, const PhotoLayers& layers) {
    if (!layers.PhotoLoaded())
        return false;
    const int oldColumn = column_, oldRow = row_;
    const int columnStep = columns_ / 3, rowStep = rows_ / 3;
    switch (op) {
    case ScrollOp::Left:
        if (column_ > 0)
            column_ = std::max(column_ - columnStep, 0);
        break;
    case ScrollOp::Right:
        if (column_ + columns_ < layers.PhotoWidth())
            column_ += columnStep;
        break;
    case ScrollOp::Up:
        if (row_ > 0)
            row_ = std::max(row_ - rowStep, 0);
        break;
    case ScrollOp::Down:
        if (row_ + rows_ < layers.PhotoHeight())
            row_ += rowStep;
        break;
    }
    return column_ != oldColumn || row_ != oldRow;
}

} // namespace vx7::imaging
