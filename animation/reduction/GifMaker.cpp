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
    // One set of working files per build, removed when it ends.
    reduction_.BeginBuild();
    GifBuildResult result;
    ReductionResult frames;
    if (mode == kModeHighContrast) {
        frames = reduction_.ReduceByImageEncoder(pictures);
        result = builder_.BuildFromGifFiles(frames.frames, output, delay);
    } else {
        QStringList sources = pictures;
        if (bmpFirst)
            sources = reduction_.ReencodeAsBmp(pictures);
        frames = reduction_.ReduceByConverter(sources);
        if (frames.stopped) {
            reduction_.EndBuild();
            result.error = frames.error;
            return result;
        }
        result = builder_.BuildFromPaletteFrames(frames.frames, output, delay);
    }
    result.fitted = reduction_.FittedCount();
    result.frameSize = reduction_.FrameSize();
    reduction_.EndBuild();
    NameLeftOutPictures(result, pictures, frames.problems);
    return result;
}

void GifMaker::NameLeftOutPictures(GifBuildResult& result, const QStringList& pictures,
                                   const QStringList& problems) {
    // The user knows their pictures, not the working files: each line names the
    // picture and, when the reduction knows it, why the picture gave no frame.
    result.skipped.clear();
    for (GifBuildResult::LeftOut& left : result.leftOut) {
        const QString problem = problems.value(left.index);
        if (!problem.isEmpty())
            left.reason = problem;
        result.skipped.append(pictures.value(left.index) + QStringLiteral(": ") + left.reason);
    }
}

QString GifMaker::FittedText(const GifBuildResult& result) {
    if (result.fitted == 0)
        return QString();
    return QStringLiteral("%1 张图片的大小与第一张不同, 已按 %2×%3 缩放(保持比例, 白色补边)")
        .arg(result.fitted)
        .arg(result.frameSize.width())
        .arg(result.frameSize.height());
}

} // namespace vx7::animation
