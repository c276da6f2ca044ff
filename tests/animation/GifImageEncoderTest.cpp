#include "animation/gif/GifImageEncoder.h"
#include "animation/gif/GifAnimationBuilder.h"
#include "core/ImageFiles.h"

#include "GifTestFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace vx7::animation;

namespace {

int BruteNearest(int r, int g, int b) {
    const auto& p = GifImageEncoder::Palette();
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const int dr = r - p[static_cast<size_t>(3 * i)], dg = g - p[static_cast<size_t>(3 * i + 1)],
                  db = b - p[static_cast<size_t>(3 * i + 2)];
        const int d = dr * dr + dg * dg + db * db;
        bestDistance = std::min(bestDistance, d);
    }
    return bestDistance;
}

int Distance(int index, int r, int g, int b) {
    const auto& p = GifImageEncoder::Palette();
    const int dr = r - p[static_cast<size_t>(3 * index)], dg = g - p[static_cast<size_t>(3 * index + 1)],
              db = b - p[static_cast<size_t>(3 * index + 2)];
    return dr * dr + dg * dg + db * db;
}

} // namespace

TEST(GifImageEncoderTest, PaletteIsTheCubeAndFortyDistinctGreys) {
    const auto& p = GifImageEncoder::Palette();
    EXPECT_EQ(p[3 * 215], 255);
    EXPECT_EQ(p[3 * 43 + 1], 51) << "cube entry 36 + 6 + 1 is (51, 51, 51)";
    std::set<int> greys;
    for (int i = 216; i < 256; ++i) {
        EXPECT_EQ(p[static_cast<size_t>(3 * i)], p[static_cast<size_t>(3 * i + 1)]);
        EXPECT_EQ(p[static_cast<size_t>(3 * i)], p[static_cast<size_t>(3 * i + 2)]);
        EXPECT_NE(p[static_cast<size_t>(3 * i)] % 51, 0);
        greys.insert(p[static_cast<size_t>(3 * i)]);
    }
    EXPECT_EQ(greys.size(), 40u);
}

TEST(GifImageEncoderTest, NearestIndexIsTheTrueNearestColour) {
    std::mt19937 random(7);
    for (int i = 0; i < 60000; ++i) {
        const int r = static_cast<int>(random() % 256), g = static_cast<int>(random() % 256),
                  b = static_cast<int>(random() % 256);
        ASSERT_EQ(Distance(GifImageEncoder::NearestIndex(r, g, b), r, g, b), BruteNearest(r, g, b))
            << r << "," << g << "," << b;
    }
    for (int v = 0; v < 256; ++v)
        ASSERT_EQ(Distance(GifImageEncoder::NearestIndex(v, v, v), v, v, v), BruteNearest(v, v, v)) << v;
}

TEST(GifImageEncoderTest, WritesOneImageWithGlobalTableAndCodeSizeEight) {
    const QImage picture = vx7::test::PhotoLikePicture(123, 77);
    const QByteArray gif = GifImageEncoder::Encode(picture);
    ASSERT_FALSE(gif.isEmpty());
    EXPECT_TRUE(gif.startsWith("GIF89a"));
    EXPECT_EQ(static_cast<std::uint8_t>(gif[10]), 0xF7);
    EXPECT_EQ(gif.at(13 + 768), char(0x2C));
    EXPECT_EQ(gif.at(13 + 768 + 9), char(0x00)) << "no local table";
    EXPECT_EQ(gif.at(13 + 768 + 10), char(8));
    const auto decoded = vx7::test::DecodeWithGiflib(gif);
    ASSERT_TRUE(decoded.ok);
    ASSERT_EQ(decoded.images.size(), 1u);
    EXPECT_EQ(decoded.images[0].indices, GifImageEncoder::MapToPalette(picture));
}

TEST(GifImageEncoderTest, RegisteredForGifSoPhotosInFormatGifAreWritten) {
    vx7::core::EncoderRegistry registry;
    EXPECT_EQ(registry.FindEncoder(QStringLiteral("image/gif")), -1);
    RegisterGifEncoder(registry);
    ASSERT_GE(registry.FindEncoder(QStringLiteral("image/gif")), 0);

    QTemporaryDir dir;
    const QImage photo = vx7::test::PhotoLikePicture(160, 120, 3);
    ASSERT_TRUE(photo.save(dir.filePath("shot.bmp")));
    ASSERT_EQ(vx7::core::SaveImageAs(registry, QStringLiteral("GIF"), dir.filePath("shot.bmp"),
                                     dir.filePath("shot.GIF"), 100),
              1);
    const QImage back(dir.filePath("shot.GIF"));
    ASSERT_EQ(back.size(), photo.size());
    int worst = 0;
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x) {
            const QRgb a = photo.pixel(x, y), b = back.pixel(x, y);
            const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
            worst = std::max(worst, dr * dr + dg * dg + db * db);
        }
    EXPECT_LE(worst, 3 * 25 * 25) << "no pixel further than the cube's own rounding allows";

    // Such files are what the copying build path takes.
    GifAnimationBuilder builder;
    const auto r = builder.BuildFromGifFiles({dir.filePath("shot.GIF"), dir.filePath("shot.GIF")},
                                             dir.filePath("anim.gif"), 100);
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(r.framesWritten, 2);
}

TEST(GifImageEncoderTest, TransparentAreasBecomeWhiteAndNullPicturesFail) {
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const auto indices = GifImageEncoder::MapToPalette(picture);
    for (std::uint8_t i : indices)
        EXPECT_EQ(i, 215);
    EXPECT_TRUE(GifImageEncoder::Encode(QImage()).isEmpty());
    QTemporaryDir dir;
    EXPECT_FALSE(GifImageEncoder::Write(QImage(), dir.filePath("x.gif")));
    EXPECT_FALSE(QFile::exists(dir.filePath("x.gif")));
}
