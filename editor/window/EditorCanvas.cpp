#include "editor/window/EditorCanvas.h"

#include "editor/interaction/CanvasInteraction.h"
#include "editor/window/PointerFromQt.h"

#include <QMouseEvent>
#include <QPainter>

namespace vx7::editor {

EditorCanvas::EditorCanvas(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    setFocusPolicy(Qt::ClickFocus);
}

void EditorCanvas::Recompose() {
    dirty_ = true;
    update();
}

void EditorCanvas::ComposeNow() {
    if (surface_.Width() != width() || surface_.Height() != height())
        surface_ = imaging::CanvasSurface(width(), height());
    if (compose_)
        compose_(surface_);
    dirty_ = false;
}

void EditorCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    surface_ = imaging::CanvasSurface(width(), height());
    if (interaction_)
        interaction_->SetCanvasSurface(&surface_);
    dirty_ = true;
}

void EditorCanvas::paintEvent(QPaintEvent* event) {
    if (dirty_)
        ComposeNow();
    QPainter painter(this);
    // One copy of the memory surface: the picture never flickers.
    painter.drawImage(event->rect(), surface_.Image(), event->rect());
}

void EditorCanvas::mousePressEvent(QMouseEvent* event) {
    if (interaction_)
        interaction_->Press(PointerFromQt(event));
}

void EditorCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (interaction_)
        interaction_->Move(PointerFromQt(event));
}

void EditorCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (interaction_)
        interaction_->Release(PointerFromQt(event));
}

} // namespace vx7::editor
