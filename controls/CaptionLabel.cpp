#include "CaptionLabel.h"

#include "Frame3d.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vx7::controls {

CaptionLabel::CaptionLabel(QWidget* parent) : CaptionLabel(QString(), parent) {}

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent)
    : QWidget(parent), text_(text), icon_(QStringLiteral(":/icon/152.png")) {
    SetCaption(text);
}

void CaptionLabel::SetCaption(const QString& text) {
    text_ = text;
    UpdateToolTip();
}

void CaptionLabel::UpdateToolTip() {
    setToolTip(ShownText(rect()) == text_ ? QString() : text_);
}

void CaptionLabel::resizeEvent(QResizeEvent* event) {
    UpdateToolTip();
    QWidget::resizeEvent(event);
}

QString CaptionLabel::ShownText(const QRect& rect) const {
    const QFont font = parentWidget() ? parentWidget()->font() : this->font();
    QRect room = TextRect(rect);
    const QRect icon = IconRect(rect);
    if (!icon.isNull())
        room.setRight(icon.left() - 2);
    return QFontMetrics(font).elidedText(text_, Qt::ElideMiddle, std::max(0, room.width()));
}

QRect CaptionLabel::TextRect(const QRect& rect) const {
    if (style_ == kStyleLeftFramed)
        return rect.adjusted(6, 3, 0, 0);
    if (style_ == kStyleCentredFramed)
        return rect.translated(0, 3);
    return rect;
}

int CaptionLabel::TextAlignment() const {
    return style_ == kStyleLeftFramed ? int(Qt::AlignLeft | Qt::AlignTop)
                                      : int(Qt::AlignHCenter | Qt::AlignTop);
}

QRect CaptionLabel::IconRect(const QRect& rect) const {
    if (style_ != kStyleLeftFramed || iconFlag_ != kIconShown)
        return QRect();
    return QRect(rect.left() + rect.width() - 19, rect.top() + 3, 16, 16);
}

void CaptionLabel::Render(QPainter& painter, const QRect& rect) {
    painter.save();
    if (fill_ == kFillBackground)
        painter.fillRect(rect, ToQColor(back_));
    const QFont font = parentWidget() ? parentWidget()->font() : this->font();
    painter.setFont(font);
    painter.setPen(ToQColor(text_colour_));
    painter.drawText(TextRect(rect), TextAlignment(), ShownText(rect));
    if (style_ == kStyleLeftFramed) {
        DrawFrame3d(painter, rect, 0x002B2B2B, 0x008B8B8B);
        const QRect iconRect = IconRect(rect);
        if (!iconRect.isNull()) {
            if (!icon_.isNull()) {
                painter.drawPixmap(iconRect.topLeft(), icon_);
            } else {
                // Without the icon resource: a plain drop arrow.
                painter.setRenderHint(QPainter::Antialiasing);
                painter.setPen(Qt::NoPen);
                painter.setBrush(ToQColor(text_colour_));
                const QPointF c = QRectF(iconRect).center();
                painter.drawPolygon(QPolygonF({c + QPointF(-5, -3), c + QPointF(5, -3), c + QPointF(0, 3)}));
            }
        }
    } else if (style_ == kStyleCentredFramed) {
        DrawFrame3d(painter, rect, 0x00535353, 0x008B8B8B);
    }
    painter.restore();
}

void CaptionLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Render(painter, rect());
}

} // namespace vx7::controls
