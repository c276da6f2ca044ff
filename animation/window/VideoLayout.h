#pragma once

#include <QRect>
#include <QSize>
#include <QString>

namespace vx7::animation {

// Geometry and texts of the animation window's video display.
class VideoLayout {
  public:
    // Where the display area goes for a video: its dialog rectangle, or, when the
    // fill box is off and the video is smaller in both directions, a rectangle of
    // the video's size centred in it.
    static QRect DisplayRect(const QRect& dialogRect, QSize video, bool fillArea);

    // "[ %d 帧/分 ],[ %d 帧 ],[ 宽 %d 高 %d ]".
    static QString InfoLine(int frameRateValue, qint64 lengthFrames, QSize source);
    // "< %d > 帧".
    static QString FrameText(qint64 frame);
};

} // namespace vx7::animation
