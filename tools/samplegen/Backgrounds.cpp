// Background pictures: a studio backdrop, a shop interior and outdoor scenes, drawn
// in code and softened like a photo's out-of-focus background.
#include "Backgrounds.h"

#include "Paint.h"

#include <QPainter>
#include <QRandomGenerator>

#include <cmath>

namespace vx7::samplegen {
namespace {

QImage Photo() {
    QImage img(kPhotoWidth, kPhotoHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::black);
    return img;
}

// Smooth value noise in 0..1 at several scales, as a grey picture.
QImage CloudNoise(int w, int h, quint32 seed, std::initializer_list<std::pair<int, qreal>> octaves) {
    QImage acc(w, h, QImage::Format_ARGB32_Premultiplied);
    acc.fill(QColor(128, 128, 128));
    QRandomGenerator rng(seed);
    for (const auto& [cell, weight] : octaves) {
        const int gw = w / cell + 2, gh = h / cell + 2;
        QImage grid(gw, gh, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < gh; ++y)
            for (int x = 0; x < gw; ++x) {
                const int v = int(rng.bounded(256));
                grid.setPixel(x, y, qRgb(v, v, v));
            }
        // Bilinear scaling leaves a visible lattice; blurring afterwards makes the blotches round.
        const QImage smooth = Blurred(
            grid.scaled(gw * cell, gh * cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), cell / 2);
        QPainter p(&acc);
        p.setOpacity(weight);
        p.drawImage(0, 0, smooth);
    }
    return acc;
}

// Overlays a grey noise picture: mid grey leaves the picture, lighter brightens, darker darkens.
void Mottle(QImage& img, const QImage& noise, qreal strength) {
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        const auto* n = reinterpret_cast<const QRgb*>(noise.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const qreal d = (qRed(n[x]) - 128) / 128.0 * strength;
            auto ch = [&](int c) { return std::clamp(int(c + d * (d > 0 ? 255 - c : c)), 0, 255); };
            line[x] = qRgb(ch(qRed(line[x])), ch(qGreen(line[x])), ch(qBlue(line[x])));
        }
    }
}

void Vignette(QImage& img, qreal strength) {
    QPainter p(&img);
    QRadialGradient g(img.width() / 2.0, img.height() * 0.45, img.width() * 0.75);
    g.setColorAt(0, QColor(0, 0, 0, 0));
    g.setColorAt(0.55, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(0, 0, 0, int(255 * strength)));
    p.fillRect(img.rect(), g);
}

void Grain(QImage& img, int strength, quint32 seed) {
    QPainter p(&img);
    p.fillRect(img.rect(), QBrush(NoiseTile(128, strength, seed)));
}

// A painted canvas backdrop in cool grey-blue with a lit centre and a darker floor.
QImage StudioBackdrop() {
    QImage img = Photo();
    {
        QPainter p(&img);
        QLinearGradient g(0, 0, 0, kPhotoHeight);
        g.setColorAt(0, QColor(84, 98, 112));
        g.setColorAt(0.7, QColor(108, 122, 134));
        g.setColorAt(0.78, QColor(96, 108, 118));
        g.setColorAt(1, QColor(70, 78, 86));
        p.fillRect(img.rect(), g);
        QRadialGradient spot(320, 220, 300);
        spot.setColorAt(0, QColor(255, 255, 255, 90));
        spot.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(img.rect(), spot);
    }
    Mottle(img, CloudNoise(kPhotoWidth, kPhotoHeight, 7, {{160, 0.6}, {60, 0.5}, {20, 0.3}}), 0.35);
    Vignette(img, 0.55);
    Grain(img, 6, 3);
    return img;
}

// Warm seamless paper lit softly from the left.
QImage CreamBackdrop() {
    QImage img = Photo();
    {
        QPainter p(&img);
        QLinearGradient g(0, 0, kPhotoWidth, 0);
        g.setColorAt(0, QColor(236, 224, 204));
        g.setColorAt(0.5, QColor(222, 206, 182));
        g.setColorAt(1, QColor(180, 164, 142));
        p.fillRect(img.rect(), g);
        QLinearGradient floor(0, 300, 0, kPhotoHeight);
        floor.setColorAt(0, QColor(0, 0, 0, 0));
        floor.setColorAt(0.35, QColor(120, 90, 60, 40));
        floor.setColorAt(1, QColor(80, 60, 40, 70));
        p.fillRect(img.rect(), floor);
        QRadialGradient spot(200, 180, 360);
        spot.setColorAt(0, QColor(255, 250, 240, 110));
        spot.setColorAt(1, QColor(255, 250, 240, 0));
        p.fillRect(img.rect(), spot);
    }
    Mottle(img, CloudNoise(kPhotoWidth, kPhotoHeight, 17, {{200, 0.6}, {80, 0.4}}), 0.12);
    Vignette(img, 0.35);
    Grain(img, 5, 4);
    return img;
}

void Garment(QPainter& p, QRectF r, const QColor& c, quint32 seed) {
    QRandomGenerator rng(seed);
    QPainterPath g;
    const qreal sh = r.width() * 0.18;
    g.moveTo(r.center().x() - r.width() * 0.2, r.top());
    g.lineTo(r.left() + sh * 0.2, r.top() + sh);
    g.lineTo(r.left(), r.bottom());
    g.lineTo(r.right(), r.bottom());
    g.lineTo(r.right() - sh * 0.2, r.top() + sh);
    g.lineTo(r.center().x() + r.width() * 0.2, r.top());
    g.closeSubpath();
    QLinearGradient shade(r.left(), 0, r.right(), 0);
    shade.setColorAt(0, Darker(c, 0.7));
    shade.setColorAt(0.4, Lighter(c, 0.1));
    shade.setColorAt(1, Darker(c, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(g);
    p.setPen(QPen(Darker(c, 0.55), 1));
    for (int k = 0; k < 2; ++k) {
        const qreal x = r.left() + r.width() * (0.3 + 0.4 * rng.generateDouble());
        p.drawLine(QPointF(x, r.top() + sh + 10), QPointF(x + 2, r.bottom()));
    }
    // The hanger's hook above the shoulders.
    p.setPen(QPen(QColor(90, 70, 50), 2));
    p.drawLine(QPointF(r.center().x() - r.width() * 0.28, r.top() + 4), QPointF(r.center().x(), r.top() - 4));
    p.drawLine(QPointF(r.center().x() + r.width() * 0.28, r.top() + 4), QPointF(r.center().x(), r.top() - 4));
    p.setPen(QPen(QColor(170, 170, 175), 1.5));
    p.drawArc(QRectF(r.center().x() - 4, r.top() - 14, 8, 10), 270 * 16, 270 * 16);
}

// A clothing boutique: rails of clothes either side, shelves of folded knitwear at the
// back, a wooden floor and ceiling spots, out of focus behind the subject.
QImage ShopInterior() {
    QImage img = Photo();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wall(0, 0, 0, 330);
    wall.setColorAt(0, QColor(200, 190, 176));
    wall.setColorAt(1, QColor(236, 228, 214));
    p.fillRect(QRect(0, 0, kPhotoWidth, 330), wall);
    p.fillRect(QRect(0, 0, kPhotoWidth, 36), QColor(60, 56, 52));
    // Ceiling spots and their glow on the wall.
    for (int x : {80, 240, 400, 560}) {
        QRadialGradient glow(x, 40, 140);
        glow.setColorAt(0, QColor(255, 244, 210, 160));
        glow.setColorAt(1, QColor(255, 244, 210, 0));
        p.fillRect(QRect(x - 140, 36, 280, 280), glow);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 235));
        p.drawEllipse(QPointF(x, 33), 12, 4);
    }
    // Wooden floor in perspective.
    QLinearGradient floor(0, 330, 0, kPhotoHeight);
    floor.setColorAt(0, QColor(150, 106, 70));
    floor.setColorAt(1, QColor(110, 72, 44));
    p.fillRect(QRect(0, 330, kPhotoWidth, 150), floor);
    p.setPen(QPen(QColor(80, 50, 30, 140), 1.2));
    for (int k = -12; k <= 12; ++k)
        p.drawLine(QPointF(320 + k * 30, 330), QPointF(320 + k * 110, kPhotoHeight));
    p.setPen(QPen(QColor(255, 230, 200, 60), 2));
    p.drawLine(QPointF(0, 331), QPointF(kPhotoWidth, 331));
    // Shelves with folded sweaters at the back.
    const QColor folded[] = {QColor(230, 220, 200), QColor(70, 80, 110),   QColor(190, 120, 120),
                             QColor(140, 140, 140), QColor(200, 170, 120), QColor(110, 40, 50)};
    for (int row = 0; row < 3; ++row) {
        const qreal y = 110 + row * 62;
        p.fillRect(QRectF(236, y + 40, 168, 6), QColor(150, 110, 76));
        for (int k = 0; k < 4; ++k)
            for (int layer = 0; layer < 3; ++layer) {
                const QColor c = folded[(row * 4 + k + layer) % 6];
                p.setPen(Qt::NoPen);
                p.setBrush(Darker(c, 0.85 + 0.05 * layer));
                p.drawRoundedRect(QRectF(244 + k * 40, y + 28 - layer * 11, 34, 11), 3, 3);
            }
    }
    // Clothes rails on both sides.
    const QColor colours[] = {QColor(196, 148, 96),  QColor(40, 50, 84),    QColor(238, 232, 220),
                              QColor(220, 150, 160), QColor(120, 120, 126), QColor(150, 40, 50),
                              QColor(60, 90, 70),    QColor(230, 210, 170)};
    for (int side : {-1, 1}) {
        const qreal x0 = side < 0 ? 10 : 410, x1 = side < 0 ? 230 : 630;
        p.setPen(QPen(QColor(200, 200, 206), 4));
        p.drawLine(QPointF(x0, 120), QPointF(x1, 120));
        p.setPen(QPen(QColor(120, 120, 126), 3));
        p.drawLine(QPointF(side < 0 ? x1 : x0, 120), QPointF(side < 0 ? x1 : x0, 340));
        int n = 0;
        for (qreal x = x0 + 4; x + 40 < x1; x += 22, ++n) {
            const qreal len = 120 + (n * 37 % 90);
            Garment(p, QRectF(x, 126, 46, len), colours[(n + (side < 0 ? 0 : 3)) % 8],
                    quint32(n * 7 + side + 20));
        }
    }
    // A plant in the corner.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 230, 225));
    p.drawRoundedRect(QRectF(560, 380, 50, 60), 6, 6);
    QRandomGenerator rng(5);
    for (int i = 0; i < 60; ++i) {
        const qreal a = -M_PI / 2 + (rng.generateDouble() - 0.5) * 2.2;
        const qreal len = 40 + rng.generateDouble() * 60;
        p.setPen(QPen(QColor(40 + rng.bounded(40), 110 + rng.bounded(60), 50), 5 + rng.bounded(4),
                      Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(585, 382), QPointF(585 + std::cos(a) * len, 382 + std::sin(a) * len));
    }
    p.end();
    img = Blurred(img, 10);
    Vignette(img, 0.4);
    Grain(img, 5, 6);
    return img;
}

// Soft out-of-focus discs of light.
void Bokeh(QImage& img, quint32 seed, int count, qreal minR, qreal maxR, const std::vector<QColor>& colours,
           QRectF area, int minAlpha, int maxAlpha) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    QRandomGenerator rng(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF c(area.left() + rng.generateDouble() * area.width(),
                        area.top() + rng.generateDouble() * area.height());
        const qreal r = minR + rng.generateDouble() * (maxR - minR);
        QColor col = colours[rng.bounded(int(colours.size()))];
        col.setAlpha(minAlpha + int(rng.bounded(maxAlpha - minAlpha + 1)));
        QRadialGradient g(c, r);
        QColor edge = col;
        QColor mid = col;
        mid.setAlpha(col.alpha() * 3 / 4);
        g.setColorAt(0, mid);
        g.setColorAt(0.85, col);
        edge.setAlpha(0);
        g.setColorAt(1, edge);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, r, r);
    }
}

// A park in autumn: yellow and orange trees along a path, out of focus.
QImage AutumnPark() {
    QImage img = Photo();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 260);
    sky.setColorAt(0, QColor(170, 200, 230));
    sky.setColorAt(1, QColor(236, 228, 210));
    p.fillRect(img.rect(), sky);
    QRandomGenerator rng(41);
    // Trunks, then many leaf clusters.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const qreal x = 20 + i * 46 + rng.generateDouble() * 20;
        p.setBrush(QColor(70, 52, 40));
        p.drawRect(QRectF(x, 150 + rng.generateDouble() * 40, 6 + rng.generateDouble() * 6, 160));
    }
    const QColor leaves[] = {QColor(232, 170, 40), QColor(220, 120, 30), QColor(200, 80, 30),
                             QColor(240, 200, 80), QColor(170, 140, 50), QColor(120, 130, 50)};
    for (int i = 0; i < 900; ++i) {
        const qreal x = rng.generateDouble() * kPhotoWidth;
        const qreal y = 10 + std::pow(rng.generateDouble(), 0.8) * 250;
        QColor c = leaves[rng.bounded(6)];
        c = Darker(c, 0.7 + 0.3 * rng.generateDouble());
        p.setBrush(c);
        p.drawEllipse(QPointF(x, y), 6 + rng.generateDouble() * 16, 5 + rng.generateDouble() * 12);
    }
    // Grass and the path.
    QLinearGradient grass(0, 280, 0, kPhotoHeight);
    grass.setColorAt(0, QColor(150, 150, 70));
    grass.setColorAt(1, QColor(100, 110, 50));
    p.fillRect(QRect(0, 290, kPhotoWidth, 190), grass);
    QPainterPath path;
    path.moveTo(300, 290);
    path.lineTo(340, 290);
    path.lineTo(520, kPhotoHeight);
    path.lineTo(120, kPhotoHeight);
    path.closeSubpath();
    QLinearGradient pathShade(0, 290, 0, kPhotoHeight);
    pathShade.setColorAt(0, QColor(200, 190, 170));
    pathShade.setColorAt(1, QColor(160, 146, 126));
    p.fillPath(path, pathShade);
    for (int i = 0; i < 500; ++i) {
        const qreal y = 290 + std::pow(rng.generateDouble(), 0.7) * 190;
        const qreal x = rng.generateDouble() * kPhotoWidth;
        const qreal s = 1 + (y - 290) / 190 * 4;
        p.setBrush(Darker(leaves[rng.bounded(4)], 0.8));
        p.drawEllipse(QPointF(x, y), s * 1.4, s * 0.8);
    }
    p.end();
    img = Blurred(img, 8);
    Bokeh(img, 42, 40, 8, 22, {QColor(255, 230, 150), QColor(255, 250, 220)}, QRectF(0, 0, kPhotoWidth, 260),
          30, 80);
    Vignette(img, 0.3);
    Grain(img, 5, 7);
    return img;
}

// A city street at night, its lights melted into large discs.
QImage CityNight() {
    QImage img = Photo();
    {
        QPainter p(&img);
        QLinearGradient g(0, 0, 0, kPhotoHeight);
        g.setColorAt(0, QColor(14, 18, 40));
        g.setColorAt(0.6, QColor(36, 30, 60));
        g.setColorAt(1, QColor(20, 16, 26));
        p.fillRect(img.rect(), g);
        // Dim building shapes.
        QRandomGenerator rng(51);
        for (int i = 0; i < 10; ++i) {
            const qreal x = i * 70 - 20, h = 160 + rng.generateDouble() * 180;
            p.fillRect(QRectF(x, kPhotoHeight - 120 - h, 60 + rng.generateDouble() * 30, h),
                       QColor(24, 24, 44));
            for (int w = 0; w < 30; ++w)
                p.fillRect(QRectF(x + 6 + rng.bounded(50),
                                  kPhotoHeight - 120 - h + 10 + rng.bounded(int(h) - 20), 5, 7),
                           QColor(255, 210, 120, 90 + rng.bounded(100)));
        }
    }
    img = Blurred(img, 10);
    Bokeh(img, 52, 70, 10, 38,
          {QColor(255, 180, 80), QColor(255, 210, 120), QColor(255, 120, 80), QColor(200, 220, 255)},
          QRectF(-20, 60, kPhotoWidth + 40, 360), 40, 130);
    Bokeh(img, 53, 30, 4, 10, {QColor(255, 240, 200)}, QRectF(0, 100, kPhotoWidth, 300), 60, 160);
    Vignette(img, 0.5);
    Grain(img, 7, 8);
    return img;
}

// A snowy pine wood, with flakes falling in front.
QImage SnowyWood() {
    QImage img = Photo();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(190, 204, 220));
    sky.setColorAt(1, QColor(232, 236, 242));
    p.fillRect(img.rect(), sky);
    QRandomGenerator rng(61);
    for (int layer = 0; layer < 3; ++layer) {
        const qreal base = 250 + layer * 40;
        const QColor green = Mix(QColor(34, 62, 50), QColor(170, 186, 196), 0.55 - layer * 0.25);
        for (int i = 0; i < 16; ++i) {
            const qreal x = rng.generateDouble() * kPhotoWidth;
            const qreal h = 120 + rng.generateDouble() * 120 + layer * 30;
            for (int tier = 0; tier < 5; ++tier) {
                const qreal top = base - h + tier * h / 6;
                const qreal w = h * (0.12 + tier * 0.06);
                QPainterPath tri;
                tri.moveTo(x, top);
                tri.lineTo(x - w, top + h / 4);
                tri.lineTo(x + w, top + h / 4);
                tri.closeSubpath();
                p.fillPath(tri, green);
                // Snow on the branches.
                QPainterPath cap;
                cap.moveTo(x, top + 2);
                cap.lineTo(x - w * 0.9, top + h / 4 - 1);
                cap.lineTo(x + w * 0.6, top + h / 4 - 6);
                cap.closeSubpath();
                p.fillPath(cap, QColor(245, 248, 252, 180));
            }
        }
        p.fillRect(QRectF(0, base, kPhotoWidth, kPhotoHeight - base),
                   Mix(QColor(236, 240, 248), QColor(200, 210, 226), layer * 0.3));
    }
    p.end();
    img = Blurred(img, 8);
    Bokeh(img, 62, 160, 1.5, 4, {QColor(255, 255, 255)}, QRectF(0, 0, kPhotoWidth, kPhotoHeight), 120, 220);
    Bokeh(img, 63, 18, 6, 12, {QColor(255, 255, 255)}, QRectF(0, 0, kPhotoWidth, kPhotoHeight), 60, 120);
    Vignette(img, 0.25);
    Grain(img, 4, 9);
    return img;
}

// A loft wall of red brick with daylight from a window on the left.
QImage BrickLoft() {
    QImage img = Photo();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), QColor(170, 160, 150));
    QRandomGenerator rng(71);
    const qreal bw = 44, bh = 16;
    for (int row = 0; row * bh < 400; ++row)
        for (qreal x = (row % 2) * -bw / 2; x < kPhotoWidth; x += bw) {
            const QColor base(150 + rng.bounded(40), 64 + rng.bounded(26), 46 + rng.bounded(20));
            QLinearGradient g(0, row * bh, 0, row * bh + bh);
            g.setColorAt(0, Lighter(base, 0.08));
            g.setColorAt(1, Darker(base, 0.8));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRoundedRect(QRectF(x + 1.5, row * bh + 1.5, bw - 3, bh - 3), 1.5, 1.5);
        }
    QLinearGradient floor(0, 396, 0, kPhotoHeight);
    floor.setColorAt(0, QColor(120, 90, 64));
    floor.setColorAt(1, QColor(80, 56, 40));
    p.fillRect(QRect(0, 396, kPhotoWidth, 84), floor);
    p.fillRect(QRect(0, 390, kPhotoWidth, 8), QColor(230, 226, 220));
    // Window light falling across the wall.
    QLinearGradient light(0, 0, kPhotoWidth, 0);
    light.setColorAt(0, QColor(255, 246, 226, 130));
    light.setColorAt(0.5, QColor(255, 246, 226, 20));
    light.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillRect(img.rect(), light);
    p.end();
    img = Blurred(img, 2);
    Mottle(img, CloudNoise(kPhotoWidth, kPhotoHeight, 72, {{60, 0.5}, {12, 0.5}}), 0.12);
    Vignette(img, 0.35);
    Grain(img, 6, 10);
    return img;
}

// The seaside on a clear day.
QImage Seaside() {
    QImage img = Photo();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 230);
    sky.setColorAt(0, QColor(86, 150, 214));
    sky.setColorAt(1, QColor(200, 226, 240));
    p.fillRect(QRect(0, 0, kPhotoWidth, 232), sky);
    QRandomGenerator rng(81);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) { // clouds
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawEllipse(QPointF(60 + (i % 8) * 80 + rng.generateDouble() * 30,
                              60 + (i / 8) * 14 + rng.generateDouble() * 20),
                      30 + rng.generateDouble() * 30, 8 + rng.generateDouble() * 8);
    }
    QLinearGradient sea(0, 230, 0, 330);
    sea.setColorAt(0, QColor(40, 110, 160));
    sea.setColorAt(1, QColor(70, 160, 180));
    p.fillRect(QRect(0, 230, kPhotoWidth, 100), sea);
    for (int i = 0; i < 200; ++i) {
        const qreal y = 232 + std::pow(rng.generateDouble(), 1.5) * 96;
        const qreal x = rng.generateDouble() * kPhotoWidth;
        p.setBrush(QColor(255, 255, 255, 60 + rng.bounded(80)));
        p.drawEllipse(QPointF(x, y), 3 + (y - 230) / 10, 0.6 + (y - 230) / 90);
    }
    QPainterPath foam;
    foam.moveTo(0, 334);
    foam.cubicTo(QPointF(200, 326), QPointF(420, 340), QPointF(kPhotoWidth, 330));
    foam.lineTo(kPhotoWidth, kPhotoHeight);
    foam.lineTo(0, kPhotoHeight);
    foam.closeSubpath();
    QLinearGradient sand(0, 326, 0, kPhotoHeight);
    sand.setColorAt(0, QColor(236, 230, 214));
    sand.setColorAt(0.08, QColor(214, 194, 160));
    sand.setColorAt(1, QColor(196, 170, 130));
    p.fillPath(foam, sand);
    p.setPen(QPen(QColor(255, 255, 255, 200), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath([&] {
        QPainterPath edge;
        edge.moveTo(0, 333);
        edge.cubicTo(QPointF(200, 325), QPointF(420, 339), QPointF(kPhotoWidth, 329));
        return edge;
    }());
    p.end();
    img = Blurred(img, 4);
    Mottle(img, CloudNoise(kPhotoWidth, kPhotoHeight, 82, {{40, 0.4}, {8, 0.4}}), 0.06);
    Vignette(img, 0.25);
    Grain(img, 5, 11);
    return img;
}

} // namespace

std::vector<Backdrop> Backdrops() {
    return {
        {QStringLiteral("背景图001.jpg"), StudioBackdrop}, {QStringLiteral("背景图002.jpg"), CreamBackdrop},
        {QStringLiteral("背景图003.jpg"), ShopInterior},   {QStringLiteral("背景图004.jpg"), AutumnPark},
        {QStringLiteral("背景图005.jpg"), CityNight},      {QStringLiteral("背景图006.jpg"), SnowyWood},
        {QStringLiteral("背景图007.jpg"), BrickLoft},      {QStringLiteral("背景图008.jpg"), Seaside},
    };
}

} // namespace vx7::samplegen
