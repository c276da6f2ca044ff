#pragma once

// Loading helpers for the bundled resources whose pictures carry more than pixels: cursors
// (hot spot) and the menu image strip (image size, mask colour and command list).
// Every function copes with a missing or malformed resource by returning a plain fallback,
// so windows keep working while resources are absent.

#include <optional>
#include <vector>

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace vx7::resources {

// The hot spot stored in a picture's "hotspot" text key ("x,y"), when present, well formed and
// inside the picture.
std::optional<QPoint> HotSpotOf(const QImage& image);

// Cursor resource `id` with its hot spot; the standard cursor `fallback` when the resource is
// missing. A picture without a usable hot spot gets its centre.
QCursor LoadCursor(int id, Qt::CursorShape fallback = Qt::ArrowCursor);

struct ToolbarImage {
    int command;
    QImage image; // ARGB32, the strip's mask colour made transparent
};

// The images of toolbar strip `id`, left to right, each paired with the command listed for it
// in the strip's "commands" text key. Images without a listed command are dropped; a missing or
// malformed strip gives an empty list.
std::vector<ToolbarImage> LoadToolbar(int id);

// Splits a strip picture as LoadToolbar does (exposed for tests and for strips read from files).
std::vector<ToolbarImage> SplitToolbar(const QImage& strip, int imageSize, QRgb maskColour);

} // namespace vx7::resources
