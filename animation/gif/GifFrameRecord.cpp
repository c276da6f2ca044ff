#include "GifFrameRecord.h"

#include <QBuffer>
#include <QImageReader>

namespace vx7::animation {

QImage GifFrameRecord::Picture() const {
    if (!picture.isNull() || gif.isEmpty())
        return picture;
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    QImage decoded = reader.read();
    if (decoded.isNull())
        return decoded;
    const QRect own = Rect();
    if (decoded.size() != own.size() && decoded.rect().contains(own))
        decoded = decoded.copy(own);
    return decoded;
}

} // namespace vx7::animation
