#include "LinkOpener.h"

#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vx7::controls {
namespace {

constexpr int kSuccess = 42;
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;
constexpr int kNotRegistered = -1;

QUrl UrlOf(const QString& target) {
    if (QFileInfo::exists(target))
        return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    return QUrl::fromUserInput(target);
}

int DesktopOpen(const QString& target) {
    if (target.isEmpty())
        return kFileNotFound;
    const QUrl url = UrlOf(target);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return kFileNotFound;
    return QDesktopServices::openUrl(url) ? kSuccess : kNoAssociation;
}

// The Exec line of a desktop file, found in the XDG application folders.
QString ExecOf(const QString& desktopId) {
    const QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
    QFile f(file);
    if (file.isEmpty() || !f.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    bool inEntry = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith(u'['))
            inEntry = line == QLatin1String("[Desktop Entry]");
        else if (inEntry && line.startsWith(QLatin1String("Exec=")))
            return line.mid(5);
    }
    return QString();
}

int HtmlFallback(const QString& target) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    if (!query.waitForFinished(3000) || query.exitCode() != 0)
        return kNotRegistered;
    const QString desktopId = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    QString exec = ExecOf(desktopId);
    if (exec.isEmpty())
        return kNotRegistered;
    // The command is cut at the first "%1"-like field code and the target appended.
    QStringList args = QProcess::splitCommand(exec);
    QStringList command;
    for (const QString& a : args) {
        if (a.startsWith(u'%'))
            break;
        command.append(a);
    }
    if (command.isEmpty())
        return kNoAssociation;
    const QString program = command.takeFirst();
    command.append(target);
    return QProcess::startDetached(program, command) ? kSuccess : kFileNotFound;
}

} // namespace

LinkOpener LinkOpener::Desktop() {
    return {DesktopOpen, HtmlFallback};
}

QString LinkErrorText(int code) {
    return platform::ShellOpenErrorText(code);
}

} // namespace vx7::controls
