#pragma once

#include "GifFrameRecord.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

namespace vx7::animation {

// The frame-by-frame composition of an animated GIF on an off-screen picture of the
// logical screen's size, without any widget or thread. A player loops:
//
//     area = ShowCurrent();            // draw the current frame, repaint area
//     wait CurrentWaitMilliseconds();  // or stop
//     area = DisposeAndAdvance();      // dispose of it, step to the next frame
//
// Disposal 2 fills the frame's area with the background colour, disposal 3 puts back
// what was under the frame, anything else leaves the frame in place. After the last
// frame the whole picture is filled with the background colour and play restarts at
// the first frame. Frames are clipped to the canvas.
//
// Not thread-safe: the owner serialises calls and reads of Canvas().
class GifComposer {
  public:
    GifComposer(QSize screen, QColor background, std::vector<GifFrameRecord> frames);

    // Replaces the background colour and starts again from the first frame.
    void SetBackground(QColor background);
    QColor Background() const { return background_; }

    // Fills the canvas with the background colour and makes frame 0 current.
    void Reset();

    // Draws the current frame over the canvas (first saving the area under it when
    // its disposal is 3). Returns the area that changed.
    QRect ShowCurrent();
    // How long the shown frame stays, in milliseconds.
    int CurrentWaitMilliseconds() const;
    // Disposes of the current frame and makes the next one current. Returns the area
    // that changed (the whole canvas when play wraps round).
    QRect DisposeAndAdvance();

    // The canvas as it looks while frame index is shown, played from the start.
    // The composer is left showing that frame. A null picture for a bad index.
    QImage RenderFrame(int index);

    const QImage& Canvas() const { return canvas_; }
    int CurrentFrame() const { return current_; }
    int FrameCount() const { return static_cast<int>(frames_.size()); }
    const std::vector<GifFrameRecord>& Frames() const { return frames_; }

    // The wait rule: delay × 10 ms above 4, otherwise (0 to 4, or -1 for a frame
    // without a graphic control extension) 100 ms.
    static int WaitMilliseconds(int delay);

  private:
    QImage canvas_;
    QImage saved_;
    QRect savedRect_;
    QColor background_;
    std::vector<GifFrameRecord> frames_;
    int current_ = 0;
};

} // namespace vx7::animation
