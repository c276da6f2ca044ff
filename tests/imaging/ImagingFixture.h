#pragma once

#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/RasterDocument.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vx7::test {

// A deterministic, non-repeating test picture: every pixel differs from its neighbours.
inline QImage PatternPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7 + y) & 0xFF, (y * 5 + x * 3) & 0xFF, (x * y + 11) & 0xFF));
    return image;
}

inline QImage SolidPicture(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A temporary folder to write generated pictures into.
class PictureFolder {
  public:
    QString Write(const QImage& image, const QString& name = QStringLiteral("photo.png")) {
        const QString path = dir_.filePath(name);
        EXPECT_TRUE(image.save(path)) << path.toStdString();
        return path;
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

  private:
    QTemporaryDir dir_;
};

// Loads picture into doc through a fresh canvas of the given size; returns the canvas.
inline imaging::CanvasSurface LoadPicture(imaging::RasterDocument& doc, PictureFolder& folder,
                                          const QImage& picture, int canvasWidth = 560,
                                          int canvasHeight = 482) {
    imaging::CanvasSurface canvas(canvasWidth, canvasHeight, imaging::Colour(0x00404040u));
    doc.LoadPhotoCentred(canvas, folder.Write(picture));
    return canvas;
}

} // namespace vx7::test
