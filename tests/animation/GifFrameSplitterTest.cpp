#include "animation/gif/GifFrameSplitter.h"

#include "GifTestFiles.h"
#include "support/HostileFiles.h"

#include <QBuffer>
#include <QImageWriter>

#include <gtest/gtest.h>

using namespace vx7::animation;
using vx7::test::GiflibFrame;

namespace {

const std::vector<QRgb> kPalette = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};

GiflibFrame Solid(int left, int top, int w, int h, std::uint8_t index, int delay, int disposal = 1) {
    GiflibFrame f;
    f.left = left;
    f.top = top;
    f.width = w;
    f.height = h;
    f.indices.assign(static_cast<size_t>(w * h), index);
    f.delay = delay;
    f.disposal = disposal;
    return f;
}

QByteArray ThreeFrames() {
    return vx7::test::WriteGifWithGiflib(
        8, 6, kPalette, 3,
        {Solid(0, 0, 8, 6, 0, 20, 1), Solid(2, 1, 3, 2, 1, 0, 2), Solid(4, 3, 4, 3, 2, 7, 3)});
}

} // namespace

TEST(GifFrameSplitterTest, CutsEachImageWithHeaderGlobalTableAndTrailer) {
    const QByteArray gif = ThreeFrames();
    const auto split = GifFrameSplitter::Split(AsBytes(gif));
    ASSERT_TRUE(split);
    EXPECT_EQ(split->screenWidth, 8);
    EXPECT_EQ(split->screenHeight, 6);
    ASSERT_TRUE(split->background);
    EXPECT_EQ(*split->background, qRgb(255, 255, 255));
    EXPECT_EQ(split->imageCount, 3);
    ASSERT_EQ(split->frames.size(), 3u);
    const QByteArray head = gif.left(13 + 12);
    for (const auto& f : split->frames) {
        EXPECT_TRUE(f.gif.startsWith(head));
        EXPECT_EQ(f.gif.at(25), char(0x21)) << "slice continues with the frame's graphic control extension";
        EXPECT_EQ(f.gif.back(), char(0x3B));
        EXPECT_TRUE(gif.contains(f.gif.mid(25, f.gif.size() - 26)));
    }
    EXPECT_EQ(split->frames[1].left, 2);
    EXPECT_EQ(split->frames[1].top, 1);
    EXPECT_EQ(split->frames[1].width, 3);
    EXPECT_EQ(split->frames[1].height, 2);
    EXPECT_EQ(split->frames[0].delay, 20);
    EXPECT_EQ(split->frames[1].delay, 0);
    EXPECT_EQ(split->frames[2].delay, 7);
    EXPECT_EQ(split->frames[1].disposal, 2);
    EXPECT_EQ(split->frames[2].disposal, 3);
}

TEST(GifFrameSplitterTest, FrameWithoutGraphicControlHasDelayMinusOne) {
    GiflibFrame a = Solid(0, 0, 2, 2, 0, -1), b = Solid(0, 0, 2, 2, 1, 50);
    const QByteArray gif = vx7::test::WriteGifWithGiflib(2, 2, kPalette, 0, {a, b});
    const auto split = GifFrameSplitter::Split(AsBytes(gif));
    ASSERT_TRUE(split);
    ASSERT_EQ(split->frames.size(), 2u);
    EXPECT_EQ(split->frames[0].delay, -1);
    EXPECT_EQ(split->frames[0].gif.at(25), char(0x2C)) << "slice starts at the image itself";
    EXPECT_EQ(split->frames[1].delay, 50);
}

TEST(GifFrameSplitterTest, ImagesOutsideTheScreenOrEmptyAreSkipped) {
    const QByteArray gif = vx7::test::WriteGifWithGiflib(
        4, 4, kPalette, 0, {Solid(0, 0, 4, 4, 0, 10), Solid(2, 2, 3, 3, 1, 10), Solid(1, 1, 2, 2, 2, 10)});
    const auto split = GifFrameSplitter::Split(AsBytes(gif));
    ASSERT_TRUE(split);
    EXPECT_EQ(split->imageCount, 3);
    ASSERT_EQ(split->frames.size(), 2u);
    EXPECT_EQ(split->frames[1].left, 1);
}

TEST(GifFrameSplitterTest, TruncatedLastImageIsLeftOut) {
    const QByteArray gif = ThreeFrames();
    const auto split = GifFrameSplitter::Split(AsBytes(gif.left(gif.size() - 4)));
    ASSERT_TRUE(split);
    EXPECT_EQ(split->imageCount, 2);
    EXPECT_EQ(split->frames.size(), 2u);
}

TEST(GifFrameSplitterTest, LoadDecodesFramesAtTheirOwnSize) {
    const auto set = GifFrameSplitter::Load(ThreeFrames());
    ASSERT_TRUE(set);
    ASSERT_TRUE(set->IsAnimated());
    EXPECT_EQ(set->screen, QSize(8, 6));
    EXPECT_EQ(set->background, qRgb(255, 255, 255));
    ASSERT_EQ(set->frames.size(), 3u);
    EXPECT_EQ(set->frames[1].Picture().size(), QSize(3, 2));
    EXPECT_EQ(set->frames[1].Picture().pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(set->frames[2].Picture().pixel(3, 2), qRgb(0, 0, 255));
    EXPECT_EQ(set->frames[2].Rect(), QRect(4, 3, 4, 3));
}

TEST(GifFrameSplitterTest, OneImageGifIsAStillPictureWithTheScreenSize) {
    const QByteArray gif = vx7::test::WriteGifWithGiflib(6, 5, kPalette, 0, {Solid(0, 0, 6, 5, 2, 10)});
    const auto set = GifFrameSplitter::Load(gif);
    ASSERT_TRUE(set);
    EXPECT_FALSE(set->IsAnimated());
    EXPECT_EQ(set->screen, QSize(6, 5));
    EXPECT_EQ(set->still.pixel(1, 1), qRgb(0, 0, 255));
}

TEST(GifFrameSplitterTest, OtherFormatsAreStillPictures) {
    QImage png(7, 3, QImage::Format_RGB32);
    png.fill(qRgb(10, 20, 30));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "png").write(png);
    const auto set = GifFrameSplitter::Load(buffer.data());
    ASSERT_TRUE(set);
    EXPECT_FALSE(set->IsAnimated());
    EXPECT_EQ(set->screen, QSize(7, 3));
    EXPECT_FALSE(GifFrameSplitter::Split(AsBytes(buffer.data())));
}

TEST(GifFrameSplitterTest, UndecodableDataFailsToLoad) {
    EXPECT_FALSE(GifFrameSplitter::Load(QByteArray("not a picture at all")));
    EXPECT_FALSE(GifFrameSplitter::Load(QByteArray()));
}

TEST(GifFrameSplitterTest, EveryTruncationIsSafe) {
    const QByteArray gif = ThreeFrames();
    for (qsizetype cut = 0; cut <= gif.size(); ++cut) {
        const auto split = GifFrameSplitter::Split(AsBytes(gif.left(cut)));
        if (split) {
            EXPECT_LE(split->frames.size(), 3u);
        }
        GifFrameSplitter::Load(gif.left(cut));
    }
}

// A few hundred bytes whose frames each cover a 5792 × 5792 screen: decoded and kept,
// twelve frames would take 1.5 GB. The memory is counted before anything is decoded.
TEST(GifFrameSplitterTest, AnimationBeyondTheMemoryBudgetIsRefusedWithAReason) {
    const QByteArray bomb = vx7::test::DecodedMemoryBombGif(5792, 12);
    ASSERT_LT(bomb.size(), 1000);
    const auto split = GifFrameSplitter::Split(AsBytes(bomb));
    ASSERT_TRUE(split);
    ASSERT_EQ(split->frames.size(), 12u) << "the test file is what it claims";
    QString refusal;
    EXPECT_FALSE(GifFrameSplitter::Load(bomb, &refusal));
    EXPECT_TRUE(refusal.contains(QStringLiteral("太大"))) << refusal.toStdString();
    // Twice as many frames change nothing: the frames are not what is counted decoded.
    EXPECT_FALSE(GifFrameSplitter::Load(vx7::test::DecodedMemoryBombGif(5792, 24)));
}

// Many frames of a large screen stay within the budget, as frames are kept compressed
// and decoded as they are shown.
TEST(GifFrameSplitterTest, ManyLargeFramesAreKeptCompressed) {
    const QByteArray gif = vx7::test::DecodedMemoryBombGif(1500, 60);
    QString refusal;
    const auto set = GifFrameSplitter::Load(gif, &refusal);
    ASSERT_TRUE(set) << refusal.toStdString();
    EXPECT_TRUE(refusal.isEmpty());
    ASSERT_EQ(set->frames.size(), 60u);
    EXPECT_TRUE(set->frames[7].picture.isNull());
    EXPECT_EQ(set->frames[7].Picture().size(), QSize(1500, 1500));
}

// Thousands of tiny images each repeat the header and colour table when cut out:
// cutting stops at the budget instead of multiplying the file's size.
TEST(GifFrameSplitterTest, CuttingManyTinyImagesStopsAtTheBudget) {
    QByteArray gif("GIF89a\x01\x00\x01\x00\x87\x00\x00", 13);
    gif.append(QByteArray(768, '\x10'));
    const QByteArray image("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00", 15);
    for (int i = 0; i < 400000; ++i)
        gif.append(image);
    gif.append(char(0x3B));
    const auto split = GifFrameSplitter::Split(AsBytes(gif));
    ASSERT_TRUE(split);
    EXPECT_TRUE(split->overBudget);
    qint64 cut = 0;
    for (const auto& frame : split->frames)
        cut += frame.gif.size();
    EXPECT_LE(cut, GifFrameSplitter::kMaxAnimationBytes);
    QString refusal;
    EXPECT_FALSE(GifFrameSplitter::Load(gif, &refusal));
    EXPECT_FALSE(refusal.isEmpty());
}
