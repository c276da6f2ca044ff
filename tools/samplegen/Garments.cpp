// The clothing of the category "秋冬新款女装", drawn on the standard person.
#include "Art.h"
#include "Figure.h"
#include "Garment.h"

#include <QRandomGenerator>

#include <cmath>

namespace vx7::samplegen {
namespace {

using namespace body;

void Texture(Layer& layer, const QImage& tile, qreal opacity = 1.0) {
    layer.AtopDevice([&](QPainter& p) {
        p.setOpacity(opacity);
        p.fillRect(layer.Image().rect(), QBrush(tile));
    });
}

// Notched lapels of an open coat: each folds back along the roll line from the neck
// corner to the break point, with the collar above the notch.
void Lapels(Layer& layer, const TopShape& t, const QColor& colour, qreal breakY, qreal width) {
    for (int side : {-1, 1}) {
        const QPointF corner = side < 0 ? t.neckL : t.neckR;
        const QPointF breakPt(cx + side * 1, breakY);
        const QPointF peak(cx + side * width, 121);
        const QPointF notch = peak + QPointF(-side * 6, -5);
        const QPointF collarPt(corner.x() + side * 13, 112);
        QPainterPath lapel;
        lapel.moveTo(corner + QPointF(0, -1));
        lapel.quadTo(QPointF(corner.x() - side * 2, (corner.y() + breakY) / 2), breakPt);
        lapel.quadTo(QPointF(cx + side * (width * 0.95), breakY - 30), peak);
        lapel.lineTo(notch);
        lapel.lineTo(collarPt);
        lapel.quadTo(QPointF(corner.x() + side * 9, 99), corner + QPointF(side * 1, -3));
        lapel.closeSubpath();
        Layer piece;
        piece.Fill(lapel, colour);
        ShadeAcross(piece, QPointF(cx + side * 6, 0), QPointF(cx + side * width, 0),
                    {{0, -45}, {0.35, 28}, {1, -5}});
        ShadeAcross(piece, QPointF(0, 100), QPointF(0, breakY), {{0, 0}, {0.8, 0}, {1, -40}});
        piece.ShadowOnto(layer, QPointF(side * 1.5, 1.5), 3, 120);
        {
            auto p = piece.Painter();
            p->setBrush(Qt::NoBrush);
            p->setPen(QPen(Darker(colour, 0.55), 0.6));
            p->drawPath(lapel);
            Stitches(
                *p,
                Curve({notch + QPointF(side * 1, 3), peak + QPointF(-side * 3, 4),
                       QPointF(cx + side * (width * 0.8), breakY - 30), breakPt + QPointF(side * 3, -6)}),
                Darker(colour, 0.65), 0.5, 1.6, 1.2);
        }
        piece.DrawOnto(layer);
    }
}

void FlapPocket(QPainter& p, QPointF centre, qreal w, qreal h, const QColor& colour, qreal tilt) {
    p.save();
    p.translate(centre);
    p.rotate(tilt);
    const QRectF r(-w / 2, 0, w, h);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(r.translated(0.6, 1.2), 1.5, 1.5);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, Lighter(colour, 0.08));
    g.setColorAt(1, Darker(colour, 0.8));
    p.setBrush(g);
    p.drawRoundedRect(r, 1.5, 1.5);
    Stitches(
        p,
        [&] {
            QPainterPath s;
            s.addRoundedRect(r.adjusted(1.3, 1.3, -1.3, -1.3), 1, 1);
            return s;
        }(),
        Darker(colour, 0.6));
    p.restore();
}

void CamelCoat(Layer& out) {
    const QColor camel(196, 148, 96);
    TopParams s;
    s.ease = 9;
    s.waistHalf = 42;
    s.hipHalf = 62;
    s.hemY = 372;
    s.hemHalf = 70;
    s.sleeveT = 1.02;
    s.sleeveOut = 8;
    s.sleeveIn = 5;
    s.cuffFlare = 1;
    s.neckHalf = 15;
    s.neckY = 99;
    s.neckDepth = 178;
    const TopShape t = BuildTop(s);

    Layer back;
    PaintBackNeck(back, t, camel);

    Layer body;
    body.Fill(t.body, camel);
    ShadeBody(body, cx - 72, cx + 72, 100, 372, 80);
    Texture(body, NoiseTile(64, 18, 11));
    // Princess seams and the drape of the skirt of the coat.
    for (int side : {-1, 1}) {
        const QPainterPath seam = Curve({QPointF(cx + side * 33, 128), QPointF(cx + side * 27, 200),
                                         QPointF(cx + side * 36, 280), QPointF(cx + side * 44, 370)});
        {
            auto p = body.Painter();
            p->setPen(QPen(Darker(camel, 0.72), 0.6));
            p->drawPath(seam);
        }
        Fold(body, seam, 1.6, 35, 30, QPointF(side * 1.2, 0));
        Fold(
            body,
            Curve({QPointF(cx + side * 20, 215), QPointF(cx + side * 24, 290), QPointF(cx + side * 30, 368)}),
            2.8, 45, 35, QPointF(side * 2.2, 0));
        Fold(
            body,
            Curve({QPointF(cx + side * 52, 220), QPointF(cx + side * 55, 300), QPointF(cx + side * 61, 368)}),
            3.2, 50, 30, QPointF(-side * 2.4, 0));
    }
    // The overlapping front edge of the double-breasted closure.
    {
        QPainterPath edge;
        edge.moveTo(cx + 1, 178);
        edge.quadTo(QPointF(cx + 15, 184), QPointF(cx + 15, 200));
        edge.lineTo(cx + 16, 374);
        Fold(body, edge.translated(2, 0), 2.2, 70);
        auto p = body.Painter();
        p->setPen(QPen(Darker(camel, 0.5), 0.8));
        p->drawPath(edge);
        Stitches(*p, edge.translated(-2.2, 0), Darker(camel, 0.62));
        Stitches(*p, Curve({QPointF(t.hemL.x() + 2, 367), QPointF(cx, 370.5), QPointF(t.hemR.x() - 2, 367)}),
                 Darker(camel, 0.62));
        for (int row = 0; row < 3; ++row)
            for (qreal x : {cx - 9.0, cx + 7.0})
                Button(*p, QPointF(x, 192 + row * 27), 3.4, QColor(92, 62, 40));
        for (int side : {-1, 1})
            FlapPocket(*p, QPointF(cx + side * 38, 262), 26, 9, camel, side * -4);
    }
    // A tie belt at the waist, knotted at the front.
    {
        Layer belt;
        belt.Fill(Polygon({QPointF(cx - 46, 198), QPointF(cx + 46, 198), QPointF(cx + 45, 209),
                           QPointF(cx - 45, 209)}),
                  camel);
        belt.Fill(ClosedCurve({QPointF(cx + 4, 204), QPointF(cx + 10, 210), QPointF(cx + 8, 250),
                               QPointF(cx + 3, 252), QPointF(cx + 1, 212)}),
                  camel);
        belt.Fill(ClosedCurve({QPointF(cx + 10, 206), QPointF(cx + 16, 212), QPointF(cx + 21, 240),
                               QPointF(cx + 16, 243), QPointF(cx + 9, 214)}),
                  Darker(camel, 0.92));
        belt.Fill(QPainterPath([&] {
                      QPainterPath k;
                      k.addEllipse(QPointF(cx + 7, 204), 6, 5.5);
                      return k;
                  }()),
                  camel);
        ShadeAcross(belt, QPointF(0, 198), QPointF(0, 210), {{0, 25}, {0.5, 0}, {1, -50}});
        ShadeSpot(belt, QPointF(cx + 7, 203), 6, -30);
        Texture(belt, NoiseTile(64, 18, 12));
        {
            auto p = belt.Painter();
            Stitches(*p, Curve({QPointF(cx - 45, 200), QPointF(cx + 45, 200)}), Darker(camel, 0.6));
            Stitches(*p, Curve({QPointF(cx - 45, 207), QPointF(cx + 45, 207)}), Darker(camel, 0.6));
        }
        belt.ShadowOnto(body, QPointF(0, 2), 3, 120);
        // Gathered cloth above and below the belt.
        for (int k = -3; k <= 3; ++k) {
            const qreal x = cx + k * 11 + (k > 0 ? 4 : -4);
            Fold(body, Curve({QPointF(x, 185), QPointF(x + 1, 197)}), 1.4, 40, 25);
            Fold(body, Curve({QPointF(x, 210), QPointF(x - 1, 226)}), 1.4, 40, 25);
        }
        belt.DrawOnto(body);
    }
    Lapels(body, t, camel, 178, 30);

    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, camel);
        Texture(sl, NoiseTile(64, 18, 13));
        {
            // A cuff tab with a button.
            const int i = SideIndex(side);
            auto p = sl.Painter();
            const QPointF d = ForearmDirection(side);
            const QPointF a = t.cuffOut[i] - d * 12, b = t.cuffIn[i] - d * 12;
            p->setPen(QPen(Darker(camel, 0.6), 0.7));
            p->drawLine(a, b);
            Stitches(*p, Curve({t.cuffOut[i] - d * 2, t.cuffIn[i] - d * 2}), Darker(camel, 0.6));
            Button(*p, (a * 0.3 + b * 0.7) - d * 6, 2.2, QColor(92, 62, 40));
        }
        sl.ShadowOnto(body, QPointF(-side * 1.5, 2), 5, 110);
        sl.DrawOnto(sleeves);
    }

    back.DrawOnto(out);
    body.DrawOnto(out);
    sleeves.DrawOnto(out);
}

// ---------------------------------------------------------------------------------
// Shared pieces

// Vertical ribbing (cuffs, hems, collars): alternating soft light and dark lines.
void Ribs(Layer& layer, qreal left, qreal right, qreal top, qreal bottom, qreal pitch, qreal slant = 0) {
    layer.Atop([&](QPainter& p) {
        for (qreal x = left; x <= right; x += pitch) {
            const qreal dx = slant * (x - (left + right) / 2);
            p.setPen(QPen(QColor(0, 0, 0, 55), pitch * 0.35));
            p.drawLine(QPointF(x, top), QPointF(x + dx, bottom));
            p.setPen(QPen(QColor(255, 255, 255, 35), pitch * 0.25));
            p.drawLine(QPointF(x + pitch * 0.45, top), QPointF(x + pitch * 0.45 + dx, bottom));
        }
    });
}

// Ribbing along a sleeve's cuff: lines parallel to the forearm between two cross lines.
void CuffRibs(Layer& layer, const TopShape& t, int side, qreal length) {
    const int i = SideIndex(side);
    const QPointF d = ForearmDirection(side);
    layer.Atop([&](QPainter& p) {
        for (int k = 0; k <= 8; ++k) {
            const QPointF a = t.cuffOut[i] + (t.cuffIn[i] - t.cuffOut[i]) * (k / 8.0);
            p.setPen(QPen(QColor(0, 0, 0, 60), 0.8));
            p.drawLine(a - d * length, a);
            p.setPen(QPen(QColor(255, 255, 255, 35), 0.6));
            p.drawLine(a - d * length + QPointF(0.9, 0), a + QPointF(0.9, 0));
        }
        p.setPen(QPen(QColor(0, 0, 0, 70), 0.8));
        p.drawLine(t.cuffOut[i] - d * length, t.cuffIn[i] - d * length);
    });
}

void KnitTexture(Layer& layer, qreal opacity = 1.0) {
    layer.AtopDevice([&](QPainter& p) {
        p.setOpacity(opacity);
        p.fillRect(layer.Image().rect(), QBrush(KnitTile(Qt::white)));
    });
}

// A rope cable running down a knitted front between two heights.
void Cable(Layer& layer, qreal x, qreal top, qreal bottom, qreal half) {
    layer.Atop([&](QPainter& p) {
        p.setPen(QPen(QColor(0, 0, 0, 60), 1.0));
        p.drawLine(QPointF(x - half - 2, top), QPointF(x - half - 2, bottom));
        p.drawLine(QPointF(x + half + 2, top), QPointF(x + half + 2, bottom));
        const qreal step = half * 2.2;
        for (qreal y = top; y + step <= bottom; y += step) {
            for (int dir : {-1, 1}) {
                QPainterPath twist;
                twist.moveTo(x - dir * half, y);
                twist.cubicTo(QPointF(x - dir * half, y + step * 0.5),
                              QPointF(x + dir * half, y + step * 0.5), QPointF(x + dir * half, y + step));
                p.setPen(QPen(QColor(0, 0, 0, dir < 0 ? 80 : 45), half * 0.9, Qt::SolidLine, Qt::FlatCap));
                p.drawPath(twist);
                p.setPen(
                    QPen(QColor(255, 255, 255, dir < 0 ? 70 : 40), half * 0.35, Qt::SolidLine, Qt::FlatCap));
                p.drawPath(twist.translated(-half * 0.2, -half * 0.2));
            }
        }
    });
}

struct TrouserSpec {
    qreal waistY = 204, waistHalf = 35, hipHalf = 52, crotchY = 292;
    qreal kneeHalf = 16, hemY = 462, hemHalf = 11; // per leg
    qreal kneeDx = 20, hemDx = 17;                 // leg centre from the middle
};

QPainterPath TrouserOutline(const TrouserSpec& s) {
    QPainterPath p;
    p.moveTo(cx - s.waistHalf, s.waistY);
    p.cubicTo(QPointF(cx - s.waistHalf - 8, s.waistY + 22), QPointF(cx - s.hipHalf, hipY - 18),
              QPointF(cx - s.hipHalf, hipY));
    p.cubicTo(QPointF(cx - s.hipHalf, hipY + 40), QPointF(cx - s.kneeDx - s.kneeHalf - 1, kneeY - 50),
              QPointF(cx - s.kneeDx - s.kneeHalf, kneeY));
    p.cubicTo(QPointF(cx - s.kneeDx - s.kneeHalf + 1, kneeY + 40),
              QPointF(cx - s.hemDx - s.hemHalf, s.hemY - 40), QPointF(cx - s.hemDx - s.hemHalf, s.hemY));
    p.lineTo(cx - s.hemDx + s.hemHalf, s.hemY + 1.5);
    p.cubicTo(QPointF(cx - s.hemDx + s.hemHalf, s.hemY - 40), QPointF(cx - s.kneeDx + s.kneeHalf, kneeY + 30),
              QPointF(cx - s.kneeDx + s.kneeHalf, kneeY));
    p.cubicTo(QPointF(cx - s.kneeDx + s.kneeHalf, kneeY - 40), QPointF(cx - 3, s.crotchY + 20),
              QPointF(cx, s.crotchY));
    p.cubicTo(QPointF(cx + 3, s.crotchY + 20), QPointF(cx + s.kneeDx - s.kneeHalf, kneeY - 40),
              QPointF(cx + s.kneeDx - s.kneeHalf, kneeY));
    p.cubicTo(QPointF(cx + s.kneeDx - s.kneeHalf, kneeY + 30), QPointF(cx + s.hemDx - s.hemHalf, s.hemY - 40),
              QPointF(cx + s.hemDx - s.hemHalf, s.hemY + 1.5));
    p.lineTo(cx + s.hemDx + s.hemHalf, s.hemY);
    p.cubicTo(QPointF(cx + s.hemDx + s.hemHalf, s.hemY - 40),
              QPointF(cx + s.kneeDx + s.kneeHalf - 1, kneeY + 40),
              QPointF(cx + s.kneeDx + s.kneeHalf, kneeY));
    p.cubicTo(QPointF(cx + s.kneeDx + s.kneeHalf + 1, kneeY - 50), QPointF(cx + s.hipHalf, hipY + 40),
              QPointF(cx + s.hipHalf, hipY));
    p.cubicTo(QPointF(cx + s.hipHalf, hipY - 18), QPointF(cx + s.waistHalf + 8, s.waistY + 22),
              QPointF(cx + s.waistHalf, s.waistY));
    p.closeSubpath();
    return p;
}

// Shading of two legs: each leg is a rounded column, dark along both its edges and
// lit down its front, following the leg's own line.
void ShadeLegs(Layer& layer, const TrouserSpec& s, int dark = 70) {
    for (int side : {-1, 1}) {
        const QPainterPath outer = Curve({QPointF(cx + side * (s.hipHalf - 2), hipY + 10),
                                          QPointF(cx + side * (s.kneeDx + s.kneeHalf - 1), kneeY),
                                          QPointF(cx + side * (s.hemDx + s.hemHalf - 1), s.hemY)});
        const QPainterPath inner = Curve({QPointF(cx + side * 4, s.crotchY + 6),
                                          QPointF(cx + side * (s.kneeDx - s.kneeHalf + 2), kneeY),
                                          QPointF(cx + side * (s.hemDx - s.hemHalf + 2), s.hemY)});
        const QPainterPath front =
            Curve({QPointF(cx + side * (s.hipHalf * 0.45), hipY), QPointF(cx + side * (s.kneeDx - 2), kneeY),
                   QPointF(cx + side * (s.hemDx - 2), s.hemY)});
        Fold(layer, outer, 7, dark);
        Fold(layer, inner, 6, dark * 4 / 5);
        layer.Atop([&](QPainter& p) {
            for (int i = 5; i >= 1; --i) {
                p.setPen(QPen(QColor(255, 255, 255, side < 0 ? 7 : 4), i * 2.4, Qt::SolidLine, Qt::RoundCap));
                p.drawPath(front);
            }
        });
    }
    // Hips and seat: darker towards the sides.
    ShadeAcross(
        layer, QPointF(cx - s.hipHalf, 0), QPointF(cx + s.hipHalf, 0),
        {{0, -dark * 2 / 3}, {0.2, -dark / 6}, {0.4, 10}, {0.6, 0}, {0.8, -dark / 6}, {1, -dark * 2 / 3}});
    ShadeAcross(layer, QPointF(0, s.waistY), QPointF(0, s.hemY), {{0, 0}, {0.25, 8}, {0.6, 0}, {1, -20}});
}

struct SkirtSpec {
    qreal waistY = 200, waistHalf = 35, hipHalf = 54, hemY = 390, hemHalf = 84, hemWave = 3;
    int waves = 7;
};

QPainterPath SkirtOutline(const SkirtSpec& s) {
    QPainterPath p;
    p.moveTo(cx - s.waistHalf, s.waistY);
    p.cubicTo(QPointF(cx - s.waistHalf - 10, s.waistY + 25), QPointF(cx - s.hipHalf, hipY - 15),
              QPointF(cx - s.hipHalf - 1, hipY));
    p.cubicTo(QPointF(cx - s.hipHalf - 8, hipY + 40), QPointF(cx - s.hemHalf + 6, s.hemY - 40),
              QPointF(cx - s.hemHalf, s.hemY));
    // A gently waving hem: the folds of the cloth end in it.
    for (int k = 0; k < s.waves; ++k) {
        const qreal x0 = cx - s.hemHalf + 2 * s.hemHalf * k / s.waves;
        const qreal x1 = cx - s.hemHalf + 2 * s.hemHalf * (k + 1) / s.waves;
        const qreal sag = 4 * std::sin(M_PI * (k + 0.5) / s.waves);
        p.quadTo(QPointF((x0 + x1) / 2, s.hemY + sag + (k % 2 ? -s.hemWave : s.hemWave)),
                 QPointF(x1, s.hemY + (k == s.waves - 1 ? 0 : sag * 0.8)));
    }
    p.cubicTo(QPointF(cx + s.hemHalf - 6, s.hemY - 40), QPointF(cx + s.hipHalf + 8, hipY + 40),
              QPointF(cx + s.hipHalf + 1, hipY));
    p.cubicTo(QPointF(cx + s.hipHalf, hipY - 15), QPointF(cx + s.waistHalf + 10, s.waistY + 25),
              QPointF(cx + s.waistHalf, s.waistY));
    p.closeSubpath();
    return p;
}

// Folds falling from the waist or hips to the hem of a flared piece.
void SkirtFolds(Layer& layer, const SkirtSpec& s, qreal fromY, int count, int strength) {
    for (int k = 1; k < count; ++k) {
        const qreal t = qreal(k) / count;
        const qreal top = cx + (t - 0.5) * 2 * s.hipHalf * 0.8;
        const qreal bottom = cx + (t - 0.5) * 2 * s.hemHalf * 0.95;
        const qreal width = 2.0 + 2.5 * std::abs(t - 0.5);
        Fold(layer,
             Curve({QPointF(top, fromY), QPointF((top * 0.6 + bottom * 0.4), (fromY + s.hemY) / 2),
                    QPointF(bottom, s.hemY + 2)}),
             width, strength, strength * 2 / 3, QPointF(2.2, 0));
    }
}

void Waistband(Layer& layer, qreal y, qreal half, qreal height, const QColor& colour, bool loops) {
    Layer band;
    band.Fill(Polygon({QPointF(cx - half, y), QPointF(cx + half, y), QPointF(cx + half + 1.5, y + height),
                       QPointF(cx - half - 1.5, y + height)}),
              colour);
    ShadeAcross(band, QPointF(cx - half, 0), QPointF(cx + half, 0), {{0, -60}, {0.35, 20}, {1, -60}});
    ShadeAcross(band, QPointF(0, y), QPointF(0, y + height), {{0, 20}, {1, -30}});
    {
        auto p = band.Painter();
        if (loops)
            for (qreal x : {cx - half + 6, cx - 18.0, cx + 18.0, cx + half - 6}) {
                p->setPen(QPen(QColor(0, 0, 0, 80), 0.7));
                p->setBrush(Darker(colour, 0.95));
                p->drawRect(QRectF(x - 1.8, y - 0.5, 3.6, height + 3));
            }
    }
    band.ShadowOnto(layer, QPointF(0, 1.5), 2, 110);
    band.DrawOnto(layer);
}

// ---------------------------------------------------------------------------------
// Coats and jackets

void LeatherHighlights(Layer& layer, std::initializer_list<QPainterPath> streaks) {
    for (const QPainterPath& s : streaks) {
        layer.Atop([&](QPainter& p) {
            for (int i = 4; i >= 1; --i) {
                p.setPen(QPen(QColor(255, 255, 255, 16), i * 2.2, Qt::SolidLine, Qt::RoundCap));
                p.drawPath(s);
            }
        });
    }
}

void Zipper(QPainter& p, const QPainterPath& path, const QColor& metal, qreal width = 2.4) {
    p.save();
    p.setPen(QPen(QColor(20, 20, 20), width + 1.2, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(path);
    QPen teeth(metal, width, Qt::CustomDashLine, Qt::FlatCap);
    teeth.setDashPattern({0.6 / width * 2, 0.5 / width * 2});
    p.setPen(teeth);
    p.drawPath(path);
    p.restore();
}

void ZipPull(QPainter& p, QPointF at, const QColor& metal) {
    p.save();
    p.setPen(QPen(Darker(metal, 0.5), 0.5));
    QLinearGradient g(at.x() - 2, 0, at.x() + 2, 0);
    g.setColorAt(0, Lighter(metal, 0.4));
    g.setColorAt(1, Darker(metal, 0.6));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(at.x() - 1.8, at.y() - 1, 3.6, 9), 1.2, 1.2);
    p.setBrush(QColor(30, 30, 30));
    p.drawRect(QRectF(at.x() - 0.6, at.y() + 5, 1.2, 2.5));
    p.restore();
}

void BikerJacket(Layer& out) {
    const QColor leather(40, 37, 40), metal(200, 200, 205);
    TopParams s;
    s.ease = 4;
    s.waistHalf = 38;
    s.hipHalf = 44;
    s.hemY = 236;
    s.hemHalf = 45;
    s.hemCurve = 0;
    s.sleeveT = 1.03;
    s.sleeveOut = 4;
    s.sleeveIn = 3;
    s.neckHalf = 15;
    s.neckDepth = 150;
    const TopShape t = BuildTop(s);

    Layer back;
    PaintBackNeck(back, t, leather);
    Layer body;
    body.Fill(t.body, leather);
    ShadeBody(body, cx - 50, cx + 50, 100, 240, 60);
    Texture(body, NoiseTile(64, 10, 21));
    LeatherHighlights(body, {Curve({QPointF(cx - 30, 130), QPointF(cx - 26, 170), QPointF(cx - 30, 215)}),
                             Curve({QPointF(cx + 28, 150), QPointF(cx + 32, 200)}),
                             Curve({QPointF(cx - 44, 140), QPointF(cx - 40, 180)})});
    for (int side : {-1, 1})
        Fold(
            body,
            Curve({QPointF(cx + side * 38, 186), QPointF(cx + side * 30, 200), QPointF(cx + side * 36, 220)}),
            2, 80, 30);
    Lapels(body, t, Mix(leather, Qt::white, 0.04), 152, 36);
    {
        auto p = body.Painter();
        // The off-centre zip from the lapel's break down to the hem, and its pocket zips.
        const QPainterPath zip = Curve({QPointF(cx + 2, 152), QPointF(cx + 12, 190), QPointF(cx + 16, 234)});
        Zipper(*p, zip, metal);
        ZipPull(*p, QPointF(cx + 4, 158), metal);
        for (int side : {-1, 1}) {
            const QPainterPath pocket = Curve({QPointF(cx + side * 20, 200), QPointF(cx + side * 36, 180)});
            Zipper(*p, pocket, metal, 1.6);
            ZipPull(*p, QPointF(cx + side * 34, 182), metal);
        }
        // Belt across the hem with a buckle.
        p->setPen(QPen(QColor(10, 10, 10), 0.8));
        p->setBrush(Mix(leather, Qt::white, 0.06));
        p->drawRect(QRectF(cx - 46, 224, 92, 10));
        p->setBrush(Qt::NoBrush);
        p->setPen(QPen(metal, 1.8));
        p->drawRoundedRect(QRectF(cx - 36, 222.5, 10, 13), 1.5, 1.5);
        p->setPen(QPen(Darker(metal, 0.5), 0.5));
        p->drawRoundedRect(QRectF(cx - 36.8, 221.8, 11.6, 14.4), 2, 2);
        Stitches(*p, Curve({QPointF(cx - 45, 226), QPointF(cx + 45, 226)}), QColor(90, 90, 95), 0.5);
        Stitches(*p, Curve({QPointF(cx - 45, 232), QPointF(cx + 45, 232)}), QColor(90, 90, 95), 0.5);
        for (int side : {-1, 1}) {
            MetalStud(*p, QPointF(cx + side * 40, 118), 1.8, metal); // epaulette snaps
            p->setPen(QPen(QColor(10, 10, 10), 0.7));
            p->setBrush(Mix(leather, Qt::white, 0.05));
            p->drawPolygon(QPolygonF({QPointF(cx + side * 20, 107), QPointF(cx + side * 46, 113),
                                      QPointF(cx + side * 46, 119), QPointF(cx + side * 22, 113)}));
            MetalStud(*p, QPointF(cx + side * 42, 116), 1.5, metal);
        }
    }
    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, leather, 90);
        Texture(sl, NoiseTile(64, 10, 22));
        const int i = SideIndex(side);
        LeatherHighlights(
            sl, {Curve({t.shoulder[i] + QPointF(-side * 4, 10), t.elbowOut[i] + QPointF(-side * 8, 0),
                        t.cuffOut[i] + QPointF(-side * 7, -10)})});
        {
            auto p = sl.Painter();
            const QPointF d = ForearmDirection(side);
            Zipper(*p,
                   Curve({t.cuffIn[i] - d * 16 + (t.cuffOut[i] - t.cuffIn[i]) * 0.5,
                          t.cuffIn[i] + (t.cuffOut[i] - t.cuffIn[i]) * 0.55}),
                   metal, 1.4);
        }
        sl.ShadowOnto(body, QPointF(-side * 1.5, 2), 5, 140);
        sl.DrawOnto(sleeves);
    }
    back.DrawOnto(out);
    body.DrawOnto(out);
    sleeves.DrawOnto(out);
}

// Horizontal quilted channels: each band is puffed (light in the middle, dark at the seams).
void Quilting(Layer& layer, qreal top, qreal bottom, qreal pitch, const QColor& colour, qreal bow = 2.5) {
    for (qreal y = top; y < bottom; y += pitch) {
        layer.Atop([&](QPainter& p) {
            QLinearGradient g(0, y, 0, y + pitch);
            g.setColorAt(0, Tone(-90));
            g.setColorAt(0.3, Tone(10));
            g.setColorAt(0.45, Tone(40));
            g.setColorAt(0.75, Tone(-5));
            g.setColorAt(1, Tone(-95));
            p.fillRect(QRectF(0, y, kCanvasWidth, pitch), g);
            QPainterPath seam;
            seam.moveTo(0, y + pitch);
            seam.quadTo(QPointF(cx, y + pitch + bow), QPointF(kCanvasWidth, y + pitch));
            p.setPen(QPen(Darker(colour, 0.45), 0.7));
            p.drawPath(seam);
        });
    }
}

void PufferJacket(Layer& out) {
    const QColor red(198, 36, 46), fur(236, 232, 226);
    TopParams s;
    s.ease = 14;
    s.waistHalf = 55;
    s.hipHalf = 62;
    s.hemY = 296;
    s.hemHalf = 63;
    s.hemCurve = 2;
    s.sleeveT = 1.04;
    s.sleeveOut = 12;
    s.sleeveIn = 7;
    s.cuffFlare = 1;
    s.neckHalf = 13;
    s.neckY = 96;
    s.neckDepth = 104;
    const TopShape t = BuildTop(s);

    // The hood lies behind the neck and shoulders with its fur trim.
    Layer hood;
    hood.Fill(
        ClosedCurve({QPointF(cx - 46, 116), QPointF(cx - 40, 92), QPointF(cx - 24, 80), QPointF(cx, 78),
                     QPointF(cx + 24, 80), QPointF(cx + 40, 92), QPointF(cx + 46, 116), QPointF(cx, 106)}),
        Darker(red, 0.75));
    ShadeAcross(hood, QPointF(0, 78), QPointF(0, 116), {{0, 10}, {1, -60}});
    {
        auto p = hood.Painter();
        QRandomGenerator rng(31);
        for (int i = 0; i < 700; ++i) {
            const qreal a = M_PI * (0.05 + 0.9 * rng.generateDouble());
            const QPointF base(cx - 40 * std::cos(a), 104 - 24 * std::sin(a));
            const QPointF tip = base + QPointF(rng.generateDouble() * 6 - 3, -rng.generateDouble() * 6 - 1);
            const int shade = 170 + int(rng.bounded(85));
            p->setPen(QPen(QColor(shade, shade - 4, shade - 10, 200), 0.6, Qt::SolidLine, Qt::RoundCap));
            p->drawLine(base, tip);
        }
    }

    Layer body;
    body.Fill(t.body, red);
    Quilting(body, 112, 300, 23, red);
    ShadeBody(body, cx - 63, cx + 63, 100, 300, 70);
    {
        // Stand collar, centre zip and side pockets.
        auto p = body.Painter();
        p->setPen(Qt::NoPen);
        QLinearGradient g(0, 92, 0, 112);
        g.setColorAt(0, Lighter(red, 0.1));
        g.setColorAt(1, Darker(red, 0.7));
        p->setBrush(g);
        p->drawPath(ClosedCurve({QPointF(cx - 19, 94), QPointF(cx, 98), QPointF(cx + 19, 94),
                                 QPointF(cx + 20, 112), QPointF(cx, 116), QPointF(cx - 20, 112)}));
        Zipper(*p, Curve({QPointF(cx, 98), QPointF(cx, 200), QPointF(cx, 298)}), QColor(60, 60, 64), 2.0);
        ZipPull(*p, QPointF(cx, 104), QColor(180, 180, 186));
        for (int side : {-1, 1}) {
            p->setPen(QPen(Darker(red, 0.4), 1.0));
            p->drawLine(QPointF(cx + side * 30, 236), QPointF(cx + side * 38, 270));
        }
    }
    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, red, 40);
        const int i = SideIndex(side);
        // Quilt lines across the sleeve.
        sl.Atop([&](QPainter& p) {
            const QPointF d = ForearmDirection(side);
            const QPointF n = Outward(d, side);
            for (int k = 1; k <= 7; ++k) {
                const qreal f = k / 8.0;
                const QPointF c = t.shoulder[i] * (1 - f) + (t.cuffOut[i] + t.cuffIn[i]) / 2 * f;
                for (int w = 5; w >= 1; --w) {
                    p.setPen(QPen(QColor(0, 0, 0, 22), w * 1.3));
                    p.drawLine(c + n * 20 + QPointF(0, 1.5), c - n * 20 - QPointF(0, -1.5));
                }
                p.setPen(QPen(Darker(red, 0.45), 0.6));
                p.drawLine(c + n * 20, c - n * 20);
            }
        });
        CuffRibs(sl, t, side, 7);
        sl.ShadowOnto(body, QPointF(-side * 2, 2), 6, 140);
        sl.DrawOnto(sleeves);
    }
    hood.DrawOnto(out);
    body.DrawOnto(out);
    sleeves.DrawOnto(out);
}

void NavyBlazer(Layer& out) {
    const QColor navy(40, 50, 84);
    TopParams s;
    s.ease = 5;
    s.waistHalf = 38;
    s.hipHalf = 54;
    s.hemY = 268;
    s.hemHalf = 55;
    s.hemCurve = 1;
    s.sleeveT = 1.0;
    s.sleeveOut = 5;
    s.sleeveIn = 3;
    s.neckHalf = 14;
    s.neckDepth = 196;
    const TopShape t = BuildTop(s);
    Layer back;
    PaintBackNeck(back, t, navy);
    Layer body;
    body.Fill(t.body, navy);
    ShadeBody(body, cx - 56, cx + 56, 100, 268, 70);
    Texture(body, NoiseTile(64, 8, 41));
    for (int side : {-1, 1}) {
        Fold(
            body,
            Curve({QPointF(cx + side * 30, 150), QPointF(cx + side * 26, 200), QPointF(cx + side * 34, 262)}),
            1.4, 40, 25);
        Fold(body, Curve({QPointF(cx + side * 8, 205), QPointF(cx + side * 18, 220)}), 1.4, 50, 20);
    }
    {
        auto p = body.Painter();
        // Front edges curving away below the button, and the dart lines.
        QPainterPath edge;
        edge.moveTo(cx + 1, 196);
        edge.lineTo(cx + 1, 236);
        edge.quadTo(QPointF(cx + 2, 262), QPointF(cx + 18, 268));
        p->setPen(QPen(Darker(navy, 0.45), 0.9));
        p->drawPath(edge);
        QPainterPath edgeL;
        edgeL.moveTo(cx - 1, 236);
        edgeL.quadTo(QPointF(cx - 2, 262), QPointF(cx - 18, 268));
        p->drawPath(edgeL);
        Button(*p, QPointF(cx - 3, 203), 3.2, QColor(30, 32, 40));
        Button(*p, QPointF(cx - 3, 230), 3.2, QColor(30, 32, 40));
        for (int side : {-1, 1})
            FlapPocket(*p, QPointF(cx + side * 33, 240), 24, 7, navy, side * -3);
        // Breast welt with a white pocket square.
        p->setPen(Qt::NoPen);
        p->setBrush(QColor(244, 244, 240));
        p->drawPolygon(QPolygonF({QPointF(cx + 24, 158), QPointF(cx + 29, 152), QPointF(cx + 32, 157),
                                  QPointF(cx + 36, 151), QPointF(cx + 40, 158)}));
        p->setPen(QPen(Darker(navy, 0.5), 0.8));
        p->setBrush(navy);
        p->drawRect(QRectF(cx + 22, 158, 20, 3.5));
    }
    Lapels(body, t, navy, 196, 30);
    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, navy, 55);
        Texture(sl, NoiseTile(64, 8, 42));
        {
            const int i = SideIndex(side);
            auto p = sl.Painter();
            const QPointF d = ForearmDirection(side);
            for (int k = 0; k < 3; ++k)
                Button(*p, t.cuffOut[i] * 0.75 + t.cuffIn[i] * 0.25 - d * (5 + k * 4.2), 1.6,
                       QColor(30, 32, 40));
        }
        sl.ShadowOnto(body, QPointF(-side * 1.5, 2), 5, 120);
        sl.DrawOnto(sleeves);
    }
    back.DrawOnto(out);
    body.DrawOnto(out);
    sleeves.DrawOnto(out);
}

// A check of two colours of stripes over the cloth, used by the plaid coat and the skirt.
void Plaid(Layer& layer, qreal pitch, const QColor& a, const QColor& b, qreal angle = 0) {
    layer.Atop([&](QPainter& p) {
        p.rotate(angle);
        for (qreal v = -200; v < 800; v += pitch) {
            QColor wide = a;
            wide.setAlpha(70);
            p.fillRect(QRectF(v, -300, pitch * 0.32, 1400), wide);
            p.fillRect(QRectF(-300, v, 1400, pitch * 0.32), wide);
            QColor thin = b;
            thin.setAlpha(170);
            p.fillRect(QRectF(v + pitch * 0.62, -300, 0.9, 1400), thin);
            p.fillRect(QRectF(-300, v + pitch * 0.62, 1400, 0.9), thin);
        }
    });
}

void PlaidCoat(Layer& out) {
    const QColor grey(150, 146, 142);
    TopParams s;
    s.ease = 8;
    s.shoulderDrop = 3;
    s.waistHalf = 50;
    s.hipHalf = 60;
    s.hemY = 352;
    s.hemHalf = 64;
    s.sleeveT = 1.0;
    s.sleeveOut = 8;
    s.sleeveIn = 5;
    s.cuffFlare = 2;
    s.neckHalf = 15;
    s.neckDepth = 170;
    const TopShape t = BuildTop(s);
    Layer back;
    PaintBackNeck(back, t, grey);
    Layer body;
    body.Fill(t.body, grey);
    Plaid(body, 22, QColor(70, 66, 70), QColor(170, 60, 50));
    ShadeBody(body, cx - 66, cx + 66, 100, 352, 75);
    Texture(body, NoiseTile(64, 22, 51));
    for (int side : {-1, 1}) {
        Fold(
            body,
            Curve({QPointF(cx + side * 24, 200), QPointF(cx + side * 30, 280), QPointF(cx + side * 36, 350)}),
            3, 50, 30);
        Fold(
            body,
            Curve({QPointF(cx + side * 52, 220), QPointF(cx + side * 56, 290), QPointF(cx + side * 60, 350)}),
            3, 45, 25);
    }
    {
        auto p = body.Painter();
        p->setPen(QPen(QColor(60, 56, 56), 0.9));
        p->drawLine(QPointF(cx + 1, 170), QPointF(cx + 1, 354));
        for (int k = 0; k < 3; ++k)
            Button(*p, QPointF(cx - 4, 184 + k * 30), 3.3, QColor(30, 30, 32));
        for (int side : {-1, 1}) {
            // Slanted welt pockets.
            p->setPen(QPen(QColor(50, 48, 48), 1.2));
            p->drawLine(QPointF(cx + side * 30, 262), QPointF(cx + side * 44, 244));
        }
    }
    Lapels(body, t, grey, 170, 32);
    Plaid(body, 22, QColor(70, 66, 70), QColor(170, 60, 50), 0.0001); // keep lapels checked too
    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, grey, 55);
        Plaid(sl, 22, QColor(70, 66, 70), QColor(170, 60, 50), side * -6);
        Texture(sl, NoiseTile(64, 22, 52));
        sl.ShadowOnto(body, QPointF(-side * 1.5, 2), 5, 120);
        sl.DrawOnto(sleeves);
    }
    back.DrawOnto(out);
    body.DrawOnto(out);
    sleeves.DrawOnto(out);
}

// ---------------------------------------------------------------------------------
// Sweaters

void TurtleneckCollar(Layer& layer, const QColor& colour) {
    Layer collar;
    collar.Fill(
        ClosedCurve({QPointF(cx - 15, 80), QPointF(cx, 78), QPointF(cx + 15, 80), QPointF(cx + 19, 96),
                     QPointF(cx + 20, 110), QPointF(cx, 114), QPointF(cx - 20, 110), QPointF(cx - 19, 96)}),
        colour);
    ShadeAcross(collar, QPointF(cx - 20, 0), QPointF(cx + 20, 0), {{0, -70}, {0.35, 25}, {1, -70}});
    Ribs(collar, cx - 22, cx + 22, 76, 116, 2.6);
    collar.Atop([&](QPainter& p) {
        // The fold-over edge of the collar.
        for (qreal y : {92.0, 94.0}) {
            p.setPen(QPen(QColor(0, 0, 0, y < 93 ? 70 : 30), 1.4));
            QPainterPath fold;
            fold.moveTo(cx - 19, y);
            fold.quadTo(QPointF(cx, y + 5), QPointF(cx + 19, y));
            p.drawPath(fold);
        }
    });
    collar.ShadowOnto(layer, QPointF(0, 2), 3, 120);
    collar.DrawOnto(layer);
}

void HemRib(Layer& layer, const TopShape& t, qreal height) {
    ShadeAcross(layer, QPointF(0, t.hemL.y() - height - 2), QPointF(0, t.hemL.y()),
                {{0, 0}, {0.1, -50}, {0.2, 10}, {1, -20}});
    Ribs(layer, t.hemL.x() - 4, t.hemR.x() + 4, t.hemL.y() - height, t.hemL.y() + 6, 2.6);
}

void CableTurtleneck(Layer& out) {
    const QColor cream(238, 230, 212);
    TopParams s;
    s.ease = 6;
    s.shoulderDrop = 4;
    s.waistHalf = 50;
    s.hipHalf = 56;
    s.hemY = 272;
    s.hemHalf = 55;
    s.hemCurve = 1;
    s.sleeveT = 1.06;
    s.sleeveOut = 6;
    s.sleeveIn = 4;
    s.neckHalf = 15;
    s.neckDepth = 108;
    const TopShape t = BuildTop(s);
    Layer body;
    body.Fill(t.body, cream);
    KnitTexture(body, 0.8);
    for (qreal x : {cx - 34.0, cx - 12.0, cx + 12.0, cx + 34.0})
        Cable(body, x, 112, 258, 4.2);
    Cable(body, cx, 112, 258, 6.5);
    ShadeBody(body, cx - 62, cx + 62, 100, 272, 75);
    HemRib(body, t, 12);
    for (int side : {-1, 1})
        Fold(
            body,
            Curve({QPointF(cx + side * 40, 230), QPointF(cx + side * 36, 250), QPointF(cx + side * 42, 262)}),
            2.4, 45, 25);
    TurtleneckCollar(body, cream);
    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, cream, 60);
        KnitTexture(sl, 0.8);
        const int i = SideIndex(side);
        const QPointF mid = (t.shoulder[i] + QPointF(t.shoulder[i].x(), t.shoulder[i].y())) / 2;
        Q_UNUSED(mid);
        Cable(sl, (t.elbowOut[i].x() + t.elbowIn[i].x()) / 2, t.shoulder[i].y() + 12, t.elbowIn[i].y() - 4,
              3.5);
        CuffRibs(sl, t, side, 12);
        sl.ShadowOnto(body, QPointF(-side * 1.5, 2), 5, 100);
        sl.DrawOnto(sleeves);
    }
    body.DrawOnto(out);
    sleeves.DrawOnto(out);
}

void VneckCardigan(Layer& out) {
    const QColor wine(128, 30, 50);
    TopParams s;
    s.ease = 5;
    s.waistHalf = 42;
    s.hipHalf = 52;
    s.hemY = 270;
    s.hemHalf = 52;
    s.hemCurve = 1;
    s.sleeveT = 1.02;
    s.sleeveOut = 5;
    s.sleeveIn = 3;
    s.neckHalf = 15;
    s.neckDepth = 176;
    const TopShape t = BuildTop(s);
    Layer back;
    PaintBackNeck(back, t, wine);
    Layer body;
    body.Fill(t.body, wine);
    KnitTexture(body, 0.9);
    ShadeBody(body, cx - 58, cx + 58, 100, 270, 70);
    HemRib(body, t, 11);
    {
        // Ribbed button band along the V and down the front.
        Layer band;
        QPainterPath b;
        b.moveTo(t.neckL + QPointF(-1, -1));
        b.quadTo(QPointF(cx - 15, 150), QPointF(cx - 2, 178));
        b.lineTo(cx - 2, 272);
        b.lineTo(cx + 6, 272);
        b.lineTo(cx + 6, 178);
        b.quadTo(QPointF(cx - 7, 148), t.neckL + QPointF(6, -1));
        b.closeSubpath();
        QPainterPath r;
        r.moveTo(t.neckR + QPointF(1, -1));
        r.quadTo(QPointF(cx + 15, 150), QPointF(cx + 2, 178));
        r.lineTo(cx + 2, 180);
        r.quadTo(QPointF(cx + 8, 150), t.neckR + QPointF(-6, -1));
        r.closeSubpath();
        band.Fill(b, Darker(wine, 0.95));
        band.Fill(r, Darker(wine, 0.95));
        ShadeAcross(band, QPointF(cx - 6, 0), QPointF(cx + 6, 0), {{0, -40}, {0.5, 25}, {1, -40}});
        band.Atop([&](QPainter& p) {
            for (qreal y = 100; y < 272; y += 2.2) {
                p.setPen(QPen(QColor(0, 0, 0, 45), 0.7));
                p.drawLine(QPointF(cx - 20, y), QPointF(cx + 20, y + 1.5));
            }
        });
        {
            auto p = band.Painter();
            for (int k = 0; k < 5; ++k)
                Button(*p, QPointF(cx + 2, 186 + k * 19), 2.6, QColor(220, 200, 170));
        }
        band.ShadowOnto(body, QPointF(1.2, 1), 2, 100);
        band.DrawOnto(body);
    }
    for (int side : {-1, 1}) {
        Fold(
            body,
            Curve({QPointF(cx + side * 36, 200), QPointF(cx + side * 30, 230), QPointF(cx + side * 36, 258)}),
            2.0, 45, 20);
        // Patch pockets.
        Layer pocket;
        pocket.Fill(Polygon({QPointF(cx + side * 16, 222), QPointF(cx + side * 40, 222),
                             QPointF(cx + side * 41, 250), QPointF(cx + side * 17, 250)}),
                    wine);
        KnitTexture(pocket, 0.9);
        Ribs(pocket, cx - 60, cx + 60, 222, 228, 2.4);
        ShadeAcross(pocket, QPointF(0, 222), QPointF(0, 250), {{0, 10}, {1, -35}});
        pocket.ShadowOnto(body, QPointF(0.5, 1.5), 2, 110);
        pocket.DrawOnto(body);
    }
    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, wine, 60);
        KnitTexture(sl, 0.9);
        CuffRibs(sl, t, side, 11);
        sl.ShadowOnto(body, QPointF(-side * 1.5, 2), 5, 120);
        sl.DrawOnto(sleeves);
    }
    back.DrawOnto(out);
    body.DrawOnto(out);
    sleeves.DrawOnto(out);
}

void Stripes(Layer& layer, qreal top, qreal bottom, qreal pitch, qreal width, const QColor& colour) {
    layer.Atop([&](QPainter& p) {
        for (qreal y = top; y < bottom; y += pitch) {
            QPainterPath band;
            band.moveTo(0, y);
            band.quadTo(QPointF(cx, y + 2), QPointF(kCanvasWidth, y));
            band.lineTo(kCanvasWidth, y + width);
            band.quadTo(QPointF(cx, y + width + 2), QPointF(0, y + width));
            band.closeSubpath();
            p.fillPath(band, colour);
        }
    });
}

void StripedSweater(Layer& out) {
    const QColor base(236, 234, 228), stripe(36, 46, 84);
    TopParams s;
    s.ease = 5;
    s.shoulderDrop = 3;
    s.waistHalf = 46;
    s.hipHalf = 53;
    s.hemY = 264;
    s.hemHalf = 53;
    s.hemCurve = 1;
    s.sleeveT = 0.98;
    s.sleeveOut = 5;
    s.sleeveIn = 3;
    s.neckHalf = 16;
    s.neckDepth = 114;
    const TopShape t = BuildTop(s);
    Layer back;
    PaintBackNeck(back, t, base);
    Layer body;
    body.Fill(t.body, base);
    Stripes(body, 126, 256, 13, 5.5, stripe);
    KnitTexture(body, 0.55);
    ShadeBody(body, cx - 58, cx + 58, 100, 264, 65);
    HemRib(body, t, 8);
    for (int side : {-1, 1})
        Fold(
            body,
            Curve({QPointF(cx + side * 40, 196), QPointF(cx + side * 34, 220), QPointF(cx + side * 40, 250)}),
            2.0, 40, 20);
    {
        // Ribbed crew-neck band.
        Layer band;
        QPainterPath b;
        b.moveTo(t.neckL + QPointF(-4, -1));
        b.cubicTo(QPointF(cx - 16, 114), QPointF(cx - 8, 119), QPointF(cx, 119));
        b.cubicTo(QPointF(cx + 8, 119), QPointF(cx + 16, 114), t.neckR + QPointF(4, -1));
        b.lineTo(t.neckR + QPointF(0, -2));
        b.cubicTo(QPointF(cx + 12, 110), QPointF(cx + 6, 113), QPointF(cx, 113));
        b.cubicTo(QPointF(cx - 6, 113), QPointF(cx - 12, 110), t.neckL + QPointF(0, -2));
        b.closeSubpath();
        band.Fill(b, stripe);
        Ribs(band, cx - 24, cx + 24, 96, 122, 1.8, 0.02);
        band.DrawOnto(body);
    }
    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, base, 50);
        Stripes(sl, 130, 262, 13, 5.5, stripe);
        KnitTexture(sl, 0.55);
        CuffRibs(sl, t, side, 8);
        sl.ShadowOnto(body, QPointF(-side * 1.5, 2), 5, 110);
        sl.DrawOnto(sleeves);
    }
    back.DrawOnto(out);
    body.DrawOnto(out);
    sleeves.DrawOnto(out);
}

// Mohair: fine light fibres standing out of the knit, also past the outline.
void Fuzz(Layer& layer, const QPainterPath& outline, const QColor& colour, quint32 seed, int count) {
    QRandomGenerator rng(seed);
    auto p = layer.Painter();
    const QRectF box = outline.boundingRect();
    for (int i = 0; i < count; ++i) {
        const QPointF at(box.left() + rng.generateDouble() * box.width(),
                         box.top() + rng.generateDouble() * box.height());
        if (!outline.contains(at))
            continue;
        const qreal a = rng.generateDouble() * 2 * M_PI;
        const qreal len = 1.5 + rng.generateDouble() * 3;
        QColor c = Lighter(colour, 0.25 + rng.generateDouble() * 0.3);
        c.setAlpha(90);
        p->setPen(QPen(c, 0.35));
        p->drawLine(at, at + QPointF(std::cos(a) * len, std::sin(a) * len));
    }
}

void OversizedPinkSweater(Layer& out) {
    const QColor pink(238, 172, 184);
    TopParams s;
    s.ease = 10;
    s.shoulderDrop = 10;
    s.waistHalf = 58;
    s.hipHalf = 60;
    s.hemY = 270;
    s.hemHalf = 56;
    s.hemCurve = 2;
    s.sleeveT = 1.0;
    s.sleeveOut = 9;
    s.sleeveIn = 6;
    s.cuffFlare = -3;
    s.neckHalf = 17;
    s.neckDepth = 114;
    const TopShape t = BuildTop(s);
    Layer back;
    PaintBackNeck(back, t, pink);
    Layer body;
    body.Fill(t.body, pink);
    KnitTexture(body, 0.5);
    Texture(body, NoiseTile(64, 20, 61));
    ShadeBody(body, cx - 66, cx + 66, 100, 270, 60);
    HemRib(body, t, 16);
    for (int side : {-1, 1}) {
        Fold(
            body,
            Curve({QPointF(cx + side * 50, 150), QPointF(cx + side * 38, 190), QPointF(cx + side * 46, 240)}),
            3, 40, 25);
        Fold(body, Curve({QPointF(cx + side * 20, 200), QPointF(cx + side * 14, 240)}), 2.5, 30, 20);
    }
    {
        Layer band;
        QPainterPath b;
        b.moveTo(t.neckL + QPointF(-5, -1));
        b.cubicTo(QPointF(cx - 18, 116), QPointF(cx - 9, 121), QPointF(cx, 121));
        b.cubicTo(QPointF(cx + 9, 121), QPointF(cx + 18, 116), t.neckR + QPointF(5, -1));
        b.lineTo(t.neckR + QPointF(0, -2));
        b.cubicTo(QPointF(cx + 13, 110), QPointF(cx + 6, 113), QPointF(cx, 113));
        b.cubicTo(QPointF(cx - 6, 113), QPointF(cx - 13, 110), t.neckL + QPointF(0, -2));
        b.closeSubpath();
        band.Fill(b, Darker(pink, 0.95));
        Ribs(band, cx - 26, cx + 26, 96, 124, 2.0, 0.02);
        band.ShadowOnto(body, QPointF(0, 1), 2, 80);
        band.DrawOnto(body);
    }
    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, pink, 50);
        KnitTexture(sl, 0.5);
        Texture(sl, NoiseTile(64, 20, 62));
        CuffRibs(sl, t, side, 14);
        sl.ShadowOnto(body, QPointF(-side * 2, 2), 6, 110);
        sl.DrawOnto(sleeves);
    }
    back.DrawOnto(out);
    body.DrawOnto(out);
    sleeves.DrawOnto(out);
    QPainterPath all = t.body;
    all.addPath(t.sleeves[0]);
    all.addPath(t.sleeves[1]);
    Fuzz(out, all, pink, 63, 9000);
}

// ---------------------------------------------------------------------------------
// Dresses

void LittleBlackDress(Layer& out) {
    const QColor black(30, 30, 36);
    SkirtSpec sk;
    sk.waistY = 200;
    sk.waistHalf = 34;
    sk.hipHalf = 58;
    sk.hemY = 356;
    sk.hemHalf = 80;
    sk.hemWave = 3.5;
    sk.waves = 8;
    Layer dress;
    // Bodice with a square neckline and wide straps.
    QPainterPath bodice;
    bodice.moveTo(cx - 36, 106);
    bodice.lineTo(cx - 24, 106);
    bodice.lineTo(cx - 22, 130);
    bodice.quadTo(QPointF(cx, 136), QPointF(cx + 22, 130));
    bodice.lineTo(cx + 24, 106);
    bodice.lineTo(cx + 36, 106);
    bodice.quadTo(QPointF(cx + 38, 130), QPointF(cx + armpitHalf + 2, armpitY + 2));
    bodice.cubicTo(QPointF(cx + bustHalf + 1, 170), QPointF(cx + waistHalf + 2, 190), QPointF(cx + 34, 204));
    bodice.lineTo(cx - 34, 204);
    bodice.cubicTo(QPointF(cx - waistHalf - 2, 190), QPointF(cx - bustHalf - 1, 170),
                   QPointF(cx - armpitHalf - 2, armpitY + 2));
    bodice.quadTo(QPointF(cx - 38, 130), QPointF(cx - 36, 106));
    bodice.closeSubpath();
    dress.Fill(bodice, black);
    ShadeBody(dress, cx - 46, cx + 46, 104, 204, 70);
    // Princess seams shaping the bodice.
    for (int side : {-1, 1})
        Fold(
            dress,
            Curve({QPointF(cx + side * 22, 132), QPointF(cx + side * 18, 165), QPointF(cx + side * 16, 202)}),
            1.2, 50, 40, QPointF(-side * 1.2, 0));
    Layer skirt;
    skirt.Fill(SkirtOutline(sk), black);
    ShadeAcross(skirt, QPointF(cx - 82, 0), QPointF(cx + 82, 0),
                {{0, -80}, {0.2, -10}, {0.4, 25}, {0.6, 5}, {0.85, -20}, {1, -80}});
    SkirtFolds(skirt, sk, 212, 8, 80);
    ShadeAcross(skirt, QPointF(0, 204), QPointF(0, 356), {{0, 15}, {1, -25}});
    skirt.DrawOnto(dress);
    {
        // A thin satin belt with a bow.
        auto p = dress.Painter();
        QLinearGradient g(0, 199, 0, 207);
        g.setColorAt(0, QColor(90, 90, 100));
        g.setColorAt(0.5, QColor(50, 50, 58));
        g.setColorAt(1, QColor(16, 16, 20));
        p->setPen(Qt::NoPen);
        p->setBrush(g);
        p->drawRect(QRectF(cx - 35, 199, 70, 7));
        for (int side : {-1, 1})
            p->drawPath(ClosedCurve({QPointF(cx + 12, 202.5), QPointF(cx + 12 + side * 11, 195),
                                     QPointF(cx + 12 + side * 12, 210)}));
        p->drawPath(ClosedCurve({QPointF(cx + 10, 203), QPointF(cx + 7, 222), QPointF(cx + 11, 221)}));
        p->drawPath(ClosedCurve({QPointF(cx + 14, 203), QPointF(cx + 19, 219), QPointF(cx + 16, 221)}));
        p->setBrush(QColor(70, 70, 80));
        p->drawEllipse(QPointF(cx + 12, 202.5), 3, 3.5);
    }
    dress.DrawOnto(out);
}

void Flower(QPainter& p, QPointF c, qreal r, const QColor& petal, const QColor& middle, qreal turn) {
    p.save();
    p.translate(c);
    p.rotate(turn);
    p.setPen(Qt::NoPen);
    p.setBrush(petal);
    for (int k = 0; k < 5; ++k) {
        p.save();
        p.rotate(k * 72);
        p.drawEllipse(QPointF(0, -r * 0.55), r * 0.38, r * 0.55);
        p.restore();
    }
    p.setBrush(middle);
    p.drawEllipse(QPointF(0, 0), r * 0.25, r * 0.25);
    p.restore();
}

void FloralPrint(Layer& layer, quint32 seed, qreal spacing) {
    layer.Atop([&](QPainter& p) {
        QRandomGenerator rng(seed);
        const QColor petals[] = {QColor(240, 200, 210), QColor(250, 240, 230), QColor(236, 170, 120)};
        for (qreal y = 90; y < kCanvasHeight; y += spacing)
            for (qreal x = 150 + (int(y / spacing) % 2) * spacing / 2; x < 420; x += spacing) {
                const QPointF c(x + rng.generateDouble() * 5 - 2.5, y + rng.generateDouble() * 5 - 2.5);
                // Two leaves, then the flower.
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(110, 150, 110));
                const qreal a = rng.generateDouble() * 360;
                p.save();
                p.translate(c);
                p.rotate(a);
                p.drawEllipse(QPointF(4.2, 0), 2.4, 1.1);
                p.drawEllipse(QPointF(-3.8, 1.2), 2.0, 1.0);
                p.restore();
                Flower(p, c, 3.0 + rng.generateDouble() * 1.2, petals[rng.bounded(3)], QColor(220, 170, 60),
                       a);
            }
    });
}

void FloralDress(Layer& out) {
    const QColor navy(34, 44, 86);
    TopParams s;
    s.ease = 4;
    s.waistHalf = 36;
    s.hipHalf = 40;
    s.hemY = 206;
    s.hemHalf = 36;
    s.hemCurve = 0;
    s.sleeveT = 0.96;
    s.sleeveOut = 7;
    s.sleeveIn = 4;
    s.cuffFlare = 2;
    s.neckHalf = 13;
    s.neckDepth = 150;
    const TopShape t = BuildTop(s);
    SkirtSpec sk;
    sk.waistY = 202;
    sk.waistHalf = 36;
    sk.hipHalf = 60;
    sk.hemY = 410;
    sk.hemHalf = 86;
    sk.waves = 9;
    Layer back;
    PaintBackNeck(back, t, navy);
    Layer dress;
    dress.Fill(t.body, navy);
    dress.Fill(SkirtOutline(sk), navy);
    FloralPrint(dress, 71, 15);
    ShadeBody(dress, cx - 46, cx + 46, 100, 206, 70);
    ShadeAcross(dress, QPointF(cx - 88, 0), QPointF(cx + 88, 0),
                {{0, -60}, {0.25, 0}, {0.45, 20}, {0.75, 0}, {1, -60}});
    SkirtFolds(dress, sk, 214, 9, 75);
    {
        // Ruffle along the V neckline.
        auto p = dress.Painter();
        for (int side : {-1, 1}) {
            const QPointF top = side < 0 ? t.neckL : t.neckR;
            for (int k = 0; k < 9; ++k) {
                const qreal f = k / 9.0;
                const QPointF at = top * (1 - f) + QPointF(cx, 150) * f + QPointF(side * 3, 0);
                p->setPen(QPen(QColor(20, 26, 54), 0.6));
                p->setBrush(Mix(navy, Qt::white, 0.08));
                p->drawEllipse(at, 3.2, 2.4);
            }
        }
        // Waist tie.
        p->setPen(Qt::NoPen);
        p->setBrush(Darker(navy, 0.8));
        p->drawRect(QRectF(cx - 37, 199, 74, 7));
        p->drawPath(ClosedCurve({QPointF(cx - 4, 203), QPointF(cx - 12, 238), QPointF(cx - 7, 240)}));
        p->drawPath(ClosedCurve({QPointF(cx + 2, 203), QPointF(cx + 8, 244), QPointF(cx + 12, 242)}));
        p->setBrush(navy);
        p->drawEllipse(QPointF(cx - 1, 203), 5, 4.5);
    }
    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, navy, 55);
        FloralPrint(sl, 72 + side, 15);
        CuffRibs(sl, t, side, 5);
        sl.ShadowOnto(dress, QPointF(-side * 1.5, 2), 5, 120);
        sl.DrawOnto(sleeves);
    }
    back.DrawOnto(out);
    dress.DrawOnto(out);
    sleeves.DrawOnto(out);
}

void VelvetWrapDress(Layer& out) {
    const QColor green(24, 84, 62);
    TopParams s;
    s.ease = 3;
    s.waistHalf = 35;
    s.hipHalf = 40;
    s.hemY = 206;
    s.hemHalf = 35;
    s.hemCurve = 0;
    s.sleeveT = 0.6;
    s.sleeveOut = 5;
    s.sleeveIn = 3;
    s.neckHalf = 13;
    s.neckDepth = 160;
    const TopShape t = BuildTop(s);
    SkirtSpec sk;
    sk.waistY = 202;
    sk.waistHalf = 35;
    sk.hipHalf = 56;
    sk.hemY = 380;
    sk.hemHalf = 72;
    sk.waves = 7;
    Layer back;
    PaintBackNeck(back, t, green);
    Layer dress;
    dress.Fill(t.body, green);
    dress.Fill(SkirtOutline(sk), green);
    // Velvet: deep shadows and soft bright sheen where the cloth turns to the light.
    ShadeBody(dress, cx - 44, cx + 44, 100, 206, 95);
    ShadeAcross(dress, QPointF(cx - 74, 0), QPointF(cx + 74, 0),
                {{0, -90}, {0.2, 0}, {0.35, 45}, {0.5, 5}, {0.7, 30}, {1, -90}});
    ShadeSpot(dress, QPointF(cx - 18, 160), 18, 45);
    ShadeSpot(dress, QPointF(cx + 20, 165), 14, 25);
    SkirtFolds(dress, sk, 212, 7, 95);
    Texture(dress, NoiseTile(64, 10, 81));
    {
        // The wrap: the upper panel's edge runs from the neck across to the waist tie.
        auto p = dress.Painter();
        QPainterPath wrap;
        wrap.moveTo(cx - 2, 160);
        wrap.cubicTo(QPointF(cx + 10, 180), QPointF(cx + 24, 200), QPointF(cx + 30, 206));
        wrap.cubicTo(QPointF(cx + 30, 260), QPointF(cx + 36, 320), QPointF(cx + 46, 381));
        p->setPen(QPen(QColor(8, 30, 20), 1.0));
        p->drawPath(wrap);
        p->setPen(QPen(QColor(255, 255, 255, 40), 1.4));
        p->drawPath(wrap.translated(-1.2, 0));
        p->setPen(Qt::NoPen);
        p->setBrush(Darker(green, 0.75));
        p->drawPath(ClosedCurve({QPointF(cx + 30, 204), QPointF(cx + 36, 250), QPointF(cx + 40, 248)}));
        p->drawPath(ClosedCurve({QPointF(cx + 31, 204), QPointF(cx + 28, 244), QPointF(cx + 32, 246)}));
        p->setBrush(green);
        p->drawEllipse(QPointF(cx + 31, 204), 4, 4);
    }
    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, green, 80);
        ShadeAcross(sl, QPointF(cx - 70, 0), QPointF(cx + 70, 0), {{0, 25}, {0.3, 0}, {0.7, 0}, {1, 25}});
        Texture(sl, NoiseTile(64, 10, 82));
        sl.ShadowOnto(dress, QPointF(-side * 1.5, 2), 5, 140);
        sl.DrawOnto(sleeves);
    }
    back.DrawOnto(out);
    dress.DrawOnto(out);
    sleeves.DrawOnto(out);
}

void KnitDress(Layer& out) {
    const QColor oat(214, 196, 168);
    TopParams s;
    s.ease = 3;
    s.waistHalf = 38;
    s.hipHalf = 52;
    s.hemY = 364;
    s.hemHalf = 50;
    s.hemCurve = 1;
    s.sleeveT = 1.05;
    s.sleeveOut = 4;
    s.sleeveIn = 3;
    s.neckHalf = 15;
    s.neckDepth = 112;
    const TopShape t = BuildTop(s);
    Layer back;
    PaintBackNeck(back, t, oat);
    Layer dress;
    dress.Fill(t.body, oat);
    Ribs(dress, cx - 70, cx + 70, 96, 370, 3.2, 0.0);
    KnitTexture(dress, 0.4);
    ShadeBody(dress, cx - 56, cx + 56, 100, 364, 70);
    ShadeSpot(dress, QPointF(cx - 18, 160), 18, 25);
    ShadeSpot(dress, QPointF(cx - 20, 280), 30, 18);
    HemRib(dress, t, 8);
    for (int side : {-1, 1}) {
        Fold(dress,
             Curve({QPointF(cx + side * 6, 290), QPointF(cx + side * 12, 330), QPointF(cx + side * 16, 360)}),
             2.4, 45, 25);
        Fold(dress, Curve({QPointF(cx + side * 30, 205), QPointF(cx + side * 38, 225)}), 1.6, 40, 20);
    }
    TurtleneckCollar(dress, oat);
    Layer sleeves;
    for (int side : {-1, 1}) {
        Layer sl;
        PaintSleeve(sl, t, side, oat, 55);
        KnitTexture(sl, 0.6);
        CuffRibs(sl, t, side, 14);
        sl.ShadowOnto(dress, QPointF(-side * 1.5, 2), 5, 110);
        sl.DrawOnto(sleeves);
    }
    back.DrawOnto(out);
    dress.DrawOnto(out);
    sleeves.DrawOnto(out);
}

// ---------------------------------------------------------------------------------
// Trousers and skirts

void SkinnyJeans(Layer& out) {
    const QColor denim(46, 64, 108), thread(206, 140, 60);
    TrouserSpec s;
    s.waistY = 206;
    s.waistHalf = 36;
    s.hipHalf = 52;
    s.crotchY = 290;
    s.kneeHalf = 15;
    s.hemY = 460;
    s.hemHalf = 10;
    Layer jeans;
    const QPainterPath outline = TrouserOutline(s);
    jeans.Fill(outline, denim);
    jeans.AtopDevice([&](QPainter& p) { p.fillRect(jeans.Image().rect(), QBrush(TwillTile())); });
    Texture(jeans, NoiseTile(64, 14, 91));
    ShadeLegs(jeans, s, 80);
    // Worn-in lighter fronts of the thighs and knees, whiskers at the hips.
    for (int side : {-1, 1}) {
        ShadeSpot(jeans, QPointF(cx + side * 26, 300), 22, 40);
        ShadeSpot(jeans, QPointF(cx + side * 20, 372), 14, 30);
        for (int k = 0; k < 4; ++k)
            Fold(jeans,
                 Curve({QPointF(cx + side * 6, 270 + k * 5), QPointF(cx + side * (18 + k * 2), 276 + k * 6)}),
                 0.9, 35, 60, QPointF(0, -1));
        for (int k = 0; k < 3; ++k)
            Fold(jeans,
                 Curve({QPointF(cx + side * 8, 440 + k * 6), QPointF(cx + side * 17, 444 + k * 6),
                        QPointF(cx + side * 26, 440 + k * 6)}),
                 1.2, 60, 40, QPointF(0, -1.2));
    }
    Waistband(jeans, 204, 37, 9, denim, true);
    {
        auto p = jeans.Painter();
        // Fly and its J stitch, pockets, coin pocket, rivets, side seams, hem.
        QPainterPath fly;
        fly.moveTo(cx + 1, 214);
        fly.lineTo(cx + 1, 270);
        fly.quadTo(QPointF(cx + 1, 280), QPointF(cx - 6, 282));
        p->setPen(QPen(QColor(0, 0, 0, 90), 0.8));
        p->drawLine(QPointF(cx - 2, 213), QPointF(cx - 2, 284));
        Stitches(*p, fly.translated(6, 0), thread, 0.55);
        for (int side : {-1, 1}) {
            QPainterPath pocket;
            pocket.moveTo(cx + side * 22, 214);
            pocket.quadTo(QPointF(cx + side * 24, 230), QPointF(cx + side * 42, 236));
            p->setPen(QPen(QColor(0, 0, 0, 110), 0.8));
            p->drawPath(pocket);
            Stitches(*p, pocket.translated(-side * 2, 1.5), thread, 0.55);
            MetalStud(*p, QPointF(cx + side * 23, 216), 1.2, QColor(200, 160, 80));
            Stitches(*p,
                     Curve({QPointF(cx + side * 46, 244), QPointF(cx + side * 38, 360),
                            QPointF(cx + side * 27, 458)}),
                     thread, 0.5);
            Stitches(*p, Curve({QPointF(cx + side * 6, 456), QPointF(cx + side * 27, 455)}), thread, 0.55);
        }
        Stitches(*p, Curve({QPointF(cx + 28, 218), QPointF(cx + 36, 219)}), thread, 0.5);
        Stitches(*p, Curve({QPointF(cx - 37, 206), QPointF(cx + 37, 206)}), thread, 0.5);
        Stitches(*p, Curve({QPointF(cx - 37, 211.5), QPointF(cx + 37, 211.5)}), thread, 0.5);
        MetalStud(*p, QPointF(cx - 3, 208.5), 2.4, QColor(170, 160, 150));
    }
    jeans.DrawOnto(out);
}

void WideLegTrousers(Layer& out) {
    const QColor black(34, 34, 38);
    TrouserSpec s;
    s.waistY = 198;
    s.waistHalf = 34;
    s.hipHalf = 54;
    s.crotchY = 294;
    s.kneeHalf = 25;
    s.kneeDx = 24;
    s.hemY = 478;
    s.hemHalf = 30;
    s.hemDx = 30;
    Layer trousers;
    trousers.Fill(TrouserOutline(s), black);
    Texture(trousers, NoiseTile(64, 8, 101));
    ShadeLegs(trousers, s, 60);
    for (int side : {-1, 1}) {
        // Pressed crease down the front of each leg, and the drape falling from the hip.
        const QPainterPath crease =
            Curve({QPointF(cx + side * 24, 214), QPointF(cx + side * 26, 330), QPointF(cx + side * 30, 476)});
        Fold(trousers, crease, 1.0, 60, 90, QPointF(side * -1.2, 0));
        Fold(
            trousers,
            Curve({QPointF(cx + side * 46, 300), QPointF(cx + side * 48, 390), QPointF(cx + side * 54, 476)}),
            3, 60, 25);
        Fold(trousers,
             Curve({QPointF(cx + side * 10, 320), QPointF(cx + side * 10, 400), QPointF(cx + side * 8, 476)}),
             3, 55, 20);
    }
    Waistband(trousers, 196, 35, 11, black, true);
    {
        auto p = trousers.Painter();
        for (int side : {-1, 1}) {
            p->setPen(QPen(QColor(0, 0, 0, 140), 0.9));
            p->drawLine(QPointF(cx + side * 34, 212), QPointF(cx + side * 46, 240)); // slant pockets
            p->drawLine(QPointF(cx + side * 24, 208), QPointF(cx + side * 24, 226)); // pleats
        }
        p->drawLine(QPointF(cx - 1, 208), QPointF(cx - 1, 276));
        Button(*p, QPointF(cx - 1, 202), 2.6, QColor(20, 20, 24));
    }
    trousers.DrawOnto(out);
}

void KhakiSkirt(Layer& out) {
    const QColor khaki(186, 154, 104);
    SkirtSpec sk;
    sk.waistY = 202;
    sk.waistHalf = 35;
    sk.hipHalf = 54;
    sk.hemY = 402;
    sk.hemHalf = 78;
    sk.hemWave = 2;
    sk.waves = 6;
    Layer skirt;
    skirt.Fill(SkirtOutline(sk), khaki);
    Texture(skirt, NoiseTile(64, 14, 111));
    skirt.AtopDevice([&](QPainter& p) {
        p.setOpacity(0.5);
        p.fillRect(skirt.Image().rect(), QBrush(TwillTile()));
    });
    ShadeAcross(skirt, QPointF(cx - 80, 0), QPointF(cx + 80, 0),
                {{0, -70}, {0.2, -10}, {0.4, 25}, {0.6, 5}, {0.85, -15}, {1, -70}});
    ShadeAcross(skirt, QPointF(0, 202), QPointF(0, 402), {{0, 10}, {1, -25}});
    SkirtFolds(skirt, sk, 250, 6, 60);
    Waistband(skirt, 200, 36, 10, khaki, true);
    {
        auto p = skirt.Painter();
        p->setPen(QPen(QColor(0, 0, 0, 110), 0.8));
        p->drawLine(QPointF(cx + 4, 210), QPointF(cx + 6, 402));
        Stitches(*p, Curve({QPointF(cx + 8, 210), QPointF(cx + 10, 400)}), Darker(khaki, 0.6), 0.55);
        for (int k = 0; k < 7; ++k)
            Button(*p, QPointF(cx + 1.5 + k * 0.3, 222 + k * 26), 2.7, QColor(110, 80, 50));
        Stitches(*p, Curve({QPointF(cx - 77, 396), QPointF(cx, 400), QPointF(cx + 77, 396)}),
                 Darker(khaki, 0.6), 0.55);
        for (int side : {-1, 1})
            Stitches(*p,
                     Curve({QPointF(cx + side * 24, 212), QPointF(cx + side * 30, 232),
                            QPointF(cx + side * 46, 236)}),
                     Darker(khaki, 0.6), 0.55);
    }
    skirt.DrawOnto(out);
}

void PleatedTartanSkirt(Layer& out) {
    const QColor red(150, 30, 36);
    SkirtSpec sk;
    sk.waistY = 202;
    sk.waistHalf = 35;
    sk.hipHalf = 56;
    sk.hemY = 330;
    sk.hemHalf = 74;
    sk.hemWave = 0;
    sk.waves = 14;
    Layer skirt;
    skirt.Fill(SkirtOutline(sk), red);
    // Tartan: dark green and navy bands with yellow and white lines.
    skirt.Atop([&](QPainter& p) {
        for (qreal v = 100; v < 500; v += 26) {
            p.fillRect(QRectF(v, 0, 9, 600), QColor(20, 60, 40, 150));
            p.fillRect(QRectF(0, v + 110, 800, 9), QColor(20, 60, 40, 150));
            p.fillRect(QRectF(v + 14, 0, 4, 600), QColor(20, 30, 70, 150));
            p.fillRect(QRectF(0, v + 124, 800, 4), QColor(20, 30, 70, 150));
            p.fillRect(QRectF(v + 21, 0, 0.8, 600), QColor(240, 210, 90, 200));
            p.fillRect(QRectF(0, v + 131, 800, 0.8), QColor(240, 210, 90, 200));
        }
    });
    Texture(skirt, NoiseTile(64, 12, 121));
    // Knife pleats: every pleat has a lit face and a shadowed fold.
    for (int k = 0; k <= 14; ++k) {
        const qreal t = k / 14.0;
        const QPointF top(cx - 50 + 100 * t, 214);
        const QPointF bottom(cx - 72 + 144 * t, 331);
        skirt.Atop([&](QPainter& p) {
            QLinearGradient g(bottom, bottom + QPointF(10, 0));
            g.setColorAt(0, Tone(-80));
            g.setColorAt(0.3, Tone(20));
            g.setColorAt(1, Tone(-10));
            QPainterPath face;
            face.moveTo(top);
            face.lineTo(bottom);
            face.lineTo(bottom + QPointF(10.3, 0));
            face.lineTo(top + QPointF(7.1, 0));
            face.closeSubpath();
            p.fillPath(face, g);
            p.setPen(QPen(QColor(0, 0, 0, 120), 0.6));
            p.drawLine(top, bottom);
        });
    }
    ShadeAcross(skirt, QPointF(cx - 76, 0), QPointF(cx + 76, 0),
                {{0, -80}, {0.15, -10}, {0.4, 15}, {0.85, -15}, {1, -80}});
    Waistband(skirt, 200, 36, 10, Darker(red, 0.7), false);
    {
        auto p = skirt.Painter();
        p->setPen(QPen(QColor(200, 200, 205), 1.2));
        p->setBrush(Qt::NoBrush);
        p->drawRoundedRect(QRectF(cx + 20, 201, 7, 8), 1.5, 1.5); // kilt buckle
    }
    skirt.DrawOnto(out);
}

} // namespace

std::vector<Art> Garments() {
    return {
        {QStringLiteral("驼色双排扣大衣"), CamelCoat},
        {QStringLiteral("黑色短款皮夹克"), BikerJacket},
        {QStringLiteral("红色连帽羽绒服"), PufferJacket},
        {QStringLiteral("藏青色西装外套"), NavyBlazer},
        {QStringLiteral("灰色格纹大衣"), PlaidCoat},
        {QStringLiteral("米白色麻花高领毛衣"), CableTurtleneck},
        {QStringLiteral("酒红色V领开衫"), VneckCardigan},
        {QStringLiteral("海军条纹圆领毛衣"), StripedSweater},
        {QStringLiteral("粉色宽松马海毛衣"), OversizedPinkSweater},
        {QStringLiteral("黑色收腰小礼服"), LittleBlackDress},
        {QStringLiteral("碎花长袖连衣裙"), FloralDress},
        {QStringLiteral("墨绿丝绒裹身裙"), VelvetWrapDress},
        {QStringLiteral("燕麦色针织连衣裙"), KnitDress},
        {QStringLiteral("深蓝修身牛仔裤"), SkinnyJeans},
        {QStringLiteral("黑色高腰阔腿裤"), WideLegTrousers},
        {QStringLiteral("卡其色A字半身裙"), KhakiSkirt},
        {QStringLiteral("红格纹百褶裙"), PleatedTartanSkirt},
    };
}

} // namespace vx7::samplegen
