// Replays the fuzz targets' stored seeds and every input that once made a target
// crash (kept in fuzz/regressions/<target>/), and a few hand-made hostile inputs.
#include "fuzz/FuzzTargets.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Target {
    const char* name;
    int (*run)(const std::uint8_t*, std::size_t);
};

const Target kTargets[] = {
    {"BlockWalker", vx7::fuzz::BlockWalker},     {"LzwDecoder", vx7::fuzz::LzwDecoder},
    {"LzwRoundTrip", vx7::fuzz::LzwRoundTrip},   {"PaletteFrameReader", vx7::fuzz::PaletteFrameReader},
    {"FrameSplitter", vx7::fuzz::FrameSplitter}, {"IndexedReader", vx7::fuzz::IndexedReader},
};

int Replay(const Target& t) {
    int files = 0;
    for (const char* kind : {"seeds", "regressions"}) {
        QDir dir(QStringLiteral(VX7_ANIMATION_TEST_DIR "/fuzz/%1/%2")
                     .arg(QLatin1String(kind), QLatin1String(t.name)));
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile f(dir.filePath(name));
            if (!f.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = f.readAll();
            t.run(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                  static_cast<std::size_t>(bytes.size()));
            ++files;
        }
    }
    return files;
}

} // namespace

TEST(FuzzRegressionTest, StoredInputsRunCleanlyThroughEveryTarget) {
    for (const Target& t : kTargets)
        EXPECT_GT(Replay(t), 0) << t.name << " has no stored input";
}

TEST(FuzzRegressionTest, HostileGifsAreSafeForEveryReader) {
    // A header claiming a huge screen and image, zero-length and oversized blocks,
    // and codes beyond the table.
    const QByteArray header("GIF89a\xFF\xFF\xFF\xFF\xF7\x00\x00", 13);
    QByteArray table(768, '\x10');
    std::vector<QByteArray> inputs;
    inputs.push_back(header + table + QByteArray("\x2C\0\0\0\0\xFF\xFF\xFF\xFF\0\x08\x02\xFF\xFF\0\x3B", 16));
    inputs.push_back(header + table +
                     QByteArray("\x2C\0\0\0\0\x01\0\x01\0\0\x08\xFF\x01", 13)); // sub-block past the end
    inputs.push_back(header + table + QByteArray("\x21\xF9\x00\x3B", 4));       // empty extension
    inputs.push_back(header + table + QByteArray("\x2C\0\0\0\0\x02\0\x02\0\x87", 10)); // table past the end
    inputs.push_back(QByteArray("GIF89a\x04\0\x04\0\x80\0\0\0\0\0\0\0\0"
                                "\x2C\0\0\0\0\x04\0\x04\0\0\x01\x03\xFF\xFF\xFF\0\x3B",
                                37)); // code size 1
    for (const QByteArray& input : inputs)
        for (const Target& t : kTargets)
            t.run(reinterpret_cast<const std::uint8_t*>(input.constData()),
                  static_cast<std::size_t>(input.size()));
}
