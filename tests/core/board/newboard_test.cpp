#include "board/newboard.h"

#include <gtest/gtest.h>

#include "board/boardcommands.h"
#include "board/brddoc.h"
#include "board/documentio.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "platform/recordingplatform.h"
#include "route/routenetlist.h"
#include "support/scratchdir.h"

namespace cuprum {
namespace {

using testing::ReadWholeFile;
using testing::ScratchDir;

class NewBoardDocument : public ::testing::Test {
 protected:
  NewBoardDocument()
      : dir_(std::string("newboard_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  NewBoardSettings Preset(BoardType type, int pinBase = 1) {
    NewBoardSettings settings = NewBoardDialogValues(board_);
    settings.pinBase = pinBase;
    SelectBoardType(settings, type);
    return settings;
  }
  std::filesystem::path File(const char* name) const { return dir_.Path() / name; }

  ScratchDir dir_;
  CBrdDoc board_;
  RecordingPlatform platform_;
};

TEST_F(NewBoardDocument, DialogStartsFromTheFreshDocument) {
  const NewBoardSettings values = NewBoardDialogValues(board_);
  EXPECT_EQ(values.xTenths, 64);
  EXPECT_EQ(values.yTenths, 40);
  EXPECT_EQ(values.resolution, Resolution::Mil100);
  EXPECT_EQ(values.pinBase, 1);
  EXPECT_EQ(values.type, BoardType::General);
}

TEST_F(NewBoardDocument, GeneralBoardHasItsBorderAndIsNotSavedYet) {
  ASSERT_EQ(OnNewDocument(board_, platform_, NewBoardDialogValues(board_)),
            NewBoardStatus::Created);
  EXPECT_EQ(board_.XSize(), 64);
  EXPECT_EQ(board_.YSize(), 40);
  for (int x = 0; x <= 64; ++x)
    for (int y = 0; y <= 40; ++y)
      for (int side = 0; side < 2; ++side) {
        const bool edge = x == 0 || x == 64 || y == 0 || y == 40;
        ASSERT_EQ(board_.Grid()(x, y, side), edge ? CELL_BORDER : 0)
            << x << "," << y << "," << side;
      }
  EXPECT_EQ(platform_.saveAsRequests, 0);
  EXPECT_TRUE(board_.PathName().empty());
  EXPECT_TRUE(platform_.openedDocuments.empty());
}

TEST_F(NewBoardDocument, SettingsAreStoredWithTheirFlags) {
  NewBoardSettings settings = NewBoardDialogValues(board_);
  settings.xTenths = 40;
  settings.yTenths = 30;
  settings.pinBase = 0;
  settings.resolution = Resolution::Mil50;
  ASSERT_EQ(OnNewDocument(board_, platform_, settings), NewBoardStatus::Created);
  EXPECT_EQ(board_.XSize(), 80);
  EXPECT_EQ(board_.YSize(), 60);
  EXPECT_EQ(board_.PinIndexBase(), 0);
  EXPECT_EQ(board_.BoardFlags(), 0b10);
  EXPECT_EQ(board_.Grid()(80, 60, 1), CELL_BORDER);
  EXPECT_EQ(board_.Grid()(79, 59, 0), 0);
}

TEST_F(NewBoardDocument, CancelAndImpossibleValuesCreateNothing) {
  EXPECT_EQ(OnNewDocument(board_, platform_, std::nullopt), NewBoardStatus::Cancelled);
  NewBoardSettings tooWide = NewBoardDialogValues(board_);
  tooWide.xTenths = 100;
  tooWide.resolution = Resolution::Mil50;
  EXPECT_EQ(OnNewDocument(board_, platform_, tooWide), NewBoardStatus::Rejected);
  NewBoardSettings badType = NewBoardDialogValues(board_);
  badType.type = static_cast<BoardType>(9);
  EXPECT_EQ(OnNewDocument(board_, platform_, badType), NewBoardStatus::Rejected);
  EXPECT_EQ(platform_.saveAsRequests, 0);
}

TEST_F(NewBoardDocument, PresetNamesAndSavesTheBoardWithItsTextFiles) {
  platform_.saveAsPath = File("card.brd");
  ASSERT_EQ(OnNewDocument(board_, platform_, Preset(BoardType::Isa16, 0)), NewBoardStatus::Created);
  EXPECT_EQ(platform_.saveAsRequests, 1);
  EXPECT_EQ(board_.PathName(), File("card.brd"));
  EXPECT_EQ(ReadWholeFile(File("card.lay")), *LayoutPresetText(BoardType::Isa16));
  EXPECT_EQ(ReadWholeFile(File("card.rou")), *NetlistPresetText(BoardType::Isa16, 0));
  EXPECT_EQ(platform_.openedDocuments,
            (std::vector<std::filesystem::path>{File("card.lay"), File("card.rou")}));

  // The saved board already carries the preset's size and its border.
  CBrdDoc saved;
  ASSERT_TRUE(LoadDocument(saved, File("card.brd")).Ok());
  EXPECT_EQ(saved.XTenths(), 64);
  EXPECT_EQ(saved.YTenths(), 40);
  EXPECT_EQ(saved.PinIndexBase(), 0);
  EXPECT_EQ(saved.Grid()(64, 20, 0), CELL_BORDER);
}

TEST_F(NewBoardDocument, PresetReplacesFilesOfTheSameName) {
  board_.SetPathName(File("card.brd"));
  testing::WriteWholeFile(File("card.lay"), "D OLD 5 5 14 3 L\r\n");
  testing::WriteWholeFile(File("card.rou"), "old netlist");
  ASSERT_EQ(OnNewDocument(board_, platform_, Preset(BoardType::Pc104)), NewBoardStatus::Created);
  EXPECT_EQ(ReadWholeFile(File("card.lay")), "");
  EXPECT_EQ(ReadWholeFile(File("card.rou")), "");
  EXPECT_EQ(board_.XTenths(), 38);
  EXPECT_EQ(board_.YTenths(), 36);
}

TEST_F(NewBoardDocument, PresetWithoutABoardNameIsCancelled) {
  platform_.saveAsPath = std::nullopt;
  EXPECT_EQ(OnNewDocument(board_, platform_, Preset(BoardType::AppleII)),
            NewBoardStatus::Cancelled);
  EXPECT_EQ(platform_.saveAsRequests, 1);
  EXPECT_TRUE(platform_.openedDocuments.empty());
  EXPECT_TRUE(std::filesystem::is_empty(dir_.Path()));
}

TEST_F(NewBoardDocument, UnwritablePresetFileIsReported) {
  board_.SetPathName(dir_.Path() / "missing" / "card.brd");
  EXPECT_EQ(OnNewDocument(board_, platform_, Preset(BoardType::Isa8)), NewBoardStatus::FileError);
  ASSERT_EQ(platform_.messages.size(), 1U);
  EXPECT_NE(platform_.messages[0].text.find("card.lay"), std::string::npos)
      << platform_.messages[0].text;
  EXPECT_TRUE(platform_.openedDocuments.empty());
}

// The preset files are meant to be laid out and routed as they are: the
// layout places the connector, and every pin the netlist names exists.
TEST_F(NewBoardDocument, PresetFilesLayOutAndTheirNetlistReads) {
  for (const BoardType type : {BoardType::Isa8, BoardType::Isa16, BoardType::AppleII}) {
    for (const int base : {0, 1}) {
      CBrdDoc board;
      RecordingPlatform platform;
      board.SetPathName(File("card.brd"));
      ASSERT_EQ(OnNewDocument(board, platform, Preset(type, base)), NewBoardStatus::Created);
      LogFile log(File("BRDTEST.LOG"));
      FieldReader reader(platform);
      BoardCommandContext context{board, platform, log, reader};
      const CommandOutcome outcome = OnUseSpecifiedLayout(context);
      ASSERT_TRUE(outcome.Ok()) << BoardTypeLabel(type) << ": " << log.ReadText();
      // The 16-bit card's last keep-out (BORDER6, BORDER7) stands on column
      // 64, the border of the narrowest 16-bit board, and is left off it.
      EXPECT_EQ(outcome.rejectedComponents, type == BoardType::Isa16 ? 2 : 0)
          << BoardTypeLabel(type) << ": " << log.ReadText();

      auto stream = log.OpenForWriting();
      ASSERT_TRUE(stream);
      const int nets =
          ReadRouteNetlist(board, *stream, File("card.rou"), board.PinIndexBase(), reader);
      stream->Close();
      // Every pin is found; the Apple II bus shares no net between its pins,
      // so only the ISA cards leave nets to route.
      EXPECT_EQ(log.ReadText().find("error"), std::string::npos)
          << BoardTypeLabel(type) << " base " << base << ": " << log.ReadText();
      if (type != BoardType::AppleII) {
        EXPECT_GT(nets, 0) << BoardTypeLabel(type);
      }
    }
  }
}

}  // namespace
}  // namespace cuprum
