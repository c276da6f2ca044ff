#include "editor/document/CanvasCaption.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

namespace vx7::editor {

QString CanvasCaption::DateText(const QDate& date) {
    return QStringLiteral("%1年%2月%3日")
        .arg(date.year(), 4, 10, QLatin1Char(' '))
        .arg(date.month(), 2, 10, QLatin1Char(' '))
        .arg(date.day(), 2, 10, QLatin1Char(' '));
}

void CanvasCaption::Reset(const QString& rememberedText, const QDate& today, int canvasHeight) {
    text_ = rememberedText.isEmpty() ? DateText(today) : rememberedText;
    size_ = DefaultSize();
    colour_ = kDefaultColour;
    font_ = QGuiApplication::font();
    x_ = kMargin;
    y_ = canvasHeight - kMargin;
    drawn_ = QRect();
}

int CanvasCaption::PixelHeight() const {
    // Leading digits count, as a decimal string-to-integer conversion reads them.
    int value = 0;
    int i = 0;
    const QString s = size_.trimmed();
    bool negative = false;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) {
        negative = s[i] == QLatin1Char('-');
        ++i;
    }
    for (; i < s.size() && s[i].isDigit() && value < 100000; ++i)
        value = value * 10 + s[i].digitValue();
    return negative ? -value : value;
}

void CanvasCaption::CentreOn(int x, int y) {
    x_ = x - drawn_.width() / 2;
    y_ = y - drawn_.height() / 2;
}

void CanvasCaption::Draw(QPainter& painter, int originX, int originY) {
    painter.save();
    QFont font = font_;
    const int height = PixelHeight();
    if (height > 0)
        font.setPixelSize(height);
    painter.setFont(font);
    painter.setPen(QColor::fromRgb(colour_.ToQRgb()));
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(font);
    const int left = originX + x_;
    const int top = originY + y_;
    painter.drawText(left, top + metrics.ascent(), text_);
    drawn_ = QRect(left, top, metrics.horizontalAdvance(text_), metrics.height());
    painter.restore();
}

} // namespace vx7::editor
