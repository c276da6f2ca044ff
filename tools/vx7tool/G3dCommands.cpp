// vx7tool g3d: authoring and listing of record lists.
//   g3d pack DESCRIPTION OUT.g3d
//   g3d list FILE.g3d [--group G] [--kind K]
#include "CommandOutput.h"
#include "Commands.h"

#include "materials/RecordList.h"
#include "materials/RecordListDescription.h"

#include <QFileInfo>

#include <cstdio>

namespace vx7::tools {
namespace {

using materials::RecordList;
using materials::RecordListFile;

void Err(const QString& line) {
    tools::Err("g3d", line);
}

int Usage() {
    std::fputs("usage: vx7tool g3d pack DESCRIPTION OUT.g3d\n"
               "       vx7tool g3d list FILE.g3d [--group G] [--kind K]\n"
               "       (G: group number, 0 = all; K: list kind, by default B for clothing icons,\n"
               "        C for general icons and A otherwise, taken from the file name)\n",
               stderr);
    return 2;
}

char KindFromName(const QString& path) {
    const QString name = QFileInfo(path).completeBaseName();
    if (name == QFileInfo(RecordList::ListName('B')).fileName())
        return 'B';
    if (name == QFileInfo(RecordList::ListName('C')).fileName())
        return 'C';
    return 'A';
}

int Pack(const QStringList& arguments) {
    VerbArguments a("g3d", "pack", {});
    if (!a.Parse(arguments))
        return Usage();
    const QStringList args = a.Operands();
    if (args.size() != 2)
        return Usage();
    QString error;
    const auto list = materials::RecordListDescription::ReadFile(args[0], &error);
    if (!list) {
        Err(QStringLiteral("%1: %2").arg(args[0], error));
        return 1;
    }
    if (!list->WriteFile(args[1], &error)) {
        Err(error);
        return 1;
    }
    Out(QStringLiteral("packed %1 records, %2 strings into %3")
            .arg(list->records.size())
            .arg(list->entries.size())
            .arg(args[1]));
    return 0;
}

int List(const QStringList& arguments) {
    VerbArguments a("g3d", "list", {ValueOption("group", "G"), ValueOption("kind", "K")});
    if (!a.Parse(arguments))
        return Usage();
    const QStringList args = a.Operands();
    if (args.size() != 1)
        return Usage();
    int group = 0;
    if (a.IsSet("group")) {
        bool ok = false;
        group = a.Value("group").toInt(&ok);
        if (!ok || group < 0) {
            Err(QStringLiteral("list: --group takes a group number, 0 = all, not %1").arg(a.Value("group")));
            return Usage();
        }
    }
    char kind = KindFromName(args[0]);
    if (a.IsSet("kind")) {
        const QString k = a.Value("kind");
        if (k.size() != 1 || k[0].unicode() >= 128) {
            Err(QStringLiteral("list: --kind takes one letter, not %1").arg(k));
            return Usage();
        }
        kind = static_cast<char>(k[0].unicode());
    }
    RecordList holder;
    QString error;
    if (!holder.LoadFile(args[0], kind, &error)) {
        Err(QStringLiteral("%1: %2").arg(args[0], error));
        return 1;
    }
    const RecordListFile& file = holder.File();
    Out(QStringLiteral("list: %1 (kind %2)").arg(args[0]).arg(QLatin1Char(kind)));
    Out(QStringLiteral("records: %1, strings: %2, text bytes: %3")
            .arg(file.records.size())
            .arg(file.entries.size())
            .arg(file.data.size()));
    const int listed = holder.BuildRecordIndex(group);
    Out(QStringLiteral("groups: %1").arg(holder.GroupCount()));
    for (int g = 1; g <= std::min(holder.GroupCount(), RecordList::kNamedGroups); ++g) {
        const RecordList::Group info = holder.GroupAt(g);
        Out(QStringLiteral("group %1: %2 (heading record %3, %4 listed)")
                .arg(g)
                .arg(info.name)
                .arg(info.headingRecord)
                .arg(info.itemCount));
    }
    Out(QStringLiteral("listed in group %1: %2").arg(group).arg(listed));
    for (int j : holder.ListedRecords())
        Out(QStringLiteral("%1\t%2").arg(j).arg(holder.RecordString(
            RecordListFile::Field(file.records[static_cast<size_t>(j)], RecordListFile::kNameField))));
    return 0;
}

} // namespace

int RunG3dCommand(const QStringList& args) {
    return DispatchVerb(args, Usage, {{"pack", Pack}, {"list", List}});
}

} // namespace vx7::tools
