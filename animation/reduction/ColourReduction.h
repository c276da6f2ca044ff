#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

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
// The caller waits for a reduction, whose sources are reduced side by side on a few
// worker threads; no message is shown except when the converter is missing.
class ColourReduction {
  public:
    ColourReduction(QString installFolder, const core::EncoderRegistry& encoders,
                    ImageConverterLibrary& converter, platform::Prompt& prompt);

    QString WorkFolder() const;
    QString ReferencePicturePath() const;

    // Sources are reduced on up to this many threads (1 to FrameWorkers::kMaxThreads;
    // by default the machine's cores). The working files are the same for any count.
    void SetThreads(int threads);

    // Both reductions take an optional stop request, checked before each source is
    // taken (a stopped result has stopped set and its frames must not be built), and
    // done(sources finished so far), called after each source on the thread that
    // reduced it.

    // Mode 1: each source re-encoded to <work>/<title>.gif with the "GIF" encoder, quality 100.
    ReductionResult ReduceByImageEncoder(const QStringList& sources, const std::atomic<bool>* stop = nullptr,
                                         const std::function<void(int)>& done = {});

    // Mode 0: per source, the composite (reference at (0, 0), the source at (W/2, 0),
    // W + W/2 wide) saved as BMP, the converter called on it, and the crop of W/2
    // columns. When the converter or its export is missing the user is told once and
    // the result is stopped.
    ReductionResult ReduceByConverter(const QStringList& sources, const std::atomic<bool>* stop = nullptr,
                                      const std::function<void(int)>& done = {});

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
    bool ForEachSource(const QStringList& sources, const std::function<void(int)>& reduce,
                       const std::atomic<bool>* stop, const std::function<void(int)>& done);

    QString installFolder_;
    const core::EncoderRegistry& encoders_;
    ImageConverterLibrary& converter_;
    platform::Prompt& prompt_;
    int threads_ = 0; // 0: the machine's cores
};

} // namespace vx7::animation
