#include "camera/capture/CameraChoice.h"
#include "camera/capture/GstCaptureDevice.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <optional>

using namespace vx7::camera;

namespace {

// Polls the device until a frame arrives or the limit passes.
bool WaitForFrame(GstCaptureDevice& device, int limitMs = 5000) {
    QSignalSpy spy(&device, &CaptureDevice::FrameReady);
    return spy.wait(limitMs) || spy.count() > 0;
}

} // namespace

TEST(CameraChoiceTest, CommandLineWinsOverEnvironmentAndAutoIsTheDefault) {
    EXPECT_EQ(CameraChoiceFor({"vx7ECamera"}, QByteArray()), CameraChoice::kAuto);
    EXPECT_EQ(CameraChoiceFor({"vx7ECamera"}, "test"), CameraChoice::kTest);
    EXPECT_EQ(CameraChoiceFor({"vx7ECamera", "--camera", "auto"}, "test"), CameraChoice::kAuto);
    EXPECT_EQ(CameraChoiceFor({"vx7ECamera", "--camera=TEST"}, QByteArray()), CameraChoice::kTest);
    QString error;
    EXPECT_EQ(CameraChoiceFor({"vx7ECamera", "--camera", "usb"}, QByteArray(), &error), CameraChoice::kAuto);
    EXPECT_TRUE(error.contains("usb"));
}

TEST(GstCaptureDeviceTest, TestCameraDeliversMovingFramesAtItsFormat) {
    GstCaptureDevice device(CameraChoice::kTest);
    EXPECT_EQ(device.CurrentFormat(), (CaptureFormat{"YUYV", 640, 480, 30, 1}));
    ASSERT_EQ(device.Connect(), ConnectResult::kOk);
    EXPECT_EQ(device.ImageSize(), QSize(640, 480));
    device.SetPreview(true);
    ASSERT_TRUE(WaitForFrame(device));
    const QImage first = device.CurrentFrame();
    EXPECT_EQ(first.size(), QSize(640, 480));
    ASSERT_TRUE(WaitForFrame(device));
    ASSERT_TRUE(WaitForFrame(device));
    EXPECT_NE(device.CurrentFrame(), first); // the pattern moves and the clock runs
    device.Disconnect();
    EXPECT_FALSE(device.IsConnected());
    EXPECT_TRUE(device.CurrentFrame().isNull());
    EXPECT_TRUE(device.ImageSize().isEmpty());
}

TEST(GstCaptureDeviceTest, ChosenFormatAndCompressionApplyAtTheNextConnection) {
    GstCaptureDevice device(CameraChoice::kTest);
    EXPECT_EQ(device.Compressions(), QStringList({"YUYV", "MJPG"}));
    EXPECT_FALSE(device.SetFormat({"YUYV", 333, 222, 30, 1})); // not offered
    ASSERT_TRUE(device.SetFormat({"YUYV", 320, 240, 15, 1}));
    ASSERT_TRUE(device.SetCompression("MJPG"));
    EXPECT_EQ(device.CurrentFormat(), (CaptureFormat{"MJPG", 320, 240, 15, 1})); // size and rate kept
    EXPECT_FALSE(device.SetCompression("H264"));
    ASSERT_EQ(device.Connect(), ConnectResult::kOk);
    EXPECT_EQ(device.ImageSize(), QSize(320, 240));
    device.SetPreview(true);
    ASSERT_TRUE(WaitForFrame(device));
    EXPECT_EQ(device.CurrentFrame().size(), QSize(320, 240));
}

TEST(GstCaptureDeviceTest, PictureControlsAreReadAndSetLive) {
    GstCaptureDevice device(CameraChoice::kTest);
    EXPECT_TRUE(device.Controls().empty()); // not connected
    ASSERT_EQ(device.Connect(), ConnectResult::kOk);
    const auto controls = device.Controls();
    QStringList names;
    for (const CaptureControl& c : controls)
        names << c.name.toLower();
    EXPECT_TRUE(names.join(' ').contains("brightness"));
    EXPECT_TRUE(names.join(' ').contains("contrast"));
    const CaptureControl brightness =
        *std::find_if(controls.begin(), controls.end(),
                      [](const CaptureControl& c) { return c.name.toLower().contains("brightness"); });
    ASSERT_TRUE(device.SetControl(brightness.name, brightness.maximum));
    for (const CaptureControl& c : device.Controls()) {
        if (c.name == brightness.name) {
            EXPECT_EQ(c.value, brightness.maximum);
        }
    }
    EXPECT_FALSE(device.SetControl("no such control", 1));
}

TEST(GstCaptureDeviceTest, ControlsTheUserSetSurviveReconnectionAndFormatChange) {
    GstCaptureDevice device(CameraChoice::kTest);
    ASSERT_EQ(device.Connect(), ConnectResult::kOk);
    auto valueOf = [&](const QString& part) {
        for (const CaptureControl& c : device.Controls())
            if (c.name.toLower().contains(part))
                return std::optional<CaptureControl>(c);
        return std::optional<CaptureControl>();
    };
    const auto hue = valueOf("hue");
    ASSERT_TRUE(hue);
    const int wanted = hue->minimum + (hue->maximum - hue->minimum) / 4;
    ASSERT_NE(wanted, hue->value);
    ASSERT_TRUE(device.SetControl(hue->name, wanted));
    ASSERT_TRUE(device.SetFormat({"YUYV", 1280, 720, 30, 1}));
    ASSERT_EQ(device.Connect(), ConnectResult::kOk);
    EXPECT_EQ(valueOf("hue")->value, wanted);
    device.Disconnect();
    ASSERT_EQ(device.Connect(), ConnectResult::kOk);
    EXPECT_EQ(valueOf("hue")->value, wanted);
}

TEST(GstCaptureDeviceTest, AutoWithoutACameraFailsToConnect) {
    GstCaptureDevice device(CameraChoice::kAuto);
    if (device.Name().isEmpty()) {
        EXPECT_FALSE(device.HasCamera());
        EXPECT_EQ(device.Connect(), ConnectResult::kConnectFailed);
        EXPECT_TRUE(device.Formats().empty());
        EXPECT_TRUE(device.Compressions().isEmpty());
        // The built-in test camera stands in when the user takes it.
        ASSERT_TRUE(device.SwitchToTestCamera());
        EXPECT_TRUE(device.HasCamera());
        EXPECT_EQ(device.Connect(), ConnectResult::kOk);
        device.Disconnect();
    } else {
        // A machine with a camera: connecting must not crash, whatever the outcome.
        device.Connect();
        device.Disconnect();
    }
    EXPECT_FALSE(device.IsConnected());
}
