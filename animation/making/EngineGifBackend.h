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
// button stays usable during a burst build): each build has its own colour reduction
// and working files, and every call holds one lock, so the builder's buffers and the
// converter are never used by two builds at once.
class EngineGifBackend final : public GifEngine {
  public:
    EngineGifBackend(const QString& installFolder, const core::EncoderRegistry& encoders,
                     GifAnimationBuilder& builder, ImageConverterLibrary& converter);
    ~EngineGifBackend() override;

    bool ConverterAvailable(QString& error) override;
    std::unique_ptr<GifEngineBuild> BeginBuild() override;

  private:
    class Build;

    QString installFolder_;
    const core::EncoderRegistry& encoders_;
    GifAnimationBuilder& builder_;
    ImageConverterLibrary& converter_;
    std::unique_ptr<platform::Prompt> silent_;
    std::mutex lock_;
};

} // namespace vx7::animation
