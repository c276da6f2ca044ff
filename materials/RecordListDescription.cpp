#include "RecordListDescription.h"

#include "platform/Gbk.h"
#include "platform/RegularFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace vx7::materials {
namespace {

using F = RecordListFile;

bool Fail(QString* error, int line, const QString& text) {
    if (error)
        *error = QStringLiteral("line %1: %2").arg(line).arg(text);
    return false;
}

// Appends text to the string table and returns its entry index, or -1 when it has no GBK form.
qint32 AddString(F& list, const QString& text) {
    const auto gbk = platform::ToGbk(text);
    if (!gbk)
        return -1;
    list.entries.push_back(
        F::Entry{static_cast<qint32>(list.data.size()), static_cast<qint32>(gbk->size()), 0});
    list.data.append(*gbk);
    return static_cast<qint32>(list.entries.size() - 1);
}

} // namespace

std::optional<RecordListFile> RecordListDescription::Parse(const QString& text, QString* error) {
    F list;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const QString keyword = words.takeFirst();
        char kind = 0;
        if (keyword == QLatin1String("heading"))
            kind = F::kHeading;
        else if (keyword == QLatin1String("item"))
            kind = F::kItem;
        else if (keyword == QLatin1String("lead"))
            kind = 'L';
        else {
            Fail(error, lineNo, QStringLiteral("unknown statement \"%1\"").arg(keyword));
            return std::nullopt;
        }
        F::Record rec = F::BlankRecord();
        rec[F::kKindOffset] = kind;
        QString name;
        if (kind == F::kItem) {
            if (words.isEmpty()) {
                Fail(error, lineNo, QStringLiteral("an item needs a name"));
                return std::nullopt;
            }
            name = words.takeFirst();
            for (const QString& w : std::as_const(words)) {
                static const QRegularExpression field(QStringLiteral("^f(\\d+)=(-?\\d+)$"));
                const auto m = field.match(w);
                bool ok = false;
                const int k = m.hasMatch() ? m.captured(1).toInt() : -1;
                const qint32 v = m.hasMatch() ? m.captured(2).toInt(&ok) : 0;
                if (!ok || k < 0 || k >= F::kFieldCount || k == F::kNameField) {
                    Fail(error, lineNo,
                         QStringLiteral("expected f<k>=<int> with k in 0..11 other than 1, found \"%1\"")
                             .arg(w));
                    return std::nullopt;
                }
                F::SetField(rec, k, v);
            }
        } else {
            name = words.join(QLatin1Char(' '));
            if (name.isEmpty()) {
                Fail(error, lineNo, QStringLiteral("\"%1\" needs a name").arg(keyword));
                return std::nullopt;
            }
        }
        const qint32 entry = AddString(list, name);
        if (entry < 0) {
            Fail(error, lineNo, QStringLiteral("\"%1\" has characters outside GBK").arg(name));
            return std::nullopt;
        }
        F::SetField(rec, F::kNameField, entry);
        list.records.push_back(rec);
        if (list.records.size() > size_t(F::kMaxRecords)) {
            Fail(error, lineNo, QStringLiteral("more than %1 records").arg(F::kMaxRecords));
            return std::nullopt;
        }
    }
    return list;
}

std::optional<RecordListFile> RecordListDescription::ReadFile(const QString& path, QString* error) {
    // A description is a few kilobytes of text; anything that is not a regular file
    // (a FIFO, a device) or is far larger is refused rather than waited on or read.
    QByteArray bytes;
    if (!platform::ReadRegularFile(path, kMaxDescriptionBytes, bytes, error))
        return std::nullopt;
    bytes.replace("\r\n", "\n");
    return Parse(QString::fromUtf8(bytes), error);
}

} // namespace vx7::materials
