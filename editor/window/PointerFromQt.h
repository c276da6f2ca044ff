#pragma once

#include "editor/interaction/CanvasInteraction.h"

#include <QMouseEvent>

namespace vx7::editor {

// The canvas and the magnifier panel hand the same pointer record to the interaction.
inline PointerEvent PointerFromQt(const QMouseEvent* event) {
    PointerEvent e;
    e.pos = event->position().toPoint();
    e.button = event->button();
    e.buttons = event->buttons();
    e.shift = event->modifiers().testFlag(Qt::ShiftModifier);
    e.alt = event->modifiers().testFlag(Qt::AltModifier);
    return e;
}

} // namespace vx7::editor
