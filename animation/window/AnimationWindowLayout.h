#pragma once

#include <QRect>
#include <QSize>

#include <algorithm>

namespace vx7::animation {

// Rectangles of the animation window's controls in client coordinates (right and
// bottom exclusive, as QRect's width and height give them). One place, so that the
// window, the picture placement and the tests agree.
struct AnimationWindowLayout {
    static constexpr QSize kClientSize{760, 516};

    // The display: the video view, and the GIF area that lies over it.
    static constexpr QRect kDisplay{12, 12, 480, 360};   // 1042 / 1053
    static constexpr QRect kFileList{504, 12, 244, 330}; // 1043
    static constexpr int kNumberColumnWidth = 30;
    static constexpr int kNameColumnWidth = 160;

    static constexpr QRect kModeAvi{504, 350, 60, 22};      // 1044
    static constexpr QRect kModeGif{566, 350, 60, 22};      // 1045
    static constexpr QRect kModeMakeGif{628, 350, 110, 22}; // 1089

    static constexpr QRect kInfo{12, 380, 480, 22};    // 1049
    static constexpr QRect kFrame{12, 406, 160, 22};   // 1050
    static constexpr QRect kStatus{180, 406, 312, 22}; // 1046

    static constexpr QRect kOpenFile{12, 440, 90, 30};   // 1
    static constexpr QRect kCloseFile{108, 440, 90, 30}; // 1047
    static constexpr QRect kPlay{204, 440, 90, 30};      // 1048
    static constexpr QRect kStop{300, 440, 90, 30};      // 1051
    static constexpr QRect kFill{396, 440, 90, 30};      // 1052

    static constexpr QRect kAddPicture{504, 380, 118, 28}; // 1090
    static constexpr QRect kBuildGif{630, 380, 118, 28};   // 1091
    static constexpr QRect kGifFolder{504, 414, 118, 28};  // 1092
    static constexpr QRect kInterval{630, 414, 118, 28};   // 1093
    static constexpr QRect kNameCaption{504, 448, 80, 24}; // 1094
    static constexpr QRect kName{586, 448, 162, 24};       // 1095

    // The GIF build's progress bar and status line (no resource ids of their own).
    static constexpr QRect kProgress{12, 480, 300, 22};
    static constexpr QRect kBuildStatus{320, 480, 428, 22};

    // Where a picture chosen for the GIF is drawn: at the display's corner at its own
    // size, or scaled down, proportions kept, until it fits the display.
    static QRect PictureRect(const QRect& display, QSize picture) {
        QSize size = picture;
        if (picture.width() > display.width() || picture.height() > display.height()) {
            const double scale = std::min(double(display.width()) / picture.width(),
                                          double(display.height()) / picture.height());
            size =
                QSize(std::max(1, int(picture.width() * scale)), std::max(1, int(picture.height() * scale)));
        }
        return QRect(display.topLeft(), size);
    }
};

} // namespace vx7::animation
