#pragma once

#include "animation/making/FileChooser.h"

#include <functional>

namespace vx7::animation {

// The real dialogs: QFileDialog (not the desktop's native one, so that every platform
// shows the same texts). The folder chooser may be replaced by the program's own.
class QtFileChooser final : public FileChooser {
  public:
    using FolderDialog = std::function<std::optional<QString>(QWidget*)>;

    explicit QtFileChooser(FolderDialog folderDialog = {}) : folderDialog_(std::move(folderDialog)) {}

    QString OpenFile(QWidget* parent, const QString& filter, const QString& initialName) override;
    std::optional<QString> ChooseFolder(QWidget* parent) override;

  private:
    FolderDialog folderDialog_;
};

} // namespace vx7::animation
