#include "DriveTable.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

namespace vx7::install {
namespace {

QString CleanRoot(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath());
}

void Put(QList<DriveTable::Drive>& drives, QChar letter, const QString& root) {
    letter = letter.toUpper();
    for (auto& d : drives) {
        if (d.letter == letter) {
            d.root = root;
            return;
        }
    }
    drives.append({letter, root});
}

// Volumes a user would think of as further drives: real devices mounted under the
// usual places for removable and extra disks.
QStringList VolumeRoots(const QString& home) {
    QStringList roots;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady())
            continue;
        const QString root = v.rootPath();
        const bool usual = root.startsWith(QLatin1String("/media/")) ||
                           root.startsWith(QLatin1String("/mnt/")) ||
                           root.startsWith(QLatin1String("/run/media/"));
        if (!usual || root == home || !v.device().startsWith("/dev/"))
            continue;
        roots.append(CleanRoot(root));
    }
    std::sort(roots.begin(), roots.end());
    roots.removeDuplicates();
    return roots;
}

} // namespace

DriveTable::DriveTable(QList<Drive> drives) {
    for (const auto& d : drives)
        Put(drives_, d.letter, CleanRoot(d.root));
}

DriveTable DriveTable::FromList(const QString& list, const QString& homeFolder) {
    QList<Drive> drives;
    Put(drives, u'C', CleanRoot(homeFolder));
    for (const QString& raw : list.split(u',', Qt::SkipEmptyParts)) {
        const QString entry = raw.trimmed();
        const int eq = entry.indexOf(u'=');
        if (eq != 1)
            continue;
        const QChar letter = entry.at(0).toUpper();
        const QString path = entry.mid(eq + 1).trimmed();
        if (letter < u'A' || letter > u'Z' || path.isEmpty() || !QDir::isAbsolutePath(path))
            continue;
        Put(drives, letter, CleanRoot(path));
    }
    return DriveTable(drives);
}

DriveTable DriveTable::FromEnvironment() {
    const QString home = QDir::homePath();
    const QString list = qEnvironmentVariable("VX7_DRIVES");
    if (!list.isEmpty())
        return FromList(list, home);
    QList<Drive> drives{{u'C', CleanRoot(home)}};
    char16_t letter = u'D';
    for (const QString& root : VolumeRoots(home)) {
        if (letter > u'Z')
            break;
        drives.append({QChar(letter++), root});
    }
    return DriveTable(drives);
}

std::optional<QString> DriveTable::RootOf(QChar letter) const {
    letter = letter.toUpper();
    for (const auto& d : drives_) {
        if (d.letter == letter)
            return d.root;
    }
    return std::nullopt;
}

std::optional<QChar> DriveTable::LetterOf(const QString& folder) const {
    const QString clean = CleanRoot(folder);
    for (const auto& d : drives_) {
        if (d.root == clean)
            return d.letter;
    }
    return std::nullopt;
}

std::optional<std::uint64_t> DriveTable::FreeBytes(QChar letter) const {
    const auto root = RootOf(letter);
    if (!root || !QFileInfo(*root).isDir())
        return std::nullopt;
    const QStorageInfo info(*root);
    if (!info.isValid() || !info.isReady() || info.bytesAvailable() < 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(info.bytesAvailable());
}

} // namespace vx7::install
