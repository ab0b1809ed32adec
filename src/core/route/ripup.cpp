// Taking a net's copper up again.
#include <new>

#include "board/brddoc.h"
#include "route/router.h"

namespace cuprum {

int Router::RipUpNet(std::span<const PinPoint> points) {
  if (!PrepareNet(points.size())) return -1;
  if (!AllInside(points)) return 0;
  ++statistics_.ripUps;
  GridCell* cells = board_.Grid().Data();

  // The net's own points stop the erasing as fixed copper does, so that one
  // point's erasing does not run through another point into its stub.
  for (std::size_t k = 0; k < points.size(); ++k) {
    const CellIndex at = ToCellIndex(points[k].point);
    saved_[k] = cells[at] != 0 ? cells[at] : points[k].rest;
    savedOther_[k] = cells[at ^ 1U];
    cells[at] |= CELL_SOURCE;
  }

  // Everything joined to a point by links, up to fixed copper and the other
  // points, is erased. The order of erasing does not change what goes.
  auto& stack = eraseStack_;
  const auto take = [cells, &stack](CellIndex at) {
    const GridCell v = cells[at];
    if (v == 0 || (v & (CELL_SOURCE | CELL_FIXED)) != 0) return;
    stack.emplace_back(at, v);
    cells[at] = 0;
  };
  for (std::size_t k = 0; k < points.size(); ++k) {
    const CellIndex at = ToCellIndex(points[k].point);
    const GridCell f = saved_[k];
    cells[at] = 0;
    // A point's hole belongs to its pin, so the erasing leaves through its
    // copper links only.
    for (const GridCell link : {CELL_ROW_PLUS, CELL_ROW_MINUS, CELL_COL_PLUS, CELL_COL_MINUS}) {
      if ((f & link) != 0) take(AcrossLink(at, link));
    }
    while (!stack.empty()) {
      const auto [cell, value] = stack.back();
      stack.pop_back();
      for (const GridCell link : LOOK_ORDER) {
        if ((value & link) != 0) take(AcrossLink(cell, link));
      }
    }
  }

  for (std::size_t k = 0; k < points.size(); ++k) {
    const CellIndex at = ToCellIndex(points[k].point);
    cells[at] = points[k].rest;
    if (cells[at ^ 1U] == 0 && (points[k].rest & CELL_HOLE) != 0) cells[at ^ 1U] = savedOther_[k];
  }
  return 0;
}

}  // namespace cuprum
