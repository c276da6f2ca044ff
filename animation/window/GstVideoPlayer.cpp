#include "GstVideoPlayer.h"

#include "animation/AnimationLog.h"
#include "platform/GstSupport.h"

#include <QFileInfo>
#include <QUrl>

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/video.h>

#include <cmath>
#include <mutex>

namespace vx7::animation {
namespace {

// How long opening may take before the file counts as unplayable.
constexpr GstClockTime kOpenTimeout = 10 * GST_SECOND;

struct GstUnref {
    void operator()(GstElement* e) const { gst_object_unref(e); }
};
using ElementPtr = std::unique_ptr<GstElement, GstUnref>;

class GstVideoPlayer final : public VideoPlayer {
  public:
    GstVideoPlayer() { platform::EnsureGst(); }
    ~GstVideoPlayer() override { Close(); }

    bool Open(const QString& path, QString* error) override {
        Close();
        if (!QFileInfo(path).isFile()) {
            SetError(error, QStringLiteral("no such file"));
            return false;
        }
        ElementPtr bin(gst_element_factory_make("playbin", nullptr));
        GstElement* sink = gst_element_factory_make("appsink", nullptr);
        if (!bin || !sink) {
            if (sink)
                gst_object_unref(sink);
            SetError(error, QStringLiteral("GStreamer playbin or appsink missing"));
            return false;
        }
        GstCaps* caps = gst_caps_from_string("video/x-raw,format=BGRA");
        g_object_set(sink, "caps", caps, "sync", TRUE, "max-buffers", 2, "drop", TRUE, nullptr);
        gst_caps_unref(caps);
        GstAppSinkCallbacks callbacks{};
        callbacks.new_preroll = &GstVideoPlayer::OnPreroll;
        callbacks.new_sample = &GstVideoPlayer::OnSample;
        gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, this, nullptr);

        const QByteArray uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded();
        g_object_set(bin.get(), "uri", uri.constData(), "video-sink", sink, nullptr);
        if (GstElement* audio = gst_element_factory_make(platform::AudioSinkName(), nullptr)) {
            if (!platform::AudioOutputAvailable())
                g_object_set(audio, "sync", TRUE, nullptr);
            g_object_set(bin.get(), "audio-sink", audio, nullptr);
        }

        pipeline_ = std::move(bin);
        appsink_ = sink;
        const GstStateChangeReturn change = gst_element_set_state(pipeline_.get(), GST_STATE_PAUSED);
        GstState state = GST_STATE_NULL;
        const GstStateChangeReturn settled =
            change == GST_STATE_CHANGE_FAILURE
                ? change
                : gst_element_get_state(pipeline_.get(), &state, nullptr, kOpenTimeout);
        if (settled != GST_STATE_CHANGE_SUCCESS && settled != GST_STATE_CHANGE_NO_PREROLL) {
            // BusError takes the message off the bus, so it is read once.
            const QString busError = BusError();
            SetError(error, busError.isEmpty() ? QStringLiteral("cannot play") : busError);
            Close();
            return false;
        }
        if (!ReadStreamInfo()) {
            SetError(error, QStringLiteral("no video stream"));
            Close();
            return false;
        }
        mode_ = Mode::Stopped;
        atEnd_ = false;
        DrainBus();
        return true;
    }

    void Close() override {
        {
            std::lock_guard lock(frameLock_);
            notification_ = nullptr;
        }
        if (pipeline_) {
            gst_element_set_state(pipeline_.get(), GST_STATE_NULL);
            pipeline_.reset();
        }
        appsink_ = nullptr;
        mode_ = Mode::NotOpen;
        lengthFrames_ = 0;
        fps_ = 0.0;
        size_ = QSize();
        atEnd_ = false;
        std::lock_guard lock(frameLock_);
        frame_ = QImage();
    }

    bool IsOpen() const override { return pipeline_ != nullptr; }

    qint64 LengthFrames() const override { return lengthFrames_; }

    qint64 PositionFrames() override {
        if (!pipeline_)
            return 0;
        DrainBus();
        if (atEnd_)
            return lengthFrames_;
        gint64 position = 0;
        if (!gst_element_query_position(pipeline_.get(), GST_FORMAT_TIME, &position) || position < 0)
            return lastPosition_;
        lastPosition_ = std::min<qint64>(lengthFrames_, static_cast<qint64>(position * fps_ / GST_SECOND));
        return lastPosition_;
    }

    int FrameRateValue() const override { return static_cast<int>(std::lround(fps_ * 60.0)); }
    QSize SourceSize() const override { return size_; }

    void SeekToStart() override {
        if (!pipeline_)
            return;
        SeekFrom(0);
        atEnd_ = false;
        lastPosition_ = 0;
    }

    void Play() override {
        if (!pipeline_)
            return;
        DrainBus();
        if (atEnd_)
            SeekToStart();
        gst_element_set_state(pipeline_.get(), GST_STATE_PLAYING);
        mode_ = Mode::Playing;
    }

    void Stop() override {
        if (!pipeline_)
            return;
        gst_element_set_state(pipeline_.get(), GST_STATE_PAUSED);
        mode_ = Mode::Stopped;
    }

    void Pause() override {
        if (!pipeline_)
            return;
        gst_element_set_state(pipeline_.get(), GST_STATE_PAUSED);
        if (mode_ == Mode::Playing)
            mode_ = Mode::Paused;
    }

    void SetSpeed(int speed) override {
        rate_ = speed > 0 ? speed / 1000.0 : 1.0;
        if (!pipeline_)
            return;
        gint64 position = 0;
        if (!gst_element_query_position(pipeline_.get(), GST_FORMAT_TIME, &position) || position < 0)
            position = 0;
        SeekFrom(position);
    }

    double Rate() override {
        if (!pipeline_)
            return rate_;
        GstQuery* query = gst_query_new_segment(GST_FORMAT_TIME);
        double rate = rate_;
        if (gst_element_query(pipeline_.get(), query))
            gst_query_parse_segment(query, &rate, nullptr, nullptr, nullptr);
        gst_query_unref(query);
        return rate;
    }

    void SetSoundOn(bool on) override {
        if (pipeline_)
            g_object_set(pipeline_.get(), "mute", on ? FALSE : TRUE, nullptr);
    }

    Mode CurrentMode() override {
        DrainBus();
        return pipeline_ ? mode_ : Mode::NotOpen;
    }

    QImage CurrentFrame() const override {
        std::lock_guard lock(frameLock_);
        return frame_;
    }

    void SetFrameNotification(FrameNotification notification) override {
        std::lock_guard lock(frameLock_);
        notification_ = std::move(notification);
    }

  private:
    static void SetError(QString* error, const QString& text) {
        if (error)
            *error = text;
    }

    void SeekFrom(gint64 position) {
        const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
        if (!gst_element_seek(pipeline_.get(), rate_, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, position,
                              GST_SEEK_TYPE_NONE, GST_CLOCK_TIME_NONE))
            qCDebug(lcAnimation) << "seek refused at" << position;
        // A flushing seek pre-rolls again; wait for it so that position queries and the
        // next play start from the new place.
        gst_element_get_state(pipeline_.get(), nullptr, nullptr, kOpenTimeout);
    }

    // Frame size and rate from the negotiated caps, length from the duration.
    bool ReadStreamInfo() {
        GstPad* pad = gst_element_get_static_pad(appsink_, "sink");
        if (!pad)
            return false;
        GstCaps* caps = gst_pad_get_current_caps(pad);
        gst_object_unref(pad);
        if (!caps)
            return false;
        GstVideoInfo info;
        const bool ok = gst_video_info_from_caps(&info, caps);
        gst_caps_unref(caps);
        if (!ok)
            return false;
        size_ = QSize(GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info));
        fps_ = GST_VIDEO_INFO_FPS_D(&info) > 0 && GST_VIDEO_INFO_FPS_N(&info) > 0
                   ? static_cast<double>(GST_VIDEO_INFO_FPS_N(&info)) / GST_VIDEO_INFO_FPS_D(&info)
                   : 25.0;
        gint64 duration = 0;
        if (gst_element_query_duration(pipeline_.get(), GST_FORMAT_TIME, &duration) && duration > 0)
            lengthFrames_ = static_cast<qint64>(std::llround(duration * fps_ / GST_SECOND));
        return !size_.isEmpty();
    }

    // Takes note of the end of the stream and of errors; both leave the device stopped.
    void DrainBus() {
        if (!pipeline_)
            return;
        GstBus* bus = gst_element_get_bus(pipeline_.get());
        while (GstMessage* msg = gst_bus_pop_filtered(
                   bus, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR))) {
            if (GST_MESSAGE_TYPE(msg) == GST_MESSAGE_EOS) {
                atEnd_ = true;
                mode_ = Mode::Stopped;
            } else {
                GError* err = nullptr;
                gst_message_parse_error(msg, &err, nullptr);
                qCInfo(lcAnimation) << "video error:" << (err ? err->message : "unknown");
                if (err)
                    g_error_free(err);
                mode_ = Mode::Stopped;
            }
            gst_message_unref(msg);
        }
        gst_object_unref(bus);
    }

    // Takes the first error message off the bus and returns its text (empty when none).
    QString BusError() {
        if (!pipeline_)
            return QString();
        GstBus* bus = gst_element_get_bus(pipeline_.get());
        QString text;
        if (GstMessage* msg = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR)) {
            GError* err = nullptr;
            gst_message_parse_error(msg, &err, nullptr);
            if (err) {
                text = QString::fromUtf8(err->message);
                g_error_free(err);
            }
            gst_message_unref(msg);
        }
        gst_object_unref(bus);
        return text;
    }

    static GstFlowReturn OnPreroll(GstAppSink* sink, gpointer self) {
        static_cast<GstVideoPlayer*>(self)->TakeSample(gst_app_sink_pull_preroll(sink));
        return GST_FLOW_OK;
    }
    static GstFlowReturn OnSample(GstAppSink* sink, gpointer self) {
        static_cast<GstVideoPlayer*>(self)->TakeSample(gst_app_sink_pull_sample(sink));
        return GST_FLOW_OK;
    }

    // Streaming thread: copies the picture out of the buffer.
    void TakeSample(GstSample* sample) {
        if (!sample)
            return;
        GstVideoInfo info;
        GstCaps* caps = gst_sample_get_caps(sample);
        GstBuffer* buffer = gst_sample_get_buffer(sample);
        QImage image;
        if (caps && buffer && gst_video_info_from_caps(&info, caps)) {
            GstVideoFrame frame;
            if (gst_video_frame_map(&frame, &info, buffer, GST_MAP_READ)) {
                const int w = GST_VIDEO_FRAME_WIDTH(&frame), h = GST_VIDEO_FRAME_HEIGHT(&frame);
                const int stride = GST_VIDEO_FRAME_PLANE_STRIDE(&frame, 0);
                const auto* data = static_cast<const uchar*>(GST_VIDEO_FRAME_PLANE_DATA(&frame, 0));
                image =
                    QImage(data, w, h, stride, QImage::Format_ARGB32).convertToFormat(QImage::Format_RGB32);
                gst_video_frame_unmap(&frame);
            }
        }
        gst_sample_unref(sample);
        if (image.isNull())
            return;
        std::lock_guard lock(frameLock_);
        frame_ = std::move(image);
        if (notification_)
            notification_();
    }

    ElementPtr pipeline_;
    GstElement* appsink_ = nullptr; // owned by the pipeline
    Mode mode_ = Mode::NotOpen;
    qint64 lengthFrames_ = 0;
    qint64 lastPosition_ = 0;
    double fps_ = 0.0;
    double rate_ = 1.0;
    QSize size_;
    bool atEnd_ = false;

    mutable std::mutex frameLock_;
    QImage frame_;
    FrameNotification notification_;
};

} // namespace

std::unique_ptr<VideoPlayer> MakeGstVideoPlayer() {
    return std::make_unique<GstVideoPlayer>();
}

} // namespace vx7::animation
