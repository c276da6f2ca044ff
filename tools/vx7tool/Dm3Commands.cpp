// vx7tool dm3: authoring and listing of material packages.
//   dm3 pack DESCRIPTION OUT.dm3 [--pictures DIR]
//   dm3 list FILE.dm3 [--group K]
#include "CommandOutput.h"
#include "Commands.h"

#include "materials/MaterialCatalogue.h"
#include "materials/MaterialPackageReader.h"
#include "materials/MaterialPackageWriter.h"
#include "materials/PackageDescription.h"
#include "platform/Gbk.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace vx7::tools {
namespace {

using materials::MaterialCatalogue;
using materials::MaterialPackage;
using materials::MaterialRecord;

void Err(const QString& line) {
    tools::Err("dm3", line);
}

int Usage() {
    std::fputs(
        "usage: vx7tool dm3 pack DESCRIPTION OUT.dm3 [--pictures DIR]\n"
        "       vx7tool dm3 list FILE.dm3 [--group K]   (K: combo index, 0 = all, or a group letter)\n",
        stderr);
    return 2;
}

// "--group" takes the group combo index (0 = all) or a group letter.
bool ParseGroup(const QString& text, int& index) {
    bool ok = false;
    index = text.toInt(&ok);
    if (ok)
        return index >= 0;
    if (text.size() == 1 && text[0] >= QLatin1Char('A') && text[0] <= QLatin1Char('Z')) {
        index = text[0].unicode() - 64;
        return true;
    }
    return false;
}

int Pack(const QStringList& arguments) {
    VerbArguments a("dm3", "pack", {ValueOption("pictures", "DIR")});
    if (!a.Parse(arguments))
        return Usage();
    const QStringList args = a.Operands();
    if (args.size() != 2)
        return Usage();
    QString error;
    const auto package = materials::PackageDescription::ReadFile(args[0], &error);
    if (!package) {
        Err(QStringLiteral("%1: %2").arg(args[0], error));
        return 1;
    }
    if (a.IsSet("pictures")) {
        // Every record that may be listed needs its picture.
        const QString folder = a.Value("pictures");
        const QDir pictures(folder);
        QStringList missing;
        for (const MaterialRecord& rec : package->records)
            if (rec.IsListable() &&
                !QFileInfo::exists(pictures.filePath(rec.pictureName + QStringLiteral(".png"))))
                missing.append(rec.pictureName);
        if (!missing.isEmpty()) {
            Err(QStringLiteral("pictures missing in %1: %2").arg(folder, missing.join(QStringLiteral(", "))));
            return 1;
        }
    }
    if (!materials::MaterialPackageWriter::WriteFile(*package, args[1], &error)) {
        Err(error);
        return 1;
    }
    int titles = 0;
    for (const MaterialRecord& rec : package->records)
        titles += rec.IsTitle() ? 1 : 0;
    Out(QStringLiteral("packed %1 records (%2 groups, %3 listed materials) into %4")
            .arg(package->records.size())
            .arg(titles)
            .arg(MaterialCatalogue::Filter(*package, 0).size())
            .arg(args[1]));
    return 0;
}

int List(const QStringList& arguments) {
    VerbArguments a("dm3", "list", {ValueOption("group", "K")});
    if (!a.Parse(arguments))
        return Usage();
    const QStringList args = a.Operands();
    if (args.size() != 1)
        return Usage();
    int group = 0;
    if (a.IsSet("group") && !ParseGroup(a.Value("group"), group)) {
        Err(QStringLiteral("list: --group takes a combo index (0 = all) or a group letter, not %1")
                .arg(a.Value("group")));
        return Usage();
    }
    QString error;
    const auto package = materials::MaterialPackageReader::ReadFile(args[0], &error);
    if (!package) {
        Err(QStringLiteral("%1: %2").arg(args[0], error));
        return 1;
    }
    Out(QStringLiteral("package: %1").arg(args[0]));
    Out(QStringLiteral("picture folder: %1").arg(package->pictureFolder));
    Out(QStringLiteral("records: %1, extra records: %2, trailing bytes: %3")
            .arg(package->records.size())
            .arg(package->ExtraRecordCount())
            .arg(package->trailing.size()));
    const QStringList groups = MaterialCatalogue::GroupTitles(*package);
    for (int i = 0; i < groups.size(); ++i)
        Out(QStringLiteral("group %1: %2").arg(i).arg(groups[i]));
    for (const QByteArray& line : package->trailing.split('\n'))
        if (!line.isEmpty())
            Out(QStringLiteral("note: %1").arg(platform::FromGbk(line)));
    const std::vector<int> listed = MaterialCatalogue::Filter(*package, group);
    Out(QStringLiteral("listed in group %1: %2").arg(group).arg(listed.size()));
    Out(QStringLiteral("index\tgroup\tpicture\tx\ty\tslot\tscale"));
    for (int i : listed) {
        const MaterialRecord& rec = package->records[static_cast<size_t>(i)];
        Out(QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7")
                .arg(i)
                .arg(QLatin1Char(rec.group))
                .arg(rec.pictureName)
                .arg(rec.x)
                .arg(rec.y)
                .arg(rec.layer)
                .arg(double(rec.scale), 0, 'g', 6));
    }
    return 0;
}

} // namespace

int RunDm3Command(const QStringList& args) {
    return DispatchVerb(args, Usage, {{"pack", Pack}, {"list", List}});
}

} // namespace vx7::tools
