#pragma once

#include "editor/document/EditorCommand.h"
#include "imaging/raster/ToolMode.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace vx7::editor {

// One entry of a popup menu; a separator has no command.
struct MenuEntry {
    EditorCommand command = EditorCommand::None;
    QString text;
    bool IsSeparator() const { return command == EditorCommand::None; }
    friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};
using MenuEntries = std::vector<MenuEntry>;

// What the conditional entries depend on.
struct MenuConditions {
    bool backgroundPictureOption = false; // check box "背景图片"
    bool backgroundCaptured = false;      // a background picture has been drawn and captured
    bool materialView = false;            // the panel shows the material grid
    bool newPhoto = false;                // opened on the photo just taken
};

// The popup menu of an upper-row picture button (2001, 2002, 2003, 2201);
// empty for any other command.
MenuEntries ButtonMenu(EditorCommand button, const MenuConditions& conditions);

// The panel's context menu in magnifier view for the canvas's tool; empty
// when the tool has none.
MenuEntries PanelMenu(imaging::ToolMode tool);

// The entry texts only, separators as "|" (for messages and tests).
QStringList MenuTexts(const MenuEntries& entries);

} // namespace vx7::editor
