#include "materials/MakeupBox.h"

#include <gtest/gtest.h>

using namespace vx7::materials;

namespace {

QStringList Palettes(int n) {
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out.append(QStringLiteral("/p/vx7ECam化装盒_COLOR%1.png").arg(i));
    return out;
}

} // namespace

TEST(MakeupBoxTest, EightPalettesInFourRowsFillTwoColumns) {
    const QRect area(10, 20, 200, 120); // (120 - 6) / 26 = 4 rows
    EXPECT_EQ(MakeupBox::Rows(area), 4);
    const auto rects = MakeupBox::SwatchRects(area, 8);
    ASSERT_EQ(rects.size(), 8u);
    const int x0 = 10 + (200 - 162) / 2 + 4;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rects[size_t(i)], QRect(x0, 28 + 26 * i, 22, 22)) << "file " << i + 1;
        EXPECT_EQ(rects[size_t(i + 4)], QRect(x0 + 26, 28 + 26 * i, 22, 22)) << "file " << i + 5;
    }
}

TEST(MakeupBoxTest, PalettesBeyondSixColumnsGetNoSwatch) {
    const QRect area(0, 0, 170, 58); // 2 rows
    EXPECT_EQ(MakeupBox::SwatchRects(area, 20).size(), 12u);
    EXPECT_TRUE(MakeupBox::SwatchRects(QRect(0, 0, 170, 31), 5).empty()); // (31 - 6) / 26 = 0
    EXPECT_TRUE(MakeupBox::SwatchRects(QRect(0, 0, 170, 2), 5).empty());
}

TEST(MakeupBoxTest, HitTestExcludesRightAndBottomEdges) {
    const std::vector<QRect> rects{QRect(10, 10, 22, 22), QRect(36, 10, 22, 22)};
    EXPECT_EQ(MakeupBox::HitTest(rects, QPoint(10, 10)), 0);
    EXPECT_EQ(MakeupBox::HitTest(rects, QPoint(31, 31)), 0);
    EXPECT_EQ(MakeupBox::HitTest(rects, QPoint(32, 20)), -1);
    EXPECT_EQ(MakeupBox::HitTest(rects, QPoint(20, 32)), -1);
    EXPECT_EQ(MakeupBox::HitTest(rects, QPoint(36, 10)), 1);
    EXPECT_EQ(MakeupBox::HitTest(rects, QPoint(9, 10)), -1);
}

TEST(MakeupBoxTest, SampleIsTakenJustLeftOfTheSwatchCentre) {
    // ((10 + 32) / 2 - 1, (10 + 32) / 2)
    EXPECT_EQ(MakeupBox::SamplePoint(QRect(10, 10, 22, 22)), QPoint(20, 21));
    EXPECT_EQ(MakeupBox::SamplePoint(QRect(11, 13, 22, 22)), QPoint(21, 24));
}

TEST(MakeupBoxTest, OkWithoutAChosenSwatchTakesNoSample) {
    MakeupBox box;
    box.Layout(QRect(0, 0, 170, 120), Palettes(8));
    EXPECT_FALSE(box.CanAccept());
    EXPECT_FALSE(box.AcceptSamplePoint());
    // A click beside every swatch chooses nothing.
    EXPECT_FALSE(box.Click(QPoint(1, 1)));
    EXPECT_FALSE(box.AcceptSamplePoint());
}

TEST(MakeupBoxTest, ClickChoosesTheSwatchAndOkSamplesIt) {
    MakeupBox box;
    box.Layout(QRect(0, 0, 170, 120), Palettes(8));
    const QRect fifth = box.Swatches()[4];
    EXPECT_TRUE(box.Click(fifth.center()));
    EXPECT_EQ(box.Chosen(), 4);
    EXPECT_TRUE(box.CanAccept());
    EXPECT_EQ(box.AcceptSamplePoint(), MakeupBox::SamplePoint(fifth));
    // A later click beside the swatches keeps the choice.
    EXPECT_FALSE(box.Click(QPoint(1, 1)));
    EXPECT_EQ(box.Chosen(), 4);
}

TEST(MakeupBoxTest, ChoiceIsDroppedWhenItsPaletteDisappears) {
    MakeupBox box;
    box.Layout(QRect(0, 0, 170, 120), Palettes(8));
    ASSERT_TRUE(box.Click(box.Swatches()[7].center()));
    box.Layout(QRect(0, 0, 170, 120), Palettes(8)); // repainted, same files
    EXPECT_EQ(box.Chosen(), 7);
    box.Layout(QRect(0, 0, 170, 120), Palettes(5));
    EXPECT_FALSE(box.CanAccept());
}

TEST(MakeupBoxTest, AtMostSixtyPalettesAreKept) {
    MakeupBox box;
    box.Layout(QRect(0, 0, 170, 1000), Palettes(70));
    EXPECT_EQ(box.Palettes().size(), 60);
    EXPECT_EQ(box.Swatches().size(), 60u);
}
