#pragma once

#include "editor/export/PhotoSaveModel.h"

#include <QDialog>
#include <QImage>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vx7::editor {

class EditorExport;

// Asks for a folder, starting at the given one; nullopt when cancelled.
using FolderPicker = std::function<std::optional<QString>(QWidget* parent, const QString& start)>;

// "拍照保留图片": a preview of the picture, "选择目录", the picture name and
// "确认保存" / "取 消". The decisions live in PhotoSaveModel.
class PhotoSaveDialog : public QDialog {
    Q_OBJECT
  public:
    enum {
        IDD = 181,
        kPreview = 1087,
        kChooseFolder = 1084,
        kNameEdit = 1086,
        kFolderLabel = 1085,
        kSave = 1,
        kCancel = 2,
    };

    PhotoSaveDialog(PhotoSaveModel& model, FolderPicker picker, QWidget* parent = nullptr);

    QLineEdit* NameEdit() const { return name_; }
    QLabel* FolderLabel() const { return folder_; }
    QPushButton* ChooseFolderButton() const { return choose_; }
    QPushButton* SaveButton() const { return save_; }
    QPushButton* CancelButton() const { return cancel_; }
    // Where the preview is drawn, in dialog coordinates.
    QRect PreviewRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void OnChooseFolder();
    void OnSave();

    PhotoSaveModel& model_;
    FolderPicker picker_;
    QImage picture_;
    QLineEdit* name_;
    QLabel* folder_;
    QPushButton* choose_;
    QPushButton* save_;
    QPushButton* cancel_;
};

// "图片拍照保留" (command 2102): renders into the work file, then runs the
// dialog modally with its top-left at position (the bottom-left corner of the
// command's button, in screen coordinates). Returns whether a photo was saved.
bool RunPhotoSave(EditorExport& exporter, QWidget* parent, QPoint position, FolderPicker picker);

// The program's folder chooser as a FolderPicker.
FolderPicker MakeFolderChooserPicker(platform::Prompt& prompt, QString defaultFolder);

} // namespace vx7::editor
