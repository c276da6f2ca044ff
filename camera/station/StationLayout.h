#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vx7::camera {

// Rectangles of the station's controls in client coordinates (right and bottom
// exclusive, as QRect's width and height give them). One place, so that the window,
// the click areas and the tests agree.
struct StationLayout {
    static constexpr QSize kClientSize{960, 612};

    static constexpr QRect kPreviewArea{12, 12, 640, 480};  // frame 1000
    static constexpr QRect kStripGroup{12, 500, 658, 100};  // group 1029
    static constexpr QRect kCameraButton{672, 12, 126, 40}; // 1001
    static constexpr QRect kAnchor{676, 62, 116, 24};       // 1014: the drawn buttons hang from its corner
    static constexpr QRect kShootButton{672, 404, 126, 88}; // 1004
    static constexpr QRect kFolderButton{810, 12, 138, 40}; // 1007

    static constexpr QRect kCaptionFormat{810, 60, 60, 22};     // 1005
    static constexpr QRect kFormatList{872, 60, 76, 22};        // 1002 / 1060
    static constexpr QRect kCaptionName{810, 88, 60, 22};       // 1006
    static constexpr QRect kNameEdit{872, 88, 76, 22};          // 1003 / 1061
    static constexpr QRect kCaptionSelfTimer{810, 116, 60, 22}; // 1008
    static constexpr QRect kSelfTimerList{872, 116, 76, 22};    // 1009 / 1062
    static constexpr QRect kCaptionBurst{810, 144, 60, 22};     // 1018
    static constexpr QRect kBurstList{872, 144, 76, 22};        // 1019 / 1063
    static constexpr QRect kUnusedCombo{810, 172, 138, 22};     // 1020, hidden

    static constexpr QRect kThumbnailFrame{810, 176, 138, 246}; // 1017
    static constexpr QRect kSelfTimerLabel{810, 430, 138, 28};  // 1021
    static constexpr QRect kStatusLabel{810, 464, 138, 28};     // 1022

    static constexpr QRect kCaptionInterval{672, 506, 126, 20}; // 1010
    static constexpr QRect kIntervalList{672, 528, 126, 24};    // 1011 / 1064
    static constexpr QRect kGifButton{810, 506, 138, 94};       // 1015
    static constexpr QRect kUnusedButton{672, 560, 126, 40};    // 1016, hidden
    static constexpr QRect kVideoRadio{672, 560, 60, 20};       // 1013, hidden

    // The burst box: the burst list's rectangle cut to its leftmost 18 pixels.
    static constexpr int kArrowZone = 18;
    static QRect BurstBox() {
        return QRect(kBurstList.left(), kBurstList.top(), kArrowZone, kBurstList.height());
    }
    // The countdown area: the thumbnail frame shrunk by 3 pixels on every side.
    static QRect CountdownArea() { return kThumbnailFrame.adjusted(3, 3, -3, -3); }
    static QPoint AnchorCorner() { return kAnchor.topLeft(); }
};

} // namespace vx7::camera
