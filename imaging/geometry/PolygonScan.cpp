#include "imaging/geometry/PolygonScan.h"

#include <algorithm>
#include <cmath>

namespace vx7::imaging {

namespace {

struct Edge {
    double x0, y0, x1, y1;
    int low, high; // smaller and larger y
    int index;
};

// Truncation toward zero, kept inside the int range.
int TruncToInt(double v) {
    return static_cast<int>(std::trunc(std::clamp(v, -2.0e9, 2.0e9)));
}

} // namespace

void ScanPolygon(const QPoint* points, int count, int maxEdges, int rowFrom, int rowTo,
                 std::vector<PolygonSpan>& out) {
    const int edgeCount = std::min(count - 1, maxEdges);
    if (!points || edgeCount <= 0)
        return;

    int minY = 999999, maxY = -999999;
    std::vector<Edge> edges;
    edges.reserve(static_cast<size_t>(edgeCount));
    for (int i = 0; i < edgeCount; ++i) {
        const QPoint a = points[i], b = points[i + 1];
        minY = std::min({minY, a.y(), b.y()});
        maxY = std::max({maxY, a.y(), b.y()});
        if (a.y() == b.y())
            continue; // horizontal edges never cross a row
        edges.push_back({double(a.x()), double(a.y()), double(b.x()), double(b.y()), std::min(a.y(), b.y()),
                         std::max(a.y(), b.y()), i});
    }

    const int first = std::max(minY, rowFrom);
    int last = std::min(maxY, rowTo); // exclusive
    if (first >= last)
        return;
    // The callers clip rows to a layer or a canvas; this bound only keeps the row tables finite.
    if (static_cast<long long>(last) - first > kMaxScanRows)
        last = first + kMaxScanRows;

    // Active edges are kept in edge order, because the crossing limit keeps the
    // crossings of the first edges met. Edges are bucketed by the first scanned
    // row on which they count (the row after their smaller y), in edge order.
    const int rows = last - first;
    std::vector<int> bucketStart(static_cast<size_t>(rows) + 1, 0);
    auto firstRow = [first](const Edge& e) { return std::max(e.low + 1, first); };
    for (const Edge& e : edges)
        if (firstRow(e) < last && e.high >= first)
            ++bucketStart[static_cast<size_t>(firstRow(e) - first) + 1];
    for (int r = 0; r < rows; ++r)
        bucketStart[static_cast<size_t>(r) + 1] += bucketStart[static_cast<size_t>(r)];
    std::vector<const Edge*> byRow(static_cast<size_t>(bucketStart.back()));
    {
        std::vector<int> fill(bucketStart.begin(), bucketStart.end() - 1);
        for (const Edge& e : edges)
            if (firstRow(e) < last && e.high >= first)
                byRow[static_cast<size_t>(fill[static_cast<size_t>(firstRow(e) - first)]++)] = &e;
    }

    std::vector<const Edge*> active;
    double crossings[kMaxScanCrossings];
    for (int y = first; y < last; ++y) {
        const size_t r = static_cast<size_t>(y - first);
        const auto newFrom = byRow.begin() + bucketStart[r], newTo = byRow.begin() + bucketStart[r + 1];
        if (newFrom != newTo) {
            const auto middle = active.insert(active.end(), newFrom, newTo);
            std::inplace_merge(active.begin(), middle, active.end(),
                               [](const Edge* a, const Edge* b) { return a->index < b->index; });
        }
        active.erase(std::remove_if(active.begin(), active.end(), [y](const Edge* e) { return e->high < y; }),
                     active.end());

        int n = 0;
        for (const Edge* e : active) {
            crossings[n++] = e->x0 + (e->x1 - e->x0) * (double(y) - e->y0) / (e->y1 - e->y0);
            if (n == kMaxScanCrossings)
                break;
        }
        if (n < 2)
            continue;
        std::sort(crossings, crossings + n);
        for (int k = 0; 2 * k + 1 < n; ++k) {
            const int from = TruncToInt(crossings[2 * k]);
            const int to = TruncToInt(crossings[2 * k + 1] + 0.5);
            if (to > from)
                out.push_back({y, from, to});
        }
    }
}

} // namespace vx7::imaging
