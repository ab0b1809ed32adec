#include "model3d/descriptionwriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "board/documentio.h"
#include "model3d/descriptionreader.h"
#include "core/model3d/modeltestboard.h"
#include "model3d/primitives.h"
#include "parts/componentfactory.h"
#include "parts/dip.h"
#include "parts/placecomponent.h"

namespace cuprum {
namespace {

using testing::ReadWholeFile;
using testing::ScratchDir;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end = text.find("\r\n"); end != std::string::npos;
       end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

// The declaration lines (those that open a statement), in order.
std::vector<std::string> Declarations(const std::string& text) {
  std::vector<std::string> found;
  for (const std::string& line : Lines(text))
    if (!line.empty() && line.back() == '(') found.push_back(line);
  return found;
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// ---- One body's statement ---------------------------------------------------

TEST(DescriptionWriterBodies, CentredCubeIsWrittenAsTheFourDocumentedLines) {
  Cube cube;
  cube.SetLetter('Y');
  cube.SetCentred(true);
  cube.SetSize(RealVector{0.0254, 0.0127, 0.00508});
  cube.SetPosition(RealVector{0.0254, 0.0, 0.0});
  EXPECT_EQ(DescribeBody(cube),
            "Cube pCube_Y(\r\n"
            "            10.0*tenth_inch,              5.0*tenth_inch,              2.0*tenth_inch, \r\n"
            "true, RealVector{     0.000000e+00,     0.000000e+00,     0.000000e+00 }, \r\n"
            "RealVector{             10.0*tenth_inch,              0.0*tenth_inch,              0.0*tenth_inch });\r\n");
}

TEST(DescriptionWriterBodies, CylinderSphereAndPlainBodyWriteTheirOwnArgumentsInMetres) {
  Cylinder cylinder;
  cylinder.SetLetter('X');
  cylinder.SetHeight(0.01016);
  cylinder.SetRadius(0.00127);
  EXPECT_EQ(DescribeBody(cylinder),
            "Cylinder pCylinder_X(\r\n"
            "    1.016000e-02,     1.270000e-03, \r\n"
            "false, RealVector{     0.000000e+00,     0.000000e+00,     0.000000e+00 }, \r\n"
            "RealVector{              0.0*tenth_inch,              0.0*tenth_inch,              0.0*tenth_inch });\r\n");

  Sphere sphere;
  sphere.SetLetter('W');
  sphere.SetRadius(0.5);
  sphere.SetPosition(RealVector{-0.00254, 0.00762, 1.0});
  EXPECT_EQ(DescribeBody(sphere),
            "Sphere pSphere_W(\r\n"
            "    5.000000e-01, \r\n"
            "false, RealVector{     0.000000e+00,     0.000000e+00,     0.000000e+00 }, \r\n"
            "RealVector{             -1.0*tenth_inch,              3.0*tenth_inch,            393.7*tenth_inch });\r\n");

  MechanicalComponent plain;  // free-standing: centred
  plain.SetLetter('V');
  EXPECT_EQ(DescribeBody(plain),
            "MechanicalComponent pobjectV(\r\n"
            "true, RealVector{     0.000000e+00,     0.000000e+00,     0.000000e+00 }, \r\n"
            "RealVector{              0.0*tenth_inch,              0.0*tenth_inch,              0.0*tenth_inch });\r\n");
}

TEST(DescriptionWriterBodies, QuarterTurnIsWrittenInRadians) {
  Cube cube;
  cube.SetOrientation(0.0, 0.0, std::numbers::pi / 2);
  EXPECT_NE(DescribeBody(cube).find(
                "RealVector{     0.000000e+00,     0.000000e+00,     1.570796e+00 }"),
            std::string::npos);
  cube.SetOrientation(0.0, 0.0, -std::numbers::pi);
  EXPECT_NE(DescribeBody(cube).find("    -3.141593e+00 }"), std::string::npos);
}

TEST(DescriptionWriterBodies, VelocityIsNotWritten) {
  Sphere sphere;
  const std::string still = DescribeBody(sphere);
  sphere.SetVelocity(1.0, 2.0, 3.0);
  EXPECT_EQ(DescribeBody(sphere), still);
}

// ---- Package statements -------------------------------------------------------

class DescriptionWriterBoard : public ::testing::Test {
 protected:
  DescriptionWriterBoard()
      : dir_(std::string("description_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  ScratchDir dir_;
  CBrdDoc board_;
};

TEST_F(DescriptionWriterBoard, EveryKindOfPartWritesItsClassHeaderInListOrder) {
  modeltest::LayOut(board_, dir_.Path(), modeltest::EVERY_KIND_LAYOUT);
  ASSERT_EQ(board_.Items().size(), 8U);
  const std::optional<std::string> text = MakeDescription(board_);
  ASSERT_TRUE(text);
  const std::string boardLetter(1, board_.Board3d().Letter());
  EXPECT_EQ(Declarations(*text), (std::vector<std::string>{
                                     "CircuitBoard pCircuitBoard_" + boardLetter + "(",
                                     "DIP pDIP_Z(",
                                     "ElectronicComponent pComponent_Y(",
                                     "ElectronicComponent pComponent_X(",
                                     "SIP pSIP_W(",
                                     "ZIP pZIP_V(",
                                     "Edge pEdge_U(",
                                     "Cube pCube_T(",
                                     "Cube pCube_S(",
                                 }));
  EXPECT_EQ(Count(*text, ");\r\n"), 9U);
  // Every body placed by a layout has the mechanical part's default: not centred.
  EXPECT_EQ(Count(*text, "\r\nfalse, RealVector{"), 9U);
  EXPECT_EQ(Count(*text, "true, "), 0U);
}

TEST_F(DescriptionWriterBoard, PackagesWriteTheirBodySizeAndPadsOnlyTheirPlacement) {
  modeltest::LayOut(board_, dir_.Path(),
                    "D U1 10 5 14 3 L\r\n"
                    "C R1 4 20 4 U\r\n"
                    "P GND 30 30 B\r\n");
  const std::string text = MakeDescription(board_).value();
  const std::vector<std::string> lines = Lines(text);
  const auto dip = std::find(lines.begin(), lines.end(), "DIP pDIP_Z(");
  ASSERT_NE(dip, lines.end());
  // Seven pins a row, three tenths across, one tenth high; turned L (pi).
  EXPECT_EQ(*(dip + 1),
            "             7.0*tenth_inch,              3.0*tenth_inch,              1.0*tenth_inch, ");
  EXPECT_EQ(*(dip + 2),
            "false, RealVector{     0.000000e+00,     0.000000e+00,     3.141593e+00 }, ");
  // The body stands at the anchor the layout gives, column 10, row 5.
  EXPECT_EQ(*(dip + 3),
            "RealVector{            -10.0*tenth_inch,              5.0*tenth_inch,              0.0*tenth_inch });");

  const auto resistor = std::find(lines.begin(), lines.end(), "ElectronicComponent pComponent_Y(");
  ASSERT_NE(resistor, lines.end());
  // Four tenths long, half a tenth thick; pointing back from its first pin.
  EXPECT_EQ(*(resistor + 1), "    1.016000e-02,     1.270000e-03, ");
  EXPECT_EQ(*(resistor + 2),
            "false, RealVector{     0.000000e+00,     0.000000e+00,     4.712389e+00 }, ");

  const auto pad = std::find(lines.begin(), lines.end(), "Cube pCube_X(");
  ASSERT_NE(pad, lines.end());
  // No size line: the turn, then the position, then the closing.
  EXPECT_EQ(pad[1].rfind("false, RealVector{ ", 0), 0U) << pad[1];
  EXPECT_EQ(pad[2],
            "RealVector{            -30.0*tenth_inch,             30.0*tenth_inch,              0.0*tenth_inch });");
  EXPECT_EQ(pad + 3, lines.end());
}

TEST_F(DescriptionWriterBoard, DescriptionOpensWithTheIncludesAndTheUnitThenTheBoard) {
  modeltest::LayOut(board_, dir_.Path(), "S J1 10 2 6 L\r\n");
  const std::string text = MakeDescription(board_).value();
  const std::string opening =
      "#include \"stdafx.h\"\r\n\r\n#include \"Component.h\"\r\n#include \"Cube.h\"\r\n"
      "#include \"Cylinder.h\"\r\n#include \"Sphere.h\"\r\n#include \"Component2Pin.h\"\r\n"
      "#include \"DIP.h\"\r\n#include \"SIP.h\"\r\n#include \"ZIP.h\"\r\n#include \"Edge.h\"\r\n\r\n"
      "\r\n\r\n\r\nconst float tenth_inch=0.00254;\r\n\r\n";
  ASSERT_EQ(opening.size(), 213U + 41U);
  EXPECT_EQ(text.substr(0, opening.size()), opening);
  // The board: 6.4 by 4.0 inches, two layers of a quarter tenth, lying left of
  // the origin and below the parts.
  EXPECT_EQ(text.substr(opening.size()),
            DescribeBody(board_.Board3d()) + DescribeBody(*board_.Items()[0]->GetComponent()));
  EXPECT_EQ(Lines(DescribeBody(board_.Board3d()))[1],
            "            64.0*tenth_inch,             40.0*tenth_inch,              0.5*tenth_inch, ");
}

TEST_F(DescriptionWriterBoard, BoardWithoutComponentsHasNoDescription) {
  EXPECT_FALSE(MakeDescription(board_).has_value());
  EXPECT_EQ(NO_COMPONENTS_MESSAGE, "No components in list");
}

// ---- Distinct names past the 25th part -----------------------------------

TEST_F(DescriptionWriterBoard, FortyPartsGetFortyNamesAndTheFirstTwentyFiveKeepTheirLetters) {
  modeltest::LayOut(board_, dir_.Path(), modeltest::DipRows(40));
  ASSERT_EQ(board_.Items().size(), 40U);
  const std::vector<std::string> declarations = Declarations(MakeDescription(board_).value());
  ASSERT_EQ(declarations.size(), 41U);  // the board first

  std::set<std::string> distinct(declarations.begin(), declarations.end());
  EXPECT_EQ(distinct.size(), declarations.size());
  for (int i = 0; i < LETTERED_OBJECTS; ++i)
    EXPECT_EQ(declarations[static_cast<std::size_t>(i) + 1],
              std::string("DIP pDIP_") + static_cast<char>('Z' - i) + "(");
  EXPECT_EQ(declarations[26], "DIP pDIP_Z26(");
  EXPECT_EQ(declarations[40], "DIP pDIP_Z40(");
}

TEST_F(DescriptionWriterBoard, PartsMadeWithoutALetterResetStillGetDistinctNames) {
  // Two layouts without the parser's reset in between: both parts are Z.
  for (int column : {10, 30}) {
    auto dip = MakeComponent('D');
    dip->SetPinCount(8);
    dip->AllocatePinTables();
    dip->SetWidth(3);
    PointComponent(*dip, PinPoint{MakeGridPoint(column, 10, 0), CELL_HOLE}, 'L', 1);
    dip->UpdateModelFromPins();
    dip->SetLetter('Z');
    board_.AddItem(std::move(dip));
  }
  EXPECT_EQ(Declarations(MakeDescription(board_).value()),
            (std::vector<std::string>{Declarations(DescribeBody(board_.Board3d()))[0],
                                      "DIP pDIP_Z(", "DIP pDIP_Z2("}));
}

// ---- Read back by the description reader ----------------------------------

std::vector<PinPoint> PinsOf(const Component& component) {
  return {component.Pins().begin(), component.Pins().begin() + component.PinCount()};
}

TEST_F(DescriptionWriterBoard, PackagesReadBackWithEveryPinWhereItWas) {
  modeltest::LayOut(board_, dir_.Path(), modeltest::EVERY_KIND_LAYOUT);
  CBrdDoc back;
  RecordingPlatform platform;
  EXPECT_EQ(ReadDescription(back, MakeDescription(board_).value(), platform).errorLevel, 0);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(back.XSize(), board_.XSize());
  EXPECT_EQ(back.YSize(), board_.YSize());
  // Pads and reserved locations (the last two) are plain bodies to the
  // reader and stay behind.
  ASSERT_EQ(back.Items().size(), board_.Items().size() - 2);
  for (std::size_t i = 0; i < back.Items().size(); ++i) {
    const Component& written = *board_.Items()[i]->GetComponent();
    const Component& read = *back.Items()[i]->GetComponent();
    EXPECT_EQ(read.TypeLetter(), written.TypeLetter()) << i;
    EXPECT_EQ(PinsOf(read), PinsOf(written)) << i;
  }
}

TEST_F(DescriptionWriterBoard, FortyPartsReadBackWithoutARedefinition) {
  modeltest::LayOut(board_, dir_.Path(), modeltest::DipRows(40));
  CBrdDoc back;
  RecordingPlatform platform;
  EXPECT_EQ(ReadDescription(back, MakeDescription(board_).value(), platform).errorLevel, 0);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(back.Items().size(), 40U);
}

// ---- Saving under a description name ---------------------------------------

TEST_F(DescriptionWriterBoard, SavingUnderAnyNameButBrdWritesTheDescription) {
  modeltest::LayOut(board_, dir_.Path(), modeltest::EVERY_KIND_LAYOUT);
  board_.SetModifiedFlag();
  const auto path = dir_.Path() / "board.cpp";
  ASSERT_TRUE(SaveDocument(board_, path).Ok());
  EXPECT_EQ(ReadWholeFile(path), MakeDescription(board_).value());
  EXPECT_EQ(board_.PathName(), path);
  EXPECT_FALSE(board_.IsModified());

  // Upper-case .BRD is still a board file.
  ASSERT_TRUE(SaveDocument(board_, dir_.Path() / "copy.BRD").Ok());
  EXPECT_EQ(ReadWholeFile(dir_.Path() / "copy.BRD").substr(0, 2), "CB");
}

TEST_F(DescriptionWriterBoard, SavingABoardWithoutComponentsAsDescriptionFailsAndWritesNothing) {
  const DocumentIoResult result = SaveDocument(board_, dir_.Path() / "empty.cpp");
  EXPECT_FALSE(result.Ok());
  EXPECT_EQ(result.message, "No components in list");
  EXPECT_TRUE(std::filesystem::is_empty(dir_.Path()));
  EXPECT_TRUE(board_.PathName().empty());
}

}  // namespace
}  // namespace cuprum
