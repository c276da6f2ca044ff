#pragma once

#include "Paint.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

namespace vx7::samplegen {

// One material picture: its picture name and how to draw it on the standard person,
// in canvas coordinates.
struct Art {
    QString name;
    std::function<void(Layer&)> draw;
};

// A drawn material cut to its visible pixels: the picture at kScale and the canvas
// position of its top-left corner.
struct Sprite {
    QImage image;
    QPoint position;
};

Sprite RenderSprite(const Art& art);

std::vector<Art> Garments();
std::vector<Art> Accessories();

} // namespace vx7::samplegen
