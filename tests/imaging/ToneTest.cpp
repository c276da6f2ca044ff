#include "ImageCompare.h"
#include "ImagingFixture.h"

#include "imaging/geometry/BrushShape.h"
#include "imaging/raster/RasterDocument.h"
#include "imaging/raster/ToneArithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace vx7::imaging;
using vx7::test::LoadPicture;
using vx7::test::PatternPicture;
using vx7::test::PictureFolder;
using vx7::test::SolidPicture;

// ---------------------------------------------------------------- arithmetic

struct ToneCase {
    int (*rule)(int);
    int in;
    int out;
};

class ToneArithmeticTest : public ::testing::TestWithParam<ToneCase> {};

TEST_P(ToneArithmeticTest, ChannelRuleGivesTheDocumentedValue) {
    EXPECT_EQ(GetParam().rule(GetParam().in), GetParam().out) << "input " << GetParam().in;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ToneArithmeticTest,
    ::testing::Values(
        ToneCase{ToneArithmetic::BrightenWhole, 0, 2}, ToneCase{ToneArithmetic::BrightenWhole, 10, 11},
        ToneCase{ToneArithmetic::BrightenWhole, 9, 11}, ToneCase{ToneArithmetic::BrightenWhole, 240, 255},
        ToneCase{ToneArithmetic::BrightenWhole, 255, 255}, ToneCase{ToneArithmetic::DarkenWhole, 1, 0},
        ToneCase{ToneArithmetic::DarkenWhole, 255, 229}, ToneCase{ToneArithmetic::DarkenLocal, 1, 0},
        ToneCase{ToneArithmetic::DarkenLocal, 2, 1}, ToneCase{ToneArithmetic::DarkenLocal, 0, 0},
        ToneCase{ToneArithmetic::DarkenLocal, 100, 95}, ToneCase{ToneArithmetic::BrightenLocal, 0, 2},
        ToneCase{ToneArithmetic::BrightenLocal, 19, 21}, ToneCase{ToneArithmetic::BrightenLocal, 20, 21},
        ToneCase{ToneArithmetic::BrightenLocal, 250, 255}, ToneCase{ToneArithmetic::Spotlight, 200, 255},
        ToneCase{ToneArithmetic::Spotlight, 100, 130}, ToneCase{ToneArithmetic::Dim, 255, 153}));

TEST(ToneArithmeticRangeTest, EveryRuleStaysInTheByteRange) {
    for (int c = 0; c < 256; ++c)
        for (auto rule :
             {ToneArithmetic::BrightenWhole, ToneArithmetic::DarkenWhole, ToneArithmetic::BrightenLocal,
              ToneArithmetic::DarkenLocal, ToneArithmetic::Spotlight, ToneArithmetic::Dim}) {
            EXPECT_GE(rule(c), 0);
            EXPECT_LE(rule(c), 255);
        }
    EXPECT_EQ(ToneArithmetic::Posterise(255, 64), 192);
    EXPECT_EQ(ToneArithmetic::Posterise(7, 0), 6) << "a step below 2 counts as 2";
}

// ---------------------------------------------------------------- document

namespace {

class ToneTest : public ::testing::Test {
  protected:
    void Load(const QImage& picture) { canvas = LoadPicture(*doc, folder, picture, 300, 300); }
    QPoint At(int c, int r) const { return doc->PhotoPosition() + QPoint(c, r); }

    std::unique_ptr<RasterDocument> doc = std::make_unique<RasterDocument>();
    PictureFolder folder;
    CanvasSurface canvas;
};

} // namespace

TEST_F(ToneTest, WholePhotoToneNeedsAPhotoAndChangesEveryPixel) {
    EXPECT_FALSE(doc->ToneWholePhoto(ToneOp::Brighten));
    Load(SolidPicture(20, 10, qRgb(0, 10, 240)));
    doc->SetPhotoPixel(3, 3, doc->PhotoColour(3, 3), PixelMask::Removed);
    EXPECT_TRUE(doc->ToneWholePhoto(ToneOp::Brighten));
    EXPECT_EQ(doc->PhotoColour(0, 0), Colour::FromRgb(2, 11, 255));
    EXPECT_EQ(doc->PhotoColour(3, 3), Colour::FromRgb(2, 11, 255)) << "whatever the mask";
    EXPECT_TRUE(doc->ToneWholePhoto(ToneOp::Darken));
    EXPECT_EQ(doc->PhotoColour(0, 0), Colour::FromRgb(1, 9, 229));
    EXPECT_FALSE(doc->ToneWholePhoto(static_cast<ToneOp>(12345)));
}

TEST_F(ToneTest, BackgroundToneNeedsPictureModeAndACapturedBackground) {
    Load(SolidPicture(20, 10, qRgb(0, 0, 0)));
    doc->SetBackgroundPath(folder.Write(SolidPicture(16, 16, qRgb(255, 130, 77)), QStringLiteral("bg.png")));
    doc->LoadBackground(canvas);
    EXPECT_FALSE(doc->ToneBackground(ToneOp::Sharpen)) << "picture mode is off";
    EXPECT_EQ(doc->PosteriseStep(), 2);
    doc->SetBackgroundMode(BackgroundMode::Picture);
    const int expectedSteps[] = {2, 4, 8, 16, 32, 64, 64};
    for (int step : expectedSteps) {
        EXPECT_EQ(doc->PosteriseStep(), step);
        const Colour before = doc->BackgroundLayerColour(0, 0);
        EXPECT_TRUE(doc->ToneBackground(ToneOp::Sharpen));
        EXPECT_EQ(doc->BackgroundLayerColour(0, 0),
                  Colour::FromRgb(step * (before.Red() / step), step * (before.Green() / step),
                                  step * (before.Blue() / step)));
    }
    EXPECT_EQ(doc->BackgroundLayerColour(5, 5), Colour::FromRgb(192, 128, 64));
    EXPECT_TRUE(doc->ToneBackground(ToneOp::Brighten));
    EXPECT_EQ(doc->BackgroundLayerColour(5, 5), Colour::FromRgb(211, 140, 70));
    // Loading the background again starts the steps over.
    doc->LoadBackground(canvas);
    EXPECT_EQ(doc->PosteriseStep(), 2);
}

TEST_F(ToneTest, LocalBrightenChangesPixelsOncePerStroke) {
    Load(SolidPicture(60, 60, qRgb(100, 100, 100)));
    doc->SetToolMode(ToolMode::LocalBrighten);
    doc->ResetStrokeMask();
    doc->ToneStroke(canvas, At(30, 30), At(30, 30), ToneStrokeOp::Drag);
    EXPECT_EQ(doc->PhotoColour(30, 30), Colour::FromRgb(105, 105, 105));
    doc->ToneStroke(canvas, At(30, 30), At(31, 30),
                    ToneStrokeOp::Drag); // the same pixels again in this stroke
    EXPECT_EQ(doc->PhotoColour(30, 30), Colour::FromRgb(105, 105, 105));
    EXPECT_TRUE(doc->StrokeTouched(30, 30));
    doc->ResetStrokeMask(); // button released
    doc->ToneStroke(canvas, At(30, 30), At(30, 30), ToneStrokeOp::Drag);
    EXPECT_EQ(doc->PhotoColour(30, 30), Colour::FromRgb(110, 110, 110));
    EXPECT_EQ(doc->PhotoColour(50, 50), Colour::FromRgb(100, 100, 100)) << "outside the brush";
}

TEST_F(ToneTest, LocalDarkenUsesTheFivePercentRule) {
    Load(SolidPicture(30, 30, qRgb(2, 1, 100)));
    doc->SetToolMode(ToolMode::LocalDarken);
    doc->ResetStrokeMask();
    doc->ToneStroke(canvas, At(10, 10), At(10, 10), ToneStrokeOp::Drag);
    EXPECT_EQ(doc->PhotoColour(10, 10), Colour::FromRgb(1, 0, 95));
}

TEST_F(ToneTest, ToneStrokeLeavesTheCanvasAsARepaintWouldShowIt) {
    Load(PatternPicture(120, 90));
    for (int r = 20; r < 60; ++r)
        for (int c = 10; c < 50; ++c)
            doc->SetPhotoPixel(c, r, doc->PhotoColour(c, r), PixelMask::Removed);
    doc->StepBrushRadius(RadiusOp::Up);
    doc->SetToolMode(ToolMode::LocalBrighten);
    doc->ResetStrokeMask();
    canvas.Fill(Colour(0));
    doc->PaintPhotoLayer(canvas);
    doc->ToneStroke(canvas, At(-5, 30), At(125, 40), ToneStrokeOp::Drag);
    CanvasSurface repaint(canvas.Width(), canvas.Height(), Colour(0));
    doc->PaintPhotoLayer(repaint);
    EXPECT_TRUE(vx7::test::ImagesNear(canvas.Image(), repaint.Image(), 0, QStringLiteral("tone_stroke")));
}

TEST_F(ToneTest, OtherToolModesMakeToneStrokesDoNothing) {
    Load(SolidPicture(30, 30, qRgb(50, 50, 50)));
    doc->SetToolMode(ToolMode::Eraser);
    doc->ToneStroke(canvas, At(10, 10), At(20, 10), ToneStrokeOp::Drag);
    EXPECT_EQ(doc->PhotoColour(10, 10), Colour::FromRgb(50, 50, 50));
}

// ---------------------------------------------------------------- sampling and make-up

TEST_F(ToneTest, SamplePatchHoldsTheNeighbourhoodRowByRow) {
    CanvasSurface source(QImage(PatternPicture(80, 80)));
    doc->TakeSamplePatch(source, {40, 30});
    EXPECT_TRUE(doc->SampleTaken());
    for (int r = 0; r < 23; r += 5)
        for (int c = 0; c < 23; c += 4)
            EXPECT_EQ(doc->SampleAt(r, c), source.PixelAt(40 - 11 + c, 30 - 11 + r));
    // Near the corner the part outside the surface reads as white.
    doc->TakeSamplePatch(source, {0, 0});
    EXPECT_EQ(doc->SampleAt(0, 0), CanvasSurface::kOutside);
    EXPECT_EQ(doc->SampleAt(11, 11), source.PixelAt(0, 0));
}

TEST_F(ToneTest, SampleColourFillsTheWholePatch) {
    CanvasSurface source(10, 10, Colour::FromRgb(1, 2, 3));
    EXPECT_EQ(doc->TakeSampleColour(source, {4, 4}), Colour::FromRgb(1, 2, 3));
    EXPECT_EQ(doc->SampleAt(0, 0), Colour::FromRgb(1, 2, 3));
    EXPECT_EQ(doc->SampleAt(22, 22), Colour::FromRgb(1, 2, 3));
    EXPECT_TRUE(doc->SampleTaken());
}

TEST_F(ToneTest, MakeupPaintsNothingBeforeASampleExists) {
    Load(SolidPicture(50, 50, qRgb(10, 10, 10)));
    doc->SetToolMode(ToolMode::MakeupBrush);
    doc->ToneStroke(canvas, At(10, 10), At(40, 10), ToneStrokeOp::Drag);
    doc->ToneStroke(canvas, At(25, 25), At(25, 25), ToneStrokeOp::SingleDab);
    for (int c = 0; c < 50; ++c)
        EXPECT_EQ(doc->PhotoColour(c, 10), Colour::FromRgb(10, 10, 10));
}

TEST_F(ToneTest, MakeupStrokeAtRadiusThreePaintsSinglePixelsThreeApart) {
    Load(SolidPicture(60, 20, qRgb(10, 10, 10)));
    doc->TakeSampleColour(CanvasSurface(1, 1, Colour::FromRgb(200, 0, 0)), {0, 0});
    doc->SetToolMode(ToolMode::MakeupBrush);
    doc->ToneStroke(canvas, At(5, 10), At(15, 10), ToneStrokeOp::Drag);
    std::vector<int> painted;
    for (int c = 0; c < 60; ++c)
        for (int r = 0; r < 20; ++r)
            if (doc->PhotoColour(c, r) != Colour::FromRgb(10, 10, 10)) {
                EXPECT_EQ(r, 10) << "radius 0 discs are single pixels";
                painted.push_back(c);
            }
    EXPECT_EQ(painted, (std::vector<int>{5, 8, 11, 14}));
    // A new segment forgets the last point: its first point paints again.
    doc->ToneStroke(canvas, At(15, 10), At(16, 10), ToneStrokeOp::Drag);
    EXPECT_NE(doc->PhotoColour(15, 10), Colour::FromRgb(10, 10, 10));
}

TEST_F(ToneTest, MakeupDabTakesTheSampleOneColumnToTheRight) {
    Load(SolidPicture(60, 60, qRgb(0, 0, 0)));
    CanvasSurface source(QImage(PatternPicture(60, 60)));
    doc->TakeSamplePatch(source, {30, 30});
    doc->SetToolMode(ToolMode::MakeupBrush);
    doc->StepBrushRadius(RadiusOp::Up); // 6
    doc->ToneStroke(canvas, At(20, 20), At(20, 20), ToneStrokeOp::SingleDab);
    int painted = 0;
    for (int dy = -8; dy <= 8; ++dy)
        for (int dx = -8; dx <= 8; ++dx) {
            const bool inDisc = int(std::sqrt(double(dx * dx + dy * dy))) <= 6;
            const Colour c = doc->PhotoColour(20 + dx, 20 + dy);
            if (inDisc) {
                EXPECT_EQ(c, source.PixelAt(30 + dx + 1, 30 + dy)) << dx << "," << dy;
                ++painted;
            } else {
                EXPECT_EQ(c, Colour(0)) << dx << "," << dy;
            }
        }
    EXPECT_GT(painted, 100);
}

TEST_F(ToneTest, MakeupDabAtTheLayerCornerStaysInside) {
    Load(SolidPicture(10, 10, qRgb(0, 0, 0)));
    doc->TakeSampleColour(CanvasSurface(1, 1, Colour::FromRgb(9, 9, 9)), {0, 0});
    doc->SetToolMode(ToolMode::MakeupBrush);
    for (int i = 0; i < 2; ++i)
        doc->StepBrushRadius(RadiusOp::Up);
    doc->ToneStroke(canvas, At(0, 0), At(0, 0), ToneStrokeOp::SingleDab);
    doc->ToneStroke(canvas, At(-3, 12), At(12, -3), ToneStrokeOp::SingleDab);
    EXPECT_EQ(doc->PhotoColour(0, 0), Colour::FromRgb(9, 9, 9));
    EXPECT_EQ(doc->PhotoColour(9, 9), Colour::FromRgb(9, 9, 9));
}

TEST(BrushShapeTest, ShapeNeverExcludesAPixelTheDistanceTestAdmits) {
    EXPECT_EQ(BrushShape::Cell(12, 12), '0');
    EXPECT_EQ(BrushShape::Cell(3, 7), '*');
    EXPECT_EQ(BrushShape::Cell(3, 6), ' ');
    EXPECT_EQ(BrushShape::Cell(21, 18), '*');
    EXPECT_EQ(BrushShape::Cell(22, 12), ' ');
    EXPECT_EQ(BrushShape::Cell(-1, 12), ' ');
    for (int f = 0; f <= 9; ++f)
        for (int dy = -f; dy <= f; ++dy)
            for (int dx = -f; dx <= f; ++dx)
                if (int(std::sqrt(double(dx * dx + dy * dy))) <= f) {
                    EXPECT_TRUE(BrushShape::Covers(12 + dy, 12 + dx)) << f << ": " << dx << "," << dy;
                }
}

TEST_F(ToneTest, MagnifierPencilPaintsTheSampleAndShowsTheCellAsPainted) {
    Load(SolidPicture(40, 40, qRgb(0, 0, 0)));
    CanvasSurface source(QImage(PatternPicture(40, 40)));
    doc->TakeSamplePatch(source, {20, 20});
    doc->SetPhotoPixel(6, 5, doc->PhotoColour(6, 5), PixelMask::Removed);
    CanvasSurface panel(100, 100, Colour(0));
    doc->SetMagnifierView({0, 0, 100, 100});
    doc->SetMagnifierOrigin(doc->PhotoPosition() + QPoint(5, 5));
    doc->PencilMagnifierStroke(panel, {0, 0}, {1, 0});
    const Colour sample = source.PixelAt(20 - 11 + 12, 20 - 11 + 10);
    EXPECT_EQ(doc->PhotoColour(5, 5), sample);
    EXPECT_EQ(doc->PhotoColour(6, 5), sample);
    EXPECT_EQ(doc->MaskAt(6, 5), PixelMask::Removed) << "the mask is not changed";
    EXPECT_EQ(panel.PixelAt(3, 3), sample);
    EXPECT_EQ(panel.PixelAt(10, 3), doc->BackgroundColour()) << "a removed pixel's cell shows its background";
}
