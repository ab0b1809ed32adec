#include "export/dxfexport.h"

#include <gtest/gtest.h>

#include "board/boardfile.h"
#include "board/brddoc.h"
#include "core/export/exporttestsupport.h"

namespace cuprum {
namespace {

using exporttest::Crlf;
using exporttest::LayTrace;
using exporttest::PutVia;
using exporttest::SizeBoard;

std::string Header(const std::string& width, const std::string& depth) {
  return "  0\nSECTION\n  2\nHEADER\n"
         "  9\n$EXTMIN\n 10\n0.0\n 20\n0.0\n 30\n0.0\n"
         "  9\n$EXTMAX\n 10\n" +
         width + "\n 20\n" + depth +
         "\n 30\n0.0\n"
         "  9\n$LIMMIN\n 10\n0.0\n 20\n0.0\n"
         "  9\n$LIMMAX\n 10\n" +
         width + "\n 20\n" + depth +
         "\n"
         "  9\n$ORTHOMODE\n 70\n     0\n"
         "  9\n$REGENMODE\n 70\n     1\n"
         "  9\n$FILLMODE\n 70\n     1\n"
         "  9\n$QTEXTMODE\n 70\n     0\n"
         "  9\n$MIRRTEXT\n 70\n     1\n"
         "  9\n$DRAGMODE\n 70\n     2\n"
         "  9\n$LTSCALE\n 40\n1.0\n"
         "  9\n$OSMODE\n 70\n     0\n"
         "  9\n$ATTMODE\n 70\n     1\n"
         "  9\n$TEXTSIZE\n 40\n0.2\n"
         "  9\n$TRACEWID\n 40\n0.05\n"
         "  9\n$TEXTSTYLE\n  7\nSTANDARD\n"
         "  9\n$CLAYER\n  8\n2\n"
         "  0\nENDSEC\n"
         "  0\nSECTION\n  2\nTABLES\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nBLOCKS\n  0\nENDSEC\n"
         "  0\nSECTION\n  2\nENTITIES\n";
}

const std::string END = "  0\nENDSEC\n  0\nEOF\n";

std::string Solid(const char* layer, const char* x1, const char* y1, const char* x2, const char* y2,
                  const char* x3, const char* y3, const char* x4, const char* y4) {
  return std::string("  0\nSOLID\n  8\n") + layer + "\n 10\n" + x1 + "\n 20\n" + y1 +
         "\n 30\n0.00\n 11\n" + x2 + "\n 21\n" + y2 + "\n 31\n0.00\n 12\n" + x3 + "\n 22\n" + y3 +
         "\n 32\n0.00\n 13\n" + x4 + "\n 23\n" + y4 + "\n 33\n0.00\n";
}

std::string Circle(const char* layer, const char* x, const char* y, const char* radius) {
  return std::string("  0\nCIRCLE\n  8\n") + layer + "\n 10\n" + x + "\n 20\n" + y +
         "\n 30\n0.00\n 40\n" + radius + "\n";
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(DxfText, EmptyDefaultBoardReachesSixPointFourByFourInches) {
  CBrdDoc board;
  SizeBoard(board, 64, 40, Resolution::Mil100);
  EXPECT_EQ(MakeDxf(board), Crlf(Header("6.4", "4.0") + END));
}

TEST(DxfText, FiftyMilBoardOfTheSameSizeHasTheSameExtents) {
  CBrdDoc board;
  SizeBoard(board, 64, 40, Resolution::Mil50);
  ASSERT_EQ(board.XSize(), 128);
  EXPECT_EQ(MakeDxf(board), Crlf(Header("6.4", "4.0") + END));
}

TEST(DxfText, LinesEndInCrLf) {
  CBrdDoc board;
  const std::string dxf = MakeDxf(board);
  EXPECT_EQ(dxf.substr(0, 14), "  0\r\nSECTION\r\n");
  EXPECT_EQ(Count(dxf, "\n"), Count(dxf, "\r\n"));
}

TEST(DxfText, BendGivesTwoHalfSolidsOverlappingAroundTheCentre) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  board.Grid()(5, 5, 1) = CELL_ROW_PLUS | CELL_COL_PLUS;
  // Up from 0.2 of a cell below the centre; across from 0.2 of a cell past
  // it: both cover the 0.04 inch square (1.48..1.52, 0.48..0.52).
  EXPECT_EQ(MakeDxf(board),
            Crlf(Header("2.0", "1.0") +
                 Solid("1", "1.48", "0.55", "1.52", "0.55", "1.48", "0.48", "1.52", "0.48") +
                 Solid("1", "1.45", "0.48", "1.45", "0.52", "1.52", "0.48", "1.52", "0.52") + END));
}

TEST(DxfText, OtherBendAndStraightVerticalPieces) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  board.Grid()(5, 5, 0) = CELL_ROW_MINUS | CELL_COL_MINUS;
  board.Grid()(5, 6, 0) = CELL_ROW_PLUS | CELL_ROW_MINUS;
  EXPECT_EQ(MakeDxf(board),
            Crlf(Header("2.0", "1.0") +
                 Solid("2", "1.48", "0.45", "1.52", "0.45", "1.48", "0.52", "1.52", "0.52") +
                 Solid("2", "1.55", "0.48", "1.55", "0.52", "1.48", "0.48", "1.48", "0.52") +
                 Solid("2", "1.48", "0.65", "1.52", "0.65", "1.48", "0.55", "1.52", "0.55") + END));
}

TEST(DxfText, ViaIsACircleOnEachCopperLayerAndADrillCircle) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  PutVia(board, 5, 3);
  EXPECT_EQ(MakeDxf(board),
            Crlf(Header("2.0", "1.0") + Circle("2", "1.50", "0.30", "0.03") +
                 Circle("1", "1.50", "0.30", "0.03") + Circle("0", "1.50", "0.30", "0.01") + END));
}

TEST(DxfText, HoleOnOneSideHasNoDrillCircle) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  board.Grid()(5, 3, 0) = CELL_HOLE;
  board.Grid()(7, 3, 1) = CELL_HOLE;
  EXPECT_EQ(MakeDxf(board), Crlf(Header("2.0", "1.0") + Circle("2", "1.50", "0.30", "0.03") +
                                 Circle("1", "1.30", "0.30", "0.03") + END));
}

TEST(DxfText, BorderColumnsGiveHolesAtBothEndsOfEveryInnerRow) {
  CBrdDoc board;
  SizeBoard(board, 3, 2, Resolution::Mil100);
  board.MarkBorder();
  EXPECT_EQ(MakeDxf(board),
            Crlf(Header("0.3", "0.2") + Circle("2", "0.30", "0.10", "0.03") +
                 Circle("2", "0.00", "0.10", "0.03") + Circle("1", "0.30", "0.10", "0.03") +
                 Circle("0", "0.30", "0.10", "0.01") + Circle("1", "0.00", "0.10", "0.03") +
                 Circle("0", "0.00", "0.10", "0.01") + END));
}

TEST(DxfText, StraightRunOfFiveCellsIsOneSolidFromEdgeToEdge) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  LayTrace(board, 1, 4, 2, 4, 5);
  LayTrace(board, 1, 4, 5, 10, 5);
  LayTrace(board, 1, 10, 5, 10, 8);
  const std::string dxf = MakeDxf(board);
  EXPECT_NE(
      dxf.find(Crlf(Solid("1", "1.05", "0.48", "1.05", "0.52", "1.55", "0.48", "1.55", "0.52"))),
      std::string::npos);
  // Six vertical cells, two bends of two halves each, and the run.
  EXPECT_EQ(Count(dxf, "SOLID"), 11U);
}

TEST(DxfText, OneCellRunBetweenTwoBendsLiesOnItsOwnRow) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  LayTrace(board, 0, 3, 2, 8, 2);
  LayTrace(board, 0, 5, 5, 5, 6);
  LayTrace(board, 0, 5, 6, 7, 6);
  LayTrace(board, 0, 7, 6, 7, 7);
  const std::string dxf = MakeDxf(board);
  EXPECT_NE(
      dxf.find(Crlf(Solid("2", "1.35", "0.58", "1.35", "0.62", "1.45", "0.58", "1.45", "0.62"))),
      std::string::npos);
  EXPECT_EQ(
      dxf.find(Crlf(Solid("2", "1.35", "0.18", "1.35", "0.22", "1.45", "0.18", "1.45", "0.22"))),
      std::string::npos);
}

TEST(DxfText, FiftyMilHalvesPositionsButKeepsWidthAndRadii) {
  CBrdDoc board;
  SizeBoard(board, 10, 5, Resolution::Mil50);  // 20 x 10 positions
  board.Grid()(5, 5, 1) = CELL_ROW_PLUS | CELL_COL_PLUS;
  PutVia(board, 6, 4);
  EXPECT_EQ(MakeDxf(board),
            Crlf(Header("1.0", "0.5") + Circle("2", "0.70", "0.20", "0.03") +
                 Circle("1", "0.70", "0.20", "0.03") + Circle("0", "0.70", "0.20", "0.01") +
                 Solid("1", "0.73", "0.28", "0.77", "0.28", "0.73", "0.24", "0.77", "0.24") +
                 Solid("1", "0.72", "0.23", "0.72", "0.27", "0.76", "0.23", "0.76", "0.27") + END));
}

class DxfExportFiles : public exporttest::ExportFolderTest {};

TEST_F(DxfExportFiles, WritesTheDrawingBesideTheBoardFromTheSavedFile) {
  CBrdDoc board;
  SizeBoard(board, 20, 10, Resolution::Mil100);
  board.MarkBorder();
  PutVia(board, 5, 3);
  exporttest::WriteFile(dir_ / "board.brd", WriteBoardFile(board));
  const ExportResult result = ExportDxf(dir_ / "board.brd");
  ASSERT_TRUE(result.Ok()) << result.error;
  EXPECT_EQ(result.written, std::vector<std::filesystem::path>{dir_ / "board.dxf"});
  EXPECT_EQ(exporttest::ReadFile(dir_ / "board.dxf"), MakeDxf(board));
}

TEST_F(DxfExportFiles, LegacyBoardSpansItsHundredAndTwentyEightColumns) {
  exporttest::WriteFile(dir_ / "legacy.brd", std::string(LEGACY_BOARD_FILE_SIZE, '\0'));
  ASSERT_TRUE(ExportDxf(dir_ / "legacy.brd").Ok());
  const std::string dxf = exporttest::ReadFile(dir_ / "legacy.dxf");
  EXPECT_NE(dxf.find("$EXTMAX\r\n 10\r\n12.8\r\n 20\r\n3.2\r\n"), std::string::npos);
}

TEST_F(DxfExportFiles, FailureLeavesThePreviousDrawingUntouched) {
  CBrdDoc board;
  exporttest::WriteFile(dir_ / "board.brd", WriteBoardFile(board));
  std::filesystem::create_directory(dir_ / "board.dxf");
  const ExportResult blocked = ExportDxf(dir_ / "board.brd");
  EXPECT_EQ(blocked.status, ExportStatus::Failed);
  EXPECT_TRUE(blocked.written.empty());
  EXPECT_EQ(Listing(dir_), (std::vector<std::string>{"board.brd", "board.dxf"}));

  EXPECT_EQ(ExportDxf(dir_ / "nothing.brd").status, ExportStatus::Failed);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "nothing.dxf"));
}

}  // namespace
}  // namespace cuprum
