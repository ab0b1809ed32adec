#include "board/boardfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "board/brddoc.h"
#include "board/documentio.h"

namespace cuprum {
namespace {

std::string Header(std::uint16_t sig, std::uint16_t x, std::uint16_t y, std::uint16_t layers,
                   std::uint16_t flags) {
  std::string h;
  for (const std::uint16_t v : {sig, x, y, layers, flags}) {
    h.push_back(static_cast<char>(v & 0xFF));
    h.push_back(static_cast<char>(v >> 8));
  }
  return h;
}

class BoardFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("cuprum_boardfile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST(BoardFile, DefaultBoardIsHeaderAndOneByteACell) {
  CBrdDoc board;
  const std::string bytes = WriteBoardFile(board);
  ASSERT_EQ(bytes.size(), 5340U);
  EXPECT_EQ(bytes.substr(0, 10), Header(0x4243, 64, 40, 2, 0));
  EXPECT_EQ(bytes.substr(0, 2), "CB");
}

TEST(BoardFile, RoundTripAt50MilKeepsSizesAndEveryLowByteIncludingRowsAbove127) {
  CBrdDoc board;
  board.SetSizeInTenths(64, 80, Resolution::Mil50, 0);
  ASSERT_EQ(board.YSize(), 160);
  board.Grid()(1, 1, 0) = CELL_ROW_PLUS | CELL_FIXED;
  board.Grid()(100, 130, 1) = CELL_COL_MINUS | CELL_HOLE;
  board.Grid()(128, 160, 1) = CELL_BORDER;
  board.Grid()(7, 150, 0) = 0x0410;  // router marks are not stored
  const std::string bytes = WriteBoardFile(board);
  EXPECT_EQ(bytes.size(), 10U + 129U * 161U * 2U);

  CBrdDoc reopened;
  ASSERT_EQ(ReadBoardFile(reopened, bytes, bytes.size()), BoardFileStatus::Ok);
  EXPECT_EQ(reopened.XSize(), 128);
  EXPECT_EQ(reopened.YSize(), 160);
  EXPECT_EQ(reopened.GetResolution(), Resolution::Mil50);
  EXPECT_EQ(reopened.PinIndexBase(), 0);
  EXPECT_EQ(reopened.Grid()(100, 130, 1), CELL_COL_MINUS | CELL_HOLE);
  EXPECT_EQ(reopened.Grid()(128, 160, 1), CELL_BORDER);
  EXPECT_EQ(reopened.Grid()(7, 150, 0), 0x0010);
  EXPECT_NEAR(reopened.Board3d().GetSize().x, 64 * 0.00254, 1e-12);
}

TEST(BoardFile, RoundTripOfA40By30BoardAt50MilIs9892Bytes) {
  CBrdDoc board;
  board.SetSizeInTenths(40, 30, Resolution::Mil50, 1);
  for (int x = 0; x <= 80; ++x)
    for (int y = 0; y <= 60; ++y) board.Grid()(x, y, (x + y) & 1) = static_cast<GridCell>((x * 7 + y) & 0x3F);
  const std::string bytes = WriteBoardFile(board);
  ASSERT_EQ(bytes.size(), 9892U);
  CBrdDoc reopened;
  ASSERT_EQ(ReadBoardFile(reopened, bytes, bytes.size()), BoardFileStatus::Ok);
  EXPECT_EQ(reopened.XSize(), 80);
  EXPECT_EQ(reopened.YSize(), 60);
  EXPECT_EQ(reopened.Grid(), board.Grid());
}

TEST(BoardFile, RefusesWhatIsNotABoardAndChangesNothing) {
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"bad signature", Header(0x4244, 64, 40, 2, 0)},
      {"flags 4 (resolution 2)", Header(0x4243, 64, 40, 2, 4)},
      {"wider than the grid", Header(0x4243, 129, 40, 2, 0)},
      {"wider than the grid at 50 mil", Header(0x4243, 65, 40, 2, 2)},
      {"deeper than the grid", Header(0x4243, 64, 161, 2, 0)},
      {"deeper than the grid at 50 mil", Header(0x4243, 64, 81, 2, 2)},
      {"no layers", Header(0x4243, 64, 40, 0, 0)},
      {"three layers", Header(0x4243, 64, 40, 3, 0)},
      {"truncated header", Header(0x4243, 64, 40, 2, 0).substr(0, 7)},
      {"empty file", ""},
  };
  for (const auto& c : cases) {
    CBrdDoc board;
    board.Grid()(5, 5, 0) = CELL_HOLE;
    EXPECT_EQ(ReadBoardFile(board, c.bytes, c.bytes.size()), BoardFileStatus::BadFormat) << c.what;
    EXPECT_EQ(board.XSize(), 64) << c.what;
    EXPECT_EQ(board.Grid()(5, 5, 0), CELL_HOLE) << c.what;
  }
}

TEST(BoardFile, LargestBoardAt100MilIsAccepted) {
  const std::string bytes = Header(0x4243, 128, 160, 1, 1);
  CBrdDoc board;
  ASSERT_EQ(ReadBoardFile(board, bytes, bytes.size()), BoardFileStatus::Ok);
  EXPECT_EQ(board.XSize(), 128);
  EXPECT_EQ(board.YSize(), 160);
  EXPECT_EQ(board.Layers(), 1);
}

TEST(BoardFile, ShortFileLeavesTheRemainingCellsAsTheyWere) {
  std::string bytes = Header(0x4243, 64, 40, 2, 0);
  bytes += std::string("\x11\x12\x13", 3);
  CBrdDoc board;
  board.Grid()(0, 2, 0) = 0x0030;
  ASSERT_EQ(ReadBoardFile(board, bytes, bytes.size()), BoardFileStatus::Ok);
  EXPECT_EQ(board.Grid()(0, 0, 0), 0x11);
  EXPECT_EQ(board.Grid()(0, 0, 1), 0x12);
  EXPECT_EQ(board.Grid()(0, 1, 0), 0x13);
  EXPECT_EQ(board.Grid()(0, 2, 0), 0x0030);
}

TEST(BoardFile, LegacyFormIsReadWhateverItsFirstBytesAndTakesAll128Columns) {
  std::string bytes(LEGACY_BOARD_FILE_SIZE, '\0');
  bytes[0] = 'C';
  bytes[1] = 'B';  // looks like a signature, but the length decides
  // y = 5, side = 1, x = 100
  bytes[static_cast<std::size_t>((5 * 2 + 1) * 128 + 100)] = 0x14;
  // y = 32, side = 0, x = 127: the very last row of the old form
  bytes[static_cast<std::size_t>((32 * 2 + 0) * 128 + 127)] = 0x20;
  CBrdDoc board;
  ASSERT_EQ(ReadBoardFile(board, bytes, bytes.size()), BoardFileStatus::Ok);
  EXPECT_EQ(board.XSize(), 128);
  EXPECT_EQ(board.YSize(), 32);
  EXPECT_EQ(board.GetResolution(), Resolution::Mil100);
  EXPECT_EQ(board.Grid()(100, 5, 1), 0x14);
  EXPECT_EQ(board.Grid()(127, 32, 0), 0x20);
  EXPECT_EQ(board.Grid()(0, 0, 0), 'C');
  EXPECT_NEAR(board.Board3d().GetSize().y, 32 * 0.00254, 1e-12);
}

TEST_F(BoardFileOnDisk, SaveAndReopenThroughTheDocumentByFileName) {
  CBrdDoc board;
  board.SetSizeInTenths(20, 10, Resolution::Mil100, 1);
  board.Grid()(3, 4, 1) = CELL_COL_PLUS;
  const auto path = dir_ / "Board.BRD";  // upper case still names a board file
  ASSERT_TRUE(SaveDocument(board, path).Ok());
  EXPECT_EQ(std::filesystem::file_size(path), 10U + 21U * 11U * 2U);
  EXPECT_FALSE(board.IsModified());

  CBrdDoc reopened;
  ASSERT_TRUE(LoadDocument(reopened, path).Ok());
  EXPECT_EQ(reopened.XSize(), 20);
  EXPECT_EQ(reopened.Grid()(3, 4, 1), CELL_COL_PLUS);
  EXPECT_EQ(reopened.PathName(), path);
}

TEST_F(BoardFileOnDisk, FailedSaveKeepsThePreviousFile) {
  CBrdDoc board;
  const auto path = dir_ / "keep.brd";
  ASSERT_TRUE(SaveDocument(board, path).Ok());
  const auto before = std::filesystem::file_size(path);
  // A directory where the temporary file would go cannot be written to.
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  board.SetSizeInTenths(10, 10, Resolution::Mil100, 1);
  const DocumentIoResult result = SaveDocument(board, path);
  std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
  if (::geteuid() == 0 && result.Ok()) GTEST_SKIP() << "root writes into read-only folders";
  EXPECT_EQ(result.status, DocumentIoStatus::WriteFailed);
  EXPECT_EQ(std::filesystem::file_size(path), before);
  // No temporary file is left behind.
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_)) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(BoardFileOnDisk, SavingOverAFolderFailsAndLeavesNoTemporaryFile) {
  CBrdDoc board;
  const auto path = dir_ / "taken.brd";
  std::filesystem::create_directory(path);
  const DocumentIoResult result = SaveDocument(board, path);
  EXPECT_EQ(result.status, DocumentIoStatus::WriteFailed);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_)) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(BoardFileOnDisk, OpeningAMissingOrForeignFileReportsIt) {
  CBrdDoc board;
  EXPECT_EQ(LoadDocument(board, dir_ / "none.brd").status, DocumentIoStatus::OpenFailed);
  std::ofstream(dir_ / "text.brd") << "this is not a board file at all";
  const DocumentIoResult result = LoadDocument(board, dir_ / "text.brd");
  EXPECT_EQ(result.status, DocumentIoStatus::BadFormat);
  EXPECT_EQ(result.message, "Unexpected file format.");
  EXPECT_FALSE(IsBoardFileName("board.cpp"));
  EXPECT_TRUE(IsBoardFileName("BOARD.Brd"));
}

}  // namespace
}  // namespace cuprum
