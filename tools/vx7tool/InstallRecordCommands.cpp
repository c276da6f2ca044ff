#include "CommandOutput.h"
#include "Commands.h"

#include "install/model/InstallRecord.h"
#include "install/model/InstallRecordReader.h"

#include <QFileInfo>

#include <cstdio>

namespace vx7::tools {
namespace {

void Line(const char* label, const QString& value) {
    std::printf("%-16s %s\n", label, value.toUtf8().constData());
}

QString MarkerText(char marker) {
    if (marker == install::InstallRecord::kProgramMarker)
        return QStringLiteral("A (program folder copy)");
    if (marker == install::InstallRecord::kInformationMarker)
        return QStringLiteral("S (information folder copy)");
    return QStringLiteral("0x%1 (not an install record marker)")
        .arg(static_cast<unsigned char>(marker), 2, 16, QLatin1Char('0'));
}

// install-record show FILE: the marker, date, version and paths of an install information file.
int Show(const QString& path) {
    QString error;
    const auto file = install::InstallRecordReader::Read(path, install::InstallRecord::kSize, &error);
    if (!file) {
        std::fprintf(stderr, "vx7tool: %s\n", error.toUtf8().constData());
        return 1;
    }
    const install::InstallRecord& r = file->record;
    const qint64 size = QFileInfo(path).size();
    Line("file size:",
         QString::number(size) +
             (file->bytesRead < install::InstallRecord::kSize
                  ? QStringLiteral(" (short: the record has %1 bytes)").arg(install::InstallRecord::kSize)
                  : QString()));
    Line("marker:", MarkerText(r.Marker()));
    Line("date:", r.Date());
    Line("version:", r.Version());
    Line("program folder:", r.ProgramFolder());
    Line("top folder:", r.TopFolder());
    Line("top created:", r.TopCreated() ? QStringLiteral("yes") : QStringLiteral("no"));
    Line("menu group:", r.GroupFolder());
    Line("desktop link:", r.DesktopShortcut());
    return 0;
}

int Usage() {
    std::fputs("usage: vx7tool install-record show FILE\n", stderr);
    return 2;
}

int ShowVerb(const QStringList& arguments) {
    VerbArguments a("install-record", "show", {});
    if (!a.Parse(arguments))
        return Usage();
    const QStringList operands = a.Operands();
    if (operands.size() != 1)
        return Usage();
    return Show(operands.front());
}

} // namespace

int RunInstallRecordCommand(const QStringList& args) {
    return DispatchVerb(args, Usage, {{"show", ShowVerb}});
}

} // namespace vx7::tools
