#pragma once

#include "GifBlockWalker.h"
#include "GifFrameRecord.h"

#include <QByteArray>
#include <QRgb>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace vx7::animation {

// One image of an animated GIF cut out as a GIF file of its own: the source's first
// 13 bytes and global colour table, the frame's blocks from its graphic control
// extension (or the image itself when it has none) through its data, and a trailer.
struct GifFrameSlice {
    QByteArray gif;
    int left = 0, top = 0, width = 0, height = 0;
    int delay = -1; // hundredths of a second; -1 without a graphic control extension
    int disposal = 0;
    int transparentIndex = -1;
};

// What the block walk finds in a GIF file.
struct GifSplit {
    int screenWidth = 0, screenHeight = 0;
    std::optional<QRgb> background;    // global colour table entry at the background index
    int imageCount = 0;                // images the walk found (usable or not)
    std::vector<GifFrameSlice> frames; // filled only when imageCount > 1
    bool overBudget = false;           // cutting stopped: the cuts passed kMaxAnimationBytes
};

// A picture file prepared for display: either the frames of an animated GIF or one
// still picture (a one-image GIF, or any format QImage reads).
struct GifFrameSet {
    QSize screen;                       // logical screen of a GIF, else the picture's size
    QRgb background = qRgb(0, 0, 0);    // the GIF's background colour (black when it has none)
    std::vector<GifFrameRecord> frames; // two or more when animated, otherwise empty
    QImage still;                       // the picture when not animated

    bool IsAnimated() const { return !frames.empty(); }
};

// Cuts an animated GIF into single-frame GIFs and decodes them. Pure functions over
// bytes in memory; safe on any input: truncated files, damaged blocks, images that
// do not fit the logical screen and zero-sized images are skipped, never read past.
class GifFrameSplitter {
  public:
    // Largest logical screen and frame accepted, in pixels per side.
    static constexpr int kMaxSide = 8192;

    // Walks the blocks and, when there is more than one image, cuts each usable one
    // out. nullopt when the data is not a GIF with a whole header.
    static std::optional<GifSplit> Split(ByteSpan data);

    // Memory an animation may take while it is shown: the off-screen image, one frame
    // as the decoder delivers it (at the logical screen's size), that frame cut to its
    // own area and the area saved under a frame, each at most the screen's size, plus
    // every frame kept compressed.
    static constexpr qint64 kMaxAnimationBytes = qint64{256} * 1024 * 1024;
    static constexpr int kScreenImagesWhilePlaying = 4;
    static qint64 AnimationBytes(const GifSplit& split);
    // What the user is told when an animation needs more than kMaxAnimationBytes.
    static QString TooLargeText(qint64 neededBytes);

    // Prepares a picture file's bytes for display. An animated GIF gives its frames,
    // kept compressed and decoded as they are shown (frames the decoder refuses are
    // left out); anything else the whole data as one picture. nullopt when nothing
    // could be decoded, or when an animation needs more memory than
    // kMaxAnimationBytes: then *refusal says so, in words for the user.
    static std::optional<GifFrameSet> Load(const QByteArray& data, QString* refusal = nullptr);
};

} // namespace vx7::animation
