#include "ClipButton.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace vx7::camera {

QString ClipButton::Caption() const {
    return recording ? QStringLiteral("停止录像") : QStringLiteral("开始录像");
}

void ClipButton::Paint(QPainter& p) const {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min(7.0, rect.height() / 3.5);
    QPainterPath shape;
    shape.addRoundedRect(face, radius, radius);
    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    const bool warm = lit && enabled;
    fill.setColorAt(0.0, warm ? QColor(0xFF, 0xB6, 0x62) : QColor(0x2E, 0x66, 0x8F));
    fill.setColorAt(1.0, warm ? QColor(0xEE, 0x78, 0x1E) : QColor(0x1E, 0x4A, 0x6B));
    p.fillPath(shape, fill);
    p.strokePath(shape, QPen(warm ? QColor(0xFF, 0xD9, 0xA8) : QColor(0x4B, 0x86, 0xB0), 1.0));

    const QPointF c = face.center();
    const qreal size = std::min(face.width(), face.height()) - 14;
    QColor red = enabled ? QColor(0xE5, 0x2B, 0x2B) : QColor(0x8A, 0x6A, 0x6A);
    p.setPen(QPen(QColor(255, 255, 255, enabled ? 230 : 120), 1.5));
    p.setBrush(red);
    if (recording) {
        const qreal s = size * 0.8;
        p.drawRoundedRect(QRectF(c.x() - s / 2, c.y() - s / 2, s, s), 2, 2);
    } else {
        p.drawEllipse(c, size / 2, size / 2);
    }
    p.restore();
}

} // namespace vx7::camera
