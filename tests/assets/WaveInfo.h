#pragma once

// Reads a RIFF/WAVE file the way a player does: chunk by chunk, with every size checked against
// the bytes present. Test helper for the generated sounds.

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace vx7::testing {

struct WaveInfo {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    uint32_t riffSize = 0;
    std::vector<int16_t> samples; // 16-bit PCM only

    double Seconds() const {
        return sampleRate > 0 && channels > 0 ? double(samples.size()) / channels / sampleRate : 0.0;
    }
    int Peak() const {
        int peak = 0;
        for (int16_t s : samples)
            peak = std::max(peak, s < 0 ? -int(s) : int(s));
        return peak;
    }
};

inline std::optional<WaveInfo> ReadWave(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    WaveInfo info;
    info.riffSize = qFromLittleEndian<uint32_t>(data + 4);
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const uint32_t size = qFromLittleEndian<uint32_t>(data + at + 4);
        if (size > uint64_t(bytes.size() - at - 8))
            return std::nullopt;
        const uchar* body = data + at + 8;
        if (id == "fmt ") {
            if (size < 16)
                return std::nullopt;
            info.format = qFromLittleEndian<uint16_t>(body);
            info.channels = qFromLittleEndian<uint16_t>(body + 2);
            info.sampleRate = int(qFromLittleEndian<uint32_t>(body + 4));
            info.byteRate = int(qFromLittleEndian<uint32_t>(body + 8));
            info.blockAlign = qFromLittleEndian<uint16_t>(body + 12);
            info.bits = qFromLittleEndian<uint16_t>(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || info.bits != 16)
                return std::nullopt;
            for (uint32_t i = 0; i + 1 < size; i += 2)
                info.samples.push_back(qFromLittleEndian<int16_t>(body + i));
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        return std::nullopt;
    return info;
}

} // namespace vx7::testing
