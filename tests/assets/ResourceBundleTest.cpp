// The resource bundle compiled into the programs: every numbered resource is there, loads, has
// the size the windows lay out to, and carries the extra data its users read.
#include "WaveInfo.h"

#include "resources/ResourceCatalog.h"
#include "resources/ResourceLoader.h"

#include <QFile>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace vx7::resources {
void PrintTo(const PictureResource& r, std::ostream* os) {
    *os << r.id;
}
} // namespace vx7::resources

namespace {

using namespace vx7::resources;

int VisiblePixels(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            count += qAlpha(argb.pixel(x, y)) > 0 ? 1 : 0;
    return count;
}

class BitmapResourceTest : public ::testing::TestWithParam<PictureResource> {};

TEST_P(BitmapResourceTest, LoadsAtCatalogueSize) {
    const PictureResource r = GetParam();
    const QImage image(BitmapPath(r.id));
    ASSERT_FALSE(image.isNull()) << BitmapPath(r.id).toStdString();
    EXPECT_EQ(image.size(), QSize(r.width, r.height));
    EXPECT_GT(VisiblePixels(image), r.width * r.height / 2);
}

INSTANTIATE_TEST_SUITE_P(All, BitmapResourceTest, ::testing::ValuesIn(kBitmaps),
                         [](const auto& info) { return "Bitmap" + std::to_string(info.param.id); });

class IconResourceTest : public ::testing::TestWithParam<PictureResource> {};

TEST_P(IconResourceTest, LoadsAtCatalogueSizeWithTransparentCorners) {
    const PictureResource r = GetParam();
    const QImage image(IconPath(r.id));
    ASSERT_FALSE(image.isNull()) << IconPath(r.id).toStdString();
    EXPECT_EQ(image.size(), QSize(r.width, r.height));
    EXPECT_GT(VisiblePixels(image), 0);
    // Rounded icons: the corner pixel shows what is behind them.
    EXPECT_LT(qAlpha(image.convertToFormat(QImage::Format_ARGB32).pixel(0, 0)), 128);
}

INSTANTIATE_TEST_SUITE_P(All, IconResourceTest, ::testing::ValuesIn(kIcons),
                         [](const auto& info) { return "Icon" + std::to_string(info.param.id); });

class CursorResourceTest : public ::testing::TestWithParam<int> {};

TEST_P(CursorResourceTest, HotSpotLiesInsideOnTheDrawnShape) {
    const int id = GetParam();
    const QImage image(CursorPath(id));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(kCursorSize, kCursorSize));
    const auto hot = HotSpotOf(image);
    ASSERT_TRUE(hot.has_value()) << "hotspot text: " << image.text("hotspot").toStdString();
    // The pointer acts where the picture points: the hot spot is on, or right beside, a drawn pixel.
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    bool nearDrawn = false;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (argb.rect().contains(hot->x() + dx, hot->y() + dy) &&
                qAlpha(argb.pixel(hot->x() + dx, hot->y() + dy)) > 0)
                nearDrawn = true;
    EXPECT_TRUE(nearDrawn) << "hot spot " << hot->x() << "," << hot->y();
}

TEST_P(CursorResourceTest, LoadCursorKeepsTheStoredHotSpot) {
    const int id = GetParam();
    const QImage image(CursorPath(id));
    const QCursor cursor = LoadCursor(id, Qt::CrossCursor);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), HotSpotOf(image).value_or(QPoint(-1, -1)));
    EXPECT_EQ(cursor.pixmap().size(), QSize(kCursorSize, kCursorSize));
}

INSTANTIATE_TEST_SUITE_P(All, CursorResourceTest, ::testing::ValuesIn(kCursors),
                         [](const auto& info) { return "Cursor" + std::to_string(info.param); });

TEST(ResourceBundleTest, CursorsAreAllDifferent) {
    QSet<QByteArray> seen;
    for (int id : kCursors) {
        const QImage image = QImage(CursorPath(id)).convertToFormat(QImage::Format_ARGB32);
        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(pixels)) << "cursor " << id << " repeats another";
        seen.insert(pixels);
    }
}

TEST(ResourceBundleTest, BitmapButtonPairsMatchInSizeAndDiffer) {
    const std::pair<int, int> pairs[] = {{131, 132}, {133, 134}, {135, 136}, {140, 139}};
    for (auto [normal, pressed] : pairs) {
        const QImage a(BitmapPath(normal));
        const QImage b(BitmapPath(pressed));
        ASSERT_FALSE(a.isNull());
        ASSERT_FALSE(b.isNull());
        EXPECT_EQ(a.size(), b.size()) << normal << "/" << pressed;
        EXPECT_NE(a.convertToFormat(QImage::Format_ARGB32), b.convertToFormat(QImage::Format_ARGB32))
            << normal << "/" << pressed;
    }
}

TEST(ResourceBundleTest, ToolbarStripHasOneDistinctImagePerCommand) {
    const QImage strip(ToolbarPath(kToolbarId));
    ASSERT_FALSE(strip.isNull());
    EXPECT_EQ(strip.height(), kToolbarImageSize);
    EXPECT_EQ(strip.width(), kToolbarImageSize * int(kToolbarCommands.size()));
    // Readers that go by the mask colour alone find the same shapes as readers of the alpha channel.
    const QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    int masked = 0;
    int disagreeing = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            const bool maskColour = (p & 0x00FFFFFF) == (kToolbarMaskColour & 0x00FFFFFF);
            disagreeing += maskColour != (qAlpha(p) == 0) ? 1 : 0;
            masked += maskColour ? 1 : 0;
        }
    EXPECT_EQ(disagreeing, 0);
    EXPECT_GT(masked, argb.width() * argb.height() / 3);
    const auto images = LoadToolbar(kToolbarId);
    ASSERT_EQ(images.size(), kToolbarCommands.size());
    QSet<QByteArray> seen;
    for (size_t i = 0; i < images.size(); ++i) {
        EXPECT_EQ(images[i].command, kToolbarCommands[i]);
        const QImage& image = images[i].image;
        ASSERT_EQ(image.size(), QSize(kToolbarImageSize, kToolbarImageSize));
        const int visible = VisiblePixels(image);
        EXPECT_GT(visible, 20) << "command " << images[i].command;
        EXPECT_LT(visible, kToolbarImageSize * kToolbarImageSize) << "command " << images[i].command;
        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        EXPECT_FALSE(seen.contains(pixels)) << "command " << images[i].command << " repeats another image";
        seen.insert(pixels);
    }
}

struct WaveCase {
    int id;
    double minSeconds;
    double maxSeconds;
};

void PrintTo(const WaveCase& c, std::ostream* os) {
    *os << c.id;
}

class WaveResourceTest : public ::testing::TestWithParam<WaveCase> {};

TEST_P(WaveResourceTest, IsPlayablePcmOfSaneLength) {
    const WaveCase c = GetParam();
    QFile file(WavePath(c.id));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << WavePath(c.id).toStdString();
    const QByteArray bytes = file.readAll();
    const auto wave = vx7::testing::ReadWave(bytes);
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->format, 1);
    EXPECT_EQ(wave->bits, 16);
    EXPECT_EQ(wave->byteRate, wave->sampleRate * wave->channels * 2);
    EXPECT_EQ(wave->riffSize, uint32_t(bytes.size() - 8));
    EXPECT_GE(wave->Seconds(), c.minSeconds);
    EXPECT_LE(wave->Seconds(), c.maxSeconds);
    // Loud enough to hear, never clipped, and ending in silence (no click at the end).
    EXPECT_GT(wave->Peak(), 8000);
    EXPECT_LT(wave->Peak(), 32767);
    EXPECT_LT(std::abs(int(wave->samples.back())), 1000);
}

INSTANTIATE_TEST_SUITE_P(All, WaveResourceTest,
                         ::testing::Values(WaveCase{kClickSound, 0.01, 0.3},
                                           WaveCase{kStartupSound, 0.5, 3.0}),
                         [](const auto& info) { return "Wave" + std::to_string(info.param.id); });

} // namespace
