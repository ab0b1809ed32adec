#include "board/optionscommand.h"

#include <gtest/gtest.h>

#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "board/newboard.h"
#include "parts/component.h"
#include "platform/recordingplatform.h"
#include "support/scratchdir.h"

namespace cuprum {
namespace {

using testing::ScratchDir;
using testing::WriteWholeFile;

class ProjectOptions : public ::testing::Test {
 protected:
  ProjectOptions()
      : dir_(std::string("options_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name()),
        log_(dir_.Path() / "BRDTEST.LOG") {
    board_.SetPathName(dir_.Path() / "board.brd");
    EXPECT_EQ(OnNewDocument(board_, platform_, NewBoardDialogValues(board_)),
              NewBoardStatus::Created);
  }

  BoardSettings Shown() const { return BoardOptionsDialogValues(board_); }
  void LayOut(const std::string& layout) {
    WriteWholeFile(dir_.Path() / "board.lay", layout);
    ASSERT_TRUE(OnUseSpecifiedLayout(context_).Ok()) << log_.ReadText();
    board_.SetModifiedFlag(false);
    platform_.Clear();
  }

  ScratchDir dir_;
  CBrdDoc board_;
  RecordingPlatform platform_;
  LogFile log_;
  FieldReader reader_{platform_};
  BoardCommandContext context_{board_, platform_, log_, reader_};
};

TEST_F(ProjectOptions, DialogShowsTheBoardInTenths) {
  BoardSettings settings = Shown();
  settings.xTenths = 30;
  settings.yTenths = 20;
  settings.resolution = Resolution::Mil50;
  ASSERT_TRUE(OnProjectOptions(context_, settings).accepted);
  EXPECT_EQ(board_.XSize(), 60);
  EXPECT_EQ(board_.YSize(), 40);
  EXPECT_EQ(Shown(), settings);
}

TEST_F(ProjectOptions, PinBaseAloneNeitherRelaysNorRedraws) {
  LayOut("D U1 10 5 14 3 L\r\n");
  const BoardGrid before = board_.Grid();
  BoardSettings settings = Shown();
  settings.pinBase = 0;
  const OptionsOutcome outcome = OnProjectOptions(context_, settings);
  EXPECT_TRUE(outcome.accepted);
  EXPECT_FALSE(outcome.boardChanged);
  EXPECT_FALSE(outcome.relaid);
  EXPECT_EQ(board_.PinIndexBase(), 0);
  EXPECT_EQ(board_.BoardFlags(), 0);
  EXPECT_EQ(board_.Items().size(), 1U);
  EXPECT_TRUE(board_.Grid() == before);
  EXPECT_EQ(platform_.repaints, 0);
  // The new base is stored in the board file, so the board needs saving.
  EXPECT_TRUE(board_.IsModified());
}

TEST_F(ProjectOptions, NewSizeOfABoardWithoutPartsClearsTheGrid) {
  board_.Grid()(5, 5, 0) = CELL_HOLE;
  board_.Grid()(5, 5, 1) = CELL_HOLE | CELL_COL_PLUS;
  BoardSettings settings = Shown();
  settings.xTenths = 50;
  settings.yTenths = 30;
  const OptionsOutcome outcome = OnProjectOptions(context_, settings);
  EXPECT_TRUE(outcome.boardChanged);
  EXPECT_FALSE(outcome.relaid);
  EXPECT_EQ(board_.XSize(), 50);
  for (int x = 0; x <= 50; ++x)
    for (int y = 0; y <= 30; ++y)
      for (int side = 0; side < 2; ++side) ASSERT_EQ(board_.Grid()(x, y, side), 0);
  EXPECT_EQ(platform_.repaints, 1);
  EXPECT_TRUE(board_.IsModified());
}

TEST_F(ProjectOptions, NewResolutionOfABoardWithPartsRelaysIt) {
  LayOut("D U1 10 5 14 3 L\r\n");
  BoardSettings settings = Shown();
  settings.resolution = Resolution::Mil50;
  settings.xTenths = 64;
  const OptionsOutcome outcome = OnProjectOptions(context_, settings);
  EXPECT_TRUE(outcome.boardChanged);
  ASSERT_TRUE(outcome.relaid);
  EXPECT_TRUE(outcome.layout.Ok());
  // The layout's positions are tenths: at 50 mil they land on twice the
  // grid positions, inside the doubled grid with its border.
  ASSERT_EQ(board_.Items().size(), 1U);
  EXPECT_EQ(board_.Grid()(20, 10, 0), CELL_HOLE);
  EXPECT_EQ(board_.Grid()(128, 0, 0), CELL_BORDER);
  EXPECT_TRUE(board_.IsModified());
  EXPECT_GE(platform_.repaints, 1);
}

TEST_F(ProjectOptions, RelayReportsAFailedParse) {
  LayOut("D U1 10 5 14 3 L\r\n");
  WriteWholeFile(dir_.Path() / "board.lay", "D U1 10\r\n");
  BoardSettings settings = Shown();
  settings.yTenths = 30;
  const OptionsOutcome outcome = OnProjectOptions(context_, settings);
  ASSERT_TRUE(outcome.relaid);
  EXPECT_EQ(outcome.layout.status, CommandStatus::PartsError);
  EXPECT_EQ(board_.YSize(), 30);
  ASSERT_FALSE(platform_.messages.empty());
  EXPECT_EQ(platform_.messages[0].text, "Error in Parts Description");
}

TEST_F(ProjectOptions, CancelAndUnchangedValuesLeaveTheBoardAlone) {
  board_.Grid()(5, 5, 0) = CELL_HOLE;
  board_.SetModifiedFlag(false);
  EXPECT_FALSE(OnProjectOptions(context_, std::nullopt).accepted);
  const OptionsOutcome same = OnProjectOptions(context_, Shown());
  EXPECT_TRUE(same.accepted);
  EXPECT_FALSE(same.boardChanged);
  BoardSettings refused = Shown();
  refused.yTenths = 81;
  EXPECT_FALSE(OnProjectOptions(context_, refused).accepted);
  EXPECT_EQ(board_.YTenths(), 40);
  EXPECT_EQ(board_.Grid()(5, 5, 0), CELL_HOLE);
  EXPECT_FALSE(board_.IsModified());
  EXPECT_EQ(platform_.repaints, 0);
}

TEST_F(ProjectOptions, BoardReadFromItsFileCanStandInItsPartsFile) {
  // No components are held, but the parts file beside the board is there.
  WriteWholeFile(dir_.Path() / "board.lay", "D U1 10 5 14 3 L\r\n");
  BoardSettings settings = Shown();
  settings.xTenths = 50;
  const OptionsOutcome relaid =
      OnProjectOptions(context_, settings, RelayRule::WhenPartsFileExists);
  ASSERT_TRUE(relaid.relaid);
  EXPECT_EQ(board_.Items().size(), 1U);
  EXPECT_EQ(board_.Grid()(10, 5, 0), CELL_HOLE);

  // Held components are what a board window goes by.
  board_.DeleteContents();
  settings.xTenths = 60;
  EXPECT_FALSE(OnProjectOptions(context_, settings).relaid);
  EXPECT_EQ(board_.Grid()(10, 5, 0), 0);
}

}  // namespace
}  // namespace cuprum
