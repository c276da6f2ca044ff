#pragma once

#include <QPoint>

#include <optional>
#include <vector>

namespace vx7::imaging {

// Where the line through a ring pixel and the ring centre crosses the inner
// ellipse: the first edge of the inner polygon (point j to point j + 1, in
// order) whose line meets the pixel-to-centre line at a point inside the
// edge's x- and y-range (inclusive). Lines whose determinant is below 0.00001
// in absolute value do not meet. The crossing is truncated to integers.
//
// The finder sorts the edges into buckets by the direction in which they are
// seen from the centre, so a pixel tests only the few edges its line can
// meet; the answer equals FindRingCrossing over all edges.
class RingCrossing {
  public:
    RingCrossing(std::vector<QPoint> polygon, QPoint centre);

    std::optional<QPoint> Find(int px, int py) const;

  private:
    static constexpr int kBuckets = 1024;

    std::vector<QPoint> polygon_;
    QPoint centre_;
    std::vector<std::vector<int>> buckets_; // edge indices, ascending
};

// The crossing test of one edge (points a, b) for the line through p and centre.
std::optional<QPoint> EdgeCrossing(QPoint a, QPoint b, int px, int py, QPoint centre);

// The plain search over every edge in order; the rule the finder follows.
std::optional<QPoint> FindRingCrossing(const std::vector<QPoint>& polygon, QPoint centre, int px, int py);

} // namespace vx7::imaging
