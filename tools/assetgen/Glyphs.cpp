#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace vx7::assetgen {

namespace {

// Draws in the 24-unit glyph space. Every glyph is made of three primitives: a stroked path, a
// filled path and a filled path in the accent colour. In halo mode all three become one thick
// outline in the line colour, which is how the halo under a cursor glyph is made.
class Pen {
  public:
    Pen(QPainter& p, const GlyphInk& ink) : p_(p), ink_(ink) {}

    void Stroke(const QPainterPath& path, qreal scale = 1.0) const {
        p_.strokePath(path, LinePen(ink_.weight * scale));
    }
    void Line(QPointF a, QPointF b, qreal scale = 1.0) const {
        QPainterPath path(a);
        path.lineTo(b);
        Stroke(path, scale);
    }
    void Poly(std::initializer_list<QPointF> points, bool closed, qreal scale = 1.0) const {
        QPolygonF poly(points);
        if (closed)
            poly << poly.first();
        QPainterPath path;
        path.addPolygon(poly);
        Stroke(path, scale);
    }
    void Fill(const QPainterPath& path) const { FillWith(path, ink_.line); }
    void Accent(const QPainterPath& path) const { FillWith(path, ink_.accent); }
    void FillWith(const QPainterPath& path, const QColor& colour) const {
        if (ink_.halo) {
            p_.fillPath(path, ink_.line);
            p_.strokePath(path, LinePen(0.0));
            return;
        }
        p_.fillPath(path, colour);
    }
    void Dot(QPointF c, qreal r) const {
        QPainterPath path;
        path.addEllipse(c, r, r);
        Fill(path);
    }
    void AccentDot(QPointF c, qreal r) const {
        QPainterPath path;
        path.addEllipse(c, r, r);
        Accent(path);
    }
    void Ring(QPointF c, qreal r, qreal scale = 1.0) const {
        QPainterPath path;
        path.addEllipse(c, r, r);
        Stroke(path, scale);
    }
    const GlyphInk& Ink() const { return ink_; }
    QPainter& Painter() const { return p_; }

  private:
    // In halo mode every line and fill grows by the halo width.
    QPen LinePen(qreal width) const {
        const qreal w = ink_.halo ? width + ink_.haloWidth : width;
        return QPen(ink_.line, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }
    QPainter& p_;
    const GlyphInk& ink_;
};

QPainterPath Rounded(qreal x, qreal y, qreal w, qreal h, qreal r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPolygonF poly(points);
    poly << poly.first();
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

// A filled triangular arrow head with its tip at `tip`, pointing along `angle` degrees
// (0 = right, 90 = down).
QPainterPath ArrowHead(QPointF tip, qreal angle, qreal length = 5.0, qreal half = 3.6) {
    const qreal a = angle * std::numbers::pi / 180.0;
    const QPointF dir(std::cos(a), std::sin(a));
    const QPointF normal(-dir.y(), dir.x());
    const QPointF base = tip - dir * length;
    return Polygon({tip, base + normal * half, base - normal * half});
}

void Arrow(const Pen& pen, QPointF from, QPointF to, qreal head = 5.0) {
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF unit = d / len;
    pen.Line(from, to - unit * (head * 0.8));
    pen.Fill(ArrowHead(to, std::atan2(d.y(), d.x()) * 180.0 / std::numbers::pi, head, head * 0.72));
}

// Small round badge in the lower right corner holding a check, plus or minus sign.
enum class Badge { Check, Plus, Minus };
void PaintBadge(const Pen& pen, Badge badge) {
    const QPointF c(18.0, 18.0);
    QPainterPath disc;
    disc.addEllipse(c, 5.2, 5.2);
    pen.Accent(disc);
    if (pen.Ink().halo)
        return;
    GlyphInk white = pen.Ink();
    white.line = QColor(255, 255, 255);
    white.weight = 1.7;
    Pen w(pen.Painter(), white);
    switch (badge) {
    case Badge::Check:
        w.Poly({{15.6, 18.2}, {17.4, 20.0}, {20.6, 16.4}}, false);
        break;
    case Badge::Plus:
        w.Line({18.0, 15.3}, {18.0, 20.7});
        w.Line({15.3, 18.0}, {20.7, 18.0});
        break;
    case Badge::Minus:
        w.Line({15.3, 18.0}, {20.7, 18.0});
        break;
    }
}

void PaintPictureFrame(const Pen& pen, QRectF r) {
    pen.Stroke(Rounded(r.x(), r.y(), r.width(), r.height(), 2.5));
    const qreal x = r.x();
    const qreal b = r.bottom();
    const qreal w = r.width();
    const qreal h = r.height();
    pen.Poly({{x + 0.12 * w, b - 0.12 * h},
              {x + 0.38 * w, b - 0.52 * h},
              {x + 0.58 * w, b - 0.3 * h},
              {x + 0.72 * w, b - 0.45 * h},
              {x + 0.88 * w, b - 0.12 * h}},
             false);
    pen.AccentDot({x + 0.7 * w, r.y() + 0.3 * h}, 0.09 * std::min(w, h) + 0.6);
}

QPainterPath PencilShape() {
    // Drawn pointing right along the x axis, then turned to point down-left.
    QPainterPath body;
    body.moveTo(-9.0, -2.8);
    body.lineTo(5.5, -2.8);
    body.lineTo(10.5, 0.0);
    body.lineTo(5.5, 2.8);
    body.lineTo(-9.0, 2.8);
    body.closeSubpath();
    QTransform t;
    t.translate(12.0, 12.0);
    t.rotate(135.0);
    return t.map(body);
}

void PaintPencil(const Pen& pen, qreal dx = 0, qreal dy = 0, qreal scale = 1.0) {
    QTransform t;
    t.translate(12.0 + dx, 12.0 + dy);
    t.scale(scale, scale);
    t.translate(-12.0, -12.0);
    pen.Stroke(t.map(PencilShape()), 1.0 / scale);
    QTransform rot;
    rot.translate(12.0, 12.0);
    rot.rotate(135.0);
    pen.Line(t.map(rot.map(QPointF(5.5, -2.8))), t.map(rot.map(QPointF(5.5, 2.8))), 1.0 / scale);
    pen.Line(t.map(rot.map(QPointF(-5.5, -2.8))), t.map(rot.map(QPointF(-5.5, 2.8))), 1.0 / scale);
    QPainterPath tip;
    tip.addPolygon(t.map(rot.map(QPolygonF({{8.6, -1.1}, {10.5, 0.0}, {8.6, 1.1}}))));
    pen.Fill(tip);
}

QPainterPath Star(QPointF c, qreal outer, qreal inner, int points) {
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const qreal r = (i % 2 == 0) ? outer : inner;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        poly << c + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    return path;
}

void PaintCameraBody(const Pen& pen) {
    QPainterPath body;
    body.moveTo(4.5, 7.0);
    body.lineTo(7.6, 7.0);
    body.lineTo(9.2, 4.6);
    body.lineTo(14.8, 4.6);
    body.lineTo(16.4, 7.0);
    body.lineTo(19.5, 7.0);
    body.quadTo(21.5, 7.0, 21.5, 9.0);
    body.lineTo(21.5, 17.8);
    body.quadTo(21.5, 19.8, 19.5, 19.8);
    body.lineTo(4.5, 19.8);
    body.quadTo(2.5, 19.8, 2.5, 17.8);
    body.lineTo(2.5, 9.0);
    body.quadTo(2.5, 7.0, 4.5, 7.0);
    body.closeSubpath();
    pen.Stroke(body);
    pen.Ring({12.0, 13.2}, 3.9);
    pen.AccentDot({12.0, 13.2}, 1.7);
    pen.Dot({18.3, 9.9}, 0.9);
}

void PaintEllipseOutline(const Pen& pen) {
    QPainterPath e;
    e.addEllipse(QPointF(12.0, 12.0), 9.0, 6.5);
    pen.Stroke(e);
}

void PaintGlyphBody(const Pen& pen, Glyph glyph) {
    switch (glyph) {
    case Glyph::Camera:
        PaintCameraBody(pen);
        break;
    case Glyph::MovieCamera: {
        pen.Stroke(Rounded(2.5, 9.0, 13.0, 10.5, 2.2));
        pen.Poly({{15.5, 12.6}, {21.5, 9.6}, {21.5, 18.9}, {15.5, 15.9}}, true);
        pen.Ring({6.2, 5.6}, 2.6);
        pen.Ring({12.0, 5.6}, 2.6);
        pen.AccentDot({6.2, 14.2}, 1.5);
        break;
    }
    case Glyph::Picture:
        PaintPictureFrame(pen, QRectF(3.0, 4.5, 18.0, 15.0));
        break;
    case Glyph::PictureStack:
        pen.Poly({{6.5, 3.0}, {20.0, 3.0}, {21.5, 4.5}, {21.5, 15.0}}, false);
        PaintPictureFrame(pen, QRectF(2.5, 6.5, 16.0, 14.0));
        break;
    case Glyph::PhotoEdit:
        PaintPictureFrame(pen, QRectF(2.5, 3.5, 14.5, 13.0));
        PaintPencil(pen, 4.0, 4.0, 0.62);
        break;
    case Glyph::PhotoPlus:
        PaintPictureFrame(pen, QRectF(2.5, 3.5, 16.0, 13.5));
        PaintBadge(pen, Badge::Plus);
        break;
    case Glyph::PhotoMove: {
        PaintPictureFrame(pen, QRectF(2.5, 2.5, 13.0, 11.0));
        Arrow(pen, {17.0, 17.0}, {22.0, 17.0}, 3.8);
        Arrow(pen, {17.0, 17.0}, {12.0, 17.0}, 3.8);
        Arrow(pen, {17.0, 17.0}, {17.0, 22.0}, 3.8);
        Arrow(pen, {17.0, 17.0}, {17.0, 12.5}, 3.8);
        break;
    }
    case Glyph::PhotoReload: {
        PaintPictureFrame(pen, QRectF(2.5, 3.0, 15.0, 12.5));
        QPainterPath arc;
        arc.arcMoveTo(QRectF(12.5, 12.5, 9.0, 9.0), 90);
        arc.arcTo(QRectF(12.5, 12.5, 9.0, 9.0), 90, 270);
        pen.Stroke(arc, 0.9);
        pen.Fill(ArrowHead({16.4, 12.3}, 180, 3.8, 2.6));
        break;
    }
    case Glyph::PhotoScale: {
        pen.Stroke(Rounded(2.5, 9.5, 12.0, 12.0, 2.0));
        pen.Poly({{9.0, 6.0}, {9.0, 2.5}, {21.5, 2.5}, {21.5, 15.0}, {18.0, 15.0}}, false, 0.8);
        Arrow(pen, {9.5, 14.5}, {18.0, 6.0}, 4.2);
        break;
    }
    case Glyph::Folder: {
        QPainterPath f;
        f.moveTo(2.5, 6.5);
        f.quadTo(2.5, 4.5, 4.5, 4.5);
        f.lineTo(9.0, 4.5);
        f.lineTo(11.0, 7.0);
        f.lineTo(19.5, 7.0);
        f.quadTo(21.5, 7.0, 21.5, 9.0);
        f.lineTo(21.5, 17.5);
        f.quadTo(21.5, 19.5, 19.5, 19.5);
        f.lineTo(4.5, 19.5);
        f.quadTo(2.5, 19.5, 2.5, 17.5);
        f.closeSubpath();
        pen.Stroke(f);
        pen.Line({2.5, 10.0}, {21.5, 10.0});
        break;
    }
    case Glyph::FolderPicture: {
        QPainterPath f;
        f.moveTo(2.0, 6.0);
        f.quadTo(2.0, 4.0, 4.0, 4.0);
        f.lineTo(8.0, 4.0);
        f.lineTo(10.0, 6.0);
        f.lineTo(13.0, 6.0);
        pen.Stroke(f);
        pen.Line({2.0, 6.0}, {2.0, 17.0});
        PaintPictureFrame(pen, QRectF(7.0, 9.0, 15.0, 12.5));
        break;
    }
    case Glyph::Gear: {
        QPainterPath g;
        QPolygonF poly;
        const int teeth = 8;
        for (int i = 0; i < teeth * 4; ++i) {
            const qreal a = (i - 0.5) * std::numbers::pi * 2 / (teeth * 4);
            const qreal r = (i % 4 == 0 || i % 4 == 1) ? 9.6 : 7.3;
            poly << QPointF(12.0 + std::cos(a) * r, 12.0 + std::sin(a) * r);
        }
        poly << poly.first();
        g.addPolygon(poly);
        g.closeSubpath();
        pen.Stroke(g, 0.9);
        pen.Ring({12.0, 12.0}, 3.0);
        break;
    }
    case Glyph::Sliders:
        pen.Line({3.0, 6.0}, {21.0, 6.0});
        pen.Line({3.0, 12.0}, {21.0, 12.0});
        pen.Line({3.0, 18.0}, {21.0, 18.0});
        pen.AccentDot({8.0, 6.0}, 2.4);
        pen.AccentDot({15.5, 12.0}, 2.4);
        pen.AccentDot({10.5, 18.0}, 2.4);
        pen.Ring({8.0, 6.0}, 2.4, 0.7);
        pen.Ring({15.5, 12.0}, 2.4, 0.7);
        pen.Ring({10.5, 18.0}, 2.4, 0.7);
        break;
    case Glyph::Contrast: {
        pen.Ring({12.0, 12.0}, 8.5);
        QPainterPath half;
        half.moveTo(12.0, 3.5);
        half.arcTo(QRectF(3.5, 3.5, 17.0, 17.0), 90, 180);
        half.closeSubpath();
        pen.Fill(half);
        break;
    }
    case Glyph::Compress:
        Arrow(pen, {12.0, 2.5}, {12.0, 9.5}, 4.4);
        Arrow(pen, {12.0, 21.5}, {12.0, 14.5}, 4.4);
        pen.Line({4.0, 12.0}, {20.0, 12.0});
        pen.Line({5.0, 3.5}, {8.0, 3.5});
        pen.Line({16.0, 3.5}, {19.0, 3.5});
        pen.Line({5.0, 20.5}, {8.0, 20.5});
        pen.Line({16.0, 20.5}, {19.0, 20.5});
        break;
    case Glyph::Play:
        pen.Ring({12.0, 12.0}, 9.0);
        pen.Fill(Polygon({{9.6, 7.4}, {17.0, 12.0}, {9.6, 16.6}}));
        break;
    case Glyph::Stop:
        pen.Ring({12.0, 12.0}, 9.0);
        pen.Fill(Rounded(8.2, 8.2, 7.6, 7.6, 1.2));
        break;
    case Glyph::Music: {
        QPainterPath h1;
        h1.addEllipse(QPointF(6.6, 17.6), 3.3, 2.6);
        QPainterPath h2;
        h2.addEllipse(QPointF(17.1, 15.6), 3.3, 2.6);
        pen.Fill(h1);
        pen.Fill(h2);
        pen.Line({9.6, 17.2}, {9.6, 5.5});
        pen.Line({20.1, 15.2}, {20.1, 3.5});
        pen.Fill(Polygon({{9.6, 4.6}, {20.1, 2.6}, {20.1, 6.4}, {9.6, 8.4}}));
        break;
    }
    case Glyph::Globe: {
        pen.Ring({12.0, 12.0}, 9.0);
        QPainterPath m;
        m.addEllipse(QPointF(12.0, 12.0), 4.0, 9.0);
        pen.Stroke(m, 0.8);
        pen.Line({3.0, 12.0}, {21.0, 12.0}, 0.8);
        pen.Line({4.6, 7.5}, {19.4, 7.5}, 0.8);
        pen.Line({4.6, 16.5}, {19.4, 16.5}, 0.8);
        break;
    }
    case Glyph::Pencil:
        PaintPencil(pen);
        break;
    case Glyph::Brush: {
        QTransform t;
        t.translate(12.0, 12.0);
        t.rotate(135.0);
        QPainterPath handle;
        handle.addRoundedRect(QRectF(-10.0, -1.6, 11.0, 3.2), 1.4, 1.4);
        pen.Stroke(t.map(handle));
        QPainterPath ferrule;
        ferrule.addRect(QRectF(1.0, -2.4, 3.0, 4.8));
        pen.Fill(t.map(ferrule));
        QPainterPath tuft;
        tuft.moveTo(4.0, -2.8);
        tuft.cubicTo(8.0, -3.4, 10.5, -1.0, 11.5, 0.0);
        tuft.cubicTo(10.5, 1.0, 8.0, 3.4, 4.0, 2.8);
        tuft.closeSubpath();
        pen.Accent(t.map(tuft));
        pen.Stroke(t.map(tuft), 0.7);
        break;
    }
    case Glyph::Eraser: {
        QTransform t;
        t.translate(13.0, 10.5);
        t.rotate(-45.0);
        QPainterPath block;
        block.addRoundedRect(QRectF(-8.0, -4.2, 16.0, 8.4), 1.6, 1.6);
        QPainterPath tip;
        tip.addRoundedRect(QRectF(-8.0, -4.2, 6.0, 8.4), 1.6, 1.6);
        pen.Accent(t.map(tip));
        pen.Stroke(t.map(block));
        pen.Line(t.map(QPointF(-2.0, -4.2)), t.map(QPointF(-2.0, 4.2)));
        pen.Line({3.0, 21.0}, {21.0, 21.0}, 0.8);
        break;
    }
    case Glyph::Wand:
        pen.Line({3.5, 20.5}, {14.0, 10.0}, 1.3);
        pen.Accent(Star({17.0, 7.0}, 5.2, 2.0, 4));
        pen.Stroke(Star({17.0, 7.0}, 5.2, 2.0, 4), 0.6);
        pen.Dot({8.0, 5.0}, 1.0);
        pen.Dot({20.5, 15.0}, 1.0);
        break;
    case Glyph::Magnifier:
        pen.Ring({10.0, 10.0}, 6.5);
        pen.Line({15.0, 15.0}, {20.5, 20.5}, 1.5);
        pen.Line({7.0, 10.0}, {13.0, 10.0}, 0.8);
        pen.Line({10.0, 7.0}, {10.0, 13.0}, 0.8);
        break;
    case Glyph::Move:
        Arrow(pen, {12.0, 12.0}, {12.0, 2.5});
        Arrow(pen, {12.0, 12.0}, {12.0, 21.5});
        Arrow(pen, {12.0, 12.0}, {2.5, 12.0});
        Arrow(pen, {12.0, 12.0}, {21.5, 12.0});
        break;
    case Glyph::Sun:
        pen.Ring({12.0, 12.0}, 4.0);
        pen.AccentDot({12.0, 12.0}, 2.4);
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * std::numbers::pi / 4;
            pen.Line({12.0 + std::cos(a) * 6.8, 12.0 + std::sin(a) * 6.8},
                     {12.0 + std::cos(a) * 9.4, 12.0 + std::sin(a) * 9.4});
        }
        break;
    case Glyph::Moon: {
        QPainterPath outer;
        outer.addEllipse(QPointF(12.0, 12.0), 8.5, 8.5);
        QPainterPath bite;
        bite.addEllipse(QPointF(16.5, 8.5), 7.0, 7.0);
        const QPainterPath moon = outer.subtracted(bite);
        pen.Fill(moon);
        pen.Dot({19.0, 16.0}, 0.9);
        pen.Dot({16.0, 19.5}, 0.7);
        break;
    }
    case Glyph::Sharpen: {
        pen.Poly({{12.0, 3.0}, {21.0, 20.0}, {3.0, 20.0}}, true);
        pen.Fill(Polygon({{12.0, 3.0}, {21.0, 20.0}, {12.0, 20.0}}));
        break;
    }
    case Glyph::Reload: {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(4.0, 4.0, 16.0, 16.0), 60);
        arc.arcTo(QRectF(4.0, 4.0, 16.0, 16.0), 60, 280);
        pen.Stroke(arc);
        const QPointF tip(12.0 + 8.0 * std::cos(60.0 * std::numbers::pi / 180.0),
                          12.0 - 8.0 * std::sin(60.0 * std::numbers::pi / 180.0));
        pen.Fill(ArrowHead(tip + QPointF(1.8, 1.2), 150, 5.5, 3.6));
        break;
    }
    case Glyph::PolygonMinus:
    case Glyph::PolygonCheck: {
        pen.Poly({{4.0, 9.0}, {11.0, 3.0}, {19.0, 6.0}, {16.5, 13.0}, {8.5, 17.5}}, true);
        for (QPointF v : {QPointF(4.0, 9.0), QPointF(11.0, 3.0), QPointF(19.0, 6.0), QPointF(8.5, 17.5)})
            pen.Dot(v, 1.6);
        PaintBadge(pen, glyph == Glyph::PolygonMinus ? Badge::Minus : Badge::Check);
        break;
    }
    case Glyph::Check:
        pen.Poly({{4.5, 12.5}, {9.8, 17.8}, {19.5, 6.5}}, false, 1.3);
        break;
    case Glyph::Cross:
        pen.Line({6.0, 6.0}, {18.0, 18.0}, 1.3);
        pen.Line({18.0, 6.0}, {6.0, 18.0}, 1.3);
        break;
    case Glyph::ArrowLeft:
        Arrow(pen, {20.0, 12.0}, {3.5, 12.0}, 7.0);
        break;
    case Glyph::ArrowRight:
        Arrow(pen, {4.0, 12.0}, {20.5, 12.0}, 7.0);
        break;
    case Glyph::ArrowUp:
        Arrow(pen, {12.0, 20.0}, {12.0, 3.5}, 7.0);
        break;
    case Glyph::ArrowDown:
        Arrow(pen, {12.0, 4.0}, {12.0, 20.5}, 7.0);
        break;
    case Glyph::Crop:
        pen.Poly({{7.0, 2.5}, {7.0, 17.0}, {21.5, 17.0}}, false);
        pen.Poly({{2.5, 7.0}, {17.0, 7.0}, {17.0, 21.5}}, false);
        pen.Accent(Rounded(9.0, 9.0, 6.0, 6.0, 1.0));
        break;
    case Glyph::Ellipse:
        PaintEllipseOutline(pen);
        break;
    case Glyph::EllipseFeather: {
        QPen dashed(pen.Ink().line, pen.Ink().weight * 0.8, Qt::CustomDashLine, Qt::RoundCap);
        dashed.setDashPattern({0.1, 2.2});
        QPainterPath e;
        e.addEllipse(QPointF(12.0, 12.0), 9.5, 7.0);
        if (pen.Ink().halo)
            pen.Stroke(e);
        else
            pen.Painter().strokePath(e, dashed);
        QPainterPath inner;
        inner.addEllipse(QPointF(12.0, 12.0), 5.5, 3.6);
        pen.Accent(inner);
        break;
    }
    case Glyph::EllipseBright: {
        QPainterPath e;
        e.addEllipse(QPointF(12.0, 12.0), 9.0, 6.5);
        QPainterPath inner;
        inner.addEllipse(QPointF(12.0, 12.0), 6.2, 3.9);
        pen.Accent(e.subtracted(inner));
        pen.Stroke(e, 0.6);
        break;
    }
    case Glyph::EllipseRing: {
        PaintEllipseOutline(pen);
        QPainterPath inner;
        inner.addEllipse(QPointF(12.0, 12.0), 5.0, 3.2);
        pen.Accent(inner);
        break;
    }
    case Glyph::Spotlight: {
        pen.Fill(Polygon({{9.0, 2.5}, {15.0, 2.5}, {16.0, 6.5}, {8.0, 6.5}}));
        pen.Line({8.5, 7.5}, {4.0, 17.0}, 0.8);
        pen.Line({15.5, 7.5}, {20.0, 17.0}, 0.8);
        QPainterPath pool;
        pool.addEllipse(QPointF(12.0, 18.5), 8.5, 3.0);
        pen.Accent(pool);
        pen.Stroke(pool, 0.7);
        break;
    }
    case Glyph::Palette: {
        QPainterPath blob;
        blob.moveTo(12.0, 2.5);
        blob.cubicTo(18.5, 2.5, 22.0, 7.0, 21.5, 11.5);
        blob.cubicTo(21.0, 15.0, 16.5, 14.0, 15.5, 16.0);
        blob.cubicTo(14.5, 18.0, 17.0, 21.5, 12.5, 21.5);
        blob.cubicTo(6.5, 21.5, 2.5, 17.0, 2.5, 12.0);
        blob.cubicTo(2.5, 6.5, 6.5, 2.5, 12.0, 2.5);
        blob.closeSubpath();
        pen.Stroke(blob);
        if (pen.Ink().halo)
            break;
        const QColor dots[] = {QColor(0xE5, 0x48, 0x4D), QColor(0xF5, 0xB8, 0x2E), QColor(0x3B, 0xB2, 0x73),
                               QColor(0x3A, 0x86, 0xD6)};
        const QPointF at[] = {{7.0, 9.0}, {11.5, 6.5}, {16.5, 8.0}, {7.5, 14.8}};
        for (int i = 0; i < 4; ++i) {
            QPainterPath d;
            d.addEllipse(at[i], 1.9, 1.9);
            pen.FillWith(d, dots[i]);
        }
        break;
    }
    case Glyph::Lipstick: {
        pen.Stroke(Rounded(7.5, 13.5, 9.0, 8.0, 1.2));
        pen.Stroke(Rounded(8.8, 9.5, 6.4, 4.0, 0.8), 0.8);
        QPainterPath tip;
        tip.moveTo(9.3, 9.5);
        tip.lineTo(9.3, 5.2);
        tip.quadTo(9.5, 3.4, 14.7, 2.2);
        tip.lineTo(14.7, 9.5);
        tip.closeSubpath();
        pen.Accent(tip);
        pen.Stroke(tip, 0.6);
        break;
    }
    case Glyph::Face: {
        pen.Ring({11.0, 13.0}, 8.0);
        pen.Dot({8.2, 11.5}, 1.2);
        pen.Dot({13.8, 11.5}, 1.2);
        QPainterPath smile;
        smile.moveTo(7.8, 15.3);
        smile.quadTo(11.0, 18.6, 14.2, 15.3);
        pen.Stroke(smile, 0.8);
        pen.AccentDot({6.8, 15.0}, 1.3);
        pen.AccentDot({15.2, 15.0}, 1.3);
        pen.Accent(Star({19.5, 4.5}, 4.0, 1.4, 4));
        break;
    }
    case Glyph::Shirt:
    case Glyph::ShirtCheck: {
        QPainterPath s;
        s.moveTo(8.5, 3.0);
        s.lineTo(3.0, 5.8);
        s.lineTo(1.5, 11.0);
        s.lineTo(5.5, 12.0);
        s.lineTo(6.5, 10.0);
        s.lineTo(6.5, 21.0);
        s.lineTo(17.5, 21.0);
        s.lineTo(17.5, 10.0);
        s.lineTo(18.5, 12.0);
        s.lineTo(22.5, 11.0);
        s.lineTo(21.0, 5.8);
        s.lineTo(15.5, 3.0);
        s.quadTo(12.0, 7.0, 8.5, 3.0);
        s.closeSubpath();
        pen.Stroke(s);
        if (glyph == Glyph::ShirtCheck)
            PaintBadge(pen, Badge::Check);
        else
            pen.AccentDot({12.0, 10.0}, 1.3);
        break;
    }
    case Glyph::Headshot: {
        pen.Stroke(Rounded(3.0, 3.0, 18.0, 18.0, 3.0));
        pen.Ring({12.0, 10.0}, 3.6);
        QPainterPath shoulders;
        shoulders.moveTo(5.8, 21.0);
        shoulders.cubicTo(6.5, 15.5, 17.5, 15.5, 18.2, 21.0);
        pen.Stroke(shoulders);
        pen.Accent(Star({18.0, 6.0}, 2.8, 1.0, 4));
        break;
    }
    case Glyph::ChatShare: {
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(2.5, 3.5, 19.0, 13.0), 4.0, 4.0);
        QPainterPath tail = Polygon({{6.5, 15.0}, {5.5, 21.0}, {12.0, 15.5}});
        const QPainterPath outline = bubble.united(tail);
        pen.Stroke(outline.simplified());
        pen.Dot({7.5, 10.0}, 1.4);
        pen.AccentDot({12.0, 10.0}, 1.4);
        pen.Dot({16.5, 10.0}, 1.4);
        break;
    }
    case Glyph::Floppy: {
        QPainterPath f;
        f.moveTo(4.5, 3.0);
        f.lineTo(16.5, 3.0);
        f.lineTo(21.0, 7.5);
        f.lineTo(21.0, 19.0);
        f.quadTo(21.0, 21.0, 19.0, 21.0);
        f.lineTo(5.0, 21.0);
        f.quadTo(3.0, 21.0, 3.0, 19.0);
        f.lineTo(3.0, 4.5);
        f.quadTo(3.0, 3.0, 4.5, 3.0);
        f.closeSubpath();
        pen.Stroke(f);
        pen.Stroke(Rounded(7.0, 3.0, 8.5, 5.0, 0.6), 0.8);
        pen.Accent(Rounded(7.0, 13.0, 10.0, 8.0, 1.0));
        pen.Stroke(Rounded(7.0, 13.0, 10.0, 8.0, 1.0), 0.8);
        break;
    }
    case Glyph::Trash:
        pen.Line({3.5, 6.5}, {20.5, 6.5});
        pen.Poly({{9.0, 6.5}, {9.5, 3.5}, {14.5, 3.5}, {15.0, 6.5}}, false, 0.9);
        pen.Poly({{5.5, 6.5}, {6.8, 20.5}, {17.2, 20.5}, {18.5, 6.5}}, false);
        pen.Line({10.0, 10.0}, {10.3, 17.0}, 0.8);
        pen.Line({14.0, 10.0}, {13.7, 17.0}, 0.8);
        break;
    case Glyph::Letter: {
        pen.Poly({{4.5, 19.0}, {12.0, 3.5}, {19.5, 19.0}}, false, 1.1);
        pen.Line({7.6, 13.5}, {16.4, 13.5}, 1.0);
        pen.Accent(Rounded(3.0, 20.5, 18.0, 2.2, 1.0));
        break;
    }
    case Glyph::Freehand: {
        QPainterPath s;
        s.moveTo(2.5, 17.0);
        s.cubicTo(5.5, 4.0, 9.5, 4.0, 10.5, 12.0);
        s.cubicTo(11.5, 20.0, 16.0, 20.0, 17.0, 12.0);
        s.cubicTo(17.6, 7.0, 20.0, 6.0, 21.5, 7.5);
        pen.Stroke(s);
        pen.AccentDot({2.5, 17.0}, 1.6);
        break;
    }
    case Glyph::Circle:
        pen.Ring({12.0, 12.0}, 8.5);
        pen.AccentDot({12.0, 12.0}, 1.5);
        break;
    case Glyph::Polyline:
        pen.Poly({{3.0, 19.0}, {8.5, 7.0}, {14.5, 15.5}, {21.0, 4.5}}, false);
        for (QPointF v : {QPointF(3.0, 19.0), QPointF(8.5, 7.0), QPointF(14.5, 15.5), QPointF(21.0, 4.5)})
            pen.AccentDot(v, 1.8);
        break;
    case Glyph::Rectangle:
        pen.Stroke(Rounded(3.0, 5.5, 18.0, 13.0, 0.6));
        pen.AccentDot({3.0, 5.5}, 1.7);
        pen.AccentDot({21.0, 18.5}, 1.7);
        break;
    case Glyph::PolygonArea: {
        const QPainterPath poly = Polygon({{3.5, 10.0}, {10.5, 3.0}, {20.5, 6.0}, {18.5, 17.5}, {7.5, 20.5}});
        pen.Accent(poly);
        pen.Stroke(poly);
        break;
    }
    case Glyph::ArrowLine:
        Arrow(pen, {3.5, 20.5}, {20.5, 3.5}, 7.5);
        break;
    case Glyph::Film: {
        pen.Stroke(Rounded(3.0, 3.0, 18.0, 18.0, 2.0));
        pen.Line({7.0, 3.0}, {7.0, 21.0}, 0.8);
        pen.Line({17.0, 3.0}, {17.0, 21.0}, 0.8);
        for (qreal y : {6.0, 10.0, 14.0, 18.0}) {
            pen.Dot({5.0, y}, 0.8);
            pen.Dot({19.0, y}, 0.8);
        }
        pen.Fill(Polygon({{10.0, 8.5}, {15.0, 12.0}, {10.0, 15.5}}));
        break;
    }
    case Glyph::ChevronDown:
        pen.Poly({{5.5, 9.0}, {12.0, 15.5}, {18.5, 9.0}}, false, 1.3);
        break;
    case Glyph::Install: {
        Arrow(pen, {12.0, 2.5}, {12.0, 14.5}, 6.0);
        pen.Poly({{3.5, 14.0}, {3.5, 20.5}, {20.5, 20.5}, {20.5, 14.0}}, false);
        break;
    }
    case Glyph::Uninstall:
        pen.Line({3.5, 6.5}, {20.5, 6.5});
        pen.Poly({{9.0, 6.5}, {9.5, 3.5}, {14.5, 3.5}, {15.0, 6.5}}, false, 0.9);
        pen.Poly({{5.5, 6.5}, {6.8, 20.5}, {17.2, 20.5}, {18.5, 6.5}}, false);
        pen.Line({9.5, 11.0}, {14.5, 16.0}, 0.8);
        pen.Line({14.5, 11.0}, {9.5, 16.0}, 0.8);
        break;
    case Glyph::Exit: {
        pen.Poly({{13.0, 7.5}, {13.0, 3.0}, {3.0, 3.0}, {3.0, 21.0}, {13.0, 21.0}, {13.0, 16.5}}, false);
        Arrow(pen, {8.0, 12.0}, {21.5, 12.0}, 6.0);
        break;
    }
    case Glyph::Help: {
        pen.Ring({12.0, 12.0}, 9.0);
        QPainterPath q;
        q.moveTo(9.0, 9.5);
        q.cubicTo(9.0, 6.0, 15.0, 6.0, 15.0, 9.5);
        q.cubicTo(15.0, 11.5, 12.0, 11.8, 12.0, 14.0);
        pen.Stroke(q);
        pen.Dot({12.0, 17.3}, 1.3);
        break;
    }
    }
}

} // namespace

void PaintGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const GlyphInk& ink) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const qreal side = std::min(box.width(), box.height());
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / 24.0, side / 24.0);
    Pen pen(painter, ink);
    PaintGlyphBody(pen, glyph);
    painter.restore();
}

void PaintGlyphWithHalo(QPainter& painter, Glyph glyph, const QRectF& box, const GlyphInk& ink,
                        const QColor& haloColour, qreal haloWidth) {
    GlyphInk halo = ink;
    halo.line = haloColour;
    halo.accent = haloColour;
    halo.halo = true;
    halo.haloWidth = haloWidth;
    PaintGlyph(painter, glyph, box, halo);
    PaintGlyph(painter, glyph, box, ink);
}

} // namespace vx7::assetgen
