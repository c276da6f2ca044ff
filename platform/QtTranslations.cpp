#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

namespace vx7::platform {

QTranslator* InstallQtChineseTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // "qt_zh_CN" gathers the catalogues of every Qt module installed.
    if (!translator->load(QStringLiteral("qt_zh_CN"), folder) ||
        !QCoreApplication::installTranslator(translator)) {
        qInfo("Qt's Chinese translations not found in %s", qPrintable(folder));
        delete translator;
        return nullptr;
    }
    return translator;
}

} // namespace vx7::platform
