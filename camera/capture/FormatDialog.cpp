#include "FormatDialog.h"

#include "CaptureDevice.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vx7::camera {

QString FormatDialog::Describe(int width, int height, double fps) {
    return QStringLiteral("%1 × %2    %3 帧/秒").arg(width).arg(height).arg(fps, 0, 'g', 4);
}

FormatDialog::FormatDialog(CaptureDevice& device, QWidget* parent)
    : QDialog(parent), device_(device), list_(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("视频格式"));
    setObjectName(QStringLiteral("FormatDialog"));
    list_->setObjectName(QStringLiteral("formats"));
    auto* layout = new QVBoxLayout(this);
    const CaptureFormat current = device.CurrentFormat();
    layout->addWidget(
        new QLabel(QStringLiteral("摄像头: %1\n传输压缩: %2")
                       .arg(device.Name().isEmpty() ? QStringLiteral("(无)") : device.Name(),
                            current.compression.isEmpty() ? QStringLiteral("(无)") : current.compression),
                   this));
    int row = 0;
    for (const CaptureFormat& f : device.Formats()) {
        if (f.compression != current.compression)
            continue;
        auto* item = new QListWidgetItem(Describe(f.width, f.height, f.FramesPerSecond()), list_);
        item->setData(Qt::UserRole, QVariantList{f.width, f.height, f.fpsNumerator, f.fpsDenominator});
        if (f == current)
            list_->setCurrentRow(row);
        ++row;
    }
    if (row == 0)
        layout->addWidget(new QLabel(QStringLiteral("没有可选的图像格式 (未找到摄像头)。"), this));
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &FormatDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FormatDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &FormatDialog::accept);
    layout->addWidget(buttons);
    resize(320, 300);
}

void FormatDialog::accept() {
    if (QListWidgetItem* item = list_->currentItem()) {
        const QVariantList v = item->data(Qt::UserRole).toList();
        if (v.size() == 4) {
            CaptureFormat f{device_.CurrentFormat().compression, v[0].toInt(), v[1].toInt(), v[2].toInt(),
                            v[3].toInt()};
            device_.SetFormat(f);
        }
    }
    QDialog::accept();
}

} // namespace vx7::camera
