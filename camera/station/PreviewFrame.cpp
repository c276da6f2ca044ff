#include "PreviewFrame.h"

#include "camera/capture/CaptureDevice.h"

#include <QPainter>

namespace vx7::camera {

PreviewFrame::PreviewFrame(CaptureDevice* device, QWidget* parent) : QWidget(parent), device_(device) {
    setObjectName(QStringLiteral("frame1000"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (device_)
        connect(device_, &CaptureDevice::FrameReady, this, qOverload<>(&QWidget::update));
}

void PreviewFrame::SetRecordingText(const QString& text) {
    if (text == recordingText_)
        return;
    recordingText_ = text;
    update();
}

void PreviewFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage frame = device_ && device_->IsConnected() ? device_->CurrentFrame() : QImage();
    if (frame.isNull()) {
        painter.fillRect(rect(), QColor(16, 24, 32));
        painter.setPen(QColor(120, 140, 160));
        painter.drawText(rect(), Qt::AlignCenter,
                         device_ && device_->IsConnected() ? QStringLiteral("等待摄像头画面…")
                                                           : QStringLiteral("摄像头未连接"));
        return;
    }
    painter.fillRect(rect(), Qt::black);
    if (frame.size() == size()) {
        painter.drawImage(0, 0, frame);
    } else {
        // A picture larger (or other) than the frame is scaled to fit, never cropped.
        const QSize fitted = frame.size().scaled(size(), Qt::KeepAspectRatio);
        const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, frame);
    }
    ++framesShown_;
    if (!recordingText_.isEmpty()) {
        QFont font = painter.font();
        font.setPixelSize(15);
        font.setBold(true);
        painter.setFont(font);
        const int textWidth = QFontMetrics(font).horizontalAdvance(recordingText_);
        const QRect box(6, 6, textWidth + 34, 24);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 150));
        painter.drawRoundedRect(box, 5, 5);
        painter.setBrush(QColor(230, 30, 30));
        painter.drawEllipse(QPointF(box.left() + 14, box.center().y() + 0.5), 6, 6);
        painter.setPen(Qt::white);
        painter.drawText(box.adjusted(26, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, recordingText_);
    }
}

} // namespace vx7::camera
