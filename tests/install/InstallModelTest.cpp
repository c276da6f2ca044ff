#include "install/model/InstallModel.h"
#include "install/model/InstallRecordReader.h"

#include "InstallSandbox.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSemaphore>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

using vx7::install::InstallModel;
using vx7::install::InstallRecordReader;
using vx7::test::InstallSandbox;

namespace {

const QString kProgram = "摄像头拍照(动画)Snapo2011";
const QString kDefaultFolder = "Vantor摄像头拍照Snapo";
const QString kCaption = "Vantor摄像头拍照(动画)Snapo";

struct InstallModelTest : ::testing::Test {
    InstallSandbox box;
    QString Target(const QString& root) const { return root + "/" + kDefaultFolder + "/" + kProgram; }
};

int CountFiles(const QString& folder) {
    return static_cast<int>(QDir(folder).entryList(QDir::Files | QDir::Hidden).size());
}

} // namespace

// --- drive and folder rules -------------------------------------------------------------

TEST_F(InstallModelTest, DriveOutsideCToGInstallsToC) {
    auto model = box.MakeModel();
    model->form.drive = "H:";
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    EXPECT_EQ(model->TopFolder(), box.Home() + "/" + kDefaultFolder);
    EXPECT_TRUE(QFileInfo(Target(box.Home()) + "/vx7Ecamera").isFile());
    EXPECT_EQ(InstallModel::DriveLetter("A:"), QChar(u'C'));
    EXPECT_EQ(InstallModel::DriveLetter(""), QChar(u'C'));
    EXPECT_EQ(InstallModel::DriveLetter("G:"), QChar(u'G'));
    EXPECT_EQ(InstallModel::DriveLetter("e"), QChar(u'E')) << "a lower-case letter names the same drive";
}

TEST_F(InstallModelTest, FurtherDriveInstallsBelowItsRoot) {
    auto model = box.MakeModel();
    model->form.drive = "d:";
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    EXPECT_TRUE(QFileInfo(Target(box.DriveD()) + "/vx7Ecamera").isFile());
    EXPECT_FALSE(QFileInfo::exists(box.Home() + "/" + kDefaultFolder));
}

TEST_F(InstallModelTest, DriveMissingFromTheTableIsRefusedWithTheLetterTwice) {
    auto model = box.MakeModel();
    model->form.drive = "E:";
    EXPECT_FALSE(model->StartInstall());
    ASSERT_EQ(box.prompt.shown.size(), 1u);
    EXPECT_EQ(box.prompt.shown[0].text, QString(" 不能安装到 E 盘![E 可能是光盘]"));
    EXPECT_EQ(box.prompt.shown[0].title, QString("特别提示"));
    EXPECT_TRUE(model->View().closeRequested);
    EXPECT_FALSE(model->Installing());
}

struct FolderNameCase {
    const char* name;
    bool accepted;
};
class FolderNameTest : public ::testing::TestWithParam<FolderNameCase> {};

TEST_P(FolderNameTest, OnlyNamesLongerThanOneByteNamingOneFolderAreAccepted) {
    InstallSandbox box;
    auto model = box.MakeModel();
    model->form.folderName = QString::fromUtf8(GetParam().name);
    model->form.desktopShortcut = false;
    model->form.startMenu = false;
    const bool started = model->StartInstall();
    EXPECT_EQ(started, GetParam().accepted);
    if (!GetParam().accepted) {
        ASSERT_EQ(box.prompt.shown.size(), 1u);
        EXPECT_EQ(box.prompt.shown[0].text, QString(" 安装目录名不正确 ! "));
        EXPECT_EQ(box.prompt.shown[0].title, QString("摄像头拍照"));
        EXPECT_TRUE(model->View().closeRequested);
        // Nothing was made anywhere, inside or outside the drive.
        EXPECT_EQ(InstallSandbox::Snapshot(box.Home()).size(), 1u) << "only the desktop folder";
        EXPECT_TRUE(InstallSandbox::Snapshot(box.SystemDir()).empty());
    } else {
        EXPECT_TRUE(model->WaitForCopy(std::chrono::seconds(30)));
    }
}

INSTANTIATE_TEST_SUITE_P(Names, FolderNameTest,
                         ::testing::Values(FolderNameCase{"A", false}, FolderNameCase{"", false},
                                           FolderNameCase{"AB", true}, FolderNameCase{"摄", true},
                                           FolderNameCase{"..", false}, FolderNameCase{".", false},
                                           FolderNameCase{"a/b", false}, FolderNameCase{"../x", false},
                                           FolderNameCase{"x\xF0\x9F\x98\x80", false}));

TEST_F(InstallModelTest, TopFolderLongerThanItsRecordFieldIsRefused) {
    auto model = box.MakeModel();
    model->form.folderName = QString(250, u'n');
    EXPECT_FALSE(model->StartInstall());
    ASSERT_EQ(box.prompt.Texts(), QStringList{" 安装目录名不正确 ! "});
}

TEST_F(InstallModelTest, TopFolderThatCannotBeMadeIsReportedWithPathAndErrorNumber) {
    QString root;
    if (geteuid() != 0) {
        root = box.DriveD();
        QFile::setPermissions(root, QFile::ReadOwner | QFile::ExeOwner);
    } else if (QFileInfo("/sys").isDir()) {
        root = "/sys"; // refuses new folders even to the superuser
    } else {
        // About the machine, not the build: nothing here refuses a new folder.
        GTEST_SKIP() << "no read-only volume to try";
    }
    const vx7::install::DriveTable drives({{u'C', box.Home()}, {u'D', root}});
    InstallModel model({drives, box.Folders(), box.StartFolder(), box.prompt, box.clock});
    model.form.drive = "D:";
    EXPECT_FALSE(model.StartInstall());
    ASSERT_EQ(box.prompt.shown.size(), 1u);
    const QString top = root + "/" + kDefaultFolder;
    EXPECT_TRUE(box.prompt.shown[0].text.startsWith("创建<" + top + ","))
        << box.prompt.shown[0].text.toStdString();
    EXPECT_TRUE(box.prompt.shown[0].text.endsWith(">目录错!"));
    EXPECT_FALSE(box.prompt.shown[0].text.contains(",0>"));
    EXPECT_EQ(box.prompt.shown[0].title, QString("摄像头拍照量"));
    EXPECT_TRUE(model.View().closeRequested);
}

TEST_F(InstallModelTest, FileStandingWhereTheTopFolderGoesIsReported) {
    InstallSandbox::Write(box.Home() + "/" + kDefaultFolder, "a file");
    auto model = box.MakeModel();
    EXPECT_FALSE(model->StartInstall());
    EXPECT_EQ(box.prompt.Texts(),
              QStringList{QString("创建<%1/%2,20>目录错!").arg(box.Home(), kDefaultFolder)});
    EXPECT_EQ(InstallSandbox::Read(box.Home() + "/" + kDefaultFolder), QByteArray("a file"));
}

// --- update question ------------------------------------------------------------------

TEST_F(InstallModelTest, SecondInstallAsksBeforeUpdatingAndNoLeavesEverything) {
    auto first = box.MakeModel();
    ASSERT_TRUE(InstallSandbox::RunToEnd(*first));
    const QString program = Target(box.Home()) + "/vx7Ecamera";
    InstallSandbox::Write(program, "changed by the user");

    auto second = box.MakeModel();
    box.prompt.answers = {false};
    EXPECT_FALSE(second->StartInstall());
    ASSERT_EQ(box.prompt.shown.size(), 1u);
    EXPECT_TRUE(box.prompt.shown[0].question);
    EXPECT_EQ(box.prompt.shown[0].text, QString(" 该软件已在此目录安装过!\n\n   是否更新 ?"));
    EXPECT_EQ(box.prompt.shown[0].title, QString("特 别 提 示"));
    EXPECT_TRUE(second->View().closeRequested);
    EXPECT_EQ(InstallSandbox::Read(program), QByteArray("changed by the user"));
}

TEST_F(InstallModelTest, UpdateReplacesReadOnlyProgramAndKeepsTheTopFolderAsTheInstallationsOwn) {
    auto first = box.MakeModel();
    ASSERT_TRUE(InstallSandbox::RunToEnd(*first));
    ASSERT_TRUE(first->TopFolderCreated());
    const QString program = Target(box.Home()) + "/vx7Ecamera";
    InstallSandbox::Write(program, "old");
    QFile::setPermissions(program, QFile::ReadOwner);

    auto second = box.MakeModel();
    box.prompt.answers = {true};
    ASSERT_TRUE(InstallSandbox::RunToEnd(*second));
    EXPECT_EQ(InstallSandbox::Read(program), QByteArray("#!/bin/sh\nexit 0\n"));
    EXPECT_TRUE(QFile::permissions(program) & QFile::WriteOwner);
    EXPECT_TRUE(second->TopFolderCreated())
        << "the folder existed this time, but the first installation made it";
    const auto record = InstallRecordReader::Read(box.InfoFolder() + "/VX7lothInfo.3fg");
    ASSERT_TRUE(record);
    EXPECT_TRUE(record->record.TopCreated()) << "made by the first installation, so still removable whole";
}

// --- copying ----------------------------------------------------------------------------

TEST(CopyJobFoldersTest, RecordListsAreInstalledAndTheProgramFolderComesLast) {
    const QStringList folders = vx7::install::CopyJob::SourceFolders();
    for (const char* list : {"搭配图片", "服饰图标", "通用图标"})
        EXPECT_TRUE(folders.contains(QString::fromUtf8(list))) << list;
    EXPECT_EQ(folders.back(), QString("vx7ECamProg"));
    EXPECT_LE(folders.size(), 23) << "the folder bar's range";
}

TEST_F(InstallModelTest, CopiesEveryFolderAndTheProgramFilesIntoTheTarget) {
    auto model = box.MakeModel();
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    const QString target = Target(box.Home());
    for (const QString& rel : vx7::install::CopyJob::SourceFolders()) {
        if (rel == "vx7ECamProg")
            continue;
        EXPECT_EQ(CountFiles(target + "/" + rel), 2) << rel.toStdString();
    }
    EXPECT_TRUE(QFileInfo(target + "/readme.txt").isFile());
    EXPECT_TRUE(QFileInfo(target + "/vx7Ecamera").isExecutable());
    for (const char* empty : {"2011拍照图片", "tmpBmpData"})
        EXPECT_TRUE(QFileInfo(target + "/" + QString::fromUtf8(empty)).isDir());
    EXPECT_TRUE(QFileInfo(box.InfoFolder() + "/UnInstVx7Ecam").isExecutable());
    EXPECT_EQ(InstallSandbox::Read(box.SystemDir() + "/libImage66Conver123ter.so"),
              QByteArray("converter library"));
}

TEST_F(InstallModelTest, CopiesOfReadOnlyMediumFilesAreWritable) {
    const QString source = box.MediumFolder() + "/ephoto_syspic/file0.png";
    QFile::setPermissions(source, QFile::ReadOwner);
    auto model = box.MakeModel();
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    EXPECT_TRUE(QFile::permissions(Target(box.Home()) + "/ephoto_syspic/file0.png") & QFile::WriteOwner);
}

TEST_F(InstallModelTest, FolderWith461EntriesCopiesOnly460) {
    for (int i = 2; i < 461; ++i)
        InstallSandbox::Write(
            QString("%1/vx7Ecamsys素材仓库/m%2.dm3").arg(box.MediumFolder()).arg(i, 3, 10, QChar(u'0')), "m");
    ASSERT_EQ(CountFiles(box.MediumFolder() + "/vx7Ecamsys素材仓库"), 461);
    auto model = box.MakeModel();
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    EXPECT_EQ(CountFiles(Target(box.Home()) + "/vx7Ecamsys素材仓库"), 460);
    EXPECT_EQ(CountFiles(Target(box.Home()) + "/ephoto_syspic"), 2) << "the limit is per folder";
}

TEST_F(InstallModelTest, MediumAtADriveRootTakesTheProgramFolderDirectlyUnderIt) {
    const QString driveE = box.Root() + "/drive-e";
    InstallSandbox::MakeMedium(driveE + "/" + kProgram, 1);
    InstallSandbox::Write(driveE + "/" + kProgram + "/ephoto_syspic/from-e.png", "e");
    // Started from the root of E, written the way a drive root is: with its separator.
    auto model = box.MakeModel(driveE + "/");
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    EXPECT_TRUE(QFileInfo(Target(box.Home()) + "/ephoto_syspic/from-e.png").isFile());
    EXPECT_EQ(InstallModel::SourceBase("/"), "/" + kProgram);
    EXPECT_EQ(InstallModel::SourceBase(driveE + "/"), driveE + "/" + kProgram);
    EXPECT_EQ(InstallModel::SourceBase(box.StartFolder()), box.MediumFolder());
}

TEST_F(InstallModelTest, MissingMediumFoldersAndFilesAreSimplyMissingAfterwards) {
    QDir(box.MediumFolder() + "/饰品").removeRecursively();
    QFile::remove(box.MediumFolder() + "/Conver123ter.ccc");
    auto model = box.MakeModel();
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    EXPECT_EQ(model->View().status, QString(" 软件安装完成!! "));
    EXPECT_EQ(CountFiles(Target(box.Home()) + "/饰品/音乐及语音"), 0);
    EXPECT_TRUE(QFileInfo(Target(box.Home()) + "/饰品/音乐及语音").isDir()) << "the folder is still made";
    EXPECT_FALSE(QFileInfo::exists(box.SystemDir() + "/libImage66Conver123ter.so"));
    EXPECT_TRUE(QFileInfo(box.InfoFolder() + "/VX7lothInfo.3fg").isFile());
}

TEST_F(InstallModelTest, ProgressShowsTheFolderTheEntryAndItsName) {
    auto model = box.MakeModel();
    QSemaphore reached, resume;
    model->SetEntryHook([&](int folder, int entry) {
        if (folder == 3 && entry == 2) {
            reached.release();
            resume.tryAcquire(1, 30000);
        }
    });
    ASSERT_TRUE(model->StartInstall());
    EXPECT_EQ(model->View().status, QString(" 正在安装...... "));
    EXPECT_EQ(model->View().folderBarMax, 23);
    EXPECT_TRUE(model->View().stopEnabled);
    EXPECT_FALSE(model->View().exitEnabled);
    EXPECT_FALSE(model->View().startEnabled);
    EXPECT_FALSE(model->View().fieldsEnabled);
    ASSERT_TRUE(reached.tryAcquire(1, 30000));
    model->ShowProgress();
    EXPECT_EQ(model->View().folderBar, 3);
    EXPECT_EQ(model->View().fileBarMax, 2);
    EXPECT_EQ(model->View().fileBar, 2);
    EXPECT_TRUE(model->View().status.startsWith("file")) << model->View().status.toStdString();
    EXPECT_TRUE(model->View().timerRunning);
    resume.release();
    ASSERT_TRUE(model->WaitForCopy(std::chrono::seconds(30)));
    model->ShowProgress();
    EXPECT_EQ(model->View().status, QString(" 软件安装完成!! "));
    EXPECT_EQ(model->View().folderBar, 23);
    EXPECT_EQ(model->View().fileBar, model->View().fileBarMax);
    EXPECT_FALSE(model->View().timerRunning);
    EXPECT_TRUE(model->View().exitEnabled);
    EXPECT_FALSE(model->View().stopEnabled);
}

TEST_F(InstallModelTest, StopStillInstallsUninstallerAndLibraryButNoRecordAndNoShortcuts) {
    auto model = box.MakeModel();
    InstallModel* m = model.get();
    model->SetEntryHook([m](int folder, int entry) {
        if (folder == 3 && entry == 1)
            m->RequestStop();
    });
    ASSERT_TRUE(model->StartInstall());
    ASSERT_TRUE(model->WaitForCopy(std::chrono::seconds(30)));
    model->ShowProgress();
    EXPECT_EQ(model->View().status, QString("用户终止安装!!"));
    EXPECT_FALSE(model->View().timerRunning);
    EXPECT_TRUE(model->View().exitEnabled);
    EXPECT_FALSE(model->View().stopEnabled);

    const QString target = Target(box.Home());
    EXPECT_EQ(CountFiles(target + "/vx7Ecamsys背景图片"), 2);
    EXPECT_EQ(CountFiles(target + "/ephoto_syspic"), 1)
        << "the entry being copied finishes, the next one never starts";
    EXPECT_EQ(CountFiles(target + "/秋冬新款女装/试衣及按钮图片"), 0);
    EXPECT_FALSE(QFileInfo::exists(target + "/vx7Ecamera"));
    EXPECT_TRUE(QFileInfo(box.InfoFolder() + "/UnInstVx7Ecam").isFile());
    EXPECT_TRUE(QFileInfo(box.SystemDir() + "/libImage66Conver123ter.so").isFile());
    EXPECT_FALSE(QFileInfo::exists(target + "/vx7ECameraInstInfo.3re"));
    EXPECT_FALSE(QFileInfo::exists(box.InfoFolder() + "/VX7lothInfo.3fg")) << "never a cut record";
    EXPECT_FALSE(QFileInfo::exists(target + "/vx7ECameraInstInfo.3re"));
    EXPECT_TRUE(QDir(box.Desktop()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(box.Applications() + "/摄像头拍照(动画)Snapo"));
    EXPECT_TRUE(box.prompt.shown.empty());
}

TEST_F(InstallModelTest, ClosingTheModelMidCopyStopsTheCopyAndWaitsForIt) {
    auto model = box.MakeModel();
    QSemaphore reached;
    std::atomic<int> entriesAfterClose{0};
    std::atomic<bool> closing{false};
    model->SetEntryHook([&](int folder, int entry) {
        if (closing)
            ++entriesAfterClose;
        if (folder == 3 && entry == 1) {
            reached.release();
            // Hold this entry until the owner is closing, and a little past its stop request.
            while (!closing)
                QThread::msleep(1);
            QThread::msleep(200);
        }
    });
    ASSERT_TRUE(model->StartInstall());
    ASSERT_TRUE(reached.tryAcquire(1, 30000));
    closing = true;
    model.reset(); // stops the copy and joins its thread
    EXPECT_EQ(entriesAfterClose.load(), 0) << "the entry in hand finishes, the next one never starts";
    EXPECT_EQ(CountFiles(Target(box.Home()) + "/ephoto_syspic"), 1);
    EXPECT_FALSE(QFileInfo::exists(Target(box.Home()) + "/vx7Ecamera"));
    EXPECT_FALSE(QFileInfo::exists(box.InfoFolder() + "/VX7lothInfo.3fg"));
}

TEST_F(InstallModelTest, FullVolumeLeavesWholeFilesOrNoneAndReportsTheUnwrittenRecord) {
    // A file-size limit stands in for a full volume: every write past 1000 bytes fails.
    InstallSandbox::Write(box.MediumFolder() + "/ephoto_syspic/big.png", QByteArray(3000, 'b'));
    auto model = box.MakeModel();
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool ran = InstallSandbox::RunToEnd(*model);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_TRUE(ran);

    const QString target = Target(box.Home());
    EXPECT_FALSE(QFileInfo::exists(target + "/ephoto_syspic/big.png")) << "no cut copy stays behind";
    EXPECT_TRUE(QFileInfo(target + "/ephoto_syspic/file0.png").isFile());
    EXPECT_EQ(CountFiles(target + "/ephoto_syspic"), 2);
    EXPECT_FALSE(QFileInfo::exists(box.InfoFolder() + "/VX7lothInfo.3fg")) << "never a cut record";
    EXPECT_FALSE(QFileInfo::exists(target + "/vx7ECameraInstInfo.3re"));
    EXPECT_TRUE(box.prompt.Texts().contains("安装信息保存失败 ! 卸载时请直接删除软件目录。"))
        << box.prompt.Texts().join('|').toStdString();
}

// --- shortcuts and install information ------------------------------------------------

TEST_F(InstallModelTest, CompletedInstallWritesBothRecordsWithTheInstallationsPaths) {
    auto model = box.MakeModel();
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    const QString target = Target(box.Home());
    const QString shortcut = box.Desktop() + "/" + kCaption + ".desktop";
    const QString group = box.Applications() + "/摄像头拍照(动画)Snapo";

    const QByteArray a = InstallSandbox::Read(target + "/vx7ECameraInstInfo.3re");
    const QByteArray s = InstallSandbox::Read(box.InfoFolder() + "/VX7lothInfo.3fg");
    ASSERT_EQ(a.size(), 4380);
    ASSERT_EQ(s.size(), 4559);
    EXPECT_EQ(a[0], 'A');
    EXPECT_EQ(s[0], 'S');
    const auto record = InstallRecordReader::Read(box.InfoFolder() + "/VX7lothInfo.3fg");
    ASSERT_TRUE(record);
    const auto& r = record->record;
    EXPECT_EQ(r.Date(), QString("2026. 1. 5"));
    EXPECT_EQ(r.Version(), QString("2006.02.16 V1.5.0"));
    EXPECT_EQ(r.ProgramFolder(), target);
    EXPECT_EQ(r.ProgramFolderWithSlash(), (target + "/").left(r.ProgramFolderWithSlash().size()));
    EXPECT_EQ(r.TopFolder(), box.Home() + "/" + kDefaultFolder);
    EXPECT_EQ(r.GroupFolder(), group);
    EXPECT_EQ(r.DesktopShortcut(), shortcut);
    EXPECT_TRUE(r.TopCreated());

    const QString desktopText = QString::fromUtf8(InstallSandbox::Read(shortcut));
    EXPECT_TRUE(desktopText.contains("Exec=\"" + target + "/vx7Ecamera\"")) << desktopText.toStdString();
    EXPECT_TRUE(desktopText.contains("Path=" + target + "\n"));
    EXPECT_TRUE(desktopText.contains("Name=" + kCaption + "\n"));
    EXPECT_TRUE(QFileInfo(group + "/" + kCaption + ".desktop").isFile());
    const QString uninstallText =
        QString::fromUtf8(InstallSandbox::Read(group + "/卸载 摄像头拍照Snapo.desktop"));
    EXPECT_TRUE(uninstallText.contains("Exec=" + box.InfoFolder() + "/UnInstVx7Ecam\n"))
        << uninstallText.toStdString();
    EXPECT_TRUE(uninstallText.contains("Path=" + box.InfoFolder() + "\n"));
    EXPECT_TRUE(box.prompt.shown.empty());
}

TEST_F(InstallModelTest, InstallIntoAnExistingFolderRecordsThatItWasNotMadeByTheInstaller) {
    QDir().mkpath(box.Home() + "/" + kDefaultFolder);
    auto model = box.MakeModel();
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    EXPECT_FALSE(model->TopFolderCreated());
    const QByteArray s = InstallSandbox::Read(box.InfoFolder() + "/VX7lothInfo.3fg");
    ASSERT_EQ(s.size(), 4559);
    EXPECT_EQ(s[1], ' ');
}

TEST_F(InstallModelTest, UncheckedShortcutsAreNotMadeAndTheirFieldsStayEmpty) {
    auto model = box.MakeModel();
    model->form.desktopShortcut = false;
    model->form.startMenu = false;
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    EXPECT_TRUE(QDir(box.Desktop()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(box.Applications() + "/摄像头拍照(动画)Snapo"));
    const auto record = InstallRecordReader::Read(box.InfoFolder() + "/VX7lothInfo.3fg");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->record.GroupFolder(), QString());
    EXPECT_EQ(record->record.DesktopShortcut(), QString());
}

TEST_F(InstallModelTest, MissingDesktopFolderIsReportedAndOnlyThatShortcutIsSkipped) {
    const vx7::platform::DesktopFolders noDesktop(QString(), box.Applications(), box.SystemDir());
    InstallModel model({box.Drives(), noDesktop, box.StartFolder(), box.prompt, box.clock});
    ASSERT_TRUE(InstallSandbox::RunToEnd(model));
    EXPECT_EQ(box.prompt.Texts(), QStringList{"创建桌面图标失败，请稍后自行创建!"});
    EXPECT_EQ(box.prompt.shown[0].title, QString("摄像头拍照"));
    EXPECT_EQ(model.View().status, QString(" 软件安装完成!! "));
    EXPECT_TRUE(QFileInfo(box.Applications() + "/摄像头拍照(动画)Snapo/" + kCaption + ".desktop").isFile());
    const auto record = InstallRecordReader::Read(box.InfoFolder() + "/VX7lothInfo.3fg");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->record.DesktopShortcut(), QString());
}

TEST_F(InstallModelTest, CaptionThatIsNoFileNameMakesNoShortcutOutsideTheDesktop) {
    auto model = box.MakeModel();
    model->form.shortcutCaption = "../escape";
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    EXPECT_EQ(box.prompt.Texts(), QStringList{"创建桌面图标失败，请稍后自行创建!"});
    EXPECT_FALSE(QFileInfo::exists(box.Home() + "/escape.desktop"));
    EXPECT_TRUE(QDir(box.Desktop()).isEmpty());
}

TEST_F(InstallModelTest, MenuGroupThatCannotBeMadeIsReported) {
    InstallSandbox::Write(box.Applications() + "/摄像头拍照(动画)Snapo", "a file in the way");
    auto model = box.MakeModel();
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    EXPECT_EQ(box.prompt.Texts(), QStringList{"创建文件夹失败！"});
    const auto record = InstallRecordReader::Read(box.InfoFolder() + "/VX7lothInfo.3fg");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->record.GroupFolder(), QString());
    EXPECT_FALSE(record->record.DesktopShortcut().isEmpty());
}

// --- space fields ---------------------------------------------------------------------------

TEST(InstallSpaceTest, FreeSpaceAndRatioFollowTheirFormats) {
    EXPECT_EQ(InstallModel::FreeKbText(123456), QString("123456"));
    EXPECT_EQ(InstallModel::FreeKbText(6000000000ull), QString("6000000000")) << "large volumes do not wrap";
    EXPECT_EQ(InstallModel::RatioText((InstallModel::kNeededKb * 100) + 50), QString("  1.0000%"));
    EXPECT_EQ(InstallModel::RatioText(InstallModel::kNeededKb), QString("100.0002%"));
    EXPECT_EQ(InstallModel::RatioText(1000000000), QString("  0.0247%"));
    EXPECT_EQ(InstallModel::RatioText(0), QString()) << "no division by an unknown free space";
}

TEST_F(InstallModelTest, SpaceFieldsFollowTheDrive) {
    auto model = box.MakeModel();
    EXPECT_EQ(model->View().neededKb, QString("247328"));
    EXPECT_GT(model->View().freeKb.toULongLong(), 0u);
    EXPECT_TRUE(model->View().ratio.endsWith('%'));
    model->form.drive = "F:";
    model->RecomputeSpace();
    EXPECT_EQ(model->View().freeKb, QString("0"));
    EXPECT_EQ(model->View().ratio, QString());
    const auto choices = model->DriveChoices();
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[0].first, QString("C:"));
    EXPECT_EQ(choices[0].second, box.Home());
    EXPECT_EQ(choices[1].first, QString("D:"));
}
