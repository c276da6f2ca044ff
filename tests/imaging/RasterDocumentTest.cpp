#include "ImageCompare.h"
#include "ImagingFixture.h"

#include "imaging/raster/RasterDocument.h"
#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vx7::imaging;
using vx7::test::LoadPicture;
using vx7::test::PatternPicture;
using vx7::test::PictureFolder;
using vx7::test::SolidPicture;

namespace {

class RasterDocumentTest : public ::testing::Test {
  protected:
    std::unique_ptr<RasterDocument> doc = std::make_unique<RasterDocument>();
    PictureFolder folder;
};

} // namespace

// ---------------------------------------------------------------- initial state

TEST_F(RasterDocumentTest, StartsWithTheDocumentedValues) {
    Colour bg;
    EXPECT_EQ(doc->GetBackground(bg), BackgroundMode::Colour);
    EXPECT_EQ(bg.Value(), 0x006A6F0Du);
    EXPECT_EQ(doc->BrushRadius(), 3);
    EXPECT_FALSE(doc->PhotoLoaded());
    EXPECT_FALSE(doc->BackgroundLoaded());
    EXPECT_EQ(doc->ValidArea(), (IntRect{6, 6, 326, 246}));
    EXPECT_EQ(doc->PosteriseStep(), 2);
    EXPECT_EQ(doc->EdgeColour().Value(), 0x00FFFFFFu);
    EXPECT_EQ(doc->GetEdgeStyle(), EdgeStyle::Plain);
    EXPECT_FALSE(doc->SampleTaken());
    EXPECT_EQ(doc->Polygon().Count(), 0);
    EXPECT_FLOAT_EQ(doc->Scale(), 1.0f);
    EXPECT_EQ(doc->TakeSelection(), (IntRect{}));
}

// ---------------------------------------------------------------- loading

TEST_F(RasterDocumentTest, CentredPhotoIsReadBackFromTheCanvasAsKeptPixels) {
    const QImage picture = PatternPicture(200, 100);
    auto canvas = LoadPicture(*doc, folder, picture, 560, 482);
    EXPECT_TRUE(doc->PhotoLoaded());
    EXPECT_EQ(doc->PhotoPosition(), QPoint(180, 191));
    EXPECT_EQ(doc->HomePosition(), QPoint(180, 191));
    EXPECT_EQ(doc->PhotoWidth(), 200);
    EXPECT_EQ(doc->PhotoHeight(), 100);
    EXPECT_EQ(doc->ValidArea(), (IntRect{180, 191, 380, 291}));
    for (int y = 0; y < 100; y += 13)
        for (int x = 0; x < 200; x += 17) {
            EXPECT_EQ(doc->PhotoColour(x, y), Colour::FromQRgb(picture.pixel(x, y)));
            EXPECT_EQ(doc->MaskAt(x, y), PixelMask::Kept);
        }
    EXPECT_EQ(canvas.PixelAt(180, 191), Colour::FromQRgb(picture.pixel(0, 0)));
}

TEST_F(RasterDocumentTest, WhatIsUnderATransparentPhotoBecomesPartOfTheLayer) {
    QImage picture(20, 20, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(5, 5, qRgba(255, 0, 0, 255));
    CanvasSurface canvas(100, 100, Colour::FromRgb(1, 2, 3));
    doc->LoadPhotoCentred(canvas, folder.Write(picture));
    EXPECT_EQ(doc->PhotoColour(0, 0), Colour::FromRgb(1, 2, 3));
    EXPECT_EQ(doc->PhotoColour(5, 5), Colour::FromRgb(255, 0, 0));
}

TEST_F(RasterDocumentTest, LargePictureIsClippedTo640By480AtTheCanvasCorner) {
    auto canvas = LoadPicture(*doc, folder, PatternPicture(1000, 800), 560, 482);
    EXPECT_EQ(doc->NaturalWidth(), 1000);
    EXPECT_EQ(doc->NaturalHeight(), 800);
    EXPECT_EQ(doc->PhotoPosition(), QPoint(0, 0));
    EXPECT_EQ(doc->PhotoWidth(), 640);
    EXPECT_EQ(doc->PhotoHeight(), 480);
    EXPECT_EQ(doc->ValidArea(), (IntRect{0, 0, 640, 480}));
    // Columns past the canvas edge are read as an invalid (white) colour, never out of bounds.
    EXPECT_EQ(doc->PhotoColour(600, 10), CanvasSurface::kOutside);
    EXPECT_EQ(doc->MaskAt(639, 479), PixelMask::Kept);
}

TEST_F(RasterDocumentTest, CentringOffsetAbove320PutsThePhotoAtOne) {
    LoadPicture(*doc, folder, PatternPicture(100, 100), 1200, 300);
    EXPECT_EQ(doc->PhotoPosition(), QPoint(1, 100)) << "x offset 550 is above 320";
    // Exactly 320 stays centred.
    LoadPicture(*doc, folder, PatternPicture(100, 100), 740, 300);
    EXPECT_EQ(doc->PhotoPosition().x(), 320);
}

TEST_F(RasterDocumentTest, UndecodablePictureLoadsAsEmptyLayerMarkedLoaded) {
    const QString path = folder.Path(QStringLiteral("broken.png"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x89PNG not really");
    f.close();
    CanvasSurface canvas(300, 200);
    doc->LoadPhotoCentred(canvas, path);
    EXPECT_TRUE(doc->PhotoLoaded());
    EXPECT_EQ(doc->PhotoWidth(), 0);
    EXPECT_EQ(doc->PhotoHeight(), 0);
    EXPECT_EQ(doc->NaturalWidth(), 0);
    // Tools on an empty layer change nothing and stay in bounds.
    doc->WandAt({150, 100});
    QPoint p(150, 100);
    doc->EraseStroke(canvas, p, p + QPoint(30, 30), EraseOp::Remove);
    EXPECT_TRUE(doc->ToneWholePhoto(ToneOp::Brighten));
    doc->PaintPhotoLayer(canvas);
}

TEST_F(RasterDocumentTest, MissingFileAndEmptyCanvasDoNotCrash) {
    CanvasSurface empty;
    doc->LoadPhotoCentred(empty, folder.Path(QStringLiteral("nothing.png")));
    EXPECT_EQ(doc->PhotoWidth(), 0);
    doc->PaintPhotoLayer(empty);
    doc->PaintMagnifier(empty);
}

TEST_F(RasterDocumentTest, ReloadWithoutPathUsesTheCurrentPhoto) {
    auto canvas = LoadPicture(*doc, folder, PatternPicture(50, 40), 300, 300);
    doc->SetPhotoPixel(0, 0, Colour(0), PixelMask::Removed);
    doc->LoadPhotoCentred(canvas);
    EXPECT_EQ(doc->MaskAt(0, 0), PixelMask::Kept);
    EXPECT_EQ(doc->PhotoWidth(), 50);
}

TEST_F(RasterDocumentTest, FitScalesDownIntoTheValidAreaAndCapturesIt) {
    CanvasSurface canvas(560, 482, Colour(0));
    doc->SetPhotoPath(folder.Write(SolidPicture(400, 200, qRgb(200, 100, 50))));
    doc->SetValidArea({10, 20}, {210, 220}); // 200 x 200
    doc->FitPhotoToValidArea(canvas);
    EXPECT_FLOAT_EQ(doc->Scale(), 2.0f);
    EXPECT_EQ(doc->PhotoPosition(), QPoint(10, 20));
    EXPECT_EQ(doc->PhotoWidth(), 200);
    EXPECT_EQ(doc->PhotoHeight(), 200);
    // The picture, 200 x 100 after scaling, fills the top half of the area.
    EXPECT_EQ(doc->PhotoColour(100, 50), Colour::FromRgb(200, 100, 50));
    EXPECT_EQ(doc->PhotoColour(100, 150), Colour(0));
}

TEST_F(RasterDocumentTest, FitDoesNothingOnATinyValidArea) {
    CanvasSurface canvas(100, 100);
    doc->SetPhotoPath(folder.Write(SolidPicture(40, 40, qRgb(1, 1, 1))));
    doc->SetValidArea({0, 0}, {10, 50});
    doc->FitPhotoToValidArea(canvas);
    EXPECT_EQ(doc->PhotoWidth(), 0);
}

TEST_F(RasterDocumentTest, CommittedPlacementCapturesTheValidArea) {
    auto canvas = LoadPicture(*doc, folder, SolidPicture(100, 80, qRgb(10, 20, 30)), 300, 300);
    const QPoint home = doc->PhotoPosition();
    doc->ResetPlacement();
    EXPECT_EQ(doc->CurrentPlacement(), (Placement{home.x(), home.y(), 100, 80, 0}));
    doc->MovePlacement(-home.x(), -home.y());
    canvas.Fill(Colour(0));
    doc->SetValidArea({0, 0}, {120, 100});
    doc->DrawPlaced(canvas, CaptureOp::Preview);
    EXPECT_EQ(doc->PhotoPosition(), home) << "drawing without commit captures nothing";
    doc->RotatePlacement(RotateOp::Set, 90);
    doc->DrawPlaced(canvas, CaptureOp::Commit);
    EXPECT_EQ(doc->CurrentPlacement().angle, 0);
    EXPECT_EQ(doc->PhotoPosition(), QPoint(0, 0));
    EXPECT_EQ(doc->PhotoWidth(), 120);
    EXPECT_EQ(doc->PhotoColour(5, 5), Colour::FromRgb(10, 20, 30));
}

TEST_F(RasterDocumentTest, RotationTurnsAboutHalfTheSumOfLeftAndWidth) {
    auto canvas = LoadPicture(*doc, folder, SolidPicture(100, 50, qRgb(0, 0, 250)), 300, 300);
    doc->ResetPlacement();
    doc->MovePlacement(100 - doc->CurrentPlacement().left, -doc->CurrentPlacement().top);
    doc->RotatePlacement(RotateOp::Set, 180);
    canvas.Fill(Colour(0));
    doc->DrawPlaced(canvas, CaptureOp::Preview);
    // The pivot is ((100 + 100) / 2, (0 + 50) / 2) = (100, 25): a half turn moves the
    // picture from columns 100..199 to 0..99.
    EXPECT_EQ(canvas.PixelAt(50, 25), Colour::FromRgb(0, 0, 250));
    EXPECT_EQ(canvas.PixelAt(150, 25), Colour(0));
}

TEST_F(RasterDocumentTest, ScalePlacementRefusesTooSmallSizes) {
    auto canvas = LoadPicture(*doc, folder, SolidPicture(150, 100, qRgb(0, 0, 0)), 300, 300);
    doc->ResetPlacement();
    EXPECT_FALSE(doc->ScalePlacement(0.5)) << "75 is not above 100";
    EXPECT_EQ(doc->CurrentPlacement().width, 150);
    EXPECT_TRUE(doc->ScalePlacement(1.0256));
    EXPECT_EQ(doc->CurrentPlacement().width, 153);
    EXPECT_EQ(doc->CurrentPlacement().height, 102);
    // Growth stops before sizes leave the coordinate range.
    for (int i = 0; i < 2000; ++i)
        doc->ScalePlacement(1.0256);
    EXPECT_LT(doc->CurrentPlacement().width, 32768);
    EXPECT_GT(doc->CurrentPlacement().width, 30000);
}

TEST_F(RasterDocumentTest, RotatePlacementWrapsAtFullTurns) {
    EXPECT_EQ(doc->RotatePlacement(RotateOp::Set, 359), 359);
    EXPECT_EQ(doc->RotatePlacement(RotateOp::Up, 0), 0);
    EXPECT_EQ(doc->RotatePlacement(RotateOp::Set, -359), -359);
    EXPECT_EQ(doc->RotatePlacement(RotateOp::Down, 0), 0);
    doc->RotatePlacement(RotateOp::Set, 0);
    for (int i = 0; i < 360; ++i)
        doc->RotatePlacement(RotateOp::Up, 0);
    EXPECT_EQ(doc->CurrentPlacement().angle, 0);
}

TEST_F(RasterDocumentTest, BrushRadiusStepsBetweenThreeAndNine) {
    EXPECT_EQ(doc->StepBrushRadius(RadiusOp::Down), 3);
    EXPECT_EQ(doc->StepBrushRadius(RadiusOp::Up), 6);
    EXPECT_EQ(doc->StepBrushRadius(RadiusOp::Up), 9);
    EXPECT_EQ(doc->StepBrushRadius(RadiusOp::Up), 9);
    EXPECT_EQ(doc->StepBrushRadius(static_cast<RadiusOp>(0)), 9) << "unknown codes change nothing";
    EXPECT_EQ(doc->StepBrushRadius(static_cast<RadiusOp>(12345)), 9);
    EXPECT_EQ(doc->StepBrushRadius(RadiusOp::Down), 6);
    EXPECT_EQ(doc->StepBrushRadius(RadiusOp::Down), 3);
}

TEST_F(RasterDocumentTest, StartPlaceBackgroundRefusesAMissingFile) {
    vx7::test::ScriptedPrompt prompt;
    doc->SetBackgroundPath(folder.Path(QStringLiteral("none.jpg")));
    EXPECT_FALSE(doc->StartPlaceBackground(PlacementTarget::Background, prompt));
    ASSERT_EQ(prompt.Texts(), QStringList{QStringLiteral("请注意,当前图片不存在")});
    EXPECT_EQ(doc->GetPlacementTarget(), PlacementTarget::Photo);
    doc->SetBackgroundPath(folder.Write(SolidPicture(5, 5, 0), QStringLiteral("bg.png")));
    EXPECT_TRUE(doc->StartPlaceBackground(PlacementTarget::Background, prompt));
    EXPECT_EQ(doc->GetPlacementTarget(), PlacementTarget::Background);
    EXPECT_EQ(prompt.shown.size(), 1u);
}

TEST_F(RasterDocumentTest, BackgroundLoadsAtHomeAndPlacedBackgroundIsCapturedFromOneOne) {
    auto canvas = LoadPicture(*doc, folder, SolidPicture(100, 100, qRgb(5, 5, 5)), 400, 300);
    doc->SetBackgroundPath(folder.Write(PatternPicture(700, 500), QStringLiteral("bg.png")));
    doc->LoadBackground(canvas);
    EXPECT_TRUE(doc->BackgroundLoaded());
    EXPECT_EQ(doc->BackgroundPosition(), doc->HomePosition());
    EXPECT_EQ(doc->BackgroundWidth(), 640);
    EXPECT_EQ(doc->BackgroundHeight(), 480);

    // Placing: sharpening state is reset and the capture starts at (1, 1).
    doc->SetBackgroundMode(BackgroundMode::Picture);
    doc->ToneBackground(ToneOp::Sharpen);
    EXPECT_EQ(doc->PosteriseStep(), 4);
    vx7::test::ScriptedPrompt prompt;
    ASSERT_TRUE(doc->StartPlaceBackground(PlacementTarget::Background, prompt));
    doc->ResetPlacement();
    doc->MovePlacement(-doc->CurrentPlacement().left, -doc->CurrentPlacement().top);
    canvas.Fill(Colour(0));
    doc->DrawPlaced(canvas, CaptureOp::Commit);
    EXPECT_EQ(doc->PosteriseStep(), 2);
    EXPECT_EQ(doc->GetPlacementTarget(), PlacementTarget::Photo);
    EXPECT_EQ(doc->BackgroundPosition(), QPoint(1, 1));
    EXPECT_EQ(doc->BackgroundWidth(), 640);
    EXPECT_EQ(doc->BackgroundLayerColour(0, 0), canvas.PixelAt(1, 1));
}

TEST_F(RasterDocumentTest, MissingBackgroundFileLeavesNoBackground) {
    auto canvas = LoadPicture(*doc, folder, SolidPicture(10, 10, 0), 100, 100);
    doc->SetBackgroundPath(folder.Path(QStringLiteral("gone.png")));
    doc->LoadBackground(canvas);
    EXPECT_FALSE(doc->BackgroundLoaded());
}

// ---------------------------------------------------------------- painting

namespace {

// The photo layer painted by hand, pixel by pixel, as the reference.
QImage ReferencePaint(const RasterDocument& doc, QImage canvas, bool sticker) {
    for (int row = 0; row < doc.PhotoHeight(); ++row)
        for (int col = 0; col < doc.PhotoWidth(); ++col) {
            const int x = doc.PhotoPosition().x() + col, y = doc.PhotoPosition().y() + row;
            if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height())
                continue;
            const PixelMask m = doc.MaskAt(col, row);
            const Colour c = doc.PhotoColour(col, row);
            if (sticker) {
                if (m == PixelMask::Kept)
                    canvas.setPixel(
                        x, y,
                        Colour::FromRgb(int(c.Red() * 0.6), int(c.Green() * 0.6), int(c.Blue() * 0.6))
                            .ToQRgb());
                else if (m == PixelMask::Marked)
                    canvas.setPixel(x, y, c.ToQRgb());
            } else if (m == PixelMask::Kept) {
                canvas.setPixel(x, y, c.ToQRgb());
            } else if (doc.GetBackgroundMode() != BackgroundMode::Picture) {
                canvas.setPixel(x, y, doc.BackgroundColour().ToQRgb());
            }
        }
    return canvas;
}

void MarkSomePixels(RasterDocument& doc) {
    for (int row = 0; row < doc.PhotoHeight(); ++row)
        for (int col = 0; col < doc.PhotoWidth(); ++col) {
            const int k = (col * 13 + row * 7) % 5;
            constexpr PixelMask codes[] = {PixelMask::Kept, PixelMask::Removed, PixelMask::Marked,
                                           PixelMask::WandPending, PixelMask::Empty};
            const PixelMask code = codes[k];
            doc.SetPhotoPixel(col, row, doc.PhotoColour(col, row), code);
        }
}

} // namespace

struct PaintCase {
    const char* name;
    ToolMode toolMode;
    BackgroundMode backgroundMode;
};

class PaintPhotoLayerTest : public ::testing::TestWithParam<PaintCase> {};

TEST_P(PaintPhotoLayerTest, MatchesThePixelByPixelReference) {
    auto doc = std::make_unique<RasterDocument>();
    PictureFolder folder;
    auto canvas = LoadPicture(*doc, folder, PatternPicture(300, 200), 400, 300);
    MarkSomePixels(*doc);
    doc->MovePhoto(-20, 150); // partly off the canvas
    doc->SetToolMode(GetParam().toolMode);
    doc->SetBackgroundMode(GetParam().backgroundMode);
    canvas.Fill(Colour::FromRgb(9, 9, 9));
    const QImage before = canvas.Image().copy();
    doc->PaintPhotoLayer(canvas);
    EXPECT_TRUE(vx7::test::ImagesNear(
        canvas.Image(), ReferencePaint(*doc, before, GetParam().toolMode == ToolMode::StickerSelection), 0,
        QString::fromLatin1(GetParam().name)));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PaintPhotoLayerTest,
    ::testing::Values(PaintCase{"plain", ToolMode::None, BackgroundMode::Colour},
                      PaintCase{"backgroundPicture", ToolMode::Eraser, BackgroundMode::Picture},
                      PaintCase{"sticker", ToolMode::StickerSelection, BackgroundMode::Colour}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RasterDocumentTest, NothingIsPaintedWithoutAPhoto) {
    CanvasSurface canvas(50, 50, Colour(7));
    doc->PaintPhotoLayer(canvas);
    EXPECT_EQ(canvas.PixelAt(10, 10), Colour(7));
}

TEST_F(RasterDocumentTest, BackgroundLayerPaintsOnlyInBackgroundPictureMode) {
    auto canvas = LoadPicture(*doc, folder, SolidPicture(10, 10, 0), 100, 100);
    doc->SetBackgroundPath(folder.Write(SolidPicture(30, 30, qRgb(0, 200, 0)), QStringLiteral("bg.png")));
    doc->LoadBackground(canvas);
    canvas.Fill(Colour(0));
    doc->PaintBackgroundLayer(canvas);
    EXPECT_EQ(canvas.PixelAt(doc->BackgroundPosition().x() + 2, doc->BackgroundPosition().y() + 2),
              Colour(0));
    doc->SetBackgroundMode(BackgroundMode::Picture);
    doc->PaintBackgroundLayer(canvas);
    EXPECT_EQ(canvas.PixelAt(doc->BackgroundPosition().x() + 2, doc->BackgroundPosition().y() + 2),
              Colour::FromRgb(0, 200, 0));
    // A removed photo pixel shows the background picture at the same column and row.
    EXPECT_EQ(doc->BackgroundAt(2, 2), Colour::FromRgb(0, 200, 0));
    EXPECT_EQ(doc->BackgroundAt(35, 2), doc->BackgroundColour()) << "past the background's size";
}

TEST_F(RasterDocumentTest, MagnifierShowsSevenPixelCellsWithAGrid) {
    auto canvas = LoadPicture(*doc, folder, PatternPicture(40, 30), 100, 100);
    doc->SetPhotoPixel(1, 0, Colour::FromRgb(1, 2, 3), PixelMask::Removed);
    CanvasSurface panel(200, 200, Colour(0));
    doc->SetMagnifierView({10, 10, 82, 60}); // room for 10 columns and 7 rows
    doc->SetMagnifierOrigin(doc->PhotoPosition());
    doc->PaintMagnifier(panel);
    EXPECT_EQ(doc->MagnifierZoom(), 7);
    EXPECT_EQ(panel.PixelAt(12, 12), doc->PhotoColour(0, 0));
    EXPECT_EQ(panel.PixelAt(20, 12), doc->BackgroundColour()) << "a removed pixel shows its background";
    EXPECT_EQ(panel.PixelAt(17, 12).Value(), 0x00808080u) << "grid at the right of the first column";
    EXPECT_EQ(panel.PixelAt(12, 17).Value(), 0x00808080u) << "grid at the bottom of the first row";
    EXPECT_EQ(panel.PixelAt(9, 9), Colour(0)) << "outside the view";
    EXPECT_EQ(panel.PixelAt(80, 30).Value(), 0x00808080u) << "grid at the right of the last column";
    EXPECT_EQ(panel.PixelAt(81, 30).Value(), 0x00DEDEDEu) << "no further cell fits at the right";

    // A cell is repainted inside its grid, only when it fits the view.
    doc->PaintMagnifierCell(panel, 2, 2, Colour::FromRgb(9, 8, 7));
    EXPECT_EQ(panel.PixelAt(10 + 14 + 1, 10 + 14 + 1), Colour::FromRgb(9, 8, 7));
    EXPECT_EQ(panel.PixelAt(10 + 14 + 6, 10 + 14 + 6), Colour::FromRgb(9, 8, 7));
    EXPECT_NE(panel.PixelAt(10 + 14 + 7, 10 + 14 + 7), Colour::FromRgb(9, 8, 7));
    doc->PaintMagnifierCell(panel, 10, 0, Colour::FromRgb(9, 8, 7));
    EXPECT_EQ(panel.PixelAt(81, 13).Value(), 0x00DEDEDEu) << "cell 10 would pass the view's right edge";
}

TEST_F(RasterDocumentTest, MagnifierScrollsByThirdsWithinThePhoto) {
    CanvasSurface panel(10, 10);
    EXPECT_FALSE(doc->ScrollMagnifier(ScrollOp::Right)) << "no photo";
    auto canvas = LoadPicture(*doc, folder, PatternPicture(100, 50), 200, 200);
    doc->SetMagnifierSize(30, 30);
    doc->SetMagnifierOrigin(doc->PhotoPosition());
    EXPECT_FALSE(doc->ScrollMagnifier(ScrollOp::Left));
    EXPECT_TRUE(doc->ScrollMagnifier(ScrollOp::Right));
    EXPECT_EQ(doc->MagnifierOrigin(), QPoint(10, 0));
    doc->ScrollMagnifier(ScrollOp::Right);
    doc->ScrollMagnifier(ScrollOp::Right);
    EXPECT_EQ(doc->MagnifierOrigin().x(), 30);
    doc->ScrollMagnifier(ScrollOp::Right);
    doc->ScrollMagnifier(ScrollOp::Right);
    EXPECT_EQ(doc->MagnifierOrigin().x(), 50);
    EXPECT_TRUE(doc->ScrollMagnifier(ScrollOp::Right)) << "50 + 30 < 100";
    EXPECT_TRUE(doc->ScrollMagnifier(ScrollOp::Right)) << "60 + 30 < 100";
    EXPECT_FALSE(doc->ScrollMagnifier(ScrollOp::Right)) << "70 + 30 reaches the width";
    EXPECT_EQ(doc->MagnifierOrigin().x(), 70);
    EXPECT_TRUE(doc->ScrollMagnifier(ScrollOp::Down));
    EXPECT_TRUE(doc->ScrollMagnifier(ScrollOp::Down));
    EXPECT_FALSE(doc->ScrollMagnifier(ScrollOp::Down));
    EXPECT_EQ(doc->MagnifierOrigin().y(), 20);
    doc->SetMagnifierOrigin(doc->PhotoPosition() + QPoint(4, 4));
    EXPECT_TRUE(doc->ScrollMagnifier(ScrollOp::Up));
    EXPECT_EQ(doc->MagnifierOrigin().y(), 0) << "clamped at 0";
}

// ---------------------------------------------------------------- fields and masks

TEST_F(RasterDocumentTest, RectanglesAreNormalisedAndSelectionIsTakenOnce) {
    doc->SetValidArea({300, 200}, {100, 50});
    EXPECT_EQ(doc->ValidArea(), (IntRect{100, 50, 300, 200}));
    doc->SetSelection(40, 30, 10, 20);
    EXPECT_EQ(doc->TakeSelection(), (IntRect{10, 20, 40, 30}));
    EXPECT_EQ(doc->TakeSelection(), (IntRect{}));
    doc->SetSelection(40, 30, 10, 20);
    doc->SetSelection(RasterDocument::kSelectionClearX, 1, 2, 3);
    EXPECT_EQ(doc->TakeSelection(), (IntRect{}));
}

TEST_F(RasterDocumentTest, BackgroundGetterLeavesColourAloneInPictureMode) {
    Colour c(0x123456);
    doc->SetBackgroundMode(BackgroundMode::Picture);
    EXPECT_EQ(doc->GetBackground(c), BackgroundMode::Picture);
    EXPECT_EQ(c.Value(), 0x123456u);
    doc->SetBackgroundMode(BackgroundMode::Colour);
    doc->SetBackgroundColour(Colour(0x00ABCDEFu));
    EXPECT_EQ(doc->GetBackground(c), BackgroundMode::Colour);
    EXPECT_EQ(c.Value(), 0x00ABCDEFu);
}

TEST_F(RasterDocumentTest, CommitKeepSwapsKeptAndMarkedAndClearPhotoResets) {
    auto canvas = LoadPicture(*doc, folder, PatternPicture(4, 1), 50, 50);
    doc->SetPhotoPixel(0, 0, doc->PhotoColour(0, 0), PixelMask::Kept);
    doc->SetPhotoPixel(1, 0, doc->PhotoColour(1, 0), PixelMask::Marked);
    doc->SetPhotoPixel(2, 0, doc->PhotoColour(2, 0), PixelMask::Removed);
    doc->SetPhotoPixel(3, 0, doc->PhotoColour(3, 0), PixelMask::WandPending);
    doc->CommitKeep();
    EXPECT_EQ(doc->MaskAt(0, 0), PixelMask::Removed);
    EXPECT_EQ(doc->MaskAt(1, 0), PixelMask::Kept);
    EXPECT_EQ(doc->MaskAt(2, 0), PixelMask::Removed);
    EXPECT_EQ(doc->MaskAt(3, 0), PixelMask::WandPending);
    doc->UndoWand();
    EXPECT_EQ(doc->MaskAt(3, 0), PixelMask::Kept);

    doc->ClearPhoto();
    EXPECT_FALSE(doc->PhotoLoaded());
    EXPECT_EQ(doc->PhotoWidth(), 0);
    EXPECT_FLOAT_EQ(doc->Scale(), 1.0f);
    EXPECT_EQ(doc->MagnifierOrigin(), QPoint(0, 0));
    // With no photo, commit does nothing.
    doc->CommitKeep();
}
