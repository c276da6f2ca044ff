#include "imaging/drawing/DrawingItemList.h"

#include "imaging/geometry/ArrowOutline.h"
#include "imaging/geometry/PolygonScan.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <vector>

namespace vx7::imaging {

DrawingItemList::DrawingItemList()
    : items_(std::make_unique<std::array<DrawingItem, kMaxItems>>()),
      points_(std::make_unique<std::array<QPoint, kMaxPoints>>()) {}

DrawingItemList::~DrawingItemList() = default;

void DrawingItemList::ClearItems() {
    itemCount_ = 0;
    pointCount_ = 0;
    // The active item is gone with the others; stray points must not reach a stale entry.
    active_ = -1;
}

void DrawingItemList::BeginItem(char kind) {
    if (itemCount_ >= kMaxItems) {
        // Item 1201 is ignored, and so are the points meant for it.
        active_ = -1;
        return;
    }
    DrawingItem& item = (*items_)[static_cast<size_t>(itemCount_)];
    item = DrawingItem{};
    item.kind = kind;
    item.spare = ' ';
    item.style = 'A';
    item.width = static_cast<std::uint8_t>(width_ & 0xFF);
    item.colour = colour_;
    item.firstPoint = -1;
    item.pointCount = 0;
    active_ = itemCount_++;
    if (kind == 'E')
        for (int i = 0; i < preview_.arrowCount; ++i)
            AddItemPoint(preview_.arrow[static_cast<size_t>(i)].x(),
                         preview_.arrow[static_cast<size_t>(i)].y());
}

void DrawingItemList::AddItemPoint(int x, int y) {
    if (active_ < 0 || active_ >= itemCount_ || pointCount_ >= kMaxPoints)
        return;
    DrawingItem& item = (*items_)[static_cast<size_t>(active_)];
    (*points_)[static_cast<size_t>(pointCount_)] = QPoint(x, y);
    if (item.firstPoint == -1)
        item.firstPoint = pointCount_;
    ++item.pointCount;
    ++pointCount_;
}

void DrawingItemList::DeleteLastItem() {
    if (itemCount_ <= 0)
        return;
    --itemCount_;
    // Deleting the item being drawn ends it.
    if (active_ >= itemCount_)
        active_ = -1;
}

int DrawingItemList::PenWidth(std::uint8_t width) {
    const int w = static_cast<std::int8_t>(width);
    if (w <= 0)
        return 1;
    if (w == 127)
        return 126;
    return w;
}

namespace {

QPen ItemPen(const DrawingItem& item) {
    const int width = DrawingItemList::PenWidth(item.width);
    QPen pen(QColor::fromRgb(item.colour.ToQRgb()));
    pen.setWidth(width);
    // Patterned lines exist for thin pens only; wider ones are solid.
    if (width <= 1 && item.style == 'C')
        pen.setStyle(Qt::DashLine);
    else if (width <= 1 && item.style == 'B')
        pen.setStyle(Qt::DotLine);
    else
        pen.setStyle(Qt::SolidLine);
    pen.setCapStyle(width <= 1 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

} // namespace

void DrawingItemList::DrawFilledPolygon(QPainter& painter, const DrawingItem& item) const {
    const int count = std::min(item.pointCount, kMaxFilledPoints);
    std::vector<PolygonSpan> spans;
    ScanPolygon(points_->data() + item.firstPoint, count, kMaxFilledEdges, -32768, 32768, spans);
    // Each run is a line from its first column to its end column; a thin pen
    // (flat cap) stops short of the end like the scan's half-open runs, wider
    // pens overlap the neighbouring rows.
    for (const PolygonSpan& s : spans)
        painter.drawLine(s.first, s.row, s.end, s.row);
}

void DrawingItemList::DrawItems(CanvasSurface& canvas) const {
    if (canvas.Image().isNull())
        return;
    QPainter painter(&canvas.Image());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    for (int n = 0; n < itemCount_; ++n) {
        const DrawingItem& item = (*items_)[static_cast<size_t>(n)];
        if (item.pointCount < 2 || item.firstPoint < 0 || item.firstPoint + item.pointCount > pointCount_)
            continue;
        const QPoint* p = points_->data() + item.firstPoint;
        painter.setPen(ItemPen(item));
        switch (item.kind) {
        case 'A':
            painter.drawPolyline(p, item.pointCount);
            break;
        case 'B': {
            const int left = std::min(p[0].x(), p[1].x()), right = std::max(p[0].x(), p[1].x());
            const int top = std::min(p[0].y(), p[1].y()), bottom = std::max(p[0].y(), p[1].y());
            const QPoint outline[] = {
                {left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
            painter.drawPolyline(outline, 5);
            break;
        }
        case 'C': {
            const int left = std::min(p[0].x(), p[1].x()), right = std::max(p[0].x(), p[1].x());
            const int top = std::min(p[0].y(), p[1].y()), bottom = std::max(p[0].y(), p[1].y());
            // The outline stays inside the box, whose right and bottom are exclusive.
            painter.drawEllipse(
                QRect(left, top, std::max(right - left - 1, 0), std::max(bottom - top - 1, 0)));
            break;
        }
        case 'D':
            if (n == active_) {
                painter.drawLine(p[0].x() - 4, p[0].y(), p[0].x() + 4, p[0].y());
                painter.drawLine(p[0].x(), p[0].y() - 4, p[0].x(), p[0].y() + 4);
                painter.drawPolyline(p, item.pointCount);
            } else {
                DrawFilledPolygon(painter, item);
            }
            break;
        case 'E':
            DrawFilledPolygon(painter, item);
            break;
        default:
            break;
        }
    }
}

void DrawingItemList::DrawLastSegment(CanvasSurface& canvas) const {
    if (active_ < 0 || active_ >= itemCount_ || canvas.Image().isNull())
        return;
    const DrawingItem& item = (*items_)[static_cast<size_t>(active_)];
    if (item.pointCount < 2 || item.firstPoint < 0)
        return;
    const int last = item.firstPoint + item.pointCount - 1;
    QPainter painter(&canvas.Image());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ItemPen(item));
    painter.drawLine((*points_)[static_cast<size_t>(last - 1)], (*points_)[static_cast<size_t>(last)]);
}

void DrawingItemList::SetPreview(char kind, int x, int y) {
    preview_.kind = kind;
    preview_.start = QPoint(x, y);
    preview_.shown = 0;
}

void DrawingItemList::SetPreviewSize(int width, int height) {
    preview_.width = width;
    preview_.height = height;
}

void DrawingItemList::DrawBand(CanvasSurface& canvas, const Preview& band) const {
    switch (band.kind) {
    case 'R':
    case 'r':
        canvas.XorRectangle(band.left, band.top, band.right, band.bottom, kBandColour);
        break;
    case 'C':
    case 'c':
        canvas.XorEllipse(band.left, band.top, band.right, band.bottom, kBandColour);
        break;
    case 'L':
        canvas.XorLine(band.start, band.end, kBandColour);
        break;
    case 'A':
        canvas.XorPolyline(band.arrow.data(), band.arrowCount, kBandColour);
        break;
    default:
        break;
    }
}

void DrawingItemList::DrawPreview(CanvasSurface& canvas, int x, int y, int op) {
    if (preview_.shown == kShown)
        DrawBand(canvas, preview_);
    if (op == kEraseOnly) {
        preview_.shown = 0;
        return;
    }
    x = std::clamp(x, -32768, 32767);
    y = std::clamp(y, -32768, 32767);
    Preview& b = preview_;
    b.end = QPoint(x, y);
    switch (b.kind) {
    case 'R':
    case 'C':
        b.left = b.start.x();
        b.top = b.start.y();
        b.right = x;
        b.bottom = y;
        break;
    case 'c': {
        const int r = std::clamp(op, 0, 32767);
        b.left = x - r;
        b.top = y - r;
        b.right = x + r;
        b.bottom = y + r;
        break;
    }
    case 'r':
        b.left = x;
        b.top = y;
        b.right = x + std::clamp(b.width, 0, 65535);
        b.bottom = y + std::clamp(b.height, 0, 65535);
        break;
    case 'A':
        b.arrow = ArrowOutline(b.start.x(), b.start.y(), x, y);
        b.arrowCount = kArrowPoints;
        break;
    default:
        break;
    }
    DrawBand(canvas, b);
    b.shown = kShown;
}

void DrawingItemList::ReapplyPreview(CanvasSurface& canvas) const {
    if (preview_.shown == kShown)
        DrawBand(canvas, preview_);
}

} // namespace vx7::imaging
