#pragma once

#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/Colour.h"

#include <QPoint>

#include <array>
#include <cstdint>
#include <memory>

class QPainter;
class QPen;

namespace vx7::imaging {

// One vector annotation. Its points are consecutive in the list's shared
// point array, because only the active item appends.
struct DrawingItem {
    char kind = 'A'; // 'A' polyline, 'B' rectangle, 'C' ellipse, 'D' polygon area, 'E' arrow
    char spare = ' ';
    char style = 'A'; // 'C' dashed pen, 'B' dotted pen, anything else solid
    std::uint8_t width = 0;
    Colour colour;
    int firstPoint = -1;
    int pointCount = 0;
};

// The editor's vector annotations and the rubber band shown while one is
// dragged out. Items are drawn over the photo at every paint; the band is
// drawn with an exclusive-or pen into the canvas surface so that drawing it
// again erases it.
class DrawingItemList {
  public:
    static constexpr int kMaxItems = 1200;
    static constexpr int kMaxPoints = 12000;
    static constexpr int kMaxFilledPoints = 180;
    static constexpr int kMaxFilledEdges = 161;
    static constexpr int kArrowPoints = 8;
    static constexpr int kEraseOnly = 99;
    static constexpr int kShown = 9;
    static constexpr Colour kBandColour = Colour(0x00F4F4F4u);

    DrawingItemList();
    ~DrawingItemList();
    DrawingItemList(const DrawingItemList&) = delete;
    DrawingItemList& operator=(const DrawingItemList&) = delete;

    void ClearItems();
    void SetItemWidth(int width) { width_ = width; }
    void SetItemColour(Colour colour) { colour_ = colour; }
    int ItemWidth() const { return width_; }
    Colour ItemColour() const { return colour_; }

    // Starts an item of the kind with the current width and colour; an arrow
    // ('E') takes the outline of the last arrow band at once. With 1200 items
    // held nothing is added and no item is active afterwards.
    void BeginItem(char kind);
    void AddItemPoint(int x, int y);
    void EndItem() { active_ = -1; }
    // Drops the last item; its points stay in the shared array until ClearItems.
    void DeleteLastItem();

    void DrawItems(CanvasSurface& canvas) const;
    // The line between the active item's last two points (freehand drawing).
    void DrawLastSegment(CanvasSurface& canvas) const;

    void SetPreview(char kind, int x, int y);
    void SetPreviewSize(int width, int height);
    // Erases the band on screen, then (unless op is 99) draws it to (x, y);
    // for kind 'c' op is the circle's radius.
    void DrawPreview(CanvasSurface& canvas, int x, int y, int op);
    // Draws the band on screen once more without changing state: after the
    // canvas was composed anew, this puts a shown band back so that the next
    // DrawPreview erases it.
    void ReapplyPreview(CanvasSurface& canvas) const;
    bool PreviewShown() const { return preview_.shown == kShown; }
    char PreviewKind() const { return preview_.kind; }

    int ItemCount() const { return itemCount_; }
    int PointCount() const { return pointCount_; }
    int ActiveItem() const { return active_; }
    const DrawingItem& Item(int index) const { return items_->at(static_cast<size_t>(index)); }
    QPoint Point(int index) const { return points_->at(static_cast<size_t>(index)); }
    const std::array<QPoint, kArrowPoints>& ArrowBand() const { return preview_.arrow; }
    int ArrowBandCount() const { return preview_.arrowCount; }

    // The pen of an item: width 0 or less drawn as 1, 127 as 126.
    static int PenWidth(std::uint8_t width);

  private:
    struct Preview {
        char kind = 'L';
        QPoint start;
        QPoint end;
        int left = 0, top = 0, right = 0, bottom = 0; // last rectangle or circle box
        int shown = 0;
        std::array<QPoint, kArrowPoints> arrow{};
        int arrowCount = 0;
        int width = 0, height = 0; // fixed size of kind 'r'
    };

    void DrawBand(CanvasSurface& canvas, const Preview& band) const;
    void DrawFilledPolygon(QPainter& painter, const DrawingItem& item) const;

    std::unique_ptr<std::array<DrawingItem, kMaxItems>> items_;
    std::unique_ptr<std::array<QPoint, kMaxPoints>> points_;
    int itemCount_ = 0;
    int pointCount_ = 0;
    int width_ = 2;
    Colour colour_ = Colour(0x000000FFu);
    int active_ = -1;
    Preview preview_;
};

} // namespace vx7::imaging
