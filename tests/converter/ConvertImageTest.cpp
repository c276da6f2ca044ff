// The converter library through its one export, loaded as the program loads it.
#include "tests/animation/GifTestFiles.h"

#include <QFile>
#include <QImage>
#include <QLibrary>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

using Convert = int (*)(const char16_t*, const char16_t*, int, int, int, int, int, int);

Convert LoadConvert() {
    static QLibrary library(QStringLiteral(VX7_CONVERTER_LIBRARY));
    if (!library.load())
        return nullptr;
    return reinterpret_cast<Convert>(library.resolve("ConvertImage"));
}

int Call(Convert f, const QString& a, const QString& b) {
    return f(reinterpret_cast<const char16_t*>(a.utf16()), reinterpret_cast<const char16_t*>(b.utf16()), 0, 0,
             0, 1, 50, 0);
}

} // namespace

TEST(ConvertImageTest, WritesASingleImageGifOfThePicturesSizeWithAtMost256Colours) {
    const Convert convert = LoadConvert();
    ASSERT_NE(convert, nullptr);
    QTemporaryDir dir;
    const QImage picture = vx7::test::PhotoLikePicture(303, 201, 4);
    ASSERT_TRUE(picture.save(dir.filePath("中文_Tmp.bmp")));
    ASSERT_EQ(Call(convert, dir.filePath("中文_Tmp.bmp"), dir.filePath("out.gif")), 1);
    QFile f(dir.filePath("out.gif"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const auto decoded = vx7::test::DecodeWithGiflib(f.readAll());
    ASSERT_TRUE(decoded.ok);
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

TEST(ConvertImageTest, ExportsOnlyConvertImage) {
    QLibrary library(QStringLiteral(VX7_CONVERTER_LIBRARY));
    ASSERT_TRUE(library.load());
    EXPECT_NE(library.resolve("ConvertImage"), nullptr);
    EXPECT_EQ(library.resolve("_ZN3vx79converter16PaletteQuantiser8QuantiseEPKjiiiRKNS1_7OptionsE"), nullptr);
}
