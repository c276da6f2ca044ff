#include "materials/ui/MakeupBoxDialog.h"
#include "controls/GradientButton.h"
#include "imaging/raster/RasterDocument.h"
#include "support/TempInstallFolder.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

using namespace vx7::materials;
using vx7::imaging::Colour;

namespace {

struct MakeupBoxDialogTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    QStringList palettes;
    std::unique_ptr<vx7::imaging::RasterDocument> document = std::make_unique<vx7::imaging::RasterDocument>();

    // Palette n is a flat colour that tells it apart from every other.
    static QColor ColourOf(int n) { return QColor(20 * n, 255 - 20 * n, 100); }

    void WritePalettes(int count, int broken = -1) {
        for (int n = 1; n <= count; ++n) {
            const QString path = home.Sub(QStringLiteral("ephoto_syspic/vx7ECam化装盒_COLOR%1.png").arg(n));
            if (n == broken) {
                home.WriteFile(QStringLiteral("ephoto_syspic/vx7ECam化装盒_COLOR%1.png").arg(n),
                               "not a picture");
            } else {
                QImage img(30, 30, QImage::Format_RGB32);
                img.fill(ColourOf(n));
                img.save(path);
            }
            palettes.append(path);
        }
    }
};

QPoint Centre(const QRect& r) {
    return r.topLeft() + QPoint(r.width() / 2, r.height() / 2);
}

} // namespace

TEST_F(MakeupBoxDialogTest, PalettesAreShownColumnByColumnWithFrames) {
    WritePalettes(8);
    MakeupBoxDialog dialog([this] { return palettes; }, *document);
    const QImage surface = dialog.PaintSurface();
    const QRect area = MakeupBoxDialog::PictureArea();
    const int rows = MakeupBox::Rows(area);
    ASSERT_GE(rows, 2);
    const auto& swatches = dialog.Box().Swatches();
    ASSERT_EQ(swatches.size(), 8u);
    for (int i = 0; i < 8; ++i) {
        const QRect r = swatches[size_t(i)];
        EXPECT_EQ(r.left(), swatches[0].left() + (i / rows) * 26) << i;
        EXPECT_EQ(QColor(surface.pixel(Centre(r))), ColourOf(i + 1)) << i;
        // The 3-D frame: dark top-left edge, light bottom-right edge.
        EXPECT_EQ(surface.pixel(r.topLeft()) & 0xFFFFFF, 0x2C2C2Cu) << i;
        EXPECT_EQ(surface.pixel(r.bottomRight()) & 0xFFFFFF, 0xBCBCBCu) << i;
    }
    EXPECT_EQ(surface.pixel(2, 2) & 0xFFFFFF, 0xC8C8C8u);
}

TEST_F(MakeupBoxDialogTest, ChoosingASwatchEnablesOkAndOkSamplesIt) {
    WritePalettes(8);
    MakeupBoxDialog dialog([this] { return palettes; }, *document);
    dialog.PaintSurface();
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    const QRect sixth = dialog.Box().Swatches()[5];
    QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, Centre(sixth));
    EXPECT_EQ(dialog.Box().Chosen(), 5);
    ASSERT_TRUE(dialog.OkButton()->isEnabled());
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.SampleTaken());
    EXPECT_TRUE(document->SampleTaken());
    // The patch is centred one pixel left of the swatch's middle: its centre is the
    // palette, its top-left corner lies just outside the swatch on the box's grey.
    EXPECT_EQ(document->SampleAt(11, 11), Colour::FromQRgb(ColourOf(6).rgb()));
    EXPECT_EQ(document->SampleAt(0, 0), Colour(0x00C8C8C8u));
    EXPECT_EQ(document->SampleAt(1, 1), Colour(0x002C2C2Cu)); // the frame's top-left corner
}

TEST_F(MakeupBoxDialogTest, OkWithoutAChosenSwatchTakesNoSample) {
    WritePalettes(8);
    MakeupBoxDialog dialog([this] { return palettes; }, *document);
    dialog.PaintSurface();
    QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2)); // beside every swatch
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    dialog.TakeSampleAndClose();
    EXPECT_FALSE(dialog.SampleTaken());
    EXPECT_FALSE(document->SampleTaken());
}

TEST_F(MakeupBoxDialogTest, UndecodablePaletteDrawsNothingButStillAnswersClicks) {
    WritePalettes(4, 2);
    MakeupBoxDialog dialog([this] { return palettes; }, *document);
    const QImage surface = dialog.PaintSurface();
    const QRect broken = dialog.Box().Swatches()[1];
    EXPECT_EQ(surface.pixel(Centre(broken)) & 0xFFFFFF, 0xC8C8C8u);
    EXPECT_EQ(surface.pixel(broken.topLeft()) & 0xFFFFFF, 0xC8C8C8u);
    QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, Centre(broken));
    EXPECT_EQ(dialog.Box().Chosen(), 1);
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
}

TEST_F(MakeupBoxDialogTest, CancelTakesNoSample) {
    WritePalettes(3);
    MakeupBoxDialog dialog([this] { return palettes; }, *document);
    dialog.PaintSurface();
    QTest::mouseClick(&dialog, Qt::LeftButton, Qt::NoModifier, Centre(dialog.Box().Swatches()[0]));
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(document->SampleTaken());
}

TEST_F(MakeupBoxDialogTest, OpensAtTheGivenCorner) {
    MakeupBoxDialog dialog([] { return QStringList(); }, *document);
    dialog.PlaceAt(QPoint(120, 90));
    EXPECT_EQ(dialog.pos(), QPoint(120, 90));
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
}
