#include "CHyperLink.h"

#include "platform/Prompt.h"
#include "platform/ShellOpen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vx7::controls {

CHyperLink::CHyperLink(const QString& text, const QString& target, platform::Prompt& prompt, QWidget* parent,
                       unsigned char style)
    : QLabel(text, parent), prompt_(prompt), target_(target), style_(style) {
    if (target_.isEmpty())
        target_ = text;
    if (text.isEmpty())
        setText(target_);
    QFont f = font();
    f.setUnderline(style_ & kUnderline);
    setFont(f);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    if (!(style_ & kNoHandCursor))
        setCursor(Qt::PointingHandCursor);
    setToolTip(target_);
    FitToText();
}

void CHyperLink::SetTarget(const QString& target) {
    target_ = target;
    hide();
    FitToText();
    setToolTip(target_);
    show();
}

ColourRef CHyperLink::CurrentColour() const {
    if (over_ && (style_ & kUseHover))
        return kHoverColour;
    if (pressed_ && !(style_ & kNoFocusColour))
        return kFocusColour;
    if (visited_)
        return kVisitedColour;
    return kLinkColour;
}

QRect CHyperLink::FitRect(const QRect& rect, const QSize& text, Qt::Alignment alignment) {
    QRect r = rect;
    if (alignment & Qt::AlignVCenter) {
        const int dy = (rect.height() - text.height()) / 2;
        r.setTop(rect.top() + dy);
        r.setHeight(text.height());
    } else {
        r.setHeight(text.height());
    }
    if (alignment & Qt::AlignHCenter) {
        const int dx = (rect.width() - text.width()) / 2;
        r.setLeft(rect.left() + dx);
        r.setWidth(text.width());
    } else if (alignment & Qt::AlignRight) {
        r.setLeft(rect.left() + rect.width() - text.width());
        r.setWidth(text.width());
    } else {
        r.setWidth(text.width());
    }
    return r;
}

void CHyperLink::FitToText() {
    if (!(style_ & kFitToText))
        return;
    const QFontMetrics metrics(font());
    const QSize textSize(metrics.horizontalAdvance(text()), metrics.height());
    const QMargins frame = contentsMargins();
    const QRect fitted = FitRect(geometry().marginsRemoved(frame), textSize, alignment());
    setGeometry(fitted.marginsAdded(frame));
}

bool CHyperLink::OpenTarget(const QString& target, platform::Prompt& prompt, const LinkOpener& opener) {
    int result = opener.shellOpen ? opener.shellOpen(target) : 0;
    if (result <= 32 && opener.htmlFallback) {
        // Without a registered web-page program (-1) the shell's own failure stands.
        const int fallback = opener.htmlFallback(target);
        if (fallback >= 0)
            result = fallback;
    }
    if (result > 32)
        return true;
    QApplication::beep();
    prompt.Message(result == platform::kShellNoAssociation && !target.isEmpty() ? NoProgramText(target)
                                                                                : FailureText(result));
    return false;
}

void CHyperLink::Open() {
    if (OpenTarget(target_, prompt_, opener_)) {
        visited_ = true;
        update();
    }
}

void CHyperLink::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(ToQColor(CurrentColour()));
    painter.drawText(contentsRect(), int(alignment()), text());
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (!over_ && inside) {
        over_ = true;
        update();
        grabMouse();
    } else if (over_ && !inside) {
        over_ = false;
        releaseMouse();
        update();
    }
    QLabel::mouseMoveEvent(event);
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (style_ & kFocusOnPress)
        setFocus(Qt::MouseFocusReason);
    if (style_ & kOpenOnPress)
        Open();
    pressed_ = true;
    update();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed_ && !(style_ & kOpenOnPress))
        Open();
}

void CHyperLink::focusInEvent(QFocusEvent* event) {
    pressed_ = true;
    update();
    QLabel::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event) {
    over_ = false;
    pressed_ = false;
    update();
    QLabel::focusOutEvent(event);
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        Open();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace vx7::controls
