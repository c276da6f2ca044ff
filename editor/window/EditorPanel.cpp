#include "editor/window/EditorPanel.h"

#include "editor/interaction/CanvasInteraction.h"
#include "editor/window/PointerFromQt.h"
#include "resources/ResourceLoader.h"

#include <QMouseEvent>
#include <QPainter>

namespace vx7::editor {

EditorPanel::EditorPanel(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
}

void EditorPanel::SetMaterialView(bool on) {
    materialView_ = on;
    Repaint();
}

void EditorPanel::Repaint() {
    dirty_ = true;
    update();
}

void EditorPanel::RepaintNow() {
    if (!materialView_ && paintMagnifier_)
        paintMagnifier_(surface_);
    dirty_ = false;
}

void EditorPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    surface_ = imaging::CanvasSurface(width(), height(), imaging::Colour(0x00DEDEDEu));
    if (interaction_)
        interaction_->SetPanelSurface(&surface_);
    dirty_ = true;
}

void EditorPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (materialView_) {
        if (paintGrid_)
            paintGrid_(painter);
        return;
    }
    if (dirty_)
        RepaintNow();
    painter.drawImage(event->rect(), surface_.Image(), event->rect());
}

void EditorPanel::mousePressEvent(QMouseEvent* event) {
    if (materialView_) {
        if (event->button() == Qt::LeftButton && gridClick_)
            gridClick_(event->position().toPoint());
        return;
    }
    if (event->button() == Qt::RightButton) {
        if (contextMenu_)
            contextMenu_(event->globalPosition().toPoint());
        return;
    }
    if (interaction_)
        interaction_->PanelPress(PointerFromQt(event));
}

void EditorPanel::mouseMoveEvent(QMouseEvent* event) {
    if (materialView_ || !interaction_)
        return;
    interaction_->PanelMove(PointerFromQt(event));
    const CanvasCursor strip = interaction_->PanelCursorAt(event->position().toPoint());
    const CanvasCursor shown = strip != CanvasCursor::Arrow ? strip : interaction_->Cursor();
    if (shown == CanvasCursor::Arrow)
        setCursor(Qt::ArrowCursor);
    else if (shown == CanvasCursor::Hidden)
        setCursor(Qt::BlankCursor);
    else
        setCursor(resources::LoadCursor(static_cast<int>(shown)));
}

void EditorPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (materialView_ || !interaction_)
        return;
    interaction_->PanelRelease(PointerFromQt(event));
}

} // namespace vx7::editor
