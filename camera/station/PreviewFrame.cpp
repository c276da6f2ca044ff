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
}

} // namespace vx7::camera
