#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

namespace vx7::imaging {

// A decoded picture file, kept while the file stays unchanged so that a
// picture being dragged is not decoded again at every repaint. A file that is
// missing or does not decode gives a null picture (size 0 x 0).
class PictureFile {
  public:
    // The picture of path, decoded again when the path, modification time or size changed.
    const QImage& Load(const QString& path);
    void Forget();

  private:
    QString path_;
    QDateTime modified_;
    qint64 size_ = -1;
    QImage image_;
};

} // namespace vx7::imaging
