#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>

#include <cstdint>
#include <vector>

namespace vx7::test {

// A frame to be written with giflib, the independent encoder the tests use to make
// input files (and the independent decoder they check output against).
struct GiflibFrame {
    int left = 0, top = 0, width = 1, height = 1;
    std::vector<std::uint8_t> indices; // width × height palette indices
    int delay = -1;                    // -1: no graphic control extension
    int disposal = 0;
    int transparentIndex = -1;
    std::vector<QRgb> localPalette; // empty: none
    bool interlaced = false;
};

// Writes a GIF89a with giflib. An empty globalPalette writes none.
QByteArray WriteGifWithGiflib(int screenWidth, int screenHeight, const std::vector<QRgb>& globalPalette,
                              int backgroundIndex, const std::vector<GiflibFrame>& frames);

struct GiflibImage {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint8_t> indices;
    std::vector<QRgb> palette; // the colour table in force (local, else global)
    bool interlaced = false;
    int delay = -1;
    int disposal = 0;
    int transparentIndex = -1;
};

struct GiflibDecoded {
    bool ok = false;
    int screenWidth = 0, screenHeight = 0;
    bool hasLoopExtension = false;
    std::vector<GiflibImage> images;
};

// Decodes with DGifSlurp; rows of interlaced images are put in display order.
GiflibDecoded DecodeWithGiflib(const QByteArray& gif);

// Deterministic pictures for tests.
std::vector<std::uint8_t> NoiseIndices(int count, unsigned seed, int colours = 256);
std::vector<QRgb> GreyPalette();
std::vector<QRgb> RainbowPalette(unsigned seed);
QImage PhotoLikePicture(int width, int height, unsigned seed = 1);

} // namespace vx7::test
