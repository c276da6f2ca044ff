#include "platform/Gbk.h"

#include <gtest/gtest.h>

#include <array>

using namespace vx7::platform;

TEST(GbkTest, RoundTripsChineseText) {
    const QString text = QStringLiteral("2011拍照图片/秋冬新款女装");
    const auto gbk = ToGbk(text);
    ASSERT_TRUE(gbk.has_value());
    // Every Chinese character is two bytes in GBK.
    EXPECT_EQ(gbk->size(), 4 + 4 * 2 + 1 + 6 * 2);
    EXPECT_EQ(FromGbk(*gbk), text);
}

TEST(GbkTest, RefusesCharactersWithoutGbkForm) {
    EXPECT_FALSE(ToGbk(QStringLiteral("emoji 😀")).has_value());
    std::array<char, 16> field;
    field.fill('x');
    EXPECT_FALSE(WriteGbkField(field, QStringLiteral("😀"), 10));
    EXPECT_EQ(field[0], 'x') << "a refused text writes nothing";
}

TEST(GbkTest, TruncationNeverSplitsADoubleByteCharacter) {
    // "a" + three Chinese characters = 7 bytes; a 4-byte limit keeps "a" and one character.
    const QByteArray gbk = *ToGbk(QStringLiteral("a照片图"));
    EXPECT_EQ(TruncateGbk(gbk, 4).size(), 3);
    EXPECT_EQ(TruncateGbk(gbk, 5).size(), 5);
    EXPECT_EQ(FromGbk(TruncateGbk(gbk, 4)), QStringLiteral("a照"));
}

TEST(GbkTest, FieldWriteTerminatesAndKeepsTheRest) {
    std::array<char, 12> field;
    field.fill('r');
    ASSERT_TRUE(WriteGbkField(field, QStringLiteral("abcdefghijklmnop"), 8));
    EXPECT_EQ(QByteArray(field.data(), 8), QByteArray("abcdefgh"));
    EXPECT_EQ(field[8], '\0');
    EXPECT_EQ(field[9], 'r') << "bytes after the terminator stay as they were";
    EXPECT_EQ(ReadGbkField(field), QStringLiteral("abcdefgh"));
}

TEST(GbkTest, ReadingAnUnterminatedFieldStopsAtItsEnd) {
    const std::array<char, 4> field{'a', 'b', 'c', 'd'};
    EXPECT_EQ(ReadGbkField(field), QStringLiteral("abcd"));
    // A lone lead byte at the end is not valid GBK: it becomes a replacement character.
    const std::array<char, 2> broken{'a', '\xB0'};
    EXPECT_EQ(ReadGbkField(broken), QStringLiteral("a\uFFFD"));
}
