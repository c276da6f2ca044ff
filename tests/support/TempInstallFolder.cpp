#include "TempInstallFolder.h"

#include <QFile>
#include <QFileInfo>

namespace vx7::test {

TempInstallFolder::TempInstallFolder() {
    QDir root(dir_.path());
    for (const char* sub :
         {"tmpBmpData", "2011拍照图片", "ephoto_syspic", "vx7Ecamsys背景图片", "vx7Ecamsys素材仓库"})
        root.mkpath(QString::fromUtf8(sub));
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
