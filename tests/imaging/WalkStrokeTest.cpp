#include "imaging/raster/WalkStroke.h"

#include <QPoint>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using vx7::imaging::WalkStroke;

namespace {

std::vector<QPoint> Walk(int x1, int y1, int x2, int y2) {
    std::vector<QPoint> points;
    WalkStroke(x1, y1, x2, y2, [&](int x, int y) { points.emplace_back(x, y); });
    return points;
}

} // namespace

TEST(WalkStrokeTest, ZeroLengthVisitsThePointOnce) {
    const auto p = Walk(5, 7, 5, 7);
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0], QPoint(5, 7));
}

TEST(WalkStrokeTest, AxisAlignedSegmentsIncludeBothEnds) {
    EXPECT_EQ(Walk(3, 1, 0, 1), (std::vector<QPoint>{{3, 1}, {2, 1}, {1, 1}, {0, 1}}));
    EXPECT_EQ(Walk(2, 0, 2, 2), (std::vector<QPoint>{{2, 0}, {2, 1}, {2, 2}}));
}

TEST(WalkStrokeTest, MinorCoordinateFollowsRemainderTimesFloatSlope) {
    // dx = 4, dy = 2: slope 0.5; remainders 4, 3, 2, 1, 0 give y = 2 - trunc(r * 0.5).
    EXPECT_EQ(Walk(0, 0, 4, 2), (std::vector<QPoint>{{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}));
    // Steep: dy = -3, dx = 1: x = 1 - trunc(r * (1 / -3)) with r = -3, -2, -1, 0.
    EXPECT_EQ(Walk(0, 0, 1, -3), (std::vector<QPoint>{{0, 0}, {1, -1}, {1, -2}, {1, -3}}));
}

TEST(WalkStrokeTest, EverySegmentStartsAndEndsAtItsPointsWithOneStepPerMajorPixel) {
    for (int dx = -40; dx <= 40; dx += 3) {
        for (int dy = -40; dy <= 40; dy += 7) {
            const auto p = Walk(100, 200, 100 + dx, 200 + dy);
            ASSERT_EQ(static_cast<int>(p.size()), std::max(std::abs(dx), std::abs(dy)) + 1)
                << dx << "," << dy;
            EXPECT_EQ(p.front(), QPoint(100, 200));
            EXPECT_EQ(p.back(), QPoint(100 + dx, 200 + dy));
            for (size_t i = 1; i < p.size(); ++i) {
                EXPECT_LE(std::abs(p[i].x() - p[i - 1].x()), 1);
                EXPECT_LE(std::abs(p[i].y() - p[i - 1].y()), 1);
            }
        }
    }
}

TEST(WalkStrokeTest, FloatProductThatTruncatesShortStillStartsAtTheFirstPoint) {
    // 59 / -100 as a float times -100 is just below 59; the walk still starts at (x1, y1).
    const float slope = 59.0f / -100.0f;
    ASSERT_EQ(static_cast<int>(-100.0f * slope), 58);
    const auto p = Walk(100, 0, 0, 59);
    EXPECT_EQ(p.front(), QPoint(100, 0));
    // The next point follows the float rule: remainder -99.
    EXPECT_EQ(p[1], QPoint(99, 59 - static_cast<int>(-99.0f * slope)));
    EXPECT_EQ(p.back(), QPoint(0, 59));
}
