#include "QtPrompt.h"

#include <QApplication>
#include <QMessageBox>

namespace vx7::platform {

void QtPrompt::Message(const QString& text, const QString& title) {
    const QString caption = title.isEmpty() ? QApplication::applicationName() : title;
    QMessageBox::information(parent_, caption, text);
}

bool QtPrompt::Ask(const QString& text, const QString& title) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

} // namespace vx7::platform
