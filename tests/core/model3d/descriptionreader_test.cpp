#include "model3d/descriptionreader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "board/brddoc.h"
#include "board/documentio.h"
#include "descriptiontext.h"
#include "languagefixture.h"

namespace cuprum {
namespace {

using namespace description_text;

class DescriptionReading : public LanguageTest {
 protected:
  DescriptionReadResult Read(const std::string& text) {
    text_ = text;
    return ReadDescription(board, text_, platform);
  }

  [[nodiscard]] std::size_t Count() const { return board.Items().size(); }
  [[nodiscard]] const Component& Part(std::size_t i) const {
    return *board.Items().at(i)->GetComponent();
  }
  [[nodiscard]] static GridPoint PinAt(const Component& c, std::size_t i) {
    return c.Pins().at(i).point;
  }

  CBrdDoc board;

 private:
  std::string text_;
};

TEST_F(DescriptionReading, AnEmptyFileGivesNoComponentsAndNoMessage) {
  const DescriptionReadResult result = Read("");
  EXPECT_EQ(Count(), 0U);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(result.errorLevel, ERROR_LEVEL_NONE);
  EXPECT_FALSE(result.readTwice);
}

TEST_F(DescriptionReading, IncludesTheConstantAndOneDipGiveOneComponent) {
  Read(Header() + Dip("pDIP_Y", 14, 3, 10, 5));
  ASSERT_EQ(Count(), 1U);
  EXPECT_TRUE(platform.messages.empty());
  const Component& dip = Part(0);
  EXPECT_EQ(dip.TypeLetter(), 'D');
  EXPECT_EQ(dip.Name(), "pDIP_Y");
  EXPECT_EQ(dip.MechanicalName(), "pDIP_Y");
  EXPECT_EQ(dip.Letter(), 'Y');
  EXPECT_EQ(dip.IdLetter(), 'Y');
  EXPECT_EQ(dip.PinCount(), 14);
  EXPECT_EQ(dip.Width(), 3);
  EXPECT_EQ(dip.Direction(), 'U');
  // No CircuitBoard: the 50-mil grid, each tenth two positions. Every pin is
  // laid out from the anchor as placing lays it out.
  EXPECT_EQ(board.GetResolution(), Resolution::Mil50);
  EXPECT_EQ(PinAt(dip, 0), MakeGridPoint(20, 10, 0));
  EXPECT_EQ(PinAt(dip, 6), MakeGridPoint(20, 22, 0));
  EXPECT_EQ(PinAt(dip, 7), MakeGridPoint(26, 22, 0));
  EXPECT_EQ(PinAt(dip, 13), MakeGridPoint(26, 10, 0));
  // The grid is rebuilt from the components.
  EXPECT_EQ(board.Grid()(20, 10, 0), CELL_HOLE);
  EXPECT_EQ(board.Grid()(20, 10, 1), CELL_HOLE);
  EXPECT_EQ(board.Grid()(26, 16, 0), CELL_HOLE);
  EXPECT_EQ(board.Grid()(0, 0, 0), CELL_BORDER);
}

TEST_F(DescriptionReading, PlainBodiesAreReadAndLeaveNothing) {
  const std::string sphere = "Sphere pSphere_Y(\r\n    1.000000e-03, \r\n" +
                             MechanicalArguments(0, -5, 5, 0) + ");\r\n";
  const std::string cube = CubeStatement("Cube pCube_X", 1, 1, 1, 0, -3, 3, 0);
  const std::string cylinder = "Cylinder pCylinder_W(\r\n    1.000000e-02,     1.270000e-03, \r\n" +
                               MechanicalArguments(0, -5, 5, 0) + ");\r\n";
  const std::string body = "MechanicalComponent pobjectV(\r\n" + MechanicalArguments(0, 1, 1, 0) +
                           ");\r\n";
  const DescriptionReadResult result = Read(Header() + sphere + cube + cylinder + body);
  EXPECT_EQ(Count(), 0U);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(result.errorLevel, ERROR_LEVEL_NONE);
}

TEST_F(DescriptionReading, PadsWrittenAsCubesWithoutASizeAreReadAndDropped) {
  const std::string pad = "Cube pCube_X(\r\n" + MechanicalArguments(0, -5, 5, -1) + ");\r\n";
  Read(Header() + pad + Dip("pDIP_W", 8, 3, 10, 5));
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(Count(), 1U);
  EXPECT_EQ(Part(0).Name(), "pDIP_W");
}

TEST_F(DescriptionReading, WithoutACircuitBoardTheSizeStays) {
  board.SetXSize(50);
  board.SetYSize(30);
  board.SetLayers(1);
  Read(Header() + Dip("pDIP_Y", 8, 3, 10, 5));
  EXPECT_EQ(board.XSize(), 50);
  EXPECT_EQ(board.YSize(), 30);
  EXPECT_EQ(board.Layers(), 1);
  EXPECT_EQ(board.GetResolution(), Resolution::Mil50);
  EXPECT_EQ(Count(), 1U);
}

TEST_F(DescriptionReading, AStrayParenthesisOrALoneSemicolonIsUnexpectedContent) {
  for (const std::string& text : {std::string(")"), std::string(";"), std::string("\r\n ;\r\n")}) {
    platform.messages.clear();
    Read(text);
    ASSERT_EQ(platform.messages.size(), 1U) << text;
    EXPECT_EQ(platform.messages[0].text, UNEXPECTED_FILE_CONTENT);
    EXPECT_EQ(platform.messages[0].caption, "Error");
  }
  // What was read before it stays.
  platform.messages.clear();
  Read(Header() + Dip("pDIP_Y", 8, 3, 10, 5) + ")" + Dip("pDIP_X", 8, 3, 20, 5));
  EXPECT_EQ(Count(), 1U);
  EXPECT_EQ(Shown("Error"), std::vector<std::string>{UNEXPECTED_FILE_CONTENT});
}

TEST_F(DescriptionReading, ALargeBoardSwitchesTo100MilAndIsReadTwice) {
  const DescriptionReadResult result =
      Read(Header() + Board(100, 80) + Dip("pDIP_Y", 14, 3, 10, 5));
  EXPECT_TRUE(result.readTwice);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(board.GetResolution(), Resolution::Mil100);
  EXPECT_EQ(board.XSize(), 100);
  EXPECT_EQ(board.YSize(), 80);
  EXPECT_EQ(board.Layers(), 2);
  EXPECT_NEAR(board.Board3d().GetSize().x, 0.254, 1e-12);
  EXPECT_NEAR(board.Board3d().GetSize().y, 0.2032, 1e-12);
  // Read once more on the 100-mil grid, not twice over.
  ASSERT_EQ(Count(), 1U);
  EXPECT_EQ(PinAt(Part(0), 0), MakeGridPoint(10, 5, 0));
  EXPECT_EQ(PinAt(Part(0), 7), MakeGridPoint(13, 11, 0));
  EXPECT_EQ(Part(0).Letter(), 'Y');
}

TEST_F(DescriptionReading, ASmallBoardStaysOnThe50MilGrid) {
  const DescriptionReadResult result = Read(Header() + Board(40, 30) + Dip("pDIP_Y", 8, 3, 10, 5));
  EXPECT_FALSE(result.readTwice);
  EXPECT_EQ(board.GetResolution(), Resolution::Mil50);
  EXPECT_EQ(board.XSize(), 80);
  EXPECT_EQ(board.YSize(), 60);
  EXPECT_EQ(board.Layers(), 2);
  // The thickness reads back as two sides however often it is read.
  EXPECT_NEAR(board.Board3d().GetSize().z, 0.00127, 1e-12);
  EXPECT_EQ(Count(), 1U);
}

TEST_F(DescriptionReading, AOneSidedBoardKeepsOneSide) {
  Read(Header() + Board(40, 30, 1.0));
  EXPECT_EQ(board.Layers(), 1);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DescriptionReading, ABoardLargerThanTheGridIsRefusedAndTheBoardStays) {
  const DescriptionReadResult result =
      Read(Header() + Board(200, 100) + Dip("pDIP_Y", 8, 3, 10, 5));
  EXPECT_TRUE(ShownContaining("Error", BOARD_LARGER_THAN_GRID));
  EXPECT_EQ(result.errorLevel, ERROR_LEVEL_ERROR);
  EXPECT_EQ(board.XSize(), DEFAULT_X_SIZE);
  EXPECT_EQ(board.YSize(), DEFAULT_Y_SIZE);
  EXPECT_EQ(board.Layers(), DEFAULT_LAYERS);
  // Reading stops at the error.
  EXPECT_EQ(Count(), 0U);

  platform.messages.clear();
  Read(Header() + Board(40, 170));
  EXPECT_TRUE(ShownContaining("Error", BOARD_LARGER_THAN_GRID));
  EXPECT_EQ(board.YSize(), DEFAULT_Y_SIZE);

  platform.messages.clear();
  Read(Header() + Board(-10, 10));
  EXPECT_TRUE(ShownContaining("Error", BOARD_LARGER_THAN_GRID));
}

TEST_F(DescriptionReading, ALayerCountOtherThanOneOrTwoIsRefused) {
  for (const double layers : {0.0, 3.0, 4.0, 1000.0}) {
    platform.messages.clear();
    Read(Header() + Board(40, 30, layers));
    EXPECT_TRUE(ShownContaining("Error", BOARD_LAYER_COUNT)) << layers;
    EXPECT_EQ(board.Layers(), DEFAULT_LAYERS);
    EXPECT_EQ(board.XSize(), DEFAULT_X_SIZE);
  }
}

TEST_F(DescriptionReading, TheLargest50MilBoardFillsTheGrid) {
  Read(Header() + Board(64, 80) + Dip("pDIP_Y", 8, 3, 60, 70));
  EXPECT_EQ(board.GetResolution(), Resolution::Mil50);
  EXPECT_EQ(board.XSize(), MAX_X_SIZE);
  EXPECT_EQ(board.YSize(), MAX_Y_SIZE);
  EXPECT_EQ(Count(), 1U);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DescriptionReading, ANameDeclaredTwiceIsARedefinition) {
  const DescriptionReadResult result = Read("int a; int a;");
  EXPECT_EQ(Shown("Fatal"), std::vector<std::string>{"line 1: symbol redefinition\n"});
  EXPECT_EQ(result.errorLevel, ERROR_LEVEL_ERROR);
}

TEST_F(DescriptionReading, MessagesQuoteTheLineFromOneForEveryRead) {
  Read("int a;\r\nint b;\r\nint a;\r\n");
  Read("int a;\r\n\r\nint a;\r\n");
  EXPECT_EQ(Shown("Fatal"), (std::vector<std::string>{"line 3: symbol redefinition\n",
                                                      "line 3: symbol redefinition\n"}));
}

TEST_F(DescriptionReading, DeclarationsDefineConstantsForLaterStatements) {
  Read(Header() + "const float pitch = 2*tenth_inch;\r\nconst int pins = 8;\r\n" +
       "SIP pSIP_Y(\r\npins*tenth_inch, pitch/2, tenth_inch, \r\n" +
       MechanicalArguments(0, -20, 5, 0) + ");\r\n");
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(Count(), 1U);
  EXPECT_EQ(Part(0).PinCount(), 8);
  EXPECT_EQ(Part(0).Width(), 1);
}

TEST_F(DescriptionReading, PointerAndAssignmentFormsAreRead) {
  const std::string args = "\r\n 4.0*tenth_inch, 3.0*tenth_inch, 1.0*tenth_inch, \r\n" +
                           MechanicalArguments(QUARTER_TURN, -10, 5, 0) + ");\r\n";
  Read(Header() + "DIP *pDIP_X = new DIP(" + args + "SIP pSIP_W = SIP(" + args +
       "Cube pCube_V = Cube(" + args + "MechanicalComponent pobjectU = Component(" +
       MechanicalArguments(0, 1, 1, 0) + ");\r\n");
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(Count(), 2U);
  EXPECT_EQ(Part(0).Name(), "pDIP_X");
  EXPECT_EQ(Part(0).TypeLetter(), 'D');
  EXPECT_EQ(Part(1).Name(), "pSIP_W");
  EXPECT_EQ(Part(1).TypeLetter(), 'S');
}

TEST_F(DescriptionReading, ATwoPinPartIsReadFromItsCylinder) {
  // Height 4 tenths, the cylinder turned half a turn beyond direction R.
  Read(Header() + "ElectronicComponent pComponent_V(\r\n    1.016000e-02,     1.270000e-03, \r\n" +
       MechanicalArguments(3.141593, -30, 10, 0) + ");\r\n");
  ASSERT_EQ(Count(), 1U);
  const Component& part = Part(0);
  EXPECT_EQ(part.TypeLetter(), 'C');
  EXPECT_EQ(part.Direction(), 'R');
  EXPECT_EQ(part.PinCount(), 2);
  EXPECT_EQ(part.Width(), 4);
  EXPECT_EQ(PinAt(part, 0), MakeGridPoint(60, 20, 0));
  EXPECT_EQ(PinAt(part, 1), MakeGridPoint(52, 20, 0));
}

TEST_F(DescriptionReading, AComponentOffTheBoardIsDroppedAndReadingGoesOn) {
  Read(Header() + Dip("pDIP_Y", 8, 3, 40, 5) + Dip("pDIP_X", 8, 3, 10, 5));
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.messages[0].text, "pDIP_Y");
  EXPECT_EQ(platform.messages[0].caption, FIRST_PASS_FIT_CAPTION);
  ASSERT_EQ(Count(), 1U);
  EXPECT_EQ(Part(0).Name(), "pDIP_X");
}

TEST_F(DescriptionReading, APartWhoseStatementHasAnErrorIsNotKept) {
  std::string broken = Dip("pDIP_X", 8, 3, 10, 5);
  broken.replace(broken.find("-10.0"), 5, ">>.0");
  Read(Header() + Dip("pDIP_Y", 8, 3, 10, 5) + broken + Dip("pDIP_W", 8, 3, 20, 5));
  EXPECT_TRUE(ShownContaining("Fatal", "syntax error"));
  ASSERT_EQ(Count(), 1U);
  EXPECT_EQ(Part(0).Name(), "pDIP_Y");
}

TEST_F(DescriptionReading, TheSecondPassNamesItsOwnCaption) {
  Read(Header() + Board(100, 80) + Dip("pDIP_Y", 8, 3, 120, 5) + Dip("pDIP_X", 8, 3, 10, 5));
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.messages[0].text, "pDIP_Y");
  EXPECT_EQ(platform.messages[0].caption, SECOND_PASS_FIT_CAPTION);
  EXPECT_EQ(Count(), 1U);
}

// Forty DIPs of 8 pins in five columns of eight, named as the description of
// a board with more than 25 components names them: Z down to B, then the
// letter with the component's number.
std::string FortyParts() {
  std::string text = Header() + Board(60, 70);
  for (int i = 0; i < 40; ++i) {
    std::string name = "pDIP_";
    if (i < 25)
      name += static_cast<char>('Z' - i);
    else
      name += "Z" + std::to_string(i + 1);
    text += Dip(name, 8, 3, 5 + 10 * (i % 5), 2 + 7 * (i / 5));
  }
  return text;
}

TEST_F(DescriptionReading, ABoardOfFortyPartsKeepsAllForty) {
  Read(FortyParts());
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(Count(), 40U);
  EXPECT_EQ(Part(0).Name(), "pDIP_Z");
  EXPECT_EQ(Part(24).Name(), "pDIP_B");
  EXPECT_EQ(Part(24).Letter(), 'B');
  EXPECT_EQ(Part(25).Name(), "pDIP_Z26");
  EXPECT_EQ(Part(25).Letter(), 'Z');
  EXPECT_EQ(Part(39).Name(), "pDIP_Z40");
  EXPECT_EQ(Part(39).IdLetter(), 'Z');
  EXPECT_EQ(PinAt(Part(39), 0), MakeGridPoint(2 * 45, 2 * 51, 0));
}

TEST_F(DescriptionReading, TheLetterIsTheLastLetterOfTheName) {
  Read(Header() + Dip("q_", 8, 3, 10, 5) + Dip("_7", 8, 3, 20, 5) + Dip("pDIP_k12_", 8, 3, 5, 10));
  ASSERT_EQ(Count(), 3U);
  EXPECT_EQ(Part(0).Letter(), 'q');
  // Without a letter the component keeps the one it was made with.
  EXPECT_TRUE(Part(1).Letter() >= 'B' && Part(1).Letter() <= 'Z');
  EXPECT_EQ(Part(2).Letter(), 'k');
}

TEST_F(DescriptionReading, TwoObjectsOfOneNameStopAtTheRedefinition) {
  Read(Header() + Dip("pDIP_Z", 8, 3, 10, 5) + Dip("pDIP_Z", 8, 3, 20, 5) +
       Dip("pDIP_Y", 8, 3, 5, 10));
  // The second DIP's name, on the line of its statement's header.
  EXPECT_EQ(Shown("Fatal"), std::vector<std::string>{"line 22: symbol redefinition\n"});
  EXPECT_LE(Count(), 2U);
}

TEST_F(DescriptionReading, NamesLongerThan63CharactersAreCut) {
  const std::string name = "p" + std::string(200, 'L');
  Read(Header() + Dip(name, 8, 3, 10, 5));
  ASSERT_EQ(Count(), 1U);
  EXPECT_EQ(Part(0).Name(), name.substr(0, 63));
  EXPECT_EQ(Part(0).MechanicalName(), name.substr(0, 63));
}

TEST_F(DescriptionReading, HostileInputsEndTheReadCleanly) {
  const std::vector<std::string> inputs = {
      Header() + Dip("p" + std::string(300, 'x'), 8, 3, 10, 5),
      Header() + "DIP pDIP_Z(",
      Header() + "DIP pDIP_Z(" + std::string(5000, '(') + "1",
      Header() + "int x = 1.0" + std::string(200, '9') + "e99999;\r\n",
      std::string("\xFF\xFE\x00\x01", 4),
      "class { } ;",
      "extern static int;",
  };
  for (const std::string& input : inputs) {
    platform.messages.clear();
    Read(input);
    EXPECT_FALSE(platform.messages.empty()) << input.substr(input.size() > 300 ? 300 : 0, 200);
    EXPECT_EQ(Lexer::Process().Stream(), nullptr);
    for (const auto& item : board.Items())
      for (int i = 0; i < item->GetComponent()->PinCount(); ++i)
        EXPECT_TRUE(board.OnBoard(item->GetComponent()->Pins()[static_cast<std::size_t>(i)].point));
  }
}

TEST_F(DescriptionReading, AbsurdBodySizesNeverPutAPinOffTheBoard) {
  Read(Header() + CubeStatement("DIP pDIP_Y", 1e30, 1e30, 1e30, 1e300, -1e30, 1e30, 0) +
       CubeStatement("SIP pSIP_X", 1e4, 1, 1, 0, -1, 1, 0) +
       CubeStatement("ZIP pZIP_W", -40, -3, 1, 0, 10, -5, 0));
  for (const auto& item : board.Items())
    for (int i = 0; i < item->GetComponent()->PinCount(); ++i)
      EXPECT_TRUE(board.OnBoard(item->GetComponent()->Pins()[static_cast<std::size_t>(i)].point));
  EXPECT_EQ(Lexer::Process().Stream(), nullptr);
}

TEST_F(DescriptionReading, AFullSymbolTableEndsTheRead) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += "int a" + std::to_string(i) + ";\r\n";
  const DescriptionReadResult result = Read(text);
  ASSERT_FALSE(Shown("Fatal").empty());
  EXPECT_EQ(Shown("Fatal").front(), "line 3968: symbol table full\n");
  EXPECT_EQ(result.errorLevel, ERROR_LEVEL_ERROR);
}

TEST_F(DescriptionReading, AReadAfterAFatalErrorStartsClean) {
  Read(Header() + "int a; int a;\r\n" + Dip("pDIP_Y", 8, 3, 10, 5));
  EXPECT_FALSE(platform.messages.empty());
  platform.messages.clear();
  board.DeleteContents();
  const DescriptionReadResult result = Read(Header() + Dip("pDIP_Y", 8, 3, 10, 5));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(result.errorLevel, ERROR_LEVEL_NONE);
  ASSERT_EQ(Count(), 1U);
  // Names of the last read are forgotten, and letters count from Z again.
  EXPECT_EQ(SymbolTable::Process().Lookup("a"), 0);
  EXPECT_EQ(LetterCounters::Process().component.Peek(), 'Y');
  // The read leaves the process state bound as it found it: to nothing of
  // its own.
  EXPECT_EQ(Lexer::Process().Stream(), nullptr);
  EXPECT_EQ(Reporters::Process().BoundPlatform(), &platform);
  EXPECT_FALSE(Lexer::Process().DeclarationMode());
}

class DescriptionDocuments : public LanguageTest {
 protected:
  void SetUp() override {
    LanguageTest::SetUp();
    dir_ = std::filesystem::temp_directory_path() /
           ("cuprum_description_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::filesystem::remove_all(dir_);
    LanguageTest::TearDown();
  }
  std::filesystem::path Write(const std::string& name, const std::string& text) {
    const auto path = dir_ / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  std::filesystem::path dir_;
};

TEST_F(DescriptionDocuments, AnyNameButBrdOpensAsADescription) {
  CBrdDoc board;
  board.SetModifiedFlag(true);
  const auto path = Write("board.cpp", Header() + Board(40, 30) + Dip("pDIP_Y", 8, 3, 10, 5));
  const DocumentIoResult result = LoadDocument(board, path, platform);
  ASSERT_TRUE(result.Ok()) << result.message;
  EXPECT_EQ(board.Items().size(), 1U);
  EXPECT_EQ(board.XSize(), 80);
  EXPECT_EQ(board.PathName(), path);
  EXPECT_FALSE(board.IsModified());
  EXPECT_TRUE(platform.messages.empty());

  // Opening again replaces the components rather than adding to them.
  const auto other = Write("board.brd.cft", Header() + Dip("pDIP_X", 8, 3, 10, 5) +
                                                Dip("pDIP_W", 8, 3, 20, 5));
  ASSERT_TRUE(LoadDocument(board, other, platform).Ok());
  EXPECT_EQ(board.Items().size(), 2U);
}

TEST_F(DescriptionDocuments, AMissingDescriptionFailsToOpenAndChangesNothing) {
  CBrdDoc board;
  ASSERT_TRUE(LoadDocument(board, Write("a.cpp", Header() + Dip("pDIP_Y", 8, 3, 10, 5)), platform)
                  .Ok());
  const DocumentIoResult result = LoadDocument(board, dir_ / "none.cpp", platform);
  EXPECT_EQ(result.status, DocumentIoStatus::OpenFailed);
  EXPECT_EQ(board.Items().size(), 1U);
}

}  // namespace
}  // namespace cuprum
