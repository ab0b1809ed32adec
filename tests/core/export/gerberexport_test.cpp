#include "export/gerberexport.h"

#include <gtest/gtest.h>

#include "board/boardfile.h"
#include "board/brddoc.h"
#include "board/documentio.h"
#include "core/export/exporttestsupport.h"

namespace cuprum {
namespace {

using exporttest::Crlf;
using exporttest::LayTrace;
using exporttest::PutVia;
using exporttest::SizeBoard;

const std::string COPPER_HEADER = "*%FSLAX23Y23*\nSFA1.0B1.0*%\n\nG90*\nG75*\nD11*\n";
const std::string COPPER_END = "\nM02*\n";
const std::string DRILL_HEADER = "*%\nM48\nINCH,LZ\n2,3 leading inch\n*%\n\nG90*\nT01*\n";
const std::string DRILL_END = "\nM30*\n";

std::string Copper(const std::string& body) { return Crlf(COPPER_HEADER + body + COPPER_END); }
std::string Drill(const std::string& body) { return Crlf(DRILL_HEADER + body + DRILL_END); }

TEST(GerberText, BoardWithoutCopperGivesHeadersAndEndCodesOnly) {
  CBrdDoc board;
  SizeBoard(board, 64, 40, Resolution::Mil100);
  board.MarkBorder();  // the border ring lies outside the exported columns and rows
  const GerberSet set = MakeGerberSet(board);
  EXPECT_EQ(set.drill,
            "*%\r\nM48\r\nINCH,LZ\r\n2,3 leading inch\r\n*%\r\n\r\nG90*\r\nT01*\r\n\r\nM30*\r\n");
  EXPECT_EQ(set.topCopper,
            "*%FSLAX23Y23*\r\nSFA1.0B1.0*%\r\n\r\nG90*\r\nG75*\r\nD11*\r\n\r\nM02*\r\n");
  EXPECT_EQ(set.bottomCopper, set.topCopper);
}

TEST(GerberText, ApertureListIsTheFullWheelWhateverTheBoard) {
  CBrdDoc board;
  PutVia(board, 3, 3);
  const std::string apertures = MakeGerberSet(board).apertures;
  EXPECT_EQ(apertures.size(), 23U * 28U);
  EXPECT_EQ(apertures.substr(0, 28), "D11 CIRCULAR     40  40  0\r\n");
  EXPECT_EQ(apertures.substr(28, 28), "D12 SQUARE       10  10  0\r\n");
  EXPECT_EQ(apertures.substr(16 * 28, 28), "D27 CIRCULAR    100 100  0\r\n");
  EXPECT_EQ(apertures.substr(22 * 28), "D33 CIRCULAR     40  40 10\r\n");
}

TEST(GerberText, ViaFlashesOnBothSidesAndIsDrilledOnce) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  PutVia(board, 5, 3);
  const GerberSet set = MakeGerberSet(board);
  EXPECT_EQ(set.topCopper, Copper("X1500Y300D03*\n"));
  EXPECT_EQ(set.bottomCopper, Copper("X1500Y300D03*\n"));
  EXPECT_EQ(set.drill, Drill("X1500Y300\n"));
}

TEST(GerberText, HoleOnTheBottomSideOnlyFlashesButIsNotDrilled) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  board.Grid()(5, 3, 0) = CELL_HOLE;
  const GerberSet set = MakeGerberSet(board);
  EXPECT_EQ(set.bottomCopper, Copper("X1500Y300D03*\n"));
  EXPECT_EQ(set.topCopper, Copper(""));
  EXPECT_EQ(set.drill, Drill(""));
}

// Down from row 2 to row 5 at column 4, across to column 10 through five
// straight cells, up to row 8.
void LayDogleg(CBrdDoc& board, int side) {
  LayTrace(board, side, 4, 2, 4, 5);
  LayTrace(board, side, 4, 5, 10, 5);
  LayTrace(board, side, 10, 5, 10, 8);
}

TEST(GerberText, StraightRunOfFiveCellsBetweenTwoBendsIsOneStroke) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  LayDogleg(board, 1);
  const GerberSet set = MakeGerberSet(board);
  EXPECT_EQ(set.topCopper, Copper(
                               // row 2: half a cell down into the trace
                               "X1600Y250D02*\nX1600Y200D01*\n"
                               // rows 3 and 4: whole cells
                               "X1600Y350D02*\nX1600Y250D01*\n"
                               "X1600Y450D02*\nX1600Y350D01*\n"
                               // row 5: the first bend's two halves
                               "X1600Y450D02*\nX1600Y500D01*\n"
                               "X1550Y500D02*\nX1600Y500D01*\n"
                               // columns 5 to 9 in one stroke, edge to edge
                               "X1050Y500D02*\nX1550Y500D01*\n"
                               // the second bend
                               "X1000Y550D02*\nX1000Y500D01*\n"
                               "X1050Y500D02*\nX1000Y500D01*\n"
                               "X1000Y650D02*\nX1000Y550D01*\n"
                               "X1000Y750D02*\nX1000Y650D01*\n"
                               "X1000Y750D02*\nX1000Y800D01*\n"));
  EXPECT_EQ(set.bottomCopper, Copper(""));
  EXPECT_EQ(set.drill, Drill(""));
}

TEST(GerberText, OneCellRunBetweenTwoBendsLiesOnItsOwnRow) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  LayTrace(board, 0, 3, 2, 8, 2);  // an earlier run, on row 2
  LayTrace(board, 0, 5, 5, 5, 6);
  LayTrace(board, 0, 5, 6, 7, 6);  // column 6 alone is straight
  LayTrace(board, 0, 7, 6, 7, 7);
  const std::string bottom = MakeGerberSet(board).bottomCopper;
  EXPECT_NE(bottom.find("X1250Y200D02*\r\nX1650Y200D01*\r\n"), std::string::npos);
  EXPECT_NE(bottom.find("X1350Y600D02*\r\nX1450Y600D01*\r\n"), std::string::npos);
  EXPECT_EQ(bottom.find("X1350Y200"), std::string::npos);
}

TEST(GerberText, ViaInsideAStraightTraceEndsOneRunAndStartsTheNext) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  LayTrace(board, 1, 2, 3, 8, 3);
  PutVia(board, 5, 3);
  const GerberSet set = MakeGerberSet(board);
  EXPECT_EQ(set.topCopper, Copper("X1750Y300D02*\nX1800Y300D01*\n"
                                  "X1550Y300D02*\nX1750Y300D01*\n"
                                  "X1500Y300D03*\n"
                                  "X1250Y300D02*\nX1550Y300D01*\n"
                                  "X1250Y300D02*\nX1200Y300D01*\n"));
  EXPECT_EQ(set.bottomCopper, Copper("X1500Y300D03*\n"));
  EXPECT_EQ(set.drill, Drill("X1500Y300\n"));
}

TEST(GerberText, RunReachingTheLastColumnIsStillDrawnOnItsOwnSide) {
  // The router never links into the border, but a hand-edited board can;
  // the run must not be lost or drawn into the other side's file.
  CBrdDoc board;
  SizeBoard(board, 10, 5, Resolution::Mil100);
  for (int c = 7; c <= 9; ++c) board.Grid()(c, 2, 0) = CELL_COL_PLUS | CELL_COL_MINUS;
  const GerberSet set = MakeGerberSet(board);
  EXPECT_EQ(set.bottomCopper, Copper("X50Y200D02*\nX350Y200D01*\n"));
  EXPECT_EQ(set.topCopper, Copper(""));
}

TEST(GerberText, FiftyMilCoordinatesAreHalfTheHundredMilOnes) {
  const auto draw = [](Resolution resolution, int xTenths, int yTenths) {
    CBrdDoc board;
    SizeBoard(board, xTenths, yTenths, resolution);
    LayTrace(board, 1, 3, 2, 3, 4);
    LayTrace(board, 1, 3, 4, 9, 4);
    PutVia(board, 3, 2);
    return MakeGerberSet(board);
  };
  const GerberSet at100 = draw(Resolution::Mil100, 20, 10);
  const GerberSet at50 = draw(Resolution::Mil50, 10, 5);  // the same 20 x 10 positions
  EXPECT_EQ(at100.topCopper, Copper("X1700Y250D02*\nX1700Y200D01*\n"
                                    "X1700Y200D03*\n"
                                    "X1700Y350D02*\nX1700Y250D01*\n"
                                    "X1700Y350D02*\nX1700Y400D01*\n"
                                    "X1650Y400D02*\nX1700Y400D01*\n"
                                    "X1150Y400D02*\nX1650Y400D01*\n"
                                    "X1150Y400D02*\nX1100Y400D01*\n"));
  EXPECT_EQ(at50.topCopper, Copper("X850Y125D02*\nX850Y100D01*\n"
                                   "X850Y100D03*\n"
                                   "X850Y175D02*\nX850Y125D01*\n"
                                   "X850Y175D02*\nX850Y200D01*\n"
                                   "X825Y200D02*\nX850Y200D01*\n"
                                   "X575Y200D02*\nX825Y200D01*\n"
                                   "X575Y200D02*\nX550Y200D01*\n"));
  EXPECT_EQ(at50.drill, Drill("X850Y100\n"));
  EXPECT_EQ(at100.drill, Drill("X1700Y200\n"));
}

class GerberExportFiles : public exporttest::ExportFolderTest {
 protected:
  std::filesystem::path SaveBoard(const CBrdDoc& board, const char* name = "board.brd") {
    std::filesystem::path path = dir_ / name;
    exporttest::WriteFile(path, WriteBoardFile(board));
    return path;
  }
};

TEST_F(GerberExportFiles, WritesTheFourFilesBesideTheBoardFromTheSavedFile) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  LayDogleg(board, 0);
  PutVia(board, 4, 2);
  const std::filesystem::path path = SaveBoard(board);

  const ExportResult result = ExportGerber(path);
  ASSERT_TRUE(result.Ok()) << result.error;
  const std::vector<std::filesystem::path> expected{dir_ / "board.cnc", dir_ / "board.gtl",
                                                    dir_ / "board.gbl", dir_ / "board.apt"};
  EXPECT_EQ(result.written, expected);
  const GerberSet set = MakeGerberSet(board);
  EXPECT_EQ(exporttest::ReadFile(dir_ / "board.cnc"), set.drill);
  EXPECT_EQ(exporttest::ReadFile(dir_ / "board.gtl"), set.topCopper);
  EXPECT_EQ(exporttest::ReadFile(dir_ / "board.gbl"), set.bottomCopper);
  EXPECT_EQ(exporttest::ReadFile(dir_ / "board.apt"), set.apertures);
}

TEST_F(GerberExportFiles, UpperCaseBoardExtensionIsReplacedToo) {
  CBrdDoc board;
  const std::filesystem::path path = SaveBoard(board, "OLD.BRD");
  ASSERT_TRUE(ExportGerber(path).Ok());
  EXPECT_TRUE(std::filesystem::exists(dir_ / "OLD.gtl"));
  EXPECT_TRUE(std::filesystem::exists(dir_ / "OLD.cnc"));
}

TEST_F(GerberExportFiles, LegacyBoardIsExportedWithItsHundredAndTwentyEightColumns) {
  std::string legacy(LEGACY_BOARD_FILE_SIZE, '\0');
  // Rows of 128 cells, side 0 then side 1 for each row.
  const auto at = [](std::size_t x, std::size_t y, std::size_t side) {
    return (y * 2 + side) * LEGACY_COLUMNS + x;
  };
  legacy[at(100, 5, 0)] = static_cast<char>(CELL_HOLE);
  legacy[at(100, 5, 1)] = static_cast<char>(CELL_HOLE);
  const std::filesystem::path path = dir_ / "legacy.brd";
  exporttest::WriteFile(path, legacy);

  ASSERT_TRUE(ExportGerber(path).Ok());
  EXPECT_EQ(exporttest::ReadFile(dir_ / "legacy.gtl"), Copper("X2800Y500D03*\n"));
  EXPECT_EQ(exporttest::ReadFile(dir_ / "legacy.cnc"), Drill("X2800Y500\n"));
}

TEST_F(GerberExportFiles, BoardThatCannotBeReadWritesNothing) {
  const ExportResult missing = ExportGerber(dir_ / "missing.brd");
  EXPECT_EQ(missing.status, ExportStatus::Failed);
  EXPECT_FALSE(missing.error.empty());
  exporttest::WriteFile(dir_ / "garbage.brd", "not a board file");
  EXPECT_EQ(ExportGerber(dir_ / "garbage.brd").status, ExportStatus::Failed);
  EXPECT_EQ(Listing(dir_), std::vector<std::string>{"garbage.brd"});
}

TEST_F(GerberExportFiles, FailingFileStopsTheExportAndLeavesNoPartialFileBehind) {
  CBrdDoc board;
  PutVia(board, 5, 5);
  const std::filesystem::path path = SaveBoard(board);
  std::filesystem::create_directory(dir_ / "board.gbl");  // in the way of the third file

  const ExportResult result = ExportGerber(path);
  EXPECT_EQ(result.status, ExportStatus::Failed);
  EXPECT_NE(result.error.find("board.gbl"), std::string::npos) << result.error;
  const std::vector<std::filesystem::path> complete{dir_ / "board.cnc", dir_ / "board.gtl"};
  EXPECT_EQ(result.written, complete);
  EXPECT_EQ(exporttest::ReadFile(dir_ / "board.gtl"), MakeGerberSet(board).topCopper);
  // No temporary file left over, no aperture list written after the failure.
  EXPECT_EQ(Listing(dir_),
            (std::vector<std::string>{"board.brd", "board.cnc", "board.gbl", "board.gtl"}));
}

}  // namespace
}  // namespace cuprum
