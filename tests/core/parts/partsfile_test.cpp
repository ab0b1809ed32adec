#include "parts/partsfile.h"

#include <gtest/gtest.h>

#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "parts/component.h"
#include "platform/recordingplatform.h"
#include "support/scratchdir.h"

namespace cuprum {
namespace {

using testing::ScratchDir;
using testing::WriteWholeFile;

class PartsFile : public ::testing::Test {
 protected:
  PartsFile()
      : dir_(std::string("partsfile_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  // Writes the text under the name and reads it into the board.
  int Read(const std::string& name, const std::string& text, LayoutMode mode) {
    const auto path = dir_.Path() / name;
    WriteWholeFile(path, text);
    pathText_ = path.string();
    log_ = LogStream();
    return ReadPartsFile(log_, board_, path, mode, platform_, reader_, &report_);
  }

  const Component& Part(std::size_t index) const {
    return *board_.Items().at(index)->GetComponent();
  }
  GridPoint Pin(std::size_t index, std::size_t pin) const { return Part(index).Pins().at(pin).point; }

  ScratchDir dir_;
  CBrdDoc board_;
  RecordingPlatform platform_;
  FieldReader reader_{platform_};
  LogStream log_;
  PartsFileReport report_;
  std::string pathText_;
};

TEST_F(PartsFile, LayoutRecordsPlaceEveryKindOfPart) {
  ASSERT_EQ(Read("board.lay",
                 "; a small board\r\n"
                 "D U1 10 5 14 3 L\r\n"
                 "C R1 4 20 4 U\r\n"
                 "S J1 10 2 6 L\r\n"
                 "E X1 1 1 8 3 L\r\n"
                 "P GND 30 30 B\r\n"
                 "R K1 12 12 T\r\n",
                 LayoutMode::Specified),
            1)
      << log_.Text();
  ASSERT_EQ(board_.Items().size(), 6U);
  EXPECT_EQ(Part(0).TypeLetter(), 'D');
  EXPECT_EQ(Part(0).Name(), "U1");
  EXPECT_EQ(Part(0).PinCount(), 14);
  EXPECT_EQ(Part(0).Width(), 3);
  EXPECT_EQ(Pin(0, 0), MakeGridPoint(10, 5, 0));
  EXPECT_EQ(Pin(0, 1), MakeGridPoint(11, 5, 0));  // L runs toward higher columns
  EXPECT_EQ(Pin(1, 0), MakeGridPoint(4, 20, 0));
  EXPECT_EQ(Pin(1, 1), MakeGridPoint(4, 24, 0));
  EXPECT_EQ(Part(2).PinCount(), 6);
  EXPECT_EQ(Part(3).TypeLetter(), 'E');
  EXPECT_EQ(Pin(3, 0).side, 1);  // edge fingers start on the top side
  EXPECT_EQ(Pin(4, 0), MakeGridPoint(30, 30, 0));
  EXPECT_EQ(Part(4).Pins()[0].rest, CELL_HOLE);
  EXPECT_EQ(Pin(5, 0), MakeGridPoint(12, 12, 1));
  EXPECT_EQ(Part(5).Pins()[0].rest, CELL_FIXED);
  // Letters are handed out afresh for every file.
  EXPECT_EQ(Part(0).Letter(), 'Z');
  EXPECT_EQ(Part(5).Letter(), 'U');
  EXPECT_TRUE(log_.Text().empty());
}

TEST_F(PartsFile, FilesOfOtherKindsAreNotReadAndCountAsSuccess) {
  EXPECT_EQ(Read("board.txt", "D U1 10 5 14 3 L\n", LayoutMode::Specified), 1);
  EXPECT_TRUE(board_.Items().empty());
  EXPECT_EQ(Read("board.Lay", "C R1 4 20 4 U\n", LayoutMode::Specified), 1);
  EXPECT_EQ(board_.Items().size(), 1U);
  board_.DeleteContents();
  EXPECT_EQ(Read("board.PRT", "C R1 4\n", LayoutMode::Generated), 1);
  EXPECT_EQ(board_.Items().size(), 1U);
}

TEST_F(PartsFile, PartsListCarriesNoPositionsExceptForFixedParts) {
  ASSERT_EQ(Read("b.prt", "C R1 4\nP GND 30 30 B\nD U1 14 3\n", LayoutMode::Generated), 1)
      << log_.Text();
  ASSERT_EQ(board_.Items().size(), 3U);
  EXPECT_EQ(Part(0).Width(), 4);
  EXPECT_EQ(Part(0).PinCount(), 2);
  EXPECT_EQ(Part(0).Direction(), 'L');
  EXPECT_EQ(Pin(1, 0), MakeGridPoint(30, 30, 0));
  EXPECT_EQ(report_.toArrange, 2);
}

TEST_F(PartsFile, ARecordWithoutItsDirectionTakesTheNextLinesLetters) {
  ASSERT_EQ(Read("b.lay", "D U1 10 5 14 3\nC R2 4 20 4 U\n", LayoutMode::Specified), 1);
  // The direction reader passes over the C and takes the R of R2; the rest of
  // that line holds no record letter, so it is text between records.
  ASSERT_EQ(board_.Items().size(), 1U);
  EXPECT_EQ(Part(0).Direction(), 'R');
}

TEST_F(PartsFile, PositionsWrapColumnsAt256AndRowsAt128) {
  board_.SetSizeInTenths(128, 80, Resolution::Mil100, 1);
  ASSERT_EQ(Read("b.lay", "P A 300 130 B\n", LayoutMode::Specified), 1);
  ASSERT_EQ(board_.Items().size(), 1U);
  EXPECT_EQ(Pin(0, 0), MakeGridPoint(44, 2, 0));
}

TEST_F(PartsFile, PartsOffTheBoardAreRejectedOneMessageEach) {
  ASSERT_EQ(Read("b.lay", "P A 64 5 B\nP B 63 5 B\nD U9 10 2 14 3 D\nP C 5 5 T\n",
                 LayoutMode::Specified),
            1);
  ASSERT_EQ(board_.Items().size(), 2U);
  EXPECT_EQ(Part(0).Name(), "B");
  ASSERT_EQ(platform_.messages.size(), 2U);
  EXPECT_EQ(platform_.messages[0].text, "A");
  EXPECT_EQ(platform_.messages[0].caption, "Component did not fit in current Board size");
  EXPECT_EQ(platform_.messages[1].text, "U9");
  EXPECT_EQ(report_.rejected, 2);
  EXPECT_TRUE(log_.Text().empty());
  // Each rejected part is named with the line its record stands on.
  ASSERT_EQ(report_.rejectedParts.size(), 2U);
  EXPECT_EQ(report_.rejectedParts[0].name, "A");
  EXPECT_EQ(report_.rejectedParts[0].line, 1);
  EXPECT_EQ(report_.rejectedParts[1].name, "U9");
  EXPECT_EQ(report_.rejectedParts[1].line, 3);
}

TEST_F(PartsFile, AWordForANumberIsReadAsZeroAndReportedWithItsLine) {
  ASSERT_EQ(Read("b.lay", "C R1 5 5 4 L\nC R2 5 ten 4 L\n", LayoutMode::Specified), 1);
  ASSERT_EQ(board_.Items().size(), 2U);
  ASSERT_EQ(report_.numberErrors.size(), 1U);
  EXPECT_EQ(report_.numberErrors[0].line, 2);
  EXPECT_EQ(report_.numberErrors[0].field, "ten");
  EXPECT_EQ(platform_.messages.at(0).text, "syntax error: expected integer, found string");
}

TEST_F(PartsFile, EmptyFilesSucceedInBothModes) {
  EXPECT_EQ(Read("b.lay", "", LayoutMode::Specified), 1);
  EXPECT_EQ(Read("b.prt", "; nothing here\n", LayoutMode::Generated), 1);
  EXPECT_TRUE(board_.Items().empty());
}

TEST_F(PartsFile, MissingFileIsLogged) {
  log_ = LogStream();
  const auto path = dir_.Path() / "none.lay";
  EXPECT_EQ(ReadPartsFile(log_, board_, path, LayoutMode::Specified, platform_, reader_), 0);
  EXPECT_EQ(log_.Text(), "error: can't open layout file " + path.string() + "\n");
}

TEST_F(PartsFile, ErrorsNameTheFileAndTheLineAndKeepEarlierParts) {
  EXPECT_EQ(Read("b.lay", "P A 5 5 B\n\nD U1 10 5 x14 3 L\n", LayoutMode::Specified), 1)
      << "a letter where a number is due reads as 0 with a message box";
  EXPECT_EQ(platform_.messages.back().text, "syntax error: expected integer, found string");
  board_.DeleteContents();

  EXPECT_EQ(Read("b.lay", "P A 5 5 B\n; note\nD U1 10 5\n", LayoutMode::Specified), 0);
  EXPECT_EQ(log_.Text(), pathText_ + "(4) : parsing error: D U1\n");
  EXPECT_EQ(board_.Items().size(), 1U);
}

TEST_F(PartsFile, FileEndingInsideARecordEndsWithAParsingErrorNeverALoop) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"D U1 10 5 14 3", "(2) : parsing error: D U1\n"},
      {"P GND 30 30", "(2) : parsing error: P GND\n"},
      {"C R1 4 20 4\n", "(2) : parsing error: C R1\n"},
      {"S J1", "(2) : parsing error: S J1\n"},
      {"D", "(2) : parsing error: D\n"},
  };
  for (const auto& c : cases) {
    board_.DeleteContents();
    EXPECT_EQ(Read("b.lay", c.text, LayoutMode::Specified), 0) << c.text;
    EXPECT_EQ(log_.Text(), pathText_ + c.message) << c.text;
  }
}

TEST_F(PartsFile, LastLineWithoutALineBreakIsRead) {
  ASSERT_EQ(Read("b.lay", "P A 5 5 B\r\nP B 7 7 T", LayoutMode::Specified), 1);
  ASSERT_EQ(board_.Items().size(), 2U);
  EXPECT_EQ(Pin(1, 0), MakeGridPoint(7, 7, 1));
}

TEST_F(PartsFile, LongNamesAreCutAndHostileCountsRefused) {
  const std::string name(70, 'n');
  ASSERT_EQ(Read("b.lay", "P " + name + " 5 5 B\n", LayoutMode::Specified), 1);
  EXPECT_EQ(Part(0).Name(), std::string(63, 'n'));
  board_.DeleteContents();
  EXPECT_EQ(Read("b.lay", "D U1 10 5 -4 3 L\n", LayoutMode::Specified), 0);
  EXPECT_EQ(Read("b.lay", "D U1 10 5 99999999 3 L\n", LayoutMode::Specified), 0);
  EXPECT_EQ(Read("b.lay", "C R1 4 20 -7 U\n", LayoutMode::Specified), 0);
  EXPECT_TRUE(board_.Items().empty());
}

TEST_F(PartsFile, ZipOnA100MilBoardWarnsAndIsPlacedAllTheSame) {
  ASSERT_EQ(Read("b.lay", "Z U1 10 10 7 1 D\n", LayoutMode::Specified), 1);
  ASSERT_EQ(platform_.messages.size(), 1U);
  EXPECT_EQ(platform_.messages[0].caption, "Layout Warning");
  EXPECT_EQ(platform_.messages[0].text,
            "ZIP component requires board with 0.05 inch or 50 mil resolution in order to place "
            "component accurately");
  EXPECT_EQ(board_.Items().size(), 1U);
}

TEST_F(PartsFile, PositionsAreTenthsScaledOnA50MilBoard) {
  board_.SetSizeInTenths(64, 40, Resolution::Mil50, 1);
  ASSERT_EQ(Read("b.lay", "D U1 10 20 14 3 U\n", LayoutMode::Specified), 1);
  EXPECT_EQ(Pin(0, 0), MakeGridPoint(20, 40, 0));
  EXPECT_EQ(Pin(0, 1), MakeGridPoint(20, 42, 0));
  EXPECT_EQ(Pin(0, 7).x, 26);
}

}  // namespace
}  // namespace cuprum
