#pragma once

#include "imaging/raster/ToolMode.h"

#include <QString>

namespace vx7::editor {

// The mouse gesture that is not a raster tool.
enum class GestureMode : int {
    None = 0,
    DragPhoto = 11,        // drag the edited photo
    PlacePicture = 22,     // move, scale and rotate the background picture or the original photo
    MoveMaterial = 111,    // move and scale the selected material
    MoveAllMaterials = 116 // move every material together
};

// What the wheel does while a picture is being placed.
enum class WheelAction : int {
    Scale = 101,
    Rotate = 606,
};

// The new-photo flag: the camera station opened the editor on the photo it just took.
inline constexpr int kNewPhotoMode = 9;

// The state of one open editor window. The window owns it; the canvas
// interaction and the composition read and change it, so the tool and gesture
// have one home.
struct EditorState {
    // The photo handed over by the camera station; moved into the save-back
    // path and emptied on the first paint, so it is loaded exactly once.
    QString openedPhotoPath;
    // The file "保存退出" writes over. Empty when there is none.
    QString saveBackPath;
    // Set when the opened photo could not be read: the canvas then holds no
    // picture of that file and saving back must not overwrite it.
    bool photoUnreadable = false;

    int newPhotoFlag = 0;            // kNewPhotoMode or 0
    int backgroundPictureOption = 0; // check box "背景图片"
    int materialViewOption = 0;      // check box "素材(服装)"

    GestureMode gesture = GestureMode::None;
    WheelAction wheelAction = WheelAction::Scale;
    imaging::ToolMode toolMode = imaging::ToolMode::None;

    // How many times "拖移缩放原始照片" was started in this window.
    int originalPlacementCount = 0;
    // The original photo is being placed (gesture 22 started from the photo commands).
    bool photoPlacementPending = false;
    // A screenshot was handed over: ending the tool commits a pending photo placement.
    bool screenshotCommitAllowed = false;

    // One-shot: the next composition draws and captures the background picture anew.
    bool reloadBackground = false;
    // The picture placed in gesture 22 is committed by the next composition,
    // which also ends the gesture.
    bool commitPlacement = false;

    bool InGesture(GestureMode g) const { return gesture == g; }
    // Starting a gesture clears the commit mark.
    void SetGesture(GestureMode g) {
        gesture = g;
        commitPlacement = false;
    }
};

} // namespace vx7::editor
