#include "QtPrompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace vx7::platform {

std::unique_ptr<QMessageBox> QtPrompt::MakeBox(QWidget* parent, const QString& text, const QString& title,
                                               bool question) {
    const QString caption = title.isEmpty() ? QApplication::applicationName() : title;
    auto box = std::make_unique<QMessageBox>(question ? QMessageBox::Question : QMessageBox::Information,
                                             caption, text, QMessageBox::NoButton, parent);
    // Texts can be selected and copied (an address to paste elsewhere, a path).
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The program's own button texts, whatever language Qt itself speaks.
    if (question) {
        box->addButton(QMessageBox::Yes)->setText(QStringLiteral("是"));
        box->addButton(QMessageBox::No)->setText(QStringLiteral("否"));
        box->setDefaultButton(QMessageBox::No);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->addButton(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    }
    return box;
}

void QtPrompt::Message(const QString& text, const QString& title) {
    MakeBox(parent_, text, title, false)->exec();
}

bool QtPrompt::Ask(const QString& text, const QString& title) {
    return MakeBox(parent_, text, title, true)->exec() == QMessageBox::Yes;
}

} // namespace vx7::platform
