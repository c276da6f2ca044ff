#pragma once

#include "editor/document/EditorCommand.h"
#include "editor/document/EditorMenus.h"
#include "imaging/raster/Colour.h"

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace vx7::imaging {
class CanvasSurface;
}

namespace vx7::editor {

class EditorExport;

// What the editor's commands ask of the window. The window implements it;
// tests give a recording fake, so every command runs without a screen.
class EditorView {
  public:
    virtual ~EditorView() = default;

    virtual void SetStatus(const QString& text) = 0;
    // Compose the canvas anew and show it.
    virtual void RepaintCanvas() = 0;
    virtual void RepaintPanel() = 0;
    virtual void RepaintWindow() = 0;
    // Redraw one picture button (its index in the layout's button table).
    virtual void RepaintButton(int index) = 0;
    virtual void RepaintPreview() = 0;

    // The material buttons 1074, 1075, 1, 1073, 1083 and the two page buttons.
    virtual void ShowMaterialButtons(bool visible) = 0;
    virtual void EnableMaterialButton(EditorCommand button, bool enabled) = 0;
    virtual void ShowPageButtons(bool previous, bool next) = 0;
    // The package and group combos.
    virtual void EnableMaterialCombos(bool enabled) = 0;
    virtual void FillPackageCombo(const QStringList& names, const QString& current) = 0;
    virtual void FillGroupCombo(const QStringList& groups) = 0;
    virtual void ShowMakeupButton(bool visible) = 0;
    virtual void SetCheckBoxes(bool backgroundPicture, bool materialView) = 0;

    // The canvas memory surface the raster document draws on and reads back;
    // null before the canvas exists.
    virtual imaging::CanvasSurface* CanvasSurface() = 0;
    // A control's or picture button's rectangle in screen coordinates.
    virtual QRect ScreenRect(EditorCommand command) const = 0;
    virtual void SetBusy(bool busy) = 0;
    virtual void Close(bool accepted) = 0;
};

// The values the caption dialog edits.
struct CaptionEdit {
    QString text;
    QString size;
    imaging::Colour colour;
    bool fontChosen = false;
    QFont font;
};

// What an open-file dialog returned: the chosen path and the name the user
// typed (empty when a file was picked from the list).
struct ChosenFile {
    QString path;
    QString typedName;
};

// The dialogs the commands open. The window gives Qt's dialogs; tests answer.
class EditorDialogs {
  public:
    // Placements of the colour chooser.
    static constexpr int kTopLeft = 1001;
    static constexpr int kBottomLeft = 2011;

    virtual ~EditorDialogs() = default;
    virtual std::optional<imaging::Colour> ChooseColour(imaging::Colour initial, QPoint at,
                                                        int placement) = 0;
    virtual std::optional<ChosenFile> ChooseOpenFile(const QString& folder, const QString& filter,
                                                     const QString& initialName) = 0;
    // True on OK, with edit holding the dialog's values.
    virtual bool EditCaption(CaptionEdit& edit, QPoint at) = 0;
    virtual void RunMakeupBox(QPoint at) = 0;
    // The chosen entry's command, or None when the menu was dismissed.
    virtual EditorCommand PopupMenu(const MenuEntries& entries, QPoint at) = 0;
    virtual void RunPhotoSave(EditorExport& exporter, QPoint at) = 0;
};

} // namespace vx7::editor
