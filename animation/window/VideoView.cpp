#include "VideoView.h"

#include "VideoPlayer.h"

#include <QMetaObject>
#include <QPainter>

namespace vx7::animation {

VideoView::VideoView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

VideoView::~VideoView() {
    Attach(nullptr);
}

void VideoView::Attach(VideoPlayer* player) {
    if (player_)
        player_->SetFrameNotification(nullptr);
    player_ = player;
    shown_ = QImage();
    if (player_) {
        player_->SetFrameNotification([this] {
            QMetaObject::invokeMethod(
                this, [this] { update(); }, Qt::QueuedConnection);
        });
    }
    update();
}

void VideoView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (player_ && player_->IsOpen())
        shown_ = player_->CurrentFrame();
    else
        shown_ = QImage();
    if (shown_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), shown_);
}

} // namespace vx7::animation
