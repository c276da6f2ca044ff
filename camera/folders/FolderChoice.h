#pragma once

#include <QString>

#include <optional>

namespace vx7::camera {

// The folder chooser's decisions, without the tree: the selected folder (also the
// window title), when "确认" may be pressed, "默认" and "创建".
class FolderChoice {
  public:
    FolderChoice(QString initialFolder, QString defaultFolder)
        : selected_(std::move(initialFolder)), default_(std::move(defaultFolder)) {}

    QString Selected() const { return selected_; }
    QString Title() const { return selected_; }
    bool ConfirmEnabled() const { return confirm_; }

    // A new tree selection: the folder's path when it is a real folder, nullopt for
    // anything else. The first change (made by the dialog itself) is only counted.
    void SelectionChanged(const std::optional<QString>& path);

    // "默认": the installation's default photo folder becomes the selection.
    QString ChooseDefault();

    QString NewName() const { return newName_; }
    void SetNewName(const QString& name) { newName_ = name; }
    bool CreateEnabled() const { return !newName_.isEmpty(); }

    // "创建": makes <selected>/<new name> (one level). On success it becomes the
    // selection; on failure error holds "创建 < path > 目录失败!".
    bool Create(QString* error);

    static QString CreateFailedText(const QString& path) {
        return QStringLiteral("创建 < %1 > 目录失败!").arg(path);
    }

  private:
    QString selected_;
    QString default_;
    QString newName_ = QStringLiteral("我的照片2011");
    int changes_ = 0;
    bool confirm_ = false;
};

} // namespace vx7::camera
