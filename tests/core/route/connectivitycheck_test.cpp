// The connectivity checker on copper drawn by hand.
#include "route/connectivitycheck.h"

#include <gtest/gtest.h>

#include "routerfixture.h"

namespace cuprum {
namespace {

using testing::RouterBoard;

// Draws a trace along a row from column x0 to x1 on one side, links both ways.
void RunAlongRow(RouterBoard& board, int x0, int x1, int y, int side) {
  for (int x = x0; x < x1; ++x) {
    board.Cell(x, y, side) |= CELL_COL_PLUS;
    board.Cell(x + 1, y, side) |= CELL_COL_MINUS;
  }
}

TEST(ConnectivityCheck, JoinedSplitAndShortedNets) {
  RouterBoard board(20, 12);
  const PinPoint a0 = board.ThroughHole(2, 2);
  const PinPoint a1 = board.ThroughHole(8, 2);
  RunAlongRow(board, 2, 8, 2, 0);
  const PinPoint b0 = board.ThroughHole(2, 6);
  const PinPoint b1 = board.ThroughHole(8, 6);
  RunAlongRow(board, 2, 5, 6, 0);  // stops short of b1
  const PinPoint c0 = board.ThroughHole(2, 9);
  const PinPoint c1 = board.ThroughHole(8, 9);
  RunAlongRow(board, 2, 8, 9, 0);
  board.AddNet("A", {a0, a1});
  board.AddNet("B", {b0, b1});
  board.AddNet("C", {c0, c1});
  board.AddNet("D", {board.ThroughHole(12, 9), board.ThroughHole(14, 9)});
  RunAlongRow(board, 8, 12, 9, 0);  // C runs on into D's first pin

  const ConnectivityReport report = board.Check();
  ASSERT_EQ(report.nets.size(), 4U);
  EXPECT_TRUE(report.nets[0].joined);
  EXPECT_FALSE(report.nets[1].joined);
  EXPECT_EQ(report.nets[1].pieces, 2);
  EXPECT_TRUE(report.nets[2].joined);
  EXPECT_FALSE(report.nets[3].joined);
  ASSERT_EQ(report.shorts.size(), 1U);
  EXPECT_EQ(report.shorts[0].first, 2);
  EXPECT_EQ(report.shorts[0].second, 3);
  EXPECT_EQ(report.shorts[0].at, MakeGridPoint(12, 9, 0));
  EXPECT_EQ(report.UnjoinedCount(), 2);
  EXPECT_EQ(report.oneSidedLinks, 0);
}

TEST(ConnectivityCheck, ViasJoinTheSidesOnlyWithHolesOnBoth) {
  RouterBoard board(20, 12);
  const PinPoint a = board.ThroughHole(2, 4);
  const PinPoint b = board.Pad(10, 4, 1);
  RunAlongRow(board, 2, 6, 4, 0);
  RunAlongRow(board, 6, 10, 4, 1);
  board.AddNet("A", {a, b});
  EXPECT_FALSE(board.Check().nets[0].joined);
  board.Cell(6, 4, 0) |= CELL_HOLE;
  EXPECT_FALSE(board.Check().nets[0].joined);
  board.Cell(6, 4, 1) |= CELL_HOLE;
  EXPECT_TRUE(board.Check().nets[0].joined);
}

TEST(ConnectivityCheck, OneSidedLinksJoinNothingAndAreCounted) {
  RouterBoard board(20, 12);
  const PinPoint a = board.ThroughHole(2, 4);
  const PinPoint b = board.ThroughHole(3, 4);
  board.Cell(2, 4, 0) |= CELL_COL_PLUS;  // b does not link back
  board.AddNet("A", {a, b});
  const ConnectivityReport report = board.Check();
  EXPECT_FALSE(report.nets[0].joined);
  EXPECT_EQ(report.oneSidedLinks, 1);
}

TEST(ConnectivityCheck, PointsOffTheBoardAreNeverJoined) {
  RouterBoard board(20, 12);
  const std::vector<std::vector<GridPoint>> nets{
      {MakeGridPoint(4, 4, 0), MakeGridPoint(30, 4, 0)}, {MakeGridPoint(5, 5, 0)}};
  const ConnectivityReport report = CheckConnectivity(board.doc.Grid(), 20, 12, nets);
  EXPECT_FALSE(report.nets[0].joined);
  EXPECT_TRUE(report.nets[1].joined);
}

}  // namespace
}  // namespace cuprum
