#include "CursorArt.h"

#include "Glyphs.h"
#include "Style.h"

#include "resources/ResourceCatalog.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace vx7::assetgen {

namespace {

using namespace style;

// Cursors are dark pictograms with a white halo, readable over light and dark pictures alike.
const QColor kCursorInk(0x16, 0x20, 0x2A);
const QColor kHalo(255, 255, 255);
constexpr qreal kHaloWidth = 2.4;
constexpr int kSide = resources::kCursorSize;

QPointF GlyphToPixel(const QRectF& box, QPointF glyphPoint) {
    return box.topLeft() + glyphPoint * (box.width() / 24.0);
}

QPoint ToPixel(QPointF p) {
    return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

CursorPicture GlyphCursor(Glyph glyph, const QRectF& box, QPointF hotInGlyph,
                          const QColor& accent = kOrange) {
    QImage image = NewImage(kSide, kSide);
    QPainter p(&image);
    PaintGlyphWithHalo(p, glyph, box, GlyphInk{kCursorInk, accent, 2.0}, kHalo, kHaloWidth);
    return {image, ToPixel(GlyphToPixel(box, hotInGlyph))};
}

// Crosshair lines centred on pixel (cx, cy), with a gap in the middle so the pixel stays visible.
void PaintCrosshair(QPainter& p, int cx, int cy, int arm, int gap) {
    const qreal x = cx + 0.5;
    const qreal y = cy + 0.5;
    QPainterPath lines;
    lines.moveTo(x - arm, y);
    lines.lineTo(x - gap, y);
    lines.moveTo(x + gap, y);
    lines.lineTo(x + arm, y);
    lines.moveTo(x, y - arm);
    lines.lineTo(x, y - gap);
    lines.moveTo(x, y + gap);
    lines.lineTo(x, y + arm);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.strokePath(lines, QPen(kHalo, 3.0, Qt::SolidLine, Qt::SquareCap));
    p.strokePath(lines, QPen(kCursorInk, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.setRenderHint(QPainter::Antialiasing, true);
}

void PaintRing(QPainter& p, QPointF c, qreal r, const QColor& ink) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kHalo, 3.2));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(ink, 1.3));
    p.drawEllipse(c, r, r);
}

// Pointing hand: index finger up, the fingertip is the hot spot.
CursorPicture HandCursor() {
    QImage image = NewImage(kSide, kSide);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const auto rounded = [](qreal x, qreal y, qreal w, qreal h, qreal r) {
        QPainterPath path;
        path.addRoundedRect(QRectF(x, y, w, h), r, r);
        return path;
    };
    QPainterPath hand = rounded(8.5, 1.0, 5.0, 18.0, 2.5);
    hand = hand.united(rounded(13.0, 8.5, 4.8, 11.0, 2.4));
    hand = hand.united(rounded(17.4, 9.5, 4.8, 10.5, 2.4));
    hand = hand.united(rounded(21.8, 11.0, 4.4, 9.5, 2.2));
    hand = hand.united(rounded(8.5, 14.0, 17.7, 15.0, 5.0));
    QPainterPath thumb = rounded(-2.2, -2.3, 12.0, 4.6, 2.3);
    QTransform t;
    t.translate(4.0, 14.6);
    t.rotate(48.0);
    hand = hand.united(t.map(thumb));
    p.fillPath(hand, QColor(255, 255, 255));
    p.strokePath(hand, QPen(kCursorInk, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // Lines between the folded fingers.
    p.setPen(QPen(kCursorInk, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13.3, 12.0), QPointF(13.3, 18.0));
    p.drawLine(QPointF(17.6, 12.5), QPointF(17.6, 18.5));
    p.drawLine(QPointF(22.0, 14.0), QPointF(22.0, 19.0));
    return {image, QPoint(10, 1)};
}

// Standard arrow pointer with a small pictogram beside it (hot spot: the arrow's tip).
CursorPicture ArrowWith(Glyph glyph) {
    QImage image = NewImage(kSide, kSide);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1.5, 1.5);
    arrow.lineTo(1.5, 20.5);
    arrow.lineTo(6.2, 16.3);
    arrow.lineTo(9.6, 23.8);
    arrow.lineTo(12.6, 22.4);
    arrow.lineTo(9.3, 15.0);
    arrow.lineTo(15.5, 15.0);
    arrow.closeSubpath();
    p.strokePath(arrow, QPen(kHalo, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(arrow, kCursorInk);
    p.strokePath(arrow, QPen(kHalo, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    PaintGlyphWithHalo(p, glyph, QRectF(15, 15, 16, 16), GlyphInk{kBlue, kOrange, 2.6}, kHalo, 2.6);
    return {image, QPoint(1, 1)};
}

// Round brush outline of the given radius, centred on the hot spot, with a centre point.
CursorPicture BrushRing(int radius) {
    QImage image = NewImage(kSide, kSide);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(15.5, 15.5);
    PaintRing(p, c, radius + 0.5, kCursorInk);
    p.setPen(Qt::NoPen);
    p.setBrush(kHalo);
    p.drawEllipse(c, 2.0, 2.0);
    p.setBrush(kOrange);
    p.drawEllipse(c, 1.1, 1.1);
    // Size ticks outside the ring make the smallest brush as easy to see as the largest.
    for (int i = 0; i < 4; ++i) {
        const qreal a = i * 3.14159265 / 2;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF from = c + dir * (radius + 3.0);
        const QPointF to = c + dir * (radius + 6.0);
        p.setPen(QPen(kHalo, 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
        p.setPen(QPen(kCursorInk, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from, to);
    }
    return {image, QPoint(15, 15)};
}

// Make-up brush: the brush tip is the hot spot; the swatch shows whether a sample is held.
enum class Sample { Held, Painting, None };
CursorPicture MakeupBrush(Sample sample) {
    const QRectF box(-1, 5, 28, 28);
    CursorPicture c = GlyphCursor(Glyph::Brush, box, QPointF(3.9, 20.1), QColor(0xE0, 0x60, 0x7E));
    QPainter p(&c.image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF swatch(7.0, 7.0);
    p.setPen(QPen(kHalo, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(swatch, 6.0, 6.0);
    if (sample == Sample::None) {
        p.setPen(QPen(kCursorInk, 1.3, Qt::DashLine));
        p.setBrush(kHalo);
        p.drawEllipse(swatch, 6.0, 6.0);
        p.setFont(UiFont(9, true));
        p.setPen(kCursorInk);
        p.drawText(QRectF(swatch.x() - 6, swatch.y() - 6, 12, 12), Qt::AlignCenter, QStringLiteral("?"));
    } else {
        p.setPen(QPen(kCursorInk, 1.3));
        p.setBrush(QColor(0xE0, 0x60, 0x7E));
        p.drawEllipse(swatch, 6.0, 6.0);
    }
    if (sample == Sample::Painting) {
        // Motion marks beside the tip.
        p.setPen(QPen(kHalo, 3.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 26), QPointF(16, 26));
        p.drawLine(QPointF(11, 30), QPointF(20, 30));
        p.setPen(QPen(QColor(0xE0, 0x60, 0x7E), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10, 26), QPointF(16, 26));
        p.drawLine(QPointF(11, 30), QPointF(20, 30));
    }
    return c;
}

// Crosshair at the upper left with an ellipse pictogram showing the sticker's edge style.
CursorPicture StickerCursor(Glyph edge) {
    QImage image = NewImage(kSide, kSide);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintGlyphWithHalo(p, edge, QRectF(12, 12, 20, 20), GlyphInk{kCursorInk, kGold, 2.2}, kHalo, 2.4);
    PaintCrosshair(p, 8, 8, 7, 2);
    return {image, QPoint(8, 8)};
}

CursorPicture Crosshair(bool closing) {
    QImage image = NewImage(kSide, kSide);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (closing) {
        // The closing square around the first point, in the colours the canvas frames it with.
        const QRectF square(15.5 - 5.5, 15.5 - 5.5, 11, 11);
        p.setPen(QPen(kHalo, 3.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(square);
        p.setPen(QPen(QColor(0xE0, 0x9A, 0x00), 2.0));
        p.drawRect(square);
        PaintCrosshair(p, 15, 15, 14, 7);
        // Centre point: the pixel the click lands on.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(14, 14, 3, 3), kHalo);
        p.fillRect(QRect(15, 15, 1, 1), kCursorInk);
        p.setRenderHint(QPainter::Antialiasing, true);
        PaintGlyphWithHalo(p, Glyph::Check, QRectF(20, 20, 12, 12), GlyphInk{kGreen, kGreen, 3.0}, kHalo,
                           2.6);
    } else {
        PaintCrosshair(p, 15, 15, 14, 3);
    }
    return {image, QPoint(15, 15)};
}

} // namespace

CursorPicture MakeCursor(int id) {
    switch (id) {
    case 137:
        return HandCursor();
    case 149:
        return GlyphCursor(Glyph::Move, QRectF(2, 2, 28, 28), QPointF(12, 12));
    case 150:
        return GlyphCursor(Glyph::Pencil, QRectF(-3, 7, 28, 28), QPointF(4.6, 19.4));
    case 156:
        return Crosshair(false);
    case 157:
        return BrushRing(3);
    case 158:
        return BrushRing(6);
    case 159:
        return BrushRing(9);
    case 160:
        return Crosshair(true);
    case 161:
        return GlyphCursor(Glyph::Wand, QRectF(-1, 3, 28, 28), QPointF(17.0, 7.0), kGold);
    case 162: {
        CursorPicture c = GlyphCursor(Glyph::Brush, QRectF(-1, 5, 28, 28), QPointF(3.9, 20.1), kGold);
        QPainter p(&c.image);
        PaintGlyphWithHalo(p, Glyph::Sun, QRectF(17, 0, 15, 15), GlyphInk{kCursorInk, kGold, 2.4}, kHalo,
                           2.4);
        return c;
    }
    case 163:
        return MakeupBrush(Sample::Held);
    case 164:
        return MakeupBrush(Sample::Painting);
    case 165:
        return MakeupBrush(Sample::None);
    case 183:
        return StickerCursor(Glyph::Ellipse);
    case 184:
        return StickerCursor(Glyph::EllipseBright);
    case 185:
        return StickerCursor(Glyph::EllipseFeather);
    case 186:
        return GlyphCursor(Glyph::ArrowDown, QRectF(3, 3, 26, 26), QPointF(12, 12));
    case 187:
        return GlyphCursor(Glyph::ArrowLeft, QRectF(3, 3, 26, 26), QPointF(12, 12));
    case 188:
        return GlyphCursor(Glyph::ArrowRight, QRectF(3, 3, 26, 26), QPointF(12, 12));
    case 189:
        return GlyphCursor(Glyph::ArrowUp, QRectF(3, 3, 26, 26), QPointF(12, 12));
    case 190:
        return ArrowWith(Glyph::Reload);
    default:
        return {};
    }
}

} // namespace vx7::assetgen
