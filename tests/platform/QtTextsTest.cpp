#include "platform/QtPrompt.h"
#include "platform/QtTranslations.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

using vx7::platform::QtPrompt;

TEST(QtPromptTest, QuestionsAndMessagesCarryChineseButtons) {
    const auto ask = QtPrompt::MakeBox(nullptr, "真要卸载吗?", "Vantor软件", true);
    ASSERT_NE(ask->button(QMessageBox::Yes), nullptr);
    EXPECT_EQ(ask->button(QMessageBox::Yes)->text(), QString("是"));
    EXPECT_EQ(ask->button(QMessageBox::No)->text(), QString("否"));
    EXPECT_EQ(ask->defaultButton(), ask->button(QMessageBox::No));
    EXPECT_EQ(ask->windowTitle(), QString("Vantor软件"));
    const auto message = QtPrompt::MakeBox(nullptr, "完成", QString(), false);
    ASSERT_EQ(message->buttons().size(), 1);
    EXPECT_EQ(message->button(QMessageBox::Ok)->text(), QString("确定"));
}

TEST(QtTranslationsTest, QtsOwnTextsSpeakChineseWhenTheTranslationsAreInstalled) {
    const QString catalogue = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm";
    if (!QFileInfo::exists(catalogue))
        GTEST_SKIP() << "Qt's translations are not installed";
    QTranslator* translator = vx7::platform::InstallQtChineseTranslations(*qApp);
    ASSERT_NE(translator, nullptr);
    QMessageBox box(QMessageBox::Question, "t", "x",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QString("是")));
    EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QString("否")));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString("取消"));
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QString("Look in:"));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}
