#include "CameraStationWindow.h"

#include "BurstStrip.h"
#include "CameraLink.h"
#include "PreviewFrame.h"
#include "StationLayout.h"
#include "StationModel.h"
#include "camera/CameraLog.h"
#include "camera/app/SplashWindow.h"
#include "camera/capture/CaptureDevice.h"
#include "camera/capture/CompressionDialog.h"
#include "camera/capture/FormatDialog.h"
#include "camera/capture/SourceDialog.h"
#include "camera/folders/FolderChooserDialog.h"
#include "camera/help/HelpWindow.h"
#include "camera/screen/ScreenCapture.h"
#include "controls/BitmapButton.h"
#include "controls/CHyperLink.h"
#include "controls/CaptionLabel.h"
#include "controls/Frame3d.h"
#include "core/ImageFiles.h"
#include "core/PathParts.h"
#include "core/SysInfo.h"
#include "platform/Clock.h"
#include "platform/HotKey.h"
#include "platform/Prompt.h"
#include "platform/ScreenGrabber.h"
#include "platform/SoundPlayer.h"
#include "resources/ResourceLoader.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace vx7::camera {
namespace {

using controls::CaptionLabel;
using controls::MakeColourRef;

// Captions drawn on a drawn button whose picture file is missing.
QString FallbackCaption(const QString& name) {
    static const QHash<QString, QString> captions{
        {QStringLiteral("butVideo"), QStringLiteral("动画/视频")},
        {QStringLiteral("butPickd"), QStringLiteral("图片编辑")},
        {QStringLiteral("Video_butSetfmt"), QStringLiteral("视频格式")},
        {QStringLiteral("Video_butSetSour"), QStringLiteral("视频源")},
        {QStringLiteral("Video_butSetComp"), QStringLiteral("视频压缩")},
        {QStringLiteral("Video_butReco"), QStringLiteral("动画")},
        {QStringLiteral("Video_butRecoStop"), QStringLiteral("停")},
        {QStringLiteral("Video_butbkMusic"), QStringLiteral("音乐")},
        {QStringLiteral("Video_butGoWeb"), QStringLiteral("访问网站")},
    };
    return captions.value(name, name);
}

// Messages and questions shown while a splash is up would open beneath it (the splash
// stays on top): the splash closes first.
class SplashSafePrompt final : public platform::Prompt {
  public:
    SplashSafePrompt(platform::Prompt& inner, std::function<void()> closeSplashes)
        : inner_(inner), closeSplashes_(std::move(closeSplashes)) {}
    void Message(const QString& text, const QString& title) override {
        closeSplashes_();
        inner_.Message(text, title);
    }
    bool Ask(const QString& text, const QString& title) override {
        closeSplashes_();
        return inner_.Ask(text, title);
    }

  private:
    platform::Prompt& inner_;
    std::function<void()> closeSplashes_;
};

} // namespace

CameraStationWindow::CameraStationWindow(StationContext ctx, QWidget* parent)
    : QDialog(parent), ctx_(std::move(ctx)), buttons_(StationLayout::AnchorCorner()) {
    setObjectName(QStringLiteral("CameraStationWindow"));
    setMouseTracking(true); // hover over the drawn buttons
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    if (!ctx_.encoders) {
        ownEncoders_ = std::make_unique<core::EncoderRegistry>();
        ctx_.encoders = ownEncoders_.get();
    }
    prompt_ = std::make_unique<SplashSafePrompt>(ctx_.prompt, [this] { CloseSplashes(); });
    link_ = std::make_unique<CameraLink>(ctx_.camera, ctx_.sys, *prompt_, ctx_.sound);
    model_ = std::make_unique<StationModel>(ctx_.sys, ctx_.clock, *prompt_, *link_, *ctx_.encoders,
                                            ctx_.splashState);
    if (ctx_.camera)
        clip_ = std::make_unique<ClipRecorder>(*ctx_.camera, ctx_.clock, ctx_.clipFreeSpace);
    // The record control sits in the empty place beside "Video_butReco".
    clipButton_.rect = buttons_.At(buttons_.IndexOfId(DrawnButtonTable::kRecordStop)).rect;
    clipTimer_.setInterval(kClipCheckMs);
    connect(&clipTimer_, &QTimer::timeout, this, &CameraStationWindow::CheckClip);
    if (!ctx_.hooks.openWebPage)
        ctx_.hooks.openWebPage = [this](const QString& url) {
            controls::CHyperLink::OpenTarget(url, *prompt_);
        };

    // Construction: the splash, the start-up sound, the icon and the hover cursor.
    StartSplash();
    ctx_.sound.Play(QStringLiteral(":/wave/151.wav"));
    setWindowIcon(QIcon(QStringLiteral(":/icon/128.png")));
    hoverCursor_ = resources::LoadCursor(137, Qt::PointingHandCursor);

    // Window creation reads the installation folder and loads the settings once, and
    // registers the screen-capture hot key…
    ctx_.sys.SetFolder(QDir::currentPath());
    ctx_.sys.Load();
    RegisterHotKey();
    InitDialog();
}

CameraStationWindow::~CameraStationWindow() {
    timer_.stop();
    for (const QPointer<SplashWindow>& splash : std::as_const(splashes_))
        delete splash.data();
    if (ctx_.hotKey)
        ctx_.hotKey->Unregister();
    if (ctx_.camera) {
        disconnect(ctx_.camera, nullptr, this, nullptr);
        if (clip_)
            clip_->Stop();
        link_->Suspend();
    }
}

void CameraStationWindow::StartSplash() {
    auto* splash = new SplashWindow(ctx_.splashState, ctx_.clock);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    splashes_.removeAll(nullptr);
    splashes_.append(splash);
    // Let the splash paint before a slow camera start.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CameraStationWindow::CloseSplashes() {
    bool closed = false;
    for (const QPointer<SplashWindow>& splash : std::as_const(splashes_)) {
        if (splash && splash->isVisible()) {
            splash->close();
            closed = true;
        }
    }
    // Whoever waits for the splash sees it gone.
    if (closed)
        ctx_.splashState.store(kSplashGone);
}

void CameraStationWindow::RegisterHotKey() {
    if (!ctx_.hotKey)
        return;
    connect(ctx_.hotKey, &platform::HotKey::Activated, this, &CameraStationWindow::OnHotKey,
            Qt::UniqueConnection);
    if (!ctx_.hotKey->Register(ctx_.sys.HotKeyChar(' ')))
        qCInfo(lcCamera) << "hot key not registered:" << ctx_.hotKey->UnavailableReason();
}

void CameraStationWindow::InitDialog() {
    // …and dialog initialisation reads them again, so the file's contents win.
    ctx_.sys.SetFolder(QDir::currentPath());
    ctx_.sys.Load();
    setWindowTitle(QStringLiteral("%1< %2 >").arg(ProductTitle(), ctx_.sys.PhotoFolder()));
    setFixedSize(StationLayout::kClientSize);
    clientArea_ = width() * height();

    BuildControls();
    // The camera, then the splash may go.
    if (ctx_.camera) {
        connect(ctx_.camera, &CaptureDevice::Lost, this, &CameraStationWindow::OnCameraLost);
        connect(ctx_.camera, &CaptureDevice::FrameReady, this, [this] { cameraLostShown_ = false; });
        connect(ctx_.camera, &CaptureDevice::ClipFailed, this, [this](const QString& reason) {
            if (clip_)
                clip_->NoteWriteFailure(reason);
            CheckClip();
        });
    }
    // No camera at all: say so once and offer the built-in test camera.
    bool connectNow = true;
    if (ctx_.camera && !ctx_.camera->HasCamera()) {
        connectNow =
            prompt_->Ask(NoCameraText(), QStringLiteral("摄像头拍照")) && ctx_.camera->SwitchToTestCamera();
    }
    if (connectNow)
        link_->ConnectCamera();
    ctx_.splashState.store(kSplashClose);
    if (link_->LastFittedSize() == QSize(0, 0)) {
        if (const auto rect = link_->FitPreviewFrame(StationLayout::kPreviewArea))
            MoveFrame(*rect);
    }
    if (ctx_.hotKey && !ctx_.hotKey->Available())
        SetStatusText(QStringLiteral("截屏热键不可用"));
    connect(&timer_, &QTimer::timeout, this, &CameraStationWindow::Tick);
    timer_.start(kTimerPeriodMs);
    RefreshDisplay();
}

void CameraStationWindow::BuildControls() {
    background_ = QPixmap(QStringLiteral(":/bitmap/129.png"));

    preview_ = new PreviewFrame(ctx_.camera, this);
    preview_->setGeometry(StationLayout::kPreviewArea);

    auto makeButton = [this](int id, const QString& caption, int normal, int pressed, const QRect& rect) {
        auto* b = new controls::BitmapButton(caption, this);
        b->setObjectName(QStringLiteral("button%1").arg(id));
        b->SetBitmaps(QStringLiteral(":/bitmap/%1.png").arg(normal),
                      QStringLiteral(":/bitmap/%1.png").arg(pressed));
        b->setGeometry(rect);
        bitmapButtons_.insert(id, b);
        return b;
    };
    connect(makeButton(kCameraButton, QStringLiteral("摄像头设置"), 191, 191, StationLayout::kCameraButton),
            &QAbstractButton::clicked, this, &CameraStationWindow::OnCameraButton);
    connect(makeButton(kShootButton, QStringLiteral("拍照"), 131, 132, StationLayout::kShootButton),
            &QAbstractButton::clicked, this, &CameraStationWindow::OnShoot);
    connect(makeButton(kFolderButton, QStringLiteral("照片目录"), 140, 139, StationLayout::kFolderButton),
            &QAbstractButton::clicked, this, &CameraStationWindow::OnFolderButton);
    auto* gif = makeButton(kGifButton, QStringLiteral("做GIF动画"), 135, 136, StationLayout::kGifButton);
    gif->hide();
    connect(gif, &QAbstractButton::clicked, this, &CameraStationWindow::OnGifButton);
    makeButton(kUnusedButton, QString(), 133, 134, StationLayout::kUnusedButton)->hide();

    // The hidden real controls under the coloured labels.
    auto makeList = [this](int id, const QStringList& entries, const QString& value, const QRect& rect) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("list%1").arg(id));
        combo->addItems(entries);
        combo->setCurrentIndex(int(std::max<qsizetype>(0, entries.indexOf(value))));
        combo->setGeometry(rect);
        combo->setMaxVisibleItems(16);
        combo->hide();
        lists_.insert(id, combo);
        return combo;
    };
    connect(
        makeList(kFormatList, StationModel::FormatEntries(), model_->Format(), StationLayout::kFormatList),
        &QComboBox::activated, this, &CameraStationWindow::OnFormatChosen);
    connect(makeList(kSelfTimerList, StationModel::SelfTimerEntries(), model_->SelfTimerSeconds(),
                     StationLayout::kSelfTimerList),
            &QComboBox::activated, this, &CameraStationWindow::OnSelfTimerChosen);
    connect(
        makeList(kBurstList, StationModel::BurstEntries(), model_->BurstCount(), StationLayout::kBurstList),
        &QComboBox::activated, this, &CameraStationWindow::OnBurstChosen);
    connect(makeList(kIntervalList, StationModel::IntervalEntries(), model_->IntervalText(),
                     StationLayout::kIntervalList),
            &QComboBox::activated, this, &CameraStationWindow::OnIntervalChosen);
    makeList(kUnusedCombo, {}, QString(), StationLayout::kUnusedCombo);

    nameEdit_ = new QLineEdit(model_->PhotoName(), this);
    nameEdit_->setObjectName(QStringLiteral("edit1003"));
    nameEdit_->setGeometry(StationLayout::kNameEdit);
    nameEdit_->hide();
    connect(nameEdit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { model_->SetPhotoName(text); });
    connect(nameEdit_, &QLineEdit::returnPressed, this, &CameraStationWindow::CloseValueEditors);

    videoRadio_ = new QRadioButton(QStringLiteral("视频"), this);
    videoRadio_->setObjectName(QStringLiteral("radio1013"));
    videoRadio_->setGeometry(StationLayout::kVideoRadio);
    videoRadio_->hide();
    connect(videoRadio_, &QRadioButton::clicked, this,
            [this] { model_->SetPageValue(videoRadio_->isChecked() ? 0 : 1); });
    anchor_ = new QPushButton(QStringLiteral("图片"), this);
    anchor_->setObjectName(QStringLiteral("button1014"));
    anchor_->setGeometry(StationLayout::kAnchor);
    anchor_->hide();

    // Coloured labels: the captions, the two status labels, and the value labels laid
    // over the hidden controls. They let clicks through to the window, which decides.
    auto makeLabel = [this](int id, const QString& text, const QRect& rect) {
        auto* label = new CaptionLabel(text, this);
        label->setObjectName(QStringLiteral("label%1").arg(id));
        label->setGeometry(rect);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        labels_.insert(id, label);
        return label;
    };
    const std::pair<int, std::pair<QString, QRect>> captions[] = {
        {kCaptionFormat, {QStringLiteral("照片格式:"), StationLayout::kCaptionFormat}},
        {kCaptionName, {QStringLiteral("照片名:"), StationLayout::kCaptionName}},
        {kCaptionSelfTimer, {QStringLiteral("自拍:"), StationLayout::kCaptionSelfTimer}},
        {kCaptionBurst, {QStringLiteral("连拍:"), StationLayout::kCaptionBurst}},
        {kCaptionInterval, {QStringLiteral("gif 间隔"), StationLayout::kCaptionInterval}},
    };
    for (const auto& [id, caption] : captions) {
        CaptionLabel* label = makeLabel(id, caption.first, caption.second);
        label->SetBackColour(MakeColourRef(222, 223, 222));
        label->SetTextColour(MakeColourRef(233, 244, 255));
    }
    CaptionLabel* timerLabel =
        makeLabel(kSelfTimerLabel, StationModel::NoCount(), StationLayout::kSelfTimerLabel);
    timerLabel->SetBackColour(MakeColourRef(12, 33, 222));
    timerLabel->SetTextColour(MakeColourRef(233, 44, 55));
    timerLabel->SetFill(CaptionLabel::kFillBackground);
    CaptionLabel* status = makeLabel(kStatusLabel, StationModel::NoCount(), StationLayout::kStatusLabel);
    status->SetBackColour(MakeColourRef(12, 111, 169));
    status->SetTextColour(MakeColourRef(33, 244, 123));
    status->SetFill(CaptionLabel::kFillBackground);
    const std::pair<int, QRect> values[] = {
        {kFormatLabel, StationLayout::kFormatList},
        {kNameLabel, StationLayout::kNameEdit},
        {kSelfTimerValueLabel, StationLayout::kSelfTimerList},
        {kBurstValueLabel, StationLayout::kBurstList},
        {kIntervalLabel, StationLayout::kIntervalList},
    };
    for (const auto& [id, rect] : values) {
        CaptionLabel* label = makeLabel(id, QString(), rect);
        label->SetBackColour(MakeColourRef(12, 199, 199));
        label->SetTextColour(MakeColourRef(233, 244, 33));
        label->SetFill(CaptionLabel::kFillBackground);
        label->SetLabelStyle(CaptionLabel::kStyleLeftFramed,
                             id == kNameLabel ? ' ' : CaptionLabel::kIconShown);
    }
}

controls::CaptionLabel* CameraStationWindow::Label(int id) const {
    return labels_.value(id);
}
QComboBox* CameraStationWindow::List(int id) const {
    return lists_.value(id);
}
controls::BitmapButton* CameraStationWindow::Button(int id) const {
    return bitmapButtons_.value(id);
}

void CameraStationWindow::RefreshDisplay() {
    auto setText = [this](int id, const QString& text) {
        if (CaptionLabel* l = labels_.value(id); l && l->Caption() != text) {
            l->SetCaption(text);
            l->update();
        }
    };
    setText(kFormatLabel, model_->Format());
    setText(kNameLabel, model_->PhotoName());
    // The status label names the file a shot wrote, which is not always the name field.
    if (model_->LastWrittenPath() != shownWritten_) {
        shownWritten_ = model_->LastWrittenPath();
        SetStatusText(QFileInfo(shownWritten_).fileName());
    }
    setText(kSelfTimerValueLabel, model_->SelfTimerSeconds());
    setText(kBurstValueLabel, model_->BurstCount());
    setText(kIntervalLabel, model_->IntervalText());
    setText(kSelfTimerLabel, model_->CountdownLabelText());
    const bool on = model_->ControlsEnabled();
    // A clip and a photo never run at once: the photo-making controls wait.
    const bool photos = on && !Recording();
    for (int id : {kFormatList, kSelfTimerList, kBurstList, kIntervalList})
        lists_.value(id)->setEnabled(id == kFormatList || id == kIntervalList ? on : photos);
    nameEdit_->setEnabled(on && !Recording());
    bitmapButtons_.value(kShootButton)->setEnabled(photos);
    bitmapButtons_.value(kGifButton)->setEnabled(on);
    bitmapButtons_.value(kGifButton)->setVisible(model_->GifButtonVisible());
    update();
}

void CameraStationWindow::SetStatusText(const QString& text) {
    if (CaptionLabel* l = labels_.value(kStatusLabel)) {
        l->SetCaption(text.isEmpty() ? StationModel::NoCount() : text);
        l->update();
    }
}

// --- Timer -------------------------------------------------------------------------

void CameraStationWindow::Tick() {
    switch (model_->Tick()) {
    case StationModel::TickResult::kNothing:
    case StationModel::TickResult::kSplashClosing:
    case StationModel::TickResult::kSplashWaitOver:
        return;
    case StationModel::TickResult::kSelfTimerShot:
        lists_.value(kSelfTimerList)->hide();
        break;
    case StationModel::TickResult::kBurstEnded:
        lists_.value(kBurstList)->hide();
        break;
    case StationModel::TickResult::kCountdown:
    case StationModel::TickResult::kBurstShot:
        break;
    }
    RefreshDisplay();
}

// --- Camera around modal windows ----------------------------------------------------

void CameraStationWindow::SuspendCamera(bool clickSound) {
    FinishClip(ClipRecorder::StopReason::kUser);
    timer_.stop();
    if (clickSound)
        ctx_.sound.Play(QStringLiteral(":/wave/145.wav"));
    link_->Suspend();
    preview_->hide();
}

void CameraStationWindow::ResumeCamera() {
    timer_.start(kTimerPeriodMs);
    preview_->show();
    model_->ReconnectCamera([this] { StartSplash(); });
    activateWindow();
    RefreshDisplay();
}

void CameraStationWindow::WithCameraSuspended(Click click, const std::function<void()>& whileSuspended) {
    SuspendCamera(click == Click::Sound);
    whileSuspended();
    ResumeCamera();
}

void CameraStationWindow::MoveFrame(const QRect& rect) {
    preview_->setGeometry(rect);
}

void CameraStationWindow::OnCameraLost(const QString& reason) {
    if (cameraLostShown_)
        return;
    cameraLostShown_ = true;
    if (Recording()) {
        // The message below says the camera stopped; the clip's end only goes to the label.
        if (const auto outcome = clip_->Stop(ClipRecorder::StopReason::kCameraGone)) {
            ClipRecorder::Outcome quiet = *outcome;
            quiet.reason = ClipRecorder::StopReason::kUser;
            ShowClipOutcome(quiet);
        }
    }
    preview_->update();
    prompt_->Message(
        QStringLiteral("摄像头已停止工作, 请检查摄像头连接后按\"摄像头设置\"重新打开。\n(%1)").arg(reason));
}

// --- Drawn buttons and their commands ------------------------------------------------

void CameraStationWindow::RunDrawnCommand(int id) {
    switch (id) {
    case DrawnButtonTable::kVideo:
        WithCameraSuspended(Click::Sound, [this] {
            if (ctx_.hooks.openAnimationWindow)
                ctx_.hooks.openAnimationWindow(this, model_->LastMadeName(), model_->LastMadeKind(), false);
        });
        break;
    case DrawnButtonTable::kPicked:
        WithCameraSuspended(Click::Sound, [this] {
            if (ctx_.hooks.openEditor)
                ctx_.hooks.openEditor(this, model_->LastPhotoPath(), EditorKind::NewestPhoto,
                                      EditorMode::NewPhoto);
        });
        break;
    case DrawnButtonTable::kSetFormat: {
        if (ctx_.camera) {
            const int result = ctx_.hooks.runFormatDialog ? ctx_.hooks.runFormatDialog(this, *ctx_.camera)
                                                          : FormatDialog(*ctx_.camera, this).exec();
            Q_UNUSED(result);
        }
        if (const auto rect = link_->FitPreviewFrame(StationLayout::kPreviewArea))
            MoveFrame(*rect);
        // The camera reconnects so the chosen format takes effect.
        WithCameraSuspended(Click::Silent, [] {});
        break;
    }
    case DrawnButtonTable::kSetSource:
        if (ctx_.camera) {
            if (ctx_.hooks.runSourceDialog)
                ctx_.hooks.runSourceDialog(this, *ctx_.camera);
            else
                SourceDialog(*ctx_.camera, this).exec();
        }
        update();
        break;
    case DrawnButtonTable::kSetCompression:
        if (ctx_.camera) {
            if (ctx_.hooks.runCompressionDialog)
                ctx_.hooks.runCompressionDialog(this, *ctx_.camera);
            else
                CompressionDialog::Run(*ctx_.camera, *prompt_, this);
        } else {
            prompt_->Message(CompressionDialog::OnlyOneText(QString()));
        }
        update();
        break;
    case DrawnButtonTable::kRecord:
        OpenLastMade();
        break;
    case DrawnButtonTable::kBackgroundMusic:
        WithCameraSuspended(Click::Silent, [this] {
            if (ctx_.hooks.chooseBackgroundMusic)
                ctx_.hooks.chooseBackgroundMusic(this);
        });
        break;
    case DrawnButtonTable::kGoWeb:
        if (ctx_.hooks.openWebPage)
            ctx_.hooks.openWebPage(MakerWebPage());
        break;
    default:
        break;
    }
}

void CameraStationWindow::OpenLastMade() {
    WithCameraSuspended(Click::Sound, [this] {
        if (ctx_.hooks.openAnimationWindow)
            ctx_.hooks.openAnimationWindow(this, model_->LastMadeName(), model_->LastMadeKind(), true);
    });
}

// --- Connection points of the GIF making ---------------------------------------------

QStringList CameraStationWindow::BurstPhotos() const {
    return model_->BurstFinalPaths();
}
QString CameraStationWindow::PhotoName() const {
    return model_->PhotoName();
}
QString CameraStationWindow::PhotoFolder() const {
    return ctx_.sys.PhotoFolder();
}
QString CameraStationWindow::IntervalText() const {
    return model_->IntervalText();
}
int CameraStationWindow::ColourMode() const {
    return model_->ColourMode();
}

void CameraStationWindow::SetGifControlsEnabled(bool on) {
    model_->SetControlsEnabled(on);
    RefreshDisplay();
}

void CameraStationWindow::SetLastMadeFile(const QString& name, int kind) {
    model_->SetLastMadeFile(name, kind);
}

void CameraStationWindow::OnGifButton() {
    if (ctx_.hooks.makeBurstGif) {
        ctx_.hooks.makeBurstGif(*this);
        RefreshDisplay();
    } else {
        prompt_->Message(QStringLiteral("此版本没有安装 GIF 动画制作功能。"));
    }
}

// --- Real controls ---------------------------------------------------------------

void CameraStationWindow::OnShoot() {
    model_->TakeSinglePhoto();
    RefreshDisplay();
}

void CameraStationWindow::OnFormatChosen(int index) {
    model_->SetFormat(lists_.value(kFormatList)->itemText(index));
    lists_.value(kFormatList)->hide();
    RefreshDisplay();
}

void CameraStationWindow::OnSelfTimerChosen(int index) {
    model_->SetSelfTimerSeconds(lists_.value(kSelfTimerList)->itemText(index));
    RefreshDisplay();
    model_->StartSelfTimer();
    RefreshDisplay();
}

void CameraStationWindow::OnBurstChosen(int index) {
    model_->SetBurstCount(lists_.value(kBurstList)->itemText(index));
    RefreshDisplay();
    model_->StartBurst();
    RefreshDisplay();
}

void CameraStationWindow::OnIntervalChosen(int index) {
    QComboBox* list = lists_.value(kIntervalList);
    model_->SelectIntervalOrMode(list->itemText(index));
    // The list keeps showing the interval, whatever entry was picked.
    list->setCurrentIndex(
        int(std::max<qsizetype>(0, StationModel::IntervalEntries().indexOf(model_->IntervalText()))));
    list->hide();
    RefreshDisplay();
}

void CameraStationWindow::OnFolderButton() {
    WithCameraSuspended(Click::Silent, [this] {
        std::optional<QString> chosen;
        if (ctx_.hooks.runFolderChooser) {
            chosen = ctx_.hooks.runFolderChooser(this);
        } else {
            FolderChooserDialog dialog(
                QDir::homePath(),
                core::JoinPath(ctx_.sys.InstallFolder(), core::SysInfo::DefaultPhotoFolderName()), *prompt_,
                this);
            if (dialog.exec() == QDialog::Accepted)
                chosen = dialog.SelectedFolder();
        }
        if (chosen && model_->ChangePhotoFolder(*chosen))
            setWindowTitle(QStringLiteral("%1< %2 >").arg(ProductTitle(), ctx_.sys.PhotoFolder()));
    });
}

void CameraStationWindow::RunHelp() {
    if (ctx_.hooks.runHelpWindow) {
        ctx_.hooks.runHelpWindow(this);
        return;
    }
    HelpWindow(ctx_.sys, ctx_.hooks.openWebPage, this).exec();
}

void CameraStationWindow::OnCameraButton() {
    const int result = ctx_.hooks.runHelpWindow ? ctx_.hooks.runHelpWindow(this)
                                                : HelpWindow(ctx_.sys, ctx_.hooks.openWebPage, this).exec();
    if (result == QDialog::Accepted) {
        if (ctx_.sys.IsCameraOff())
            link_->Suspend(); // the frame stays visible
        else
            model_->ReconnectCamera([this] { StartSplash(); });
    }
    preview_->update();
    RefreshDisplay();
}

// --- Screen capture -------------------------------------------------------------------

void CameraStationWindow::OnHotKey() {
    if (ScreenCapture::IgnoresHotKey(clientArea_) || !ctx_.screen)
        return;
    QString error;
    const auto path = ScreenCapture::TakeScreenshot(*ctx_.screen, *ctx_.encoders, ctx_.sys,
                                                    model_->PhotoName(), model_->Format(), &error);
    if (path) {
        model_->SetLastPhotoPath(*path);
        model_->SetLastWrittenPath(*path);
    }
    showNormal();
    raise();
    activateWindow();
    RefreshDisplay();
    if (!path)
        prompt_->Message(error);
}

// --- Mouse -------------------------------------------------------------------------

ClickAreas::State CameraStationWindow::AreaState() const {
    ClickAreas::State state;
    state.hasLastPhoto = core::IsStoredPath(model_->LastPhotoPath());
    state.shotsStored = model_->ShotsTaken();
    state.cells = stripCells_;
    state.burstBoxActive = model_->BurstBoxActive() && model_->ControlsEnabled();
    return state;
}

void CameraStationWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (clipButton_.rect.contains(pos)) {
        ToggleRecording();
        return;
    }
    const ClickAction action = ClickAreas::Hit(pos, AreaState());
    if (action.kind != ClickAction::kNone) {
        PerformClick(action);
        return;
    }
    const int hit = buttons_.HitTest(pos);
    if (hit >= 0)
        RunDrawnCommand(buttons_.At(hit).id);
    buttons_.Hover(pos);
    update();
}

void CameraStationWindow::PerformClick(const ClickAction& action) {
    switch (action.kind) {
    case ClickAction::kStartSelfTimer:
        if (model_->ControlsEnabled() && !Recording()) {
            model_->StartSelfTimer();
            RefreshDisplay();
        }
        break;
    case ClickAction::kOpenLastPhoto:
        // The camera rests while the editor is open, whichever way it was opened.
        WithCameraSuspended(Click::Silent, [this] {
            if (ctx_.hooks.openEditor)
                ctx_.hooks.openEditor(this, model_->LastPhotoPath(), EditorKind::LastPhotoThumb,
                                      EditorMode::Plain);
        });
        update();
        break;
    case ClickAction::kOpenBurstShot:
        if (ctx_.hooks.openEditor && action.index < model_->BurstGrabPaths().size()) {
            WithCameraSuspended(Click::Silent, [this, &action] {
                ctx_.hooks.openEditor(this, model_->BurstGrabPaths().at(action.index), EditorKind::BurstShot,
                                      EditorMode::Plain);
            });
        }
        update();
        break;
    case ClickAction::kOpenEditor:
        OpenValueEditor(action.control);
        break;
    case ClickAction::kStartBurst:
        if (Recording())
            break;
        model_->StartBurst();
        RefreshDisplay();
        break;
    case ClickAction::kNone:
        break;
    }
}

void CameraStationWindow::OpenValueEditor(int control) {
    if (!model_->ControlsEnabled())
        return;             // the real controls are disabled while a shot is in progress
    swallowRelease_ = true; // the release of this click belongs to the editor now
    if (control == kNameEdit) {
        nameEdit_->setText(model_->PhotoName());
        nameEdit_->show();
        nameEdit_->raise();
        nameEdit_->setFocus();
        nameEdit_->selectAll();
        return;
    }
    if (QComboBox* list = lists_.value(control)) {
        list->show();
        list->raise();
        list->showPopup();
    }
}

void CameraStationWindow::CloseValueEditors() {
    if (nameEdit_->isVisible()) {
        nameEdit_->hide();
        model_->SetPhotoName(nameEdit_->text());
    }
    for (int id : {kBurstList, kSelfTimerList, kFormatList, kIntervalList})
        if (QComboBox* list = lists_.value(id); list && list->isVisible())
            list->hide();
    RefreshDisplay();
}

void CameraStationWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (swallowRelease_) {
        swallowRelease_ = false;
        return;
    }
    if (event->button() == Qt::LeftButton)
        CloseValueEditors();
    QDialog::mouseReleaseEvent(event);
}

void CameraStationWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (clipButton_.lit != clipButton_.rect.contains(pos)) {
        clipButton_.lit = !clipButton_.lit;
        update(clipButton_.rect);
    }
    if (ClickAreas::Hit(pos, AreaState()).kind == ClickAction::kNone)
        HoverButtons(pos);
    else
        HoverButtons(QPoint(-1, -1));
    UpdateHoverCursor(pos);
    QDialog::mouseMoveEvent(event);
}

void CameraStationWindow::HoverButtons(QPoint pos) {
    std::array<char, DrawnButtonTable::kCount> before{};
    for (int i = 0; i < DrawnButtonTable::kCount; ++i)
        before[size_t(i)] = buttons_.At(i).state;
    buttons_.Hover(pos);
    for (int i = 0; i < DrawnButtonTable::kCount; ++i)
        if (buttons_.At(i).state != before[size_t(i)])
            update(buttons_.At(i).rect);
}

void CameraStationWindow::leaveEvent(QEvent* event) {
    HoverButtons(QPoint(-1, -1));
    if (clipButton_.lit) {
        clipButton_.lit = false;
        update(clipButton_.rect);
    }
    UpdateHoverCursor(QPoint(-1, -1));
    QDialog::leaveEvent(event);
}

void CameraStationWindow::UpdateHoverCursor(QPoint pos) {
    const int hit = buttons_.HitTest(pos);
    const bool over = clipButton_.rect.contains(pos) ||
                      ClickAreas::Hit(pos, AreaState()).kind != ClickAction::kNone ||
                      (hit >= 0 && buttons_.At(hit).state != DrawnButton::kNormal);
    if (over && !hoverCursorSet_) {
        setCursor(hoverCursor_);
        hoverCursorSet_ = true;
    } else if (!over && hoverCursorSet_) {
        unsetCursor();
        hoverCursorSet_ = false;
    }
}

void CameraStationWindow::contextMenuEvent(QContextMenuEvent* event) {
    // The window's system menu with the about entry (command 16) at its end.
    QMenu menu(this);
    menu.addAction(QStringLiteral("最小化(&N)"), this, &QWidget::showMinimized);
    menu.addAction(QStringLiteral("关闭(&C)"), this, &QWidget::close);
    menu.addSeparator();
    menu.addAction(AboutText(), this, &CameraStationWindow::RunHelp);
    menu.exec(event->globalPos());
}

// --- Window ------------------------------------------------------------------------

void CameraStationWindow::resizeEvent(QResizeEvent* event) {
    if (!isMinimized())
        clientArea_ = width() * height();
    QDialog::resizeEvent(event);
}

void CameraStationWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        clientArea_ = isMinimized() ? 0 : width() * height();
    QDialog::changeEvent(event);
}

void CameraStationWindow::closeEvent(QCloseEvent* event) {
    // Closing asks nothing about a running clip: it is finalised and kept.
    FinishClip(ClipRecorder::StopReason::kUser);
    ctx_.sys.Save();
    if (!escaping_)
        ctx_.sys.PurgeWorkFolder();
    escaping_ = false;
    event->accept();
}

void CameraStationWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    case Qt::Key_Escape:
        // Esc ends the dialog without the close-box clean-up, the settings kept.
        ctx_.sys.Save();
        escaping_ = true;
        reject();
        escaping_ = false;
        return;
    case Qt::Key_F1:
        RunHelp();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

// --- Painting ------------------------------------------------------------------------

void CameraStationWindow::paintEvent(QPaintEvent*) {
    if (painting_)
        return;
    painting_ = true;
    QPainter painter(this);
    if (!background_.isNull()) {
        painter.fillRect(rect(), QColor(20, 52, 74));
        painter.drawPixmap(0, 0, background_);
    } else {
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(38, 84, 116));
        g.setColorAt(1, QColor(14, 40, 60));
        painter.fillRect(rect(), g);
    }
    const auto frame = controls::FromQColor(QColor(kFrameColour));
    controls::DrawFrame3d(painter, StationLayout::kPreviewArea.adjusted(-2, -2, 2, 2), frame, frame);
    PaintDrawnButtons(painter);
    PaintStrip(painter);
    PaintThumbnail(painter);
    PaintCountdown(painter);
    painting_ = false;
}

QPixmap CameraStationWindow::ButtonPicture(const QString& file) {
    auto it = buttonPictures_.find(file);
    if (it == buttonPictures_.end())
        it = buttonPictures_.insert(file, QPixmap(core::JoinPath(ctx_.sys.SystemPictureFolder(), file)));
    return it.value();
}

void CameraStationWindow::PaintDrawnButtons(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const DrawnButton& b : buttons_.Buttons()) {
        if (b.state == DrawnButton::kHidden)
            continue;
        const QPixmap picture = ButtonPicture(DrawnButtonTable::PictureName(b));
        if (!picture.isNull()) {
            painter.drawPixmap(b.rect.topLeft(), picture);
            continue;
        }
        // Without its picture file: a plain face with the caption, so the button is usable.
        const bool lit = b.state == DrawnButton::kLit;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(200, 220, 235));
        painter.setBrush(lit ? QColor(240, 150, 60) : QColor(60, 110, 150));
        painter.drawRoundedRect(QRectF(b.rect).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        painter.setPen(Qt::white);
        painter.drawText(b.rect, Qt::AlignCenter, FallbackCaption(b.name));
    }
    painter.restore();
    clipButton_.enabled = clip_ != nullptr;
    clipButton_.Paint(painter);
}

QImage CameraStationWindow::Thumbnail(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return QImage();
    CachedPicture& cached = thumbnails_[path];
    if (cached.modified != info.lastModified() || cached.size != info.size()) {
        QImageReader reader(path);
        reader.setAutoTransform(true);
        QImage image = reader.read();
        // Kept small: the strip and the thumbnail frame are a few hundred pixels at most.
        if (!image.isNull() && (image.width() > 480 || image.height() > 480))
            image = image.scaled(480, 480, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        cached = {info.lastModified(), info.size(), image};
    }
    if (thumbnails_.size() > 64) {
        const CachedPicture keep = cached;
        thumbnails_.clear();
        thumbnails_.insert(path, keep);
        return keep.image;
    }
    return cached.image;
}

void CameraStationWindow::PaintStrip(QPainter& painter) {
    const QRect strip = BurstStrip::Area(StationLayout::kStripGroup, StationLayout::kIntervalList.left());
    const std::vector<QRect> cells = BurstStrip::Cells(strip);
    const auto frame = controls::FromQColor(QColor(kFrameColour));
    const int taken = model_->ShotsTaken();
    const QStringList& grabs = model_->BurstGrabPaths();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < int(cells.size()); ++i) {
        const QRect& cell = cells[size_t(i)];
        painter.fillRect(cell, QColor(kPanelColour));
        controls::DrawFrame3d(painter, cell, frame, frame);
        if (i < taken && i < grabs.size()) {
            const QImage picture = Thumbnail(grabs.at(i));
            if (!picture.isNull())
                painter.drawImage(BurstStrip::FitThumbnail(cell, picture.size()), picture);
        }
    }
    painter.restore();
    stripCells_.assign(cells.begin(), cells.begin() + std::min<qsizetype>(taken, qsizetype(cells.size())));
}

void CameraStationWindow::PaintThumbnail(QPainter& painter) {
    const QRect area = StationLayout::kThumbnailFrame;
    const auto frame = controls::FromQColor(QColor(kFrameColour));
    painter.fillRect(area, QColor(kPanelColour));
    controls::DrawFrame3d(painter, area, frame, frame);
    if (!core::IsStoredPath(model_->LastPhotoPath()))
        return;
    const QImage picture = Thumbnail(model_->LastPhotoPath());
    if (picture.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(BurstStrip::FitThumbnail(area, picture.size()), picture);
    painter.restore();
}

void CameraStationWindow::PaintCountdown(QPainter& painter) {
    const QString text = model_->CountdownText();
    if (text.isEmpty())
        return;
    const QRect area = StationLayout::CountdownArea();
    painter.save();
    painter.fillRect(area, QColor(kPanelColour));
    QFont font = QApplication::font();
    font.setPixelSize(std::max(8, area.height() / 2));
    // A long counter ("12[15]") is narrowed to fit the area rather than cut off.
    QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) > area.width())
        font.setPixelSize(std::max(8, font.pixelSize() * area.width() / metrics.horizontalAdvance(text)));
    painter.setFont(font);
    painter.setPen(QColor(233, 233, 233));
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.restore();
}

// --- Clips ---------------------------------------------------------------------------

void CameraStationWindow::ToggleRecording() {
    if (Recording()) {
        FinishClip(ClipRecorder::StopReason::kUser);
        return;
    }
    if (!clip_ || !ctx_.camera->IsConnected()) {
        prompt_->Message(QStringLiteral("摄像头未连接, 不能录像。"));
        return;
    }
    // A self-timer or burst under way finishes first.
    if (model_->Mode() == StationModel::kSelfTimer || model_->Mode() == StationModel::kBurst ||
        !model_->ControlsEnabled())
        return;
    QString error;
    if (!clip_->Start(ctx_.sys.PhotoFolder(), model_->PhotoName(), ctx_.clipSound, &error)) {
        prompt_->Message(QStringLiteral("录像无法开始: %1").arg(error));
        return;
    }
    clipButton_.recording = true;
    const QString file = QFileInfo(clip_->Path()).fileName();
    SetStatusText(ctx_.clipSound != ClipSound::kNone && !clip_->HasSound()
                      ? QStringLiteral("正在录像(无麦克风): %1").arg(file)
                      : QStringLiteral("正在录像: %1").arg(file));
    preview_->SetRecordingText(clip_->TimeText());
    clipTimer_.start();
    RefreshDisplay();
}

void CameraStationWindow::CheckClip() {
    if (!clip_)
        return;
    if (const auto outcome = clip_->Check()) {
        ShowClipOutcome(*outcome);
        if (outcome->reason != ClipRecorder::StopReason::kUser)
            prompt_->Message(outcome->Message());
        return;
    }
    if (clip_->Recording())
        preview_->SetRecordingText(clip_->TimeText());
}

void CameraStationWindow::FinishClip(ClipRecorder::StopReason reason) {
    if (!Recording())
        return;
    if (const auto outcome = clip_->Stop(reason)) {
        ShowClipOutcome(*outcome);
        if (outcome->reason != ClipRecorder::StopReason::kUser)
            prompt_->Message(outcome->Message());
    }
}

void CameraStationWindow::ShowClipOutcome(const ClipRecorder::Outcome& outcome) {
    clipTimer_.stop();
    clipButton_.recording = false;
    preview_->SetRecordingText(QString());
    // The clip is what "Video_butReco" opens next, in the animation window's AVI list.
    const QString file = QFileInfo(outcome.path).fileName();
    if (QFileInfo::exists(outcome.path))
        SetLastMadeFile(file, 0);
    SetStatusText(outcome.reason == ClipRecorder::StopReason::kUser
                      ? outcome.Message()
                      : QStringLiteral("录像已停止: %1").arg(file));
    RefreshDisplay();
}

} // namespace vx7::camera
