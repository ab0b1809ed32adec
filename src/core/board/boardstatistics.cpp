#include "board/boardstatistics.h"

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

}  // namespace cuprum
