#include "ImageCompare.h"
#include "ImagingFixture.h"

#include "imaging/drawing/DrawingItemList.h"
#include "imaging/geometry/ArrowOutline.h"
#include "imaging/geometry/PolygonScan.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vx7::imaging;

namespace {

class DrawingItemListTest : public ::testing::Test {
  protected:
    std::unique_ptr<DrawingItemList> list = std::make_unique<DrawingItemList>();
};

std::vector<QPoint> Outline(int x1, int y1, int x2, int y2) {
    const auto a = ArrowOutline(x1, y1, x2, y2);
    return {a.begin(), a.end()};
}

} // namespace

// ---------------------------------------------------------------- arrows

TEST(ArrowOutlineTest, LengthHundredAlongX) {
    EXPECT_EQ(
        Outline(0, 0, 100, 0),
        (std::vector<QPoint>{{0, -7}, {0, 7}, {70, 7}, {70, 15}, {100, 0}, {70, -15}, {70, -7}, {0, -7}}));
}

TEST(ArrowOutlineTest, LengthTenHasAZeroWideShaft) {
    EXPECT_EQ(Outline(0, 0, 10, 0),
              (std::vector<QPoint>{{0, 0}, {0, 0}, {7, 0}, {7, 1}, {10, 0}, {7, -1}, {7, 0}, {0, 0}}));
}

TEST(ArrowOutlineTest, ZeroLengthShaftHalfWidthBecomesOne) {
    const auto a = Outline(5, 5, 5, 5);
    // Direction 90 degrees: the shaft's +-1 across the arrow lies along x.
    EXPECT_EQ(a.front(), a.back());
    EXPECT_EQ(a[4], QPoint(5, 5)) << "the tip of a zero-length arrow is its tail";
}

TEST(ArrowOutlineTest, VerticalArrowsPointDownAt90AndUpAt270) {
    const auto down = Outline(0, 0, 0, 100);
    // The degree factor is slightly below pi / 180, so the tip falls just short of y = 100.
    EXPECT_EQ(down[4], QPoint(0, 99));
    EXPECT_GT(down[3].y(), 60);
    const auto up = Outline(0, 0, 0, -100);
    EXPECT_EQ(up[4], QPoint(0, -99));
    EXPECT_LT(up[3].y(), -60);
}

TEST(ArrowOutlineTest, LeftwardArrowMirrorsTheRightward) {
    const auto left = Outline(200, 50, 100, 50);
    EXPECT_EQ(left[4], QPoint(100, 50));
    EXPECT_NEAR(left[3].x(), 130, 1);
}

// ---------------------------------------------------------------- list

TEST_F(DrawingItemListTest, NewItemsTakeTheCurrentPenAndAppendToTheSharedPoints) {
    list->SetItemWidth(3);
    list->SetItemColour(Colour(0x00112233u));
    list->BeginItem('A');
    list->AddItemPoint(1, 2);
    list->AddItemPoint(3, 4);
    list->EndItem();
    ASSERT_EQ(list->ItemCount(), 1);
    const DrawingItem& item = list->Item(0);
    EXPECT_EQ(item.kind, 'A');
    EXPECT_EQ(item.spare, ' ');
    EXPECT_EQ(item.style, 'A');
    EXPECT_EQ(item.width, 3);
    EXPECT_EQ(item.colour.Value(), 0x00112233u);
    EXPECT_EQ(item.firstPoint, 0);
    EXPECT_EQ(item.pointCount, 2);
    list->AddItemPoint(9, 9);
    EXPECT_EQ(list->PointCount(), 2) << "no active item after EndItem";
}

TEST_F(DrawingItemListTest, DeletedItemsKeepTheirPointsUntilCleared) {
    list->BeginItem('A');
    for (int i = 0; i < 3; ++i)
        list->AddItemPoint(i, i);
    list->EndItem();
    list->DeleteLastItem();
    EXPECT_EQ(list->ItemCount(), 0);
    EXPECT_EQ(list->PointCount(), 3);
    list->BeginItem('B');
    list->AddItemPoint(10, 10);
    list->AddItemPoint(20, 20);
    EXPECT_EQ(list->Item(0).firstPoint, 3);
    list->DeleteLastItem();
    list->DeleteLastItem();
    EXPECT_EQ(list->ItemCount(), 0);
    list->AddItemPoint(1, 1);
    EXPECT_EQ(list->PointCount(), 5) << "deleting the active item ends it";
    list->ClearItems();
    EXPECT_EQ(list->PointCount(), 0);
}

TEST_F(DrawingItemListTest, ItemAndPointLimitsAreSilent) {
    for (int i = 0; i < 1300; ++i) {
        list->BeginItem('A');
        list->AddItemPoint(i, 0);
        list->AddItemPoint(i, 5);
        list->AddItemPoint(i, 9);
        list->AddItemPoint(i, 12);
        list->AddItemPoint(i, 20);
        list->AddItemPoint(i, 25);
        list->AddItemPoint(i, 30);
        list->AddItemPoint(i, 35);
        list->AddItemPoint(i, 40);
        list->AddItemPoint(i, 45);
        list->AddItemPoint(i, 50);
    }
    EXPECT_EQ(list->ItemCount(), 1200);
    EXPECT_EQ(list->PointCount(), 12000);
    EXPECT_EQ(list->Item(1090).pointCount, 10) << "the point array ran out during item 1091";
    EXPECT_EQ(list->Item(1199).pointCount, 0);
    CanvasSurface canvas(200, 100);
    list->DrawItems(canvas);
}

TEST_F(DrawingItemListTest, RefusedItemDoesNotLetPointsIntoThePreviousOne) {
    for (int i = 0; i < 1200; ++i)
        list->BeginItem('B');
    list->AddItemPoint(1, 1);
    list->AddItemPoint(2, 2);
    EXPECT_EQ(list->Item(1199).pointCount, 2);
    list->BeginItem('B'); // item 1201
    list->AddItemPoint(3, 3);
    list->AddItemPoint(4, 4);
    EXPECT_EQ(list->Item(1199).pointCount, 2);
    EXPECT_EQ(list->PointCount(), 2);
}

TEST_F(DrawingItemListTest, PenWidthClamps) {
    EXPECT_EQ(DrawingItemList::PenWidth(0), 1);
    EXPECT_EQ(DrawingItemList::PenWidth(1), 1);
    EXPECT_EQ(DrawingItemList::PenWidth(126), 126);
    EXPECT_EQ(DrawingItemList::PenWidth(127), 126);
    EXPECT_EQ(DrawingItemList::PenWidth(200), 1) << "a byte above 127 is a negative width";
}

TEST_F(DrawingItemListTest, ArrowItemTakesTheOutlineOfTheLastBand) {
    CanvasSurface canvas(200, 200);
    list->SetPreview('A', 10, 20);
    list->DrawPreview(canvas, 110, 20, 1);
    list->BeginItem('E');
    EXPECT_EQ(list->Item(0).pointCount, 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(list->Point(i), ArrowOutline(10, 20, 110, 20)[size_t(i)]);
}

// ---------------------------------------------------------------- drawing

TEST_F(DrawingItemListTest, RectangleDraggedEitherWayDrawsTheSameOutline) {
    auto other = std::make_unique<DrawingItemList>();
    CanvasSurface a(120, 120), b(120, 120);
    list->BeginItem('B');
    list->AddItemPoint(10, 15);
    list->AddItemPoint(90, 70);
    other->BeginItem('B');
    other->AddItemPoint(90, 70);
    other->AddItemPoint(10, 15);
    list->DrawItems(a);
    other->DrawItems(b);
    EXPECT_TRUE(vx7::test::ImagesNear(a.Image(), b.Image(), 0, QStringLiteral("rectangle_directions")));
    EXPECT_EQ(a.PixelAt(50, 15).Value(), 0x000000FFu) << "red top edge";
    EXPECT_EQ(a.PixelAt(50, 40).Value(), 0u) << "hollow";
}

TEST_F(DrawingItemListTest, ThinFilledArrowCoversExactlyTheScanSpans) {
    list->SetItemWidth(1);
    CanvasSurface canvas(200, 120, Colour(0));
    list->SetPreview('A', 20, 60);
    list->DrawPreview(canvas, 180, 60, 1);
    list->DrawPreview(canvas, 180, 60, DrawingItemList::kEraseOnly);
    list->BeginItem('E');
    list->EndItem();
    list->DrawItems(canvas);

    QImage expected(200, 120, QImage::Format_RGB32);
    expected.fill(0xFF000000);
    const auto outline = ArrowOutline(20, 60, 180, 60);
    std::vector<PolygonSpan> spans;
    ScanPolygon(outline.data(), 8, 161, -1000, 1000, spans);
    for (const auto& s : spans)
        for (int x = s.first; x < s.end; ++x)
            expected.setPixel(x, s.row, qRgb(255, 0, 0));
    EXPECT_TRUE(vx7::test::ImagesNear(canvas.Image(), expected, 0, QStringLiteral("filled_arrow")));
}

TEST_F(DrawingItemListTest, FreehandDrawsOnlyTheLastSegmentOfTheActiveItem) {
    CanvasSurface canvas(100, 100, Colour(0));
    list->SetItemWidth(1);
    list->DrawLastSegment(canvas); // no active item: nothing
    list->BeginItem('A');
    list->AddItemPoint(10, 10);
    list->DrawLastSegment(canvas); // one point: nothing
    list->AddItemPoint(50, 10);
    list->AddItemPoint(50, 60);
    list->DrawLastSegment(canvas);
    EXPECT_EQ(canvas.PixelAt(50, 30).Value(), 0x000000FFu);
    EXPECT_EQ(canvas.PixelAt(30, 10).Value(), 0u) << "earlier segments are not drawn again";
}

TEST_F(DrawingItemListTest, PolygonAreaShowsACrossWhileActiveAndFillsAfterwards) {
    CanvasSurface canvas(100, 100, Colour(0));
    list->SetItemWidth(1);
    list->BeginItem('D');
    for (QPoint p : {QPoint(20, 20), QPoint(80, 20), QPoint(80, 80), QPoint(20, 80), QPoint(21, 21)})
        list->AddItemPoint(p.x(), p.y());
    list->DrawItems(canvas);
    EXPECT_EQ(canvas.PixelAt(16, 20).Value(), 0x000000FFu) << "cross arm";
    EXPECT_EQ(canvas.PixelAt(50, 50).Value(), 0u) << "not filled while active";
    list->EndItem();
    list->DrawItems(canvas);
    EXPECT_EQ(canvas.PixelAt(50, 50).Value(), 0x000000FFu);
}

TEST_F(DrawingItemListTest, FilledPolygonUsesOnlyItsFirst180Points) {
    CanvasSurface canvas(300, 300, Colour(0));
    list->SetItemWidth(1);
    list->BeginItem('D');
    // 150 points close a square; 50 more wander off to the right and would add area.
    for (int i = 0; i < 150; ++i) {
        const int k = i % 4;
        list->AddItemPoint(k == 1 || k == 2 ? 100 : 10, k >= 2 ? 100 : 10);
    }
    list->AddItemPoint(10, 10);
    for (int i = 0; i < 49; ++i)
        list->AddItemPoint(250, 10 + (i % 2) * 200);
    list->EndItem();
    list->DrawItems(canvas);
    EXPECT_EQ(canvas.PixelAt(50, 50).Value(), 0x000000FFu);
    EXPECT_EQ(canvas.PixelAt(200, 50).Value(), 0u);
}

// ---------------------------------------------------------------- rubber bands

struct BandCase {
    char kind;
    int op;
};

class RubberBandTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(RubberBandTest, DrawingTheBandAgainErasesIt) {
    auto list = std::make_unique<DrawingItemList>();
    CanvasSurface canvas(QImage(vx7::test::PatternPicture(160, 120)));
    const QImage original = canvas.Image().copy();
    list->SetPreviewSize(40, 30);
    list->SetPreview(GetParam().kind, 30, 20);
    list->DrawPreview(canvas, 100, 90, GetParam().op);
    EXPECT_TRUE(list->PreviewShown());
    EXPECT_NE(canvas.Image(), original) << "the band is visible";
    list->DrawPreview(canvas, 150, 5, GetParam().op); // moved, partly off the canvas
    list->DrawPreview(canvas, 60, 60, GetParam().op);

    // The canvas is composed anew while the band is shown: the band is put back.
    const QImage shown = canvas.Image().copy();
    canvas = CanvasSurface(original);
    list->ReapplyPreview(canvas);
    EXPECT_TRUE(vx7::test::ImagesNear(canvas.Image(), shown, 0, QStringLiteral("band_reapplied")));

    list->DrawPreview(canvas, 0, 0, DrawingItemList::kEraseOnly);
    EXPECT_FALSE(list->PreviewShown());
    EXPECT_TRUE(vx7::test::ImagesNear(canvas.Image(), original, 0,
                                      QStringLiteral("band_erased_") + QChar::fromLatin1(GetParam().kind)));
}

INSTANTIATE_TEST_SUITE_P(Kinds, RubberBandTest,
                         ::testing::Values(BandCase{'R', 1}, BandCase{'C', 1}, BandCase{'L', 1},
                                           BandCase{'A', 1}, BandCase{'c', 9}, BandCase{'r', 1}),
                         [](const auto& info) {
                             return std::string(1, info.param.kind) +
                                    (info.param.kind == 'c' ? "circle" : "band");
                         });
