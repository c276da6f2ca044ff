#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace vx7::animation {

// What GIF making needs from the GIF writer and the colour reduction, one picture at a
// time so that a build can report progress per frame and be cancelled between frames.
// Implementations are used by one build at a time, from the thread that runs the build.
class GifEngine {
  public:
    virtual ~GifEngine() = default;

    // Colour mode 1: re-encodes source as a single-image GIF in the work folder and
    // returns that working file's path (which may be missing when the source could
    // not be read; the writer then leaves the frame out).
    virtual QString ReduceByImageEncoder(const QString& source) = 0;

    // Colour mode 0 needs the outside converter. False, with a text for the user, when
    // it cannot be loaded; the build must then stop.
    virtual bool ConverterAvailable(QString& error) = 0;

    // Colour mode 0: composite with the reference picture, converter, crop; returns the
    // palette frame file's path (possibly unusable, as above).
    virtual QString ReduceByConverter(const QString& source) = 0;

    // Reduces every source in the given mode (0 converter, 1 image encoder) and
    // returns the working files in source order. Engines that can reduce several
    // sources at once do so; this one reduces them one after another. A cancel
    // request is checked before each source is taken: the result is then empty.
    // done(sources finished so far) may be called on any thread.
    virtual QStringList ReduceAll(const QStringList& sources, int mode, const std::atomic<bool>* cancel,
                                  const std::function<void(int)>& done) {
        QStringList frames;
        for (int i = 0; i < sources.size(); ++i) {
            if (cancel && cancel->load())
                return {};
            frames << (mode == 1 ? ReduceByImageEncoder(sources[i]) : ReduceByConverter(sources[i]));
            if (done)
                done(i + 1);
        }
        return frames;
    }

    // The writer: frames in list order, one delay in hundredths of a second, looping.
    virtual void BuildFromGifFiles(const QStringList& frames, const QString& output, int delay) = 0;
    virtual void BuildFromPaletteFrames(const QStringList& frames, const QString& output, int delay) = 0;
};

} // namespace vx7::animation
