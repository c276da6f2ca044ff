#pragma once

class QCoreApplication;
class QTranslator;

namespace vx7::platform {

// Installs Qt's own Chinese texts (standard buttons, file, colour and font dialogs)
// from the system's Qt translations folder. Returns the installed translator (owned by
// app), or null when the translations are not there: the program then runs with Qt's
// English texts.
QTranslator* InstallQtChineseTranslations(QCoreApplication& app);

} // namespace vx7::platform
