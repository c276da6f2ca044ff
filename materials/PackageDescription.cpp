#include "PackageDescription.h"

#include "platform/Gbk.h"
#include "platform/RegularFile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <map>

namespace vx7::materials {
namespace {

constexpr int kMaxGroups = 26;

bool Fail(QString* error, int line, const QString& text) {
    if (error)
        *error = QStringLiteral("line %1: %2").arg(line).arg(text);
    return false;
}

// The word after the keyword and the rest of the line.
QString Rest(const QString& line, const QString& keyword) {
    return line.mid(keyword.size()).trimmed();
}

bool ParseMaterial(const QString& rest, int lineNo, MaterialRecord& rec, QString* error) {
    const QStringList words = rest.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return Fail(error, lineNo, QStringLiteral("a picture name is missing"));
    rec.pictureName = words.front();
    std::map<QString, QString> values;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const qsizetype eq = words[i].indexOf(QLatin1Char('='));
        if (eq <= 0)
            return Fail(error, lineNo, QStringLiteral("expected key=value, found \"%1\"").arg(words[i]));
        const QString key = words[i].left(eq);
        if (values.count(key))
            return Fail(error, lineNo, QStringLiteral("\"%1\" given twice").arg(key));
        values[key] = words[i].mid(eq + 1);
    }
    for (const char* key : {"x", "y", "slot", "scale"})
        if (!values.count(QLatin1String(key)))
            return Fail(error, lineNo, QStringLiteral("\"%1=\" is missing").arg(QLatin1String(key)));
    if (values.size() != 4)
        return Fail(error, lineNo, QStringLiteral("unknown key; the keys are x, y, slot and scale"));
    bool ok = false;
    rec.x = values[QStringLiteral("x")].toInt(&ok);
    if (!ok)
        return Fail(error, lineNo, QStringLiteral("x is not a whole number"));
    rec.y = values[QStringLiteral("y")].toInt(&ok);
    if (!ok)
        return Fail(error, lineNo, QStringLiteral("y is not a whole number"));
    rec.layer = values[QStringLiteral("slot")].toInt(&ok);
    if (!ok)
        return Fail(error, lineNo, QStringLiteral("slot is not a whole number"));
    const double scale = values[QStringLiteral("scale")].toDouble(&ok);
    if (!ok || !std::isfinite(scale) || scale <= 0.0 || scale > 100.0)
        return Fail(error, lineNo, QStringLiteral("scale must be a number above 0 and at most 100"));
    rec.scale = static_cast<float>(scale);
    return true;
}

} // namespace

std::optional<MaterialPackage> PackageDescription::Parse(const QString& text, QString* error) {
    MaterialPackage package;
    QByteArray notes;
    int groups = 0;
    bool folderSeen = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString keyword = line.section(QRegularExpression(QStringLiteral("\\s")), 0, 0);
        const QString rest = Rest(line, keyword);
        if (keyword == QLatin1String("folder")) {
            if (folderSeen) {
                Fail(error, lineNo, QStringLiteral("the folder is given twice"));
                return std::nullopt;
            }
            folderSeen = true;
            package.pictureFolder = rest;
        } else if (keyword == QLatin1String("note")) {
            const auto gbk = platform::ToGbk(rest);
            if (!gbk) {
                Fail(error, lineNo, QStringLiteral("the note has characters outside GBK"));
                return std::nullopt;
            }
            notes.append(*gbk).append('\n');
        } else if (keyword == QLatin1String("group")) {
            if (rest.isEmpty()) {
                Fail(error, lineNo, QStringLiteral("a group needs a title"));
                return std::nullopt;
            }
            if (groups == kMaxGroups) {
                Fail(error, lineNo, QStringLiteral("at most %1 groups").arg(kMaxGroups));
                return std::nullopt;
            }
            MaterialRecord title;
            title.group = static_cast<char>('A' + groups++);
            title.type = MaterialRecord::kTitleType;
            title.title = rest;
            package.records.push_back(title);
        } else if (keyword == QLatin1String("item") || keyword == QLatin1String("hidden")) {
            if (groups == 0) {
                Fail(error, lineNo, QStringLiteral("\"%1\" before the first group").arg(keyword));
                return std::nullopt;
            }
            MaterialRecord rec;
            rec.group = static_cast<char>('A' + groups - 1);
            rec.type = keyword == QLatin1String("item") ? MaterialRecord::kMaterialType
                                                        : MaterialRecord::kHiddenType;
            if (!ParseMaterial(rest, lineNo, rec, error))
                return std::nullopt;
            package.records.push_back(rec);
        } else {
            Fail(error, lineNo, QStringLiteral("unknown statement \"%1\"").arg(keyword));
            return std::nullopt;
        }
        if (package.records.size() > size_t(MaterialPackage::kMaxRecords)) {
            Fail(error, lineNo, QStringLiteral("more than %1 records").arg(MaterialPackage::kMaxRecords));
            return std::nullopt;
        }
    }
    if (!folderSeen) {
        if (error)
            *error = QStringLiteral("no \"folder\" line");
        return std::nullopt;
    }
    if (notes.size() > MaterialPackage::kMaxTrailingSize) {
        if (error)
            *error = QStringLiteral("the notes exceed %1 bytes").arg(MaterialPackage::kMaxTrailingSize);
        return std::nullopt;
    }
    package.trailing = notes;
    return package;
}

std::optional<MaterialPackage> PackageDescription::ReadFile(const QString& path, QString* error) {
    // A description is a few kilobytes of text; anything that is not a regular file
    // (a FIFO, a device) or is far larger is refused rather than waited on or read.
    QByteArray bytes;
    if (!platform::ReadRegularFile(path, kMaxDescriptionBytes, bytes, error))
        return std::nullopt;
    bytes.replace("\r\n", "\n");
    return Parse(QString::fromUtf8(bytes), error);
}

} // namespace vx7::materials
