#include "route/netlist.h"

#include <algorithm>
#include <utility>

#include "route/keyedheapsort.h"

namespace cuprum {

void NetNode::ComputeBoundingBox() {
  if (points.empty()) {
    minColumn = maxColumn = minRow = maxRow = 0;
    return;
  }
  minColumn = maxColumn = points.front().point.x;
  minRow = maxRow = points.front().point.y;
  for (const PinPoint& pin : points) {
    minColumn = std::min(minColumn, pin.point.x);
    maxColumn = std::max(maxColumn, pin.point.x);
    minRow = std::min(minRow, pin.point.y);
    maxRow = std::max(maxRow, pin.point.y);
  }
}

void OrderNetPoints(NetNode& net, bool hasResistor) {
  HeapSortAscending(net.points, [](const PinPoint& pin) { return PointKey(pin.point); });
  // Nets with a resistor pin keep the plain ascending order; every other net
  // is laid from its corner-most point to its farthest one first.
  if (!hasResistor && net.points.size() > 2) std::swap(net.points[1], net.points.back());
}

NetNode& NetList::Add(NetNode net) {
  nets_.push_back(std::move(net));
  return nets_.back();
}

void NetList::SortByCongestion() {
  HeapSortAscending(nets_, [](const NetNode& net) { return net.congestion; });
}

}  // namespace cuprum
