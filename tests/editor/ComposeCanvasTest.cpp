#include "editor/document/ComposeCanvas.h"
#include "EditorTestInstall.h"
#include "editor/document/CanvasCaption.h"
#include "editor/document/EditorState.h"
#include "editor/document/MaterialGrid.h"
#include "editor/document/MaterialPictureCache.h"
#include "editor/document/MaterialSlots.h"
#include "imaging/drawing/DrawingItemList.h"
#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/RasterDocument.h"
#include "materials/MaterialCatalogue.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

using namespace vx7;
using editor::CanvasLayers;
using imaging::CanvasSurface;
using imaging::Colour;

namespace {

class ComposeCanvasTest : public ::testing::Test {
  protected:
    ComposeCanvasTest() : install(3), catalogue(install.folder.Path()) {
        catalogue.LoadPackage(test::EditorTestInstall::Category());
        caption.Reset(QString(), QDate(2011, 3, 5), 482);
        caption.SetText(QString());
    }

    CanvasLayers Layers() { return CanvasLayers{*raster, *items, table, catalogue, caption, pictures}; }

    CanvasSurface Compose(bool frame = true) {
        CanvasSurface surface(560, 482);
        editor::ComposeCanvas(surface, Layers(), state, frame);
        return surface;
    }

    // Puts package record `record` (item i is record i + 1) into its slot.
    int Place(int record) { return table.PlaceMaterial(catalogue, record, pictures); }

    test::EditorTestInstall install;
    materials::MaterialCatalogue catalogue;
    std::unique_ptr<imaging::RasterDocument> raster = std::make_unique<imaging::RasterDocument>();
    std::unique_ptr<imaging::DrawingItemList> items = std::make_unique<imaging::DrawingItemList>();
    editor::MaterialSlots table;
    editor::MaterialPictureCache pictures;
    editor::CanvasCaption caption;
    editor::EditorState state;
};

TEST_F(ComposeCanvasTest, SlotZeroLiesOnTopOfHigherSlots) {
    // Record 1 is item0 (slot 0, 200 x 100), record 2 is item1 (slot 1, 100 x 200); both start at (10, 20).
    ASSERT_EQ(Place(2), 1);
    ASSERT_EQ(Place(1), 0);
    const CanvasSurface s = Compose();
    const QRgb item0 = pictures.Picture(catalogue.MaterialPicturePath(1)).pixel(0, 0);
    const QRgb item1 = pictures.Picture(catalogue.MaterialPicturePath(2)).pixel(0, 0);
    // Slot 0 covers x 10..209, y 20..119; slot 1 (narrowed to 50 x 100) x 85..134, y 20..119.
    EXPECT_EQ(s.Image().pixel(100, 60) & 0xFFFFFF, item0 & 0xFFFFFF);
    EXPECT_NE(item0 & 0xFFFFFF, item1 & 0xFFFFFF);
}

TEST_F(ComposeCanvasTest, TransparentMaterialPixelsShowWhatLiesBelow) {
    // A picture with a transparent left half.
    QImage half(100, 100, QImage::Format_ARGB32);
    half.fill(Qt::transparent);
    QPainter(&half).fillRect(50, 0, 50, 100, QColor(0, 200, 0));
    half.save(catalogue.MaterialPicturePath(1));
    pictures.Clear();
    Place(1);
    const CanvasSurface s = Compose();
    const Colour background = raster->BackgroundColour();
    EXPECT_EQ(Colour::FromQRgb(s.Image().pixel(20, 60)), background);
    EXPECT_EQ(s.Image().pixel(90, 60) & 0xFFFFFF, 0x00C800u);
}

TEST_F(ComposeCanvasTest, CaptionIsDrawnAboveMaterialsAndRemembersItsRectangle) {
    Place(1); // slot 0 at (10, 20) 200 x 100
    caption.SetText(QStringLiteral("WWW"));
    caption.SetSize(QStringLiteral("60"));
    caption.SetColour(Colour::FromRgb(0, 0, 255));
    caption.SetPosition(20, 30);
    const CanvasSurface s = Compose();
    const QRect drawn = caption.DrawnRect();
    EXPECT_EQ(drawn.topLeft(), QPoint(20, 30));
    EXPECT_GT(drawn.width(), 60);
    int captionPixels = 0;
    for (int y = drawn.top(); y <= std::min(drawn.bottom(), 119); ++y)
        for (int x = drawn.left(); x <= std::min(drawn.right(), 209); ++x)
            captionPixels += (s.Image().pixel(x, y) & 0xFFFFFF) == 0x0000FFu;
    EXPECT_GT(captionPixels, 50);
    EXPECT_TRUE(caption.Hit(25, 35));
}

TEST_F(ComposeCanvasTest, DottedFrameLiesOnePixelOutsideTheValidAreaAndIsExclusiveOr) {
    const CanvasSurface framed = Compose(true);
    const CanvasSurface plain = Compose(false);
    const imaging::IntRect v = raster->ValidArea(); // (6, 6, 326, 246)
    const QRgb corner = plain.Image().pixel(v.left - 1, v.top - 1);
    EXPECT_EQ(framed.Image().pixel(v.left - 1, v.top - 1), (corner ^ 0xA6A6A6u) | 0xFF000000u);
    // Every changed pixel lies on the frame's outline, and the outline is dotted.
    int changed = 0;
    for (int y = 0; y < 482; ++y)
        for (int x = 0; x < 560; ++x)
            if (framed.Image().pixel(x, y) != plain.Image().pixel(x, y)) {
                ++changed;
                const bool onOutline =
                    ((x == v.left - 1 || x == v.right) && y >= v.top - 1 && y <= v.bottom) ||
                    ((y == v.top - 1 || y == v.bottom) && x >= v.left - 1 && x <= v.right);
                EXPECT_TRUE(onOutline) << x << "," << y;
            }
    const int outline = 2 * (v.right - v.left + 1) + 2 * (v.bottom - v.top + 1);
    EXPECT_EQ(changed, outline / 2);
    // Inside the valid area nothing of the frame shows.
    EXPECT_EQ(framed.Image().pixel(v.left, v.top), plain.Image().pixel(v.left, v.top));
}

TEST_F(ComposeCanvasTest, BackgroundPictureModeStartsFromTheLightBlueFill) {
    raster->SetBackgroundMode(imaging::BackgroundMode::Picture);
    const CanvasSurface s = Compose(false);
    EXPECT_EQ(s.Image().pixel(550, 470) & 0xFFFFFF, 0xC1D3F2u);
    raster->SetBackgroundMode(imaging::BackgroundMode::Colour);
    const CanvasSurface c = Compose(false);
    EXPECT_EQ(Colour::FromQRgb(c.Image().pixel(550, 470)), raster->BackgroundColour());
}

TEST_F(ComposeCanvasTest, ItemsOutsideThePackageAndUnreadablePicturesAreSkipped) {
    const int s = Place(1);
    table.MutableSlot(s)->itemIndex = 99;
    QFile::remove(catalogue.MaterialPicturePath(2));
    Place(2);
    const CanvasSurface surface = Compose(false);
    EXPECT_EQ(Colour::FromQRgb(surface.Image().pixel(100, 60)), raster->BackgroundColour());
}

TEST_F(ComposeCanvasTest, ScaledPictureCacheGivesTheSamePixels) {
    Place(1);
    Place(2);
    table.MutableSlot(0)->width = 157;
    table.MutableSlot(0)->height = 83;
    const CanvasSurface cached = Compose(false);
    pictures.SetCaching(false);
    const CanvasSurface uncached = Compose(false);
    EXPECT_EQ(cached.Image(), uncached.Image());
}

TEST(CanvasCaptionTest, DefaultCaptionIsTheDatePaddedAndSixtyPixelsFromTheBottomLeft) {
    editor::CanvasCaption caption;
    caption.Reset(QString(), QDate(2011, 3, 5), 482);
    EXPECT_EQ(caption.Text(), QStringLiteral("2011年 3月 5日"));
    EXPECT_EQ(caption.Size(), QStringLiteral("28"));
    EXPECT_EQ(caption.PixelHeight(), 28);
    EXPECT_EQ(caption.Colour().Value(), 0x00DEDEFFu);
    EXPECT_EQ(caption.X(), 60);
    EXPECT_EQ(caption.Y(), 422);
    caption.Reset(QStringLiteral("新店开张"), QDate(2011, 3, 5), 482);
    EXPECT_EQ(caption.Text(), QStringLiteral("新店开张"));
    caption.SetSize(QStringLiteral("abc"));
    EXPECT_EQ(caption.PixelHeight(), 0);
}

} // namespace

// The panel is narrower than three full cells, so long garment names must be fitted to
// their cell instead of running into the neighbouring cells and the panel's edge.
TEST(MaterialGridLabelTest, LongNamesFitTheirNarrowCells) {
    editor::MaterialGrid grid;
    grid.SetArea(QRect(578, 54, 292, 528));
    const int width = grid.LabelRect(2).width();
    ASSERT_LT(width, 120);
    QFont base;
    base.setPixelSize(13);
    for (const QString& name : {QStringLiteral("白色麻花高领毛衣"), QStringLiteral("海军条纹圆领毛衣"),
                                QStringLiteral("粉色宽松马海毛衣")}) {
        const QFont fitted = editor::MaterialGrid::LabelFontFor(name, base, width);
        EXPECT_LE(fitted.pixelSize(), 13);
        EXPECT_GE(fitted.pixelSize(), 10);
        const QString shown = QFontMetrics(fitted).elidedText(name, Qt::ElideRight, width);
        EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(shown), width) << name.toStdString();
    }
    // A short name keeps the normal label size.
    EXPECT_EQ(editor::MaterialGrid::LabelFontFor(QStringLiteral("大衣"), base, width).pixelSize(), 13);
    // The third column's label stays inside the panel.
    EXPECT_LE(grid.LabelRect(2).right(), grid.Area().right());
}
