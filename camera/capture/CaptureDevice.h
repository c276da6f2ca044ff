#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace vx7::camera {

// One image format a camera offers: its transfer compression ("YUYV", "MJPG", …),
// size and frame rate.
struct CaptureFormat {
    QString compression;
    int width = 0;
    int height = 0;
    int fpsNumerator = 0;
    int fpsDenominator = 1;

    QSize Size() const { return QSize(width, height); }
    double FramesPerSecond() const {
        return fpsDenominator > 0 ? double(fpsNumerator) / fpsDenominator : 0.0;
    }
    bool operator==(const CaptureFormat&) const = default;
};

// An adjustable setting of the camera (brightness, contrast, …).
struct CaptureControl {
    QString name;  // the device's own name, used to set it
    QString label; // the text shown to the user
    int minimum = 0;
    int maximum = 0;
    int value = 0;
};

// The outcome of a connection, in the two failures the station reports.
enum class ConnectResult {
    kOk,
    kConnectFailed, // no camera, or the camera could not be opened
    kInitFailed,    // the camera opened but delivers no picture in the chosen format
};

// Where the sound of a clip comes from.
enum class ClipSound {
    kNone,
    kMicrophone, // the default microphone; none when the machine has none
    kTestTone,   // a steady tone, for a machine without a microphone
};

// A clip to record from the running camera: Motion-JPEG at the camera's size and rate
// in an AVI file, with sound when asked for and available.
struct ClipRequest {
    QString path;
    ClipSound sound = ClipSound::kMicrophone;
};

// The camera behind the station's preview. Everything is called on the user-interface
// thread; frames are handed over through FrameReady on that thread too. A device that
// is not connected answers with empty values and writes no file.
class CaptureDevice : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    ~CaptureDevice() override = default;

    // Human-readable name of the device in use (or of the device that would be used).
    virtual QString Name() const = 0;

    // Opens the camera with the current format and compression and starts delivering
    // frames. A connected device is disconnected first.
    virtual ConnectResult Connect() = 0;
    virtual void Disconnect() = 0;
    virtual bool IsConnected() const = 0;

    // Preview on: frames are delivered at the preview rate. Off: no frames are delivered.
    virtual void SetPreview(bool on) = 0;
    virtual bool PreviewOn() const = 0;

    // The size of the camera's image; empty when unknown.
    virtual QSize ImageSize() const = 0;

    // The most recent frame; null when none has arrived since connecting.
    virtual QImage CurrentFrame() const = 0;

    // Every format the device offers, and the one in use (or to be used at the next
    // connection). SetFormat returns false for a format not in the list.
    virtual std::vector<CaptureFormat> Formats() const = 0;
    virtual CaptureFormat CurrentFormat() const = 0;
    virtual bool SetFormat(const CaptureFormat& format) = 0;

    // The device's picture controls, read live; SetControl applies at once, and the
    // value set is applied again at every later connection of the run.
    virtual std::vector<CaptureControl> Controls() const = 0;
    virtual bool SetControl(const QString& name, int value) = 0;

    // The transfer compressions the device offers ("MJPG", "YUYV", …) and the chosen
    // one, which takes effect at the next connection.
    virtual QStringList Compressions() const = 0;
    virtual QString Compression() const = 0;
    virtual bool SetCompression(const QString& compression) = 0;

    // False when there is no camera to connect to at all.
    virtual bool HasCamera() const { return true; }
    // Switches to the built-in test camera (for a machine without one); false when the
    // device has none.
    virtual bool SwitchToTestCamera() { return false; }
    // Clip recording from the running camera, beside the preview. StartClip fails (with
    // the reason) when the device is not connected, already records, or cannot write
    // the file; a device without recording always fails. StopClip finalises the file
    // (index written, playable) before it returns; it does nothing when no clip runs.
    // Disconnecting finalises a running clip first.
    virtual bool StartClip(const ClipRequest& request, QString* error) {
        Q_UNUSED(request);
        if (error)
            *error = QStringLiteral("此摄像头不能录像");
        return false;
    }
    virtual void StopClip() {}
    virtual bool ClipRunning() const { return false; }
    // Whether the running (or last) clip has a sound track.
    virtual bool ClipHasSound() const { return false; }
    // Bytes of the running clip written so far (0 when none).
    virtual qint64 ClipBytes() const { return 0; }

  signals:
    // A running clip ended by itself (the file could not be written); what was written
    // is kept. reason is for the user.
    void ClipFailed(const QString& reason);
    // A new frame is available through CurrentFrame().
    void FrameReady();
    // The camera stopped delivering (unplugged, failed); the device is disconnected.
    void Lost(const QString& reason);
};

} // namespace vx7::camera
