#include "HelpWindow.h"

#include "HotKeyChoices.h"
#include "core/SysInfo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx7::camera {

QString HelpWindow::ManualUrl() {
    return QStringLiteral("http://www.vantor.com.cn/vx7ECamera/help.htm");
}

HelpWindow::HelpWindow(core::SysInfo& sys, OpenManual openManual, QWidget* parent)
    : QDialog(parent), sys_(sys), openManual_(std::move(openManual)) {
    setWindowTitle(Title());
    setObjectName(QStringLiteral("HelpWindow"));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const QPixmap programIcon(QStringLiteral(":/icon/128.png"));
    if (!programIcon.isNull())
        icon->setPixmap(programIcon.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    top->addWidget(icon);
    auto* version = new QLabel(VersionText(), this);
    QFont bold = version->font();
    bold.setBold(true);
    version->setFont(bold);
    top->addWidget(version, 1);
    layout->addLayout(top);

    auto* overview = new QLabel(this);
    overview->setWordWrap(true);
    overview->setText(QStringLiteral(
        "本软件把电脑摄像头变成一个小小的影棚:\n"
        "· 拍照: 单张拍照、自拍倒计时、连拍, 照片可存为 BMP、JPG、PNG 或 GIF;\n"
        "· 动画: 连拍的照片一键做成 GIF 动画, 也可以用多张图片自己组合动画;\n"
        "· 截屏: 把窗口最小化后按 Ctrl+热键, 整个屏幕连同鼠标一起保存为照片;\n"
        "· 图片编辑[试衣平台]: 抠图、调亮调暗、化妆、贴纸边框、换背景、试穿衣服饰品、加文字和图形;\n"
        "适合网店产品拍照、服装店试衣、美发美容造型设计和个人形象设计。"));
    layout->addWidget(overview);

    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(new QLabel(QStringLiteral("改抓屏热键(Ctrl+"), this));
    hotKey_ = new QComboBox(this);
    hotKey_->setObjectName(QStringLiteral("combo1098"));
    hotKey_->setEditable(true);
    hotKey_->setInsertPolicy(QComboBox::NoInsert);
    hotKey_->addItems(HotKeyChoices());
    const QString current = QString(QChar::fromLatin1(sys_.HotKeyChar(' ')));
    const int index = hotKey_->findText(current);
    if (index >= 0)
        hotKey_->setCurrentIndex(index);
    else
        hotKey_->setEditText(current);
    connect(hotKey_, &QComboBox::activated, this, &HelpWindow::ChooseHotKey);
    keyRow->addWidget(hotKey_);
    keyRow->addWidget(new QLabel(QStringLiteral(")"), this));
    keyRow->addStretch(1);
    layout->addLayout(keyRow);

    auto* buttons = new QHBoxLayout;
    camera_ = new QPushButton(sys_.IsCameraOff() ? CameraOnText() : CameraOffText(), this);
    camera_->setObjectName(QStringLiteral("button1097"));
    camera_->setAutoDefault(false);
    connect(camera_, &QPushButton::clicked, this, &HelpWindow::ToggleCamera);
    manual_ = new QPushButton(QStringLiteral("在线查看详细操作说明"), this);
    manual_->setObjectName(QStringLiteral("button1"));
    manual_->setDefault(true);
    connect(manual_, &QPushButton::clicked, this, &HelpWindow::accept);
    buttons->addWidget(camera_);
    buttons->addStretch(1);
    buttons->addWidget(manual_);
    layout->addLayout(buttons);
    setMinimumWidth(460);
}

void HelpWindow::accept() {
    // Enter and the manual button only open the manual; the window stays.
    if (openManual_)
        openManual_(ManualUrl());
}

void HelpWindow::ToggleCamera() {
    if (sys_.IsCameraOff())
        sys_.CameraOff(core::SysInfo::kClearFlag);
    else
        sys_.CameraOff(core::SysInfo::kSetFlag);
    done(QDialog::Accepted);
}

void HelpWindow::ChooseHotKey(int index) {
    const QString text = hotKey_->itemText(index);
    hotKey_->setCurrentIndex(index);
    if (!text.isEmpty())
        sys_.HotKeyChar(text.at(0).toLatin1());
}

} // namespace vx7::camera
