// One breadth-first search over the flat grid: a wave from a source cell
// that ends at the first cell next to the net being routed and lays the path
// back to the source as copper of that net.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "board/gridcell.h"
#include "route/gridlinks.h"

namespace cuprum {

enum class WaveKind {
  // Every free neighbour, the cell's own axis first.
  Free,
  // Only along the cell's axis and through the board: runs turn at vias.
  Layered,
};

struct WaveResult {
  bool found = false;
  CellIndex expanded = 0;  // cells taken from the queue
};

class Wave {
 public:
  // Takes the queue's memory: one entry for every cell of the grid, since a
  // wave visits each free cell once at most and so never loses one.
  // Throws std::bad_alloc.
  void Reserve();
  [[nodiscard]] bool Reserved() const { return !queue_.empty(); }

  // Runs a wave from `source`, which carries CELL_SOURCE. The target is every
  // cell with CELL_NET. `rowAxis[side]` says whether a side's runs go along
  // rows when a cell gives no direction of its own. With `blocked`, the cells
  // it marks count as taken unless they hold copper of some kind already.
  // On success the new path carries CELL_NET and links both ways, and every
  // cell it laid is appended to `laid` (whose capacity the caller provides).
  // Either way the wave's own marks are gone afterwards.
  WaveResult Run(GridCell* cells, CellIndex source, WaveKind kind, std::array<bool, 2> rowAxis,
                 const std::uint8_t* blocked, std::vector<CellIndex>& laid);

 private:
  std::vector<CellIndex> queue_;
};

}  // namespace cuprum
