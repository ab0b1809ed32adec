// Cell values of the board grid: copper links, holes, fixed copper and the
// router's working marks.
#pragma once

#include <cstdint>

namespace cuprum {

using GridCell = std::uint16_t;

constexpr GridCell CELL_ROW_PLUS = 0x0001;   // copper links to row + 1
constexpr GridCell CELL_ROW_MINUS = 0x0002;  // copper links to row - 1
constexpr GridCell CELL_COL_PLUS = 0x0004;   // copper links to column + 1
constexpr GridCell CELL_COL_MINUS = 0x0008;  // copper links to column - 1
constexpr GridCell CELL_HOLE = 0x0010;       // links to the other side (pad or via)
constexpr GridCell CELL_FIXED = 0x0020;      // fixed copper: rip-up stops here
constexpr GridCell CELL_SOURCE = 0x0100;     // routing only: start of the search
constexpr GridCell CELL_NET = 0x0200;        // routing only: target net
constexpr GridCell CELL_WAVE = 0x0400;       // routing only: visited / blocked

constexpr GridCell CELL_LINKS = CELL_ROW_PLUS | CELL_ROW_MINUS | CELL_COL_PLUS | CELL_COL_MINUS;
// The value MarkBorder gives every cell of the board's outer ring.
constexpr GridCell CELL_BORDER = CELL_HOLE | CELL_FIXED;
// Bits a cell may carry at rest; the board file stores the low byte.
constexpr GridCell CELL_REST_MASK = 0x003F;

}  // namespace cuprum
