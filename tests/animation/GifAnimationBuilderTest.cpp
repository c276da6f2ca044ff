// The animated GIF writer: exact layout bytes, the edge cases of frame lists, and
// conformance: every file decodes with giflib and with Pillow to the indices that
// went in.
#include "animation/gif/GifAnimationBuilder.h"
#include "animation/gif/PaletteFrameFile.h"
#include "support/FileBytes.h"

#include "GifTestFiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vx7::animation;
using vx7::test::GiflibFrame;

using vx7::test::ReadAll;
using vx7::test::WriteAll;

namespace {

// Palette of 256 distinct colours, so that RGB output maps back to one index.
std::array<std::uint8_t, 768> DistinctPalette(int seed) {
    std::array<std::uint8_t, 768> p{};
    for (int i = 0; i < 256; ++i) {
        p[static_cast<size_t>(3 * i)] = static_cast<std::uint8_t>(i);
        p[static_cast<size_t>(3 * i + 1)] = static_cast<std::uint8_t>((i * 37 + seed) & 255);
        p[static_cast<size_t>(3 * i + 2)] = static_cast<std::uint8_t>(seed & 255);
    }
    return p;
}

PaletteFrameFile MakeFrame(int w, int h, int kind, int seed) {
    PaletteFrameFile f;
    f.width = w;
    f.height = h;
    f.palette = DistinctPalette(seed);
    const size_t n = static_cast<size_t>(w) * static_cast<size_t>(h);
    switch (kind) {
    case 0:
        f.pixels.assign(n, static_cast<std::uint8_t>(seed));
        break;
    case 1:
        f.pixels = vx7::test::NoiseIndices(static_cast<int>(n), static_cast<unsigned>(seed));
        break;
    default:
        f.pixels.resize(n);
        for (size_t i = 0; i < n; ++i)
            f.pixels[i] =
                static_cast<std::uint8_t>((i % static_cast<size_t>(w)) * 256 / static_cast<size_t>(w));
    }
    return f;
}

class BuilderTest : public testing::Test {
  protected:
    QString Path(const QString& name) const { return dir.filePath(name); }
    QString WriteFrame(const QString& name, const PaletteFrameFile& f) {
        const QString path = Path(name);
        EXPECT_TRUE(f.Write(path));
        return path;
    }
    QTemporaryDir dir;
    GifAnimationBuilder builder;
};

void ExpectFramesMatch(const vx7::test::GiflibDecoded& d, const std::vector<PaletteFrameFile>& frames,
                       int delay) {
    ASSERT_TRUE(d.ok);
    ASSERT_EQ(d.images.size(), frames.size());
    EXPECT_TRUE(d.hasLoopExtension);
    for (size_t i = 0; i < frames.size(); ++i) {
        const auto& img = d.images[i];
        EXPECT_EQ(img.left, 0);
        EXPECT_EQ(img.top, 0);
        EXPECT_EQ(img.width, frames[i].width);
        EXPECT_EQ(img.height, frames[i].height);
        EXPECT_EQ(img.delay, delay);
        EXPECT_EQ(img.disposal, 1);
        EXPECT_EQ(img.transparentIndex, -1);
        EXPECT_TRUE(std::equal(img.indices.begin(), img.indices.end(), frames[i].pixels.begin()))
            << "frame " << i;
        ASSERT_EQ(img.palette.size(), 256u);
        for (int k = 0; k < 256; ++k)
            EXPECT_EQ(img.palette[static_cast<size_t>(k)],
                      qRgb(frames[i].palette[static_cast<size_t>(3 * k)],
                           frames[i].palette[static_cast<size_t>(3 * k + 1)],
                           frames[i].palette[static_cast<size_t>(3 * k + 2)]));
    }
}

} // namespace

TEST_F(BuilderTest, WritesTheExactHeaderLoopExtensionAndFrameHead) {
    const PaletteFrameFile f = MakeFrame(3, 2, 0, 9);
    const auto r = builder.BuildFromPaletteFrames({WriteFrame("a.frm", f)}, Path("out.gif"),
                                                  GifAnimationBuilder::DelayFromSeconds(0.5));
    ASSERT_TRUE(r.Ok()) << r.error.toStdString();
    EXPECT_EQ(r.framesWritten, 1);
    const QByteArray gif = ReadAll(Path("out.gif"));
    const QByteArray head("GIF89a\x03\x00\x02\x00\x70\x00\x00"
                          "\x21\xFF\x0B"
                          "NETSCAPE2.0"
                          "\x03\x01\x00\x00\x00"
                          "\x21\xF9\x04\x04\x32\x00\x00\x00"
                          "\x2C\x00\x00\x00\x00\x03\x00\x02\x00\x87",
                          13 + 19 + 8 + 10);
    EXPECT_EQ(gif.left(head.size()), head);
    EXPECT_EQ(gif.mid(head.size(), 768), QByteArray(reinterpret_cast<const char*>(f.palette.data()), 768));
    EXPECT_EQ(gif.at(head.size() + 768), char(8)) << "minimum code size 8";
    EXPECT_EQ(gif.back(), char(0x3B));
}

struct DelayCase {
    double seconds;
    int hundredths;
};
class BuilderDelayTest : public testing::TestWithParam<DelayCase> {};
TEST_P(BuilderDelayTest, DelayIsTheWholePartOfSecondsTimesHundred) {
    EXPECT_EQ(GifAnimationBuilder::DelayFromSeconds(GetParam().seconds), GetParam().hundredths);
}
INSTANTIATE_TEST_SUITE_P(Intervals, BuilderDelayTest,
                         testing::Values(DelayCase{0.5, 50}, DelayCase{1.5, 150}, DelayCase{1.6, 160},
                                         DelayCase{6, 600}, DelayCase{0.29, 29}, DelayCase{0.001, 0},
                                         DelayCase{-1, 0}, DelayCase{1e6, 65535}));

TEST_F(BuilderTest, FramesOfDifferentSizesKeepTheirSizesAndTheScreenTakesTheFirst) {
    std::vector<PaletteFrameFile> frames = {MakeFrame(40, 30, 2, 1), MakeFrame(64, 48, 1, 2),
                                            MakeFrame(1, 1, 1, 3), MakeFrame(17, 90, 0, 4)};
    QStringList paths;
    for (size_t i = 0; i < frames.size(); ++i)
        paths << WriteFrame(QStringLiteral("f%1.frm").arg(i), frames[i]);
    ASSERT_TRUE(builder.BuildFromPaletteFrames(paths, Path("out.gif"), 150).Ok());
    const auto d = vx7::test::DecodeWithGiflib(ReadAll(Path("out.gif")));
    EXPECT_EQ(d.screenWidth, 40);
    EXPECT_EQ(d.screenHeight, 30);
    ExpectFramesMatch(d, frames, 150);
}

TEST_F(BuilderTest, UnusableFirstFileGivesTheHeaderTheFirstUsableSize) {
    const PaletteFrameFile good = MakeFrame(21, 13, 1, 5);
    WriteAll(Path("bad.frm"), QByteArray("\x20\x00garbage", 9));
    const auto r = builder.BuildFromPaletteFrames(
        {Path("missing.frm"), Path("bad.frm"), WriteFrame("good.frm", good)}, Path("out.gif"), 10);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.framesWritten, 1);
    EXPECT_EQ(r.skipped.size(), 2);
    const auto d = vx7::test::DecodeWithGiflib(ReadAll(Path("out.gif")));
    EXPECT_EQ(d.screenWidth, 21);
    EXPECT_EQ(d.screenHeight, 13);
    ExpectFramesMatch(d, {good}, 10);
}

TEST_F(BuilderTest, NoUsableFrameWritesNoFileAndKeepsAnOldOne) {
    auto r = builder.BuildFromPaletteFrames({Path("missing.frm")}, Path("new.gif"), 10);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.framesWritten, 0);
    EXPECT_FALSE(QFile::exists(Path("new.gif")));
    WriteAll(Path("old.gif"), "previous animation");
    r = builder.BuildFromGifFiles({Path("missing.gif")}, Path("old.gif"), 10);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(ReadAll(Path("old.gif")), QByteArray("previous animation"));
    EXPECT_FALSE(builder.BuildFromPaletteFrames({}, Path("empty.gif"), 10).Ok());
    EXPECT_FALSE(QFile::exists(Path("empty.gif")));
}

TEST_F(BuilderTest, OutputThatCannotBeCreatedIsReported) {
    const PaletteFrameFile f = MakeFrame(2, 2, 0, 1);
    const auto r =
        builder.BuildFromPaletteFrames({WriteFrame("a.frm", f)}, Path("no/such/folder/out.gif"), 10);
    EXPECT_FALSE(r.Ok());
}

TEST_F(BuilderTest, WebcamSizedFramesAreHandled) {
    std::vector<PaletteFrameFile> frames = {MakeFrame(1280, 720, 1, 1), MakeFrame(1920, 1080, 2, 2)};
    ASSERT_TRUE(builder
                    .BuildFromPaletteFrames({WriteFrame("a.frm", frames[0]), WriteFrame("b.frm", frames[1])},
                                            Path("hd.gif"), 100)
                    .Ok());
    ExpectFramesMatch(vx7::test::DecodeWithGiflib(ReadAll(Path("hd.gif"))), frames, 100);
}

TEST_F(BuilderTest, OversizedPaletteFrameIsRefusedCleanly) {
    QByteArray bytes(PaletteFrameFile::kPixelOffset, '\0');
    bytes[0] = 0x20;
    bytes[8] = char(0x29); // 9001 wide
    bytes[9] = char(0x23);
    bytes[10] = 1;
    bytes.append(QByteArray(9001, '\0'));
    WriteAll(Path("wide.frm"), bytes);
    const auto r = builder.BuildFromPaletteFrames({Path("wide.frm")}, Path("out.gif"), 10);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.skipped.size(), 1);
}

TEST_F(BuilderTest, PillowDecodesEveryFrameToTheIndicesThatWentIn) {
    std::vector<PaletteFrameFile> frames = {MakeFrame(64, 40, 1, 1), MakeFrame(64, 40, 2, 2),
                                            MakeFrame(30, 20, 0, 3), MakeFrame(1, 1, 1, 4),
                                            MakeFrame(200, 150, 1, 5)};
    QStringList paths;
    for (size_t i = 0; i < frames.size(); ++i)
        paths << WriteFrame(QStringLiteral("f%1.frm").arg(i), frames[i]);
    ASSERT_TRUE(builder.BuildFromPaletteFrames(paths, Path("out.gif"), 50).Ok());

    QProcess python;
    python.start(QStringLiteral(VX7_PYTHON3),
                 {QStringLiteral(VX7_ANIMATION_TEST_DIR "/pillow_frames.py"), Path("out.gif"), dir.path()});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QList<QByteArray> lines = python.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(frames.size() + 1));
    EXPECT_EQ(lines[0].trimmed(), QByteArray("64 40")) << "logical screen of the first frame";
    for (size_t i = 0; i < frames.size(); ++i) {
        const QList<QByteArray> size = lines[static_cast<qsizetype>(i + 1)].trimmed().split(' ');
        ASSERT_EQ(size.size(), 2);
        const int fw = size[0].toInt(), fh = size[1].toInt();
        const QByteArray rgb = ReadAll(dir.filePath(QStringLiteral("frame_%1.rgb").arg(i)));
        ASSERT_EQ(rgb.size(), 3 * fw * fh);
        const auto& f = frames[i];
        // Pillow shows each frame at (0, 0) on the screen and clips what lies beyond it.
        const int w = std::min(f.width, fw), h = std::min(f.height, fh);
        int mismatches = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int index = f.pixels[static_cast<size_t>(y * f.width + x)];
                const qsizetype at = 3 * (static_cast<qsizetype>(y) * fw + x);
                for (int k = 0; k < 3; ++k)
                    mismatches += static_cast<std::uint8_t>(rgb[at + k]) !=
                                  f.palette[static_cast<size_t>(3 * index + k)];
            }
        EXPECT_EQ(mismatches, 0) << "frame " << i;
    }
}

// Single-image sources for BuildFromGifFiles, written by giflib.
QByteArray SingleImageGif(int w, int h, const std::vector<std::uint8_t>& indices, bool localTable = false,
                          bool interlaced = false, int colours = 256) {
    GiflibFrame f;
    f.width = w;
    f.height = h;
    f.indices = indices;
    f.interlaced = interlaced;
    std::vector<QRgb> palette(static_cast<size_t>(colours));
    for (int i = 0; i < colours; ++i)
        palette[static_cast<size_t>(i)] = qRgb(i, 255 - i, (i * 3) & 255);
    if (localTable) {
        f.localPalette = palette;
        return vx7::test::WriteGifWithGiflib(w, h, {}, 0, {f});
    }
    return vx7::test::WriteGifWithGiflib(w, h, palette, 0, {f});
}

TEST_F(BuilderTest, CopiesSingleImageGifsWithoutRecoding) {
    const auto a = vx7::test::NoiseIndices(120 * 80, 1);
    const auto b = vx7::test::NoiseIndices(60 * 90, 2);
    const QByteArray gifA = SingleImageGif(120, 80, a);
    WriteAll(Path("a.gif"), gifA);
    WriteAll(Path("b.gif"), SingleImageGif(60, 90, b));
    const auto r = builder.BuildFromGifFiles({Path("a.gif"), Path("b.gif")}, Path("out.gif"), 33);
    ASSERT_TRUE(r.Ok());
    const QByteArray out = ReadAll(Path("out.gif"));
    // A's data sub-blocks appear in the output unchanged.
    const qsizetype dataA = 13 + 768 + 10 + 1;
    EXPECT_TRUE(out.contains(gifA.mid(dataA, gifA.size() - dataA - 1)));
    const auto d = vx7::test::DecodeWithGiflib(out);
    ASSERT_TRUE(d.ok);
    ASSERT_EQ(d.images.size(), 2u);
    EXPECT_EQ(d.screenWidth, 120);
    EXPECT_EQ(d.images[0].indices, a);
    EXPECT_EQ(d.images[1].indices, b);
    EXPECT_EQ(d.images[1].delay, 33);
    EXPECT_EQ(d.images[0].palette[7], qRgb(7, 248, 21));
}

TEST_F(BuilderTest, CopyUsesTheSourcesOwnLocalTableAndKeepsInterlacing) {
    const auto a = vx7::test::NoiseIndices(50 * 37, 5);
    WriteAll(Path("local.gif"), SingleImageGif(50, 37, a, true));
    WriteAll(Path("inter.gif"), SingleImageGif(50, 37, a, false, true));
    const auto r = builder.BuildFromGifFiles({Path("local.gif"), Path("inter.gif")}, Path("out.gif"), 10);
    ASSERT_TRUE(r.Ok()) << r.skipped.join('\n').toStdString();
    const auto d = vx7::test::DecodeWithGiflib(ReadAll(Path("out.gif")));
    ASSERT_EQ(d.images.size(), 2u);
    EXPECT_EQ(d.images[0].indices, a);
    EXPECT_EQ(d.images[0].palette[200], qRgb(200, 55, 88));
    EXPECT_EQ(d.images[1].indices, a) << "interlaced rows come out in display order";
}

TEST_F(BuilderTest, UncopyableSourcesAreLeftOut) {
    const auto ok = vx7::test::NoiseIndices(8 * 8, 1);
    WriteAll(Path("ok.gif"), SingleImageGif(8, 8, ok));
    WriteAll(Path("small.gif"), SingleImageGif(8, 8, vx7::test::NoiseIndices(64, 2, 16), false, false, 16));
    const QByteArray good = SingleImageGif(30, 30, vx7::test::NoiseIndices(900, 3));
    WriteAll(Path("cut.gif"), good.left(good.size() - 40));
    QByteArray damaged = good;
    damaged[13 + 768 + 10 + 1 + 5] = char(0xFF); // codes beyond the table
    damaged[13 + 768 + 10 + 1 + 6] = char(0xFF);
    WriteAll(Path("damaged.gif"), damaged);
    WriteAll(Path("text.gif"), "GIF? no");
    const auto r = builder.BuildFromGifFiles(
        {Path("small.gif"), Path("cut.gif"), Path("damaged.gif"), Path("text.gif"), Path("ok.gif")},
        Path("out.gif"), 10);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.framesWritten, 1);
    EXPECT_EQ(r.skipped.size(), 4);
    const auto d = vx7::test::DecodeWithGiflib(ReadAll(Path("out.gif")));
    ASSERT_EQ(d.images.size(), 1u);
    EXPECT_EQ(d.images[0].indices, ok);
}
