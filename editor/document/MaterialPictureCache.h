#pragma once

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace vx7::editor {

// Decoded material pictures and their scaled copies. A drag repaints the
// canvas many times a second; scaling ten pictures bicubically at every paint
// would cost more than the frame, so each scaled size is kept until the
// picture is drawn at another size. A file that does not decode is a null
// picture of size 0 x 0 and is drawn as nothing.
class MaterialPictureCache {
  public:
    // The decoded picture (ARGB32 with alpha), null when the file does not decode.
    const QImage& Picture(const QString& path);
    QSize NaturalSize(const QString& path) { return Picture(path).size(); }
    // The picture scaled to size with a bicubic filter that keeps transparency
    // (premultiplied, ready to draw). Null for a null picture or an empty size.
    const QImage& Scaled(const QString& path, QSize size);

    // Without caching every Scaled call resamples again (for measuring).
    void SetCaching(bool on) { caching_ = on; }
    void Clear();

  private:
    // A picture is usually drawn at one size; a few sizes are kept so two
    // slots showing the same file do not resample each other's copy away.
    static constexpr int kSizesKept = 4;
    struct Entry {
        QImage picture;
        std::vector<QImage> scaled; // most recently used first
    };
    QHash<QString, Entry> entries_;
    QImage uncached_;
    bool caching_ = true;
};

// Resamples a picture to size with a Catmull-Rom bicubic filter, alpha kept.
QImage ScaleBicubic(const QImage& source, QSize size);

} // namespace vx7::editor
