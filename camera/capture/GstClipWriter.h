#pragma once

#include "CaptureDevice.h"

#include <QString>

#include <memory>

typedef struct _GstCaps GstCaps;
typedef struct _GstSample GstSample;

namespace vx7::camera {

// The recording side of the GStreamer camera: its own pipeline, fed with the capture
// pipeline's frames, that encodes them as Motion-JPEG and writes them, with sound when
// asked for and available, into an AVI file:
//   appsrc → queue → videorate → videoconvert → jpegenc → avimux → filesink
//   sound source → audioconvert → audioresample → queue ↗
// A separate pipeline keeps a failing disk away from the preview: a write error stops
// the clip, never the camera. Push may be called from any thread; the rest from the
// user-interface thread.
class GstClipWriter {
  public:
    // Starts a clip whose frames have the given raw video caps (size, format and rate
    // of the camera). Null with the reason in error when the file or the pipeline
    // cannot be started.
    static std::unique_ptr<GstClipWriter> Start(const QString& path, const GstCaps* videoCaps,
                                                ClipSound sound, QString* error);
    ~GstClipWriter(); // finalises a clip still running

    GstClipWriter(const GstClipWriter&) = delete;
    GstClipWriter& operator=(const GstClipWriter&) = delete;

    // Hands one camera frame to the clip; the first frame is the clip's time zero.
    void Push(GstSample* sample);

    // Ends the streams and waits (bounded) until the muxer has written its index and the
    // file is closed. False with the reason when the file could not be finalised.
    bool Finish(QString* error = nullptr);

    // Stops at once without finalising (after a write error). Idempotent.
    void Abort();

    // An error the pipeline reported since the last call (a full disk, a lost sound
    // source); empty when none.
    QString TakeError();

    bool HasSound() const;
    QString Path() const;
    qint64 BytesWritten() const;

  private:
    struct Impl;
    explicit GstClipWriter(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d_;
};

} // namespace vx7::camera
