#include "VideoLayout.h"

namespace vx7::animation {

QRect VideoLayout::DisplayRect(const QRect& dialogRect, QSize video, bool fillArea) {
    if (fillArea || video.isEmpty() || video.width() >= dialogRect.width() ||
        video.height() >= dialogRect.height())
        return dialogRect;
    return QRect(dialogRect.left() + (dialogRect.width() - video.width()) / 2,
                 dialogRect.top() + (dialogRect.height() - video.height()) / 2, video.width(),
                 video.height());
}

QString VideoLayout::InfoLine(int frameRateValue, qint64 lengthFrames, QSize source) {
    return QStringLiteral("[ %1 ],[ %2 ],[ %3 ]")
        .arg(QStringLiteral("%1 帧/分").arg(frameRateValue), QStringLiteral("%1 帧").arg(lengthFrames),
             QStringLiteral("宽 %1 高 %2").arg(source.width()).arg(source.height()));
}

QString VideoLayout::FrameText(qint64 frame) {
    return QStringLiteral("< %1 > 帧").arg(frame);
}

} // namespace vx7::animation
