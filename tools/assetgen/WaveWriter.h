#pragma once

#include <QByteArray>

#include <vector>

namespace vx7::assetgen {

// A RIFF/WAVE file of 16-bit PCM, mono, from samples in [-1, 1] (values outside are clipped).
QByteArray EncodeWave(const std::vector<float>& samples, int sampleRate);

} // namespace vx7::assetgen
