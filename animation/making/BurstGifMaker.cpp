#include "BurstGifMaker.h"

#include "GifMakingSettings.h"
#include "GifPaths.h"
#include "platform/Prompt.h"

#include <utility>

namespace vx7::animation {

BurstGifMaker::BurstGifMaker(GifEngine& engine, const core::EncoderRegistry& encoders,
                             platform::Prompt& prompt, QObject* parent)
    : QObject(parent), prompt_(prompt), runner_(engine, encoders) {
    connect(&runner_, &GifBuildRunner::Progress, this, [this](int, int, const QString& text) {
        if (hooks_.showStatus)
            hooks_.showStatus(text);
    });
    connect(&runner_, &GifBuildRunner::Finished, this, &BurstGifMaker::OnFinished);
}

QString BurstGifMaker::Question(const QString& photoName) {
    return QStringLiteral("要建Gif动画吗?( %1 )请确认!").arg(photoName);
}

bool BurstGifMaker::MakeBurstGif(const QStringList& burstPhotos, const QString& photoFolder,
                                 const QString& photoName, const GifMakingSettings& settings, Hooks hooks) {
    if (burstPhotos.size() < 2 || runner_.IsRunning())
        return false;
    if (!prompt_.Ask(Question(photoName), QStringLiteral("特别提示")))
        return false;
    hooks_ = std::move(hooks);
    if (hooks_.setControlsEnabled)
        hooks_.setControlsEnabled(false);

    GifBuildRequest request;
    request.pictures = burstPhotos.mid(0, kMaxFrames);
    request.mode = settings.Mode();
    request.delay = settings.DelayHundredths();
    request.output = GifPaths::Output(photoFolder, photoName);
    pendingName_ = photoName;
    runner_.Start(request);
    return true;
}

void BurstGifMaker::OnFinished(const GifJobResult& result) {
    const bool built = result.outcome == GifJobResult::Outcome::Built;
    if (built && hooks_.recordLastMade)
        hooks_.recordLastMade({GifPaths::LastMadeName(pendingName_), LastMadeFile::kGif});
    if (hooks_.setControlsEnabled)
        hooks_.setControlsEnabled(true);
    if (hooks_.showStatus)
        hooks_.showStatus(result.message);
    // The only failure the user must act on: the colour mode needs the converter.
    if (result.outcome == GifJobResult::Outcome::ConverterMissing)
        prompt_.Message(result.message, QStringLiteral("特别提示"));
    if (hooks_.refreshDisplay)
        hooks_.refreshDisplay();
    emit Done(result);
    // Only a GIF that exists is worth opening at once.
    const Hooks hooks = std::exchange(hooks_, Hooks{});
    if (built && hooks.openLastMade)
        hooks.openLastMade();
}

} // namespace vx7::animation
