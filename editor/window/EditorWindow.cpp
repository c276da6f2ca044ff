#include "editor/window/EditorWindow.h"

#include "controls/BitmapButton.h"
#include "controls/CTbarButTittleTip.h"
#include "core/SysInfo.h"
#include "editor/document/ComposeCanvas.h"
#include "editor/document/EditorLayout.h"
#include "editor/document/EditorSession.h"
#include "editor/export/EditorExport.h"
#include "editor/interaction/CanvasInteraction.h"
#include "editor/interaction/CursorTimer.h"
#include "editor/window/EditorCanvas.h"
#include "editor/window/EditorPanel.h"
#include "editor/window/QtEditorDialogs.h"
#include "imaging/drawing/DrawingItemList.h"
#include "imaging/raster/RasterDocument.h"
#include "materials/MaterialCatalogue.h"
#include "resources/ResourceCatalog.h"
#include "resources/ResourceLoader.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QWheelEvent>

namespace vx7::editor {

namespace {

using namespace layout;
using C = EditorCommand;

constexpr int kAutoAddOnImage = 17;
constexpr QRgb kHotCornerOuter = qRgb(188, 0, 0);
constexpr QRgb kHotCornerInner = qRgb(233, 0, 0);
constexpr int kIdleTimerMs = 1000;

QCursor CursorFor(CanvasCursor cursor) {
    switch (cursor) {
    case CanvasCursor::Arrow:
        return QCursor(Qt::ArrowCursor);
    case CanvasCursor::Hidden:
        return QCursor(Qt::BlankCursor);
    default:
        return resources::LoadCursor(static_cast<int>(cursor));
    }
}

} // namespace

QString EditorWindow::TitleFor(const QString& photoPath) {
    return QStringLiteral("图片编辑[试衣平台]< %1 >").arg(photoPath);
}

EditorWindow::EditorWindow(EditorContext context, const QString& photoPath, int kind, int mode,
                           QWidget* parent)
    : QDialog(parent), ctx_(std::move(context)) {
    Q_UNUSED(kind);
    state_.openedPhotoPath = photoPath;
    state_.newPhotoFlag = mode == kNewPhotoMode ? kNewPhotoMode : 0;

    setModal(true);
    setMouseTracking(true);
    background_ = QImage(resources::BitmapPath(resources::kEditorBackground));
    setWindowTitle(TitleFor(photoPath));
    setFixedSize(kClientSize);

    EditorDialogs* dialogs = ctx_.dialogs;
    if (!dialogs) {
        ownDialogs_ = std::make_unique<QtEditorDialogs>(this, ctx_.raster, ctx_.sys, ctx_.prompt);
        dialogs = ownDialogs_.get();
    }
    EditorServices services{ctx_.raster, ctx_.items,   ctx_.catalogue, ctx_.sys,
                            ctx_.prompt, ctx_.session, ctx_.today};
    controller_ = std::make_unique<EditorController>(services, state_, *this, *dialogs);

    // The magnifier lives in the panel's own surface, whose top-left is the panel's.
    ctx_.raster.SetMagnifierView(imaging::IntRect{0, 0, kPanel.width(), kPanel.height()});
    ctx_.raster.SetMagnifierSize(kMagnifierSize.width(), kMagnifierSize.height());

    cursorTimer_ = MakeEventLoopCursorTimer();
    interaction_ = std::make_unique<CanvasInteraction>(
        CanvasInteraction::Parts{ctx_.raster, ctx_.items, ctx_.session.materials, controller_->Caption(),
                                 state_, *this, *cursorTimer_});
    interaction_->SetMagnifierBoxSize(kMagnifierSize);
    controller_->SetInteraction(interaction_.get());

    BuildControls();

    ExportSettings settings;
    core::SysInfo& sys = ctx_.sys;
    settings.workFolder = sys.WorkFolder();
    settings.photoFolder = [&sys] { return sys.PhotoFolder(); };
    settings.savedFolder = [&sys] { return sys.Text(201); };
    settings.storeFolder = [&sys](const QString& folder) { sys.Text(202, folder); };
    export_ = std::make_unique<EditorExport>(
        ctx_.raster, [this] { return RenderComposition(); }, ctx_.encoders, ctx_.prompt, settings,
        PhotoSaveMemory{ctx_.session.chosenSaveFolder, ctx_.session.lastSavedName});
    controller_->SetExport(export_.get());

    controller_->Open(kCanvas.height());
    connect(&tick_, &QTimer::timeout, this, [] {});
    tick_.start(kIdleTimerMs);
}

EditorWindow::~EditorWindow() {
    // The interaction refers to the widgets' surfaces; drop those links first.
    if (interaction_) {
        interaction_->SetCanvasSurface(nullptr);
        interaction_->SetPanelSurface(nullptr);
    }
    if (canvas_)
        canvas_->SetInteraction(nullptr);
    if (panel_)
        panel_->SetInteraction(nullptr);
}

void EditorWindow::BuildControls() {
    for (size_t i = 0; i < kButtons.size(); ++i)
        buttonImages_[i] =
            QImage(QDir(ctx_.sys.SystemPictureFolder())
                       .filePath(QString::fromLatin1(kButtons[i].picture) + QStringLiteral(".png")));
    buttonImages_[kAutoAddOnImage] =
        QImage(QDir(ctx_.sys.SystemPictureFolder())
                   .filePath(QString::fromLatin1(kAutoAddOnPicture) + QStringLiteral(".png")));

    canvas_ = new EditorCanvas(this);
    canvas_->setGeometry(kCanvas);
    canvas_->SetInteraction(interaction_.get());
    interaction_->SetCanvasSurface(&canvas_->Surface());
    canvas_->SetCompose([this](imaging::CanvasSurface& s) { ComposeInto(s, false); });

    panel_ = new EditorPanel(this);
    panel_->setGeometry(kPanel);
    panel_->SetInteraction(interaction_.get());
    interaction_->SetPanelSurface(&panel_->Surface());
    panel_->SetMagnifierPainter([this](imaging::CanvasSurface& s) { PaintMagnifier(s); });
    panel_->SetGridPainter([this](QPainter& painter) {
        painter.translate(-kPanel.topLeft());
        controller_->Grid().Paint(painter, ctx_.catalogue, ctx_.session.pictures, font());
    });
    panel_->SetGridClick([this](QPoint p) { controller_->WindowLeftPress(p + kPanel.topLeft()); });
    panel_->SetContextMenu([this](QPoint global) { controller_->PanelContextMenu(global); });

    status_ = new QLabel(prompts::kIdle, this);
    status_->setGeometry(kStatus);
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status_->setAutoFillBackground(true);
    status_->setAttribute(Qt::WA_TransparentForMouseEvents, true);

    backgroundCheck_ = new QCheckBox(QStringLiteral("背景图片"), this);
    backgroundCheck_->setGeometry(kBackgroundCheckRect);
    connect(backgroundCheck_, &QCheckBox::clicked, this,
            [this](bool on) { controller_->BackgroundOptionChanged(on); });
    materialCheck_ = new QCheckBox(QStringLiteral("素材(服装)"), this);
    materialCheck_->setGeometry(kMaterialCheckRect);
    connect(materialCheck_, &QCheckBox::clicked, this, [this](bool on) {
        panel_->SetMaterialView(on);
        controller_->MaterialViewChanged(on);
    });

    materialLabel_ = new QLabel(QStringLiteral("素材:"), this);
    materialLabel_->setGeometry(kMaterialLabelRect);
    materialLabel_->hide();
    groupLabel_ = new QLabel(QStringLiteral("项目分类:"), this);
    groupLabel_->setGeometry(kGroupLabelRect.adjusted(0, -2, 0, 2));

    packageCombo_ = new QComboBox(this);
    packageCombo_->setGeometry(kPackageComboRect);
    connect(packageCombo_, &QComboBox::activated, this,
            [this](int index) { controller_->PackageChosen(packageCombo_->itemText(index)); });
    groupCombo_ = new QComboBox(this);
    groupCombo_->setGeometry(kGroupComboRect);
    connect(groupCombo_, &QComboBox::activated, this, [this](int index) { controller_->GroupChosen(index); });

    makeupButton_ = new controls::BitmapButton(QStringLiteral("化装盒"), this);
    makeupButton_->setGeometry(kMakeupButtonRect);
    makeupButton_->hide();
    connect(makeupButton_, &QAbstractButton::clicked, this, [this] { controller_->Run(C::OpenMakeupBox); });
    previousPage_ = new controls::BitmapButton(QStringLiteral("<"), this);
    previousPage_->setGeometry(kPreviousPageRect);
    connect(previousPage_, &QAbstractButton::clicked, this, [this] { controller_->Run(C::PreviousPage); });
    nextPage_ = new controls::BitmapButton(QStringLiteral(">"), this);
    nextPage_->setGeometry(kNextPageRect);
    connect(nextPage_, &QAbstractButton::clicked, this, [this] { controller_->Run(C::NextPage); });

    auto button = [this](const char* text, const QRect& rect, C command) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setGeometry(rect);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, command] { controller_->Run(command); });
        return b;
    };
    selectNext_ = button("激活素材", kSelectNextRect, C::SelectNextMaterial);
    removeMaterial_ = button("删除素材", kRemoveMaterialRect, C::RemoveMaterial);
    moveScale_ = button("移动缩放", kMoveScaleRect, C::MoveScaleMaterial);
    moveAll_ = button("整体移动", kMoveAllRect, C::MoveAllMaterials);
    clearAll_ = button("全清", kClearAllRect, C::ClearAllMaterials);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setGeometry(kCancelRect);
    cancel_->hide();
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    tip_ = new controls::CTbarButTittleTip(this);
}

// ---- Composition ------------------------------------------------------------

void EditorWindow::ComposeInto(imaging::CanvasSurface& surface, bool forExport) {
    if (!forExport && !photoLoaded_) {
        // The first paint loads the handed-over photo, exactly once.
        photoLoaded_ = true;
        controller_->LoadOpenedPhoto();
    }
    const CanvasLayers layers{
        ctx_.raster,          ctx_.items, ctx_.session.materials, ctx_.catalogue, controller_->Caption(),
        ctx_.session.pictures};
    if (forExport) {
        // A copy of the state: rendering for export must not end a gesture
        // or use up the one-shot background reload.
        EditorState copy = state_;
        copy.commitPlacement = false;
        ComposeCanvas(surface, layers, copy, false);
        return;
    }
    const ComposeResult result = ComposeCanvas(surface, layers, state_);
    interaction_->AfterCompose();
    if (result.gestureEnded)
        Notify(CanvasNotice::GestureEnded);
}

void EditorWindow::ComposeCanvasNow() {
    canvas_->ComposeNow();
}

QImage EditorWindow::RenderComposition() {
    imaging::CanvasSurface surface(canvas_->width(), canvas_->height());
    ComposeInto(surface, true);
    return surface.Image();
}

void EditorWindow::PaintMagnifier(imaging::CanvasSurface& panel) {
    ctx_.raster.PaintMagnifier(panel);
}

// ---- Painting the window ----------------------------------------------------

QImage EditorWindow::ButtonImage(int index) const {
    if (kButtons[static_cast<size_t>(index)].command == kAutoAddCommand && controller_->AutoAdd())
        return buttonImages_[kAutoAddOnImage];
    return buttonImages_[static_cast<size_t>(index)];
}

QString EditorWindow::ButtonPicture(int index) const {
    if (index < 0 || index >= static_cast<int>(kButtons.size()))
        return QString();
    if (kButtons[static_cast<size_t>(index)].command == kAutoAddCommand && controller_->AutoAdd())
        return QString::fromLatin1(kAutoAddOnPicture);
    return QString::fromLatin1(kButtons[static_cast<size_t>(index)].picture);
}

void EditorWindow::PaintButtons(QPainter& painter) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (size_t i = 0; i < kButtons.size(); ++i) {
        const QImage image = ButtonImage(static_cast<int>(i));
        if (!image.isNull())
            painter.drawImage(kButtons[i].rect.topLeft(), image);
    }
    // The hot corner of the clipboard button.
    const QRect corner = HotCorner(kButtons[static_cast<size_t>(ButtonIndex(kClipboardCommand))].rect);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor::fromRgb(kHotCornerOuter));
    painter.drawRect(corner.adjusted(0, 0, -1, -1));
    painter.setPen(QColor::fromRgb(kHotCornerInner));
    painter.drawRect(corner.adjusted(1, 1, -2, -2));
}

void EditorWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!background_.isNull())
        painter.drawImage(rect(), background_);
    else
        painter.fillRect(rect(), palette().window());
    PaintButtons(painter);

    // The background colour below its check box.
    painter.fillRect(kBackgroundSwatch, QColor::fromRgb(ctx_.raster.BackgroundColour().ToQRgb()));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kBackgroundSwatch.adjusted(0, 0, -1, -1));

    const int previewed = controller_->PreviewedItem();
    const QImage picture = previewed >= 0
                               ? ctx_.session.pictures.Picture(ctx_.catalogue.MaterialPicturePath(previewed))
                               : QImage();
    MaterialGrid::PaintPreview(painter, kPreview, picture);
}

// ---- Mouse and keys ---------------------------------------------------------

void EditorWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        // The click may open a menu or a dialog over the button: its tip goes first.
        tip_->HideTip();
        controller_->WindowLeftPress(event->position().toPoint());
    } else {
        QDialog::mousePressEvent(event);
    }
}

void EditorWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const int index = ButtonAt(pos);
    hovered_ = index;
    if (index >= 0) {
        setCursor(resources::LoadCursor(resources::kHoverCursor));
        const ToolbarButton& b = kButtons[static_cast<size_t>(index)];
        const bool corner = b.command == kClipboardCommand && HotCorner(b.rect).contains(pos);
        const QPoint anchor = TipAnchor(b);
        tip_->ShowTip(anchor.x(), anchor.y(), QString::fromUtf8(corner ? kHotCornerTip : b.tip));
        return;
    }
    const int tool = controller_->ToolCode();
    if (kStatus.contains(pos) && (controller_->Gesture() == GestureMode::PlacePicture ||
                                  tool == static_cast<int>(imaging::ToolMode::StickerSelection))) {
        setCursor(resources::LoadCursor(190));
        return;
    }
    if (state_.materialViewOption && kPreview.contains(pos) && controller_->PreviewWaiting()) {
        setCursor(resources::LoadCursor(resources::kHoverCursor));
        return;
    }
    setCursor(Qt::ArrowCursor);
}

void EditorWindow::wheelEvent(QWheelEvent* event) {
    const QPoint pos = event->position().toPoint();
    const bool overCanvas = kCanvas.contains(pos);
    const bool overPanel = kPanel.contains(pos) && !state_.materialViewOption;
    if (!overCanvas && !overPanel)
        return;
    const int delta = event->angleDelta().y();
    interaction_->Wheel(delta > 0 ? 1 : (delta < 0 ? -1 : 0));
    event->accept();
}

void EditorWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Shift:
        controller_->ShiftPressed();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        // Arrow keys only scroll the canvas, which never scrolls.
        event->accept();
        return;
    default:
        break;
    }
    QDialog::keyPressEvent(event);
}

// ---- EditorView -------------------------------------------------------------

void EditorWindow::SetStatus(const QString& text) {
    // Scheduled, not painted at once: the status can change while the canvas is being
    // painted (a placement ends during the composition), and a nested repaint there is lost.
    status_->setText(text);
    status_->update();
}

void EditorWindow::RepaintCanvas() {
    canvas_->Recompose();
}

void EditorWindow::RepaintPanel() {
    panel_->Repaint();
}

void EditorWindow::RepaintWindow() {
    update();
}

void EditorWindow::RepaintButton(int index) {
    if (index >= 0 && index < static_cast<int>(kButtons.size()))
        update(kButtons[static_cast<size_t>(index)].rect);
}

void EditorWindow::RepaintPreview() {
    update(kPreview);
}

void EditorWindow::ShowMaterialButtons(bool visible) {
    for (QWidget* w : {static_cast<QWidget*>(selectNext_), static_cast<QWidget*>(removeMaterial_),
                       static_cast<QWidget*>(moveScale_), static_cast<QWidget*>(moveAll_),
                       static_cast<QWidget*>(clearAll_)})
        w->setVisible(visible);
}

QPushButton* EditorWindow::MaterialButton(EditorCommand command) const {
    switch (command) {
    case C::SelectNextMaterial:
        return selectNext_;
    case C::RemoveMaterial:
        return removeMaterial_;
    case C::MoveScaleMaterial:
        return moveScale_;
    case C::MoveAllMaterials:
        return moveAll_;
    case C::ClearAllMaterials:
        return clearAll_;
    default:
        return nullptr;
    }
}

QWidget* EditorWindow::PageButton(bool next) const {
    return next ? nextPage_ : previousPage_;
}

QWidget* EditorWindow::MakeupButton() const {
    return makeupButton_;
}

void EditorWindow::EnableMaterialButton(EditorCommand button, bool enabled) {
    if (QPushButton* b = MaterialButton(button))
        b->setEnabled(enabled);
}

void EditorWindow::ShowPageButtons(bool previous, bool next) {
    previousPage_->setVisible(previous);
    nextPage_->setVisible(next);
}

void EditorWindow::EnableMaterialCombos(bool enabled) {
    packageCombo_->setEnabled(enabled);
    groupCombo_->setEnabled(enabled);
}

void EditorWindow::FillPackageCombo(const QStringList& names, const QString& current) {
    const QSignalBlocker block(packageCombo_);
    packageCombo_->clear();
    packageCombo_->addItems(names);
    packageCombo_->setCurrentIndex(names.indexOf(current));
}

void EditorWindow::FillGroupCombo(const QStringList& groups) {
    const QSignalBlocker block(groupCombo_);
    groupCombo_->clear();
    groupCombo_->addItems(groups);
    groupCombo_->setCurrentIndex(groups.isEmpty() ? -1 : 0);
}

void EditorWindow::ShowMakeupButton(bool visible) {
    makeupButton_->setVisible(visible);
}

void EditorWindow::SetCheckBoxes(bool backgroundPicture, bool materialView) {
    backgroundCheck_->setChecked(backgroundPicture);
    materialCheck_->setChecked(materialView);
}

imaging::CanvasSurface* EditorWindow::CanvasSurface() {
    return canvas_ ? &canvas_->Surface() : nullptr;
}

QRect EditorWindow::ScreenRect(EditorCommand command) const {
    QRect local;
    const int index = ButtonIndex(static_cast<int>(command));
    if (index >= 0)
        local = kButtons[static_cast<size_t>(index)].rect;
    else if (command == C::OpenMakeupBox)
        local = kMakeupButtonRect;
    else if (QPushButton* b = MaterialButton(command))
        local = b->geometry();
    else
        local = kCanvas;
    return QRect(mapToGlobal(local.topLeft()), local.size());
}

void EditorWindow::SetBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void EditorWindow::Close(bool accepted) {
    if (accepted)
        accept();
    else
        reject();
}

// ---- CanvasListener ---------------------------------------------------------

void EditorWindow::Notify(CanvasNotice notice) {
    controller_->CanvasNotice(notice);
    if (notice == CanvasNotice::GestureEnded || notice == CanvasNotice::ToolEnded)
        canvas_->setCursor(Qt::ArrowCursor);
}

void EditorWindow::CanvasSurfaceChanged(const QRect& dirty) {
    canvas_->update(dirty);
}

void EditorWindow::PanelSurfaceChanged(const QRect& dirty) {
    panel_->update(dirty);
}

void EditorWindow::SetCursor(CanvasCursor cursor) {
    const QCursor c = CursorFor(cursor);
    canvas_->setCursor(c);
    panel_->setCursor(c);
}

} // namespace vx7::editor
