#include "Paint.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <vector>

namespace vx7::samplegen {

Layer::Layer() : image_(kCanvasWidth * kScale, kCanvasHeight * kScale, QImage::Format_ARGB32_Premultiplied) {
    image_.fill(Qt::transparent);
}

std::unique_ptr<QPainter> Layer::Painter() {
    auto p = std::make_unique<QPainter>(&image_);
    p->setRenderHint(QPainter::Antialiasing);
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    p->scale(kScale, kScale);
    return p;
}

void Layer::Fill(const QPainterPath& path, const QBrush& brush) {
    auto p = Painter();
    p->fillPath(path, brush);
}

void Layer::Atop(const std::function<void(QPainter&)>& paint) {
    auto p = Painter();
    p->setCompositionMode(QPainter::CompositionMode_SourceAtop);
    paint(*p);
}

void Layer::AtopDevice(const std::function<void(QPainter&)>& paint) {
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    paint(p);
}

void Layer::DrawOnto(Layer& dst, qreal opacity) const {
    QPainter p(&dst.image_);
    p.setOpacity(opacity);
    p.drawImage(0, 0, image_);
}

void Layer::ShadowOnto(Layer& dst, QPointF offset, int blurRadius, int alpha) const {
    QImage shadow(image_.size(), QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter p(&shadow);
        p.drawImage(QPointF(offset.x() * kScale, offset.y() * kScale), image_);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(shadow.rect(), QColor(0, 0, 0, alpha));
    }
    shadow = Blurred(shadow, blurRadius * kScale);
    QPainter p(&dst.image_);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.drawImage(0, 0, shadow);
}

QColor Tone(int value) {
    const int a = std::clamp(std::abs(value), 0, 255);
    return value < 0 ? QColor(0, 0, 0, a) : QColor(255, 255, 255, a);
}

void ShadeAcross(Layer& layer, QPointF a, QPointF b, std::initializer_list<std::pair<qreal, int>> stops) {
    QLinearGradient g(a, b);
    for (const auto& [pos, tone] : stops)
        g.setColorAt(pos, Tone(tone));
    layer.Atop(
        [&](QPainter& p) { p.fillRect(QRectF(-50, -50, kCanvasWidth + 100, kCanvasHeight + 100), g); });
}

void ShadeSpot(Layer& layer, QPointF centre, qreal radius, int tone) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, Tone(tone));
    QColor end = Tone(tone);
    end.setAlpha(0);
    g.setColorAt(1, end);
    layer.Atop([&](QPainter& p) {
        p.fillRect(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), g);
    });
}

void Fold(Layer& layer, const QPainterPath& curve, qreal width, int dark, int highlight,
          QPointF highlightOffset) {
    layer.Atop([&](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        // Feathered: wide faint strokes under narrow stronger ones.
        constexpr int kSteps = 5;
        for (int i = kSteps; i >= 1; --i) {
            const qreal w = width * i / kSteps * 1.6;
            p.setPen(QPen(QColor(0, 0, 0, dark / kSteps), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawPath(curve);
        }
        if (highlight > 0) {
            p.translate(highlightOffset);
            for (int i = 3; i >= 1; --i) {
                const qreal w = width * 0.5 * i / 3;
                p.setPen(QPen(QColor(255, 255, 255, highlight / 3), w, Qt::SolidLine, Qt::RoundCap,
                              Qt::RoundJoin));
                p.drawPath(curve);
            }
        }
    });
}

void Stitches(QPainter& p, const QPainterPath& path, const QColor& thread, qreal width, qreal dash,
              qreal gap) {
    QPen pen(thread, width, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({dash / width, gap / width});
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(pen);
    p.drawPath(path);
    p.restore();
}

void Button(QPainter& p, QPointF c, qreal r, const QColor& colour) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(c + QPointF(0.4, 0.6), r, r);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.4);
    g.setColorAt(0, Lighter(colour, 0.35));
    g.setColorAt(0.6, colour);
    g.setColorAt(1, Darker(colour, 0.6));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Darker(colour, 0.55), r * 0.12));
    p.drawEllipse(c, r * 0.72, r * 0.72);
    p.setPen(Qt::NoPen);
    p.setBrush(Darker(colour, 0.4));
    const qreal h = r * 0.22;
    for (QPointF d : {QPointF(-h, -h), QPointF(h, -h), QPointF(-h, h), QPointF(h, h)})
        p.drawEllipse(c + d, r * 0.11, r * 0.11);
    p.restore();
}

void MetalStud(QPainter& p, QPointF c, qreal r, const QColor& metal) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawEllipse(c + QPointF(0.3, 0.5), r, r);
    QRadialGradient g(c - QPointF(r * 0.4, r * 0.4), r * 1.5);
    g.setColorAt(0, QColor(255, 255, 240));
    g.setColorAt(0.35, Lighter(metal, 0.2));
    g.setColorAt(1, Darker(metal, 0.5));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.restore();
}

QImage NoiseTile(int size, int strength, quint32 seed) {
    QImage tile(size, size, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator rng(seed);
    for (int y = 0; y < size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const int v = int(rng.bounded(2 * strength + 1)) - strength;
            const int a = std::abs(v);
            const int c = v < 0 ? 0 : a; // premultiplied white or black
            line[x] = qRgba(c, c, c, a);
        }
    }
    return tile;
}

QImage KnitTile(const QColor& tint) {
    // One knit stitch column is a "V" of two slanted loops, 8 device pixels wide.
    constexpr int w = 8, h = 7;
    QImage tile(w, h, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor dark(0, 0, 0, 70), light(255, 255, 255, 45);
    for (int side : {-1, 1}) {
        p.save();
        p.translate(w / 2.0 + side * 1.9, h / 2.0);
        p.rotate(side * -28);
        p.setPen(Qt::NoPen);
        QLinearGradient g(-2, 0, 2, 0);
        g.setColorAt(0, side < 0 ? light : dark);
        g.setColorAt(1, side < 0 ? dark : light);
        p.setBrush(g);
        p.drawEllipse(QRectF(-1.8, -4.1, 3.6, 8.2));
        p.restore();
    }
    p.setPen(QPen(QColor(0, 0, 0, 90), 0.8));
    p.drawLine(QPointF(0, 0), QPointF(0, h));
    Q_UNUSED(tint);
    return tile;
}

QImage TwillTile() {
    constexpr int n = 6;
    QImage tile(n, n, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const int d = (x + y) % n;
            if (d < 2)
                tile.setPixel(x, y, qRgba(60, 60, 60, 60)); // light diagonal (premultiplied white, alpha 60)
            else if (d == 3)
                tile.setPixel(x, y, qRgba(0, 0, 0, 55));
        }
    return tile;
}

namespace {

// One horizontal box-blur pass over premultiplied pixels (running sums, edges clamped).
void BoxPass(const QImage& src, QImage& dst, int r) {
    const int w = src.width(), h = src.height();
    const int n = 2 * r + 1;
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(y));
        int sa = 0, sr = 0, sg = 0, sb = 0;
        for (int i = -r; i <= r; ++i) {
            const QRgb c = in[std::clamp(i, 0, w - 1)];
            sa += qAlpha(c), sr += qRed(c), sg += qGreen(c), sb += qBlue(c);
        }
        for (int x = 0; x < w; ++x) {
            out[x] = qRgba(sr / n, sg / n, sb / n, sa / n);
            const QRgb add = in[std::min(x + r + 1, w - 1)];
            const QRgb sub = in[std::max(x - r, 0)];
            sa += qAlpha(add) - qAlpha(sub);
            sr += qRed(add) - qRed(sub);
            sg += qGreen(add) - qGreen(sub);
            sb += qBlue(add) - qBlue(sub);
        }
    }
}

QImage Transposed(const QImage& img) {
    QImage t(img.height(), img.width(), img.format());
    for (int y = 0; y < img.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            reinterpret_cast<QRgb*>(t.scanLine(x))[y] = in[x];
    }
    return t;
}

} // namespace

QImage Blurred(const QImage& image, int radius) {
    if (radius <= 0)
        return image;
    QImage a = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage b(a.size(), a.format());
    const int r = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        BoxPass(a, b, r);
        std::swap(a, b);
    }
    a = Transposed(a);
    b = QImage(a.size(), a.format());
    for (int pass = 0; pass < 3; ++pass) {
        BoxPass(a, b, r);
        std::swap(a, b);
    }
    return Transposed(a);
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (QPointF pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

namespace {

// Catmull-Rom through the points, as cubic Béziers.
QPainterPath CatmullRom(const std::vector<QPointF>& pts, bool closed) {
    QPainterPath path;
    const int n = static_cast<int>(pts.size());
    if (n == 0)
        return path;
    path.moveTo(pts[0]);
    const int segments = closed ? n : n - 1;
    auto at = [&](int i) {
        if (closed)
            return pts[static_cast<size_t>((i % n + n) % n)];
        return pts[static_cast<size_t>(std::clamp(i, 0, n - 1))];
    };
    for (int i = 0; i < segments; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

} // namespace

QPainterPath Curve(std::initializer_list<QPointF> points) {
    return CatmullRom(std::vector<QPointF>(points), false);
}
QPainterPath ClosedCurve(std::initializer_list<QPointF> points) {
    return CatmullRom(std::vector<QPointF>(points), true);
}

QColor Mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(
        float(a.redF() + (b.redF() - a.redF()) * t), float(a.greenF() + (b.greenF() - a.greenF()) * t),
        float(a.blueF() + (b.blueF() - a.blueF()) * t), float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Darker(const QColor& c, qreal f) {
    return Mix(QColor(0, 0, 0, c.alpha()), c, f);
}
QColor Lighter(const QColor& c, qreal f) {
    return Mix(c, QColor(255, 255, 255, c.alpha()), f);
}

} // namespace vx7::samplegen
