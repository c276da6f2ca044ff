#include "Figure.h"

#include "Paint.h"

#include <cmath>

namespace vx7::samplegen {
namespace {

using namespace body;

QPainterPath Arm(int side) {
    const QPointF s = ShoulderJoint(side), e = Elbow(side), w = Wrist(side);
    const qreal o = side; // outward
    return ClosedCurve({s + QPointF(o * -8, -6), s + QPointF(o * 8, 0), e + QPointF(o * elbowHalf, 0),
                        w + QPointF(o * wristHalf, 0), QPointF(w.x() + o * 7, handEndY - 8),
                        QPointF(w.x() + o * 2, handEndY), QPointF(w.x() - o * 5, handEndY - 6),
                        w + QPointF(-o * wristHalf, 0), e + QPointF(-o * elbowHalf, 0),
                        QPointF(cx + o * armpitHalf, armpitY - 4)});
}

QPainterPath Leg(int side) {
    const qreal o = side;
    return ClosedCurve(
        {QPointF(cx + o * 2, crotchY - 6), QPointF(cx + o * hipHalf * 0.96, hipY),
         QPointF(cx + o * (kneeDx + kneeHalf + 2), kneeY - 30), QPointF(cx + o * (kneeDx + kneeHalf), kneeY),
         QPointF(cx + o * (ankleDx + 12), 415), QPointF(cx + o * (ankleDx + ankleHalf), ankleY),
         QPointF(cx + o * (ankleDx + ankleHalf + 6), 482), QPointF(cx + o * (ankleDx - 10), 482),
         QPointF(cx + o * (ankleDx - ankleHalf), ankleY), QPointF(cx + o * (kneeDx - kneeHalf), kneeY),
         QPointF(cx + o * 4, 300)});
}

QPainterPath Torso() {
    return ClosedCurve({QPointF(cx - 22, 104), QPointF(cx - 32, shoulderY - 2),
                        QPointF(cx - shoulderHalf + 2, shoulderY + 5), QPointF(cx - armpitHalf, armpitY),
                        QPointF(cx - bustHalf + 2, bustY), QPointF(cx - waistHalf, waistY),
                        QPointF(cx - hipHalf, hipY), QPointF(cx - 30, crotchY), QPointF(cx + 30, crotchY),
                        QPointF(cx + hipHalf, hipY), QPointF(cx + waistHalf, waistY),
                        QPointF(cx + bustHalf - 2, bustY), QPointF(cx + armpitHalf, armpitY),
                        QPointF(cx + shoulderHalf - 2, shoulderY + 5), QPointF(cx + 32, shoulderY - 2),
                        QPointF(cx + 22, 104), QPointF(cx, 120)});
}

} // namespace

void DrawPerson(QImage& canvas) {
    const QColor skin(236, 196, 170), skinShade(206, 156, 130);
    const QColor top(72, 76, 84), legs(48, 50, 56), hair(52, 34, 26);

    Layer back;
    // Hair behind the head and shoulders.
    back.Fill(ClosedCurve({QPointF(cx - 28, 40), QPointF(cx, headTop - 4), QPointF(cx + 28, 40),
                           QPointF(cx + 31, 90), QPointF(cx + 33, 120), QPointF(cx + 22, 124),
                           QPointF(cx + 12, 96), QPointF(cx - 12, 96), QPointF(cx - 22, 124),
                           QPointF(cx - 33, 120), QPointF(cx - 31, 90)}),
              hair);
    ShadeAcross(back, QPointF(cx - 34, 0), QPointF(cx + 34, 0), {{0, -60}, {0.5, 10}, {1, -60}});

    Layer limbs;
    for (int side : {-1, 1}) {
        limbs.Fill(Arm(side), skin);
        limbs.Fill(Leg(side), legs);
    }
    ShadeAcross(limbs, QPointF(cx - 80, 0), QPointF(cx + 80, 0), {{0, -50}, {0.2, 0}, {0.8, 0}, {1, -50}});
    {
        auto p = limbs.Painter();
        p->setPen(Qt::NoPen);
        for (int side : {-1, 1}) { // shoes
            const qreal x = cx + side * ankleDx;
            QLinearGradient g(0, ankleY + 4, 0, 486);
            g.setColorAt(0, QColor(70, 40, 34));
            g.setColorAt(1, QColor(30, 18, 16));
            p->setBrush(g);
            p->drawPath(ClosedCurve({QPointF(x - 9, ankleY + 6), QPointF(x + 9, ankleY + 6),
                                     QPointF(x + side * 10 + 3, 484), QPointF(x - side * 12, 486)}));
        }
    }

    Layer body;
    body.Fill(
        ClosedCurve({QPointF(cx - neckHalf, 70), QPointF(cx + neckHalf, 70), QPointF(cx + neckHalf + 1, 96),
                     QPointF(cx + 36, 105), QPointF(cx + shoulderHalf - 2, shoulderY + 4), QPointF(cx, 128),
                     QPointF(cx - shoulderHalf + 2, shoulderY + 4), QPointF(cx - 36, 105),
                     QPointF(cx - neckHalf - 1, 96)}),
        skin);
    ShadeAcross(body, QPointF(0, 80), QPointF(0, 104), {{0, -50}, {1, 0}});
    body.Fill(Torso(), top);
    ShadeAcross(body, QPointF(cx - hipHalf, 0), QPointF(cx + hipHalf, 0),
                {{0, -60}, {0.3, 12}, {0.7, 0}, {1, -60}});
    Layer head;
    head.Fill(ClosedCurve({QPointF(cx - headRx, headCy - 6), QPointF(cx - headRx + 2, headCy + 12),
                           QPointF(cx - 9, chin - 4), QPointF(cx, chin), QPointF(cx + 9, chin - 4),
                           QPointF(cx + headRx - 2, headCy + 12), QPointF(cx + headRx, headCy - 6),
                           QPointF(cx, headTop)}),
              skin);
    for (int side : {-1, 1})
        head.Fill(ClosedCurve({QPointF(cx + side * (headRx - 2), earY - 7),
                               QPointF(cx + side * (earDx + 3), earY - 4),
                               QPointF(cx + side * (earDx + 1), earLobeY),
                               QPointF(cx + side * (headRx - 3), earLobeY)}),
                  skinShade);
    ShadeAcross(head, QPointF(cx - headRx, 0), QPointF(cx + headRx, 0),
                {{0, -40}, {0.35, 8}, {0.65, 0}, {1, -40}});
    {
        auto p = head.Painter();
        p->setPen(Qt::NoPen);
        for (int side : {-1, 1}) {
            const QPointF e(cx + side * eyeDx, eyeY);
            p->setBrush(QColor(250, 246, 240));
            p->drawEllipse(e, 4.4, 2.0);
            p->setBrush(QColor(60, 40, 30));
            p->drawEllipse(e + QPointF(0, 0.1), 1.9, 1.9);
            p->setPen(QPen(QColor(40, 28, 22), 0.9));
            p->drawArc(QRectF(e.x() - 4.6, e.y() - 2.3, 9.2, 4.4), 20 * 16, 140 * 16);
            p->setPen(QPen(QColor(70, 46, 34), 1.2, Qt::SolidLine, Qt::RoundCap));
            p->drawLine(e + QPointF(-5, -5.5), e + QPointF(4, -6.5 + side * 0.5));
            p->setPen(Qt::NoPen);
        }
        p->setPen(QPen(QColor(190, 140, 115), 0.9, Qt::SolidLine, Qt::RoundCap));
        p->drawLine(QPointF(cx + 1, 56), QPointF(cx + 2, 65));
        p->setPen(Qt::NoPen);
        p->setBrush(QColor(194, 96, 96));
        p->drawPath(
            ClosedCurve({QPointF(cx - 6, 73), QPointF(cx, 71.5), QPointF(cx + 6, 73), QPointF(cx, 76)}));
    }
    // Fringe and sides of the hair over the head.
    Layer front;
    front.Fill(ClosedCurve({QPointF(cx - 27, 58), QPointF(cx - 25, 32), QPointF(cx, headTop - 3),
                            QPointF(cx + 25, 32), QPointF(cx + 27, 58), QPointF(cx + 21, 44),
                            QPointF(cx + 8, 34), QPointF(cx - 10, 38), QPointF(cx - 21, 46)}),
               hair);
    ShadeSpot(front, QPointF(cx - 8, 28), 16, 40);
    ShadeAcross(front, QPointF(0, headTop), QPointF(0, 60), {{0, 10}, {1, -40}});

    Layer all;
    back.DrawOnto(all);
    limbs.DrawOnto(all);
    body.DrawOnto(all);
    head.DrawOnto(all);
    front.DrawOnto(all);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(0, 0, kCanvasWidth, kCanvasHeight), all.Image());
}

} // namespace vx7::samplegen
