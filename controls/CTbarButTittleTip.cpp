#include "CTbarButTittleTip.h"

#include <QApplication>
#include <QPainter>

namespace vx7::controls {

CTbarButTittleTip::CTbarButTittleTip(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), owner_(owner) {
    setObjectName(QStringLiteral("CTbarButTittleTip"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::ArrowCursor);
    setFont(TipFont());
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &CTbarButTittleTip::Tick);
    focusCheck_ = [] { return QApplication::activeWindow() != nullptr; };
    hide();
}

QFont CTbarButTittleTip::TipFont() {
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(14);
    font.setWeight(QFont::Normal);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::Serif, QFont::PreferQuality);
    return font;
}

QRect CTbarButTittleTip::TipRect(int x, int y, const QSize& textSize) {
    const int left = x, right = x + textSize.width() + 8;
    const int bottom = y - 10, top = y - textSize.height() - 16;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void CTbarButTittleTip::ShowTip(int x, int y, const QString& text) {
    if (isVisible() || (focusCheck_ && !focusCheck_()))
        return;
    text_ = text;
    const QFontMetrics metrics(font());
    const QSize size(metrics.horizontalAdvance(text), metrics.height());
    const QRect local = TipRect(x, y, size);
    const QPoint origin = owner_ ? owner_->mapToGlobal(local.topLeft()) : local.topLeft();
    setGeometry(QRect(origin, local.size()));
    show();
    raise();
    update();
    ++shows_;
    ticks_ = 0;
    timer_.start();
}

void CTbarButTittleTip::Tick() {
    ++ticks_;
    if (ticks_ > kTickLimit)
        HideTip();
}

void CTbarButTittleTip::HideTip() {
    timer_.stop();
    hide();
}

void CTbarButTittleTip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setFont(font());
    painter.drawText(QRect(2, 2, width() - 2, height() - 2), Qt::AlignLeft | Qt::AlignTop, text_);
}

} // namespace vx7::controls
