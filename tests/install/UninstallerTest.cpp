#include "install/model/Uninstaller.h"
#include "install/model/InstallRecord.h"
#include "install/model/InstallRecordWriter.h"

#include "InstallSandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using vx7::install::InstallRecord;
using vx7::install::InstallRecordWriter;
using vx7::install::Uninstaller;
using vx7::test::InstallSandbox;
using Outcome = vx7::install::Uninstaller::Outcome;

namespace {

const QString kLost = "安装信息丢失 ! 请自行卸载软件(直接删除软件目录)。";
const QString kGone = " 软件已卸载(或没有安装)!";

struct UninstallerTest : ::testing::Test {
    InstallSandbox box;
    QString top;
    QString target;
    QString shortcut;
    QString group;

    void SetUp() override {
        top = box.Home() + "/Vantor摄像头拍照Snapo";
        target = top + "/摄像头拍照(动画)Snapo2011";
        shortcut = box.Desktop() + "/Vantor摄像头拍照(动画)Snapo.desktop";
        group = box.Applications() + "/摄像头拍照(动画)Snapo";
    }
    void Install() {
        auto model = box.MakeModel();
        ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
        ASSERT_TRUE(box.prompt.shown.empty());
        ASSERT_TRUE(QFileInfo(shortcut).isFile());
        ASSERT_TRUE(QFileInfo(group).isDir());
    }
    Uninstaller Make() { return Uninstaller(box.Folders(), box.prompt); }
    // Rewrites the information file with a changed record.
    void Forge(const std::function<void(InstallRecord&)>& change) {
        InstallRecord r;
        r.SetDate(QDate(2026, 1, 1));
        r.SetProgramFolder(target);
        r.SetTopFolder(top);
        change(r);
        QDir().mkpath(box.InfoFolder());
        ASSERT_TRUE(InstallRecordWriter::WriteInformationFile(r, box.InfoFolder() + "/VX7lothInfo.3fg"));
    }
};

} // namespace

TEST_F(UninstallerTest, RemovesEverythingTheInstallationMadeAndSaysSo) {
    const auto before = InstallSandbox::Snapshot(box.Home());
    const auto systemBefore = InstallSandbox::Snapshot(box.SystemDir());
    Install();
    // What the program itself makes while it runs goes with it.
    InstallSandbox::Write(target + "/vx7ECameraSysInfo.e3f", QByteArray(4124, '\0'));
    InstallSandbox::Write(target + "/tmpBmpData/我的照片1.bmp", "work copy");
    auto u = Make();
    EXPECT_EQ(u.Uninstall(), Outcome::Removed);
    EXPECT_EQ(box.prompt.Texts(), QStringList{" 软件已卸载完毕!"});
    EXPECT_FALSE(QFileInfo::exists(top));
    EXPECT_FALSE(QFileInfo::exists(box.InfoFolder()));
    EXPECT_FALSE(QFileInfo::exists(shortcut));
    EXPECT_FALSE(QFileInfo::exists(group));
    EXPECT_FALSE(QFileInfo::exists(box.SystemDir() + "/libImage66Conver123ter.so"));
    EXPECT_EQ(InstallSandbox::Snapshot(box.Home()), before);
    EXPECT_EQ(InstallSandbox::Snapshot(box.SystemDir()), systemBefore);
}

TEST_F(UninstallerTest, PhotosAnimationsAndAddedFilesAreKeptAndReported) {
    Install();
    InstallSandbox::Write(target + "/2011拍照图片/我的照片1.bmp", "a photo taken later");
    InstallSandbox::Write(target + "/2011拍照图片/我的照片1.gif", "an animation");
    InstallSandbox::Write(target + "/2011拍照图片/gif/burst.gif", "another");
    auto u = Make();
    EXPECT_EQ(u.Uninstall(), Outcome::Removed);
    EXPECT_EQ(InstallSandbox::Read(target + "/2011拍照图片/我的照片1.bmp"),
              QByteArray("a photo taken later"));
    EXPECT_EQ(InstallSandbox::Read(target + "/2011拍照图片/gif/burst.gif"), QByteArray("another"));
    // Everything the installer put there is gone, the now empty folders too.
    EXPECT_FALSE(QFileInfo::exists(target + "/vx7Ecamera"));
    EXPECT_FALSE(QFileInfo::exists(target + "/ephoto_syspic"));
    EXPECT_FALSE(QFileInfo::exists(target + "/vx7ECameraInstInfo.3re"));
    EXPECT_FALSE(QFileInfo::exists(box.InfoFolder()));
    EXPECT_FALSE(QFileInfo::exists(shortcut));
    EXPECT_EQ(InstallSandbox::Snapshot(target).size(), 5u); // the photo folder, its sub-folder, 3 files
    ASSERT_EQ(box.prompt.shown.size(), 1u);
    EXPECT_EQ(box.prompt.shown[0].text,
              QString(" 软件已卸载完毕!\n\n您的 3 个文件没有删除, 保留在:\n%1/2011拍照图片").arg(target));
}

TEST_F(UninstallerTest, FilesAddedToInstalledFoldersAreKept) {
    Install();
    InstallSandbox::Write(target + "/vx7Ecamsys素材仓库/mine.dm3", "my own package");
    EXPECT_EQ(Make().Uninstall(), Outcome::Removed);
    EXPECT_EQ(InstallSandbox::Read(target + "/vx7Ecamsys素材仓库/mine.dm3"), QByteArray("my own package"));
    EXPECT_TRUE(box.prompt.shown.back().text.endsWith(target + "/vx7Ecamsys素材仓库"));
}

TEST_F(UninstallerTest, InstallationWithoutAFileListStillKeepsPhotosAndAnimations) {
    Install();
    QFile::remove(box.InfoFolder() + "/vx7ECamInstFiles.lst");
    InstallSandbox::Write(target + "/2011拍照图片/我的照片1.JPG", "photo");
    InstallSandbox::Write(target + "/我的动画.gif", "gif");
    EXPECT_EQ(Make().Uninstall(), Outcome::Removed);
    EXPECT_TRUE(QFileInfo(target + "/2011拍照图片/我的照片1.JPG").isFile());
    EXPECT_TRUE(QFileInfo(target + "/我的动画.gif").isFile());
    EXPECT_FALSE(QFileInfo::exists(target + "/vx7Ecamera"));
    EXPECT_FALSE(QFileInfo::exists(target + "/ephoto_syspic"));
}

TEST_F(UninstallerTest, ListedFilesBehindALinkedFolderAreNotFollowed) {
    Install();
    const QString elsewhere = box.Root() + "/elsewhere";
    const QString victim = InstallSandbox::Write(elsewhere + "/x.png", "not ours");
    // A listed file name inside a folder that now is a link to some other folder.
    QDir(target + "/ephoto_syspic").removeRecursively();
    ASSERT_TRUE(QFile::link(elsewhere, target + "/ephoto_syspic"));
    InstallSandbox::Write(box.InfoFolder() + "/vx7ECamInstFiles.lst",
                          "ephoto_syspic/x.png\n../../elsewhere/x.png\n");
    EXPECT_EQ(Make().Uninstall(), Outcome::Removed);
    EXPECT_EQ(InstallSandbox::Read(victim), QByteArray("not ours"));
}

TEST_F(UninstallerTest, WithoutInformationFileNothingIsRemovedAndTheUserIsTold) {
    Install();
    QFile::remove(box.InfoFolder() + "/VX7lothInfo.3fg");
    const auto before = InstallSandbox::Snapshot(box.Root());
    auto u = Make();
    EXPECT_EQ(u.Uninstall(), Outcome::InformationLost);
    ASSERT_EQ(box.prompt.shown.size(), 1u);
    EXPECT_EQ(box.prompt.shown[0].text, kLost);
    EXPECT_EQ(box.prompt.shown[0].title, QString("Vantor软件"));
    EXPECT_EQ(InstallSandbox::Snapshot(box.Root()), before);
}

TEST_F(UninstallerTest, TopFolderDeletedByHandStillRemovesTheInformationFolder) {
    Install();
    QDir(top).removeRecursively();
    auto u = Make();
    EXPECT_EQ(u.Uninstall(), Outcome::AlreadyRemoved);
    ASSERT_EQ(box.prompt.shown.size(), 1u);
    EXPECT_EQ(box.prompt.shown[0].text, kGone);
    EXPECT_EQ(box.prompt.shown[0].title, QString("Vantor拍照Snapo"));
    EXPECT_FALSE(QFileInfo::exists(box.InfoFolder()));
}

TEST_F(UninstallerTest, ReadOnlyFilesInsideTheInstallationAreRemoved) {
    Install();
    const QDir pictures(target + "/ephoto_syspic");
    const QString ro = pictures.filePath(pictures.entryList(QDir::Files).value(0));
    ASSERT_TRUE(QFileInfo(ro).isFile());
    QFile::setPermissions(ro, QFile::ReadOwner);
    QFile::setPermissions(target + "/vx7Ecamera", QFile::ReadOwner);
    auto u = Make();
    EXPECT_EQ(u.Uninstall(), Outcome::Removed);
    EXPECT_FALSE(QFileInfo::exists(top));
}

TEST_F(UninstallerTest, PreExistingTopFolderKeepsTheUsersOtherFiles) {
    InstallSandbox::Write(top + "/my-notes.txt", "mine");
    InstallSandbox::Write(top + "/work/report.doc", "mine too");
    Install();
    auto u = Make();
    EXPECT_EQ(u.Uninstall(), Outcome::Removed);
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(InstallSandbox::Read(top + "/my-notes.txt"), QByteArray("mine"));
    EXPECT_EQ(InstallSandbox::Read(top + "/work/report.doc"), QByteArray("mine too"));
    EXPECT_FALSE(QFileInfo::exists(box.InfoFolder()));
}

TEST_F(UninstallerTest, PreExistingEmptyTopFolderGoesWhenNothingElseIsInIt) {
    QDir().mkpath(top);
    Install();
    auto u = Make();
    EXPECT_EQ(u.Uninstall(), Outcome::Removed);
    EXPECT_FALSE(QFileInfo::exists(top));
}

TEST_F(UninstallerTest, InstallationIntoAnExistingUserFolderLeavesTheUsersFiles) {
    InstallSandbox::Write(box.Home() + "/diary.txt", "private");
    auto model = box.MakeModel();
    // The drive C: with a folder name resolving to a folder the user already has.
    QDir().mkpath(box.Home() + "/Documents");
    model->form.folderName = "Documents";
    ASSERT_TRUE(InstallSandbox::RunToEnd(*model));
    InstallSandbox::Write(box.Home() + "/Documents/letter.odt", "mine");
    auto u = Make();
    EXPECT_EQ(u.Uninstall(), Outcome::Removed);
    EXPECT_EQ(InstallSandbox::Read(box.Home() + "/Documents/letter.odt"), QByteArray("mine"));
    EXPECT_FALSE(QFileInfo::exists(box.Home() + "/Documents/摄像头拍照(动画)Snapo2011"));
    EXPECT_EQ(InstallSandbox::Read(box.Home() + "/diary.txt"), QByteArray("private"));
}

TEST_F(UninstallerTest, ForgedRecordClaimingTheHomeFolderRemovesOnlyTheProgramFolderInIt) {
    Install();
    InstallSandbox::Write(box.Home() + "/diary.txt", "private");
    top = box.Home();
    Forge([&](InstallRecord& r) {
        r.SetTopFolder(box.Home());
        r.SetTopCreated(true);
    });
    auto u = Make();
    EXPECT_FALSE(u.MayRemoveWholeTop(InstallRecord()));
    EXPECT_EQ(u.Uninstall(), Outcome::Removed);
    EXPECT_EQ(InstallSandbox::Read(box.Home() + "/diary.txt"), QByteArray("private"));
    EXPECT_TRUE(QFileInfo(box.Home() + "/Vantor摄像头拍照Snapo").isDir());
}

TEST_F(UninstallerTest, ShortOrForeignInformationFilesRemoveNothing) {
    Install();
    const QString info = box.InfoFolder() + "/VX7lothInfo.3fg";
    const QByteArray whole = InstallSandbox::Read(info);
    const auto before = InstallSandbox::Snapshot(box.Root());
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    QByteArray foreign = whole;
    foreign[0] = 'A';
    QByteArray unterminated = whole;
    memset(unterminated.data() + 1148, 'x', 256);
    QByteArray relative = whole;
    memcpy(relative.data() + 1148, "rel/top\0", 8);
    QByteArray dotted = whole;
    const QByteArray dots = (box.Home() + "/x/..").toUtf8() + '\0';
    memcpy(dotted.data() + 1148, dots.constData(), static_cast<size_t>(dots.size()));
    for (const Case& c : {Case{"truncated", whole.left(1300)}, Case{"cut before the end", whole.left(4000)},
                          Case{"empty", QByteArray()}, Case{"foreign marker", foreign},
                          Case{"unterminated top", unterminated}, Case{"relative top", relative},
                          Case{"top with ..", dotted}}) {
        SCOPED_TRACE(c.what);
        InstallSandbox::Write(info, c.bytes);
        box.prompt.shown.clear();
        auto u = Make();
        EXPECT_EQ(u.Uninstall(), Outcome::InformationLost);
        EXPECT_EQ(box.prompt.Texts(), QStringList{kLost});
        EXPECT_EQ(InstallSandbox::Snapshot(box.Root()).size(), before.size());
        EXPECT_TRUE(QFileInfo(target + "/vx7Ecamera").isFile());
    }
}

TEST_F(UninstallerTest, ShortcutAndGroupFieldsNameOnlyWhatTheInstallerMakes) {
    Install();
    const QString userFile = InstallSandbox::Write(box.Desktop() + "/letter.odt", "mine");
    const QString userFolder = box.Applications() + "/other-program";
    InstallSandbox::Write(userFolder + "/entry.desktop", "entry");
    Forge([&](InstallRecord& r) {
        r.SetTopCreated(true);
        r.SetDesktopShortcut(userFile);
        r.SetGroupFolder(userFolder);
    });
    auto u = Make();
    EXPECT_EQ(u.Uninstall(), Outcome::Removed);
    EXPECT_EQ(InstallSandbox::Read(userFile), QByteArray("mine"));
    EXPECT_TRUE(QFileInfo(userFolder + "/entry.desktop").isFile());
    EXPECT_FALSE(QFileInfo::exists(top));
}

TEST_F(UninstallerTest, EmptyGroupAndShortcutFieldsRemoveNoShortcuts) {
    Install();
    Forge([&](InstallRecord& r) { r.SetTopCreated(true); });
    auto u = Make();
    EXPECT_EQ(u.Uninstall(), Outcome::Removed);
    EXPECT_TRUE(QFileInfo(shortcut).isFile());
    EXPECT_TRUE(QFileInfo(group).isDir());
    EXPECT_FALSE(QFileInfo::exists(top));
}

TEST_F(UninstallerTest, ShortcutThatIsALinkIsRemovedAsALink) {
    Install();
    const QString target2 = InstallSandbox::Write(box.Root() + "/elsewhere.desktop", "not ours");
    QFile::remove(shortcut);
    ASSERT_TRUE(QFile::link(target2, shortcut));
    auto u = Make();
    EXPECT_EQ(u.Uninstall(), Outcome::Removed);
    EXPECT_FALSE(QFileInfo(shortcut).isSymLink());
    EXPECT_EQ(InstallSandbox::Read(target2), QByteArray("not ours"));
}

// --- removal from the installer's start window ---------------------------------------------

TEST_F(UninstallerTest, StartWindowAsksFirstAndNoRemovesNothing) {
    Install();
    const auto before = InstallSandbox::Snapshot(box.Root());
    box.prompt.answers = {false};
    auto u = Make();
    EXPECT_EQ(u.RemoveFromStartWindow(), Outcome::Cancelled);
    ASSERT_EQ(box.prompt.shown.size(), 1u);
    EXPECT_TRUE(box.prompt.shown[0].question);
    EXPECT_EQ(box.prompt.shown[0].text, QString(" 准备卸载软件 . 请确认 !"));
    EXPECT_EQ(box.prompt.shown[0].title, QString("Vantor软件"));
    EXPECT_EQ(InstallSandbox::Snapshot(box.Root()), before);
}

TEST_F(UninstallerTest, StartWindowRemovalTakesLaunchersGroupAndLibraryAndKeepsPhotos) {
    Install();
    InstallSandbox::Write(target + "/2011拍照图片/我的照片1.bmp", "photo");
    box.prompt.answers = {true};
    auto u = Make();
    EXPECT_EQ(u.RemoveFromStartWindow(), Outcome::Removed);
    EXPECT_FALSE(QFileInfo::exists(target + "/vx7Ecamera"));
    EXPECT_FALSE(QFileInfo::exists(box.InfoFolder()));
    EXPECT_FALSE(QFileInfo::exists(shortcut));
    EXPECT_FALSE(QFileInfo::exists(group));
    EXPECT_FALSE(QFileInfo::exists(box.SystemDir() + "/libImage66Conver123ter.so"));
    EXPECT_EQ(InstallSandbox::Read(target + "/2011拍照图片/我的照片1.bmp"), QByteArray("photo"));
    ASSERT_EQ(box.prompt.shown.size(), 2u);
    EXPECT_TRUE(box.prompt.shown[1].text.contains("您的 1 个文件没有删除"));
    EXPECT_EQ(box.prompt.shown[1].title, QString("Vantor软件"));
}

TEST_F(UninstallerTest, StartWindowMessagesCarryItsOwnTitle) {
    auto u = Make();
    EXPECT_EQ(u.RemoveFromStartWindow(), Outcome::InformationLost);
    ASSERT_EQ(box.prompt.shown.size(), 1u);
    EXPECT_EQ(box.prompt.shown[0].text, kLost);
    EXPECT_EQ(box.prompt.shown[0].title, QString("Vantor软件"));

    box.prompt.shown.clear();
    Install();
    QDir(top).removeRecursively();
    box.prompt.shown.clear();
    EXPECT_EQ(u.RemoveFromStartWindow(), Outcome::AlreadyRemoved);
    ASSERT_EQ(box.prompt.shown.size(), 1u);
    EXPECT_EQ(box.prompt.shown[0].text, kGone);
    EXPECT_EQ(box.prompt.shown[0].title, QString("Vantor软件"));
    EXPECT_FALSE(QFileInfo::exists(box.InfoFolder()));
}
