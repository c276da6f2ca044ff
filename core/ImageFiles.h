#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

namespace vx7::platform {
class ScreenGrabber;
}

namespace vx7::core {

// One image encoder: writes a picture to a file with a quality value (0..100).
struct ImageEncoder {
    QString mimeType;
    std::function<bool(const QImage&, const QString& path, int quality)> write;
};

// The program's encoders, found by exact MIME type. Holds "image/bmp",
// "image/jpeg" and "image/png" (through QImageWriter) from the start; the GIF
// encoder is added by the animation library.
class EncoderRegistry {
  public:
    EncoderRegistry();

    void Add(ImageEncoder encoder);
    // Index of the first encoder whose MIME type equals mimeType exactly; -1 when none.
    int FindEncoder(const QString& mimeType) const;
    const ImageEncoder& At(int index) const { return encoders_.at(static_cast<size_t>(index)); }
    int Count() const { return static_cast<int>(encoders_.size()); }

    // Saves image with the encoder of a format text ("BMP", "JPG", "PNG", "GIF").
    // False when the format is unknown, has no encoder, or the write fails.
    bool Save(const QImage& image, const QString& format, const QString& path, int quality) const;

  private:
    std::vector<ImageEncoder> encoders_;
};

// MIME type of a format text; empty for anything but the four formats (exact, case-sensitive).
QString MimeTypeOfFormat(const QString& format);

// Loads source and saves it to destination in format with quality. 1 on success, 0 otherwise.
int SaveImageAs(const EncoderRegistry& encoders, const QString& format, const QString& source,
                const QString& destination, int quality);

// Copies a rectangle of the screen into a 32-bit ARGB picture and saves it.
bool SaveScreenArea(const EncoderRegistry& encoders, platform::ScreenGrabber& screen,
                    const QString& destination, const QRect& area, int quality, const QString& format);

// Draws B at (0, 0) and A at (w/2, 0) on a (w + w/2) x h ARGB picture, w x h being A's
// size, saves it, and returns w/2. Returns -1 when A cannot be loaded or the save fails.
int ComposeSideBySide(const EncoderRegistry& encoders, const QString& destination, const QString& pathA,
                      const QString& pathB, const QString& format, int quality);

// The picture ComposeSideBySide saves, in memory: B (when not null) at (0, 0) and A at
// (w/2, 0) on a transparent (w + w/2) x h ARGB picture. Null when A is null.
QImage SideBySide(const QImage& a, const QImage& b);
// A picture as the encoders without alpha (BMP, JPEG) store it: transparent parts
// shown over white, 32-bit RGB.
QImage OverWhite(const QImage& image);
// OverWhite(SideBySide(a, b)): the pixels of a BMP saved by ComposeSideBySide. When
// neither picture has alpha it is drawn straight onto white, which gives the same
// pixels in one pass.
QImage SideBySideOverWhite(const QImage& a, const QImage& b);
// The same into out, whose pixel buffer is reused when it has the composite's size and
// 32-bit RGB format. False (out unchanged) when A is null.
bool SideBySideOverWhite(const QImage& a, const QImage& b, QImage& out);

} // namespace vx7::core
