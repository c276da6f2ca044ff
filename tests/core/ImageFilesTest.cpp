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
