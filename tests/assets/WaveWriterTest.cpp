#include "WaveInfo.h"

#include "tools/assetgen/WaveWriter.h"

#include <gtest/gtest.h>

namespace {

TEST(WaveWriterTest, WritesA16BitMonoPcmHeader) {
    const QByteArray bytes = vx7::assetgen::EncodeWave({0.0f, 0.5f, -0.5f}, 22050);
    ASSERT_EQ(bytes.size(), 44 + 6);
    const auto wave = vx7::testing::ReadWave(bytes);
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->format, 1);
    EXPECT_EQ(wave->channels, 1);
    EXPECT_EQ(wave->sampleRate, 22050);
    EXPECT_EQ(wave->byteRate, 44100);
    EXPECT_EQ(wave->blockAlign, 2);
    EXPECT_EQ(wave->bits, 16);
    EXPECT_EQ(wave->riffSize, uint32_t(bytes.size() - 8));
    EXPECT_EQ(wave->samples, (std::vector<int16_t>{0, 16384, -16384}));
}

TEST(WaveWriterTest, ClipsSamplesOutsideTheRange) {
    const auto wave = vx7::testing::ReadWave(vx7::assetgen::EncodeWave({1.0f, 7.5f, -1.0f, -40.0f}, 8000));
    ASSERT_TRUE(wave.has_value());
    EXPECT_EQ(wave->samples, (std::vector<int16_t>{32767, 32767, -32767, -32767}));
}

TEST(WaveWriterTest, EmptySoundIsAValidFileWithNoData) {
    const QByteArray bytes = vx7::assetgen::EncodeWave({}, 22050);
    EXPECT_EQ(bytes.size(), 44);
    const auto wave = vx7::testing::ReadWave(bytes);
    ASSERT_TRUE(wave.has_value());
    EXPECT_TRUE(wave->samples.empty());
}

} // namespace
