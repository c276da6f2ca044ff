#include "PhotoNames.h"

#include "core/PathParts.h"

#include <QFileInfo>

namespace vx7::camera {

QString CheckPhotoName(const QString& name) {
    if (name.isEmpty())
        return QStringLiteral("请输入照片名称!");
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1String("..")))
        return QStringLiteral("照片名称不能含有 \"/\"、\"\\\" 或 \"..\" !");
    return QString();
}

QString FreeStem(const QString& folder, const QString& stem, const QString& extension) {
    auto taken = [&](const QString& s) {
        const QFileInfo info(core::JoinPath(folder, s + u'.' + extension));
        return info.exists() || info.isSymLink();
    };
    if (!taken(stem))
        return stem;
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1(%2)").arg(stem).arg(n);
        if (!taken(candidate))
            return candidate;
    }
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
    const QString extension = n.isBmp ? QStringLiteral("bmp") : format;
    const QString stem = FreeStem(photoFolder, index < 0 ? name : name + QString::number(index), extension);
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
