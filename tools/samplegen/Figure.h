#pragma once

#include "Paint.h"
#include <QImage>

#include <QPointF>

namespace vx7::samplegen {

// Landmarks of the person the materials are fitted to, in canvas coordinates: a woman
// standing in the middle of a 640 x 480 photo as the editor shows it (a photo wider than
// the canvas starts at the canvas's left edge, so the photo's middle is at x = 320; it
// is one pixel down), head to ankles in frame, arms hanging slightly away from the body.
namespace body {
constexpr qreal cx = 320; // the middle of a 640-pixel photo drawn from the canvas's left edge
constexpr qreal headTop = 22, chin = 86;
constexpr qreal headCy = 54, headRx = 23, headRy = 32.5;
constexpr qreal eyeY = 52, eyeDx = 10.5;
constexpr qreal earY = 57, earDx = 23.5, earLobeY = 65;
constexpr qreal neckHalf = 10, neckBaseY = 104;
constexpr qreal shoulderY = 110, shoulderHalf = 52; // shoulder tips
constexpr qreal armpitY = 146, armpitHalf = 42;
constexpr qreal bustY = 158, bustHalf = 44;
constexpr qreal waistY = 202, waistHalf = 33;
constexpr qreal hipY = 252, hipHalf = 50;
constexpr qreal crotchY = 284;
constexpr qreal kneeY = 374, kneeDx = 19, kneeHalf = 13;
constexpr qreal ankleY = 462, ankleDx = 16, ankleHalf = 7;
// Arm joints (right side of the picture; the left mirrors them).
constexpr qreal shoulderJointDx = 44, shoulderJointY = 120;
constexpr qreal elbowDx = 60, elbowY = 204;
constexpr qreal wristDx = 67, wristY = 276;
constexpr qreal handEndY = 304;
constexpr qreal upperArmHalf = 12, elbowHalf = 10, wristHalf = 7;

// side = -1 for the left of the picture, +1 for the right.
inline QPointF ShoulderJoint(int side) {
    return {cx + side * shoulderJointDx, shoulderJointY};
}
inline QPointF Elbow(int side) {
    return {cx + side * elbowDx, elbowY};
}
inline QPointF Wrist(int side) {
    return {cx + side * wristDx, wristY};
}
} // namespace body

// Draws the person (photo coordinates are canvas coordinates here) on a canvas-sized
// picture; used to judge the materials on a photo.
void DrawPerson(QImage& canvasAtScale1);

} // namespace vx7::samplegen
