#include "animation/gif/GifBlockWalker.h"

#include "GifTestFiles.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vx7::animation;
using vx7::test::GiflibFrame;

namespace {

std::vector<GifBlockKind> Kinds(const QByteArray& gif, bool* failed = nullptr) {
    GifBlockWalker walker(AsBytes(gif));
    std::vector<GifBlockKind> kinds;
    while (auto b = walker.Next())
        kinds.push_back(b->kind);
    if (failed)
        *failed = walker.Failed();
    return kinds;
}

QByteArray TwoFrameGif() {
    GiflibFrame a;
    a.width = 4;
    a.height = 2;
    a.indices = std::vector<std::uint8_t>(8, 1);
    a.delay = 10;
    GiflibFrame b = a;
    b.indices = std::vector<std::uint8_t>(8, 2);
    b.localPalette = {qRgb(1, 2, 3), qRgb(4, 5, 6), qRgb(7, 8, 9), qRgb(10, 11, 12)};
    return vx7::test::WriteGifWithGiflib(4, 2, vx7::test::GreyPalette(), 0, {a, b});
}

} // namespace

TEST(GifBlockWalkerTest, StreamStartsAfterHeaderAndGlobalTable) {
    QByteArray gif("GIF89a\x01\x00\x01\x00\x00\x00\x00", 13);
    EXPECT_EQ(GifBlockWalker::StreamStart(AsBytes(gif)), 13u);
    gif[10] = char(0x81); // 4 entries, 12 bytes of table
    EXPECT_EQ(GifBlockWalker::StreamStart(AsBytes(gif)), std::nullopt) << "table runs past the data";
    gif.append(QByteArray(12, '\0'));
    EXPECT_EQ(GifBlockWalker::StreamStart(AsBytes(gif)), 25u);
    EXPECT_EQ(GifBlockWalker::StreamStart(AsBytes(QByteArray("PNG89a\x01\x00\x01\x00\x00\x00\x00", 13))),
              std::nullopt);
    EXPECT_EQ(GifBlockWalker::StreamStart(AsBytes(QByteArray("GIF89a"))), std::nullopt);
}

TEST(GifBlockWalkerTest, WalksExtensionsImagesAndTrailer) {
    const QByteArray gif = TwoFrameGif();
    bool failed = true;
    const auto kinds = Kinds(gif, &failed);
    EXPECT_FALSE(failed);
    const std::vector<GifBlockKind> expected = {GifBlockKind::GraphicControl, GifBlockKind::Image,
                                                GifBlockKind::GraphicControl, GifBlockKind::Image,
                                                GifBlockKind::Trailer};
    EXPECT_EQ(kinds, expected);
}

TEST(GifBlockWalkerTest, ReadsDescriptorAndLocalTableOfAnImage) {
    const QByteArray gif = TwoFrameGif();
    GifBlockWalker walker(AsBytes(gif));
    std::vector<GifImageDescriptor> images;
    while (auto b = walker.Next())
        if (b->kind == GifBlockKind::Image)
            images.push_back(GifBlockWalker::ReadImage(AsBytes(gif), *b));
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].width, 4);
    EXPECT_EQ(images[0].height, 2);
    EXPECT_EQ(images[0].localTableEntries, 0);
    EXPECT_EQ(images[1].localTableEntries, 4);
    EXPECT_EQ(images[1].dataPosition, images[1].tablePosition + 12 + 1);
    EXPECT_EQ(static_cast<std::uint8_t>(
                  gif[static_cast<qsizetype>(images[1].dataPosition + images[1].dataLength - 1)]),
              0)
        << "data length ends on the block terminator";
}

TEST(GifBlockWalkerTest, SkipsCommentApplicationAndUnknownExtensions) {
    QByteArray gif("GIF89a\x01\x00\x01\x00\x00\x00\x00", 13);
    gif.append(QByteArray("\x21\xFE\x03"
                          "abc"
                          "\x00",
                          7)); // comment
    gif.append(QByteArray("\x21\xFF\x0B"
                          "NETSCAPE2.0"
                          "\x03\x01\x00\x00\x00",
                          19));                      // loop
    gif.append(QByteArray("\x21\x99\x02xy\x00", 6)); // unknown label
    gif.append(QByteArray("\x21\x01\x0C"
                          "0123456789AB"
                          "\x00",
                          16));                                                       // plain text
    gif.append(QByteArray("\x2C\0\0\0\0\x01\0\x01\0\0\x08\x02\x4C\x01\x00\x3B", 16)); // image, trailer
    bool failed = true;
    const auto kinds = Kinds(gif, &failed);
    EXPECT_FALSE(failed);
    const std::vector<GifBlockKind> expected = {GifBlockKind::CommentExtension,
                                                GifBlockKind::ApplicationExtension,
                                                GifBlockKind::OtherExtension,
                                                GifBlockKind::PlainText,
                                                GifBlockKind::Image,
                                                GifBlockKind::Trailer};
    EXPECT_EQ(kinds, expected);
}

TEST(GifBlockWalkerTest, EveryTruncationEndsTheWalkInsideTheData) {
    const QByteArray gif = TwoFrameGif();
    for (qsizetype cut = 0; cut < gif.size(); ++cut) {
        const QByteArray part = gif.left(cut);
        GifBlockWalker walker(AsBytes(part));
        while (auto b = walker.Next())
            ASSERT_LE(b->position + b->length, static_cast<size_t>(part.size())) << "cut at " << cut;
    }
}

TEST(GifBlockWalkerTest, InvalidIntroducerFailsTheWalk) {
    QByteArray gif("GIF89a\x01\x00\x01\x00\x00\x00\x00\x55\x3B", 15);
    bool failed = false;
    EXPECT_TRUE(Kinds(gif, &failed).empty());
    EXPECT_TRUE(failed);
}

TEST(GifBlockWalkerTest, GraphicControlWithShortSubBlockIsNotRead) {
    const QByteArray gif("GIF89a\x01\x00\x01\x00\x00\x00\x00\x21\xF9\x02\x05\x01\x00\x3B", 20);
    GifBlockWalker walker(AsBytes(gif));
    const auto b = walker.Next();
    ASSERT_TRUE(b);
    EXPECT_EQ(b->kind, GifBlockKind::GraphicControl);
    EXPECT_FALSE(GifBlockWalker::ReadGraphicControl(AsBytes(gif), *b));
}
