// Composing the editor canvas as a material drag repaints it:
//   ComposeCanvas/cached     560 x 482 canvas: background picture captured, a
//                            640 x 480 photo, 10 placed materials (PNG with alpha,
//                            drawn scaled), 50 drawing items, caption, frame
//   ComposeCanvas/uncached   the same with every material resampled at each paint
#include "editor/document/CanvasCaption.h"
#include "editor/document/ComposeCanvas.h"
#include "editor/document/EditorState.h"
#include "editor/document/MaterialPictureCache.h"
#include "editor/document/MaterialSlots.h"
#include "imaging/drawing/DrawingItemList.h"
#include "imaging/raster/CanvasSurface.h"
#include "imaging/raster/RasterDocument.h"
#include "materials/MaterialCatalogue.h"
#include "materials/MaterialPackageWriter.h"

#include <QDate>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

using namespace vx7;

constexpr int kCanvasWidth = 560, kCanvasHeight = 482;

QImage Noise(int w, int h, int seed, bool alpha) {
    QImage image(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    std::mt19937 rng(static_cast<unsigned>(seed));
    std::uniform_int_distribution<int> v(0, 255);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            // Materials: an opaque oval on a transparent ground, like a cut-out garment.
            const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
            const int a = !alpha || dx * dx + dy * dy < 1.0 ? 255 : 0;
            image.setPixel(x, y, qRgba(v(rng), v(rng), v(rng), a));
        }
    return image;
}

struct EditorScene {
    QTemporaryDir dir;
    std::unique_ptr<imaging::RasterDocument> raster = std::make_unique<imaging::RasterDocument>();
    std::unique_ptr<imaging::DrawingItemList> items = std::make_unique<imaging::DrawingItemList>();
    materials::MaterialCatalogue catalogue;
    editor::MaterialSlots table;
    editor::MaterialPictureCache pictures;
    editor::CanvasCaption caption;
    editor::EditorState state;
    imaging::CanvasSurface surface{kCanvasWidth, kCanvasHeight};

    EditorScene() : catalogue(dir.path()) {
        QDir root(dir.path());
        root.mkpath(QStringLiteral("vx7Ecamsys素材仓库"));
        root.mkpath(QStringLiteral("bench/pictures"));
        materials::MaterialPackage package;
        package.pictureFolder = QStringLiteral("bench/pictures");
        for (int i = 0; i < 10; ++i) {
            materials::MaterialRecord r;
            r.pictureName = QStringLiteral("m%1").arg(i);
            r.x = 20 + 40 * i;
            r.y = 30 + 20 * i;
            r.layer = i;
            r.scale = 0.5f;
            package.records.push_back(r);
            Noise(400, 500, i, true).save(root.filePath(QStringLiteral("bench/pictures/m%1.png").arg(i)));
        }
        materials::MaterialPackageWriter::WriteFile(
            package, root.filePath(QStringLiteral("vx7Ecamsys素材仓库/bench.dm3")));
        catalogue.LoadPackage(QStringLiteral("bench"));
        for (int i = 0; i < 10; ++i)
            table.PlaceMaterial(catalogue, i, pictures);

        const QString photo = root.filePath(QStringLiteral("photo.png"));
        Noise(640, 480, 99, false).save(photo);
        const QString background = root.filePath(QStringLiteral("background.png"));
        Noise(560, 482, 98, false).save(background);
        raster->LoadPhotoCentred(surface, photo);
        raster->SetBackgroundPath(background);
        raster->SetBackgroundMode(imaging::BackgroundMode::Picture);
        raster->LoadBackground(surface);

        // Annotations as a user draws them: each within a patch of about 80 pixels.
        std::mt19937 rng(7);
        std::uniform_int_distribution<int> px(0, kCanvasWidth - 81), py(0, kCanvasHeight - 81), d(0, 80);
        const char kinds[] = {'A', 'B', 'C', 'D', 'E'};
        for (int i = 0; i < 50; ++i) {
            const int x = px(rng), y = py(rng);
            items->BeginItem(kinds[i % 5]);
            for (int k = 0; k < 4; ++k)
                items->AddItemPoint(x + d(rng), y + d(rng));
            items->EndItem();
        }
        caption.Reset(QString(), QDate(2011, 3, 5), kCanvasHeight);
    }

    editor::CanvasLayers Layers() { return {*raster, *items, table, catalogue, caption, pictures}; }
};

void ComposeBench(benchmark::State& st, bool cached) {
    EditorScene scene;
    scene.pictures.SetCaching(cached);
    const auto layers = scene.Layers();
    int step = 0;
    for (auto _ : st) {
        // Dragging the selected material moves it a little between paints.
        scene.table.MoveMaterial(0, (step++ % 2) ? 3 : -3, 0, QSize(kCanvasWidth, kCanvasHeight));
        editor::ComposeCanvas(scene.surface, layers, scene.state);
        benchmark::DoNotOptimize(scene.surface.Image().constBits());
    }
}

void BM_ComposeCanvasCached(benchmark::State& st) {
    ComposeBench(st, true);
}

// The parts of one composition, to see where its time goes.
void BM_ComposeParts(benchmark::State& st) {
    EditorScene scene;
    const auto layers = scene.Layers();
    for (auto _ : st) {
        switch (st.range(0)) {
        case 0:
            scene.raster->PaintBackgroundLayer(scene.surface);
            break;
        case 1:
            scene.raster->PaintPhotoLayer(scene.surface);
            break;
        case 2:
            scene.items->DrawItems(scene.surface);
            break;
        case 3:
            editor::PaintMaterials(scene.surface, layers);
            break;
        }
        benchmark::DoNotOptimize(scene.surface.Image().constBits());
    }
}
BENCHMARK(BM_ComposeParts)
    ->Name("ComposeCanvas/part")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->Unit(benchmark::kMillisecond);
void BM_ComposeCanvasUncached(benchmark::State& st) {
    ComposeBench(st, false);
}

BENCHMARK(BM_ComposeCanvasCached)
    ->Name("ComposeCanvas/cached")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);
BENCHMARK(BM_ComposeCanvasUncached)
    ->Name("ComposeCanvas/uncached")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

} // namespace
