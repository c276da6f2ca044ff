#include "ImageFiles.h"

#include "platform/ScreenGrabber.h"

#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace vx7::core {
namespace {

ImageEncoder QtEncoder(const char* mime, const char* format) {
    return ImageEncoder{QString::fromLatin1(mime),
                        [format](const QImage& image, const QString& path, int quality) {
                            QImageWriter writer(path, format);
                            // The quality is JPEG's: Qt's PNG writer reads it as "less
                            // compression", and 100 would store the pixels uncompressed.
                            // PNG is lossless either way, so it keeps its normal compression.
                            if (qstrcmp(format, "png") != 0)
                                writer.setQuality(quality);
                            // BMP and JPEG carry no alpha: flatten over white, as a screen would show it.
                            if (qstrcmp(format, "png") != 0 && image.hasAlphaChannel())
                                return writer.write(OverWhite(image));
                            return writer.write(image);
                        }};
}

QImage LoadImage(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

EncoderRegistry::EncoderRegistry() {
    encoders_.push_back(QtEncoder("image/bmp", "bmp"));
    encoders_.push_back(QtEncoder("image/jpeg", "jpeg"));
    encoders_.push_back(QtEncoder("image/png", "png"));
}

void EncoderRegistry::Add(ImageEncoder encoder) {
    encoders_.push_back(std::move(encoder));
}

int EncoderRegistry::FindEncoder(const QString& mimeType) const {
    for (size_t i = 0; i < encoders_.size(); ++i) {
        if (encoders_[i].mimeType == mimeType)
            return static_cast<int>(i);
    }
    return -1;
}

bool EncoderRegistry::Save(const QImage& image, const QString& format, const QString& path,
                           int quality) const {
    const QString mime = MimeTypeOfFormat(format);
    if (mime.isEmpty() || image.isNull())
        return false;
    const int index = FindEncoder(mime);
    if (index < 0)
        return false;
    return At(index).write(image, path, quality);
}

QString MimeTypeOfFormat(const QString& format) {
    if (format == QLatin1String("BMP"))
        return QStringLiteral("image/bmp");
    if (format == QLatin1String("JPG"))
        return QStringLiteral("image/jpeg");
    if (format == QLatin1String("PNG"))
        return QStringLiteral("image/png");
    if (format == QLatin1String("GIF"))
        return QStringLiteral("image/gif");
    return QString();
}

int SaveImageAs(const EncoderRegistry& encoders, const QString& format, const QString& source,
                const QString& destination, int quality) {
    const QImage image = LoadImage(source);
    if (image.isNull())
        return 0;
    return encoders.Save(image, format, destination, quality) ? 1 : 0;
}

bool SaveScreenArea(const EncoderRegistry& encoders, platform::ScreenGrabber& screen,
                    const QString& destination, const QRect& area, int quality, const QString& format) {
    if (area.width() <= 0 || area.height() <= 0)
        return false;
    const QImage shot = screen.GrabArea(area);
    if (shot.isNull())
        return false;
    QImage argb(area.size(), QImage::Format_ARGB32);
    argb.fill(Qt::black);
    QPainter p(&argb);
    p.drawImage(0, 0, shot);
    p.end();
    return encoders.Save(argb, format, destination, quality);
}

int ComposeSideBySide(const EncoderRegistry& encoders, const QString& destination, const QString& pathA,
                      const QString& pathB, const QString& format, int quality) {
    const QImage a = LoadImage(pathA);
    if (a.isNull())
        return -1;
    if (!encoders.Save(SideBySide(a, LoadImage(pathB)), format, destination, quality))
        return -1;
    return a.width() / 2;
}

QImage SideBySide(const QImage& a, const QImage& b) {
    if (a.isNull())
        return QImage();
    const int w = a.width();
    QImage out(w + w / 2, a.height(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter p(&out);
    if (!b.isNull())
        p.drawImage(0, 0, b);
    p.drawImage(w / 2, 0, a);
    p.end();
    return out;
}

QImage OverWhite(const QImage& image) {
    if (image.isNull())
        return QImage();
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, image);
    p.end();
    return flat;
}

QImage SideBySideOverWhite(const QImage& a, const QImage& b) {
    QImage out;
    SideBySideOverWhite(a, b, out);
    return out;
}

bool SideBySideOverWhite(const QImage& a, const QImage& b, QImage& out) {
    if (a.isNull())
        return false;
    if (a.hasAlphaChannel() || (!b.isNull() && b.hasAlphaChannel())) {
        out = OverWhite(SideBySide(a, b));
        return true;
    }
    // Every pixel drawn is opaque, so drawing onto white replaces what drawing onto
    // transparent and then over white would: the same pixels without the second pass.
    // A covers its columns whole, so only the columns left of it need the white.
    const int w = a.width();
    const QSize size(w + w / 2, a.height());
    if (out.size() != size || out.format() != QImage::Format_RGB32)
        out = QImage(size, QImage::Format_RGB32);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(0, 0, w / 2, a.height(), Qt::white);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!b.isNull())
        p.drawImage(0, 0, b);
    p.drawImage(w / 2, 0, a);
    p.end();
    return true;
}

} // namespace vx7::core
