// The pre-passes: pins that have only one way out are moved into it before
// any net is routed, so that no other net takes it. The stub so made is
// fixed copper owned by the pin.
#include <array>

#include "board/brddoc.h"
#include "route/netlist.h"
#include "route/router.h"

namespace cuprum {

namespace {

struct Step {
  GridCell link;
  int dx;
  int dy;
  bool otherSide;
};

constexpr Step ROW_PLUS_STEP{CELL_ROW_PLUS, 0, 1, false};
constexpr Step ROW_MINUS_STEP{CELL_ROW_MINUS, 0, -1, false};
constexpr Step SIDE_STEP{CELL_HOLE, 0, 0, true};
constexpr Step COL_PLUS_STEP{CELL_COL_PLUS, 1, 0, false};
constexpr Step COL_MINUS_STEP{CELL_COL_MINUS, -1, 0, false};

constexpr std::array<Step, 5> ALL_STEPS{ROW_PLUS_STEP, ROW_MINUS_STEP, SIDE_STEP, COL_PLUS_STEP,
                                        COL_MINUS_STEP};
constexpr std::array<Step, 4> FLAT_STEPS{ROW_PLUS_STEP, ROW_MINUS_STEP, COL_PLUS_STEP,
                                         COL_MINUS_STEP};

// A move along a row or column must lead into the net's box: away from the
// box edge the pin stands on, and only when the box has extent that way.
bool IntoBox(const NetNode& net, GridPoint p, GridCell link) {
  switch (link) {
    case CELL_ROW_PLUS: return p.y == net.minRow && net.minRow != net.maxRow;
    case CELL_ROW_MINUS: return p.y == net.maxRow && net.minRow != net.maxRow;
    case CELL_COL_PLUS: return p.x == net.minColumn && net.minColumn != net.maxColumn;
    case CELL_COL_MINUS: return p.x == net.maxColumn && net.minColumn != net.maxColumn;
    default: return true;
  }
}

}  // namespace

GridCell Router::Peek(int x, int y, int side) const {
  if (!BoardGrid::Contains(x, y, side)) return CELL_BORDER;
  const std::size_t at = BoardGrid::Index(x, y, side);
  const GridCell v = board_.Grid().Data()[at];
  if (v == 0 && startBlocks_ && !halfPositions_.empty() && halfPositions_[at] != 0)
    return CELL_WAVE;
  return v;
}

void Router::MovePin(PinPoint& pin, GridCell direction) {
  BoardGrid& grid = board_.Grid();
  GridCell& from = grid[pin.point];
  from = static_cast<GridCell>((from & ~CELL_NET) | direction | CELL_FIXED);
  const CellIndex to = AcrossLink(ToCellIndex(pin.point), direction);
  const GridPoint p = pin.point;
  switch (direction) {
    case CELL_ROW_PLUS: pin.point = MakeGridPoint(p.x, p.y + 1, p.side); break;
    case CELL_ROW_MINUS: pin.point = MakeGridPoint(p.x, p.y - 1, p.side); break;
    case CELL_COL_PLUS: pin.point = MakeGridPoint(p.x + 1, p.y, p.side); break;
    case CELL_COL_MINUS: pin.point = MakeGridPoint(p.x - 1, p.y, p.side); break;
    default: pin.point = MakeGridPoint(p.x, p.y, p.side ^ 1); break;
  }
  const GridCell back = OppositeLink(direction);
  grid.Data()[to] |= static_cast<GridCell>(back | CELL_NET);
  pin.rest = back;
}

bool Router::TryMove(NetNode& net, PinPoint& pin, Exit kind, std::array<bool, 2> rowAxis) {
  const GridPoint p = pin.point;
  const auto peek = [this, p](const Step& s, int distance) {
    const int side = s.otherSide ? (p.side ^ 1) : p.side;
    return Peek(p.x + s.dx * distance, p.y + s.dy * distance, side);
  };
  for (const Step& s : ALL_STEPS) {
    if ((peek(s, 1) & CELL_NET) != 0) return false;
  }

  GridCell exit = 0;
  int exits = 0;
  const auto consider = [&exit, &exits](const Step& s, bool open) {
    if (open && exits++ == 0) exit = s.link;
  };
  switch (kind) {
    case Exit::Single:
      for (const Step& s : ALL_STEPS) consider(s, peek(s, 1) == 0);
      break;
    case Exit::Preferred:
      if (rowAxis[p.side & 1U]) {
        for (const Step& s : {ROW_PLUS_STEP, ROW_MINUS_STEP, SIDE_STEP}) consider(s, peek(s, 1) == 0);
      } else {
        for (const Step& s : {COL_PLUS_STEP, COL_MINUS_STEP, SIDE_STEP}) consider(s, peek(s, 1) == 0);
      }
      break;
    case Exit::Corridor:
      for (const Step& s : FLAT_STEPS) {
        if ((peek(s, 2) & CELL_NET) != 0) return false;
      }
      for (const Step& s : FLAT_STEPS) consider(s, peek(s, 1) == 0 && peek(s, 2) == 0);
      break;
  }
  if (exits != 1) return false;
  if (kind != Exit::Single && !IntoBox(net, p, exit)) return false;
  MovePin(pin, exit);
  return true;
}

int Router::ExtendExits(Exit kind) {
  const std::array<bool, 2> rowAxis = RowAxis();
  BoardGrid& grid = board_.Grid();
  int moved = 0;
  for (NetNode& net : board_.GetNetList()) {
    if (net.routed || !AllInside(net.points)) continue;
    for (const PinPoint& pin : net.points) grid[pin.point] |= CELL_NET;
    for (PinPoint& pin : net.points) {
      if (TryMove(net, pin, kind, rowAxis)) ++moved;
    }
    if (moved != 0) net.ComputeBoundingBox();
    for (const PinPoint& pin : net.points) grid[pin.point] &= static_cast<GridCell>(~CELL_NET);
  }
  return moved;
}

int Router::ExtendSingleExits() { return ExtendExits(Exit::Single); }
int Router::ExtendCorridors() { return ExtendExits(Exit::Corridor); }
int Router::ExtendPreferredExits() { return ExtendExits(Exit::Preferred); }

}  // namespace cuprum
