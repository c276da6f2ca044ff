#pragma once

#include "animation/making/FileChooser.h"

#include <QHash>
#include <QString>

#include <functional>

namespace vx7::animation {

// The real dialogs: QFileDialog (not the desktop's native one, so that every platform
// shows the same texts). The folder chooser may be replaced by the program's own.
// Each kind of file (each filter) and the folder chooser start where the user last
// chose one of that kind in this run; the first time, in the current folder.
class QtFileChooser final : public FileChooser {
  public:
    using FolderDialog = std::function<std::optional<QString>(QWidget*)>;

    explicit QtFileChooser(FolderDialog folderDialog = {}) : folderDialog_(std::move(folderDialog)) {}

    QString OpenFile(QWidget* parent, const QString& filter, const QString& initialName) override;
    std::optional<QString> ChooseFolder(QWidget* parent) override;

    // Where a dialog for kind (a filter, or FolderKind()) starts.
    QString StartFolder(const QString& kind) const;
    static QString FolderKind() { return QStringLiteral("<folder>"); }

  private:
    FolderDialog folderDialog_;
    QHash<QString, QString> lastFolders_;
};

} // namespace vx7::animation
