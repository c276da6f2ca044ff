#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/Colour.h"

#include <gtest/gtest.h>

#include <set>

using namespace vx7::imaging;

TEST(ColourTest, ByteZeroIsRedAndQRgbIsMadeOnlyAtTheSurface) {
    const Colour c = Colour::FromRgb(1, 2, 3);
    EXPECT_EQ(c.Value(), 0x00030201u);
    EXPECT_EQ(c.Channel(0), 1);
    EXPECT_EQ(c.Channel(2), 3);
    EXPECT_EQ(c.ToQRgb(), qRgb(1, 2, 3));
    EXPECT_EQ(Colour::FromQRgb(qRgba(9, 8, 7, 0)).Value(), 0x00070809u) << "alpha dropped, byte 3 zero";
    EXPECT_EQ(Colour::FromRgb(300, -5, 255).Value(), 0x00FF00FFu);
}

TEST(CanvasSurfaceTest, AccessOutsideTheSurfaceIsClipped) {
    CanvasSurface s(10, 10, Colour::FromRgb(5, 5, 5));
    EXPECT_EQ(s.PixelAt(-1, 0), CanvasSurface::kOutside);
    EXPECT_EQ(s.PixelAt(10, 9), CanvasSurface::kOutside);
    s.SetPixel(10, 0, Colour(0));
    s.SetPixel(-1, -1, Colour(0));
    s.FillRect(-100, -100, 100, 3, Colour::FromRgb(1, 1, 1));
    EXPECT_EQ(s.PixelAt(9, 2), Colour::FromRgb(1, 1, 1));
    EXPECT_EQ(s.PixelAt(9, 3), Colour::FromRgb(5, 5, 5));
    Colour block[4];
    s.ReadRect(9, 2, 2, 2, block, 2);
    EXPECT_EQ(block[0], Colour::FromRgb(1, 1, 1));
    EXPECT_EQ(block[1], CanvasSurface::kOutside);
    EXPECT_EQ(block[2], Colour::FromRgb(5, 5, 5));
}

TEST(CanvasSurfaceTest, LinesStopShortOfTheirEndPoint) {
    const auto pixels = CanvasSurface::LinePixels({0, 0}, {7, 3});
    EXPECT_EQ(pixels.size(), 7u);
    EXPECT_EQ(pixels.front(), QPoint(0, 0));
    for (const QPoint& p : pixels)
        EXPECT_NE(p, QPoint(7, 3));
    EXPECT_TRUE(CanvasSurface::LinePixels({4, 4}, {4, 4}).empty());
}

TEST(CanvasSurfaceTest, XorShapesEraseThemselvesAndFrameCornersAreVisible) {
    CanvasSurface s(60, 60, Colour::FromRgb(10, 20, 30));
    const QImage before = s.Image().copy();
    s.XorRectangle(5, 5, 40, 30, Colour(0x00F4F4F4u));
    EXPECT_NE(s.PixelAt(5, 5), Colour::FromRgb(10, 20, 30)) << "corners are changed once, not twice";
    EXPECT_NE(s.PixelAt(39, 29), Colour::FromRgb(10, 20, 30));
    s.XorRectangle(5, 5, 40, 30, Colour(0x00F4F4F4u));
    EXPECT_EQ(s.Image(), before);
    s.XorEllipse(50, 50, -20, 0, Colour(0x00F4F4F4u));
    s.XorEllipse(50, 50, -20, 0, Colour(0x00F4F4F4u));
    EXPECT_EQ(s.Image(), before);
}

TEST(CanvasSurfaceTest, EllipseOutlineStaysInItsBoxWithEachPixelOnce) {
    const auto pixels = CanvasSurface::EllipsePixels(10, 20, 51, 41);
    std::set<std::pair<int, int>> unique;
    for (const QPoint& p : pixels) {
        EXPECT_GE(p.x(), 10);
        EXPECT_LT(p.x(), 51);
        EXPECT_GE(p.y(), 20);
        EXPECT_LT(p.y(), 41);
        unique.insert({p.x(), p.y()});
    }
    EXPECT_EQ(unique.size(), pixels.size());
    EXPECT_TRUE(unique.count({10, 30})) << "leftmost point on the middle row";
}
