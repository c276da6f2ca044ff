#pragma once

// The one set of line pictograms every generated picture draws its symbols from, so buttons,
// menu images and cursors share a single look: round caps and joins, a 2-unit line on a 24-unit
// square, flat fills, one ink colour plus an accent colour for small highlights.

#include <QColor>
#include <QRectF>

class QPainter;

namespace vx7::assetgen {

enum class Glyph {
    Camera,
    MovieCamera,
    Picture,
    PictureStack,
    PhotoEdit,
    PhotoPlus,
    PhotoMove,
    PhotoReload,
    PhotoScale,
    Folder,
    FolderPicture,
    Gear,
    Sliders,
    Contrast,
    Compress,
    Play,
    Stop,
    Music,
    Globe,
    Pencil,
    Brush,
    Eraser,
    Wand,
    Magnifier,
    Move,
    Sun,
    Moon,
    Sharpen,
    Reload,
    PolygonMinus,
    PolygonCheck,
    Check,
    Cross,
    ArrowLeft,
    ArrowRight,
    ArrowUp,
    ArrowDown,
    Crop,
    Ellipse,
    EllipseFeather,
    EllipseBright,
    EllipseRing,
    Spotlight,
    Palette,
    Lipstick,
    Face,
    Shirt,
    ShirtCheck,
    Headshot,
    ChatShare,
    Floppy,
    Trash,
    Letter,
    Freehand,
    Circle,
    Polyline,
    Rectangle,
    PolygonArea,
    ArrowLine,
    Film,
    ChevronDown,
    Install,
    Uninstall,
    Exit,
    Help,
};

struct GlyphInk {
    QColor line;
    QColor accent;
    // Line width in 24-unit glyph space.
    qreal weight = 2.0;
    // When set, every shape is drawn as a thick outline in `line` only; painting the glyph
    // first with a halo ink and then with the normal ink keeps it readable on any background.
    bool halo = false;
    // Extra line width of the halo, in glyph units.
    qreal haloWidth = 0.0;
};

// Paints `glyph` scaled into `box` (kept square and centred). The painter's state is restored.
void PaintGlyph(QPainter& painter, Glyph glyph, const QRectF& box, const GlyphInk& ink);

// Paints `glyph` with a light halo under it: first the halo in `haloColour`, `haloWidth`
// units wider than the lines, then the glyph itself.
void PaintGlyphWithHalo(QPainter& painter, Glyph glyph, const QRectF& box, const GlyphInk& ink,
                        const QColor& haloColour, qreal haloWidth);

} // namespace vx7::assetgen
