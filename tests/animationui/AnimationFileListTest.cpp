#include "animation/window/AnimationFileList.h"
#include "animation/window/VideoLayout.h"
#include "core/SysInfo.h"
#include "support/TempInstallFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using vx7::animation::AnimationFileList;
using vx7::animation::VideoLayout;

namespace {

QStringList Numbered(const char* prefix, int n) {
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << QString("%1%2").arg(prefix).arg(i);
    return out;
}

} // namespace

TEST(AnimationFileListTest, ListsAtMost260OfTheFilesFound) {
    vx7::test::TempInstallFolder home;
    vx7::core::SysInfo sys;
    sys.SetFolder(home.Path());
    sys.Load();
    for (int i = 0; i < 261; ++i)
        home.WriteFile(QString("2011拍照图片/v%1.avi").arg(i), "x");
    home.WriteFile("2011拍照图片/other.gif", "x");
    AnimationFileList list;
    list.Refill(sys, 0);
    EXPECT_EQ(list.FileCount(), 260);
    EXPECT_EQ(list.RowCount(), 260);
    EXPECT_TRUE(list.PathAt(0).endsWith(".avi"));
    EXPECT_EQ(list.RowName(260), QString("-----"));
    list.Refill(sys, 1);
    EXPECT_EQ(list.FileCount(), 1);
    EXPECT_EQ(list.RowName(0), QString("other"));
}

TEST(AnimationFileListTest, GifsComeFromTheStoredGifFolder) {
    vx7::test::TempInstallFolder home;
    vx7::core::SysInfo sys;
    sys.SetFolder(home.Path());
    sys.Load();
    home.WriteFile("2011拍照图片/inphoto.gif", "x");
    home.WriteFile("gifs/elsewhere.gif", "x");
    sys.Text(vx7::core::SysInfo::kStoreGifFolder, home.Sub("gifs"));
    AnimationFileList list;
    list.Refill(sys, 1);
    ASSERT_EQ(list.FileCount(), 1);
    EXPECT_EQ(list.RowName(0), QString("elsewhere"));
}

TEST(AnimationFileListTest, RowsAreNeverRemovedAndLeftoversShowDashes) {
    AnimationFileList list;
    list.SetFiles(Numbered("a", 5), Numbered("/p/a", 5));
    list.SetFiles(Numbered("b", 2), Numbered("/p/b", 2));
    EXPECT_EQ(list.RowCount(), 5);
    EXPECT_EQ(list.FileCount(), 2);
    EXPECT_EQ(list.RowName(1), QString("b1"));
    for (int row = 2; row < 5; ++row)
        EXPECT_EQ(list.RowName(row), QString("-----"));
    EXPECT_EQ(AnimationFileList::RowNumber(0), QString("1"));
    EXPECT_EQ(list.PathAt(3), QString());
}

TEST(AnimationFileListTest, SelectionSurvivesARefillOnlyBelowTheNewCount) {
    AnimationFileList list;
    list.SetFiles(Numbered("a", 5), Numbered("/p/a", 5));
    EXPECT_TRUE(list.Select(1));
    list.SetFiles(Numbered("b", 3), Numbered("/p/b", 3));
    EXPECT_EQ(list.SelectedRow(), 1);
    EXPECT_TRUE(list.Select(2));
    list.SetFiles(Numbered("c", 2), Numbered("/p/c", 2));
    EXPECT_EQ(list.SelectedRow(), -1);
    EXPECT_FALSE(list.Select(4)); // a "-----" row
    EXPECT_FALSE(list.HasValidSelection());
}

struct PlacementCase {
    QSize video;
    bool fill;
    QRect expected;
};
class VideoPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(VideoPlacementTest, SmallVideoIsCentredUnlessFillIsOn) {
    const QRect area(12, 12, 480, 360);
    EXPECT_EQ(VideoLayout::DisplayRect(area, GetParam().video, GetParam().fill), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, VideoPlacementTest,
    ::testing::Values(PlacementCase{QSize(320, 240), false, QRect(12 + 80, 12 + 60, 320, 240)},
                      PlacementCase{QSize(320, 240), true, QRect(12, 12, 480, 360)},
                      PlacementCase{QSize(481, 100), false, QRect(12, 12, 480, 360)}, // wider than the area
                      PlacementCase{QSize(480, 100), false, QRect(12, 12, 480, 360)}, // not smaller both ways
                      PlacementCase{QSize(321, 241), false, QRect(12 + 79, 12 + 59, 321, 241)},
                      PlacementCase{QSize(), false, QRect(12, 12, 480, 360)}));

TEST(VideoLayoutTest, InformationAndFrameTexts) {
    EXPECT_EQ(VideoLayout::InfoLine(1500, 30, QSize(320, 240)),
              QString("[ 1500 帧/分 ],[ 30 帧 ],[ 宽 320 高 240 ]"));
    EXPECT_EQ(VideoLayout::FrameText(17), QString("< 17 > 帧"));
}
