#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

class QPainter;
class QFont;

namespace vx7::materials {
class MaterialCatalogue;
}

namespace vx7::editor {

class MaterialPictureCache;

// The material grid of the editor's right-hand panel: the items of the
// chosen group in cells of three columns, a page at a time.
class MaterialGrid {
  public:
    static constexpr int kColumns = 3;
    static constexpr int kCellWidth = 120;
    static constexpr int kCellHeight = 140;
    static constexpr int kCellTopMargin = 6;
    static constexpr int kFrameSide = 80;
    static constexpr int kPictureInset = 4;
    static constexpr int kPreviewInset = 2;
    // Items at or past this index of the package can be neither previewed nor placed.
    static constexpr int kPlaceableLimit = 160;

    static bool CanPlace(int itemIndex) { return itemIndex >= 0 && itemIndex < kPlaceableLimit; }

    // The painted area. Three 120-pixel columns need 360 pixels; a narrower
    // area gets narrower columns (a third of its width each) so no cell
    // spills over the canvas beside it.
    void SetArea(const QRect& area) { area_ = area; }
    QRect Area() const { return area_; }

    // The record indices to show; the page goes back to the first.
    void SetItems(std::vector<int> items);
    const std::vector<int>& Items() const { return items_; }

    int CellWidth() const;
    int Margin() const;
    int Rows() const { return area_.height() / kCellHeight; }
    int PageSize() const { return Rows() * kColumns; }
    int PageStart() const { return pageStart_; }
    bool HasPreviousPage() const { return pageStart_ > 0; }
    bool HasNextPage() const { return pageStart_ + PageSize() < static_cast<int>(items_.size()); }
    void PreviousPage();
    void NextPage();
    void FirstPage() { pageStart_ = 0; }

    // Cell k of the page (0 .. PageSize - 1), its picture frame and label.
    QRect Cell(int k) const;
    QRect PictureFrame(int k) const;
    QRect LabelRect(int k) const;
    // The record index shown in cell k, or -1 past the end of the list.
    int ItemInCell(int k) const;
    // The record index under p, or -1.
    int ItemAt(QPoint p) const;

    // The rectangle a picture of size takes inside box shrunk by inset:
    // scaled by the smaller of the two ratios and centred.
    static QRect FitInto(QSize picture, const QRect& box, int inset);
    // The label font for a cell `width` pixels wide: the given pixel size, or a smaller one
    // (down to 10 pixels) so that the label fits the cell.
    static QFont LabelFontFor(const QString& label, const QFont& font, int width);

    // Paints the grid: fill, frame, cells with framed pictures and labels.
    void Paint(QPainter& painter, const materials::MaterialCatalogue& catalogue,
               MaterialPictureCache& pictures, const QFont& font) const;
    // Paints the preview box with the picture fitted into it (nothing but the
    // fill and frame for a null picture).
    static void PaintPreview(QPainter& painter, const QRect& box, const QImage& picture);

  private:
    QRect area_;
    std::vector<int> items_;
    int pageStart_ = 0;
};

} // namespace vx7::editor
