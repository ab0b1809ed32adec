#include "board/editcommands.h"

#include <gtest/gtest.h>

#include "board/brddoc.h"
#include "parts/component.h"
#include "platform/recordingplatform.h"
#include "support/scratchdir.h"

namespace cuprum {
namespace {

using testing::ReadWholeFile;
using testing::ScratchDir;
using testing::WriteWholeFile;

class EditCommands : public ::testing::Test {
 protected:
  EditCommands()
      : dir_(std::string("edit_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name()) {
    board_.SetPathName(File("board.brd"));
  }
  std::filesystem::path File(const char* name) const { return dir_.Path() / name; }

  ScratchDir dir_;
  CBrdDoc board_;
  RecordingPlatform platform_;
};

TEST_F(EditCommands, MissingPartsFileIsCreatedAsAnEmptyLayout) {
  EXPECT_EQ(OnEditPartsFile(board_, platform_), EditStatus::Opened);
  ASSERT_TRUE(std::filesystem::is_regular_file(File("board.lay")));
  EXPECT_EQ(std::filesystem::file_size(File("board.lay")), 0U);
  EXPECT_FALSE(std::filesystem::exists(File("board.prt")));
  EXPECT_EQ(platform_.openedDocuments, (std::vector<std::filesystem::path>{File("board.lay")}));
}

TEST_F(EditCommands, PartsFileIsTheLayoutElseThePartsListUntouched) {
  WriteWholeFile(File("board.prt"), "D U1 14 3\r\n");
  EXPECT_EQ(OnEditPartsFile(board_, platform_), EditStatus::Opened);
  EXPECT_FALSE(std::filesystem::exists(File("board.lay")));
  EXPECT_EQ(ReadWholeFile(File("board.prt")), "D U1 14 3\r\n");

  WriteWholeFile(File("board.lay"), "D U1 10 5 14 3 L\r\n");
  EXPECT_EQ(OnEditPartsFile(board_, platform_), EditStatus::Opened);
  EXPECT_EQ(ReadWholeFile(File("board.lay")), "D U1 10 5 14 3 L\r\n");
  EXPECT_EQ(platform_.openedDocuments,
            (std::vector<std::filesystem::path>{File("board.prt"), File("board.lay")}));
}

TEST_F(EditCommands, RouteNetlistIsCreatedOnlyWhenMissing) {
  EXPECT_EQ(OnEditRouteNetlist(board_, platform_), EditStatus::Opened);
  EXPECT_EQ(ReadWholeFile(File("board.rou")), "");
  WriteWholeFile(File("board.rou"), "D U1 1\r\nN X\r\n");
  EXPECT_EQ(OnEditRouteNetlist(board_, platform_), EditStatus::Opened);
  EXPECT_EQ(ReadWholeFile(File("board.rou")), "D U1 1\r\nN X\r\n");
  EXPECT_EQ(platform_.openedDocuments.size(), 2U);
}

TEST_F(EditCommands, UnnamedBoardIsNamedFirstAndNothingOpensWithoutAName) {
  CBrdDoc unnamed;
  platform_.saveAsPath = std::nullopt;
  EXPECT_EQ(OnEditRouteNetlist(unnamed, platform_), EditStatus::NoName);
  EXPECT_EQ(OnEditPartsFile(unnamed, platform_), EditStatus::NoName);
  EXPECT_TRUE(platform_.openedDocuments.empty());

  platform_.saveAsPath = File("named.brd");
  EXPECT_EQ(OnEditRouteNetlist(unnamed, platform_), EditStatus::Opened);
  EXPECT_TRUE(std::filesystem::is_regular_file(File("named.brd")));
  EXPECT_TRUE(std::filesystem::is_regular_file(File("named.rou")));
}

TEST_F(EditCommands, FileThatCannotBeCreatedIsReported) {
  board_.SetPathName(dir_.Path() / "missing" / "board.brd");
  EXPECT_EQ(OnEditPartsFile(board_, platform_), EditStatus::FileError);
  EXPECT_EQ(platform_.messages.size(), 1U);
  EXPECT_TRUE(platform_.openedDocuments.empty());
}

TEST_F(EditCommands, EnablingNeverAsksForAName) {
  CBrdDoc unnamed;
  for (const int id : {ID_PROJECT_OPTIONS, ID_ROUTE_RECURSIVE, ID_USE_SPECIFIED_LAYOUT,
                       ID_GENERATE_LAYOUT, ID_EXPORT_DXF, ID_EXPORT_GERBER, ID_INSERT_COMPONENT,
                       ID_EDIT_PARTS_FILE, ID_EDIT_ROUTE_NETLIST})
    EXPECT_TRUE(IsBoardCommandEnabled(unnamed, id)) << id;
  EXPECT_EQ(platform_.saveAsRequests, 0);
  EXPECT_TRUE(unnamed.PathName().empty());
}

TEST_F(EditCommands, RouteAndModelExportsNeedComponents) {
  for (const int id : {ID_ROUTE, ID_EXPORT_3D_CODE, ID_EXPORT_SCAD})
    EXPECT_FALSE(IsBoardCommandEnabled(board_, id)) << id;
  board_.AddItem(std::make_unique<Component>());
  for (const int id : {ID_ROUTE, ID_EXPORT_3D_CODE, ID_EXPORT_SCAD})
    EXPECT_TRUE(IsBoardCommandEnabled(board_, id)) << id;
  EXPECT_FALSE(IsBoardCommandEnabled(board_, 32783));
}

}  // namespace
}  // namespace cuprum
