#include "core/ImageFiles.h"
#include "platform/ScreenGrabber.h"
#include "support/TempInstallFolder.h"

#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

using namespace vx7::core;

namespace {

QImage Pattern(int w, int h, QColor a, QColor b) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixelColor(x, y, ((x / 8 + y / 8) % 2) ? a : b);
    return img;
}

} // namespace

TEST(EncoderRegistryTest, FindsEncodersByExactMimeType) {
    EncoderRegistry reg;
    EXPECT_GE(reg.FindEncoder("image/bmp"), 0);
    EXPECT_GE(reg.FindEncoder("image/jpeg"), 0);
    EXPECT_GE(reg.FindEncoder("image/png"), 0);
    EXPECT_EQ(reg.FindEncoder("image/JPEG"), -1);
    EXPECT_EQ(reg.FindEncoder("image/tiff"), -1);
    const int before = reg.Count();
    EXPECT_EQ(reg.FindEncoder("image/gif"), -1);
    EXPECT_EQ(reg.Count(), before) << "a failed lookup changes nothing";
    reg.Add({"image/gif", [](const QImage&, const QString&, int) { return true; }});
    EXPECT_EQ(reg.FindEncoder("image/gif"), before);
}

TEST(SaveImageAsTest, ConvertsAndPassesTheQuality) {
    vx7::test::TempInstallFolder home;
    const QString src = home.Sub("tmpBmpData/abc.bmp");
    ASSERT_TRUE(Pattern(64, 48, Qt::red, Qt::blue).save(src, "BMP"));
    EncoderRegistry reg;
    EXPECT_EQ(SaveImageAs(reg, "JPG", src, home.Sub("hi.JPG"), 100), 1);
    EXPECT_EQ(SaveImageAs(reg, "JPG", src, home.Sub("lo.JPG"), 5), 1);
    EXPECT_GT(QFile(home.Sub("hi.JPG")).size(), QFile(home.Sub("lo.JPG")).size());
    EXPECT_EQ(QImageReader(home.Sub("hi.JPG")).format(), QByteArray("jpeg"));
    EXPECT_EQ(SaveImageAs(reg, "PNG", src, home.Sub("x.PNG"), 100), 1);
    EXPECT_EQ(QImage(home.Sub("x.PNG")).pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(SaveImageAs(reg, "TIF", src, home.Sub("x.TIF"), 100), 0);
    EXPECT_FALSE(QFile::exists(home.Sub("x.TIF")));
    EXPECT_EQ(SaveImageAs(reg, "GIF", src, home.Sub("x.GIF"), 100), 0) << "no GIF encoder registered yet";
    EXPECT_EQ(SaveImageAs(reg, "PNG", home.Sub("missing.bmp"), home.Sub("y.PNG"), 100), 0);
}

TEST(SaveImageAsTest, PngPhotosAreCompressedLosslessly) {
    vx7::test::TempInstallFolder home;
    QImage frame(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            frame.setPixel(x, y, qRgb(x * 255 / 640, y * 255 / 480, (x + y) % 256));
    const QString bmp = home.Sub("tmpBmpData/frame.bmp");
    ASSERT_TRUE(frame.save(bmp, "BMP"));
    EncoderRegistry reg;
    ASSERT_EQ(SaveImageAs(reg, "PNG", bmp, home.Sub("frame.PNG"), 100), 1);
    EXPECT_LT(QFile(home.Sub("frame.PNG")).size(), QFile(bmp).size() / 2);
    EXPECT_EQ(QImage(home.Sub("frame.PNG")).convertToFormat(QImage::Format_RGB32), frame);
}

TEST(ComposeSideBySideTest, PlacesAOverTheRightPartOfB) {
    vx7::test::TempInstallFolder home;
    const QString a = home.Sub("a.bmp"), b = home.Sub("b.bmp");
    QImage imgA(101, 40, QImage::Format_RGB32);
    imgA.fill(Qt::red);
    QImage imgB(60, 40, QImage::Format_RGB32);
    imgB.fill(Qt::green);
    ASSERT_TRUE(imgA.save(a, "BMP"));
    ASSERT_TRUE(imgB.save(b, "BMP"));
    EncoderRegistry reg;
    EXPECT_EQ(ComposeSideBySide(reg, home.Sub("c.PNG"), a, b, "PNG", 100), 50);
    const QImage out(home.Sub("c.PNG"));
    ASSERT_EQ(out.size(), QSize(151, 40));
    EXPECT_EQ(out.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(out.pixelColor(49, 39), QColor(Qt::green));
    EXPECT_EQ(out.pixelColor(50, 0), QColor(Qt::red));
    EXPECT_EQ(out.pixelColor(150, 39), QColor(Qt::red));
    EXPECT_EQ(ComposeSideBySide(reg, home.Sub("d.PNG"), home.Sub("none.bmp"), b, "PNG", 100), -1);
}

// The in-memory composite must hold exactly the pixels of the BMP file that
// ComposeSideBySide writes, for opaque pictures and for pictures with alpha, and
// when B is wider than half of A (A covers it) or missing.
TEST(ComposeSideBySideTest, InMemoryOverWhiteEqualsTheSavedBmp) {
    vx7::test::TempInstallFolder home;
    QImage opaque = Pattern(101, 40, Qt::red, Qt::darkCyan);
    QImage translucent(90, 40, QImage::Format_ARGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 90; ++x)
            translucent.setPixel(x, y, qRgba(200, 40 + x, 3 * y, (x * 255) / 89));
    QImage grey(61, 40, QImage::Format_Grayscale8);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 61; ++x)
            grey.scanLine(y)[x] = static_cast<uchar>(x * 4 + y);
    QImage reference = Pattern(32, 24, Qt::green, Qt::black).convertToFormat(QImage::Format_Indexed8);
    QImage wideReference = Pattern(80, 40, Qt::blue, Qt::yellow);
    QImage referenceAlpha(32, 24, QImage::Format_ARGB32);
    referenceAlpha.fill(qRgba(10, 20, 30, 100));
    const struct {
        const char* name;
        QImage a, b;
    } cases[] = {{"opaque", opaque, reference},
                 {"alpha source", translucent, reference},
                 {"grey", grey, reference},
                 {"wide reference", opaque, wideReference},
                 {"alpha reference", opaque, referenceAlpha},
                 {"no reference", grey, QImage()}};
    EncoderRegistry reg;
    int n = 0;
    for (const auto& c : cases) {
        const QString a = home.Sub(QStringLiteral("a%1.png").arg(n)),
                      b = home.Sub(QStringLiteral("b%1.png").arg(n));
        const QString out = home.Sub(QStringLiteral("c%1.bmp").arg(n++));
        ASSERT_TRUE(c.a.save(a));
        if (!c.b.isNull()) {
            ASSERT_TRUE(c.b.save(b));
        }
        ASSERT_EQ(ComposeSideBySide(reg, out, a, b, "BMP", 100), c.a.width() / 2) << c.name;
        const QImage fromFile = QImage(out).convertToFormat(QImage::Format_RGB32);
        const QImage inMemory = SideBySideOverWhite(QImage(a), c.b.isNull() ? QImage() : QImage(b));
        ASSERT_EQ(inMemory.format(), QImage::Format_RGB32) << c.name;
        EXPECT_EQ(inMemory, fromFile) << c.name;
        EXPECT_EQ(inMemory.size(), QSize(c.a.width() + c.a.width() / 2, c.a.height())) << c.name;
    }
    // Nothing drawn between a narrow reference and the picture: white.
    const QImage composite = SideBySideOverWhite(opaque, reference);
    EXPECT_EQ(composite.pixelColor(40, 30), QColor(Qt::white));
    EXPECT_EQ(composite.pixelColor(50, 0), opaque.pixelColor(0, 0));
    EXPECT_TRUE(SideBySideOverWhite(QImage(), reference).isNull());
}

TEST(SaveScreenAreaTest, CopiesTheRequestedRectangle) {
    vx7::test::TempInstallFolder home;
    QImage screen(200, 100, QImage::Format_RGB32);
    screen.fill(Qt::white);
    screen.setPixelColor(20, 10, Qt::black);
    vx7::platform::ImageScreenGrabber grabber(screen);
    EncoderRegistry reg;
    ASSERT_TRUE(SaveScreenArea(reg, grabber, home.Sub("s.BMP"), QRect(20, 10, 30, 15), 100, "BMP"));
    const QImage out(home.Sub("s.BMP"));
    ASSERT_EQ(out.size(), QSize(30, 15));
    EXPECT_EQ(out.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(out.pixelColor(1, 0), QColor(Qt::white));
    vx7::platform::NullScreenGrabber none;
    EXPECT_FALSE(SaveScreenArea(reg, none, home.Sub("n.BMP"), QRect(0, 0, 5, 5), 100, "BMP"));
}
