// The converter library through its one export, loaded as the program loads it.
#include "tests/animation/GifTestFiles.h"
#include "tests/support/FileBytes.h"

#include <QFile>
#include <QImage>
#include <QLibrary>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

namespace {

using Convert = int (*)(const char16_t*, const char16_t*, int, int, int, int, int, int);
using ConvertPixels = int (*)(const std::uint32_t*, int, int, int, int, int, int, int, int, int,
                              std::uint8_t*, std::uint8_t*);

QLibrary& Library() {
    static QLibrary library(QStringLiteral(VX7_CONVERTER_LIBRARY));
    return library;
}

Convert LoadConvert() {
    if (!Library().load())
        return nullptr;
    return reinterpret_cast<Convert>(Library().resolve("ConvertImage"));
}

ConvertPixels LoadConvertPixels() {
    if (!Library().load())
        return nullptr;
    return reinterpret_cast<ConvertPixels>(Library().resolve("ConvertImagePixels"));
}

int Call(Convert f, const QString& a, const QString& b) {
    return f(reinterpret_cast<const char16_t*>(a.utf16()), reinterpret_cast<const char16_t*>(b.utf16()), 0, 0,
             0, 1, 50, 0);
}

// Saves the picture as source (a BMP in dir), converts it to a GIF beside it and
// decodes that GIF with giflib; the test fails when any step does.
void ConvertThroughFiles(Convert convert, const QImage& picture, const QTemporaryDir& dir,
                         const QString& source, vx7::test::GiflibDecoded& decoded) {
    ASSERT_TRUE(picture.save(dir.filePath(source)));
    ASSERT_EQ(Call(convert, dir.filePath(source), dir.filePath(source + ".gif")), 1);
    decoded = vx7::test::DecodeWithGiflib(vx7::test::ReadAll(dir.filePath(source + ".gif")));
    ASSERT_TRUE(decoded.ok);
}

} // namespace

TEST(ConvertImageTest, WritesASingleImageGifOfThePicturesSizeWithAtMost256Colours) {
    const Convert convert = LoadConvert();
    ASSERT_NE(convert, nullptr);
    QTemporaryDir dir;
    const QImage picture = vx7::test::PhotoLikePicture(303, 201, 4);
    vx7::test::GiflibDecoded decoded;
    ASSERT_NO_FATAL_FAILURE(
        ConvertThroughFiles(convert, picture, dir, QStringLiteral("中文_Tmp.bmp"), decoded));
    EXPECT_EQ(decoded.screenWidth, 303);
    EXPECT_EQ(decoded.screenHeight, 201);
    ASSERT_EQ(decoded.images.size(), 1u);
    EXPECT_EQ(decoded.images[0].palette.size(), 256u);
    // Close to the picture: no channel far off on average.
    const auto& img = decoded.images[0];
    double sum = 0;
    for (int y = 0; y < 201; ++y)
        for (int x = 0; x < 303; ++x) {
            const QRgb a = picture.pixel(x, y),
                       b = img.palette[img.indices[static_cast<size_t>(y * 303 + x)]];
            sum +=
                std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    EXPECT_LT(sum / (3.0 * 303 * 201), 4.0);
}

TEST(ConvertImageTest, UnreadableSourceFailsAndLeavesTheTargetAlone) {
    const Convert convert = LoadConvert();
    ASSERT_NE(convert, nullptr);
    QTemporaryDir dir;
    QFile target(dir.filePath("keep.gif"));
    ASSERT_TRUE(target.open(QIODevice::WriteOnly));
    target.write("old");
    target.close();
    QFile bad(dir.filePath("bad.bmp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("BM not really");
    bad.close();
    EXPECT_EQ(Call(convert, dir.filePath("missing.bmp"), dir.filePath("keep.gif")), 0);
    EXPECT_EQ(Call(convert, dir.filePath("bad.bmp"), dir.filePath("keep.gif")), 0);
    EXPECT_EQ(convert(nullptr, nullptr, 0, 0, 0, 1, 50, 0), 0);
    ASSERT_TRUE(target.open(QIODevice::ReadOnly));
    EXPECT_EQ(target.readAll(), QByteArray("old"));
}

// The in-memory entry reduces the same pixels to the same palette and indices as the
// GIF the file entry writes, over a padded stride too; it refuses what it cannot take
// and then writes nothing.
TEST(ConvertImageTest, PixelsEntryGivesTheFileEntrysPaletteAndIndices) {
    const Convert convert = LoadConvert();
    const ConvertPixels convertPixels = LoadConvertPixels();
    ASSERT_NE(convert, nullptr);
    ASSERT_NE(convertPixels, nullptr);
    QTemporaryDir dir;
    const int w = 303, h = 201;
    const QImage picture = vx7::test::PhotoLikePicture(w, h, 6).convertToFormat(QImage::Format_RGB32);
    vx7::test::GiflibDecoded decoded;
    ASSERT_NO_FATAL_FAILURE(ConvertThroughFiles(convert, picture, dir, QStringLiteral("p.bmp"), decoded));
    ASSERT_EQ(decoded.images.size(), 1u);

    // The picture inside a wider buffer: stride 310 words.
    const int stride = 310;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(stride) * h, 0xFF123456u);
    for (int y = 0; y < h; ++y)
        std::memcpy(pixels.data() + static_cast<size_t>(y) * stride, picture.constScanLine(y), 4u * w);
    std::vector<std::uint8_t> palette(768, 0xEE), indices(static_cast<size_t>(w) * h, 0xEE);
    const int colours =
        convertPixels(pixels.data(), w, h, stride, 0, 0, 0, 1, 50, 0, palette.data(), indices.data());
    ASSERT_GE(colours, 1);
    ASSERT_LE(colours, 256);
    EXPECT_EQ(indices, decoded.images[0].indices);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(qRgb(palette[3u * i], palette[3u * i + 1], palette[3u * i + 2]),
                  decoded.images[0].palette[i])
            << "entry " << i;

    std::vector<std::uint8_t> untouched(768, 0xEE);
    palette = untouched;
    EXPECT_EQ(convertPixels(nullptr, w, h, w, 0, 0, 0, 1, 50, 0, palette.data(), indices.data()), 0);
    EXPECT_EQ(convertPixels(pixels.data(), w, h, stride, 0, 0, 0, 1, 50, 0, nullptr, indices.data()), 0);
    EXPECT_EQ(convertPixels(pixels.data(), w, h, stride, 0, 0, 0, 1, 50, 0, palette.data(), nullptr), 0);
    EXPECT_EQ(convertPixels(pixels.data(), 0, h, stride, 0, 0, 0, 1, 50, 0, palette.data(), indices.data()),
              0);
    EXPECT_EQ(convertPixels(pixels.data(), w, h, w - 1, 0, 0, 0, 1, 50, 0, palette.data(), indices.data()),
              0);
    EXPECT_EQ(
        convertPixels(pixels.data(), 70000, 1, 70000, 0, 0, 0, 1, 50, 0, palette.data(), indices.data()), 0);
    EXPECT_EQ(palette, untouched);
}

TEST(ConvertImageTest, ExportsOnlyItsTwoEntries) {
    QLibrary library(QStringLiteral(VX7_CONVERTER_LIBRARY));
    ASSERT_TRUE(library.load());
    EXPECT_NE(library.resolve("ConvertImage"), nullptr);
    EXPECT_NE(library.resolve("ConvertImagePixels"), nullptr);
    EXPECT_EQ(library.resolve("_ZN3vx79converter16PaletteQuantiser8QuantiseEPKjiiiRKNS1_7OptionsE"), nullptr);
}
