#include "imaging/raster/PhotoLayers.h"

#include "imaging/geometry/PolygonScan.h"
#include "imaging/raster/RasterCoordinates.h"
#include "imaging/raster/ToneArithmetic.h"
#include "imaging/raster/WorkPolygon.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vx7::imaging {

namespace {

static_assert(sizeof(PixelMask) == 1);
static_assert(std::endian::native == std::endian::little,
              "the mask scans read eight pixels as one word, first pixel in the low byte");
static_assert(sizeof(Colour) == sizeof(QRgb));

// Eight kept mask bytes as one word.
constexpr std::uint64_t kKeptWord = 0x0101010101010101ull * std::uint8_t(PixelMask::Kept);
constexpr std::uint64_t kLowBits = 0x0101010101010101ull;
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

std::uint64_t LoadWord(const PixelMask* mask) {
    std::uint64_t word;
    std::memcpy(&word, mask, sizeof word);
    return word;
}

// Index of the lowest non-zero byte of a non-zero word.
int FirstNonZeroByte(std::uint64_t word) {
    return std::countr_zero(word) >> 3;
}

// First index in [from, to) whose mask byte is not kept, or to. Eight bytes at
// a time: a word of eight kept bytes equals kKeptWord.
int EndOfKeptRun(const PixelMask* mask, int from, int to) {
    int x = from;
    while (x + 8 <= to) {
        const std::uint64_t differ = LoadWord(mask + x) ^ kKeptWord;
        if (differ != 0)
            return x + FirstNonZeroByte(differ);
        x += 8;
    }
    while (x < to && mask[x] == PixelMask::Kept)
        ++x;
    return x;
}

// First index in [from, to) whose mask byte is kept, or to.
int StartOfKeptRun(const PixelMask* mask, int from, int to) {
    int x = from;
    while (x + 8 <= to) {
        const std::uint64_t differ = LoadWord(mask + x) ^ kKeptWord;
        // Kept bytes are the zero bytes of differ. The subtraction flags every
        // zero byte; a borrow can flag bytes above one too, never below, so
        // the lowest flag is exact.
        const std::uint64_t zero = (differ - kLowBits) & ~differ & kHighBits;
        if (zero != 0)
            return x + FirstNonZeroByte(zero);
        x += 8;
    }
    while (x < to && mask[x] != PixelMask::Kept)
        ++x;
    return x;
}

// The canvas pixel of a layer colour: red and blue swap places, alpha opaque.
inline std::uint32_t CanvasPixel(std::uint32_t v) {
    return 0xFF000000u | ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
}

// The painting below works on blocks of eight pixels, one mask word each, so
// that a block needs no branch per pixel. Where SSE2 is available (every
// x86-64) a block is written with its vector instructions; elsewhere with
// plain loops of fixed length, which the compiler may vectorise itself.
constexpr int kBlock = 8;

#if defined(__SSE2__)

// Four layer colours as canvas pixels.
inline __m128i CanvasPixels(__m128i v) {
    // With alpha set, a colour reads FF BB GG RR from the high byte down;
    // swapping its two 16-bit halves gives GG RR FF BB. The wanted FF RR GG BB
    // takes bytes 0 and 2 from the swapped value and bytes 1 and 3 from the first.
    const __m128i opaque = _mm_or_si128(v, _mm_set1_epi32(int(0xFF000000u)));
    const __m128i swapped = _mm_shufflehi_epi16(_mm_shufflelo_epi16(opaque, 0xB1), 0xB1);
    return _mm_or_si128(_mm_and_si128(swapped, _mm_set1_epi32(0x00FF00FF)),
                        _mm_and_si128(opaque, _mm_set1_epi32(int(0xFF00FF00u))));
}

// Writes eight layer colours as canvas pixels.
inline void CopyBlock(QRgb* dst, const Colour* src) {
    const __m128i* s = reinterpret_cast<const __m128i*>(src);
    __m128i* d = reinterpret_cast<__m128i*>(dst);
    _mm_storeu_si128(d, CanvasPixels(_mm_loadu_si128(s)));
    _mm_storeu_si128(d + 1, CanvasPixels(_mm_loadu_si128(s + 1)));
}

// Writes the kept pixels of eight in their colour and the others in other,
// or leaves the others alone when fillOthers is false.
inline void BlendBlock(QRgb* dst, const Colour* src, const PixelMask* mask, bool fillOthers, QRgb other) {
    const __m128i* s = reinterpret_cast<const __m128i*>(src);
    __m128i* d = reinterpret_cast<__m128i*>(dst);
    // Eight mask bytes to 0xFF (kept) or 0, widened to one 32-bit lane per pixel.
    const __m128i kept = _mm_cmpeq_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(mask)),
                                        _mm_set1_epi8(char(PixelMask::Kept)));
    const __m128i kept16 = _mm_unpacklo_epi8(kept, kept);
    const __m128i keep[2] = {_mm_unpacklo_epi16(kept16, kept16), _mm_unpackhi_epi16(kept16, kept16)};
    for (int half = 0; half < 2; ++half) {
        const __m128i others = fillOthers ? _mm_set1_epi32(int(other)) : _mm_loadu_si128(d + half);
        const __m128i colours = CanvasPixels(_mm_loadu_si128(s + half));
        _mm_storeu_si128(
            d + half, _mm_or_si128(_mm_and_si128(keep[half], colours), _mm_andnot_si128(keep[half], others)));
    }
}

#else

inline void CopyBlock(QRgb* __restrict dst, const Colour* __restrict src) {
    std::uint32_t block[kBlock];
    std::memcpy(block, src, sizeof block);
    for (std::uint32_t& v : block)
        v = CanvasPixel(v);
    std::memcpy(dst, block, sizeof block);
}

inline void BlendBlock(QRgb* __restrict dst, const Colour* __restrict src, const PixelMask* __restrict mask,
                       bool fillOthers, QRgb other) {
    const std::uint32_t* s = reinterpret_cast<const std::uint32_t*>(src);
    const std::uint8_t* m = reinterpret_cast<const std::uint8_t*>(mask);
    for (int k = 0; k < kBlock; ++k) {
        const std::uint32_t keep = 0u - std::uint32_t(m[k] == std::uint8_t(PixelMask::Kept));
        dst[k] = (CanvasPixel(s[k]) & keep) | ((fillOthers ? other : dst[k]) & ~keep);
    }
}

#endif

// Writes n layer colours as canvas pixels.
void CopyRun(QRgb* dst, const Colour* src, int n) {
    int i = 0;
    for (; i + kBlock <= n; i += kBlock)
        CopyBlock(dst + i, src + i);
    for (; i < n; ++i)
        dst[i] = CanvasPixel(src[i].Value());
}

// True when any of the eight mask bytes of word is kept.
bool AnyKept(std::uint64_t word) {
    const std::uint64_t differ = word ^ kKeptWord;
    return ((differ - kLowBits) & ~differ & kHighBits) != 0;
}

// One row of the photo outside the sticker mode: kept pixels in their colour,
// the others in the background colour, or left alone when fillOthers is false.
void PaintRow(QRgb* line, const Colour* colours, const PixelMask* mask, int n, bool fillOthers,
              QRgb background) {
    std::uint32_t fill[kBlock];
    std::fill(std::begin(fill), std::end(fill), background);
    int col = 0;
    for (; col + kBlock <= n; col += kBlock) {
        const std::uint64_t word = LoadWord(mask + col);
        if (word == kKeptWord) {
            // A whole run of kept pixels: copy on to its end.
            const int end = EndOfKeptRun(mask, col, n) & ~(kBlock - 1);
            for (; col < end; col += kBlock)
                CopyBlock(line + col, colours + col);
            col -= kBlock;
        } else if (!AnyKept(word)) {
            if (fillOthers)
                std::memcpy(line + col, fill, sizeof fill);
        } else {
            BlendBlock(line + col, colours + col, mask + col, fillOthers, background);
        }
    }
    for (; col < n; ++col) {
        if (mask[col] == PixelMask::Kept)
            line[col] = CanvasPixel(colours[col].Value());
        else if (fillOthers)
            line[col] = background;
    }
}

void DimRun(QRgb* dst, const Colour* src, int n, const ToneArithmetic::Table& dim) {
    for (int i = 0; i < n; ++i)
        dst[i] = ToneArithmetic::Apply(dim, src[i]).ToQRgb();
}

} // namespace

PhotoLayers::PhotoLayers() : px_(std::make_unique<Storage>()) {
    px_->photo.fill(kClearedColour);
    px_->mask.fill(PixelMask::Empty);
    px_->background.fill(kClearedColour);
    px_->backgroundMask.fill(PixelMask::Empty);
}

PhotoLayers::~PhotoLayers() = default;

void PhotoLayers::CapturePhoto(const CanvasSurface& canvas, int x, int y, int width, int height) {
    photoX_ = x;
    photoY_ = y;
    photoWidth_ = std::clamp(width, 0, kMaxLayerWidth);
    photoHeight_ = std::clamp(height, 0, kMaxLayerHeight);
    canvas.ReadRect(x, y, photoWidth_, photoHeight_, px_->photo.data(), photoWidth_);
    std::fill_n(px_->mask.begin(), LayerSize(), PixelMask::Kept);
}

void PhotoLayers::MovePhoto(int dx, int dy) {
    photoX_ = ClampCoordinate(photoX_ + ClampCoordinate(dx));
    photoY_ = ClampCoordinate(photoY_ + ClampCoordinate(dy));
}

void PhotoLayers::ClearPhoto() {
    px_->mask.fill(PixelMask::Empty);
    px_->photo.fill(kClearedColour);
    photoLoaded_ = false;
    photoWidth_ = 0;
    photoHeight_ = 0;
}

Colour PhotoLayers::PhotoColour(int column, int row) const {
    return InLayer(column, row) ? px_->photo[size_t(Index(column, row))] : kClearedColour;
}

PixelMask PhotoLayers::MaskAt(int column, int row) const {
    return InLayer(column, row) ? px_->mask[size_t(Index(column, row))] : PixelMask::Empty;
}

void PhotoLayers::SetPhotoPixel(int column, int row, Colour c, PixelMask mask) {
    if (!InLayer(column, row))
        return;
    px_->photo[size_t(Index(column, row))] = c;
    px_->mask[size_t(Index(column, row))] = mask;
}

void PhotoLayers::CaptureBackground(const CanvasSurface& canvas, int x, int y, int width, int height) {
    backgroundX_ = x;
    backgroundY_ = y;
    backgroundWidth_ = std::clamp(width, 0, kMaxLayerWidth);
    backgroundHeight_ = std::clamp(height, 0, kMaxLayerHeight);
    canvas.ReadRect(x, y, backgroundWidth_, backgroundHeight_, px_->background.data(), backgroundWidth_);
    std::fill_n(px_->backgroundMask.begin(), BackgroundSize(), PixelMask::Kept);
    backgroundLoaded_ = true;
}

void PhotoLayers::DropBackground(int x, int y, int width, int height) {
    backgroundX_ = x;
    backgroundY_ = y;
    backgroundWidth_ = width;
    backgroundHeight_ = height;
    backgroundLoaded_ = false;
}

Colour PhotoLayers::BackgroundLayerColour(int column, int row) const {
    if (column < 0 || row < 0 || column >= backgroundWidth_ || row >= backgroundHeight_)
        return kClearedColour;
    return px_->background[size_t(column + row * backgroundWidth_)];
}

Colour PhotoLayers::BackgroundAt(int column, int row) const {
    if (backgroundMode_ == BackgroundMode::Picture && backgroundLoaded_) {
        if (column >= 0 && row >= 0 && column < backgroundWidth_ && row < backgroundHeight_)
            return px_->background[size_t(column + row * backgroundWidth_)];
    }
    return backgroundColour_;
}

Colour PhotoLayers::ShownColour(int column, int row) const {
    const size_t i = size_t(Index(column, row));
    return px_->mask[i] == PixelMask::Kept ? px_->photo[i] : BackgroundAt(column, row);
}

void PhotoLayers::WriteShown(CanvasSurface& canvas, int column, int row) const {
    canvas.SetPixel(photoX_ + column, photoY_ + row, ShownColour(column, row));
}

void PhotoLayers::PaintBackground(CanvasSurface& canvas) const {
    if (backgroundMode_ != BackgroundMode::Picture || !backgroundLoaded_)
        return;
    QImage& image = canvas.Image();
    const int colFrom = std::max(0, -backgroundX_);
    const int colTo = std::min(backgroundWidth_, canvas.Width() - backgroundX_);
    for (int row = 0; row < backgroundHeight_; ++row) {
        const int y = backgroundY_ + row;
        if (y < 0 || y >= canvas.Height() || colFrom >= colTo)
            continue;
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y)) + (backgroundX_ + colFrom);
        CopyRun(line, px_->background.data() + row * backgroundWidth_ + colFrom, colTo - colFrom);
    }
}

void PhotoLayers::PaintPhoto(CanvasSurface& canvas, bool sticker) const {
    if (!photoLoaded_)
        return;
    static const ToneArithmetic::Table dim = ToneArithmetic::MakeTable(ToneArithmetic::Dim);
    const bool fillRemoved = backgroundMode_ != BackgroundMode::Picture;
    const QRgb background = backgroundColour_.ToQRgb();
    QImage& image = canvas.Image();
    const int colFrom = std::max(0, -photoX_);
    const int colTo = std::min(photoWidth_, canvas.Width() - photoX_);
    if (colFrom >= colTo)
        return;
    const int rowFrom = std::max(0, -photoY_);
    const int rowTo = std::min(photoHeight_, canvas.Height() - photoY_);
    const int n = colTo - colFrom;
    for (int row = rowFrom; row < rowTo; ++row) {
        // Entry col of line, colours and mask is layer column colFrom + col.
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(photoY_ + row)) + (photoX_ + colFrom);
        const Colour* colours = px_->photo.data() + row * photoWidth_ + colFrom;
        const PixelMask* mask = px_->mask.data() + row * photoWidth_ + colFrom;
        if (!sticker) {
            PaintRow(line, colours, mask, n, fillRemoved, background);
            continue;
        }
        // The sticker mode alternates runs of kept pixels and runs of the others.
        int col = 0;
        while (col < n) {
            const int keptEnd = EndOfKeptRun(mask, col, n);
            DimRun(line + col, colours + col, keptEnd - col, dim);
            if (keptEnd == n)
                break;
            const int otherEnd = StartOfKeptRun(mask, keptEnd + 1, n);
            for (int c = keptEnd; c < otherEnd; ++c)
                if (mask[c] == PixelMask::Marked)
                    line[c] = colours[c].ToQRgb();
            col = otherEnd;
        }
    }
}

std::vector<PhotoLayers::Run> PhotoLayers::PolygonRuns(const WorkPolygon& polygon) const {
    std::vector<PolygonSpan> spans;
    ScanPolygon(polygon.Points(), polygon.Count(), WorkPolygon::kMaxEdges, photoY_, photoY_ + photoHeight_,
                spans);
    std::vector<Run> runs;
    runs.reserve(spans.size());
    for (const PolygonSpan& span : spans) {
        const int from =
            static_cast<int>(std::max<long long>(0LL, static_cast<long long>(span.first) - photoX_));
        const int to =
            static_cast<int>(std::min<long long>(photoWidth_, static_cast<long long>(span.end) - photoX_));
        if (from < to)
            runs.push_back({span.row - photoY_, from, to});
    }
    return runs;
}

} // namespace vx7::imaging
