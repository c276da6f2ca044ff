#include "editor/control/EditorController.h"

#include "core/SysInfo.h"
#include "editor/control/EditorView.h"
#include "editor/document/EditorLayout.h"
#include "editor/document/EditorMenus.h"
#include "editor/document/EditorSession.h"
#include "editor/export/EditorExport.h"
#include "editor/interaction/CanvasInteraction.h"
#include "imaging/drawing/DrawingItemList.h"
#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/RasterDocument.h"
#include "materials/MaterialCatalogue.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace vx7::editor {

namespace {

using C = EditorCommand;
using imaging::ToolMode;

// Drawing items of a screenshot are red so they stand out on screen content.
constexpr imaging::Colour kScreenshotItemColour = imaging::Colour(0x000000FFu);
constexpr int kDefaultItemWidth = 2;

// Why the photo at path cannot be shown, or empty when it can.
QString PhotoProblem(const QString& path, qint64 largestPixels) {
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return QStringLiteral("文件不存在");
    if (info.size() == 0)
        return QStringLiteral("文件是空的");
    QImageReader reader(path);
    if (!reader.canRead())
        return QStringLiteral("不是能识别的图片");
    const QSize size = reader.size();
    if (size.isValid() && static_cast<qint64>(size.width()) * size.height() > largestPixels)
        return QStringLiteral("图片太大(%1 x %2)").arg(size.width()).arg(size.height());
    return QString();
}

} // namespace

QString EditorController::UnreadablePhotoMessage(const QString& path) {
    return QStringLiteral("照片无法读取: %1").arg(path);
}

QString EditorController::TypedNameProblem(const QString& typedName) {
    if (typedName.contains(QLatin1Char('/')) || typedName.contains(QLatin1Char('\\')) ||
        typedName.contains(QLatin1String("..")))
        return QStringLiteral("文件名不能含有 \"/\"、\"\\\" 或 \"..\" !");
    return QString();
}

EditorController::EditorController(EditorServices services, EditorState& state, EditorView& view,
                                   EditorDialogs& dialogs)
    : s_(std::move(services)), state_(state), view_(view), dialogs_(dialogs) {
    // Each opening of the editor starts with no material on the canvas.
    s_.session.materials.ResetForNewWindow();
    grid_.SetArea(layout::kGridArea);
}

EditorController::~EditorController() = default;

int EditorController::ToolCode() const {
    return static_cast<int>(state_.toolMode);
}

GestureMode EditorController::Gesture() const {
    return state_.gesture;
}

void EditorController::SetGesture(GestureMode gesture) {
    if (interaction_)
        interaction_->SetGestureMode(gesture);
    state_.SetGesture(gesture);
}

void EditorController::SetStatus(const QString& text) {
    status_ = text;
    view_.SetStatus(text);
}

// ---- Opening ----------------------------------------------------------------

void EditorController::Open(int canvasHeight) {
    s_.items.ClearItems();
    s_.items.SetItemWidth(kDefaultItemWidth);
    SetStatus(prompts::kOpening);

    const QStringList packages = s_.sys.ListMaterialPackages(core::SysInfo::kListCapacityMaterials);
    view_.FillPackageCombo(packages, s_.catalogue.CurrentCategory());
    s_.catalogue.LoadPackage(s_.catalogue.CurrentCategory());
    view_.FillGroupCombo(s_.catalogue.FillGroupCombo());

    s_.raster.SetBackgroundMode(state_.backgroundPictureOption ? imaging::BackgroundMode::Picture
                                                               : imaging::BackgroundMode::Colour);
    const QString lastBackground = s_.sys.Text(301);
    s_.raster.SetBackgroundPath(
        lastBackground.isEmpty() ? QDir(s_.sys.BackgroundFolder()).filePath(QStringLiteral("背景图001.jpg"))
                                 : lastBackground);

    caption_.Reset(s_.session.rememberedCaptionText, s_.today(), canvasHeight);

    if (s_.sys.ScreenshotPending(0)) {
        s_.items.SetItemColour(kScreenshotItemColour);
        state_.screenshotCommitAllowed = true;
    }
    s_.sys.ScreenshotPending(11);

    grid_.SetItems(s_.catalogue.FilterMaterials(0));
    view_.ShowMaterialButtons(false);
    view_.ShowPageButtons(false, false);
    view_.EnableMaterialCombos(state_.materialViewOption != 0);
    view_.ShowMakeupButton(false);
}

bool EditorController::LoadOpenedPhoto() {
    if (state_.openedPhotoPath.size() <= 3)
        return false;
    imaging::CanvasSurface* surface = view_.CanvasSurface();
    if (!surface)
        return false;
    const QString path = state_.openedPhotoPath;
    state_.saveBackPath = path;
    state_.openedPhotoPath.clear();

    const QString problem = PhotoProblem(path, kLargestPhotoPixels);
    if (!problem.isEmpty()) {
        // The editor still opens, on an empty photo; saving back must not
        // write that over the file.
        state_.photoUnreadable = true;
        SetStatus(UnreadablePhotoMessage(path) + QStringLiteral(" (") + problem + QStringLiteral(")"));
        s_.raster.SetPhotoPath(path);
        s_.prompt.Message(UnreadablePhotoMessage(path) + QStringLiteral("\n") + problem);
        return true;
    }
    view_.SetBusy(true);
    s_.raster.LoadPhotoCentred(*surface, path);
    KeepValidAreaOnCanvas();
    view_.SetBusy(false);
    if (!s_.raster.PhotoLoaded()) {
        state_.photoUnreadable = true;
        SetStatus(UnreadablePhotoMessage(path));
        s_.prompt.Message(UnreadablePhotoMessage(path));
    }
    return true;
}

// ---- Tools and gestures -----------------------------------------------------

void EditorController::EndTool() {
    imaging::CanvasSurface* surface = view_.CanvasSurface();
    if (Gesture() == GestureMode::PlacePicture && state_.photoPlacementPending &&
        state_.screenshotCommitAllowed && surface) {
        s_.raster.DrawPlaced(*surface, imaging::CaptureOp::Commit);
        state_.screenshotCommitAllowed = false;
    }
    if (interaction_)
        interaction_->EndTool();
    state_.SetGesture(GestureMode::None);
    state_.toolMode = ToolMode::None;
    SetStatus(prompts::kGestureEnded);
    state_.photoPlacementPending = false;
}

void EditorController::StartTool(int toolCode, const QString& prompt) {
    EndTool();
    if (interaction_)
        interaction_->SetToolMode(static_cast<imaging::ToolMode>(toolCode));
    else
        state_.toolMode = static_cast<imaging::ToolMode>(toolCode);
    SetStatus(prompt);
    view_.RepaintCanvas();
}

void EditorController::StartGesture(GestureMode gesture, const QString& prompt) {
    SetGesture(gesture);
    SetStatus(prompt);
    view_.RepaintCanvas();
}

void EditorController::ClearWorkPolygon() {
    QPoint unused;
    s_.raster.AddPolygonPoint(imaging::PolygonOp::Clear, unused);
}

// ---- Command dispatch -------------------------------------------------------

void EditorController::Run(EditorCommand command) {
    switch (command) {
    case C::BackgroundMenu:
    case C::ClearBackgroundMenu:
    case C::BeautyMenu:
    case C::StickerMenu:
        RunButtonMenu(command);
        break;
    case C::SetBackgroundColour:
        ChooseBackgroundColour();
        break;
    case C::Eraser:
        StartTool(static_cast<int>(ToolMode::Eraser), prompts::kEraser);
        break;
    case C::RemoveBackground:
        EndTool();
        ClearWorkPolygon();
        StartTool(static_cast<int>(ToolMode::RemovePolygon), prompts::kRemoveBackground);
        break;
    case C::ChooseMagnifiedArea:
        StartTool(static_cast<int>(ToolMode::ChooseMagnifiedArea), prompts::kMagnifiedArea);
        break;
    case C::MagicWand:
        StartTool(static_cast<int>(ToolMode::MagicWand), prompts::kMagicWand);
        break;
    case C::LoadBackground:
        ChooseBackgroundFile();
        break;
    case C::PlaceBackground:
        PlaceBackground();
        break;
    case C::BrightenBackground:
        ToneBackground(static_cast<int>(imaging::ToneOp::Brighten));
        break;
    case C::DarkenBackground:
        ToneBackground(static_cast<int>(imaging::ToneOp::Darken));
        break;
    case C::SharpenBackground:
        ToneBackground(static_cast<int>(imaging::ToneOp::Sharpen));
        break;
    case C::ReloadBackground:
        state_.reloadBackground = true;
        view_.RepaintCanvas();
        break;
    case C::KeepShape:
        EndTool();
        ClearWorkPolygon();
        StartTool(static_cast<int>(ToolMode::KeepPolygon), prompts::kKeepShape);
        break;
    case C::BrightenPhoto:
        TonePhoto(static_cast<int>(imaging::ToneOp::Brighten));
        break;
    case C::DarkenPhoto:
        TonePhoto(static_cast<int>(imaging::ToneOp::Darken));
        break;
    case C::LocalBrighten:
        s_.raster.ResetStrokeMask();
        StartTool(static_cast<int>(ToolMode::LocalBrighten), prompts::kLocalBrighten);
        break;
    case C::LocalDarken:
        s_.raster.ResetStrokeMask();
        StartTool(static_cast<int>(ToolMode::LocalDarken), prompts::kLocalDarken);
        break;
    case C::MakeupBox:
        s_.raster.ResetStrokeMask();
        s_.raster.SetSampleTaken(false);
        view_.ShowMakeupButton(true);
        StartTool(static_cast<int>(ToolMode::MakeupBrush), prompts::kMakeup);
        break;
    case C::EndTool:
        s_.raster.ResetStrokeMask();
        if (interaction_)
            interaction_->SetToolMode(ToolMode::None);
        state_.toolMode = ToolMode::None;
        SetStatus(prompts::kIdle);
        view_.RepaintCanvas();
        break;
    case C::Continue:
        break;
    case C::DragPhoto:
        EndTool();
        StartGesture(GestureMode::DragPhoto, prompts::kDragPhoto);
        break;
    case C::PlaceOriginalPhoto:
        PlaceOriginalPhoto();
        break;
    case C::LoadNewPhoto:
        ChooseNewPhoto();
        break;
    case C::ReloadOriginalPhoto:
        ReloadOriginalPhoto();
        break;
    case C::ChooseValidArea:
    case C::ChooseExportArea:
        StartTool(static_cast<int>(ToolMode::ChooseValidArea), prompts::kValidArea);
        break;
    case C::StickerPlain:
    case C::StickerFeather:
    case C::StickerBright: {
        EndTool();
        const imaging::EdgeStyle style = command == C::StickerPlain     ? imaging::EdgeStyle::Plain
                                         : command == C::StickerFeather ? imaging::EdgeStyle::Feather
                                                                        : imaging::EdgeStyle::Bright;
        s_.raster.SetEdgeStyle(style);
        StartTool(static_cast<int>(ToolMode::StickerSelection), prompts::kSticker);
        break;
    }
    case C::MagnifierLeft:
        ScrollMagnifier(static_cast<int>(imaging::ScrollOp::Left));
        break;
    case C::MagnifierRight:
        ScrollMagnifier(static_cast<int>(imaging::ScrollOp::Right));
        break;
    case C::MagnifierUp:
        ScrollMagnifier(static_cast<int>(imaging::ScrollOp::Up));
        break;
    case C::MagnifierDown:
        ScrollMagnifier(static_cast<int>(imaging::ScrollOp::Down));
        break;
    case C::SetEdgeColour:
        ChooseEdgeColour();
        break;
    case C::Spotlight:
        EndTool();
        ClearWorkPolygon();
        StartTool(static_cast<int>(ToolMode::SpotlightPolygon), prompts::kSpotlight);
        break;
    case C::AutoAddSwitch:
        autoAdd_ = !autoAdd_;
        view_.RepaintButton(layout::ButtonIndex(static_cast<int>(C::AutoAddSwitch)));
        break;
    case C::CopyToClipboard:
        // The copy is otherwise invisible: the status line says it is there to paste.
        if (export_ && export_->CopyToClipboard())
            SetStatus(prompts::kCopiedToClipboard);
        view_.RepaintCanvas();
        break;
    case C::SavePhoto:
        if (export_)
            dialogs_.RunPhotoSave(*export_, ButtonBottomLeft(C::SavePhoto));
        view_.RepaintCanvas();
        view_.RepaintWindow();
        break;
    case C::DrawingColour:
        ChooseDrawingColour();
        break;
    case C::DrawFreehand:
        StartTool(static_cast<int>(ToolMode::Freehand), prompts::kFreehand);
        break;
    case C::DrawCircle:
        StartTool(static_cast<int>(ToolMode::Circle), prompts::kCircle);
        break;
    case C::DrawPolyline:
        StartTool(static_cast<int>(ToolMode::Polyline), prompts::kPolyline);
        break;
    case C::DrawRectangle:
        StartTool(static_cast<int>(ToolMode::Rectangle), prompts::kRectangle);
        break;
    case C::DrawPolygonArea:
        StartTool(static_cast<int>(ToolMode::PolygonArea), prompts::kPolygonArea);
        break;
    case C::DrawArrow:
        StartTool(static_cast<int>(ToolMode::Arrow), prompts::kArrow);
        break;
    case C::DeleteDrawingItem:
        s_.items.DeleteLastItem();
        view_.RepaintCanvas();
        break;
    case C::EditCaption:
        EditCaption();
        break;
    case C::SaveAndExit:
        SaveAndExit();
        break;
    case C::FlipWheelAction:
    case C::NextEdgeStyle:
        if (interaction_)
            ShiftOutcomePrompt(static_cast<int>(interaction_->ShiftKey()));
        break;
    case C::MoveScaleMaterial:
        EndTool();
        StartGesture(GestureMode::MoveMaterial, prompts::kMoveScaleMaterial);
        break;
    case C::MoveAllMaterials:
        EndTool();
        StartGesture(GestureMode::MoveAllMaterials, prompts::kMoveAllMaterials);
        break;
    case C::SelectNextMaterial:
        SelectNextMaterial();
        break;
    case C::RemoveMaterial:
        RemoveMaterial();
        break;
    case C::ClearAllMaterials:
        ClearAllMaterials();
        break;
    case C::OpenMakeupBox:
        dialogs_.RunMakeupBox(ButtonBottomLeft(C::OpenMakeupBox));
        view_.RepaintCanvas();
        break;
    case C::PreviousPage:
        grid_.PreviousPage();
        UpdatePageButtons();
        view_.RepaintPanel();
        break;
    case C::NextPage:
        grid_.NextPage();
        UpdatePageButtons();
        view_.RepaintPanel();
        break;
    default:
        break;
    }
}

void EditorController::RunButtonMenu(EditorCommand button) {
    MenuConditions conditions;
    conditions.backgroundPictureOption = state_.backgroundPictureOption != 0;
    conditions.backgroundCaptured = s_.raster.BackgroundLoaded();
    conditions.materialView = state_.materialViewOption != 0;
    conditions.newPhoto = state_.newPhotoFlag == kNewPhotoMode;
    const MenuEntries entries = ButtonMenu(button, conditions);
    if (entries.empty())
        return;
    const EditorCommand chosen = dialogs_.PopupMenu(entries, ButtonBottomLeft(button));
    if (chosen != C::None)
        Run(chosen);
}

void EditorController::PanelContextMenu(QPoint screenPos) {
    if (state_.materialViewOption)
        return;
    const MenuEntries entries = PanelMenu(static_cast<imaging::ToolMode>(ToolCode()));
    if (entries.empty())
        return;
    const EditorCommand chosen = dialogs_.PopupMenu(entries, screenPos);
    if (chosen != C::None)
        Run(chosen);
}

void EditorController::WindowLeftPress(QPoint pos) {
    const int index = layout::ButtonAt(pos);
    if (index >= 0) {
        const layout::ToolbarButton& b = layout::kButtons[static_cast<size_t>(index)];
        if (b.command == layout::kClipboardCommand && layout::HotCorner(b.rect).contains(pos))
            Run(C::ChooseExportArea);
        else
            Run(static_cast<EditorCommand>(b.command));
        return;
    }
    if (layout::kStatus.contains(pos)) {
        if (Gesture() == GestureMode::PlacePicture)
            Run(C::FlipWheelAction);
        else if (ToolCode() == static_cast<int>(ToolMode::StickerSelection))
            Run(C::NextEdgeStyle);
        return;
    }
    if (!state_.materialViewOption)
        return;
    if (grid_.Area().contains(pos)) {
        const int item = grid_.ItemAt(pos);
        if (item >= 0 && MaterialGrid::CanPlace(item)) {
            PreviewItem(item);
            if (autoAdd_)
                PlacePreviewed();
        }
        return;
    }
    if (layout::kPreview.contains(pos) && previewWaiting_)
        PlacePreviewed();
}

void EditorController::ShiftPressed() {
    if (!interaction_)
        return;
    if (Gesture() == GestureMode::PlacePicture || ToolCode() == static_cast<int>(ToolMode::StickerSelection))
        ShiftOutcomePrompt(static_cast<int>(interaction_->ShiftKey()));
}

void EditorController::ShiftOutcomePrompt(int outcome) {
    if (outcome == static_cast<int>(ShiftOutcome::WheelActionFlipped))
        SetStatus(state_.wheelAction == WheelAction::Rotate ? prompts::kPlaceRotate : prompts::kPlaceScale);
}

void EditorController::CanvasNotice(editor::CanvasNotice notice) {
    // A notification that arrives while one is handled is dropped.
    if (handlingNotice_)
        return;
    handlingNotice_ = true;
    switch (notice) {
    case CanvasNotice::MagnifierMoved:
        if (!state_.materialViewOption)
            view_.RepaintPanel();
        break;
    case CanvasNotice::GestureEnded:
        state_.SetGesture(GestureMode::None);
        state_.photoPlacementPending = false;
        SetStatus(prompts::kGestureEnded);
        break;
    case CanvasNotice::MagnifierChosen:
        if (!state_.materialViewOption)
            view_.RepaintPanel();
        SetStatus(prompts::kToolEnded);
        break;
    case CanvasNotice::ToolEnded:
        SetStatus(prompts::kToolEnded);
        if (!state_.materialViewOption)
            view_.RepaintPanel();
        view_.ShowMakeupButton(false);
        break;
    }
    handlingNotice_ = false;
}

// ---- Background and photo ---------------------------------------------------

std::optional<QString> EditorController::AskForPicture(const QString& folder) {
    const auto chosen = dialogs_.ChooseOpenFile(folder, FileFilter(), FilePattern());
    if (!chosen)
        return std::nullopt;
    const QString problem = TypedNameProblem(chosen->typedName);
    if (!problem.isEmpty()) {
        s_.prompt.Message(problem);
        return std::nullopt;
    }
    if (chosen->path.isEmpty())
        return std::nullopt;
    return chosen->path;
}

void EditorController::ChooseBackgroundFile() {
    const QString stored = s_.sys.Text(101);
    const QString folder = stored.isEmpty() ? s_.sys.BackgroundFolder() : stored;
    if (const auto path = AskForPicture(folder)) {
        s_.raster.SetBackgroundPath(*path);
        s_.sys.Text(302, *path);
        const QString chosenFolder = QFileInfo(*path).absolutePath();
        if (chosenFolder != stored)
            s_.sys.Text(102, chosenFolder);
        state_.reloadBackground = true;
    }
    view_.RepaintWindow();
    view_.RepaintCanvas();
}

void EditorController::ChooseNewPhoto() {
    const QString stored = s_.sys.Text(101);
    const QString folder = stored.isEmpty() ? s_.sys.BackgroundFolder() : stored;
    const auto path = AskForPicture(folder);
    if (!path)
        return;
    imaging::CanvasSurface* surface = view_.CanvasSurface();
    if (!surface)
        return;
    const QString problem = PhotoProblem(*path, kLargestPhotoPixels);
    if (!problem.isEmpty()) {
        s_.prompt.Message(UnreadablePhotoMessage(*path) + QStringLiteral("\n") + problem);
        return;
    }
    view_.SetBusy(true);
    s_.raster.LoadPhotoCentred(*surface, *path);
    s_.raster.FitPhotoToValidArea(*surface);
    view_.SetBusy(false);
    state_.originalPlacementCount = 0;
    view_.RepaintCanvas();
}

void EditorController::PlaceBackground() {
    EndTool();
    if (!s_.raster.StartPlaceBackground(imaging::PlacementTarget::Background, s_.prompt))
        return;
    SetGesture(GestureMode::PlacePicture);
    s_.raster.ResetPlacement();
    s_.raster.RotatePlacement(imaging::RotateOp::Set, 0);
    state_.wheelAction = WheelAction::Scale;
    SetStatus(prompts::kPlaceScale);
    view_.RepaintCanvas();
}

bool EditorController::WriteScaledPhoto(const QString& path) {
    imaging::CanvasSurface* surface = view_.CanvasSurface();
    if (!surface)
        return false;
    s_.raster.PaintBackgroundLayer(*surface);
    s_.raster.PaintPhotoLayer(*surface);
    const QImage picture = CutExportPicture(surface->Image(), s_.raster.ValidArea());
    if (picture.isNull())
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "bmp");
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB888))) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void EditorController::PlaceOriginalPhoto() {
    EndTool();
    // From the second start on, what the canvas shows becomes the photo that is placed.
    if (state_.originalPlacementCount >= 1) {
        const QString path = QDir(s_.sys.WorkFolder()).filePath(ScaledPhotoFileName());
        if (WriteScaledPhoto(path))
            s_.raster.SetPhotoPath(path);
    }
    ++state_.originalPlacementCount;
    if (interaction_)
        interaction_->EndTool();
    if (!s_.raster.StartPlaceBackground(imaging::PlacementTarget::Photo, s_.prompt))
        return;
    SetGesture(GestureMode::PlacePicture);
    s_.raster.ResetPlacement();
    s_.raster.RotatePlacement(imaging::RotateOp::Set, 0);
    state_.wheelAction = WheelAction::Scale;
    state_.photoPlacementPending = true;
    SetStatus(prompts::kPlaceScale);
    view_.RepaintCanvas();
}

void EditorController::ReloadOriginalPhoto() {
    EndTool();
    if (interaction_)
        interaction_->EndTool();
    if (!s_.raster.StartPlaceBackground(imaging::PlacementTarget::Photo, s_.prompt))
        return;
    imaging::CanvasSurface* surface = view_.CanvasSurface();
    if (!surface)
        return;
    view_.SetBusy(true);
    s_.raster.LoadPhotoCentred(*surface);
    KeepValidAreaOnCanvas();
    view_.SetBusy(false);
    view_.RepaintCanvas();
}

void EditorController::KeepValidAreaOnCanvas() {
    // A photo larger than the canvas covers more than the canvas shows; the
    // exported area stays on what is shown, so nothing outside the canvas
    // (which has no pixels) is written into a picture. The export reads one
    // pixel right of and below the area's left and top edges, hence the last
    // column and row stay outside.
    imaging::CanvasSurface* surface = view_.CanvasSurface();
    if (!surface)
        return;
    const imaging::IntRect v = s_.raster.ValidArea();
    const int left = std::max(0, v.left), top = std::max(0, v.top);
    const int right = std::min(v.right, surface->Width() - 1),
              bottom = std::min(v.bottom, surface->Height() - 1);
    if (left == v.left && top == v.top && right == v.right && bottom == v.bottom)
        return;
    if (right > left && bottom > top)
        s_.raster.SetValidArea(QPoint(left, top), QPoint(right, bottom));
}

void EditorController::ToneBackground(int op) {
    if (s_.raster.ToneBackground(static_cast<imaging::ToneOp>(op)))
        view_.RepaintCanvas();
}

void EditorController::TonePhoto(int op) {
    if (s_.raster.ToneWholePhoto(static_cast<imaging::ToneOp>(op)))
        view_.RepaintCanvas();
}

void EditorController::ScrollMagnifier(int op) {
    if (s_.raster.ScrollMagnifier(static_cast<imaging::ScrollOp>(op)) && !state_.materialViewOption)
        view_.RepaintPanel();
}

// ---- Colours and the caption ------------------------------------------------

QPoint EditorController::ButtonBottomLeft(EditorCommand command) const {
    const QRect r = view_.ScreenRect(command);
    return QPoint(r.left(), r.bottom() + 1);
}

QPoint EditorController::ButtonTopLeft(EditorCommand command) const {
    return view_.ScreenRect(command).topLeft();
}

void EditorController::ChooseBackgroundColour() {
    const auto colour = dialogs_.ChooseColour(s_.raster.BackgroundColour(),
                                              ButtonBottomLeft(C::BackgroundMenu), EditorDialogs::kTopLeft);
    if (!colour)
        return;
    s_.raster.SetBackgroundColour(*colour);
    view_.RepaintWindow();
    view_.RepaintCanvas();
}

void EditorController::ChooseEdgeColour() {
    const auto colour = dialogs_.ChooseColour(s_.raster.EdgeColour(), ButtonBottomLeft(C::StickerMenu),
                                              EditorDialogs::kTopLeft);
    if (!colour)
        return;
    s_.raster.SetEdgeColour(*colour);
    view_.RepaintCanvas();
}

void EditorController::ChooseDrawingColour() {
    const auto colour = dialogs_.ChooseColour(s_.items.ItemColour(), ButtonTopLeft(C::DrawingColour),
                                              EditorDialogs::kBottomLeft);
    if (!colour)
        return;
    s_.items.SetItemColour(*colour);
    view_.RepaintCanvas();
}

void EditorController::EditCaption() {
    CaptionEdit edit{caption_.Text(), caption_.Size(), caption_.Colour(), false, caption_.Font()};
    if (dialogs_.EditCaption(edit, ButtonTopLeft(C::EditCaption))) {
        if (edit.fontChosen)
            caption_.SetFont(edit.font);
        caption_.SetSize(edit.size);
        caption_.SetText(edit.text);
        s_.session.rememberedCaptionText = edit.text;
        caption_.SetColour(edit.colour);
    }
    view_.RepaintCanvas();
}

// ---- Saving back ------------------------------------------------------------

void EditorController::SaveAndExit() {
    if (state_.photoUnreadable) {
        // The canvas never held that file's picture: writing it back would
        // destroy a file the editor could not even read.
        if (s_.prompt.Ask(QStringLiteral("原照片无法读取, 不会写回文件:\n%1\n仍要退出编辑吗?")
                              .arg(state_.saveBackPath)))
            view_.Close(false);
        return;
    }
    if (!export_) {
        view_.Close(false);
        return;
    }
    switch (export_->SaveBack(state_.saveBackPath)) {
    case EditorExport::SaveBackResult::Written:
        view_.Close(true);
        break;
    case EditorExport::SaveBackResult::NothingWritten:
        view_.Close(false);
        break;
    case EditorExport::SaveBackResult::Failed:
        break;
    }
}

// ---- Materials --------------------------------------------------------------

void EditorController::PackageChosen(const QString& name) {
    s_.catalogue.SetCurrentCategory(name);
    s_.catalogue.LoadPackage(name);
    view_.FillGroupCombo(s_.catalogue.FillGroupCombo());
    grid_.SetItems(s_.catalogue.FilterMaterials(0));
    s_.session.materials.ResetGroupOffset();
    ClearPreview();
    UpdatePageButtons();
    view_.RepaintPanel();
    view_.RepaintCanvas();
}

void EditorController::GroupChosen(int index) {
    grid_.SetItems(s_.catalogue.FilterMaterials(index));
    grid_.FirstPage();
    UpdatePageButtons();
    view_.RepaintPanel();
}

void EditorController::BackgroundOptionChanged(bool on) {
    state_.backgroundPictureOption = on ? 1 : 0;
    s_.raster.SetBackgroundMode(on ? imaging::BackgroundMode::Picture : imaging::BackgroundMode::Colour);
    if (on)
        state_.reloadBackground = true;
    view_.RepaintCanvas();
    if (!state_.materialViewOption)
        view_.RepaintPanel();
}

void EditorController::MaterialViewChanged(bool on) {
    state_.materialViewOption = on ? 1 : 0;
    view_.EnableMaterialCombos(on);
    view_.ShowMaterialButtons(on);
    if (on) {
        UpdateMaterialButtons();
        MaterialSlots& m = s_.session.materials;
        if (m.ShownCount() > 0 && !m.SelectedIsShown()) {
            view_.EnableMaterialButton(C::RemoveMaterial, false);
            view_.EnableMaterialButton(C::MoveScaleMaterial, false);
        }
    }
    UpdatePageButtons();
    view_.RepaintPanel();
}

void EditorController::UpdateMaterialButtons() {
    if (!state_.materialViewOption)
        return;
    const bool any = s_.session.materials.ShownCount() > 0;
    for (C b : {C::RemoveMaterial, C::MoveScaleMaterial, C::MoveAllMaterials, C::SelectNextMaterial,
                C::ClearAllMaterials})
        view_.EnableMaterialButton(b, any);
}

void EditorController::UpdatePageButtons() {
    if (!state_.materialViewOption) {
        view_.ShowPageButtons(false, false);
        return;
    }
    view_.ShowPageButtons(grid_.HasPreviousPage(), grid_.HasNextPage());
}

void EditorController::PreviewItem(int itemIndex) {
    if (!MaterialGrid::CanPlace(itemIndex) || !s_.catalogue.Record(itemIndex))
        return;
    previewed_ = itemIndex;
    previewWaiting_ = true;
    view_.RepaintPreview();
}

void EditorController::ClearPreview() {
    previewed_ = -1;
    previewWaiting_ = false;
    view_.RepaintPreview();
}

void EditorController::PlacePreviewed() {
    if (!previewWaiting_ || !MaterialGrid::CanPlace(previewed_))
        return;
    const int slot = s_.session.materials.PlaceMaterial(s_.catalogue, previewed_, s_.session.pictures);
    previewWaiting_ = false;
    if (slot >= 0)
        UpdateMaterialButtons();
    view_.RepaintPreview();
    view_.RepaintCanvas();
}

void EditorController::SelectNextMaterial() {
    MaterialSlots& m = s_.session.materials;
    const int slot = m.SelectNextMaterial();
    UpdateMaterialButtons();
    if (slot < 0)
        return;
    m.Select(slot);
    previewed_ = m.Slot(slot)->itemIndex;
    previewWaiting_ = false;
    view_.EnableMaterialButton(C::RemoveMaterial, true);
    view_.EnableMaterialButton(C::MoveScaleMaterial, true);
    view_.RepaintPreview();
}

void EditorController::RemoveMaterial() {
    MaterialSlots& m = s_.session.materials;
    const int slot = m.RemoveSelectedMaterial();
    if (slot >= 0) {
        previewed_ = m.Slot(slot)->itemIndex;
        previewWaiting_ = false;
        view_.RepaintPreview();
    } else {
        ClearPreview();
    }
    UpdateMaterialButtons();
    view_.RepaintCanvas();
}

void EditorController::ClearAllMaterials() {
    if (!s_.prompt.Ask(ClearQuestion()))
        return;
    s_.session.materials.ClearMaterials();
    ClearPreview();
    for (C b : {C::RemoveMaterial, C::MoveScaleMaterial, C::MoveAllMaterials, C::SelectNextMaterial,
                C::ClearAllMaterials})
        view_.EnableMaterialButton(b, false);
    view_.RepaintCanvas();
}

} // namespace vx7::editor
