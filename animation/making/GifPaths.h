#pragma once

#include <QString>

namespace vx7::core {
class SysInfo;
}

namespace vx7::animation {

// Path rules shared by the camera station and the animation window.
class GifPaths {
  public:
    // "<folder>/<name>.gif".
    static QString Output(const QString& folder, const QString& name);

    // The GIF folder of the animation window: the stored folder (slot 601), or the
    // photo folder while none is stored.
    static QString GifFolder(core::SysInfo& sys);

    // "<installation folder>/tmpBmpData/<title>.bmp": the BMP a picture is re-encoded to
    // before the converter mode reduces it.
    static QString WorkBmp(const core::SysInfo& sys, const QString& picturePath);

    // The name a burst GIF is recorded under as the last made file: "<photo name>.gif".
    static QString LastMadeName(const QString& photoName);
};

} // namespace vx7::animation
