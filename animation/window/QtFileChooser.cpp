#include "QtFileChooser.h"

#include <QDir>
#include <QFileDialog>

namespace vx7::animation {

QString QtFileChooser::OpenFile(QWidget* parent, const QString& filter, const QString& initialName) {
    QFileDialog dialog(parent);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QtNameFilter(filter));
    dialog.setDirectory(QDir::currentPath());
    // The initial name is the pattern list itself, as the filter already applies it.
    Q_UNUSED(initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtFileChooser::ChooseFolder(QWidget* parent) {
    if (folderDialog_)
        return folderDialog_(parent);
    const QString folder = QFileDialog::getExistingDirectory(parent, QString(), QDir::currentPath(),
                                                             QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

} // namespace vx7::animation
