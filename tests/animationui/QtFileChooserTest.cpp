#include "animation/window/QtFileChooser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using vx7::animation::QtFileChooser;

namespace {

// Where the last answered dialog started.
QString seen;

// Answers the next open-file dialog with file (empty: Cancel).
void AnswerNextDialog(const QString& file) {
    seen.clear();
    QTimer::singleShot(0, [file] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = dialog->directory().absolutePath();
        if (file.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();
    });
}

QString Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("x");
    return path;
}

} // namespace

TEST(QtFileChooserTest, EachKindOfFileStartsWhereTheLastOneWasChosen) {
    QTemporaryDir root;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(root.path());
    const QString pictures = "图形文件(*.bmp,*.png)|*.bmp;*.png";
    const QString music = "声音文件(*.wav)|*.wav";
    const QString photo = Touch(root.path() + "/photos/a.png");
    QtFileChooser chooser;
    EXPECT_EQ(chooser.StartFolder(pictures), QDir::currentPath());

    AnswerNextDialog(photo);
    EXPECT_EQ(chooser.OpenFile(nullptr, pictures, "*.bmp;*.png"), photo);
    EXPECT_EQ(seen, QDir::currentPath());
    AnswerNextDialog(photo);
    chooser.OpenFile(nullptr, pictures, "*.bmp;*.png");
    EXPECT_EQ(seen, root.path() + "/photos");
    // Another kind still starts in the current folder; a cancelled dialog changes nothing.
    EXPECT_EQ(chooser.StartFolder(music), QDir::currentPath());
    AnswerNextDialog(QString());
    EXPECT_TRUE(chooser.OpenFile(nullptr, music, "*.wav").isEmpty());
    EXPECT_EQ(seen, QDir::currentPath());
    EXPECT_EQ(chooser.StartFolder(music), QDir::currentPath());
    // A remembered folder that has gone falls back to the current folder.
    QDir(root.path() + "/photos").removeRecursively();
    EXPECT_EQ(chooser.StartFolder(pictures), QDir::currentPath());
    QDir::setCurrent(previous);
}
