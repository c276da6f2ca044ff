#include "EngineGifBackend.h"

#include "animation/AnimationLog.h"
#include "animation/gif/GifAnimationBuilder.h"
#include "animation/reduction/ColourReduction.h"
#include "animation/reduction/GifMaker.h"
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

} // namespace

// One build: its own colour reduction, so its working files and frame size are its
// own; the shared builder and converter are used under the backend's lock.
class EngineGifBackend::Build final : public GifEngineBuild {
  public:
    explicit Build(EngineGifBackend& backend)
        : backend_(backend),
          reduction_(backend.installFolder_, backend.encoders_, backend.converter_, *backend.silent_) {
        std::lock_guard guard(backend_.lock_);
        reduction_.BeginBuild();
    }
    ~Build() override {
        std::lock_guard guard(backend_.lock_);
        reduction_.EndBuild();
    }

    QString ReduceByImageEncoder(const QString& source) override {
        std::lock_guard guard(backend_.lock_);
        return Keep(source, reduction_.ReduceByImageEncoder({source}));
    }
    QString ReduceByConverter(const QString& source, bool bmpFirst) override {
        std::lock_guard guard(backend_.lock_);
        const QString reduced = bmpFirst ? reduction_.ReencodeAsBmp({source}).value(0) : source;
        return Keep(source, reduction_.ReduceByConverter({reduced}));
    }
    QStringList ReduceAll(const QStringList& sources, int mode, bool bmpFirst,
                          const std::atomic<bool>* cancel, const std::function<void(int)>& done) override {
        std::lock_guard guard(backend_.lock_);
        const QStringList reduced = mode == 0 && bmpFirst ? reduction_.ReencodeAsBmp(sources) : sources;
        const ReductionResult result = mode == 1 ? reduction_.ReduceByImageEncoder(reduced, cancel, done)
                                                 : reduction_.ReduceByConverter(reduced, cancel, done);
        if (result.stopped)
            return {};
        for (int i = 0; i < sources.size(); ++i) {
            pictures_ << sources[i];
            problems_ << result.problems.value(i);
        }
        return result.frames;
    }
    QStringList BuildFromGifFiles(const QStringList& frames, const QString& output, int delay) override {
        std::lock_guard guard(backend_.lock_);
        return LeftOut(backend_.builder_.BuildFromGifFiles(frames, output, delay));
    }
    QStringList BuildFromPaletteFrames(const QStringList& frames, const QString& output, int delay) override {
        std::lock_guard guard(backend_.lock_);
        return LeftOut(backend_.builder_.BuildFromPaletteFrames(frames, output, delay));
    }
    QString FittedText() const override {
        GifBuildResult counted;
        counted.fitted = reduction_.FittedCount();
        counted.frameSize = reduction_.FrameSize();
        return GifMaker::FittedText(counted);
    }

  private:
    QString Keep(const QString& source, const ReductionResult& reduced) {
        pictures_ << source;
        problems_ << reduced.problems.value(0);
        return reduced.frames.value(0);
    }
    QStringList LeftOut(GifBuildResult result) {
        GifMaker::NameLeftOutPictures(result, pictures_, problems_);
        for (const QString& skipped : result.skipped)
            qCInfo(lcAnimation) << "frame left out:" << skipped;
        if (!result.error.isEmpty())
            qCInfo(lcAnimation) << "no GIF written:" << result.error;
        return result.skipped;
    }

    EngineGifBackend& backend_;
    ColourReduction reduction_;
    QStringList pictures_;
    QStringList problems_;
};

EngineGifBackend::EngineGifBackend(const QString& installFolder, const core::EncoderRegistry& encoders,
                                   GifAnimationBuilder& builder, ImageConverterLibrary& converter)
    : installFolder_(installFolder), encoders_(encoders), builder_(builder), converter_(converter),
      silent_(std::make_unique<LoggingPrompt>()) {}

EngineGifBackend::~EngineGifBackend() = default;

bool EngineGifBackend::ConverterAvailable(QString& error) {
    std::lock_guard guard(lock_);
    QString why;
    if (converter_.Function(&why))
        return true;
    qCInfo(lcAnimation) << "converter unavailable:" << why;
    error = ColourReduction::ConverterMissingText();
    return false;
}

std::unique_ptr<GifEngineBuild> EngineGifBackend::BeginBuild() {
    return std::make_unique<Build>(*this);
}

} // namespace vx7::animation
