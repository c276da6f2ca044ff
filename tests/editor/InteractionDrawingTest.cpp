// The drawing tools: how points are collected, when a shape is made and how
// a tool ends.
#include "InteractionFixture.h"

#include "imaging/geometry/ArrowOutline.h"

namespace vx7::editor::test {
namespace {

using imaging::ToolMode;

QPoint ItemPoint(const imaging::DrawingItemList& items, int item, int k) {
    return items.Point(items.Item(item).firstPoint + k);
}

TEST_F(InteractionTest, ShortRectangleDragLeavesTheBandAndASecondClickFinishesIt) {
    interaction.SetToolMode(ToolMode::Rectangle);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::DrawingTool);
    LeftDown({100, 100});
    DragTo({110, 100}); // 10 pixels: too short for a shape
    LeftUp({110, 100});
    EXPECT_EQ(items->ItemCount(), 0);
    EXPECT_TRUE(items->PreviewShown());
    EXPECT_EQ(interaction.ClickStage(), 2);

    Hover({150, 140});
    LeftDown({150, 140});
    ASSERT_EQ(items->ItemCount(), 1);
    EXPECT_EQ(items->Item(0).kind, 'B');
    EXPECT_EQ(ItemPoint(*items, 0, 0), QPoint(100, 100));
    EXPECT_EQ(ItemPoint(*items, 0, 1), QPoint(150, 140));
    EXPECT_FALSE(items->PreviewShown());
    EXPECT_EQ(interaction.ClickStage(), 0);
    // The band was drawn exclusive-or and erased again: the surface is as before.
    EXPECT_EQ(canvas.PixelAt(125, 100), imaging::Colour(0));
}

TEST_F(InteractionTest, DragsOfElevenPixelsMakeCircleAndArrowOnRelease) {
    interaction.SetToolMode(ToolMode::Circle);
    LeftDown({50, 50});
    DragTo({61, 50});
    LeftUp({61, 50});
    ASSERT_EQ(items->ItemCount(), 1);
    EXPECT_EQ(items->Item(0).kind, 'C');

    interaction.SetToolMode(ToolMode::Arrow);
    LeftDown({200, 200});
    DragTo({250, 200});
    DragTo({300, 200});
    LeftUp({300, 200});
    ASSERT_EQ(items->ItemCount(), 2);
    const imaging::DrawingItem& arrow = items->Item(1);
    EXPECT_EQ(arrow.kind, 'E');
    ASSERT_EQ(arrow.pointCount, 8);
    const auto outline = imaging::ArrowOutline(200, 200, 300, 200);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(ItemPoint(*items, 1, k), outline[static_cast<size_t>(k)]) << k;
    EXPECT_EQ(ItemPoint(*items, 1, 4), QPoint(300, 200)); // the tip where the button went up
}

TEST_F(InteractionTest, PolygonAreaClosesOnlyWithinThreePixelsAfterAnotherPoint) {
    interaction.SetToolMode(ToolMode::PolygonArea);
    MoveAndClick({100, 100});
    EXPECT_EQ(interaction.ClosingSquare(), QRect(97, 97, 6, 6));
    // A click at the first point before any other point is just a point.
    MoveAndClick({101, 101});
    ASSERT_EQ(items->ItemCount(), 1);
    EXPECT_EQ(items->Item(0).kind, 'D');
    EXPECT_EQ(items->Item(0).pointCount, 2);
    MoveAndClick({200, 100});
    MoveAndClick({200, 200});
    // (103, 103) lies outside the half-open square [97, 103).
    MoveAndClick({103, 103});
    EXPECT_EQ(interaction.Tool(), ToolMode::PolygonArea);
    EXPECT_EQ(items->Item(0).pointCount, 5);
    MoveAndClick({102, 98});
    EXPECT_EQ(interaction.Tool(), ToolMode::None);
    EXPECT_EQ(items->Item(0).pointCount, 6);
    EXPECT_EQ(ItemPoint(*items, 0, 5), QPoint(102, 98));
    EXPECT_EQ(items->ActiveItem(), -1);
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::Arrow);
    // The closing click ends the tool, so the window clears its prompt.
    EXPECT_EQ(listener.notices, std::vector<CanvasNotice>{CanvasNotice::ToolEnded});
}

TEST_F(InteractionTest, RightButtonEndsPolygonAreaAndPolylineOpen) {
    interaction.SetToolMode(ToolMode::PolygonArea);
    MoveAndClick({100, 100});
    MoveAndClick({200, 100});
    MoveAndClick({200, 200});
    Hover({150, 220});
    EXPECT_TRUE(items->PreviewShown());
    RightDown();
    EXPECT_EQ(interaction.Tool(), ToolMode::None);
    EXPECT_EQ(items->ActiveItem(), -1);
    EXPECT_EQ(items->Item(0).pointCount, 3);
    EXPECT_FALSE(items->PreviewShown());
    EXPECT_EQ(listener.notices, std::vector<CanvasNotice>{CanvasNotice::ToolEnded});

    interaction.SetToolMode(ToolMode::Polyline);
    MoveAndClick({10, 10});
    MoveAndClick({20, 30});
    MoveAndClick({40, 30});
    ASSERT_EQ(items->ItemCount(), 2);
    EXPECT_EQ(items->Item(1).kind, 'A');
    EXPECT_EQ(items->Item(1).pointCount, 3);
    RightDown();
    EXPECT_EQ(items->ActiveItem(), -1);
    // A point collected after the end goes nowhere.
    items->AddItemPoint(1, 1);
    EXPECT_EQ(items->Item(1).pointCount, 3);
}

TEST_F(InteractionTest, FreehandStartsAtThePressPointOnTheFirstMoveAway) {
    interaction.SetToolMode(ToolMode::Freehand);
    LeftDown({30, 30});
    DragTo({30, 30}); // not away from the press point
    EXPECT_EQ(items->ItemCount(), 0);
    DragTo({35, 32});
    DragTo({40, 36});
    LeftUp({40, 36});
    ASSERT_EQ(items->ItemCount(), 1);
    EXPECT_EQ(items->Item(0).pointCount, 3);
    EXPECT_EQ(ItemPoint(*items, 0, 0), QPoint(30, 30));
    EXPECT_EQ(items->ActiveItem(), -1);
    // The segments were drawn at once into the surface and reported.
    EXPECT_TRUE(listener.dirty.contains(QPoint(38, 34)));
    // A hover without the button draws nothing.
    Hover({60, 60});
    EXPECT_EQ(items->ItemCount(), 1);
}

TEST_F(InteractionTest, RightButtonOrderEndsGestureBeforeToolAndCommitsPlacement) {
    interaction.SetGestureMode(GestureMode::MoveMaterial);
    RightDown();
    EXPECT_EQ(interaction.Gesture(), GestureMode::None);
    EXPECT_EQ(listener.notices, std::vector<CanvasNotice>{CanvasNotice::GestureEnded});

    listener.notices.clear();
    interaction.SetGestureMode(GestureMode::PlacePicture);
    RightDown();
    // Gesture 22 is committed by the next paint, which also ends it.
    EXPECT_EQ(interaction.CommitMark(), 99);
    EXPECT_EQ(interaction.Gesture(), GestureMode::PlacePicture);
    EXPECT_TRUE(listener.notices.empty());
    EXPECT_GE(listener.canvasRepaints, 1);

    // Starting a gesture again clears a pending commit.
    interaction.SetGestureMode(GestureMode::PlacePicture);
    EXPECT_EQ(interaction.CommitMark(), 0);

    interaction.SetGestureMode(GestureMode::None);
    interaction.SetToolMode(ToolMode::MagicWand);
    RightDown();
    EXPECT_EQ(listener.notices, std::vector<CanvasNotice>{CanvasNotice::ToolEnded});
    EXPECT_EQ(interaction.Cursor(), CanvasCursor::Arrow);
}

} // namespace
} // namespace vx7::editor::test
