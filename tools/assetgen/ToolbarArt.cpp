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
    // Keep the antialiased edges as partial alpha, so the images sit cleanly on any menu colour,
    // and give every fully transparent pixel the mask colour, so readers that go by the mask
    // colour alone find the same shape. A drawn pixel that happens to equal the mask colour is
    // nudged so it is never masked out.
    QImage strip = glyphs.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = resources::kToolbarMaskColour;
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                line[x] = mask & 0x00FFFFFF;
            else if ((line[x] & 0x00FFFFFF) == (mask & 0x00FFFFFF))
                line[x] = qRgba(qRed(mask) + 1, qGreen(mask) + 1, qBlue(mask) + 1, qAlpha(line[x]));
        }
    }
    strip.setText(QStringLiteral("commands"), commands.join(QLatin1Char(',')));
    return strip;
}

} // namespace vx7::assetgen
