#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

namespace vx7::samplegen {

// The editor canvas the sample materials are positioned for, and the factor at which
// pictures are drawn (materials store scale 1 / kScale, so they stay sharp when enlarged).
constexpr int kCanvasWidth = 560;
constexpr int kCanvasHeight = 482;
constexpr int kScale = 2;

// A transparent drawing surface the size of the canvas at kScale, painted in canvas
// coordinates. Parts of a garment are painted on their own layer so that shading and
// textures applied "atop" stay inside the part's antialiased outline.
class Layer {
  public:
    Layer();
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    // A painter in canvas coordinates with antialiasing.
    std::unique_ptr<QPainter> Painter();

    void Fill(const QPainterPath& path, const QBrush& brush);
    // Paints with SourceAtop: only where the layer already has paint, keeping its alpha.
    void Atop(const std::function<void(QPainter&)>& paint);
    // The same in device pixels (textures keep their pixel size).
    void AtopDevice(const std::function<void(QPainter&)>& paint);
    // Composites this layer over dst.
    void DrawOnto(Layer& dst, qreal opacity = 1.0) const;
    // Casts a soft shadow of this layer's shape onto dst (only where dst has paint).
    void ShadowOnto(Layer& dst, QPointF offset, int blurRadius, int alpha) const;

  private:
    QImage image_;
};

// An overlay colour: negative values darken (black with that alpha), positive lighten.
QColor Tone(int value);

// Fills the whole layer atop with a linear gradient of tones from a to b.
void ShadeAcross(Layer& layer, QPointF a, QPointF b, std::initializer_list<std::pair<qreal, int>> stops);
// A radial overlay: tone at the centre fading to nothing at radius.
void ShadeSpot(Layer& layer, QPointF centre, qreal radius, int tone);

// A soft crease: a dark stroke with a feathered edge and, when highlight > 0, a light
// line beside it. Painted atop, so it stays inside the cloth.
void Fold(Layer& layer, const QPainterPath& curve, qreal width, int dark, int highlight = 0,
          QPointF highlightOffset = QPointF(1.2, 0));
// Topstitching: short dashes along a path.
void Stitches(QPainter& p, const QPainterPath& path, const QColor& thread, qreal width = 0.6,
              qreal dash = 2.2, qreal gap = 1.6);
// A sewn button with four holes.
void Button(QPainter& p, QPointF centre, qreal radius, const QColor& colour);
// A metal shank button or rivet.
void MetalStud(QPainter& p, QPointF centre, qreal radius, const QColor& metal);

// Deterministic textures in device pixels, to be tiled with AtopDevice.
QImage NoiseTile(int size, int strength, quint32 seed);
QImage KnitTile(const QColor& tint);
QImage TwillTile();

// Box blur (three passes approximate a Gaussian); radius in pixels.
QImage Blurred(const QImage& image, int radius);

// Handy path builders.
QPainterPath Polygon(std::initializer_list<QPointF> points);
QPainterPath Curve(std::initializer_list<QPointF> points); // smooth curve through the points
QPainterPath ClosedCurve(std::initializer_list<QPointF> points);

QColor Mix(const QColor& a, const QColor& b, qreal t);
QColor Darker(const QColor& c, qreal f);  // f in 0..1: fraction of brightness kept
QColor Lighter(const QColor& c, qreal f); // f in 0..1: fraction moved towards white

} // namespace vx7::samplegen
