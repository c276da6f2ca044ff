#include "PhotoNames.h"

#include "core/PathParts.h"

namespace vx7::camera {

QString CheckPhotoName(const QString& name) {
    if (name.isEmpty())
        return QStringLiteral("请输入照片名称!");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1String("..")))
        return QStringLiteral("照片名称不能含有 \"/\"、\"\\\" 或 \"..\" !");
    return QString();
}

std::optional<PhotoNames> MakePhotoNames(int index, const QString& name, const QString& format,
                                         const QString& photoFolder, const QString& workFolder,
                                         QString* error) {
    const QString problem = CheckPhotoName(name);
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    PhotoNames n;
    n.isBmp = format == QLatin1String("BMP");
    const QString stem = index < 0 ? name : name + QString::number(index);
    if (n.isBmp) {
        n.grabPath = core::JoinPath(photoFolder, stem + QLatin1String(".bmp"));
        n.finalPath = n.grabPath;
    } else {
        n.grabPath = core::JoinPath(workFolder, stem + QLatin1String(".bmp"));
        n.finalPath = core::JoinPath(photoFolder, stem + QLatin1Char('.') + format);
    }
    return n;
}

} // namespace vx7::camera
