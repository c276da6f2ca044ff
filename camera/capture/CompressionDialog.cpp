#include "CompressionDialog.h"

#include "CaptureDevice.h"
#include "platform/Prompt.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vx7::camera {

QString CompressionDialog::OnlyOneText(const QString& compression) {
    if (compression.isEmpty())
        return QStringLiteral("没有找到摄像头, 无可选的视频压缩格式。");
    return QStringLiteral("此摄像头只提供一种视频传输格式 (%1), 无需选择。").arg(compression);
}

QString CompressionDialog::Describe(const QString& compression) {
    if (compression == QLatin1String("MJPG"))
        return QStringLiteral("MJPG  (压缩传输, 大尺寸时帧率更高)");
    if (compression == QLatin1String("YUYV"))
        return QStringLiteral("YUYV  (不压缩, 画质最好, 大尺寸时帧率较低)");
    return compression;
}

CompressionDialog::CompressionDialog(CaptureDevice& device, QWidget* parent)
    : QDialog(parent), device_(device), group_(new QButtonGroup(this)) {
    setWindowTitle(QStringLiteral("视频压缩"));
    setObjectName(QStringLiteral("CompressionDialog"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("摄像头的视频传输格式:"), this));
    const QStringList all = device.Compressions();
    for (int i = 0; i < all.size(); ++i) {
        auto* radio = new QRadioButton(Describe(all.at(i)), this);
        radio->setObjectName(all.at(i));
        radio->setChecked(all.at(i) == device.Compression());
        group_->addButton(radio, i);
        layout->addWidget(radio);
    }
    layout->addWidget(new QLabel(QStringLiteral("新的选择在下次连接摄像头时生效。"), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CompressionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CompressionDialog::reject);
    layout->addWidget(buttons);
}

int CompressionDialog::Run(CaptureDevice& device, platform::Prompt& prompt, QWidget* parent) {
    const QStringList all = device.Compressions();
    if (all.size() < 2) {
        prompt.Message(OnlyOneText(all.isEmpty() ? QString() : all.front()));
        return QDialog::Rejected;
    }
    CompressionDialog dialog(device, parent);
    return dialog.exec();
}

void CompressionDialog::accept() {
    if (QAbstractButton* chosen = group_->checkedButton())
        device_.SetCompression(chosen->objectName());
    QDialog::accept();
}

} // namespace vx7::camera
