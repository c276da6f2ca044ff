#include "imaging/geometry/BrushShape.h"

#include <array>
#include <cstddef>

namespace vx7::imaging {

namespace {

// First and last brush column of every row (inclusive); -1 where the row is empty.
constexpr std::array<std::array<int, 2>, BrushShape::kSize> kRows = {{
    {-1, -1}, {-1, -1}, {-1, -1},                   // rows 0 to 2
    {7, 17},  {6, 18},  {5, 19},  {4, 20}, {3, 21}, // rows 3 to 7
    {2, 22},  {2, 22},  {2, 22},  {2, 22}, {2, 22}, {2, 22},
    {2, 22},  {2, 22},  {2, 22},  {2, 22}, {2, 22}, // 8 to 18
    {4, 20},  {5, 19},  {6, 18},                    // rows 19 to 21
    {-1, -1}, {-1, -1}, {-1, -1},                   // rows 22 to 24
}};

} // namespace

char BrushShape::Cell(int row, int column) {
    if (row < 0 || row >= kSize || column < 0 || column >= kSize)
        return ' ';
    const auto& r = kRows[static_cast<std::size_t>(row)];
    if (r[0] < 0 || column < r[0] || column > r[1])
        return ' ';
    return (row == kCentre && column == kCentre) ? '0' : '*';
}

} // namespace vx7::imaging
