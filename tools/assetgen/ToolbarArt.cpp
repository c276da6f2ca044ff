#include "ToolbarArt.h"

#include "Glyphs.h"
#include "Style.h"

#include "resources/ResourceCatalog.h"

#include <QPainter>
#include <QStringList>

namespace vx7::assetgen {

namespace {

using namespace style;

struct MenuImage {
    int command;
    Glyph glyph;
    QColor ink;
    QColor accent;
};

// The menu background these images are blended against at their edges; a typical light menu
// face, so antialiased edges look right on it. Only fully transparent pixels get the mask colour.
const QColor kMenuFace(0xF0, 0xF0, 0xF0);

MenuImage ImageFor(int command) {
    const QColor ink = kDeep;
    switch (command) {
    case 32771:
        return {command, Glyph::Palette, ink, kOrange};
    case 32772:
        return {command, Glyph::Eraser, ink, kRose};
    case 32773:
        return {command, Glyph::PolygonMinus, ink, kRed};
    case 32774:
        return {command, Glyph::Magnifier, ink, kOrange};
    case 32775:
        return {command, Glyph::Wand, ink, kOrange};
    case 32776:
        return {command, Glyph::FolderPicture, ink, kOrange};
    case 32777:
        return {command, Glyph::PhotoMove, ink, kOrange};
    case 32779:
        return {command, Glyph::Sun, ink, kOrange};
    case 32780:
        return {command, Glyph::Moon, kSlate, kSlate};
    case 32781:
        return {command, Glyph::Sharpen, ink, kOrange};
    case 32782:
        return {command, Glyph::Reload, ink, kOrange};
    case 32783:
        return {command, Glyph::PolygonCheck, ink, kGreen};
    case 32784:
        return {command, Glyph::Sun, kOrange, kGold};
    case 32785:
        return {command, Glyph::Moon, kDeep, kDeep};
    case 32786:
        return {command, Glyph::Brush, ink, kGold};
    case 32787:
        return {command, Glyph::Brush, ink, kSlate};
    case 32788:
        return {command, Glyph::Lipstick, ink, kRose};
    case 32789:
        return {command, Glyph::Stop, kRed, kRed};
    case 32790:
        return {command, Glyph::Play, kGreen, kGreen};
    case 32791:
        return {command, Glyph::Move, ink, kOrange};
    case 32792:
        return {command, Glyph::PhotoScale, ink, kOrange};
    case 32793:
        return {command, Glyph::PhotoPlus, ink, kGreen};
    case 32794:
        return {command, Glyph::PhotoReload, ink, kOrange};
    case 32795:
        return {command, Glyph::Crop, ink, kOrange};
    case 32796:
        return {command, Glyph::Ellipse, ink, kOrange};
    case 32797:
        return {command, Glyph::EllipseFeather, ink, kSky};
    case 32798:
        return {command, Glyph::EllipseBright, ink, kGold};
    case 32799:
        return {command, Glyph::ArrowLeft, ink, ink};
    case 32800:
        return {command, Glyph::ArrowRight, ink, ink};
    case 32801:
        return {command, Glyph::ArrowUp, ink, ink};
    case 32802:
        return {command, Glyph::ArrowDown, ink, ink};
    case 32803:
        return {command, Glyph::EllipseRing, ink, kGold};
    case 32804:
        return {command, Glyph::Spotlight, ink, kGold};
    default:
        return {command, Glyph::Help, ink, kOrange};
    }
}

} // namespace

QImage MakeToolbarStrip() {
    const int side = resources::kToolbarImageSize;
    const int count = static_cast<int>(resources::kToolbarCommands.size());
    QImage glyphs = NewImage(side * count, side);
    QStringList commands;
    {
        QPainter p(&glyphs);
        for (int i = 0; i < count; ++i) {
            const MenuImage m = ImageFor(resources::kToolbarCommands[static_cast<size_t>(i)]);
            PaintGlyph(p, m.glyph, QRectF(i * side + 1, 1, side - 2, side - 2),
                       GlyphInk{m.ink, m.accent, 2.1});
            commands << QString::number(m.command);
        }
    }
    // Flatten onto the menu face, then give untouched pixels the exact mask colour. A drawn pixel
    // that happens to equal the mask colour is nudged so it is never made transparent.
    QImage strip(glyphs.size(), QImage::Format_RGB32);
    const QRgb mask = resources::kToolbarMaskColour;
    const QImage src = glyphs.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const int a = qAlpha(in[x]);
            if (a == 0) {
                out[x] = mask;
                continue;
            }
            const auto blend = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
            QRgb c = qRgb(blend(qRed(in[x]), kMenuFace.red()), blend(qGreen(in[x]), kMenuFace.green()),
                          blend(qBlue(in[x]), kMenuFace.blue()));
            if ((c & 0x00FFFFFF) == (mask & 0x00FFFFFF))
                c = qRgb(qRed(mask) + 1, qGreen(mask) + 1, qBlue(mask) + 1);
            out[x] = c;
        }
    }
    strip.setText(QStringLiteral("commands"), commands.join(QLatin1Char(',')));
    return strip;
}

} // namespace vx7::assetgen
