// vx7tool: headless work over the program's libraries (GIF building and inspection,
// material packages, install records).
#include "Commands.h"

#include "platform/ImageAllocation.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

namespace {

void Usage() {
    std::fputs("usage: vx7tool gif build|frames|copy|crop|info …\n"
               "       vx7tool dm3 pack|list …\n"
               "       vx7tool g3d pack|list …\n"
               "       vx7tool install-record show FILE\n",
               stderr);
}

} // namespace

int main(int argc, char** argv) {
    // Image code needs a GUI application object (fonts, image plugins) but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    vx7::platform::RaiseImageAllocationLimit();
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        Usage();
        return 2;
    }
    const QString family = args.takeFirst();
    if (family == QLatin1String("gif"))
        return vx7::tools::RunGifCommand(args);
    if (family == QLatin1String("dm3"))
        return vx7::tools::RunDm3Command(args);
    if (family == QLatin1String("g3d"))
        return vx7::tools::RunG3dCommand(args);
    if (family == QLatin1String("install-record"))
        return vx7::tools::RunInstallRecordCommand(args);
    Usage();
    return 2;
}
