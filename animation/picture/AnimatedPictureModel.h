#pragma once

#include "core/BackgroundWorker.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

namespace vx7::animation {

// What an animated picture control shows, without the control: a picture file loaded
// as the frames of an animated GIF or as one still picture, the off-screen image of
// the logical screen's size, and the drawing thread that plays the frames in a loop.
//
// Threading: the drawing thread composes frames into the off-screen image and then
// calls the repaint notification; it never touches a widget. The owner's thread reads
// the off-screen image through Paint() under the same lock. Stop() requests the exit,
// which cuts the thread's wait for the next frame short, and joins the thread; a stop
// that takes longer than kStopWaitMilliseconds is logged.
class AnimatedPictureModel {
  public:
    static constexpr int kStopWaitMilliseconds = 5000;

    // Called from the drawing thread after each frame was drawn.
    using RepaintRequest = std::function<void()>;
    // Called from the drawing thread before each wait: frame index and milliseconds.
    using WaitObserver = std::function<void(int, int)>;

    AnimatedPictureModel();
    ~AnimatedPictureModel();
    AnimatedPictureModel(const AnimatedPictureModel&) = delete;
    AnimatedPictureModel& operator=(const AnimatedPictureModel&) = delete;

    // Reads the whole file and loads it. False (nothing shown) when the file cannot be
    // read or holds nothing decodable.
    bool LoadFile(const QString& path, QColor buttonFace, QString* error = nullptr);
    // Stops any running animation, then prepares data for display. The off-screen
    // image is filled with buttonFace, which is also the colour frames are disposed to.
    bool Load(const QByteArray& data, QColor buttonFace);

    // Starts the drawing thread for an animation, or draws the still picture at the
    // screen size. False when nothing is loaded.
    bool Draw();

    // Ends the drawing thread: the exit is requested and the thread joined. No repaint
    // request or wait observer is called once this returns.
    void Stop();

    bool IsReady() const { return ready_; }
    bool IsAnimated() const;
    bool IsPlaying() const;
    QSize ScreenSize() const { return screen_; }
    int FrameCount() const;
    // Index of the frame the thread shows or waits on.
    int CurrentFrame() const;

    // Runs paint with the off-screen image, under the lock the drawing thread draws
    // under. paint must not call back into the model.
    void Paint(const std::function<void(const QImage&)>& paint) const;
    QImage Snapshot() const;

    // Both are taken by the next Draw().
    void SetRepaintRequest(RepaintRequest request) { repaint_ = std::move(request); }
    void SetWaitObserver(WaitObserver observer) { waitObserver_ = std::move(observer); }

    // Milliseconds the last Stop() waited for the thread (for diagnostics and tests).
    int LastStopMilliseconds() const { return lastStopMs_; }

  private:
    struct Shared;
    void Release();

    std::shared_ptr<Shared> shared_;
    QSize screen_;
    QImage stillPicture_; // the decoded still picture, drawn by Draw()
    bool ready_ = false;
    int lastStopMs_ = 0;
    RepaintRequest repaint_;
    WaitObserver waitObserver_;
    // Last member: destroyed (and so joined) before everything the thread uses.
    core::BackgroundWorker worker_;
};

} // namespace vx7::animation
