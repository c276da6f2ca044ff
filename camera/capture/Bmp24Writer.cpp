#include "Bmp24Writer.h"
#include "core/LittleEndian.h"
#include "core/SaveFile.h"

#include <QFile>

#include <cstring>
#include <limits>

namespace vx7::camera {
QByteArray Bmp24Writer::Encode(const QImage& image) {
    if (image.isNull())
        return {};
    const int w = image.width(), h = image.height();
    const qint64 size = FileSize(w, h);
    if (size > std::numeric_limits<qint32>::max())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QByteArray out(int(size), '\0');
    char* p = out.data();
    p[0] = 'B';
    p[1] = 'M';
    core::WriteLe32(p, 2, quint32(size));
    core::WriteLe32(p, 6, 0);
    core::WriteLe32(p, 10, kHeaderSize);
    core::WriteLe32(p, 14, 40);
    core::WriteLe32(p, 18, quint32(w));
    core::WriteLe32(p, 22, quint32(h));
    core::WriteLe16(p, 26, 1);
    core::WriteLe16(p, 28, 24);
    // Compression, image size, resolutions and colour counts stay 0.
    const qint64 rowBytes = RowBytes(w);
    for (int y = 0; y < h; ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(h - 1 - y));
        char* dst = p + kHeaderSize + rowBytes * y;
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = char(qBlue(src[x]));
            dst[3 * x + 1] = char(qGreen(src[x]));
            dst[3 * x + 2] = char(qRed(src[x]));
        }
    }
    return out;
}

bool Bmp24Writer::Write(const QImage& image, const QString& path, QString* error) {
    const QByteArray bytes = Encode(image);
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("没有可保存的图像");
        return false;
    }
    // Written to a temporary file first, so a full disk never leaves half a picture
    // over a photo that was there before.
    return core::SaveWholeFile(path, bytes, error);
}

} // namespace vx7::camera
