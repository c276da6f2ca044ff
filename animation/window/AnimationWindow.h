#pragma once

#include "AnimationFileList.h"
#include "VideoPlayer.h"
#include "animation/making/GifBuildJob.h"
#include "animation/making/GifMakingSettings.h"
#include "animation/making/GifPictureList.h"
#include "animation/making/LastMadeFile.h"

#include <QDialog>
#include <QImage>
#include <QMap>

#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;

namespace vx7::core {
class EncoderRegistry;
class SysInfo;
} // namespace vx7::core

namespace vx7::camera {} // namespace vx7::camera

namespace vx7::platform {
class Prompt;
}

namespace vx7::animation {

class AnimatedPicture;
class FileChooser;
class GifBuildRunner;
class GifEngine;
class VideoView;

// What the animation window needs from the program; built once in main().
struct AnimationWindowContext {
    core::SysInfo& sys;
    platform::Prompt& prompt;
    const core::EncoderRegistry& encoders;
    GifEngine& engine;
    FileChooser& files;
    VideoPlayerFactory makePlayer;
};

// The video and animation window: lists the AVI files of the photo folder or the GIF
// files of the GIF folder and plays the chosen one, or makes a GIF from up to 16
// pictures. Opened modally by the camera station with the file it made last.
class AnimationWindow : public QDialog {
    Q_OBJECT
  public:
    enum : int {
        IDD = 146,
        kOpenFile = 1,
        kDisplay = 1042,
        kFileList = 1043,
        kModeAvi = 1044,
        kModeGif = 1045,
        kStatus = 1046,
        kCloseFile = 1047,
        kPlay = 1048,
        kInfo = 1049,
        kFrame = 1050,
        kStop = 1051,
        kFill = 1052,
        kGifPicture = 1053,
        kModeMakeGif = 1089,
        kAddPicture = 1090,
        kBuildGif = 1091,
        kGifFolder = 1092,
        kInterval = 1093,
        kNameCaption = 1094,
        kName = 1095,
    };
    enum Mode : int { kAvi = 0, kGif = 1, kMakeGif = 2 };
    enum class Shown { Video, Gif };
    static constexpr int kPlayStatePlaying = 101;
    static constexpr int kTimerMilliseconds = 100;
    static constexpr int kSpeed = 1020;

    AnimationWindow(AnimationWindowContext ctx, LastMadeFile lastMade = {}, bool autoOpen = false,
                    QWidget* parent = nullptr);
    ~AnimationWindow() override;

    // Commands, as the controls and the timer run them.
    void RunCommand(int id);
    void SetMode(int mode);
    void SelectRow(int row);
    void OpenFile();
    void CloseFile();
    void Play();
    void StopVideo();
    void SetFillArea(bool on);
    void Tick();
    void AddGifPicture();
    void BuildGif();
    void ChooseGifFolder();
    void SelectInterval(const QString& text);

    // What the window shows, for the station and for tests.
    QWidget* Control(int id) const;
    int CurrentMode() const { return mode_; }
    Shown ShownKind() const { return shown_; }
    int PlayState() const { return playState_; }
    const AnimationFileList& Files() const { return files_; }
    const GifPictureList& Pictures() const { return pictures_; }
    const GifMakingSettings& Making() const { return making_; }
    VideoPlayer* Player() const { return player_.get(); }
    AnimatedPicture* Picture() const { return picture_; }
    QString SelectedName() const { return selectedName_; }
    QString PathToOpen() const;
    int ShownPicture() const { return shownPicture_; }
    QRect DialogDisplayRect() const { return dialogDisplayRect_; }
    bool IsBuilding() const;
    QString BuildStatusText() const;
    QString RowText(int row, int column) const;
    int ListRowCount() const;

    static QString PictureFilter() {
        return QStringLiteral("图形文件(*.bmp,*.jpg,*.png,*.gif)|*.bmp;*.jpg;*.png;*.gif");
    }
    static QString PictureInitialName() { return QStringLiteral("*.bmp;*.jpg;*.png;*.gif"); }
    static QString ReplaceQuestion(const QString& name) {
        return QStringLiteral("此< %1 >GIF动画已存在!是否替换?").arg(name);
    }

  signals:
    void BuildFinished(const vx7::animation::GifJobResult& result);

  public slots:
    void done(int result) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void BuildControls();
    void RefillList();
    void ShowRows();
    void ShowDisplay(Shown kind);
    void UpdateVisibility();
    void UpdateTitle();
    void UpdateOpenButton();
    void OpenGif(const QString& path);
    void OpenVideo(const QString& path);
    void CloseVideo();
    void StopGif();
    void PlaceVideo();
    void SetBuilding(bool building);
    void ShowMakingState();
    void SetBuildStatus(const QString& text);
    void OnBuildFinished(const GifJobResult& result);
    void ShutDown();

    AnimationWindowContext ctx_;
    LastMadeFile lastMade_;
    bool autoOpenPending_ = false;

    int mode_ = kAvi;
    Shown shown_ = Shown::Video;
    AnimationFileList files_;
    QString selectedName_;
    bool usePhotoFolderName_ = false;
    int playState_ = 0;
    bool videoStopped_ = false;
    std::unique_ptr<VideoPlayer> player_;
    QRect dialogDisplayRect_;

    GifPictureList pictures_;
    GifMakingSettings making_{GifMakingSettings::Place::Window};
    int shownPicture_ = -1;
    QImage shownPictureImage_;
    QString shownPicturePath_;
    GifBuildRunner* runner_ = nullptr;
    bool shutDown_ = false;

    QMap<int, void (AnimationWindow::*)()> commands_;
    QMap<int, QWidget*> controls_;
    VideoView* video_ = nullptr;
    QWidget* gifArea_ = nullptr;
    AnimatedPicture* picture_ = nullptr;
    QTableWidget* list_ = nullptr;
    QButtonGroup* modes_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* info_ = nullptr;
    QLabel* frame_ = nullptr;
    QCheckBox* fill_ = nullptr;
    QComboBox* interval_ = nullptr;
    QLineEdit* name_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* buildStatus_ = nullptr;
    QString buildStatusText_;
    QTimer* timer_ = nullptr;
};

} // namespace vx7::animation
