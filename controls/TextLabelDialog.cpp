#include "TextLabelDialog.h"

#include "CCMyColorSelDlg.h"

#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace vx7::controls {

namespace {

// Dialog units to pixels.
constexpr int Du(int units) {
    return units * 3 / 2;
}

} // namespace

QStringList TextLabelDialog::SizeEntries() {
    return {QStringLiteral("8"),  QStringLiteral("12"), QStringLiteral("16"), QStringLiteral("20"),
            QStringLiteral("22"), QStringLiteral("28"), QStringLiteral("30"), QStringLiteral("36"),
            QStringLiteral("48"), QStringLiteral("62"), QStringLiteral("78")};
}

TextLabelDialog::TextLabelDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("编辑显示文字"));
    setFixedSize(kWidth, kHeight);

    fontButton_ = new QPushButton(QStringLiteral("选择字体"), this);
    fontButton_->setGeometry(Du(4), Du(4), Du(40), Du(14));
    fontName_ = new QLabel(QStringLiteral("--"), this);
    fontName_->setGeometry(Du(48), Du(6), Du(60), Du(10));

    auto* sizeLabel = new QLabel(QStringLiteral("大小:"), this);
    sizeLabel->setGeometry(Du(110), Du(6), Du(20), Du(10));
    sizeList_ = new QComboBox(this);
    sizeList_->addItems(SizeEntries());
    sizeList_->setGeometry(Du(130), Du(4), Du(30), Du(14));

    colourButton_ = new QPushButton(QStringLiteral("颜色"), this);
    colourButton_->setGeometry(Du(4), Du(22), Du(30), Du(14));

    auto* textLabel = new QLabel(QStringLiteral("显示文字"), this);
    textLabel->setGeometry(Du(62), Du(24), Du(32), Du(10));
    textEdit_ = new QLineEdit(this);
    textEdit_->setGeometry(Du(4), Du(40), Du(179), Du(14));

    auto* ok = new QPushButton(QStringLiteral("确认修改"), this);
    ok->setGeometry(Du(40), Du(59), Du(44), Du(14));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取 消"), this);
    cancel->setGeometry(Du(104), Du(59), Du(44), Du(14));

    connect(fontButton_, &QPushButton::clicked, this, &TextLabelDialog::ChooseFont);
    connect(colourButton_, &QPushButton::clicked, this, &TextLabelDialog::ChooseColour);
    connect(sizeList_, &QComboBox::currentIndexChanged, this, &TextLabelDialog::SizeChanged);
    connect(ok, &QPushButton::clicked, this, &TextLabelDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TextLabelDialog::reject);

    fontChooser_ = [](QWidget* owner) -> std::optional<QFont> {
        bool ok = false;
        const QFont font =
            QFontDialog::getFont(&ok, QFont(), owner, QString(), QFontDialog::DontUseNativeDialog);
        if (!ok)
            return std::nullopt;
        return font;
    };
    colourChooser_ = [](QWidget* owner, ColourRef current) -> std::optional<ColourRef> {
        CCMyColorSelDlg dialog(owner);
        dialog.SetInitialColour(current);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.ChosenColour();
    };
}

void TextLabelDialog::SetPlacement(int x, int y, int mode) {
    Q_UNUSED(mode); // the dialog always opens above the point
    at_ = QPoint(x, y);
    placed_ = true;
}

void TextLabelDialog::SetValues(const QString& text, const QString& size, ColourRef colour) {
    text_ = text;
    size_ = size;
    colour_ = colour;
    textEdit_->setText(text_);
    const QSignalBlocker block(sizeList_);
    const int index = sizeList_->findText(size_);
    sizeList_->setCurrentIndex(index);
    if (index < 0)
        sizeList_->setEditText(size_);
}

QRect TextLabelDialog::SwatchRect() const {
    const QRect button = colourButton_->geometry();
    // (right + 3, top) to (right + 21, bottom), right and bottom exclusive.
    return QRect(QPoint(button.x() + button.width() + 3, button.y()),
                 QPoint(button.x() + button.width() + 20, button.y() + button.height() - 1));
}

void TextLabelDialog::ChooseFont() {
    if (!fontChooser_)
        return;
    if (const auto font = fontChooser_(this)) {
        fontChosen_ = true;
        font_ = *font;
        fontName_->setText(font_.family());
    }
}

void TextLabelDialog::ChooseColour() {
    if (!colourChooser_)
        return;
    if (const auto colour = colourChooser_(this, colour_)) {
        colour_ = *colour;
        update(SwatchRect());
    }
}

void TextLabelDialog::SizeChanged(int index) {
    if (index >= 0)
        size_ = sizeList_->itemText(index);
}

void TextLabelDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (placed_)
        move(at_.x(), at_.y() - frameGeometry().height());
}

void TextLabelDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(SwatchRect(), ToQColor(colour_));
}

void TextLabelDialog::accept() {
    text_ = textEdit_->text();
    QDialog::accept();
}

} // namespace vx7::controls
