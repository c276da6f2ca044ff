#pragma once

// Files the build writes into the system picture folder "ephoto_syspic" of the install medium.
//
// Camera station drawn buttons: "<name>_OK.png" is the lit picture (drawn while the button is
// lit, state 'Y') and "<name>_NO.png" the plain one (state 'c'); both of a pair have the size
// listed. Editor picture buttons: "<name>.png", 40 x 40 except "imgEdit_SaveExit" (80 x 40).

#include <array>

namespace vx7::resources {

struct SystemPicture {
    const char* name;
    int width;
    int height;
};

inline constexpr std::array<SystemPicture, 9> kStationButtons{{
    {"butVideo", 116, 28},
    {"butPickd", 116, 28},
    {"Video_butSetfmt", 116, 29},
    {"Video_butSetSour", 116, 29},
    {"Video_butSetComp", 116, 29},
    {"Video_butReco", 32, 32},
    {"Video_butRecoStop", 32, 32},
    {"Video_butbkMusic", 43, 32},
    {"Video_butGoWeb", 116, 30},
}};

inline constexpr std::array<SystemPicture, 18> kEditorButtons{{
    {"imgEdit_ImageBkgPic", 40, 40},
    {"imgEdit_ImageHeadpho", 40, 40},
    {"imgEdit_ImageClearBkg", 40, 40},
    {"imgEdit_ImageFaceColor", 40, 40},
    {"imgEdit_ImageClothHair", 40, 40},
    {"imgEdit_ImageCloHairYes", 40, 40},
    {"imgEdit_ImageToQQtao", 40, 40},
    {"imgEdit_ImagePhotosave", 40, 40},
    {"imgEdit_DrawColor", 40, 40},
    {"imgEdit_DrawLine", 40, 40},
    {"imgEdit_DrawCircle", 40, 40},
    {"imgEdit_DrawPolyLine", 40, 40},
    {"imgEdit_DrawRect", 40, 40},
    {"imgEdit_DrawPolyArea", 40, 40},
    {"imgEdit_DrawText", 40, 40},
    {"imgEdit_DrawArrow", 40, 40},
    {"imgEdit_DrawDelete", 40, 40},
    {"imgEdit_SaveExit", 80, 40},
}};

inline constexpr const char* kShutterSound = "CAMERAFAST.WAV";
inline constexpr const char* kDefaultMusic = "loop11.WAV";

} // namespace vx7::resources
