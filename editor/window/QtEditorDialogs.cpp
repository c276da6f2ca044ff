#include "editor/window/QtEditorDialogs.h"

#include "controls/CCMyColorSelDlg.h"
#include "controls/IconMenu.h"
#include "controls/TextLabelDialog.h"
#include "core/SysInfo.h"
#include "editor/export/PhotoSaveDialog.h"
#include "materials/ui/MakeupBoxDialog.h"
#include "resources/ResourceCatalog.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>

#include <vector>

namespace vx7::editor {

QtEditorDialogs::QtEditorDialogs(QWidget* parent, imaging::RasterDocument& raster, core::SysInfo& sys,
                                 platform::Prompt& prompt)
    : parent_(parent), raster_(raster), sys_(sys), prompt_(prompt) {}

QString QtEditorDialogs::QtFilter(const QString& filter) {
    // "label|pattern;pattern": Qt wants "label (pattern pattern)".
    const int bar = filter.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return filter;
    QString patterns = filter.mid(bar + 1);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    return filter.left(bar) + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

std::optional<imaging::Colour> QtEditorDialogs::ChooseColour(imaging::Colour initial, QPoint at,
                                                             int placement) {
    controls::CCMyColorSelDlg dialog(parent_);
    dialog.SetInitialColour(initial.Value());
    dialog.SetPlacement(at.x(), at.y(), static_cast<controls::ColourDialogPlacement>(placement));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        dialog.SetLimits(area.right() + 1, area.bottom() + 1);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return imaging::Colour(dialog.ChosenColour());
}

std::optional<ChosenFile> QtEditorDialogs::ChooseOpenFile(const QString& folder, const QString& filter,
                                                          const QString& initialName) {
    QFileDialog dialog(parent_, QString(), folder, QtFilter(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The name box starts with the pattern of the pictures it lists; choosing a file
    // replaces it, and Open stays disabled until a file is chosen.
    auto* nameEdit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (nameEdit && !initialName.isEmpty())
        nameEdit->setText(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    ChosenFile chosen;
    chosen.path = dialog.selectedFiles().first();
    if (nameEdit)
        chosen.typedName = nameEdit->text();
    return chosen;
}

bool QtEditorDialogs::EditCaption(CaptionEdit& edit, QPoint at) {
    controls::TextLabelDialog dialog(parent_);
    dialog.SetValues(edit.text, edit.size, edit.colour.Value());
    dialog.SetPlacement(at.x(), at.y(), EditorDialogs::kBottomLeft);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    edit.text = dialog.Text();
    edit.size = dialog.Size();
    edit.colour = imaging::Colour(dialog.Colour());
    edit.fontChosen = dialog.FontChosen();
    if (edit.fontChosen)
        edit.font = dialog.ChosenFont();
    return true;
}

void QtEditorDialogs::RunMakeupBox(QPoint at) {
    core::SysInfo& sys = sys_;
    materials::MakeupBoxDialog dialog([&sys] { return sys.ListMakeupColours(200); }, raster_, parent_);
    dialog.PlaceAt(at);
    dialog.exec();
}

EditorCommand QtEditorDialogs::PopupMenu(const MenuEntries& entries, QPoint at) {
    QMenu menu(parent_);
    for (const MenuEntry& e : entries) {
        if (e.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(e.text);
        action->setData(static_cast<int>(e.command));
    }
    controls::IconMenu icons;
    icons.LoadImages(
        resources::ToolbarPath(resources::kToolbarId),
        std::vector<int>(resources::kToolbarCommands.begin(), resources::kToolbarCommands.end()));
    icons.MakeOwnerDrawn(&menu);
    QAction* chosen = menu.exec(at);
    if (!chosen)
        return EditorCommand::None;
    return static_cast<EditorCommand>(chosen->data().toInt());
}

void QtEditorDialogs::RunPhotoSave(EditorExport& exporter, QPoint at) {
    editor::RunPhotoSave(exporter, parent_, at, MakeFolderChooserPicker(prompt_, sys_.PhotoFolder()));
}

} // namespace vx7::editor
