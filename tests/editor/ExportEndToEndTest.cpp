// The whole fitting platform once through its real windows: a portrait is cut
// out with a keep polygon, put over a background picture, dressed with a
// garment, captioned, and written back with "保存退出".
#include "editor/control/EditorView.h"
#include "editor/document/EditorSession.h"
#include "editor/export/EditorExport.h"
#include "editor/export/PhotoSaveDialog.h"
#include "editor/export/PhotoSaveModel.h"
#include "editor/interaction/CanvasInteraction.h"
#include "editor/window/EditorCanvas.h"
#include "editor/window/EditorWindow.h"

#include "core/ImageFiles.h"
#include "core/SysInfo.h"
#include "imaging/drawing/DrawingItemList.h"
#include "imaging/raster/RasterDocument.h"
#include "materials/MaterialCatalogue.h"
#include "materials/MaterialPackageWriter.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QCheckBox>
#include <QDir>
#include <QImageReader>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace vx7::editor {
namespace {

constexpr QRgb kSkin = 0xFFE0B090;
constexpr QRgb kGarment = 0xFFC01020;

// A head-and-shoulders portrait: a skin ellipse on a green wall.
QImage Portrait() {
    QImage image(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x) {
            const double dx = (x - 160) / 70.0, dy = (y - 110) / 90.0;
            image.setPixel(x, y, dx * dx + dy * dy <= 1.0 ? kSkin : qRgb(40, 150 + y / 4, 60));
        }
    return image;
}

// The background picture: a blue gradient that differs in every column and row.
QRgb BackgroundAt(int x, int y) {
    return qRgb(x % 200, 40 + y % 200, 230);
}
QImage BackgroundPicture() {
    QImage image(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            image.setPixel(x, y, BackgroundAt(x, y));
    return image;
}

// A jacket: opaque red with transparent corners.
QImage Garment() {
    QImage image(120, 80, QImage::Format_ARGB32);
    image.fill(kGarment);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, 0));
    return image;
}

class ScriptedDialogs final : public EditorDialogs {
  public:
    std::optional<imaging::Colour> ChooseColour(imaging::Colour, QPoint, int) override {
        return std::nullopt;
    }
    std::optional<ChosenFile> ChooseOpenFile(const QString&, const QString&, const QString&) override {
        return ChosenFile{openFile, QString()};
    }
    bool EditCaption(CaptionEdit& edit, QPoint) override {
        edit.text = captionText;
        edit.size = QStringLiteral("28");
        edit.colour = imaging::Colour::FromRgb(255, 255, 0);
        return true;
    }
    void RunMakeupBox(QPoint) override {}
    EditorCommand PopupMenu(const MenuEntries&, QPoint) override { return EditorCommand::None; }
    void RunPhotoSave(EditorExport&, QPoint) override {}

    QString openFile;
    QString captionText;
};

QImage Load(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

TEST(ExportEndToEndTest, CutOutPortraitOverBackgroundWithGarmentAndCaptionIsWrittenBack) {
    test::TempInstallFolder install;
    const QString photo = install.Sub("2011拍照图片/portrait.png");
    QDir().mkpath(QFileInfo(photo).absolutePath());
    ASSERT_TRUE(Portrait().save(photo));
    const QString background = install.Sub("vx7Ecamsys背景图片/wall.png");
    QDir().mkpath(QFileInfo(background).absolutePath());
    ASSERT_TRUE(BackgroundPicture().save(background));
    const QString garments = install.Sub("garments");
    QDir().mkpath(garments);
    ASSERT_TRUE(Garment().save(QDir(garments).filePath("jacket.png")));

    materials::MaterialPackage package;
    package.pictureFolder = garments;
    materials::MaterialRecord jacket;
    jacket.pictureName = "jacket";
    jacket.x = 200;
    jacket.y = 250;
    jacket.layer = 0;
    package.records.push_back(jacket);
    QDir().mkpath(install.Sub(materials::MaterialCatalogue::LibraryFolderName()));
    materials::MaterialCatalogue catalogue(install.Path());
    ASSERT_TRUE(materials::MaterialPackageWriter::WriteFile(
        package, catalogue.PackagePath(materials::MaterialCatalogue::StartCategory())));

    core::SysInfo sys;
    sys.SetFolder(install.Path());
    imaging::RasterDocument raster;
    imaging::DrawingItemList items;
    test::ScriptedPrompt prompt;
    EditorSession session;
    core::EncoderRegistry encoders;
    ScriptedDialogs dialogs;
    dialogs.openFile = background;
    dialogs.captionText = QStringLiteral("试衣效果");
    EditorContext context{raster, items, catalogue, sys, prompt, session, encoders, &dialogs};

    EditorWindow window(context, photo, 0, 0);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.ComposeCanvasNow();
    ASSERT_TRUE(raster.PhotoLoaded());
    const QPoint origin = raster.PhotoPosition();
    ASSERT_EQ(raster.ValidArea(),
              (imaging::IntRect{origin.x(), origin.y(), origin.x() + 320, origin.y() + 240}));
    EditorCanvas* canvas = window.Canvas();
    auto at = [&](int column, int row) { return origin + QPoint(column, row); };

    // Keep the head: a polygon around the ellipse, closed near its first corner.
    window.Controller().Run(EditorCommand::KeepShape);
    const QPoint corners[] = {at(80, 10), at(240, 10), at(240, 205), at(80, 205)};
    for (const QPoint& p : corners) {
        QTest::mouseMove(canvas, p);
        QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, p);
    }
    QTest::mouseMove(canvas, at(82, 12));
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::NoModifier, at(82, 12));
    ASSERT_EQ(window.Interaction().ToolMode(), imaging::ToolMode::None);
    EXPECT_EQ(raster.MaskAt(160, 110), imaging::PixelMask::Kept);
    EXPECT_EQ(raster.MaskAt(20, 20), imaging::PixelMask::Removed);

    // The background picture, shown where the photo was removed.
    window.Controller().Run(EditorCommand::LoadBackground);
    window.BackgroundCheck()->click();
    window.ComposeCanvasNow();
    ASSERT_TRUE(raster.BackgroundLoaded());

    // The jacket from the package, and the caption dragged into the picture.
    window.Controller().PreviewItem(0);
    window.Controller().PlacePreviewed();
    window.Controller().Run(EditorCommand::EditCaption);
    window.ComposeCanvasNow();
    const QRect caption = window.Controller().Caption().DrawnRect();
    ASSERT_FALSE(caption.isEmpty());
    const QPoint captionTarget = at(100, 225);
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, caption.center());
    QTest::mouseMove(canvas, captionTarget);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, captionTarget);
    window.ComposeCanvasNow();
    ASSERT_TRUE(window.Controller().Caption().DrawnRect().contains(captionTarget));
    QTest::qWait(50);

    const QString shots = QStringLiteral(VX7_SOURCE_DIR "/docs/screenshots");
    if (qEnvironmentVariableIsSet("VX7_WRITE_SCREENSHOTS")) {
        PhotoSaveModel model(window.Export(), window.Export().PreparePhotoSave());
        PhotoSaveDialog dialog(model, nullptr, &window);
        dialog.show();
        QTest::qWait(200);
        dialog.grab().save(QDir(shots).filePath("photo-save-dialog.png"));
    }

    const QImage expected = window.RenderComposition().copy(origin.x() + 1, origin.y() + 1, 320, 240);
    window.Controller().Run(EditorCommand::SaveAndExit);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(prompt.shown.empty());

    QImageReader reader(photo);
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), "png");
    const QImage written = Load(photo);
    ASSERT_EQ(written.size(), QSize(320, 240));
    EXPECT_EQ(written, expected.convertToFormat(QImage::Format_RGB32));

    // What each layer put there, worked out from the inputs alone. Export pixel
    // (x, y) is photo pixel (x + 1, y + 1).
    auto shown = [&](int column, int row) { return written.pixel(column - 1, row - 1); };
    EXPECT_EQ(shown(160, 60), kSkin | 0xFF000000);      // the kept head
    EXPECT_EQ(shown(20, 20), BackgroundAt(20, 20));     // removed: the background picture
    EXPECT_EQ(shown(300, 150), BackgroundAt(300, 150)); // removed beside the polygon
    EXPECT_EQ(shown(200 + 60 - origin.x(), 250 + 40 - origin.y()), kGarment); // the jacket's middle
    EXPECT_NE(shown(200 + 2 - origin.x(), 250 + 2 - origin.y()), kGarment);   // its transparent corner
    // Yellow caption text somewhere inside its rectangle.
    const QRect text =
        window.Controller().Caption().DrawnRect().translated(-origin - QPoint(1, 1)) & QRect(0, 0, 320, 240);
    int yellow = 0;
    for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x) {
            const QRgb p = written.pixel(x, y);
            if (qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 80)
                ++yellow;
        }
    EXPECT_GT(yellow, 20);
}

} // namespace
} // namespace vx7::editor
