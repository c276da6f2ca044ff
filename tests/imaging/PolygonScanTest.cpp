#include "imaging/geometry/PolygonScan.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using vx7::imaging::PolygonSpan;
using vx7::imaging::ScanPolygon;

namespace {

std::vector<PolygonSpan> Scan(const std::vector<QPoint>& points, int maxEdges = 861, int rowFrom = -100000,
                              int rowTo = 100000) {
    std::vector<PolygonSpan> spans;
    ScanPolygon(points.data(), static_cast<int>(points.size()), maxEdges, rowFrom, rowTo, spans);
    return spans;
}

// Spans of each row.
std::map<int, std::vector<std::pair<int, int>>> ByRow(const std::vector<PolygonSpan>& spans) {
    std::map<int, std::vector<std::pair<int, int>>> rows;
    for (const auto& s : spans)
        rows[s.row].emplace_back(s.first, s.end);
    return rows;
}

} // namespace

TEST(PolygonScanTest, SquareLeavesTopRowOpenAndDoesNotScanBottomRow) {
    const auto rows = ByRow(Scan({{10, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}}));
    EXPECT_EQ(rows.count(10), 0u) << "the top row gets no crossing from the edges that start there";
    EXPECT_EQ(rows.count(20), 0u) << "the bottom row is not scanned";
    ASSERT_EQ(rows.size(), 9u);
    for (int y = 11; y <= 19; ++y)
        EXPECT_EQ(rows.at(y), (std::vector<std::pair<int, int>>{{10, 20}})) << "row " << y;
}

TEST(PolygonScanTest, VertexWhereOutlinePassesDownCountsOnce) {
    // Left vertex (0, 5): one edge ends there and the next starts there.
    const auto rows = ByRow(Scan({{10, 0}, {0, 5}, {10, 10}, {20, 5}, {10, 0}}));
    ASSERT_EQ(rows.count(5), 1u);
    EXPECT_EQ(rows.at(5), (std::vector<std::pair<int, int>>{{0, 20}}));
}

TEST(PolygonScanTest, PairsRunFromTruncatedLeftToRoundedRight) {
    // Right edge x = y / 3.
    const auto rows = ByRow(Scan({{0, 0}, {10, 30}, {0, 30}, {0, 0}}));
    EXPECT_EQ(rows.count(1), 0u) << "0.333 rounds to an empty run";
    EXPECT_EQ(rows.at(2), (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_EQ(rows.at(4), (std::vector<std::pair<int, int>>{{0, 1}}));
    EXPECT_EQ(rows.at(5), (std::vector<std::pair<int, int>>{{0, 2}}));
}

TEST(PolygonScanTest, LeftCrossingIsTruncatedTowardZero) {
    // Left edge from (-10, 0) to (0, 20): at row 5 the crossing is -7.5, truncated to -7.
    const auto rows = ByRow(Scan({{-10, 0}, {10, 0}, {10, 20}, {0, 20}, {-10, 0}}));
    EXPECT_EQ(rows.at(5), (std::vector<std::pair<int, int>>{{-7, 10}}));
}

TEST(PolygonScanTest, OnlyTheFirstThirtyCrossingsOfARowCount) {
    // A comb of 20 teeth hanging down from a bar: row 15 crosses every tooth twice (40 crossings),
    // the edges running from left to right.
    std::vector<QPoint> comb = {{0, 0}};
    for (int t = 0; t < 20; ++t) {
        const int x = t * 10;
        comb.push_back({x, 20});
        comb.push_back({x + 5, 20});
        comb.push_back({x + 5, 10});
        comb.push_back({x + 10, 10});
    }
    comb.push_back({200, 0});
    comb.push_back({0, 0});
    const auto rows = ByRow(Scan(comb));
    ASSERT_EQ(rows.count(15), 1u);
    // The first 30 crossings are the first 15 teeth.
    ASSERT_EQ(rows.at(15).size(), 15u);
    EXPECT_EQ(rows.at(15).front(), (std::pair<int, int>{0, 5}));
    EXPECT_EQ(rows.at(15).back(), (std::pair<int, int>{140, 145}));
    // Above the teeth the bar is whole.
    EXPECT_EQ(rows.at(5), (std::vector<std::pair<int, int>>{{0, 200}}));
}

TEST(PolygonScanTest, RowsOutsideTheRequestedRangeAreNotProduced) {
    const auto spans = Scan({{0, 0}, {100, 0}, {100, 100000}, {0, 100000}, {0, 0}}, 861, 40, 45);
    ASSERT_EQ(spans.size(), 5u);
    EXPECT_EQ(spans.front().row, 40);
    EXPECT_EQ(spans.back().row, 44);
}

TEST(PolygonScanTest, DegenerateInputCoversNothing) {
    EXPECT_TRUE(Scan({}).empty());
    EXPECT_TRUE(Scan({{5, 5}}).empty());
    EXPECT_TRUE(Scan({{0, 0}, {10, 10}}).empty()) << "one crossing per row pairs with nothing";
    EXPECT_TRUE(Scan({{0, 0}, {10, 0}, {20, 0}}).empty()) << "horizontal edges add no crossing";
}

TEST(PolygonScanTest, EdgeLimitDropsLaterEdges) {
    // Square whose closing left edge is the fourth edge: with 3 edges a row has one crossing only.
    const std::vector<QPoint> square = {{10, 10}, {20, 10}, {20, 20}, {10, 20}, {10, 10}};
    EXPECT_FALSE(Scan(square, 4).empty());
    EXPECT_TRUE(Scan(square, 3).empty());
}
