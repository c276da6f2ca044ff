#pragma once

#include <QString>

namespace vx7::editor {

// The commands of the editor window: menu entries, picture buttons, ordinary
// buttons, check boxes and combos. The numbers are the window's command
// identifiers and stay fixed.
enum class EditorCommand : int {
    None = 0,
    // Picture buttons of the upper row and their menus.
    BackgroundMenu = 2001,
    ClearBackgroundMenu = 2002,
    BeautyMenu = 2003,
    AutoAddSwitch = 2004,
    StickerMenu = 2201,
    CopyToClipboard = 2101,
    ChooseExportArea = 21011,
    SavePhoto = 2102,
    // Lower row.
    DrawingColour = 3001,
    DrawFreehand = 3002,
    DrawCircle = 3003,
    DrawPolyline = 3004,
    DrawRectangle = 3005,
    DrawPolygonArea = 3006,
    DrawArrow = 3007,
    DeleteDrawingItem = 3008,
    EditCaption = 3026,
    SaveAndExit = 6001,
    // The status line.
    FlipWheelAction = 9301,
    NextEdgeStyle = 9302,
    // Menu entries.
    SetBackgroundColour = 32771,
    Eraser = 32772,
    RemoveBackground = 32773,
    ChooseMagnifiedArea = 32774,
    MagicWand = 32775,
    LoadBackground = 32776,
    PlaceBackground = 32777,
    BrightenBackground = 32779,
    DarkenBackground = 32780,
    SharpenBackground = 32781,
    ReloadBackground = 32782,
    KeepShape = 32783,
    BrightenPhoto = 32784,
    DarkenPhoto = 32785,
    LocalBrighten = 32786,
    LocalDarken = 32787,
    MakeupBox = 32788,
    EndTool = 32789,
    Continue = 32790,
    DragPhoto = 32791,
    PlaceOriginalPhoto = 32792,
    LoadNewPhoto = 32793,
    ReloadOriginalPhoto = 32794,
    ChooseValidArea = 32795,
    StickerPlain = 32796,
    StickerFeather = 32797,
    StickerBright = 32798,
    MagnifierLeft = 32799,
    MagnifierRight = 32800,
    MagnifierUp = 32801,
    MagnifierDown = 32802,
    SetEdgeColour = 32803,
    Spotlight = 32804,
    // Ordinary controls.
    MoveScaleMaterial = 1,
    MoveAllMaterials = 1073,
    SelectNextMaterial = 1074,
    RemoveMaterial = 1075,
    ClearAllMaterials = 1083,
    BackgroundOption = 1065,
    MaterialView = 1068,
    OpenMakeupBox = 1069,
    PackageChosen = 1055,
    GroupChosen = 1058,
    PreviousPage = 1071,
    NextPage = 1072,
};

// The status-line texts of the editor.
namespace prompts {
inline const QString kIdle = QStringLiteral("----");
inline const QString kToolEnded = QStringLiteral("---------");
inline const QString kGestureEnded = QStringLiteral("---");
inline const QString kOpening = QStringLiteral("-----");
inline const QString kCopiedToClipboard = QStringLiteral("图片已复制到剪贴板,可以粘贴到聊天窗口或其他程序.");
inline const QString kEraser = QStringLiteral("按住左键移动橡皮擦图.滚轮改半径.按Alt键反擦.右键结束.");
inline const QString kRemoveBackground = QStringLiteral("扣除背景.按左键选择.中间键回退.右键(或闭合)结束.");
inline const QString kMagnifiedArea = QStringLiteral("移动光标确定图形放大区,按左键确认!");
inline const QString kMagicWand = QStringLiteral("按左键选择.中键撤消前一步.右键结束.");
inline const QString kPlaceScale =
    QStringLiteral("按住左键，移动光标拖移当前图片.滚轮缩放(Shift切换旋转).右键结束.");
inline const QString kPlaceRotate =
    QStringLiteral("按住左键，移动光标拖移当前图片.滚轮旋转(Shift切换缩放).右键结束.");
inline const QString kKeepShape = QStringLiteral("保留图形.按左键选择.中间键回退.右键(或闭合)结束.");
inline const QString kLocalBrighten = QStringLiteral("按住左键，移动光标局部增亮.滚轮改半径.右键结束.");
inline const QString kLocalDarken = QStringLiteral("按住左键，移动光标局部减淡.滚轮改半径.右键结束.");
inline const QString kMakeup = QStringLiteral("画笔化装.按下Alt键取样本.滚轮改半径.右键结束.");
inline const QString kDragPhoto = QStringLiteral("按住左键,移动光标拖移图片.右键结束.");
inline const QString kValidArea = QStringLiteral("用左键选择两点确定图片有效区.右键终止.");
inline const QString kSticker = QStringLiteral("按住左键框选图像.按住Alt键反选.按Shift键改模式.右键结束.");
inline const QString kSpotlight = QStringLiteral("聚光区.按左键选择.中间键回退.右键(或闭合)结束.");
inline const QString kFreehand = QStringLiteral("按住左键移动光标自由画.右键结束.");
inline const QString kCircle = QStringLiteral("按住左键选框画圆.右键结束.");
inline const QString kPolyline = QStringLiteral("按左键选描画点.右键结束.");
inline const QString kRectangle = QStringLiteral("按住左键选框画矩形.右键结束.");
inline const QString kPolygonArea = QStringLiteral("按左键选描画多边面.图形闭合或右键结束.");
inline const QString kArrow = QStringLiteral("按住左键，移动光标画箭头线.右键结束.");
inline const QString kMoveScaleMaterial = QStringLiteral("按滚轮缩放素材.按住左键移动光标拖移.右键结束.");
inline const QString kMoveAllMaterials = QStringLiteral("按住左键，移动光标拖移当前素材.右键结束.");
} // namespace prompts

} // namespace vx7::editor
