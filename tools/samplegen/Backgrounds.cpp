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
        const QImage smooth = grid.scaled(gw * cell, gh * cell, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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

} // namespace

std::vector<Backdrop> Backdrops() {
    return {
        {QStringLiteral("背景图001.jpg"), StudioBackdrop},
    };
}

} // namespace vx7::samplegen
