#pragma once

#include <QImage>
#include <QPoint>

namespace vx7::platform {

// Draws a cursor picture into a screen picture at its natural size, with its hot spot
// on the pointer position: its top-left corner goes to pointer - hotSpot. Parts outside
// the screen are cut off.
void DrawCursorAt(QImage& screen, const QImage& cursor, QPoint pointer, QPoint hotSpot);

} // namespace vx7::platform
