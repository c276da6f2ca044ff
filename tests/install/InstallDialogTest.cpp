#include "install/ui/InstallDialog.h"
#include "install/ui/UninstallDialog.h"

#include "InstallSandbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>

#include <gtest/gtest.h>

using vx7::install::InstallDialog;
using vx7::install::InstallModel;
using vx7::install::UninstallDialog;
using vx7::install::Uninstaller;
using vx7::test::InstallSandbox;

namespace {

template <typename T> T* Get(const InstallDialog& d, int id) {
    auto* w = qobject_cast<T*>(d.Control(id));
    EXPECT_NE(w, nullptr) << "control " << id;
    return w;
}

struct InstallDialogTest : ::testing::Test {
    InstallSandbox box;
    std::unique_ptr<InstallModel> model = box.MakeModel();
};

} // namespace

TEST_F(InstallDialogTest, OpensWithTheDefaultsOfEveryField) {
    InstallDialog d(*model);
    d.show();
    EXPECT_EQ(Get<QComboBox>(d, 1003)->currentText(), QString("C:"));
    EXPECT_TRUE(Get<QComboBox>(d, 1003)->isEditable());
    EXPECT_EQ(Get<QLineEdit>(d, 1004)->text(), QString("Vantor摄像头拍照Snapo"));
    EXPECT_EQ(Get<QLabel>(d, 1012)->text(), QString("247328"));
    EXPECT_GT(Get<QLabel>(d, 1013)->text().toULongLong(), 0u);
    EXPECT_TRUE(Get<QLabel>(d, 1014)->text().endsWith('%'));
    EXPECT_TRUE(Get<QCheckBox>(d, 1006)->isChecked());
    EXPECT_EQ(Get<QLineEdit>(d, 1007)->text(), QString("Vantor摄像头拍照(动画)Snapo"));
    EXPECT_TRUE(Get<QCheckBox>(d, 1017)->isChecked());
    EXPECT_EQ(Get<QLineEdit>(d, 1018)->text(), QString("Vantor摄像头拍照(动画)Snapo"));
    EXPECT_EQ(Get<QProgressBar>(d, 1011)->maximum(), 23);
    EXPECT_EQ(Get<QLabel>(d, 1010)->text(), QString("...."));
    EXPECT_EQ(Get<QPushButton>(d, 1000)->text(), QString("开始...."));
    EXPECT_EQ(Get<QPushButton>(d, 1009)->text(), QString("终止"));
    EXPECT_EQ(Get<QPushButton>(d, 1001)->text(), QString("退  出"));
    EXPECT_TRUE(Get<QPushButton>(d, 1000)->isEnabled());
    EXPECT_FALSE(Get<QPushButton>(d, 1009)->isEnabled());
}

TEST_F(InstallDialogTest, CheckBoxesShowAndHideTheirTextFields) {
    InstallDialog d(*model);
    d.show();
    EXPECT_TRUE(Get<QLineEdit>(d, 1007)->isVisible());
    Get<QCheckBox>(d, 1006)->setChecked(false);
    EXPECT_FALSE(Get<QLineEdit>(d, 1007)->isVisible());
    Get<QCheckBox>(d, 1017)->setChecked(false);
    EXPECT_FALSE(Get<QLineEdit>(d, 1018)->isVisible());
    Get<QCheckBox>(d, 1006)->setChecked(true);
    EXPECT_TRUE(Get<QLineEdit>(d, 1007)->isVisible());
}

TEST_F(InstallDialogTest, ChangingTheDriveRecomputesTheSpace) {
    InstallDialog d(*model);
    Get<QComboBox>(d, 1003)->setCurrentText("F:");
    EXPECT_EQ(Get<QLabel>(d, 1013)->text(), QString("0"));
    Get<QComboBox>(d, 1003)->setCurrentText("D:");
    EXPECT_GT(Get<QLabel>(d, 1013)->text().toULongLong(), 0u);
}

TEST_F(InstallDialogTest, RefusedFolderNameClosesTheDialog) {
    InstallDialog d(*model);
    d.show();
    Get<QLineEdit>(d, 1004)->setText("A");
    Get<QPushButton>(d, 1000)->click();
    EXPECT_EQ(box.prompt.Texts(), QStringList{" 安装目录名不正确 ! "});
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);
}

TEST_F(InstallDialogTest, FullInstallationThroughTheDialog) {
    InstallDialog d(*model);
    d.show();
    QSemaphore reached, resume;
    model->SetEntryHook([&](int folder, int entry) {
        if (folder == 1 && entry == 1) {
            reached.release();
            resume.tryAcquire(1, 30000);
        }
    });
    Get<QLineEdit>(d, 1007)->setText("我的相机");
    Get<QPushButton>(d, 1000)->click();
    ASSERT_TRUE(reached.tryAcquire(1, 30000));
    EXPECT_FALSE(Get<QPushButton>(d, 1000)->isEnabled());
    EXPECT_FALSE(Get<QPushButton>(d, 1001)->isEnabled());
    EXPECT_TRUE(Get<QPushButton>(d, 1009)->isEnabled());
    EXPECT_FALSE(Get<QLineEdit>(d, 1004)->isEnabled());
    EXPECT_EQ(Get<QLabel>(d, 1010)->text(), QString(" 正在安装...... "));
    d.reject(); // Esc while copying does nothing
    EXPECT_TRUE(d.isVisible());
    resume.release();
    ASSERT_TRUE(model->WaitForCopy(std::chrono::seconds(30)));
    d.OnTimer();
    EXPECT_EQ(Get<QLabel>(d, 1010)->text(), QString(" 软件安装完成!! "));
    EXPECT_EQ(Get<QProgressBar>(d, 1011)->value(), 23);
    EXPECT_TRUE(Get<QPushButton>(d, 1001)->isEnabled());
    EXPECT_FALSE(Get<QPushButton>(d, 1009)->isEnabled());
    EXPECT_FALSE(Get<QPushButton>(d, 1000)->isEnabled());
    EXPECT_TRUE(QFileInfo(box.Desktop() + "/我的相机.desktop").isFile());
    Get<QPushButton>(d, 1001)->click();
    EXPECT_FALSE(d.isVisible());
}

TEST_F(InstallDialogTest, StopButtonEndsTheCopying) {
    InstallDialog d(*model);
    d.show();
    QSemaphore reached, resume;
    model->SetEntryHook([&](int folder, int entry) {
        if (folder == 2 && entry == 1) {
            reached.release();
            resume.tryAcquire(1, 30000);
        }
    });
    Get<QPushButton>(d, 1000)->click();
    ASSERT_TRUE(reached.tryAcquire(1, 30000));
    Get<QPushButton>(d, 1009)->click();
    resume.release();
    ASSERT_TRUE(model->WaitForCopy(std::chrono::seconds(30)));
    d.OnTimer();
    EXPECT_EQ(Get<QLabel>(d, 1010)->text(), QString("用户终止安装!!"));
    EXPECT_TRUE(Get<QPushButton>(d, 1001)->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(box.InfoFolder() + "/VX7lothInfo.3fg"));
}

TEST(UninstallDialogTest, AsksAndOnlyOkRemoves) {
    InstallSandbox box;
    auto model = box.MakeModel();
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    Uninstaller u(box.Folders(), box.prompt);
    {
        UninstallDialog d(u);
        EXPECT_EQ(d.windowTitle(), QString("Vantor摄像头拍照(动画)Snapo软件卸载"));
        const auto labels = d.findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels[0]->text(), QString("真要卸载Vantor摄像头拍照(动画)Snapo软件吗?请确认!"));
        d.show();
        d.CancelButton()->click();
        EXPECT_EQ(d.result(), QDialog::Rejected);
        EXPECT_FALSE(d.Outcome());
        EXPECT_TRUE(QFileInfo(model->Target()).isDir());
    }
    UninstallDialog d(u);
    d.show();
    EXPECT_EQ(d.OkButton()->text(), QString("确定"));
    d.OkButton()->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Outcome(), Uninstaller::Outcome::Removed);
    EXPECT_FALSE(QFileInfo::exists(model->TopFolder()));
}
