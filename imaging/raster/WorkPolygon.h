#pragma once

#include <QPoint>

#include <array>
#include <vector>

namespace vx7::imaging {

// Operation codes of WorkPolygon::AddPoint (numbers of the editor's mouse protocol).
enum class PolygonOp : int { Clear = -1, Click = 666, StepBack = 111 };

// The polygon being clicked or generated for the cut-out, spotlight and
// sticker tools, in canvas coordinates. Clicked polygons hold at most 260
// points; generated ellipses at most 862; the storage has room for 869.
class WorkPolygon {
  public:
    static constexpr int kCapacity = 869;
    static constexpr int kMaxClicked = 260;
    static constexpr int kMaxGenerated = 862;
    static constexpr int kMaxEdges = 861;

    // What AddPoint returns when a click closes the polygon.
    static constexpr int kClosed = 999;
    // Half-size of the square around the first point that closes the polygon.
    static constexpr int kCloseReach = 5;

    // Clear: empties the polygon and returns 0.
    // Click: With more than 2 points held and the point in the square
    //   [first - 5, first + 5) in both directions, the first point is appended
    //   again and 999 returned. Otherwise the point is appended while fewer than
    //   260 points are held. Returns the new count.
    // StepBack: steps back. With fewer than 2 points returns -1; otherwise drops
    //   the last point, writes the new last point to point and returns the count.
    // Any other value returns the count unchanged.
    int AddPoint(PolygonOp op, QPoint& point);

    void Clear() { count_ = 0; }
    // Replaces the points (at most 862 are taken).
    void Assign(const std::vector<QPoint>& points);

    int Count() const { return count_; }
    const QPoint* Points() const { return points_.data(); }
    QPoint At(int i) const { return points_[static_cast<size_t>(i)]; }
    std::vector<QPoint> ToVector() const { return {points_.begin(), points_.begin() + count_}; }

  private:
    std::array<QPoint, kCapacity> points_{};
    int count_ = 0;
};

} // namespace vx7::imaging
