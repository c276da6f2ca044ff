#include "ImageCompare.h"

#include "imaging/raster/PhotoLayers.h"
#include "imaging/raster/WorkPolygon.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

using namespace vx7::imaging;

namespace {

constexpr PixelMask kAllCodes[] = {PixelMask::Empty,     PixelMask::Kept,        PixelMask::Removed,
                                   PixelMask::WandFound, PixelMask::WandPending, PixelMask::Marked};

// A layer of width x height captured at (x, y) from a patterned canvas, with
// masks drawn at random from every code, in runs of random length so that runs
// start and end at every position of an eight-pixel word.
std::unique_ptr<PhotoLayers> RandomLayer(int width, int height, unsigned seed) {
    auto layers = std::make_unique<PhotoLayers>();
    CanvasSurface source(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            source.SetPixel(x, y,
                            Colour::FromRgb((x * 7 + y) & 0xFF, (y * 5 + x * 3) & 0xFF, (x * y + 11) & 0xFF));
    layers->CapturePhoto(source, 0, 0, width, height);
    layers->MarkPhotoLoaded();
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> code(0, 5), length(1, 19), keptOrNot(0, 2);
    for (int row = 0; row < height; ++row) {
        int col = 0;
        while (col < width) {
            // Two runs in three are kept, so long kept runs and isolated others both occur.
            const PixelMask m = keptOrNot(rng) != 0 ? PixelMask::Kept : kAllCodes[size_t(code(rng))];
            for (int end = std::min(col + length(rng), width); col < end; ++col)
                layers->SetPhotoPixel(col, row, layers->PhotoColour(col, row), m);
        }
    }
    return layers;
}

// The photo layer painted one pixel at a time, as the contract reads.
QImage ReferencePaint(const PhotoLayers& layers, QImage canvas, bool sticker) {
    for (int row = 0; row < layers.PhotoHeight(); ++row)
        for (int col = 0; col < layers.PhotoWidth(); ++col) {
            const int x = layers.PhotoPosition().x() + col, y = layers.PhotoPosition().y() + row;
            if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height())
                continue;
            const PixelMask m = layers.MaskAt(col, row);
            const Colour c = layers.PhotoColour(col, row);
            if (sticker) {
                if (m == PixelMask::Kept)
                    canvas.setPixel(x, y,
                                    qRgb(int(c.Red() * 0.6), int(c.Green() * 0.6), int(c.Blue() * 0.6)));
                else if (m == PixelMask::Marked)
                    canvas.setPixel(x, y, c.ToQRgb());
            } else if (m == PixelMask::Kept) {
                canvas.setPixel(x, y, c.ToQRgb());
            } else if (layers.Mode() != BackgroundMode::Picture) {
                canvas.setPixel(x, y, layers.BackgroundColour().ToQRgb());
            }
        }
    return canvas;
}

struct PaintCase {
    const char* name;
    int width, height; // layer size
    QPoint position;   // layer position on a 64 x 48 canvas
};

class PhotoLayersPaintTest : public ::testing::TestWithParam<PaintCase> {};

// Layer widths around the eight-pixel words of the run search, and positions
// that cut the layer at every canvas edge, in all three painting modes.
TEST_P(PhotoLayersPaintTest, RunsPaintExactlyWhatPixelByPixelPaintingDoes) {
    const PaintCase& p = GetParam();
    for (unsigned seed = 1; seed <= 4; ++seed) {
        auto layers = RandomLayer(p.width, p.height, seed);
        layers->MovePhoto(p.position.x(), p.position.y());
        layers->SetBackgroundColour(Colour::FromRgb(1, 2, 3));
        for (int mode = 0; mode < 3; ++mode) {
            const bool sticker = mode == 2;
            layers->SetMode(mode == 1 ? BackgroundMode::Picture : BackgroundMode::Colour);
            CanvasSurface canvas(64, 48, Colour::FromRgb(9, 99, 199));
            const QImage before = canvas.Image().copy();
            layers->PaintPhoto(canvas, sticker);
            ASSERT_TRUE(vx7::test::ImagesNear(
                canvas.Image(), ReferencePaint(*layers, before, sticker), 0,
                QStringLiteral("layers_%1_seed%2_mode%3").arg(QLatin1String(p.name)).arg(seed).arg(mode)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EdgeSizes, PhotoLayersPaintTest,
    ::testing::Values(PaintCase{"one", 1, 1, {3, 3}}, PaintCase{"w7", 7, 5, {2, 2}},
                      PaintCase{"w8", 8, 5, {2, 2}}, PaintCase{"w9", 9, 5, {0, 0}},
                      PaintCase{"w17", 17, 9, {5, 1}}, PaintCase{"wide", 61, 40, {1, 3}},
                      PaintCase{"offLeft", 40, 30, {-13, 4}}, PaintCase{"offRight", 40, 30, {37, 4}},
                      PaintCase{"offTop", 40, 30, {4, -11}}, PaintCase{"offBottom", 40, 30, {4, 33}},
                      PaintCase{"overAll", 90, 70, {-9, -7}}, PaintCase{"outside", 20, 20, {64, 0}},
                      PaintCase{"farOutside", 20, 20, {-30000, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PhotoLayersTest, NothingIsPaintedBeforeAPhotoIsLoadedOrAfterItIsCleared) {
    PhotoLayers layers;
    CanvasSurface source(10, 10, Colour::FromRgb(200, 0, 0));
    layers.CapturePhoto(source, 0, 0, 10, 10);
    CanvasSurface canvas(10, 10, Colour(7));
    layers.PaintPhoto(canvas, false);
    EXPECT_EQ(canvas.PixelAt(5, 5), Colour(7)) << "captured but never marked loaded";
    layers.MarkPhotoLoaded();
    layers.PaintPhoto(canvas, false);
    EXPECT_EQ(canvas.PixelAt(5, 5), Colour::FromRgb(200, 0, 0));
    layers.ClearPhoto();
    canvas.Fill(Colour(7));
    layers.PaintPhoto(canvas, false);
    EXPECT_EQ(canvas.PixelAt(5, 5), Colour(7));
    EXPECT_EQ(layers.MaskAt(5, 5), PixelMask::Empty);
    EXPECT_EQ(layers.PhotoColour(5, 5), PhotoLayers::kClearedColour);
}

TEST(PhotoLayersTest, CaptureClipsTo640By480AndReadsWhiteOutsideTheCanvas) {
    PhotoLayers layers;
    CanvasSurface source(700, 500, Colour::FromRgb(1, 2, 3));
    layers.CapturePhoto(source, 100, 30, 700, 500);
    EXPECT_EQ(layers.PhotoWidth(), 640);
    EXPECT_EQ(layers.PhotoHeight(), 480);
    EXPECT_EQ(layers.PhotoColour(0, 0), Colour::FromRgb(1, 2, 3));
    EXPECT_EQ(layers.PhotoColour(639, 0), CanvasSurface::kOutside) << "column 739 lies past the canvas";
    EXPECT_EQ(layers.MaskAt(639, 479), PixelMask::Kept);
    layers.CapturePhoto(source, 0, 0, -5, 20);
    EXPECT_EQ(layers.LayerSize(), 0) << "a negative size captures nothing";
}

TEST(PhotoLayersTest, BackgroundShowsOnlyWhenCapturedAndInPictureMode) {
    PhotoLayers layers;
    CanvasSurface source(20, 20, Colour::FromRgb(0, 200, 0));
    layers.SetBackgroundColour(Colour::FromRgb(5, 5, 5));
    layers.CaptureBackground(source, 0, 0, 10, 10);
    EXPECT_EQ(layers.BackgroundAt(2, 2), Colour::FromRgb(5, 5, 5)) << "colour mode";
    layers.SetMode(BackgroundMode::Picture);
    EXPECT_EQ(layers.BackgroundAt(2, 2), Colour::FromRgb(0, 200, 0));
    EXPECT_EQ(layers.BackgroundAt(10, 2), Colour::FromRgb(5, 5, 5)) << "past the background's size";
    EXPECT_EQ(layers.BackgroundAt(-1, 2), Colour::FromRgb(5, 5, 5));
    layers.DropBackground(3, 4, 50, 60);
    EXPECT_FALSE(layers.BackgroundLoaded());
    EXPECT_EQ(layers.BackgroundAt(2, 2), Colour::FromRgb(5, 5, 5));
    EXPECT_EQ(layers.BackgroundPosition(), QPoint(3, 4));
    CanvasSurface canvas(20, 20, Colour(7));
    layers.PaintBackground(canvas);
    EXPECT_EQ(canvas.PixelAt(5, 5), Colour(7)) << "a dropped background is not painted";
}

TEST(PhotoLayersTest, BackgroundPaintIsClippedToTheCanvas) {
    PhotoLayers layers;
    CanvasSurface source(30, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x)
            source.SetPixel(x, y, Colour::FromRgb(x, y, 50));
    layers.CaptureBackground(source, 0, 0, 30, 30);
    layers.SetMode(BackgroundMode::Picture);
    // Draw the background at (-10, 15) by capturing it there: the canvas cuts both sides.
    layers.CaptureBackground(source, -10, 15, 30, 30);
    CanvasSurface canvas(15, 20, Colour(7));
    layers.PaintBackground(canvas);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 15; ++x) {
            const Colour expected = y >= 15 ? layers.BackgroundLayerColour(x + 10, y - 15) : Colour(7);
            ASSERT_EQ(canvas.PixelAt(x, y), expected) << x << "," << y;
        }
}

TEST(PhotoLayersTest, PolygonRunsAreClippedToTheLayer) {
    PhotoLayers layers;
    CanvasSurface source(100, 100);
    layers.CapturePhoto(source, 10, 20, 30, 40);
    WorkPolygon polygon;
    // A rectangle from canvas (0, 0) to (60, 30) scans canvas rows 0..29, of
    // which the layer holds 20..29, and columns 0..59, of which it holds 10..39.
    polygon.Assign({{0, 0}, {60, 0}, {60, 30}, {0, 30}, {0, 0}});
    const std::vector<PhotoLayers::Run> runs = layers.PolygonRuns(polygon);
    ASSERT_EQ(runs.size(), 10u);
    EXPECT_EQ(runs.front().row, 0);
    EXPECT_EQ(runs.back().row, 9);
    for (const PhotoLayers::Run& run : runs) {
        EXPECT_EQ(run.first, 0);
        EXPECT_EQ(run.end, 30);
    }
    polygon.Assign({{200, 200}, {300, 200}, {300, 300}, {200, 200}});
    EXPECT_TRUE(layers.PolygonRuns(polygon).empty()) << "wholly outside the layer";
}

TEST(PhotoLayersTest, MovingThePhotoStaysInTheCoordinateRange) {
    PhotoLayers layers;
    layers.MovePhoto(INT_MAX, INT_MIN);
    layers.MovePhoto(INT_MAX, INT_MIN);
    EXPECT_EQ(layers.PhotoPosition(), QPoint(32767, -32768));
}

} // namespace
