#include "export/fabrication.h"

#include <gtest/gtest.h>

#include <regex>

#include "board/boardfile.h"
#include "board/brddoc.h"
#include "core/export/exporttestsupport.h"
#include "export/gerberexport.h"

namespace cuprum {
namespace {

using exporttest::LayTrace;
using exporttest::PutVia;
using exporttest::SizeBoard;

// A via at column 5 of row 3 with a top trace from it to column 8.
void LayViaAndTrace(CBrdDoc& board, Resolution resolution) {
  if (resolution == Resolution::Mil100)
    SizeBoard(board, 20, 10, resolution);
  else
    SizeBoard(board, 10, 5, resolution);
  board.MarkBorder();
  PutVia(board, 5, 3);
  LayTrace(board, 1, 5, 3, 8, 3);
}

std::string Preamble(const char* what, const char* function, const char* polarity) {
  return std::string("G04 Cuprum fabrication set: ") + what +
         "*\nG04 #@! TF.GenerationSoftware,Halvorik,Cuprum*\nG04 #@! TF.FileFunction," + function +
         "*\nG04 #@! TF.FilePolarity," + polarity + "*\n%FSLAX26Y26*%\n%MOIN*%\n";
}

TEST(FabricationText, CopperCarriesItsOwnAperturesInInches) {
  CBrdDoc board;
  LayViaAndTrace(board, Resolution::Mil100);
  const FabricationSet set = MakeFabricationSet(board);
  EXPECT_EQ(set.topCopper, Preamble("top copper", "Copper,L1,Top", "Positive") +
                               "%ADD10C,0.040000*%\n%ADD11C,0.070000*%\n%LPD*%\nG01*\n"
                               "D10*\n"
                               "X1450000Y300000D02*\nX1500000Y300000D01*\n"
                               "X1250000Y300000D02*\nX1450000Y300000D01*\n"
                               "X1250000Y300000D02*\nX1200000Y300000D01*\n"
                               "D11*\n"
                               "X1500000Y300000D03*\n"
                               "M02*\n");
  EXPECT_EQ(set.bottomCopper, Preamble("bottom copper", "Copper,L2,Bot", "Positive") +
                                  "%ADD10C,0.040000*%\n%ADD11C,0.070000*%\n%LPD*%\nG01*\n"
                                  "D11*\nX1500000Y300000D03*\nM02*\n");
}

TEST(FabricationText, MaskOpensEveryPadOfItsSide) {
  CBrdDoc board;
  LayViaAndTrace(board, Resolution::Mil100);
  board.Grid()(9, 6, 0) |= CELL_HOLE;  // a pad on the bottom only
  const FabricationSet set = MakeFabricationSet(board);
  EXPECT_EQ(set.topMask, Preamble("top solder mask", "Soldermask,Top", "Negative") +
                             "%ADD11C,0.078000*%\n%LPD*%\nG01*\nD11*\nX1500000Y300000D03*\nM02*\n");
  EXPECT_EQ(set.bottomMask, Preamble("bottom solder mask", "Soldermask,Bot", "Negative") +
                                "%ADD11C,0.078000*%\n%LPD*%\nG01*\nD11*\n"
                                "X1500000Y300000D03*\nX1100000Y600000D03*\nM02*\n");
}

TEST(FabricationText, OutlineRunsAlongTheBoardEdge) {
  CBrdDoc board;
  LayViaAndTrace(board, Resolution::Mil100);
  EXPECT_EQ(MakeFabricationSet(board).outline,
            Preamble("board outline", "Profile,NP", "Positive") +
                "%ADD10C,0.010000*%\n%LPD*%\nG01*\nD10*\n"
                "X0Y0D02*\nX2000000Y0D01*\nX2000000Y1000000D01*\nX0Y1000000D01*\nX0Y0D01*\n"
                "M02*\n");
  CBrdDoc fine;
  LayViaAndTrace(fine, Resolution::Mil50);
  EXPECT_NE(MakeFabricationSet(fine).outline.find("X1000000Y0D01*\nX1000000Y500000D01*\n"),
            std::string::npos);
}

TEST(FabricationText, DrillFileHasAToolTableAndDecimalInchHits) {
  CBrdDoc board;
  LayViaAndTrace(board, Resolution::Mil100);
  board.Grid()(9, 6, 0) |= CELL_HOLE;  // not through: no hit
  PutVia(board, 12, 7);
  EXPECT_EQ(MakeFabricationSet(board).drill,
            "M48\n; Cuprum fabrication set: plated through holes\nFMAT,2\nINCH\nT01C0.040\n%\n"
            "G90\nG05\nT01\nX1.500Y0.300\nX0.800Y0.700\nM30\n");
}

TEST(FabricationText, FiftyMilGridTakesFinerTracesPadsAndHoles) {
  CBrdDoc board;
  LayViaAndTrace(board, Resolution::Mil50);
  const FabricationSet set = MakeFabricationSet(board);
  EXPECT_NE(set.topCopper.find("%ADD10C,0.020000*%\n%ADD11C,0.040000*%\n"), std::string::npos);
  EXPECT_NE(set.topMask.find("%ADD11C,0.044000*%\n"), std::string::npos);
  EXPECT_NE(set.drill.find("T01C0.028\n"), std::string::npos);
  EXPECT_NE(set.drill.find("\nX0.750Y0.150\n"), std::string::npos);
  EXPECT_NE(set.topCopper.find("X725000Y150000D02*\nX750000Y150000D01*\n"), std::string::npos);
}

// The records with the given codes, coordinates in millionths of an inch;
// thousandths (the long-established export) are scaled up.
std::vector<std::string> Records(const std::string& gerber, const std::string& codes,
                                 bool inThousandths) {
  std::vector<std::string> records;
  const std::regex record("X([0-9]+)Y([0-9]+)(D0[" + codes + "])\\*");
  for (auto it = std::sregex_iterator(gerber.begin(), gerber.end(), record);
       it != std::sregex_iterator(); ++it) {
    const auto scale = [inThousandths](const std::string& value) {
      return inThousandths && value != "0" ? value + "000" : value;
    };
    records.push_back("X" + scale((*it)[1]) + "Y" + scale((*it)[2]) + (*it)[3].str());
  }
  return records;
}

TEST(FabricationText, CopperFollowsTheGerberExportStrokeForStroke) {
  for (const Resolution resolution : {Resolution::Mil100, Resolution::Mil50}) {
    CBrdDoc board;
    LayViaAndTrace(board, resolution);
    LayTrace(board, 0, 5, 3, 5, 7);
    LayTrace(board, 0, 5, 7, 15, 7);
    LayTrace(board, 0, 15, 7, 15, 2);
    LayTrace(board, 1, 8, 3, 8, 6);
    PutVia(board, 15, 2);
    const GerberSet described = MakeGerberSet(board);
    const FabricationSet fab = MakeFabricationSet(board);
    for (const auto& [gerber, copper] : {std::pair{described.topCopper, fab.topCopper},
                                         std::pair{described.bottomCopper, fab.bottomCopper}}) {
      EXPECT_EQ(Records(gerber, "12", true), Records(copper, "12", false));
      EXPECT_EQ(Records(gerber, "3", true), Records(copper, "3", false));
    }
  }
}

class FabricationFiles : public exporttest::ExportFolderTest {};

TEST_F(FabricationFiles, SetGoesIntoAFolderNamedAfterTheBoard) {
  CBrdDoc board;
  LayViaAndTrace(board, Resolution::Mil100);
  exporttest::WriteFile(dir_ / "relay.brd", WriteBoardFile(board));
  const std::filesystem::path folder = dir_ / "relay_fab";
  EXPECT_EQ(FabricationFolder(dir_ / "relay.brd"), folder);

  for (int pass = 0; pass < 2; ++pass) {  // a second export replaces the first
    const ExportResult result = ExportFabrication(dir_ / "relay.brd");
    ASSERT_TRUE(result.Ok()) << result.error;
    EXPECT_EQ(result.written.size(), 6U);
  }
  EXPECT_EQ(Listing(folder), (std::vector<std::string>{"relay.drl", "relay.gbl", "relay.gbs",
                                                       "relay.gko", "relay.gtl", "relay.gts"}));
  const FabricationSet set = MakeFabricationSet(board);
  EXPECT_EQ(exporttest::ReadFile(folder / "relay.gtl"), set.topCopper);
  EXPECT_EQ(exporttest::ReadFile(folder / "relay.gbl"), set.bottomCopper);
  EXPECT_EQ(exporttest::ReadFile(folder / "relay.drl"), set.drill);
  EXPECT_EQ(exporttest::ReadFile(folder / "relay.gko"), set.outline);
}

TEST_F(FabricationFiles, FileInPlaceOfTheFolderFailsTheExport) {
  CBrdDoc board;
  exporttest::WriteFile(dir_ / "relay.brd", WriteBoardFile(board));
  exporttest::WriteFile(dir_ / "relay_fab", "in the way");
  const ExportResult result = ExportFabrication(dir_ / "relay.brd");
  EXPECT_EQ(result.status, ExportStatus::Failed);
  EXPECT_NE(result.error.find("relay_fab"), std::string::npos) << result.error;
  EXPECT_EQ(exporttest::ReadFile(dir_ / "relay_fab"), "in the way");
}

}  // namespace
}  // namespace cuprum
