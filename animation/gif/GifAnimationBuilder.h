#pragma once

#include "FrameWorkers.h"
#include "GifBlockWalker.h"
#include "GifLzwEncoder.h"
#include "PaletteFrameFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace vx7::animation {

// What a build did: frames written, frames left out and why.
struct GifBuildResult {
    int framesWritten = 0;
    QStringList skipped; // one line per frame file left out: path and reason
    QString error;       // set when no file was written

    bool Ok() const { return error.isEmpty(); }
};

// Writes looping animated GIF89a files from an ordered list of frame files, every
// frame with the same delay (hundredths of a second):
//   "GIF89a"; screen descriptor with the first written frame's size, packed 0x70,
//   background 0, aspect 0; the 19-byte NETSCAPE2.0 loop extension (loop for ever);
//   per frame a graphic control extension (packed 0x04, or 0x05 with a transparent
//   index), an image descriptor at (0, 0) with the frame's own size and packed 0x87,
//   a 768-byte local colour table, minimum code size 8 and the data; then 0x3B.
// Frame files that are missing, unreadable, damaged or too large are left out; the
// others are still written. When no frame is usable no file is written (an existing
// file of that name is left as it was) and the result carries an error. The file is
// written under a temporary name and renamed when complete.
// One builder lives for the program's run and reuses its buffers; not thread-safe.
class GifAnimationBuilder {
  public:
    static constexpr int kBits = 8;
    static constexpr qint64 kMaxSourceBytes = qint64{64} * 1024 * 1024;
    static constexpr int kMaxSide = 8192;

    // Single-image GIF files (as the GIF image encoder writes them): each image's
    // colour table and compressed data are copied without recoding.
    GifBuildResult BuildFromGifFiles(const QStringList& paths, const QString& output, int delay);
    // PaletteFrameFiles: the pixels are coded with the LZW coder, the frames side by
    // side on the builder's threads; the file is the same for any number of threads.
    // A stop request (checked before each frame is taken) ends the build with an
    // error and no file written.
    GifBuildResult BuildFromPaletteFrames(const QStringList& paths, const QString& output, int delay,
                                          const std::atomic<bool>* stop = nullptr);

    // Threads that code frames (1 to FrameWorkers::kMaxThreads; by default the
    // machine's cores, at most that many).
    void SetThreads(int threads);
    int Threads() const { return threads_; }

    // The steps, appending to out. bits is the colour depth (8: 256-entry tables).
    static void WriteGifHeader(QByteArray& out, int width, int height, int bits);
    // palette: 3 × 2^bits bytes. transparentIndex -1 means none.
    void WriteCodedFrame(QByteArray& out, const std::uint8_t* pixels, const std::uint8_t* palette, int width,
                         int height, int bits, int delay, int transparentIndex);
    // data: the source's data sub-blocks through their terminator.
    static void CopyGifFrame(QByteArray& out, const std::uint8_t* data, std::size_t dataLength,
                             const std::uint8_t* palette, int width, int height, int bits, int delay,
                             int transparentIndex, bool interlaced = false);
    static void WriteTrailer(QByteArray& out) { out.append(char(0x3B)); }

    // Delay in hundredths of a second from an interval in seconds: the whole part of
    // seconds × 100, kept within 16 bits.
    static int DelayFromSeconds(double seconds);

  private:
    // The parts of a source GIF that CopyGifFrame needs; false when it is unusable.
    struct SourceFrame {
        int width = 0, height = 0;
        bool interlaced = false;
        std::size_t dataPosition = 0, dataLength = 0;
        std::array<std::uint8_t, 768> palette{};
    };
    bool ReadSourceGif(const QString& path, SourceFrame& frame, QString& why);
    static void WriteCodedFrame(QByteArray& out, GifLzwEncoder& encoder, const std::uint8_t* pixels,
                                const std::uint8_t* palette, int width, int height, int bits, int delay,
                                int transparentIndex);

    QByteArray fileImage_;
    QByteArray chunk_;
    PaletteFrameFile frame_;
    GifLzwEncoder encoder_;
    std::vector<std::unique_ptr<GifLzwEncoder>> extraEncoders_; // one per thread past the first
    int threads_ = FrameWorkers::DefaultThreads();
    std::vector<std::uint8_t> check_;
};

} // namespace vx7::animation
