#include "AnimatedPicture.h"

#include <QMetaObject>
#include <QPaintEvent>
#include <QPainter>

namespace vx7::animation {

AnimatedPicture::AnimatedPicture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    model_.SetRepaintRequest([this] {
        // Called on the drawing thread: post, never paint. The destructor joins that
        // thread first, and posted events die with their receiver.
        QMetaObject::invokeMethod(
            this, [this] { update(); }, Qt::QueuedConnection);
    });
}

AnimatedPicture::~AnimatedPicture() {
    model_.Stop();
}

QColor AnimatedPicture::ButtonFace() const {
    return palette().color(QPalette::Button);
}

bool AnimatedPicture::LoadFile(const QString& path) {
    const bool ok = model_.LoadFile(path, ButtonFace());
    Prepare(ok);
    return ok;
}

bool AnimatedPicture::Load(const QByteArray& data) {
    const bool ok = model_.Load(data, ButtonFace());
    Prepare(ok);
    return ok;
}

void AnimatedPicture::Prepare(bool loaded) {
    if (loaded) {
        QSize size = model_.ScreenSize();
        if (maxDisplay_.isValid() &&
            (size.width() > maxDisplay_.width() || size.height() > maxDisplay_.height()))
            size = size.scaled(maxDisplay_, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        resize(size);
    }
    update();
}

bool AnimatedPicture::Draw() {
    const bool ok = model_.Draw();
    update();
    return ok;
}

void AnimatedPicture::Stop() {
    model_.Stop();
}

void AnimatedPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    model_.Paint([&](const QImage& image) {
        if (image.size() == size()) {
            painter.drawImage(event->rect(), image, event->rect());
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), image);
        }
    });
}

} // namespace vx7::animation
