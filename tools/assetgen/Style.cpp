#include "Style.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vx7::assetgen::style {

QFont UiFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("WenQuanYi Zen Hei"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage NewImage(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QColor Mix(const QColor& colour, qreal amount) {
    const QColor target = amount >= 0 ? QColor(255, 255, 255) : QColor(0, 0, 0);
    const qreal t = std::abs(amount);
    return QColor::fromRgbF(colour.redF() + (target.redF() - colour.redF()) * t,
                            colour.greenF() + (target.greenF() - colour.greenF()) * t,
                            colour.blueF() + (target.blueF() - colour.blueF()) * t, colour.alphaF());
}

void PaintFace(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, qreal radius,
               const QColor& border, qreal sheen) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath shape;
    shape.addRoundedRect(r, radius, radius);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0.0, top);
    fill.setColorAt(1.0, bottom);
    p.fillPath(shape, fill);
    if (sheen > 0) {
        // A soft light band over the upper half gives the flat face a little depth.
        QLinearGradient light(r.topLeft(), QPointF(r.left(), r.center().y()));
        QColor white(255, 255, 255);
        white.setAlphaF(sheen);
        light.setColorAt(0.0, white);
        white.setAlphaF(0.0);
        light.setColorAt(1.0, white);
        p.fillPath(shape, light);
    }
    if (border.isValid()) {
        QPainterPath outline;
        outline.addRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
        p.strokePath(outline, QPen(border, 1.0));
    }
    p.restore();
}

void PaintShadowedText(QPainter& p, const QRectF& r, int flags, const QString& text, const QColor& colour,
                       const QColor& shadow) {
    p.save();
    if (shadow.isValid()) {
        p.setPen(shadow);
        p.drawText(r.translated(0, 1), flags, text);
    }
    p.setPen(colour);
    p.drawText(r, flags, text);
    p.restore();
}

void PaintGlyphAndCaption(QPainter& p, const QRectF& r, Glyph glyph, qreal glyphSize, const QString& caption,
                          const QFont& font, const QColor& colour, const QColor& accent) {
    GlyphInk ink{colour, accent, 2.0};
    if (caption.isEmpty()) {
        PaintGlyph(
            p, glyph,
            QRectF(r.center().x() - glyphSize / 2, r.center().y() - glyphSize / 2, glyphSize, glyphSize),
            ink);
        return;
    }
    const QFontMetricsF metrics(font);
    const qreal gap = glyphSize * 0.3;
    const qreal textWidth = metrics.horizontalAdvance(caption);
    const qreal total = glyphSize + gap + textWidth;
    const qreal left = r.center().x() - total / 2;
    PaintGlyph(p, glyph, QRectF(left, r.center().y() - glyphSize / 2, glyphSize, glyphSize), ink);
    p.save();
    p.setFont(font);
    QColor shadow(0, 0, 0);
    shadow.setAlphaF(0.25);
    PaintShadowedText(p, QRectF(left + glyphSize + gap, r.top(), textWidth + 2, r.height()),
                      Qt::AlignLeft | Qt::AlignVCenter, caption, colour, shadow);
    p.restore();
}

} // namespace vx7::assetgen::style
