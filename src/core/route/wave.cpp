#include "route/wave.h"

#include "board/boardgrid.h"

namespace cuprum {

namespace {

constexpr CellIndex NO_CELL = 0xFFFFFFFFU;

// A wave cell's mark: CELL_WAVE and the link back to the cell it came from.
constexpr GridCell CameFrom(GridCell backLink) {
  return static_cast<GridCell>(CELL_WAVE | backLink);
}

struct SpreadEnd {
  CellIndex reached = NO_CELL;  // the cell next to the net, if any
  GridCell towardNet = 0;       // its link toward the net cell it touches
  CellIndex tail = 0;           // last queue entry in use
  CellIndex expanded = 0;       // entries taken from the queue
};

// The wave itself. Cells are taken in the order they were reached, so the
// first cell found next to the net ends the shortest path in steps; among
// equal paths the fixed order in which neighbours are looked at decides.
template <bool kLayered, bool kBlocked>
SpreadEnd Spread(GridCell* cells, CellIndex* queue, CellIndex source, std::array<bool, 2> rowAxis,
                 const std::uint8_t* blocked) {
  CellIndex tail = 0;
  queue[0] = source;
  for (CellIndex head = 0;; ++head) {
    const CellIndex x = queue[head];
    if ((cells[x + ROW_STEP] & CELL_NET) != 0) return {x, CELL_ROW_PLUS, tail, head + 1};
    if ((cells[x - ROW_STEP] & CELL_NET) != 0) return {x, CELL_ROW_MINUS, tail, head + 1};
    if ((cells[x ^ 1U] & CELL_NET) != 0) return {x, CELL_HOLE, tail, head + 1};
    if ((cells[x + COLUMN_STEP] & CELL_NET) != 0) return {x, CELL_COL_PLUS, tail, head + 1};
    if ((cells[x - COLUMN_STEP] & CELL_NET) != 0) return {x, CELL_COL_MINUS, tail, head + 1};

    const auto enter = [cells, queue, blocked, &tail](CellIndex n, GridCell mark) {
      if (cells[n] == 0 && (!kBlocked || blocked[n] == 0)) {
        cells[n] = mark;
        queue[++tail] = n;
      }
    };
    const GridCell v = cells[x];
    const bool rowMove = (v & CELL_LINKS) != 0 ? (v & (CELL_ROW_PLUS | CELL_ROW_MINUS)) != 0
                                               : rowAxis[x & 1U];
    if (rowMove) {
      enter(x + ROW_STEP, CameFrom(CELL_ROW_MINUS));
      enter(x - ROW_STEP, CameFrom(CELL_ROW_PLUS));
      enter(x ^ 1U, CameFrom(CELL_HOLE));
      if (!kLayered) {
        enter(x + COLUMN_STEP, CameFrom(CELL_COL_MINUS));
        enter(x - COLUMN_STEP, CameFrom(CELL_COL_PLUS));
      }
    } else {
      enter(x + COLUMN_STEP, CameFrom(CELL_COL_MINUS));
      enter(x - COLUMN_STEP, CameFrom(CELL_COL_PLUS));
      enter(x ^ 1U, CameFrom(CELL_HOLE));
      if (!kLayered) {
        enter(x + ROW_STEP, CameFrom(CELL_ROW_MINUS));
        enter(x - ROW_STEP, CameFrom(CELL_ROW_PLUS));
      }
    }
    if (tail == head) return {NO_CELL, 0, tail, head + 1};
  }
}

// Lays the path from the cell next to the net back to the source: every cell
// keeps its link back and gains the link forward, so each carries the links
// to both its path neighbours.
void TraceBack(GridCell* cells, CellIndex x, GridCell toward, std::vector<CellIndex>& laid) {
  for (;;) {
    const GridCell v = cells[x];
    cells[x] = static_cast<GridCell>((v & CELL_REST_MASK) | toward | CELL_NET);
    laid.push_back(x);
    if ((v & CELL_SOURCE) != 0) return;
    const auto back = static_cast<GridCell>(v & CELL_LINKS_AND_HOLE);
    x = AcrossLink(x, back);
    toward = OppositeLink(back);
  }
}

}  // namespace

void Wave::Reserve() {
  if (queue_.empty()) queue_.resize(GRID_CELL_COUNT);
}

WaveResult Wave::Run(GridCell* cells, CellIndex source, WaveKind kind,
                     std::array<bool, 2> rowAxis, const std::uint8_t* blocked,
                     std::vector<CellIndex>& laid) {
  CellIndex* queue = queue_.data();
  SpreadEnd end;
  if (kind == WaveKind::Layered) {
    end = blocked != nullptr ? Spread<true, true>(cells, queue, source, rowAxis, blocked)
                             : Spread<true, false>(cells, queue, source, rowAxis, blocked);
  } else {
    end = blocked != nullptr ? Spread<false, true>(cells, queue, source, rowAxis, blocked)
                             : Spread<false, false>(cells, queue, source, rowAxis, blocked);
  }
  const bool found = end.reached != NO_CELL;
  if (found) {
    cells[AcrossLink(end.reached, end.towardNet)] |= OppositeLink(end.towardNet);
    TraceBack(cells, end.reached, end.towardNet, laid);
  }
  // Only the cells this wave entered can carry its marks; the path just laid
  // has lost them already.
  for (CellIndex i = 1; i <= end.tail; ++i) {
    GridCell& cell = cells[queue[i]];
    if ((cell & CELL_WAVE) != 0) cell = 0;
  }
  return {found, end.expanded};
}

}  // namespace cuprum
