#include "UninstallDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx7::install {

UninstallDialog::UninstallDialog(Uninstaller& uninstaller, QWidget* parent)
    : QDialog(parent), uninstaller_(uninstaller) {
    setWindowTitle(Uninstaller::DialogTitle());
    auto* question = new QLabel(Uninstaller::Question(), this);
    question->setAlignment(Qt::AlignCenter);
    question->setMinimumHeight(60);
    ok_ = new QPushButton(QStringLiteral("确定"), this);
    cancel_ = new QPushButton(QStringLiteral("取消"), this);
    cancel_->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &UninstallDialog::OnOk);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void UninstallDialog::OnOk() {
    outcome_ = uninstaller_.Uninstall();
    accept();
}

} // namespace vx7::install
