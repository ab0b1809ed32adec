#include "board/laydoc.h"

#include <gtest/gtest.h>

#include "board/brddoc.h"
#include "board/editcommands.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "parts/component.h"
#include "parts/partsfile.h"
#include "platform/recordingplatform.h"
#include "support/scratchdir.h"

namespace cuprum {
namespace {

using testing::ReadWholeFile;
using testing::ScratchDir;
using testing::WriteWholeFile;

TEST(LayDocNames, BoardPathAndLayoutKindComeFromTheFileName) {
  EXPECT_EQ(BoardPathOf("dir/board.lay"), std::filesystem::path("dir/board.brd"));
  EXPECT_EQ(BoardPathOf("board.PRT"), std::filesystem::path("board.brd"));
  EXPECT_EQ(BoardPathOf("x.l"), std::filesystem::path());
  EXPECT_TRUE(IsPartsListName("a/board.prt"));
  EXPECT_TRUE(IsPartsListName("BOARD.PrT"));
  EXPECT_FALSE(IsPartsListName("board.lay"));
  EXPECT_FALSE(IsPartsListName("prt"));
}

class LayDoc : public ::testing::Test {
 protected:
  LayDoc()
      : dir_(std::string("laydoc_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name()),
        log_(dir_.Path() / "BRDTEST.LOG") {
    board_.SetPathName(File("board.brd"));
  }
  std::filesystem::path File(const char* name) const { return dir_.Path() / name; }
  GridPoint FirstPin() const { return board_.Items().at(0)->GetComponent()->Pins().at(0).point; }

  ScratchDir dir_;
  CBrdDoc board_;
  RecordingPlatform platform_;
  LogFile log_;
  FieldReader reader_{platform_};
  std::vector<std::filesystem::path> opened_;
  CLayDoc doc_{platform_, log_, reader_, [this](const std::filesystem::path& path) {
                 opened_.push_back(path);
                 return path == board_.PathName() ? &board_ : nullptr;
               }};
};

TEST_F(LayDoc, OpeningALayoutPlacesTheBoardsComponentsAtTheirPositions) {
  const std::string text = "D U1 10 5 14 3 L\r\nP GND 30 30 T\r\n";
  WriteWholeFile(File("board.lay"), text);
  EXPECT_FALSE(doc_.IsCommandEnabled(ID_USE_SPECIFIED_LAYOUT));
  ASSERT_TRUE(doc_.OnOpenDocument(File("board.lay"))) << log_.ReadText();
  EXPECT_EQ(doc_.Text(), text);
  EXPECT_EQ(doc_.BoardPath(), File("board.brd"));
  ASSERT_FALSE(opened_.empty());
  EXPECT_EQ(opened_.back(), File("board.brd"));
  ASSERT_EQ(board_.Items().size(), 2U);
  EXPECT_EQ(board_.Grid()(10, 5, 1), CELL_HOLE);
  EXPECT_EQ(board_.Grid()(0, 0, 0), CELL_BORDER);
  EXPECT_TRUE(board_.IsModified());
  EXPECT_GE(platform_.repaints, 1);
  EXPECT_FALSE(platform_.WaitCursorOn());
  EXPECT_TRUE(platform_.messages.empty());
  for (const int id : {ID_PROJECT_OPTIONS, ID_USE_SPECIFIED_LAYOUT, ID_GENERATE_LAYOUT})
    EXPECT_TRUE(doc_.IsCommandEnabled(id)) << id;
  EXPECT_FALSE(doc_.IsCommandEnabled(ID_ROUTE));
  EXPECT_EQ(doc_.Board(), &board_);
}

TEST_F(LayDoc, OpeningAPartsListArrangesTheBoardByTheNetlist) {
  WriteWholeFile(File("board.prt"), "D U1 14 3\r\nD U2 14 3\r\n");
  WriteWholeFile(File("board.rou"), "D U1 7\r\nD U2 7\r\nN GND\r\n");
  ASSERT_TRUE(doc_.OnOpenDocument(File("board.prt"))) << log_.ReadText();
  ASSERT_EQ(board_.Items().size(), 2U);
  // Generated: the parts left the origin, arranged into slots.
  EXPECT_NE(FirstPin(), MakeGridPoint(0, 0, 0));
  EXPECT_FALSE(board_.GetNetList().Empty());
}

TEST_F(LayDoc, LoadingReplacesWhatTheBoardHeld) {
  WriteWholeFile(File("board.lay"), "D U1 10 5 14 3 L\r\nD U2 30 5 14 3 L\r\n");
  ASSERT_TRUE(doc_.OnOpenDocument(File("board.lay")));
  WriteWholeFile(File("board.lay"), "C R1 20 20 4 U\r\n");
  ASSERT_TRUE(doc_.OnOpenDocument(File("board.lay")));
  EXPECT_EQ(board_.Items().size(), 1U);
  EXPECT_EQ(board_.Grid()(10, 5, 0), 0);
}

TEST_F(LayDoc, ParseFailureLeavesTheTextUnloaded) {
  WriteWholeFile(File("board.lay"), "P A 5 5 B\r\nD U1 10 5\r\n");
  EXPECT_FALSE(doc_.OnOpenDocument(File("board.lay")));
  EXPECT_EQ(doc_.Text(), "");
  ASSERT_EQ(platform_.messages.size(), 1U);
  EXPECT_EQ(platform_.messages[0].text, "Error in Parts Description");
  EXPECT_EQ(platform_.messages[0].caption, "Layout Failed");
  EXPECT_FALSE(platform_.WaitCursorOn());
  EXPECT_NE(log_.ReadText().find("parsing error: D U1"), std::string::npos) << log_.ReadText();
  // The parts before the failing record stay, the grid is not rebuilt.
  EXPECT_EQ(board_.Items().size(), 1U);
  EXPECT_EQ(board_.Grid()(5, 5, 0), 0);
}

TEST_F(LayDoc, UnopenableLogNamesItself) {
  const LogFile badLog(dir_.Path() / "no" / "such" / "BRD.LOG");
  CLayDoc doc(platform_, badLog, reader_, [this](const std::filesystem::path&) { return &board_; });
  WriteWholeFile(File("board.lay"), "D U1 10 5 14 3 L\r\n");
  EXPECT_FALSE(doc.OnOpenDocument(File("board.lay")));
  ASSERT_EQ(platform_.messages.size(), 1U);
  EXPECT_EQ(platform_.messages[0].text, badLog.Path().string());
  EXPECT_EQ(platform_.messages[0].caption, "Could Not Open");
  EXPECT_EQ(doc.Text(), "");
  EXPECT_FALSE(platform_.WaitCursorOn());
}

TEST_F(LayDoc, BoardThatCannotBeOpenedStopsTheLoad) {
  WriteWholeFile(File("other.lay"), "D U1 10 5 14 3 L\r\n");
  EXPECT_FALSE(doc_.OnOpenDocument(File("other.lay")));
  EXPECT_EQ(opened_, (std::vector<std::filesystem::path>{File("other.brd")}));
  EXPECT_TRUE(board_.Items().empty());
}

TEST_F(LayDoc, EditorHoldsAtMostOneMegabyteLessOne) {
  const std::string record = "D U1 10 5 14 3 L\r\n";
  std::string text = record + std::string(MAX_TEXT_DOCUMENT_BYTES - record.size(), '\n');
  ASSERT_EQ(text.size(), 1'048'575U);
  WriteWholeFile(File("board.lay"), text);
  ASSERT_TRUE(doc_.OnOpenDocument(File("board.lay"))) << log_.ReadText();
  EXPECT_EQ(doc_.Text().size(), text.size());

  CLayDoc second(platform_, log_, reader_,
                 [this](const std::filesystem::path&) { return &board_; });
  text += '\n';
  WriteWholeFile(File("board.lay"), text);
  EXPECT_FALSE(second.OnOpenDocument(File("board.lay")));
  EXPECT_EQ(second.Text(), "");
  ASSERT_FALSE(platform_.messages.empty());
  EXPECT_EQ(platform_.messages.back().text, "The file is too large to open.");
  EXPECT_FALSE(platform_.WaitCursorOn());
}

TEST_F(LayDoc, StoringWritesTheTextAndLeavesTheBoardAlone) {
  WriteWholeFile(File("board.lay"), "D U1 10 5 14 3 L\r\n");
  ASSERT_TRUE(doc_.OnOpenDocument(File("board.lay")));
  const BoardGrid before = board_.Grid();
  doc_.SetText("D U1 20 5 14 3 L\r\nD U2 30 5 14 3 L\r\n");
  ASSERT_TRUE(doc_.Store(File("board.lay")).ok);
  EXPECT_EQ(ReadWholeFile(File("board.lay")), "D U1 20 5 14 3 L\r\nD U2 30 5 14 3 L\r\n");
  EXPECT_EQ(board_.Items().size(), 1U);
  EXPECT_TRUE(board_.Grid() == before);
}

}  // namespace
}  // namespace cuprum
