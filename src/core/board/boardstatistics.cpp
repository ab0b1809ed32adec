#include "board/boardstatistics.h"

#include <algorithm>
#include <vector>

#include "board/brddoc.h"

namespace cuprum {

BoardStatistics ComputeBoardStatistics(const CBrdDoc& board) {
  BoardStatistics stats;
  const BoardGrid& grid = board.Grid();
  const int sides = board.SidesInUse();
  for (int x = 0; x <= board.XSize(); ++x) {
    for (int y = 0; y <= board.YSize(); ++y) {
      for (int side = 0; side < sides; ++side) {
        const GridCell cell = grid(x, y, side);
        if ((cell & CELL_LINKS) != 0) ++stats.copperCells[static_cast<std::size_t>(side)];
        if ((cell & CELL_HOLE) != 0) ++stats.holeCells[static_cast<std::size_t>(side)];
        if ((cell & CELL_FIXED) != 0) ++stats.fixedCells[static_cast<std::size_t>(side)];
      }
      const bool onBorder = x == 0 || y == 0 || x == board.XSize() || y == board.YSize();
      if (!onBorder && sides == 2 && (grid(x, y, 0) & CELL_HOLE) != 0 &&
          (grid(x, y, 1) & CELL_HOLE) != 0)
        ++stats.throughHoles;
    }
  }
  return stats;
}

int CountVias(const CBrdDoc& board) {
  const BoardGrid& grid = board.Grid();
  std::vector<bool> pinAt(static_cast<std::size_t>(GRID_COLUMNS) * GRID_ROWS, false);
  for (const auto& item : board.Items()) {
    const Component* component = item->GetComponent();
    if (component == nullptr) continue;
    const auto& pins = component->Pins();
    const auto count = std::min(pins.size(), static_cast<std::size_t>(std::max(component->PinCount(), 0)));
    for (std::size_t i = 0; i < count; ++i) {
      const GridPoint p = pins[i].point;
      if (BoardGrid::Contains(p))
        pinAt[static_cast<std::size_t>(p.x) * GRID_ROWS + p.y] = true;
    }
  }
  int vias = 0;
  if (board.SidesInUse() < 2) return 0;
  for (int x = 1; x < board.XSize(); ++x)
    for (int y = 1; y < board.YSize(); ++y)
      if ((grid(x, y, 0) & CELL_HOLE) != 0 && (grid(x, y, 1) & CELL_HOLE) != 0 &&
          !pinAt[static_cast<std::size_t>(x) * GRID_ROWS + static_cast<std::size_t>(y)])
        ++vias;
  return vias;
}

double CopperLengthInches(const CBrdDoc& board) {
  const BoardGrid& grid = board.Grid();
  long steps = 0;
  for (int x = 0; x <= board.XSize(); ++x)
    for (int y = 0; y <= board.YSize(); ++y)
      for (int side = 0; side < board.SidesInUse(); ++side) {
        // Count each link once, from the cell on its lower side.
        const GridCell cell = grid(x, y, side);
        if ((cell & CELL_ROW_PLUS) != 0) ++steps;
        if ((cell & CELL_COL_PLUS) != 0) ++steps;
      }
  return static_cast<double>(steps) * 0.1 / board.GridStepSize();
}

}  // namespace cuprum
