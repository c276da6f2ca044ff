#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace vx7::core {
class EncoderRegistry;
}

namespace vx7::animation {

class GifEngine;

// One GIF build: the pictures, the colour mode, the delay and the output path.
struct GifBuildRequest {
    QStringList pictures;
    int mode = 0;  // 0 converter ("高质流行色"), 1 image encoder ("普通高反差")
    int delay = 0; // hundredths of a second
    QString output;
    // The animation window re-encodes every picture as a BMP in the work folder before
    // the converter mode; these are the BMP paths, one per picture (empty otherwise).
    QStringList workBmps;
};

struct GifJobResult {
    enum class Outcome { Built, NoFrames, Failed, Cancelled, ConverterMissing };
    Outcome outcome = Outcome::Failed;
    QString output;
    int frames = 0;  // pictures handed to the writer
    QString message; // what the status line shows
};

// Runs a build; the calling thread waits for it. The pictures are reduced side by side
// on the engine's worker threads (progress is reported as each one finishes), then the
// writer builds the file. A cancel request stops every worker before its next picture
// and leaves the output untouched.
class GifBuildJob {
  public:
    // done pictures, total pictures, text for the status line.
    using Progress = std::function<void(int, int, const QString&)>;

    GifBuildJob(GifEngine& engine, const core::EncoderRegistry& encoders);

    GifJobResult Run(const GifBuildRequest& request, const Progress& progress = {},
                     const std::atomic<bool>* cancel = nullptr);

    static QString ProgressText(int index, int total);

  private:
    GifEngine& engine_;
    const core::EncoderRegistry& encoders_;
};

} // namespace vx7::animation
