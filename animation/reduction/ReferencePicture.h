#pragma once

#include <QImage>
#include <QRgb>
#include <QString>

#include <vector>

namespace vx7::animation {

// The reference picture "ProjRefBkgModel.GIF" of the system picture folder: a strip
// of the colours that must survive colour reduction exactly (white, black, greys,
// primaries, skin tones, hair and lip colours, garment colours), as 8 × 8 swatches,
// four to a row. It is placed beside every picture before the converter chooses a
// palette, whose flat-colour rule then keeps each swatch's colour.
class ReferencePicture {
  public:
    static constexpr int kSwatch = 8;
    static constexpr int kColumns = 4;
    static QString FileName() { return QStringLiteral("ProjRefBkgModel.GIF"); }

    static const std::vector<QRgb>& Colours();
    // The picture itself (32 pixels wide).
    static QImage Make();
    // Writes it as a single-image GIF; false when the file cannot be written.
    static bool Write(const QString& path, QString* error = nullptr);
};

} // namespace vx7::animation
