// vx7assetgen: draws the programs' bundled resources and the generated files of the install
// medium.
//
//   vx7assetgen resources <folder>   pictures and sounds of the resource bundle, plus
//                                    <folder>/vx7_resources.qrc listing them
//   vx7assetgen medium <folder>      files of the install medium's program folder
#include "AssetSet.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "vx7assetgen: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing text needs a GUI application object (fonts) but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() != 2 || (args[0] != QLatin1String("resources") && args[0] != QLatin1String("medium"))) {
        std::fputs("usage: vx7assetgen resources|medium <folder>\n", stderr);
        return 2;
    }
    const QString folder = args[1];
    QString error;
    if (args[0] == QLatin1String("resources")) {
        const auto files = vx7::assetgen::MakeResourceFiles();
        if (!vx7::assetgen::WriteAssetFiles(folder, files, &error))
            return Fail(error);
        // The collection is written last: the build takes it as the sign that all files are there.
        const std::vector<vx7::assetgen::AssetFile> qrc{
            {QStringLiteral("vx7_resources.qrc"), vx7::assetgen::MakeQrc(files)}};
        if (!vx7::assetgen::WriteAssetFiles(folder, qrc, &error))
            return Fail(error);
        return 0;
    }
    if (!vx7::assetgen::WriteAssetFiles(folder, vx7::assetgen::MakeMediumFiles(), &error))
        return Fail(error);
    return 0;
}
