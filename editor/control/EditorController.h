#pragma once

#include "editor/document/CanvasCaption.h"
#include "editor/document/EditorCommand.h"
#include "editor/document/EditorState.h"
#include "editor/document/MaterialGrid.h"
#include "editor/interaction/CanvasCodes.h"

#include <QDate>
#include <QPoint>
#include <QString>

#include <functional>

namespace vx7::core {
class SysInfo;
}
namespace vx7::imaging {
class DrawingItemList;
class RasterDocument;
} // namespace vx7::imaging
namespace vx7::materials {
class MaterialCatalogue;
}
namespace vx7::platform {
class Prompt;
}

namespace vx7::editor {

class CanvasInteraction;
class EditorDialogs;
class EditorExport;
class EditorView;
struct EditorSession;

// The program-wide objects an editor window works on.
struct EditorServices {
    imaging::RasterDocument& raster;
    imaging::DrawingItemList& items;
    materials::MaterialCatalogue& catalogue;
    core::SysInfo& sys;
    platform::Prompt& prompt;
    EditorSession& session;
    // Today's date for the default caption; replaceable for tests.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
};

// The commands of the editor window and what they start: tools and gestures
// of the canvas, dialogs, the material panel, the opening sequence and the
// canvas's notifications. Holds no widget; the window forwards its input here
// and shows what the EditorView calls ask for.
class EditorController {
  public:
    // The largest photo the editor decodes; anything larger is reported as
    // unreadable rather than stalling the window.
    static constexpr qint64 kLargestPhotoPixels = 120LL * 1000 * 1000;
    static QString FileFilter() {
        return QStringLiteral("图形文件(*.bmp,*.jpg,*.png,*.gif)|*.bmp;*.jpg;*.png;*.gif");
    }
    static QString FilePattern() { return QStringLiteral("*.bmp;*.jpg;*.png;*.gif"); }
    static QString ClearQuestion() { return QStringLiteral("真要清楚全部素材(服装)吗?请确认!"); }
    static QString UnreadablePhotoMessage(const QString& path);
    static QString ScaledPhotoFileName() { return QStringLiteral("ScaleNewTmpOrgPic.bmp"); }
    // Why a typed file name is refused (a folder part or ".."); empty when it is fine.
    static QString TypedNameProblem(const QString& typedName);

    EditorController(EditorServices services, EditorState& state, EditorView& view, EditorDialogs& dialogs);
    ~EditorController();

    void SetInteraction(CanvasInteraction* interaction) { interaction_ = interaction; }
    void SetExport(EditorExport* exporter) { export_ = exporter; }

    // The opening sequence after the widgets exist: drawing items cleared,
    // combos filled, package loaded, background path, caption, the
    // screenshot mark, the material list.
    void Open(int canvasHeight);
    // The first paint: loads the handed-over photo once. Returns true when a
    // photo was loaded (or tried).
    bool LoadOpenedPhoto();

    // Runs a command (menu entry, picture button, control). Unknown numbers do nothing.
    void Run(EditorCommand command);
    // Runs the command of an upper-row picture button that has a menu: shows
    // the menu at the button and runs the chosen entry.
    void RunButtonMenu(EditorCommand button);
    // The panel's context menu in magnifier view at a screen point.
    void PanelContextMenu(QPoint screenPos);
    // A left press on the window outside the canvas, in client coordinates.
    void WindowLeftPress(QPoint pos);
    // The Shift key went down.
    void ShiftPressed();
    // A notification of the canvas.
    void CanvasNotice(editor::CanvasNotice notice);

    // Ends whatever tool or gesture runs.
    void EndTool();

    // Combos and check boxes report their new values through these.
    void PackageChosen(const QString& name);
    void GroupChosen(int index);
    void BackgroundOptionChanged(bool on);
    void MaterialViewChanged(bool on);

    // Material panel.
    void PreviewItem(int itemIndex);
    void PlacePreviewed();
    int PreviewedItem() const { return previewed_; }
    bool PreviewWaiting() const { return previewWaiting_; }
    const MaterialGrid& Grid() const { return grid_; }
    MaterialGrid& Grid() { return grid_; }

    bool AutoAdd() const { return autoAdd_; }
    CanvasCaption& Caption() { return caption_; }
    EditorState& State() { return state_; }
    const QString& Status() const { return status_; }
    // The canvas's tool and gesture (none before the interaction exists).
    int ToolCode() const;
    GestureMode Gesture() const;

  private:
    void StartTool(int toolCode, const QString& prompt);
    void StartGesture(GestureMode gesture, const QString& prompt);
    void SetStatus(const QString& text);
    void SetGesture(GestureMode gesture);
    void ClearWorkPolygon();
    void ChooseBackgroundFile();
    void ChooseNewPhoto();
    void PlaceBackground();
    void PlaceOriginalPhoto();
    void ReloadOriginalPhoto();
    void KeepValidAreaOnCanvas();
    void ToneBackground(int op);
    void TonePhoto(int op);
    void ChooseBackgroundColour();
    void ChooseEdgeColour();
    void ChooseDrawingColour();
    void EditCaption();
    void SaveAndExit();
    void ScrollMagnifier(int op);
    void ShiftOutcomePrompt(int outcome);
    void SelectNextMaterial();
    void RemoveMaterial();
    void ClearAllMaterials();
    void UpdateMaterialButtons();
    void UpdatePageButtons();
    void ClearPreview();
    bool WriteScaledPhoto(const QString& path);
    QPoint ButtonBottomLeft(EditorCommand command) const;
    QPoint ButtonTopLeft(EditorCommand command) const;
    std::optional<QString> AskForPicture(const QString& folder);

    EditorServices s_;
    EditorState& state_;
    EditorView& view_;
    EditorDialogs& dialogs_;
    CanvasInteraction* interaction_ = nullptr;
    EditorExport* export_ = nullptr;
    CanvasCaption caption_;
    MaterialGrid grid_;
    QString status_;
    bool autoAdd_ = false;
    int previewed_ = -1;
    bool previewWaiting_ = false;
    bool handlingNotice_ = false;
};

} // namespace vx7::editor
