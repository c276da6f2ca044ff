#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include <atomic>
#include <cstdint>
#include <functional>

namespace vx7::core {
class EncoderRegistry;
}

namespace vx7::platform {
class Prompt;
}

namespace vx7::animation {

class ImageConverterLibrary;
class PaletteFrameFile;

// What a reduction produced: one working file per source, in order (a file may be
// missing or unusable; the GIF writer leaves such frames out), why a source gave no
// frame, and whether the mode could run at all.
struct ReductionResult {
    QStringList frames;
    QStringList problems; // per source: empty, or why it cannot become a frame
    bool stopped = false; // the mode cannot make frames (converter missing); do not build
    QString error;
};

// Colour reduction of the pictures that become GIF frames. Working files live in a
// folder of their own made fresh for each build inside the work folder "tmpBmpData"
// of the installation folder, so they can never share a name with a picture the user
// keeps there, nor two sources (say holiday.1.png and holiday.2.png, or p0.png from
// two folders) share working files. Each source gets a number n in the build:
//   mode 1 ("普通高反差"):  n.gif, the source through the program's GIF encoder;
//   mode 0 ("高质流行色"):  n.gif, the PaletteFrameFile cropped out of the converter's
//                           reduction of the composite of the reference picture
//                           and the source. When the converter has its in-memory
//                           entry, the composite never leaves memory; otherwise it
//                           is saved as n_Tmp.bmp for the converter, whose GIF
//                           (n.gif) is then replaced by the crop.
// Every frame has the size of the first readable picture of the build: a picture of
// another size is first scaled to fit it, keeping its aspect, centred on white
// (in memory, or n_fit.bmp when it must go through a file), so that no frame lies
// outside the animation's logical screen.
// Runs synchronously; no message is shown except when the converter is missing.
class ColourReduction {
  public:
    ColourReduction(QString installFolder, const core::EncoderRegistry& encoders,
                    ImageConverterLibrary& converter, platform::Prompt& prompt);
    ~ColourReduction();

    QString WorkFolder() const;
    QString ReferencePicturePath() const;

    // Starts a build: a fresh folder for its working files (the previous build's is
    // removed) and no frame size yet. The reductions start one themselves when none
    // is open.
    void BeginBuild();
    // Removes the build's working files.
    void EndBuild();
    // The current build's folder of working files (empty when none is open).
    QString BuildFolder() const;
    // The frame size of the current build (invalid until a picture was read), and how
    // many pictures were fitted to it.
    QSize FrameSize() const { return frameSize_; }
    int FittedCount() const { return fitted_; }

    // Sources are reduced on up to this many threads (1 to FrameWorkers::kMaxThreads;
    // by default the machine's cores). The working files are the same for any count.
    void SetThreads(int threads);

    // Both reductions take an optional stop request, checked before each source is
    // taken (a stopped result has stopped set and its frames must not be built), and
    // done(sources finished so far), called after each source on the thread that
    // reduced it. Every source is an independent item with its own working files.

    // Mode 1: each source re-encoded to a working GIF with the "GIF" encoder, quality 100.
    ReductionResult ReduceByImageEncoder(const QStringList& sources, const std::atomic<bool>* stop = nullptr,
                                         const std::function<void(int)>& done = {});

    // Mode 0: per source, the composite (reference at (0, 0), the source at (W/2, 0),
    // W + W/2 wide, over white) reduced by the converter, and the crop of W/2
    // columns. The frame files are the same whether the composite goes to the
    // converter in memory or as a BMP file. When the converter or its export is
    // missing the user is told once and the result is stopped.
    ReductionResult ReduceByConverter(const QStringList& sources, const std::atomic<bool>* stop = nullptr,
                                      const std::function<void(int)>& done = {});

    // Each picture re-encoded as a working BMP (quality 100); returns those paths.
    QStringList ReencodeAsBmp(const QStringList& pictures);

    // Reads the GIF at path and writes a PaletteFrameFile of its last image without
    // its first offset columns, over path or, when given, to output. False when the
    // file cannot be read or decoded, offset leaves no column, or the write fails.
    static bool CropToPaletteFrame(const QString& path, int offset, const QString& output = QString(),
                                   QString* error = nullptr);

    // The message shown when mode 0 cannot run.
    static QString ConverterMissingText();

    // Largest picture file read for a frame.
    static constexpr qint64 kMaxPictureBytes = qint64{256} * 1024 * 1024;

  private:
    // The path of working file suffix for source number index.
    QString WorkFile(int index, const QString& suffix) const;
    int NextIndex();
    // Opens the build's folder when needed and names the frame file of each of count
    // sources, in order, with no problem noted yet.
    ReductionResult StartResult(int count);
    // The file a source becomes a frame from: the source itself when it has the
    // build's frame size, else its fitted copy. Empty, with why, when it is unusable.
    // With decoded, the picture (fitted when needed) is handed back in memory instead
    // and no working file is written; the source is returned.
    QString Prepare(const QString& source, int index, QString& why, QImage* decoded = nullptr);
    // Mode 0 through the converter's in-memory entry: composite, reduction and crop in
    // memory, the frame written to target. False, with why, when no frame was made.
    struct FrameScratch;
    bool ReduceInMemory(const QImage& picture, const QImage& reference, const QString& target,
                        FrameScratch& scratch, QString& why) const;
    // Copies the columns from skip on of a width × height index picture to out, rows
    // packed (width − skip bytes each).
    static void CropColumns(const std::uint8_t* indices, int width, int height, int skip, std::uint8_t* out);

    QString installFolder_;
    const core::EncoderRegistry& encoders_;
    ImageConverterLibrary& converter_;
    platform::Prompt& prompt_;
    std::unique_ptr<QTemporaryDir> build_;
    // Numbers the sources, finds the frame size (before any parallel work) and runs
    // reduce(i, index, worker) for each on the workers. False when stopped.
    bool ForEachSource(const QStringList& sources, const std::function<void(int, int, int)>& reduce,
                       const std::atomic<bool>* stop, const std::function<void(int)>& done);
    void FindFrameSize(const QStringList& sources);

    int next_ = 0;
    QSize frameSize_;
    std::atomic<int> fitted_{0};
    int threads_ = 0; // 0: the machine's cores
};

} // namespace vx7::animation
