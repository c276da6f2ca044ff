#pragma once

#include "Paint.h"

#include <QPainterPath>
#include <QPointF>

#include <array>
#include <functional>

namespace vx7::samplegen {

// The cut of a top (coat, jacket, sweater, dress bodice) over the standard person.
struct TopParams {
    qreal ease = 4;         // room around the body at chest and shoulders
    qreal shoulderDrop = 0; // dropped shoulder: the seam sits this far beyond the shoulder tip
    qreal waistHalf = 40;   // half width at the waist
    qreal hipHalf = 56;     // half width at the hips
    qreal hemY = 262;
    qreal hemHalf = 56;
    qreal hemCurve = 3;    // how far the hem's middle hangs below its ends
    qreal sleeveT = 1.0;   // cuff position along the forearm: 0 elbow, 1 wrist
    qreal sleeveOut = 5;   // sleeve room outside the arm
    qreal sleeveIn = 3;    // sleeve room inside the arm
    qreal cuffFlare = 0;   // extra half width at the cuff
    qreal neckHalf = 14;   // half width of the neck opening at the shoulder line
    qreal neckY = 100;     // height of the neck opening's corners
    qreal neckDepth = 118; // lowest point of the front neckline
};

struct TopShape {
    QPainterPath body;
    std::array<QPainterPath, 2> sleeves; // [0] left of the picture, [1] right
    QPointF neckL, neckR, neckFront;
    QPointF hemL, hemR;
    std::array<QPointF, 2> shoulder, armpit, elbowOut, elbowIn, cuffOut, cuffIn;
};

TopShape BuildTop(const TopParams& params);

// A sleeve's direction at the cuff (unit vector down the forearm) and its outward normal.
QPointF ForearmDirection(int side);
QPointF Outward(QPointF direction, int side);

// Cloth painting helpers shared by the garments.
// Paints a sleeve (side -1/+1) on its own layer with shading across the arm and elbow folds.
void PaintSleeve(Layer& layer, const TopShape& shape, int side, const QColor& colour, int foldStrength = 60);
// Shading of a body piece: darker sides, light towards the upper left.
void ShadeBody(Layer& layer, qreal left, qreal right, qreal top, qreal bottom, int sideDark = 70);
// The inside of the back neck, seen on both sides of the neck.
void PaintBackNeck(Layer& layer, const TopShape& shape, const QColor& inside);

// Index of side -1/+1 into the arrays of TopShape.
inline int SideIndex(int side) {
    return side < 0 ? 0 : 1;
}

} // namespace vx7::samplegen
