#include "GifMaker.h"

#include "ColourReduction.h"

namespace vx7::animation {

GifMaker::GifMaker(ColourReduction& reduction, GifAnimationBuilder& builder)
    : reduction_(reduction), builder_(builder) {}

QString GifMaker::ModeText(int mode) {
    return mode == kModeHighContrast ? QStringLiteral("普通高反差") : QStringLiteral("高质流行色");
}

GifBuildResult GifMaker::Make(const QStringList& pictures, int mode, int delay, const QString& output,
                              bool bmpFirst) {
    if (mode == kModeHighContrast) {
        const ReductionResult frames = reduction_.ReduceByImageEncoder(pictures);
        return builder_.BuildFromGifFiles(frames.frames, output, delay);
    }
    QStringList sources = pictures;
    if (bmpFirst)
        sources = reduction_.ReencodeAsBmp(pictures);
    const ReductionResult frames = reduction_.ReduceByConverter(sources);
    if (frames.stopped) {
        GifBuildResult result;
        result.error = frames.error;
        return result;
    }
    return builder_.BuildFromPaletteFrames(frames.frames, output, delay);
}

} // namespace vx7::animation
