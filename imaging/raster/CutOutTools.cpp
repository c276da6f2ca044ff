#include "imaging/raster/CutOutTools.h"

#include "imaging/raster/Magnifier.h"
#include "imaging/raster/RasterBrush.h"
#include "imaging/raster/RasterCoordinates.h"
#include "imaging/raster/ToneArithmetic.h"
#include "imaging/raster/WalkStroke.h"
#include "imaging/raster/WorkPolygon.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vx7::imaging {

namespace {

// Commits pending wand pixels (they become removed) and marks in open the
// pixels that may join: kept, and each channel c with (c - low) as unsigned at
// most span. Written without branches over restrict pointers so that it runs on vectors.
void PrepareWand(PixelMask* __restrict mask, const Colour* __restrict photo, std::uint8_t* __restrict open,
                 int n, const std::uint32_t (&low)[3], const std::uint32_t (&span)[3]) {
    const std::uint32_t l0 = low[0], l1 = low[1], l2 = low[2];
    const std::uint32_t s0 = span[0], s1 = span[1], s2 = span[2];
    for (int i = 0; i < n; ++i) {
        const PixelMask m = mask[i];
        mask[i] = m == PixelMask::WandPending ? PixelMask::Removed : m;
        const std::uint32_t v = photo[i].Value();
        const std::uint32_t inside = (((v & 0xFFu) - l0) <= s0) & ((((v >> 8) & 0xFFu) - l1) <= s1) &
                                     ((((v >> 16) & 0xFFu) - l2) <= s2) & std::uint32_t(m == PixelMask::Kept);
        open[i] = static_cast<std::uint8_t>(inside);
    }
}

// First index in [from, to) whose byte is non-zero, or to; eight bytes at a time.
int FindOpen(const std::uint8_t* row, int from, int to) {
    int x = from;
    while (x < to && (x & 7) != 0 && !row[x])
        ++x;
    if (x < to && row[x])
        return x;
    while (x + 8 <= to) {
        std::uint64_t word;
        std::memcpy(&word, row + x, 8);
        if (word != 0)
            break;
        x += 8;
    }
    while (x < to && !row[x])
        ++x;
    return x;
}

// First index in [from, to) whose byte is zero, or to.
int FindClosed(const std::uint8_t* row, int from, int to) {
    int x = from;
    while (x < to && (x & 7) != 0 && row[x])
        ++x;
    if (x < to && !row[x])
        return x;
    while (x + 8 <= to) {
        std::uint64_t word;
        std::memcpy(&word, row + x, 8);
        // Open bytes are exactly 1: all eight open means the word is 0x0101...01.
        if (word != 0x0101010101010101ull)
            break;
        x += 8;
    }
    while (x < to && row[x])
        ++x;
    return x;
}

} // namespace

CutOutTools::CutOutTools()
    : open_(std::make_unique<std::array<std::uint8_t, PhotoLayers::kPixelCapacity>>()) {}

CutOutTools::~CutOutTools() = default;

void CutOutTools::FillPolygon(PhotoLayers& layers, const WorkPolygon& polygon, FillAction action) {
    static const ToneArithmetic::Table spotlight = ToneArithmetic::MakeTable(ToneArithmetic::Spotlight);
    PixelMask* mask = layers.MaskPixels();
    Colour* photo = layers.PhotoPixels();
    for (const PhotoLayers::Run& run : layers.PolygonRuns(polygon)) {
        const int start = layers.Index(run.first, run.row), end = layers.Index(run.end, run.row);
        switch (action) {
        case FillAction::Remove:
            std::fill(mask + start, mask + end, PixelMask::Removed);
            break;
        case FillAction::Keep:
            std::fill(mask + start, mask + end, PixelMask::Marked);
            break;
        case FillAction::Spotlight:
            for (int i = start; i < end; ++i)
                if (mask[i] == PixelMask::Kept)
                    photo[i] = ToneArithmetic::Apply(spotlight, photo[i]);
            break;
        }
    }
}

void CutOutTools::WandAt(PhotoLayers& layers, QPoint canvasPoint) {
    const QPoint p = ClampPoint(canvasPoint);
    const int seedX = p.x() - layers.PhotoPosition().x(), seedY = p.y() - layers.PhotoPosition().y();
    if (!layers.InLayer(seedX, seedY))
        return;
    PixelMask* mask = layers.MaskPixels();
    const Colour* photo = layers.PhotoPixels();
    std::uint8_t* open = open_->data();
    const int width = layers.PhotoWidth(), height = layers.PhotoHeight();
    const size_t seed = static_cast<size_t>(layers.Index(seedX, seedY));
    if (mask[seed] != PixelMask::Kept)
        return;

    const Colour s = photo[seed];
    wandBounds_ = {s.Red() - 8, s.Red() + 8, s.Green() - 8, s.Green() + 8, s.Blue() - 8, s.Blue() + 8};
    // Channels lie in 0..255, so the bounds can be cut to that range: a channel
    // joins when (c - low) as unsigned is at most the cut width.
    std::uint32_t low[3], span[3];
    for (int k = 0; k < 3; ++k) {
        const int lo = std::max(wandBounds_[size_t(2 * k)], 0),
                  hi = std::min(wandBounds_[size_t(2 * k + 1)], 255);
        low[k] = std::uint32_t(lo);
        span[k] = std::uint32_t(hi - lo);
    }

    // One pass commits the previous click's selection and notes which pixels could join.
    PrepareWand(mask, photo, open, layers.LayerSize(), low, span);

    // Grows the region run by run: every pixel 8-connected to the seed through
    // joining pixels ends up pending, exactly the set that the pass-by-pass
    // growth reaches, since whether a pixel joins does not depend on the order.
    struct Run {
        int first, last, row;
    };
    std::vector<Run> stack;
    stack.reserve(1024);
    // Claims the pixels first..last of a row: pending, and no longer open.
    auto claim = [&](size_t rowStart, int first, int last) {
        std::memset(open + rowStart + size_t(first), 0, size_t(last - first + 1));
        std::fill_n(mask + rowStart + size_t(first), size_t(last - first + 1), PixelMask::WandPending);
    };
    claim(seed - size_t(seedX), seedX, seedX);
    stack.push_back({seedX, seedX, seedY});
    while (!stack.empty()) {
        const Run run = stack.back();
        stack.pop_back();
        const size_t rowStart = size_t(run.row) * size_t(width);
        const std::uint8_t* row = open + rowStart;
        int left = run.first;
        while (left > 0 && row[left - 1])
            --left;
        const int right = FindClosed(row, run.last + 1, width) - 1;
        if (left < run.first)
            claim(rowStart, left, run.first - 1);
        if (right > run.last)
            claim(rowStart, run.last + 1, right);
        const int scanFrom = std::max(left - 1, 0), scanTo = std::min(right + 1, width - 1);
        for (int ny : {run.row - 1, run.row + 1}) {
            if (ny < 0 || ny >= height)
                continue;
            const size_t nStart = size_t(ny) * size_t(width);
            const std::uint8_t* next = open + nStart;
            int x = FindOpen(next, scanFrom, scanTo + 1);
            while (x <= scanTo) {
                const int end = FindClosed(next, x, scanTo + 1);
                claim(nStart, x, end - 1);
                stack.push_back({x, end - 1, ny});
                x = FindOpen(next, end, scanTo + 1);
            }
        }
    }
}

void CutOutTools::UndoWand(PhotoLayers& layers) {
    PixelMask* mask = layers.MaskPixels();
    for (int i = 0, n = layers.LayerSize(); i < n; ++i)
        mask[i] = mask[i] == PixelMask::WandPending ? PixelMask::Kept : mask[i];
}

void CutOutTools::CommitKeep(PhotoLayers& layers) {
    if (!layers.PhotoLoaded())
        return;
    PixelMask* mask = layers.MaskPixels();
    const int n = layers.LayerSize();
    for (int i = 0; i < n; ++i)
        mask[i] = mask[i] == PixelMask::Kept ? PixelMask::Removed : mask[i];
    for (int i = 0; i < n; ++i)
        mask[i] = mask[i] == PixelMask::Marked ? PixelMask::Kept : mask[i];
}

void CutOutTools::ErasePixel(CanvasSurface* canvas, PhotoLayers& layers, int column, int row, EraseOp op) {
    if (!layers.InLayer(column, row))
        return;
    const size_t i = static_cast<size_t>(layers.Index(column, row));
    const QPoint at = layers.PhotoPosition() + QPoint(column, row);
    if (op == EraseOp::Restore) {
        layers.MaskPixels()[i] = PixelMask::Kept;
        if (canvas)
            canvas->SetPixel(at.x(), at.y(), layers.PhotoPixels()[i]);
    } else {
        layers.MaskPixels()[i] = PixelMask::Removed;
        if (canvas)
            canvas->SetPixel(at.x(), at.y(), layers.BackgroundAt(column, row));
    }
}

void CutOutTools::EraseStroke(CanvasSurface& canvas, PhotoLayers& layers, RasterBrush& brush, QPoint from,
                              QPoint to, EraseOp op) {
    const QPoint a = ClampPoint(from), b = ClampPoint(to);
    const QPoint origin = layers.PhotoPosition();
    const std::vector<QPoint>& offsets = brush.StampOffsets();
    WalkStroke(a.x(), a.y(), b.x(), b.y(), [&](int x, int y) {
        for (const QPoint& o : offsets)
            ErasePixel(&canvas, layers, x - origin.x() + o.x(), y - origin.y() + o.y(), op);
    });
}

void CutOutTools::EraseMagnifierStroke(CanvasSurface& panel, PhotoLayers& layers, const Magnifier& magnifier,
                                       QPoint fromCell, QPoint toCell, EraseOp op) {
    const QPoint a = ClampPoint(fromCell), b = ClampPoint(toCell);
    WalkStroke(a.x(), a.y(), b.x(), b.y(), [&](int cx, int cy) {
        const QPoint pixel = magnifier.CellToPixel({cx, cy});
        if (!layers.InLayer(pixel.x(), pixel.y()))
            return;
        const size_t i = static_cast<size_t>(layers.Index(pixel.x(), pixel.y()));
        const Colour shown =
            op == EraseOp::Restore ? layers.PhotoPixels()[i] : layers.BackgroundAt(pixel.x(), pixel.y());
        magnifier.PaintCell(panel, cx, cy, shown);
        ErasePixel(nullptr, layers, pixel.x(), pixel.y(), op);
    });
}

} // namespace vx7::imaging
