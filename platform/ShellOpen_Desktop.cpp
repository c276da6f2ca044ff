#include "ShellOpen.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vx7::platform {
namespace {

// Splits an Exec value into arguments: spaces separate them outside double quotes;
// inside quotes a backslash escapes '"', '`', '$' and '\'.
QStringList SplitExec(const QString& value) {
    QStringList args;
    QString current;
    bool inQuotes = false;
    bool hasArg = false;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (inQuotes) {
            if (c == u'\\' && i + 1 < value.size()) {
                current += value.at(++i);
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                current += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            hasArg = true;
        } else if (c == u' ' || c == u'\t') {
            if (hasArg || !current.isEmpty())
                args.append(current);
            current.clear();
            hasArg = false;
        } else {
            current += c;
        }
    }
    if (hasArg || !current.isEmpty())
        args.append(current);
    return args;
}

// The string value escapes of desktop entries: \s \n \t \r \\.
QString UnescapeValue(const QString& raw) {
    QString out;
    for (int i = 0; i < raw.size(); ++i) {
        if (raw.at(i) == u'\\' && i + 1 < raw.size()) {
            const QChar n = raw.at(++i);
            if (n == u's')
                out += u' ';
            else if (n == u'n')
                out += u'\n';
            else if (n == u't')
                out += u'\t';
            else if (n == u'r')
                out += u'\r';
            else
                out += n;
        } else {
            out += raw.at(i);
        }
    }
    return out;
}

// The Exec value of the [Desktop Entry] group of a desktop file; empty when missing.
QString ReadExecValue(const QString& desktopFile) {
    QFile file(desktopFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    bool inEntry = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (inEntry && line.startsWith(QLatin1String("Exec"))) {
            const int eq = line.indexOf(u'=');
            if (eq > 0 && line.left(eq).trimmed() == QLatin1String("Exec"))
                return UnescapeValue(line.mid(eq + 1).trimmed());
        }
    }
    return QString();
}

class DesktopShellOpener final : public ShellOpener {
  public:
    int Open(const QString& target) override {
        if (target.isEmpty())
            return kShellFileNotFound;
        const QUrl url = QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
        if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
            return kShellFileNotFound;
        if (url.isValid() && QDesktopServices::openUrl(url))
            return kShellOpenSuccess;
        const int firstResult = kShellNoAssociation;

        // Fallback: the program registered for HTML documents.
        QProcess query;
        query.start(QStringLiteral("xdg-mime"),
                    {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
        if (!query.waitForFinished(5000) || query.exitStatus() != QProcess::NormalExit ||
            query.exitCode() != 0)
            return firstResult;
        const QString id = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
        if (id.isEmpty())
            return firstResult;
        const QString desktopFile = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
        if (desktopFile.isEmpty())
            return firstResult;
        const QStringList command = DesktopExecCommand(ReadExecValue(desktopFile), target);
        if (command.isEmpty())
            return firstResult;
        return QProcess::startDetached(command.first(), command.mid(1)) ? kShellOpenSuccess
                                                                        : kShellFileNotFound;
    }
};

} // namespace

std::unique_ptr<ShellOpener> MakeShellOpener() {
    return std::make_unique<DesktopShellOpener>();
}

QString ShellOpenErrorText(int code) {
    switch (code) {
    case 0:
        return QStringLiteral("The operating system is out\nof memory or resources.");
    case 2:
        return QStringLiteral("The specified file was not found.");
    case 3:
        return QStringLiteral("The specified path was not found.");
    case 5:
        return QStringLiteral("The operating system denied\naccess to the specified file.");
    case 8:
        return QStringLiteral("There was not enough memory to complete the operation.");
    case 11:
        return QStringLiteral("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    case 26:
        return QStringLiteral("A sharing violation occurred. ");
    case 27:
        return QStringLiteral("The filename association is\nincomplete or invalid.");
    case 28:
        return QStringLiteral("The DDE transaction could not\nbe completed because the request timed out.");
    case 29:
        return QStringLiteral("The DDE transaction failed.");
    case 30:
        return QStringLiteral("The DDE transaction could not\nbe completed because other DDE transactions\n"
                              "were being processed.");
    case 31:
        return QStringLiteral("There is no application associated\nwith the given filename extension.");
    case 32:
        return QStringLiteral("The specified dynamic-link library was not found.");
    default:
        return QStringLiteral("Unknown Error (%1) occurred.").arg(code);
    }
}

QStringList DesktopExecCommand(const QString& execValue, const QString& target) {
    QStringList out;
    bool placed = false;
    for (const QString& arg : SplitExec(execValue)) {
        QString expanded;
        bool dropped = false;
        for (int i = 0; i < arg.size(); ++i) {
            if (arg.at(i) != u'%' || i + 1 >= arg.size()) {
                expanded += arg.at(i);
                continue;
            }
            const QChar code = arg.at(++i);
            if (code == u'%') {
                expanded += u'%';
            } else if (code == u'u' || code == u'U' || code == u'f' || code == u'F') {
                if (!placed) {
                    expanded += target;
                    placed = true;
                } else if (arg.size() == 2) {
                    dropped = true;
                }
            } else if (arg.size() == 2) {
                dropped = true; // a lone field code such as %i or %c expands to nothing here
            }
        }
        if (!dropped)
            out.append(expanded);
    }
    if (out.isEmpty())
        return out;
    if (!placed)
        out.append(target);
    return out;
}

} // namespace vx7::platform
