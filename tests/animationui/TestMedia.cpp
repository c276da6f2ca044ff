#include "TestMedia.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gif_lib.h>
#include <gst/gst.h>

#include <mutex>

namespace vx7::test {
namespace {

int WriteToArray(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

bool RunPipeline(const QString& description, QString* error) {
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
    GError* parseError = nullptr;
    GstElement* pipeline = gst_parse_launch(description.toUtf8().constData(), &parseError);
    if (!pipeline) {
        if (error)
            *error = parseError ? QString::fromUtf8(parseError->message) : QStringLiteral("parse failed");
        if (parseError)
            g_error_free(parseError);
        return false;
    }
    if (parseError)
        g_error_free(parseError);
    gst_element_set_state(pipeline, GST_STATE_PLAYING);
    GstBus* bus = gst_element_get_bus(pipeline);
    GstMessage* msg = gst_bus_timed_pop_filtered(
        bus, 60 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
    bool ok = msg && GST_MESSAGE_TYPE(msg) == GST_MESSAGE_EOS;
    if (!ok && error)
        *error = msg ? QStringLiteral("pipeline error") : QStringLiteral("pipeline timed out");
    if (msg)
        gst_message_unref(msg);
    gst_object_unref(bus);
    gst_element_set_state(pipeline, GST_STATE_NULL);
    gst_object_unref(pipeline);
    return ok;
}

} // namespace

QByteArray SolidFramesGif(int width, int height, const std::vector<QColor>& palette,
                          const std::vector<SolidFrame>& frames, int backgroundIndex) {
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteToArray, &error);
    if (!gif)
        return QByteArray();
    EGifSetGifVersion(gif, true);
    int size = 2;
    while (size < static_cast<int>(palette.size()))
        size *= 2;
    std::vector<GifColorType> colours(static_cast<size_t>(size), GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.size(); ++i)
        colours[i] = GifColorType{static_cast<GifByteType>(palette[i].red()),
                                  static_cast<GifByteType>(palette[i].green()),
                                  static_cast<GifByteType>(palette[i].blue())};
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    EGifPutScreenDesc(gif, width, height, 8, backgroundIndex, map);
    GifFreeMapObject(map);
    for (const SolidFrame& f : frames) {
        if (f.delay >= 0) {
            GraphicsControlBlock gcb{};
            gcb.DisposalMode = f.disposal;
            gcb.DelayTime = f.delay;
            gcb.TransparentColor = NO_TRANSPARENT_COLOR;
            GifByteType ext[4];
            const size_t n = EGifGCBToExtension(&gcb, ext);
            EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(n), ext);
        }
        EGifPutImageDesc(gif, f.rect.x(), f.rect.y(), f.rect.width(), f.rect.height(), false, nullptr);
        std::vector<GifPixelType> line(static_cast<size_t>(f.rect.width()),
                                       static_cast<GifPixelType>(f.colourIndex));
        for (int y = 0; y < f.rect.height(); ++y)
            EGifPutLine(gif, line.data(), f.rect.width());
    }
    EGifCloseFile(gif, &error);
    return out;
}

bool MakeTestAvi(const QString& path, int width, int height, int frames, int fps, QString* error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString description =
        QStringLiteral("videotestsrc num-buffers=%1 ! video/x-raw,width=%2,height=%3,framerate=%4/1 "
                       "! jpegenc ! avimux ! filesink location=\"%5\"")
            .arg(frames)
            .arg(width)
            .arg(height)
            .arg(fps)
            .arg(path);
    return RunPipeline(description, error);
}

bool MakeTestWav(const QString& path, int milliseconds, QString* error) {
    const int buffers = std::max(1, milliseconds / 10);
    const QString description =
        QStringLiteral("audiotestsrc num-buffers=%1 samplesperbuffer=441 ! "
                       "audio/x-raw,rate=44100,channels=1 ! wavenc ! filesink location=\"%2\"")
            .arg(buffers)
            .arg(path);
    return RunPipeline(description, error);
}

QString WritePicture(const QString& path, int width, int height, QColor colour) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path);
    return path;
}

} // namespace vx7::test
