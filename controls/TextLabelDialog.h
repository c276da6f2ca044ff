#pragma once

#include "ColourRef.h"

#include <QDialog>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vx7::controls {

// The small dialog "编辑显示文字" that edits the editor's text label: text,
// size, font and colour. The caller sets the values, runs it and, on OK,
// reads them back; Cancel changes nothing the caller holds.
class TextLabelDialog : public QDialog {
    Q_OBJECT
  public:
    // Control identifiers of the dialog.
    enum Control : int {
        kChooseFont = 1079,
        kFontName = 1080,
        kSizeList = 1078,
        kColourButton = 1082,
        kText = 1077,
        kUnusedList = 1076,
        kColourLabel = 1081,
    };
    // Dialog size in pixels (187 x 78 dialog units at 1.5 pixels).
    static constexpr int kWidth = 281;
    static constexpr int kHeight = 117;

    // "8" ... "78" in the order of the size list.
    static QStringList SizeEntries();

    // Chooses a font; empty when the chooser was cancelled. The default is Qt's
    // font dialog (never the desktop's).
    using FontChooser = std::function<std::optional<QFont>(QWidget* parent)>;
    // Chooses a colour starting from the current one; empty when cancelled.
    using ColourChooser = std::function<std::optional<ColourRef>(QWidget* parent, ColourRef current)>;

    explicit TextLabelDialog(QWidget* parent = nullptr);

    // The dialog opens with its bottom-left corner at (x, y) in screen coordinates.
    void SetPlacement(int x, int y, int mode);
    void SetValues(const QString& text, const QString& size, ColourRef colour);

    QString Text() const { return text_; }
    QString Size() const { return size_; }
    ColourRef Colour() const { return colour_; }
    // Whether a font was chosen in this opening, and which.
    bool FontChosen() const { return fontChosen_; }
    QFont ChosenFont() const { return font_; }

    void SetFontChooser(FontChooser chooser) { fontChooser_ = std::move(chooser); }
    void SetColourChooser(ColourChooser chooser) { colourChooser_ = std::move(chooser); }

    // The swatch beside the colour button, in dialog client coordinates.
    QRect SwatchRect() const;

    // For tests and the window: the controls.
    QComboBox* SizeList() const { return sizeList_; }
    QLineEdit* TextEdit() const { return textEdit_; }
    QPushButton* FontButton() const { return fontButton_; }
    QPushButton* ColourButton() const { return colourButton_; }
    QLabel* FontName() const { return fontName_; }

    // The font and colour buttons' work, callable without a click.
    void ChooseFont();
    void ChooseColour();

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void accept() override;

  private:
    void SizeChanged(int index);

    QString text_;
    QString size_;
    ColourRef colour_ = 0;
    bool fontChosen_ = false;
    QFont font_;
    QPoint at_;
    bool placed_ = false;

    QPushButton* fontButton_ = nullptr;
    QLabel* fontName_ = nullptr;
    QComboBox* sizeList_ = nullptr;
    QPushButton* colourButton_ = nullptr;
    QLineEdit* textEdit_ = nullptr;
    FontChooser fontChooser_;
    ColourChooser colourChooser_;
};

} // namespace vx7::controls
