#include "animation/window/GstVideoPlayer.h"
#include "TestMedia.h"
#include "support/TempInstallFolder.h"

#include <QTest>

#include <atomic>

#include <gtest/gtest.h>

using vx7::animation::MakeGstVideoPlayer;
using vx7::animation::VideoPlayer;

namespace {

// Polls the player until its mode leaves Playing (the end of the file), with a limit.
bool WaitUntilNotPlaying(VideoPlayer& player, int limitMs) {
    return QTest::qWaitFor([&] { return player.CurrentMode() != VideoPlayer::Mode::Playing; }, limitMs);
}

struct GstVideoPlayerTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    QString avi;
    void SetUp() override {
        avi = home.Sub("2011拍照图片/clip.avi");
        QString error;
        ASSERT_TRUE(vx7::test::MakeTestAvi(avi, 320, 240, 10, 25, &error)) << error.toStdString();
    }
};

} // namespace

TEST_F(GstVideoPlayerTest, OpensAnAviAndReportsItsFramesRateAndSize) {
    auto player = MakeGstVideoPlayer();
    QString error;
    ASSERT_TRUE(player->Open(avi, &error)) << error.toStdString();
    EXPECT_TRUE(player->IsOpen());
    EXPECT_EQ(player->LengthFrames(), 10);
    EXPECT_EQ(player->FrameRateValue(), 25 * 60);
    EXPECT_EQ(player->SourceSize(), QSize(320, 240));
    EXPECT_EQ(player->PositionFrames(), 0);
    EXPECT_EQ(player->CurrentMode(), VideoPlayer::Mode::Stopped);
    // The first picture is ready before playing.
    EXPECT_EQ(player->CurrentFrame().size(), QSize(320, 240));
    player->Close();
    EXPECT_FALSE(player->IsOpen());
    EXPECT_EQ(player->CurrentMode(), VideoPlayer::Mode::NotOpen);
}

TEST_F(GstVideoPlayerTest, PlaysToTheEndAndStartsAgainAfterASeek) {
    auto player = MakeGstVideoPlayer();
    ASSERT_TRUE(player->Open(avi));
    player->SetSoundOn(true);
    player->SetSpeed(1020);
    player->Play();
    EXPECT_EQ(player->CurrentMode(), VideoPlayer::Mode::Playing);
    ASSERT_TRUE(WaitUntilNotPlaying(*player, 10000));
    EXPECT_EQ(player->CurrentMode(), VideoPlayer::Mode::Stopped);
    EXPECT_EQ(player->PositionFrames(), player->LengthFrames());
    player->SeekToStart();
    EXPECT_EQ(player->PositionFrames(), 0);
    player->Play();
    EXPECT_EQ(player->CurrentMode(), VideoPlayer::Mode::Playing);
    player->Pause();
    EXPECT_EQ(player->CurrentMode(), VideoPlayer::Mode::Paused);
    player->Stop();
    EXPECT_EQ(player->CurrentMode(), VideoPlayer::Mode::Stopped);
}

TEST_F(GstVideoPlayerTest, FilesThatCannotPlayAreRefused) {
    auto player = MakeGstVideoPlayer();
    const QString junk = home.WriteFile("2011拍照图片/junk.avi", QByteArray(4096, 'j'));
    const QString cut = home.WriteFile("2011拍照图片/cut.avi", QByteArray("RIFF\x10\x00\x00\x00"
                                                                          "AVI ",
                                                                          12));
    for (const QString& path : {junk, cut, home.Sub("2011拍照图片/missing.avi")}) {
        QString error;
        EXPECT_FALSE(player->Open(path, &error)) << path.toStdString();
        EXPECT_FALSE(player->IsOpen());
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_TRUE(player->Open(avi));
}

TEST_F(GstVideoPlayerTest, NotificationsStopWithClose) {
    auto player = MakeGstVideoPlayer();
    ASSERT_TRUE(player->Open(avi));
    std::atomic<int> frames{0};
    player->SetFrameNotification([&frames] { ++frames; });
    player->Play();
    ASSERT_TRUE(WaitUntilNotPlaying(*player, 10000));
    EXPECT_GT(frames.load(), 0);
    player->Close();
    const int after = frames.load();
    EXPECT_TRUE(player->Open(avi)); // opening again does not bring the old notification back
    player->Play();
    ASSERT_TRUE(WaitUntilNotPlaying(*player, 10000));
    EXPECT_EQ(frames.load(), after);
}
