#include "ImagingFixture.h"

#include "imaging/raster/PhotoLayers.h"
#include "imaging/raster/PicturePlacement.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

using namespace vx7::imaging;
using vx7::test::PictureFolder;
using vx7::test::SolidPicture;

TEST(PicturePlacementTest, ScaleRefusesSizesTheCoordinatesCannotHold) {
    PicturePlacement placement;
    PhotoLayers layers;
    PictureFolder folder;
    CanvasSurface canvas(300, 300);
    placement.LoadPhotoCentred(canvas, layers, folder.Write(SolidPicture(200, 100, qRgb(1, 2, 3))));
    placement.Reset(layers.PhotoPosition());
    const Placement before = placement.Current();
    EXPECT_FALSE(placement.Scale(200.0)) << "40000 wide";
    EXPECT_FALSE(placement.Scale(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(placement.Scale(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(placement.Scale(-2.0));
    EXPECT_FALSE(placement.Scale(0.5)) << "100 wide is not above 100";
    EXPECT_EQ(placement.Current(), before);
    EXPECT_TRUE(placement.Scale(1.5));
    EXPECT_EQ(placement.Current().width, 300);
    EXPECT_EQ(placement.Current().height, 150);
}

TEST(PicturePlacementTest, MovesStayInTheCoordinateRangeAndUnknownRotationsChangeNothing) {
    PicturePlacement placement;
    placement.Move(INT_MAX, INT_MIN);
    placement.Move(INT_MAX, INT_MIN);
    EXPECT_EQ(placement.Current().left, 32767);
    EXPECT_EQ(placement.Current().top, -32768);
    EXPECT_EQ(placement.Rotate(RotateOp::Set, 45), 45);
    EXPECT_EQ(placement.Rotate(static_cast<RotateOp>(7), 90), 45);
}

TEST(PicturePlacementTest, MissingBackgroundTakesThePhotoSizeAtHomeWithNothingCaptured) {
    PicturePlacement placement;
    PhotoLayers layers;
    PictureFolder folder;
    CanvasSurface canvas(300, 300);
    placement.LoadPhotoCentred(canvas, layers, folder.Write(SolidPicture(40, 20, qRgb(1, 2, 3))));
    placement.SetBackgroundPath(folder.Path(QStringLiteral("missing.png")));
    EXPECT_FALSE(placement.LoadBackground(canvas, layers));
    EXPECT_FALSE(layers.BackgroundLoaded());
    EXPECT_EQ(layers.BackgroundPosition(), placement.HomePosition());
    EXPECT_EQ(layers.BackgroundWidth(), 40);
    EXPECT_EQ(layers.BackgroundHeight(), 20);
}
