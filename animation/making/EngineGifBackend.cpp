#include "EngineGifBackend.h"

#include "animation/AnimationLog.h"
#include "animation/gif/GifAnimationBuilder.h"
#include "animation/reduction/ColourReduction.h"
#include "animation/reduction/ImageConverterLibrary.h"
#include "platform/Prompt.h"

namespace vx7::animation {
namespace {

// The reduction may want to tell the user about a missing converter; on a worker
// thread no message box may open. The availability check before every converter build
// reports it instead, on the caller's thread.
class LoggingPrompt final : public platform::Prompt {
  public:
    void Message(const QString& text, const QString&) override { qCInfo(lcAnimation) << text; }
    bool Ask(const QString& text, const QString&) override {
        qCInfo(lcAnimation) << text;
        return false;
    }
};

void LogSkipped(const GifBuildResult& result) {
    for (const QString& skipped : result.skipped)
        qCInfo(lcAnimation) << "frame left out:" << skipped;
    if (!result.error.isEmpty())
        qCInfo(lcAnimation) << "no GIF written:" << result.error;
}

} // namespace

EngineGifBackend::EngineGifBackend(const QString& installFolder, const core::EncoderRegistry& encoders,
                                   GifAnimationBuilder& builder, ImageConverterLibrary& converter)
    : builder_(builder), converter_(converter), silent_(std::make_unique<LoggingPrompt>()),
      reduction_(std::make_unique<ColourReduction>(installFolder, encoders, converter, *silent_)) {}

EngineGifBackend::~EngineGifBackend() = default;

QString EngineGifBackend::ReduceByImageEncoder(const QString& source) {
    std::lock_guard guard(lock_);
    return reduction_->ReduceByImageEncoder({source}).frames.value(0);
}

bool EngineGifBackend::ConverterAvailable(QString& error) {
    std::lock_guard guard(lock_);
    QString why;
    if (converter_.Function(&why))
        return true;
    qCInfo(lcAnimation) << "converter unavailable:" << why;
    error = ColourReduction::ConverterMissingText();
    return false;
}

QString EngineGifBackend::ReduceByConverter(const QString& source) {
    std::lock_guard guard(lock_);
    return reduction_->ReduceByConverter({source}).frames.value(0);
}

QStringList EngineGifBackend::ReduceAll(const QStringList& sources, int mode, const std::atomic<bool>* cancel,
                                        const std::function<void(int)>& done) {
    std::lock_guard guard(lock_);
    const ReductionResult result = mode == 1 ? reduction_->ReduceByImageEncoder(sources, cancel, done)
                                             : reduction_->ReduceByConverter(sources, cancel, done);
    return result.stopped ? QStringList() : result.frames;
}

void EngineGifBackend::BuildFromGifFiles(const QStringList& frames, const QString& output, int delay) {
    std::lock_guard guard(lock_);
    LogSkipped(builder_.BuildFromGifFiles(frames, output, delay));
}

void EngineGifBackend::BuildFromPaletteFrames(const QStringList& frames, const QString& output, int delay) {
    std::lock_guard guard(lock_);
    LogSkipped(builder_.BuildFromPaletteFrames(frames, output, delay));
}

} // namespace vx7::animation
