#include "imaging/raster/PictureFile.h"

#include "imaging/ImagingLog.h"

#include <QFileInfo>
#include <QImageReader>

namespace vx7::imaging {

const QImage& PictureFile::Load(const QString& path) {
    const QFileInfo info(path);
    const QDateTime modified = info.exists() ? info.lastModified() : QDateTime();
    const qint64 size = info.exists() ? info.size() : -1;
    if (path == path_ && modified == modified_ && size == size_)
        return image_;
    path_ = path;
    modified_ = modified;
    size_ = size;
    image_ = QImage();
    if (path.isEmpty() || !info.isFile())
        return image_;
    QImageReader reader(path);
    QImage decoded;
    if (!reader.read(&decoded)) {
        qCDebug(lcImaging) << "cannot decode" << path << reader.errorString();
        return image_;
    }
    // Drawn with its transparency over what the canvas already shows.
    image_ = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image_;
}

void PictureFile::Forget() {
    path_.clear();
    modified_ = QDateTime();
    size_ = -1;
    image_ = QImage();
}

} // namespace vx7::imaging
