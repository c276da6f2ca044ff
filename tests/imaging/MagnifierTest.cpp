#include "imaging/raster/Magnifier.h"
#include "imaging/raster/PhotoLayers.h"

#include <gtest/gtest.h>

#include <climits>

using namespace vx7::imaging;

namespace {

// A 10 x 6 photo layer at canvas (20, 30) whose pixel (c, r) is RGB(c, r, 9).
struct SmallPhoto {
    PhotoLayers layers;
    SmallPhoto() {
        CanvasSurface source(10, 6);
        for (int r = 0; r < 6; ++r)
            for (int c = 0; c < 10; ++c)
                source.SetPixel(c, r, Colour::FromRgb(c, r, 9));
        layers.CapturePhoto(source, 0, 0, 10, 6);
        layers.MovePhoto(20, 30);
        layers.MarkPhotoLoaded();
    }
};

} // namespace

TEST(MagnifierTest, OriginLeftOfThePhotoLeavesItsCellsEmpty) {
    SmallPhoto photo;
    Magnifier magnifier;
    magnifier.SetView({0, 0, 70, 70});
    magnifier.SetOrigin({18, 29}, photo.layers.PhotoPosition()); // column -2, row -1
    EXPECT_EQ(magnifier.Origin(), QPoint(-2, -1));
    CanvasSurface panel(80, 80, Colour(1));
    magnifier.Paint(panel, photo.layers);
    EXPECT_EQ(panel.PixelAt(3, 3), Magnifier::kFill) << "the cell of column -2, row -1";
    EXPECT_EQ(panel.PixelAt(2 * 7 + 3, 1 * 7 + 3), Colour::FromRgb(0, 0, 9)) << "pixel (0, 0)";
    EXPECT_EQ(panel.PixelAt(9 * 7 + 3, 6 * 7 + 3), Colour::FromRgb(7, 5, 9)) << "last whole cell in the view";
    EXPECT_EQ(panel.PixelAt(2 * 7 + 7, 1 * 7 + 3), Magnifier::kGrid) << "grid right of the first column";
    EXPECT_EQ(panel.PixelAt(75, 75), Colour(1)) << "outside the view";
}

TEST(MagnifierTest, CellsPaintOnlyWhollyInsideTheView) {
    Magnifier magnifier;
    magnifier.SetView({10, 10, 45, 45}); // room for five cells each way
    CanvasSurface panel(60, 60, Colour(1));
    magnifier.PaintCell(panel, 4, 4, Colour(2));
    EXPECT_EQ(panel.PixelAt(10 + 4 * 7 + 1, 10 + 4 * 7 + 1), Colour(2));
    magnifier.PaintCell(panel, 5, 0, Colour(3));
    magnifier.PaintCell(panel, -1, 0, Colour(3));
    magnifier.PaintCell(panel, INT_MAX, INT_MIN, Colour(3));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_NE(panel.PixelAt(x, y), Colour(3)) << x << "," << y;
}

TEST(MagnifierTest, PanelPointsMapToCellsAndPixelsFromTheOrigin) {
    SmallPhoto photo;
    Magnifier magnifier;
    magnifier.SetOrigin({23, 31}, photo.layers.PhotoPosition());
    EXPECT_EQ(magnifier.CellAt({20, 13}), QPoint(2, 1)) << "cells are seven pixels before any paint";
    EXPECT_EQ(magnifier.CellToPixel(magnifier.CellAt({20, 13})), QPoint(5, 2));
    EXPECT_EQ(magnifier.CellAt({INT_MAX, INT_MIN}), QPoint(32767 / 7, -32768 / 7));
    magnifier.SetOrigin({INT_MIN, INT_MAX}, photo.layers.PhotoPosition());
    EXPECT_EQ(magnifier.Origin(), QPoint(-32768 - 20, 32767 - 30));
}

TEST(MagnifierTest, ScrollingNeedsAPhotoAndStopsAtItsEdges) {
    SmallPhoto photo;
    Magnifier magnifier;
    magnifier.SetSize(6, 3);
    PhotoLayers empty;
    EXPECT_FALSE(magnifier.Scroll(ScrollOp::Right, empty));
    EXPECT_TRUE(magnifier.Scroll(ScrollOp::Right, photo.layers));
    EXPECT_EQ(magnifier.Origin(), QPoint(2, 0));
    EXPECT_TRUE(magnifier.Scroll(ScrollOp::Right, photo.layers));
    EXPECT_FALSE(magnifier.Scroll(ScrollOp::Right, photo.layers)) << "4 + 6 reaches the width of 10";
    for (int step = 0; step < 3; ++step)
        EXPECT_TRUE(magnifier.Scroll(ScrollOp::Down, photo.layers));
    EXPECT_FALSE(magnifier.Scroll(ScrollOp::Down, photo.layers)) << "3 + 3 reaches the height of 6";
    EXPECT_EQ(magnifier.Origin(), QPoint(4, 3));
    magnifier.SetSize(30, 30);
    EXPECT_TRUE(magnifier.Scroll(ScrollOp::Left, photo.layers));
    EXPECT_EQ(magnifier.Origin().x(), 0) << "a step past the left edge stops at column 0";
    EXPECT_FALSE(magnifier.Scroll(static_cast<ScrollOp>(12345), photo.layers));
}
