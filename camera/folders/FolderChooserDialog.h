#pragma once

#include "FolderChoice.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace vx7::platform {
class Prompt;
}

namespace vx7::camera {

// The folder chooser: a tree of folders (the home folder, the file-system root and the
// mounted volumes; children are read when a folder is first opened or selected),
// "默认" (also Enter), "确认" once a real folder was chosen, and "创建".
class FolderChooserDialog : public QDialog {
    Q_OBJECT
  public:
    enum {
        IDD = 142,
        kTree = 1024,
        kDefaultButton = 1,
        kConfirmButton = 1025,
        kCreateButton = 1026,
        kNameEdit = 1027
    };

    // initialFolder stands for the drive the selection starts on; defaultFolder is the
    // installation's default photo folder.
    FolderChooserDialog(QString initialFolder, QString defaultFolder, platform::Prompt& prompt,
                        QWidget* parent = nullptr);

    QString SelectedFolder() const { return choice_.Selected(); }

    QTreeWidget* Tree() const { return tree_; }
    QPushButton* DefaultButton() const { return default_; }
    QPushButton* ConfirmButton() const { return confirm_; }
    QPushButton* CreateButton() const { return create_; }
    QLineEdit* NameEdit() const { return name_; }

    // The tree item of a folder among those read so far; null when not listed yet.
    QTreeWidgetItem* FindItem(const QString& path) const;
    // Reads the children of an item once.
    void FillChildren(QTreeWidgetItem* item);

    // The roots: home, "/", and the mounted volumes that hold user files.
    static QStringList RootFolders();

  private:
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& path, const QString& label);
    void OnSelectionChanged();
    void OnDefault();
    void OnCreate();

    FolderChoice choice_;
    platform::Prompt& prompt_;
    QTreeWidget* tree_;
    QPushButton* default_;
    QPushButton* confirm_;
    QPushButton* create_;
    QLineEdit* name_;
};

} // namespace vx7::camera
