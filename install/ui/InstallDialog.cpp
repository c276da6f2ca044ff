#include "InstallDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace vx7::install {

InstallDialog::InstallDialog(InstallModel& model, QWidget* parent) : QDialog(parent), model_(model) {
    setWindowTitle(QStringLiteral("Vantor摄像头拍照(动画)Snapo 安装"));
    const InstallForm& form = model_.form;

    drive_ = new QComboBox(this);
    drive_->setEditable(true);
    for (const auto& [name, root] : model_.DriveChoices()) {
        drive_->addItem(name);
        drive_->setItemData(drive_->count() - 1, root, Qt::ToolTipRole);
    }
    drive_->setCurrentText(form.drive);
    folder_ = new QLineEdit(form.folderName, this);
    needed_ = new QLabel(this);
    free_ = new QLabel(this);
    ratio_ = new QLabel(this);
    desktop_ = new QCheckBox(QStringLiteral("自动建立桌面图标"), this);
    desktop_->setChecked(form.desktopShortcut);
    captionLabel_ = new QLabel(QStringLiteral("图标说明:"), this);
    caption_ = new QLineEdit(form.shortcutCaption, this);
    startMenu_ = new QCheckBox(QStringLiteral("放入开始菜单"), this);
    startMenu_->setChecked(form.startMenu);
    linkLabel_ = new QLabel(QStringLiteral("程序组中名称:"), this);
    linkName_ = new QLineEdit(form.linkName, this);
    folderBar_ = new QProgressBar(this);
    folderBar_->setRange(0, InstallModel::kFolderBarMax);
    folderBar_->setValue(0);
    fileBar_ = new QProgressBar(this);
    fileBar_->setRange(0, 1);
    fileBar_->setValue(0);
    fileBar_->setTextVisible(false);
    status_ = new QLabel(this);
    start_ = new QPushButton(QStringLiteral("开始...."), this);
    stop_ = new QPushButton(QStringLiteral("终止"), this);
    exit_ = new QPushButton(QStringLiteral("退  出"), this);
    start_->setDefault(true);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("安装硬盘:"), this), 0, 0);
    grid->addWidget(drive_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("安装目录:"), this), 0, 2);
    grid->addWidget(folder_, 0, 3, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("需要空间:"), this), 1, 0);
    grid->addWidget(needed_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("KB  可用空间:"), this), 1, 2);
    grid->addWidget(free_, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("KB  比数："), this), 1, 4);
    grid->addWidget(ratio_, 1, 5);
    grid->addWidget(desktop_, 2, 0, 1, 2);
    grid->addWidget(captionLabel_, 2, 2);
    grid->addWidget(caption_, 2, 3, 1, 3);
    grid->addWidget(startMenu_, 3, 0, 1, 2);
    grid->addWidget(linkLabel_, 3, 2);
    grid->addWidget(linkName_, 3, 3, 1, 3);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(exit_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(folderBar_);
    layout->addWidget(fileBar_);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    controls_ = {{InstallModel::IDC_DRIVE, drive_},        {InstallModel::IDC_FOLDER, folder_},
                 {InstallModel::IDC_NEEDED, needed_},      {InstallModel::IDC_FREE, free_},
                 {InstallModel::IDC_RATIO, ratio_},        {InstallModel::IDC_DESKTOP, desktop_},
                 {InstallModel::IDC_CAPTION, caption_},    {InstallModel::IDC_START_MENU, startMenu_},
                 {InstallModel::IDC_LINK_NAME, linkName_}, {InstallModel::IDC_FOLDER_BAR, folderBar_},
                 {InstallModel::IDC_FILE_BAR, fileBar_},   {InstallModel::IDC_STATUS, status_},
                 {InstallModel::IDC_START, start_},        {InstallModel::IDC_STOP, stop_},
                 {InstallModel::IDC_EXIT, exit_}};
    commands_ = {{InstallModel::IDC_START, &InstallDialog::OnStart},
                 {InstallModel::IDC_STOP, &InstallDialog::OnStop},
                 {InstallModel::IDC_EXIT, &InstallDialog::OnExit},
                 {InstallModel::IDC_DRIVE, &InstallDialog::OnDriveChanged},
                 {InstallModel::IDC_DESKTOP, &InstallDialog::OnCheckBoxes},
                 {InstallModel::IDC_START_MENU, &InstallDialog::OnCheckBoxes}};

    timer_ = new QTimer(this);
    timer_->setInterval(InstallModel::kTimerMs);
    connect(timer_, &QTimer::timeout, this, &InstallDialog::OnTimer);
    connect(start_, &QPushButton::clicked, this, [this] { Command(InstallModel::IDC_START); });
    connect(stop_, &QPushButton::clicked, this, [this] { Command(InstallModel::IDC_STOP); });
    connect(exit_, &QPushButton::clicked, this, [this] { Command(InstallModel::IDC_EXIT); });
    connect(drive_, &QComboBox::currentTextChanged, this, [this] { Command(InstallModel::IDC_DRIVE); });
    connect(desktop_, &QCheckBox::toggled, this, [this] { Command(InstallModel::IDC_DESKTOP); });
    connect(startMenu_, &QCheckBox::toggled, this, [this] { Command(InstallModel::IDC_START_MENU); });

    model_.RecomputeSpace();
    OnCheckBoxes();
    Refresh();
}

void InstallDialog::Command(int id) {
    const auto it = commands_.find(id);
    if (it != commands_.end())
        (this->*(it->second))();
}

void InstallDialog::TakeForm() {
    InstallForm& form = model_.form;
    form.drive = drive_->currentText();
    form.folderName = folder_->text();
    form.desktopShortcut = desktop_->isChecked();
    form.shortcutCaption = caption_->text();
    form.startMenu = startMenu_->isChecked();
    form.linkName = linkName_->text();
}

void InstallDialog::OnStart() {
    TakeForm();
    const bool started = model_.StartInstall();
    Refresh();
    if (started) {
        timer_->start();
    } else if (model_.View().closeRequested) {
        QDialog::reject();
    }
}

void InstallDialog::OnStop() {
    model_.RequestStop();
}

void InstallDialog::OnExit() {
    if (!model_.Installing())
        QDialog::reject();
}

void InstallDialog::OnDriveChanged() {
    model_.form.drive = drive_->currentText();
    model_.RecomputeSpace();
    Refresh();
}

void InstallDialog::OnCheckBoxes() {
    captionLabel_->setVisible(desktop_->isChecked());
    caption_->setVisible(desktop_->isChecked());
    linkLabel_->setVisible(startMenu_->isChecked());
    linkName_->setVisible(startMenu_->isChecked());
}

void InstallDialog::OnTimer() {
    model_.ShowProgress();
    Refresh();
    if (!model_.View().timerRunning)
        timer_->stop();
}

void InstallDialog::Refresh() {
    const InstallView& v = model_.View();
    needed_->setText(v.neededKb);
    free_->setText(v.freeKb);
    ratio_->setText(v.ratio);
    folderBar_->setRange(0, v.folderBarMax);
    folderBar_->setValue(v.folderBar);
    // A range of 0-0 would turn the bar into a busy indicator; an empty folder shows an empty bar.
    const int fileMax = v.fileBarMax > 0 ? v.fileBarMax : 1;
    fileBar_->setRange(0, fileMax);
    fileBar_->setValue(v.fileBarMax > 0 ? v.fileBar : (v.folderBar == v.folderBarMax ? fileMax : 0));
    status_->setText(v.status);
    start_->setEnabled(v.startEnabled);
    stop_->setEnabled(v.stopEnabled);
    exit_->setEnabled(v.exitEnabled);
    for (QWidget* w : {static_cast<QWidget*>(drive_), static_cast<QWidget*>(folder_),
                       static_cast<QWidget*>(desktop_), static_cast<QWidget*>(caption_),
                       static_cast<QWidget*>(startMenu_), static_cast<QWidget*>(linkName_)})
        w->setEnabled(v.fieldsEnabled);
}

void InstallDialog::reject() {
    // While the copy thread runs only "终止" acts; Esc and the close box wait.
    if (!model_.Installing())
        QDialog::reject();
}

void InstallDialog::closeEvent(QCloseEvent* event) {
    if (model_.Installing())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

} // namespace vx7::install
