// The recursive router: its search for an order of nets in which every net
// fits, its reports, and stopping it.
#include "route/recursiverouter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "route/connectivitycheck.h"
#include "routerfixture.h"

namespace cuprum {
namespace {

using testing::CountOf;
using testing::FailedNets;
using testing::RouterBoard;

RouteOptions Quiet() {
  RouteOptions options;
  options.diagnostics = nullptr;
  return options;
}

void ExpectSound(const RouterBoard& board, const std::set<int>& reported) {
  const ConnectivityReport report = board.Check();
  EXPECT_TRUE(report.shorts.empty());
  for (std::size_t i = 0; i < report.nets.size(); ++i) {
    if (reported.count(static_cast<int>(i)) == 0) {
      EXPECT_TRUE(report.nets[i].joined) << "net " << i;
    }
  }
  EXPECT_TRUE(board.OnlyRestBits());
}

TEST(RecursiveRouting, NetsThatFitInListOrderAreLaidAtOnce) {
  RouterBoard board(30, 20);
  board.AddNet("A", {board.ThroughHole(3, 3), board.ThroughHole(10, 3)});
  board.AddNet("B", {board.ThroughHole(3, 8), board.ThroughHole(12, 14)});
  board.AddNet("C", {board.ThroughHole(20, 4), board.ThroughHole(25, 15), board.ThroughHole(22, 9)});
  RecursiveRouter router(board.doc, board.log, board.platform, Quiet());
  EXPECT_EQ(router.RouteBoardRecursively(3), 0);
  EXPECT_EQ(board.log.Text(), "All Successful\n");
  EXPECT_EQ(router.Incomplete(), 0);
  EXPECT_FALSE(router.Stopped());
  ExpectSound(board, {});
}

TEST(RecursiveRouting, NetThatCannotBeLaidIsReportedWithoutSuccessLine) {
  RouterBoard board(30, 20);
  board.AddNet("A", {board.ThroughHole(3, 3), board.ThroughHole(10, 3)});
  const PinPoint shut = board.ThroughHole(15, 5);
  for (const auto& [x, y] : {std::pair{14, 5}, {16, 5}, {15, 4}, {15, 6}}) board.WallBoth(x, y);
  board.AddNet("SHUT", {board.ThroughHole(3, 12), shut});
  board.AddNet("C", {board.ThroughHole(20, 12), board.ThroughHole(25, 15)});

  std::unique_ptr<std::FILE, int (*)(std::FILE*)> diagnostics(std::tmpfile(), &std::fclose);
  RouteOptions options;
  options.diagnostics = diagnostics.get();
  RecursiveRouter router(board.doc, board.log, board.platform, options);
  EXPECT_EQ(router.RouteBoardRecursively(3), 0);
  EXPECT_EQ(board.log.Text(), "error: node= 1 - SHUT\n");
  EXPECT_EQ(router.Incomplete(), 1);
  ExpectSound(board, {1});
  // Nothing stays marked as laid once the search has given up.
  for (const NetNode& net : board.doc.GetNetList()) EXPECT_FALSE(net.routed);

  std::rewind(diagnostics.get());
  char line[64] = {};
  ASSERT_NE(std::fgets(line, sizeof line, diagnostics.get()), nullptr);
  EXPECT_STREQ(line, "node 1 failed with 2 left\n");
}

TEST(RecursiveRouting, SearchFindsAnOrderTheListOrderMisses) {
  // Crowded boards where laying the nets in list order leaves some out: the
  // search must never do worse than the plain router's report, and whatever
  // it reports complete must be joined.
  int solvedBySearch = 0;
  for (std::uint32_t seed = 1; seed <= 12; ++seed) {
    RouterBoard board(20, 14);
    testing::FillRandomBoard(board, seed, 7, 3, 20);
    RouteOptions options = Quiet();
    options.deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    RecursiveRouter router(board.doc, board.log, board.platform, options);
    ASSERT_EQ(router.RouteBoardRecursively(board.doc.GetNetList().Count()), 0);
    const std::set<int> reported = FailedNets(board.log.Text());
    EXPECT_EQ(router.Incomplete(), static_cast<int>(reported.size()));
    ExpectSound(board, reported);
    const int successLines = CountOf(board.log.Text(), "All Successful");
    EXPECT_LE(successLines, 1);
    if (successLines == 1 && !router.Stopped()) {
      EXPECT_TRUE(reported.empty()) << board.log.Text();
      ++solvedBySearch;
    }
  }
  EXPECT_GT(solvedBySearch, 0);
}

TEST(RecursiveRouting, StopAnsweredByThePlatformLaysAndReportsEveryNet) {
  RouterBoard board(30, 20);
  testing::FillRandomBoard(board, 5, 6, 3, 0);
  board.platform.stopAtProgressCall = 2;  // after the second net of the search
  RecursiveRouter router(board.doc, board.log, board.platform, Quiet());
  EXPECT_EQ(router.RouteBoardRecursively(6), 0);
  EXPECT_TRUE(router.Stopped());
  EXPECT_EQ(CountOf(board.log.Text(), "All Successful"), 0);
  const std::set<int> reported = FailedNets(board.log.Text());
  EXPECT_EQ(router.Incomplete(), static_cast<int>(reported.size()));
  ExpectSound(board, reported);
  for (const NetNode& net : board.doc.GetNetList()) EXPECT_FALSE(net.routed);
}

TEST(RecursiveRouting, PassedDeadlineStopsTheSearchBeforeItsFirstNet) {
  RouterBoard board(24, 16);
  testing::FillRandomBoard(board, 11, 8, 4, 10);
  RouteOptions options = Quiet();
  options.deadline = std::chrono::steady_clock::now();
  RecursiveRouter router(board.doc, board.log, board.platform, options);
  EXPECT_EQ(router.RouteBoardRecursively(8), 0);
  EXPECT_TRUE(router.Stopped());
  // The search laid nothing, so no progress was asked; the nets were laid
  // once afterwards and the incomplete ones reported.
  EXPECT_EQ(board.platform.progressCalls, 1);
  EXPECT_EQ(CountOf(board.log.Text(), "All Successful"), 0);
  const std::set<int> reported = FailedNets(board.log.Text());
  EXPECT_EQ(router.Incomplete(), static_cast<int>(reported.size()));
  ExpectSound(board, reported);
}

}  // namespace
}  // namespace cuprum
