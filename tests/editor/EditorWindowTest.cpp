#include "editor/window/EditorWindow.h"
#include "EditorTestInstall.h"
#include "core/ImageFiles.h"
#include "editor/control/EditorView.h"
#include "editor/document/EditorLayout.h"
#include "editor/document/EditorSession.h"
#include "editor/window/EditorCanvas.h"
#include "editor/window/EditorPanel.h"
#include "imaging/drawing/DrawingItemList.h"
#include "imaging/raster/RasterDocument.h"
#include "materials/MaterialCatalogue.h"
#include "support/ScriptedPrompt.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace vx7;
using editor::EditorCommand;
using editor::GestureMode;
using imaging::ToolMode;
namespace prompts = editor::prompts;
namespace layout = editor::layout;

namespace {

// Dialogs that answer from the test and remember how they were asked.
class FakeDialogs : public editor::EditorDialogs {
  public:
    std::optional<imaging::Colour> ChooseColour(imaging::Colour, QPoint at, int placement) override {
        ++colourCalls;
        colourAt = at;
        colourPlacement = placement;
        return colour;
    }
    std::optional<editor::ChosenFile> ChooseOpenFile(const QString& folder, const QString& filter,
                                                     const QString&) override {
        fileFolder = folder;
        fileFilter = filter;
        return file;
    }
    bool EditCaption(editor::CaptionEdit& edit, QPoint) override {
        seenCaption = edit;
        if (!captionOk)
            return false;
        edit = captionResult;
        return true;
    }
    void RunMakeupBox(QPoint) override { ++makeupCalls; }
    EditorCommand PopupMenu(const editor::MenuEntries& entries, QPoint) override {
        menus.push_back(entries);
        return menuChoice;
    }
    void RunPhotoSave(editor::EditorExport&, QPoint) override { ++photoSaves; }

    std::optional<imaging::Colour> colour;
    int colourCalls = 0;
    QPoint colourAt;
    int colourPlacement = 0;
    std::optional<editor::ChosenFile> file;
    QString fileFolder, fileFilter;
    bool captionOk = false;
    editor::CaptionEdit captionResult, seenCaption;
    int makeupCalls = 0;
    EditorCommand menuChoice = EditorCommand::None;
    std::vector<editor::MenuEntries> menus;
    int photoSaves = 0;
};

QStringList Texts(const editor::MenuEntries& entries) {
    QStringList t = editor::MenuTexts(entries);
    t.removeAll(QStringLiteral("|"));
    return t;
}

class EditorWindowTest : public ::testing::Test {
  protected:
    explicit EditorWindowTest(int items = 4) : install(items), catalogue(install.folder.Path()) {
        catalogue.SetCurrentCategory(test::EditorTestInstall::Category());
        photo = install.WritePhoto();
    }

    editor::EditorWindow& Open(const QString& path, int mode = 9) {
        editor::EditorContext context{*raster,     *items,   catalogue,
                                      install.sys, prompt,   session,
                                      encoders,    &dialogs, [] { return QDate(2011, 3, 5); }};
        window = std::make_unique<editor::EditorWindow>(context, path, 100, mode);
        window->ComposeCanvasNow();
        return *window;
    }
    editor::EditorController& C() { return window->Controller(); }
    QString Status() const { return window->StatusLine()->text(); }

    test::EditorTestInstall install;
    materials::MaterialCatalogue catalogue;
    std::unique_ptr<imaging::RasterDocument> raster = std::make_unique<imaging::RasterDocument>();
    std::unique_ptr<imaging::DrawingItemList> items = std::make_unique<imaging::DrawingItemList>();
    editor::EditorSession session;
    core::EncoderRegistry encoders;
    test::ScriptedPrompt prompt;
    FakeDialogs dialogs;
    QString photo;
    std::unique_ptr<editor::EditorWindow> window;
};

TEST_F(EditorWindowTest, OpensOnThePhotoCentredAndLoadsItOnce) {
    auto& w = Open(photo);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("图片编辑[试衣平台]< %1 >").arg(photo));
    EXPECT_EQ(w.State().saveBackPath, photo);
    EXPECT_TRUE(w.State().openedPhotoPath.isEmpty());
    EXPECT_TRUE(raster->PhotoLoaded());
    // The 320 x 240 photo is centred on the 560 x 482 canvas: its figure's body at (160, 130) shows at (280,
    // 251).
    const QImage canvas = w.Canvas()->Surface().Image();
    EXPECT_EQ(canvas.pixel(280, 251) & 0xFFFFFF, 0x283C96u);
    // Drawing over the photo, then composing again, does not load it again.
    raster->SetPhotoPixel(160, 130, imaging::Colour::FromRgb(1, 2, 3), imaging::PixelMask::Kept);
    w.ComposeCanvasNow();
    EXPECT_EQ(w.Canvas()->Surface().Image().pixel(280, 251) & 0xFFFFFF, 0x010203u);
}

TEST_F(EditorWindowTest, WindowAndControlsSitWhereTheTemplatePutsThem) {
    auto& w = Open(photo);
    EXPECT_EQ(w.size(), QSize(869, 639));
    EXPECT_EQ(w.Canvas()->geometry(), QRect(6, 78, 560, 482));
    EXPECT_EQ(w.Panel()->geometry(), QRect(573, 54, 293, 528));
    EXPECT_EQ(w.StatusLine()->geometry(), QRect(6, 56, 485, 18));
    EXPECT_EQ(w.BackgroundCheck()->text(), QStringLiteral("背景图片"));
    EXPECT_EQ(w.MaterialCheck()->text(), QStringLiteral("素材(服装)"));
    EXPECT_EQ(Status(), prompts::kOpening);
    for (auto c :
         {EditorCommand::SelectNextMaterial, EditorCommand::RemoveMaterial, EditorCommand::MoveScaleMaterial,
          EditorCommand::MoveAllMaterials, EditorCommand::ClearAllMaterials})
        EXPECT_TRUE(w.MaterialButton(c)->isHidden());
    EXPECT_TRUE(w.PageButton(false)->isHidden());
    EXPECT_TRUE(w.PageButton(true)->isHidden());
    // Upper-row buttons 2 pixels above the check box, lower-row ones 22 below the canvas.
    EXPECT_EQ(layout::kButtons[0].rect, QRect(-2, 3, 40, 40));
    EXPECT_EQ(layout::kButtons[layout::ButtonIndex(2102)].rect.left(), 498 - 178);
    EXPECT_EQ(layout::kButtons[layout::ButtonIndex(3002)].rect, QRect(66, 582, 40, 40));
    // No two picture buttons overlap.
    for (size_t i = 0; i < layout::kButtons.size(); ++i)
        for (size_t j = i + 1; j < layout::kButtons.size(); ++j)
            EXPECT_FALSE(layout::kButtons[i].rect.intersects(layout::kButtons[j].rect)) << i << " " << j;
    EXPECT_EQ(w.PackageCombo()->currentText(), test::EditorTestInstall::Category());
    EXPECT_EQ(w.GroupCombo()->itemText(0), QStringLiteral("全部"));
}

struct PromptCase {
    EditorCommand command;
    ToolMode tool;
    GestureMode gesture;
    const QString* prompt;
};

TEST_F(EditorWindowTest, EveryToolCommandSetsItsModeAndPrompt) {
    Open(photo);
    const std::vector<PromptCase> cases{
        {EditorCommand::Eraser, ToolMode::Eraser, GestureMode::None, &prompts::kEraser},
        {EditorCommand::RemoveBackground, ToolMode::RemovePolygon, GestureMode::None,
         &prompts::kRemoveBackground},
        {EditorCommand::ChooseMagnifiedArea, ToolMode::ChooseMagnifiedArea, GestureMode::None,
         &prompts::kMagnifiedArea},
        {EditorCommand::MagicWand, ToolMode::MagicWand, GestureMode::None, &prompts::kMagicWand},
        {EditorCommand::KeepShape, ToolMode::KeepPolygon, GestureMode::None, &prompts::kKeepShape},
        {EditorCommand::LocalBrighten, ToolMode::LocalBrighten, GestureMode::None, &prompts::kLocalBrighten},
        {EditorCommand::LocalDarken, ToolMode::LocalDarken, GestureMode::None, &prompts::kLocalDarken},
        {EditorCommand::MakeupBox, ToolMode::MakeupBrush, GestureMode::None, &prompts::kMakeup},
        {EditorCommand::DragPhoto, ToolMode::None, GestureMode::DragPhoto, &prompts::kDragPhoto},
        {EditorCommand::PlaceOriginalPhoto, ToolMode::None, GestureMode::PlacePicture, &prompts::kPlaceScale},
        {EditorCommand::ChooseValidArea, ToolMode::ChooseValidArea, GestureMode::None, &prompts::kValidArea},
        {EditorCommand::ChooseExportArea, ToolMode::ChooseValidArea, GestureMode::None, &prompts::kValidArea},
        {EditorCommand::StickerPlain, ToolMode::StickerSelection, GestureMode::None, &prompts::kSticker},
        {EditorCommand::StickerFeather, ToolMode::StickerSelection, GestureMode::None, &prompts::kSticker},
        {EditorCommand::StickerBright, ToolMode::StickerSelection, GestureMode::None, &prompts::kSticker},
        {EditorCommand::Spotlight, ToolMode::SpotlightPolygon, GestureMode::None, &prompts::kSpotlight},
        {EditorCommand::DrawFreehand, ToolMode::Freehand, GestureMode::None, &prompts::kFreehand},
        {EditorCommand::DrawCircle, ToolMode::Circle, GestureMode::None, &prompts::kCircle},
        {EditorCommand::DrawPolyline, ToolMode::Polyline, GestureMode::None, &prompts::kPolyline},
        {EditorCommand::DrawRectangle, ToolMode::Rectangle, GestureMode::None, &prompts::kRectangle},
        {EditorCommand::DrawPolygonArea, ToolMode::PolygonArea, GestureMode::None, &prompts::kPolygonArea},
        {EditorCommand::DrawArrow, ToolMode::Arrow, GestureMode::None, &prompts::kArrow},
        {EditorCommand::MoveScaleMaterial, ToolMode::None, GestureMode::MoveMaterial,
         &prompts::kMoveScaleMaterial},
        {EditorCommand::MoveAllMaterials, ToolMode::None, GestureMode::MoveAllMaterials,
         &prompts::kMoveAllMaterials},
        {EditorCommand::EndTool, ToolMode::None, GestureMode::None, &prompts::kIdle},
    };
    for (const auto& c : cases) {
        C().Run(EditorCommand::DrawArrow); // some other tool runs first
        C().Run(c.command);
        EXPECT_EQ(window->State().toolMode, c.tool) << static_cast<int>(c.command);
        EXPECT_EQ(window->State().gesture, c.gesture) << static_cast<int>(c.command);
        EXPECT_EQ(Status(), *c.prompt) << static_cast<int>(c.command);
    }
    EXPECT_EQ(raster->GetEdgeStyle(), imaging::EdgeStyle::Bright);
}

TEST_F(EditorWindowTest, PopupMenusShowTheirConditionalEntries) {
    Open(photo, 9);
    C().Run(EditorCommand::ClearBackgroundMenu);
    ASSERT_EQ(dialogs.menus.size(), 1u);
    EXPECT_TRUE(Texts(dialogs.menus[0]).contains(QStringLiteral("选择装入新照片")));
    EXPECT_EQ(Texts(dialogs.menus[0]).first(), QStringLiteral("设置放大图区"));

    window->MaterialCheck()->click();
    C().Run(EditorCommand::ClearBackgroundMenu);
    EXPECT_EQ(Texts(dialogs.menus[1]).first(), QStringLiteral("用橡皮擦去背景"));

    C().Run(EditorCommand::BackgroundMenu);
    EXPECT_EQ(Texts(dialogs.menus[2]).size(), 3);

    // The chosen entry runs.
    dialogs.menuChoice = EditorCommand::MagicWand;
    C().Run(EditorCommand::ClearBackgroundMenu);
    EXPECT_EQ(window->State().toolMode, ToolMode::MagicWand);
}

TEST_F(EditorWindowTest, WithoutTheNewPhotoFlagTheNewPhotoEntriesAreMissing) {
    Open(photo, 0);
    C().Run(EditorCommand::ClearBackgroundMenu);
    const QStringList texts = Texts(dialogs.menus.at(0));
    EXPECT_FALSE(texts.contains(QStringLiteral("选择装入新照片")));
    EXPECT_FALSE(texts.contains(QStringLiteral("设置照片有效区")));
}

TEST_F(EditorWindowTest, ShiftTogglesThePlacementPromptEachPress) {
    auto& w = Open(photo);
    C().Run(EditorCommand::PlaceOriginalPhoto);
    ASSERT_EQ(w.State().gesture, GestureMode::PlacePicture);
    EXPECT_EQ(Status(), prompts::kPlaceScale);
    QTest::keyClick(&w, Qt::Key_Shift);
    EXPECT_EQ(Status(), prompts::kPlaceRotate);
    EXPECT_EQ(w.State().wheelAction, editor::WheelAction::Rotate);
    QTest::keyClick(&w, Qt::Key_Shift);
    EXPECT_EQ(Status(), prompts::kPlaceScale);
    // A click on the status line does the same.
    C().WindowLeftPress(layout::kStatus.center());
    EXPECT_EQ(Status(), prompts::kPlaceRotate);
}

TEST_F(EditorWindowTest, SecondStartOfOriginalPhotoPlacementCapturesTheCanvas) {
    Open(photo);
    const QString scaled = install.folder.Sub(QStringLiteral("tmpBmpData/ScaleNewTmpOrgPic.bmp"));
    C().Run(EditorCommand::PlaceOriginalPhoto);
    EXPECT_FALSE(QFile::exists(scaled));
    C().Run(EditorCommand::EndTool);
    C().Run(EditorCommand::PlaceOriginalPhoto);
    ASSERT_TRUE(QFile::exists(scaled));
    EXPECT_EQ(raster->PhotoPath(), scaled);
    EXPECT_EQ(window->State().originalPlacementCount, 2);
    const QImage written(scaled);
    const imaging::IntRect v = raster->ValidArea();
    EXPECT_EQ(written.size(), QSize(v.right - v.left, v.bottom - v.top));
}

TEST_F(EditorWindowTest, ClearAllAsksFirstAndOnlyYesClears) {
    auto& w = Open(photo);
    w.MaterialCheck()->click();
    C().PreviewItem(1);
    C().PlacePreviewed();
    ASSERT_EQ(session.materials.ShownCount(), 1);
    EXPECT_TRUE(w.MaterialButton(EditorCommand::ClearAllMaterials)->isEnabled());
    prompt.answers = {false};
    C().Run(EditorCommand::ClearAllMaterials);
    EXPECT_EQ(session.materials.ShownCount(), 1);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("真要清楚全部素材(服装)吗?请确认!"));
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("特别提示"));
    EXPECT_TRUE(prompt.shown[0].question);
    prompt.answers = {true};
    C().Run(EditorCommand::ClearAllMaterials);
    EXPECT_EQ(session.materials.ShownCount(), 0);
    EXPECT_FALSE(w.MaterialButton(EditorCommand::ClearAllMaterials)->isEnabled());
    EXPECT_EQ(C().PreviewedItem(), -1);
}

TEST_F(EditorWindowTest, UnreadablePhotoOpensTheEditorButIsNeverOverwritten) {
    const QString broken =
        install.folder.WriteFile(QStringLiteral("2011拍照图片/broken.jpg"), "not a picture");
    auto& w = Open(broken);
    ASSERT_FALSE(prompt.shown.empty());
    EXPECT_TRUE(prompt.shown[0].text.startsWith(QStringLiteral("照片无法读取")));
    EXPECT_TRUE(w.State().photoUnreadable);
    EXPECT_TRUE(Status().startsWith(QStringLiteral("照片无法读取")));
    prompt.answers = {false};
    C().Run(EditorCommand::SaveAndExit);
    EXPECT_EQ(w.result(), 0);
    EXPECT_TRUE(w.isVisible() || w.result() == 0);
    QFile f(broken);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("not a picture"));
    for (const QString& missing : {install.folder.Sub(QStringLiteral("2011拍照图片/none.jpg"))}) {
        Open(missing);
        EXPECT_TRUE(window->State().photoUnreadable);
        prompt.answers = {true};
        C().Run(EditorCommand::SaveAndExit);
        EXPECT_FALSE(QFile::exists(missing));
    }
}

TEST_F(EditorWindowTest, SaveAndExitWritesAReadablePhotoBack) {
    auto& w = Open(photo);
    w.show();
    C().Run(EditorCommand::SaveAndExit);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    const QImage written(photo);
    const imaging::IntRect v = raster->ValidArea();
    EXPECT_EQ(written.size(), QSize(v.right - v.left, v.bottom - v.top));
}

TEST_F(EditorWindowTest, BackgroundDialogStartsInTheBackgroundFolderAndRemembersTheChoice) {
    Open(photo);
    const QString other = install.folder.Sub(QStringLiteral("pictures/bg.png"));
    QDir().mkpath(QFileInfo(other).absolutePath());
    QImage(50, 50, QImage::Format_RGB32).save(other);
    dialogs.file = editor::ChosenFile{other, QString()};
    C().Run(EditorCommand::LoadBackground);
    EXPECT_EQ(dialogs.fileFolder, install.sys.BackgroundFolder());
    EXPECT_EQ(dialogs.fileFilter,
              QStringLiteral("图形文件(*.bmp,*.jpg,*.png,*.gif)|*.bmp;*.jpg;*.png;*.gif"));
    EXPECT_EQ(raster->BackgroundPath(), other);
    EXPECT_EQ(install.sys.Text(301), other);
    EXPECT_EQ(install.sys.Text(101), QFileInfo(other).absolutePath());
    EXPECT_TRUE(window->State().reloadBackground);

    // A typed name with a folder part is refused and changes nothing.
    dialogs.file =
        editor::ChosenFile{install.folder.Sub(QStringLiteral("x.png")), QStringLiteral("../x.png")};
    C().Run(EditorCommand::LoadBackground);
    EXPECT_EQ(raster->BackgroundPath(), other);
    EXPECT_TRUE(prompt.Texts().last().contains(QStringLiteral("..")));
    // Cancel changes nothing either.
    dialogs.file.reset();
    C().Run(EditorCommand::LoadBackground);
    EXPECT_EQ(raster->BackgroundPath(), other);
}

TEST_F(EditorWindowTest, ScreenshotMarkMakesRedItemsAndIsClearedAtOpening) {
    install.sys.ScreenshotPending(9);
    Open(photo);
    EXPECT_EQ(items->ItemColour().Value(), 0x000000FFu);
    EXPECT_TRUE(window->State().screenshotCommitAllowed);
    EXPECT_EQ(install.sys.ScreenshotPending(0), 0);
    EXPECT_EQ(items->ItemWidth(), 2);
}

TEST_F(EditorWindowTest, DefaultBackgroundPictureComesFromTheBackgroundFolder) {
    Open(photo);
    EXPECT_EQ(raster->BackgroundPath(),
              QDir(install.sys.BackgroundFolder()).filePath(QStringLiteral("背景图001.jpg")));
}

TEST_F(EditorWindowTest, CaptionDialogChangesTheCaptionOnlyOnOk) {
    Open(photo);
    const QString before = C().Caption().Text();
    EXPECT_EQ(before, QStringLiteral("2011年 3月 5日"));
    dialogs.captionOk = false;
    C().Run(EditorCommand::EditCaption);
    EXPECT_EQ(C().Caption().Text(), before);
    EXPECT_EQ(dialogs.seenCaption.size, QStringLiteral("28"));

    dialogs.captionOk = true;
    dialogs.captionResult = {QStringLiteral("春装上市"), QStringLiteral("78"),
                             imaging::Colour::FromRgb(1, 2, 3), false, QFont()};
    const QFont fontBefore = C().Caption().Font();
    C().Run(EditorCommand::EditCaption);
    EXPECT_EQ(C().Caption().Text(), QStringLiteral("春装上市"));
    EXPECT_EQ(C().Caption().PixelHeight(), 78);
    EXPECT_EQ(C().Caption().Colour(), imaging::Colour::FromRgb(1, 2, 3));
    EXPECT_EQ(C().Caption().Font(), fontBefore); // no font chosen: the font stays
    EXPECT_EQ(session.rememberedCaptionText, QStringLiteral("春装上市"));
    // The next window of the run starts with the confirmed text.
    Open(photo);
    EXPECT_EQ(C().Caption().Text(), QStringLiteral("春装上市"));
}

TEST_F(EditorWindowTest, ColourCommandsUseTheirPlacementAndCancelKeepsTheColour) {
    auto& w = Open(photo);
    w.show();
    const imaging::Colour before = items->ItemColour();
    C().Run(EditorCommand::DrawingColour);
    EXPECT_EQ(dialogs.colourPlacement, 2011);
    EXPECT_EQ(dialogs.colourAt, w.ScreenRect(EditorCommand::DrawingColour).topLeft());
    EXPECT_EQ(items->ItemColour(), before);
    dialogs.colour = imaging::Colour::FromRgb(9, 8, 7);
    C().Run(EditorCommand::DrawingColour);
    EXPECT_EQ(items->ItemColour(), imaging::Colour::FromRgb(9, 8, 7));
    C().Run(EditorCommand::SetBackgroundColour);
    EXPECT_EQ(dialogs.colourPlacement, 1001);
    EXPECT_EQ(raster->BackgroundColour(), imaging::Colour::FromRgb(9, 8, 7));
    C().Run(EditorCommand::SetEdgeColour);
    EXPECT_EQ(raster->EdgeColour(), imaging::Colour::FromRgb(9, 8, 7));
}

TEST_F(EditorWindowTest, HotCornerChoosesTheExportAreaAndTheSwitchFlipsItsPicture) {
    auto& w = Open(photo);
    const int clip = layout::ButtonIndex(2101);
    C().WindowLeftPress(layout::kButtons[clip].rect.topLeft() + QPoint(3, 3));
    EXPECT_EQ(w.State().toolMode, ToolMode::ChooseValidArea);
    EXPECT_EQ(Status(), prompts::kValidArea);

    const int autoAdd = layout::ButtonIndex(2004);
    EXPECT_EQ(w.ButtonPicture(autoAdd), QStringLiteral("imgEdit_ImageClothHair"));
    C().WindowLeftPress(layout::kButtons[autoAdd].rect.center());
    EXPECT_TRUE(C().AutoAdd());
    EXPECT_EQ(w.ButtonPicture(autoAdd), QStringLiteral("imgEdit_ImageCloHairYes"));

    C().WindowLeftPress(layout::kButtons[layout::ButtonIndex(2102)].rect.center());
    EXPECT_EQ(dialogs.photoSaves, 1);

    // Away from the hot corner the button copies, and the status line says so.
    QGuiApplication::clipboard()->clear();
    C().WindowLeftPress(layout::kButtons[clip].rect.center());
    EXPECT_EQ(Status(), prompts::kCopiedToClipboard);
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
}

TEST_F(EditorWindowTest, GridClickPreviewsAndThePreviewBoxPlaces) {
    auto& w = Open(photo);
    w.MaterialCheck()->click();
    EXPECT_TRUE(w.PackageCombo()->isEnabled());
    EXPECT_FALSE(w.MaterialButton(EditorCommand::RemoveMaterial)->isHidden());
    const QPoint cell0 = C().Grid().PictureFrame(0).center();
    C().WindowLeftPress(cell0);
    EXPECT_EQ(C().PreviewedItem(), 1);
    EXPECT_TRUE(C().PreviewWaiting());
    EXPECT_EQ(session.materials.ShownCount(), 0);
    C().WindowLeftPress(layout::kPreview.center());
    EXPECT_EQ(session.materials.ShownCount(), 1);
    EXPECT_FALSE(C().PreviewWaiting());

    // With the auto-add switch on a grid click places at once.
    C().Run(EditorCommand::AutoAddSwitch);
    C().WindowLeftPress(C().Grid().PictureFrame(1).center());
    EXPECT_EQ(session.materials.ShownCount(), 2);

    // Selecting, then removing.
    C().Run(EditorCommand::SelectNextMaterial);
    const int selected = session.materials.Selected();
    C().Run(EditorCommand::RemoveMaterial);
    EXPECT_FALSE(session.materials.Slot(selected)->IsShown());
    EXPECT_EQ(session.materials.ShownCount(), 1);
}

TEST_F(EditorWindowTest, ItemsFromIndex160OnCannotBePreviewed) {
    Open(photo);
    C().PreviewItem(160);
    EXPECT_EQ(C().PreviewedItem(), -1);
    C().PreviewItem(2);
    EXPECT_EQ(C().PreviewedItem(), 2);
}

class EditorPagingTest : public EditorWindowTest {
  protected:
    EditorPagingTest() : EditorWindowTest(12) {}
};

TEST_F(EditorPagingTest, PageButtonsShowOnlyWhenThereIsAPageToGoTo) {
    auto& w = Open(photo);
    w.MaterialCheck()->click();
    ASSERT_EQ(C().Grid().PageSize(), 9);
    EXPECT_TRUE(w.PageButton(false)->isHidden());
    EXPECT_FALSE(w.PageButton(true)->isHidden());
    C().Run(EditorCommand::NextPage);
    EXPECT_EQ(C().Grid().PageStart(), 9);
    EXPECT_FALSE(w.PageButton(false)->isHidden());
    EXPECT_TRUE(w.PageButton(true)->isHidden());
    EXPECT_EQ(C().Grid().ItemInCell(2), 12);
    EXPECT_EQ(C().Grid().ItemInCell(3), -1);
    C().Run(EditorCommand::PreviousPage);
    EXPECT_EQ(C().Grid().PageStart(), 0);
    // Turning the material view off hides the paging.
    w.MaterialCheck()->click();
    EXPECT_TRUE(w.PageButton(true)->isHidden());
}

} // namespace

namespace {

TEST_F(EditorWindowTest, PhotoWiderThanTheCanvasIsSavedBackWithoutAWhiteStrip) {
    QImage wide(640, 480, QImage::Format_RGB32);
    wide.fill(QColor(10, 120, 30));
    const QString path = install.folder.Sub(QStringLiteral("2011拍照图片/wide.png"));
    ASSERT_TRUE(wide.save(path));
    auto& w = Open(path);
    const imaging::IntRect v = raster->ValidArea();
    EXPECT_LT(v.right, w.Canvas()->width());
    EXPECT_LT(v.bottom, w.Canvas()->height());
    C().Run(EditorCommand::SaveAndExit);
    ASSERT_EQ(w.result(), QDialog::Accepted);
    const QImage written(path);
    ASSERT_FALSE(written.isNull());
    // The right-most column is photo, not the white of outside the canvas.
    EXPECT_EQ(written.width(), w.Canvas()->width() - 1);
    for (int y = 0; y + 1 < written.height(); ++y)
        ASSERT_EQ(written.pixel(written.width() - 1, y) & 0xFFFFFF, 0x0A781Eu) << y;
    for (int x = 0; x < written.width(); ++x)
        ASSERT_NE(written.pixel(x, written.height() - 1) & 0xFFFFFF, 0xFFFFFFu) << x;
}

} // namespace

TEST_F(EditorWindowTest, RightButtonEndsThePlacementAndClearsItsPrompt) {
    auto& w = Open(photo);
    C().Run(EditorCommand::PlaceOriginalPhoto);
    ASSERT_EQ(w.State().gesture, GestureMode::PlacePicture);
    QTest::mousePress(w.Canvas(), Qt::RightButton, Qt::NoModifier, QPoint(200, 200));
    w.ComposeCanvasNow();
    EXPECT_EQ(w.State().gesture, GestureMode::None);
    EXPECT_EQ(Status(), prompts::kGestureEnded);
}
