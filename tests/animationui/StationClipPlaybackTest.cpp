#include "RecordingGifEngine.h"
#include "ScriptedFileChooser.h"
#include "animation/window/AnimationWindow.h"
#include "animation/window/GstVideoPlayer.h"
#include "camera/capture/CameraChoice.h"
#include "camera/capture/ClipRecorder.h"
#include "camera/capture/GstCaptureDevice.h"
#include "core/ImageFiles.h"
#include "core/SysInfo.h"
#include "platform/Clock.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace vx7::animation;
using W = AnimationWindow;

// A clip recorded from the built-in test camera is listed in the AVI mode and, as the
// station's last made file, opens and plays at once.
TEST(StationClipPlaybackTest, ARecordedClipIsListedAndPlaysInTheAnimationWindow) {
    vx7::test::TempInstallFolder home;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(home.Path());
    vx7::core::SysInfo sys;
    sys.SetFolder(home.Path());
    sys.Load();

    {
        vx7::camera::GstCaptureDevice device(vx7::camera::CameraChoice::kTest);
        ASSERT_EQ(device.Connect(), vx7::camera::ConnectResult::kOk);
        device.SetPreview(true);
        vx7::platform::SystemClock clock;
        vx7::camera::ClipRecorder recorder(device, clock);
        QString error;
        ASSERT_TRUE(recorder.Start(sys.PhotoFolder(), "我的照片1", vx7::camera::ClipSound::kTestTone, &error))
            << error.toStdString();
        QSignalSpy frames(&device, &vx7::camera::CaptureDevice::FrameReady);
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < 1500)
            frames.wait(100);
        ASSERT_TRUE(recorder.Stop().has_value());
    }

    vx7::test::ScriptedPrompt prompt;
    vx7::core::EncoderRegistry encoders;
    vx7::test::RecordingGifEngine engine{home.Sub("tmpBmpData")};
    vx7::test::ScriptedFileChooser files;
    AnimationWindowContext ctx{sys, prompt, encoders, engine, files, [] { return MakeGstVideoPlayer(); }};
    {
        W w(ctx, LastMadeFile{"我的照片1.avi", LastMadeFile::kNone}, true);
        EXPECT_EQ(w.CurrentMode(), W::kAvi);
        ASSERT_EQ(w.ListRowCount(), 1);
        EXPECT_EQ(w.RowText(0, 1), QString("我的照片1"));
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.Player() != nullptr; }, 5000));
        EXPECT_GE(w.Player()->LengthFrames(), 40); // 1.5 s at 30 frames a second
        w.Play();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                w.Tick();
                const QString frame = static_cast<QLabel*>(w.Control(W::kFrame))->text();
                return frame.startsWith("< ") && !frame.startsWith("< 0 >");
            },
            10000));
        EXPECT_TRUE(prompt.shown.empty());
        w.close();
    }
    QDir::setCurrent(previous);
}
