#pragma once

#include <QPoint>

#include <vector>

namespace vx7::imaging {

// One covered run of a scan row: columns first up to but excluding end.
struct PolygonSpan {
    int row;
    int first;
    int end;
};

// Most crossings collected on one scan row; further crossings of the row are dropped.
inline constexpr int kMaxScanCrossings = 30;
// Most rows scanned in one call.
inline constexpr int kMaxScanRows = 1 << 20;

// Scan-converts the open chain of points (edges between consecutive points, at
// most maxEdges of them, no closing edge: a closed polygon repeats its first
// point). Rows run from the smallest y of all edge ends up to but excluding the
// largest, limited to [rowFrom, rowTo). On each row an edge counts when the row
// lies in (smaller y, larger y], so a shared vertex is counted once where the
// outline passes through it and horizontal edges add nothing. The crossings of
// the first kMaxScanCrossings edges met (in edge order) are sorted and paired;
// each pair covers the columns from trunc(left) up to but excluding
// trunc(right + 0.5). Spans are appended to out row by row, empty ones left out.
void ScanPolygon(const QPoint* points, int count, int maxEdges, int rowFrom, int rowTo,
                 std::vector<PolygonSpan>& out);

} // namespace vx7::imaging
