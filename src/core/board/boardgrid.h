// The two-sided routing grid: a fixed array of 129 x 161 x 2 cells, column
// major, the two sides of a position adjacent.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "board/gridcell.h"
#include "board/gridpoint.h"

namespace cuprum {

constexpr int GRID_COLUMNS = 129;  // columns 0..128
constexpr int GRID_ROWS = 161;     // rows 0..160
constexpr int GRID_SIDES = 2;
constexpr int MAX_X_SIZE = GRID_COLUMNS - 1;
constexpr int MAX_Y_SIZE = GRID_ROWS - 1;
constexpr std::size_t GRID_CELL_COUNT =
    static_cast<std::size_t>(GRID_COLUMNS) * GRID_ROWS * GRID_SIDES;

// Flat-index distances between neighbours.
constexpr std::ptrdiff_t GRID_SIDE_STRIDE = 1;
constexpr std::ptrdiff_t GRID_ROW_STRIDE = GRID_SIDES;
constexpr std::ptrdiff_t GRID_COLUMN_STRIDE = static_cast<std::ptrdiff_t>(GRID_ROWS) * GRID_SIDES;

class BoardGrid {
 public:
  static constexpr bool Contains(int x, int y, int side) {
    return x >= 0 && x < GRID_COLUMNS && y >= 0 && y < GRID_ROWS && side >= 0 && side < GRID_SIDES;
  }
  static constexpr bool Contains(GridPoint p) { return Contains(p.x, p.y, p.side); }

  static constexpr std::size_t Index(int x, int y, int side) {
    return (static_cast<std::size_t>(x) * GRID_ROWS + static_cast<std::size_t>(y)) * GRID_SIDES +
           static_cast<std::size_t>(side);
  }
  static constexpr std::size_t Index(GridPoint p) { return Index(p.x, p.y, p.side); }

  // Unchecked access for hot loops; callers keep to Contains().
  GridCell& operator()(int x, int y, int side) { return cells_[Index(x, y, side)]; }
  GridCell operator()(int x, int y, int side) const { return cells_[Index(x, y, side)]; }
  GridCell& operator[](GridPoint p) { return cells_[Index(p)]; }
  GridCell operator[](GridPoint p) const { return cells_[Index(p)]; }

  // Checked access: throws std::out_of_range outside the grid.
  GridCell& At(int x, int y, int side);
  [[nodiscard]] GridCell At(int x, int y, int side) const;

  GridCell* Data() { return cells_.data(); }
  [[nodiscard]] const GridCell* Data() const { return cells_.data(); }
  void Fill(GridCell value) { cells_.fill(value); }

  friend bool operator==(const BoardGrid&, const BoardGrid&) = default;

 private:
  std::array<GridCell, GRID_CELL_COUNT> cells_{};
};

}  // namespace cuprum
