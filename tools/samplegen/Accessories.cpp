// The accessories of the category "饰品", drawn on the standard person.
#include "Art.h"
#include "Figure.h"
#include "Garment.h"

#include <QRandomGenerator>

#include <cmath>

namespace vx7::samplegen {
namespace {

using namespace body;

const QColor kGold(214, 172, 84);

QPointF Lobe(int side) {
    return {cx + side * (earDx - 0.5), earLobeY};
}

void Texture(Layer& layer, const QImage& tile, qreal opacity = 1.0) {
    layer.AtopDevice([&](QPainter& p) {
        p.setOpacity(opacity);
        p.fillRect(layer.Image().rect(), QBrush(tile));
    });
}

// A shiny metal stroke: dark edge, body and a light line.
void MetalLine(QPainter& p, const QPainterPath& path, const QColor& metal, qreal width) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Darker(metal, 0.45), width + 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(metal, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(Lighter(metal, 0.6), width * 0.35, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path.translated(-width * 0.15, -width * 0.2));
    p.restore();
}

void Pearl(QPainter& p, QPointF c, qreal r) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(c + QPointF(0.3, 0.5), r, r);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.4), r * 1.4);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.35, QColor(246, 240, 230));
    g.setColorAt(0.8, QColor(210, 200, 196));
    g.setColorAt(1, QColor(170, 160, 160));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.restore();
}

// Draws a piece moved by (dx, dy) canvas pixels, to seat it without reworking its shapes.
std::function<void(Layer&)> Shifted(void (*draw)(Layer&), qreal dx, qreal dy) {
    return [=](Layer& out) {
        Layer piece;
        draw(piece);
        QPainter p(&out.Image());
        p.drawImage(QPointF(dx * kScale, dy * kScale), piece.Image());
    };
}

// ---------------------------------------------------------------------------------
// Hats

void Beret(Layer& out) {
    const QColor wool(36, 34, 40);
    Layer hat;
    auto crown = [&] {
        QPainterPath p;
        p.addEllipse(QPointF(0, 0), 39, 14);
        QTransform t;
        t.translate(cx + 5, 27);
        t.rotate(-9);
        return t.map(p);
    }();
    // The band hugging the head under the crown.
    QPainterPath band;
    band.moveTo(cx - 26, 36);
    band.quadTo(QPointF(cx, 28), QPointF(cx + 27, 34));
    band.lineTo(cx + 26, 40);
    band.quadTo(QPointF(cx, 34), QPointF(cx - 25, 42));
    band.closeSubpath();
    hat.Fill(crown, wool);
    hat.Fill(band, Darker(wool, 0.8));
    ShadeSpot(hat, QPointF(cx - 6, 20), 30, 45);
    ShadeAcross(hat, QPointF(0, 12), QPointF(0, 42), {{0, 10}, {0.6, 0}, {1, -70}});
    Texture(hat, NoiseTile(64, 26, 201));
    {
        auto p = hat.Painter();
        p->setPen(QPen(QColor(20, 20, 24), 1.4, Qt::SolidLine, Qt::RoundCap));
        p->drawLine(QPointF(cx + 3, 14), QPointF(cx + 5, 9)); // the stalk
        p->setPen(QPen(QColor(0, 0, 0, 60), 0.6));
        p->setBrush(Qt::NoBrush);
        p->drawPath(crown);
    }
    hat.DrawOnto(out);
}

void PomPomBeanie(Layer& out) {
    const QColor wine(140, 36, 52);
    Layer hat;
    const QPainterPath dome = ClosedCurve({QPointF(cx - 27, 40), QPointF(cx - 24, 18), QPointF(cx, 6),
                                           QPointF(cx + 24, 18), QPointF(cx + 27, 40), QPointF(cx, 36)});
    hat.Fill(dome, wine);
    hat.AtopDevice([&](QPainter& p) { p.fillRect(hat.Image().rect(), QBrush(KnitTile(Qt::white))); });
    ShadeAcross(hat, QPointF(cx - 28, 0), QPointF(cx + 28, 0), {{0, -70}, {0.35, 30}, {1, -70}});
    Layer cuff;
    QPainterPath c;
    c.moveTo(cx - 29, 34);
    c.quadTo(QPointF(cx, 27), QPointF(cx + 29, 34));
    c.lineTo(cx + 28, 47);
    c.quadTo(QPointF(cx, 41), QPointF(cx - 28, 47));
    c.closeSubpath();
    cuff.Fill(c, Darker(wine, 0.92));
    cuff.Atop([&](QPainter& p) {
        for (qreal x = cx - 30; x <= cx + 30; x += 2.4) {
            p.setPen(QPen(QColor(0, 0, 0, 70), 0.9));
            p.drawLine(QPointF(x, 28), QPointF(x + (x - cx) * 0.03, 48));
            p.setPen(QPen(QColor(255, 255, 255, 40), 0.6));
            p.drawLine(QPointF(x + 1.1, 28), QPointF(x + 1.1 + (x - cx) * 0.03, 48));
        }
    });
    ShadeAcross(cuff, QPointF(cx - 29, 0), QPointF(cx + 29, 0), {{0, -70}, {0.35, 25}, {1, -70}});
    cuff.ShadowOnto(hat, QPointF(0, -1.5), 2, 90);
    cuff.DrawOnto(hat);
    {
        // The pompom: many short fibres around a soft ball.
        auto p = hat.Painter();
        QRandomGenerator rng(202);
        const QPointF centre(cx, 4);
        for (int i = 0; i < 1400; ++i) {
            const qreal a = rng.generateDouble() * 2 * M_PI;
            const qreal r = 10 * std::sqrt(rng.generateDouble());
            const QPointF from = centre + QPointF(std::cos(a) * r * 0.3, std::sin(a) * r * 0.3);
            const QPointF to = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
            const qreal lit = 0.5 + 0.5 * (-(std::cos(a) + std::sin(a)) / 1.4) * (r / 10);
            QColor col = Mix(Darker(wine, 0.6), Lighter(wine, 0.35), std::clamp(lit, 0.0, 1.0));
            col.setAlpha(200);
            p->setPen(QPen(col, 0.55, Qt::SolidLine, Qt::RoundCap));
            p->drawLine(from, to);
        }
    }
    hat.DrawOnto(out);
}

void WideBrimHat(Layer& out) {
    const QColor felt(176, 136, 92);
    Layer brimBack, crownL, brimFront;
    const QPainterPath brim = [&] {
        QPainterPath p;
        p.addEllipse(QPointF(cx, 33), 54, 11);
        return p;
    }();
    brimBack.Fill(brim, Darker(felt, 0.85));
    ShadeAcross(brimBack, QPointF(0, 22), QPointF(0, 44), {{0, -40}, {0.5, 10}, {1, -60}});
    Texture(brimBack, NoiseTile(64, 14, 203));
    QPainterPath crown;
    crown.moveTo(cx - 27, 34);
    crown.cubicTo(QPointF(cx - 29, 14), QPointF(cx - 24, 2), QPointF(cx - 10, 4));
    crown.quadTo(QPointF(cx, 9), QPointF(cx + 10, 4));
    crown.cubicTo(QPointF(cx + 24, 2), QPointF(cx + 29, 14), QPointF(cx + 27, 34));
    crown.quadTo(QPointF(cx, 38), QPointF(cx - 27, 34));
    crownL.Fill(crown, felt);
    ShadeAcross(crownL, QPointF(cx - 28, 0), QPointF(cx + 28, 0), {{0, -70}, {0.3, 25}, {0.6, 0}, {1, -80}});
    Fold(crownL, Curve({QPointF(cx - 3, 8), QPointF(cx, 18), QPointF(cx + 1, 24)}), 2.0, 70, 40);
    Texture(crownL, NoiseTile(64, 14, 204));
    {
        // Ribbon band with a flat bow.
        auto p = crownL.Painter();
        QPainterPath ribbon;
        ribbon.moveTo(cx - 27.5, 27);
        ribbon.quadTo(QPointF(cx, 31), QPointF(cx + 27.5, 27));
        ribbon.lineTo(cx + 27, 34);
        ribbon.quadTo(QPointF(cx, 38), QPointF(cx - 27, 34));
        ribbon.closeSubpath();
        QLinearGradient g(0, 27, 0, 36);
        g.setColorAt(0, QColor(60, 40, 30));
        g.setColorAt(0.4, QColor(40, 26, 20));
        g.setColorAt(1, QColor(20, 12, 10));
        p->setPen(Qt::NoPen);
        p->setBrush(g);
        p->drawPath(ribbon);
        p->drawPath(ClosedCurve({QPointF(cx + 16, 31), QPointF(cx + 24, 26), QPointF(cx + 25, 36)}));
    }
    // The front half of the brim lies over the face's top and the crown's base.
    QPainterPath front;
    front.moveTo(cx - 54, 33);
    front.quadTo(QPointF(cx, 46), QPointF(cx + 54, 33));
    front.quadTo(QPointF(cx + 40, 44), QPointF(cx, 44.5));
    front.quadTo(QPointF(cx - 40, 44), QPointF(cx - 54, 33));
    brimFront.Fill(brim.subtracted([&] {
        QPainterPath up;
        up.addRect(QRectF(cx - 60, 0, 120, 33));
        return up;
    }()),
                   felt);
    ShadeAcross(brimFront, QPointF(cx - 54, 0), QPointF(cx + 54, 0), {{0, -50}, {0.35, 20}, {1, -60}});
    Texture(brimFront, NoiseTile(64, 14, 205));
    crownL.ShadowOnto(brimBack, QPointF(3, 2), 3, 120);
    brimBack.DrawOnto(out);
    crownL.DrawOnto(out);
    brimFront.DrawOnto(out);
}

// ---------------------------------------------------------------------------------
// Glasses

void Lens(QPainter& p, const QPainterPath& shape, const QColor& tint, int alpha) {
    QColor top = tint, bottom = Lighter(tint, 0.3);
    top.setAlpha(alpha);
    bottom.setAlpha(alpha * 2 / 3);
    const QRectF r = shape.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillPath(shape, g);
    // A reflection across the upper part.
    p.save();
    p.setClipPath(shape);
    QPainterPath glint;
    glint.moveTo(r.left() + r.width() * 0.15, r.bottom());
    glint.lineTo(r.left() + r.width() * 0.45, r.top());
    glint.lineTo(r.left() + r.width() * 0.62, r.top());
    glint.lineTo(r.left() + r.width() * 0.32, r.bottom());
    glint.closeSubpath();
    p.fillPath(glint, QColor(255, 255, 255, 55));
    p.restore();
}

void BlackFrameGlasses(Layer& out) {
    Layer g;
    auto p = g.Painter();
    for (int side : {-1, 1}) {
        const QPointF c(cx + side * eyeDx, eyeY + 1);
        QPainterPath lens;
        lens.addRoundedRect(QRectF(c.x() - 9, c.y() - 6.5, 18, 13), 4.5, 4.5);
        Lens(*p, lens, QColor(200, 220, 235), 40);
        p->setBrush(Qt::NoBrush);
        p->setPen(QPen(QColor(14, 14, 16), 2.2));
        p->drawPath(lens);
        p->setPen(QPen(QColor(255, 255, 255, 70), 0.6));
        p->drawArc(QRectF(c.x() - 8.6, c.y() - 6.2, 17.2, 12.4), 40 * 16, 100 * 16);
        // Temples running back to the ears.
        p->setPen(QPen(QColor(14, 14, 16), 1.8, Qt::SolidLine, Qt::RoundCap));
        p->drawLine(QPointF(c.x() + side * 9, c.y() - 4), QPointF(cx + side * (earDx - 1), earY - 5));
    }
    p->setPen(QPen(QColor(14, 14, 16), 1.8));
    p->setBrush(Qt::NoBrush);
    QPainterPath bridge;
    bridge.moveTo(cx - 1.5, eyeY - 2);
    bridge.quadTo(QPointF(cx, eyeY - 4), QPointF(cx + 1.5, eyeY - 2));
    p->drawPath(bridge);
    p.reset();
    g.DrawOnto(out);
}

void RoundGoldGlasses(Layer& out) {
    Layer g;
    auto p = g.Painter();
    for (int side : {-1, 1}) {
        const QPointF c(cx + side * (eyeDx + 0.5), eyeY + 1);
        QPainterPath lens;
        lens.addEllipse(c, 8, 8);
        Lens(*p, lens, QColor(230, 220, 200), 30);
        MetalLine(*p, lens, kGold, 0.9);
        MetalLine(*p,
                  Curve({QPointF(c.x() + side * 8, c.y() - 2), QPointF(cx + side * (earDx - 1), earY - 5)}),
                  kGold, 0.8);
        p->setPen(QPen(QColor(255, 255, 255, 120), 0.5));
        p->setBrush(QColor(255, 255, 255, 60));
        p->drawEllipse(QPointF(cx + side * 3.5, eyeY + 5), 1.1, 1.6); // nose pads
    }
    MetalLine(*p, Curve({QPointF(cx - 3, eyeY - 1), QPointF(cx, eyeY - 3), QPointF(cx + 3, eyeY - 1)}), kGold,
              0.9);
    p.reset();
    g.DrawOnto(out);
}

void CatEyeSunglasses(Layer& out) {
    Layer g;
    auto p = g.Painter();
    const QColor shell(70, 40, 24);
    for (int side : {-1, 1}) {
        const qreal o = side;
        const QPainterPath lens = ClosedCurve(
            {QPointF(cx + o * 2.5, eyeY - 3), QPointF(cx + o * 10, eyeY - 6.5),
             QPointF(cx + o * 20, eyeY - 8), QPointF(cx + o * 21, eyeY - 3), QPointF(cx + o * 17, eyeY + 6),
             QPointF(cx + o * 9, eyeY + 7.5), QPointF(cx + o * 3, eyeY + 3)});
        QLinearGradient lg(0, eyeY - 8, 0, eyeY + 8);
        lg.setColorAt(0, QColor(30, 18, 14, 235));
        lg.setColorAt(1, QColor(110, 70, 50, 190));
        p->fillPath(lens, lg);
        p->save();
        p->setClipPath(lens);
        p->fillRect(QRectF(cx + o * 5, eyeY - 9, o * 4, 18), QColor(255, 255, 255, 40));
        p->restore();
        // Tortoiseshell frame: brown with darker speckles.
        QPen frame(shell, 2.2);
        frame.setJoinStyle(Qt::RoundJoin);
        p->setPen(frame);
        p->setBrush(Qt::NoBrush);
        p->drawPath(lens);
        QRandomGenerator rng(side < 0 ? 211 : 212);
        for (int i = 0; i < 40; ++i) {
            const QPointF at = lens.pointAtPercent(rng.generateDouble());
            p->setPen(Qt::NoPen);
            p->setBrush(QColor(rng.bounded(2) ? 30 : 150, rng.bounded(2) ? 16 : 96, 10, 200));
            p->drawEllipse(at, 0.7, 0.7);
        }
        p->setPen(QPen(shell, 1.8, Qt::SolidLine, Qt::RoundCap));
        p->drawLine(QPointF(cx + o * 21, eyeY - 5), QPointF(cx + o * (earDx - 1), earY - 5));
    }
    p->setPen(QPen(shell, 2.0));
    p->drawLine(QPointF(cx - 3, eyeY - 3), QPointF(cx + 3, eyeY - 3));
    p.reset();
    g.DrawOnto(out);
}

// ---------------------------------------------------------------------------------
// Earrings

void PearlStuds(Layer& out) {
    auto p = out.Painter();
    for (int side : {-1, 1}) {
        MetalLine(*p, Curve({Lobe(side), Lobe(side) + QPointF(0, 3)}), kGold, 0.6);
        Pearl(*p, Lobe(side), 2.4);
        Pearl(*p, Lobe(side) + QPointF(0, 6), 2.9);
    }
}

void GoldHoops(Layer& out) {
    auto p = out.Painter();
    for (int side : {-1, 1}) {
        QPainterPath hoop;
        hoop.addEllipse(QPointF(Lobe(side).x() + side * 0.5, Lobe(side).y() + 7.5), 6.2, 8);
        MetalLine(*p, hoop, kGold, 1.4);
    }
}

void TasselEarrings(Layer& out) {
    auto p = out.Painter();
    QRandomGenerator rng(221);
    for (int side : {-1, 1}) {
        const QPointF top = Lobe(side);
        MetalLine(*p, Curve({top, top + QPointF(0, 3)}), kGold, 0.7);
        p->setPen(Qt::NoPen);
        QRadialGradient bead(top + QPointF(-0.6, 3.8), 2.6);
        bead.setColorAt(0, QColor(255, 240, 200));
        bead.setColorAt(1, Darker(kGold, 0.7));
        p->setBrush(bead);
        p->drawEllipse(top + QPointF(0, 4.5), 2.0, 2.0);
        // Silk threads fanning out below a gold cap.
        for (int i = 0; i < 40; ++i) {
            const qreal dx = rng.generateDouble() * 5 - 2.5;
            const QColor silk = Mix(QColor(150, 20, 40), QColor(220, 60, 80), rng.generateDouble());
            p->setPen(QPen(silk, 0.45, Qt::SolidLine, Qt::RoundCap));
            p->drawLine(top + QPointF(dx * 0.3, 8), top + QPointF(dx, 22 + rng.generateDouble() * 2));
        }
        p->setPen(Qt::NoPen);
        QLinearGradient cap(top.x() - 2, 0, top.x() + 2, 0);
        cap.setColorAt(0, Lighter(kGold, 0.3));
        cap.setColorAt(1, Darker(kGold, 0.6));
        p->setBrush(cap);
        p->drawRoundedRect(QRectF(top.x() - 1.8, top.y() + 6.2, 3.6, 3.4), 1, 1);
    }
}

// ---------------------------------------------------------------------------------
// Necklaces

QPointF NecklacePoint(qreal t, qreal depth, qreal half) {
    // t in 0..1 from the left side of the neck to the right; a soft U under the throat.
    const qreal a = M_PI * t;
    return QPointF(cx - half * std::cos(a), 100 + depth * std::pow(std::sin(a), 1.6));
}

void PearlNecklace(Layer& out) {
    auto p = out.Painter();
    const int n = 17;
    for (int i = 0; i < n; ++i)
        Pearl(*p, NecklacePoint((i + 0.5) / n, 20, 19), 2.2);
}

void GoldHeartChain(Layer& out) {
    auto p = out.Painter();
    QPainterPath chain;
    chain.moveTo(NecklacePoint(0, 16, 17));
    for (int i = 1; i <= 40; ++i)
        chain.lineTo(NecklacePoint(i / 40.0, 16, 17));
    QPen links(kGold, 0.9, Qt::DotLine, Qt::RoundCap);
    p->setPen(QPen(Darker(kGold, 0.5), 1.1));
    p->drawPath(chain);
    p->setPen(links);
    p->drawPath(chain);
    // The heart pendant.
    const QPointF c = NecklacePoint(0.5, 16, 17) + QPointF(0, 4.5);
    QPainterPath heart;
    heart.moveTo(c + QPointF(0, 4));
    heart.cubicTo(c + QPointF(-6, -1), c + QPointF(-3, -6), c + QPointF(0, -2.5));
    heart.cubicTo(c + QPointF(3, -6), c + QPointF(6, -1), c + QPointF(0, 4));
    QRadialGradient g(c + QPointF(-1.5, -2), 5);
    g.setColorAt(0, QColor(255, 244, 210));
    g.setColorAt(0.5, kGold);
    g.setColorAt(1, Darker(kGold, 0.55));
    p->setPen(QPen(Darker(kGold, 0.5), 0.4));
    p->setBrush(g);
    p->drawPath(heart);
    MetalLine(*p, Curve({c + QPointF(0, -4.5), c + QPointF(0, -2.5)}), kGold, 0.6);
}

void CrystalPendant(Layer& out) {
    auto p = out.Painter();
    // A long fine chain falling to the breastbone.
    QPainterPath chain;
    chain.moveTo(cx - 18, 100);
    chain.cubicTo(QPointF(cx - 16, 130), QPointF(cx - 6, 152), QPointF(cx, 156));
    chain.cubicTo(QPointF(cx + 6, 152), QPointF(cx + 16, 130), QPointF(cx + 18, 100));
    p->setPen(QPen(QColor(120, 120, 130), 0.9));
    p->setBrush(Qt::NoBrush);
    p->drawPath(chain);
    p->setPen(QPen(QColor(235, 235, 240), 0.6, Qt::DotLine));
    p->drawPath(chain);
    // A faceted drop: a few triangles of light and shade.
    const QPointF top(cx, 158), tip(cx, 178);
    const QPointF l(cx - 6, 166), r(cx + 6, 166), m(cx, 164);
    const QColor facets[] = {QColor(190, 220, 250, 230), QColor(120, 160, 220, 230),
                             QColor(230, 245, 255, 240), QColor(80, 120, 190, 230)};
    p->setPen(QPen(QColor(255, 255, 255, 160), 0.35));
    p->setBrush(facets[0]);
    p->drawPolygon(QPolygonF({top, l, m}));
    p->setBrush(facets[2]);
    p->drawPolygon(QPolygonF({top, m, r}));
    p->setBrush(facets[1]);
    p->drawPolygon(QPolygonF({l, m, tip}));
    p->setBrush(facets[3]);
    p->drawPolygon(QPolygonF({m, r, tip}));
    MetalLine(*p, Curve({QPointF(cx, 155), QPointF(cx, 158.5)}), QColor(200, 200, 210), 0.9);
    p->setPen(Qt::NoPen);
    p->setBrush(QColor(255, 255, 255, 220));
    p->drawEllipse(QPointF(cx - 1.8, 163), 0.9, 0.9);
}

// ---------------------------------------------------------------------------------
// Scarves

void PlaidScarf(Layer& out) {
    const QColor camel(190, 150, 100);
    auto plaid = [](Layer& l) {
        l.Atop([&](QPainter& p) {
            for (qreal v = -100; v < 700; v += 12) {
                p.fillRect(QRectF(v, -100, 4, 900), QColor(120, 30, 30, 110));
                p.fillRect(QRectF(-100, v, 900, 4), QColor(120, 30, 30, 110));
                p.fillRect(QRectF(v + 7, -100, 1, 900), QColor(30, 30, 30, 120));
                p.fillRect(QRectF(-100, v + 7, 900, 1), QColor(30, 30, 30, 120));
                p.fillRect(QRectF(v + 9.5, -100, 0.6, 900), QColor(250, 250, 240, 150));
                p.fillRect(QRectF(-100, v + 9.5, 900, 0.6), QColor(250, 250, 240, 150));
            }
        });
    };
    // Two hanging ends, then the loop around the neck over them.
    Layer ends;
    ends.Fill(ClosedCurve({QPointF(cx - 20, 112), QPointF(cx - 2, 112), QPointF(cx + 2, 170),
                           QPointF(cx, 226), QPointF(cx - 22, 228), QPointF(cx - 20, 170)}),
              camel);
    ends.Fill(ClosedCurve({QPointF(cx + 4, 114), QPointF(cx + 22, 112), QPointF(cx + 26, 160),
                           QPointF(cx + 30, 206), QPointF(cx + 10, 210), QPointF(cx + 6, 160)}),
              Darker(camel, 0.92));
    plaid(ends);
    ShadeAcross(ends, QPointF(cx - 24, 0), QPointF(cx + 30, 0),
                {{0, -60}, {0.3, 15}, {0.45, -50}, {0.55, 0}, {1, -60}});
    Fold(ends, Curve({QPointF(cx - 12, 120), QPointF(cx - 10, 170), QPointF(cx - 12, 222)}), 2.4, 60, 30);
    Fold(ends, Curve({QPointF(cx + 14, 120), QPointF(cx + 18, 160), QPointF(cx + 20, 206)}), 2.4, 60, 30);
    {
        // Fringes.
        auto p = ends.Painter();
        for (qreal x = -21; x <= -1; x += 1.4) {
            p->setPen(QPen(Darker(camel, 0.85), 0.7, Qt::SolidLine, Qt::RoundCap));
            p->drawLine(QPointF(cx + x, 226 + (x + 11) * 0.02),
                        QPointF(cx + x + 0.3, 234 + std::fmod(std::abs(x) * 7, 3.0)));
        }
        for (qreal x = 10; x <= 30; x += 1.4) {
            p->setPen(QPen(Darker(camel, 0.78), 0.7, Qt::SolidLine, Qt::RoundCap));
            const qreal y = 206 + (x - 10) * -0.2 + 3;
            p->drawLine(QPointF(cx + x, y), QPointF(cx + x + 0.4, y + 7 + std::fmod(x * 5, 2.5)));
        }
    }
    Layer loop;
    loop.Fill(
        ClosedCurve({QPointF(cx - 30, 100), QPointF(cx - 18, 88), QPointF(cx, 92), QPointF(cx + 18, 88),
                     QPointF(cx + 30, 100), QPointF(cx + 26, 118), QPointF(cx, 126), QPointF(cx - 26, 118)}),
        camel);
    plaid(loop);
    ShadeAcross(loop, QPointF(0, 88), QPointF(0, 126), {{0, 10}, {0.5, 20}, {1, -60}});
    ShadeAcross(loop, QPointF(cx - 30, 0), QPointF(cx + 30, 0), {{0, -60}, {0.35, 15}, {1, -60}});
    for (int k = 0; k < 3; ++k)
        Fold(loop,
             Curve({QPointF(cx - 24 + k * 3, 100 + k * 7), QPointF(cx, 106 + k * 7),
                    QPointF(cx + 24 - k * 3, 100 + k * 7)}),
             1.6, 60, 35, QPointF(0, -1.5));
    loop.ShadowOnto(ends, QPointF(0, 2.5), 3, 130);
    ends.DrawOnto(out);
    loop.DrawOnto(out);
}

// ---------------------------------------------------------------------------------
// Bags

void ChainBag(Layer& out) {
    const QColor leather(28, 26, 30);
    Layer bag;
    {
        auto p = bag.Painter();
        // The chain strap across the body, from the far shoulder to the hip.
        QPainterPath strap;
        strap.moveTo(cx - 42, 108);
        strap.cubicTo(QPointF(cx - 20, 150), QPointF(cx + 20, 200), QPointF(cx + 34, 226));
        p->setPen(QPen(Darker(kGold, 0.5), 2.4));
        p->drawPath(strap);
        QPen links(kGold, 2.0, Qt::CustomDashLine, Qt::RoundCap);
        links.setDashPattern({1.0, 0.6});
        p->setPen(links);
        p->drawPath(strap);
        p->setPen(QPen(QColor(255, 240, 200), 0.5, Qt::CustomDashLine));
        p->drawPath(strap.translated(-0.4, -0.4));
    }
    Layer body;
    body.Fill(
        [&] {
            QPainterPath b;
            b.addRoundedRect(QRectF(cx + 22, 226, 44, 30), 4, 4);
            return b;
        }(),
        leather);
    // Diamond quilting.
    body.Atop([&](QPainter& p) {
        for (qreal k = -60; k < 60; k += 8) {
            for (int dir : {-1, 1}) {
                const QPointF a(cx + 44 + k, 226), b(cx + 44 + k + dir * 30, 256);
                p.setPen(QPen(QColor(0, 0, 0, 160), 0.8));
                p.drawLine(a, b);
                p.setPen(QPen(QColor(255, 255, 255, 40), 0.6));
                p.drawLine(a + QPointF(0.8, 0), b + QPointF(0.8, 0));
            }
        }
    });
    ShadeAcross(body, QPointF(cx + 22, 0), QPointF(cx + 66, 0), {{0, -40}, {0.3, 30}, {1, -50}});
    ShadeAcross(body, QPointF(0, 226), QPointF(0, 256), {{0, 20}, {1, -40}});
    {
        auto p = body.Painter();
        // Flap edge and a gold clasp.
        p->setPen(QPen(QColor(0, 0, 0, 200), 0.8));
        p->drawLine(QPointF(cx + 23, 244), QPointF(cx + 65, 244));
        p->setPen(QPen(Darker(kGold, 0.5), 0.5));
        QLinearGradient g(cx + 40, 241, cx + 48, 248);
        g.setColorAt(0, QColor(255, 240, 200));
        g.setColorAt(1, Darker(kGold, 0.6));
        p->setBrush(g);
        p->drawRoundedRect(QRectF(cx + 40, 241, 8, 6), 1.5, 1.5);
    }
    bag.DrawOnto(out);
    body.DrawOnto(out);
}

void CamelTote(Layer& out) {
    const QColor tan(170, 112, 64);
    const QPointF hand = Wrist(1) + QPointF(1, 18);
    Layer handles;
    {
        auto p = handles.Painter();
        for (qreal dx : {-12.0, 12.0}) {
            QPainterPath h;
            h.moveTo(hand.x() + dx, 300);
            h.cubicTo(QPointF(hand.x() + dx * 0.8, 284), QPointF(hand.x() + dx * 0.2, hand.y() - 4),
                      QPointF(hand.x(), hand.y() - 2));
            p->setPen(QPen(Darker(tan, 0.6), 3.4, Qt::SolidLine, Qt::RoundCap));
            p->drawPath(h);
            p->setPen(QPen(tan, 2.4, Qt::SolidLine, Qt::RoundCap));
            p->drawPath(h);
        }
    }
    Layer bag;
    const QPainterPath shape = Polygon({QPointF(hand.x() - 24, 298), QPointF(hand.x() + 24, 298),
                                        QPointF(hand.x() + 29, 340), QPointF(hand.x() - 29, 340)});
    bag.Fill(shape, tan);
    Texture(bag, NoiseTile(64, 16, 231));
    ShadeAcross(bag, QPointF(hand.x() - 29, 0), QPointF(hand.x() + 29, 0),
                {{0, -60}, {0.3, 25}, {0.6, 0}, {1, -70}});
    ShadeAcross(bag, QPointF(0, 298), QPointF(0, 340), {{0, 25}, {0.15, 0}, {1, -45}});
    Fold(bag, Curve({QPointF(hand.x() - 10, 300), QPointF(hand.x() - 12, 320), QPointF(hand.x() - 10, 338)}),
         2.2, 40, 30);
    {
        auto p = bag.Painter();
        Stitches(*p, Curve({QPointF(hand.x() - 23, 301.5), QPointF(hand.x() + 23, 301.5)}),
                 QColor(240, 226, 200), 0.5);
        Stitches(*p, Curve({QPointF(hand.x() - 27.5, 336.5), QPointF(hand.x() + 27.5, 336.5)}),
                 QColor(240, 226, 200), 0.5);
        for (qreal dx : {-12.0, 12.0})
            MetalStud(*p, QPointF(hand.x() + dx, 302.5), 1.6, kGold);
    }
    handles.DrawOnto(out);
    bag.DrawOnto(out);
}

} // namespace

std::vector<Art> Accessories() {
    return {
        {QStringLiteral("黑色羊毛贝雷帽"), Shifted(Beret, 0, 2)},
        {QStringLiteral("酒红色毛球针织帽"), PomPomBeanie},
        {QStringLiteral("驼色宽檐礼帽"), Shifted(WideBrimHat, 0, 5)},
        {QStringLiteral("黑框眼镜"), BlackFrameGlasses},
        {QStringLiteral("金属圆框眼镜"), RoundGoldGlasses},
        {QStringLiteral("茶色猫眼墨镜"), CatEyeSunglasses},
        {QStringLiteral("珍珠耳坠"), PearlStuds},
        {QStringLiteral("金色大圈耳环"), GoldHoops},
        {QStringLiteral("红色流苏耳环"), TasselEarrings},
        {QStringLiteral("珍珠项链"), PearlNecklace},
        {QStringLiteral("金色爱心锁骨链"), GoldHeartChain},
        {QStringLiteral("水晶长款吊坠"), CrystalPendant},
        {QStringLiteral("格纹羊绒围巾"), PlaidScarf},
        {QStringLiteral("黑色菱格链条包"), ChainBag},
        {QStringLiteral("驼色手提包"), CamelTote},
    };
}

} // namespace vx7::samplegen
