// Boards for the router tests: a board document with its border ring, pins
// and obstacles written straight into the grid, nets filled in as the
// netlist reader leaves them, and a seeded generator of crowded boards.
#pragma once

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "board/brddoc.h"
#include "board/gridcell.h"
#include "board/gridpoint.h"
#include "board/log.h"
#include "platform/recordingplatform.h"
#include "route/congestion.h"
#include "route/connectivitycheck.h"
#include "route/netlist.h"

namespace cuprum::testing {

struct RouterBoard {
  CBrdDoc doc;
  LogStream log;
  RecordingPlatform platform;

  RouterBoard(int xSize, int ySize, Resolution resolution = Resolution::Mil100) {
    doc.SetSettings(resolution, 1);
    doc.SetXSize(xSize);
    doc.SetYSize(ySize);
    doc.ClearGrid();
    doc.MarkBorder();
  }

  GridCell& Cell(int x, int y, int side = 0) { return doc.Grid()(x, y, side); }

  // A through-hole pin: its pad on side 0, the hole's far end on side 1.
  PinPoint ThroughHole(int x, int y) {
    Cell(x, y, 0) = CELL_HOLE;
    Cell(x, y, 1) = CELL_HOLE;
    return PinPoint{MakeGridPoint(x, y, 0), CELL_HOLE};
  }
  // A pad on one side only; the other side stays as it is.
  PinPoint Pad(int x, int y, int side) {
    Cell(x, y, side) = CELL_HOLE;
    return PinPoint{MakeGridPoint(x, y, side), CELL_HOLE};
  }
  // Reserved cells: fixed copper without links.
  void Wall(int x, int y, int side) { Cell(x, y, side) = CELL_FIXED; }
  void WallBoth(int x, int y) {
    Wall(x, y, 0);
    Wall(x, y, 1);
  }

  // The net as the netlist reader closes it: box computed, points in the
  // order given.
  NetNode& AddNet(const std::string& name, std::vector<PinPoint> points) {
    NetNode net;
    net.SetName(name);
    net.points = std::move(points);
    net.ComputeBoundingBox();
    return doc.GetNetList().Add(std::move(net));
  }

  ConnectivityReport Check() const { return CheckConnectivity(doc); }

  // No routing mark is left anywhere in the grid.
  [[nodiscard]] bool OnlyRestBits() const {
    const GridCell* cells = doc.Grid().Data();
    for (std::size_t i = 0; i < GRID_CELL_COUNT; ++i) {
      if ((cells[i] & ~CELL_REST_MASK) != 0) return false;
    }
    return true;
  }
};

// The nets the log names as failed, by their place in the list.
inline std::set<int> FailedNets(const std::string& logText) {
  std::set<int> failed;
  std::size_t at = 0;
  while ((at = logText.find("error: node= ", at)) != std::string::npos) {
    at += 13;
    failed.insert(std::stoi(logText.substr(at)));
  }
  return failed;
}

inline int CountOf(const std::string& text, const std::string& what) {
  int count = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++count;
  return count;
}

// A crowded board: through-hole pins at random free positions inside the
// ring, a few walls, nets of 2 to `maxPoints` pins, sorted by congestion the
// way the reader sorts them.
inline void FillRandomBoard(RouterBoard& board, std::uint32_t seed, int nets, int maxPoints,
                            int walls) {
  std::mt19937 random(seed);
  const int xSize = board.doc.XSize();
  const int ySize = board.doc.YSize();
  std::uniform_int_distribution<int> column(2, xSize - 2);
  std::uniform_int_distribution<int> row(2, ySize - 2);
  std::uniform_int_distribution<int> points(2, maxPoints);
  for (int w = 0; w < walls; ++w) board.WallBoth(column(random), row(random));
  for (int n = 0; n < nets; ++n) {
    std::vector<PinPoint> pins;
    const int count = points(random);
    while (static_cast<int>(pins.size()) < count) {
      const int x = column(random);
      const int y = row(random);
      if (board.Cell(x, y, 0) != 0 || board.Cell(x, y, 1) != 0) continue;
      pins.push_back(board.ThroughHole(x, y));
    }
    NetNode& net = board.AddNet("N" + std::to_string(n), std::move(pins));
    OrderNetPoints(net, false);
  }
  NetList& list = board.doc.GetNetList();
  CongestionCounters& counters = board.doc.Congestion();
  ComputeCongestion(list, counters);
  CountExitVotes(list, board.doc.Grid(), counters);
  AssignCongestionKeys(list, counters);
  list.SortByCongestion();
}

}  // namespace cuprum::testing
