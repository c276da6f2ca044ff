#include "GstClipWriter.h"
#include "GstObjectPtr.h"

#include "camera/CameraLog.h"

#include <QFile>
#include <QFileInfo>

#include <gst/app/gstappsrc.h>
#include <gst/gst.h>

#include <mutex>

namespace vx7::camera {
namespace {

// How long finalising may take: the muxer writes its index in well under a second even
// for a long clip; the bound only guards against a sound source that never ends.
constexpr int kFinishTimeoutMs = 5000;
constexpr int kJpegQuality = 85;

QString ErrorText(GstMessage* m) {
    GError* err = nullptr;
    gst_message_parse_error(m, &err, nullptr);
    QString text = QString::fromUtf8(err ? err->message : "unknown error");
    g_clear_error(&err);
    return text;
}

// The default microphone: the sound input the system marks as its default, else the
// first one listed, never the monitor of an output. Null when there is none.
GstElement* MakeMicrophone() {
    GstDeviceMonitor* monitor = gst_device_monitor_new();
    gst_device_monitor_add_filter(monitor, "Audio/Source", nullptr);
    GList* devices = gst_device_monitor_get_devices(monitor);
    GstDevice* chosen = nullptr;
    for (GList* l = devices; l; l = l->next) {
        GstDevice* device = GST_DEVICE(l->data);
        GstStructure* props = gst_device_get_properties(device);
        const char* cls = props ? gst_structure_get_string(props, "device.class") : nullptr;
        gboolean isDefault = FALSE;
        if (props)
            gst_structure_get_boolean(props, "is-default", &isDefault);
        if (props)
            gst_structure_free(props);
        if (cls && g_str_equal(cls, "monitor"))
            continue;
        if (!chosen || isDefault)
            chosen = device;
        if (isDefault)
            break;
    }
    GstElement* source = chosen ? gst_device_create_element(chosen, "sound") : nullptr;
    g_list_free_full(devices, gst_object_unref);
    gst_object_unref(monitor);
    return source;
}

} // namespace

struct GstClipWriter::Impl {
    QString path;
    ElementPtr pipeline;
    GstElement* appsrc = nullptr; // owned by the pipeline
    GstElement* sound = nullptr;  // owned by the pipeline; null without sound
    std::mutex pushMutex;
    GstClockTime firstPts = GST_CLOCK_TIME_NONE;
    bool ended = false; // end of stream sent or pipeline stopped
    bool finished = false;

    void Stop() {
        if (pipeline)
            gst_element_set_state(pipeline.get(), GST_STATE_NULL);
        finished = true;
    }
};

namespace {

// Builds the clip pipeline; sound may be null. Returns null when an element is missing
// or the parts cannot be linked.
ElementPtr BuildPipeline(const QString& path, const GstCaps* videoCaps, GstElement* sound,
                         GstElement** appsrcOut) {
    ElementPtr pipeline(gst_pipeline_new("vx7-clip"));
    GstElement* appsrc = gst_element_factory_make("appsrc", "frames");
    GstElement* queue = gst_element_factory_make("queue", nullptr);
    GstElement* rate = gst_element_factory_make("videorate", nullptr);
    GstElement* convert = gst_element_factory_make("videoconvert", nullptr);
    GstElement* jpeg = gst_element_factory_make("jpegenc", nullptr);
    GstElement* mux = gst_element_factory_make("avimux", "mux");
    GstElement* file = gst_element_factory_make("filesink", "file");
    GstElement* video[] = {appsrc, queue, rate, convert, jpeg, mux, file};
    bool complete = pipeline != nullptr;
    for (GstElement* e : video)
        complete = complete && e != nullptr;
    GstElement *aconvert = nullptr, *resample = nullptr, *acaps = nullptr, *aqueue = nullptr;
    if (sound) {
        aconvert = gst_element_factory_make("audioconvert", nullptr);
        resample = gst_element_factory_make("audioresample", nullptr);
        acaps = gst_element_factory_make("capsfilter", nullptr);
        aqueue = gst_element_factory_make("queue", nullptr);
        complete = complete && aconvert && resample && acaps && aqueue;
    }
    if (!complete) {
        for (GstElement* e :
             {appsrc, queue, rate, convert, jpeg, mux, file, aconvert, resample, acaps, aqueue})
            if (e)
                gst_object_unref(gst_object_ref_sink(e));
        if (sound)
            gst_object_unref(gst_object_ref_sink(sound));
        return nullptr;
    }
    for (GstElement* e : video)
        gst_bin_add(GST_BIN(pipeline.get()), e);
    g_object_set(appsrc, "caps", videoCaps, "is-live", TRUE, "format", GST_FORMAT_TIME, "do-timestamp", FALSE,
                 "block", FALSE, "max-bytes", guint64(64) << 20, nullptr);
    // Frames wait in the queue while the encoder catches up; a stalled disk fills it and
    // later frames are dropped rather than holding up anything else.
    g_object_set(queue, "max-size-buffers", 60u, "max-size-time", guint64(0), "max-size-bytes", 0u, "leaky",
                 2 /* downstream */, nullptr);
    g_object_set(jpeg, "quality", kJpegQuality, nullptr);
    g_object_set(file, "location", QFile::encodeName(path).constData(), "async", FALSE, nullptr);
    bool linked = gst_element_link_many(appsrc, queue, rate, convert, jpeg, mux, file, nullptr);
    if (sound) {
        for (GstElement* e : {sound, aconvert, resample, acaps, aqueue})
            gst_bin_add(GST_BIN(pipeline.get()), e);
        GstCaps* caps = gst_caps_from_string("audio/x-raw,format=S16LE,rate=44100");
        g_object_set(acaps, "caps", caps, nullptr);
        gst_caps_unref(caps);
        linked = linked && gst_element_link_many(sound, aconvert, resample, acaps, aqueue, mux, nullptr);
    }
    if (!linked) {
        qCWarning(lcCamera) << "cannot link the clip pipeline";
        return nullptr;
    }
    *appsrcOut = appsrc;
    return pipeline;
}

} // namespace

GstClipWriter::GstClipWriter(std::unique_ptr<Impl> impl) : d_(std::move(impl)) {}

GstClipWriter::~GstClipWriter() {
    if (!d_->finished)
        Finish();
}

std::unique_ptr<GstClipWriter> GstClipWriter::Start(const QString& path, const GstCaps* videoCaps,
                                                    ClipSound sound, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return std::unique_ptr<GstClipWriter>();
    };
    if (!videoCaps)
        return fail(QStringLiteral("摄像头没有画面"));
    // With sound first; a sound source that cannot start leaves a silent clip rather
    // than none.
    for (bool withSound : {sound != ClipSound::kNone, false}) {
        GstElement* source = nullptr;
        if (withSound) {
            if (sound == ClipSound::kTestTone) {
                source = gst_element_factory_make("audiotestsrc", "sound");
                if (source)
                    g_object_set(source, "is-live", TRUE, "volume", 0.1, nullptr);
            } else {
                source = MakeMicrophone();
            }
            if (!source)
                continue;
        }
        auto impl = std::make_unique<Impl>();
        impl->path = path;
        impl->pipeline = BuildPipeline(path, videoCaps, source, &impl->appsrc);
        if (!impl->pipeline)
            return fail(QStringLiteral("录像所需的 GStreamer 组件缺失"));
        impl->sound = withSound ? source : nullptr;
        if (gst_element_set_state(impl->pipeline.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
            GstBus* bus = gst_element_get_bus(impl->pipeline.get());
            QString why;
            if (GstMessage* m = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR)) {
                why = ErrorText(m);
                gst_message_unref(m);
            }
            gst_object_unref(bus);
            gst_element_set_state(impl->pipeline.get(), GST_STATE_NULL);
            qCWarning(lcCamera) << "clip pipeline did not start" << (withSound ? "with sound:" : ":") << why;
            if (withSound)
                continue;
            return fail(QStringLiteral("无法写入录像文件: %1").arg(why));
        }
        return std::unique_ptr<GstClipWriter>(new GstClipWriter(std::move(impl)));
    }
    return fail(QStringLiteral("录像无法开始"));
}

void GstClipWriter::Push(GstSample* sample) {
    GstBuffer* buffer = sample ? gst_sample_get_buffer(sample) : nullptr;
    if (!buffer)
        return;
    std::lock_guard lock(d_->pushMutex);
    if (d_->ended)
        return;
    const GstClockTime pts = GST_BUFFER_PTS(buffer);
    if (!GST_CLOCK_TIME_IS_VALID(pts))
        return;
    if (!GST_CLOCK_TIME_IS_VALID(d_->firstPts))
        d_->firstPts = pts;
    if (pts < d_->firstPts)
        return;
    // A new buffer that shares the frame's memory: no pixels are copied.
    GstBuffer* out = gst_buffer_copy(buffer);
    GST_BUFFER_PTS(out) = pts - d_->firstPts;
    GST_BUFFER_DTS(out) = GST_CLOCK_TIME_NONE;
    gst_app_src_push_buffer(GST_APP_SRC(d_->appsrc), out);
}

bool GstClipWriter::Finish(QString* error) {
    if (d_->finished)
        return true;
    {
        std::lock_guard lock(d_->pushMutex);
        d_->ended = true;
    }
    gst_app_src_end_of_stream(GST_APP_SRC(d_->appsrc));
    if (d_->sound)
        gst_element_send_event(d_->sound, gst_event_new_eos());
    GstBus* bus = gst_element_get_bus(d_->pipeline.get());
    GstMessage* m = gst_bus_timed_pop_filtered(bus, GstClockTime(kFinishTimeoutMs) * GST_MSECOND,
                                               GstMessageType(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    gst_object_unref(bus);
    bool ok = m && GST_MESSAGE_TYPE(m) == GST_MESSAGE_EOS;
    QString why = !m ? QStringLiteral("录像文件结束超时") : ok ? QString() : ErrorText(m);
    if (m)
        gst_message_unref(m);
    d_->Stop();
    if (!ok) {
        qCWarning(lcCamera) << "clip not finalised:" << why;
        if (error)
            *error = why;
    }
    return ok;
}

void GstClipWriter::Abort() {
    {
        std::lock_guard lock(d_->pushMutex);
        d_->ended = true;
    }
    d_->Stop();
}

QString GstClipWriter::TakeError() {
    if (d_->finished || !d_->pipeline)
        return QString();
    GstBus* bus = gst_element_get_bus(d_->pipeline.get());
    QString text;
    while (GstMessage* m = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR)) {
        if (text.isEmpty())
            text = ErrorText(m);
        gst_message_unref(m);
    }
    gst_object_unref(bus);
    return text;
}

bool GstClipWriter::HasSound() const {
    return d_->sound != nullptr;
}

QString GstClipWriter::Path() const {
    return d_->path;
}

qint64 GstClipWriter::BytesWritten() const {
    return QFileInfo(d_->path).size();
}

} // namespace vx7::camera
