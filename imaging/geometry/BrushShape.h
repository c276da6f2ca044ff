#pragma once

namespace vx7::imaging {

// The make-up brush's shape: 25 rows of 25 cells centred at row 12, column
// 12. The centre cell is '0', the other brush cells '*', the rest ' '.
struct BrushShape {
    static constexpr int kSize = 25;
    static constexpr int kCentre = 12;
    // The cell at (row, column); ' ' outside the table.
    static char Cell(int row, int column);
    static bool Covers(int row, int column) { return Cell(row, column) != ' '; }
};

} // namespace vx7::imaging
