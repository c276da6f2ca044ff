// Gestures: dragging the photo, placing a picture, moving and scaling
// materials, and the caption drag.
#include "InteractionFixture.h"

#include <QPainter>

namespace vx7::editor::test {
namespace {

// A material of w x h put into slot 0 with its centre at (cx, cy), selected.
int PutMaterial(MaterialSlots& materials, int w, int h, int cx, int cy) {
    MaterialDefaults defaults;
    defaults.layer = 0;
    defaults.x = cx - w / 2;
    defaults.y = cy - h / 2;
    const int slot = materials.PlaceMaterial(0, defaults, QSize(w, h));
    materials.Select(slot);
    return slot;
}

TEST_F(InteractionTest, MaterialDraggedFarLeftJumpsToZeroAndFarUpStopsAtMinusNinety) {
    const int slot = PutMaterial(materials, 100, 100, 100, 100);
    interaction.SetGestureMode(GestureMode::MoveMaterial);
    LeftDown({100, 100});
    DragTo({-95, 100}); // centre x 100 - 195 = -95
    EXPECT_EQ(materials.Slot(slot)->centreX, 0);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::Hidden);
    LeftUp({-95, 100});
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::Arrow);

    LeftDown({0, 100});
    DragTo({0, -95});
    EXPECT_EQ(materials.Slot(slot)->centreY, -90);
    DragTo({kCanvasWidth + 50, -95});
    EXPECT_EQ(materials.Slot(slot)->centreX, kCanvasWidth);
    LeftUp({kCanvasWidth + 50, -95});
}

TEST_F(InteractionTest, MaterialMovesOnlyBeyondOnePixelAndNotWithoutASelection) {
    const int slot = PutMaterial(materials, 100, 100, 200, 200);
    interaction.SetGestureMode(GestureMode::MoveMaterial);
    LeftDown({200, 200});
    DragTo({201, 201});
    EXPECT_EQ(materials.Slot(slot)->centreX, 200);
    DragTo({202, 201});
    EXPECT_EQ(materials.Slot(slot)->centreX, 202);
    LeftUp({202, 201});

    materials.Select(MaterialSlots::kNone);
    LeftDown({202, 201});
    DragTo({260, 260});
    EXPECT_EQ(materials.Slot(slot)->centreX, 202);
}

TEST_F(InteractionTest, MaterialGrowsOnlyWhileBothSidesStayBelowOneAndAHalfCanvasWidths) {
    // A 400-pixel canvas: the limit is 600.
    imaging::CanvasSurface narrow(400, 400);
    interaction.SetCanvasSurface(&narrow);
    const int slot = PutMaterial(materials, 300, 200, 150, 150);
    interaction.SetGestureMode(GestureMode::MoveMaterial);
    int grown = 0;
    for (int i = 0; i < 100; ++i) {
        const int before = materials.Slot(slot)->width;
        interaction.Wheel(+1);
        if (materials.Slot(slot)->width != before)
            ++grown;
    }
    const PlacedMaterial& m = *materials.Slot(slot);
    EXPECT_LT(m.width, 600);
    EXPECT_LT(m.height, 600);
    // The next step would reach 600.
    EXPECT_GE(static_cast<int>(m.width * 1.0256), 600);
    EXPECT_GT(grown, 20);
    const int repaints = listener.canvasRepaints;
    interaction.Wheel(+1);
    EXPECT_EQ(listener.canvasRepaints, repaints); // nothing applied, nothing repainted

    interaction.Wheel(-1);
    EXPECT_EQ(materials.Slot(slot)->width, static_cast<int>(m.width));
}

TEST_F(InteractionTest, PlacementRotatesOneDegreePerStepAndShiftSwitchesScaleAndRotate) {
    LoadPhoto();
    raster->SetPhotoPath(dir.filePath("photo.png"));
    raster->ResetPlacement();
    interaction.SetGestureMode(GestureMode::PlacePicture);
    state.wheelAction = WheelAction::Scale;
    const int width = raster->CurrentPlacement().width;
    interaction.Wheel(+1);
    EXPECT_EQ(raster->CurrentPlacement().width, static_cast<int>(width * 1.0256));
    interaction.Wheel(-1);
    EXPECT_EQ(raster->CurrentPlacement().angle, 0);

    EXPECT_EQ(interaction.ShiftKey(), ShiftOutcome::WheelActionFlipped);
    EXPECT_EQ(state.wheelAction, WheelAction::Rotate);
    interaction.Wheel(+1);
    EXPECT_EQ(raster->CurrentPlacement().angle, 1);
    interaction.Wheel(-1);
    interaction.Wheel(-1);
    EXPECT_EQ(raster->CurrentPlacement().angle, -1);
    interaction.Wheel(+1);
    for (int i = 0; i < 360; ++i)
        interaction.Wheel(+1);
    EXPECT_EQ(raster->CurrentPlacement().angle, 0);
    interaction.ShiftKey();
    EXPECT_EQ(state.wheelAction, WheelAction::Scale);
}

TEST_F(InteractionTest, PlacementDragMovesBeyondTwoPixels) {
    LoadPhoto();
    raster->ResetPlacement();
    const imaging::Placement start = raster->CurrentPlacement();
    interaction.SetGestureMode(GestureMode::PlacePicture);
    LeftDown({100, 100});
    DragTo({102, 102});
    EXPECT_EQ(raster->CurrentPlacement().left, start.left);
    DragTo({110, 95});
    EXPECT_EQ(raster->CurrentPlacement().left, start.left + 10);
    EXPECT_EQ(raster->CurrentPlacement().top, start.top - 5);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::GestureDrag);
}

TEST_F(InteractionTest, PhotoDragNeedsALoadedPhoto) {
    interaction.SetGestureMode(GestureMode::DragPhoto);
    LeftDown({100, 100});
    DragTo({150, 150});
    EXPECT_EQ(raster->PhotoPosition(), QPoint(0, 0));
    LeftUp({150, 150});

    LoadPhoto();
    const QPoint start = raster->PhotoPosition();
    LeftDown({100, 100});
    DragTo({101, 100}); // one pixel: not yet
    EXPECT_EQ(raster->PhotoPosition(), start);
    DragTo({120, 90});
    EXPECT_EQ(raster->PhotoPosition(), start + QPoint(20, -10));
    // The middle button drags too.
    LeftUp({120, 90});
    MiddleDown({120, 90});
    interaction.Move(Ev({130, 90}, Qt::NoButton, Qt::MiddleButton));
    EXPECT_EQ(raster->PhotoPosition(), start + QPoint(30, -10));
    MiddleUp({130, 90});
    EXPECT_EQ(listener.clipReleases, 1);
}

TEST_F(InteractionTest, AllMaterialsMoveTogetherInStepsOfThreeOrMore) {
    PutMaterial(materials, 100, 100, 200, 200);
    interaction.SetGestureMode(GestureMode::MoveAllMaterials);
    LeftDown({200, 200});
    EXPECT_EQ(interaction.DragState(), 19);
    DragTo({202, 202});
    EXPECT_EQ(interaction.DragState(), 119);
    EXPECT_EQ(materials.Offset(), (GroupOffset{0, 0}));
    DragTo({203, 200});
    EXPECT_EQ(materials.Offset(), (GroupOffset{3, 0}));
    RightDown();
    EXPECT_EQ(interaction.Gesture(), GestureMode::None);
    EXPECT_EQ(listener.notices, std::vector<CanvasNotice>{CanvasNotice::GestureEnded});
}

TEST_F(InteractionTest, CaptionIsDraggedCentredOnThePointer) {
    caption.Reset("Hello", QDate(2026, 12, 8), kCanvasHeight);
    {
        QPainter painter(&canvas.Image());
        caption.Draw(painter, 0, 0);
    }
    const QRect drawn = caption.DrawnRect();
    ASSERT_FALSE(drawn.isEmpty());
    LeftDown(drawn.center());
    EXPECT_EQ(interaction.DragState(), 9);
    // Both differences must be above 2.
    DragTo(drawn.center() + QPoint(10, 1));
    EXPECT_EQ(caption.X(), CanvasCaption::kMargin);
    DragTo(QPoint(300, 200));
    EXPECT_EQ(caption.X(), 300 - drawn.width() / 2);
    EXPECT_EQ(caption.Y(), 200 - drawn.height() / 2);
    LeftUp(QPoint(300, 200));
    EXPECT_EQ(interaction.DragState(), 0);

    // A press beside the caption drags nothing.
    LeftDown(QPoint(5, 5));
    EXPECT_EQ(interaction.DragState(), 0);
}

} // namespace
} // namespace vx7::editor::test
