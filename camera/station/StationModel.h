#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace vx7::platform {
class Clock;
class Prompt;
} // namespace vx7::platform

namespace vx7::core {
class EncoderRegistry;
class SysInfo;
} // namespace vx7::core

namespace vx7::camera {

class CameraLink;

// The camera station's values and its one-second state machine, without any widget.
// The window forwards its timer ticks and commands here and shows the state it reads
// back (label 1021, the countdown, which controls are enabled, the GIF button, the
// burst lists and the last photo).
class StationModel {
  public:
    // Values of StationMode.
    enum Mode : int { kIdle = 0, kSelfTimer = 101, kBurst = 102, kSplashWait = 6606 };

    // What a tick did, so the window knows what to redraw or hide.
    enum class TickResult {
        kNothing,
        kCountdown,      // label 1021 and the countdown area changed
        kSelfTimerShot,  // the self-timer photo was taken
        kBurstShot,      // a burst shot was taken, more follow
        kBurstEnded,     // the last burst shot was taken and the burst converted
        kSplashClosing,  // the splash was told to close
        kSplashWaitOver, // back to idle after the splash
    };

    static constexpr int kMaxBurstShots = 36;
    static constexpr int kPhotoQuality = 100;
    static QString NoCount() { return QStringLiteral("---"); }

    static const QStringList& FormatEntries();    // list 1002
    static const QStringList& SelfTimerEntries(); // list 1009
    static const QStringList& BurstEntries();     // list 1019
    static const QStringList& IntervalEntries();  // list 1011

    StationModel(core::SysInfo& sys, const platform::Clock& clock, platform::Prompt& prompt,
                 CameraLink& camera, const core::EncoderRegistry& encoders, std::atomic<int>& splashState);

    // The window values.
    QString Format() const { return format_; }
    void SetFormat(const QString& format) { format_ = format; }
    QString PhotoName() const { return photoName_; }
    void SetPhotoName(const QString& name) { photoName_ = name; }
    QString SelfTimerSeconds() const { return selfTimer_; }
    void SetSelfTimerSeconds(const QString& s) { selfTimer_ = s; }
    QString BurstCount() const { return burstCount_; }
    void SetBurstCount(const QString& s) { burstCount_ = s; }
    QString IntervalText() const { return interval_; }
    int ColourMode() const { return colourMode_; }
    int PageValue() const { return pageValue_; }
    void SetPageValue(int v) { pageValue_ = v; }

    // A text shorter than 6 bytes is an interval, taken as it stands; the two mode
    // texts choose colour mode 0 or 1; anything else (the separator) changes nothing.
    // Returns true when something changed.
    bool SelectIntervalOrMode(const QString& text);

    int Mode() const { return mode_; }
    void SetMode(int mode) { mode_ = mode; }

    // Commands.
    void StartSelfTimer();
    void StartBurst();
    // True when a click on the burst box may start a burst: count above 1, no shot running.
    bool BurstBoxActive() const;
    // The "拍照" button: grab, then convert when the format is not BMP. False when no
    // photo was written (the reason was shown).
    bool TakeSinglePhoto();
    TickResult Tick();

    // Reconnects unless the camera is switched off: splash state 100, a new splash,
    // mode 0, connect, then mode 6606 so that the timer closes the splash.
    void ReconnectCamera(const std::function<void()>& startSplash);

    // What the window shows.
    QString CountdownLabelText() const { return countdownLabel_; }
    QString CountdownText() const { return countdown_; } // empty: area cleared
    bool ControlsEnabled() const { return controlsEnabled_; }
    void SetControlsEnabled(bool on) { controlsEnabled_ = on; }
    bool GifButtonVisible() const { return gifButtonVisible_; }
    QString LastPhotoPath() const { return lastPhotoPath_; }
    // The photo file written last (its final name, which may differ from the name
    // field when that name was taken already); empty before the first.
    QString LastWrittenPath() const { return lastWrittenPath_; }
    void SetLastWrittenPath(const QString& path) { lastWrittenPath_ = path; }
    void SetLastPhotoPath(const QString& path) { lastPhotoPath_ = path; }
    int ShotsTaken() const { return shotsTaken_; }
    int ShotsWanted() const { return shotsWanted_; }
    const QStringList& BurstGrabPaths() const { return burstGrab_; }
    const QStringList& BurstFinalPaths() const { return burstFinal_; }

    // The file made last, passed to the animation window.
    QString LastMadeName() const { return lastMadeName_; }
    int LastMadeKind() const { return lastMadeKind_; }
    void SetLastMadeFile(const QString& name, int kind) {
        lastMadeName_ = name;
        lastMadeKind_ = kind;
    }

    // Stores and saves a new photo folder chosen by the user and clears the last made file.
    bool ChangePhotoFolder(const QString& folder);

  private:
    bool Shoot(int index, QString* grabPath, QString* finalPath, bool* isBmp);
    void TakeSelfTimerShot();
    TickResult TakeBurstShot();
    void EndBurst();
    void Report(const QString& text);

    core::SysInfo& sys_;
    const platform::Clock& clock_;
    platform::Prompt& prompt_;
    CameraLink& camera_;
    const core::EncoderRegistry& encoders_;
    std::atomic<int>& splashState_;

    QString format_ = QStringLiteral("BMP");
    QString photoName_ = QStringLiteral("我的照片1");
    QString selfTimer_ = QStringLiteral("8");
    QString burstCount_ = QStringLiteral("6");
    QString interval_ = QStringLiteral("1.5");
    int colourMode_ = 0;
    int pageValue_ = 0;

    int mode_ = kIdle;
    int countdownLength_ = 0;
    int shotsWanted_ = 0;
    int shotIndex_ = 0;
    int shotsTaken_ = 0;
    int referenceTime_ = 0;
    QString lastPhotoPath_;
    QString lastWrittenPath_;
    QStringList burstGrab_, burstFinal_;
    QString lastMadeName_;
    int lastMadeKind_ = 0;

    QString countdownLabel_ = NoCount();
    QString countdown_;
    bool controlsEnabled_ = true;
    bool gifButtonVisible_ = false;
    bool burstFailed_ = false; // one message per burst
};

} // namespace vx7::camera
