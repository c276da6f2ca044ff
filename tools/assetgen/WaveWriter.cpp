#include "WaveWriter.h"

#include "core/LittleEndian.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace vx7::assetgen {

QByteArray EncodeWave(const std::vector<float>& samples, int sampleRate) {
    constexpr uint16_t kChannels = 1;
    constexpr uint16_t kBits = 16;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * sizeof(int16_t));
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF", 4);
    core::AppendLe32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    core::AppendLe32(out, 16);
    core::AppendLe16(out, 1); // PCM
    core::AppendLe16(out, kChannels);
    core::AppendLe32(out, static_cast<uint32_t>(sampleRate));
    core::AppendLe32(out, static_cast<uint32_t>(sampleRate) * kChannels * kBits / 8);
    core::AppendLe16(out, kChannels * kBits / 8);
    core::AppendLe16(out, kBits);
    out.append("data", 4);
    core::AppendLe32(out, dataBytes);
    for (float s : samples) {
        const float clipped = std::isnan(s) ? 0.0f : std::clamp(s, -1.0f, 1.0f);
        core::AppendLe16(out, static_cast<uint16_t>(static_cast<int16_t>(std::lround(clipped * 32767.0f))));
    }
    return out;
}

} // namespace vx7::assetgen
