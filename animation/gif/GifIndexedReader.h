#pragma once

#include "GifBlockWalker.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace vx7::animation {

// One decoded image of a GIF as palette indices.
struct GifIndexedImage {
    int left = 0, top = 0, width = 0, height = 0;
    bool interlaced = false;
    // The colour table in force: the global table with the image's local table over
    // its first entries, 256 entries of red, green, blue (missing ones zero).
    std::array<std::uint8_t, 768> palette{};
    int delay = -1; // from the preceding graphic control extension, -1 without one
    int disposal = 0;
    int transparentIndex = -1;
    std::vector<std::uint8_t> pixels; // width × height, rows in display order
};

// Decodes the images of a GIF held in memory into palette indices: each image's own
// LZW minimum code size and its own local colour table size are used, interlaced
// rows are put in display order. Images that are damaged (a truncated or invalid
// code stream, a code size outside 2 to 8, a zero size, a side over 16384 or more
// than kMaxPixels pixels, or a place outside the logical screen) are skipped. The
// reader's buffers are reused from image to image.
class GifIndexedReader {
  public:
    // Large enough for the converter's composite of an 8192 × 8192 frame (1.5 times
    // as wide), small enough that no file makes the reader allocate without bound.
    static constexpr int kMaxSide = 16384;
    static constexpr qint64 kMaxPixels = qint64{12288} * 8192;

    // Calls sink for each image that decodes, in file order; the image is only valid
    // during the call. Returns the number of images decoded; -1 when the data is not a GIF.
    int ReadAll(ByteSpan data, const std::function<void(const GifIndexedImage&)>& sink);

    // Decodes every image and keeps the last one that decodes. False when none does.
    bool ReadLast(ByteSpan data, GifIndexedImage& out, QString* error = nullptr);

    // Reads a file of at most 64 MiB.
    static bool ReadFile(const QString& path, QByteArray& bytes, QString* error = nullptr);
    static constexpr qint64 kMaxFileBytes = qint64{64} * 1024 * 1024;

  private:
    bool DecodeImage(ByteSpan data, const GifBlock& block, int screenWidth, int screenHeight);

    GifIndexedImage image_;
    std::array<std::uint8_t, 768> global_{};
    std::vector<std::uint8_t> joined_;
    std::vector<std::uint8_t> rows_;
};

} // namespace vx7::animation
