#pragma once

// The shared look of every generated picture: one palette, one typeface, rounded flat faces
// with a soft vertical gradient, and helpers to lay a pictogram and a caption onto them.

#include "Glyphs.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace vx7::assetgen::style {

// Palette.
inline const QColor kNight(0x0B, 0x22, 0x33);
inline const QColor kNavy(0x10, 0x31, 0x4A);
inline const QColor kDeep(0x1A, 0x4B, 0x6E);
inline const QColor kBlue(0x1F, 0x6F, 0xA8);
inline const QColor kSky(0x3A, 0x9A, 0xD9);
inline const QColor kIce(0xE6, 0xF1, 0xFA);
inline const QColor kCloud(0xF3, 0xF6, 0xF9);
inline const QColor kMist(0xC9, 0xD6, 0xE2);
inline const QColor kSlate(0x3B, 0x52, 0x66);
inline const QColor kInk(0x1B, 0x26, 0x30);
inline const QColor kOrange(0xF2, 0x84, 0x2A);
inline const QColor kApricot(0xFF, 0xB4, 0x5E);
inline const QColor kTeal(0x1F, 0xA3, 0x98);
inline const QColor kGreen(0x35, 0xA8, 0x68);
inline const QColor kRose(0xD9, 0x57, 0x7A);
inline const QColor kRed(0xD9, 0x4A, 0x46);
inline const QColor kGold(0xFF, 0xD3, 0x6B);

// The typeface of every caption: the CJK sans face shipped with the system fonts.
QFont UiFont(int pixelSize, bool bold = false);

// A transparent (or filled) ARGB picture of the given size.
QImage NewImage(int width, int height, const QColor& fill = Qt::transparent);

// A face of two tones: `top` fading into `bottom`, with a rounded outline in `border`
// (no outline when `border` is invalid) and a thin light line inside the top edge.
void PaintFace(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, qreal radius,
               const QColor& border, qreal sheen = 0.22);

// A centred pictogram followed by a caption, both in `colour`; the pair is centred in `r`.
// With an empty caption only the pictogram is drawn, centred.
void PaintGlyphAndCaption(QPainter& p, const QRectF& r, Glyph glyph, qreal glyphSize, const QString& caption,
                          const QFont& font, const QColor& colour, const QColor& accent);

// Text with a one-pixel soft shadow below it, for captions on gradient faces.
void PaintShadowedText(QPainter& p, const QRectF& r, int flags, const QString& text, const QColor& colour,
                       const QColor& shadow);

// A colour lighter (`amount` > 0) or darker (< 0) by mixing with white or black.
QColor Mix(const QColor& colour, qreal amount);

} // namespace vx7::assetgen::style
