#pragma once

#include "GifEngine.h"

namespace vx7::camera {
class EncoderRegistry;
class SysInfo;
} // namespace vx7::camera

namespace vx7::animation {

class GifAnimationBuilder;

// GIF making on the program's own GIF writer and colour reduction: the single
// builder of the run, the encoders (with the GIF encoder) and the work folder.
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
};

} // namespace vx7::animation
