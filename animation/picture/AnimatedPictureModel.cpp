#include "AnimatedPictureModel.h"

#include "animation/AnimationLog.h"
#include "animation/gif/GifComposer.h"
#include "animation/gif/GifFrameSplitter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace vx7::animation {
namespace {

// Files beyond this are not read into memory: no picture the program makes or shows
// comes near it, and a damaged size must not exhaust the machine.
constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;

} // namespace

// State shared between the owner and one drawing thread. A thread keeps its Shared
// alive on its own, so even a thread that outlives Stop()'s wait never touches freed
// memory or the control.
struct AnimatedPictureModel::Shared {
    // Guards the composer and the still off-screen image.
    mutable std::mutex imageLock;
    std::optional<GifComposer> composer;
    QImage offscreen; // the still picture's off-screen image

    // The exit event (manual reset) and what it guards.
    std::mutex eventLock;
    std::condition_variable event;
    bool signalled = false;
    bool exitRequested = false;
    bool finished = true;
    std::condition_variable finishedChanged;
    RepaintRequest repaint;
    WaitObserver observer;

    std::atomic<bool> playing{false};
    std::atomic<int> current{0};

    void Run();
};

void AnimatedPictureModel::Shared::Run() {
    for (;;) {
        int wait = 0;
        int index = 0;
        {
            std::lock_guard lock(imageLock);
            composer->ShowCurrent();
            index = composer->CurrentFrame();
            wait = composer->CurrentWaitMilliseconds();
        }
        current = index;
        std::unique_lock lock(eventLock);
        // The notification only posts a repaint to the owner's thread; calling it under
        // the event lock means Stop() can never return while it runs.
        if (repaint)
            repaint();
        if (exitRequested)
            break;
        if (observer)
            observer(index, wait);
        event.wait_for(lock, std::chrono::milliseconds(wait), [this] { return signalled; });
        if (exitRequested)
            break;
        lock.unlock();
        std::lock_guard imageGuard(imageLock);
        composer->DisposeAndAdvance();
    }
    playing = false;
    std::lock_guard lock(eventLock);
    finished = true;
    finishedChanged.notify_all();
}

AnimatedPictureModel::AnimatedPictureModel() = default;

AnimatedPictureModel::~AnimatedPictureModel() {
    Stop();
}

bool AnimatedPictureModel::IsAnimated() const {
    return shared_ && shared_->composer.has_value();
}

bool AnimatedPictureModel::IsPlaying() const {
    return shared_ && shared_->playing;
}

int AnimatedPictureModel::FrameCount() const {
    return IsAnimated() ? shared_->composer->FrameCount() : (ready_ ? 1 : 0);
}

int AnimatedPictureModel::CurrentFrame() const {
    return shared_ ? shared_->current.load() : 0;
}

bool AnimatedPictureModel::LoadFile(const QString& path, QColor buttonFace, QString* error) {
    Stop();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        Release();
        return false;
    }
    if (file.size() > kMaxFileBytes) {
        if (error)
            *error = QStringLiteral("file too large");
        Release();
        return false;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        Release();
        return false;
    }
    const bool ok = Load(data, buttonFace);
    if (!ok && error)
        *error = QStringLiteral("not a picture");
    return ok;
}

bool AnimatedPictureModel::Load(const QByteArray& data, QColor buttonFace) {
    Stop();
    Release();
    std::optional<GifFrameSet> set = GifFrameSplitter::Load(data);
    if (!set)
        return false;
    auto shared = std::make_shared<Shared>();
    QSize screen = set->screen;
    if (set->IsAnimated()) {
        if (screen.isEmpty())
            return false;
        // The GIF's own background colour gives way to the button face, as the
        // off-screen image is made: frames are disposed to the colour around them.
        shared->composer.emplace(screen, buttonFace, std::move(set->frames));
    } else {
        if (set->still.isNull())
            return false;
        if (screen.isEmpty())
            screen = set->still.size();
        shared->offscreen = QImage(screen, QImage::Format_RGB32);
        shared->offscreen.fill(buttonFace);
        // Keep the decoded picture until Draw() renders it.
        shared->composer.reset();
        stillPicture_ = set->still;
    }
    screen_ = screen;
    shared_ = std::move(shared);
    ready_ = true;
    return true;
}

bool AnimatedPictureModel::Draw() {
    if (!ready_ || !shared_)
        return false;
    if (!shared_->composer) {
        std::lock_guard lock(shared_->imageLock);
        QPainter painter(&shared_->offscreen);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), screen_), stillPicture_);
        return true;
    }
    if (thread_.joinable())
        return true; // already playing
    {
        std::lock_guard lock(shared_->eventLock);
        shared_->signalled = false;
        shared_->exitRequested = false;
        shared_->finished = false;
        shared_->repaint = repaint_;
        shared_->observer = waitObserver_;
    }
    shared_->playing = true;
    thread_ = std::thread([shared = shared_] { shared->Run(); });
    return true;
}

void AnimatedPictureModel::Stop() {
    lastStopMs_ = 0;
    if (!shared_)
        return;
    std::unique_lock lock(shared_->eventLock);
    shared_->playing = false;
    shared_->exitRequested = true;
    shared_->signalled = true;
    shared_->repaint = nullptr;
    shared_->observer = nullptr;
    shared_->event.notify_all();
    if (thread_.joinable()) {
        QElapsedTimer waited;
        waited.start();
        const bool ended = shared_->finishedChanged.wait_for(
            lock, std::chrono::milliseconds(kStopWaitMilliseconds), [this] { return shared_->finished; });
        lastStopMs_ = static_cast<int>(waited.elapsed());
        lock.unlock();
        if (ended) {
            thread_.join();
        } else {
            // The thread holds its own reference to the shared state and can reach
            // nothing else; it ends at its next check of the exit request.
            qCWarning(lcAnimation) << "drawing thread did not end within" << kStopWaitMilliseconds << "ms";
            thread_.detach();
            shared_.reset();
            ready_ = false;
            return;
        }
        lock.lock();
    }
    // Manual reset: the next Draw() starts with the event cleared.
    shared_->signalled = false;
    shared_->exitRequested = false;
}

void AnimatedPictureModel::Paint(const std::function<void(const QImage&)>& paint) const {
    if (!shared_ || !ready_)
        return;
    std::lock_guard lock(shared_->imageLock);
    paint(shared_->composer ? shared_->composer->Canvas() : shared_->offscreen);
}

QImage AnimatedPictureModel::Snapshot() const {
    QImage copy;
    Paint([&copy](const QImage& image) { copy = image.copy(); });
    return copy;
}

void AnimatedPictureModel::Release() {
    shared_.reset();
    stillPicture_ = QImage();
    screen_ = QSize();
    ready_ = false;
}

} // namespace vx7::animation
