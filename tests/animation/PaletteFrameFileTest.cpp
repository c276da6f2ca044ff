#include "animation/gif/PaletteFrameFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using vx7::animation::AsBytes;
using vx7::animation::PaletteFrameFile;

namespace {

PaletteFrameFile Sample() {
    PaletteFrameFile f;
    f.width = 0x0102;
    f.height = 3;
    for (size_t i = 0; i < 768; ++i)
        f.palette[i] = static_cast<std::uint8_t>(i * 7);
    f.pixels.resize(f.PixelCount());
    for (size_t i = 0; i < f.pixels.size(); ++i)
        f.pixels[i] = static_cast<std::uint8_t>(i * 13);
    return f;
}

} // namespace

struct ByteCase {
    size_t offset;
    int value;
};
class PaletteFrameLayoutTest : public testing::TestWithParam<ByteCase> {};

TEST_P(PaletteFrameLayoutTest, BytesSitAtTheirOffsets) {
    const QByteArray bytes = Sample().ToBytes();
    ASSERT_EQ(bytes.size(), static_cast<qsizetype>(780 + 0x0102 * 3));
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(GetParam().offset)]), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Offsets, PaletteFrameLayoutTest,
                         testing::Values(ByteCase{0, 0x20}, ByteCase{1, 0x00}, ByteCase{2, 0}, ByteCase{7, 0},
                                         ByteCase{8, 0x02}, ByteCase{9, 0x01}, ByteCase{10, 3},
                                         ByteCase{11, 0}, ByteCase{12, 0}, ByteCase{13, 7},
                                         ByteCase{779, (767 * 7) & 255}, ByteCase{780, 0}, ByteCase{781, 13},
                                         ByteCase{780 + 0x0102 * 3 - 1, ((0x0102 * 3 - 1) * 13) & 255}));

TEST(PaletteFrameFileTest, RoundTripsThroughAFileIgnoringReservedAndTrailingBytes) {
    QTemporaryDir dir;
    const PaletteFrameFile f = Sample();
    ASSERT_TRUE(f.Write(dir.filePath("f.frm")));
    QByteArray bytes = f.ToBytes();
    bytes[3] = 'x'; // reserved
    bytes.append("trailing");
    PaletteFrameFile back;
    ASSERT_TRUE(back.Parse(AsBytes(bytes)));
    EXPECT_EQ(back.width, f.width);
    EXPECT_EQ(back.height, f.height);
    EXPECT_EQ(back.palette, f.palette);
    EXPECT_TRUE(std::equal(f.pixels.begin(), f.pixels.end(), back.pixels.begin()));
    PaletteFrameFile fromFile;
    ASSERT_TRUE(fromFile.Read(dir.filePath("f.frm")));
    EXPECT_EQ(fromFile.ToBytes(), f.ToBytes());
}

TEST(PaletteFrameFileTest, RefusesDamagedHeaders) {
    const QByteArray good = Sample().ToBytes();
    auto refused = [](QByteArray bytes) {
        PaletteFrameFile f;
        QString error;
        const bool ok = f.Parse(AsBytes(bytes), &error);
        return !ok && !error.isEmpty();
    };
    EXPECT_TRUE(refused(good.left(good.size() - 1))) << "one pixel short";
    EXPECT_TRUE(refused(good.left(779)));
    QByteArray marker = good;
    marker[0] = 0x21;
    EXPECT_TRUE(refused(marker));
    QByteArray zero = good;
    zero[10] = 0;
    EXPECT_TRUE(refused(zero));
    QByteArray wide = good;
    wide[8] = char(0x01);
    wide[9] = char(0x20); // 8193
    EXPECT_TRUE(refused(wide));
    PaletteFrameFile nothing;
    QTemporaryDir dir;
    EXPECT_FALSE(nothing.Write(dir.filePath("none.frm")));
    EXPECT_FALSE(QFile::exists(dir.filePath("none.frm")));
}
