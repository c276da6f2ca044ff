// Make-up palettes: the make-up brush copies a palette's pixels onto the photo, so each
// palette is the colour itself with the fine texture the product leaves on skin or hair
// (a matt or satin lip colour, a soft blush, a shimmering eye shadow, hair strands).
#include "Palettes.h"

#include "Paint.h"

#include <QPainter>
#include <QRandomGenerator>

#include <cmath>

namespace vx7::samplegen {
namespace {

constexpr int kSize = 44;

enum class Finish { Satin, Soft, Shimmer, Strands };

QImage Render(const QColor& colour, Finish finish, quint32 seed) {
    QImage img(kSize, kSize, QImage::Format_RGB32);
    QRandomGenerator rng(seed);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            // A very gentle vertical falloff, and per-pixel variation by finish.
            const qreal fall = 1.0 + (kSize / 2.0 - y) / kSize * 0.06;
            int spread = 3;
            if (finish == Finish::Soft)
                spread = 2;
            if (finish == Finish::Shimmer)
                spread = rng.bounded(12) == 0 ? 28 : 4;
            const int d = int(rng.bounded(2 * spread + 1)) - spread;
            auto ch = [&](int c) { return std::clamp(int(c * fall) + d, 0, 255); };
            img.setPixel(x, y, qRgb(ch(colour.red()), ch(colour.green()), ch(colour.blue())));
        }
    if (finish == Finish::Strands) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 90; ++i) {
            const qreal x = rng.generateDouble() * kSize;
            const qreal bend = rng.generateDouble() * 6 - 3;
            QPainterPath strand;
            strand.moveTo(x, -2);
            strand.cubicTo(QPointF(x + bend, kSize * 0.3), QPointF(x - bend, kSize * 0.7),
                           QPointF(x + bend * 0.5, kSize + 2));
            const bool light = rng.bounded(3) == 0;
            QColor c = light ? Lighter(colour, 0.25) : Darker(colour, 0.75);
            c.setAlpha(light ? 110 : 140);
            p.setPen(QPen(c, 0.5 + rng.generateDouble() * 0.6));
            p.drawPath(strand);
        }
    }
    return img;
}

struct Shade {
    const char* what; // lip, blush, eye shadow or hair colour, for the reader of this table
    QColor colour;
    Finish finish;
};

} // namespace

std::vector<Palette> Palettes() {
    static const Shade shades[] = {
        {"lip: classic red", QColor(178, 22, 38), Finish::Satin},
        {"lip: rose brown", QColor(170, 92, 92), Finish::Satin},
        {"lip: coral", QColor(232, 104, 88), Finish::Satin},
        {"lip: fuchsia", QColor(196, 38, 98), Finish::Satin},
        {"lip: nude pink", QColor(208, 146, 136), Finish::Satin},
        {"lip: berry", QColor(128, 30, 56), Finish::Satin},
        {"blush: peach pink", QColor(240, 166, 160), Finish::Soft},
        {"blush: apricot", QColor(242, 170, 126), Finish::Soft},
        {"blush: rose", QColor(222, 134, 152), Finish::Soft},
        {"eye shadow: earth brown", QColor(138, 96, 72), Finish::Shimmer},
        {"eye shadow: champagne", QColor(214, 182, 134), Finish::Shimmer},
        {"eye shadow: smoky grey", QColor(88, 86, 94), Finish::Shimmer},
        {"eye shadow: violet", QColor(128, 92, 150), Finish::Shimmer},
        {"eye shadow: olive", QColor(92, 100, 64), Finish::Shimmer},
        {"brow: taupe", QColor(108, 88, 74), Finish::Soft},
        {"hair: natural black", QColor(28, 24, 24), Finish::Strands},
        {"hair: dark brown", QColor(68, 44, 32), Finish::Strands},
        {"hair: chestnut", QColor(118, 64, 40), Finish::Strands},
        {"hair: wine red", QColor(106, 30, 42), Finish::Strands},
        {"hair: ash blonde", QColor(190, 160, 116), Finish::Strands},
        {"hair: misty grey", QColor(146, 146, 152), Finish::Strands},
    };
    std::vector<Palette> out;
    int n = 0;
    for (const Shade& s : shades) {
        ++n;
        const Shade shade = s;
        out.push_back({QStringLiteral("vx7ECam化装盒_COLOR%1.png").arg(n, 2, 10, QLatin1Char('0')),
                       [shade, n] { return Render(shade.colour, shade.finish, 300u + quint32(n)); }});
    }
    return out;
}

} // namespace vx7::samplegen
