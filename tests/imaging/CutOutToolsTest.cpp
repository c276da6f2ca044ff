#include "imaging/raster/CutOutTools.h"
#include "imaging/raster/PhotoLayers.h"
#include "imaging/raster/WorkPolygon.h"

#include <gtest/gtest.h>

#include <string>

using namespace vx7::imaging;

namespace {

// A one-colour layer of the given size at canvas (0, 0).
void Capture(PhotoLayers& layers, int width, int height, Colour colour) {
    CanvasSurface source(width, height, colour);
    layers.CapturePhoto(source, 0, 0, width, height);
    layers.MarkPhotoLoaded();
}

int Count(const PhotoLayers& layers, PixelMask code) {
    int n = 0;
    for (int r = 0; r < layers.PhotoHeight(); ++r)
        for (int c = 0; c < layers.PhotoWidth(); ++c)
            n += layers.MaskAt(c, r) == code;
    return n;
}

} // namespace

class WandWidthTest : public ::testing::TestWithParam<int> {};

// The wand's row search reads eight pixels at a time; widths around a word and
// seeds at both ends of a row must still reach every pixel, and no further.
TEST_P(WandWidthTest, UniformLayerIsSelectedWholeFromEitherEnd) {
    const int width = GetParam();
    for (int seedX : {0, width - 1}) {
        PhotoLayers layers;
        CutOutTools tools;
        Capture(layers, width, 5, Colour::FromRgb(40, 50, 60));
        // A wall of another colour across the middle row, open at the last column.
        for (int c = 0; c + 1 < width; ++c)
            layers.SetPhotoPixel(c, 2, Colour::FromRgb(200, 50, 60), PixelMask::Kept);
        tools.WandAt(layers, {seedX, 0});
        const int wall = width - 1;
        EXPECT_EQ(Count(layers, PixelMask::WandPending), 4 * width + 1)
            << "width " << width << " seed " << seedX;
        EXPECT_EQ(Count(layers, PixelMask::Kept), wall);
        tools.UndoWand(layers);
        EXPECT_EQ(Count(layers, PixelMask::Kept), 5 * width);
    }
}

INSTANTIATE_TEST_SUITE_P(EdgeWidths, WandWidthTest, ::testing::Values(1, 2, 7, 8, 9, 15, 16, 17, 640),
                         [](const auto& info) { return "w" + std::to_string(info.param); });

TEST(CutOutToolsTest, PolygonFillsActOnlyOnTheirOwnCodes) {
    PhotoLayers layers;
    CutOutTools tools;
    Capture(layers, 20, 20, Colour::FromRgb(100, 100, 100));
    layers.SetPhotoPixel(5, 5, Colour::FromRgb(100, 100, 100), PixelMask::Removed);
    WorkPolygon square;
    square.Assign({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}});
    tools.FillPolygon(layers, square, static_cast<FillAction>('?'));
    EXPECT_EQ(Count(layers, PixelMask::Kept), 399) << "an unknown action changes nothing";
    tools.FillPolygon(layers, square, FillAction::Spotlight);
    EXPECT_EQ(layers.PhotoColour(4, 4), Colour::FromRgb(130, 130, 130));
    EXPECT_EQ(layers.PhotoColour(5, 5), Colour::FromRgb(100, 100, 100)) << "removed pixels keep their colour";
    EXPECT_EQ(layers.PhotoColour(15, 15), Colour::FromRgb(100, 100, 100));
    EXPECT_EQ(Count(layers, PixelMask::Kept), 399) << "the spotlight leaves the mask alone";
}

TEST(CutOutToolsTest, CommitKeepWithoutAPhotoChangesNothing) {
    PhotoLayers layers;
    CutOutTools tools;
    CanvasSurface source(4, 4, Colour(0));
    layers.CapturePhoto(source, 0, 0, 4, 4); // captured but not marked loaded
    layers.SetPhotoPixel(0, 0, Colour(0), PixelMask::Marked);
    tools.CommitKeep(layers);
    EXPECT_EQ(layers.MaskAt(0, 0), PixelMask::Marked);
    EXPECT_EQ(layers.MaskAt(1, 0), PixelMask::Kept);
}
