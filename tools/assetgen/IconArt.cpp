#include "IconArt.h"

#include "Style.h"

#include "resources/ResourceCatalog.h"

#include <QPainter>

namespace vx7::assetgen {

namespace {

using namespace style;

QImage ProgramIcon(int side) {
    QImage image = NewImage(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side / 128.0;
    const QRectF tile(4 * s, 4 * s, 120 * s, 120 * s);
    PaintFace(p, tile.translated(0, 2 * s), QColor(0, 0, 0, 50), QColor(0, 0, 0, 50), 28 * s, QColor(), 0.0);
    PaintFace(p, tile, kSky, kBlue, 28 * s, Mix(kBlue, -0.2), 0.28);
    PaintGlyph(p, Glyph::Camera, tile.adjusted(17 * s, 15 * s, -17 * s, -19 * s),
               GlyphInk{QColor(255, 255, 255), kApricot, 2.1});
    // A small orange film badge: the program makes animations too.
    const QRectF badge(80 * s, 80 * s, 40 * s, 40 * s);
    PaintFace(p, badge, kApricot, kOrange, 20 * s, QColor(255, 255, 255), 0.0);
    PaintGlyph(p, Glyph::Play, badge.adjusted(7 * s, 7 * s, -7 * s, -7 * s),
               GlyphInk{QColor(255, 255, 255), QColor(255, 255, 255), 2.4});
    return image;
}

QImage SmallMark(int side, const QColor& top, const QColor& bottom, Glyph glyph, qreal weight) {
    QImage image = NewImage(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    PaintFace(p, r, top, bottom, side / 2.0, Mix(bottom, -0.2), 0.0);
    PaintGlyph(p, glyph, r.adjusted(side * 0.16, side * 0.16, -side * 0.16, -side * 0.16),
               GlyphInk{QColor(255, 255, 255), QColor(255, 255, 255), weight});
    return image;
}

QImage DropArrow(int side) {
    QImage image = NewImage(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    PaintFace(p, r, kSky, kDeep, 3.5, kNavy, 0.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    const qreal c = side / 2.0;
    p.drawPolygon(QPolygonF({QPointF(c - 4.5, c - 2.0), QPointF(c + 4.5, c - 2.0), QPointF(c, c + 3.5)}));
    return image;
}

} // namespace

QImage MakeIcon(int id) {
    int side = 0;
    for (const auto& icon : resources::kIcons)
        if (icon.id == id)
            side = icon.width;
    switch (id) {
    case 128:
        return ProgramIcon(side);
    case 152:
        return DropArrow(side);
    case 168:
        return SmallMark(side, QColor(0x4C, 0xC2, 0x7E), kGreen, Glyph::Check, 3.0);
    case 169:
        return SmallMark(side, QColor(0xEE, 0x6E, 0x69), kRed, Glyph::Cross, 3.0);
    default:
        return QImage();
    }
}

} // namespace vx7::assetgen
