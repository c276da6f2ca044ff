#pragma once

// Names and geometry of the installer's start pictures.
//
// The install medium holds, directly in the program folder "摄像头拍照(动画)Snapo2011":
//   "vx7EcameraInstPic.jpg"      the plain start picture (kStartPictureWidth x kStartPictureHeight)
//   "vx7EcameraInstPic_<n>.jpg"  the highlighted picture of hot region n (1 to 5), drawn at
//                                (HighlightX, HighlightY) relative to the start picture's origin.
// A highlight picture is exactly the part of the start picture that its region covers, drawn
// lit, so painting it over the plain picture lines up pixel for pixel. Its size spans the region's
// bounds inclusive: (xTo - xFrom + 1) x (yTo - yFrom + 1).
//
// Hot regions exclude their bounds: a point (x, y) relative to the picture's origin is inside
// region n when xFrom < x < xTo and yFrom < y < yTo.

#include <array>

#include <QString>

namespace vx7::resources {

inline constexpr const char* kStartPictureName = "vx7EcameraInstPic.jpg";
inline constexpr int kStartPictureWidth = 540;
inline constexpr int kStartPictureHeight = 400;

enum class InstallerRegionAction { Install = 1, Uninstall = 2, WebPage1 = 3, WebPage2 = 4, Quit = 5 };

struct InstallerRegion {
    int number; // 1 to 5, also the suffix of the highlight picture's name
    InstallerRegionAction action;
    int xFrom, xTo; // exclusive bounds
    int yFrom, yTo; // exclusive bounds
    int HighlightX() const { return xFrom; }
    int HighlightY() const { return yFrom; }
    int HighlightWidth() const { return xTo - xFrom + 1; }
    int HighlightHeight() const { return yTo - yFrom + 1; }
    bool Contains(int x, int y) const { return x > xFrom && x < xTo && y > yFrom && y < yTo; }
};

inline constexpr std::array<InstallerRegion, 5> kInstallerRegions{{
    {1, InstallerRegionAction::Install, 53, 216, 134, 182},
    {2, InstallerRegionAction::Uninstall, 55, 220, 205, 255},
    {3, InstallerRegionAction::WebPage1, 285, 477, 131, 183},
    {4, InstallerRegionAction::WebPage2, 286, 476, 201, 250},
    {5, InstallerRegionAction::Quit, 363, 483, 294, 344},
}};

// "vx7EcameraInstPic_<n>.jpg" for region n.
inline QString HighlightPictureName(int region) {
    return QStringLiteral("vx7EcameraInstPic_%1.jpg").arg(region);
}

} // namespace vx7::resources
