#pragma once

#include "StationHooks.h"
#include "camera/capture/ClipRecorder.h"
#include "camera/station/ClickAreas.h"
#include "camera/station/ClipButton.h"
#include "camera/station/DrawnButtonTable.h"

#include <QCursor>
#include <QDateTime>
#include <QDialog>
#include <QHash>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>

class QComboBox;
class QLineEdit;
class QRadioButton;
class QPushButton;

namespace vx7::platform {
class Clock;
class HotKey;
class Prompt;
class ScreenGrabber;
class SoundPlayer;
} // namespace vx7::platform

namespace vx7::controls {
class BitmapButton;
class CaptionLabel;
} // namespace vx7::controls

namespace vx7::core {
class EncoderRegistry;
class SysInfo;
} // namespace vx7::core

namespace vx7::camera {

class CameraLink;
class CaptureDevice;
class PreviewFrame;
class SplashWindow;
class StationModel;

// What the station needs from the rest of the program; built once in main(). The
// pointers may be null: no camera (every connection fails with its message), the
// built-in encoders, no screen and no hot key.
struct StationContext {
    core::SysInfo& sys;
    const platform::Clock& clock;
    platform::Prompt& prompt;
    platform::SoundPlayer& sound;
    std::atomic<int>& splashState;
    CaptureDevice* camera = nullptr;
    const core::EncoderRegistry* encoders = nullptr;
    platform::ScreenGrabber* screen = nullptr;
    platform::HotKey* hotKey = nullptr;
    StationHooks hooks = {};
    // Clips: where their sound comes from, and the free space of the photo folder's
    // volume (the real one unless replaced).
    ClipSound clipSound = ClipSound::kMicrophone;
    ClipRecorder::FreeSpace clipFreeSpace = {};
};

// The main window: the live camera picture, single, self-timed and burst photos, the
// last-photo thumbnail and the burst strip, the drawn picture buttons, and the doors
// to the other windows. The decisions live in StationModel and the geometry classes;
// this class lays out the controls, paints, and forwards input and timer ticks.
// Construction starts the splash and the start-up sound; the dialog initialisation
// reads the folders and settings, connects the camera, titles the window and tells
// the splash to close. The close box purges the work folder; Esc closes without.
class CameraStationWindow : public QDialog, public BurstGifStation {
    Q_OBJECT
  public:
    enum ControlId : int {
        IDD = 102,
        kPreview = 1000,
        kCameraButton = 1001,
        kFormatList = 1002,
        kNameEdit = 1003,
        kShootButton = 1004,
        kCaptionFormat = 1005,
        kCaptionName = 1006,
        kFolderButton = 1007,
        kCaptionSelfTimer = 1008,
        kSelfTimerList = 1009,
        kCaptionInterval = 1010,
        kIntervalList = 1011,
        kVideoRadio = 1013,
        kAnchorButton = 1014,
        kGifButton = 1015,
        kUnusedButton = 1016,
        kThumbnailFrame = 1017,
        kCaptionBurst = 1018,
        kBurstList = 1019,
        kUnusedCombo = 1020,
        kSelfTimerLabel = 1021,
        kStatusLabel = 1022,
        kStripGroup = 1029,
        kFormatLabel = 1060,
        kNameLabel = 1061,
        kSelfTimerValueLabel = 1062,
        kBurstValueLabel = 1063,
        kIntervalLabel = 1064,
    };
    enum { kTimerId = 14, kTimerPeriodMs = 1000, kAboutCommand = 16 };
    // How often a running clip's time, limit and free space are checked.
    static constexpr int kClipCheckMs = 250;

    static constexpr QRgb kPanelColour = 0xFF19506F; // RGB(25, 80, 111)
    static constexpr QRgb kFrameColour = 0xFFBDBDBD; // RGB(189, 189, 189)

    explicit CameraStationWindow(StationContext ctx, QWidget* parent = nullptr);
    ~CameraStationWindow() override;

    static QString ProductTitle() { return QStringLiteral("Vantor摄像头Snapo V1.3"); }
    static QString AboutText() { return QStringLiteral("关于 vx7ECamera(&A)..."); }
    static QString MakerWebPage() { return QStringLiteral("http://www.vantor.com.cn"); }
    static QString NoCameraText() {
        return QStringLiteral("没有找到摄像头。\n\n是否使用内置的测试摄像头(活动的测试图像)?");
    }

    // --- What later windows and tests reach ---------------------------------------
    StationModel& Model() { return *model_; }
    CameraLink& Camera() { return *link_; }
    const DrawnButtonTable& Buttons() const { return buttons_; }
    controls::CaptionLabel* Label(int id) const;
    QComboBox* List(int id) const;
    QLineEdit* NameEdit() const { return nameEdit_; }
    controls::BitmapButton* Button(int id) const;
    PreviewFrame* Preview() const { return preview_; }
    bool TimerRunning() const { return timer_.isActive(); }
    int ClientArea() const { return clientArea_; }
    // The strip cells stored for hit-testing at the last paint (at most the shots taken).
    const std::vector<QRect>& StripCells() const { return stripCells_; }

    // One tick of timer 14.
    void Tick();
    // A drawn button's command, as a click on it runs it.
    void RunDrawnCommand(int id);
    // The screen-capture hot key.
    void OnHotKey();

    // The connection points of the GIF making and animation work.
    QStringList BurstPhotos() const override;
    QString PhotoName() const override;
    QString PhotoFolder() const override;
    QString IntervalText() const override;
    int ColourMode() const override;
    // Enables or disables the format list, name field, shoot button, self-timer, burst
    // and interval lists and the GIF button together.
    void SetGifControlsEnabled(bool on) override;
    void SetLastMadeFile(const QString& name, int kind) override;
    // Suspends the camera, opens the animation window with the last made file and the
    // automatic-open request, then resumes the camera.
    void OpenLastMade() override;
    // Shows a short text in the status label 1022 ("---" when empty).
    void SetStatusText(const QString& text) override;
    // Redraws labels, enabled states, thumbnail and strip from the model.
    void RefreshDisplay() override;
    QObject* LifetimeObject() override { return this; }

    // Clips. The record control starts a clip of the camera into the photo folder and,
    // pressed again, finalises it; the clip becomes the last made file. While one
    // records, the preview shows a red dot with the time and the photo, self-timer and
    // burst controls are disabled. A dialog over the station, the camera stopping or the
    // window closing finalises the clip first.
    void ToggleRecording();
    bool Recording() const { return clip_ && clip_->Recording(); }
    ClipRecorder* Recorder() const { return clip_.get(); }
    const ClipButton& RecordButton() const { return clipButton_; }
    // One check of the running clip (its time, its limit, the free space).
    void CheckClip();

    // Suspends and resumes the camera around a modal window: the tick timer stops, the
    // click sounds (unless silent), the device disconnects and the preview hides; on
    // resuming, all of it comes back and the station redraws. Every command that opens
    // a window over the station goes through WithCameraSuspended.
    enum class Click { Sound, Silent };
    void WithCameraSuspended(Click click, const std::function<void()>& whileSuspended);
    void SuspendCamera(bool clickSound = true);
    void ResumeCamera();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void InitDialog();
    void BuildControls();
    void StartSplash();
    void CloseSplashes();
    void RegisterHotKey();
    ClickAreas::State AreaState() const;
    void PerformClick(const ClickAction& action);
    void OpenValueEditor(int control);
    void CloseValueEditors();
    void OnFormatChosen(int index);
    void OnSelfTimerChosen(int index);
    void OnBurstChosen(int index);
    void OnIntervalChosen(int index);
    void OnShoot();
    void OnFolderButton();
    void OnCameraButton();
    void OnGifButton();
    void OnCameraLost(const QString& reason);
    void RunHelp();
    void MoveFrame(const QRect& rect);
    void UpdateHoverCursor(QPoint pos);
    void HoverButtons(QPoint pos);
    void PaintDrawnButtons(QPainter& painter);
    void PaintStrip(QPainter& painter);
    void PaintThumbnail(QPainter& painter);
    void PaintCountdown(QPainter& painter);
    QImage Thumbnail(const QString& path);
    // Finalises a running clip; the outcome goes to the status label, and for an end
    // the user did not ask for, also to a message.
    void FinishClip(ClipRecorder::StopReason reason);
    void ShowClipOutcome(const ClipRecorder::Outcome& outcome);
    QPixmap ButtonPicture(const QString& file);

    StationContext ctx_;
    std::unique_ptr<core::EncoderRegistry> ownEncoders_;
    std::unique_ptr<platform::Prompt> prompt_; // closes the splash before it shows anything
    std::unique_ptr<CameraLink> link_;
    std::unique_ptr<StationModel> model_;
    DrawnButtonTable buttons_;
    QTimer timer_;
    // Splash windows this station started; closed with it, as they read its clock.
    QList<QPointer<SplashWindow>> splashes_;
    PreviewFrame* preview_ = nullptr;
    QHash<int, controls::CaptionLabel*> labels_;
    QHash<int, QComboBox*> lists_;
    QHash<int, controls::BitmapButton*> bitmapButtons_;
    QLineEdit* nameEdit_ = nullptr;
    QRadioButton* videoRadio_ = nullptr;
    QPushButton* anchor_ = nullptr;
    QPixmap background_;
    QCursor hoverCursor_;
    bool hoverCursorSet_ = false;
    QHash<QString, QPixmap> buttonPictures_;
    struct CachedPicture {
        QDateTime modified;
        qint64 size = -1;
        QImage image;
    };
    QHash<QString, CachedPicture> thumbnails_;
    std::vector<QRect> stripCells_;
    bool painting_ = false;
    bool escaping_ = false;
    bool swallowRelease_ = false;
    bool cameraLostShown_ = false;
    QString shownWritten_; // the written file the status label names
    int clientArea_ = 0;
    std::unique_ptr<ClipRecorder> clip_;
    QTimer clipTimer_;
    ClipButton clipButton_;
};

} // namespace vx7::camera
