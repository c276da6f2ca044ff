#pragma once

#include "editor/control/EditorView.h"

#include <functional>

class QWidget;

namespace vx7::core {
class SysInfo;
}
namespace vx7::imaging {
class RasterDocument;
}
namespace vx7::platform {
class Prompt;
}

namespace vx7::editor {

// The editor's dialogs as Qt shows them: the colour chooser and the text
// dialog of the common controls, Qt's own file dialog (never the desktop's),
// the make-up box, owner-drawn popup menus with the toolbar images, and the
// photo save dialog.
class QtEditorDialogs : public EditorDialogs {
  public:
    QtEditorDialogs(QWidget* parent, imaging::RasterDocument& raster, core::SysInfo& sys,
                    platform::Prompt& prompt);

    std::optional<imaging::Colour> ChooseColour(imaging::Colour initial, QPoint at, int placement) override;
    std::optional<ChosenFile> ChooseOpenFile(const QString& folder, const QString& filter,
                                             const QString& initialName) override;
    bool EditCaption(CaptionEdit& edit, QPoint at) override;
    void RunMakeupBox(QPoint at) override;
    EditorCommand PopupMenu(const MenuEntries& entries, QPoint at) override;
    void RunPhotoSave(EditorExport& exporter, QPoint at) override;

    // "图形文件(*.bmp,*.jpg,*.png,*.gif)|*.bmp;*.jpg;*.png;*.gif" as Qt writes a name filter.
    static QString QtFilter(const QString& filter);

  private:
    QWidget* parent_;
    imaging::RasterDocument& raster_;
    core::SysInfo& sys_;
    platform::Prompt& prompt_;
};

} // namespace vx7::editor
