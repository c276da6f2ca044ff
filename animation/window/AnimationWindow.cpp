#include "AnimationWindow.h"

#include "AnimationWindowLayout.h"
#include "VideoLayout.h"
#include "VideoView.h"
#include "animation/AnimationLog.h"
#include "animation/making/FileChooser.h"
#include "animation/making/GifBuildRunner.h"
#include "animation/making/GifPaths.h"
#include "animation/picture/AnimatedPicture.h"
#include "core/PathParts.h"
#include "core/SysInfo.h"
#include "platform/Prompt.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

namespace vx7::animation {
namespace {

using Layout = AnimationWindowLayout;

QLabel* MakeField(QWidget* parent, const QRect& rect) {
    auto* label = new QLabel(parent);
    label->setGeometry(rect);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, const QRect& rect) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(rect);
    button->setAutoDefault(false);
    return button;
}

} // namespace

AnimationWindow::AnimationWindow(AnimationWindowContext ctx, LastMadeFile lastMade, bool autoOpen,
                                 QWidget* parent)
    : QDialog(parent), ctx_(std::move(ctx)), lastMade_(std::move(lastMade)) {
    setObjectName(QStringLiteral("AnimationWindow"));
    setWindowTitle(QStringLiteral("视频[动画]窗口"));
    setFixedSize(Layout::kClientSize);
    dialogDisplayRect_ = Layout::kDisplay;

    commands_ = {
        {kOpenFile, &AnimationWindow::OpenFile},
        {kCloseFile, &AnimationWindow::CloseFile},
        {kPlay, &AnimationWindow::Play},
        {kStop, &AnimationWindow::StopVideo},
        {kAddPicture, &AnimationWindow::AddGifPicture},
        {kBuildGif, &AnimationWindow::BuildGif},
        {kGifFolder, &AnimationWindow::ChooseGifFolder},
    };

    runner_ = new GifBuildRunner(ctx_.engine, ctx_.encoders, this);
    connect(runner_, &GifBuildRunner::Progress, this, [this](int done, int total, const QString& text) {
        progress_->setRange(0, total);
        progress_->setValue(done);
        SetBuildStatus(text);
    });
    connect(runner_, &GifBuildRunner::Finished, this, &AnimationWindow::OnBuildFinished);

    BuildControls();
    UpdateTitle();

    // Initial file list of the AVI mode.
    RefillList();
    UpdateVisibility();

    // A file just made at the camera station: "打开文件" uses its name with the photo
    // folder until a row is selected; a GIF switches to the GIF mode and display.
    if (lastMade_.IsUsable()) {
        if (lastMade_.kind == LastMadeFile::kGif) {
            modes_->button(kModeGif)->setChecked(true);
            SetMode(kGif);
            ShowDisplay(Shown::Gif);
        }
        selectedName_ = lastMade_.name;
        usePhotoFolderName_ = true;
        status_->setText(selectedName_);
        autoOpenPending_ = autoOpen;
    }
    UpdateOpenButton();

    timer_ = new QTimer(this);
    timer_->setInterval(kTimerMilliseconds);
    connect(timer_, &QTimer::timeout, this, &AnimationWindow::Tick);
    timer_->start();
}

AnimationWindow::~AnimationWindow() {
    ShutDown();
}

void AnimationWindow::BuildControls() {
    video_ = new VideoView(this);
    video_->setGeometry(Layout::kDisplay);
    controls_[kDisplay] = video_;

    // The GIF display lies over the display area; the holder clips a picture larger
    // than the area so it never covers the other controls.
    gifArea_ = new QWidget(this);
    gifArea_->setGeometry(Layout::kDisplay);
    picture_ = new AnimatedPicture(gifArea_);
    // A larger animation is scaled down to the area, never cut.
    picture_->SetMaximumDisplaySize(Layout::kDisplay.size());
    picture_->move(0, 0);
    controls_[kGifPicture] = picture_;

    list_ = new QTableWidget(0, 2, this);
    list_->setGeometry(Layout::kFileList);
    list_->setHorizontalHeaderLabels({QStringLiteral("号"), QStringLiteral("名称")});
    list_->setColumnWidth(0, Layout::kNumberColumnWidth);
    list_->setColumnWidth(1, Layout::kNameColumnWidth);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->hide();
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setShowGrid(true);
    QPalette listPalette = list_->palette();
    listPalette.setColor(QPalette::Base, QColor(210, 209, 254));
    listPalette.setColor(QPalette::AlternateBase, QColor(210, 209, 254));
    list_->setPalette(listPalette);
    connect(list_, &QTableWidget::itemSelectionChanged, this, [this] {
        const auto rows = list_->selectionModel()->selectedRows();
        SelectRow(rows.isEmpty() ? -1 : rows.constFirst().row());
    });
    // A double click opens the row's file, as "打开文件" would.
    connect(list_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        SelectRow(row);
        if (mode_ != kMakeGif && !selectedName_.isEmpty())
            OpenFile();
    });
    controls_[kFileList] = list_;

    modes_ = new QButtonGroup(this);
    const struct {
        int id;
        const char* text;
        QRect rect;
    } radios[] = {{kModeAvi, "AVI", Layout::kModeAvi},
                  {kModeGif, "GIF", Layout::kModeGif},
                  {kModeMakeGif, "制作GIF", Layout::kModeMakeGif}};
    for (const auto& r : radios) {
        auto* radio = new QRadioButton(QString::fromUtf8(r.text), this);
        radio->setGeometry(r.rect);
        modes_->addButton(radio, r.id);
        controls_[r.id] = radio;
    }
    modes_->button(kModeAvi)->setChecked(true);
    connect(modes_, &QButtonGroup::idClicked, this, [this](int id) {
        SetMode(id == kModeAvi ? kAvi : id == kModeGif ? kGif : kMakeGif);
    });

    info_ = MakeField(this, Layout::kInfo);
    controls_[kInfo] = info_;
    frame_ = MakeField(this, Layout::kFrame);
    controls_[kFrame] = frame_;
    status_ = MakeField(this, Layout::kStatus);
    controls_[kStatus] = status_;

    const struct {
        int id;
        const char* text;
        QRect rect;
    } buttons[] = {{kOpenFile, "打开文件", Layout::kOpenFile},
                   {kCloseFile, "关闭文件", Layout::kCloseFile},
                   {kPlay, "播放", Layout::kPlay},
                   {kStop, "停止", Layout::kStop},
                   {kAddPicture, "加图片文件", Layout::kAddPicture},
                   {kBuildGif, "建立GIF", Layout::kBuildGif},
                   {kGifFolder, "GIF目录", Layout::kGifFolder}};
    for (const auto& b : buttons) {
        QPushButton* button = MakeButton(this, QString::fromUtf8(b.text), b.rect);
        const int id = b.id;
        connect(button, &QPushButton::clicked, this, [this, id] { RunCommand(id); });
        controls_[id] = button;
    }
    for (int id : {kCloseFile, kPlay, kStop, kBuildGif})
        controls_[id]->setEnabled(false);

    fill_ = new QCheckBox(QStringLiteral("满屏"), this);
    fill_->setGeometry(Layout::kFill);
    connect(fill_, &QCheckBox::toggled, this, &AnimationWindow::SetFillArea);
    controls_[kFill] = fill_;

    interval_ = new QComboBox(this);
    interval_->setGeometry(Layout::kInterval);
    interval_->addItems(GifMakingSettings::Entries());
    interval_->setPlaceholderText(making_.Interval());
    interval_->setCurrentIndex(-1);
    connect(interval_, &QComboBox::textActivated, this, &AnimationWindow::SelectInterval);
    controls_[kInterval] = interval_;

    auto* caption = new QLabel(QStringLiteral("Gif文件名:"), this);
    caption->setGeometry(Layout::kNameCaption);
    controls_[kNameCaption] = caption;
    name_ = new QLineEdit(this);
    name_->setGeometry(Layout::kName);
    controls_[kName] = name_;

    progress_ = new QProgressBar(this);
    progress_->setGeometry(Layout::kProgress);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("%v / %m"));
    progress_->setTextVisible(false);
    buildStatus_ = new QLabel(this);
    buildStatus_->setGeometry(Layout::kBuildStatus);
    ShowMakingState();
}

QWidget* AnimationWindow::Control(int id) const {
    return controls_.value(id, nullptr);
}

void AnimationWindow::RunCommand(int id) {
    if (const auto it = commands_.constFind(id); it != commands_.constEnd())
        (this->*it.value())();
}

void AnimationWindow::UpdateTitle() {
    setWindowTitle(QStringLiteral("视频[动画]窗口< Gif目录:%1 >").arg(GifPaths::GifFolder(ctx_.sys)));
}

// ---- file list ------------------------------------------------------------

void AnimationWindow::RefillList() {
    files_.Refill(ctx_.sys, mode_ == kGif ? 1 : 0);
    selectedName_.clear();
    usePhotoFolderName_ = false;
    status_->clear();
    ShowRows();
    UpdateOpenButton();
}

void AnimationWindow::ShowRows() {
    const QSignalBlocker block(list_);
    const int rows = std::max(files_.RowCount(), pictures_.Count());
    if (list_->rowCount() < rows)
        list_->setRowCount(rows);
    for (int row = 0; row < list_->rowCount(); ++row) {
        QString name;
        if (mode_ == kMakeGif)
            name = row < pictures_.Count() ? core::FileTitlePart(pictures_.At(row))
                                           : AnimationFileList::EmptyRowText();
        else
            name = files_.RowName(row);
        auto* number = new QTableWidgetItem(AnimationFileList::RowNumber(row));
        auto* title = new QTableWidgetItem(name);
        number->setFlags(number->flags() & ~Qt::ItemIsEditable);
        title->setFlags(title->flags() & ~Qt::ItemIsEditable);
        list_->setItem(row, 0, number);
        list_->setItem(row, 1, title);
    }
    if (mode_ != kMakeGif && !files_.HasValidSelection())
        list_->clearSelection();
}

int AnimationWindow::ListRowCount() const {
    return list_->rowCount();
}

QString AnimationWindow::RowText(int row, int column) const {
    const QTableWidgetItem* item = list_->item(row, column);
    return item ? item->text() : QString();
}

void AnimationWindow::SelectRow(int row) {
    if (mode_ == kMakeGif) {
        if (row >= 0 && row < pictures_.Count()) {
            shownPicture_ = row;
        }
        update();
        return;
    }
    if (files_.Select(row)) {
        selectedName_ = files_.RowName(row);
        usePhotoFolderName_ = false;
        status_->setText(selectedName_);
    }
    UpdateOpenButton();
    update();
}

QString AnimationWindow::PathToOpen() const {
    if (usePhotoFolderName_)
        return core::JoinPath(ctx_.sys.PhotoFolder(), selectedName_);
    return files_.PathAt(files_.SelectedRow());
}

void AnimationWindow::UpdateOpenButton() {
    const bool can = !autoOpenPending_ && (files_.HasValidSelection() || usePhotoFolderName_);
    controls_[kOpenFile]->setEnabled(can);
}

// ---- modes and displays ---------------------------------------------------

void AnimationWindow::SetMode(int mode) {
    if (IsBuilding())
        return;
    mode_ = mode == kGif ? kGif : mode == kMakeGif ? kMakeGif : kAvi;
    if (QAbstractButton* radio = modes_->button(mode_ == kAvi   ? kModeAvi
                                                : mode_ == kGif ? kModeGif
                                                                : kModeMakeGif))
        radio->setChecked(true);
    if (mode_ == kMakeGif) {
        CloseVideo();
        StopGif();
        pictures_.Clear();
        shownPicture_ = -1;
        controls_[kBuildGif]->setEnabled(false);
        list_->clearSelection();
        ShowRows();
        ShowMakingState();
    } else {
        RefillList();
    }
    UpdateVisibility();
    update();
}

void AnimationWindow::ShowDisplay(Shown kind) {
    shown_ = kind;
    UpdateVisibility();
}

void AnimationWindow::UpdateVisibility() {
    const bool making = mode_ == kMakeGif;
    for (int id : {kOpenFile, kCloseFile, kStatus})
        controls_[id]->setVisible(!making);
    for (int id : {kAddPicture, kBuildGif, kGifFolder, kInterval, kNameCaption, kName})
        controls_[id]->setVisible(making);
    progress_->setVisible(making);
    buildStatus_->setVisible(making);
    const bool video = !making && shown_ == Shown::Video;
    video_->setVisible(video);
    controls_[kStop]->setVisible(video);
    controls_[kFill]->setVisible(video);
    gifArea_->setVisible(!making && shown_ == Shown::Gif);
}

// ---- opening and closing --------------------------------------------------

void AnimationWindow::OpenFile() {
    autoOpenPending_ = false;
    const QString path = PathToOpen();
    if (mode_ == kAvi)
        OpenVideo(path);
    else
        OpenGif(path);
    UpdateOpenButton();
}

void AnimationWindow::OpenGif(const QString& path) {
    CloseVideo();
    ShowDisplay(Shown::Gif);
    controls_[kPlay]->setEnabled(false);
    info_->clear();
    frame_->clear();
    // A picture that cannot be loaded shows nothing.
    if (picture_->LoadFile(path)) {
        picture_->show();
        picture_->Draw();
    }
    // Closing is the only way to stop an animation, so it must be reachable.
    controls_[kCloseFile]->setEnabled(true);
}

void AnimationWindow::OpenVideo(const QString& path) {
    StopGif();
    ShowDisplay(Shown::Video);
    if (player_ && player_->IsOpen()) {
        ctx_.prompt.Message(QStringLiteral("请在打开视频文件前先关闭原来的文件"));
        player_->Pause();
        return;
    }
    video_->setGeometry(dialogDisplayRect_);
    std::unique_ptr<VideoPlayer> player = ctx_.makePlayer ? ctx_.makePlayer() : nullptr;
    QString error;
    if (!player || !player->Open(path, &error)) {
        qCInfo(lcAnimation) << "cannot open video" << path << error;
        ctx_.prompt.Message(QStringLiteral("无法打开该文件!"), QStringLiteral("Error"));
        return;
    }
    player_ = std::move(player);
    controls_[kCloseFile]->setEnabled(true);
    controls_[kPlay]->setEnabled(true);
    player_->SetSoundOn(true);
    player_->SetSpeed(kSpeed);
    info_->setText(
        VideoLayout::InfoLine(player_->FrameRateValue(), player_->LengthFrames(), player_->SourceSize()));
    frame_->clear();
    videoStopped_ = false;
    PlaceVideo();
    video_->Attach(player_.get());
}

void AnimationWindow::PlaceVideo() {
    const QSize size = player_ ? player_->SourceSize() : QSize();
    video_->setGeometry(VideoLayout::DisplayRect(dialogDisplayRect_, size, fill_->isChecked()));
}

void AnimationWindow::SetFillArea(bool on) {
    if (fill_->isChecked() != on) {
        const QSignalBlocker block(fill_);
        fill_->setChecked(on);
    }
    if (player_ && player_->IsOpen())
        PlaceVideo();
}

void AnimationWindow::CloseFile() {
    if (shown_ == Shown::Video) {
        CloseVideo();
    } else {
        StopGif();
        picture_->hide(); // the area is empty again
    }
    for (int id : {kCloseFile, kPlay, kStop})
        controls_[id]->setEnabled(false);
    status_->clear();
}

void AnimationWindow::CloseVideo() {
    if (!player_)
        return;
    video_->Attach(nullptr);
    player_->Close();
    player_.reset();
    playState_ = 0;
    videoStopped_ = false;
    for (int id : {kCloseFile, kPlay, kStop})
        controls_[id]->setEnabled(false);
}

void AnimationWindow::StopGif() {
    picture_->Stop();
}

// ---- playing --------------------------------------------------------------

void AnimationWindow::Play() {
    if (!player_ || !player_->IsOpen())
        return;
    if (player_->PositionFrames() >= player_->LengthFrames())
        player_->SeekToStart();
    player_->Play();
    controls_[kStop]->setEnabled(true);
    frame_->clear();
    playState_ = kPlayStatePlaying;
    videoStopped_ = false;
}

void AnimationWindow::StopVideo() {
    if (!player_ || !player_->IsOpen())
        return;
    player_->Stop();
    player_->SeekToStart();
    controls_[kStop]->setEnabled(false);
    playState_ = 0;
    videoStopped_ = true;
}

void AnimationWindow::Tick() {
    if (playState_ != kPlayStatePlaying || !player_ || !player_->IsOpen())
        return;
    if (!videoStopped_)
        frame_->setText(VideoLayout::FrameText(player_->PositionFrames()));
    const VideoPlayer::Mode mode = player_->CurrentMode();
    if (mode != VideoPlayer::Mode::Playing && mode != VideoPlayer::Mode::Paused) {
        playState_ = 0;
        controls_[kStop]->setEnabled(false);
    }
}

// ---- GIF making -----------------------------------------------------------

void AnimationWindow::SelectInterval(const QString& text) {
    making_.SelectIntervalOrMode(text);
    ShowMakingState();
}

void AnimationWindow::ShowMakingState() {
    if (IsBuilding())
        return;
    interval_->setPlaceholderText(making_.Interval());
    SetBuildStatus(QStringLiteral("间隔 %1 秒, %2, %3/%4 张图片")
                       .arg(making_.Interval(), GifMakingSettings::ModeText(making_.Mode()))
                       .arg(pictures_.Count())
                       .arg(GifPictureList::kCapacity));
}

void AnimationWindow::AddGifPicture() {
    if (pictures_.IsFull()) {
        SetBuildStatus(QStringLiteral("最多只能加入 %1 张图片").arg(GifPictureList::kCapacity));
        return;
    }
    const QString chosen = ctx_.files.OpenFile(this, PictureFilter(), PictureInitialName());
    if (!chosen.isEmpty() && pictures_.Add(chosen)) {
        const int index = pictures_.Count() - 1;
        ShowRows();
        shownPicture_ = index;
        controls_[kBuildGif]->setEnabled(true);
        ShowMakingState();
    }
    QDir::setCurrent(ctx_.sys.InstallFolder());
    update();
}

void AnimationWindow::BuildGif() {
    if (IsBuilding() || pictures_.IsEmpty())
        return;
    const QString name = name_->text();
    if (name.trimmed().isEmpty()) {
        ctx_.prompt.Message(QStringLiteral("请输入Gif文件名!"), QStringLiteral("特别提示"));
        return;
    }
    if (name.contains(QLatin1Char('/'))) {
        ctx_.prompt.Message(QStringLiteral("Gif文件名不能包含 / 字符!"), QStringLiteral("特别提示"));
        return;
    }
    const QString output = GifPaths::Output(GifPaths::GifFolder(ctx_.sys), name);
    if (QFileInfo::exists(output) && !ctx_.prompt.Ask(ReplaceQuestion(name), QStringLiteral("特别提示")))
        return;

    GifBuildRequest request;
    request.pictures = pictures_.Paths();
    request.mode = making_.Mode();
    request.delay = making_.DelayHundredths();
    request.output = output;
    if (request.mode == GifMakingSettings::kModePopularColours) {
        for (const QString& picture : request.pictures)
            request.workBmps.append(GifPaths::WorkBmp(ctx_.sys, picture));
    }
    SetBuilding(true);
    progress_->setRange(0, static_cast<int>(request.pictures.size()));
    progress_->setValue(0);
    progress_->setTextVisible(true);
    if (!runner_->Start(request))
        SetBuilding(false);
}

void AnimationWindow::SetBuilding(bool building) {
    for (int id : {kAddPicture, kBuildGif, kGifFolder, kInterval, kName, kModeAvi, kModeGif, kModeMakeGif})
        controls_[id]->setEnabled(!building);
    if (!building)
        controls_[kBuildGif]->setEnabled(!pictures_.IsEmpty());
}

void AnimationWindow::OnBuildFinished(const GifJobResult& result) {
    SetBuilding(false);
    progress_->setValue(progress_->maximum());
    SetBuildStatus(result.message);
    if (result.outcome == GifJobResult::Outcome::ConverterMissing)
        ctx_.prompt.Message(result.message, QStringLiteral("特别提示"));
    emit BuildFinished(result);
}

bool AnimationWindow::IsBuilding() const {
    return runner_ && runner_->IsRunning();
}

QString AnimationWindow::BuildStatusText() const {
    return buildStatusText_;
}

void AnimationWindow::SetBuildStatus(const QString& text) {
    // A long result (a path) is shortened in the middle; the tooltip holds it whole.
    buildStatusText_ = text;
    const QString shown =
        buildStatus_->fontMetrics().elidedText(text, Qt::ElideMiddle, buildStatus_->width() - 4);
    buildStatus_->setText(shown);
    buildStatus_->setToolTip(shown == text ? QString() : text);
}

void AnimationWindow::ChooseGifFolder() {
    if (const std::optional<QString> folder = ctx_.files.ChooseFolder(this)) {
        ctx_.sys.Text(core::SysInfo::kStoreGifFolder, *folder);
        UpdateTitle();
    }
    QDir::setCurrent(ctx_.sys.InstallFolder());
    update();
}

// ---- painting and closing -------------------------------------------------

void AnimationWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    if (mode_ == kMakeGif) {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(dialogDisplayRect_.adjusted(0, 0, -1, -1));
        const QString path = pictures_.At(shownPicture_);
        if (path != shownPicturePath_) {
            // Read once per shown picture; a picture that cannot be read shows nothing.
            QImageReader reader(path);
            shownPictureImage_ = reader.read();
            shownPicturePath_ = path;
        }
        if (!shownPictureImage_.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(Layout::PictureRect(dialogDisplayRect_, shownPictureImage_.size()),
                              shownPictureImage_);
        }
    }
    if (autoOpenPending_) {
        // The just-made GIF is opened once the window has shown itself.
        QTimer::singleShot(0, this, [this] {
            if (autoOpenPending_)
                OpenFile();
        });
    }
}

void AnimationWindow::ShutDown() {
    if (shutDown_)
        return;
    shutDown_ = true;
    if (timer_)
        timer_->stop();
    if (runner_)
        runner_->CancelAndWait();
    CloseVideo();
    StopGif();
}

void AnimationWindow::done(int result) {
    ShutDown();
    QDialog::done(result);
}

} // namespace vx7::animation
