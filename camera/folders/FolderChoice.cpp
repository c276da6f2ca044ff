#include "FolderChoice.h"

#include "core/PathParts.h"

#include <QDir>

namespace vx7::camera {

void FolderChoice::SelectionChanged(const std::optional<QString>& path) {
    if (path && !path->isEmpty()) {
        if (changes_ > 0) {
            confirm_ = true;
            selected_ = *path;
        }
        ++changes_;
    }
}

QString FolderChoice::ChooseDefault() {
    selected_ = default_;
    return selected_;
}

bool FolderChoice::Create(QString* error) {
    const QString path = core::JoinPath(selected_, newName_);
    // One level only, and a name must not lead anywhere but into the selected folder.
    const bool nameOk =
        !newName_.contains(u'/') && newName_ != QLatin1String(".") && newName_ != QLatin1String("..");
    if (!nameOk || !QDir().mkdir(path)) {
        if (error)
            *error = CreateFailedText(path);
        return false;
    }
    selected_ = path;
    return true;
}

} // namespace vx7::camera
