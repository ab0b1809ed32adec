#include "board/boardgrid.h"

#include <stdexcept>

namespace cuprum {

GridCell& BoardGrid::At(int x, int y, int side) {
  if (!Contains(x, y, side)) throw std::out_of_range("grid cell outside the board grid");
  return cells_[Index(x, y, side)];
}

GridCell BoardGrid::At(int x, int y, int side) const {
  if (!Contains(x, y, side)) throw std::out_of_range("grid cell outside the board grid");
  return cells_[Index(x, y, side)];
}

}  // namespace cuprum
