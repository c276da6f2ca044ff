#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

namespace vx7::editor {

// Every rectangle of the editor window in one place: the window, its hit
// tests and its tests share these. Control rectangles come from the dialog
// template in dialog units; a unit is 1.5 pixels and edges are rounded the
// way dialog templates map them (half a pixel up).
namespace layout {

constexpr int Px(int units) {
    return (units * 3 + 1) / 2;
}
// A control at (x, y) of size (w, h) in dialog units, as a pixel rectangle.
constexpr QRect Du(int x, int y, int w, int h) {
    return QRect(QPoint(Px(x), Px(y)), QPoint(Px(x + w) - 1, Px(y + h) - 1));
}

// Control identifiers of the editor dialog.
enum Control : int {
    kCanvasFrame = 1054,
    kPanelFrame = 1056,
    kStatusLine = 1066,
    kPreviewBox = 1067,
    kBackgroundCheck = 1065,
    kMaterialCheck = 1068,
    kMaterialLabel = 1059,
    kPackageCombo = 1055,
    kGroupLabel = 1057,
    kGroupCombo = 1058,
    kMakeupButton = 1069,
    kPreviousPage = 1071,
    kNextPage = 1072,
    kSelectNext = 1074,
    kRemoveMaterial = 1075,
    kMoveScale = 1,
    kMoveAll = 1073,
    kClearAll = 1083,
    kCancel = 2,
};

inline constexpr QSize kClientSize{Px(579), Px(426)};
inline constexpr QRect kCanvas = Du(4, 52, 373, 321);
inline constexpr QRect kPanel = Du(382, 36, 195, 352);
inline constexpr QRect kStatus = Du(4, 37, 323, 12);
inline constexpr QRect kPreview = Du(332, 3, 44, 44);
inline constexpr QRect kBackgroundCheckRect = Du(33, 3, 46, 10);
inline constexpr QRect kMaterialCheckRect = Du(418, 22, 50, 10);
inline constexpr QRect kMaterialLabelRect = Du(347, 17, 25, 8);
// Drop-down lists: the closed box is one line high; the rest is the list.
inline constexpr QRect kPackageComboRect = QRect(Px(471), Px(20), Px(578) - Px(471), 20);
inline constexpr QRect kGroupLabelRect = Du(464, 401, 35, 8);
inline constexpr QRect kGroupComboRect = QRect(Px(503), Px(398), Px(576) - Px(503), 20);
inline constexpr QRect kMakeupButtonRect = Du(179, 3, 35, 19);
inline constexpr QRect kPreviousPageRect = Du(385, 393, 19, 19);
inline constexpr QRect kNextPageRect = Du(412, 393, 19, 19);
inline constexpr QRect kSelectNextRect = Du(381, 3, 44, 14);
inline constexpr QRect kRemoveMaterialRect = Du(432, 3, 44, 14);
inline constexpr QRect kMoveScaleRect = Du(482, 3, 44, 14);
inline constexpr QRect kMoveAllRect = Du(532, 3, 44, 14);
inline constexpr QRect kClearAllRect = Du(381, 20, 31, 13);
inline constexpr QRect kCancelRect = Du(354, 28, 10, 8);

// The colour swatch below the background check box, framed.
inline constexpr QRect kBackgroundSwatch =
    QRect(QPoint(kBackgroundCheckRect.left(), kBackgroundCheckRect.bottom() + 1 + 6),
          QPoint(kBackgroundCheckRect.right(), kBackgroundCheckRect.bottom() + 1 + 18 - 1));

// The material grid covers the panel out to 3 pixels before the client's right edge.
inline constexpr QRect kGridArea =
    QRect(QPoint(kPanel.left(), kPanel.top()), QPoint(kClientSize.width() - 3 - 1, kPanel.bottom()));

// The picture buttons the window draws itself.
enum class ButtonRow : char { Upper = 'U', Lower = 'D' };

struct ToolbarButton {
    ButtonRow row;
    const char* picture; // "<install>/ephoto_syspic/<picture>.png"
    const char* tip;
    int command;
    QRect rect;
};

inline constexpr int kButtonSide = 40;
inline constexpr int kSaveExitWidth = 80;
inline constexpr int kUpperTop = kBackgroundCheckRect.top() - 2;
inline constexpr int kLowerTop = kCanvas.bottom() + 1 + 22;

constexpr QRect Upper(int left) {
    return QRect(left, kUpperTop, kButtonSide, kButtonSide);
}
constexpr QRect Lower(int left, int width = kButtonSide) {
    return QRect(left, kLowerTop, width, kButtonSide);
}

inline constexpr int kCheckLeft = kBackgroundCheckRect.left();
inline constexpr int kCheckRight = kBackgroundCheckRect.right() + 1;
inline constexpr int kPreviewLeft = kPreview.left();
inline constexpr int kCanvasLeft = kCanvas.left();
inline constexpr int kCanvasRight = kCanvas.right() + 1;

// Command numbers of the picture buttons.
inline constexpr int kAutoAddCommand = 2004;
inline constexpr int kClipboardCommand = 2101;
inline constexpr int kHotCornerCommand = 21011;

inline constexpr std::array<ToolbarButton, 17> kButtons{{
    {ButtonRow::Upper, "imgEdit_ImageBkgPic", "选择背景图", 2001, Upper(kCheckLeft - 52)},
    {ButtonRow::Upper, "imgEdit_ImageHeadpho", "大头贴", 2201, Upper(kCheckRight + 6)},
    {ButtonRow::Upper, "imgEdit_ImageClearBkg", "擦除背景", 2002, Upper(kCheckRight + 62)},
    {ButtonRow::Upper, "imgEdit_ImageFaceColor", "美容化装", 2003, Upper(kCheckRight + 118)},
    {ButtonRow::Upper, "imgEdit_ImageClothHair", "服装道具自动添加设置", kAutoAddCommand,
     Upper(kPreviewLeft - 56)},
    {ButtonRow::Upper, "imgEdit_ImageToQQtao", "图片抓取到交流窗口", kClipboardCommand,
     Upper(kPreviewLeft - 122)},
    {ButtonRow::Upper, "imgEdit_ImagePhotosave", "图片拍照保留", 2102, Upper(kPreviewLeft - 178)},
    {ButtonRow::Lower, "imgEdit_DrawColor", "画图颜色", 3001, Lower(kCanvasLeft + 6)},
    {ButtonRow::Lower, "imgEdit_DrawLine", "手绘自由画线", 3002, Lower(kCanvasLeft + 60)},
    {ButtonRow::Lower, "imgEdit_DrawCircle", "画圆", 3003, Lower(kCanvasLeft + 114)},
    {ButtonRow::Lower, "imgEdit_DrawPolyLine", "画折线", 3004, Lower(kCanvasLeft + 168)},
    {ButtonRow::Lower, "imgEdit_DrawRect", "画矩形", 3005, Lower(kCanvasLeft + 222)},
    {ButtonRow::Lower, "imgEdit_DrawPolyArea", "画多边面", 3006, Lower(kCanvasLeft + 276)},
    {ButtonRow::Lower, "imgEdit_DrawText", "显示文字", 3026, Lower(kCanvasLeft + 330)},
    {ButtonRow::Lower, "imgEdit_DrawArrow", "画箭头线", 3007, Lower(kCanvasLeft + 384)},
    {ButtonRow::Lower, "imgEdit_DrawDelete", "删除画图项目", 3008, Lower(kCanvasLeft + 438)},
    // Right-aligned with the canvas: at 1.5 pixels a unit, 112 pixels from the
    // canvas's right edge would put it over "删除画图项目".
    {ButtonRow::Lower, "imgEdit_SaveExit", "保存退出", 6001,
     Lower(kCanvasRight - kSaveExitWidth, kSaveExitWidth)},
}};

inline constexpr const char* kAutoAddOnPicture = "imgEdit_ImageCloHairYes";
inline constexpr const char* kHotCornerTip = "选择图片抓取窗口";

// The 16 x 16 hot corner of the clipboard button.
constexpr QRect HotCorner(const QRect& button) {
    return QRect(button.left() + 1, button.top() + 1, 16, 16);
}

// Where a button's tip is anchored.
constexpr QPoint TipAnchor(const ToolbarButton& b) {
    return b.row == ButtonRow::Upper ? QPoint(b.rect.right() + 1 - 16, b.rect.bottom() + 1 + 26)
                                     : QPoint(b.rect.right() + 1 - 16, b.rect.top() + 10);
}

// Index of the button under p (the clipboard button's hot corner included), or -1.
inline int ButtonAt(QPoint p) {
    for (int i = 0; i < static_cast<int>(kButtons.size()); ++i)
        if (kButtons[i].rect.contains(p))
            return i;
    return -1;
}

constexpr int ButtonIndex(int command) {
    for (int i = 0; i < static_cast<int>(kButtons.size()); ++i)
        if (kButtons[i].command == command)
            return i;
    return -1;
}

// The magnifier's size in photo pixels and the size of the box the canvas shows.
inline constexpr QSize kMagnifierSize{kPanel.width() / 6, kPanel.height() / 6};

} // namespace layout
} // namespace vx7::editor
