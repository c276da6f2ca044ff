#pragma once

#include "imaging/raster/Colour.h"
#include "imaging/raster/PixelMask.h"
#include "imaging/raster/RasterCodes.h"
#include "imaging/raster/WorkPolygon.h"

namespace vx7::imaging {

class PhotoLayers;
class RingCrossing;

// Sticker selections: an ellipse marked on the photo, optionally with a ring
// around it that fades into the background (feather) or is drawn in a fading
// edge colour (bright).
class StickerEdges {
  public:
    EdgeStyle Style() const { return style_; }
    // A value outside the three styles leaves the style as it is.
    EdgeStyle SetStyle(EdgeStyle style);
    // Steps plain, feather, bright, plain ...
    EdgeStyle CycleStyle();
    Colour EdgeColour() const { return edgeColour_; }
    void SetEdgeColour(Colour c) { edgeColour_ = c; }
    // Width of the last ring: a sixth of the smaller half-axis.
    int FeatherWidth() const { return featherWidth_; }

    // Marks the ellipse inscribed in the box (Select) or turns it back to kept
    // pixels (Deselect). With a feather or bright style, a selection wider than
    // a ring of 2 pixels also gets its ring. polygon ends up holding the last
    // ellipse filled, or empty with the plain style.
    void SelectEllipse(PhotoLayers& layers, WorkPolygon& polygon, int x1, int y1, int x2, int y2,
                       SelectOp op);

  private:
    void FillEllipse(PhotoLayers& layers, const WorkPolygon& polygon, PixelMask code) const;
    void FillRing(PhotoLayers& layers, const WorkPolygon& polygon) const;
    void BlendRingPixel(PhotoLayers& layers, int canvasX, int canvasY, int column, int row,
                        const RingCrossing& crossing) const;

    EdgeStyle style_ = EdgeStyle::Plain;
    Colour edgeColour_ = Colour(0x00FFFFFFu);
    WorkPolygon innerEllipse_;
    int featherWidth_ = 0;
    int ringX_ = 0, ringY_ = 0;
};

} // namespace vx7::imaging
