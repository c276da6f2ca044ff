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

    // bmpFirst: re-encode every picture as <work>/<title>.bmp before mode 0's
    // reduction (the animation window does so).
    GifBuildResult Make(const QStringList& pictures, int mode, int delay, const QString& output,
                        bool bmpFirst = false);

    static QString ModeText(int mode);

  private:
    ColourReduction& reduction_;
    GifAnimationBuilder& builder_;
};

} // namespace vx7::animation
