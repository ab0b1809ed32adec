#include "export/copperstrokes.h"

#include "board/brddoc.h"
#include "export/copperwalk.h"

namespace cuprum {

namespace {

constexpr int MILS_PER_POSITION_AT_100 = 100;
// From a cell's centre to its edge, before scaling to the resolution.
constexpr int HALF_CELL_AT_100 = 50;

class StrokeTracer : public CopperVisitor {
 public:
  StrokeTracer(const CBrdDoc& board, StrokeSink& sink)
      : columns_(board.XSize()), step_(board.GridStepSize()), sink_(sink) {}

  void Run(int side, int row, int firstColumn, int lastColumn) override {
    sink_.Stroke(side, At(lastColumn, -HALF_CELL_AT_100, row, 0),
                 At(firstColumn, HALF_CELL_AT_100, row, 0));
  }

  void RowLink(int side, int column, int row, Reach reach) override {
    const MilPoint centre = At(column, 0, row, 0);
    const MilPoint above = At(column, 0, row, HALF_CELL_AT_100);
    const MilPoint below = At(column, 0, row, -HALF_CELL_AT_100);
    switch (reach) {
      case Reach::Both: sink_.Stroke(side, above, below); break;
      case Reach::Plus: sink_.Stroke(side, above, centre); break;
      case Reach::Minus: sink_.Stroke(side, below, centre); break;
    }
  }

  void ColumnLink(int side, int column, int row, Reach reach) override {
    const MilPoint centre = At(column, 0, row, 0);
    // Column + 1 lies toward smaller X.
    if (reach == Reach::Plus)
      sink_.Stroke(side, At(column, -HALF_CELL_AT_100, row, 0), centre);
    else if (reach == Reach::Minus)
      sink_.Stroke(side, At(column, HALF_CELL_AT_100, row, 0), centre);
  }

  void Hole(int side, int column, int row, bool drilled) override {
    const MilPoint centre = At(column, 0, row, 0);
    sink_.Flash(side, centre);
    if (drilled) sink_.DrillHit(centre);
  }

 private:
  // Offsets are in thousandths at 100 mil and scale with the grid like the
  // centre; every value here divides exactly at both resolutions.
  [[nodiscard]] MilPoint At(int column, int dx, int row, int dy) const {
    return MilPoint{((columns_ - column) * MILS_PER_POSITION_AT_100 + dx) / step_,
                    (row * MILS_PER_POSITION_AT_100 + dy) / step_};
  }

  int columns_;
  int step_;
  StrokeSink& sink_;
};

}  // namespace

MilPoint CellCentreMils(const CBrdDoc& board, int column, int row) {
  return MilPoint{(board.XSize() - column) * MILS_PER_POSITION_AT_100 / board.GridStepSize(),
                  row * MILS_PER_POSITION_AT_100 / board.GridStepSize()};
}

void TraceCopperStrokes(const CBrdDoc& board, StrokeSink& sink) {
  StrokeTracer tracer(board, sink);
  WalkCopper(board, 1, board.XSize() - 1, tracer);
}

}  // namespace cuprum
