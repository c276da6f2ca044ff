#pragma once

#include <QByteArray>
#include <QColor>
#include <QRect>
#include <QString>

#include <vector>

namespace vx7::test {

// One image of a generated GIF: a rectangle of the logical screen filled with one
// palette colour.
struct SolidFrame {
    QRect rect;
    int colourIndex = 0;
    int delay = -1; // -1: no graphic control extension
    int disposal = 0;
};

// Writes a GIF89a (with giflib) whose global palette holds the given colours.
QByteArray SolidFramesGif(int width, int height, const std::vector<QColor>& palette,
                          const std::vector<SolidFrame>& frames, int backgroundIndex = 0);

// Writes an AVI (motion JPEG) with GStreamer's test source: frames pictures of
// width x height at fps frames per second. False, with the reason, on failure.
bool MakeTestAvi(const QString& path, int width, int height, int frames, int fps, QString* error = nullptr);

// Writes a short WAV tone with GStreamer.
bool MakeTestWav(const QString& path, int milliseconds, QString* error = nullptr);

// Writes a picture file of a given colour (format from the suffix).
QString WritePicture(const QString& path, int width, int height, QColor colour);

} // namespace vx7::test
