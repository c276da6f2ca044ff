#pragma once

#include "editor/document/MaterialPictureCache.h"
#include "editor/document/MaterialSlots.h"

#include <QString>

namespace vx7::editor {

// What the editor keeps for the whole program run, between openings of its
// window. Created once in main() beside the raster document and handed to
// every editor window.
struct EditorSession {
    // The material table; each new window empties its shown and remembered flags.
    MaterialSlots materials;
    // Decoded and scaled material pictures, shared by the canvas and the panel.
    MaterialPictureCache pictures;
    // The caption text last confirmed in the text dialog; empty until then.
    QString rememberedCaptionText;
    // The photo save dialog's folder chosen with "选择目录" and the name last saved.
    QString chosenSaveFolder;
    QString lastSavedName;
};

} // namespace vx7::editor
