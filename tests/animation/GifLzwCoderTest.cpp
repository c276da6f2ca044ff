// The LZW coder and decoder: exact bytes for small cases, code widths and table
// resets traced by an independent reader, and round trips through giflib.
#include "animation/gif/GifLzwDecoder.h"
#include "animation/gif/GifLzwEncoder.h"

#include "GifTestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vx7::animation;

namespace {

// Joins the data sub-blocks of Encode's output (which ends with the terminator).
std::vector<std::uint8_t> Join(const QByteArray& blocks) {
    std::vector<std::uint8_t> out;
    qsizetype p = 0;
    while (p < blocks.size()) {
        const int n = static_cast<std::uint8_t>(blocks[p]);
        if (n == 0)
            break;
        out.insert(out.end(), blocks.begin() + p + 1, blocks.begin() + p + 1 + n);
        p += n + 1;
    }
    return out;
}

struct TracedCode {
    int code;
    int width;
};

// A plain reference reader: follows the standard decoder's table growth to learn
// each code's width, and records every code with the width it was read at.
std::vector<TracedCode> Trace(const std::vector<std::uint8_t>& bytes) {
    std::vector<TracedCode> codes;
    size_t bit = 0;
    int width = 9, next = 258;
    bool first = true;
    while (bit + static_cast<size_t>(width) <= bytes.size() * 8) {
        int code = 0;
        for (int k = 0; k < width; ++k, ++bit)
            code |= ((bytes[bit / 8] >> (bit % 8)) & 1) << k;
        codes.push_back({code, width});
        if (code == 256) {
            width = 9;
            next = 258;
            first = true;
            continue;
        }
        if (code == 257)
            break;
        if (!first && next < 4096)
            ++next;
        first = false;
        if (next == (1 << width) && width < 12)
            ++width;
    }
    return codes;
}

QByteArray Encode(const std::vector<std::uint8_t>& pixels) {
    GifLzwEncoder encoder;
    QByteArray out;
    encoder.Encode(pixels.data(), pixels.size(), 8, out);
    return out;
}

std::vector<std::uint8_t> Gradient(int w, int h) {
    std::vector<std::uint8_t> p(static_cast<size_t>(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p[static_cast<size_t>(y * w + x)] = static_cast<std::uint8_t>((x * 256) / w);
    return p;
}

} // namespace

TEST(GifLzwCoderTest, OnePixelIsClearPixelEndAtWidthNine) {
    const QByteArray out = Encode({5});
    // 256 | 5 << 9 | 257 << 18 = 0x04040B00, least-significant byte first.
    EXPECT_EQ(out, QByteArray("\x04\x00\x0B\x04\x04\x00", 6));
    const auto codes = Trace(Join(out));
    ASSERT_EQ(codes.size(), 3u);
    EXPECT_EQ(codes[1].code, 5);
    for (const auto& c : codes)
        EXPECT_EQ(c.width, 9);
}

TEST(GifLzwCoderTest, UniformVgaFrameGrowsToWidthsTenAndElevenOnly) {
    const std::vector<std::uint8_t> pixels(640 * 480, 7);
    const auto codes = Trace(Join(Encode(pixels)));
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes.front().code, 256);
    EXPECT_EQ(codes.back().code, 257);
    // Strings of length 1, 2, 3 …: about 780 codes cover 307,200 pixels.
    EXPECT_GE(codes.size(), 770u);
    EXPECT_LE(codes.size(), 790u);
    int maxWidth = 0, clears = 0;
    bool saw10 = false, saw11 = false;
    for (const auto& c : codes) {
        maxWidth = std::max(maxWidth, c.width);
        saw10 |= c.width == 10;
        saw11 |= c.width == 11;
        clears += c.code == 256;
    }
    EXPECT_TRUE(saw10);
    EXPECT_TRUE(saw11);
    EXPECT_EQ(maxWidth, 11);
    EXPECT_EQ(clears, 1);
}

TEST(GifLzwCoderTest, NoisyFrameFillsTheTableAndClearsAtWidthTwelve) {
    const auto pixels = vx7::test::NoiseIndices(200 * 200, 3);
    const auto codes = Trace(Join(Encode(pixels)));
    int resets = 0;
    for (size_t i = 1; i < codes.size(); ++i) {
        if (codes[i].code == 256) {
            ++resets;
            EXPECT_EQ(codes[i].width, 12) << "clear after a full table is written at width 12";
            ASSERT_LT(i + 1, codes.size());
            EXPECT_EQ(codes[i + 1].width, 9);
            EXPECT_LT(codes[i + 1].code, 256) << "first code after a clear is a single pixel";
        }
        EXPECT_LE(codes[i].width, 12);
    }
    EXPECT_GE(resets, 5);
}

TEST(GifLzwCoderTest, SubBlocksAreFullExceptTheLast) {
    const QByteArray out = Encode(vx7::test::NoiseIndices(100 * 100, 9));
    qsizetype p = 0;
    std::vector<int> lengths;
    while (static_cast<std::uint8_t>(out[p]) != 0) {
        lengths.push_back(static_cast<std::uint8_t>(out[p]));
        p += lengths.back() + 1;
    }
    EXPECT_EQ(p, out.size() - 1) << "the terminator ends the output";
    ASSERT_GT(lengths.size(), 2u);
    for (size_t i = 0; i + 1 < lengths.size(); ++i)
        EXPECT_EQ(lengths[i], 255);
    EXPECT_GE(lengths.back(), 1);
}

struct RoundTripCase {
    std::string name;
    int width, height;
    int kind; // 0 uniform, 1 gradient, 2 noise 256, 3 noise 2 colours, 4 repeating stripes
};

class GifLzwRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(GifLzwRoundTripTest, OurDecoderAndGiflibGetThePixelsBack) {
    const auto& c = GetParam();
    std::vector<std::uint8_t> pixels;
    switch (c.kind) {
    case 0:
        pixels.assign(static_cast<size_t>(c.width * c.height), 200);
        break;
    case 1:
        pixels = Gradient(c.width, c.height);
        break;
    case 2:
        pixels = vx7::test::NoiseIndices(c.width * c.height, 11);
        break;
    case 3:
        pixels = vx7::test::NoiseIndices(c.width * c.height, 12, 2);
        break;
    default:
        for (int i = 0; i < c.width * c.height; ++i)
            pixels.push_back(static_cast<std::uint8_t>((i / 3) % 17));
    }
    const QByteArray blocks = Encode(pixels);
    const auto joined = Join(blocks);
    std::vector<std::uint8_t> back(pixels.size() + 8, 0xEE);
    size_t written = 0;
    EXPECT_EQ(GifLzwDecoder::Decode(ByteSpan(joined.data(), joined.size()), 8, back.data(), pixels.size(),
                                    &written),
              GifLzwDecoder::Status::Complete);
    EXPECT_EQ(written, pixels.size());
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), back.begin()));
    EXPECT_EQ(back[pixels.size()], 0xEE) << "nothing written past the count";

    // The same data in a minimal GIF, read by giflib.
    QByteArray gif("GIF89a", 6);
    gif.append(char(c.width & 255))
        .append(char(c.width >> 8))
        .append(char(c.height & 255))
        .append(char(c.height >> 8));
    gif.append(char(0xF7)).append(char(0)).append(char(0));
    for (int i = 0; i < 256; ++i)
        gif.append(char(i)).append(char(i)).append(char(i));
    gif.append(char(0x2C)).append(QByteArray(4, '\0'));
    gif.append(char(c.width & 255))
        .append(char(c.width >> 8))
        .append(char(c.height & 255))
        .append(char(c.height >> 8));
    gif.append(char(0)).append(char(8)).append(blocks).append(char(0x3B));
    const auto decoded = vx7::test::DecodeWithGiflib(gif);
    ASSERT_TRUE(decoded.ok);
    ASSERT_EQ(decoded.images.size(), 1u);
    EXPECT_EQ(decoded.images[0].indices, pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, GifLzwRoundTripTest,
    testing::Values(RoundTripCase{"OnePixel", 1, 1, 2}, RoundTripCase{"TwoPixels", 2, 1, 3},
                    RoundTripCase{"UniformVga", 640, 480, 0}, RoundTripCase{"GradientVga", 640, 480, 1},
                    RoundTripCase{"NoiseVga", 640, 480, 2}, RoundTripCase{"TwoColourNoise", 333, 257, 3},
                    RoundTripCase{"Stripes", 1280, 720, 4}, RoundTripCase{"NoiseHd", 1920, 1080, 2}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

TEST(GifLzwDecoderTest, CodeBeyondTheTableIsInvalid) {
    // clear (256), 1, then 300 while the next free code is 258: 9-bit codes.
    const std::uint32_t bits = 256u | (1u << 9) | (300u << 18);
    const std::uint8_t data[4] = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                  static_cast<std::uint8_t>(bits >> 16),
                                  static_cast<std::uint8_t>(bits >> 24)};
    std::uint8_t out[16];
    size_t written = 0;
    EXPECT_EQ(GifLzwDecoder::Decode(ByteSpan(data, 4), 8, out, 16, &written), GifLzwDecoder::Status::Invalid);
    EXPECT_EQ(written, 1u);
}

TEST(GifLzwDecoderTest, FirstCodeAfterClearMustBeAPixel) {
    const std::uint32_t bits = 256u | (258u << 9);
    const std::uint8_t data[3] = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                  static_cast<std::uint8_t>(bits >> 16)};
    std::uint8_t out[4];
    size_t written = 0;
    EXPECT_EQ(GifLzwDecoder::Decode(ByteSpan(data, 3), 8, out, 4, &written), GifLzwDecoder::Status::Invalid);
}

TEST(GifLzwDecoderTest, ShortDataIsTruncatedAndLongDataStopsAtTheBuffer) {
    const auto pixels = vx7::test::NoiseIndices(5000, 4);
    const auto joined = Join(Encode(pixels));
    std::vector<std::uint8_t> out(5000);
    size_t written = 0;
    EXPECT_EQ(
        GifLzwDecoder::Decode(ByteSpan(joined.data(), joined.size() / 2), 8, out.data(), 5000, &written),
        GifLzwDecoder::Status::Truncated);
    EXPECT_LT(written, 5000u);
    std::vector<std::uint8_t> small(100);
    EXPECT_EQ(GifLzwDecoder::Decode(ByteSpan(joined.data(), joined.size()), 8, small.data(), 100, &written),
              GifLzwDecoder::Status::Complete);
    EXPECT_TRUE(std::equal(small.begin(), small.end(), pixels.begin()));
}

TEST(GifLzwDecoderTest, CodeSizesOutsideTwoToEightAreInvalid) {
    const std::uint8_t data[2] = {0, 0};
    std::uint8_t out[1];
    size_t written = 0;
    for (int size : {0, 1, 9, 12})
        EXPECT_EQ(GifLzwDecoder::Decode(ByteSpan(data, 2), size, out, 1, &written),
                  GifLzwDecoder::Status::Invalid);
}

TEST(GifLzwDecoderTest, DecodesGiflibDataOfEveryCodeSize) {
    for (int colours : {4, 8, 16, 32, 64, 128}) {
        vx7::test::GiflibFrame f;
        f.width = 97;
        f.height = 61;
        f.indices = vx7::test::NoiseIndices(f.width * f.height, static_cast<unsigned>(colours), colours);
        std::vector<QRgb> palette(static_cast<size_t>(colours), qRgb(1, 2, 3));
        const QByteArray gif = vx7::test::WriteGifWithGiflib(97, 61, palette, 0, {f});
        // Find the image data: after 13 + table, the descriptor (10), the code size byte.
        const qsizetype at = 13 + 3 * colours + 10;
        const int codeSize = gif[at];
        QByteArray blocks = gif.mid(at + 1);
        const auto joined = Join(blocks);
        std::vector<std::uint8_t> out(f.indices.size());
        size_t written = 0;
        EXPECT_EQ(GifLzwDecoder::Decode(ByteSpan(joined.data(), joined.size()), codeSize, out.data(),
                                        out.size(), &written),
                  GifLzwDecoder::Status::Complete)
            << colours;
        EXPECT_EQ(out, f.indices) << colours;
    }
}
