#include "AnimatedPictureModel.h"

#include "animation/AnimationLog.h"
#include "animation/gif/GifComposer.h"
#include "animation/gif/GifFrameSplitter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>

namespace vx7::animation {
namespace {

// Files beyond this are not read into memory: no picture the program makes or shows
// comes near it, and a damaged size must not exhaust the machine.
constexpr qint64 kMaxFileBytes = 256LL * 1024 * 1024;

} // namespace

// The frames and the off-screen image, shared by the owner and one drawing thread.
struct AnimatedPictureModel::Shared {
    // Guards the composer and the still off-screen image.
    mutable std::mutex imageLock;
    std::optional<GifComposer> composer;
    QImage offscreen; // the still picture's off-screen image

    std::atomic<bool> playing{false};
    std::atomic<int> current{0};

    void Run(core::WorkControl& control, const RepaintRequest& repaint, const WaitObserver& observer);
};

void AnimatedPictureModel::Shared::Run(core::WorkControl& control, const RepaintRequest& repaint,
                                       const WaitObserver& observer) {
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
        // The notification only posts a repaint to the owner's thread; Stop() joins
        // this thread, so it never runs once Stop() has returned.
        if (repaint)
            repaint();
        if (control.StopRequested())
            break;
        if (observer)
            observer(index, wait);
        if (control.WaitForStop(std::chrono::milliseconds(wait)))
            break;
        std::lock_guard imageGuard(imageLock);
        composer->DisposeAndAdvance();
    }
    playing = false;
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
    if (worker_.Running())
        return true; // already playing
    shared_->playing = true;
    worker_.Start([shared = shared_, repaint = repaint_, observer = waitObserver_](
                      core::WorkControl& control) { shared->Run(control, repaint, observer); });
    return true;
}

void AnimatedPictureModel::Stop() {
    lastStopMs_ = 0;
    if (!shared_)
        return;
    shared_->playing = false;
    // The thread wakes from its wait for the next frame at once, so this is quick; it
    // is joined however long it takes, as it draws into the shared image.
    QElapsedTimer waited;
    waited.start();
    worker_.StopAndJoin();
    lastStopMs_ = static_cast<int>(waited.elapsed());
    if (lastStopMs_ > kStopWaitMilliseconds)
        qCWarning(lcAnimation) << "drawing thread took" << lastStopMs_ << "ms to end";
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
