#include "editor/document/MaterialSlots.h"

#include <gtest/gtest.h>

using vx7::editor::MaterialDefaults;
using vx7::editor::MaterialSlots;

namespace {

const QSize kCanvas(560, 482);

} // namespace

TEST(MaterialSlotsTest, LandscapePictureKeepsItsBoxAndCentre) {
    MaterialSlots table;
    const int s = table.PlaceMaterial(3, MaterialDefaults{5, 10, 20, 1.0f}, QSize(200, 100));
    ASSERT_EQ(s, 5);
    const auto* m = table.Slot(s);
    EXPECT_EQ(m->width, 200);
    EXPECT_EQ(m->height, 100);
    EXPECT_EQ(m->centreX, 110);
    EXPECT_EQ(m->centreY, 70);
    EXPECT_EQ(m->itemIndex, 3);
    EXPECT_TRUE(m->IsShown());
    EXPECT_TRUE(m->IsRemembered());
    EXPECT_EQ(table.Selected(), 5);
}

TEST(MaterialSlotsTest, PortraitPictureIsNarrowedInsideItsScaledBox) {
    MaterialSlots table;
    const int s = table.PlaceMaterial(0, MaterialDefaults{0, 0, 0, 0.5f}, QSize(100, 200));
    const auto* m = table.Slot(s);
    EXPECT_EQ(m->width, 50);
    EXPECT_EQ(m->height, 100);
    EXPECT_EQ(m->centreX, 25);
    EXPECT_EQ(m->centreY, 50);
}

TEST(MaterialSlotsTest, LayerNumbersOutsideTheTableAreMappedIntoIt) {
    MaterialSlots table;
    EXPECT_EQ(table.PlaceMaterial(0, MaterialDefaults{-3, 0, 0, 1.0f}, QSize(10, 10)), 10);
    EXPECT_EQ(table.PlaceMaterial(0, MaterialDefaults{150, 0, 0, 1.0f}, QSize(10, 10)), 90);
    EXPECT_EQ(table.PlaceMaterial(0, MaterialDefaults{99, 0, 0, 1.0f}, QSize(10, 10)), 99);
    EXPECT_EQ(table.PlaceMaterial(0, MaterialDefaults{100, 0, 0, 1.0f}, QSize(10, 10)), 90);
}

TEST(MaterialSlotsTest, NextMaterialInTheSlotKeepsTheUsersOffsetAndSize) {
    MaterialSlots table;
    const int s = table.PlaceMaterial(0, MaterialDefaults{20, 10, 20, 1.0f}, QSize(200, 100));
    // The user drags it 30 pixels right and grows it by half.
    ASSERT_TRUE(table.MoveMaterial(s, 30, 0, kCanvas));
    auto* m = table.MutableSlot(s);
    m->width = 300;
    m->height = 150;

    table.PlaceMaterial(1, MaterialDefaults{20, 10, 20, 1.0f}, QSize(200, 100));
    EXPECT_EQ(m->centreX, 110 + 30);
    EXPECT_EQ(m->centreY, 70);
    EXPECT_EQ(m->width, 300);
    EXPECT_EQ(m->height, 150);
    // The reference is the new material's own default, so a third one carries the same.
    EXPECT_EQ(m->referenceCentreX, 110);
    EXPECT_EQ(m->referenceWidth, 200);
}

TEST(MaterialSlotsTest, RemovedOrNewWindowSlotCarriesNothing) {
    MaterialSlots table;
    const int s = table.PlaceMaterial(0, MaterialDefaults{20, 10, 20, 1.0f}, QSize(200, 100));
    table.MoveMaterial(s, 30, 0, kCanvas);
    table.ResetForNewWindow();
    EXPECT_EQ(table.Selected(), -1);
    EXPECT_EQ(table.ShownCount(), 0);
    table.PlaceMaterial(1, MaterialDefaults{20, 10, 20, 1.0f}, QSize(200, 100));
    EXPECT_EQ(table.Slot(s)->centreX, 110);
}

TEST(MaterialSlotsTest, UnreadablePictureGivesAZeroSizedMaterial) {
    MaterialSlots table;
    const int s = table.PlaceMaterial(0, MaterialDefaults{1, 10, 20, 1.0f}, QSize(0, 0));
    EXPECT_EQ(table.Slot(s)->width, 0);
    EXPECT_EQ(table.Slot(s)->height, 0);
    EXPECT_TRUE(table.Slot(s)->IsShown());
}

TEST(MaterialSlotsTest, SelectNextWalksTheShownSlotsAndStopsAtTheLast) {
    MaterialSlots table;
    EXPECT_EQ(table.SelectNextMaterial(), -1);
    for (int layer : {3, 7, 40})
        table.PlaceMaterial(0, MaterialDefaults{layer, 0, 0, 1.0f}, QSize(10, 10));
    table.Select(3);
    EXPECT_EQ(table.SelectNextMaterial(), 7);
    table.Select(7);
    EXPECT_EQ(table.SelectNextMaterial(), 40);
    table.Select(40);
    EXPECT_EQ(table.SelectNextMaterial(), 40); // none after: the last shown
    table.Select(-1);
    EXPECT_EQ(table.SelectNextMaterial(), 3); // from slot 0
}

TEST(MaterialSlotsTest, RemoveSelectsTheNextShownAndClearEmptiesTheCanvas) {
    MaterialSlots table;
    for (int layer : {3, 7})
        table.PlaceMaterial(0, MaterialDefaults{layer, 0, 0, 1.0f}, QSize(10, 10));
    table.Select(3);
    EXPECT_EQ(table.RemoveSelectedMaterial(), 7);
    EXPECT_FALSE(table.Slot(3)->IsShown());
    EXPECT_EQ(table.RemoveSelectedMaterial(), -1);
    EXPECT_EQ(table.ShownCount(), 0);

    table.PlaceMaterial(0, MaterialDefaults{5, 0, 0, 1.0f}, QSize(10, 10));
    table.ClearMaterials();
    EXPECT_EQ(table.ShownCount(), 0);
    EXPECT_EQ(table.Selected(), -1);
}

TEST(MaterialSlotsTest, DragLimitsKeepTheCentreOnTheCanvas) {
    MaterialSlots table;
    const int s = table.PlaceMaterial(0, MaterialDefaults{1, 0, 0, 1.0f}, QSize(20, 20)); // centre (10, 10)
    table.MoveMaterial(s, -105, -105, kCanvas);
    EXPECT_EQ(table.Slot(s)->centreX, 0); // left of -90 jumps to 0
    EXPECT_EQ(table.Slot(s)->centreY, -90);
    table.MoveMaterial(s, 1000, 1000, kCanvas);
    EXPECT_EQ(table.Slot(s)->centreX, 560);
    EXPECT_EQ(table.Slot(s)->centreY, 482);
    // A removed material does not move.
    table.ClearMaterials();
    EXPECT_FALSE(table.MoveMaterial(s, 5, 5, kCanvas));
}

TEST(MaterialSlotsTest, WheelGrowsBelowOneAndAHalfCanvasWidthsAndShrinksAboveThree) {
    MaterialSlots table;
    const int s = table.PlaceMaterial(0, MaterialDefaults{1, 0, 0, 1.0f}, QSize(300, 300));
    int steps = 0;
    while (table.ScaleMaterial(s, 1, 400) && steps < 100)
        ++steps;
    EXPECT_LT(table.Slot(s)->width, 600);
    EXPECT_GE(static_cast<int>(table.Slot(s)->width * 1.0256), 600);
    EXPECT_FALSE(table.ScaleMaterial(s, 0, 400));

    auto* m = table.MutableSlot(s);
    m->width = 2;
    m->height = 2;
    ASSERT_TRUE(table.ScaleMaterial(s, 1, 400)); // truncation alone would never grow it
    EXPECT_EQ(m->width, 3);
    m->width = 4;
    m->height = 4;
    EXPECT_FALSE(table.ScaleMaterial(s, -1, 400)); // trunc(4 x 0.975) = 3 is not above 3
}

TEST(MaterialSlotsTest, GroupOffsetAddsUpAndResets) {
    MaterialSlots table;
    table.MoveAllMaterials(5, -3);
    table.MoveAllMaterials(2, 1);
    EXPECT_EQ(table.Offset(), (vx7::editor::GroupOffset{7, -2}));
    table.ResetGroupOffset();
    EXPECT_EQ(table.Offset(), (vx7::editor::GroupOffset{0, 0}));
}
