#include "route/netlist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "board/boardgrid.h"
#include "board/brddoc.h"
#include "parts/component.h"
#include "route/congestion.h"
#include "route/keyedheapsort.h"
#include "routetestboard.h"

namespace cuprum {
namespace {

using testing::Pin;

NetNode NetOf(std::vector<PinPoint> points, std::string name = "") {
  NetNode net;
  net.name = std::move(name);
  net.points = std::move(points);
  net.ComputeBoundingBox();
  return net;
}

// ---- The heap sort ----------------------------------------------------------

struct Labelled {
  int key;
  char label;
};

std::string Labels(const std::vector<Labelled>& items) {
  std::string labels;
  for (const Labelled& item : items) labels += item.label;
  return labels;
}

std::vector<Labelled> SortedByKey(std::vector<Labelled> items) {
  HeapSortAscending(items, [](const Labelled& item) { return item.key; });
  return items;
}

TEST(HeapSortAscending, TieOrderIsTheHeapsNotTheInputs) {
  EXPECT_EQ(Labels(SortedByKey({{5, 'a'}, {5, 'b'}, {5, 'c'}})), "acb");
  EXPECT_EQ(Labels(SortedByKey({{2, 'w'}, {5, 'x'}, {5, 'y'}, {10, 'z'}})), "wxyz");
  EXPECT_EQ(Labels(SortedByKey({{5, 'x'}, {5, 'y'}, {2, 'w'}})), "wxy");
}

TEST(HeapSortAscending, SortsAnyLengthIntoAscendingOrder) {
  std::mt19937 random(7);
  for (int n : {0, 1, 2, 3, 17, 256, 257, 1000}) {
    std::vector<Labelled> items;
    std::uniform_int_distribution<int> keys(0, n / 3 + 1);
    for (int i = 0; i < n; ++i) items.push_back({keys(random), static_cast<char>('a' + i % 26)});
    std::vector<int> expected;
    for (const Labelled& item : items) expected.push_back(item.key);
    std::sort(expected.begin(), expected.end());

    const std::vector<Labelled> sorted = SortedByKey(items);
    std::vector<int> got;
    for (const Labelled& item : sorted) got.push_back(item.key);
    EXPECT_EQ(got, expected) << "n = " << n;
  }
}

// ---- Point order --------------------------------------------------------------

TEST(OrderNetPoints, NearestFirstThenFarthestUnlessResistor) {
  const std::vector<PinPoint> points = {Pin(5, 5), Pin(1, 1), Pin(3, 0), Pin(0, 7)};

  NetNode plain = NetOf(points);
  OrderNetPoints(plain, false);
  EXPECT_EQ(plain.points, (std::vector<PinPoint>{Pin(1, 1), Pin(5, 5), Pin(0, 7), Pin(3, 0)}));

  NetNode resistor = NetOf(points);
  OrderNetPoints(resistor, true);
  EXPECT_EQ(resistor.points, (std::vector<PinPoint>{Pin(1, 1), Pin(3, 0), Pin(0, 7), Pin(5, 5)}));
}

TEST(OrderNetPoints, TwoPointsAreAscendingEitherWay) {
  for (const bool resistor : {false, true}) {
    NetNode net = NetOf({Pin(9, 9), Pin(2, 3)});
    OrderNetPoints(net, resistor);
    EXPECT_EQ(net.points, (std::vector<PinPoint>{Pin(2, 3), Pin(9, 9)}));
  }
}

TEST(OrderNetPoints, EqualDistancesFollowTheHeapSort) {
  const std::vector<PinPoint> points = {Pin(1, 4), Pin(2, 3), Pin(3, 2)};
  NetNode resistor = NetOf(points);
  OrderNetPoints(resistor, true);
  EXPECT_EQ(resistor.points, (std::vector<PinPoint>{Pin(1, 4), Pin(3, 2), Pin(2, 3)}));

  NetNode plain = NetOf(points);
  OrderNetPoints(plain, false);
  EXPECT_EQ(plain.points, points);
}

TEST(OrderNetPoints, ComponentsKeepRecordOrder) {
  NetNode net = NetOf({Pin(9, 9), Pin(1, 1), Pin(5, 5)});
  const Component first;
  const Component second;
  net.components = {&first, &second, &first};
  OrderNetPoints(net, false);
  EXPECT_EQ(net.components, (std::vector<const Component*>{&first, &second, &first}));
}

TEST(NetNode, BoundingBoxAndNameLimit) {
  NetNode net = NetOf({Pin(12, 40, 1), Pin(7, 60), Pin(30, 3)});
  EXPECT_EQ(net.minColumn, 7);
  EXPECT_EQ(net.maxColumn, 30);
  EXPECT_EQ(net.minRow, 3);
  EXPECT_EQ(net.maxRow, 60);
  EXPECT_EQ(net.PointCount(), 3);

  net.SetName(std::string(100, 'n'));
  EXPECT_EQ(net.name, std::string(MAX_NET_NAME_LENGTH, 'n'));
}

TEST(NetList, SortByCongestionIsAscendingWithHeapTieOrder) {
  NetList list;
  for (const auto& [name, key] :
       std::vector<std::pair<std::string, int>>{{"a", 5}, {"b", 5}, {"c", 5}, {"low", 1}}) {
    NetNode& net = list.Add(NetOf({Pin(1, 1), Pin(2, 2)}, name));
    net.congestion = key;
  }
  list.SortByCongestion();
  std::vector<std::string> names;
  for (const NetNode& net : list) names.push_back(net.name);
  EXPECT_EQ(names, (std::vector<std::string>{"low", "b", "c", "a"}));
  // Whole records move: points stay with their net.
  EXPECT_EQ(list[0].points.size(), 2U);
}

// ---- Congestion ---------------------------------------------------------------

TEST(Congestion, CountsBoxesOverColumnsAndRowsAndKeysEachNet) {
  NetList list;
  list.Add(NetOf({Pin(10, 10), Pin(20, 10)}, "A"));
  list.Add(NetOf({Pin(15, 12), Pin(25, 10)}, "B"));
  list.Add(NetOf({Pin(60, 60)}, "lonely"));

  CongestionCounters counters;
  counters.columnUsage.fill(7);  // left over from an earlier reading
  counters.rowUsage.fill(7);
  ComputeCongestion(list, counters);

  EXPECT_EQ(counters.columnUsage[9], 0);
  EXPECT_EQ(counters.columnUsage[10], 1);
  EXPECT_EQ(counters.columnUsage[14], 1);
  EXPECT_EQ(counters.columnUsage[15], 2);
  EXPECT_EQ(counters.columnUsage[20], 2);
  EXPECT_EQ(counters.columnUsage[21], 1);
  EXPECT_EQ(counters.columnUsage[25], 1);
  EXPECT_EQ(counters.columnUsage[26], 0);
  EXPECT_EQ(counters.columnUsage[60], 0);
  EXPECT_EQ(counters.rowUsage[10], 2);
  EXPECT_EQ(counters.rowUsage[11], 1);
  EXPECT_EQ(counters.rowUsage[12], 1);
  EXPECT_EQ(counters.rowUsage[13], 0);
  EXPECT_EQ(counters.rowUsage[60], 0);

  AssignCongestionKeys(list, counters);
  EXPECT_EQ(list[0].congestion, 5 * 1 + 6 * 2 + 2);
  EXPECT_EQ(list[1].congestion, 6 * 2 + 5 * 1 + 2 + 1 + 1);
}

TEST(Congestion, PinsOffTheGridAreCutToIt) {
  NetList list;
  list.Add(NetOf({Pin(120, 150), Pin(255, 255)}));
  CongestionCounters counters;
  ComputeCongestion(list, counters);
  AssignCongestionKeys(list, counters);
  EXPECT_EQ(counters.columnUsage[GRID_COLUMNS - 1], 1);
  EXPECT_EQ(counters.rowUsage[GRID_ROWS - 1], 1);
  EXPECT_EQ(list[0].congestion, (GRID_COLUMNS - 120) + (GRID_ROWS - 150));
}

class ExitVotes : public ::testing::Test {
 protected:
  CongestionCounters Votes(std::vector<PinPoint> points) {
    NetList list;
    list.Add(NetOf(std::move(points)));
    CongestionCounters counters;
    CountExitVotes(list, grid, counters);
    return counters;
  }

  BoardGrid grid;
};

TEST_F(ExitVotes, FreeNeighboursVoteForTheirDirection) {
  const CongestionCounters both = Votes({Pin(10, 10), Pin(20, 20)});
  EXPECT_EQ(both.side0ColumnVotes, 2);
  EXPECT_EQ(both.side0RowVotes, 2);

  grid(9, 10, 0) = CELL_HOLE;
  grid(11, 10, 0) = CELL_FIXED;
  const CongestionCounters blocked = Votes({Pin(10, 10), Pin(20, 20)});
  EXPECT_EQ(blocked.side0ColumnVotes, 1);
  EXPECT_EQ(blocked.side0RowVotes, 2);

  // One free side is enough.
  grid(10, 9, 0) = CELL_HOLE;
  const CongestionCounters oneFree = Votes({Pin(10, 10), Pin(20, 20)});
  EXPECT_EQ(oneFree.side0RowVotes, 2);
}

TEST_F(ExitVotes, TopSideVotesTheOtherWayRound) {
  grid(10, 9, 1) = CELL_HOLE;
  grid(10, 11, 1) = CELL_HOLE;
  // Column neighbours free, row neighbours taken.
  const CongestionCounters counters = Votes({Pin(10, 10, 1), Pin(10, 10, 1)});
  EXPECT_EQ(counters.side0RowVotes, 2);
  EXPECT_EQ(counters.side0ColumnVotes, 0);
}

TEST_F(ExitVotes, PlainFixedPinsDoNotVote) {
  const CongestionCounters fixed = Votes({Pin(10, 10, 0, CELL_FIXED), Pin(20, 20, 0, CELL_FIXED)});
  EXPECT_EQ(fixed.side0ColumnVotes, 0);
  EXPECT_EQ(fixed.side0RowVotes, 0);

  const CongestionCounters stub =
      Votes({Pin(10, 10, 0, CELL_FIXED | CELL_ROW_PLUS), Pin(20, 20, 0, CELL_FIXED)});
  EXPECT_EQ(stub.side0ColumnVotes, 1);
  EXPECT_EQ(stub.side0RowVotes, 1);
}

TEST_F(ExitVotes, GridEdgesAreNotFree) {
  grid(1, 0, 0) = CELL_BORDER;
  grid(0, 1, 0) = CELL_BORDER;
  const CongestionCounters corner = Votes({Pin(0, 0), Pin(0, 0)});
  EXPECT_EQ(corner.side0ColumnVotes, 0);
  EXPECT_EQ(corner.side0RowVotes, 0);

  const CongestionCounters offGrid = Votes({Pin(250, 250), Pin(128, 160)});
  EXPECT_EQ(offGrid.side0ColumnVotes, 1);
  EXPECT_EQ(offGrid.side0RowVotes, 1);
}

TEST_F(ExitVotes, VotesAddUpAndNetsOfOnePointAbstain) {
  NetList list;
  list.Add(NetOf({Pin(10, 10), Pin(20, 20)}));
  list.Add(NetOf({Pin(30, 30)}));
  CongestionCounters counters;
  counters.side0ColumnVotes = 5;
  CountExitVotes(list, grid, counters);
  EXPECT_EQ(counters.side0ColumnVotes, 7);
  EXPECT_EQ(counters.side0RowVotes, 2);
}

}  // namespace
}  // namespace cuprum
