#include "export/exportcommands.h"

#include <gtest/gtest.h>

#include "board/brddoc.h"
#include "board/documentio.h"
#include "core/export/exporttestsupport.h"
#include "export/dxfexport.h"
#include "export/gerberexport.h"
#include "platform/recordingplatform.h"

namespace cuprum {
namespace {

using exporttest::PutVia;

TEST(ExportCommandEnabling, ExportsAreOfferedOnABoardWithoutComponents) {
  const CBrdDoc board;
  ASSERT_TRUE(board.Items().empty());
  EXPECT_TRUE(IsExportGerberEnabled(board));
  EXPECT_TRUE(IsExportDxfEnabled(board));
  EXPECT_TRUE(IsExportFabricationEnabled(board));
}

class ExportCommands : public exporttest::ExportFolderTest {
 protected:
  void SaveTo(const char* name) {
    ASSERT_TRUE(SaveDocument(board_, dir_ / name).Ok());
    platform_.Clear();
  }

  CBrdDoc board_;
  RecordingPlatform platform_;
};

TEST_F(ExportCommands, SavedBoardIsExportedFromItsFileUnderTheWaitCursor) {
  PutVia(board_, 5, 5);
  SaveTo("board.brd");
  const ExportResult result = OnExportGerber(board_, platform_);
  ASSERT_TRUE(result.Ok()) << result.error;
  EXPECT_EQ(result.written.size(), 4U);
  EXPECT_EQ(exporttest::ReadFile(dir_ / "board.gtl"), MakeGerberSet(board_).topCopper);
  EXPECT_TRUE(platform_.messages.empty());
  EXPECT_EQ(platform_.waitCursor, (std::vector<bool>{true, false}));
  EXPECT_EQ(platform_.saveAsRequests, 0);
}

TEST_F(ExportCommands, ModifiedBoardIsSavedFirstSoTheDrawingShowsTheCurrentCopper) {
  SaveTo("board.brd");
  PutVia(board_, 7, 3);  // an edit after the last save
  board_.SetModifiedFlag();
  ASSERT_TRUE(OnExportDxf(board_, platform_).Ok());
  EXPECT_FALSE(board_.IsModified());
  EXPECT_EQ(exporttest::ReadFile(dir_ / "board.dxf"), MakeDxf(board_));
  EXPECT_NE(MakeDxf(board_).find("CIRCLE\r\n  8\r\n0\r\n 10\r\n5.70"), std::string::npos);
}

TEST_F(ExportCommands, BoardNeverSavedIsNamedThroughSaveAsFirst) {
  platform_.saveAsPath = dir_ / "fresh.brd";
  ASSERT_TRUE(OnExportGerber(board_, platform_).Ok());
  EXPECT_EQ(platform_.saveAsRequests, 1);
  EXPECT_EQ(board_.PathName(), dir_ / "fresh.brd");
  EXPECT_TRUE(std::filesystem::exists(dir_ / "fresh.brd"));
  EXPECT_TRUE(std::filesystem::exists(dir_ / "fresh.gbl"));
}

TEST_F(ExportCommands, CancelledSaveAsEndsTheCommandQuietly) {
  const ExportResult result = OnExportDxf(board_, platform_);
  EXPECT_EQ(result.status, ExportStatus::Cancelled);
  EXPECT_TRUE(platform_.messages.empty());
  EXPECT_EQ(platform_.waitCursor, (std::vector<bool>{true, false}));
  EXPECT_TRUE(Listing(dir_).empty());
}

TEST_F(ExportCommands, WriteFailureIsShownWithTheCommandsTextAndTheReasonAsCaption) {
  SaveTo("board.brd");
  std::filesystem::create_directory(dir_ / "board.gtl");
  std::filesystem::create_directory(dir_ / "board.dxf");
  std::filesystem::create_directory(dir_ / "board_fab");
  std::filesystem::create_directory(dir_ / "board_fab" / "board.gtl");

  EXPECT_EQ(OnExportGerber(board_, platform_).status, ExportStatus::Failed);
  EXPECT_EQ(OnExportDxf(board_, platform_).status, ExportStatus::Failed);
  EXPECT_EQ(OnExportFabrication(board_, platform_).status, ExportStatus::Failed);

  ASSERT_EQ(platform_.messages.size(), 3U);
  EXPECT_EQ(platform_.messages[0].text, "board to CNC error");
  EXPECT_NE(platform_.messages[0].caption.find("board.gtl"), std::string::npos);
  EXPECT_EQ(platform_.messages[1].text, "board to DXF error");
  EXPECT_NE(platform_.messages[1].caption.find("board.dxf"), std::string::npos);
  EXPECT_EQ(platform_.messages[2].text, "board to fabrication set error");
  EXPECT_FALSE(platform_.WaitCursorOn());
}

TEST_F(ExportCommands, BoardThatCannotBeSavedIsReportedAndNothingIsExported) {
  board_.SetPathName(dir_ / "missing folder" / "board.brd");
  board_.SetModifiedFlag();
  EXPECT_EQ(OnExportGerber(board_, platform_).status, ExportStatus::Failed);
  ASSERT_EQ(platform_.messages.size(), 1U);
  EXPECT_EQ(platform_.messages[0].text, "board to CNC error");
  EXPECT_NE(platform_.messages[0].caption.find("Failed to save document."), std::string::npos);
  EXPECT_TRUE(Listing(dir_).empty());
}

}  // namespace
}  // namespace cuprum
