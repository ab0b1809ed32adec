// The board's copper as the Gerber-style files draw it: strokes of a round
// aperture along cell centres, a flash on every hole and a drill hit where a
// hole goes through both sides. Coordinates are thousandths of an inch, with
// column 0 at the largest X as in the board view and rows growing with Y.
#pragma once

namespace cuprum {

class CBrdDoc;

struct MilPoint {
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(MilPoint, MilPoint) = default;
};

class StrokeSink {
 public:
  virtual ~StrokeSink() = default;
  virtual void Stroke(int side, MilPoint from, MilPoint to) = 0;
  virtual void Flash(int side, MilPoint at) = 0;
  // Comes right after the side 1 flash of the same hole.
  virtual void DrillHit(MilPoint at) = 0;
};

// The centre of a cell: ((xSize - column) * 100, row * 100) / 2^resolution.
MilPoint CellCentreMils(const CBrdDoc& board, int column, int row);

// Strokes for the cells inside the border (columns 1 to xSize - 1): a straight
// run is one stroke from the far edge of its last cell to the near edge of its
// first; a single link is a stroke from the cell's edge to its centre.
void TraceCopperStrokes(const CBrdDoc& board, StrokeSink& sink);

}  // namespace cuprum
