#include "editor/export/PhotoSaveDialog.h"

#include "camera/folders/FolderChooserDialog.h"

#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace vx7::editor {

namespace {

// Dialog units to pixels, as every window of the program lays them out.
QRect Dlu(int x, int y, int w, int h) {
    return QRect(x * 3 / 2, y * 3 / 2, w * 3 / 2, h * 3 / 2);
}

// Every rectangle of the dialog, in one place for the dialog and its tests.
struct PhotoSaveLayout {
    static QSize Size() { return Dlu(0, 0, 226, 226).size(); }
    static QRect Preview() { return Dlu(4, 3, 215, 167); }
    static QRect ChooseFolder() { return Dlu(6, 172, 40, 14); }
    static QRect NameLabel() { return Dlu(57, 176, 27, 8); }
    static QRect NameEdit() { return Dlu(87, 174, 132, 12); }
    static QRect FolderLabel() { return Dlu(6, 191, 213, 11); }
    static QRect Save() { return Dlu(45, 208, 50, 14); }
    static QRect Cancel() { return Dlu(157, 208, 50, 14); }
};

const QColor kPreviewFill(200, 200, 200);
const QColor kEdgeDark(66, 66, 66);
const QColor kEdgeLight(233, 233, 233);

} // namespace

PhotoSaveDialog::PhotoSaveDialog(PhotoSaveModel& model, FolderPicker picker, QWidget* parent)
    : QDialog(parent), model_(model), picker_(std::move(picker)) {
    setWindowTitle(QStringLiteral("拍照保留图片"));
    setFixedSize(PhotoSaveLayout::Size());

    QImageReader reader(model_.Source());
    reader.setDecideFormatFromContent(true);
    picture_ = reader.read();

    choose_ = new QPushButton(QStringLiteral("选择目录"), this);
    choose_->setGeometry(PhotoSaveLayout::ChooseFolder());
    choose_->setAutoDefault(false);
    auto* label = new QLabel(QStringLiteral("图片名:"), this);
    label->setGeometry(PhotoSaveLayout::NameLabel().adjusted(0, -2, 0, 2));
    name_ = new QLineEdit(model_.Name(), this);
    name_->setGeometry(PhotoSaveLayout::NameEdit());
    folder_ = new QLabel(QDir::toNativeSeparators(model_.Folder()), this);
    folder_->setGeometry(PhotoSaveLayout::FolderLabel());
    folder_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    save_ = new QPushButton(QStringLiteral("确认保存"), this);
    save_->setGeometry(PhotoSaveLayout::Save());
    save_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("取 消"), this);
    cancel_->setGeometry(PhotoSaveLayout::Cancel());
    cancel_->setAutoDefault(false);

    // Every change of the text is the name at once.
    connect(name_, &QLineEdit::textChanged, this, [this](const QString& text) { model_.SetName(text); });
    connect(choose_, &QPushButton::clicked, this, &PhotoSaveDialog::OnChooseFolder);
    connect(save_, &QPushButton::clicked, this, &PhotoSaveDialog::OnSave);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

QRect PhotoSaveDialog::PreviewRect() const {
    const QRect inner = PhotoSaveLayout::Preview().adjusted(2, 2, -2, -2);
    return PhotoPreviewPlacement(picture_.size(), inner);
}

void PhotoSaveDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QRect frame = PhotoSaveLayout::Preview();
    painter.fillRect(frame, kPreviewFill);
    painter.setPen(kEdgeDark);
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(kEdgeLight);
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());
    if (!picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRect target = PreviewRect();
        if (target.size() == picture_.size())
            painter.drawImage(target.topLeft(), picture_);
        else
            painter.drawImage(
                target, picture_.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
}

void PhotoSaveDialog::OnChooseFolder() {
    if (!picker_)
        return;
    const std::optional<QString> folder = picker_(this, model_.Folder());
    if (!folder)
        return;
    model_.ChooseFolder(*folder);
    folder_->setText(QDir::toNativeSeparators(model_.Folder()));
}

void PhotoSaveDialog::OnSave() {
    if (model_.Save() == PhotoSaveModel::SaveResult::Saved)
        accept();
}

bool RunPhotoSave(EditorExport& exporter, QWidget* parent, QPoint position, FolderPicker picker) {
    const QString source = exporter.PreparePhotoSave();
    if (source.isEmpty())
        return false;
    PhotoSaveModel model(exporter, source);
    PhotoSaveDialog dialog(model, std::move(picker), parent);
    dialog.move(position);
    return dialog.exec() == QDialog::Accepted;
}

FolderPicker MakeFolderChooserPicker(platform::Prompt& prompt, QString defaultFolder) {
    return [&prompt, defaultFolder](QWidget* parent, const QString& start) -> std::optional<QString> {
        camera::FolderChooserDialog chooser(start, defaultFolder, prompt, parent);
        if (chooser.exec() != QDialog::Accepted)
            return std::nullopt;
        return chooser.SelectedFolder();
    };
}

} // namespace vx7::editor
