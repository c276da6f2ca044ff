#include "InstalledFiles.h"

#include "CopyJob.h"
#include "core/InstallLayout.h"
#include "core/SaveFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace vx7::install {

QStringList InstalledFiles::FromMedium(const QString& sourceBase, int maxPerFolder) {
    QStringList out;
    for (const QString& rel : CopyJob::SourceFolders()) {
        const bool program = rel == core::layout::ProgramSubFolder();
        QDirIterator it(sourceBase + u'/' + rel,
                        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        int taken = 0;
        while (taken < maxPerFolder && it.hasNext()) {
            it.next();
            ++taken;
            out.append(program ? it.fileName() : rel + u'/' + it.fileName());
        }
    }
    out.append(core::layout::ProgramRecordFile());
    return out;
}

bool InstalledFiles::Write(const QString& path, const QStringList& files, QString* error) {
    return core::SaveWholeFile(path, (files.join(u'\n') + u'\n').toUtf8(), error);
}

std::optional<QStringList> InstalledFiles::Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList out;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString rel = QString::fromUtf8(line);
        if (rel.isEmpty() || QDir::isAbsolutePath(rel) || QDir::cleanPath(rel) != rel ||
            rel == QLatin1String("..") || rel.startsWith(QLatin1String("../")))
            continue;
        out.append(rel);
    }
    return out;
}

} // namespace vx7::install
