#include "converter/PaletteQuantiser.h"

#include "tests/animation/GifTestFiles.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

using vx7::converter::PaletteQuantiser;
using vx7::converter::QuantisedPicture;

namespace {

const std::uint32_t* Bits(const QImage& image) {
    return reinterpret_cast<const std::uint32_t*>(image.constBits());
}

QRgb Entry(const QuantisedPicture& q, int i) {
    return qRgb(q.palette[static_cast<size_t>(3 * i)], q.palette[static_cast<size_t>(3 * i + 1)],
                q.palette[static_cast<size_t>(3 * i + 2)]);
}

int Dist(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    return dr * dr + dg * dg + db * db;
}

// Every pixel's entry is a nearest one.
void ExpectNearestMapping(const QImage& image, const QuantisedPicture& q) {
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            int best = 1 << 30;
            for (int i = 0; i < q.colours; ++i)
                best = std::min(best, Dist(c, Entry(q, i)));
            wrong += Dist(c, Entry(q, q.indices[static_cast<size_t>(y * image.width() + x)])) != best;
        }
    EXPECT_EQ(wrong, 0);
}

// A plain popularity cut: the 256 most frequent 5-bit cells at their centres.
double PopularityPsnr(const QImage& image) {
    std::map<int, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            ++counts[(qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | (qBlue(c) >> 3)];
        }
    std::vector<std::pair<int, int>> byCount;
    for (auto [cell, n] : counts)
        byCount.push_back({n, cell});
    std::sort(byCount.rbegin(), byCount.rend());
    std::vector<QRgb> palette;
    for (size_t i = 0; i < byCount.size() && i < 256; ++i) {
        const int cell = byCount[i].second;
        palette.push_back(
            qRgb(((cell >> 10) << 3) + 4, (((cell >> 5) & 31) << 3) + 4, ((cell & 31) << 3) + 4));
    }
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            int best = 1 << 30;
            for (QRgb p : palette)
                best = std::min(best, Dist(image.pixel(x, y), p));
            sum += best;
        }
    return 10 * std::log10(255.0 * 255.0 / (sum / (3.0 * image.width() * image.height())));
}

} // namespace

TEST(PaletteQuantiserTest, FewColoursAreKeptExactly) {
    QImage image(50, 40, QImage::Format_RGB32);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x)
            image.setPixel(x, y, qRgb((x % 10) * 25, (y % 20) * 12, (x + y) % 2 * 200));
    PaletteQuantiser q;
    const auto result = q.Quantise(Bits(image), 50, 40, 50);
    std::set<QRgb> distinct;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 50; ++x)
            distinct.insert(image.pixel(x, y) & 0xFFFFFF);
    ASSERT_LE(distinct.size(), 256u);
    EXPECT_EQ(result.colours, static_cast<int>(distinct.size()));
    EXPECT_TRUE(std::isinf(PaletteQuantiser::Psnr(Bits(image), 50, result)));
}

TEST(PaletteQuantiserTest, FlatSwatchesBesideAPhotoKeepTheirExactColours) {
    QImage image = vx7::test::PhotoLikePicture(480, 240, 5);
    std::vector<QRgb> swatches;
    for (int i = 0; i < 48; ++i)
        swatches.push_back(qRgb((i * 53) & 255, (i * 97 + 30) & 255, (i * 31 + 200) & 255));
    for (int i = 0; i < 48; ++i)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                image.setPixel((i % 4) * 8 + x, (i / 4) * 8 + y, swatches[static_cast<size_t>(i)]);
    PaletteQuantiser q;
    const auto result = q.Quantise(Bits(image), image.width(), image.height(), image.width());
    std::set<QRgb> palette;
    for (int i = 0; i < result.colours; ++i)
        palette.insert(Entry(result, i));
    for (QRgb s : swatches)
        EXPECT_TRUE(palette.count(s)) << std::hex << s;
}

TEST(PaletteQuantiserTest, BeatsAPlainPopularityCutAndMapsEveryPixelToANearestEntry) {
    const QImage image = vx7::test::PhotoLikePicture(200, 150, 2);
    PaletteQuantiser q;
    const auto result = q.Quantise(Bits(image), 200, 150, 200);
    EXPECT_EQ(result.colours, 256);
    const double ours = PaletteQuantiser::Psnr(Bits(image), 200, result);
    EXPECT_GT(ours, PopularityPsnr(image) + 3.0);
    ExpectNearestMapping(image, result);
}

TEST(PaletteQuantiserTest, NoiseIsMappedExactlyToo) {
    QImage image(96, 64, QImage::Format_RGB32);
    const auto a = vx7::test::NoiseIndices(96 * 64, 1), b = vx7::test::NoiseIndices(96 * 64, 2),
               c = vx7::test::NoiseIndices(96 * 64, 3);
    for (int i = 0; i < 96 * 64; ++i)
        image.setPixel(i % 96, i / 96,
                       qRgb(a[static_cast<size_t>(i)], b[static_cast<size_t>(i)], c[static_cast<size_t>(i)]));
    PaletteQuantiser q;
    const auto result = q.Quantise(Bits(image), 96, 64, 96);
    EXPECT_EQ(result.colours, 256);
    ExpectNearestMapping(image, result);
}

TEST(PaletteQuantiserTest, HonoursStrideAndColourLimit) {
    const QImage big = vx7::test::PhotoLikePicture(64, 48, 3);
    const QImage part = big.copy(0, 0, 40, 48);
    PaletteQuantiser q;
    PaletteQuantiser::Options options;
    options.maxColours = 16;
    const auto fromStride = q.Quantise(Bits(big), 40, 48, 64, options);
    const auto fromCopy = q.Quantise(Bits(part), 40, 48, 40, options);
    EXPECT_LE(fromStride.colours, 16);
    EXPECT_EQ(fromStride.indices, fromCopy.indices);
    EXPECT_EQ(fromStride.palette, fromCopy.palette);
    for (std::uint8_t i : fromStride.indices)
        ASSERT_LT(i, fromStride.colours);
}

TEST(PaletteQuantiserTest, DegenerateInputs) {
    PaletteQuantiser q;
    EXPECT_EQ(q.Quantise(nullptr, 10, 10, 10).colours, 0);
    const std::uint32_t one = 0xFF123456;
    const auto r = q.Quantise(&one, 1, 1, 1);
    EXPECT_EQ(r.colours, 1);
    EXPECT_EQ(Entry(r, 0), qRgb(0x12, 0x34, 0x56));
    EXPECT_EQ(q.Quantise(&one, 2, 1, 1).colours, 0) << "stride below width";
}
