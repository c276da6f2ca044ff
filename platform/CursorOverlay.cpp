#include "CursorOverlay.h"

#include <QPainter>

namespace vx7::platform {

void DrawCursorAt(QImage& screen, const QImage& cursor, QPoint pointer, QPoint hotSpot) {
    if (screen.isNull() || cursor.isNull())
        return;
    QPainter painter(&screen);
    painter.drawImage(pointer - hotSpot, cursor);
}

} // namespace vx7::platform
