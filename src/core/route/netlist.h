// The board's nets as read from its route netlist: each net's pins in the
// order the router joins them, with the bounding box and the crowding key
// that decide which nets the router takes first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/gridpoint.h"

namespace cuprum {

class Component;

// Net names are cut to this many characters.
constexpr std::size_t MAX_NET_NAME_LENGTH = 63;

struct NetNode {
  std::string name;  // empty when the file gives none
  // Laid on the grid: cleared when the net is read, set and cleared by the
  // routers.
  bool routed = false;
  // Bounding box of the points.
  std::uint8_t minColumn = 0;
  std::uint8_t maxColumn = 0;
  std::uint8_t minRow = 0;
  std::uint8_t maxRow = 0;
  // Routing-order key: how crowded the columns and rows under the box are.
  std::int32_t congestion = 0;
  // The pins, in routing order once the net is read.
  std::vector<PinPoint> points;
  // The component that owns each pin, in the order the pin records were
  // read. Ordering the points leaves this table alone, so entry k belongs to
  // the k-th pin record, not necessarily to points[k]. The entries point into
  // the board's component list and go stale when that list is emptied.
  std::vector<const Component*> components;

  [[nodiscard]] std::int32_t PointCount() const { return static_cast<std::int32_t>(points.size()); }
  void SetName(std::string_view text) { name = std::string(text.substr(0, MAX_NET_NAME_LENGTH)); }
  // From the points as they are now; the router calls it again after it has
  // moved pins out along their stubs.
  void ComputeBoundingBox();
};

// A point's distance from the board's corner at column 0, row 0, in steps.
constexpr int PointKey(GridPoint p) { return p.x + p.y; }

// Puts the points in the order the router joins them: ascending column + row,
// so that the first point is the one nearest the corner. Unless the net has a
// resistor pin, the farthest point is then swapped into second place, so the
// first connection spans the whole net and later points join it on the way.
void OrderNetPoints(NetNode& net, bool hasResistor);

class NetList {
 public:
  [[nodiscard]] std::int32_t Count() const { return static_cast<std::int32_t>(nets_.size()); }
  [[nodiscard]] bool Empty() const { return nets_.empty(); }

  NetNode& operator[](std::size_t index) { return nets_[index]; }
  const NetNode& operator[](std::size_t index) const { return nets_[index]; }

  NetNode& Add(NetNode net);
  void Clear() { nets_.clear(); }

  // Ascending congestion, least crowded first, with the heap sort's order
  // among equal keys.
  void SortByCongestion();

  std::vector<NetNode>& Nets() { return nets_; }
  [[nodiscard]] const std::vector<NetNode>& Nets() const { return nets_; }
  auto begin() { return nets_.begin(); }
  auto end() { return nets_.end(); }
  [[nodiscard]] auto begin() const { return nets_.begin(); }
  [[nodiscard]] auto end() const { return nets_.end(); }

 private:
  std::vector<NetNode> nets_;
};

}  // namespace cuprum
