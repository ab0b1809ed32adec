// The one scan of the board's copper that every manufacturing writer shares:
// row by row, side by side, column by column, it tells a writer about each
// link, each hole and each straight horizontal run, in the order the files
// list them. Keeping the run bookkeeping here means the writers cannot
// disagree about where a run lies.
#pragma once

#include "board/gridcell.h"

namespace cuprum {

class CBrdDoc;

// Which of a cell's two links along one direction it has: toward the
// neighbour at +1, toward the one at -1, or both (a straight piece).
enum class Reach { Plus, Minus, Both };

class CopperVisitor {
 public:
  virtual ~CopperVisitor() = default;
  // A straight horizontal run of cells that hold exactly the two column links,
  // from its first (lowest) to its last column, all on one row and side.
  virtual void Run(int side, int row, int firstColumn, int lastColumn) = 0;
  virtual void RowLink(int side, int column, int row, Reach reach) = 0;
  // Only Plus or Minus: cells with both column links are part of a run.
  virtual void ColumnLink(int side, int column, int row, Reach reach) = 0;
  // drilled: side 1 with the hole on side 0 too, so it goes through the board.
  virtual void Hole(int side, int column, int row, bool drilled) = 0;
};

// Visits rows 1 to ySize - 1, each side in use, columns firstColumn to
// lastColumn. For each cell: a run that this cell does not continue is
// reported first, then its row links, its column link, its hole. A run still
// open when a row of one side ends is reported there, on its own side.
void WalkCopper(const CBrdDoc& board, int firstColumn, int lastColumn, CopperVisitor& visitor);

}  // namespace cuprum
