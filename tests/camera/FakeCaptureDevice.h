#pragma once

#include "camera/capture/CaptureDevice.h"

#include <QColor>
#include <QFile>

namespace vx7::test {

// A camera for tests: a fixed picture, a scripted connection result, and counters.
class FakeCaptureDevice final : public camera::CaptureDevice {
  public:
    FakeCaptureDevice() {
        frame = QImage(320, 240, QImage::Format_RGB32);
        frame.fill(QColor(10, 120, 200));
        formats = {{"YUYV", 320, 240, 30, 1}, {"YUYV", 640, 480, 30, 1}, {"MJPG", 640, 480, 30, 1}};
        format = formats.front();
    }

    QString Name() const override { return QStringLiteral("fake"); }
    camera::ConnectResult Connect() override {
        ++connects;
        connected = result == camera::ConnectResult::kOk;
        return result;
    }
    void Disconnect() override {
        ++disconnects;
        StopClip();
        connected = false;
        preview = false;
    }
    bool IsConnected() const override { return connected; }
    void SetPreview(bool on) override { preview = on && connected; }
    bool PreviewOn() const override { return preview; }
    QSize ImageSize() const override { return connected ? format.Size() : QSize(); }
    QImage CurrentFrame() const override { return connected ? frame : QImage(); }
    std::vector<camera::CaptureFormat> Formats() const override { return formats; }
    camera::CaptureFormat CurrentFormat() const override { return format; }
    bool SetFormat(const camera::CaptureFormat& f) override {
        format = f;
        return true;
    }
    std::vector<camera::CaptureControl> Controls() const override { return controls; }
    bool SetControl(const QString& name, int value) override {
        for (auto& c : controls)
            if (c.name == name) {
                c.value = value;
                return true;
            }
        return false;
    }
    QStringList Compressions() const override { return compressions; }
    QString Compression() const override { return compression; }
    bool SetCompression(const QString& c) override {
        compression = c;
        return true;
    }

    bool HasCamera() const override { return hasCamera; }
    bool SwitchToTestCamera() override {
        hasCamera = true;
        ++switchedToTest;
        return true;
    }
    // Clips: the file is created at the start, as a real recording does.
    bool StartClip(const camera::ClipRequest& request, QString* error) override {
        if (!connected || clipRefusal.size()) {
            if (error)
                *error = connected ? clipRefusal : QStringLiteral("not connected");
            return false;
        }
        QFile file(request.path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write("RIFF");
        clipRequests.push_back(request);
        clipRunning = true;
        return true;
    }
    void StopClip() override {
        if (clipRunning)
            ++clipStops;
        clipRunning = false;
    }
    bool ClipRunning() const override { return clipRunning; }
    bool ClipHasSound() const override { return clipSound; }
    qint64 ClipBytes() const override { return clipRunning ? clipBytes : 0; }
    // Simulates a write error in a running clip.
    void FailClip(const QString& reason) {
        clipRunning = false;
        emit ClipFailed(reason);
    }

    // Simulates an unplugged camera.
    void Unplug() {
        StopClip();
        connected = false;
        emit Lost(QStringLiteral("device gone"));
    }

    camera::ConnectResult result = camera::ConnectResult::kOk;
    bool hasCamera = true;
    int switchedToTest = 0;
    bool connected = false;
    bool preview = false;
    int connects = 0;
    int disconnects = 0;
    QImage frame;
    std::vector<camera::CaptureFormat> formats;
    camera::CaptureFormat format;
    std::vector<camera::CaptureControl> controls;
    QStringList compressions{"YUYV", "MJPG"};
    QString compression = "YUYV";
    std::vector<camera::ClipRequest> clipRequests;
    QString clipRefusal; // non-empty: StartClip fails with it
    bool clipRunning = false;
    bool clipSound = false;
    qint64 clipBytes = 0;
    int clipStops = 0;
};

} // namespace vx7::test
