#pragma once

#include "editor/control/EditorController.h"
#include "editor/control/EditorView.h"
#include "editor/document/EditorState.h"
#include "editor/interaction/CanvasListener.h"

#include <QDialog>
#include <QImage>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace vx7::core {
class EncoderRegistry;
}
namespace vx7::controls {
class BitmapButton;
class CTbarButTittleTip;
} // namespace vx7::controls

namespace vx7::editor {

class CanvasInteraction;
class CursorTimer;
class EditorCanvas;
class EditorExport;
class EditorPanel;

// The program-wide objects and services an editor window needs.
struct EditorContext {
    imaging::RasterDocument& raster;
    imaging::DrawingItemList& items;
    materials::MaterialCatalogue& catalogue;
    core::SysInfo& sys;
    platform::Prompt& prompt;
    EditorSession& session;
    const core::EncoderRegistry& encoders;
    // The dialogs the commands open; null gives Qt's dialogs.
    EditorDialogs* dialogs = nullptr;
    std::function<QDate()> today = [] { return QDate::currentDate(); };
};

// The fitting platform: the modal editor window with its canvas, its
// magnifier or material panel, the status line, two rows of picture buttons
// and the material controls. It shows state and forwards input; the commands
// live in the EditorController and the mouse work in the CanvasInteraction.
class EditorWindow : public QDialog, public EditorView, public CanvasListener {
    Q_OBJECT
  public:
    static QString TitleFor(const QString& photoPath);

    // photoPath is the photo to edit; kind is the camera station's kind value
    // (not used); mode 9 marks the photo just taken.
    EditorWindow(EditorContext context, const QString& photoPath, int kind, int mode,
                 QWidget* parent = nullptr);
    ~EditorWindow() override;

    EditorController& Controller() { return *controller_; }
    CanvasInteraction& Interaction() { return *interaction_; }
    EditorState& State() { return state_; }
    EditorCanvas* Canvas() const { return canvas_; }
    EditorPanel* Panel() const { return panel_; }
    EditorExport& Export() { return *export_; }
    QLabel* StatusLine() const { return status_; }
    QCheckBox* BackgroundCheck() const { return backgroundCheck_; }
    QCheckBox* MaterialCheck() const { return materialCheck_; }
    QComboBox* PackageCombo() const { return packageCombo_; }
    QComboBox* GroupCombo() const { return groupCombo_; }
    QPushButton* MaterialButton(EditorCommand command) const;
    QWidget* PageButton(bool next) const;
    QWidget* MakeupButton() const;
    // The picture a picture button shows now (the auto-add switch has two).
    QString ButtonPicture(int index) const;
    int HoveredButton() const { return hovered_; }
    controls::CTbarButTittleTip* Tip() const { return tip_; }

    // Composes the canvas at once (tests and captures need no paint event).
    void ComposeCanvasNow();
    // The composition without the valid-area frame, as export renders it.
    QImage RenderComposition();

    // ---- EditorView ----
    void SetStatus(const QString& text) override;
    void RepaintCanvas() override;
    void RepaintPanel() override;
    void RepaintWindow() override;
    void RepaintButton(int index) override;
    void RepaintPreview() override;
    void ShowMaterialButtons(bool visible) override;
    void EnableMaterialButton(EditorCommand button, bool enabled) override;
    void ShowPageButtons(bool previous, bool next) override;
    void EnableMaterialCombos(bool enabled) override;
    void FillPackageCombo(const QStringList& names, const QString& current) override;
    void FillGroupCombo(const QStringList& groups) override;
    void ShowMakeupButton(bool visible) override;
    void SetCheckBoxes(bool backgroundPicture, bool materialView) override;
    imaging::CanvasSurface* CanvasSurface() override;
    QRect ScreenRect(EditorCommand command) const override;
    void SetBusy(bool busy) override;
    void Close(bool accepted) override;

    // ---- CanvasListener ----
    void Notify(CanvasNotice notice) override;
    void CanvasSurfaceChanged(const QRect& dirty) override;
    void PanelSurfaceChanged(const QRect& dirty) override;
    void SetCursor(CanvasCursor cursor) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildControls();
    void ComposeInto(imaging::CanvasSurface& surface, bool forExport);
    void PaintMagnifier(imaging::CanvasSurface& panel);
    void PaintButtons(QPainter& painter);
    QImage ButtonImage(int index) const;

    EditorContext ctx_;
    EditorState state_;
    std::unique_ptr<EditorDialogs> ownDialogs_;
    std::unique_ptr<CursorTimer> cursorTimer_;
    std::unique_ptr<EditorController> controller_;
    std::unique_ptr<CanvasInteraction> interaction_;
    std::unique_ptr<EditorExport> export_;

    EditorCanvas* canvas_ = nullptr;
    EditorPanel* panel_ = nullptr;
    QLabel* status_ = nullptr;
    QCheckBox* backgroundCheck_ = nullptr;
    QCheckBox* materialCheck_ = nullptr;
    QComboBox* packageCombo_ = nullptr;
    QComboBox* groupCombo_ = nullptr;
    QLabel* materialLabel_ = nullptr;
    QLabel* groupLabel_ = nullptr;
    controls::BitmapButton* makeupButton_ = nullptr;
    controls::BitmapButton* previousPage_ = nullptr;
    controls::BitmapButton* nextPage_ = nullptr;
    QPushButton* selectNext_ = nullptr;
    QPushButton* removeMaterial_ = nullptr;
    QPushButton* moveScale_ = nullptr;
    QPushButton* moveAll_ = nullptr;
    QPushButton* clearAll_ = nullptr;
    QPushButton* cancel_ = nullptr;
    controls::CTbarButTittleTip* tip_ = nullptr;
    QImage background_;
    std::array<QImage, 18> buttonImages_; // the table's pictures, then the auto-add switch's "on" picture
    QTimer tick_;
    int hovered_ = -1;
    bool photoLoaded_ = false;
};

} // namespace vx7::editor
