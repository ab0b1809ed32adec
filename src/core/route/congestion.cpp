#include "route/congestion.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace cuprum {

namespace {

void SaturatingIncrement(std::int32_t& counter) {
  if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
}

// A cell beside a pin is free only when it lies on the grid and holds
// nothing at all.
bool FreeCell(const BoardGrid& grid, int x, int y, int side) {
  return BoardGrid::Contains(x, y, side) && grid(x, y, side) == 0;
}

// A box is cut to the grid: a pin moved off the grid keeps a wrapped
// coordinate up to 255.
template <std::size_t N>
void CountSpan(std::array<std::int32_t, N>& usage, int low, int high) {
  const int last = std::min(high, static_cast<int>(N) - 1);
  for (int i = low; i <= last; ++i) SaturatingIncrement(usage[static_cast<std::size_t>(i)]);
}

template <std::size_t N>
std::int64_t SumSpan(const std::array<std::int32_t, N>& usage, int low, int high) {
  const int last = std::min(high, static_cast<int>(N) - 1);
  std::int64_t sum = 0;
  for (int i = low; i <= last; ++i) sum += usage[static_cast<std::size_t>(i)];
  return sum;
}

}  // namespace

void ComputeCongestion(const NetList& nets, CongestionCounters& counters) {
  counters.columnUsage.fill(0);
  counters.rowUsage.fill(0);
  for (const NetNode& net : nets) {
    if (net.PointCount() <= 1) continue;
    CountSpan(counters.columnUsage, net.minColumn, net.maxColumn);
    CountSpan(counters.rowUsage, net.minRow, net.maxRow);
  }
}

void CountExitVotes(const NetList& nets, const BoardGrid& grid, CongestionCounters& counters) {
  for (const NetNode& net : nets) {
    if (net.PointCount() <= 1) continue;
    for (const PinPoint& pin : net.points) {
      if (pin.rest == CELL_FIXED) continue;
      const int x = pin.point.x;
      const int y = pin.point.y;
      const int side = pin.point.side;
      const bool columnExit = FreeCell(grid, x - 1, y, side) || FreeCell(grid, x + 1, y, side);
      const bool rowExit = FreeCell(grid, x, y - 1, side) || FreeCell(grid, x, y + 1, side);
      std::int32_t& columnVotes = side == 0 ? counters.side0ColumnVotes : counters.side0RowVotes;
      std::int32_t& rowVotes = side == 0 ? counters.side0RowVotes : counters.side0ColumnVotes;
      if (columnExit) SaturatingIncrement(columnVotes);
      if (rowExit) SaturatingIncrement(rowVotes);
    }
  }
}

void AssignCongestionKeys(NetList& nets, const CongestionCounters& counters) {
  for (NetNode& net : nets) {
    const std::int64_t sum = SumSpan(counters.columnUsage, net.minColumn, net.maxColumn) +
                             SumSpan(counters.rowUsage, net.minRow, net.maxRow);
    net.congestion = static_cast<std::int32_t>(
        std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
  }
}

}  // namespace cuprum
