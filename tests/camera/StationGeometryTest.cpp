#include "camera/capture/PreviewFit.h"
#include "camera/station/BurstStrip.h"
#include "camera/station/ClickAreas.h"
#include "camera/station/DrawnButtonTable.h"
#include "camera/station/StationLayout.h"

#include <gtest/gtest.h>

using namespace vx7::camera;

namespace {

struct ButtonCase {
    const char* name;
    char state;
    int left, top, right, bottom, id;
};

class DrawnButtonLayoutTest : public ::testing::TestWithParam<ButtonCase> {};

} // namespace

TEST_P(DrawnButtonLayoutTest, HangsFromTheAnchorCorner) {
    const ButtonCase c = GetParam();
    const DrawnButtonTable table(QPoint(100, 200));
    const int i = table.IndexOfId(c.id);
    ASSERT_GE(i, 0);
    const DrawnButton& b = table.At(i);
    EXPECT_EQ(b.name, QString(c.name));
    EXPECT_EQ(b.state, c.state);
    EXPECT_EQ(b.rect,
              QRect(QPoint(100 + c.left, 200 + c.top), QPoint(100 + c.right - 1, 200 + c.bottom - 1)));
}

INSTANTIATE_TEST_SUITE_P(AllNine, DrawnButtonLayoutTest,
                         ::testing::Values(ButtonCase{"butVideo", 'Y', 0, 0, 116, 28, 1001},
                                           ButtonCase{"butPickd", 'Y', 0, 34, 116, 62, 1002},
                                           ButtonCase{"Video_butSetfmt", 'c', 6, 74, 122, 103, 2001},
                                           ButtonCase{"Video_butSetSour", 'c', 6, 108, 122, 137, 2002},
                                           ButtonCase{"Video_butSetComp", 'c', 6, 142, 122, 171, 2003},
                                           ButtonCase{"Video_butReco", 'c', -4, 299, 28, 331, 2010},
                                           ButtonCase{"Video_butRecoStop", 'x', 36, 299, 68, 331, 2011},
                                           ButtonCase{"Video_butbkMusic", 'c', 76, 299, 119, 331, 2012},
                                           ButtonCase{"Video_butGoWeb", 'c', 2, 252, 118, 282, 3002}));

TEST(DrawnButtonTableTest, RecordStopIsNeverHitAndEdgesAreHalfOpen) {
    DrawnButtonTable table(QPoint(0, 0));
    EXPECT_EQ(table.HitTest(QPoint(50, 310)), -1); // inside the hidden stop button
    EXPECT_EQ(table.Hover(QPoint(50, 310)), -1);
    EXPECT_EQ(table.At(table.IndexOfId(DrawnButtonTable::kRecordStop)).state, 'x');
    EXPECT_EQ(table.At(table.HitTest(QPoint(0, 0))).id, 1001);
    EXPECT_EQ(table.HitTest(QPoint(116, 0)), -1); // right edge excluded
    EXPECT_EQ(table.HitTest(QPoint(0, 28)), -1);  // bottom edge excluded
    EXPECT_EQ(table.At(table.HitTest(QPoint(-4, 299))).id, 2010);
}

TEST(DrawnButtonTableTest, HoverLightsAButtonOnlyWhileThePointerIsOverIt) {
    DrawnButtonTable table(QPoint(0, 0));
    const int fmt = table.IndexOfId(DrawnButtonTable::kSetFormat);
    EXPECT_EQ(DrawnButtonTable::PictureName(table.At(fmt)), "Video_butSetfmt_NO.png");
    EXPECT_EQ(table.Hover(QPoint(10, 80)), fmt);
    EXPECT_EQ(table.At(fmt).state, 'Y');
    EXPECT_EQ(DrawnButtonTable::PictureName(table.At(fmt)), "Video_butSetfmt_OK.png");
    table.Hover(QPoint(10, 115)); // onto the next button
    EXPECT_EQ(table.At(fmt).state, 'c');
    EXPECT_EQ(table.At(table.IndexOfId(2002)).state, 'Y');
    table.Hover(QPoint(500, 500)); // away from every button
    for (int id : {2001, 2002, 2003, 2010, 2012, 3002})
        EXPECT_EQ(table.At(table.IndexOfId(id)).state, 'c') << id;
    // The two door buttons keep their lit picture, the hidden one stays hidden.
    EXPECT_EQ(table.At(table.IndexOfId(1001)).state, 'Y');
    EXPECT_EQ(table.At(table.IndexOfId(1002)).state, 'Y');
    EXPECT_EQ(table.At(table.IndexOfId(2011)).state, 'x');
    table.Hover(QPoint(10, 80));
    table.Unhover();
    EXPECT_EQ(table.At(fmt).state, 'c');
}

TEST(BurstStripTest, CellsFollowTheStripHeight) {
    const QRect strip = BurstStrip::Area(QRect(10, 100, 500, 80), 513);
    EXPECT_EQ(strip, QRect(10, 103, 500, 77));
    const auto cells = BurstStrip::Cells(strip);
    // n = 500 / (77 - 5) = 6, w = 500 / 6 = 83.
    ASSERT_EQ(cells.size(), 6u);
    EXPECT_EQ(cells[0], QRect(10 + 2 + 2, 103 + 8, 83 - 4, 77 - 13));
    EXPECT_EQ(cells[5].left(), 10 + 5 * 83 + 2 + 2);
}

TEST(BurstStripTest, DegenerateStripsHaveNoCells) {
    EXPECT_TRUE(BurstStrip::Cells(QRect(0, 0, 100, 5)).empty());
    EXPECT_TRUE(BurstStrip::Cells(QRect(0, 0, 30, 60)).empty());
    EXPECT_TRUE(BurstStrip::Cells(QRect()).empty());
}

TEST(BurstStripTest, ThumbnailsAreNinetyPercentAndCentred) {
    const QRectF r = BurstStrip::FitThumbnail(QRect(0, 0, 200, 100), QSize(400, 100));
    EXPECT_DOUBLE_EQ(r.width(), 180.0);
    EXPECT_DOUBLE_EQ(r.height(), 45.0);
    EXPECT_DOUBLE_EQ(r.left(), 10.0);
    EXPECT_DOUBLE_EQ(r.top(), 27.5);
    // A zero side counts as scale 1 and never divides by zero.
    const QRectF z = BurstStrip::FitThumbnail(QRect(0, 0, 200, 100), QSize(0, 50));
    EXPECT_DOUBLE_EQ(z.width(), 0.0);
    EXPECT_DOUBLE_EQ(z.height(), 50.0);
}

TEST(PreviewFitTest, SmallImagesAreCentredLargeOnesScaledDownWhole) {
    const QRect area(12, 12, 640, 480);
    EXPECT_EQ(FitPreviewFrame(area, QSize(320, 240)), QRect(12 + 160, 12 + 120, 320, 240));
    EXPECT_EQ(FitPreviewFrame(area, QSize(640, 480)), area);
    EXPECT_EQ(FitPreviewFrame(area, QSize(1280, 960)), area);
    EXPECT_EQ(FitPreviewFrame(area, QSize(1280, 720)), QRect(12, 12 + 60, 640, 360));
    EXPECT_EQ(FitPreviewFrame(area, QSize(1280, 1024)), QRect(12 + 20, 12, 600, 480));
    EXPECT_EQ(FitPreviewFrame(area, QSize(800, 200)), QRect(12, 12 + 160, 640, 160));
    EXPECT_EQ(FitPreviewFrame(area, QSize(20000, 1)), QRect(12, 12 + 239, 640, 1));
}

TEST(ClickAreasTest, StripCellsOpenOnlyWithMoreThanOneShot) {
    ClickAreas::State state;
    state.cells = {QRect(20, 520, 80, 80)};
    state.shotsStored = 1;
    EXPECT_EQ(ClickAreas::Hit(QPoint(50, 550), state).kind, ClickAction::kNone);
    state.cells.push_back(QRect(110, 520, 80, 80));
    state.shotsStored = 2;
    const ClickAction a = ClickAreas::Hit(QPoint(150, 550), state);
    EXPECT_EQ(a.kind, ClickAction::kOpenBurstShot);
    EXPECT_EQ(a.index, 1);
    state.shotsStored = 0;
    state.cells.clear();
    EXPECT_EQ(ClickAreas::Hit(QPoint(150, 550), state).kind, ClickAction::kNone);
}

TEST(ClickAreasTest, LabelsOpenTheirEditorsOnlyInTheArrowZone) {
    const ClickAreas::State state;
    const QRect format = StationLayout::kFormatList;
    EXPECT_EQ(ClickAreas::Hit(QPoint(format.right() - 2, format.center().y()), state).control, 1002);
    EXPECT_EQ(ClickAreas::Hit(QPoint(format.left() + 2, format.center().y()), state).kind,
              ClickAction::kNone);
    const QRect name = StationLayout::kNameEdit;
    EXPECT_EQ(ClickAreas::Hit(QPoint(name.left() + 2, name.center().y()), state).control, 1003);
    const QRect interval = StationLayout::kIntervalList;
    EXPECT_EQ(ClickAreas::Hit(QPoint(interval.right(), interval.top()), state).control, 1011);
    EXPECT_EQ(ClickAreas::Hit(StationLayout::kSelfTimerLabel.center(), state).kind,
              ClickAction::kStartSelfTimer);
}

TEST(ClickAreasTest, ThumbnailNeedsALastPhotoAndBurstBoxNeedsACount) {
    ClickAreas::State state;
    const QPoint thumb = StationLayout::kThumbnailFrame.center();
    EXPECT_EQ(ClickAreas::Hit(thumb, state).kind, ClickAction::kNone);
    state.hasLastPhoto = true;
    EXPECT_EQ(ClickAreas::Hit(thumb, state).kind, ClickAction::kOpenLastPhoto);
    const QPoint box = StationLayout::BurstBox().center();
    EXPECT_EQ(ClickAreas::Hit(box, state).kind, ClickAction::kNone);
    state.burstBoxActive = true;
    EXPECT_EQ(ClickAreas::Hit(box, state).kind, ClickAction::kStartBurst);
}
