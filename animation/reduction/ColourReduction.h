#pragma once

#include <QString>
#include <QStringList>

namespace vx7::core {
class EncoderRegistry;
}

namespace vx7::platform {
class Prompt;
}

namespace vx7::animation {

class ImageConverterLibrary;

// What a reduction produced: one working file per source, in order (a file may be
// missing or unusable; the GIF writer leaves such frames out), and whether the
// mode could run at all.
struct ReductionResult {
    QStringList frames;
    bool stopped = false; // the mode cannot make frames (converter missing); do not build
    QString error;
};

// Colour reduction of the pictures that become GIF frames, with its working files in
// the work folder "tmpBmpData" of the installation folder ("title" is a source's file
// title; two sources with the same title share working files, the later winning):
//   mode 1 ("普通高反差"):  <title>.gif, the source through the program's GIF encoder;
//   mode 0 ("高质流行色"):  <title>_Tmp.bmp, the composite of the reference picture
//                           and the source; <title>.gif, the converter's GIF and then
//                           the PaletteFrameFile cropped out of it.
// Runs synchronously; no message is shown except when the converter is missing.
class ColourReduction {
  public:
    ColourReduction(QString installFolder, const core::EncoderRegistry& encoders,
                    ImageConverterLibrary& converter, platform::Prompt& prompt);

    QString WorkFolder() const;
    QString ReferencePicturePath() const;

    // Mode 1: each source re-encoded to <work>/<title>.gif with the "GIF" encoder, quality 100.
    ReductionResult ReduceByImageEncoder(const QStringList& sources);

    // Mode 0: per source, the composite (reference at (0, 0), the source at (W/2, 0),
    // W + W/2 wide) saved as BMP, the converter called on it, and the crop of W/2
    // columns. When the converter or its export is missing the user is told once and
    // the result is stopped.
    ReductionResult ReduceByConverter(const QStringList& sources);

    // Each picture re-encoded as <work>/<title>.bmp (quality 100); returns those paths.
    QStringList ReencodeAsBmp(const QStringList& pictures);

    // Reads the GIF at path and writes a PaletteFrameFile of its last image without
    // its first offset columns, over path or, when given, to output. False when the
    // file cannot be read or decoded, offset leaves no column, or the write fails.
    static bool CropToPaletteFrame(const QString& path, int offset, const QString& output = QString(),
                                   QString* error = nullptr);

    // The working-file title of a source (at most 256 characters of its path looked at).
    static QString TitleOf(const QString& source);

    // The message shown when mode 0 cannot run.
    static QString ConverterMissingText();

  private:
    QString installFolder_;
    const core::EncoderRegistry& encoders_;
    ImageConverterLibrary& converter_;
    platform::Prompt& prompt_;
};

} // namespace vx7::animation
