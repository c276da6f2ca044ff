#include "animation/making/GifMakingSettings.h"
#include "animation/making/GifPaths.h"
#include "animation/making/GifPictureList.h"
#include "animation/making/LastMadeFile.h"

#include <gtest/gtest.h>

using vx7::animation::GifMakingSettings;
using Place = GifMakingSettings::Place;

TEST(GifMakingSettingsTest, ListHoldsTwelveIntervalsSeparatorAndTwoModesInOrder) {
    const QStringList& e = GifMakingSettings::Entries();
    ASSERT_EQ(e.size(), 15);
    EXPECT_EQ(e.mid(0, 12),
              QStringList({"0.5", "1", "1.5", "2", "2.5", "3", "3.5", "4", "4.5", "5", "5.5", "6"}));
    EXPECT_EQ(e.at(12), QString("-------------------"));
    EXPECT_EQ(e.at(13), QString("高质流行色"));
    EXPECT_EQ(e.at(14), QString("普通高反差"));
}

TEST(GifMakingSettingsTest, DefaultsDifferBetweenStationAndWindow) {
    GifMakingSettings station(Place::Station), window(Place::Window);
    EXPECT_EQ(station.Interval(), QString("1.5"));
    EXPECT_EQ(station.DelayHundredths(), 150);
    EXPECT_EQ(window.Interval(), QString("1.6"));
    EXPECT_EQ(window.DelayHundredths(), 160);
    EXPECT_EQ(station.Mode(), 0);
    EXPECT_EQ(window.Mode(), 0);
}

TEST(GifMakingSettingsTest, WindowTakesSixAsSixHundredHundredths) {
    GifMakingSettings window(Place::Window);
    EXPECT_TRUE(window.SelectIntervalOrMode("6"));
    EXPECT_EQ(window.DelayHundredths(), 600);
}

TEST(GifMakingSettingsTest, WindowIgnoresIntervalsOutsideHalfToEightSeconds) {
    GifMakingSettings window(Place::Window);
    window.SelectIntervalOrMode("2");
    for (const char* text : {"9", "0.4", "8.1", "abc", "0", "-1"}) {
        EXPECT_FALSE(window.SelectIntervalOrMode(text)) << text;
        EXPECT_EQ(window.Interval(), QString("2")) << text;
    }
    EXPECT_TRUE(window.SelectIntervalOrMode("8"));
    EXPECT_TRUE(window.SelectIntervalOrMode("0.5"));
    EXPECT_EQ(window.DelayHundredths(), 50);
}

TEST(GifMakingSettingsTest, StationTakesAnyShortTextUnchanged) {
    GifMakingSettings station(Place::Station);
    EXPECT_TRUE(station.SelectIntervalOrMode("9"));
    EXPECT_EQ(station.Interval(), QString("9"));
    EXPECT_EQ(station.DelayHundredths(), 900);
}

TEST(GifMakingSettingsTest, SeparatorChangesNeitherIntervalNorMode) {
    for (Place place : {Place::Station, Place::Window}) {
        GifMakingSettings s(place);
        s.SelectIntervalOrMode("普通高反差");
        const QString interval = s.Interval();
        EXPECT_FALSE(s.SelectIntervalOrMode(GifMakingSettings::Separator()));
        EXPECT_EQ(s.Interval(), interval);
        EXPECT_EQ(s.Mode(), 1);
    }
}

TEST(GifMakingSettingsTest, ModeTextsSelectTheirModes) {
    GifMakingSettings s(Place::Station);
    EXPECT_TRUE(s.SelectIntervalOrMode("普通高反差"));
    EXPECT_EQ(s.Mode(), 1);
    EXPECT_FALSE(s.SelectIntervalOrMode("普通高反差"));
    EXPECT_TRUE(s.SelectIntervalOrMode("高质流行色"));
    EXPECT_EQ(s.Mode(), 0);
    EXPECT_EQ(s.Interval(), QString("1.5"));
}

// The length rule counts bytes of the record code page: two Chinese characters make a
// 4-byte text, which is an interval text (and worth nothing); five make a mode text.
TEST(GifMakingSettingsTest, ShortTextRuleCountsCodePageBytes) {
    GifMakingSettings station(Place::Station);
    EXPECT_TRUE(station.SelectIntervalOrMode("高质"));
    EXPECT_EQ(station.DelayHundredths(), 0);
    EXPECT_FALSE(station.SelectIntervalOrMode("高质流行")); // 8 bytes, not a mode
    EXPECT_EQ(station.Mode(), 0);
}

struct DelayCase {
    const char* text;
    int delay;
};
class GifDelayTest : public ::testing::TestWithParam<DelayCase> {};
TEST_P(GifDelayTest, DelayIsWholeHundredths) {
    EXPECT_EQ(GifMakingSettings::DelayOf(GetParam().text), GetParam().delay);
}
INSTANTIATE_TEST_SUITE_P(Intervals, GifDelayTest,
                         ::testing::Values(DelayCase{"0.5", 50}, DelayCase{"1", 100}, DelayCase{"1.5", 150},
                                           DelayCase{"5.5", 550}, DelayCase{"6", 600}, DelayCase{"", 0},
                                           DelayCase{"x", 0}, DelayCase{"1000", 65535}));

TEST(GifPictureListTest, SeventeenthPictureIsRefused) {
    vx7::animation::GifPictureList list;
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(list.Add(QString("/p/%1.png").arg(i)));
    EXPECT_TRUE(list.IsFull());
    EXPECT_FALSE(list.Add("/p/16.png"));
    EXPECT_EQ(list.Count(), 16);
    EXPECT_EQ(list.At(15), QString("/p/15.png"));
    EXPECT_EQ(list.At(16), QString());
    EXPECT_FALSE(list.Add(QString()));
}

TEST(GifPathsTest, OutputAndLastMadeNames) {
    EXPECT_EQ(vx7::animation::GifPaths::Output("/a/b", "我的照片1"), QString("/a/b/我的照片1.gif"));
    EXPECT_EQ(vx7::animation::GifPaths::LastMadeName("我的照片1"), QString("我的照片1.gif"));
    vx7::animation::LastMadeFile f{"a.g", 1};
    EXPECT_FALSE(f.IsUsable());
    f.name = "ab.gif";
    EXPECT_TRUE(f.IsUsable());
    f.name = "照片"; // 4 bytes in the code page
    EXPECT_TRUE(f.IsUsable());
}
