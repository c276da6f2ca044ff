#include "InstalledFiles.h"

#include "CopyJob.h"
#include "InstallNames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>

namespace vx7::install {

const QStringList& InstalledFiles::DataFolders() {
    static const QStringList folders{
        QStringLiteral("2011拍照图片"),
        WorkFolder(),
        QStringLiteral("vx7Ecamsys背景图片"),
        QStringLiteral("vx7Ecamsys素材仓库"),
        QStringLiteral("ephoto_syspic"),
        QStringLiteral("秋冬新款女装"),
        QStringLiteral("秋冬新款女装/试衣及按钮图片"),
        QStringLiteral("秋冬新款女装/音乐及语音"),
        QStringLiteral("秋冬新款女装/展示及说明图片"),
        QStringLiteral("饰品"),
        QStringLiteral("饰品/试衣及按钮图片"),
        QStringLiteral("饰品/音乐及语音"),
        QStringLiteral("饰品/展示及说明图片"),
        QStringLiteral("搭配图片"),
        QStringLiteral("服饰图标"),
        QStringLiteral("通用图标"),
    };
    return folders;
}

const QStringList& InstalledFiles::ProgramOwnFiles() {
    static const QStringList files{QStringLiteral("vx7ECameraSysInfo.e3f")};
    return files;
}

QStringList InstalledFiles::FromMedium(const QString& sourceBase, int maxPerFolder) {
    QStringList out;
    for (const QString& rel : CopyJob::SourceFolders()) {
        const bool program = rel == names::ProgramSubFolder();
        QDirIterator it(sourceBase + u'/' + rel,
                        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        int taken = 0;
        while (taken < maxPerFolder && it.hasNext()) {
            it.next();
            ++taken;
            out.append(program ? it.fileName() : rel + u'/' + it.fileName());
        }
    }
    out.append(names::ProgramRecordFile());
    return out;
}

bool InstalledFiles::Write(const QString& path, const QStringList& files, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(files.join(u'\n').toUtf8());
    file.write("\n");
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
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
