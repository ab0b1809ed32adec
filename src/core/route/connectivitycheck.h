// An independent check of a routed board: follows the copper from each
// net's points and tells whether the net is joined, and whether copper joins
// two different nets. It shares nothing with the router, so that a fault in
// one is caught by the other.
//
// Copper joins two cells when each carries the link toward the other: a row
// or column link on one side, or CELL_HOLE on both sides of a position (a
// through-hole pad or a via). A link that its neighbour does not return joins
// nothing; row and column links of that kind are counted as one-sided (a hole
// on one side only is an ordinary single-sided pad).
//
// What it needs: the grid and the board size (the border ring included) and
// the nets' points (after routing the points stand at the ends of any stubs
// the router made, which are joined to their pins by links, so the original
// pin cells work as well).
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "board/boardgrid.h"
#include "board/gridpoint.h"
#include "route/netlist.h"

namespace cuprum {

class CBrdDoc;

struct NetConnection {
  bool joined = false;  // all points on one piece of copper
  int pieces = 0;       // separate pieces of copper among its points
};

struct NetShort {
  int first = 0;   // 0-based net positions, first < second
  int second = 0;
  GridPoint at;    // a point of the second net on the first net's copper
};

struct ConnectivityReport {
  std::vector<NetConnection> nets;  // one per net, in list order
  std::vector<NetShort> shorts;     // each pair of nets once
  int oneSidedLinks = 0;

  [[nodiscard]] int UnjoinedCount() const;
  [[nodiscard]] bool AllJoined() const { return UnjoinedCount() == 0; }
};

// Columns 0..xSize and rows 0..ySize (cut to the grid) on both sides.
ConnectivityReport CheckConnectivity(const BoardGrid& grid, int xSize, int ySize,
                                     const std::vector<std::vector<GridPoint>>& nets);
ConnectivityReport CheckConnectivity(const BoardGrid& grid, int xSize, int ySize,
                                     const NetList& nets);
ConnectivityReport CheckConnectivity(const CBrdDoc& board);

}  // namespace cuprum
