#include "imaging/raster/ToneTools.h"
#include "imaging/raster/Magnifier.h"
#include "imaging/raster/PhotoLayers.h"
#include "imaging/raster/RasterBrush.h"

#include <gtest/gtest.h>

using namespace vx7::imaging;

namespace {

void Capture(PhotoLayers& layers, int width, int height, Colour colour, QPoint at) {
    CanvasSurface source(width, height, colour);
    layers.CapturePhoto(source, 0, 0, width, height);
    layers.MovePhoto(at.x(), at.y());
    layers.MarkPhotoLoaded();
}

} // namespace

// The stroke mask is indexed by layer pixel, so a stroke counts the same pixel
// whatever canvas point it was reached from, and a new stroke starts clean.
TEST(ToneToolsTest, StrokeMaskFollowsLayerPixelsNotCanvasPoints) {
    PhotoLayers layers;
    ToneTools tone;
    RasterBrush brush;
    Capture(layers, 30, 30, Colour::FromRgb(100, 100, 100), {50, 60});
    CanvasSurface canvas(200, 200);
    tone.ResetStrokeMask(layers);
    tone.ToneStroke(canvas, layers, brush, ToolMode::LocalBrighten, {60, 70}, {60, 70}, ToneStrokeOp::Drag);
    EXPECT_TRUE(tone.StrokeTouched(layers, 10, 10));
    EXPECT_FALSE(tone.StrokeTouched(layers, 20, 20));
    EXPECT_FALSE(tone.StrokeTouched(layers, -1, 10)) << "outside the layer";
    const Colour once = layers.PhotoColour(10, 10);
    EXPECT_EQ(once, Colour::FromRgb(105, 105, 105));
    tone.ToneStroke(canvas, layers, brush, ToolMode::LocalBrighten, {60, 70}, {61, 70}, ToneStrokeOp::Drag);
    EXPECT_EQ(layers.PhotoColour(10, 10), once) << "same stroke";
    EXPECT_EQ(canvas.PixelAt(60, 70), once) << "the canvas shows the change";
    tone.ResetStrokeMask(layers);
    EXPECT_FALSE(tone.StrokeTouched(layers, 10, 10));
}

TEST(ToneToolsTest, SamplePatchReadsWhiteOutsideTheSurfaceAndBlackOutsideThePatch) {
    ToneTools tone;
    EXPECT_FALSE(tone.SampleTaken());
    CanvasSurface surface(5, 5, Colour::FromRgb(1, 2, 3));
    tone.TakeSamplePatch(surface, {0, 0});
    EXPECT_TRUE(tone.SampleTaken());
    EXPECT_EQ(tone.SampleAt(11, 11), Colour::FromRgb(1, 2, 3));
    EXPECT_EQ(tone.SampleAt(10, 11), CanvasSurface::kOutside);
    EXPECT_EQ(tone.SampleAt(15, 15), Colour::FromRgb(1, 2, 3));
    EXPECT_EQ(tone.SampleAt(16, 16), CanvasSurface::kOutside);
    EXPECT_EQ(tone.SampleAt(23, 0), Colour(0));
    EXPECT_EQ(tone.SampleAt(0, -1), Colour(0));
}

TEST(ToneToolsTest, WholeLayerTonesNeedTheirLayer) {
    PhotoLayers layers;
    ToneTools tone;
    EXPECT_FALSE(tone.ToneWholePhoto(layers, ToneOp::Brighten)) << "no photo";
    Capture(layers, 4, 4, Colour::FromRgb(100, 100, 100), {0, 0});
    EXPECT_FALSE(tone.ToneWholePhoto(layers, ToneOp::Sharpen)) << "sharpening is for the background only";
    EXPECT_EQ(layers.PhotoColour(0, 0), Colour::FromRgb(100, 100, 100));
    EXPECT_FALSE(tone.ToneBackground(layers, ToneOp::Brighten)) << "no background captured";
    CanvasSurface source(4, 4, Colour::FromRgb(50, 50, 50));
    layers.CaptureBackground(source, 0, 0, 4, 4);
    layers.SetMode(BackgroundMode::Picture);
    EXPECT_TRUE(tone.ToneBackground(layers, ToneOp::Darken));
    EXPECT_EQ(layers.BackgroundLayerColour(3, 3), Colour::FromRgb(45, 45, 45));
    EXPECT_EQ(layers.PhotoColour(3, 3), Colour::FromRgb(100, 100, 100)) << "the photo is another layer";
}
