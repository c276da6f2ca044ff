#include "SourceDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace vx7::camera {

QString SourceDialog::CaptionOf(const QString& name) {
    const QString n = name.toLower();
    if (n.contains(QLatin1String("bright")))
        return QStringLiteral("亮度");
    if (n.contains(QLatin1String("contrast")))
        return QStringLiteral("对比度");
    if (n.contains(QLatin1String("satur")))
        return QStringLiteral("饱和度");
    if (n.contains(QLatin1String("hue")))
        return QStringLiteral("色调");
    if (n.contains(QLatin1String("gamma")))
        return QStringLiteral("伽玛");
    if (n.contains(QLatin1String("sharp")))
        return QStringLiteral("锐度");
    return name;
}

SourceDialog::SourceDialog(CaptureDevice& device, QWidget* parent)
    : QDialog(parent), device_(device), initial_(device.Controls()) {
    setWindowTitle(QStringLiteral("视频源"));
    setObjectName(QStringLiteral("SourceDialog"));
    auto* layout = new QVBoxLayout(this);
    if (initial_.empty()) {
        layout->addWidget(new QLabel(QStringLiteral("摄像头未连接, 或没有可调节的画面设置。"), this));
    } else {
        auto* grid = new QGridLayout;
        int row = 0;
        for (const CaptureControl& c : initial_) {
            auto* slider = new QSlider(Qt::Horizontal, this);
            slider->setObjectName(c.name);
            slider->setRange(c.minimum, c.maximum);
            slider->setValue(c.value);
            slider->setMinimumWidth(220);
            auto* value = new QLabel(QString::number(c.value), this);
            value->setMinimumWidth(48);
            const QString name = c.name;
            connect(slider, &QSlider::valueChanged, this, [this, name, value](int v) {
                device_.SetControl(name, v);
                value->setText(QString::number(v));
            });
            grid->addWidget(new QLabel(CaptionOf(c.label), this), row, 0);
            grid->addWidget(slider, row, 1);
            grid->addWidget(value, row, 2);
            sliders_.push_back(slider);
            ++row;
        }
        layout->addLayout(grid);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &SourceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SourceDialog::reject);
    layout->addWidget(buttons);
}

QSlider* SourceDialog::Slider(const QString& controlName) const {
    for (QSlider* s : sliders_)
        if (s->objectName() == controlName)
            return s;
    return nullptr;
}

void SourceDialog::reject() {
    for (const CaptureControl& c : initial_)
        device_.SetControl(c.name, c.value);
    QDialog::reject();
}

} // namespace vx7::camera
