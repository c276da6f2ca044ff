#pragma once

// Every bundled resource the programs load by number, with the size it is made at.
//
// Resources live in the Qt resource system under names that keep their numbers:
//   ":/bitmap/<n>.png", ":/icon/<n>.png", ":/cursor/<n>.png", ":/toolbar/<n>.png", ":/wave/<n>.wav".
// A cursor PNG carries its hot spot in the text key "hotspot" as "x,y". The toolbar strip is
// one row of kToolbarImageSize-square images with an alpha channel whose fully transparent
// pixels carry the mask colour kToolbarMaskColour; its text key "commands" lists,
// comma-separated, the menu command each image belongs to, in order.
//
// The sizes here are the contract between the generator (which draws at these sizes) and the
// windows (which lay their bitmap buttons out to them); the tests check that they agree.

#include <array>

#include <QString>
#include <QtGui/qrgb.h>

namespace vx7::resources {

struct PictureResource {
    int id;
    int width;
    int height;
};

// Bitmaps: window backgrounds and the pictures of the camera station's bitmap buttons
// (normal/pressed pairs 131/132 "拍照", 133/134, 135/136 GIF, 140/139 "照片目录", 191 "摄像头设置").
inline constexpr int kStationBackground = 129;
inline constexpr int kSplashBackground = 141;
inline constexpr int kEditorBackground = 177;
inline constexpr std::array<PictureResource, 12> kBitmaps{{
    {129, 1024, 768},
    {131, 116, 44},
    {132, 116, 44},
    {133, 116, 28},
    {134, 116, 28},
    {135, 116, 28},
    {136, 116, 28},
    {139, 116, 28},
    {140, 116, 28},
    {141, 420, 260},
    {177, 868, 639},
    {191, 116, 28},
}};

// Icons: 128 the program icon, 152 the drop arrow of caption labels, 168/169 OK and Cancel.
inline constexpr int kProgramIcon = 128;
inline constexpr std::array<PictureResource, 4> kIcons{{
    {128, 128, 128},
    {152, 16, 16},
    {168, 16, 16},
    {169, 16, 16},
}};

// Cursors, all kCursorSize square.
inline constexpr int kCursorSize = 32;
inline constexpr int kHoverCursor = 137;
inline constexpr std::array<int, 21> kCursors{137, 149, 150, 156, 157, 158, 159, 160, 161, 162, 163,
                                              164, 165, 183, 184, 185, 186, 187, 188, 189, 190};

// The menu image strip and the commands its images belong to, left to right.
inline constexpr int kToolbarId = 154;
inline constexpr int kToolbarImageSize = 20;
inline constexpr QRgb kToolbarMaskColour = 0xFFC0C0C0;
inline constexpr std::array<int, 33> kToolbarCommands{
    32771, 32772, 32773, 32774, 32775, 32776, 32777, 32779, 32780, 32781, 32782,
    32783, 32784, 32785, 32786, 32787, 32788, 32789, 32790, 32791, 32792, 32793,
    32794, 32795, 32796, 32797, 32798, 32799, 32800, 32801, 32802, 32803, 32804};

// Sounds: 145 the click of suspending the camera, 151 the start-up jingle.
inline constexpr int kClickSound = 145;
inline constexpr int kStartupSound = 151;
inline constexpr std::array<int, 2> kWaves{145, 151};

inline QString BitmapPath(int id) {
    return QStringLiteral(":/bitmap/%1.png").arg(id);
}
inline QString IconPath(int id) {
    return QStringLiteral(":/icon/%1.png").arg(id);
}
inline QString CursorPath(int id) {
    return QStringLiteral(":/cursor/%1.png").arg(id);
}
inline QString ToolbarPath(int id) {
    return QStringLiteral(":/toolbar/%1.png").arg(id);
}
inline QString WavePath(int id) {
    return QStringLiteral(":/wave/%1.wav").arg(id);
}

} // namespace vx7::resources
