// How crowded the board will be: for each column and row, how many nets'
// bounding boxes span it, and the votes on which direction the pins can
// leave in. They give each net its routing-order key and each copper side
// its preferred direction.
#pragma once

#include "board/boardgrid.h"
#include "board/brddoc.h"
#include "route/netlist.h"

namespace cuprum {

// Counts, for every column and row, the nets of two or more points whose
// bounding box spans it. The usage tables are cleared first, over the whole
// grid rather than the board's part of it: pins placed off the board count
// past its edge, and no count may carry over from an earlier reading.
void ComputeCongestion(const NetList& nets, CongestionCounters& counters);

// Adds one vote per pin and direction in which it has a free neighbour:
// on side 0 a free column neighbour votes for columns and a free row
// neighbour for rows; on side 1 the other way round, so that the two sides
// come to prefer crossing directions. Pins whose cell is plain fixed copper
// do not vote. The votes are never cleared.
void CountExitVotes(const NetList& nets, const BoardGrid& grid, CongestionCounters& counters);

// Each net's congestion: the usage of the columns plus that of the rows
// under its bounding box.
void AssignCongestionKeys(NetList& nets, const CongestionCounters& counters);

}  // namespace cuprum
