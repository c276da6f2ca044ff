// Replays the fuzz targets' stored seeds and every input that once made a target
// crash (kept in fuzz/regressions/<target>/), and a few hand-made hostile inputs, and
// checks what each reader made of them: a seed is read whole, the readers agree on
// how many images a GIF holds, and a hostile input is refused or read only as far as
// it is sound (the targets abort on any broken invariant of what they accepted).
#include "fuzz/FuzzTargets.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using vx7::fuzz::Outcome;

namespace {

using TargetFn = Outcome (*)(const std::uint8_t*, std::size_t);

struct Target {
    const char* name;
    TargetFn run;
};

const Target kTargets[] = {
    {"BlockWalker", vx7::fuzz::BlockWalker},     {"LzwDecoder", vx7::fuzz::LzwDecoder},
    {"LzwRoundTrip", vx7::fuzz::LzwRoundTrip},   {"PaletteFrameReader", vx7::fuzz::PaletteFrameReader},
    {"FrameSplitter", vx7::fuzz::FrameSplitter}, {"IndexedReader", vx7::fuzz::IndexedReader},
};

Outcome Feed(TargetFn run, const QByteArray& bytes) {
    // A copy of exactly the input's size, so a read past it is caught by the sanitizer.
    const std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    return run(copy.data(), copy.size());
}

std::map<QString, QByteArray> Stored(const char* kind, const char* target) {
    std::map<QString, QByteArray> files;
    QDir dir(
        QStringLiteral(VX7_ANIMATION_TEST_DIR "/fuzz/%1/%2").arg(QLatin1String(kind), QLatin1String(target)));
    for (const QString& name : dir.entryList(QDir::Files)) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        files[name] = f.readAll();
    }
    return files;
}

} // namespace

TEST(FuzzRegressionTest, EverySeedIsReadWholeByItsTarget) {
    for (const Target& t : kTargets) {
        const auto seeds = Stored("seeds", t.name);
        EXPECT_FALSE(seeds.empty()) << t.name << " has no seed";
        for (const auto& [name, bytes] : seeds) {
            const Outcome o = Feed(t.run, bytes);
            EXPECT_TRUE(o.accepted) << t.name << " refused its seed " << name.toStdString();
            // A GIF of one image is not cut into frames; the next test counts them.
            if (t.run != vx7::fuzz::FrameSplitter)
                EXPECT_GT(o.items, 0u) << t.name << " read nothing of " << name.toStdString();
        }
    }
}

TEST(FuzzRegressionTest, TheGifReadersAgreeOnEverySeedGif) {
    // The same files seed all three GIF readers.
    for (const auto& [name, bytes] : Stored("seeds", "BlockWalker")) {
        const Outcome blocks = Feed(vx7::fuzz::BlockWalker, bytes);
        const Outcome images = Feed(vx7::fuzz::IndexedReader, bytes);
        const Outcome frames = Feed(vx7::fuzz::FrameSplitter, bytes);
        ASSERT_TRUE(blocks.accepted && images.accepted && frames.accepted) << name.toStdString();
        EXPECT_EQ(images.items, blocks.items) << name.toStdString();
        // Only a file of more than one image is cut into frames.
        EXPECT_EQ(frames.items, blocks.items > 1 ? blocks.items : 0u) << name.toStdString();
    }
}

TEST(FuzzRegressionTest, InputsThatOnceCrashedAreRefusedOrReadSoundly) {
    // Whatever a regression input gives, the target has checked it; here only that each
    // one still runs to the end. The folders are made by hand when a crash is kept.
    int replayed = 0;
    for (const Target& t : kTargets)
        for (const auto& [name, bytes] : Stored("regressions", t.name)) {
            Feed(t.run, bytes);
            ++replayed;
        }
    RecordProperty("replayed", replayed);
}

TEST(FuzzRegressionTest, HostileGifsAreRefusedOrReadOnlyAsFarAsTheyAreSound) {
    // A header claiming a huge screen and a global table of 256 colours.
    const QByteArray header("GIF89a\xFF\xFF\xFF\xFF\xF7\x00\x00", 13);
    const QByteArray table(768, '\x10');
    struct Case {
        const char* what;
        QByteArray bytes;
        bool walks;     // BlockWalker accepts the block structure
        bool splits;    // FrameSplitter accepts the header
        size_t decoded; // images IndexedReader decodes
    };
    const std::vector<Case> cases = {
        {"huge image with codes beyond the table",
         header + table + QByteArray("\x2C\0\0\0\0\xFF\xFF\xFF\xFF\0\x08\x02\xFF\xFF\0\x3B", 16), true, true,
         0},
        {"sub-block past the end", header + table + QByteArray("\x2C\0\0\0\0\x01\0\x01\0\0\x08\xFF\x01", 13),
         false, true, 0},
        {"empty graphic control extension", header + table + QByteArray("\x21\xF9\x00\x3B", 4), true, true,
         0},
        {"local table past the end", header + table + QByteArray("\x2C\0\0\0\0\x02\0\x02\0\x87", 10), false,
         true, 0},
        {"code size 1",
         QByteArray("GIF89a\x04\0\x04\0\x80\0\0\0\0\0\0\0\0"
                    "\x2C\0\0\0\0\x04\0\x04\0\0\x01\x03\xFF\xFF\xFF\0\x3B",
                    37),
         true, true, 0},
        {"header cut short", QByteArray("GIF89a\x04\0", 8), false, false, 0},
        {"not a GIF", QByteArray("PNG\r\n\x1A\n and the rest"), false, false, 0},
    };
    for (const Case& c : cases) {
        const Outcome blocks = Feed(vx7::fuzz::BlockWalker, c.bytes);
        const Outcome frames = Feed(vx7::fuzz::FrameSplitter, c.bytes);
        const Outcome images = Feed(vx7::fuzz::IndexedReader, c.bytes);
        EXPECT_EQ(blocks.accepted, c.walks) << c.what;
        EXPECT_EQ(frames.accepted, c.splits) << c.what;
        EXPECT_EQ(frames.items, 0u) << c.what << ": no frame of it is usable";
        EXPECT_EQ(images.items, c.decoded) << c.what;
        EXPECT_FALSE(images.accepted) << c.what;
        // The other readers see the bytes as their own formats and must refuse them too.
        EXPECT_FALSE(Feed(vx7::fuzz::PaletteFrameReader, c.bytes).accepted) << c.what;
        const Outcome lzw = Feed(vx7::fuzz::LzwDecoder, c.bytes);
        EXPECT_LE(lzw.items, size_t(std::uint8_t(c.bytes[1]) | (std::uint8_t(c.bytes[2]) << 8))) << c.what;
        EXPECT_TRUE(Feed(vx7::fuzz::LzwRoundTrip, c.bytes).accepted) << c.what;
    }
}
