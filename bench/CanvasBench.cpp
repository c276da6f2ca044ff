// The editor canvas under the mouse, each step including the repaint of what
// changed (the widget copies the dirty rectangle of the canvas surface to the
// screen; here to a screen image of the same size):
//   CanvasStroke/eraser|brighten   one stroke step of 8 pixels at radius 9
//   CanvasMaterialDrag             one gesture-111 drag step: the material
//                                  moves and the whole canvas is composed anew
//   CanvasExportJpg                the 560 x 482 valid area composed, cut out
//                                  and written as JPG through the whole-file save
#include "editor/document/CanvasCaption.h"
#include "editor/document/ComposeCanvas.h"
#include "editor/document/EditorState.h"
#include "editor/document/MaterialPictureCache.h"
#include "editor/document/MaterialSlots.h"
#include "editor/export/EditorExport.h"
#include "editor/interaction/CanvasInteraction.h"
#include "editor/interaction/CanvasListener.h"
#include "editor/interaction/CursorTimer.h"

#include "core/ImageFiles.h"
#include "imaging/drawing/DrawingItemList.h"
#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/RasterDocument.h"
#include "materials/MaterialCatalogue.h"
#include "materials/MaterialPackageWriter.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using namespace vx7;
using namespace vx7::editor;

constexpr int kCanvasWidth = 562, kCanvasHeight = 484;

QImage PhotoPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(90 + (x * 3) % 120, 60 + (y * 5) % 150, 140 + (x + y) % 100));
    return image;
}

class SilentPrompt final : public platform::Prompt {
  public:
    void Message(const QString&, const QString&) override {}
    bool Ask(const QString&, const QString&) override { return false; }
};

// Copies what changed to the "screen", as the canvas widget does in its paint event.
class ScreenListener final : public CanvasListener {
  public:
    explicit ScreenListener(imaging::CanvasSurface& surface)
        : surface_(surface), screen_(surface.Width(), surface.Height(), QImage::Format_RGB32) {}
    void Notify(CanvasNotice) override {}
    void RepaintCanvas() override {
        if (recompose)
            recompose();
        Blit(QRect(0, 0, surface_.Width(), surface_.Height()));
    }
    void CanvasSurfaceChanged(const QRect& dirty) override { Blit(dirty); }
    void RepaintPanel() override {}
    void PanelSurfaceChanged(const QRect&) override {}
    void SetCursor(CanvasCursor) override {}

    std::function<void()> recompose;

  private:
    void Blit(const QRect& r) {
        QPainter painter(&screen_);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(r.topLeft(), surface_.Image(), r);
    }
    imaging::CanvasSurface& surface_;
    QImage screen_;
};

// An editor with a 560 x 480 photo, a 200 x 300 garment placed and selected,
// and the default caption.
struct Editor {
    QTemporaryDir dir;
    std::unique_ptr<imaging::RasterDocument> raster = std::make_unique<imaging::RasterDocument>();
    std::unique_ptr<imaging::DrawingItemList> items = std::make_unique<imaging::DrawingItemList>();
    materials::MaterialCatalogue catalogue;
    MaterialSlots materials;
    MaterialPictureCache pictures;
    CanvasCaption caption;
    EditorState state;
    ManualCursorTimer timer;
    imaging::CanvasSurface canvas{kCanvasWidth, kCanvasHeight};
    ScreenListener listener{canvas};
    std::unique_ptr<CanvasInteraction> interaction;

    Editor() : catalogue(QString()) {
        const QString photo = dir.filePath("photo.png");
        PhotoPicture(560, 480).save(photo);
        raster->LoadPhotoCentred(canvas, photo);

        QImage garment(200, 300, QImage::Format_ARGB32);
        garment.fill(qRgba(200, 30, 40, 255));
        QDir(dir.path()).mkpath("pictures");
        garment.save(dir.filePath("pictures/jacket.png"));
        materials::MaterialPackage package;
        package.pictureFolder = dir.filePath("pictures");
        materials::MaterialRecord jacket;
        jacket.pictureName = "jacket";
        jacket.x = 150;
        jacket.y = 100;
        package.records.push_back(jacket);
        catalogue.SetInstallFolder(dir.path());
        QDir(dir.path()).mkpath(materials::MaterialCatalogue::LibraryFolderName());
        materials::MaterialPackageWriter::WriteFile(
            package, catalogue.PackagePath(materials::MaterialCatalogue::StartCategory()));
        catalogue.LoadPackage(materials::MaterialCatalogue::StartCategory());
        materials.Select(materials.PlaceMaterial(catalogue, 0, pictures));
        caption.Reset(QStringLiteral("试衣效果"), QDate(2026, 12, 8), kCanvasHeight);

        interaction = std::make_unique<CanvasInteraction>(
            CanvasInteraction::Parts{*raster, *items, materials, caption, state, listener, timer});
        interaction->SetCanvasSurface(&canvas);
        listener.recompose = [this] { Compose(canvas, true); };
        Compose(canvas, true);
    }

    void Compose(imaging::CanvasSurface& surface, bool frame) {
        const CanvasLayers layers{*raster, *items, materials, catalogue, caption, pictures};
        ComposeCanvas(surface, layers, state, frame);
    }
};

PointerEvent Drag(QPoint p) {
    PointerEvent e;
    e.pos = p;
    e.buttons = Qt::LeftButton;
    return e;
}

// A stroke step of 8 pixels back and forth over the photo at radius 9.
void CanvasStroke(benchmark::State& st, imaging::ToolMode tool) {
    Editor ed;
    ed.interaction->SetToolMode(tool);
    for (int i = 0; i < 2; ++i)
        ed.interaction->Wheel(+1);
    if (ed.raster->BrushRadius() != 9)
        st.SkipWithError("radius is not 9");
    PointerEvent press = Drag({100, 200});
    press.button = Qt::LeftButton;
    ed.interaction->Press(press);
    int x = 100, step = 8;
    for (auto _ : st) {
        x += step;
        if (x > 500 || x < 100)
            step = -step;
        ed.interaction->Move(Drag({x, 200 + (x / 8) % 40}));
    }
}
BENCHMARK_CAPTURE(CanvasStroke, eraser, imaging::ToolMode::Eraser)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CanvasStroke, brighten, imaging::ToolMode::LocalBrighten)->Unit(benchmark::kMicrosecond);

void CanvasMaterialDrag(benchmark::State& st) {
    Editor ed;
    ed.interaction->SetGestureMode(GestureMode::MoveMaterial);
    PointerEvent press = Drag({250, 250});
    press.button = Qt::LeftButton;
    ed.interaction->Press(press);
    int x = 250, step = 3;
    for (auto _ : st) {
        x += step;
        if (x > 400 || x < 150)
            step = -step;
        ed.interaction->Move(Drag({x, 250}));
    }
}
BENCHMARK(CanvasMaterialDrag)->Unit(benchmark::kMicrosecond);

void CanvasExportJpg(benchmark::State& st) {
    Editor ed;
    ed.raster->SetValidArea(QPoint(0, 0), QPoint(560, 482));
    core::EncoderRegistry encoders;
    SilentPrompt prompt;
    QString folder, name;
    ExportSettings settings;
    settings.workFolder = ed.dir.path();
    EditorExport exporter(
        *ed.raster,
        [&ed] {
            imaging::CanvasSurface surface(kCanvasWidth, kCanvasHeight);
            ed.Compose(surface, false);
            return surface.Image();
        },
        encoders, prompt, settings, PhotoSaveMemory{folder, name});
    const QString target = ed.dir.filePath("export.jpg");
    for (auto _ : st) {
        if (exporter.SaveBack(target) != EditorExport::SaveBackResult::Written)
            st.SkipWithError("export failed");
    }
    if (exporter.Render().size() != QSize(560, 482))
        st.SkipWithError("wrong export size");
}
BENCHMARK(CanvasExportJpg)->Unit(benchmark::kMillisecond);

} // namespace
