#include "core/SysInfo.h"
#include "platform/Gbk.h"
#include "support/FileBytes.h"
#include "support/HostileFiles.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace vx7::core;

using vx7::test::ReadAll;

namespace {

QString Slot(const QByteArray& file, size_t offset, size_t size) {
    return vx7::platform::ReadGbkField(std::span<const char>(file.constData() + offset, size));
}

struct SysInfoTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    SysInfo sys;
    void SetUp() override { sys.SetFolder(home.Path()); }
};

} // namespace

TEST_F(SysInfoTest, FirstStartCreatesTheRecordWithItsCreationValues) {
    sys.Load();
    const QByteArray file = ReadAll(sys.SettingsPath());
    ASSERT_EQ(file.size(), 4124);
    EXPECT_EQ(QByteArray(file.constData(), 9), QByteArray("V 1.0\0\0\0\0", 9));
    const QString folder = home.Path() + "/2011拍照图片";
    EXPECT_EQ(Slot(file, 68, 468), folder);
    EXPECT_EQ(Slot(file, 640, 468), folder);
    EXPECT_EQ(sys.PhotoFolder(), folder);
    EXPECT_EQ(file[4046], 'G');
    EXPECT_EQ(file[4047], ' ');
    for (int i = 3082; i < 3082 + 964; ++i)
        ASSERT_EQ(file[i], ' ') << "at " << i;
    for (int i : {9, 67, 536, 1212, 1678, 2144, 2610, 3076, 4048, 4123})
        EXPECT_EQ(file[i], '\0') << "at " << i;
    EXPECT_EQ(sys.Text(SysInfo::kReadBackgroundFolder), QString());
}

TEST_F(SysInfoTest, ExistingReservedBytesSurviveLoadAndSave) {
    QByteArray original(4124, '\0');
    for (int i = 0; i < original.size(); ++i)
        original[i] = static_cast<char>('a' + i % 23);
    original[1212 + 3] = '\0'; // slot 1 holds "abc"… up to a terminator
    home.WriteFile("vx7ECameraSysInfo.e3f", original);
    sys.Load();
    EXPECT_EQ(sys.Text(SysInfo::kStoreGifFolder, "gifs"), QString("gifs"));
    const QByteArray after = ReadAll(sys.SettingsPath());
    ASSERT_EQ(after.size(), 4124);
    for (int i = 0; i < 4124; ++i) {
        if (i >= 2144 && i < 2144 + 5)
            continue; // "gifs" and its terminator
        ASSERT_EQ(after[i], original[i]) << "byte " << i << " changed";
    }
    EXPECT_EQ(sys.Text(SysInfo::kReadGifFolder), QString("gifs"));
}

// Settings that are no whole record: a 0-byte file (a start on a full disk leaves one),
// a short one, a folder, a dangling link, a FIFO. Each is kept aside and the settings
// are made anew, so photos go to the installation's photo folder, never to "/".
TEST_F(SysInfoTest, SettingsThatAreNoWholeRecordAreKeptAsideAndMadeAnew) {
    const QString path = home.Sub("vx7ECameraSysInfo.e3f");
    QByteArray partial(68, '\0');
    memcpy(partial.data(), "V 9.9", 5);
    struct Case {
        const char* what;
        std::function<void()> make;
        bool keptAsFile;
    };
    const std::vector<Case> cases = {
        {"0 bytes", [&] { home.WriteFile("vx7ECameraSysInfo.e3f", QByteArray()); }, true},
        {"68 bytes", [&] { home.WriteFile("vx7ECameraSysInfo.e3f", partial); }, true},
        {"a folder", [&] { QDir().mkpath(path); }, false},
        {"a dangling link", [&] { QFile::link(home.Sub("nowhere"), path); }, false},
        {"a FIFO", [&] { vx7::test::MakeFifo(path); }, false},
    };
    for (const Case& c : cases) {
        QFile::remove(path + ".bak");
        QDir(path + ".bak").removeRecursively();
        c.make();
        SysInfo fresh;
        fresh.SetFolder(home.Path());
        fresh.Load();
        EXPECT_EQ(fresh.PhotoFolder(), home.Path() + "/2011拍照图片") << c.what;
        EXPECT_EQ(ReadAll(path).size(), 4124) << c.what << ": made anew";
        EXPECT_TRUE(QFileInfo(path).isFile()) << c.what;
        EXPECT_TRUE(QFileInfo(path + ".bak").exists() || QFileInfo(path + ".bak").isSymLink()) << c.what;
        if (c.keptAsFile) {
            EXPECT_EQ(ReadAll(path + ".bak").size(), QFileInfo(path + ".bak").size()) << c.what;
        }
        QFile::remove(path);
    }
    // The short file's bytes are what was kept aside.
    home.WriteFile("vx7ECameraSysInfo.e3f", partial);
    QFile::remove(path + ".bak");
    sys.Load();
    EXPECT_EQ(ReadAll(path + ".bak"), partial);
}

// A stored photo folder that is empty, relative or not a folder falls back to the
// installation's photo folder.
TEST_F(SysInfoTest, UnusableStoredPhotoFoldersFallBackToTheInstallationsOne) {
    sys.Load();
    const QString fallback = home.Path() + "/2011拍照图片";
    const QString file = home.WriteFile("a-file", "x");
    for (const QString& stored : {QString(), QString("photos"), QString("./x"), file}) {
        ASSERT_TRUE(sys.SetPhotoFolder(stored));
        EXPECT_EQ(sys.PhotoFolder(), fallback) << stored.toStdString();
        EXPECT_EQ(sys.StoredPhotoFolder(), stored);
    }
    ASSERT_TRUE(sys.SetPhotoFolder(home.Sub("mine")));
    EXPECT_EQ(sys.PhotoFolder(), home.Sub("mine")) << "a folder still to be made is the user's choice";
}

TEST_F(SysInfoTest, ALargerFileIsAWholeRecord) {
    QByteArray larger(5000, '\0');
    memcpy(larger.data(), "V 9.9", 5);
    memcpy(larger.data() + 68, "/x", 2);
    home.WriteFile("vx7ECameraSysInfo.e3f", larger);
    sys.Load();
    EXPECT_EQ(sys.StoredPhotoFolder(), QString("/x"));
    EXPECT_FALSE(QFileInfo::exists(sys.SettingsPath() + ".bak"));
}

TEST_F(SysInfoTest, TextSlotsKeepAtMost256CharactersAndAreSaved) {
    sys.Load();
    const QString longText(300, QChar('q'));
    EXPECT_EQ(sys.Text(SysInfo::kStoreBackgroundFolder, longText), longText);
    EXPECT_EQ(sys.Text(SysInfo::kReadBackgroundFolder), QString(256, QChar('q')));
    const QByteArray file = ReadAll(sys.SettingsPath());
    EXPECT_EQ(file[1212 + 256], '\0');
    // Chinese text is cut at a whole character: 129 characters = 258 bytes → 128 kept.
    const QString chinese(129, QChar(0x7167));
    sys.Text(SysInfo::kStoreLastBackground, chinese);
    EXPECT_EQ(sys.Text(SysInfo::kReadLastBackground), QString(128, QChar(0x7167)));
    EXPECT_EQ(sys.Text(999, "x"), QString());
    EXPECT_EQ(sys.Text(SysInfo::kStoreSaveFolder, "/save"), QString("/save"));
    EXPECT_EQ(sys.Text(SysInfo::kReadSaveFolder), QString("/save"));
}

TEST_F(SysInfoTest, TextWithoutGbkFormIsRefusedWithAMessage) {
    vx7::test::ScriptedPrompt prompt;
    sys.SetPrompt(&prompt);
    sys.Load();
    sys.Text(SysInfo::kStoreBackgroundFolder, "/good");
    EXPECT_EQ(sys.Text(SysInfo::kStoreBackgroundFolder, "/bad😀"), QString());
    EXPECT_EQ(sys.Text(SysInfo::kReadBackgroundFolder), QString("/good"));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_FALSE(sys.SetPhotoFolder("/😀"));
    EXPECT_EQ(prompt.shown.size(), 2u);
}

TEST_F(SysInfoTest, HotKeyAndFlags) {
    sys.Load();
    EXPECT_EQ(sys.HotKeyChar(' '), 'G');
    EXPECT_EQ(sys.HotKeyChar('K'), 'K');
    EXPECT_EQ(ReadAll(sys.SettingsPath())[4046], 'K');
    EXPECT_EQ(sys.HotKeyChar(' '), 'K');
    EXPECT_EQ(sys.CameraOff(SysInfo::kReadFlag), 0);
    EXPECT_EQ(sys.CameraOff(SysInfo::kSetFlag), 1);
    EXPECT_EQ(sys.CameraOff(5), 1);
    EXPECT_EQ(sys.CameraOff(SysInfo::kClearFlag), 0);
    EXPECT_EQ(sys.ScreenshotPending(SysInfo::kSetFlag), 1);
    EXPECT_EQ(sys.ScreenshotPending(SysInfo::kReadFlag), 1);
    EXPECT_EQ(sys.ScreenshotPending(SysInfo::kClearFlag), 0);
}

TEST_F(SysInfoTest, SetPhotoFolderIsKeptUntilTheNextSave) {
    sys.Load();
    EXPECT_TRUE(sys.SetPhotoFolder("/new/folder"));
    EXPECT_EQ(sys.PhotoFolder(), QString("/new/folder"));
    SysInfo other;
    other.SetFolder(home.Path());
    other.Load();
    EXPECT_NE(other.PhotoFolder(), QString("/new/folder"));
    sys.HotKeyChar('H');
    other.Load();
    EXPECT_EQ(other.PhotoFolder(), QString("/new/folder"));
}

TEST_F(SysInfoTest, PurgeDeletesFilesAmongTheFirst661NamesOnly) {
    sys.Load();
    for (int i = 0; i < 700; ++i)
        home.WriteFile(QString("tmpBmpData/f%1.bmp").arg(i), "x");
    const int tried = sys.PurgeWorkFolder();
    EXPECT_EQ(tried, 661);
    // The 661 names include "." and "..": 659 files gone, 41 left for the next close.
    EXPECT_EQ(QDir(home.Sub("tmpBmpData")).entryList(QDir::Files).size(), 700 - 659);
    sys.PurgeWorkFolder();
    EXPECT_TRUE(QDir(home.Sub("tmpBmpData")).entryList(QDir::Files).isEmpty());
}

TEST_F(SysInfoTest, PurgeLeavesFoldersAlone) {
    QDir().mkpath(home.Sub("tmpBmpData/inner"));
    home.WriteFile("tmpBmpData/inner/keep.bmp", "x");
    home.WriteFile("tmpBmpData/gone.bmp", "x");
    EXPECT_EQ(sys.PurgeWorkFolder(), 4);
    EXPECT_TRUE(QFile::exists(home.Sub("tmpBmpData/inner/keep.bmp")));
    EXPECT_FALSE(QFile::exists(home.Sub("tmpBmpData/gone.bmp")));
}

// A link where the work folder belongs must not make the purge empty its target.
TEST_F(SysInfoTest, PurgeNeverFollowsALinkedWorkFolder) {
    const QString outside = home.WriteFile("outside/precious.jpg", "keep");
    QDir(home.Sub("tmpBmpData")).removeRecursively();
    ASSERT_TRUE(QFile::link(home.Sub("outside"), home.Sub("tmpBmpData")));
    sys.PurgeWorkFolder();
    EXPECT_EQ(ReadAll(outside), QByteArray("keep"));
    EXPECT_TRUE(QFileInfo(home.Sub("tmpBmpData")).isDir());
    EXPECT_FALSE(QFileInfo(home.Sub("tmpBmpData")).isSymLink()) << "the work folder is made anew";
    // A file in its place is left alone.
    QDir(home.Sub("tmpBmpData")).removeRecursively();
    home.WriteFile("tmpBmpData", "a file");
    sys.PurgeWorkFolder();
    EXPECT_EQ(ReadAll(home.Sub("tmpBmpData")), QByteArray("a file"));
}

TEST_F(SysInfoTest, PurgeRemovesFoldersOfGifBuildsAndNothingTheyLinkTo) {
    const QString outside = home.WriteFile("outside/precious.jpg", "keep");
    home.WriteFile("tmpBmpData/build-abc123/0001.gif", "x");
    QFile::link(home.Sub("outside"), home.Sub("tmpBmpData/build-abc123/link"));
    sys.PurgeWorkFolder();
    EXPECT_FALSE(QFileInfo::exists(home.Sub("tmpBmpData/build-abc123")));
    EXPECT_EQ(ReadAll(outside), QByteArray("keep"));
}

TEST_F(SysInfoTest, PurgeRemovesLinksWithoutFollowingThem) {
    const QString outside = home.WriteFile("precious.txt", "keep");
    QFile::link(outside, home.Sub("tmpBmpData/link.txt"));
    sys.PurgeWorkFolder();
    EXPECT_FALSE(QFileInfo(home.Sub("tmpBmpData/link.txt")).isSymLink());
    EXPECT_EQ(ReadAll(outside), QByteArray("keep"));
}

TEST_F(SysInfoTest, ListingsFindTheirPatternsCaseInsensitively) {
    sys.Load();
    home.WriteFile("2011拍照图片/a.avi", "");
    home.WriteFile("2011拍照图片/B.AVI", "");
    home.WriteFile("2011拍照图片/c.gif", "");
    QStringList titles, paths;
    EXPECT_EQ(sys.ListVideos(0, titles, paths, 10), 2);
    titles.sort();
    EXPECT_EQ(titles, QStringList({"B", "a"}));
    EXPECT_EQ(sys.ListVideos(1, titles, paths, 10), 1);
    EXPECT_EQ(titles, QStringList{"c"});
    home.WriteFile("gifs/x.gif", "");
    home.WriteFile("gifs/y.gif", "");
    sys.Text(SysInfo::kStoreGifFolder, home.Sub("gifs"));
    EXPECT_EQ(sys.ListVideos(1, titles, paths, 1), 1) << "stops at the capacity";
    EXPECT_TRUE(paths[0].startsWith(home.Sub("gifs")));

    home.WriteFile("vx7Ecamsys素材仓库/饰品.dm3", "");
    home.WriteFile("vx7Ecamsys素材仓库/readme.txt", "");
    EXPECT_EQ(sys.ListMaterialPackages(), QStringList{"饰品"});
    home.WriteFile("ephoto_syspic/vx7ECam化装盒_COLOR01.png", "");
    home.WriteFile("ephoto_syspic/other.png", "");
    EXPECT_EQ(sys.ListMakeupColours(30).size(), 1);
}

// The file-size limit makes every write past its first kLimit bytes fail, as a full
// disk would; SIGXFSZ is ignored meanwhile so the failure is an error, not the end.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t limit) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGXFSZ, &ignore, &oldAction_);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit small = old_;
        small.rlim_cur = limit;
        active_ = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        sigaction(SIGXFSZ, &oldAction_, nullptr);
    }
    bool Active() const { return active_; }

  private:
    rlimit old_{};
    struct sigaction oldAction_ {};
    bool active_ = false;
};

TEST_F(SysInfoTest, SaveThatFailsPartwayLeavesTheOldFileWhole) {
    sys.Load();
    sys.Text(SysInfo::kStoreGifFolder, "/old/gifs");
    const QByteArray before = ReadAll(sys.SettingsPath());
    ASSERT_EQ(before.size(), 4124);
    bool saved = true;
    QString stored;
    {
        FileSizeLimit limit(1000); // the record is 4124 bytes: the write stops partway
        ASSERT_TRUE(limit.Active());
        stored = sys.Text(SysInfo::kStoreGifFolder, "/new/gifs");
        saved = sys.Save();
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(stored, QString("/new/gifs")) << "the program runs on with the value in memory";
    EXPECT_EQ(ReadAll(sys.SettingsPath()), before) << "the old settings survive whole";
    const QStringList left = QDir(home.Path()).entryList(QDir::Files);
    EXPECT_EQ(left, QStringList{"vx7ECameraSysInfo.e3f"}) << "no temporary file stays behind";

    // Once the disk takes the write again, the next save stores everything.
    ASSERT_TRUE(sys.Save());
    SysInfo reread;
    reread.SetFolder(home.Path());
    reread.Load();
    EXPECT_EQ(reread.Text(SysInfo::kReadGifFolder), QString("/new/gifs"));
}
