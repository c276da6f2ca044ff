#include "editor/document/MaterialGrid.h"

#include "editor/document/MaterialPictureCache.h"
#include "materials/MaterialCatalogue.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vx7::editor {

namespace {

const QColor kGridFill(193, 211, 242);
const QColor kLabelColour(0, 90, 192);
const QColor kPreviewFill(200, 200, 200);
const QColor kFrameDark(66, 66, 66);
const QColor kFrameLight(233, 233, 233);
constexpr int kLabelHeight = 13;
constexpr int kSmallestLabelHeight = 10;

void Frame3d(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

void MaterialGrid::SetItems(std::vector<int> items) {
    items_ = std::move(items);
    pageStart_ = 0;
}

int MaterialGrid::CellWidth() const {
    return std::min(kCellWidth, std::max(1, area_.width() / kColumns));
}

int MaterialGrid::Margin() const {
    return (area_.width() - kColumns * CellWidth()) / 2;
}

void MaterialGrid::PreviousPage() {
    pageStart_ = std::max(0, pageStart_ - PageSize());
}

void MaterialGrid::NextPage() {
    if (HasNextPage())
        pageStart_ += PageSize();
}

QRect MaterialGrid::Cell(int k) const {
    const int c = k % kColumns;
    const int r = k / kColumns;
    const int left = area_.left() + Margin() + c * CellWidth();
    const int top = area_.top() + r * kCellHeight + kCellTopMargin;
    return QRect(left, top, CellWidth(), kCellHeight - kCellTopMargin);
}

QRect MaterialGrid::PictureFrame(int k) const {
    const QRect cell = Cell(k);
    // (A + 20, T, A + 100, T + 80) in a full-width cell: the frame is centred.
    const int left = cell.left() + (CellWidth() - kFrameSide) / 2;
    return QRect(left, cell.top(), kFrameSide, kFrameSide);
}

QRect MaterialGrid::LabelRect(int k) const {
    const QRect cell = Cell(k);
    // (A, T + 85, A + 140, T + 110) in a full-width cell.
    const int width = CellWidth() == kCellWidth ? kCellWidth + 20 : CellWidth();
    return QRect(cell.left(), cell.top() + 85, width, 25);
}

int MaterialGrid::ItemInCell(int k) const {
    if (k < 0 || k >= PageSize())
        return -1;
    const int position = pageStart_ + k;
    return position < static_cast<int>(items_.size()) ? items_[static_cast<size_t>(position)] : -1;
}

int MaterialGrid::ItemAt(QPoint p) const {
    if (!area_.contains(p))
        return -1;
    for (int k = 0; k < PageSize(); ++k) {
        const QRect cell = Cell(k);
        if (QRect(cell.left(), cell.top() - kCellTopMargin, cell.width(), kCellHeight).contains(p))
            return ItemInCell(k);
    }
    return -1;
}

QFont MaterialGrid::LabelFontFor(const QString& label, const QFont& font, int width) {
    // A narrow panel gives cells narrower than a long name: the name is drawn a little
    // smaller rather than running into the neighbouring cells, and elided only when even
    // the smallest size does not fit.
    QFont fitted = font;
    for (int size = font.pixelSize(); size > kSmallestLabelHeight; --size) {
        fitted.setPixelSize(size);
        if (QFontMetrics(fitted).horizontalAdvance(label) <= width)
            return fitted;
    }
    fitted.setPixelSize(std::min(font.pixelSize(), kSmallestLabelHeight));
    return fitted;
}

QRect MaterialGrid::FitInto(QSize picture, const QRect& box, int inset) {
    const QRect inner = box.adjusted(inset, inset, -inset, -inset);
    if (picture.isEmpty() || inner.isEmpty())
        return {};
    const double f = std::min(static_cast<double>(inner.width()) / picture.width(),
                              static_cast<double>(inner.height()) / picture.height());
    const int w = std::max(1, static_cast<int>(picture.width() * f));
    const int h = std::max(1, static_cast<int>(picture.height() * f));
    return QRect(inner.left() + (inner.width() - w) / 2, inner.top() + (inner.height() - h) / 2, w, h);
}

void MaterialGrid::Paint(QPainter& painter, const materials::MaterialCatalogue& catalogue,
                         MaterialPictureCache& pictures, const QFont& font) const {
    painter.save();
    painter.fillRect(area_, kGridFill);
    painter.setPen(Qt::black);
    painter.drawRect(area_.adjusted(0, 0, -1, -1));
    QFont labelFont = font;
    labelFont.setPixelSize(kLabelHeight);
    painter.setFont(labelFont);
    painter.setClipRect(area_);
    for (int k = 0; k < PageSize(); ++k) {
        const int item = ItemInCell(k);
        if (item < 0)
            break;
        const QRect frame = PictureFrame(k);
        Frame3d(painter, frame, kFrameDark, Qt::white);
        Frame3d(painter, frame.adjusted(1, 1, -1, -1), Qt::gray, kFrameLight);
        const QString path = catalogue.MaterialPicturePath(item);
        const QImage& picture = pictures.Picture(path);
        if (!picture.isNull()) {
            const QRect target = FitInto(picture.size(), frame, kPictureInset);
            painter.drawImage(target, pictures.Scaled(path, target.size()));
        }
        const materials::MaterialRecord* record = catalogue.Record(item);
        const QString label =
            record ? (record->title.isEmpty() ? record->pictureName : record->title) : QString();
        const QRect labelRect = LabelRect(k);
        painter.setFont(LabelFontFor(label, labelFont, labelRect.width()));
        painter.setPen(kLabelColour);
        painter.drawText(labelRect, Qt::AlignHCenter | Qt::AlignTop,
                         QFontMetrics(painter.font()).elidedText(label, Qt::ElideRight, labelRect.width()));
    }
    painter.restore();
}

void MaterialGrid::PaintPreview(QPainter& painter, const QRect& box, const QImage& picture) {
    painter.save();
    painter.fillRect(box, kPreviewFill);
    Frame3d(painter, box, kFrameDark, kFrameLight);
    if (!picture.isNull()) {
        const QRect target = FitInto(picture.size(), box, kPreviewInset);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(target, picture);
    }
    painter.restore();
}

} // namespace vx7::editor
