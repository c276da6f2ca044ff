#include "ColourButton.h"

#include "Frame3d.h"

#include <QPainter>

namespace vx7::controls {

ColourButton::ColourButton(QWidget* parent) : QPushButton(parent) {}

void ColourButton::SetButtonColour(ColourRef colour) {
    colour_ = colour;
    update();
}

void ColourButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(colour_));
    if (isDown())
        DrawFrame3d(painter, rect(), 0x00404040, 0x00FFFFFF);
    else
        DrawFrame3d(painter, rect(), 0x00FFFFFF, 0x00404040);
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : QColor(0x80, 0x80, 0x80));
    painter.drawText(rect(), Qt::AlignCenter, text());
}

} // namespace vx7::controls
