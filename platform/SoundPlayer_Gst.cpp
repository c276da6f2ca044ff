#include "SoundPlayer.h"

#include "GstSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

#include <gst/gst.h>

#include <mutex>

#include <unistd.h>

Q_LOGGING_CATEGORY(lcSound, "vx7.platform.sound")

namespace vx7::platform {
namespace {

struct Playback {
    GstElement* pipeline = nullptr;
    guint watch = 0;
};

class GstSoundPlayer final : public SoundPlayer {
  public:
    GstSoundPlayer() { EnsureGst(); }
    ~GstSoundPlayer() override {
        for (Playback* p : std::as_const(active_))
            Release(p);
        active_.clear();
        for (const QString& file : std::as_const(temporary_))
            QFile::remove(file);
    }

    void Play(const QString& path) override {
        const QString file = LocalFileFor(path);
        if (file.isEmpty() || !QFileInfo(file).isFile())
            return;
        GstElement* bin = gst_element_factory_make("playbin", nullptr);
        if (!bin)
            return;
        const QByteArray uri = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toEncoded();
        g_object_set(bin, "uri", uri.constData(), nullptr);
        GstElement* sink = gst_element_factory_make(AudioSinkName(), nullptr);
        if (sink) {
            if (!AudioOutputAvailable())
                g_object_set(sink, "sync", TRUE, nullptr);
            g_object_set(bin, "audio-sink", sink, nullptr);
        }
        // No video output is ever wanted for sounds.
        if (GstElement* vsink = gst_element_factory_make("fakesink", nullptr))
            g_object_set(bin, "video-sink", vsink, nullptr);

        auto* p = new Playback{bin, 0};
        GstBus* bus = gst_element_get_bus(bin);
        p->watch = gst_bus_add_watch(bus, &GstSoundPlayer::OnBus, new Context{this, p});
        gst_object_unref(bus);
        active_.insert(p);
        if (gst_element_set_state(bin, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
            qCDebug(lcSound) << "cannot play" << file;
            Finish(p);
        }
    }

    int ActiveCount() const override { return static_cast<int>(active_.size()); }

  private:
    struct Context {
        GstSoundPlayer* self;
        Playback* playback;
    };

    static gboolean OnBus(GstBus*, GstMessage* msg, gpointer data) {
        auto* ctx = static_cast<Context*>(data);
        switch (GST_MESSAGE_TYPE(msg)) {
        case GST_MESSAGE_EOS:
        case GST_MESSAGE_ERROR:
            ctx->self->Finish(ctx->playback);
            delete ctx;
            return G_SOURCE_REMOVE;
        default:
            return G_SOURCE_CONTINUE;
        }
    }

    void Finish(Playback* p) {
        if (!active_.remove(p))
            return;
        p->watch = 0; // removed by returning G_SOURCE_REMOVE or never dispatched again
        Release(p);
    }

    static void Release(Playback* p) {
        if (p->watch)
            g_source_remove(p->watch);
        gst_element_set_state(p->pipeline, GST_STATE_NULL);
        gst_object_unref(p->pipeline);
        delete p;
    }

    // playbin cannot read Qt resources: a bundled sound is played from a copy in the
    // user's cache folder, written once and reused by every later run, so nothing is
    // left behind in the temporary folder. Where the cache cannot be written, a
    // temporary copy is made and removed again with the player.
    QString LocalFileFor(const QString& path) {
        if (!path.startsWith(QLatin1String(":/")))
            return path;
        if (const auto it = extracted_.constFind(path); it != extracted_.constEnd())
            return *it;
        QFile res(path);
        if (!res.open(QIODevice::ReadOnly))
            return QString();
        const QByteArray bytes = res.readAll();
        QString name = path.mid(2);
        name.replace(QLatin1Char('/'), QLatin1Char('_'));

        const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (!cache.isEmpty()) {
            const QString target = cache + QStringLiteral("/vx7ECamera/sounds/") + name;
            if (SameContents(target, bytes) ||
                (QDir().mkpath(QFileInfo(target).path()) && WriteWhole(target, bytes))) {
                extracted_.insert(path, target);
                return target;
            }
        }
        const QString target =
            QDir::temp().filePath(QStringLiteral("vx7-%1-%2").arg(static_cast<qint64>(::getpid())).arg(name));
        if (!WriteWhole(target, bytes))
            return QString();
        extracted_.insert(path, target);
        temporary_.append(target);
        return target;
    }

    static bool SameContents(const QString& file, const QByteArray& bytes) {
        QFile f(file);
        return f.size() == bytes.size() && f.open(QIODevice::ReadOnly) && f.readAll() == bytes;
    }

    static bool WriteWhole(const QString& file, const QByteArray& bytes) {
        QSaveFile out(file);
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
    }

    QSet<Playback*> active_;
    QHash<QString, QString> extracted_;
    QStringList temporary_;
};

} // namespace

std::unique_ptr<SoundPlayer> MakeSoundPlayer() {
    return std::make_unique<GstSoundPlayer>();
}

} // namespace vx7::platform
