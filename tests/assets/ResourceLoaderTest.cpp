// Reading the extra data of resource pictures, including pictures that are damaged or were made
// by someone else.
#include "resources/ResourceLoader.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

using namespace vx7::resources;

struct HotSpotCase {
    const char* name;
    const char* text; // nullptr: no key at all
    std::optional<QPoint> expected;
};

void PrintTo(const HotSpotCase& c, std::ostream* os) {
    *os << c.name;
}

class HotSpotTest : public ::testing::TestWithParam<HotSpotCase> {};

TEST_P(HotSpotTest, ReadsOnlyWellFormedPointsInsideThePicture) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (GetParam().text != nullptr)
        image.setText(QStringLiteral("hotspot"), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(HotSpotOf(image), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HotSpotTest,
    ::testing::Values(
        HotSpotCase{"Plain", "3,4", QPoint(3, 4)}, HotSpotCase{"Spaces", " 5 , 6 ", QPoint(5, 6)},
        HotSpotCase{"Origin", "0,0", QPoint(0, 0)}, HotSpotCase{"LastPixel", "31,31", QPoint(31, 31)},
        HotSpotCase{"Missing", nullptr, std::nullopt}, HotSpotCase{"Empty", "", std::nullopt},
        HotSpotCase{"OneNumber", "7", std::nullopt}, HotSpotCase{"ThreeNumbers", "1,2,3", std::nullopt},
        HotSpotCase{"Words", "x,y", std::nullopt}, HotSpotCase{"Negative", "-1,4", std::nullopt},
        HotSpotCase{"PastRight", "32,4", std::nullopt}, HotSpotCase{"PastBottom", "4,32", std::nullopt},
        HotSpotCase{"Huge", "99999999999,1", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResourceLoaderTest, MissingCursorGivesTheFallbackShape) {
    EXPECT_EQ(LoadCursor(999999, Qt::CrossCursor).shape(), Qt::CrossCursor);
    EXPECT_EQ(LoadCursor(-1).shape(), Qt::ArrowCursor);
}

// A strip of `count` images, image i filled with grey level 10 * (i + 1) except its top-left
// pixel, which has the mask colour.
QImage Strip(int count, int size, const QString& commands) {
    QImage strip(count * size, size, QImage::Format_RGB32);
    for (int i = 0; i < count; ++i)
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                strip.setPixel(i * size + x, y, qRgb(10 * (i + 1), 10 * (i + 1), 10 * (i + 1)));
    for (int i = 0; i < count; ++i)
        strip.setPixel(i * size, 0, 0xFFC0C0C0);
    strip.setText(QStringLiteral("commands"), commands);
    return strip;
}

TEST(SplitToolbarTest, PairsImagesWithCommandsAndMasksTheBackground) {
    const auto images = SplitToolbar(Strip(3, 20, QStringLiteral("100,200,300")), 20, 0xFFC0C0C0);
    ASSERT_EQ(images.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(images[i].command, 100 * (i + 1));
        EXPECT_EQ(images[i].image.size(), QSize(20, 20));
        EXPECT_EQ(qAlpha(images[i].image.pixel(0, 0)), 0);
        EXPECT_EQ(images[i].image.pixel(5, 5), qRgb(10 * (i + 1), 10 * (i + 1), 10 * (i + 1)));
    }
}

TEST(SplitToolbarTest, DamagedStripsGiveOnlyWhatIsThere) {
    // Fewer commands than images: the unlisted images are dropped.
    EXPECT_EQ(SplitToolbar(Strip(4, 20, QStringLiteral("1,2")), 20, 0xFFC0C0C0).size(), 2u);
    // More commands than images: the list never reads past the strip.
    EXPECT_EQ(SplitToolbar(Strip(2, 20, QStringLiteral("1,2,3,4,5")), 20, 0xFFC0C0C0).size(), 2u);
    // A command that is not a number skips its image only.
    const auto skipped = SplitToolbar(Strip(3, 20, QStringLiteral("1,abc,3")), 20, 0xFFC0C0C0);
    ASSERT_EQ(skipped.size(), 2u);
    EXPECT_EQ(skipped[1].command, 3);
    // No command list, a strip lower than one image, no picture, a nonsense image size.
    EXPECT_TRUE(SplitToolbar(Strip(3, 20, QString()), 20, 0xFFC0C0C0).empty());
    EXPECT_TRUE(SplitToolbar(Strip(3, 10, QStringLiteral("1,2,3")), 20, 0xFFC0C0C0).empty());
    EXPECT_TRUE(SplitToolbar(QImage(), 20, 0xFFC0C0C0).empty());
    EXPECT_TRUE(SplitToolbar(Strip(3, 20, QStringLiteral("1,2,3")), 0, 0xFFC0C0C0).empty());
}

} // namespace
