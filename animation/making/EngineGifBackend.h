#pragma once

#include "GifEngine.h"

#include <mutex>

namespace vx7::camera {
class EncoderRegistry;
class SysInfo;
} // namespace vx7::camera

namespace vx7::animation {

class GifAnimationBuilder;

// GIF making on the program's own GIF writer and colour reduction: the single
// builder of the run, the encoders (with the GIF encoder) and the work folder.
// The station's burst build and the animation window's build may overlap (the video
// button stays usable during a burst build); every call holds one lock, so the
// builder's buffers and the converter are never used by two builds at once.
class EngineGifBackend final : public GifEngine {
public:
    EngineGifBackend(const camera::SysInfo& sys, const camera::EncoderRegistry& encoders, GifAnimationBuilder& builder);

    QString ReduceByImageEncoder(const QString& source) override;
    bool ConverterAvailable(QString& error) override;
    QString ReduceByConverter(const QString& source) override;
    void BuildFromGifFiles(const QStringList& frames, const QString& output, int delay) override;
    void BuildFromPaletteFrames(const QStringList& frames, const QString& output, int delay) override;

private:
    const camera::SysInfo& sys_;
    const camera::EncoderRegistry& encoders_;
    GifAnimationBuilder& builder_;
    std::mutex lock_;
};

} // namespace vx7::animation
