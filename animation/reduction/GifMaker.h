#pragma once

#include "animation/gif/GifAnimationBuilder.h"

#include <QString>
#include <QStringList>

namespace vx7::animation {

class ColourReduction;

// The colour modes of GIF making, by their values in the interval lists.
enum GifColourMode : int {
    kModePopularColours = 0, // "高质流行色": the converter's palette, frames coded by the program
    kModeHighContrast = 1,   // "普通高反差": the program's GIF encoder, frames copied
};

// The whole path from pictures to an animated GIF: colour reduction in the chosen
// mode, then the builder, every frame with the same delay (hundredths of a second).
// When the converter is missing (mode 0) the build stops before anything is written.
class GifMaker {
  public:
    GifMaker(ColourReduction& reduction, GifAnimationBuilder& builder);

    // bmpFirst: re-encode every picture as a working BMP before mode 0's reduction
    // (the animation window does so). Frames left out are named by their pictures;
    // fitted and frameSize tell how many pictures were scaled to the first one's size.
    GifBuildResult Make(const QStringList& pictures, int mode, int delay, const QString& output,
                        bool bmpFirst = false);

    static QString ModeText(int mode);
    // The summary's sentence about pictures fitted to the first picture's size; empty
    // when none was.
    static QString FittedText(const GifBuildResult& result);
    // Rewrites result's left-out lines to name pictures[i] instead of the i-th working
    // file, with problems[i] as the reason when it is set.
    static void NameLeftOutPictures(GifBuildResult& result, const QStringList& pictures,
                                    const QStringList& problems);

  private:
    ColourReduction& reduction_;
    GifAnimationBuilder& builder_;
};

} // namespace vx7::animation
