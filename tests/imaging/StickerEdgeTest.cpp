#include "ImagingFixture.h"

#include "imaging/geometry/EllipsePolygon.h"
#include "imaging/geometry/RingCrossing.h"
#include "imaging/raster/RasterDocument.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <memory>
#include <random>
#include <set>

using namespace vx7::imaging;
using vx7::test::LoadPicture;
using vx7::test::PictureFolder;
using vx7::test::SolidPicture;

// ---------------------------------------------------------------- ellipse polygon

struct EllipseCase {
    int rx, ry;
    int steps;
};

class EllipsePolygonTest : public ::testing::TestWithParam<EllipseCase> {};

TEST_P(EllipsePolygonTest, StepCountFollowsTheArcLengthTable) {
    const auto& c = GetParam();
    EXPECT_EQ(EllipseStepCount(EllipseAngleStep(c.rx, c.ry)), c.steps);
    const auto points = EllipsePolygon(200, 150, c.rx, c.ry);
    EXPECT_EQ(static_cast<int>(points.size()), c.steps + 2) << "first point, one per step, closing point";
    EXPECT_EQ(points.front(), points.back());
    EXPECT_EQ(points.front(), QPoint(200 + c.rx, 150));
}

INSTANTIATE_TEST_SUITE_P(Radii, EllipsePolygonTest,
                         ::testing::Values(EllipseCase{100, 40, 165}, EllipseCase{40, 100, 165},
                                           EllipseCase{6, 6, 25}, EllipseCase{3, 1, 49},
                                           EllipseCase{20, 10, 66}, EllipseCase{30, 15, 49}));

TEST(EllipsePolygonLimitTest, HugeEllipseStopsAfter860PointsAndStillCloses) {
    const auto points = EllipsePolygon(0, 0, 1000, 900);
    EXPECT_EQ(points.size(), 862u);
    EXPECT_EQ(points.front(), points.back());
}

TEST(EllipsePolygonLimitTest, ZeroAndNegativeRadiiGiveADegeneratePolygon) {
    EXPECT_EQ(EllipsePolygon(5, 5, 0, 0).size(), 2u);
    EXPECT_EQ(EllipsePolygon(5, 5, -10, -3).size(), 2u);
}

// ---------------------------------------------------------------- ring crossing

TEST(RingCrossingTest, BucketedSearchEqualsThePlainSearch) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> radius(12, 250), offset(-400, 400);
    for (int e = 0; e < 12; ++e) {
        const int a = radius(rng), b = radius(rng);
        const QPoint centre(300 + e, 200 - e);
        const auto polygon = EllipsePolygon(centre.x(), centre.y(), a, b);
        const RingCrossing finder(polygon, centre);
        for (int i = 0; i < 3000; ++i) {
            const int px = centre.x() + offset(rng) * a / 300, py = centre.y() + offset(rng) * b / 300;
            ASSERT_EQ(finder.Find(px, py), FindRingCrossing(polygon, centre, px, py))
                << "ellipse " << a << "x" << b << " pixel " << px << "," << py;
        }
        // Pixels on the axes and diagonals, where edges meet exactly at vertices.
        for (int d = -a - 20; d <= a + 20; ++d) {
            ASSERT_EQ(finder.Find(centre.x() + d, centre.y()),
                      FindRingCrossing(polygon, centre, centre.x() + d, centre.y()));
            ASSERT_EQ(finder.Find(centre.x(), centre.y() + d),
                      FindRingCrossing(polygon, centre, centre.x(), centre.y() + d));
            ASSERT_EQ(finder.Find(centre.x() + d, centre.y() + d),
                      FindRingCrossing(polygon, centre, centre.x() + d, centre.y() + d));
        }
    }
}

TEST(RingCrossingTest, CentreAndTooShortPolygonsHaveNoCrossing) {
    const auto polygon = EllipsePolygon(50, 50, 20, 20);
    EXPECT_FALSE(RingCrossing(polygon, {50, 50}).Find(50, 50));
    EXPECT_FALSE(RingCrossing({{1, 1}}, {50, 50}).Find(80, 50));
    const auto hit = RingCrossing(polygon, {50, 50}).Find(80, 50);
    ASSERT_TRUE(hit);
    EXPECT_EQ(*hit, QPoint(70, 50));
}

// ---------------------------------------------------------------- sticker selection

namespace {

class StickerEdgeTest : public ::testing::Test {
  protected:
    void Load(QRgb colour, int w = 300, int h = 240) {
        canvas = LoadPicture(*doc, folder, SolidPicture(w, h, colour), 400, 400);
        origin = doc->PhotoPosition();
    }
    int Count(PixelMask code) const {
        int n = 0;
        for (int r = 0; r < doc->PhotoHeight(); ++r)
            for (int c = 0; c < doc->PhotoWidth(); ++c)
                n += doc->MaskAt(c, r) == code;
        return n;
    }
    // Layer pixels inside the scan of the inscribed ellipse polygon of the box.
    std::set<std::pair<int, int>> InnerPixels(int x1, int y1, int x2, int y2) const {
        auto probe = std::make_unique<RasterDocument>();
        std::set<std::pair<int, int>> inside;
        // The plain style marks exactly the inner ellipse.
        probe->SetPhotoPath(doc->PhotoPath());
        CanvasSurface scratch(400, 400);
        probe->LoadPhotoCentred(scratch);
        probe->SelectEllipse(x1, y1, x2, y2, SelectOp::Select);
        for (int r = 0; r < probe->PhotoHeight(); ++r)
            for (int c = 0; c < probe->PhotoWidth(); ++c)
                if (probe->MaskAt(c, r) == PixelMask::Marked)
                    inside.insert({c, r});
        return inside;
    }

    std::unique_ptr<RasterDocument> doc = std::make_unique<RasterDocument>();
    PictureFolder folder;
    CanvasSurface canvas;
    QPoint origin;
};

} // namespace

TEST_F(StickerEdgeTest, EdgeStyleCyclesPlainFeatherBright) {
    EXPECT_EQ(doc->CycleEdgeStyle(), EdgeStyle::Feather);
    EXPECT_EQ(doc->CycleEdgeStyle(), EdgeStyle::Bright);
    EXPECT_EQ(doc->CycleEdgeStyle(), EdgeStyle::Plain);
    EXPECT_EQ(doc->SetEdgeStyle(EdgeStyle::Bright), EdgeStyle::Bright);
    EXPECT_EQ(doc->SetEdgeStyle(static_cast<EdgeStyle>('?')), EdgeStyle::Bright)
        << "unknown styles are ignored";
}

TEST_F(StickerEdgeTest, PlainSelectionMarksTheEllipseAndEmptiesThePolygon) {
    Load(qRgb(90, 90, 90));
    doc->SetPhotoPixel(150, 120, doc->PhotoColour(150, 120), PixelMask::Removed);
    doc->SelectEllipse(origin.x() + 100, origin.y() + 80, origin.x() + 200, origin.y() + 160,
                       SelectOp::Select);
    EXPECT_EQ(doc->MaskAt(150, 120), PixelMask::Marked) << "whatever its code was";
    EXPECT_EQ(doc->MaskAt(100, 80), PixelMask::Kept) << "the box corner is outside the ellipse";
    EXPECT_GT(Count(PixelMask::Marked), 5500); // about pi * 50 * 40
    EXPECT_LT(Count(PixelMask::Marked), 6700);
    EXPECT_EQ(doc->Polygon().Count(), 0);
    EXPECT_EQ(doc->PhotoColour(150, 120), Colour::FromRgb(90, 90, 90)) << "plain selection keeps colours";
    // Alt deselects: the same ellipse turns back to kept pixels.
    doc->SelectEllipse(origin.x() + 100, origin.y() + 80, origin.x() + 200, origin.y() + 160,
                       SelectOp::Deselect);
    EXPECT_EQ(Count(PixelMask::Marked), 0);
    EXPECT_EQ(doc->MaskAt(150, 120), PixelMask::Kept);
}

TEST_F(StickerEdgeTest, FeatherWidthIsASixthOfTheSmallerHalfSize) {
    Load(qRgb(0, 0, 0));
    doc->SetEdgeStyle(EdgeStyle::Feather);
    // 40 x 20: half sizes 20 and 10, width 1: no ring.
    doc->SelectEllipse(origin.x() + 10, origin.y() + 10, origin.x() + 50, origin.y() + 30, SelectOp::Select);
    EXPECT_EQ(doc->FeatherWidth(), 1);
    const auto inner40 = InnerPixels(origin.x() + 10, origin.y() + 10, origin.x() + 50, origin.y() + 30);
    EXPECT_EQ(Count(PixelMask::Marked), static_cast<int>(inner40.size()));
    EXPECT_GT(doc->Polygon().Count(), 0) << "the polygon is kept while the style is not plain";
}

TEST_F(StickerEdgeTest, FeatheredRingFadesIntoTheBackground) {
    Load(qRgb(0, 0, 0));
    doc->SetBackgroundColour(Colour::FromRgb(250, 250, 250));
    doc->SetEdgeStyle(EdgeStyle::Feather);
    const int x1 = origin.x() + 100, y1 = origin.y() + 100, x2 = origin.x() + 160, y2 = origin.y() + 130;
    doc->SelectEllipse(x1, y1, x2, y2, SelectOp::Select); // 60 x 30: width 2
    EXPECT_EQ(doc->FeatherWidth(), 2);
    EXPECT_GT(doc->Polygon().Count(), 0) << "the polygon is kept while the style is not plain";
    const auto inner = InnerPixels(x1, y1, x2, y2);
    int ring = 0;
    std::set<int> values;
    for (int r = 0; r < doc->PhotoHeight(); ++r)
        for (int c = 0; c < doc->PhotoWidth(); ++c) {
            if (doc->MaskAt(c, r) != PixelMask::Marked || inner.count({c, r}))
                continue;
            ++ring;
            const Colour col = doc->PhotoColour(c, r);
            EXPECT_EQ(col.Red(), col.Green());
            values.insert(col.Red());
        }
    EXPECT_GT(ring, 100);
    // Black blended with 250 by weight w: 25 * w; w = 10 gives the background exactly.
    for (int v : values)
        EXPECT_EQ(v % 25, 0) << v;
    EXPECT_TRUE(values.count(250)) << "outermost pixels take the background colour";
    for (const auto& [c, r] : inner)
        EXPECT_EQ(doc->PhotoColour(c, r), Colour(0)) << "inside the ellipse colours are kept";
}

TEST_F(StickerEdgeTest, BrightEdgeRunsFrom249To195) {
    Load(qRgb(10, 20, 30));
    doc->SetEdgeStyle(EdgeStyle::Bright);
    const int x1 = origin.x() + 30, y1 = origin.y() + 30, x2 = origin.x() + 270, y2 = origin.y() + 210;
    doc->SelectEllipse(x1, y1, x2, y2, SelectOp::Select); // half sizes 120 x 90: width 15
    EXPECT_EQ(doc->FeatherWidth(), 15);
    const auto inner = InnerPixels(x1, y1, x2, y2);
    std::set<int> values;
    for (int r = 0; r < doc->PhotoHeight(); ++r)
        for (int c = 0; c < doc->PhotoWidth(); ++c)
            if (doc->MaskAt(c, r) == PixelMask::Marked && !inner.count({c, r})) {
                const Colour col = doc->PhotoColour(c, r);
                EXPECT_EQ(col.Red(), col.Blue());
                values.insert(col.Red());
            }
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(*values.begin(), 195);
    EXPECT_EQ(*values.rbegin(), 249);
    for (int v : values)
        EXPECT_EQ((255 - v) % 6, 0) << v;
}

TEST_F(StickerEdgeTest, DeselectingWithAltMakesNoRing) {
    Load(qRgb(40, 40, 40));
    doc->SetEdgeStyle(EdgeStyle::Feather);
    doc->SelectEllipse(origin.x() + 50, origin.y() + 50, origin.x() + 200, origin.y() + 150,
                       SelectOp::Deselect);
    EXPECT_EQ(Count(PixelMask::Marked), 0);
    EXPECT_EQ(Count(PixelMask::Removed), 0);
    EXPECT_EQ(doc->PhotoColour(40, 100), Colour::FromRgb(40, 40, 40));
}

TEST_F(StickerEdgeTest, SelectionsFarOutsideTheLayerStayInBounds) {
    Load(qRgb(1, 1, 1), 40, 30);
    doc->SetEdgeStyle(EdgeStyle::Bright);
    doc->SelectEllipse(-100000, -100000, 100000, 100000, SelectOp::Select);
    doc->SelectEllipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX, SelectOp::Select);
    doc->SelectEllipse(origin.x() - 5, origin.y() - 5, origin.x() + 5, origin.y() + 5, SelectOp::Select);
    EXPECT_EQ(doc->Polygon().Count() <= WorkPolygon::kMaxGenerated, true);
}

// ---------------------------------------------------------------- spotlight

TEST_F(StickerEdgeTest, SpotlightBrightensOnlyKeptPixelsInsideThePolygon) {
    Load(qRgb(200, 100, 10));
    doc->SetPhotoPixel(20, 20, doc->PhotoColour(20, 20), PixelMask::Removed);
    for (QPoint p : {QPoint(10, 10), QPoint(50, 10), QPoint(50, 50), QPoint(10, 50), QPoint(10, 10)}) {
        QPoint q = origin + p;
        doc->AddPolygonPoint(PolygonOp::Click, q);
    }
    doc->FillWorkPolygon(FillAction::Spotlight);
    EXPECT_EQ(doc->PhotoColour(30, 30), Colour::FromRgb(255, 130, 13));
    EXPECT_EQ(doc->PhotoColour(20, 20), Colour::FromRgb(200, 100, 10)) << "removed pixels are unchanged";
    EXPECT_EQ(doc->PhotoColour(60, 30), Colour::FromRgb(200, 100, 10)) << "outside the polygon";
    EXPECT_EQ(doc->MaskAt(30, 30), PixelMask::Kept);
}
