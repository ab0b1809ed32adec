// The plain router: single nets through Router's per-net routines, and
// whole boards through RouteBoard, each checked by the independent
// connectivity checker.
#include "route/router.h"

#include <gtest/gtest.h>

#include <chrono>

#include "routerfixture.h"
#include "route/connectivitycheck.h"

namespace cuprum {
namespace {

using testing::CountOf;
using testing::FailedNets;
using testing::RouterBoard;

// Every net the router reports complete is joined, and no copper joins two
// nets.
void ExpectSound(const RouterBoard& board, const std::set<int>& reported) {
  const ConnectivityReport report = board.Check();
  EXPECT_TRUE(report.shorts.empty());
  EXPECT_EQ(report.oneSidedLinks, 0);
  for (std::size_t i = 0; i < report.nets.size(); ++i) {
    if (reported.count(static_cast<int>(i)) == 0) {
      EXPECT_TRUE(report.nets[i].joined) << "net " << i;
    }
  }
  EXPECT_TRUE(board.OnlyRestBits());
}

TEST(RouterNet, PointNextToItsNetGetsOnlyTheTwoLinks) {
  RouterBoard board(20, 12);
  const PinPoint a = board.ThroughHole(5, 5);
  const PinPoint b = board.ThroughHole(6, 5);
  const PinPoint c = board.ThroughHole(6, 6);
  const BoardGrid before = board.doc.Grid();
  Router router(board.doc, board.log, board.platform);

  const std::vector<PinPoint> points{a, b, c};
  EXPECT_EQ(router.RouteNetPreferred(points), 0);

  // No wave went past its source, and no cell besides the pins changed.
  EXPECT_EQ(router.Statistics().waves, 2);
  EXPECT_EQ(router.Statistics().cellsExpanded, 2);
  EXPECT_EQ(board.Cell(5, 5), CELL_HOLE | CELL_COL_PLUS);
  EXPECT_EQ(board.Cell(6, 5), CELL_HOLE | CELL_COL_MINUS | CELL_ROW_PLUS);
  EXPECT_EQ(board.Cell(6, 6), CELL_HOLE | CELL_ROW_MINUS);
  BoardGrid expected = before;
  expected(5, 5, 0) = board.Cell(5, 5);
  expected(6, 5, 0) = board.Cell(6, 5);
  expected(6, 6, 0) = board.Cell(6, 6);
  EXPECT_TRUE(board.doc.Grid() == expected);
}

TEST(RouterNet, EqualVotesRunAlongColumnsOnBothSides) {
  RouterBoard board(30, 20);
  // Pads on the same row, once on each side: a column run joins each pair
  // on its own side without a via.
  const std::vector<PinPoint> bottom{board.Pad(4, 5, 0), board.Pad(12, 5, 0)};
  const std::vector<PinPoint> top{board.Pad(4, 12, 1), board.Pad(12, 12, 1)};
  Router router(board.doc, board.log, board.platform);
  ASSERT_EQ(router.RouteNetPreferred(bottom), 0);
  ASSERT_EQ(router.RouteNetPreferred(top), 0);
  for (int x = 5; x < 12; ++x) {
    EXPECT_EQ(board.Cell(x, 5, 0), CELL_COL_PLUS | CELL_COL_MINUS) << x;
    EXPECT_EQ(board.Cell(x, 5, 1), 0) << x;
    EXPECT_EQ(board.Cell(x, 12, 1), CELL_COL_PLUS | CELL_COL_MINUS) << x;
    EXPECT_EQ(board.Cell(x, 12, 0), 0) << x;
  }
}

TEST(RouterNet, SideThatPrefersRowsCrossesARowThroughVias) {
  RouterBoard board(30, 20);
  board.doc.Congestion().side0RowVotes = 3;  // side 0 rows, side 1 columns
  const std::vector<PinPoint> bottom{board.Pad(4, 5, 0), board.Pad(12, 5, 0)};
  Router router(board.doc, board.log, board.platform);
  ASSERT_EQ(router.RouteNetPreferred(bottom), 0);
  int holes = 0;
  for (int x = 1; x < 30; ++x)
    for (int y = 1; y < 20; ++y) holes += (board.Cell(x, y, 1) & CELL_HOLE) != 0 ? 1 : 0;
  EXPECT_EQ(holes, 2);  // one via down, one via up
  EXPECT_EQ(board.Cell(8, 5, 0), 0);
  EXPECT_TRUE(board.Check().AllJoined());
}

TEST(RouterNet, ThroughHolePinIsJoinedOnSideZeroOnly) {
  RouterBoard board(20, 12);
  const PinPoint a = board.ThroughHole(4, 4);
  const PinPoint b = board.ThroughHole(10, 8);
  Router router(board.doc, board.log, board.platform);
  ASSERT_EQ(router.RouteNetFree(std::vector<PinPoint>{a, b}), 0);
  EXPECT_EQ(board.Cell(4, 4, 1), CELL_HOLE);
  EXPECT_EQ(board.Cell(10, 8, 1), CELL_HOLE);

  // Walled in on side 0, the pin cannot leave through its own hole.
  RouterBoard walled(20, 12);
  const PinPoint c = walled.ThroughHole(4, 4);
  const PinPoint d = walled.ThroughHole(10, 8);
  walled.Wall(3, 4, 0);
  walled.Wall(5, 4, 0);
  walled.Wall(4, 3, 0);
  walled.Wall(4, 5, 0);
  Router blocked(walled.doc, walled.log, walled.platform);
  EXPECT_EQ(blocked.RouteNetFree(std::vector<PinPoint>{d, c}), 1);
  EXPECT_EQ(walled.Cell(4, 4, 1), CELL_HOLE);
  EXPECT_EQ(walled.Cell(4, 4, 0), CELL_HOLE);
  EXPECT_TRUE(walled.OnlyRestBits());
}

TEST(RouterNet, RipUpGivesBackTheBoardAsItWas) {
  RouterBoard board(40, 30);
  testing::FillRandomBoard(board, 7, 6, 5, 40);
  const BoardGrid before = board.doc.Grid();
  Router router(board.doc, board.log, board.platform);
  const NetList& nets = board.doc.GetNetList();
  for (std::size_t i = 0; i < nets.Nets().size(); ++i) {
    const NetNode& net = nets[i];
    const int unconnected = router.RouteNetFree(net.points);
    const ConnectivityReport report = board.Check();
    EXPECT_EQ(report.nets[i].joined, unconnected == 0) << net.name;
    EXPECT_TRUE(report.shorts.empty());
    EXPECT_TRUE(board.OnlyRestBits());
    ASSERT_EQ(router.RipUpNet(net.points), 0);
    EXPECT_TRUE(board.doc.Grid() == before) << net.name;
  }
}

TEST(RouterNet, FiftyMilNetThroughAHalfPositionStillCompletes) {
  RouterBoard board(16, 16, Resolution::Mil50);
  // Everything walled except the pads at (4,5), (6,5) and the half position
  // (5,5) between them.
  for (int x = 1; x < 16; ++x)
    for (int y = 1; y < 16; ++y) board.WallBoth(x, y);
  board.Cell(5, 5, 0) = 0;
  const PinPoint a = board.Pad(4, 5, 0);
  const PinPoint b = board.Pad(6, 5, 0);
  board.AddNet("HALF", {a, b});
  const int failed = RouteBoard(board.doc, board.log, board.platform);
  EXPECT_EQ(failed, 0) << board.log.Text();
  EXPECT_EQ(board.Cell(5, 5, 0), CELL_COL_PLUS | CELL_COL_MINUS);
  ExpectSound(board, {});
}

TEST(RouterNet, FiftyMilTracesKeepOffHalfPositionsWhenThereIsRoom) {
  RouterBoard board(40, 40, Resolution::Mil50);
  board.AddNet("A", {board.ThroughHole(4, 4), board.ThroughHole(20, 30)});
  ASSERT_EQ(RouteBoard(board.doc, board.log, board.platform), 0);
  for (int x = 1; x < 40; x += 2)
    for (int y = 1; y < 40; y += 2) {
      EXPECT_EQ(board.Cell(x, y, 0), 0);
      EXPECT_EQ(board.Cell(x, y, 1), 0);
    }
  ExpectSound(board, {});
}

TEST(RouterWave, FindsThePathBehindAWideWaveFront) {
  // A wave across an open board holds hundreds of waiting cells at once; a
  // short queue that drops the oldest of them loses the one cell that leads
  // through the only gap into the room around the target.
  RouterBoard board(120, 150);
  const PinPoint target = board.ThroughHole(110, 140);
  for (int x = 100; x <= 119; ++x) board.WallBoth(x, 130);
  for (int y = 130; y <= 149; ++y) board.WallBoth(100, y);
  board.Cell(100, 131, 0) = 0;  // the gap, on side 0 only
  const PinPoint source = board.ThroughHole(40, 60);
  board.AddNet("FAR", {target, source});
  EXPECT_EQ(RouteBoard(board.doc, board.log, board.platform), 0) << board.log.Text();
  EXPECT_NE(board.Cell(100, 131, 0), 0);
  ExpectSound(board, {});
}

TEST(RouterPrePass, PinWithOneWayOutGetsAStubThatRipUpKeeps) {
  RouterBoard board(20, 12);
  const PinPoint pin = board.ThroughHole(5, 5);
  board.WallBoth(4, 5);
  board.WallBoth(6, 5);
  board.WallBoth(5, 4);
  const PinPoint other = board.ThroughHole(14, 8);
  board.AddNet("STUB", {pin, other});
  Router router(board.doc, board.log, board.platform);
  ASSERT_EQ(router.ExtendSingleExits(), 1);

  const NetNode& net = board.doc.GetNetList()[0];
  EXPECT_EQ(net.points[0].point, MakeGridPoint(5, 6, 0));
  EXPECT_EQ(net.points[0].rest, CELL_ROW_MINUS);
  EXPECT_EQ(board.Cell(5, 5), CELL_HOLE | CELL_FIXED | CELL_ROW_PLUS);
  EXPECT_EQ(board.Cell(5, 6), CELL_ROW_MINUS);
  EXPECT_EQ(net.minRow, 6);

  ASSERT_EQ(router.RouteBoard(), 0);
  ExpectSound(board, {});
  ASSERT_EQ(router.RipUpNet(net.points), 0);
  EXPECT_EQ(board.Cell(5, 5), CELL_HOLE | CELL_FIXED | CELL_ROW_PLUS);
  EXPECT_EQ(board.Cell(5, 6), CELL_ROW_MINUS);
  EXPECT_EQ(board.Cell(14, 8), CELL_HOLE);
}

TEST(RouterPrePass, CorridorAndPreferredExitsPointIntoTheNetsBox) {
  RouterBoard board(20, 12);
  // A pin whose only two-deep way out runs toward its partner, and one whose
  // only such way runs away from it.
  const PinPoint toward = board.ThroughHole(5, 5);
  board.WallBoth(5, 6);
  board.WallBoth(5, 4);
  board.WallBoth(4, 5);
  board.WallBoth(3, 5);
  board.Wall(7, 5, 0);  // one step free, the second taken: no corridor
  const PinPoint partner = board.ThroughHole(9, 9);
  board.AddNet("IN", {toward, partner});
  Router router(board.doc, board.log, board.platform);
  EXPECT_EQ(router.ExtendCorridors(), 0);
  board.Cell(7, 5, 0) = 0;
  EXPECT_EQ(router.ExtendCorridors(), 1);
  EXPECT_EQ(board.doc.GetNetList()[0].points[0].point, MakeGridPoint(6, 5, 0));

  RouterBoard away(20, 12);
  const PinPoint out = away.ThroughHole(9, 5);
  away.WallBoth(9, 6);
  away.WallBoth(9, 4);
  away.WallBoth(8, 5);
  const PinPoint left = away.ThroughHole(3, 5);
  away.AddNet("OUT", {left, out});
  Router awayRouter(away.doc, away.log, away.platform);
  // Column + 1 leads out of the box that ends at column 9.
  EXPECT_EQ(awayRouter.ExtendCorridors(), 0);
  EXPECT_EQ(awayRouter.ExtendPreferredExits(), 0);
}

TEST(RouterBoard, NetThatCannotBeLaidIsReportedByTheFinalPass) {
  RouterBoard board(20, 12);
  board.AddNet("OK", {board.ThroughHole(3, 3), board.ThroughHole(12, 9)});
  const PinPoint shut = board.ThroughHole(15, 5);
  for (const auto& [x, y] : {std::pair{14, 5}, {16, 5}, {15, 4}, {15, 6}}) board.WallBoth(x, y);
  board.AddNet("SHUT", {board.ThroughHole(3, 8), shut});
  EXPECT_EQ(RouteBoard(board.doc, board.log, board.platform), 1);
  EXPECT_EQ(board.log.Text(), "error: node= 1 - SHUT\n");
  ExpectSound(board, {1});
  // Pass 1 and pass 3 repaint before every net, and once at the end.
  EXPECT_EQ(board.platform.repaints, 5);
  EXPECT_EQ(board.platform.progressCalls, 4);
}

// Records, at each progress call of the first pass, whether the net routed
// just before is joined.
class PassOnePlatform : public RecordingPlatform {
 public:
  ProgressAnswer Progress(const CBrdDoc& board, int done, int total) override {
    const int count = total / 2;
    if (done >= 1 && done <= count) {
      const ConnectivityReport report = CheckConnectivity(board);
      if (!report.nets[static_cast<std::size_t>(done - 1)].joined) passOneFailures.insert(done - 1);
    }
    return RecordingPlatform::Progress(board, done, total);
  }
  std::set<int> passOneFailures;
};

TEST(RouterBoard, NetsThatFitAfterTheSecondPassAreNotReported) {
  int boardsWithLateFits = 0;
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    RouterBoard board(24, 18);
    testing::FillRandomBoard(board, seed, 14, 4, 30);
    PassOnePlatform platform;
    const int failed = RouteBoard(board.doc, board.log, platform);
    const std::set<int> reported = FailedNets(board.log.Text());
    ASSERT_EQ(failed, static_cast<int>(reported.size()));
    ExpectSound(board, reported);
    for (const int net : platform.passOneFailures) {
      if (reported.count(net) == 0) ++boardsWithLateFits;
    }
  }
  EXPECT_GT(boardsWithLateFits, 0);
}

TEST(RouterBoard, CrowdedBoardsStaySound) {
  for (const Resolution resolution : {Resolution::Mil100, Resolution::Mil50}) {
    for (std::uint32_t seed = 100; seed < 110; ++seed) {
      RouterBoard board(48, 36, resolution);
      testing::FillRandomBoard(board, seed, 24, 6, 60);
      const int failed = RouteBoard(board.doc, board.log, board.platform);
      const std::set<int> reported = FailedNets(board.log.Text());
      EXPECT_EQ(failed, static_cast<int>(reported.size()));
      ExpectSound(board, reported);
    }
  }
}

TEST(RouterStop, StopAnsweredByThePlatformEndsCleanly) {
  RouterBoard board(40, 30);
  testing::FillRandomBoard(board, 3, 6, 3, 0);
  board.platform.stopAtProgressCall = 3;  // before the third net of pass 1
  Router router(board.doc, board.log, board.platform);
  const int failed = router.RouteBoard();
  EXPECT_TRUE(router.Stopped());
  EXPECT_EQ(failed, 4);
  EXPECT_EQ(FailedNets(board.log.Text()), (std::set<int>{2, 3, 4, 5}));
  ExpectSound(board, {2, 3, 4, 5});
  EXPECT_EQ(board.platform.progressCalls, 3);
}

TEST(RouterStop, StopInTheLastPassKeepsEveryNetLaid) {
  RouterBoard board(40, 30);
  testing::FillRandomBoard(board, 3, 6, 3, 0);
  board.platform.stopAtProgressCall = 9;  // pass 3, before net 2
  Router router(board.doc, board.log, board.platform);
  EXPECT_EQ(router.RouteBoard(), 0);
  EXPECT_TRUE(router.Stopped());
  EXPECT_TRUE(board.Check().AllJoined());
  ExpectSound(board, {});
}

TEST(RouterStop, PassedDeadlineStopsBeforeTheFirstNet) {
  RouterBoard board(40, 30);
  testing::FillRandomBoard(board, 3, 4, 3, 0);
  RouteOptions options;
  options.deadline = std::chrono::steady_clock::now();
  Router router(board.doc, board.log, board.platform, options);
  EXPECT_EQ(router.RouteBoard(), 4);
  EXPECT_TRUE(router.Stopped());
  EXPECT_EQ(CountOf(board.log.Text(), "error: node="), 4);
  EXPECT_TRUE(board.OnlyRestBits());
}

}  // namespace
}  // namespace cuprum
