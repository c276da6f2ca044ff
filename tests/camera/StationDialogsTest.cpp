#include "FakeCaptureDevice.h"
#include "camera/capture/CompressionDialog.h"
#include "camera/capture/FormatDialog.h"
#include "camera/capture/SourceDialog.h"
#include "camera/folders/FolderChooserDialog.h"
#include "camera/help/HelpWindow.h"
#include "camera/help/HotKeyChoices.h"
#include "core/SysInfo.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace vx7::camera;
using namespace vx7::core;

TEST(HotKeyChoicesTest, FortyCharactersWithoutQInTheirOrder) {
    const QStringList& c = HotKeyChoices();
    ASSERT_EQ(c.size(), 40);
    EXPECT_FALSE(c.contains("Q"));
    EXPECT_EQ(c.mid(12, 4), QStringList({"M", "N", "P", "O"}));
    EXPECT_EQ(c.mid(20, 5), QStringList({"V", "X", "Y", "Z", "W"}));
    EXPECT_EQ(c.mid(25, 10), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"}));
    EXPECT_EQ(c.mid(35), QStringList({",", ".", "/", ";", "'"}));
}

namespace {

struct HelpWindowTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    SysInfo sys;
    QStringList opened;
    void SetUp() override {
        sys.SetFolder(home.Path());
        sys.Load();
    }
};

} // namespace

TEST_F(HelpWindowTest, CameraButtonTogglesTheFlagAndClosesWithOk) {
    {
        HelpWindow help(sys, {});
        EXPECT_EQ(help.windowTitle(), "Vantor摄像头拍照(动画)Snapo操作说明");
        EXPECT_EQ(help.CameraButton()->text(), "关闭摄像头只做截屏");
        help.show();
        help.CameraButton()->click();
        EXPECT_EQ(help.result(), QDialog::Accepted);
        EXPECT_TRUE(sys.IsCameraOff());
    }
    HelpWindow again(sys, {});
    EXPECT_EQ(again.CameraButton()->text(), "重新打开摄像头");
    again.show();
    again.CameraButton()->click();
    EXPECT_FALSE(sys.IsCameraOff());
}

TEST_F(HelpWindowTest, EnterOpensTheManualAndStaysOpen) {
    HelpWindow help(sys, [this](const QString& url) { opened << url; });
    help.show();
    QTest::keyClick(&help, Qt::Key_Return);
    EXPECT_EQ(opened, QStringList({HelpWindow::ManualUrl()}));
    EXPECT_TRUE(help.isVisible());
    help.ManualButton()->click();
    EXPECT_EQ(opened.size(), 2);
    EXPECT_TRUE(help.isVisible());
    QTest::keyClick(&help, Qt::Key_Escape);
    EXPECT_EQ(help.result(), QDialog::Rejected);
}

TEST_F(HelpWindowTest, ChoosingACommaStoresItAtOnce) {
    HelpWindow help(sys, {});
    QComboBox* combo = help.HotKeyCombo();
    EXPECT_EQ(combo->currentText(), "G");
    EXPECT_EQ(combo->count(), 40);
    const int comma = combo->findText(",");
    emit combo->activated(comma);
    EXPECT_EQ(sys.HotKeyChar(' '), ',');
    SysInfo reread;
    reread.SetFolder(home.Path());
    reread.Load();
    EXPECT_EQ(reread.HotKeyChar(' '), ',');
}

namespace {

struct FolderChooserTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    vx7::test::ScriptedPrompt prompt;
    QString defaultFolder() const { return home.Sub("2011拍照图片"); }
};

} // namespace

TEST_F(FolderChooserTest, EnterInTheNameBoxChoosesTheDefaultFolder) {
    FolderChooserDialog dialog(home.Path(), defaultFolder(), prompt);
    dialog.show();
    EXPECT_FALSE(dialog.ConfirmButton()->isEnabled());
    dialog.NameEdit()->setFocus();
    QTest::keyClick(dialog.NameEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedFolder(), defaultFolder());
}

TEST_F(FolderChooserTest, ConfirmWaitsForARealSelectionAndTheTitleFollowsIt) {
    FolderChooserDialog dialog(home.Path(), defaultFolder(), prompt);
    EXPECT_EQ(dialog.windowTitle(), home.Path()); // the first selection is only counted
    EXPECT_FALSE(dialog.ConfirmButton()->isEnabled());
    // Reach the temporary folder through the tree from "/".
    QTreeWidgetItem* item = dialog.FindItem("/");
    ASSERT_NE(item, nullptr);
    QString path;
    for (const QString& part : home.Path().split('/', Qt::SkipEmptyParts)) {
        dialog.FillChildren(item);
        path += "/" + part;
        item = dialog.FindItem(path);
        ASSERT_NE(item, nullptr) << path.toStdString();
    }
    dialog.Tree()->setCurrentItem(item);
    EXPECT_TRUE(dialog.ConfirmButton()->isEnabled());
    EXPECT_EQ(dialog.windowTitle(), home.Path());
    // Hidden folders are listed, and children are read when an item is selected.
    QDir(home.Path()).mkdir(".hidden");
    FolderChooserDialog second(home.Path(), defaultFolder(), prompt);
    QTreeWidgetItem* root = second.FindItem("/");
    QString p;
    for (const QString& part : home.Path().split('/', Qt::SkipEmptyParts)) {
        second.FillChildren(root);
        p += "/" + part;
        root = second.FindItem(p);
    }
    ASSERT_NE(root, nullptr);
    second.Tree()->setCurrentItem(root);
    EXPECT_NE(second.FindItem(home.Sub(".hidden")), nullptr);
    second.ConfirmButton()->click();
    EXPECT_EQ(second.result(), QDialog::Accepted);
    EXPECT_EQ(second.SelectedFolder(), home.Path());
}

TEST_F(FolderChooserTest, CreateMakesTheFolderOrSaysWhyNot) {
    FolderChooserDialog dialog(home.Path(), defaultFolder(), prompt);
    EXPECT_EQ(dialog.NameEdit()->text(), "我的照片2011");
    dialog.show();
    dialog.CreateButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedFolder(), home.Sub("我的照片2011"));
    EXPECT_TRUE(QDir(home.Sub("我的照片2011")).exists());

    FolderChooserDialog again(home.Path(), defaultFolder(), prompt);
    again.show();
    again.CreateButton()->click(); // exists already
    EXPECT_TRUE(again.isVisible());
    EXPECT_EQ(prompt.Texts(), QStringList({"创建 < " + home.Sub("我的照片2011") + " > 目录失败!"}));
    again.NameEdit()->clear();
    EXPECT_FALSE(again.CreateButton()->isEnabled());
    again.NameEdit()->setText("../escape");
    again.CreateButton()->click();
    EXPECT_EQ(prompt.shown.size(), 2u);
    EXPECT_FALSE(QDir(home.Sub("../escape")).exists());
}

TEST(DriverDialogsTest, FormatDialogListsTheCompressionsSizesAndAppliesTheChoice) {
    vx7::test::FakeCaptureDevice camera;
    FormatDialog dialog(camera);
    ASSERT_EQ(dialog.List()->count(), 2); // the YUYV formats only
    EXPECT_EQ(dialog.List()->currentRow(), 0);
    dialog.List()->setCurrentRow(1);
    dialog.accept();
    EXPECT_EQ(camera.format, (CaptureFormat{"YUYV", 640, 480, 30, 1}));
}

TEST(DriverDialogsTest, CompressionDialogSaysSoWithOneChoiceAndAppliesAnother) {
    vx7::test::FakeCaptureDevice camera;
    vx7::test::ScriptedPrompt prompt;
    camera.compressions = {"YUYV"};
    EXPECT_EQ(CompressionDialog::Run(camera, prompt, nullptr), QDialog::Rejected);
    EXPECT_EQ(prompt.Texts(), QStringList({CompressionDialog::OnlyOneText("YUYV")}));
    camera.compressions = {"YUYV", "MJPG"};
    CompressionDialog dialog(camera);
    ASSERT_EQ(dialog.Choices()->buttons().size(), 2);
    EXPECT_TRUE(dialog.Choices()->button(0)->isChecked());
    dialog.Choices()->button(1)->setChecked(true);
    dialog.accept();
    EXPECT_EQ(camera.compression, "MJPG");
}

TEST(DriverDialogsTest, SourceSlidersApplyLiveAndCancelRestores) {
    vx7::test::FakeCaptureDevice camera;
    camera.controls = {{"brightness", "brightness", -100, 100, 0}, {"contrast", "contrast", 0, 200, 100}};
    SourceDialog dialog(camera);
    ASSERT_NE(dialog.Slider("brightness"), nullptr);
    dialog.Slider("brightness")->setValue(40);
    EXPECT_EQ(camera.controls[0].value, 40);
    dialog.reject();
    EXPECT_EQ(camera.controls[0].value, 0);
    EXPECT_EQ(SourceDialog::CaptionOf("Brightness"), "亮度");
}
