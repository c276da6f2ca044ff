#pragma once

#include "CameraChoice.h"
#include "CaptureDevice.h"

#include <memory>

namespace vx7::camera {

// The GStreamer camera: the first "Video/Source" device of the device monitor (a V4L2
// camera through v4l2src), or the built-in test camera (videotestsrc with a moving
// pattern and a clock). The pipeline is source → caps of the chosen format →
// (jpegdec for MJPG) → videobalance → videoconvert → appsink. The user-interface thread
// polls the sink at the preview rate of 30 ms, so frames never queue up: the sink keeps
// only the newest one. A tee after the picture controls feeds a second appsink whose
// frames go to a clip (GstClipWriter) while one records. GStreamer handles never leave
// this class.
class GstCaptureDevice final : public CaptureDevice {
    Q_OBJECT
  public:
    static constexpr int kPreviewRateMs = 30;
    // How long a connection may take to deliver its first picture.
    static constexpr int kStartTimeoutMs = 5000;

    explicit GstCaptureDevice(CameraChoice choice, QObject* parent = nullptr);
    ~GstCaptureDevice() override;

    QString Name() const override;
    ConnectResult Connect() override;
    void Disconnect() override;
    bool IsConnected() const override;
    void SetPreview(bool on) override;
    bool PreviewOn() const override;
    QSize ImageSize() const override;
    QImage CurrentFrame() const override;
    std::vector<CaptureFormat> Formats() const override;
    CaptureFormat CurrentFormat() const override;
    bool SetFormat(const CaptureFormat& format) override;
    std::vector<CaptureControl> Controls() const override;
    bool SetControl(const QString& name, int value) override;
    QStringList Compressions() const override;
    QString Compression() const override;
    bool SetCompression(const QString& compression) override;
    bool HasCamera() const override;
    bool SwitchToTestCamera() override;
    bool StartClip(const ClipRequest& request, QString* error) override;
    void StopClip() override;
    bool ClipRunning() const override;
    bool ClipHasSound() const override;
    qint64 ClipBytes() const override;

    // Takes the newest frame from the pipeline now and checks the pipeline's messages;
    // the preview timer calls it every 30 ms.
    void Poll();

    // The formats of the built-in test camera.
    static std::vector<CaptureFormat> TestCameraFormats();

    struct Impl;

  private:
    std::unique_ptr<Impl> d_;
};

} // namespace vx7::camera
