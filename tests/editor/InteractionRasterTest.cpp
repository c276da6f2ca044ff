// The raster tools on the canvas and in the magnifier panel.
#include "InteractionFixture.h"

namespace vx7::editor::test {
namespace {

using imaging::PixelMask;
using imaging::ToolMode;

TEST_F(InteractionTest, EraserRemovesAlongTheStrokeAltRestoresAndHoverShowsTheBrush) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::Eraser);
    const QPoint a = AtPixel(50, 50), b = AtPixel(90, 50);
    Hover(a);
    EXPECT_TRUE(items->PreviewShown()); // the brush outline
    EXPECT_EQ(MaskAtCanvas(a), PixelMask::Kept);
    LeftDown(a);
    EXPECT_FALSE(items->PreviewShown());
    DragTo(b);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::Brush3);
    EXPECT_TRUE(interaction.StrokeMade());
    EXPECT_EQ(MaskAtCanvas(AtPixel(70, 50)), PixelMask::Removed);
    EXPECT_EQ(MaskAtCanvas(AtPixel(70, 60)), PixelMask::Kept);
    // Only the stroke's neighbourhood is reported for showing.
    EXPECT_TRUE(listener.dirty.contains(AtPixel(70, 50)));
    EXPECT_LT(listener.dirty.width(), 80);
    LeftUp(b);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::Arrow);

    LeftDown(a);
    DragTo(b, /*alt=*/true);
    EXPECT_EQ(MaskAtCanvas(AtPixel(70, 50)), PixelMask::Kept);
}

TEST_F(InteractionTest, WheelStepsTheBrushRadiusWithinThreeToNine) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::Eraser);
    Hover(AtPixel(20, 20));
    ASSERT_TRUE(items->PreviewShown());
    interaction.Wheel(+1);
    EXPECT_EQ(raster->BrushRadius(), 6);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::Brush6);
    EXPECT_FALSE(items->PreviewShown()); // drawn again with the new radius at the next move
    interaction.Wheel(+1);
    interaction.Wheel(+1);
    interaction.Wheel(+1);
    EXPECT_EQ(raster->BrushRadius(), 9);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::Brush9);
    for (int i = 0; i < 5; ++i)
        interaction.Wheel(-1);
    EXPECT_EQ(raster->BrushRadius(), 3);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::Brush3);

    // Outside the brush tools, or during a gesture, the wheel leaves the radius alone.
    interaction.SetToolMode(ToolMode::MagicWand);
    interaction.Wheel(+1);
    EXPECT_EQ(raster->BrushRadius(), 3);
}

TEST_F(InteractionTest, LocalBrightenShowsThePressedCursorAndResetsTheStrokeMaskOnRelease) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::LocalBrighten);
    const QPoint a = AtPixel(100, 100);
    const imaging::Colour before = raster->PhotoColour(100, 100);
    LeftDown(a);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::TonePressed);
    DragTo(AtPixel(110, 100));
    EXPECT_NE(raster->PhotoColour(100, 100), before);
    EXPECT_TRUE(raster->StrokeTouched(100, 100));
    LeftUp(AtPixel(110, 100));
    EXPECT_FALSE(raster->StrokeTouched(100, 100));
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::Arrow);
}

TEST_F(InteractionTest, MakeupAltPressSamplesAtReleaseAndPaintsNothingInBetween) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::MakeupBrush);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::MakeupNoSample);
    const QImage before = canvas.Image().copy();
    const QPoint down = AtPixel(60, 60);
    LeftDown(down, /*alt=*/true);
    EXPECT_TRUE(interaction.AltSamplePending());
    // The flash: 165, half a second, 163, half a second, 165; a timer, never a wait.
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::MakeupNoSample);
    EXPECT_EQ(timer.Interval(), 500);
    ASSERT_TRUE(timer.Fire());
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::MakeupSampled);
    ASSERT_TRUE(timer.Fire());
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::MakeupNoSample);
    EXPECT_FALSE(timer.Active());

    // Moving while the sample is pending blinks every 250 ms and paints nothing.
    DragTo(AtPixel(80, 60), true);
    EXPECT_EQ(timer.Interval(), 250);
    const CanvasCursor first = interaction.Cursor();
    ASSERT_TRUE(timer.Fire());
    EXPECT_NE(interaction.Cursor(), first);
    DragTo(AtPixel(120, 80), true);
    EXPECT_FALSE(raster->SampleTaken());
    EXPECT_EQ(canvas.Image(), before);

    LeftUp(AtPixel(120, 80), true);
    EXPECT_FALSE(interaction.AltSamplePending());
    EXPECT_TRUE(raster->SampleTaken());
    EXPECT_FALSE(timer.Active());
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::MakeupSampled);
    // The sample is the canvas around the press point.
    EXPECT_EQ(raster->SampleAt(11, 11), canvas.PixelAt(down.x(), down.y()));
    EXPECT_EQ(canvas.Image(), before);

    // With a sample, a drag paints and shows the painting cursor.
    LeftDown(AtPixel(200, 200));
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::MakeupPainting);
    DragTo(AtPixel(230, 200));
    EXPECT_NE(canvas.Image(), before);
}

TEST_F(InteractionTest, MakeupWithoutSamplePaintsNothingAndAClickWithSamplePaintsOneDab) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::MakeupBrush);
    const QImage before = canvas.Image().copy();
    LeftDown(AtPixel(60, 60));
    DragTo(AtPixel(90, 60));
    LeftUp(AtPixel(90, 60));
    EXPECT_EQ(canvas.Image(), before);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::MakeupNoSample);

    // A sample from another part of the picture, then a click without a move.
    raster->TakeSamplePatch(canvas, AtPixel(300, 250));
    Click(AtPixel(60, 60));
    EXPECT_NE(raster->PhotoColour(60, 60), imaging::Colour::FromQRgb(before.pixel(AtPixel(60, 60))));
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::MakeupSampled);
}

TEST_F(InteractionTest, MagicWandMiddleButtonUndoesTheLastClick) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::MagicWand);
    LeftDown(AtPixel(10, 10));
    EXPECT_EQ(MaskAtCanvas(AtPixel(10, 10)), PixelMask::WandPending);
    MiddleDown(AtPixel(10, 10));
    EXPECT_EQ(MaskAtCanvas(AtPixel(10, 10)), PixelMask::Kept);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::MagicWand);
    EXPECT_GE(listener.canvasRepaints, 2);
}

class PolygonSelectionTest : public InteractionTest {
  protected:
    // A square of 100 x 100 photo pixels, clicked corner by corner, closed at the first corner.
    void ClickSquare() {
        MoveAndClick(AtPixel(100, 100));
        MoveAndClick(AtPixel(200, 100));
        MoveAndClick(AtPixel(200, 200));
        MoveAndClick(AtPixel(100, 200));
    }
};

TEST_F(PolygonSelectionTest, KeepPolygonClosesNearTheFirstPointAndKeepsOnlyTheInside) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::KeepPolygon);
    ClickSquare();
    EXPECT_EQ(raster->Polygon().Count(), 4);
    Hover(AtPixel(103, 98));
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::PolygonClose);
    Hover(AtPixel(150, 150));
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::PolygonTool);
    EXPECT_TRUE(listener.notices.empty());
    MoveAndClick(AtPixel(103, 98));
    EXPECT_EQ(interaction.Tool(), ToolMode::None);
    // Closing ends the tool: the window drops the prompt that asks for more points.
    EXPECT_EQ(listener.notices, std::vector<CanvasNotice>{CanvasNotice::ToolEnded});
    EXPECT_EQ(MaskAtCanvas(AtPixel(150, 150)), PixelMask::Kept);
    EXPECT_EQ(MaskAtCanvas(AtPixel(50, 50)), PixelMask::Removed);
    EXPECT_EQ(MaskAtCanvas(AtPixel(250, 150)), PixelMask::Removed);
    EXPECT_FALSE(items->PreviewShown());
}

TEST_F(PolygonSelectionTest, RemovePolygonAndMiddleButtonStepBack) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::RemovePolygon);
    MoveAndClick(AtPixel(100, 100));
    MoveAndClick(AtPixel(200, 100));
    MoveAndClick(AtPixel(300, 250)); // a stray point
    MiddleDown(AtPixel(300, 250));
    EXPECT_EQ(raster->Polygon().Count(), 2);
    EXPECT_EQ(interaction.LastPoint(), AtPixel(200, 100));
    EXPECT_EQ(interaction.ClickStage(), 1);
    MoveAndClick(AtPixel(200, 200));
    MoveAndClick(AtPixel(100, 200));
    MoveAndClick(AtPixel(100, 100));
    EXPECT_EQ(interaction.Tool(), ToolMode::None);
    EXPECT_EQ(MaskAtCanvas(AtPixel(150, 150)), PixelMask::Removed);
    EXPECT_EQ(MaskAtCanvas(AtPixel(250, 150)), PixelMask::Kept);
}

TEST_F(PolygonSelectionTest, StepBackWithOnePointRemovesNothingAndRestartsOnTheNextClick) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::SpotlightPolygon);
    MoveAndClick(AtPixel(100, 100));
    MiddleDown(AtPixel(100, 100));
    EXPECT_EQ(raster->Polygon().Count(), 1);
    EXPECT_EQ(interaction.ClickStage(), -1);
    MoveAndClick(AtPixel(10, 10));
    EXPECT_EQ(raster->Polygon().Count(), 1);
    EXPECT_EQ(raster->Polygon().At(0), AtPixel(10, 10));
}

TEST_F(PolygonSelectionTest, HoldsAtMost260ClickedPoints) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::RemovePolygon);
    // A zigzag that never comes back near its first point.
    for (int i = 0; i < 300; ++i)
        MoveAndClick(AtPixel(20 + 2 * i, i % 2 == 0 ? 40 : 80));
    EXPECT_EQ(raster->Polygon().Count(), 260);
    EXPECT_EQ(interaction.Tool(), ToolMode::RemovePolygon);
    // Closing still works on a full polygon.
    MoveAndClick(AtPixel(21, 41));
    EXPECT_EQ(interaction.Tool(), ToolMode::None);
}

TEST_F(PolygonSelectionTest, RightButtonEndsWithoutApplyingThePolygon) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::KeepPolygon);
    ClickSquare();
    RightDown();
    EXPECT_EQ(interaction.Tool(), ToolMode::None);
    EXPECT_EQ(MaskAtCanvas(AtPixel(50, 50)), PixelMask::Kept);
    EXPECT_EQ(listener.notices, std::vector<CanvasNotice>{CanvasNotice::ToolEnded});
}

TEST_F(InteractionTest, StickerSelectionCommitsOnTheRightButtonEvenAfterAStrayClick) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::StickerSelection);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::StickerPlain);
    LeftDown(AtPixel(100, 100));
    DragTo(AtPixel(200, 180));
    LeftUp(AtPixel(200, 180));
    EXPECT_EQ(MaskAtCanvas(AtPixel(150, 140)), PixelMask::Marked);
    EXPECT_TRUE(interaction.SelectionMade());
    // A click without a drag makes no selection and must not lose the one made.
    Click(AtPixel(20, 20));
    RightDown();
    EXPECT_EQ(MaskAtCanvas(AtPixel(150, 140)), PixelMask::Kept);
    EXPECT_EQ(MaskAtCanvas(AtPixel(20, 20)), PixelMask::Removed);
}

TEST_F(InteractionTest, StickerAltDeselectsShortDragsDoNothingAndShiftStepsTheEdgeStyle) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::StickerSelection);
    LeftDown(AtPixel(100, 100));
    DragTo(AtPixel(110, 100));
    LeftUp(AtPixel(110, 100)); // 10 pixels: nothing
    EXPECT_FALSE(interaction.SelectionMade());
    Click(AtPixel(110, 100)); // the click after a short drag drops the band
    EXPECT_FALSE(items->PreviewShown());

    LeftDown(AtPixel(100, 100));
    DragTo(AtPixel(200, 180));
    LeftUp(AtPixel(200, 180));
    LeftDown(AtPixel(120, 110));
    DragTo(AtPixel(180, 170), true);
    LeftUp(AtPixel(180, 170), true);
    EXPECT_EQ(MaskAtCanvas(AtPixel(150, 140)), PixelMask::Kept);

    EXPECT_EQ(interaction.ShiftKey(), ShiftOutcome::EdgeStyleStepped);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::StickerFeather);
    interaction.ShiftKey();
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::StickerBright);
    interaction.ShiftKey();
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::StickerPlain);
    EXPECT_EQ(raster->GetEdgeStyle(), imaging::EdgeStyle::Plain);
}

TEST_F(InteractionTest, ValidAreaNeedsEightyPixelsEachWay) {
    interaction.SetToolMode(ToolMode::ChooseValidArea);
    MoveAndClick({10, 10});
    MoveAndClick({89, 200}); // 79 wide: ignored, the choice goes on
    EXPECT_EQ(interaction.Tool(), ToolMode::ChooseValidArea);
    EXPECT_TRUE(listener.notices.empty());
    EXPECT_EQ(raster->ValidArea(), (imaging::IntRect{6, 6, 326, 246}));
    MoveAndClick({90, 90});
    EXPECT_EQ(interaction.Tool(), ToolMode::None);
    EXPECT_EQ(raster->ValidArea(), (imaging::IntRect{10, 10, 90, 90}));
    EXPECT_EQ(listener.notices, std::vector<CanvasNotice>{CanvasNotice::ToolEnded});
    EXPECT_FALSE(items->PreviewShown());
}

TEST_F(InteractionTest, MagnifiedAreaFollowsTheMouseAndIsFixedByTheButton) {
    LoadPhoto();
    interaction.SetToolMode(ToolMode::ChooseMagnifiedArea);
    Hover(AtPixel(10, 10));
    Hover(AtPixel(40, 30));
    EXPECT_EQ(raster->MagnifierOrigin(), QPoint(40, 30));
    EXPECT_EQ(listener.notices, std::vector<CanvasNotice>{CanvasNotice::MagnifierMoved});
    LeftDown(AtPixel(50, 35));
    LeftUp(AtPixel(50, 35));
    EXPECT_EQ(raster->MagnifierOrigin(), QPoint(50, 35));
    EXPECT_EQ(listener.notices.back(), CanvasNotice::MagnifierChosen);
    EXPECT_EQ(interaction.Tool(), ToolMode::None);
    EXPECT_FALSE(items->PreviewShown());
}

// ---- Magnifier panel ----

TEST_F(InteractionTest, PanelStripsScrollAndShowTheirCursors) {
    LoadPhoto();
    const imaging::IntRect v = raster->MagnifierView();
    const QPoint right(v.right - 3, (v.top + v.bottom) / 2);
    EXPECT_EQ(interaction.PanelCursorAt(right), CanvasCursor::StripRight);
    EXPECT_EQ(interaction.PanelCursorAt(QPoint(v.left + 2, (v.top + v.bottom) / 2)), CanvasCursor::StripLeft);
    EXPECT_EQ(interaction.PanelCursorAt(QPoint((v.left + v.right) / 2, v.top + 2)), CanvasCursor::StripTop);
    EXPECT_EQ(interaction.PanelCursorAt(QPoint((v.left + v.right) / 2, v.bottom - 2)),
              CanvasCursor::StripBottom);
    // The corners belong to no strip.
    EXPECT_NE(interaction.PanelCursorAt(QPoint(v.left + 2, v.top + 2)), CanvasCursor::StripLeft);

    interaction.PanelPress(Ev(right, Qt::LeftButton, Qt::LeftButton));
    EXPECT_GT(raster->MagnifierOrigin().x(), 0);
    EXPECT_EQ(listener.panelRepaints, 1);
    // Already at the left edge: nothing moves, nothing is repainted.
    interaction.PanelPress(Ev(QPoint(v.left + 2, v.top + 100), Qt::LeftButton, Qt::LeftButton));
    interaction.PanelPress(Ev(QPoint(v.left + 2, v.top + 100), Qt::LeftButton, Qt::LeftButton));
    EXPECT_EQ(raster->MagnifierOrigin().x(), 0);
    EXPECT_EQ(listener.panelRepaints, 2);
}

TEST_F(InteractionTest, PanelEraserAndWandWorkInMagnifierCells) {
    LoadPhoto();
    raster->PaintMagnifier(panel);
    interaction.SetToolMode(ToolMode::Eraser);
    // Cell (10, 5) to cell (20, 5): photo pixels 10 ... 20 of row 5.
    const auto at = [](int column, int row) { return QPoint(column * 7 + 3, row * 7 + 3); };
    interaction.PanelPress(Ev(at(10, 5), Qt::LeftButton, Qt::LeftButton));
    interaction.PanelMove(Ev(at(20, 5), Qt::NoButton, Qt::LeftButton));
    interaction.PanelRelease(Ev(at(20, 5), Qt::LeftButton, Qt::NoButton));
    EXPECT_EQ(raster->MaskAt(15, 5), PixelMask::Removed);
    EXPECT_EQ(raster->MaskAt(15, 6), PixelMask::Kept);
    EXPECT_GE(listener.canvasRepaints, 1);

    interaction.SetToolMode(ToolMode::MagicWand);
    interaction.PanelPress(Ev(at(30, 30), Qt::LeftButton, Qt::LeftButton));
    EXPECT_EQ(raster->MaskAt(30, 30), PixelMask::WandPending);
    interaction.PanelPress(Ev(at(30, 30), Qt::MiddleButton, Qt::MiddleButton));
    EXPECT_EQ(raster->MaskAt(30, 30), PixelMask::Kept);
}

TEST_F(InteractionTest, PanelMakeupAltClickTakesTheColourUnderThePointer) {
    LoadPhoto();
    raster->PaintMagnifier(panel);
    interaction.SetToolMode(ToolMode::MakeupBrush);
    const QPoint p(12 * 7 + 3, 4 * 7 + 3);
    interaction.PanelPress(Ev(p, Qt::LeftButton, Qt::LeftButton, true));
    EXPECT_TRUE(timer.Active());
    interaction.PanelMove(Ev(p + QPoint(20, 0), Qt::NoButton, Qt::LeftButton, true));
    EXPECT_FALSE(raster->SampleTaken());
    interaction.PanelRelease(Ev(p, Qt::LeftButton, Qt::NoButton, true));
    EXPECT_TRUE(raster->SampleTaken());
    EXPECT_EQ(raster->SampleAt(10, 12), panel.PixelAt(p.x(), p.y()));
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::MakeupSampled);
}

} // namespace
} // namespace vx7::editor::test
