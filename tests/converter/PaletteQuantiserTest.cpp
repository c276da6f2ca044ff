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

// n well-spread colours for swatches.
std::vector<QRgb> SpreadColours(int n) {
    std::vector<QRgb> colours;
    for (int i = 0; i < n; ++i)
        colours.push_back(qRgb((i * 53) & 255, (i * 97 + 30) & 255, (i * 31 + 200) & 255));
    return colours;
}

// 8 × 8 swatches from the top left corner, perRow to a row.
void DrawSwatches(QImage& image, const std::vector<QRgb>& swatches, int perRow) {
    for (size_t i = 0; i < swatches.size(); ++i)
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                image.setPixel(static_cast<int>(i) % perRow * 8 + x, static_cast<int>(i) / perRow * 8 + y,
                               swatches[i]);
}

// Every one of the colours has a palette entry of its own.
void ExpectInPalette(const QuantisedPicture& q, const std::vector<QRgb>& colours) {
    std::set<QRgb> palette;
    for (int i = 0; i < q.colours; ++i)
        palette.insert(Entry(q, i));
    for (QRgb c : colours)
        EXPECT_TRUE(palette.count(c)) << std::hex << c;
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
    const std::vector<QRgb> swatches = SpreadColours(48);
    DrawSwatches(image, swatches, 4);
    PaletteQuantiser q;
    ExpectInPalette(q.Quantise(Bits(image), image.width(), image.height(), image.width()), swatches);
}

TEST(PaletteQuantiserTest, SwatchesAtTheLeftEdgeOutrankAPicturesOwnFlatColours) {
    // As the colour modes lay it out: 48 swatches in a 32-pixel strip at the left,
    // white around it, and a picture to the right: 80 flat bands (an enlarged
    // smooth sky has as many) and, for every swatch, a patch of speckled colours
    // close to it (whose own entry would settle beside the swatch's colour, not on
    // it). The bands cover far more pixels than the swatches, but only a quarter of
    // the palette is kept aside, and the swatches must win it.
    QImage image(480, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::vector<QRgb> swatches = SpreadColours(47);
    swatches.push_back(qRgb(255, 255, 255));
    DrawSwatches(image, swatches, 4);
    for (int y = 0; y < 240; ++y)
        for (int x = 160; x < 400; ++x)
            image.setPixel(x, y, qRgb(20 + y / 3, 40 + y / 3, 120 + (y / 3) % 100));
    auto near = [](int v, int d) { return v + (v > 127 ? -d : d); };
    for (int y = 0; y < 240; ++y)
        for (int x = 400; x < 480; ++x) {
            const QRgb s = swatches[static_cast<size_t>(y / 5)];
            const int d = (x * 7 + y * 13) % 4 + 1;
            image.setPixel(x, y,
                           qRgb(near(qRed(s), d), near(qGreen(s), (d + 1) % 4 + 1), near(qBlue(s), 5 - d)));
        }
    PaletteQuantiser q;
    const auto result = q.Quantise(Bits(image), image.width(), image.height(), image.width());
    ExpectInPalette(result, swatches);
    ExpectNearestMapping(image, result);
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

namespace {

// Sum of squared errors of a palette picture against the original.
double SquaredError(const QImage& image, const QuantisedPicture& q) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += Dist(image.pixel(x, y), Entry(q, q.indices[static_cast<size_t>(y * image.width() + x)]));
    return sum;
}

// A photo-like picture with 8 × 8 swatches of the given colours in its top left corner.
QImage WithSwatches(QImage image, const std::vector<QRgb>& swatches) {
    DrawSwatches(image, swatches, 8);
    return image;
}

std::vector<QRgb> SomeSwatches() {
    std::vector<QRgb> swatches;
    for (int i = 0; i < 40; ++i)
        swatches.push_back(qRgb((i * 61 + 7) & 255, (i * 29 + 90) & 255, (i * 113 + 40) & 255));
    return swatches;
}

} // namespace

TEST(PaletteQuantiserTest, PixelPassesOverEveryRowNeverRaiseTheError) {
    const QImage image = WithSwatches(vx7::test::PhotoLikePicture(320, 200, 7), SomeSwatches());
    PaletteQuantiser q;
    PaletteQuantiser::Options options;
    double previous = 0;
    for (int passes = 0; passes <= 3; ++passes) {
        options.pixelPasses = passes;
        const auto result = q.Quantise(Bits(image), image.width(), image.height(), image.width(), options);
        const double error = SquaredError(image, result);
        if (passes > 0) {
            EXPECT_LE(error, previous) << passes << " pixel passes";
        }
        previous = error;
    }
}

TEST(PaletteQuantiserTest, SwatchPixelsKeepTheirExactColourThroughEveryPass) {
    // Large enough that the pixel passes look at sampled rows only; the swatches'
    // rows may be skipped, and their entries must still not move.
    const std::vector<QRgb> swatches = SomeSwatches();
    const QImage image = WithSwatches(vx7::test::PhotoLikePicture(640, 420, 9), swatches);
    ASSERT_GT(image.width() * image.height(), PaletteQuantiser::kSamplePixels);
    PaletteQuantiser q;
    PaletteQuantiser::Options options;
    options.pixelPasses = 3;
    options.passes = 6;
    const auto result = q.Quantise(Bits(image), image.width(), image.height(), image.width(), options);
    EXPECT_EQ(result.colours, 256);
    for (size_t i = 0; i < swatches.size(); ++i) {
        const int x = static_cast<int>(i % 8) * 8 + 3, y = static_cast<int>(i / 8) * 8 + 3;
        EXPECT_EQ(Entry(result, result.indices[static_cast<size_t>(y * image.width() + x)]), swatches[i])
            << "swatch " << i;
    }
    // Every pixel still gets a nearest entry (checked on every 7th row).
    int wrong = 0;
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            int best = 1 << 30;
            for (int i = 0; i < result.colours; ++i)
                best = std::min(best, Dist(c, Entry(result, i)));
            wrong +=
                Dist(c, Entry(result, result.indices[static_cast<size_t>(y * image.width() + x)])) != best;
        }
    EXPECT_EQ(wrong, 0);
}

TEST(PaletteQuantiserTest, SameInputGivesTheSameBytesAndTheKMeansPassesPay) {
    const QImage image = vx7::test::PhotoLikePicture(240, 180, 11);
    PaletteQuantiser reused;
    const auto first = reused.Quantise(Bits(image), 240, 180, 240);
    const auto again = reused.Quantise(Bits(image), 240, 180, 240);
    const auto fresh = PaletteQuantiser().Quantise(Bits(image), 240, 180, 240);
    EXPECT_EQ(first.palette, again.palette);
    EXPECT_EQ(first.indices, again.indices);
    EXPECT_EQ(first.palette, fresh.palette);
    EXPECT_EQ(first.indices, fresh.indices);

    // The k-means steps after the seeding pay: each gives every cell its nearest
    // entry again and moves the entries to their cells' means.
    auto psnrAfter = [&](int passes) {
        PaletteQuantiser::Options options;
        options.passes = passes;
        options.pixelPasses = 0;
        return PaletteQuantiser::Psnr(Bits(image), 240,
                                      PaletteQuantiser().Quantise(Bits(image), 240, 180, 240, options));
    };
    const double seedsOnly = psnrAfter(0), one = psnrAfter(1), eight = psnrAfter(8);
    EXPECT_GT(one, seedsOnly);
    EXPECT_GT(eight, one);
}

TEST(PaletteQuantiserTest, SmallAndOddPictures) {
    PaletteQuantiser q;
    {
        // One colour in a large picture: one entry, exact.
        QImage image(700, 400, QImage::Format_RGB32);
        image.fill(qRgb(12, 200, 99));
        const auto r = q.Quantise(Bits(image), 700, 400, 700);
        EXPECT_EQ(r.colours, 1);
        EXPECT_EQ(Entry(r, 0), qRgb(12, 200, 99));
        EXPECT_TRUE(std::isinf(PaletteQuantiser::Psnr(Bits(image), 700, r)));
    }
    {
        // A single column of many colours: no runs at all.
        QImage image(1, 600, QImage::Format_RGB32);
        for (int y = 0; y < 600; ++y)
            image.setPixel(0, y, qRgb(y % 256, (y * 7) % 256, (y * 13) % 256));
        const auto r = q.Quantise(Bits(image), 1, 600, 1);
        EXPECT_GE(r.colours, 200);
        EXPECT_LE(r.colours, 256);
        ExpectNearestMapping(image, r);
    }
    {
        // Two entries for a photo.
        const QImage image = vx7::test::PhotoLikePicture(64, 48, 4);
        PaletteQuantiser::Options options;
        options.maxColours = 2;
        const auto r = q.Quantise(Bits(image), 64, 48, 64, options);
        EXPECT_EQ(r.colours, 2);
        ExpectNearestMapping(image, r);
    }
}

TEST(PaletteQuantiserTest, FlatColoursThatServeEveryCellLeaveTheFreeEntriesValid) {
    // Three flat colours in long runs, each with a faint speckle of near colours:
    // every cell lies next to a kept colour, so no box is left to seed the free
    // entries from, and more distinct colours than entries.
    const QRgb flats[3] = {qRgb(30, 30, 30), qRgb(200, 40, 40), qRgb(40, 60, 220)};
    QImage image(300, 90, QImage::Format_RGB32);
    const auto noise = vx7::test::NoiseIndices(300 * 90, 5);
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 300; ++x) {
            const QRgb f = flats[y / 30];
            const int n = noise[static_cast<size_t>(y * 300 + x)];
            image.setPixel(
                x, y,
                n < 200 ? f : qRgb(qRed(f) + (n & 1), qGreen(f) + (n >> 1 & 1), qBlue(f) + (n >> 2 & 1)));
        }
    PaletteQuantiser q;
    PaletteQuantiser::Options options;
    options.maxColours = 12;
    const auto r = q.Quantise(Bits(image), 300, 90, 300, options);
    ASSERT_GE(r.colours, 3);
    ASSERT_LE(r.colours, 12);
    ExpectInPalette(r, std::vector<QRgb>(std::begin(flats), std::end(flats)));
    for (std::uint8_t i : r.indices)
        ASSERT_LT(i, r.colours);
    ExpectNearestMapping(image, r);
    EXPECT_GT(PaletteQuantiser::Psnr(Bits(image), 300, r), 50.0);
}
