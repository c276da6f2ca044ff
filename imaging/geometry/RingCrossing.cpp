#include "imaging/geometry/RingCrossing.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vx7::imaging {

std::optional<QPoint> EdgeCrossing(QPoint a, QPoint b, int px, int py, QPoint centre) {
    const double x1 = px, y1 = py, x2 = centre.x(), y2 = centre.y();
    const double x3 = a.x(), y3 = a.y(), x4 = b.x(), y4 = b.y();
    const double det = (x1 - x2) * (y3 - y4) - (y1 - y2) * (x3 - x4);
    if (std::fabs(det) < 0.00001)
        return std::nullopt;
    const double t1 = x1 * y2 - y1 * x2;
    const double t2 = x3 * y4 - y3 * x4;
    const double x = (t1 * (x3 - x4) - (x1 - x2) * t2) / det;
    const double y = (t1 * (y3 - y4) - (y1 - y2) * t2) / det;
    if (x < std::min(x3, x4) || x > std::max(x3, x4) || y < std::min(y3, y4) || y > std::max(y3, y4))
        return std::nullopt;
    return QPoint(static_cast<int>(x), static_cast<int>(y));
}

std::optional<QPoint> FindRingCrossing(const std::vector<QPoint>& polygon, QPoint centre, int px, int py) {
    for (size_t j = 0; j + 1 < polygon.size(); ++j)
        if (auto c = EdgeCrossing(polygon[j], polygon[j + 1], px, py, centre))
            return c;
    return std::nullopt;
}

namespace {

constexpr double kPi = std::numbers::pi;

// Direction of v seen from the centre folded into [0, pi): a line through the
// centre has one such direction.
double LineDirection(double dx, double dy) {
    double a = std::atan2(dy, dx);
    if (a < 0)
        a += kPi;
    if (a >= kPi)
        a -= kPi;
    return a;
}

// Distance from the centre to the segment a-b.
double DistanceToSegment(QPointF c, QPointF a, QPointF b) {
    const QPointF ab = b - a, ac = c - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    double t = len2 > 0 ? QPointF::dotProduct(ac, ab) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF d = a + ab * t - c;
    return std::sqrt(QPointF::dotProduct(d, d));
}

} // namespace

RingCrossing::RingCrossing(std::vector<QPoint> polygon, QPoint centre)
    : polygon_(std::move(polygon)), centre_(centre), buckets_(kBuckets) {
    const double width = kPi / kBuckets;
    const QPointF c(centre_);
    for (size_t j = 0; j + 1 < polygon_.size(); ++j) {
        const QPoint a = polygon_[j], b = polygon_[j + 1];
        if (a == b)
            continue; // a point has no line: it never meets
        const int edge = static_cast<int>(j);
        // An edge passing at or next to the centre can be met at any direction.
        if (DistanceToSegment(c, QPointF(a), QPointF(b)) < 1.0) {
            for (auto& bucket : buckets_)
                bucket.push_back(edge);
            continue;
        }
        // The directions under which the edge is seen span less than a half turn.
        const double ta = std::atan2(a.y() - c.y(), a.x() - c.x());
        double sweep = std::atan2(b.y() - c.y(), b.x() - c.x()) - ta;
        while (sweep > kPi)
            sweep -= 2 * kPi;
        while (sweep <= -kPi)
            sweep += 2 * kPi;
        double start = std::min(ta, ta + sweep);
        start = std::fmod(start, kPi);
        if (start < 0)
            start += kPi;
        const int firstBucket = static_cast<int>(std::floor(start / width)) - 1;
        const int lastBucket = static_cast<int>(std::floor((start + std::fabs(sweep)) / width)) + 1;
        if (lastBucket - firstBucket + 1 >= kBuckets) {
            for (auto& bucket : buckets_)
                bucket.push_back(edge);
            continue;
        }
        for (int k = firstBucket; k <= lastBucket; ++k)
            buckets_[static_cast<size_t>((k % kBuckets + kBuckets) % kBuckets)].push_back(edge);
    }
}

std::optional<QPoint> RingCrossing::Find(int px, int py) const {
    if (px == centre_.x() && py == centre_.y())
        return std::nullopt; // no line through a single point
    const double dir = LineDirection(double(px) - centre_.x(), double(py) - centre_.y());
    const int k = std::clamp(static_cast<int>(dir / (kPi / kBuckets)), 0, kBuckets - 1);
    for (int edge : buckets_[static_cast<size_t>(k)]) {
        const size_t j = static_cast<size_t>(edge);
        if (auto c = EdgeCrossing(polygon_[j], polygon_[j + 1], px, py, centre_))
            return c;
    }
    return std::nullopt;
}

} // namespace vx7::imaging
