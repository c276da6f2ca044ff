#include "TempInstallFolder.h"

#include "core/InstallLayout.h"

#include <QFile>
#include <QFileInfo>

namespace vx7::test {

TempInstallFolder::TempInstallFolder() {
    QDir root(dir_.path());
    namespace layout = vx7::core::layout;
    for (const QString& sub : {layout::WorkFolder(), layout::PhotoFolder(), layout::SystemPictureFolder(),
                               layout::BackgroundFolder(), layout::MaterialStore()})
        root.mkpath(sub);
}

QString TempInstallFolder::WriteFile(const QString& relative, const QByteArray& bytes) const {
    const QString path = dir_.filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

} // namespace vx7::test
