#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>

namespace vx7::animation {

// The working state of one GIF build: its working files (removed when the build is
// destroyed), the frame size the first picture set and the pictures reduced so far.
// Used from the thread that runs the build, one picture at a time, so that a build
// can report progress per frame and be cancelled between frames.
class GifEngineBuild {
  public:
    virtual ~GifEngineBuild() = default;

    // Colour mode 1: re-encodes source as a single-image GIF among the build's working
    // files and returns that file's path (which may be missing when the source could
    // not be read; the writer then leaves the frame out).
    virtual QString ReduceByImageEncoder(const QString& source) = 0;

    // Colour mode 0: composite with the reference picture, converter, crop; returns the
    // palette frame file's path (possibly unusable, as above). bmpFirst: the picture is
    // re-encoded as a working BMP first.
    virtual QString ReduceByConverter(const QString& source, bool bmpFirst) = 0;

    // Reduces every source in the given mode (0 converter, 1 image encoder) and returns
    // the working files in source order. Builds that can reduce several sources at
    // once do so; this one reduces them one after another. A cancel request is
    // checked before each source is taken: the result is then empty. done(sources
    // finished so far) may be called on any thread.
    virtual QStringList ReduceAll(const QStringList& sources, int mode, bool bmpFirst,
                                  const std::atomic<bool>* cancel, const std::function<void(int)>& done) {
        QStringList frames;
        for (int i = 0; i < sources.size(); ++i) {
            if (cancel && cancel->load())
                return {};
            frames << (mode == 1 ? ReduceByImageEncoder(sources[i])
                                 : ReduceByConverter(sources[i], bmpFirst));
            if (done)
                done(i + 1);
        }
        return frames;
    }

    // The writer: frames in the order they were reduced, one delay in hundredths of a
    // second, looping. Returns one line per frame left out, naming its picture and why.
    virtual QStringList BuildFromGifFiles(const QStringList& frames, const QString& output, int delay) = 0;
    virtual QStringList BuildFromPaletteFrames(const QStringList& frames, const QString& output,
                                               int delay) = 0;

    // The summary's sentence about pictures scaled to fit the first picture's size;
    // empty when every picture had that size.
    virtual QString FittedText() const = 0;
};

// What GIF making needs from the GIF writer and the colour reduction. Builds may run
// at the same time (the station's burst and the animation window); each has its own
// GifEngineBuild.
class GifEngine {
  public:
    virtual ~GifEngine() = default;

    // Colour mode 0 needs the outside converter. False, with a text for the user, when
    // it cannot be loaded; the build must then stop.
    virtual bool ConverterAvailable(QString& error) = 0;

    // Starts a build with working files of its own.
    virtual std::unique_ptr<GifEngineBuild> BeginBuild() = 0;
};

} // namespace vx7::animation
