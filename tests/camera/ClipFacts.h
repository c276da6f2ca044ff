#pragma once

#include "camera/capture/CaptureDevice.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSize>
#include <QString>
#include <QUrl>

#include <gst/pbutils/pbutils.h>

#include <algorithm>

namespace vx7::test {

// What GStreamer's discoverer finds in a file.
struct ClipFacts {
    bool readable = false;
    QString videoCaps; // media type of the first video stream
    QSize size;
    double seconds = 0;
    int audioStreams = 0;
};

inline ClipFacts Discover(const QString& path) {
    ClipFacts facts;
    GError* err = nullptr;
    GstDiscoverer* discoverer = gst_discoverer_new(10 * GST_SECOND, &err);
    if (!discoverer) {
        g_clear_error(&err);
        return facts;
    }
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded();
    GstDiscovererInfo* info = gst_discoverer_discover_uri(discoverer, uri.constData(), &err);
    g_clear_error(&err);
    if (info && gst_discoverer_info_get_result(info) == GST_DISCOVERER_OK) {
        facts.readable = true;
        facts.seconds = double(gst_discoverer_info_get_duration(info)) / GST_SECOND;
        GList* videos = gst_discoverer_info_get_video_streams(info);
        if (videos) {
            auto* v = GST_DISCOVERER_VIDEO_INFO(videos->data);
            facts.size = QSize(int(gst_discoverer_video_info_get_width(v)),
                               int(gst_discoverer_video_info_get_height(v)));
            GstCaps* caps = gst_discoverer_stream_info_get_caps(GST_DISCOVERER_STREAM_INFO(v));
            if (caps) {
                facts.videoCaps = QString::fromUtf8(gst_structure_get_name(gst_caps_get_structure(caps, 0)));
                gst_caps_unref(caps);
            }
        }
        gst_discoverer_stream_info_list_free(videos);
        GList* audios = gst_discoverer_info_get_audio_streams(info);
        facts.audioStreams = int(g_list_length(audios));
        gst_discoverer_stream_info_list_free(audios);
    }
    if (info)
        gst_discoverer_info_unref(info);
    g_object_unref(discoverer);
    return facts;
}

// Lets the camera run for ms milliseconds, waiting on its frames; the frames seen.
inline int RunFor(camera::CaptureDevice& device, int ms) {
    QSignalSpy frames(&device, &camera::CaptureDevice::FrameReady);
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        frames.wait(int(std::max<qint64>(1, ms - clock.elapsed())));
    return int(frames.count());
}

} // namespace vx7::test
