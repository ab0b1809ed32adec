#include "export/copperwalk.h"

#include <optional>

#include "board/brddoc.h"

namespace cuprum {

namespace {

constexpr GridCell STRAIGHT_ACROSS = CELL_COL_PLUS | CELL_COL_MINUS;

struct OpenRun {
  int row = 0;
  int firstColumn = 0;
  int lastColumn = 0;
};

std::optional<Reach> ReachOf(GridCell cell, GridCell plus, GridCell minus) {
  const bool hasPlus = (cell & plus) != 0;
  const bool hasMinus = (cell & minus) != 0;
  if (hasPlus && hasMinus) return Reach::Both;
  if (hasPlus) return Reach::Plus;
  if (hasMinus) return Reach::Minus;
  return std::nullopt;
}

}  // namespace

void WalkCopper(const CBrdDoc& board, int firstColumn, int lastColumn, CopperVisitor& visitor) {
  const BoardGrid& grid = board.Grid();
  const int sides = board.SidesInUse();
  for (int row = 1; row < board.YSize(); ++row) {
    for (int side = 0; side < sides; ++side) {
      std::optional<OpenRun> run;
      const auto closeRun = [&] {
        if (!run) return;
        visitor.Run(side, run->row, run->firstColumn, run->lastColumn);
        run.reset();
      };
      for (int column = firstColumn; column <= lastColumn; ++column) {
        const GridCell cell = grid(column, row, side);
        if (cell != STRAIGHT_ACROSS) closeRun();

        if (const auto rowReach = ReachOf(cell, CELL_ROW_PLUS, CELL_ROW_MINUS))
          visitor.RowLink(side, column, row, *rowReach);

        if (const auto columnReach = ReachOf(cell, CELL_COL_PLUS, CELL_COL_MINUS)) {
          if (*columnReach == Reach::Both) {
            // The row is taken when the run opens as well as when it grows:
            // a run of a single cell must not land on an earlier run's row.
            if (run)
              run->lastColumn = column;
            else
              run = OpenRun{row, column, column};
          } else {
            visitor.ColumnLink(side, column, row, *columnReach);
          }
        }

        if ((cell & CELL_HOLE) != 0) {
          const bool drilled = side == 1 && (grid(column, row, 0) & CELL_HOLE) != 0;
          visitor.Hole(side, column, row, drilled);
        }
      }
      closeRun();
    }
  }
}

}  // namespace cuprum
