#pragma once

#include "GifEngine.h"

#include <memory>
#include <mutex>

namespace vx7::core {
class EncoderRegistry;
}

namespace vx7::platform {
class Prompt;
}

namespace vx7::animation {

class ColourReduction;
class GifAnimationBuilder;
class ImageConverterLibrary;

// GIF making on the program's own GIF writer and colour reduction: the single builder
// of the run, the run's converter library, the encoders (with the GIF encoder) and the
// installation folder's work folder. Builds run off the user-interface thread, so
// nothing here shows a message: a missing converter is reported to the caller.
// The station's burst build and the animation window's build may overlap (the video
// button stays usable during a burst build); every call holds one lock, so the
// builder's buffers and the converter are never used by two builds at once.
class EngineGifBackend final : public GifEngine {
  public:
    EngineGifBackend(const QString& installFolder, const core::EncoderRegistry& encoders,
                     GifAnimationBuilder& builder, ImageConverterLibrary& converter);
    ~EngineGifBackend() override;

    QString ReduceByImageEncoder(const QString& source) override;
    bool ConverterAvailable(QString& error) override;
    QString ReduceByConverter(const QString& source) override;
    // The sources side by side on the reduction's worker threads.
    QStringList ReduceAll(const QStringList& sources, int mode, const std::atomic<bool>* cancel,
                          const std::function<void(int)>& done) override;
    void BuildFromGifFiles(const QStringList& frames, const QString& output, int delay) override;
    void BuildFromPaletteFrames(const QStringList& frames, const QString& output, int delay) override;

  private:
    GifAnimationBuilder& builder_;
    ImageConverterLibrary& converter_;
    std::unique_ptr<platform::Prompt> silent_;
    std::unique_ptr<ColourReduction> reduction_;
    std::mutex lock_;
};

} // namespace vx7::animation
