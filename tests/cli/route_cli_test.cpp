// route and check, run as a user runs them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/boardclitest.h"

namespace cuprum {
namespace {

using testing::CliResult;
using testing::RunCli;

using RouteCli = testing::BoardCliTest;

TEST_F(RouteCli, RoutesTheBlinkerCompletelyAndTheCheckerAgrees) {
  CopyBlinker();
  const CliResult route = RunCli("route b.brd", dir_.Path());
  ASSERT_EQ(route.status, 0) << route.err;
  EXPECT_NE(route.out.find("routed 7 of 7 nets"), std::string::npos) << route.out;
  const CliResult check = RunCli("check b.brd", dir_.Path());
  EXPECT_EQ(check.status, 0) << check.out << check.err;
  EXPECT_NE(check.out.find("7 nets: 0 open, 0 shorts"), std::string::npos) << check.out;

  const CliResult recursive = RunCli("route b.brd --recursive --time-limit 20", dir_.Path());
  EXPECT_EQ(recursive.status, 0) << recursive.err;
  EXPECT_NE(recursive.err.find("All Successful"), std::string::npos) << recursive.err;
}

TEST_F(RouteCli, AnUnroutableNetIsReportedWithExitOne) {
  WriteUnroutableNet();
  const CliResult route = RunCli("route b.brd", dir_.Path());
  EXPECT_EQ(route.status, 1);
  EXPECT_NE(route.err.find("error: node= 0 - SIGNAL"), std::string::npos) << route.err;
  EXPECT_NE(route.out.find("routed 0 of 1 nets"), std::string::npos) << route.out;
  const CliResult check = RunCli("check b.brd", dir_.Path());
  EXPECT_EQ(check.status, 1);
  EXPECT_NE(check.out.find("open: SIGNAL"), std::string::npos) << check.out;
}

TEST_F(RouteCli, PinsSharingACellAreWarnedAboutAndTheirShortFailsTheRoute) {
  // R1 pin 2 and R2 pin 1 stand in the same cell.
  Write("b.lay", "C R1 5 5 4 L\nC R2 9 5 4 L\nC R3 5 10 4 L\n");
  Write("b.rou", "C R1 2\nC R3 1\nN A\nC R2 1\nC R3 2\nN B\n");
  const CliResult route = RunCli("route b.brd", dir_.Path());
  EXPECT_EQ(route.status, 1);
  EXPECT_NE(route.err.find("warning: R1 pin 2 and R2 pin 1 share column 9, row 5"),
            std::string::npos)
      << route.err;
  EXPECT_NE(route.err.find("short: nets B and A touch at column 9, row 5"), std::string::npos)
      << route.err;
  EXPECT_NE(route.err.find("hint: move one of each two parts"), std::string::npos) << route.err;
}

TEST_F(RouteCli, ANetlistWithoutAnyNetSaysSo) {
  Write("b.lay", "C R1 5 5 4 L\n");
  Write("b.rou", "C R1 1\nN LONELY\n");
  const CliResult route = RunCli("route b.brd", dir_.Path());
  EXPECT_EQ(route.status, 2);
  EXPECT_NE(route.err.find("holds no net of two or more pins"), std::string::npos) << route.err;
}

TEST_F(RouteCli, CheckingABoardThatWasOnlyLaidOutFindsEveryNetOpen) {
  Write("b.lay", "C R1 5 5 4 L\nC R2 5 10 4 L\n");
  Write("b.rou", "C R1 2\nC R2 2\nN X\nC R1 1\nC R2 1\nN Y\n");
  ASSERT_EQ(RunCli("layout b.brd", dir_.Path()).status, 0);
  const CliResult check = RunCli("check b.brd --json", dir_.Path());
  EXPECT_EQ(check.status, 1);
  EXPECT_NE(check.out.find("\"open\":[\"X\",\"Y\"]"), std::string::npos) << check.out;
}

TEST_F(RouteCli, BadArgumentsAndBrokenNetlistsAreBadInput) {
  Write("b.lay", "C R1 5 5 4 L\n");
  EXPECT_EQ(RunCli("route b.brd --time-limit soon", dir_.Path()).status, 2);
  Write("b.rou", "C R1 1\nC R1 7\nN X\n");
  const CliResult route = RunCli("route b.brd", dir_.Path());
  EXPECT_EQ(route.status, 2);
  EXPECT_NE(route.err.find("b.rou(2) : error: C R1 pin 6 out of range"), std::string::npos)
      << route.err;
  EXPECT_NE(route.err.find("Route Failed: Error in Route File"), std::string::npos);
}

TEST_F(RouteCli, ANetlistNamingAPartLeftOffTheBoardSaysSo) {
  Write("b.lay", "C R1 5 5 4 L\nC R2 28 10 4 L\n");
  Write("b.rou", "C R1 1\nC R2 1\nN A\n");
  const testing::CliResult route = testing::RunCli("route b.brd", dir_.Path());
  EXPECT_EQ(route.status, 2);
  EXPECT_NE(route.err.find("R2 was left off the board"), std::string::npos) << route.err;
  // Not the advice for a name the parts file lacks.
  EXPECT_EQ(route.err.find("add C R2"), std::string::npos) << route.err;
}

TEST_F(RouteCli, AProgressLineShowsOnATerminalOnly) {
  CopyBlinker();
  const testing::CliResult piped = testing::RunCli("route b.brd", dir_.Path());
  ASSERT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.err.find("routing:"), std::string::npos) << piped.err;

  // script(1) gives the tool a terminal for its stderr.
  if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1)";
  const std::string command = "script -qec " +
                              testing::ShellQuote(testing::ShellQuote(CUPRUM_CLI_PATH) +
                                                  " route b.brd") +
                              " /dev/null";
  const testing::CliResult onTerminal =
      testing::RunShell("cd " + testing::ShellQuote(dir_.Path().string()) + " && " + command);
  EXPECT_EQ(onTerminal.status, 0) << onTerminal.out;
  // The plain router visits every net in its first and last pass.
  EXPECT_NE(onTerminal.out.find("routing:  50% (7 of 14 net routings)"), std::string::npos)
      << onTerminal.out;
  EXPECT_NE(onTerminal.out.find("routing: done in"), std::string::npos) << onTerminal.out;
}

}  // namespace
}  // namespace cuprum
