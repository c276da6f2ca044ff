#include "ResourceLoader.h"

#include "ResourceCatalog.h"

#include <algorithm>

#include <QPixmap>
#include <QStringList>

namespace vx7::resources {

std::optional<QPoint> HotSpotOf(const QImage& image) {
    const QStringList parts = image.text(QStringLiteral("hotspot")).split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    bool okX = false;
    bool okY = false;
    const int x = parts[0].trimmed().toInt(&okX);
    const int y = parts[1].trimmed().toInt(&okY);
    if (!okX || !okY || !image.rect().contains(x, y))
        return std::nullopt;
    return QPoint(x, y);
}

QCursor LoadCursor(int id, Qt::CursorShape fallback) {
    const QImage image(CursorPath(id));
    if (image.isNull())
        return QCursor(fallback);
    const QPoint hot = HotSpotOf(image).value_or(image.rect().center());
    return QCursor(QPixmap::fromImage(image), hot.x(), hot.y());
}

std::vector<ToolbarImage> SplitToolbar(const QImage& strip, int imageSize, QRgb maskColour) {
    std::vector<ToolbarImage> images;
    if (strip.isNull() || imageSize <= 0 || strip.height() < imageSize)
        return images;
    const QStringList listed =
        strip.text(QStringLiteral("commands")).split(QLatin1Char(','), Qt::SkipEmptyParts);
    const int count = std::min<qsizetype>(strip.width() / imageSize, listed.size());
    const QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        const int command = listed[i].trimmed().toInt(&ok);
        if (!ok)
            continue;
        QImage cell = argb.copy(i * imageSize, 0, imageSize, imageSize);
        for (int y = 0; y < cell.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(cell.scanLine(y));
            for (int x = 0; x < cell.width(); ++x)
                if ((line[x] & 0x00FFFFFF) == (maskColour & 0x00FFFFFF))
                    line[x] = 0;
        }
        images.push_back({command, cell});
    }
    return images;
}

std::vector<ToolbarImage> LoadToolbar(int id) {
    return SplitToolbar(QImage(ToolbarPath(id)), kToolbarImageSize, kToolbarMaskColour);
}

} // namespace vx7::resources
