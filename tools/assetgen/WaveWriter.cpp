#include "WaveWriter.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vx7::assetgen {

namespace {

void Put32(QByteArray& out, uint32_t v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void Put16(QByteArray& out, uint16_t v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

} // namespace

QByteArray EncodeWave(const std::vector<float>& samples, int sampleRate) {
    constexpr uint16_t kChannels = 1;
    constexpr uint16_t kBits = 16;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF", 4);
    Put32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    Put32(out, 16);
    Put16(out, 1); // PCM
    Put16(out, kChannels);
    Put32(out, static_cast<uint32_t>(sampleRate));
    Put32(out, static_cast<uint32_t>(sampleRate) * kChannels * kBits / 8);
    Put16(out, kChannels * kBits / 8);
    Put16(out, kBits);
    out.append("data", 4);
    Put32(out, dataBytes);
    for (float s : samples) {
        const float clipped = std::isnan(s) ? 0.0f : std::clamp(s, -1.0f, 1.0f);
        Put16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(clipped * 32767.0f))));
    }
    return out;
}

} // namespace vx7::assetgen
