#include "GstCaptureDevice.h"
#include "AviRepair.h"
#include "GstClipWriter.h"
#include "GstObjectPtr.h"

#include "camera/CameraLog.h"
#include "platform/GstSupport.h"

#include <QPainter>
#include <QTime>
#include <QTimer>

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/colorbalance.h>
#include <gst/video/video.h>

#include <algorithm>
#include <mutex>
#include <optional>

namespace vx7::camera {
namespace {

using DevicePtr = std::unique_ptr<GstDevice, GstObjectUnref>;

struct CapsUnref {
    void operator()(GstCaps* c) const {
        if (c)
            gst_caps_unref(c);
    }
};
using CapsPtr = std::unique_ptr<GstCaps, CapsUnref>;

// The compression name the user sees for a caps structure; empty when unsupported.
QString CompressionOf(const GstStructure* s) {
    const char* name = gst_structure_get_name(s);
    if (g_str_equal(name, "image/jpeg"))
        return QStringLiteral("MJPG");
    if (g_str_equal(name, "video/x-raw")) {
        const char* format = gst_structure_get_string(s, "format");
        if (!format)
            return QString();
        if (g_str_equal(format, "YUY2"))
            return QStringLiteral("YUYV");
        return QString::fromLatin1(format);
    }
    return QString();
}

// The raw format name GStreamer uses for a compression shown to the user.
QString RawFormatOf(const QString& compression) {
    return compression == QLatin1String("YUYV") ? QStringLiteral("YUY2") : compression;
}

void AddFraction(std::vector<std::pair<int, int>>& out, const GValue* v) {
    if (GST_VALUE_HOLDS_FRACTION(v)) {
        out.emplace_back(gst_value_get_fraction_numerator(v), gst_value_get_fraction_denominator(v));
    } else if (GST_VALUE_HOLDS_LIST(v)) {
        for (guint i = 0; i < gst_value_list_get_size(v); ++i)
            AddFraction(out, gst_value_list_get_value(v, i));
    } else if (GST_VALUE_HOLDS_FRACTION_RANGE(v)) {
        AddFraction(out, gst_value_get_fraction_range_max(v));
    }
}

void AddInts(std::vector<int>& out, const GValue* v) {
    if (G_VALUE_HOLDS_INT(v)) {
        out.push_back(g_value_get_int(v));
    } else if (GST_VALUE_HOLDS_LIST(v)) {
        for (guint i = 0; i < gst_value_list_get_size(v); ++i)
            AddInts(out, gst_value_list_get_value(v, i));
    } else if (GST_VALUE_HOLDS_INT_RANGE(v)) {
        // A free size range: offer the common sizes inside it.
        const int lo = gst_value_get_int_range_min(v), hi = gst_value_get_int_range_max(v);
        for (int common : {320, 640, 800, 1280})
            if (common >= lo && common <= hi)
                out.push_back(common);
    }
}

// Every format a set of caps offers, in the order listed, without repeats.
std::vector<CaptureFormat> FormatsOfCaps(const GstCaps* caps) {
    std::vector<CaptureFormat> out;
    if (!caps)
        return out;
    for (guint i = 0; i < gst_caps_get_size(caps); ++i) {
        const GstStructure* s = gst_caps_get_structure(caps, i);
        const QString compression = CompressionOf(s);
        if (compression.isEmpty())
            continue;
        std::vector<int> widths, heights;
        if (const GValue* w = gst_structure_get_value(s, "width"))
            AddInts(widths, w);
        if (const GValue* h = gst_structure_get_value(s, "height"))
            AddInts(heights, h);
        std::vector<std::pair<int, int>> rates;
        if (const GValue* f = gst_structure_get_value(s, "framerate"))
            AddFraction(rates, f);
        if (rates.empty())
            rates.emplace_back(30, 1);
        // Fixed sizes pair up; ranges give the common 4:3 sizes.
        const bool paired = widths.size() == heights.size();
        for (size_t k = 0; k < widths.size(); ++k) {
            const int width = widths[k];
            const int height = paired ? heights[k] : width * 3 / 4;
            if (width <= 0 || height <= 0)
                continue;
            for (const auto& [num, den] : rates) {
                if (num <= 0 || den <= 0)
                    continue;
                CaptureFormat f{compression, width, height, num, den};
                if (std::find(out.begin(), out.end(), f) == out.end())
                    out.push_back(f);
            }
        }
    }
    return out;
}

// Picks the format a fresh device starts with: 640 x 480 of the preferred compression
// at its highest rate, else the first format of that compression.
CaptureFormat DefaultFormat(const std::vector<CaptureFormat>& formats, const QString& compression) {
    std::optional<CaptureFormat> best;
    for (const CaptureFormat& f : formats) {
        if (f.compression != compression)
            continue;
        if (!best)
            best = f;
        if (f.width == 640 && f.height == 480 &&
            (best->width != 640 || best->height != 480 || f.FramesPerSecond() > best->FramesPerSecond()))
            best = f;
    }
    return best.value_or(formats.empty() ? CaptureFormat{} : formats.front());
}

} // namespace

namespace {
GstFlowReturn OnClipSample(GstAppSink* sink, gpointer data);
}

struct GstCaptureDevice::Impl {
    CameraChoice choice;
    DevicePtr device;
    QString deviceName;
    std::vector<CaptureFormat> formats;
    CaptureFormat format;
    QString compression;
    ElementPtr pipeline;
    GstElement* source = nullptr;   // owned by the pipeline
    GstElement* balance = nullptr;  // owned by the pipeline
    GstElement* sink = nullptr;     // owned by the pipeline
    GstElement* clipSink = nullptr; // owned by the pipeline: the frames for a clip
    // The running clip. The capture pipeline's streaming thread pushes frames into it
    // under clipMutex; the user-interface thread starts and ends it.
    mutable std::mutex clipMutex;
    std::unique_ptr<GstClipWriter> clip;
    bool clipHasSound = false;
    QSize imageSize;
    QImage frame;
    bool preview = false;
    QTimer* timer = nullptr;
    int frameCount = 0;
    // The picture controls the user set, applied again after every connection.
    std::vector<std::pair<QString, int>> userControls;

    bool ApplyControl(const QString& name, int value) const {
        GstColorBalance* b = BalanceInUse();
        if (!b)
            return false;
        for (const GList* l = gst_color_balance_list_channels(b); l; l = l->next) {
            GstColorBalanceChannel* ch = GST_COLOR_BALANCE_CHANNEL(l->data);
            if (name == QString::fromUtf8(ch->label)) {
                gst_color_balance_set_value(b, ch, std::clamp(value, ch->min_value, ch->max_value));
                return true;
            }
        }
        return false;
    }

    GstColorBalance* BalanceInUse() const {
        // The camera's own controls when it has any, else the balance element's.
        if (source && GST_IS_COLOR_BALANCE(source)) {
            const GList* channels = gst_color_balance_list_channels(GST_COLOR_BALANCE(source));
            if (channels)
                return GST_COLOR_BALANCE(source);
        }
        if (balance && GST_IS_COLOR_BALANCE(balance))
            return GST_COLOR_BALANCE(balance);
        return nullptr;
    }
};

std::vector<CaptureFormat> GstCaptureDevice::TestCameraFormats() {
    std::vector<CaptureFormat> out;
    for (const char* compression : {"YUYV", "MJPG"})
        for (QSize size : {QSize(640, 480), QSize(320, 240), QSize(800, 600), QSize(1280, 720)})
            for (int fps : {30, 15})
                out.push_back({QString::fromLatin1(compression), size.width(), size.height(), fps, 1});
    return out;
}

GstCaptureDevice::GstCaptureDevice(CameraChoice choice, QObject* parent)
    : CaptureDevice(parent), d_(std::make_unique<Impl>()) {
    platform::EnsureGst();
    d_->choice = choice;
    d_->timer = new QTimer(this);
    d_->timer->setInterval(kPreviewRateMs);
    connect(d_->timer, &QTimer::timeout, this, &GstCaptureDevice::Poll);
    if (choice == CameraChoice::kTest) {
        d_->deviceName = QStringLiteral("内置测试摄像头");
        d_->formats = TestCameraFormats();
    } else {
        GstDeviceMonitor* monitor = gst_device_monitor_new();
        gst_device_monitor_add_filter(monitor, "Video/Source", nullptr);
        GList* devices = gst_device_monitor_get_devices(monitor);
        if (devices) {
            d_->device.reset(GST_DEVICE(gst_object_ref(devices->data)));
            gchar* name = gst_device_get_display_name(d_->device.get());
            d_->deviceName = QString::fromUtf8(name);
            g_free(name);
            CapsPtr caps(gst_device_get_caps(d_->device.get()));
            d_->formats = FormatsOfCaps(caps.get());
        }
        g_list_free_full(devices, gst_object_unref);
        gst_object_unref(monitor);
    }
    const QStringList compressions = Compressions();
    d_->compression = compressions.contains(QStringLiteral("YUYV"))
                          ? QStringLiteral("YUYV")
                          : (compressions.isEmpty() ? QString() : compressions.front());
    d_->format = DefaultFormat(d_->formats, d_->compression);
    qCDebug(lcCamera) << "camera" << d_->deviceName << d_->formats.size() << "formats";
}

GstCaptureDevice::~GstCaptureDevice() {
    Disconnect();
}

QString GstCaptureDevice::Name() const {
    return d_->deviceName;
}

ConnectResult GstCaptureDevice::Connect() {
    Disconnect();
    if (d_->choice == CameraChoice::kAuto && !d_->device)
        return ConnectResult::kConnectFailed;
    if (d_->format.width <= 0 || d_->format.height <= 0)
        return ConnectResult::kInitFailed;

    ElementPtr pipeline(gst_pipeline_new("vx7-capture"));
    GstElement* source = d_->choice == CameraChoice::kTest
                             ? gst_element_factory_make("videotestsrc", "source")
                             : gst_device_create_element(d_->device.get(), "source");
    if (!pipeline || !source) {
        if (source)
            gst_object_unref(source);
        return ConnectResult::kConnectFailed;
    }
    const bool mjpg = d_->format.compression == QLatin1String("MJPG");
    const bool test = d_->choice == CameraChoice::kTest;
    GstElement* caps = gst_element_factory_make("capsfilter", nullptr);
    GstElement* encode = test && mjpg ? gst_element_factory_make("jpegenc", nullptr) : nullptr;
    GstElement* decode = mjpg ? gst_element_factory_make("jpegdec", nullptr) : nullptr;
    GstElement* balance = gst_element_factory_make("videobalance", "balance");
    GstElement* convert = gst_element_factory_make("videoconvert", nullptr);
    GstElement* sink = gst_element_factory_make("appsink", "sink");
    // After the picture controls the stream splits: one branch for the preview, one
    // that hands frames to a clip while one records (and drops them otherwise).
    GstElement* tee = gst_element_factory_make("tee", "split");
    GstElement* previewQueue = gst_element_factory_make("queue", nullptr);
    GstElement* clipQueue = gst_element_factory_make("queue", nullptr);
    GstElement* clipSink = gst_element_factory_make("appsink", "clipsink");
    std::vector<GstElement*> chain;
    chain.reserve(7);
    chain.push_back(source);
    chain.push_back(caps);
    if (test && mjpg)
        chain.push_back(encode);
    if (mjpg)
        chain.push_back(decode);
    for (GstElement* e : {balance, tee, previewQueue, convert, sink})
        chain.push_back(e);
    std::vector<GstElement*> clipBranch{clipQueue, clipSink};
    const auto missing = [](GstElement* e) { return e == nullptr; };
    if (std::any_of(chain.begin(), chain.end(), missing) ||
        std::any_of(clipBranch.begin(), clipBranch.end(), missing)) {
        for (const auto* list : {&chain, &clipBranch})
            for (GstElement* e : *list)
                if (e)
                    gst_object_unref(gst_object_ref_sink(e));
        qCWarning(lcCamera) << "a capture element is missing";
        return ConnectResult::kInitFailed;
    }
    for (const auto* list : {&chain, &clipBranch})
        for (GstElement* e : *list)
            gst_bin_add(GST_BIN(pipeline.get()), e);

    if (test) {
        // A moving pattern, live like a camera.
        g_object_set(source, "is-live", TRUE, "pattern", 0 /* smpte */, "horizontal-speed", 4, nullptr);
    }
    // The camera's side of the caps filter: for the test camera the raw picture that
    // jpegenc then compresses, so that both compressions travel the same path as a camera's.
    const QString capsText = (mjpg && !test)
                                 ? QStringLiteral("image/jpeg,width=%1,height=%2,framerate=%3/%4")
                                 : QStringLiteral("video/x-raw,format=%5,width=%1,height=%2,framerate=%3/%4");
    CapsPtr filterCaps(
        gst_caps_from_string(capsText.arg(d_->format.width)
                                 .arg(d_->format.height)
                                 .arg(d_->format.fpsNumerator)
                                 .arg(d_->format.fpsDenominator)
                                 .arg(mjpg ? QStringLiteral("I420") : RawFormatOf(d_->format.compression))
                                 .toUtf8()
                                 .constData()));
    if (!filterCaps)
        return ConnectResult::kInitFailed;
    g_object_set(caps, "caps", filterCaps.get(), nullptr);
    CapsPtr sinkCaps(gst_caps_from_string("video/x-raw,format=BGRx"));
    g_object_set(sink, "caps", sinkCaps.get(), "max-buffers", 1, "drop", TRUE, "sync", FALSE, "emit-signals",
                 FALSE, nullptr);

    // Neither branch may hold up the other: each keeps a couple of frames and drops the
    // oldest when its consumer falls behind.
    for (GstElement* q : {previewQueue, clipQueue})
        g_object_set(q, "max-size-buffers", 2u, "max-size-time", guint64(0), "max-size-bytes", 0u, "leaky",
                     2 /* downstream */, nullptr);
    g_object_set(clipSink, "max-buffers", 2, "drop", TRUE, "sync", FALSE, "emit-signals", FALSE, nullptr);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = &OnClipSample;
    gst_app_sink_set_callbacks(GST_APP_SINK(clipSink), &callbacks, d_.get(), nullptr);

    bool linked = gst_element_link(tee, clipQueue) && gst_element_link(clipQueue, clipSink);
    for (size_t i = 0; linked && i + 1 < chain.size(); ++i)
        linked = gst_element_link(chain[i], chain[i + 1]);
    if (!linked) {
        qCWarning(lcCamera) << "cannot link the capture pipeline";
        return ConnectResult::kInitFailed;
    }

    // Opening the device is the connection; delivering a picture is the initialisation.
    if (gst_element_set_state(pipeline.get(), GST_STATE_READY) == GST_STATE_CHANGE_FAILURE) {
        gst_element_set_state(pipeline.get(), GST_STATE_NULL);
        return ConnectResult::kConnectFailed;
    }
    GstStateChangeReturn r = gst_element_set_state(pipeline.get(), GST_STATE_PLAYING);
    if (r != GST_STATE_CHANGE_FAILURE)
        r = gst_element_get_state(pipeline.get(), nullptr, nullptr,
                                  GstClockTime(kStartTimeoutMs) * GST_MSECOND);
    GstSample* first = nullptr;
    if (r == GST_STATE_CHANGE_SUCCESS || r == GST_STATE_CHANGE_NO_PREROLL)
        first = gst_app_sink_try_pull_sample(GST_APP_SINK(sink), GstClockTime(kStartTimeoutMs) * GST_MSECOND);
    if (!first) {
        GstBus* bus = gst_element_get_bus(pipeline.get());
        if (GstMessage* m = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR)) {
            GError* err = nullptr;
            gst_message_parse_error(m, &err, nullptr);
            qCWarning(lcCamera) << "camera start failed:" << (err ? err->message : "");
            g_clear_error(&err);
            gst_message_unref(m);
        }
        gst_object_unref(bus);
        gst_element_set_state(pipeline.get(), GST_STATE_NULL);
        return ConnectResult::kInitFailed;
    }

    d_->pipeline = std::move(pipeline);
    d_->source = source;
    d_->balance = balance;
    d_->sink = sink;
    d_->clipSink = clipSink;
    d_->imageSize = d_->format.Size();
    if (GstCaps* negotiated = gst_sample_get_caps(first)) {
        GstVideoInfo info;
        if (gst_video_info_from_caps(&info, negotiated))
            d_->imageSize = QSize(GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info));
    }
    gst_sample_unref(first);
    for (const auto& [name, value] : d_->userControls)
        d_->ApplyControl(name, value);
    return ConnectResult::kOk;
}

void GstCaptureDevice::Disconnect() {
    // A clip never outlives its camera: it is finalised while frames still arrive.
    StopClip();
    d_->timer->stop();
    d_->preview = false;
    if (d_->pipeline) {
        gst_element_set_state(d_->pipeline.get(), GST_STATE_NULL);
        d_->pipeline.reset();
    }
    d_->source = d_->balance = d_->sink = d_->clipSink = nullptr;
    d_->frame = QImage();
}

bool GstCaptureDevice::IsConnected() const {
    return d_->pipeline != nullptr;
}

void GstCaptureDevice::SetPreview(bool on) {
    d_->preview = on && IsConnected();
    if (d_->preview)
        d_->timer->start();
    else
        d_->timer->stop();
}

bool GstCaptureDevice::PreviewOn() const {
    return d_->preview;
}

QSize GstCaptureDevice::ImageSize() const {
    return IsConnected() ? d_->imageSize : QSize();
}

QImage GstCaptureDevice::CurrentFrame() const {
    return d_->frame;
}

void GstCaptureDevice::Poll() {
    if (!d_->pipeline)
        return;
    GstBus* bus = gst_element_get_bus(d_->pipeline.get());
    QString lostReason;
    while (GstMessage* m = gst_bus_pop_filtered(bus, GstMessageType(GST_MESSAGE_ERROR | GST_MESSAGE_EOS))) {
        if (GST_MESSAGE_TYPE(m) == GST_MESSAGE_ERROR) {
            GError* err = nullptr;
            gst_message_parse_error(m, &err, nullptr);
            lostReason = QString::fromUtf8(err ? err->message : "");
            g_clear_error(&err);
        } else {
            lostReason = QStringLiteral("end of stream");
        }
        gst_message_unref(m);
    }
    gst_object_unref(bus);
    QString clipError;
    {
        std::lock_guard lock(d_->clipMutex);
        if (d_->clip)
            clipError = d_->clip->TakeError();
    }
    if (!clipError.isEmpty()) {
        // The disk is full or the file is gone: stop writing, keep what is there.
        std::unique_ptr<GstClipWriter> failed;
        {
            std::lock_guard lock(d_->clipMutex);
            failed = std::move(d_->clip);
        }
        failed->Abort();
        // What reached the disk stays playable: the lists are closed in place.
        QString repairError;
        if (CloseUnfinishedAvi(failed->Path(), &repairError) < 0)
            qCWarning(lcCamera) << "clip left unfinished:" << repairError;
        qCWarning(lcCamera) << "clip stopped:" << clipError;
        emit ClipFailed(clipError);
    }
    if (!lostReason.isEmpty()) {
        qCWarning(lcCamera) << "camera lost:" << lostReason;
        Disconnect();
        emit Lost(lostReason);
        return;
    }
    GstSample* sample = gst_app_sink_try_pull_sample(GST_APP_SINK(d_->sink), 0);
    if (!sample)
        return;
    GstVideoInfo info;
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    GstMapInfo map;
    if (buffer && gst_video_info_from_caps(&info, gst_sample_get_caps(sample)) &&
        gst_buffer_map(buffer, &map, GST_MAP_READ)) {
        const int w = GST_VIDEO_INFO_WIDTH(&info), h = GST_VIDEO_INFO_HEIGHT(&info);
        const int stride = GST_VIDEO_INFO_PLANE_STRIDE(&info, 0);
        if (w > 0 && h > 0 && stride >= w * 4 && map.size >= gsize(stride) * gsize(h)) {
            QImage image = QImage(map.data, w, h, stride, QImage::Format_RGB32).copy();
            if (d_->choice == CameraChoice::kTest) {
                // The test camera's clock, so that a still picture shows when it was taken.
                QPainter p(&image);
                QFont f = p.font();
                f.setPixelSize(std::max(12, h / 14));
                f.setBold(true);
                p.setFont(f);
                const QString text = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"));
                const QRect box(8, h - f.pixelSize() * 2, f.pixelSize() * 9, f.pixelSize() * 2 - 6);
                p.fillRect(box, QColor(0, 0, 0, 160));
                p.setPen(Qt::white);
                p.drawText(box, Qt::AlignCenter, text);
            }
            d_->frame = std::move(image);
            d_->imageSize = QSize(w, h);
            ++d_->frameCount;
        }
        gst_buffer_unmap(buffer, &map);
    }
    gst_sample_unref(sample);
    emit FrameReady();
}

std::vector<CaptureFormat> GstCaptureDevice::Formats() const {
    return d_->formats;
}

CaptureFormat GstCaptureDevice::CurrentFormat() const {
    return d_->format;
}

bool GstCaptureDevice::SetFormat(const CaptureFormat& format) {
    if (std::find(d_->formats.begin(), d_->formats.end(), format) == d_->formats.end())
        return false;
    d_->format = format;
    d_->compression = format.compression;
    // The new size is the camera's size from now on; the stream follows at the next connection.
    if (IsConnected())
        d_->imageSize = format.Size();
    return true;
}

std::vector<CaptureControl> GstCaptureDevice::Controls() const {
    std::vector<CaptureControl> out;
    GstColorBalance* balance = d_->BalanceInUse();
    if (!balance)
        return out;
    for (const GList* l = gst_color_balance_list_channels(balance); l; l = l->next) {
        GstColorBalanceChannel* ch = GST_COLOR_BALANCE_CHANNEL(l->data);
        const QString name = QString::fromUtf8(ch->label);
        out.push_back({name, name, ch->min_value, ch->max_value, gst_color_balance_get_value(balance, ch)});
    }
    return out;
}

bool GstCaptureDevice::SetControl(const QString& name, int value) {
    if (!d_->ApplyControl(name, value))
        return false;
    auto known = std::find_if(d_->userControls.begin(), d_->userControls.end(),
                              [&](const auto& c) { return c.first == name; });
    if (known != d_->userControls.end())
        known->second = value;
    else
        d_->userControls.emplace_back(name, value);
    return true;
}

bool GstCaptureDevice::HasCamera() const {
    return d_->choice == CameraChoice::kTest || d_->device;
}

bool GstCaptureDevice::SwitchToTestCamera() {
    Disconnect();
    d_->choice = CameraChoice::kTest;
    d_->device.reset();
    d_->deviceName = QStringLiteral("内置测试摄像头");
    d_->formats = TestCameraFormats();
    d_->compression = QStringLiteral("YUYV");
    d_->format = DefaultFormat(d_->formats, d_->compression);
    d_->userControls.clear();
    return true;
}

QStringList GstCaptureDevice::Compressions() const {
    QStringList out;
    for (const CaptureFormat& f : d_->formats)
        if (!out.contains(f.compression))
            out.append(f.compression);
    return out;
}

QString GstCaptureDevice::Compression() const {
    return d_->compression;
}

bool GstCaptureDevice::SetCompression(const QString& compression) {
    if (!Compressions().contains(compression))
        return false;
    if (compression == d_->compression)
        return true;
    // Keep the size and rate when the new compression offers them.
    CaptureFormat wanted = d_->format;
    wanted.compression = compression;
    if (std::find(d_->formats.begin(), d_->formats.end(), wanted) == d_->formats.end()) {
        std::optional<CaptureFormat> sameSize;
        for (const CaptureFormat& f : d_->formats)
            if (f.compression == compression && f.Size() == d_->format.Size() && !sameSize)
                sameSize = f;
        wanted = sameSize.value_or(DefaultFormat(d_->formats, compression));
    }
    d_->compression = compression;
    d_->format = wanted;
    return true;
}

bool GstCaptureDevice::StartClip(const ClipRequest& request, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!IsConnected() || !d_->clipSink)
        return fail(QStringLiteral("摄像头未连接"));
    if (ClipRunning())
        return fail(QStringLiteral("正在录像"));
    GstPad* pad = gst_element_get_static_pad(d_->clipSink, "sink");
    CapsPtr caps(pad ? gst_pad_get_current_caps(pad) : nullptr);
    if (pad)
        gst_object_unref(pad);
    auto clip = GstClipWriter::Start(request.path, caps.get(), request.sound, error);
    if (!clip)
        return false;
    d_->clipHasSound = clip->HasSound();
    std::lock_guard lock(d_->clipMutex);
    d_->clip = std::move(clip);
    return true;
}

void GstCaptureDevice::StopClip() {
    std::unique_ptr<GstClipWriter> clip;
    {
        std::lock_guard lock(d_->clipMutex);
        clip = std::move(d_->clip);
    }
    if (clip)
        clip->Finish();
}

bool GstCaptureDevice::ClipRunning() const {
    std::lock_guard lock(d_->clipMutex);
    return d_->clip != nullptr;
}

bool GstCaptureDevice::ClipHasSound() const {
    return d_->clipHasSound;
}

qint64 GstCaptureDevice::ClipBytes() const {
    std::lock_guard lock(d_->clipMutex);
    return d_->clip ? d_->clip->BytesWritten() : 0;
}

namespace {

// Runs on the capture pipeline's streaming thread for every frame of the clip branch.
GstFlowReturn OnClipSample(GstAppSink* sink, gpointer data) {
    auto* d = static_cast<GstCaptureDevice::Impl*>(data);
    GstSample* sample = gst_app_sink_pull_sample(sink);
    if (!sample)
        return GST_FLOW_OK;
    {
        std::lock_guard lock(d->clipMutex);
        if (d->clip)
            d->clip->Push(sample);
    }
    gst_sample_unref(sample);
    return GST_FLOW_OK;
}

} // namespace

} // namespace vx7::camera
