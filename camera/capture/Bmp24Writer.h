#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace vx7::camera {

// Writes pictures as uncompressed 24-bit Windows bitmaps: a 14-byte file header
// ("BM", file size, offset 54), a 40-byte information header (positive height, so rows
// run bottom-up; 1 plane, 24 bits, no compression, image size, resolutions and colour
// counts all 0), then rows of blue, green, red bytes, each padded to a multiple of 4.
class Bmp24Writer {
  public:
    static constexpr int kHeaderSize = 54;

    // Bytes of one padded row for a picture width.
    static qint64 RowBytes(int width) { return (qint64(width) * 3 + 3) / 4 * 4; }
    // The whole file's size for a picture size.
    static qint64 FileSize(int width, int height) { return kHeaderSize + RowBytes(width) * height; }

    // The file's bytes; empty for a null picture or one too large for the format.
    static QByteArray Encode(const QImage& image);

    // Creates or truncates path and writes the picture. False (with the reason) when
    // the picture is null or the file cannot be written; a partly written file is removed.
    static bool Write(const QImage& image, const QString& path, QString* error = nullptr);
};

} // namespace vx7::camera
