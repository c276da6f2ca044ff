#pragma once

#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/PhotoLayers.h"
#include "imaging/raster/RasterCodes.h"

#include <QPoint>

#include <array>
#include <cstdint>
#include <memory>

namespace vx7::imaging {

class Magnifier;
class RasterBrush;
class WorkPolygon;

// The cut-out tools: they separate the subject from its background by changing
// the PixelMask only. Colours are never changed (except by the spotlight fill),
// so a removed pixel can be brought back.
class CutOutTools {
  public:
    CutOutTools();
    ~CutOutTools();
    CutOutTools(const CutOutTools&) = delete;
    CutOutTools& operator=(const CutOutTools&) = delete;

    // Remove marks the polygon's pixels removed, Keep marks them for keeping,
    // Spotlight brightens the kept ones by 1.3.
    void FillPolygon(PhotoLayers& layers, const WorkPolygon& polygon, FillAction action);

    // Commits the previous click's selection (pending becomes removed), then
    // selects as pending every kept pixel 8-connected to the one under the
    // canvas point whose channels all lie within 8 of it.
    void WandAt(PhotoLayers& layers, QPoint canvasPoint);
    // Pending pixels of the last click become kept again.
    void UndoWand(PhotoLayers& layers);
    // Kept pixels become removed, then marked pixels become kept.
    void CommitKeep(PhotoLayers& layers);
    // Low and high bound of red, green and blue of the last wand click.
    const std::array<int, 6>& WandBounds() const { return wandBounds_; }

    // Stamps the brush along the stroke: Remove shows the background, Restore
    // brings pixels back; the canvas shows the change at once.
    void EraseStroke(CanvasSurface& canvas, PhotoLayers& layers, RasterBrush& brush, QPoint from, QPoint to,
                     EraseOp op);
    // The same one pixel per magnifier cell, repainting the cell.
    void EraseMagnifierStroke(CanvasSurface& panel, PhotoLayers& layers, const Magnifier& magnifier,
                              QPoint fromCell, QPoint toCell, EraseOp op);

  private:
    static void ErasePixel(CanvasSurface* canvas, PhotoLayers& layers, int column, int row, EraseOp op);

    // The wand's pixels that may still join, one byte per photo pixel.
    std::unique_ptr<std::array<std::uint8_t, PhotoLayers::kPixelCapacity>> open_;
    std::array<int, 6> wandBounds_{};
};

} // namespace vx7::imaging
