#include "animation/making/GifBuildJob.h"
#include "RecordingGifEngine.h"
#include "TestMedia.h"
#include "animation/making/BurstGifMaker.h"
#include "animation/making/GifBuildRunner.h"
#include "animation/making/GifMakingSettings.h"
#include "core/ImageFiles.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace vx7::animation;
using vx7::test::RecordingGifEngine;

namespace {

struct GifBuildJobTest : ::testing::Test {
    vx7::test::TempInstallFolder home;
    vx7::core::EncoderRegistry encoders;
    RecordingGifEngine engine{home.Sub("tmpBmpData")};

    QStringList Pictures(int n) {
        QStringList out;
        for (int i = 0; i < n; ++i)
            out << vx7::test::WritePicture(home.Sub(QString("pics/p%1.png").arg(i)), 16, 12,
                                           QColor(20 * i, 40, 90));
        return out;
    }
    QByteArray Read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(GifBuildJobTest, EncoderModeReducesEveryPictureInOrderAndReportsEachFrame) {
    GifBuildJob job(engine, encoders);
    GifBuildRequest request{Pictures(3), 1, 150, home.Sub("out.gif"), {}};
    QStringList progress;
    const GifJobResult result = job.Run(request, [&](int done, int total, const QString& text) {
        progress << QString("%1/%2 %3").arg(done).arg(total).arg(text);
    });
    EXPECT_EQ(result.outcome, GifJobResult::Outcome::Built);
    EXPECT_EQ(engine.Calls(), QStringList({"encoder:" + request.pictures[0], "encoder:" + request.pictures[1],
                                           "encoder:" + request.pictures[2], "gif-files:3"}));
    EXPECT_EQ(engine.builtDelay, 150);
    EXPECT_EQ(engine.builtFrames.at(2), home.Sub("tmpBmpData/p2.gif"));
    ASSERT_EQ(progress.size(), 4);
    EXPECT_EQ(progress.at(0), QString("0/3 正在处理第 1 帧, 共 3 帧"));
    EXPECT_EQ(progress.at(2), QString("2/3 正在处理第 3 帧, 共 3 帧"));
    EXPECT_TRUE(progress.at(3).startsWith("3/3"));
    EXPECT_TRUE(QFileInfo(home.Sub("out.gif")).size() > 13);
    EXPECT_FALSE(QFileInfo::exists(home.Sub("out.gif.part")));
}

TEST_F(GifBuildJobTest, ConverterModeReencodesToWorkBmpsFirst) {
    QStringList pictures = Pictures(2);
    pictures.insert(1, home.WriteFile("pics/broken.jpg", "not a jpeg"));
    // A stale working BMP of the broken picture must not sneak into the animation.
    home.WriteFile("tmpBmpData/broken.bmp", "stale");
    GifBuildRequest request{pictures, 0, 50, home.Sub("out.gif"), {}};
    for (const QString& p : pictures)
        request.workBmps << home.Sub("tmpBmpData/" + QFileInfo(p).completeBaseName() + ".bmp");
    GifBuildJob job(engine, encoders);
    const GifJobResult result = job.Run(request);
    EXPECT_EQ(result.outcome, GifJobResult::Outcome::Built);
    EXPECT_EQ(engine.Calls(), QStringList({"converter:" + request.workBmps[0],
                                           "converter:" + request.workBmps[1] + " (missing)",
                                           "converter:" + request.workBmps[2], "palette-frames:3"}));
    EXPECT_TRUE(QImage(request.workBmps[0]).size() == QSize(16, 12));
}

TEST_F(GifBuildJobTest, MissingConverterStopsTheBuildAndKeepsTheOldFile) {
    engine.converterAvailable = false;
    const QString out = home.WriteFile("out.gif", "old");
    GifBuildJob job(engine, encoders);
    const GifJobResult result = job.Run({Pictures(2), 0, 100, out, {}});
    EXPECT_EQ(result.outcome, GifJobResult::Outcome::ConverterMissing);
    EXPECT_EQ(result.message, QString("no converter"));
    EXPECT_TRUE(engine.Calls().isEmpty());
    EXPECT_EQ(Read(out), QByteArray("old"));
}

TEST_F(GifBuildJobTest, FailedOrEmptyBuildsKeepAnEarlierGif) {
    const QString out = home.WriteFile("out.gif", "earlier animation");
    GifBuildJob job(engine, encoders);
    engine.output = RecordingGifEngine::Output::Nothing;
    EXPECT_EQ(job.Run({Pictures(2), 1, 100, out, {}}).outcome, GifJobResult::Outcome::Failed);
    EXPECT_EQ(Read(out), QByteArray("earlier animation"));
    engine.output = RecordingGifEngine::Output::TrailerOnly;
    EXPECT_EQ(job.Run({Pictures(2), 1, 100, out, {}}).outcome, GifJobResult::Outcome::NoFrames);
    EXPECT_EQ(Read(out), QByteArray("earlier animation"));
    EXPECT_FALSE(QFileInfo::exists(out + ".part"));
    EXPECT_EQ(job.Run({{}, 1, 100, out, {}}).outcome, GifJobResult::Outcome::NoFrames);
    engine.output = RecordingGifEngine::Output::Frames;
    EXPECT_EQ(job.Run({Pictures(1), 1, 100, out, {}}).outcome, GifJobResult::Outcome::Built);
    EXPECT_TRUE(Read(out).startsWith("GIF89a"));
}

TEST_F(GifBuildJobTest, CancelBetweenFramesLeavesTheOutputAlone) {
    std::atomic<bool> cancel{false};
    engine.onReduce = [&](int index) {
        if (index == 1)
            cancel = true;
    };
    GifBuildJob job(engine, encoders);
    const GifJobResult result = job.Run({Pictures(4), 1, 100, home.Sub("out.gif"), {}}, {}, &cancel);
    EXPECT_EQ(result.outcome, GifJobResult::Outcome::Cancelled);
    EXPECT_EQ(engine.Calls().size(), 2);
    EXPECT_FALSE(QFileInfo::exists(home.Sub("out.gif")));
}

TEST_F(GifBuildJobTest, RunnerReportsProgressAndResultOnTheOwnerThread) {
    GifBuildRunner runner(engine, encoders);
    QSignalSpy progress(&runner, &GifBuildRunner::Progress);
    QSignalSpy finished(&runner, &GifBuildRunner::Finished);
    ASSERT_TRUE(runner.Start({Pictures(3), 1, 100, home.Sub("out.gif"), {}}));
    EXPECT_TRUE(runner.IsRunning());
    EXPECT_FALSE(runner.Start({Pictures(1), 1, 100, home.Sub("other.gif"), {}}));
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_FALSE(runner.IsRunning());
    EXPECT_EQ(progress.count(), 4);
    EXPECT_EQ(finished.at(0).at(0).value<GifJobResult>().outcome, GifJobResult::Outcome::Built);
    EXPECT_FALSE(QFileInfo::exists(home.Sub("other.gif")));
}

TEST_F(GifBuildJobTest, RunnerDestroyedMidBuildCancelsAndWaits) {
    std::atomic<int> reduced{0};
    engine.onReduce = [&](int) { ++reduced; };
    {
        GifBuildRunner runner(engine, encoders);
        ASSERT_TRUE(runner.Start({Pictures(6), 1, 100, home.Sub("out.gif"), {}}));
    }
    EXPECT_LE(reduced.load(), 6);
}

namespace {

struct BurstFixture : GifBuildJobTest {
    vx7::test::ScriptedPrompt prompt;
    QStringList log;
    LastMadeFile lastMade;
    int opened = 0;
    bool controlsEnabled = true;

    BurstGifMaker::Hooks Hooks() {
        BurstGifMaker::Hooks h;
        h.setControlsEnabled = [this](bool on) {
            controlsEnabled = on;
            log << (on ? "enable" : "disable");
        };
        h.showStatus = [this](const QString& text) { log << "status:" + text; };
        h.recordLastMade = [this](const LastMadeFile& f) {
            lastMade = f;
            log << "made:" + f.name;
        };
        h.refreshDisplay = [this] { log << "refresh"; };
        h.openLastMade = [this] {
            ++opened;
            log << "open";
        };
        return h;
    }
};

} // namespace

TEST_F(BurstFixture, BurstOfOnePhotoOffersNoGif) {
    BurstGifMaker maker(engine, encoders, prompt);
    GifMakingSettings settings(GifMakingSettings::Place::Station);
    EXPECT_FALSE(maker.MakeBurstGif(Pictures(1), home.Sub("2011拍照图片"), "我的照片1", settings, Hooks()));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(BurstFixture, NoLeavesEverythingAsItWas) {
    BurstGifMaker maker(engine, encoders, prompt);
    GifMakingSettings settings(GifMakingSettings::Place::Station);
    prompt.answers = {false};
    EXPECT_FALSE(maker.MakeBurstGif(Pictures(3), home.Sub("2011拍照图片"), "我的照片1", settings, Hooks()));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QString("要建Gif动画吗?( 我的照片1 )请确认!"));
    EXPECT_EQ(prompt.shown[0].title, QString("特别提示"));
    EXPECT_TRUE(prompt.shown[0].question);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_TRUE(engine.Calls().isEmpty());
}

TEST_F(BurstFixture, YesReplacesAnExistingGifSilentlyAndOpensIt) {
    const QString out = home.WriteFile("2011拍照图片/我的照片1.gif", "old");
    BurstGifMaker maker(engine, encoders, prompt);
    QSignalSpy done(&maker, &BurstGifMaker::Done);
    GifMakingSettings settings(GifMakingSettings::Place::Station);
    settings.SelectIntervalOrMode("普通高反差");
    settings.SelectIntervalOrMode("0.5");
    prompt.answers = {true};
    ASSERT_TRUE(maker.MakeBurstGif(Pictures(3), home.Sub("2011拍照图片"), "我的照片1", settings, Hooks()));
    EXPECT_FALSE(controlsEnabled);
    EXPECT_TRUE(maker.IsBuilding());
    ASSERT_TRUE(done.wait(10000));
    EXPECT_EQ(prompt.shown.size(), 1u); // no replace question at the station
    EXPECT_TRUE(controlsEnabled);
    EXPECT_EQ(lastMade.name, QString("我的照片1.gif"));
    EXPECT_EQ(lastMade.kind, LastMadeFile::kGif);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(log.last(), QString("open"));
    EXPECT_EQ(engine.builtDelay, 50);
    EXPECT_TRUE(engine.Calls().last().startsWith("gif-files:3"));
    EXPECT_TRUE(Read(out).startsWith("GIF89a"));
    EXPECT_TRUE(log.filter("status:正在处理第 3 帧, 共 3 帧").size() == 1);
}

TEST_F(BurstFixture, FailedBuildIsReportedAndNotOpened) {
    engine.output = RecordingGifEngine::Output::Nothing;
    BurstGifMaker maker(engine, encoders, prompt);
    QSignalSpy done(&maker, &BurstGifMaker::Done);
    GifMakingSettings settings(GifMakingSettings::Place::Station);
    prompt.answers = {true};
    ASSERT_TRUE(maker.MakeBurstGif(Pictures(2), home.Sub("2011拍照图片"), "x", settings, Hooks()));
    ASSERT_TRUE(done.wait(10000));
    EXPECT_TRUE(controlsEnabled);
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(lastMade.name.isEmpty());
    EXPECT_TRUE(log.contains("status:无法建立GIF文件: " + home.Sub("2011拍照图片/x.gif")));
}

TEST_F(BurstFixture, MissingConverterIsToldToTheUser) {
    engine.converterAvailable = false;
    BurstGifMaker maker(engine, encoders, prompt);
    QSignalSpy done(&maker, &BurstGifMaker::Done);
    GifMakingSettings settings(GifMakingSettings::Place::Station);
    prompt.answers = {true};
    ASSERT_TRUE(maker.MakeBurstGif(Pictures(2), home.Sub("2011拍照图片"), "x", settings, Hooks()));
    ASSERT_TRUE(done.wait(10000));
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[1].text, QString("no converter"));
    EXPECT_FALSE(prompt.shown[1].question);
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(controlsEnabled);
}
