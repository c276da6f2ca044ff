#include "QtFileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace vx7::animation {

QString QtFileChooser::OpenFile(QWidget* parent, const QString& filter, const QString& initialName) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QtNameFilter(filter));
    dialog.setDirectory(StartFolder(filter));
    // The initial name is the pattern list itself, as the filter already applies it.
    Q_UNUSED(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolders_.insert(filter, QFileInfo(chosen).absolutePath());
    return chosen;
}

QString QtFileChooser::StartFolder(const QString& kind) const {
    const QString last = lastFolders_.value(kind);
    return !last.isEmpty() && QFileInfo(last).isDir() ? last : QDir::currentPath();
}

std::optional<QString> QtFileChooser::ChooseFolder(QWidget* parent) {
    if (folderDialog_)
        return folderDialog_(parent);
    const QString folder = QFileDialog::getExistingDirectory(parent, QString(), StartFolder(FolderKind()),
                                                             QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return std::nullopt;
    lastFolders_.insert(FolderKind(), folder);
    return folder;
}

} // namespace vx7::animation
