#pragma once

#include "editor/document/CanvasCaption.h"
#include "editor/document/EditorState.h"
#include "editor/document/MaterialSlots.h"
#include "editor/interaction/CanvasInteraction.h"
#include "editor/interaction/CanvasListener.h"
#include "editor/interaction/CursorTimer.h"

#include "imaging/drawing/DrawingItemList.h"
#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/RasterDocument.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vx7::editor::test {

// Records what the interaction asks of the widgets.
class RecordingListener final : public CanvasListener {
  public:
    void Notify(CanvasNotice n) override { notices.push_back(n); }
    void RepaintCanvas() override { ++canvasRepaints; }
    void CanvasSurfaceChanged(const QRect& r) override { dirty = dirty.united(r); }
    void RepaintPanel() override { ++panelRepaints; }
    void PanelSurfaceChanged(const QRect& r) override { panelDirty = panelDirty.united(r); }
    void SetCursor(CanvasCursor c) override { cursors.push_back(c); }
    void ReleaseCursorClip() override { ++clipReleases; }

    std::vector<CanvasNotice> notices;
    std::vector<CanvasCursor> cursors;
    int canvasRepaints = 0;
    int panelRepaints = 0;
    int clipReleases = 0;
    QRect dirty, panelDirty;
};

// A canvas with its document, items, materials and caption, driven like the
// widgets drive it.
class InteractionTest : public ::testing::Test {
  protected:
    static constexpr int kCanvasWidth = 560;
    static constexpr int kCanvasHeight = 482;

    InteractionTest()
        : raster(std::make_unique<imaging::RasterDocument>()),
          items(std::make_unique<imaging::DrawingItemList>()), canvas(kCanvasWidth, kCanvasHeight),
          panel(195 * 3 / 2, 352 * 3 / 2),
          interaction(CanvasInteraction::Parts{*raster, *items, materials, caption, state, listener, timer}) {
        interaction.SetCanvasSurface(&canvas);
        interaction.SetPanelSurface(&panel);
        raster->SetMagnifierView(imaging::IntRect{0, 0, panel.Width(), panel.Height()});
        raster->SetMagnifierSize(panel.Width() / 6, panel.Height() / 6);
        interaction.SetMagnifierBoxSize(QSize(panel.Width() / 6, panel.Height() / 6));
    }

    // A picture of w x h loaded centred, as the editor's first paint does.
    void LoadPhoto(int w = 400, int h = 300) {
        QImage picture(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                picture.setPixel(x, y, qRgb((x * 3) & 255, (y * 3) & 255, 128));
        const QString path = dir.filePath("photo.png");
        ASSERT_TRUE(picture.save(path));
        raster->LoadPhotoCentred(canvas, path);
        ASSERT_TRUE(raster->PhotoLoaded());
    }

    // Canvas point of a photo pixel.
    QPoint AtPixel(int column, int row) const { return raster->PhotoPosition() + QPoint(column, row); }
    imaging::PixelMask MaskAtCanvas(QPoint p) const {
        const QPoint q = p - raster->PhotoPosition();
        return raster->MaskAt(q.x(), q.y());
    }

    static PointerEvent Ev(QPoint p, Qt::MouseButton button, Qt::MouseButtons held, bool alt = false) {
        PointerEvent e;
        e.pos = p;
        e.button = button;
        e.buttons = held;
        e.alt = alt;
        return e;
    }
    void LeftDown(QPoint p, bool alt = false) {
        interaction.Press(Ev(p, Qt::LeftButton, Qt::LeftButton, alt));
    }
    void LeftUp(QPoint p, bool alt = false) { interaction.Release(Ev(p, Qt::LeftButton, Qt::NoButton, alt)); }
    void DragTo(QPoint p, bool alt = false) { interaction.Move(Ev(p, Qt::NoButton, Qt::LeftButton, alt)); }
    void Hover(QPoint p) { interaction.Move(Ev(p, Qt::NoButton, Qt::NoButton)); }
    void Click(QPoint p) {
        LeftDown(p);
        LeftUp(p);
    }
    // A click preceded by a move there, as a real pointer makes it.
    void MoveAndClick(QPoint p) {
        Hover(p);
        Click(p);
    }
    void MiddleDown(QPoint p) { interaction.Press(Ev(p, Qt::MiddleButton, Qt::MiddleButton)); }
    void MiddleUp(QPoint p) { interaction.Release(Ev(p, Qt::MiddleButton, Qt::NoButton)); }
    void RightDown(QPoint p = QPoint(5, 5)) { interaction.Press(Ev(p, Qt::RightButton, Qt::RightButton)); }

    QTemporaryDir dir;
    std::unique_ptr<imaging::RasterDocument> raster;
    std::unique_ptr<imaging::DrawingItemList> items;
    MaterialSlots materials;
    CanvasCaption caption;
    EditorState state;
    RecordingListener listener;
    ManualCursorTimer timer;
    imaging::CanvasSurface canvas;
    imaging::CanvasSurface panel;
    CanvasInteraction interaction;
};

} // namespace vx7::editor::test
