#include "install/model/DriveTable.h"
#include "install/model/InstallModel.h"
#include "install/model/Uninstaller.h"
#include "install/ui/InstallDialog.h"
#include "install/ui/UninstallDialog.h"
#include "platform/DesktopFolders.h"

#include "InstallSandbox.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using vx7::test::InstallSandbox;

// Installs from the medium the build lays out, starts the installed camera station in its
// folder with the test camera, and uninstalls: the (temporary) home must be as it was.
TEST(EndToEndTest, InstallRunAndUninstallLeaveTheHomeAsItWas) {
    const QString mediumRoot = QStringLiteral(VX7_MEDIUM_ROOT);
    const QString medium = mediumRoot + "/摄像头拍照(动画)Snapo2011";
    // The suite depends on the medium target, so a missing medium is a broken build.
    ASSERT_TRUE(QFileInfo(medium + "/vx7ECamProg/vx7Ecamera").isFile() &&
                QFileInfo(medium + "/UnInstVx7Ecam").isFile())
        << "the install medium is not laid out in " << mediumRoot.toStdString()
        << " (build the 'medium' target)";

    InstallSandbox box;
    // A home as a desktop user has it; the system directory is the default one inside it.
    const QString data = box.Home() + "/.local/share";
    QDir().mkpath(data + "/applications");
    qputenv("XDG_DATA_HOME", data.toUtf8());
    qunsetenv("VX7_SYSTEM_DIR");
    InstallSandbox::Write(box.Home() + "/notes.txt", "the user's own file");
    const auto before = InstallSandbox::Snapshot(box.Home());

    const auto drives = vx7::install::DriveTable::FromEnvironment();
    const auto folders = vx7::platform::DesktopFolders::FromEnvironment();
    ASSERT_EQ(folders.SystemDirectory(), data);
    ASSERT_EQ(drives.RootOf(u'C'), std::optional<QString>(box.Home()));

    vx7::install::InstallModel model({drives, folders, mediumRoot, box.prompt, box.clock});
    {
        vx7::install::InstallDialog dialog(model);
        dialog.show();
        qobject_cast<QPushButton*>(dialog.Control(vx7::install::InstallModel::IDC_START))->click();
        ASSERT_TRUE(model.WaitForCopy(std::chrono::seconds(120)));
        dialog.OnTimer();
        ASSERT_EQ(model.View().status, QString(" 软件安装完成!! "));
        EXPECT_TRUE(box.prompt.shown.empty()) << box.prompt.Texts().join('|').toStdString();
    }
    const QString target = model.Target();
    ASSERT_EQ(target, box.Home() + "/Vantor摄像头拍照Snapo/摄像头拍照(动画)Snapo2011");
    ASSERT_TRUE(QFileInfo(target + "/vx7Ecamera").isExecutable());
    EXPECT_TRUE(QFileInfo(data + "/vx7ECamera_Info/UnInstVx7Ecam").isExecutable());
    EXPECT_TRUE(QFileInfo(data + "/vx7ECamera_Info/VX7lothInfo.3fg").isFile());
    if (QFileInfo(medium + "/Conver123ter.ccc").isFile()) {
        EXPECT_TRUE(QFileInfo(data + "/libImage66Conver123ter.so").isFile());
    }
    EXPECT_TRUE(QFileInfo(box.Desktop() + "/Vantor摄像头拍照(动画)Snapo.desktop").isFile());

    // The installed program starts in its folder and makes its settings there.
    QProcess camera;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("HOME", box.Home());
    env.insert("XDG_DATA_HOME", data);
    env.insert("XDG_CONFIG_HOME", box.Root() + "/config");
    env.insert("XDG_CACHE_HOME", box.Root() + "/cache");
    env.insert("VX7_CAMERA", "test");
    env.insert("LD_LIBRARY_PATH", data);
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    camera.setProcessEnvironment(env);
    camera.setWorkingDirectory(target);
    camera.setProcessChannelMode(QProcess::MergedChannels);
    camera.start(target + "/vx7Ecamera", {"--camera", "test"});
    ASSERT_TRUE(camera.waitForStarted(10000));
    const QString settings = target + "/vx7ECameraSysInfo.e3f";
    const bool madeSettings =
        QTest::qWaitFor([&] { return QFileInfo::exists(settings) || camera.state() == QProcess::NotRunning; },
                        60000) &&
        QFileInfo::exists(settings);
    const bool stillRunning = camera.state() == QProcess::Running;
    camera.terminate();
    if (!camera.waitForFinished(10000)) {
        camera.kill();
        camera.waitForFinished(10000);
    }
    EXPECT_TRUE(madeSettings) << camera.readAll().toStdString();
    EXPECT_TRUE(stillRunning) << "the camera station ended by itself: " << camera.readAll().toStdString();

    // The uninstaller's dialog removes it all again.
    vx7::install::Uninstaller uninstaller(folders, box.prompt);
    vx7::install::UninstallDialog dialog(uninstaller);
    dialog.show();
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.Outcome(), vx7::install::Uninstaller::Outcome::Removed);
    EXPECT_EQ(box.prompt.Texts(), QStringList{" 软件已卸载完毕!"});
    EXPECT_EQ(InstallSandbox::Snapshot(box.Home()), before);
}
