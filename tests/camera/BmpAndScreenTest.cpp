#include "camera/capture/Bmp24Writer.h"
#include "camera/screen/ScreenCapture.h"
#include "core/ImageFiles.h"
#include "core/SysInfo.h"
#include "platform/CursorOverlay.h"
#include "platform/HotKey.h"
#include "platform/ScreenGrabber.h"
#include "support/TempInstallFolder.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <X11/keysym.h>

#include <gtest/gtest.h>

using namespace vx7::camera;
using namespace vx7::core;

namespace {

quint32 U32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 U16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

class BmpRowTest : public ::testing::TestWithParam<std::pair<int, int>> {};

} // namespace

TEST_P(BmpRowTest, RowsArePaddedToFourBytesAndTheHeaderMatchesTheFile) {
    const auto [width, rowBytes] = GetParam();
    QImage image(width, 3, QImage::Format_RGB32);
    image.fill(QColor(1, 2, 3));
    image.setPixelColor(0, 0, QColor(200, 100, 50)); // top-left
    const QByteArray bmp = Bmp24Writer::Encode(image);
    EXPECT_EQ(Bmp24Writer::RowBytes(width), rowBytes);
    ASSERT_EQ(bmp.size(), 54 + rowBytes * 3);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(U32(bmp, 2), quint32(bmp.size()));
    EXPECT_EQ(U32(bmp, 6), 0u);
    EXPECT_EQ(U32(bmp, 10), 54u);
    EXPECT_EQ(U32(bmp, 14), 40u);
    EXPECT_EQ(U32(bmp, 18), quint32(width));
    EXPECT_EQ(U32(bmp, 22), 3u);
    EXPECT_EQ(U16(bmp, 26), 1);
    EXPECT_EQ(U16(bmp, 28), 24);
    for (int at = 30; at < 54; ++at)
        EXPECT_EQ(bmp.at(at), 0) << at;
    // Bottom-up: the top-left pixel is the first pixel of the last row, blue first.
    const int last = 54 + rowBytes * 2;
    EXPECT_EQ(quint8(bmp.at(last)), 50);
    EXPECT_EQ(quint8(bmp.at(last + 1)), 100);
    EXPECT_EQ(quint8(bmp.at(last + 2)), 200);
    EXPECT_EQ(quint8(bmp.at(54)), 3);
}

INSTANTIATE_TEST_SUITE_P(Widths, BmpRowTest,
                         ::testing::Values(std::pair{1, 4}, std::pair{2, 8}, std::pair{3, 12},
                                           std::pair{4, 12}, std::pair{5, 16}, std::pair{1366, 4100},
                                           std::pair{1920, 5760}));

TEST(Bmp24WriterTest, NullPictureAndUnwritablePathWriteNothing) {
    vx7::test::TempInstallFolder home;
    QString error;
    EXPECT_FALSE(Bmp24Writer::Write(QImage(), home.Sub("a.bmp"), &error));
    EXPECT_FALSE(QFile::exists(home.Sub("a.bmp")));
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    EXPECT_FALSE(Bmp24Writer::Write(image, home.Sub("missing/a.bmp"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(Bmp24WriterTest, ArgbPicturesLoseOnlyTheirAlpha) {
    QImage image(2, 2, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30, 255));
    const QImage back = QImage::fromData(Bmp24Writer::Encode(image), "BMP");
    EXPECT_EQ(back.pixelColor(1, 1), QColor(10, 20, 30));
}

TEST(ScreenCaptureTest, ScreenOf1366PixelsGivesRowsOf4100BytesAndAnHonestSize) {
    vx7::test::TempInstallFolder home;
    SysInfo sys;
    sys.SetFolder(home.Path());
    sys.Load();
    QImage screen(1366, 768, QImage::Format_RGB32);
    screen.fill(QColor(40, 80, 120));
    vx7::platform::ImageScreenGrabber grabber(screen);
    EncoderRegistry encoders;
    const auto path = ScreenCapture::TakeScreenshot(grabber, encoders, sys, "a", "BMP");
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, home.Sub("2011拍照图片/a.bmp"));
    QFile file(*path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.size(), 54 + 4100 * 768);
    EXPECT_EQ(U32(bytes, 2), quint32(bytes.size()));
    EXPECT_EQ(U32(bytes, 18), 1366u);
    EXPECT_EQ(U32(bytes, 22), 768u);
    EXPECT_EQ(sys.ScreenshotPending(SysInfo::kReadFlag), 1);
}

TEST(ScreenCaptureTest, PngScreenshotIsConvertedFromTheWorkFolder) {
    vx7::test::TempInstallFolder home;
    SysInfo sys;
    sys.SetFolder(home.Path());
    sys.Load();
    QImage screen(64, 48, QImage::Format_RGB32);
    screen.fill(Qt::green);
    vx7::platform::ImageScreenGrabber grabber(screen);
    EncoderRegistry encoders;
    const auto path = ScreenCapture::TakeScreenshot(grabber, encoders, sys, "a", "PNG");
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, home.Sub("2011拍照图片/a.PNG"));
    EXPECT_TRUE(QFile::exists(home.Sub("tmpBmpData/a.bmp")));
    EXPECT_EQ(QImageReader(*path).format(), "png");
}

TEST(ScreenCaptureTest, UnreadableScreenLeavesNoFileAndNoFlag) {
    vx7::test::TempInstallFolder home;
    SysInfo sys;
    sys.SetFolder(home.Path());
    sys.Load();
    vx7::platform::NullScreenGrabber grabber;
    EncoderRegistry encoders;
    QString error;
    EXPECT_FALSE(ScreenCapture::TakeScreenshot(grabber, encoders, sys, "a", "BMP", &error).has_value());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(home.Sub("2011拍照图片/a.bmp")));
    EXPECT_EQ(sys.ScreenshotPending(SysInfo::kReadFlag), 0);
}

TEST(ScreenCaptureTest, HotKeyCountsOnlyWhileMinimised) {
    EXPECT_TRUE(ScreenCapture::IgnoresHotKey(960 * 612));
    EXPECT_TRUE(ScreenCapture::IgnoresHotKey(101));
    EXPECT_FALSE(ScreenCapture::IgnoresHotKey(100));
    EXPECT_FALSE(ScreenCapture::IgnoresHotKey(0));
}

TEST(CursorOverlayTest, HotSpotLandsOnThePointer) {
    QImage screen(20, 20, QImage::Format_RGB32);
    screen.fill(Qt::black);
    QImage cursor(4, 4, QImage::Format_ARGB32_Premultiplied);
    cursor.fill(Qt::transparent);
    cursor.setPixelColor(1, 2, Qt::white); // the hot spot
    vx7::platform::DrawCursorAt(screen, cursor, QPoint(10, 10), QPoint(1, 2));
    EXPECT_EQ(screen.pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(screen.pixelColor(9, 8), QColor(Qt::black)); // transparent parts leave the screen
    vx7::platform::DrawCursorAt(screen, cursor, QPoint(19, 19), QPoint(0, 0)); // cut at the edge
}

TEST(HotKeyTest, CharactersMapToTheirKeys) {
    EXPECT_EQ(vx7::platform::HotKeySymFor('G'), unsigned(XK_g));
    EXPECT_EQ(vx7::platform::HotKeySymFor('k'), unsigned(XK_k));
    EXPECT_EQ(vx7::platform::HotKeySymFor('0'), unsigned(XK_0));
    EXPECT_EQ(vx7::platform::HotKeySymFor(','), unsigned(XK_comma));
    EXPECT_EQ(vx7::platform::HotKeySymFor('.'), unsigned(XK_period));
    EXPECT_EQ(vx7::platform::HotKeySymFor('/'), unsigned(XK_slash));
    EXPECT_EQ(vx7::platform::HotKeySymFor(';'), unsigned(XK_semicolon));
    EXPECT_EQ(vx7::platform::HotKeySymFor('\''), unsigned(XK_apostrophe));
    EXPECT_EQ(vx7::platform::HotKeySymFor('-'), 0u);
    EXPECT_EQ(vx7::platform::HotKeySymFor(' '), 0u);
}

TEST(HotKeyTest, WithoutAnX11DisplayTheHotKeyIsUnavailable) {
    auto hotKey = vx7::platform::MakeHotKey(); // the tests run offscreen
    EXPECT_FALSE(hotKey->Available());
    EXPECT_FALSE(hotKey->Register('G'));
    EXPECT_FALSE(hotKey->UnavailableReason().isEmpty());
}
