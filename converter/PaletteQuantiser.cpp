#include "PaletteQuantiser.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

namespace vx7::converter {
namespace {

constexpr int kCellBits = 6;
constexpr int kLowBits = 8 - kCellBits;
constexpr int kCells = 1 << (3 * kCellBits);
constexpr std::uint32_t kLowMask = (1u << kLowBits) - 1;
// Most points the seeding and the k-means steps work on (see CellPoints).
constexpr std::size_t kMaxPoints = 20000;

inline int CellOf(std::uint32_t c) {
    const std::uint32_t r = (c >> 16) & 255, g = (c >> 8) & 255, b = c & 255;
    return static_cast<int>(((r >> kLowBits) << (2 * kCellBits)) | ((g >> kLowBits) << kCellBits) |
                            (b >> kLowBits));
}

// Open-addressing map from a 24-bit colour to a count and the least position it
// was added at; refuses new keys when full.
class ColourCounts {
  public:
    explicit ColourCounts(int slotsLog2)
        : mask_((1u << slotsLog2) - 1), keys_(std::size_t{1} << slotsLog2, kEmpty), counts_(keys_.size(), 0),
          least_(keys_.size(), 0) {}

    // Adds n to colour's count; false when the colour is new and the map is full.
    bool Add(std::uint32_t colour, std::uint32_t n, int position = 0) {
        std::uint32_t slot = (colour * 0x9E3779B1u) >> 8 & mask_;
        while (keys_[slot] != kEmpty) {
            if (keys_[slot] == colour) {
                counts_[slot] += n;
                least_[slot] = std::min(least_[slot], position);
                return true;
            }
            slot = (slot + 1) & mask_;
        }
        if (size_ * 4 >= keys_.size() * 3)
            return false;
        keys_[slot] = colour;
        counts_[slot] = n;
        least_[slot] = position;
        ++size_;
        return true;
    }
    int Find(std::uint32_t colour) const {
        std::uint32_t slot = (colour * 0x9E3779B1u) >> 8 & mask_;
        while (keys_[slot] != kEmpty) {
            if (keys_[slot] == colour)
                return static_cast<int>(slot);
            slot = (slot + 1) & mask_;
        }
        return -1;
    }
    std::size_t Size() const { return size_; }
    std::size_t Slots() const { return keys_.size(); }
    std::uint32_t Key(std::size_t slot) const { return keys_[slot]; }
    std::uint32_t Count(std::size_t slot) const { return counts_[slot]; }
    int Least(std::size_t slot) const { return least_[slot]; }
    bool Used(std::size_t slot) const { return keys_[slot] != kEmpty; }
    void SetCount(std::size_t slot, std::uint32_t v) { counts_[slot] = v; }

  private:
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu;
    std::uint32_t mask_;
    std::vector<std::uint32_t> keys_;
    std::vector<std::uint32_t> counts_;
    std::vector<int> least_;
    std::size_t size_ = 0;
};

struct Point {
    float r, g, b, w;
};

struct Centre {
    float r, g, b;
};

// Entries sorted by their position along the axis they spread most along (the
// principal axis of their colours). A colour's distance to an entry is at least
// the distance between their positions on the axis, so a scan outward from the
// colour's own position can stop once that alone is too big. (A fixed axis such as
// r + g + b fails on pictures whose colours all have about the same sum.)
class PairFinder {
  public:
    void Build(const std::vector<Centre>& centres) {
        const int k = static_cast<int>(centres.size());
        ChooseAxis(centres);
        order_.resize(static_cast<std::size_t>(k));
        std::vector<float> at(static_cast<std::size_t>(k));
        for (int i = 0; i < k; ++i) {
            order_[static_cast<std::size_t>(i)] = i;
            const Centre& c = centres[static_cast<std::size_t>(i)];
            at[static_cast<std::size_t>(i)] = Along(c.r, c.g, c.b);
        }
        std::sort(order_.begin(), order_.end(), [&](int a, int b) {
            const float x = at[static_cast<std::size_t>(a)], y = at[static_cast<std::size_t>(b)];
            return x < y || (x == y && a < b);
        });
        e_.resize(order_.size());
        sortedOf_.resize(order_.size());
        for (std::size_t j = 0; j < order_.size(); ++j) {
            const Centre& c = centres[static_cast<std::size_t>(order_[j])];
            e_[j] = {c.r, c.g, c.b, at[static_cast<std::size_t>(order_[j])]};
            sortedOf_[static_cast<std::size_t>(order_[j])] = static_cast<int>(j);
        }
        std::size_t j = 0;
        for (int s = 0; s < kPositions; ++s) {
            while (j < e_.size() && e_[j].s < static_cast<float>(s - kOffset))
                ++j;
            start_[s] = static_cast<int>(j);
        }
    }
    // Nearest entry (first) and the next nearest (second) with their squared distances.
    void Nearest2(float r, float g, float b, int guess, int* first, float* d1, int* second, float* d2) const {
        const int k = static_cast<int>(e_.size());
        int best = sortedOf_[static_cast<std::size_t>(guess)], next = -1;
        float bestD = Dist(best, r, g, b), nextD = std::numeric_limits<float>::max();
        const float s = Along(r, g, b);
        const int from = start_[std::clamp(static_cast<int>(std::floor(s)) + kOffset, 0, kPositions - 1)];
        auto consider = [&](int j) {
            if (j == best)
                return;
            const float d = Dist(j, r, g, b);
            if (d < bestD) {
                nextD = bestD;
                next = best;
                bestD = d;
                best = j;
            } else if (d < nextD) {
                nextD = d;
                next = j;
            }
        };
        for (int j = from; j < k; ++j) {
            const float ds = e_[static_cast<std::size_t>(j)].s - s;
            if (ds > 0 && ds * ds > nextD)
                break;
            consider(j);
        }
        for (int j = from - 1; j >= 0; --j) {
            const float ds = s - e_[static_cast<std::size_t>(j)].s;
            if (ds > 0 && ds * ds > nextD)
                break;
            consider(j);
        }
        *first = order_[static_cast<std::size_t>(best)];
        *d1 = bestD;
        *second = next < 0 ? *first : order_[static_cast<std::size_t>(next)];
        *d2 = next < 0 ? bestD : nextD;
    }

  private:
    struct E {
        float r, g, b, s;
    };
    float Dist(int j, float r, float g, float b) const {
        const E& e = e_[static_cast<std::size_t>(j)];
        const float dr = e.r - r, dg = e.g - g, db = e.b - b;
        return dr * dr + dg * dg + db * db;
    }
    // The principal axis of the entries' colours (unit length), by power iteration
    // on their covariance from the grey axis.
    void ChooseAxis(const std::vector<Centre>& centres) {
        double mean[3] = {}, cov[3][3] = {};
        for (const Centre& c : centres) {
            mean[0] += c.r;
            mean[1] += c.g;
            mean[2] += c.b;
        }
        const double n = static_cast<double>(std::max<std::size_t>(centres.size(), 1));
        for (double& m : mean)
            m /= n;
        for (const Centre& c : centres) {
            const double d[3] = {c.r - mean[0], c.g - mean[1], c.b - mean[2]};
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    cov[i][j] += d[i] * d[j];
        }
        double v[3] = {1, 1, 1};
        for (int round = 0; round < 16; ++round) {
            double w[3] = {};
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    w[i] += cov[i][j] * v[j];
            const double length = std::sqrt(w[0] * w[0] + w[1] * w[1] + w[2] * w[2]);
            if (!(length > 1e-9))
                break; // all entries alike: any axis will do
            for (int i = 0; i < 3; ++i)
                v[i] = w[i] / length;
        }
        const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        for (int i = 0; i < 3; ++i)
            axis_[i] = static_cast<float>(v[i] / length);
    }
    float Along(float r, float g, float b) const { return r * axis_[0] + g * axis_[1] + b * axis_[2]; }

    // Positions along a unit axis lie within ±255 × √3 of 0.
    static constexpr int kOffset = 443;
    static constexpr int kPositions = 2 * kOffset + 1;
    float axis_[3] = {};
    std::vector<int> order_, sortedOf_;
    std::vector<E> e_;
    int start_[kPositions];
};

// Maps colours to their exact nearest palette entry (squared RGB distance).
// For a box of colours it keeps the entries that can be nearest to some colour of
// the box: those whose smallest distance to the box does not exceed the smallest
// largest-distance of any entry. Boxes of 16 × 16 × 16 colours take their candidates
// from the whole palette, boxes of 8 and 4 from the box that holds them; each is
// made the first time a colour falls into it. Most small boxes keep one candidate, which
// then is the answer without any distance computed; otherwise the candidates are
// tried in order of their distance from the box, stopping at the first one further
// from the box than the best entry found is from the colour.
class PaletteMapper {
  public:
    explicit PaletteMapper(const QuantisedPicture& p)
        : wide_(1u << 12, 0), coarse_(1u << 15, 0), fine_(1u << 18, 0) {
        k_ = p.colours;
        for (int i = 0; i < k_; ++i) {
            r_[i] = p.palette[static_cast<std::size_t>(3 * i)];
            g_[i] = p.palette[static_cast<std::size_t>(3 * i + 1)];
            b_[i] = p.palette[static_cast<std::size_t>(3 * i + 2)];
            bySum_[i] = i;
        }
        std::sort(bySum_, bySum_ + k_, [&](int a, int b) { return Sum(a) < Sum(b); });
        int j = 0;
        for (int s = 0; s <= 766; ++s) {
            while (j < k_ && Sum(bySum_[j]) < s)
                ++j;
            sumStart_[s] = j;
        }
        lists_.reserve(1 << 14);
        lists_.push_back({0, 0}); // offset 0 means "not made yet"
        boxes_.reserve(1 << 12);
        boxes_.push_back({0, 0, {}}); // likewise
    }

    // The common cases (a box with one candidate, a colour seen before) stay inline
    // in the pixel loops; the rest is out of line.
    std::uint8_t Nearest(std::uint32_t c) {
        const std::uint32_t key = ((c >> 6) & 0x3F000u) | ((c >> 4) & 0xFC0u) | ((c >> 2) & 0x3Fu);
        const std::uint32_t fine = fine_[key];
        if (fine & kSingle)
            return static_cast<std::uint8_t>(fine & 0xFF);
        if (fine != 0) {
            const Box& box = boxes_[fine];
            const unsigned at = ((c >> 12) & 0x30u) | ((c >> 6) & 0xCu) | (c & 3u);
            if (box.known >> at & 1)
                return box.answer[at];
        }
        return Search(c, key);
    }

  private:
    [[gnu::noinline]] std::uint8_t Search(std::uint32_t c, std::uint32_t key) {
        const int r = static_cast<int>((c >> 16) & 255), g = static_cast<int>((c >> 8) & 255),
                  b = static_cast<int>(c & 255);
        std::uint32_t fine = fine_[key];
        if (fine == 0) {
            fine = MakeFine(r & ~3, g & ~3, b & ~3);
            if (!(fine & kSingle)) {
                boxes_.push_back({fine, 0, {}});
                fine = static_cast<std::uint32_t>(boxes_.size() - 1);
            }
            fine_[key] = fine;
        }
        if (fine & kSingle)
            return static_cast<std::uint8_t>(fine & 0xFF);
        // Colours of the box already seen keep their answer.
        Box& box = boxes_[fine];
        const int at = ((r & 3) << 4) | ((g & 3) << 2) | (b & 3);
        if (box.known >> at & 1)
            return box.answer[at];
        box.known |= std::uint64_t{1} << at;
        const Candidate* e = lists_.data() + box.list;
        const Candidate* end = e + 1 + e->nearest;
        ++e; // the first element holds the count
        std::uint8_t best = e->index;
        int bestD = e->Dist(r, g, b);
        for (++e; e < end && e->nearest < bestD; ++e) {
            const int d = e->Dist(r, g, b);
            if (d < bestD) {
                bestD = d;
                best = e->index;
            }
        }
        box.answer[at] = best;
        return best;
    }

    // A box of 4 × 4 × 4 colours with more than one candidate: its list, and the
    // answers for the colours found so far.
    struct Box {
        std::uint32_t list;
        std::uint64_t known;
        std::uint8_t answer[64];
    };
    static constexpr std::uint32_t kSingle = 0x80000000u;
    static constexpr int kShortList = 4;
    struct Candidate {
        std::uint16_t nearest; // smallest squared distance from the box (count in a list's first element)
        std::uint8_t index;
        std::uint8_t r = 0, g = 0, b = 0; // the entry's colour, at hand for the distance
        int Dist(int cr, int cg, int cb) const {
            const int dr = r - cr, dg = g - cg, db = b - cb;
            return dr * dr + dg * dg + db * db;
        }
    };

    int Sum(int i) const { return r_[i] + g_[i] + b_[i]; }
    int Dist(int i, int r, int g, int b) const {
        const int dr = r_[i] - r, dg = g_[i] - g, db = b_[i] - b;
        return dr * dr + dg * dg + db * db;
    }
    // Smallest and largest squared distance from entry i to the box [lo, lo + side).
    void BoxDistances(int i, const int lo[3], int side, int& dmin, int& dmax) const {
        const int e[3] = {r_[i], g_[i], b_[i]};
        dmin = dmax = 0;
        for (int c = 0; c < 3; ++c) {
            const int hi = lo[c] + side - 1;
            const int out = e[c] < lo[c] ? lo[c] - e[c] : (e[c] > hi ? e[c] - hi : 0);
            dmin += out * out;
            const int far = std::max(e[c] - lo[c], hi - e[c]);
            dmax += far * far;
        }
    }

    // Whether entry f is strictly nearer than entry e to some colour of the box
    // [lo, lo + side). |x - f|² - |x - e|² is linear in x, so its smallest value
    // over the box is at the corner that goes furthest towards f along f - e.
    bool BeatsSomewhere(int f, int e, const int lo[3], int side) const {
        const int fe[3] = {r_[f] - r_[e], g_[f] - g_[e], b_[f] - b_[e]};
        int least = Sum2(f) - Sum2(e);
        for (int c = 0; c < 3; ++c)
            least -= 2 * fe[c] * (fe[c] > 0 ? lo[c] + side - 1 : lo[c]);
        return least < 0;
    }
    int Sum2(int i) const { return r_[i] * r_[i] + g_[i] * g_[i] + b_[i] * b_[i]; }

    // Keeps the candidates of the given entries for a box; returns the list's offset
    // in lists_, or kSingle | index when one entry is left.
    template <typename Entries>
    std::uint32_t Keep(const Entries& entries, int count, const int lo[3], int side) {
        int near[256], index[256], bound = 1 << 30, pivot = 0;
        for (int n = 0; n < count; ++n) {
            int dmin, dmax;
            index[n] = entries(n);
            BoxDistances(index[n], lo, side, dmin, dmax);
            near[n] = dmin;
            if (dmax < bound) {
                bound = dmax;
                pivot = index[n];
            }
        }
        // Keep those within the bound that are nearer than the pivot (the entry with
        // the smallest largest distance) somewhere in the box, in order of their
        // distance from the box (insertion: lists are short).
        int keptNear[256], keptIndex[256], kept = 0;
        for (int n = 0; n < count; ++n) {
            if (near[n] > bound || (index[n] != pivot && !BeatsSomewhere(index[n], pivot, lo, side)))
                continue;
            int at = kept++;
            while (at > 0 && keptNear[at - 1] > near[n]) {
                keptNear[at] = keptNear[at - 1];
                keptIndex[at] = keptIndex[at - 1];
                --at;
            }
            keptNear[at] = near[n];
            keptIndex[at] = index[n];
        }
        if (kept == 1)
            return kSingle | static_cast<std::uint32_t>(keptIndex[0]);
        const std::uint32_t offset = static_cast<std::uint32_t>(lists_.size());
        lists_.push_back({static_cast<std::uint16_t>(kept), 0});
        for (int n = 0; n < kept; ++n)
            lists_.push_back(
                {static_cast<std::uint16_t>(std::min(keptNear[n], 65535)),
                 static_cast<std::uint8_t>(keptIndex[n]), static_cast<std::uint8_t>(r_[keptIndex[n]]),
                 static_cast<std::uint8_t>(g_[keptIndex[n]]), static_cast<std::uint8_t>(b_[keptIndex[n]])});
        return offset;
    }

    // Boxes of 16: candidates from the whole palette, near the box in r + g + b.
    std::uint32_t MakeWide(int r, int g, int b) {
        // The entry nearest to the box's centre bounds the candidates: none can be
        // nearer to any colour of the box than that entry's largest distance.
        const int lo[3] = {r, g, b};
        const int cr = 2 * r + 15, cg = 2 * g + 15, cb = 2 * b + 15; // doubled centre
        const int sumLo = r + g + b, sumHi = sumLo + 45, centre = sumLo + 22;
        int nearest = bySum_[std::min(sumStart_[centre], k_ - 1)];
        auto centreDist = [&](int i) {
            const int dr = 2 * r_[i] - cr, dg = 2 * g_[i] - cg, db = 2 * b_[i] - cb;
            return dr * dr + dg * dg + db * db; // four times the squared distance
        };
        int best = centreDist(nearest);
        const int from = sumStart_[centre];
        for (int j = from; j < k_; ++j) {
            const int ds = 2 * (Sum(bySum_[j]) - centre) - 1;
            if (ds > 0 && ds * ds > 3 * best)
                break;
            const int d = centreDist(bySum_[j]);
            if (d < best) {
                best = d;
                nearest = bySum_[j];
            }
        }
        for (int j = from - 1; j >= 0; --j) {
            const int ds = 2 * (centre - Sum(bySum_[j])) - 1;
            if (ds > 0 && ds * ds > 3 * best)
                break;
            const int d = centreDist(bySum_[j]);
            if (d < best) {
                best = d;
                nearest = bySum_[j];
            }
        }
        int dmin, bound;
        BoxDistances(nearest, lo, 16, dmin, bound);
        // An entry's smallest distance to the box is at least a third of the square
        // of how far its sum lies outside the box's sums.
        const int reach = static_cast<int>(std::sqrt(3.0 * bound)) + 1;
        const int first = sumStart_[std::max(0, sumLo - reach)];
        const int last = sumStart_[std::min(766, sumHi + reach + 1)];
        return Keep([&](int n) { return bySum_[first + n]; }, last - first, lo, 16);
    }

    // Boxes of side 8 and 4: candidates from the enclosing box's list.
    std::uint32_t FromParent(std::uint32_t parent, int r, int g, int b, int side) {
        if (parent & kSingle)
            return parent;
        const int lo[3] = {r, g, b};
        const std::uint32_t at = parent + 1;
        const int count = lists_[parent].nearest;
        std::uint8_t entries[256];
        for (int n = 0; n < count; ++n)
            entries[n] = lists_[at + static_cast<std::uint32_t>(n)].index;
        return Keep([&](int n) { return static_cast<int>(entries[n]); }, count, lo, side);
    }

    std::uint32_t MakeFine(int r, int g, int b) {
        const std::uint32_t wideKey =
            static_cast<std::uint32_t>(((r >> 4) << 8) | ((g >> 4) << 4) | (b >> 4));
        std::uint32_t wide = wide_[wideKey];
        if (wide == 0) {
            wide = MakeWide(r & ~15, g & ~15, b & ~15);
            wide_[wideKey] = wide;
        }
        const std::uint32_t key = static_cast<std::uint32_t>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
        std::uint32_t coarse = coarse_[key];
        if (coarse == 0) {
            coarse = FromParent(wide, r & ~7, g & ~7, b & ~7, 8);
            coarse_[key] = coarse;
        }
        // A short list is searched as it is: a list of its own for the small box
        // would cost more to make than it saves the few colours that fall into it.
        if (!(coarse & kSingle) && lists_[coarse].nearest <= kShortList)
            return coarse;
        return FromParent(coarse, r, g, b, 4);
    }

    int k_ = 0;
    int r_[256] = {}, g_[256] = {}, b_[256] = {};
    int bySum_[256] = {};
    int sumStart_[767] = {};
    std::vector<std::uint32_t> wide_;
    std::vector<std::uint32_t> coarse_;
    std::vector<std::uint32_t> fine_;
    std::vector<Candidate> lists_;
    std::vector<Box> boxes_;
};

void MapPixels(const std::uint32_t* pixels, int width, int height, int stride, QuantisedPicture& out) {
    PaletteMapper mapper(out);
    out.indices.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    std::uint8_t* dst = out.indices.data();
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        std::uint32_t last = ~row[0] & 0xFFFFFF;
        std::uint8_t lastIndex = 0;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = row[x] & 0xFFFFFF;
            if (c != last) {
                last = c;
                lastIndex = mapper.Nearest(c);
            }
            *dst++ = lastIndex;
        }
    }
}

// The occupied cells at a resolution of bits per channel (at most kCellBits), as
// points at their means weighted by their pixel counts, in cell order.
std::vector<Point> CellPoints(const std::vector<std::uint32_t>& cells,
                              const std::vector<std::uint64_t>& occupied, int bits) {
    constexpr int kMask = (1 << kCellBits) - 1;
    // Calls visit(cell index) for every occupied cell, in index order.
    auto forEach = [&](auto visit) {
        for (std::size_t word = 0; word < occupied.size(); ++word)
            for (std::uint64_t w = occupied[word]; w != 0; w &= w - 1)
                visit(static_cast<int>(word * 64 + static_cast<std::size_t>(std::countr_zero(w))));
    };
    std::vector<Point> points;
    points.reserve(8192);
    if (bits == kCellBits) {
        forEach([&](int i) {
            const std::uint32_t* cell = &cells[static_cast<std::size_t>(i) * 4];
            const float n = static_cast<float>(cell[0]);
            points.push_back(
                {static_cast<float>((i >> (2 * kCellBits)) << kLowBits) + static_cast<float>(cell[1]) / n,
                 static_cast<float>(((i >> kCellBits) & kMask) << kLowBits) + static_cast<float>(cell[2]) / n,
                 static_cast<float>((i & kMask) << kLowBits) + static_cast<float>(cell[3]) / n, n});
        });
        return points;
    }
    const int shift = kCellBits - bits;
    std::vector<std::uint64_t> merged(std::size_t{4} << (3 * bits), 0); // count, sums r, g, b
    forEach([&](int i) {
        const std::uint32_t* cell = &cells[static_cast<std::size_t>(i) * 4];
        const int r = i >> (2 * kCellBits), g = (i >> kCellBits) & kMask, b = i & kMask;
        const std::size_t to =
            static_cast<std::size_t>(((r >> shift) << (2 * bits)) | ((g >> shift) << bits) | (b >> shift)) *
            4;
        const std::uint64_t n = cell[0];
        merged[to] += n;
        merged[to + 1] += (static_cast<std::uint64_t>(r) << kLowBits) * n + cell[1];
        merged[to + 2] += (static_cast<std::uint64_t>(g) << kLowBits) * n + cell[2];
        merged[to + 3] += (static_cast<std::uint64_t>(b) << kLowBits) * n + cell[3];
    });
    for (std::size_t i = 0; i < merged.size(); i += 4) {
        if (merged[i] == 0)
            continue;
        const double n = static_cast<double>(merged[i]);
        points.push_back({static_cast<float>(static_cast<double>(merged[i + 1]) / n),
                          static_cast<float>(static_cast<double>(merged[i + 2]) / n),
                          static_cast<float>(static_cast<double>(merged[i + 3]) / n), static_cast<float>(n)});
    }
    return points;
}

// Seeds the entries after the pinned ones: the cells (less those a pinned entry
// already serves closely) start as one box. Every box knows its best cut in two:
// across one of the three channels, between two of the 64 levels of the cells,
// where the two halves' squared errors (over all three channels) add up least.
// The box whose cut lowers the error most is cut, until there are as many boxes
// as free entries, and each box's mean becomes an entry. Cutting where it pays
// most rather than taking the most popular cells spends entries where the picture
// has most variety.
void SplitSeeds(const std::vector<Point>& points, std::vector<Centre>& centres, int wanted) {
    // Cells whose mean lies within 2 levels of a pinned entry are its own (a swatch);
    // cells further off are the picture's and get seeds of their own.
    constexpr float kServed = 4.f;
    constexpr int kLevels = 1 << kCellBits;
    const std::size_t pinned = centres.size();
    struct Cell {
        Point p;
        std::uint8_t level[3];
    };
    std::vector<Cell> cells;
    cells.reserve(points.size());
    for (const Point& p : points) {
        bool served = false;
        for (std::size_t c = 0; c < pinned && !served; ++c) {
            const float dr = p.r - centres[c].r, dg = p.g - centres[c].g, db = p.b - centres[c].b;
            served = dr * dr + dg * dg + db * db < kServed;
        }
        if (!served)
            cells.push_back({p,
                             {static_cast<std::uint8_t>(static_cast<int>(p.r) >> kLowBits),
                              static_cast<std::uint8_t>(static_cast<int>(p.g) >> kLowBits),
                              static_cast<std::uint8_t>(static_cast<int>(p.b) >> kLowBits)}});
    }
    // Weight, weighted sums of the channels and of the squared length.
    struct Moments {
        double w = 0, r = 0, g = 0, b = 0, q = 0;
        void Add(const Point& p) {
            w += p.w;
            r += static_cast<double>(p.w) * p.r;
            g += static_cast<double>(p.w) * p.g;
            b += static_cast<double>(p.w) * p.b;
            q += static_cast<double>(p.w) * (static_cast<double>(p.r) * p.r + static_cast<double>(p.g) * p.g +
                                             static_cast<double>(p.b) * p.b);
        }
        void Add(const Moments& m) {
            w += m.w;
            r += m.r;
            g += m.g;
            b += m.b;
            q += m.q;
        }
        Moments Minus(const Moments& m) const { return {w - m.w, r - m.r, g - m.g, b - m.b, q - m.q}; }
        double Error() const { return w > 0 ? q - (r * r + g * g + b * b) / w : 0; }
        Centre Mean() const {
            return {static_cast<float>(r / w), static_cast<float>(g / w), static_cast<float>(b / w)};
        }
    };
    struct Box {
        int from, to;
        Moments all;
        double gain = 0;       // error removed by the best cut
        int axis = 0, cut = 0; // levels up to cut go low
    };
    auto measure = [&](Box& box) {
        Moments level[3][kLevels];
        box.all = {};
        for (int i = box.from; i < box.to; ++i) {
            const Cell& c = cells[static_cast<std::size_t>(i)];
            box.all.Add(c.p);
            for (int axis = 0; axis < 3; ++axis)
                level[axis][c.level[axis]].Add(c.p);
        }
        box.gain = 0;
        if (box.to - box.from < 2)
            return;
        const double whole = box.all.Error();
        for (int axis = 0; axis < 3; ++axis) {
            Moments low;
            for (int cut = 0; cut < kLevels - 1; ++cut) {
                low.Add(level[axis][cut]);
                if (low.w <= 0)
                    continue;
                const Moments high = box.all.Minus(low);
                if (high.w <= 0)
                    break;
                const double gain = whole - low.Error() - high.Error();
                if (gain > box.gain) {
                    box.gain = gain;
                    box.axis = axis;
                    box.cut = cut;
                }
            }
        }
    };
    std::vector<Box> boxes;
    if (!cells.empty()) {
        boxes.push_back({0, static_cast<int>(cells.size()), {}});
        measure(boxes.back());
    }
    const int free = wanted - static_cast<int>(pinned);
    while (static_cast<int>(boxes.size()) < free) {
        int best = -1;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i)
            if (boxes[static_cast<std::size_t>(i)].gain > 0 &&
                (best < 0 ||
                 boxes[static_cast<std::size_t>(i)].gain > boxes[static_cast<std::size_t>(best)].gain))
                best = i;
        if (best < 0)
            break;
        const Box b = boxes[static_cast<std::size_t>(best)];
        const auto middle = std::partition(cells.begin() + b.from, cells.begin() + b.to,
                                           [&](const Cell& c) { return c.level[b.axis] <= b.cut; });
        const int cut = static_cast<int>(middle - cells.begin());
        Box low{b.from, cut, {}}, high{cut, b.to, {}};
        measure(low);
        measure(high);
        boxes[static_cast<std::size_t>(best)] = low;
        boxes.push_back(high);
    }
    for (const Box& b : boxes)
        centres.push_back(b.all.Mean());
}

// Weighted k-means over the cells: every step gives each cell its nearest entry
// and moves every entry from pinned on to the mean of its cells. Each cell keeps an
// upper bound on the distance to its entry and a lower bound on the distance to
// any other; as long as the first stays below the second (or below half the gap
// from its entry to the entry nearest to it), the cell keeps its entry without a
// search. The bounds follow the entries' moves, so the steps give the same
// answers as full searches while saving the searches of cells far from any
// border. An entry left without cells restarts at the cell with the largest error.
void KMeans(const std::vector<Point>& points, std::vector<Centre>& centres, int pinned, int steps) {
    const std::size_t n = points.size();
    const int k = static_cast<int>(centres.size());
    std::vector<int> assigned(n, 0);
    std::vector<float> upper(n, 0.f), lower(n, 0.f);
    std::vector<double> sums(static_cast<std::size_t>(k) * 4);
    std::vector<float> moved(static_cast<std::size_t>(k), 0.f), half(static_cast<std::size_t>(k), 0.f);
    PairFinder finder;
    auto distance = [](const Point& p, const Centre& c) {
        const float dr = p.r - c.r, dg = p.g - c.g, db = p.b - c.b;
        return std::sqrt(dr * dr + dg * dg + db * db);
    };
    for (int step = 0; step < steps; ++step) {
        finder.Build(centres);
        // Half the distance from each entry to its nearest other entry: a cell
        // within it of its entry can have no nearer one.
        for (int c = 0; c < k; ++c) {
            const Centre& e = centres[static_cast<std::size_t>(c)];
            int first, second;
            float d1, d2;
            finder.Nearest2(e.r, e.g, e.b, c, &first, &d1, &second, &d2);
            // e itself is at distance 0 (or a twin is): the next one is the gap.
            half[static_cast<std::size_t>(c)] = 0.5f * std::sqrt(first == c ? d2 : 0.f);
        }
        std::fill(sums.begin(), sums.end(), 0.0);
        for (std::size_t i = 0; i < n; ++i) {
            const Point& p = points[i];
            int a = assigned[i];
            if (step == 0 || upper[i] > std::max(lower[i], half[static_cast<std::size_t>(a)])) {
                bool search = true;
                if (step > 0) {
                    upper[i] = distance(p, centres[static_cast<std::size_t>(a)]);
                    search = upper[i] > std::max(lower[i], half[static_cast<std::size_t>(a)]);
                }
                if (search) {
                    int second;
                    float d1, d2;
                    finder.Nearest2(p.r, p.g, p.b, a, &a, &d1, &second, &d2);
                    assigned[i] = a;
                    upper[i] = std::sqrt(d1);
                    lower[i] = second == a ? std::numeric_limits<float>::max() : std::sqrt(d2);
                }
            }
            double* s = &sums[static_cast<std::size_t>(a) * 4];
            s[0] += p.w;
            s[1] += static_cast<double>(p.w) * p.r;
            s[2] += static_cast<double>(p.w) * p.g;
            s[3] += static_cast<double>(p.w) * p.b;
        }
        std::vector<int> empty;
        float farthest = 0, next = 0; // the two largest moves
        int farthestEntry = -1;
        for (int c = pinned; c < k; ++c) {
            const double* s = &sums[static_cast<std::size_t>(c) * 4];
            Centre& e = centres[static_cast<std::size_t>(c)];
            if (s[0] <= 0) {
                empty.push_back(c);
                continue;
            }
            const Centre mean{static_cast<float>(s[1] / s[0]), static_cast<float>(s[2] / s[0]),
                              static_cast<float>(s[3] / s[0])};
            const float dr = mean.r - e.r, dg = mean.g - e.g, db = mean.b - e.b;
            const float move = std::sqrt(dr * dr + dg * dg + db * db);
            moved[static_cast<std::size_t>(c)] = move;
            if (move > farthest) {
                next = farthest;
                farthest = move;
                farthestEntry = c;
            } else if (move > next) {
                next = move;
            }
            e = mean;
        }
        if (!empty.empty()) {
            // Restart idle entries at the cells that are served worst.
            std::vector<int> worst(n);
            for (std::size_t i = 0; i < n; ++i)
                worst[i] = static_cast<int>(i);
            auto error = [&](int i) {
                const std::size_t j = static_cast<std::size_t>(i);
                return upper[j] * upper[j] * points[j].w;
            };
            const std::size_t m = std::min(n, empty.size());
            std::partial_sort(
                worst.begin(), worst.begin() + static_cast<std::ptrdiff_t>(m), worst.end(),
                [&](int a, int b) { return error(a) > error(b) || (error(a) == error(b) && a < b); });
            for (std::size_t e = 0; e < m; ++e) {
                const Point& p = points[static_cast<std::size_t>(worst[e])];
                centres[static_cast<std::size_t>(empty[e])] = {p.r, p.g, p.b};
                farthest = next = std::numeric_limits<float>::max(); // every cell must be searched again
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            upper[i] += moved[static_cast<std::size_t>(assigned[i])];
            // Another entry may have come nearer by as much as it moved.
            lower[i] -= assigned[i] == farthestEntry ? next : farthest;
        }
    }
}

// Adds entries until there are wanted: each goes to the cell with the largest
// pixel count × squared distance to the entries taken so far.
void FillByNovelty(const std::vector<Point>& points, std::vector<Centre>& centres, int wanted) {
    const std::size_t n = points.size();
    std::vector<float> pr(n), pg(n), pb(n), pw(n), nearest(n, 1e30f);
    for (std::size_t i = 0; i < n; ++i) {
        pr[i] = points[i].r;
        pg[i] = points[i].g;
        pb[i] = points[i].b;
        pw[i] = points[i].w;
    }
    // Scores are non-negative floats, whose bit patterns order as unsigned
    // integers do: the best score is an integer maximum, which vectorises.
    std::vector<std::uint32_t> score(n);
    auto take = [&](float r, float g, float b) {
        float* near = nearest.data();
        std::uint32_t* sc = score.data();
        const float* xr = pr.data();
        const float* xg = pg.data();
        const float* xb = pb.data();
        const float* xw = pw.data();
        for (std::size_t i = 0; i < n; ++i) {
            const float dr = xr[i] - r, dg = xg[i] - g, db = xb[i] - b;
            const float d = dr * dr + dg * dg + db * db;
            const float m = d < near[i] ? d : near[i];
            near[i] = m;
            sc[i] = std::bit_cast<std::uint32_t>(m * xw[i]);
        }
        std::uint32_t top = 0;
        for (std::size_t i = 0; i < n; ++i)
            top = sc[i] > top ? sc[i] : top;
        for (std::size_t i = 0; i < n; ++i)
            if (sc[i] == top)
                return i;
        return std::size_t{0};
    };
    std::size_t next = 0;
    for (const Centre& c : centres)
        next = take(c.r, c.g, c.b);
    while (static_cast<int>(centres.size()) < wanted) {
        centres.push_back({pr[next], pg[next], pb[next]});
        next = take(pr[next], pg[next], pb[next]);
    }
}

// Maps the pixels of every step-th row to their nearest entries and moves every
// entry from first on to the rounded mean of the pixels it got; false when none
// moved.
bool MoveToPixelMeans(const std::uint32_t* pixels, int width, int height, int stride, int step, int first,
                      QuantisedPicture& out) {
    PaletteMapper mapper(out);
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(out.colours) * 4, 0);
    for (int y = 0; y < height; y += step) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        std::uint32_t last = ~row[0] & 0xFFFFFF;
        std::uint64_t* s = sums.data();
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = row[x] & 0xFFFFFF;
            if (c != last) {
                last = c;
                s = &sums[static_cast<std::size_t>(mapper.Nearest(c)) * 4];
            }
            s[0] += 1;
            s[1] += c >> 16;
            s[2] += (c >> 8) & 255;
            s[3] += c & 255;
        }
    }
    bool moved = false;
    for (int e = first; e < out.colours; ++e) {
        const std::uint64_t* s = &sums[static_cast<std::size_t>(e) * 4];
        if (s[0] == 0)
            continue;
        for (int channel = 0; channel < 3; ++channel) {
            const auto mean = static_cast<std::uint8_t>((s[1 + channel] + s[0] / 2) / s[0]);
            std::uint8_t& entry = out.palette[static_cast<std::size_t>(3 * e + channel)];
            moved = moved || entry != mean;
            entry = mean;
        }
    }
    return moved;
}

} // namespace

QuantisedPicture PaletteQuantiser::Quantise(const std::uint32_t* pixels, int width, int height, int stride,
                                            const Options& options) {
    QuantisedPicture out;
    if (!pixels || width < 1 || height < 1 || stride < width)
        return out;
    out.width = width;
    out.height = height;
    const int maxColours = std::clamp(options.maxColours, 2, 256);

    // 1. Histogram, exact colours while there are few, and flat runs.
    std::vector<std::uint32_t> cells(static_cast<std::size_t>(kCells) * 4, 0); // count, low-bit sums r, g, b
    std::vector<std::uint64_t> occupied(kCells / 64, 0);                       // a bit per cell with pixels
    ColourCounts exact(10);
    bool fewColours = true;
    ColourCounts flat(12);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        int x = 0;
        while (x < width) {
            const std::uint32_t c = row[x] & 0xFFFFFF;
            int run = 1;
            while (x + run < width && (row[x + run] & 0xFFFFFF) == c)
                ++run;
            const int key = CellOf(c);
            std::uint32_t* cell = &cells[static_cast<std::size_t>(key) * 4];
            if (cell[0] == 0)
                occupied[static_cast<std::size_t>(key) >> 6] |= std::uint64_t{1} << (key & 63);
            cell[0] += static_cast<std::uint32_t>(run);
            cell[1] += static_cast<std::uint32_t>(run) * ((c >> 16) & kLowMask);
            cell[2] += static_cast<std::uint32_t>(run) * ((c >> 8) & kLowMask);
            cell[3] += static_cast<std::uint32_t>(run) * (c & kLowMask);
            if (fewColours && (!exact.Add(c, 1) || exact.Size() > static_cast<std::size_t>(maxColours)))
                fewColours = false;
            if (options.keepFlatColours && run >= kFlatRunLength)
                flat.Add(c, static_cast<std::uint32_t>(run - 1), x);
            x += run;
        }
    }

    if (fewColours) {
        // Every colour keeps its own entry.
        int n = 0;
        for (std::size_t s = 0; s < exact.Slots(); ++s) {
            if (!exact.Used(s))
                continue;
            const std::uint32_t c = exact.Key(s);
            out.palette[static_cast<std::size_t>(3 * n)] = static_cast<std::uint8_t>(c >> 16);
            out.palette[static_cast<std::size_t>(3 * n + 1)] = static_cast<std::uint8_t>(c >> 8);
            out.palette[static_cast<std::size_t>(3 * n + 2)] = static_cast<std::uint8_t>(c);
            exact.SetCount(s, static_cast<std::uint32_t>(n));
            ++n;
        }
        out.colours = n;
        out.indices.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        std::uint8_t* dst = out.indices.data();
        for (int y = 0; y < height; ++y) {
            const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
            for (int x = 0; x < width; ++x)
                *dst++ = static_cast<std::uint8_t>(
                    exact.Count(static_cast<std::size_t>(exact.Find(row[x] & 0xFFFFFF))));
        }
        return out;
    }

    // Weighted points: the occupied cells at their means. Pictures with very many
    // occupied cells (noise) are seen through coarser cells, which keeps the
    // seeding and the k-means steps within bounds.
    std::vector<Point> points;
    for (int bits = kCellBits; bits >= kCellBits - 2; --bits) {
        points = CellPoints(cells, occupied, bits);
        if (points.size() <= kMaxPoints)
            break;
    }
    // 2. Flat colours, most frequent first. When there are more of them than the
    //    quarter of the palette set aside for them (an enlarged photo of a smooth sky
    //    has dozens), those whose runs start furthest left are kept: the colour modes
    //    place their reference picture at the left edge, and its colours must all stay.
    std::vector<Centre> centres;
    struct Flat {
        std::uint32_t count, colour;
        int left;
    };
    std::vector<Flat> flats;
    for (std::size_t s = 0; s < flat.Slots(); ++s)
        if (flat.Used(s) && flat.Count(s) >= static_cast<std::uint32_t>(kFlatRunPixels))
            flats.push_back({flat.Count(s), flat.Key(s), flat.Least(s)});
    const std::size_t maxFlat = static_cast<std::size_t>(maxColours / 4);
    auto moreFrequent = [](const Flat& a, const Flat& b) {
        return a.count != b.count ? a.count > b.count : a.colour > b.colour;
    };
    if (flats.size() > maxFlat) {
        std::sort(flats.begin(), flats.end(), [&](const Flat& a, const Flat& b) {
            return a.left != b.left ? a.left < b.left : moreFrequent(a, b);
        });
        flats.resize(maxFlat);
    }
    std::sort(flats.begin(), flats.end(), moreFrequent);
    for (const Flat& f : flats)
        centres.push_back({static_cast<float>(f.colour >> 16), static_cast<float>((f.colour >> 8) & 255),
                           static_cast<float>(f.colour & 255)});
    const int pinned = static_cast<int>(centres.size());

    // 3. Popular cells, spread out.
    const int wanted = maxColours;
    if (static_cast<int>(points.size()) + pinned <= wanted) {
        for (const Point& p : points)
            centres.push_back({p.r, p.g, p.b});
    } else {
        // The free entries start at the means of boxes of cells, each cut where
        // that gains most (see SplitSeeds). Entries the boxes leave over (too few
        // cells apart from the pinned colours) go one by one to the cell with the
        // largest count × squared distance to the entries taken so far.
        SplitSeeds(points, centres, wanted);
        if (static_cast<int>(centres.size()) < wanted)
            FillByNovelty(points, centres, wanted);

        // 4. Weighted k-means over the cells; flat colours stay where they are.
        KMeans(points, centres, pinned, 2 * std::max(options.passes, 0));
    }

    out.colours = static_cast<int>(centres.size());
    for (int c = 0; c < out.colours; ++c) {
        const Centre& e = centres[static_cast<std::size_t>(c)];
        out.palette[static_cast<std::size_t>(3 * c)] =
            static_cast<std::uint8_t>(std::clamp(std::lround(e.r), 0L, 255L));
        out.palette[static_cast<std::size_t>(3 * c + 1)] =
            static_cast<std::uint8_t>(std::clamp(std::lround(e.g), 0L, 255L));
        out.palette[static_cast<std::size_t>(3 * c + 2)] =
            static_cast<std::uint8_t>(std::clamp(std::lround(e.b), 0L, 255L));
    }
    // 5. The cells gave each entry the mean of whole cells; the pixels an entry really
    //    gets are a better mean. The free entries move there (to the nearest whole
    //    colour to that mean). Large pictures are sampled on evenly spaced rows: the
    //    means hardly change, and a pass costs a fraction of a full mapping.
    const long long area = static_cast<long long>(width) * height;
    const int step = static_cast<int>(std::max<long long>(1, (area + kSamplePixels - 1) / kSamplePixels));
    for (int pass = 0; pass < options.pixelPasses; ++pass)
        if (!MoveToPixelMeans(pixels, width, height, stride, step, pinned, out))
            break;
    // 6. Exact nearest entry for every pixel.
    MapPixels(pixels, width, height, stride, out);
    return out;
}

double PaletteQuantiser::Psnr(const std::uint32_t* pixels, int stride, const QuantisedPicture& picture) {
    double sum = 0;
    const std::uint8_t* idx = picture.indices.data();
    for (int y = 0; y < picture.height; ++y) {
        const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t c = row[x];
            const std::size_t i = static_cast<std::size_t>(*idx++) * 3;
            const int dr = static_cast<int>((c >> 16) & 255) - picture.palette[i];
            const int dg = static_cast<int>((c >> 8) & 255) - picture.palette[i + 1];
            const int db = static_cast<int>(c & 255) - picture.palette[i + 2];
            sum += dr * dr + dg * dg + db * db;
        }
    }
    const double mse = sum / (3.0 * picture.width * picture.height);
    if (mse == 0)
        return std::numeric_limits<double>::infinity();
    return 10.0 * std::log10(255.0 * 255.0 / mse);
}

} // namespace vx7::converter
