// vx7burstgif: how long the user waits from the last shot of a burst to the GIF
// playing in the animation window. The camera station runs headless with a fake
// camera of 1280 x 720 (a different photo-like picture for every shot) and a manual
// clock; a burst of 16 is shot with the self-timer at 3 seconds, then the GIF button
// is pressed and the question answered at once. Measured per run, in wall time:
//   build: from the start of the timer tick that takes the last shot to the end of
//          the GIF build (the maker's Done signal);
//   playing: from the same moment to the first paint of the animation window's
//          picture once its drawing thread plays the new GIF.
// The time the user takes to press the button and answer is not part of it. Prints
// each run and the medians. --files 1 makes mode 0 go through the converter's file
// entry (composite BMP, converter GIF, crop), as it did before its in-memory entry.
//
//   vx7burstgif [--runs N] [--burst N] [--mode 0|1] [--size WxH] [--files 0|1]
#include "animation/picture/AnimatedPicture.h"
#include "animation/reduction/ImageConverterLibrary.h"
#include "animation/reduction/ReferencePicture.h"
#include "animation/window/AnimationWindow.h"
#include "app/AnimationStationBridge.h"
#include "camera/station/CameraStationWindow.h"
#include "camera/station/StationModel.h"
#include "controls/BitmapButton.h"
#include "core/ImageFiles.h"
#include "core/InstallLayout.h"
#include "core/SysInfo.h"
#include "platform/Clock.h"
#include "platform/Prompt.h"
#include "platform/SoundPlayer.h"
#include "tests/animation/GifTestFiles.h"
#include "tests/camera/FakeCaptureDevice.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using vx7::animation::AnimationWindow;
using vx7::camera::CameraStationWindow;

class YesPrompt final : public vx7::platform::Prompt {
  public:
    void Message(const QString& text, const QString&) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool Ask(const QString&, const QString&) override { return true; }
};

class SilentSound final : public vx7::platform::SoundPlayer {
  public:
    void Play(const QString&) override {}
    int ActiveCount() const override { return 0; }
};

// Calls seen() on the first paint of a widget.
class FirstPaint final : public QObject {
  public:
    explicit FirstPaint(std::function<void()> seen) : seen_(std::move(seen)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && seen_) {
            auto seen = std::move(seen_);
            seen_ = nullptr;
            seen();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> seen_;
};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n == 0 ? 0 : (n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2);
}

double ProcessCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int runs = 5, burstCount = 16, mode = 0, width = 1280, height = 720;
    bool filesOnly = false;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--runs")
            runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == "--burst")
            burstCount = args[i + 1].toInt();
        else if (args[i] == "--files")
            filesOnly = args[i + 1] == "1";
        else if (args[i] == "--mode")
            mode = args[i + 1].toInt();
        else if (args[i] == "--size") {
            const QStringList wh = args[i + 1].split('x');
            width = wh.value(0).toInt();
            height = wh.value(1).toInt();
        }
    }
    if (width < 16 || height < 16 || (mode != 0 && mode != 1)) {
        std::fprintf(stderr,
                     "usage: vx7burstgif [--runs N] [--burst N] [--mode 0|1] [--size WxH] [--files 0|1]\n");
        return 2;
    }

    // A fresh installation folder with the reference picture, as the installer leaves it.
    QTemporaryDir home;
    namespace layout = vx7::core::layout;
    for (const QString& sub : {layout::WorkFolder(), layout::PhotoFolder(), layout::SystemPictureFolder(),
                               layout::BackgroundFolder(), layout::MaterialStore()})
        QDir(home.path()).mkpath(sub);
    vx7::animation::ReferencePicture::Write(
        QDir(home.path())
            .filePath(layout::SystemPictureFolder() + '/' + vx7::animation::ReferencePicture::FileName()));
    QDir::setCurrent(home.path());

    vx7::core::SysInfo sys;
    vx7::platform::ManualClock clock;
    clock.SetSecondsOfDay(10 * 3600);
    YesPrompt prompt;
    SilentSound sound;
    std::atomic<int> splash{0};
    vx7::test::FakeCaptureDevice camera;
    camera.formats = {{"YUYV", width, height, 30, 1}};
    camera.format = camera.formats.front();
    vx7::core::EncoderRegistry encoders;
    vx7::app::AnimationStationBridge bridge(sys, prompt, encoders, sound);
    bridge.Converter().SetFilesOnly(filesOnly);
    vx7::camera::StationContext ctx{sys, clock, prompt, sound, splash};
    ctx.camera = &camera;
    ctx.encoders = &encoders;
    bridge.Install(ctx.hooks);
    CameraStationWindow station(ctx);
    station.show();
    station.Model().SelectIntervalOrMode(mode == 0 ? QStringLiteral("高质流行色")
                                                   : QStringLiteral("普通高反差"));
    station.Model().SetSelfTimerSeconds("3");
    QComboBox* burstList = station.List(CameraStationWindow::kBurstList);
    if (burstList->findText(QString::number(burstCount)) < 0) {
        std::fprintf(stderr, "the burst list has no entry %d\n", burstCount);
        return 2;
    }

    std::vector<QImage> shots;
    for (int i = 0; i < burstCount; ++i)
        shots.push_back(vx7::test::PhotoLikePicture(width, height, 300 + static_cast<unsigned>(i)));

    std::vector<double> builds, playings, cpus;
    for (int run = 0; run < runs; ++run) {
        emit burstList->activated(burstList->findText(QString::number(burstCount)));
        QElapsedTimer wall;
        double cpuStart = 0;
        int taken = 0;
        for (int tick = 0; tick < 10 * burstCount + 20 && taken < burstCount; ++tick) {
            camera.frame = shots[static_cast<size_t>(std::min(taken, burstCount - 1))];
            clock.Advance(1);
            // Each tick may take the last shot: the clock starts before it.
            wall.start();
            cpuStart = ProcessCpuMs();
            station.Tick();
            taken = static_cast<int>(station.BurstPhotos().size());
        }
        if (taken != burstCount) {
            std::fprintf(stderr, "the burst took %d shots, not %d\n", taken, burstCount);
            return 1;
        }
        double buildMs = -1, playingMs = -1, cpuMs = 0;
        bool built = false;
        QEventLoop loop;
        const auto done =
            QObject::connect(&bridge.Burst(), &vx7::animation::BurstGifMaker::Done, &loop,
                             [&](const vx7::animation::GifJobResult& result) {
                                 buildMs = static_cast<double>(wall.nsecsElapsed()) / 1e6;
                                 built = result.outcome == vx7::animation::GifJobResult::Outcome::Built;
                                 if (!built) {
                                     std::fprintf(stderr, "no GIF: %s\n", qPrintable(result.message));
                                     loop.quit();
                                 }
                             });
        FirstPaint* firstPaint = nullptr;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            auto* window = qobject_cast<AnimationWindow*>(QApplication::activeModalWidget());
            if (!window || !window->Picture() || !window->Picture()->Model().IsPlaying() || firstPaint)
                return;
            // Playing: the frame is on screen with the picture's next paint.
            firstPaint = new FirstPaint([&, window] {
                playingMs = static_cast<double>(wall.nsecsElapsed()) / 1e6;
                cpuMs = ProcessCpuMs() - cpuStart;
                QTimer::singleShot(0, window, [window] { window->reject(); });
                loop.quit();
            });
            firstPaint->setParent(window);
            window->Picture()->installEventFilter(firstPaint);
            window->Picture()->update();
        });
        poll.start(1);
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        station.Button(CameraStationWindow::kGifButton)->click();
        loop.exec();
        poll.stop();
        QObject::disconnect(done);
        if (!built || playingMs < 0) {
            std::fprintf(stderr, "run %d: the GIF did not play\n", run + 1);
            return 1;
        }
        // Let the window close and the station settle before the next burst.
        QEventLoop settle;
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();
        std::printf("run %d: build %.0f ms, playing %.0f ms, CPU %.0f ms\n", run + 1, buildMs, playingMs,
                    cpuMs);
        builds.push_back(buildMs);
        playings.push_back(playingMs);
        cpus.push_back(cpuMs);
    }
    std::printf("median of %d (burst of %d, %dx%d, mode %d%s): build %.0f ms, playing %.0f ms, CPU %.0f ms\n",
                runs, burstCount, width, height, mode, filesOnly ? ", through files" : "", Median(builds),
                Median(playings), Median(cpus));
    return 0;
}
