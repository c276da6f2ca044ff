#include "DesktopEntryWriter.h"
#include "core/SaveFile.h"

#include <QFile>
#include <QFileInfo>

namespace vx7::install {
namespace {

// The escapes of string values: backslash, newline, tab, carriage return.
QString EscapeValue(const QString& value) {
    QString out;
    for (const QChar c : value) {
        if (c == u'\\')
            out += QLatin1String("\\\\");
        else if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c == u'\t')
            out += QLatin1String("\\t");
        else if (c == u'\r')
            out += QLatin1String("\\r");
        else
            out += c;
    }
    return out;
}

} // namespace

QString DesktopEntryWriter::QuoteExecArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`=%");
    bool plain = !argument.isEmpty();
    for (const QChar c : argument) {
        if (reserved.contains(c)) {
            plain = false;
            break;
        }
    }
    if (plain)
        return argument;
    QString out = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            out += u'\\';
        if (c == u'%')
            out += u'%'; // a literal percent sign is written twice
        out += c;
    }
    out += u'"';
    return out;
}

QString DesktopEntryWriter::Text(const DesktopEntry& entry) {
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.0\n");
    text += QStringLiteral("Name=%1\n").arg(EscapeValue(entry.name));
    if (!entry.comment.isEmpty())
        text += QStringLiteral("Comment=%1\n").arg(EscapeValue(entry.comment));
    text += QStringLiteral("Exec=%1\n").arg(EscapeValue(QuoteExecArgument(entry.program)));
    text += QStringLiteral("Path=%1\n").arg(EscapeValue(entry.workingFolder));
    if (!entry.icon.isEmpty())
        text += QStringLiteral("Icon=%1\n").arg(EscapeValue(entry.icon));
    text += QStringLiteral("Terminal=false\n");
    if (!entry.categories.isEmpty())
        text += QStringLiteral("Categories=%1\n").arg(EscapeValue(entry.categories));
    return text;
}

bool DesktopEntryWriter::Write(const QString& path, const DesktopEntry& entry, QString* error) {
    if (QFileInfo(path).isSymLink())
        QFile::remove(path);
    QString why;
    if (!core::SaveWholeFile(path, Text(entry).toUtf8(), &why)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return false;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                    QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    return true;
}

bool DesktopEntryWriter::IsPlainFileName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(QChar(u'\0')) &&
           name != QLatin1String(".") && name != QLatin1String("..");
}

} // namespace vx7::install
