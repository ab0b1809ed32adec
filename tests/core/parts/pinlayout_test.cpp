#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model3d/lettercounters.h"
#include "parts/component2pin.h"
#include "parts/componentfactory.h"
#include "parts/dip.h"
#include "parts/edge.h"
#include "parts/pinlayout.h"
#include "parts/placecomponent.h"
#include "parts/sip.h"
#include "parts/zip.h"

namespace cuprum {
namespace {

constexpr int STEP_100_MIL = 1;
constexpr int STEP_50_MIL = 2;

PinPoint Pin(int column, int row, int side = 0, GridCell rest = CELL_HOLE) {
  return PinPoint{MakeGridPoint(column, row, side), rest};
}

// A package as the parser makes it: pin count, width, then pointed and laid
// out from an anchor given in tenths.
std::unique_ptr<Component> Laid(char letter, int pinCount, int width, int column, int row,
                                char direction, int step, int side = 0) {
  auto component = MakeComponent(letter);
  component->SetPinCount(pinCount);
  component->AllocatePinTables();
  component->SetWidth(width);
  PointComponent(*component, Pin(column, row, side), direction, step);
  return component;
}

std::vector<PinPoint> PinsOf(const Component& component) {
  const auto& pins = component.Pins();
  return {pins.begin(), pins.begin() + component.PinCount()};
}

class PinLayout : public ::testing::Test {
 protected:
  void SetUp() override { LetterCounters::Process().Reset(); }
};

TEST_F(PinLayout, DipTurnedUpRunsCounterClockwise) {
  const auto dip = Laid('D', 14, 3, 10, 20, 'U', STEP_100_MIL);
  std::vector<PinPoint> expected;
  for (int row = 20; row <= 26; ++row) expected.push_back(Pin(10, row));
  for (int row = 26; row >= 20; --row) expected.push_back(Pin(13, row));
  EXPECT_EQ(PinsOf(*dip), expected);
}

TEST_F(PinLayout, DipOnFiftyMilBoardScalesAnchorPitchAndRowSpacing) {
  const auto dip = Laid('D', 14, 3, 10, 20, 'U', STEP_50_MIL);
  std::vector<PinPoint> expected;
  for (int row = 40; row <= 52; row += 2) expected.push_back(Pin(20, row));
  for (int row = 52; row >= 40; row -= 2) expected.push_back(Pin(26, row));
  EXPECT_EQ(PinsOf(*dip), expected);
}

TEST_F(PinLayout, DipInEveryDirectionKeepsPinsCounterClockwise) {
  struct Case {
    char direction;
    PinPoint pin3, pin4, pin7;
  };
  // 8 pins, width 3, anchor (50, 50).
  const Case cases[] = {
      {'L', Pin(53, 50), Pin(53, 47), Pin(50, 47)},
      {'R', Pin(47, 50), Pin(47, 53), Pin(50, 53)},
      {'U', Pin(50, 53), Pin(53, 53), Pin(53, 50)},
      {'D', Pin(50, 47), Pin(47, 47), Pin(47, 50)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.direction);
    const auto dip = Laid('D', 8, 3, 50, 50, c.direction, STEP_100_MIL);
    EXPECT_EQ(dip->Pins()[0], Pin(50, 50));
    EXPECT_EQ(dip->Pins()[3], c.pin3);
    EXPECT_EQ(dip->Pins()[4], c.pin4);
    EXPECT_EQ(dip->Pins()[7], c.pin7);
  }
}

TEST_F(PinLayout, TwoPinPartSpansItsWidth) {
  const auto part = Laid('C', 2, 4, 30, 10, 'R', STEP_100_MIL);
  EXPECT_EQ(PinsOf(*part), (std::vector<PinPoint>{Pin(30, 10), Pin(26, 10)}));
  EXPECT_EQ(PinsOf(*Laid('C', 2, 4, 30, 10, 'L', STEP_100_MIL))[1], Pin(34, 10));
  EXPECT_EQ(PinsOf(*Laid('C', 2, 4, 30, 10, 'U', STEP_100_MIL))[1], Pin(30, 14));
  EXPECT_EQ(PinsOf(*Laid('C', 2, 4, 30, 10, 'D', STEP_50_MIL))[1], Pin(60, 12));
}

TEST_F(PinLayout, EdgeConnectorLinesBothSidesWithRowFingers) {
  const auto edge = Laid('E', 8, 3, 5, 1, 'L', STEP_100_MIL, 1);
  const std::vector<PinPoint> expected = {
      Pin(5, 1, 1, FINGER_ROW_RUN), Pin(6, 1, 1, FINGER_ROW_RUN), Pin(7, 1, 1, FINGER_ROW_RUN),
      Pin(8, 1, 1, FINGER_ROW_RUN), Pin(8, 1, 0, FINGER_ROW_RUN), Pin(7, 1, 0, FINGER_ROW_RUN),
      Pin(6, 1, 0, FINGER_ROW_RUN), Pin(5, 1, 0, FINGER_ROW_RUN)};
  EXPECT_EQ(PinsOf(*edge), expected);
}

TEST_F(PinLayout, EdgeConnectorTurnedUpOrDownHasColumnFingers) {
  const auto up = Laid('E', 4, 3, 1, 10, 'U', STEP_100_MIL, 1);
  EXPECT_EQ(PinsOf(*up), (std::vector<PinPoint>{
                             Pin(1, 10, 1, FINGER_COLUMN_RUN), Pin(1, 11, 1, FINGER_COLUMN_RUN),
                             Pin(1, 11, 0, FINGER_COLUMN_RUN), Pin(1, 10, 0, FINGER_COLUMN_RUN)}));
  EXPECT_EQ(Laid('E', 4, 3, 1, 10, 'D', STEP_100_MIL, 1)->Pins()[1].rest, FINGER_COLUMN_RUN);
  EXPECT_EQ(Laid('E', 4, 3, 1, 10, 'R', STEP_100_MIL, 1)->Pins()[1].rest, FINGER_ROW_RUN);
}

TEST_F(PinLayout, SipRunsOneRow) {
  const auto sip = Laid('S', 4, 1, 10, 2, 'L', STEP_50_MIL);
  EXPECT_EQ(PinsOf(*sip),
            (std::vector<PinPoint>{Pin(20, 4), Pin(22, 4), Pin(24, 4), Pin(26, 4)}));
  EXPECT_EQ(Laid('S', 3, 1, 10, 2, 'D', STEP_100_MIL)->Pins()[2], Pin(10, 0));
}

TEST_F(PinLayout, ZipInterleavesItsRowsOnFiftyMilBoard) {
  const auto zip = Laid('Z', 7, 1, 10, 15, 'D', STEP_50_MIL);
  EXPECT_EQ(PinsOf(*zip),
            (std::vector<PinPoint>{Pin(18, 30), Pin(18, 28), Pin(18, 26), Pin(18, 24), Pin(20, 25),
                                   Pin(20, 27), Pin(20, 29)}));
}

TEST_F(PinLayout, ZipWithEvenCountComputesOneSpareEntry) {
  const auto zip = Laid('Z', 6, 1, 10, 15, 'U', STEP_50_MIL);
  // First row across from the anchor, second row one position back.
  EXPECT_EQ(PinsOf(*zip), (std::vector<PinPoint>{Pin(22, 30), Pin(22, 32), Pin(22, 34),
                                                 Pin(22, 36), Pin(20, 35), Pin(20, 33)}));
  EXPECT_EQ(zip->Pins()[6], Pin(20, 31));  // not a pin
}

TEST_F(PinLayout, RunsOffTheLowEdgeWrapToHighCoordinates) {
  const auto dip = Laid('D', 14, 3, 10, 2, 'D', STEP_100_MIL);
  EXPECT_EQ(dip->Pins()[2], Pin(10, 0));
  EXPECT_EQ(dip->Pins()[3], Pin(10, 255));
  EXPECT_EQ(dip->Pins()[6], Pin(10, 252));
  EXPECT_EQ(Laid('C', 2, 4, 2, 5, 'R', STEP_100_MIL)->Pins()[1], Pin(254, 5));
}

TEST_F(PinLayout, EveryPinCarriesTheAnchorsCellValue) {
  auto sip = MakeComponent('S');
  sip->SetPinCount(3);
  sip->AllocatePinTables();
  PointComponent(*sip, Pin(4, 4, 0, 0x0007), 'U', STEP_100_MIL);
  for (const PinPoint& pin : PinsOf(*sip)) EXPECT_EQ(pin.rest, 0x0007);
}

TEST_F(PinLayout, DamagedCountsAndWidthsStayInsideTheTables) {
  // A one-pin DIP has no second row; a zero-pin ZIP only moves its anchor.
  const auto dip = Laid('D', 1, 3, 10, 10, 'U', STEP_100_MIL);
  EXPECT_EQ(dip->Pins()[0], Pin(10, 10));
  EXPECT_EQ(Laid('Z', 0, 2, 10, 10, 'U', STEP_100_MIL)->Pins()[0], Pin(12, 10));

  // Widths wrap modulo 256, without overflow.
  EXPECT_EQ(Laid('C', 2, 2147483647, 100, 5, 'L', STEP_50_MIL)->Pins()[1], Pin(198, 10));
  EXPECT_EQ(Laid('C', 2, -3, 100, 5, 'L', STEP_100_MIL)->Pins()[1], Pin(97, 5));

  // More pins claimed than the tables hold: the layout stops at the table.
  auto sip = MakeComponent('S');
  sip->SetPinCount(4);
  sip->AllocatePinTables();
  sip->SetPinCount(1000);
  PointComponent(*sip, Pin(1, 1), 'L', STEP_100_MIL);
  EXPECT_EQ(sip->Pins().size(), 8U);
  EXPECT_EQ(sip->Pins()[7], Pin(8, 1));

  // A component whose tables were never allocated gets its anchor only.
  auto bare = MakeComponent('D');
  PointComponent(*bare, Pin(3, 3), 'U', STEP_100_MIL);
  EXPECT_EQ(bare->Pins().size(), 1U);
}

TEST(PinLayoutMoves, UnknownDirectionRunsLikeR) {
  EXPECT_EQ(AlongDirection('x').columns, AlongDirection('R').columns);
  EXPECT_EQ(AlongDirection('x').rows, AlongDirection('R').rows);
}

}  // namespace
}  // namespace cuprum
