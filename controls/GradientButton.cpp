#include "GradientButton.h"

#include "Frame3d.h"
#include "VerticalGradient.h"

#include <QMouseEvent>
#include <QPainter>

namespace vx7::controls {

GradientButton::GradientButton(QWidget* parent) : GradientButton(QString(), parent) {}

GradientButton::GradientButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
}

void GradientButton::SetButtonIcon(const QPixmap& icon) {
    icon_ = icon.isNull() ? icon : icon.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    hasIcon_ = true;
    update();
}

void GradientButton::SetTextColours(ColourRef normal, ColourRef hover, ColourRef pressed) {
    textNormal_ = normal;
    textHover_ = hover;
    textPressed_ = pressed;
    update();
}

ColourRef GradientButton::HoverRingStart(ColourRef hover) {
    return (hover + (100u << 8) + (100u << 16)) & 0x00FFFFFFu;
}

void GradientButton::mouseMoveEvent(QMouseEvent* event) {
    if (!hovering_) {
        hovering_ = true;
        update();
    }
    QPushButton::mouseMoveEvent(event);
}

void GradientButton::leaveEvent(QEvent* event) {
    hovering_ = false;
    update();
    QPushButton::leaveEvent(event);
}

void GradientButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool pressed = isDown();
    if (pressed)
        hovering_ = false;
    Render(painter, rect(), pressed, hovering_, isEnabled());
}

void GradientButton::Render(QPainter& painter, const QRect& rect, bool pressed, bool hovering, bool enabled) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect edge = rect.adjusted(0, 0, -1, -1); // pen rectangle inside the window rectangle
    ColourRef textColour;
    if (pressed) {
        DrawVerticalGradient(painter, rect, tint_, light_);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(ToQColor(border_));
        painter.drawRoundedRect(edge, 1.5, 1.5);
        DrawFrame3d(painter, rect.adjusted(1, 1, -1, -1), frameDark_, frameDark_);
        textColour = textPressed_;
    } else if (hovering) {
        DrawVerticalGradient(painter, rect, HoverRingStart(hover_), hover_);
        DrawVerticalGradient(painter, rect.adjusted(2, 2, -2, -2), light_, tint_);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(ToQColor(border_));
        painter.drawRoundedRect(edge.adjusted(1, 1, -1, -1), 1.5, 1.5);
        textColour = textHover_;
    } else {
        DrawVerticalGradient(painter, rect, light_, tint_);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(ToQColor(border_));
        painter.drawRoundedRect(edge, 1.5, 1.5);
        DrawFrame3d(painter, rect.adjusted(1, 1, -1, -1), frameLight_, frameDark_);
        textColour = textNormal_;
    }
    DrawContent(painter, rect, textColour, enabled);
    painter.restore();
}

void GradientButton::DrawContent(QPainter& painter, const QRect& rect, ColourRef textColour, bool enabled) {
    painter.setFont(font());
    if (layout_ == kLayoutIconLeft) {
        painter.setPen(ToQColor(enabled ? textColour : kDisabledText));
        if (hasIcon_) {
            if (!icon_.isNull())
                painter.drawPixmap(rect.left() + 2, rect.top() + 2, icon_);
            const QRect textRect(rect.left() + 19, rect.top(), rect.width() - 19, rect.height());
            painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
        } else {
            painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text());
        }
        return;
    }
    if (!enabled) {
        painter.setPen(ToQColor(kDisabledText));
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("--"));
        return;
    }
    if (!hasIcon_) {
        painter.setPen(ToQColor(textColour));
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text());
    } else if (!icon_.isNull()) {
        painter.drawPixmap(rect.left() + rect.width() / 2 - 8, rect.top() + rect.height() / 2 - 8, icon_);
    }
}

} // namespace vx7::controls
