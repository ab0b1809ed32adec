#include "export/modelexportcommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "board/documentio.h"
#include "core/model3d/modeltestboard.h"
#include "platform/recordingplatform.h"

namespace cuprum {
namespace {

using testing::ReadWholeFile;

std::vector<std::string> Listing(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ModelExportEnabling, BothExportsNeedAComponentOnTheBoard) {
  const testing::ScratchDir dir("model_export_enabling");
  CBrdDoc board;
  EXPECT_FALSE(IsExport3dCodeEnabled(board));
  EXPECT_FALSE(IsExportScadEnabled(board));
  modeltest::LayOut(board, dir.Path(), "P GND 30 30 B\r\n");
  EXPECT_TRUE(IsExport3dCodeEnabled(board));
  EXPECT_TRUE(IsExportScadEnabled(board));
}

TEST(ModelExportPaths, OutputNamesAppendToTheWholeBoardName) {
  EXPECT_EQ(DescriptionExportPath("/x/board.brd"), std::filesystem::path("/x/board.brd.cft"));
  EXPECT_EQ(ScadExportPath("/x/board.brd"), std::filesystem::path("/x/board.brd.scad"));
  EXPECT_EQ(ScadExportPath("b"), std::filesystem::path("b.scad"));
}

class ModelExportCommands : public ::testing::Test {
 protected:
  ModelExportCommands()
      : dir_(std::string("model_export_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  void LayOut() { modeltest::LayOut(board_, dir_.Path(), modeltest::EVERY_KIND_LAYOUT); }

  testing::ScratchDir dir_;
  CBrdDoc board_;
  RecordingPlatform platform_;
};

TEST_F(ModelExportCommands, DescriptionGoesBesideTheBoardWhichStaysUnsavedAndModified) {
  LayOut();
  board_.SetModifiedFlag();
  const ExportResult result = OnExport3dCode(board_, platform_);
  ASSERT_TRUE(result.Ok()) << result.error;
  const auto path = dir_.Path() / "board.brd.cft";
  EXPECT_EQ(result.written, (std::vector<std::filesystem::path>{path}));
  EXPECT_EQ(ReadWholeFile(path), MakeDescription(board_).value());
  // The board file is not written, and the routed copper (which the
  // description does not hold) still needs saving.
  EXPECT_EQ(Listing(dir_.Path()), (std::vector<std::string>{"board.brd.cft", "board.lay"}));
  EXPECT_EQ(board_.PathName(), dir_.Path() / "board.brd");
  EXPECT_TRUE(board_.IsModified());
  EXPECT_TRUE(platform_.messages.empty());
  EXPECT_EQ(platform_.waitCursor, (std::vector<bool>{true, false}));
}

TEST_F(ModelExportCommands, ScriptGoesBesideTheBoard) {
  LayOut();
  const ExportResult result = OnExportScad(board_, platform_);
  ASSERT_TRUE(result.Ok()) << result.error;
  EXPECT_EQ(ReadWholeFile(dir_.Path() / "board.brd.scad"), MakeScad(board_));
  EXPECT_EQ(Listing(dir_.Path()), (std::vector<std::string>{"board.brd.scad", "board.lay"}));
  EXPECT_TRUE(platform_.messages.empty());
  EXPECT_EQ(platform_.waitCursor, (std::vector<bool>{true, false}));
}

TEST_F(ModelExportCommands, WriteFailureIsShownWithTheCommandsTextAndLeavesNoPartialFile) {
  LayOut();
  // A folder stands where the files should go.
  std::filesystem::create_directory(dir_.Path() / "board.brd.cft");
  std::filesystem::create_directory(dir_.Path() / "board.brd.scad");

  const ExportResult code = OnExport3dCode(board_, platform_);
  EXPECT_EQ(code.status, ExportStatus::Failed);
  EXPECT_TRUE(code.written.empty());
  const ExportResult scad = OnExportScad(board_, platform_);
  EXPECT_EQ(scad.status, ExportStatus::Failed);

  ASSERT_EQ(platform_.messages.size(), 2U);
  EXPECT_EQ(platform_.messages[0].text, "board to S3D error");
  EXPECT_EQ(platform_.messages[0].caption, code.error);
  EXPECT_NE(code.error.find("board.brd.cft"), std::string::npos);
  EXPECT_EQ(platform_.messages[1].text, "board to SCAD error");
  EXPECT_EQ(platform_.messages[1].caption, scad.error);
  // Nothing half-written beside the targets, and the cursor is back.
  EXPECT_EQ(Listing(dir_.Path()),
            (std::vector<std::string>{"board.brd.cft", "board.brd.scad", "board.lay"}));
  EXPECT_TRUE(std::filesystem::is_empty(dir_.Path() / "board.brd.cft"));
  EXPECT_EQ(platform_.waitCursor, (std::vector<bool>{true, false, true, false}));
}

TEST_F(ModelExportCommands, DescriptionOfABoardWithoutComponentsIsRefused) {
  board_.SetPathName(dir_.Path() / "board.brd");
  const ExportResult result = OnExport3dCode(board_, platform_);
  EXPECT_EQ(result.status, ExportStatus::Failed);
  ASSERT_EQ(platform_.messages.size(), 1U);
  EXPECT_EQ(platform_.messages[0].text, "No components in list");
  EXPECT_TRUE(std::filesystem::is_empty(dir_.Path()));
  EXPECT_EQ(platform_.waitCursor, (std::vector<bool>{true, false}));
}

TEST_F(ModelExportCommands, BoardNeverSavedIsNamedThroughSaveAsFirst) {
  LayOut();
  board_.SetPathName({});
  platform_.saveAsPath = dir_.Path() / "fresh.brd";
  ASSERT_TRUE(OnExportScad(board_, platform_).Ok());
  EXPECT_EQ(platform_.saveAsRequests, 1);
  EXPECT_EQ(board_.PathName(), dir_.Path() / "fresh.brd");
  EXPECT_TRUE(std::filesystem::exists(dir_.Path() / "fresh.brd"));
  EXPECT_TRUE(std::filesystem::exists(dir_.Path() / "fresh.brd.scad"));
}

TEST_F(ModelExportCommands, CancelledSaveAsEndsTheCommandQuietly) {
  LayOut();
  board_.SetPathName({});
  const ExportResult result = OnExport3dCode(board_, platform_);
  EXPECT_EQ(result.status, ExportStatus::Cancelled);
  EXPECT_TRUE(platform_.messages.empty());
  EXPECT_EQ(Listing(dir_.Path()), (std::vector<std::string>{"board.lay"}));
  EXPECT_EQ(platform_.waitCursor, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace cuprum
