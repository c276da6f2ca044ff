#include "controls/CCMyColorSelDlg.h"
#include "controls/TextLabelDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace vx7::controls;

TEST(ColourDialogPlacementTest, EachModePutsTheDialogWhereItsCornerBelongs) {
    const QSize size(400, 300);
    EXPECT_EQ(PlaceColourDialog(size, {100, 500}, ColourDialogPlacement::TopLeft, 0, 0), QPoint(100, 500));
    EXPECT_EQ(PlaceColourDialog(size, {100, 500}, ColourDialogPlacement::BottomLeft, 0, 0), QPoint(100, 200));
    EXPECT_FALSE(PlaceColourDialog(size, {100, 500}, ColourDialogPlacement::Default, 0, 0).has_value());
}

TEST(ColourDialogPlacementTest, LimitedModeKeepsTheRightAndBottomEdgesOnTheLimits) {
    const QSize size(400, 300);
    // Fits: stays at the point.
    EXPECT_EQ(PlaceColourDialog(size, {100, 50}, ColourDialogPlacement::WithinLimits, 1280, 900),
              QPoint(100, 50));
    // Beyond the right limit: the right edge lands on it.
    EXPECT_EQ(PlaceColourDialog(size, {1000, 50}, ColourDialogPlacement::WithinLimits, 1280, 900),
              QPoint(880, 50));
    // Beyond both.
    EXPECT_EQ(PlaceColourDialog(size, {1000, 700}, ColourDialogPlacement::WithinLimits, 1280, 900),
              QPoint(880, 600));
}

TEST(ColourDialogTest, IsQtsOwnDialogWithTheDefaultPlacement) {
    CCMyColorSelDlg dialog;
    EXPECT_TRUE(dialog.testOption(QColorDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog.PlacementPoint(), QPoint(100, 50));
    EXPECT_EQ(dialog.Placement(), ColourDialogPlacement::Default);
    dialog.SetInitialColour(MakeColourRef(10, 20, 30));
    EXPECT_EQ(dialog.currentColor(), QColor(10, 20, 30));
}

TEST(TextLabelDialogTest, SizeListOffersTheElevenSizesAndTakesTheChosenOne) {
    TextLabelDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("编辑显示文字"));
    const QStringList sizes = TextLabelDialog::SizeEntries();
    ASSERT_EQ(dialog.SizeList()->count(), 11);
    for (int i = 0; i < sizes.size(); ++i)
        EXPECT_EQ(dialog.SizeList()->itemText(i), sizes[i]);
    dialog.SetValues(QStringLiteral("你好"), QStringLiteral("28"), MakeColourRef(255, 222, 222));
    EXPECT_EQ(dialog.SizeList()->currentText(), QStringLiteral("28"));
    EXPECT_EQ(dialog.TextEdit()->text(), QStringLiteral("你好"));
    dialog.SizeList()->setCurrentIndex(dialog.SizeList()->findText(QStringLiteral("78")));
    EXPECT_EQ(dialog.Size(), QStringLiteral("78"));
}

TEST(TextLabelDialogTest, FontIsChosenOnlyWhenTheChooserSaysOk) {
    TextLabelDialog dialog;
    dialog.SetFontChooser([](QWidget*) { return std::optional<QFont>(); });
    dialog.ChooseFont();
    EXPECT_FALSE(dialog.FontChosen());
    EXPECT_EQ(dialog.FontName()->text(), QStringLiteral("--"));
    QFont chosen(QStringLiteral("WenQuanYi Zen Hei"), 20);
    dialog.SetFontChooser([chosen](QWidget*) { return std::optional<QFont>(chosen); });
    dialog.ChooseFont();
    EXPECT_TRUE(dialog.FontChosen());
    EXPECT_EQ(dialog.ChosenFont().family(), chosen.family());
    EXPECT_EQ(dialog.FontName()->text(), chosen.family());
}

TEST(TextLabelDialogTest, ColourButtonChangesTheSwatchOnlyOnOk) {
    TextLabelDialog dialog;
    dialog.SetValues(QString(), QStringLiteral("28"), MakeColourRef(1, 2, 3));
    dialog.SetColourChooser([](QWidget*, ColourRef) { return std::optional<ColourRef>(); });
    dialog.ChooseColour();
    EXPECT_EQ(dialog.Colour(), MakeColourRef(1, 2, 3));
    dialog.SetColourChooser(
        [](QWidget*, ColourRef) { return std::optional<ColourRef>(MakeColourRef(9, 9, 9)); });
    dialog.ChooseColour();
    EXPECT_EQ(dialog.Colour(), MakeColourRef(9, 9, 9));
    // The swatch lies just right of the colour button, as tall as it.
    const QRect button = dialog.ColourButton()->geometry();
    EXPECT_EQ(dialog.SwatchRect().left(), button.right() + 1 + 3);
    EXPECT_EQ(dialog.SwatchRect().top(), button.top());
    EXPECT_EQ(dialog.SwatchRect().height(), button.height());
    const QImage shown = dialog.grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(dialog.SwatchRect().center())), QColor(9, 9, 9));
}

TEST(TextLabelDialogTest, OkReturnsTheTypedTextAndOpensAboveThePoint) {
    TextLabelDialog dialog;
    dialog.SetValues(QStringLiteral("旧"), QStringLiteral("28"), 0);
    dialog.SetPlacement(300, 600, 2011);
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.TextEdit()->setText(QStringLiteral("新文字"));
        static_cast<QDialog&>(dialog).accept();
    });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(dialog.Text(), QStringLiteral("新文字"));
    EXPECT_EQ(dialog.frameGeometry().bottomLeft().x(), 300);
    EXPECT_EQ(dialog.frameGeometry().bottom() + 1, 600);
}
