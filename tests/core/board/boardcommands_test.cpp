#include "board/boardcommands.h"

#include <gtest/gtest.h>

#include <set>

#include "board/brddoc.h"
#include "board/documentio.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "parts/component.h"
#include "platform/recordingplatform.h"
#include "support/scratchdir.h"

namespace cuprum {
namespace {

using testing::ReadWholeFile;
using testing::ScratchDir;
using testing::WriteWholeFile;

class LayoutCommands : public ::testing::Test {
 protected:
  LayoutCommands()
      : dir_(std::string("commands_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name()),
        log_(dir_.Path() / "BRDTEST.LOG") {
    board_.SetPathName(dir_.Path() / "board.brd");
  }

  void Write(const std::string& name, const std::string& text) {
    WriteWholeFile(dir_.Path() / name, text);
  }
  GridPoint Pin(std::size_t item, std::size_t pin) const {
    return board_.Items().at(item)->GetComponent()->Pins().at(pin).point;
  }

  ScratchDir dir_;
  CBrdDoc board_;
  RecordingPlatform platform_;
  LogFile log_;
  FieldReader reader_{platform_};
  BoardCommandContext context_{board_, platform_, log_, reader_};
};

TEST_F(LayoutCommands, SpecifiedLayoutPlacesMarksAndRedrawsTheBoard) {
  Write("board.lay", "D U1 10 5 14 3 L\r\nP GND 30 30 T\r\n");
  const CommandOutcome outcome = OnUseSpecifiedLayout(context_);
  ASSERT_TRUE(outcome.Ok());
  ASSERT_EQ(board_.Items().size(), 2U);
  // Pins are in the grid, through-hole pins holed on the far side, and the
  // border ring is marked.
  EXPECT_EQ(board_.Grid()(10, 5, 0), CELL_HOLE);
  EXPECT_EQ(board_.Grid()(10, 5, 1), CELL_HOLE);
  EXPECT_EQ(board_.Grid()(30, 30, 1), CELL_HOLE);
  EXPECT_EQ(board_.Grid()(0, 0, 0), CELL_BORDER);
  EXPECT_TRUE(board_.IsModified());
  EXPECT_EQ(platform_.repaints, 1);
  EXPECT_EQ(platform_.waitCursor, (std::vector<bool>{true, false}));
  EXPECT_TRUE(platform_.messages.empty());
  EXPECT_TRUE(platform_.shownLogs.empty());
}

TEST_F(LayoutCommands, ParseFailureShowsTheMessageAndTheLog) {
  Write("board.lay", "P A 5 5 B\nD U1 10 5\n");
  const CommandOutcome outcome = OnUseSpecifiedLayout(context_);
  EXPECT_EQ(outcome.status, CommandStatus::PartsError);
  ASSERT_EQ(platform_.messages.size(), 1U);
  EXPECT_EQ(platform_.messages[0].text, "Error in Parts Description");
  EXPECT_EQ(platform_.messages[0].caption, "Layout Failed");
  ASSERT_EQ(platform_.shownLogs.size(), 1U);
  EXPECT_EQ(platform_.shownLogs[0], log_.Path());
  EXPECT_EQ(log_.ReadText(), (dir_.Path() / "board.lay").string() + "(3) : parsing error: D U1\n");
  // The parts placed before the failing record stay; the grid is untouched.
  EXPECT_EQ(board_.Items().size(), 1U);
  EXPECT_EQ(board_.Grid()(5, 5, 0), 0);
}

TEST_F(LayoutCommands, TheLogHoldsOnlyTheLastStepsMessages) {
  Write("board.lay", "D U1 10 5\n");
  OnUseSpecifiedLayout(context_);
  EXPECT_FALSE(log_.ReadText().empty());
  Write("board.lay", "D U1 10 5 14 3 L\n");
  ASSERT_TRUE(OnUseSpecifiedLayout(context_).Ok());
  EXPECT_EQ(log_.ReadText(), "");
}

TEST_F(LayoutCommands, SpecifiedLayoutWithOnlyAPartsListRunsTheGeneratedLayout) {
  Write("board.prt", "D U1 14 3\nD U2 14 3\nD U3 14 3\n");
  Write("board.rou", "D U1 7\nD U2 7\nN GND\nD U2 14\nD U3 14\nN VCC\n");
  const CommandOutcome outcome = OnUseSpecifiedLayout(context_);
  ASSERT_TRUE(outcome.Ok()) << log_.ReadText();
  ASSERT_EQ(board_.Items().size(), 3U);
  // Slots of 32 x 20 on the 64 x 40 board: every DIP left the origin, no two
  // share a slot.
  std::set<std::pair<int, int>> slots;
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NE(Pin(i, 0), MakeGridPoint(0, 0, 0));
    slots.insert({Pin(i, 0).x / 32, Pin(i, 0).y / 20});
  }
  EXPECT_EQ(slots.size(), 3U);
}

TEST_F(LayoutCommands, GeneratedLayoutWithoutANetlistLeavesPartsAtTheOrigin) {
  Write("board.prt", "C R1 4\n");
  ASSERT_TRUE(OnGenerateLayout(context_).Ok());
  ASSERT_EQ(board_.Items().size(), 1U);
  EXPECT_EQ(Pin(0, 0), MakeGridPoint(0, 0, 0));
}

TEST_F(LayoutCommands, BrokenNetlistDuringAGeneratedLayoutIsARouteFileError) {
  Write("board.prt", "C R1 4\n");
  Write("board.rou", "C R9 1\nC R9 2\nN X\n");
  const CommandOutcome outcome = OnGenerateLayout(context_);
  EXPECT_EQ(outcome.status, CommandStatus::RouteFileError);
  ASSERT_FALSE(platform_.messages.empty());
  EXPECT_EQ(platform_.messages.back().text, "Error in Route File");
  EXPECT_EQ(platform_.messages.back().caption, "Route Failed");
  EXPECT_NE(log_.ReadText().find("error: C R9 not found"), std::string::npos) << log_.ReadText();
  EXPECT_FALSE(platform_.WaitCursorOn());
}

TEST_F(LayoutCommands, TheOutcomeNamesTheLinesToMendInBothFiles) {
  // A generated layout reads the netlist after the parts list, through the
  // same reader; the parts list's words must survive that second read.
  Write("board.prt", "C R1 four\nC R2 4\n");
  Write("board.rou", "C R1 1\nC R2 one\nN X\n");
  const CommandOutcome outcome = OnGenerateLayout(context_);
  EXPECT_EQ(outcome.partsSource, dir_.Path() / "board.prt");
  ASSERT_EQ(outcome.partsNumberErrors.size(), 1U);
  EXPECT_EQ(outcome.partsNumberErrors[0].line, 1);
  EXPECT_EQ(outcome.partsNumberErrors[0].field, "four");
  ASSERT_EQ(outcome.netlistNumberErrors.size(), 1U);
  EXPECT_EQ(outcome.netlistNumberErrors[0].line, 2);

  Write("board.lay", "C R1 5 5 4 L\nP GND 70 5 B\n");
  const CommandOutcome specified = OnUseSpecifiedLayout(context_);
  EXPECT_EQ(specified.partsSource, dir_.Path() / "board.lay");
  EXPECT_TRUE(specified.partsNumberErrors.empty());
  ASSERT_EQ(specified.rejectedParts.size(), 1U);
  EXPECT_EQ(specified.rejectedParts[0].name, "GND");
  EXPECT_EQ(specified.rejectedParts[0].line, 2);
  EXPECT_EQ(specified.rejectedComponents, 1);
}

TEST_F(LayoutCommands, UnwritableLogIsReportedWithItsPath) {
  LogFile badLog(dir_.Path() / "missing-folder" / "BRD1.LOG");
  BoardCommandContext context{board_, platform_, badLog, reader_};
  Write("board.lay", "P A 5 5 B\n");
  EXPECT_EQ(OnUseSpecifiedLayout(context).status, CommandStatus::LogUnavailable);
  ASSERT_EQ(platform_.messages.size(), 1U);
  EXPECT_EQ(platform_.messages[0].text, badLog.Path().string());
  EXPECT_EQ(platform_.messages[0].caption, "Could Not Open");
}

TEST_F(LayoutCommands, AModifiedBoardIsSavedFirst) {
  board_.SetModifiedFlag();
  Write("board.lay", "P A 5 5 B\n");
  ASSERT_TRUE(OnUseSpecifiedLayout(context_).Ok());
  EXPECT_EQ(ReadWholeFile(dir_.Path() / "board.brd").size(), 5340U);
  EXPECT_EQ(platform_.textSaveRequests, 1);
}

TEST_F(LayoutCommands, ABoardWithoutANameIsNamedThroughSaveAsOrTheCommandEnds) {
  CBrdDoc unnamed;
  BoardCommandContext context{unnamed, platform_, log_, reader_};
  EXPECT_EQ(OnUseSpecifiedLayout(context).status, CommandStatus::Cancelled);
  platform_.saveAsPath = dir_.Path() / "named.brd";
  Write("named.lay", "P A 5 5 B\n");
  ASSERT_TRUE(OnUseSpecifiedLayout(context).Ok());
  EXPECT_TRUE(std::filesystem::exists(dir_.Path() / "named.brd"));
  EXPECT_EQ(unnamed.Items().size(), 1U);
}

TEST_F(LayoutCommands, PartsSourceRule) {
  const auto lay = dir_.Path() / "board.lay";
  const auto prt = dir_.Path() / "board.prt";
  EXPECT_EQ(PartsSourcePath(lay, prt), lay);
  Write("board.prt", "");
  EXPECT_EQ(PartsSourcePath(lay, prt), prt);
  Write("board.lay", "");
  EXPECT_EQ(PartsSourcePath(lay, prt), lay);
  std::filesystem::remove(lay);
  std::filesystem::create_directory(lay);  // a folder is not a parts file
  EXPECT_EQ(PartsSourcePath(lay, prt), prt);
}

}  // namespace
}  // namespace cuprum

namespace cuprum {
namespace {

class RouteCommands : public LayoutCommands {};

TEST_F(RouteCommands, RoutesTheNetsAndRedrawsTheBoard) {
  Write("board.lay", "C R1 5 5 4 L\nC R2 5 10 4 L\n");
  Write("board.rou", "C R1 2\nC R2 2\nN X\n");
  ASSERT_TRUE(OnUseSpecifiedLayout(context_).Ok());
  platform_.Clear();
  board_.SetModifiedFlag(false);
  const CommandOutcome outcome = OnRoute(context_);
  ASSERT_TRUE(outcome.Ok()) << log_.ReadText();
  EXPECT_TRUE(board_.IsModified());
  EXPECT_GE(platform_.repaints, 1);
  EXPECT_EQ(platform_.waitCursor.front(), true);
  EXPECT_FALSE(platform_.WaitCursorOn());
  EXPECT_TRUE(platform_.shownLogs.empty());
  EXPECT_TRUE(CanRoute(board_));
  EXPECT_FALSE(CanRoute(CBrdDoc{}));
}

TEST_F(RouteCommands, WordsForPinNumbersComeBackWithTheOutcome) {
  Write("board.lay", "C R1 5 5 4 L\nC R2 5 10 4 L\n");
  Write("board.rou", "C R1 2\nC R2 2\nN X\nC R1 1 ; fine\nC R2 x1\nN Y\n");
  ASSERT_TRUE(OnUseSpecifiedLayout(context_).Ok());
  const CommandOutcome outcome = OnRoute(context_);
  ASSERT_EQ(outcome.netlistNumberErrors.size(), 1U);
  EXPECT_EQ(outcome.netlistNumberErrors[0].line, 5);
  EXPECT_EQ(outcome.netlistNumberErrors[0].field, "x1");
}

TEST_F(RouteCommands, IncompleteNetsShowTheLogAndLeaveTheBoardUnmarked) {
  std::string lay = "P A 5 5 B\nP B 15 15 B\n";
  for (const char* side : {"B", "T"})
    for (const char* at : {"4 5", "6 5", "5 4", "5 6"}) lay += std::string("R W ") + at + " " + side + "\n";
  Write("board.lay", lay);
  Write("board.rou", "P A 1\nP B 1\nN SIGNAL\n");
  ASSERT_TRUE(OnUseSpecifiedLayout(context_).Ok());
  board_.SetModifiedFlag(false);
  platform_.Clear();
  const CommandOutcome outcome = OnRouteRecursive(context_);
  EXPECT_EQ(outcome.status, CommandStatus::Incomplete);
  EXPECT_EQ(outcome.failedNets, 1);
  EXPECT_FALSE(board_.IsModified());
  ASSERT_EQ(platform_.shownLogs.size(), 1U);
  // Only the router's messages are in the log.
  EXPECT_EQ(log_.ReadText().rfind("error: node= 0 - SIGNAL\n", 0), 0U) << log_.ReadText();
}

TEST_F(RouteCommands, WithoutANetlistFileTheNetsHeldAreRoutedAndNoNetsOnlyRedraw) {
  Write("board.lay", "C R1 5 5 4 L\nC R2 5 10 4 L\n");
  ASSERT_TRUE(OnUseSpecifiedLayout(context_).Ok());
  board_.SetModifiedFlag(false);
  ASSERT_TRUE(OnRoute(context_).Ok());  // no nets at all: redraw only
  EXPECT_TRUE(board_.IsModified());
  EXPECT_EQ(board_.Grid()(6, 5, 0) & CELL_LINKS, 0);
}

}  // namespace
}  // namespace cuprum
