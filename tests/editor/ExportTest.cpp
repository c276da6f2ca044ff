#include "editor/export/EditorExport.h"
#include "editor/export/PhotoSaveDialog.h"
#include "editor/export/PhotoSaveModel.h"

#include "core/ImageFiles.h"
#include "imaging/raster/RasterDocument.h"
#include "support/FileBytes.h"
#include "support/ScriptedPrompt.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vx7::editor {
using vx7::test::ReadAll;

namespace {

// A composition in which every pixel differs from its neighbours, so an
// export that is off by one column or row cannot match.
QImage Pattern(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7) & 255, (y * 5) & 255, (x + y) & 255));
    return image;
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QImage Load(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

double MeanChannelDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

class ExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        work = dir.filePath("tmpBmpData");
        photos = dir.filePath("photos");
        saves = dir.filePath("saves");
        QDir().mkpath(work);
        QDir().mkpath(photos);
        QDir().mkpath(saves);
        composition = Pattern(560, 482);
    }

    EditorExport MakeExporter() {
        ExportSettings settings;
        settings.workFolder = work;
        settings.photoFolder = [this] { return photos; };
        settings.savedFolder = [this] { return slot201; };
        settings.storeFolder = [this](QString f) { slot202 = f; };
        return EditorExport(
            raster, [this] { return composition; }, encoders, prompt, settings,
            PhotoSaveMemory{chosenFolder, lastName});
    }

    // The pixels the export must hold: the composition inside the valid area.
    QImage Expected() const { return composition.copy(7, 7, 320, 240); }

    QTemporaryDir dir;
    QString work, photos, saves;
    QString slot201, slot202;
    QString chosenFolder, lastName;
    imaging::RasterDocument raster; // valid area (6, 6, 326, 246) from the start
    core::EncoderRegistry encoders;
    test::ScriptedPrompt prompt;
    QImage composition;
};

// ---- The export picture ----

TEST(CutExportPictureTest, TakesColumnsAndRowsOneInsideTheAreaCorner) {
    const QImage composition = Pattern(400, 300);
    const QImage picture = CutExportPicture(composition, imaging::IntRect{6, 6, 326, 246});
    ASSERT_EQ(picture.size(), QSize(320, 240));
    // Column left + 1 ... right and row top + 1 ... bottom.
    EXPECT_EQ(picture.pixel(0, 0), composition.pixel(7, 7));
    EXPECT_EQ(picture.pixel(319, 239), composition.pixel(326, 246));
    EXPECT_EQ(picture, composition.copy(7, 7, 320, 240).convertToFormat(QImage::Format_RGB32));
}

TEST(CutExportPictureTest, OutsideTheCanvasIsWhiteAndAnEmptyAreaGivesNothing) {
    const QImage composition = Pattern(100, 100);
    const QImage picture = CutExportPicture(composition, imaging::IntRect{90, 90, 110, 110});
    ASSERT_EQ(picture.size(), QSize(20, 20));
    EXPECT_EQ(picture.pixel(0, 0), composition.pixel(91, 91));
    EXPECT_EQ(picture.pixel(19, 19), qRgb(255, 255, 255));
    EXPECT_TRUE(CutExportPicture(composition, imaging::IntRect{10, 10, 10, 50}).isNull());
}

// ---- The extension rule of "保存退出" ----

TEST(SaveBackFormatTest, OnlyTheUpperAndLowerCaseFormsCount) {
    EXPECT_EQ(SaveBackFormat("/p/a.jpg"), "JPG");
    EXPECT_EQ(SaveBackFormat("/p/a.JPG"), "JPG");
    EXPECT_EQ(SaveBackFormat("/p/a.png"), "PNG");
    EXPECT_EQ(SaveBackFormat("/p/a.BMP"), "BMP");
    EXPECT_EQ(SaveBackFormat("/p/a.gif"), "GIF");
    EXPECT_EQ(SaveBackFormat("/p/a.Jpg"), "");
    EXPECT_EQ(SaveBackFormat("/p/a.pNg"), "");
    EXPECT_EQ(SaveBackFormat("/p/a.jpeg"), "");
    EXPECT_EQ(SaveBackFormat(".bmp"), "BMP"); // four characters are enough
    EXPECT_EQ(SaveBackFormat("bmp"), "");
    EXPECT_EQ(SaveBackFormat(""), "");
}

// ---- Save back ----

TEST_F(ExportTest, SaveBackWritesThePngOfTheValidArea) {
    const QString path = QDir(photos).filePath("shot.png");
    ASSERT_TRUE(WriteBytes(path, "old"));
    EditorExport exporter = MakeExporter();
    EXPECT_EQ(exporter.SaveBack(path), EditorExport::SaveBackResult::Written);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), "png");
    EXPECT_EQ(Load(path), Expected());
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_FALSE(QFile::exists(path + ".vx7part"));
}

TEST_F(ExportTest, SaveBackWithAMixedCaseExtensionWritesNothingAndSaysSo) {
    const QString path = QDir(photos).filePath("shot.Jpg");
    ASSERT_TRUE(WriteBytes(path, "original bytes"));
    EditorExport exporter = MakeExporter();
    EXPECT_EQ(exporter.SaveBack(path), EditorExport::SaveBackResult::NothingWritten);
    EXPECT_EQ(ReadAll(path), QByteArray("original bytes"));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].text.contains("没有保存"));
    EXPECT_TRUE(prompt.shown[0].text.contains("shot.Jpg"));
}

TEST_F(ExportTest, ReadOnlyPhotoIsReportedAndLeftIntact) {
    const QString path = QDir(photos).filePath("shot.jpg");
    ASSERT_TRUE(WriteBytes(path, "original bytes"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    EditorExport exporter = MakeExporter();
    EXPECT_EQ(exporter.SaveBack(path), EditorExport::SaveBackResult::Failed);
    EXPECT_EQ(ReadAll(path), QByteArray("original bytes"));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].text.contains("保存失败"));
}

TEST_F(ExportTest, EncoderFailureLeavesTheOriginalWholeAndNoPartFile) {
    // A GIF encoder that gives up half way through its file.
    encoders.Add(core::ImageEncoder{"image/gif", [](const QImage&, const QString& path, int) {
                                        WriteBytes(path, "GIF8");
                                        return false;
                                    }});
    const QString path = QDir(photos).filePath("anim.gif");
    ASSERT_TRUE(WriteBytes(path, "original gif"));
    EditorExport exporter = MakeExporter();
    EXPECT_EQ(exporter.SaveBack(path), EditorExport::SaveBackResult::Failed);
    EXPECT_EQ(ReadAll(path), QByteArray("original gif"));
    EXPECT_EQ(QDir(photos).entryList(QDir::Files), QStringList{"anim.gif"});
    EXPECT_EQ(prompt.shown.size(), 1u);
}

TEST_F(ExportTest, UnreadablePhotoIsNeverOverwrittenByTheCanvas) {
    const QString path = QDir(photos).filePath("broken.jpg");
    ASSERT_TRUE(WriteBytes(path, "not a picture"));
    EditorExport exporter = MakeExporter();
    EXPECT_EQ(exporter.SaveBack(path, /*photoUnreadable=*/true), EditorExport::SaveBackResult::Failed);
    EXPECT_EQ(ReadAll(path), QByteArray("not a picture"));
    EXPECT_EQ(prompt.shown.size(), 1u);
}

TEST_F(ExportTest, MissingFolderIsReported) {
    EditorExport exporter = MakeExporter();
    EXPECT_EQ(exporter.SaveBack(dir.filePath("gone/shot.bmp")), EditorExport::SaveBackResult::Failed);
    EXPECT_EQ(prompt.shown.size(), 1u);
}

// ---- Clipboard ----

TEST_F(ExportTest, ClipboardHoldsThePictureAndTheJpgWorkFileIsWritten) {
    EditorExport exporter = MakeExporter();
    ASSERT_TRUE(exporter.CopyToClipboard());
    const QString workFile = EditorExport::ClipboardWorkFile(work);
    QImageReader reader(workFile);
    reader.setDecideFormatFromContent(true);
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(copied.size(), QSize(320, 240));
    // The copy is the JPG work file, so it equals the export within the JPEG error.
    EXPECT_EQ(copied, Load(workFile));
    // The pattern is all edges, the worst case for JPEG.
    EXPECT_LE(MeanChannelDifference(copied, Expected()), 12.0);
}

TEST_F(ExportTest, ClipboardCopyWithoutAWorkFolderIsReported) {
    work = dir.filePath("no-such-folder");
    EditorExport exporter = MakeExporter();
    EXPECT_FALSE(exporter.CopyToClipboard());
    EXPECT_EQ(prompt.shown.size(), 1u);
}

// ---- The photo save dialog's decisions ----

TEST_F(ExportTest, PhotoSaveProposesSettingsFolderRunFolderOrPhotoFolder) {
    EditorExport exporter = MakeExporter();
    const QString source = exporter.PreparePhotoSave();
    ASSERT_FALSE(source.isEmpty());
    EXPECT_EQ(Load(source), Expected());

    EXPECT_EQ(PhotoSaveModel(exporter, source).Folder(), photos); // nothing stored yet
    slot201 = saves;
    EXPECT_EQ(PhotoSaveModel(exporter, source).Folder(), saves);
    PhotoSaveModel model(exporter, source);
    EXPECT_EQ(model.Name(), QString::fromUtf8("我的新拍照2011"));
    model.ChooseFolder(dir.path());
    EXPECT_EQ(slot202, dir.path());
    EXPECT_EQ(PhotoSaveModel(exporter, source).Folder(), dir.path()); // the run's choice wins
}

TEST_F(ExportTest, OverwriteQuestionNamesTheFileAndNoKeepsEverything) {
    slot201 = saves;
    ASSERT_TRUE(WriteBytes(QDir(saves).filePath("x.jpg"), "existing"));
    EditorExport exporter = MakeExporter();
    PhotoSaveModel model(exporter, exporter.PreparePhotoSave());
    model.SetName("x");
    prompt.answers = {false};
    EXPECT_EQ(model.Save(), PhotoSaveModel::SaveResult::Declined);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_TRUE(prompt.shown[0].question);
    EXPECT_EQ(prompt.shown[0].text, QString::fromUtf8("图片文件< x >已存在!是否替换?"));
    EXPECT_EQ(prompt.shown[0].title, QString::fromUtf8("特别提示"));
    EXPECT_EQ(ReadAll(QDir(saves).filePath("x.jpg")), QByteArray("existing"));
    EXPECT_TRUE(lastName.isEmpty());

    prompt.answers = {true};
    EXPECT_EQ(model.Save(), PhotoSaveModel::SaveResult::Saved);
    EXPECT_EQ(Load(QDir(saves).filePath("x.jpg")).size(), QSize(320, 240));
}

TEST_F(ExportTest, SecondSaveProposesTheFirstNameAndFolder) {
    EditorExport exporter = MakeExporter();
    {
        PhotoSaveModel first(exporter, exporter.PreparePhotoSave());
        first.ChooseFolder(saves);
        first.SetName("portrait");
        ASSERT_EQ(first.Save(), PhotoSaveModel::SaveResult::Saved);
    }
    EXPECT_TRUE(QFile::exists(QDir(saves).filePath("portrait.jpg")));
    PhotoSaveModel second(exporter, exporter.PreparePhotoSave());
    EXPECT_EQ(second.Name(), "portrait");
    EXPECT_EQ(second.Folder(), saves);
    EXPECT_EQ(second.TargetPath(), QDir(saves).filePath("portrait.jpg"));
}

TEST_F(ExportTest, UnsafeOrEmptyNamesAreRefusedWithAMessage) {
    EditorExport exporter = MakeExporter();
    PhotoSaveModel model(exporter, exporter.PreparePhotoSave());
    for (const QString& name :
         {QString(""), QString("  "), QString("../up"), QString("a/b"), QString("a\\b"), QString("..")}) {
        prompt.shown.clear();
        model.SetName(name);
        EXPECT_EQ(model.Save(), PhotoSaveModel::SaveResult::Refused) << name.toStdString();
        EXPECT_EQ(prompt.shown.size(), 1u);
    }
    EXPECT_EQ(QDir(photos).entryList(QDir::Files), QStringList{});
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{});
}

TEST(PhotoPreviewPlacementTest, SmallPictureKeepsItsSizeCentredLargeOneShrinksByTheSmallerRatio) {
    const QRect inner(10, 10, 300, 200);
    EXPECT_EQ(PhotoPreviewPlacement(QSize(100, 50), inner), QRect(110, 85, 100, 50));
    // 600 x 200: width ratio 0.5, height ratio 1.0 -> 0.5.
    EXPECT_EQ(PhotoPreviewPlacement(QSize(600, 200), inner), QRect(10, 60, 300, 100));
    EXPECT_TRUE(PhotoPreviewPlacement(QSize(0, 0), inner).isNull());
}

// ---- The dialog itself ----

TEST_F(ExportTest, DialogTakesEditsAtOnceAndStaysOpenOnNo) {
    slot201 = saves;
    ASSERT_TRUE(WriteBytes(QDir(saves).filePath("y.jpg"), "existing"));
    EditorExport exporter = MakeExporter();
    PhotoSaveModel model(exporter, exporter.PreparePhotoSave());
    QStringList starts;
    PhotoSaveDialog dialog(model, [&](QWidget*, const QString& start) -> std::optional<QString> {
        starts.append(start);
        if (starts.size() == 1)
            return photos;
        return std::nullopt; // cancelled: nothing changes
    });
    EXPECT_EQ(dialog.NameEdit()->text(), QString::fromUtf8("我的新拍照2011"));
    dialog.ChooseFolderButton()->click();
    EXPECT_EQ(model.Folder(), photos);
    dialog.ChooseFolderButton()->click();
    EXPECT_EQ(starts, (QStringList{saves, photos}));
    EXPECT_EQ(model.Folder(), photos);
    EXPECT_EQ(slot202, photos);
    dialog.NameEdit()->setText("y");
    EXPECT_EQ(model.Name(), "y");
    // Back to the folder that holds y.jpg through the model, then No.
    model.ChooseFolder(saves);
    dialog.show();
    prompt.answers = {false};
    dialog.SaveButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadAll(QDir(saves).filePath("y.jpg")), QByteArray("existing"));
    prompt.answers = {true};
    dialog.SaveButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    // 320 x 240 is a little wider than the frame's inside (318 x 246): scaled by 318 / 320.
    EXPECT_EQ(dialog.PreviewRect().size(), QSize(318, 238));
}

} // namespace
} // namespace vx7::editor
