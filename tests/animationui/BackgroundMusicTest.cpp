#include "animation/music/BackgroundMusic.h"
#include "ScriptedFileChooser.h"
#include "TestMedia.h"
#include "animation/making/FileChooser.h"
#include "platform/SoundPlayer.h"
#include "support/TempInstallFolder.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

using vx7::animation::BackgroundMusic;

namespace {

// Records every file it is asked to play.
class RecordingPlayer final : public vx7::platform::SoundPlayer {
  public:
    void Play(const QString& path) override { played.append(path); }
    int ActiveCount() const override { return static_cast<int>(played.size()); }
    QStringList played;
};

struct BackgroundMusicTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    QString previous = QDir::currentPath();
    vx7::test::ScriptedFileChooser files;
    void SetUp() override { QDir::setCurrent(home.Path()); }
    void TearDown() override { QDir::setCurrent(previous); }
};

} // namespace

TEST_F(BackgroundMusicTest, StartsWithTheDefaultLoopAndCancelChangesNothing) {
    RecordingPlayer player;
    BackgroundMusic music(home.Path(), player, files);
    EXPECT_EQ(music.MusicPath(), home.Path() + "/ephoto_syspic/loop11.WAV");
    EXPECT_FALSE(music.ChooseMusic());
    EXPECT_EQ(music.MusicPath(), home.Path() + "/ephoto_syspic/loop11.WAV");
    EXPECT_TRUE(player.played.isEmpty());
    ASSERT_EQ(files.filters.size(), 1);
    EXPECT_EQ(files.filters.at(0), QString("图形文件(*.wav,*.mid,*.mp3,*.wma)|*.wav;*.mid;*.mp3;*.wma"));
    EXPECT_EQ(files.initialNames.at(0), QString("*.wav;*.mid;*.mp3;*.wma"));
}

TEST_F(BackgroundMusicTest, EachChoiceIsStoredAndPlayedAndTheFolderRestored) {
    RecordingPlayer player;
    BackgroundMusic music(home.Path(), player, files);
    files.files = {"/music/a.mp3", "/music/gone.wma"};
    QDir::setCurrent(QDir::tempPath()); // as a dialog might leave it
    EXPECT_TRUE(music.ChooseMusic());
    EXPECT_EQ(QDir::currentPath(), QDir(home.Path()).canonicalPath());
    EXPECT_TRUE(music.ChooseMusic());
    // Both choices play; the second does not wait for or end the first.
    EXPECT_EQ(player.played, QStringList({"/music/a.mp3", "/music/gone.wma"}));
    // A file that cannot be played still becomes the music path.
    EXPECT_EQ(music.MusicPath(), QString("/music/gone.wma"));
}

TEST_F(BackgroundMusicTest, RealPlayerIsSilentAboutBadFilesAndOverlapsGoodOnes) {
    auto player = vx7::platform::MakeSoundPlayer();
    const QString wav = home.Sub("ephoto_syspic/tone.wav");
    QString error;
    ASSERT_TRUE(vx7::test::MakeTestWav(wav, 300, &error)) << error.toStdString();
    const QString junk = home.WriteFile("junk.mp3", QByteArray(2000, 'x'));
    files.files = {wav, junk, wav};
    BackgroundMusic music(home.Path(), *player, files);
    EXPECT_TRUE(music.ChooseMusic());
    EXPECT_TRUE(music.ChooseMusic());
    EXPECT_TRUE(music.ChooseMusic());
    EXPECT_GE(player->ActiveCount(), 1);
    // Every playback ends on its own: the good ones at their end (on a machine
    // without audio output into a discarding sink), the bad one at its error.
    EXPECT_TRUE(QTest::qWaitFor([&] { return player->ActiveCount() == 0; }, 15000));
}

TEST(FileChooserTest, WindowsFilterBecomesAQtNameFilter) {
    EXPECT_EQ(vx7::animation::FileChooser::QtNameFilter("图形文件(*.bmp,*.jpg)|*.bmp;*.jpg"),
              QString("图形文件(*.bmp,*.jpg) (*.bmp *.jpg)"));
    EXPECT_EQ(vx7::animation::FileChooser::QtNameFilter("All|*.*|"), QString("All (*.*)"));
    EXPECT_EQ(vx7::animation::FileChooser::QtNameFilter("plain"), QString("plain"));
}
