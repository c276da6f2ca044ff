#include "ImageCompare.h"
#include "ImagingFixture.h"

#include "imaging/geometry/BrushStamp.h"
#include "imaging/geometry/PolygonScan.h"
#include "imaging/raster/RasterDocument.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <random>
#include <set>

using namespace vx7::imaging;
using vx7::test::LoadPicture;
using vx7::test::PatternPicture;
using vx7::test::PictureFolder;
using vx7::test::SolidPicture;

namespace {

class CutOutTest : public ::testing::Test {
  protected:
    // A 100 x 80 photo at (50, 60) on a 300 x 300 canvas.
    void SetUp() override {
        canvas = LoadPicture(*doc, folder, PatternPicture(100, 80), 300, 300);
        ASSERT_EQ(doc->PhotoPosition(), QPoint(100, 110));
        doc->MovePhoto(-50, -50);
        ASSERT_EQ(doc->PhotoPosition(), QPoint(50, 60));
    }

    int Click(int x, int y) {
        QPoint p(x, y);
        return doc->AddPolygonPoint(PolygonOp::Click, p);
    }
    int Count(PixelMask code) const {
        int n = 0;
        for (int r = 0; r < doc->PhotoHeight(); ++r)
            for (int c = 0; c < doc->PhotoWidth(); ++c)
                n += doc->MaskAt(c, r) == code;
        return n;
    }
    void FillMask(PixelMask code) {
        for (int r = 0; r < doc->PhotoHeight(); ++r)
            for (int c = 0; c < doc->PhotoWidth(); ++c)
                doc->SetPhotoPixel(c, r, doc->PhotoColour(c, r), code);
    }

    std::unique_ptr<RasterDocument> doc = std::make_unique<RasterDocument>();
    PictureFolder folder;
    CanvasSurface canvas;
};

} // namespace

// ---------------------------------------------------------------- polygon collection

TEST_F(CutOutTest, ClickWithinFivePixelsOfTheFirstPointClosesThePolygon) {
    EXPECT_EQ(Click(100, 100), 1);
    EXPECT_EQ(Click(100, 100), 2) << "with two points a click on the first point is just a point";
    EXPECT_EQ(Click(150, 150), 3);
    EXPECT_EQ(Click(105, 100), 4) << "5 pixels right is outside the closing square";
    EXPECT_EQ(Click(95, 95), WorkPolygon::kClosed) << "the square starts 5 pixels up and left";
    EXPECT_EQ(doc->Polygon().Count(), 5);
    EXPECT_EQ(doc->Polygon().At(4), QPoint(100, 100));

    QPoint p;
    doc->AddPolygonPoint(PolygonOp::Clear, p);
    Click(0, 0);
    Click(50, 0);
    Click(50, 50);
    EXPECT_EQ(Click(4, 0), WorkPolygon::kClosed) << "4 pixels right closes";
}

TEST_F(CutOutTest, ClickedPolygonHoldsAtMost260Points) {
    for (int i = 0; i < 300; ++i)
        Click(1000 + i * 20, 1000);
    EXPECT_EQ(doc->Polygon().Count(), 260);
    EXPECT_EQ(Click(1000, 1000), WorkPolygon::kClosed) << "closing still works at the limit";
    EXPECT_EQ(doc->Polygon().Count(), 261);
    // Repeated closing clicks never run past the storage.
    for (int i = 0; i < 1000; ++i)
        Click(1000, 1000);
    EXPECT_LE(doc->Polygon().Count(), WorkPolygon::kCapacity);
}

TEST_F(CutOutTest, StepBackRemovesTheLastPointAndReportsTheNewLast) {
    QPoint p;
    EXPECT_EQ(doc->AddPolygonPoint(PolygonOp::StepBack, p), -1);
    Click(1, 1);
    EXPECT_EQ(doc->AddPolygonPoint(PolygonOp::StepBack, p), -1);
    Click(2, 2);
    Click(3, 3);
    EXPECT_EQ(doc->AddPolygonPoint(PolygonOp::StepBack, p), 2);
    EXPECT_EQ(p, QPoint(2, 2));
    EXPECT_EQ(doc->AddPolygonPoint(static_cast<PolygonOp>(-7), p), 0);
    EXPECT_EQ(doc->Polygon().Count(), 0);
}

TEST_F(CutOutTest, DrawnPolygonShowsTheClosingSquareAndAnXorOutline) {
    canvas.Fill(Colour(0));
    Click(100, 100);
    Click(140, 100);
    const QRect marker = doc->DrawWorkPolygon(canvas);
    EXPECT_EQ(marker, QRect(95, 95, 10, 10));
    EXPECT_EQ(canvas.PixelAt(95, 95).Value(), 0x0000FFFFu) << "top-left edge";
    EXPECT_EQ(canvas.PixelAt(104, 104).Value(), 0x00FFFF00u) << "bottom-right edge";
    EXPECT_EQ(canvas.PixelAt(120, 100).Value(), 0x00F4E9E9u) << "line drawn by exclusive-or over black";
    EXPECT_EQ(canvas.PixelAt(140, 100).Value(), 0u) << "the line stops short of its end point";
}

// ---------------------------------------------------------------- polygon fill

TEST_F(CutOutTest, RemovePolygonMarksCoveredPixelsAndEmptiesThePolygon) {
    // Square over layer columns 10..30 and rows 10..30.
    for (QPoint p : {QPoint(60, 70), QPoint(80, 70), QPoint(80, 90), QPoint(60, 90)})
        Click(p.x(), p.y());
    ASSERT_EQ(Click(60, 70), WorkPolygon::kClosed);
    doc->FillWorkPolygon(FillAction::Remove);
    EXPECT_EQ(doc->Polygon().Count(), 0);
    EXPECT_EQ(Count(PixelMask::Removed), 20 * 19) << "rows 11..29, columns 10..29";
    EXPECT_EQ(doc->MaskAt(15, 10), PixelMask::Kept) << "top row stays";
    EXPECT_EQ(doc->MaskAt(15, 11), PixelMask::Removed);
    EXPECT_EQ(doc->MaskAt(10, 20), PixelMask::Removed);
    EXPECT_EQ(doc->MaskAt(30, 20), PixelMask::Kept) << "right end excluded";
    EXPECT_EQ(doc->MaskAt(15, 30), PixelMask::Kept) << "bottom row not scanned";
}

TEST_F(CutOutTest, KeepPolygonBringsBackErasedPixelsInsideAndRemovesTheRest) {
    doc->SetPhotoPixel(20, 20, doc->PhotoColour(20, 20), PixelMask::Removed);
    for (QPoint p : {QPoint(60, 70), QPoint(80, 70), QPoint(80, 90), QPoint(60, 90), QPoint(60, 70)})
        Click(p.x(), p.y());
    doc->FillWorkPolygon(FillAction::Keep);
    doc->CommitKeep();
    EXPECT_EQ(Count(PixelMask::Kept), 20 * 19);
    EXPECT_EQ(doc->MaskAt(20, 20), PixelMask::Kept);
    EXPECT_EQ(doc->MaskAt(0, 0), PixelMask::Removed);
}

TEST_F(CutOutTest, PolygonWithManyCrossingsOrOutsideTheLayerStaysInBounds) {
    // A zig-zag of 260 clicks reaching far beyond the layer: every row has more than 30 crossings.
    for (int i = 0; i < 258; ++i)
        Click(40 + i * 3, (i % 2) ? -400 : 900);
    Click(40, -400);
    ASSERT_EQ(Click(40, 900), WorkPolygon::kClosed);
    doc->FillWorkPolygon(FillAction::Remove);
    // Whatever the crossing limit leaves, only layer pixels were written; the result
    // equals the scan conversion clipped to the layer.
    std::vector<PolygonSpan> spans;
    std::vector<QPoint> pts;
    for (int i = 0; i < 258; ++i)
        pts.emplace_back(40 + i * 3, (i % 2) ? -400 : 900);
    pts.emplace_back(40, -400);
    pts.emplace_back(40, 900);
    ScanPolygon(pts.data(), int(pts.size()), 861, 60, 140, spans);
    int expected = 0;
    for (const auto& s : spans)
        expected += std::max(0, std::min(s.end - 50, 100) - std::max(s.first - 50, 0));
    EXPECT_EQ(Count(PixelMask::Removed), expected);
    EXPECT_GT(expected, 0);
}

// ---------------------------------------------------------------- magic wand

namespace {

// The growth exactly as described: full passes in row order, expanding 'a' pixels.
void ReferenceWand(std::vector<PixelMask>& mask, const std::vector<Colour>& colours, int w, int h, int sx,
                   int sy) {
    auto at = [&](int x, int y) -> PixelMask& { return mask[size_t(x + y * w)]; };
    if (sx < 0 || sy < 0 || sx >= w || sy >= h || at(sx, sy) != PixelMask::Kept)
        return;
    for (PixelMask& m : mask)
        if (m == PixelMask::WandPending)
            m = PixelMask::Removed;
    at(sx, sy) = PixelMask::WandFound;
    const Colour s = colours[size_t(sx + sy * w)];
    const int lo[3] = {s.Red() - 8, s.Green() - 8, s.Blue() - 8};
    const int hi[3] = {s.Red() + 8, s.Green() + 8, s.Blue() + 8};
    const int order[8][2] = {{-1, 0}, {-1, -1}, {-1, 1}, {1, 0}, {1, -1}, {1, 1}, {0, -1}, {0, 1}};
    int added = 1;
    while (added) {
        added = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (at(x, y) != PixelMask::WandFound)
                    continue;
                at(x, y) = PixelMask::WandPending;
                for (const auto& o : order) {
                    const int nx = x + o[0], ny = y + o[1];
                    if (nx < 0 || ny < 0 || nx >= w || ny >= h || at(nx, ny) != PixelMask::Kept)
                        continue;
                    const Colour c = colours[size_t(nx + ny * w)];
                    bool inside = true;
                    for (int k = 0; k < 3; ++k)
                        inside = inside && c.Channel(k) >= lo[k] && c.Channel(k) <= hi[k];
                    if (inside) {
                        at(nx, ny) = PixelMask::WandFound;
                        ++added;
                    }
                }
            }
    }
}

} // namespace

class WandOracleTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(WandOracleTest, RegionEqualsThePassByPassGrowth) {
    auto doc = std::make_unique<RasterDocument>();
    PictureFolder folder;
    // Blobs of a few colours with noise, some pixels already removed.
    std::mt19937 rng(GetParam());
    const int w = 97, h = 61;
    QImage picture(w, h, QImage::Format_RGB32);
    std::uniform_int_distribution<int> noise(-6, 6), pick(0, 3);
    const QRgb base[4] = {qRgb(250, 40, 40), qRgb(30, 30, 200), qRgb(120, 120, 120), qRgb(5, 250, 5)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb b = base[((x / 9) * 3 + (y / 7) * 5 + pick(rng) / 3) % 4];
            picture.setPixel(x, y,
                             qRgb(std::clamp(qRed(b) + noise(rng), 0, 255),
                                  std::clamp(qGreen(b) + noise(rng), 0, 255),
                                  std::clamp(qBlue(b) + noise(rng), 0, 255)));
        }
    CanvasSurface canvas = LoadPicture(*doc, folder, picture, 200, 200);
    std::vector<PixelMask> mask(size_t(w * h));
    std::vector<Colour> colours(size_t(w * h));
    std::uniform_int_distribution<int> coin(0, 19);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const PixelMask code = coin(rng) == 0 ? PixelMask::Removed : PixelMask::Kept;
            doc->SetPhotoPixel(x, y, doc->PhotoColour(x, y), code);
            mask[size_t(x + y * w)] = code;
            colours[size_t(x + y * w)] = doc->PhotoColour(x, y);
        }
    std::uniform_int_distribution<int> px(0, w - 1), py(0, h - 1);
    for (int click = 0; click < 6; ++click) {
        const int sx = px(rng), sy = py(rng);
        doc->WandAt(doc->PhotoPosition() + QPoint(sx, sy));
        ReferenceWand(mask, colours, w, h, sx, sy);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(doc->MaskAt(x, y), mask[size_t(x + y * w)])
                    << "click " << click << " at (" << sx << "," << sy << "), pixel (" << x << "," << y
                    << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, WandOracleTest, ::testing::Values(1u, 2u, 3u, 17u, 99u));

TEST_F(CutOutTest, WandBoundsArePlusMinusEightAroundTheSeed) {
    // One row of reds next to the seed (red 250): 242 and 255 join, 241 does not and stops the growth.
    FillMask(PixelMask::Removed);
    const int reds[] = {250, 242, 255, 250, 241, 250};
    for (int i = 0; i < 6; ++i)
        doc->SetPhotoPixel(i, 0, Colour::FromRgb(reds[i], 100, 100), PixelMask::Kept);
    doc->WandAt(doc->PhotoPosition());
    EXPECT_EQ(doc->MaskAt(0, 0), PixelMask::WandPending);
    EXPECT_EQ(doc->MaskAt(1, 0), PixelMask::WandPending);
    EXPECT_EQ(doc->MaskAt(2, 0), PixelMask::WandPending);
    EXPECT_EQ(doc->MaskAt(3, 0), PixelMask::WandPending);
    EXPECT_EQ(doc->MaskAt(4, 0), PixelMask::Kept);
    EXPECT_EQ(doc->MaskAt(5, 0), PixelMask::Kept) << "only reachable through the rejected pixel";
}

TEST_F(CutOutTest, WandGrowsThroughDiagonals) {
    FillMask(PixelMask::Removed);
    for (int i = 0; i < 10; ++i)
        doc->SetPhotoPixel(i, i, Colour::FromRgb(10, 10, 10), PixelMask::Kept);
    doc->WandAt(doc->PhotoPosition() + QPoint(9, 9));
    EXPECT_EQ(Count(PixelMask::WandPending), 10);
}

TEST_F(CutOutTest, WandOnARemovedPixelDoesNothingAndCommitsNothing) {
    doc->SetPhotoPixel(5, 5, doc->PhotoColour(5, 5), PixelMask::WandPending);
    doc->SetPhotoPixel(6, 6, doc->PhotoColour(6, 6), PixelMask::Removed);
    doc->WandAt(doc->PhotoPosition() + QPoint(6, 6));
    EXPECT_EQ(doc->MaskAt(5, 5), PixelMask::WandPending);
    doc->WandAt(QPoint(-1000, 5));
    doc->WandAt(doc->PhotoPosition() + QPoint(100, 0)) /* one past the right edge */;
    EXPECT_EQ(doc->MaskAt(5, 5), PixelMask::WandPending);
}

TEST_F(CutOutTest, SecondClickCommitsFirstRegionAndUndoRestoresOnlyTheSecond) {
    canvas = LoadPicture(*doc, folder, SolidPicture(40, 10, qRgb(200, 0, 0)), 100, 100);
    for (int r = 0; r < 10; ++r)
        for (int c = 20; c < 40; ++c)
            doc->SetPhotoPixel(c, r, Colour::FromRgb(0, 0, 200), PixelMask::Kept);
    const QPoint origin = doc->PhotoPosition();
    doc->WandAt(origin + QPoint(1, 1));
    EXPECT_EQ(Count(PixelMask::WandPending), 200);
    doc->WandAt(origin + QPoint(30, 5));
    EXPECT_EQ(Count(PixelMask::Removed), 200);
    EXPECT_EQ(Count(PixelMask::WandPending), 200);
    doc->UndoWand();
    EXPECT_EQ(Count(PixelMask::Removed), 200);
    EXPECT_EQ(Count(PixelMask::Kept), 200);
    EXPECT_EQ(doc->MaskAt(30, 5), PixelMask::Kept);
    EXPECT_EQ(doc->MaskAt(1, 1), PixelMask::Removed);
}

TEST_F(CutOutTest, WandInTheMagnifierMapsSevenPixelCellsFromTheOrigin) {
    FillMask(PixelMask::Removed);
    doc->SetPhotoPixel(12, 7, Colour::FromRgb(1, 2, 3), PixelMask::Kept);
    doc->SetMagnifierOrigin(doc->PhotoPosition() + QPoint(10, 5));
    doc->WandAtMagnifier(QPoint(2 * 7 + 6, 2 * 7)); // cell (2, 2)
    EXPECT_EQ(doc->MaskAt(12, 7), PixelMask::WandPending);
}

TEST_F(CutOutTest, WholeLayerWandOnAUniformPhoto) {
    canvas = LoadPicture(*doc, folder, SolidPicture(640, 480, qRgb(90, 90, 90)), 700, 500);
    doc->WandAt(doc->PhotoPosition() + QPoint(320, 240));
    EXPECT_EQ(Count(PixelMask::WandPending), 640 * 480);
}

// ---------------------------------------------------------------- eraser

TEST(BrushStampTest, StampCountsGrowByTwelvePerRing) {
    EXPECT_EQ(BrushStampOffsets(3).size(), 21u);
    EXPECT_EQ(BrushStampOffsets(6).size(), 57u);
    EXPECT_EQ(BrushStampOffsets(9).size(), 93u);
    EXPECT_EQ(BrushStampOffsets(2).size(), 9u);
    const auto offsets = BrushStampOffsets(3);
    EXPECT_EQ(offsets[0], QPoint(0, 0));
    EXPECT_EQ(offsets[1], QPoint(1, 0));
    EXPECT_EQ(offsets[8], QPoint(0, 1));
    EXPECT_EQ(offsets[9], QPoint(3, 1)) << "the rings are centred one row below the block";
}

TEST_F(CutOutTest, EraserWithAltRestoresTheBlockAndOneRingAtRadiusThree) {
    FillMask(PixelMask::Removed);
    canvas.Fill(Colour(0));
    QPoint at = doc->PhotoPosition() + QPoint(40, 40);
    doc->EraseStroke(canvas, at, at, EraseOp::Restore);
    std::set<std::pair<int, int>> stamped;
    for (const QPoint& o : BrushStampOffsets(3))
        stamped.insert({40 + o.x(), 40 + o.y()});
    EXPECT_EQ(Count(PixelMask::Kept), int(stamped.size()));
    for (const auto& [c, r] : stamped) {
        EXPECT_EQ(doc->MaskAt(c, r), PixelMask::Kept);
        EXPECT_EQ(canvas.PixelAt(doc->PhotoPosition().x() + c, doc->PhotoPosition().y() + r),
                  doc->PhotoColour(c, r));
    }
}

TEST_F(CutOutTest, ErasedPixelsShowTheirBackgroundAndKeepTheirColour) {
    const Colour before = doc->PhotoColour(40, 40);
    canvas.Fill(Colour(0));
    const QPoint at = doc->PhotoPosition() + QPoint(40, 40);
    doc->EraseStroke(canvas, at, at, EraseOp::Remove);
    EXPECT_EQ(doc->MaskAt(40, 40), PixelMask::Removed);
    EXPECT_EQ(doc->PhotoColour(40, 40), before);
    EXPECT_EQ(canvas.PixelAt(at.x(), at.y()), doc->BackgroundColour());
}

TEST_F(CutOutTest, StrokeLeavesTheCanvasAsARepaintWouldShowIt) {
    doc->StepBrushRadius(RadiusOp::Up);
    doc->StepBrushRadius(RadiusOp::Up);
    canvas.Fill(Colour(0));
    doc->PaintPhotoLayer(canvas);
    const QPoint a = doc->PhotoPosition() + QPoint(-20, 10), b = doc->PhotoPosition() + QPoint(130, 70);
    doc->EraseStroke(canvas, a, b, EraseOp::Remove);
    doc->EraseStroke(canvas, b + QPoint(-60, 0), a + QPoint(60, 0), EraseOp::Restore);
    CanvasSurface repaint(canvas.Width(), canvas.Height(), Colour(0));
    doc->PaintPhotoLayer(repaint);
    EXPECT_TRUE(vx7::test::ImagesNear(canvas.Image(), repaint.Image(), 0, QStringLiteral("eraser_stroke")));
    EXPECT_GT(Count(PixelMask::Removed), 500);
}

TEST_F(CutOutTest, BrushAtTheBorderTouchesOnlyLayerPixels) {
    doc->StepBrushRadius(RadiusOp::Up);
    doc->StepBrushRadius(RadiusOp::Up);
    // Along every edge of the layer and around the canvas corners, far outside too.
    const QPoint o = doc->PhotoPosition();
    doc->EraseStroke(canvas, o, o + QPoint(99, 0), EraseOp::Remove);
    doc->EraseStroke(canvas, o + QPoint(99, 0), o + QPoint(99, 79), EraseOp::Remove);
    doc->EraseStroke(canvas, o + QPoint(99, 79), o + QPoint(0, 79), EraseOp::Remove);
    doc->EraseStroke(canvas, QPoint(-5, -5), QPoint(305, 305), EraseOp::Remove);
    doc->EraseStroke(canvas, QPoint(-40000, 10), QPoint(40000, 10), EraseOp::Remove);
    doc->EraseStroke(canvas, QPoint(INT_MIN, INT_MIN), QPoint(INT_MAX, INT_MAX), EraseOp::Remove);
    EXPECT_EQ(doc->MaskAt(0, 0), PixelMask::Removed);
    EXPECT_EQ(doc->MaskAt(99, 79), PixelMask::Removed);
    EXPECT_EQ(doc->MaskAt(50, 40), PixelMask::Removed) << "the diagonal crosses the layer";
}

TEST_F(CutOutTest, MagnifierEraserRepaintsCellsAndWritesTheMask) {
    CanvasSurface panel(200, 200, Colour(0));
    doc->SetMagnifierView({0, 0, 140, 140});
    doc->SetMagnifierOrigin(doc->PhotoPosition() + QPoint(10, 10));
    doc->PaintMagnifier(panel);
    doc->EraseMagnifierStroke(panel, QPoint(0, 0), QPoint(3, 0), EraseOp::Remove);
    for (int c = 10; c <= 13; ++c)
        EXPECT_EQ(doc->MaskAt(c, 10), PixelMask::Removed);
    EXPECT_EQ(doc->MaskAt(14, 10), PixelMask::Kept);
    EXPECT_EQ(panel.PixelAt(3 * 7 + 3, 3), doc->BackgroundColour());
    doc->EraseMagnifierStroke(panel, QPoint(3, 0), QPoint(3, 0), EraseOp::Restore);
    EXPECT_EQ(doc->MaskAt(13, 10), PixelMask::Kept);
    EXPECT_EQ(panel.PixelAt(3 * 7 + 3, 3), doc->PhotoColour(13, 10));
}
