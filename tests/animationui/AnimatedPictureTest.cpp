#include "animation/picture/AnimatedPicture.h"
#include "TestMedia.h"
#include "animation/picture/AnimatedPictureModel.h"
#include "support/HostileFiles.h"
#include "support/TempInstallFolder.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <vector>

using vx7::animation::AnimatedPictureModel;
using vx7::test::SolidFrame;
using vx7::test::SolidFramesGif;

namespace {

const QColor kFace(200, 190, 180);
const std::vector<QColor> kPalette{Qt::black, Qt::red, Qt::blue, Qt::green};

// Records the waits the drawing thread asks for and lets a test wait for them.
struct WaitLog {
    std::mutex lock;
    std::condition_variable changed;
    std::vector<std::pair<int, int>> waits; // frame, milliseconds
    std::vector<qint64> times;
    QElapsedTimer clock;

    WaitLog() { clock.start(); }

    AnimatedPictureModel::WaitObserver Observer() {
        return [this](int frame, int ms) {
            std::lock_guard guard(lock);
            waits.emplace_back(frame, ms);
            times.push_back(clock.elapsed());
            changed.notify_all();
        };
    }
    bool WaitFor(size_t count, int limitMs = 10000) {
        std::unique_lock guard(lock);
        return changed.wait_for(guard, std::chrono::milliseconds(limitMs),
                                [&] { return waits.size() >= count; });
    }
    std::vector<std::pair<int, int>> Waits() {
        std::lock_guard guard(lock);
        return waits;
    }
};

QByteArray DelaysGif() {
    std::vector<SolidFrame> frames;
    for (int delay = 0; delay <= 5; ++delay)
        frames.push_back({QRect(0, 0, 8, 8), 1 + delay % 3, delay, 1});
    frames.push_back({QRect(0, 0, 8, 8), 1, -1, 0}); // no graphic control extension
    return SolidFramesGif(8, 8, kPalette, frames);
}

} // namespace

TEST(AnimatedPictureModelTest, WaitsFollowTheDelayRule) {
    AnimatedPictureModel model;
    WaitLog log;
    model.SetWaitObserver(log.Observer());
    ASSERT_TRUE(model.Load(DelaysGif(), kFace));
    EXPECT_TRUE(model.IsAnimated());
    EXPECT_EQ(model.FrameCount(), 7);
    ASSERT_TRUE(model.Draw());
    EXPECT_TRUE(model.IsPlaying());
    ASSERT_TRUE(log.WaitFor(8));
    model.Stop();
    EXPECT_FALSE(model.IsPlaying());
    const auto waits = log.Waits();
    const std::vector<std::pair<int, int>> expected{{0, 100}, {1, 100}, {2, 100}, {3, 100},
                                                    {4, 100}, {5, 50},  {6, 100}, {0, 100}};
    const std::vector<std::pair<int, int>> firstCycle(waits.begin(), waits.begin() + 8);
    EXPECT_EQ(firstCycle, expected);
    // The waits are real: a whole cycle takes at least the sum of its waits.
    EXPECT_GE(log.times[7] - log.times[0], 650 - 5);
}

TEST(AnimatedPictureModelTest, DisposalTwoLeavesTheBackgroundNotEarlierFrames) {
    // Red over the whole screen, then a blue square disposed to the background, then a
    // green dot that stays long enough to look at the picture.
    const QByteArray gif = SolidFramesGif(
        16, 16, kPalette,
        {{QRect(0, 0, 16, 16), 1, 5, 1}, {QRect(2, 2, 4, 4), 2, 5, 2}, {QRect(10, 10, 2, 2), 3, 1000, 1}}, 0);
    AnimatedPictureModel model;
    WaitLog log;
    model.SetWaitObserver(log.Observer());
    ASSERT_TRUE(model.Load(gif, kFace));
    ASSERT_TRUE(model.Draw());
    ASSERT_TRUE(log.WaitFor(3));
    model.Stop(); // interrupts the ten-second wait on the third frame
    EXPECT_LT(model.LastStopMilliseconds(), AnimatedPictureModel::kStopWaitMilliseconds);
    const QImage shown = model.Snapshot();
    ASSERT_EQ(shown.size(), QSize(16, 16));
    EXPECT_EQ(QColor(shown.pixel(3, 3)), kFace);           // disposed square
    EXPECT_EQ(QColor(shown.pixel(0, 0)), QColor(Qt::red)); // first frame stays
    EXPECT_EQ(QColor(shown.pixel(10, 10)), QColor(Qt::green));
}

TEST(AnimatedPictureModelTest, StillPicturesAreDrawnWithoutAThread) {
    vx7::test::TempInstallFolder home;
    const QString jpg = vx7::test::WritePicture(home.Sub("a.jpg"), 40, 30, Qt::blue);
    const QString bmp = vx7::test::WritePicture(home.Sub("a.bmp"), 20, 10, Qt::green);
    const QString gif =
        home.WriteFile("one.gif", SolidFramesGif(12, 9, kPalette, {{QRect(0, 0, 12, 9), 1, 10, 0}}));
    struct Case {
        QString path;
        QSize size;
        QColor colour;
    };
    for (const Case& c :
         {Case{jpg, {40, 30}, Qt::blue}, Case{bmp, {20, 10}, Qt::green}, Case{gif, {12, 9}, Qt::red}}) {
        AnimatedPictureModel model;
        ASSERT_TRUE(model.LoadFile(c.path, kFace)) << c.path.toStdString();
        EXPECT_FALSE(model.IsAnimated());
        EXPECT_EQ(model.ScreenSize(), c.size);
        EXPECT_EQ(QColor(model.Snapshot().pixel(1, 1)), kFace); // ready, not yet drawn
        ASSERT_TRUE(model.Draw());
        EXPECT_FALSE(model.IsPlaying());
        const QColor got(model.Snapshot().pixel(c.size.width() / 2, c.size.height() / 2));
        EXPECT_NEAR(got.red(), c.colour.red(), 8);
        EXPECT_NEAR(got.green(), c.colour.green(), 8);
        EXPECT_NEAR(got.blue(), c.colour.blue(), 8);
    }
}

TEST(AnimatedPictureModelTest, LoadingASecondFileStopsTheFirstWithinTheLimit) {
    // Frames of 655 seconds: only the exit event can end the wait.
    const QByteArray slow =
        SolidFramesGif(8, 8, kPalette, {{QRect(0, 0, 8, 8), 1, 65535, 1}, {QRect(0, 0, 8, 8), 2, 65535, 1}});
    AnimatedPictureModel model;
    WaitLog log;
    model.SetWaitObserver(log.Observer());
    ASSERT_TRUE(model.Load(slow, kFace));
    ASSERT_TRUE(model.Draw());
    ASSERT_TRUE(log.WaitFor(1));
    QElapsedTimer timer;
    timer.start();
    ASSERT_TRUE(model.Load(DelaysGif(), kFace));
    EXPECT_LT(timer.elapsed(), AnimatedPictureModel::kStopWaitMilliseconds);
    EXPECT_FALSE(model.IsPlaying());
    EXPECT_EQ(model.FrameCount(), 7);
    // The new file plays on a new thread.
    ASSERT_TRUE(model.Draw());
    ASSERT_TRUE(log.WaitFor(2));
    EXPECT_EQ(log.Waits().back(), std::make_pair(0, 100));
}

TEST(AnimatedPictureModelTest, DestroyingWhilePlayingEndsTheThread) {
    for (int i = 0; i < 20; ++i) {
        AnimatedPictureModel model;
        ASSERT_TRUE(model.Load(DelaysGif(), kFace));
        ASSERT_TRUE(model.Draw());
        // No wait: destruction may race the thread's first frame.
    }
}

TEST(AnimatedPictureModelTest, StopThenDrawResumes) {
    AnimatedPictureModel model;
    WaitLog log;
    model.SetWaitObserver(log.Observer());
    ASSERT_TRUE(model.Load(DelaysGif(), kFace));
    ASSERT_TRUE(model.Draw());
    ASSERT_TRUE(log.WaitFor(2));
    model.Stop();
    model.Stop(); // twice is harmless
    const size_t seen = log.Waits().size();
    model.SetWaitObserver(log.Observer());
    ASSERT_TRUE(model.Draw());
    ASSERT_TRUE(log.WaitFor(seen + 1));
    model.Stop();
}

TEST(AnimatedPictureModelTest, BadInputShowsNothing) {
    vx7::test::TempInstallFolder home;
    const QByteArray good = DelaysGif();
    const QByteArray inputs[] = {
        QByteArray(),
        QByteArray("GIF89a"),
        QByteArray("not a picture at all"),
        good.left(13),
        QByteArray(good).replace(0, 3, "XIF"),
    };
    for (const QByteArray& data : inputs) {
        AnimatedPictureModel model;
        EXPECT_FALSE(model.Load(data, kFace)) << data.toHex().left(40).toStdString();
        EXPECT_FALSE(model.IsReady());
        EXPECT_FALSE(model.Draw());
        EXPECT_TRUE(model.Snapshot().isNull());
    }
    AnimatedPictureModel model;
    EXPECT_FALSE(model.LoadFile(home.Sub("missing.gif"), kFace));
    // Files cut short anywhere load what is whole, or nothing, and never read past the end.
    for (qsizetype cut = 14; cut < good.size(); cut += 7) {
        if (model.Load(good.left(cut), kFace)) {
            EXPECT_TRUE(model.Draw());
            model.Stop();
        }
    }
}

TEST(AnimatedPictureModelTest, ReloadAfterFailureClearsThePicture) {
    AnimatedPictureModel model;
    ASSERT_TRUE(model.Load(DelaysGif(), kFace));
    ASSERT_TRUE(model.Draw());
    EXPECT_FALSE(model.Load("garbage", kFace));
    EXPECT_FALSE(model.IsPlaying());
    EXPECT_FALSE(model.IsReady());
}

TEST(AnimatedPictureTest, ControlTakesTheScreenSizeAndPaintsTheOffscreenPicture) {
    QWidget parent;
    parent.resize(200, 200);
    vx7::animation::AnimatedPicture picture(&parent);
    picture.move(10, 20);
    QPalette palette = picture.palette();
    palette.setColor(QPalette::Button, kFace);
    picture.setPalette(palette);
    const QByteArray gif = SolidFramesGif(
        30, 20, kPalette, {{QRect(0, 0, 30, 20), 1, 1000, 1}, {QRect(0, 0, 5, 5), 2, 1000, 1}});
    ASSERT_TRUE(picture.Load(gif));
    EXPECT_EQ(picture.size(), QSize(30, 20));
    EXPECT_EQ(picture.pos(), QPoint(10, 20));
    EXPECT_EQ(QColor(picture.grab().toImage().pixel(15, 10)), kFace);
    WaitLog log;
    picture.Model().SetWaitObserver(log.Observer());
    ASSERT_TRUE(picture.Draw());
    ASSERT_TRUE(log.WaitFor(1));
    EXPECT_EQ(QColor(picture.grab().toImage().pixel(15, 10)), QColor(Qt::red));
    picture.Stop();
    EXPECT_FALSE(picture.Model().IsPlaying());
}

// Special files named *.gif: a FIFO must not hold up the thread that opens it, a link
// to /dev/zero must not be read into memory.
TEST(AnimatedPictureModelTest, SpecialFilesAreRefusedAtOnce) {
    vx7::test::TempInstallFolder home;
    const QString fifo = home.Sub("fifo.gif");
    ASSERT_TRUE(vx7::test::MakeFifo(fifo));
    const QString zero = home.Sub("zero.gif");
    ASSERT_TRUE(vx7::test::LinkToDevZero(zero));
    for (const QString& path : {fifo, zero}) {
        AnimatedPictureModel model;
        QElapsedTimer timer;
        timer.start();
        QString error;
        EXPECT_FALSE(model.LoadFile(path, kFace, &error)) << path.toStdString();
        EXPECT_LT(timer.elapsed(), 2000);
        EXPECT_TRUE(error.contains("not a regular file")) << error.toStdString();
        EXPECT_FALSE(model.IsReady());
        EXPECT_TRUE(model.Refusal().isEmpty());
    }
}

TEST(AnimatedPictureModelTest, AnimationBeyondTheMemoryBudgetIsRefusedWithAMessage) {
    vx7::test::TempInstallFolder home;
    const QString bomb = home.WriteFile("bomb.gif", vx7::test::DecodedMemoryBombGif(5792, 12));
    AnimatedPictureModel model;
    EXPECT_FALSE(model.LoadFile(bomb, kFace));
    EXPECT_FALSE(model.IsReady());
    EXPECT_FALSE(model.Draw());
    EXPECT_TRUE(model.Refusal().contains(QStringLiteral("太大"))) << model.Refusal().toStdString();
    // A good file afterwards loads and clears the refusal.
    EXPECT_TRUE(model.Load(DelaysGif(), kFace));
    EXPECT_TRUE(model.Refusal().isEmpty());
}
