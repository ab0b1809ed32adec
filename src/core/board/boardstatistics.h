// Counts over the board grid for reports: copper, holes, fixed cells and
// through holes.
#pragma once

#include <array>

namespace cuprum {

class CBrdDoc;

struct BoardStatistics {
  std::array<int, 2> copperCells{};  // cells with at least one link bit, per side
  std::array<int, 2> holeCells{};    // cells with the hole bit, per side
  std::array<int, 2> fixedCells{};   // cells with the fixed bit, per side
  // Positions off the border ring whose two sides both carry the hole bit:
  // vias and through-hole pins alike, a board file does not tell them apart.
  int throughHoles = 0;
};

BoardStatistics ComputeBoardStatistics(const CBrdDoc& board);

// Through holes that no placed component's pin stands in: the vias the
// router made. Meaningful once the board is laid out.
int CountVias(const CBrdDoc& board);

// Copper length in inches: every link between two cells on one side counts
// one grid step.
double CopperLengthInches(const CBrdDoc& board);

}  // namespace cuprum
