#include "PathParts.h"

namespace vx7::core {

QString DirectoryPart(const QString& path) {
    const QString head = path.left(256);
    const qsizetype cut = head.lastIndexOf(QLatin1Char('/'));
    return cut < 0 ? QString() : head.left(cut);
}

QString FileTitlePart(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || slash + 1 >= path.size())
        return QString();
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

bool IsStoredPath(const QString& path) {
    return path.size() > 2;
}

} // namespace vx7::core
