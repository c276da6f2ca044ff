#include "Garment.h"

#include "Figure.h"

#include <cmath>

namespace vx7::samplegen {
namespace {

using namespace body;

QPointF Unit(QPointF v) {
    const qreal len = std::hypot(v.x(), v.y());
    return len > 0 ? v / len : QPointF(0, 1);
}

// Continues a path through the points with a smooth curve (Catmull-Rom from the current point).
void CurveThrough(QPainterPath& path, std::initializer_list<QPointF> points) {
    std::vector<QPointF> pts{path.currentPosition()};
    pts.insert(pts.end(), points.begin(), points.end());
    const int n = static_cast<int>(pts.size());
    auto at = [&](int i) { return pts[static_cast<size_t>(std::clamp(i, 0, n - 1))]; };
    for (int i = 0; i < n - 1; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
}

} // namespace

QPointF ForearmDirection(int side) {
    return Unit(Wrist(side) - Elbow(side));
}

QPointF Outward(QPointF d, int side) {
    QPointF n(d.y(), -d.x());
    if ((n.x() < 0) != (side < 0))
        n = -n;
    return n;
}

TopShape BuildTop(const TopParams& s) {
    TopShape t;
    for (int side : {-1, 1}) {
        const int i = SideIndex(side);
        t.shoulder[i] = QPointF(cx + side * (shoulderHalf + s.ease + s.shoulderDrop),
                                shoulderY + 1 + s.shoulderDrop * 0.5);
        t.armpit[i] = QPointF(cx + side * (armpitHalf + s.ease), armpitY + 3 + s.shoulderDrop * 0.6);
        const QPointF upper = Unit(Elbow(side) - ShoulderJoint(side));
        const QPointF upperOut = Outward(upper, side);
        t.elbowOut[i] = Elbow(side) + upperOut * (elbowHalf + s.sleeveOut);
        t.elbowIn[i] = Elbow(side) - upperOut * (elbowHalf + s.sleeveIn);
        const QPointF fore = ForearmDirection(side);
        const QPointF foreOut = Outward(fore, side);
        const QPointF cuff = Elbow(side) + (Wrist(side) - Elbow(side)) * s.sleeveT;
        const qreal half = elbowHalf + (wristHalf - elbowHalf) * std::min<qreal>(s.sleeveT, 1.0);
        t.cuffOut[i] = cuff + foreOut * (half + s.sleeveOut + s.cuffFlare);
        t.cuffIn[i] = cuff - foreOut * (half + s.sleeveIn + s.cuffFlare);
    }
    t.neckL = QPointF(cx - s.neckHalf, s.neckY);
    t.neckR = QPointF(cx + s.neckHalf, s.neckY);
    t.neckFront = QPointF(cx, s.neckDepth);
    t.hemL = QPointF(cx - s.hemHalf, s.hemY);
    t.hemR = QPointF(cx + s.hemHalf, s.hemY);

    QPainterPath& b = t.body;
    b.moveTo(t.neckL);
    b.quadTo(QPointF((t.neckL.x() + t.shoulder[0].x()) / 2, shoulderY - 4), t.shoulder[0]);
    const qreal hipAt = std::min(hipY, s.hemY - 4);
    CurveThrough(b, {t.armpit[0], QPointF(cx - s.waistHalf, waistY), QPointF(cx - s.hipHalf, hipAt), t.hemL});
    b.quadTo(QPointF(cx, s.hemY + 2 * s.hemCurve), t.hemR);
    CurveThrough(
        b, {QPointF(cx + s.hipHalf, hipAt), QPointF(cx + s.waistHalf, waistY), t.armpit[1], t.shoulder[1]});
    b.quadTo(QPointF((t.neckR.x() + t.shoulder[1].x()) / 2, shoulderY - 4), t.neckR);
    b.cubicTo(QPointF(t.neckR.x() - 1, (s.neckY + s.neckDepth) / 2 + 4),
              QPointF(cx + s.neckHalf * 0.45, s.neckDepth), t.neckFront);
    b.cubicTo(QPointF(cx - s.neckHalf * 0.45, s.neckDepth),
              QPointF(t.neckL.x() + 1, (s.neckY + s.neckDepth) / 2 + 4), t.neckL);
    b.closeSubpath();

    for (int side : {-1, 1}) {
        const int i = SideIndex(side);
        QPainterPath& p = t.sleeves[size_t(i)];
        // The cap rounds over the shoulder tip so that no corner of the body shows past it.
        const QPointF capTop = t.shoulder[i] - QPointF(side * 7, 2);
        p.moveTo(capTop);
        p.quadTo(t.shoulder[i] + QPointF(side * 2, 1), t.shoulder[i] + QPointF(side * 2.5, 9));
        CurveThrough(p, {t.elbowOut[i], t.cuffOut[i]});
        p.lineTo(t.cuffIn[i]);
        CurveThrough(p, {t.elbowIn[i], t.armpit[i] - QPointF(side * 2, 0)});
        // The armhole seam, bulging slightly towards the body.
        p.quadTo(QPointF(t.armpit[i].x() - side * 5, (t.armpit[i].y() + t.shoulder[i].y()) / 2), capTop);
        p.closeSubpath();
    }
    return t;
}

void PaintSleeve(Layer& layer, const TopShape& t, int side, const QColor& colour, int foldStrength) {
    const int i = SideIndex(side);
    layer.Fill(t.sleeves[size_t(i)], colour);
    // Across the arm: the outer edge catches less light than the front, the inner edge is in shadow.
    const QPointF mid = (t.elbowOut[i] + t.elbowIn[i]) / 2;
    const QPointF out = t.elbowOut[i] + (t.elbowOut[i] - mid) * 0.2;
    const QPointF in = t.elbowIn[i] + (t.elbowIn[i] - mid) * 0.2;
    ShadeAcross(layer, out, in, {{0, -80}, {0.25, -10}, {0.45, 22}, {0.7, 0}, {1, -75}});
    ShadeAcross(layer, QPointF(0, t.shoulder[i].y()), QPointF(0, t.cuffIn[i].y()), {{0, 10}, {1, -25}});
    // Creases where the elbow bends: soft wedges from the inner side, of uneven length.
    const QPointF e = Elbow(side);
    const QPointF d = ForearmDirection(side);
    const QPointF n = Outward(d, side);
    const qreal lengths[] = {9, 13, 7};
    for (int k = 0; k < 3; ++k) {
        const QPointF a = e - n * 12 + d * (k * 7.0 - 8);
        const QPointF c = a + n * lengths[k] + d * (2.0 + k);
        Fold(layer, Curve({a, (a + c) / 2 + d * 1.5, c}), 1.2 + 0.3 * k, foldStrength * 2 / 3,
             foldStrength / 3, -d * 1.4);
    }
    // A long soft drape line down the forearm.
    Fold(layer, Curve({e + n * 4 - d * 20, e + n * 2, e + n * 3 + d * 40}), 2.4, foldStrength / 2,
         foldStrength / 3, -n * 1.8);
}

void ShadeBody(Layer& layer, qreal left, qreal right, qreal top, qreal bottom, int sideDark) {
    ShadeAcross(layer, QPointF(left, 0), QPointF(right, 0),
                {{0, -sideDark},
                 {0.12, -sideDark / 3},
                 {0.35, 18},
                 {0.55, 6},
                 {0.85, -sideDark / 3},
                 {1, -sideDark}});
    ShadeAcross(layer, QPointF(0, top), QPointF(0, bottom), {{0, 14}, {0.4, 0}, {1, -30}});
}

void PaintBackNeck(Layer& layer, const TopShape& t, const QColor& inside) {
    auto p = layer.Painter();
    p->setPen(Qt::NoPen);
    QLinearGradient g(0, t.neckL.y() - 4, 0, t.neckL.y() + 10);
    g.setColorAt(0, Darker(inside, 0.85));
    g.setColorAt(1, Darker(inside, 0.6));
    p->setBrush(g);
    for (int side : {-1, 1}) {
        const QPointF corner = side < 0 ? t.neckL : t.neckR;
        // From the opening's corner to the side of the neck, where the neck hides the rest.
        p->drawPath(Polygon({corner + QPointF(side * 2, 1), corner + QPointF(side * 1, -4),
                             QPointF(cx + side * (neckHalf + 0.5), corner.y() - 5),
                             QPointF(cx + side * (neckHalf + 0.5), corner.y() + 6)}));
    }
}

} // namespace vx7::samplegen
