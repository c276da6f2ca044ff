// Raster editing engine against OpenCV on the same 640 x 480 layers:
//   Wand/ours|opencv          one magic-wand click growing over a large region
//                             (cv::floodFill, fixed range 8, 8-connected; regions checked equal first)
//   PolygonFill/<shape>/ours|opencv   scan conversion of the work polygon into the mask
//                             (cv::fillPoly on a mask of the same size)
//   PaintPhotoLayer/ours|opencv      writing every kept pixel of the layer to the canvas
//                             (cv::Mat::copyTo with the kept-pixel mask)
#include "imaging/geometry/EllipsePolygon.h"
#include "imaging/raster/RasterDocument.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#ifdef VX7_BENCH_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

namespace {

using namespace vx7::imaging;

constexpr int kWidth = 640, kHeight = 480;

// A photo-like layer: soft regions of similar colour with fine noise, so the wand
// follows irregular borders.
QImage BlobPicture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> noise(-3, 3);
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const double v = 40.0 * std::sin(x / 37.0) * std::cos(y / 29.0);
            const int base = v > 12 ? 200 : 90;
            line[x] = qRgb(base + noise(rng), base / 2 + noise(rng), 120 + noise(rng));
        }
    }
    return image;
}

// A document holding the picture as its photo layer at (0, 0) of a canvas of the same size.
struct Loaded {
    std::unique_ptr<RasterDocument> doc = std::make_unique<RasterDocument>();
    CanvasSurface canvas{kWidth, kHeight};
    QTemporaryDir dir;

    explicit Loaded(const QImage& picture) {
        const QString path = dir.filePath(QStringLiteral("layer.png"));
        picture.save(path);
        doc->LoadPhotoCentred(canvas, path);
    }
};

const QPoint kSeed(5, 5);

void WandOurs(benchmark::State& state) {
    Loaded l(BlobPicture());
    for (auto _ : state) {
        l.doc->WandAt(kSeed);
        state.PauseTiming();
        l.doc->UndoWand();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(WandOurs)->Name("Wand/ours")->Unit(benchmark::kMicrosecond);

std::vector<QPoint> StarPolygon() {
    // A clicked polygon of 259 points plus the closing one, many crossings per row.
    std::vector<QPoint> points;
    for (int i = 0; i < 259; ++i) {
        const double a = i * 2 * std::numbers::pi / 259;
        const double r = (i % 2) ? 230 : 120;
        points.emplace_back(int(320 + r * std::cos(a)), int(240 + 0.95 * r * std::sin(a)));
    }
    points.push_back(points.front());
    return points;
}

std::vector<QPoint> Shape(int which) {
    return which == 0 ? EllipsePolygon(320, 240, 300, 220) : StarPolygon();
}

void PolygonFillOurs(benchmark::State& state) {
    Loaded l(BlobPicture());
    l.doc->SetEdgeStyle(EdgeStyle::Feather); // keeps the polygon after each fill
    if (state.range(0) == 0) {
        l.doc->BuildEllipse(320, 240, 300, 220);
    } else {
        for (QPoint p : StarPolygon())
            if (l.doc->AddPolygonPoint(PolygonOp::Click, p) == WorkPolygon::kClosed)
                break;
    }
    for (auto _ : state)
        l.doc->FillWorkPolygon(FillAction::Remove);
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(PolygonFillOurs)
    ->Name("PolygonFill/ours")
    ->ArgName("ellipse0_star1")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

void PaintPhotoLayerOurs(benchmark::State& state) {
    Loaded l(BlobPicture());
    for (int r = 0; r < kHeight; r += 3)
        for (int c = r % 7; c < kWidth; c += 5)
            l.doc->SetPhotoPixel(c, r, l.doc->PhotoColour(c, r), PixelMask::Removed);
    for (auto _ : state) {
        l.doc->PaintPhotoLayer(l.canvas);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(PaintPhotoLayerOurs)->Name("PaintPhotoLayer/ours")->Unit(benchmark::kMicrosecond);

#ifdef VX7_BENCH_OPENCV

cv::Mat ToMat(const QImage& picture) {
    cv::Mat bgra(picture.height(), picture.width(), CV_8UC4, const_cast<uchar*>(picture.constBits()),
                 size_t(picture.bytesPerLine()));
    cv::Mat bgr;
    cv::cvtColor(bgra, bgr, cv::COLOR_BGRA2BGR);
    return bgr;
}

constexpr int kFloodFlags = 8 | cv::FLOODFILL_FIXED_RANGE | cv::FLOODFILL_MASK_ONLY | (255 << 8);

void WandOpenCv(benchmark::State& state) {
    const QImage picture = BlobPicture();
    const cv::Mat image = ToMat(picture);
    cv::Mat mask = cv::Mat::zeros(kHeight + 2, kWidth + 2, CV_8U);

    // The two regions must be the same before their speed means anything.
    Loaded l(picture);
    l.doc->WandAt(kSeed);
    cv::floodFill(image, mask, cv::Point(kSeed.x(), kSeed.y()), cv::Scalar(), nullptr, cv::Scalar(8, 8, 8),
                  cv::Scalar(8, 8, 8), kFloodFlags);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if ((mask.at<uchar>(y + 1, x + 1) != 0) != (l.doc->MaskAt(x, y) == PixelMask::WandPending)) {
                state.SkipWithError("regions differ");
                return;
            }

    for (auto _ : state) {
        state.PauseTiming();
        mask.setTo(0);
        state.ResumeTiming();
        cv::floodFill(image, mask, cv::Point(kSeed.x(), kSeed.y()), cv::Scalar(), nullptr,
                      cv::Scalar(8, 8, 8), cv::Scalar(8, 8, 8), kFloodFlags);
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(WandOpenCv)->Name("Wand/opencv")->Unit(benchmark::kMicrosecond);

void PolygonFillOpenCv(benchmark::State& state) {
    cv::Mat mask = cv::Mat::zeros(kHeight, kWidth, CV_8U);
    std::vector<cv::Point> points;
    for (QPoint p : Shape(int(state.range(0))))
        points.emplace_back(p.x(), p.y());
    const std::vector<std::vector<cv::Point>> polygons = {points};
    for (auto _ : state) {
        cv::fillPoly(mask, polygons, cv::Scalar(255));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(PolygonFillOpenCv)
    ->Name("PolygonFill/opencv")
    ->ArgName("ellipse0_star1")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

void PaintPhotoLayerOpenCv(benchmark::State& state) {
    const QImage picture = BlobPicture();
    cv::Mat layer(kHeight, kWidth, CV_8UC4, const_cast<uchar*>(picture.constBits()),
                  size_t(picture.bytesPerLine()));
    cv::Mat canvas = cv::Mat::zeros(kHeight, kWidth, CV_8UC4);
    cv::Mat kept(kHeight, kWidth, CV_8U, cv::Scalar(255));
    for (int r = 0; r < kHeight; r += 3)
        for (int c = r % 7; c < kWidth; c += 5)
            kept.at<uchar>(r, c) = 0;
    for (auto _ : state) {
        layer.copyTo(canvas, kept);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}
BENCHMARK(PaintPhotoLayerOpenCv)->Name("PaintPhotoLayer/opencv")->Unit(benchmark::kMicrosecond);

#endif

} // namespace
