#include "route/routenetlist.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "parts/component.h"
#include "platform/recordingplatform.h"
#include "route/netlist.h"
#include "routetestboard.h"

namespace cuprum {
namespace {

using testing::AddComponent;
using testing::Pin;
using testing::PinRow;
using testing::TextStream;

// A 64 x 40 board with a 14-pin chip U1 on row 10 (columns 10..23), a
// capacitor C1 at (30, 20)-(31, 20), a resistor R1 at (40, 5)-(40, 9) and a
// chip named "S" on row 30, numbered from 1 unless a test says otherwise.
class RouteNetlistReading : public ::testing::Test {
 protected:
  RouteNetlistReading()
      : u1(AddComponent(board, "U1", 'D', PinRow(14, 10, 10))),
        c1(AddComponent(board, "C1", 'C', {Pin(30, 20), Pin(31, 20)})),
        r1(AddComponent(board, "R1", 'R', {Pin(40, 5), Pin(40, 9)})),
        s(AddComponent(board, "S", 'D', PinRow(8, 10, 30))) {}

  std::int32_t Read(const std::string& text, int pinIndexBase = 1) {
    TextStream in(text);
    return ReadRouteNetlist(board, log, in.get(), "t.rou", pinIndexBase, reader);
  }
  NetList& Nets() { return board.GetNetList(); }
  const NetNode* Find(const std::string& name) {
    for (const NetNode& net : Nets())
      if (net.name == name) return &net;
    return nullptr;
  }

  CBrdDoc board;
  Component& u1;
  Component& c1;
  Component& r1;
  Component& s;
  RecordingPlatform platform;
  FieldReader reader{platform};
  LogStream log;
};

// ---- Records ------------------------------------------------------------------

TEST_F(RouteNetlistReading, ReadsANetOfPinsClosedByItsName) {
  EXPECT_EQ(Read("; power\r\nD U1 14\r\nC C1 1\r\nN VCC\r\n"), 1);
  EXPECT_EQ(log.Text(), "");
  ASSERT_EQ(Nets().Count(), 1);
  const NetNode& net = Nets()[0];
  EXPECT_EQ(net.name, "VCC");
  EXPECT_FALSE(net.routed);
  EXPECT_EQ(net.points, (std::vector<PinPoint>{Pin(23, 10), Pin(30, 20)}));
  EXPECT_EQ(net.components, (std::vector<const Component*>{&u1, &c1}));
  EXPECT_EQ(net.minColumn, 23);
  EXPECT_EQ(net.maxColumn, 30);
  EXPECT_EQ(net.minRow, 10);
  EXPECT_EQ(net.maxRow, 20);
  EXPECT_EQ(u1.InUse()[13], 1);
  EXPECT_EQ(c1.InUse()[0], 1);
  EXPECT_EQ(u1.InUse()[12], 0);
}

TEST_F(RouteNetlistReading, RecordLetterIsOneCharacterAndARecordMaySpreadOverLines) {
  EXPECT_EQ(Read("DU1 1\nDU1 2\nN\nC\nC1\n2\nR R1,1 N\n"), 2);
  EXPECT_EQ(log.Text(), "");
  std::vector<std::vector<PinPoint>> points;
  for (const NetNode& net : Nets()) {
    EXPECT_EQ(net.name, "");
    points.push_back(net.points);
  }
  std::sort(points.begin(), points.end(),
            [](const auto& a, const auto& b) { return a[0].point.x < b[0].point.x; });
  EXPECT_EQ(points, (std::vector<std::vector<PinPoint>>{{Pin(10, 10), Pin(11, 10)},
                                                        {Pin(40, 5), Pin(31, 20)}}));
}

TEST_F(RouteNetlistReading, FileWithoutNetRecordYieldsNoNetsButClaimsItsPins) {
  EXPECT_EQ(Read("D U1 1\nD U1 2\n"), 0);
  EXPECT_EQ(log.Text(), "");
  EXPECT_EQ(Nets().Count(), 0);
  EXPECT_EQ(u1.InUse()[0], 1);
  EXPECT_EQ(u1.InUse()[1], 1);
}

TEST_F(RouteNetlistReading, OnePinNetIsDroppedButItsPinStaysClaimed) {
  EXPECT_EQ(Read("D U1 1\nN\nD U1 2\nD U1 3\nN B\n"), 1);
  EXPECT_EQ(Nets()[0].name, "B");

  EXPECT_EQ(Read("D U1 5\nN\nD U1 5\nD U1 6\nN\n"), 0);
  EXPECT_EQ(log.Text().substr(log.Text().find("t.rou(3)")),
            "t.rou(3) : error: D U1 pin 4 already in use\n");
}

TEST_F(RouteNetlistReading, LettersThatStartNoRecordArePassedOver) {
  EXPECT_EQ(Read("X DS 3\nX DS 4\nN\nd U1 1 n\nN\n"), 1);
  EXPECT_EQ(log.Text(), "");
  EXPECT_EQ(Nets()[0].points, (std::vector<PinPoint>{Pin(12, 30), Pin(13, 30)}));
  EXPECT_EQ(u1.InUse()[0], 0);
}

TEST_F(RouteNetlistReading, CommentsAndBlankLinesCountInLineNumbers) {
  EXPECT_EQ(Read("; header\n\n   \nD U1 1 ; first\nD U7 2\n"), 0);
  EXPECT_EQ(log.Text(), "t.rou(5) : error: D U7 not found\n");
}

// ---- Per-pin checks -------------------------------------------------------------

TEST_F(RouteNetlistReading, ComponentIsFoundByExactNameAndItsTypeLetter) {
  EXPECT_EQ(Read("C U1 1\n"), 0);
  EXPECT_EQ(log.Text(), "t.rou(1) : error: C U1 not found\n");
  EXPECT_EQ(Read("D u1 1\n"), 0);
  EXPECT_EQ(log.Text(), "t.rou(1) : error: C U1 not found\nt.rou(1) : error: D u1 not found\n");
}

TEST_F(RouteNetlistReading, PinZeroWithBaseOneWarnsAboutTheNumberBase) {
  EXPECT_EQ(Read("D U1 0\n"), 0);
  EXPECT_EQ(
      log.Text(),
      "t.rou(1) : error: D U1 pin -1 out of range\n"
      "t.rou(1) : warning: are you using the wrong number base setting for your *.rou file\n");
}

TEST_F(RouteNetlistReading, LastPinIsAcceptedAndOnlyPinMinusOneHintsAtTheBase) {
  EXPECT_EQ(Read("D U1 13\nD U1 0\nN\n", 0), 1);
  EXPECT_EQ(u1.InUse()[13], 1);
  EXPECT_EQ(log.Text(), "");

  EXPECT_EQ(Read("D U1 14\n", 0), 0);
  EXPECT_EQ(log.Text(), "t.rou(1) : error: D U1 pin 14 out of range\n");

  EXPECT_EQ(Read("D U1 -3\n"), 0);
  EXPECT_EQ(log.Text(),
            "t.rou(1) : error: D U1 pin 14 out of range\n"
            "t.rou(1) : error: D U1 pin -4 out of range\n");
}

TEST_F(RouteNetlistReading, PinNumberThatIsAWordRaisesASyntaxErrorAndReadsAsZero) {
  EXPECT_EQ(Read("D U1 x\nD U1 2\nN\n", 0), 1);
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.messages[0].text, INTEGER_SYNTAX_ERROR);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(u1.InUse()[0], 1);
}

TEST_F(RouteNetlistReading, StopKeepsTheNetsClosedSoFarAndTheClaimedPins) {
  EXPECT_EQ(Read("D U1 1\nD U1 2\nN A\nD U1 3\nD U1 4\nN B\nD U1 5\nC C9 1\nN C\n"), 0);
  EXPECT_EQ(log.Text(), "t.rou(8) : error: C C9 not found\n");
  EXPECT_EQ(Nets().Count(), 2);
  EXPECT_NE(Find("A"), nullptr);
  EXPECT_NE(Find("B"), nullptr);
  EXPECT_EQ(u1.InUse()[4], 1);
}

TEST_F(RouteNetlistReading, EachReadingStartsAFreshList) {
  EXPECT_EQ(Read("D U1 1\nD U1 2\nN A\n"), 1);
  EXPECT_EQ(Read("D U1 3\nD U1 4\nN B\n"), 1);
  ASSERT_EQ(Nets().Count(), 1);
  EXPECT_EQ(Nets()[0].name, "B");
}

// ---- Names ------------------------------------------------------------------------

TEST_F(RouteNetlistReading, NetNameIsReadFromTheSameLineOnly) {
  EXPECT_EQ(Read("D U1 1\nD U1 2\nN\nvcc\n"), 1);
  EXPECT_EQ(Nets()[0].name, "");
}

TEST_F(RouteNetlistReading, LongNetNamesAreCut) {
  const std::string longName(100, 'G');
  EXPECT_EQ(Read("D U1 1\nD U1 2\nN " + longName + "\n"), 1);
  EXPECT_EQ(Nets()[0].name, std::string(MAX_NET_NAME_LENGTH, 'G'));
}

TEST_F(RouteNetlistReading, RunsClosedWithTheSameNameAreOneNet) {
  EXPECT_EQ(Read("D U1 1\nN GND\nD U1 2\nD U1 3\nN VCC\nC C1 1\nD U1 4\nN GND\n"), 2);
  EXPECT_EQ(log.Text(), "");
  const NetNode* gnd = Find("GND");
  ASSERT_NE(gnd, nullptr);
  EXPECT_EQ(gnd->PointCount(), 3);
  EXPECT_EQ(gnd->components, (std::vector<const Component*>{&u1, &c1, &u1}));
  EXPECT_EQ(gnd->minColumn, 10);
  EXPECT_EQ(gnd->maxColumn, 30);
  EXPECT_EQ(gnd->maxRow, 20);
  // Nearest first, farthest second.
  EXPECT_EQ(gnd->points, (std::vector<PinPoint>{Pin(10, 10), Pin(30, 20), Pin(13, 10)}));
}

TEST_F(RouteNetlistReading, TwoSinglePinsOfOneNameMakeANet) {
  EXPECT_EQ(Read("D U1 1\nN GND\nC C1 2\nN GND\n"), 1);
  EXPECT_EQ(Nets()[0].points, (std::vector<PinPoint>{Pin(10, 10), Pin(31, 20)}));
}

TEST_F(RouteNetlistReading, SinglePinOfAnUnsharedNameIsDropped) {
  EXPECT_EQ(Read("D U1 1\nN VCC\nD U1 2\nD U1 3\nN GND\n"), 1);
  EXPECT_EQ(Nets()[0].name, "GND");
}

TEST_F(RouteNetlistReading, UnnamedRunsAndNamesOfOtherCaseStaySeparate) {
  EXPECT_EQ(Read("D U1 1\nN\nD U1 2\nN\nD U1 3\nD U1 4\nN\nD U1 5\nD U1 6\nN\n"), 2);
  EXPECT_EQ(Read("D U1 7\nD U1 8\nN gnd\nD U1 9\nD U1 10\nN GND\n"), 2);
}

TEST_F(RouteNetlistReading, SharedNameStillChecksEveryPin) {
  EXPECT_EQ(Read("D U1 1\nD U1 2\nN GND\nD U1 2\nN GND\n"), 0);
  EXPECT_EQ(log.Text(), "t.rou(4) : error: D U1 pin 1 already in use\n");
}

// ---- Routing order ------------------------------------------------------------------

TEST_F(RouteNetlistReading, FarthestPointComesSecondUnlessTheNetHasAResistor) {
  EXPECT_EQ(Read("D U1 3\nD U1 1\nD U1 14\nD U1 8\nN\n"), 1);
  EXPECT_EQ(Nets()[0].points,
            (std::vector<PinPoint>{Pin(10, 10), Pin(23, 10), Pin(17, 10), Pin(12, 10)}));

  EXPECT_EQ(Read("S S 1\nD S 5\nR R1 2\nD S 3\nN\n"), 0);  // "S" is a D, not an S
  EXPECT_EQ(Read("D S 1\nD S 5\nR R1 2\nD S 3\nN\n"), 1);
  EXPECT_EQ(Nets()[0].points,
            (std::vector<PinPoint>{Pin(10, 30), Pin(12, 30), Pin(14, 30), Pin(40, 9)}));
}

TEST_F(RouteNetlistReading, ResistorInAnyRunOfASharedNameKeepsAscendingOrder) {
  EXPECT_EQ(Read("R R1 1\nN X\nD U1 1\nD U1 5\nN X\n"), 1);
  EXPECT_EQ(Nets()[0].points, (std::vector<PinPoint>{Pin(10, 10), Pin(14, 10), Pin(40, 5)}));
}

TEST_F(RouteNetlistReading, NetsAreSortedLeastCrowdedFirst) {
  // B spans more crowded columns and rows than A.
  EXPECT_EQ(Read("D U1 6\nC C1 1\nD U1 14\nN B\nD U1 1\nD U1 11\nN A\n"), 2);
  EXPECT_EQ(Nets()[0].name, "A");
  EXPECT_EQ(Nets()[1].name, "B");
  EXPECT_LT(Nets()[0].congestion, Nets()[1].congestion);
  const CongestionCounters& counters = board.Congestion();
  EXPECT_EQ(counters.columnUsage[10], 1);
  EXPECT_EQ(counters.columnUsage[15], 2);
  EXPECT_EQ(counters.columnUsage[20], 2);
  EXPECT_EQ(counters.columnUsage[21], 1);
  EXPECT_EQ(counters.columnUsage[31], 0);
  EXPECT_EQ(counters.rowUsage[10], 2);
  EXPECT_EQ(counters.rowUsage[20], 1);
  EXPECT_EQ(Nets()[0].congestion, 5 * 1 + 6 * 2 + 2);
  EXPECT_EQ(Nets()[1].congestion, 6 * 2 + 10 * 1 + 2 + 10 * 1);
}

TEST_F(RouteNetlistReading, EquallyCrowdedNetsTakeTheHeapSortsOrder) {
  // Three nets, each over two columns of its own and one row of its own.
  AddComponent(board, "P1", 'P',
               {Pin(50, 1), Pin(51, 1), Pin(53, 2), Pin(54, 2), Pin(56, 3), Pin(57, 3)});
  EXPECT_EQ(Read("P P1 1\nP P1 2\nN a\nP P1 3\nP P1 4\nN b\nP P1 5\nP P1 6\nN c\n"), 3);
  EXPECT_EQ(Nets()[0].name, "a");
  EXPECT_EQ(Nets()[1].name, "c");
  EXPECT_EQ(Nets()[2].name, "b");
  EXPECT_EQ(Nets()[1].congestion, 3);
}

TEST_F(RouteNetlistReading, ExitVotesAccumulateOverReadings) {
  // C1's pads as the layout marks them, with copper to the left of pin 1:
  // pin 1 can leave only along its column, pin 2 either way.
  board.Grid()(30, 20, 0) = CELL_HOLE;
  board.Grid()(31, 20, 0) = CELL_HOLE;
  board.Grid()(29, 20, 0) = CELL_HOLE | CELL_COL_MINUS;
  EXPECT_EQ(Read("C C1 1\nC C1 2\nN\n"), 1);
  EXPECT_EQ(board.Congestion().side0ColumnVotes, 1);
  EXPECT_EQ(board.Congestion().side0RowVotes, 2);

  std::fill(c1.InUse().begin(), c1.InUse().end(), 0);
  EXPECT_EQ(Read("C C1 1\nC C1 2\nN\n"), 1);
  EXPECT_EQ(board.Congestion().side0ColumnVotes, 2);
  EXPECT_EQ(board.Congestion().side0RowVotes, 4);
}

// ---- Sizes and awkward input -----------------------------------------------------------

TEST_F(RouteNetlistReading, GrowsBeyondTwoHundredFiftySixNetsAndPoints) {
  std::vector<PinPoint> pins;
  for (int i = 0; i < 600; ++i) pins.push_back(Pin(1 + i % 120, 1 + i / 120));
  AddComponent(board, "BIG", 'P', pins);
  std::vector<PinPoint> more;
  for (int i = 0; i < 300; ++i) more.push_back(Pin(1 + i % 100, 10 + i / 100, 1, CELL_FIXED));
  AddComponent(board, "WIDE", 'E', more);

  std::string text;
  for (int net = 0; net < 300; ++net)
    text += "P BIG " + std::to_string(2 * net + 1) + "\nP BIG " + std::to_string(2 * net + 2) +
            "\nN n" + std::to_string(net) + "\n";
  for (int pin = 300; pin >= 1; --pin) text += "E WIDE " + std::to_string(pin) + "\n";
  text += "N wide\n";

  EXPECT_EQ(Read(text), 301);
  EXPECT_EQ(log.Text(), "");
  const NetNode* wide = Find("wide");
  ASSERT_NE(wide, nullptr);
  ASSERT_EQ(wide->PointCount(), 300);
  EXPECT_EQ(wide->points[0], Pin(1, 10, 1, CELL_FIXED));
  EXPECT_EQ(wide->points[1], Pin(100, 12, 1, CELL_FIXED));
  // The rest ascending, but for the second nearest, which was swapped last.
  for (std::size_t i = 3; i + 1 < wide->points.size(); ++i)
    EXPECT_LE(PointKey(wide->points[i - 1].point), PointKey(wide->points[i].point)) << i;
  EXPECT_EQ(PointKey(wide->points.back().point), 12);
  std::vector<bool> seen(300, false);
  for (const PinPoint& p : wide->points)
    seen[static_cast<std::size_t>(p.point.x - 1 + (p.point.y - 10) * 100)] = true;
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 300);
  for (std::size_t i = 1; i < Nets().Nets().size(); ++i)
    EXPECT_LE(Nets()[i - 1].congestion, Nets()[i].congestion);
}

TEST_F(RouteNetlistReading, RecordOnALastLineWithoutLineBreakIsRead) {
  EXPECT_EQ(Read("D U1 1\nD U1 2\nN VCC"), 1);
  EXPECT_EQ(Nets()[0].name, "VCC");

  EXPECT_EQ(Read("D U1 3\nD U1 4\nN\nD U1 5"), 1);
  EXPECT_EQ(u1.InUse()[4], 1);

  EXPECT_EQ(Read("D U1 6\nD U1 7\nN\nD U1 7"), 0);
  EXPECT_EQ(log.Text(), "t.rou(4) : error: D U1 pin 6 already in use\n");
}

TEST_F(RouteNetlistReading, HugePinNumbersAreOutOfRange) {
  EXPECT_EQ(Read("D U1 99999999999999999999\n"), 0);
  EXPECT_EQ(log.Text(), "t.rou(1) : error: D U1 pin 2147483646 out of range\n");
  EXPECT_EQ(Read("D U1 -99999999999999999999\n"), 0);
  EXPECT_NE(log.Text().find("pin -2147483648 out of range"), std::string::npos);
}

TEST_F(RouteNetlistReading, PinRecordCutShortByTheEndOfTheFile) {
  EXPECT_EQ(Read("D U1 1\nD U1 2\nN\nD"), 0);
  EXPECT_NE(log.Text().find(" : error: D  not found\n"), std::string::npos);
}

TEST_F(RouteNetlistReading, GarbageNeverCrashesOrHangs) {
  std::mt19937 random(1234);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 2000);
  const std::string alphabet = "CDEPRSZNU1S \n\t,;-0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  for (int round = 0; round < 300; ++round) {
    CBrdDoc fresh;
    AddComponent(fresh, "U1", 'D', PinRow(14, 10, 10));
    AddComponent(fresh, "1", 'C', {Pin(0, 0), Pin(255, 255, 1, CELL_FIXED)});
    std::string text;
    const int n = length(random);
    for (int i = 0; i < n; ++i)
      text += round % 2 == 0 ? static_cast<char>(byte(random)) : alphabet[pick(random)];
    TextStream in(text);
    LogStream scratch;
    const std::int32_t count =
        ReadRouteNetlist(fresh, scratch, in.get(), "g.rou", round % 3 == 0 ? 0 : 1, reader);
    EXPECT_GE(count, 0);
    EXPECT_LE(count, fresh.GetNetList().Count());
  }
}

// ---- Files --------------------------------------------------------------------------

class RouteNetlistFile : public RouteNetlistReading {
 protected:
  void SetUp() override {
    directory = std::filesystem::temp_directory_path() /
                ("cuprum-rou-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(directory);
  }
  void TearDown() override { std::filesystem::remove_all(directory); }

  std::filesystem::path directory;
};

TEST_F(RouteNetlistFile, MissingFileIsReportedAndTheListKept) {
  EXPECT_EQ(Read("D U1 1\nD U1 2\nN A\n"), 1);
  const std::filesystem::path missing = directory / "none.rou";
  EXPECT_EQ(ReadRouteNetlist(board, log, missing, 1, reader), 0);
  EXPECT_EQ(log.Text(), "error: can't open router file " + missing.string() + "\n");
  EXPECT_EQ(Nets().Count(), 1);
}

TEST_F(RouteNetlistFile, MessagesQuoteThePathAsGiven) {
  const std::filesystem::path path = directory / "board.rou";
  std::ofstream(path, std::ios::binary) << "D U1 1\r\nD U1 2\r\nN A\r\nD Q1 1\r\n";
  EXPECT_EQ(ReadRouteNetlist(board, log, path, 1, reader), 0);
  EXPECT_EQ(log.Text(), path.string() + "(4) : error: D Q1 not found\n");
  EXPECT_EQ(Nets().Count(), 1);
}

TEST_F(RouteNetlistFile, ADirectoryCannotBeRead) {
  const std::int32_t count = ReadRouteNetlist(board, log, directory, 1, reader);
  EXPECT_EQ(count, 0);
  EXPECT_NE(log.Text().find("error"), std::string::npos);
}

}  // namespace
}  // namespace cuprum
