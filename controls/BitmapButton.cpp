#include "BitmapButton.h"

#include "Frame3d.h"
#include "VerticalGradient.h"

#include <QPainter>

namespace vx7::controls {

BitmapButton::BitmapButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption);
    setCursor(Qt::PointingHandCursor);
}

void BitmapButton::SetBitmaps(const QString& normal, const QString& pressed) {
    normal_ = QPixmap(normal);
    pressed_ = QPixmap(pressed);
    update();
}

QSize BitmapButton::sizeHint() const {
    return normal_.isNull() ? QSize(100, 36) : normal_.size();
}

void BitmapButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool down = isDown();
    const QPixmap& picture = down && !pressed_.isNull() ? pressed_ : normal_;
    if (!picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), picture);
        if (!isEnabled())
            painter.fillRect(rect(), QColor(128, 128, 128, 110));
        return;
    }
    const QRect r = rect();
    if (down)
        DrawVerticalGradient(painter, r, MakeColourRef(120, 160, 200), MakeColourRef(200, 225, 245));
    else
        DrawVerticalGradient(painter, r, MakeColourRef(215, 235, 250), MakeColourRef(110, 160, 205));
    DrawFrame3d(painter, r, down ? 0x00404040 : 0x00FFFFFF, down ? 0x00FFFFFF : 0x00404040);
    QFont f = font();
    f.setBold(true);
    painter.setFont(f);
    painter.setPen(isEnabled() ? QColor(20, 40, 70) : QColor(140, 140, 140));
    painter.drawText(r.translated(down ? 1 : 0, down ? 1 : 0), Qt::AlignCenter, text());
}

} // namespace vx7::controls
