#include "animation/gif/GifComposer.h"

#include <gtest/gtest.h>

using namespace vx7::animation;

namespace {

const QRgb kBack = qRgb(200, 200, 200);

GifFrameRecord Frame(QRect rect, QColor colour, int disposal, int delay = 10) {
    GifFrameRecord f;
    f.picture = QImage(rect.size(), QImage::Format_ARGB32);
    f.picture.fill(colour);
    f.left = rect.left();
    f.top = rect.top();
    f.width = rect.width();
    f.height = rect.height();
    f.disposal = disposal;
    f.delay = delay;
    return f;
}

} // namespace

struct WaitCase {
    int delay;
    int milliseconds;
};
class GifComposerWaitTest : public testing::TestWithParam<WaitCase> {};

TEST_P(GifComposerWaitTest, WaitFollowsTheDelayAboveFourElseOneHundredMilliseconds) {
    EXPECT_EQ(GifComposer::WaitMilliseconds(GetParam().delay), GetParam().milliseconds);
}

INSTANTIATE_TEST_SUITE_P(Delays, GifComposerWaitTest,
                         testing::Values(WaitCase{-1, 100}, WaitCase{0, 100}, WaitCase{4, 100},
                                         WaitCase{5, 50}, WaitCase{150, 1500}, WaitCase{65535, 655350}),
                         [](const testing::TestParamInfo<WaitCase>& info) {
                             return "Delay" + std::string(info.param.delay < 0
                                                              ? "None"
                                                              : std::to_string(info.param.delay));
                         });

TEST(GifComposerTest, StartsWithBackgroundAndDrawsFirstFrame) {
    GifComposer c(QSize(10, 10), kBack, {Frame(QRect(2, 2, 3, 3), Qt::red, 1)});
    EXPECT_EQ(c.Canvas().pixel(0, 0), kBack);
    EXPECT_EQ(c.ShowCurrent(), QRect(2, 2, 3, 3));
    EXPECT_EQ(c.Canvas().pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_EQ(c.Canvas().pixel(5, 5), kBack);
}

TEST(GifComposerTest, DisposalOneLeavesFrameTwoRestoresBackgroundThreeRestoresPrevious) {
    std::vector<GifFrameRecord> frames = {
        Frame(QRect(0, 0, 10, 10), Qt::blue, 1), // whole screen blue, kept
        Frame(QRect(0, 0, 4, 4), Qt::red, 2),    // red square, then background
        Frame(QRect(5, 5, 4, 4), Qt::green, 3),  // green square, then blue again
        Frame(QRect(0, 0, 1, 1), Qt::white, 1),
    };
    GifComposer c(QSize(10, 10), kBack, frames);
    const QImage f1 = c.RenderFrame(1);
    EXPECT_EQ(f1.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(f1.pixel(8, 8), qRgb(0, 0, 255));
    const QImage f2 = c.RenderFrame(2);
    EXPECT_EQ(f2.pixel(1, 1), kBack) << "disposal 2 leaves the background colour, not the earlier frame";
    EXPECT_EQ(f2.pixel(6, 6), qRgb(0, 255, 0));
    const QImage f3 = c.RenderFrame(3);
    EXPECT_EQ(f3.pixel(6, 6), qRgb(0, 0, 255)) << "disposal 3 puts back what was under the frame";
    EXPECT_EQ(f3.pixel(1, 1), kBack);
    EXPECT_EQ(f3.pixel(0, 0), qRgb(255, 255, 255));
}

TEST(GifComposerTest, WrapFillsTheWholeCanvasWithBackground) {
    GifComposer c(QSize(6, 6), kBack,
                  {Frame(QRect(0, 0, 6, 6), Qt::red, 1), Frame(QRect(0, 0, 2, 2), Qt::blue, 1)});
    c.ShowCurrent();
    EXPECT_EQ(c.DisposeAndAdvance(), QRect()) << "disposal 1 changes nothing";
    c.ShowCurrent();
    EXPECT_EQ(c.DisposeAndAdvance(), QRect(0, 0, 6, 6));
    EXPECT_EQ(c.CurrentFrame(), 0);
    EXPECT_EQ(c.Canvas().pixel(5, 5), kBack);
}

TEST(GifComposerTest, TransparentPixelsShowWhatIsBeneath) {
    GifFrameRecord top = Frame(QRect(0, 0, 4, 4), Qt::transparent, 1);
    top.picture.setPixel(0, 0, qRgba(0, 255, 0, 255));
    GifComposer c(QSize(4, 4), kBack, {Frame(QRect(0, 0, 4, 4), Qt::red, 1), top});
    const QImage f = c.RenderFrame(1);
    EXPECT_EQ(f.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(f.pixel(3, 3), qRgb(255, 0, 0));
}

TEST(GifComposerTest, SetBackgroundRestartsWithTheNewColour) {
    GifComposer c(QSize(3, 3), kBack,
                  {Frame(QRect(0, 0, 1, 1), Qt::red, 1), Frame(QRect(0, 0, 1, 1), Qt::red, 1)});
    c.ShowCurrent();
    c.DisposeAndAdvance();
    c.SetBackground(QColor(1, 2, 3));
    EXPECT_EQ(c.CurrentFrame(), 0);
    EXPECT_EQ(c.Canvas().pixel(2, 2), qRgb(1, 2, 3));
}

TEST(GifComposerTest, FramesReachingOutsideTheCanvasAreClippedAndBadIndicesRefused) {
    GifComposer c(QSize(4, 4), kBack,
                  {Frame(QRect(2, 2, 5, 5), Qt::red, 2), Frame(QRect(0, 0, 1, 1), Qt::red, 1)});
    EXPECT_EQ(c.ShowCurrent(), QRect(2, 2, 2, 2));
    EXPECT_EQ(c.DisposeAndAdvance(), QRect(2, 2, 2, 2));
    EXPECT_TRUE(c.RenderFrame(2).isNull());
    EXPECT_TRUE(c.RenderFrame(-1).isNull());
}

TEST(GifComposerTest, CurrentWaitUsesTheShownFramesDelay) {
    GifComposer c(QSize(2, 2), kBack,
                  {Frame(QRect(0, 0, 1, 1), Qt::red, 1, 3), Frame(QRect(0, 0, 1, 1), Qt::red, 1, 25)});
    EXPECT_EQ(c.CurrentWaitMilliseconds(), 100);
    c.DisposeAndAdvance();
    EXPECT_EQ(c.CurrentWaitMilliseconds(), 250);
}
