// The live preview's frame rate with and without a clip recording beside it: the
// built-in test camera at 640 x 480, 30 frames a second, polled by the preview timer
// as in the station. The clip must not cost the preview a frame.
#include "camera/capture/CameraChoice.h"
#include "camera/capture/GstCaptureDevice.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

using namespace vx7::camera;

constexpr int kWindowMs = 3000;

void PreviewFrameRate(benchmark::State& state) {
    const bool recording = state.range(0) != 0;
    GstCaptureDevice device(CameraChoice::kTest);
    if (!device.SetFormat({"YUYV", 640, 480, 30, 1}) || device.Connect() != ConnectResult::kOk) {
        state.SkipWithError("test camera did not start");
        return;
    }
    device.SetPreview(true);
    QTemporaryDir dir;
    if (recording && !device.StartClip({dir.filePath("bench.avi"), ClipSound::kNone}, nullptr)) {
        state.SkipWithError("clip did not start");
        return;
    }
    int frames = 0;
    QObject::connect(&device, &CaptureDevice::FrameReady, [&frames] { ++frames; });
    auto runFor = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    runFor(500); // the pipelines settle
    double fpsSum = 0, cpuSum = 0;
    int windows = 0;
    for (auto _ : state) {
        frames = 0;
        QElapsedTimer wall;
        const std::clock_t cpu0 = std::clock();
        wall.start();
        runFor(kWindowMs);
        const double seconds = wall.nsecsElapsed() / 1e9;
        state.SetIterationTime(seconds);
        fpsSum += frames / seconds;
        cpuSum += double(std::clock() - cpu0) / CLOCKS_PER_SEC / seconds;
        ++windows;
    }
    device.StopClip();
    state.counters["preview_fps"] = fpsSum / windows;
    // Processor time of the whole process (every thread) per second of wall time.
    state.counters["cpu_share"] = cpuSum / windows;
    if (recording)
        state.counters["clip_MB"] = double(QFileInfo(dir.filePath("bench.avi")).size()) / (1 << 20);
}

} // namespace

BENCHMARK(PreviewFrameRate)
    ->ArgName("recording")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
