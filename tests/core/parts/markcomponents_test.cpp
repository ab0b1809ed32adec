#include <gtest/gtest.h>

#include <memory>

#include "board/brddoc.h"
#include "model3d/lettercounters.h"
#include "parts/componentfactory.h"
#include "parts/markcomponents.h"
#include "parts/pinlayout.h"
#include "parts/placecomponent.h"
#include "platform/recordingplatform.h"

namespace cuprum {
namespace {

PinPoint Pin(int column, int row, int side = 0, GridCell rest = CELL_HOLE) {
  return PinPoint{MakeGridPoint(column, row, side), rest};
}

class MarkingComponents : public ::testing::Test {
 protected:
  void SetUp() override { LetterCounters::Process().Reset(); }

  // Places a component as the parser does, in a specified layout.
  Component* Place(char letter, int pinCount, int width, PinPoint position, char direction) {
    auto component = MakeComponent(letter);
    component->SetPinCount(pinCount);
    component->AllocatePinTables();
    component->SetWidth(width);
    return PlaceComponent(std::move(component), position, direction, doc, LayoutMode::Specified,
                          platform);
  }

  GridCell Cell(int column, int row, int side) const { return doc.Grid()(column, row, side); }

  CBrdDoc doc;
  RecordingPlatform platform;
};

TEST_F(MarkingComponents, ThroughHolePinsHoldTheirCellAndTheFarSide) {
  ASSERT_NE(Place('D', 4, 3, Pin(10, 20), 'U'), nullptr);
  MarkComponents(doc);
  for (const auto& [column, row] : {std::pair{10, 20}, {10, 21}, {13, 21}, {13, 20}}) {
    EXPECT_EQ(Cell(column, row, 0), CELL_HOLE);
    EXPECT_EQ(Cell(column, row, 1), CELL_HOLE);
  }
  EXPECT_EQ(Cell(11, 20, 0), 0);
}

TEST_F(MarkingComponents, PadHasAHoleReservedLocationOnlyItsFixedCell) {
  ASSERT_NE(Place('P', 1, 1, Pin(30, 30, 0), 'L'), nullptr);
  ASSERT_NE(Place('R', 1, 1, Pin(12, 12, 1), 'L'), nullptr);
  MarkComponents(doc);
  EXPECT_EQ(Cell(30, 30, 0), CELL_HOLE);
  EXPECT_EQ(Cell(30, 30, 1), CELL_HOLE);
  EXPECT_EQ(Cell(12, 12, 1), CELL_FIXED);
  EXPECT_EQ(Cell(12, 12, 0), 0);
}

TEST_F(MarkingComponents, LaterComponentWinsASharedCell) {
  ASSERT_NE(Place('R', 1, 1, Pin(20, 20), 'L'), nullptr);
  ASSERT_NE(Place('P', 1, 1, Pin(20, 20), 'L'), nullptr);
  MarkComponents(doc);
  EXPECT_EQ(Cell(20, 20, 0), CELL_HOLE);

  doc.DeleteContents();
  ASSERT_NE(Place('P', 1, 1, Pin(20, 20), 'L'), nullptr);
  ASSERT_NE(Place('R', 1, 1, Pin(20, 20), 'L'), nullptr);
  MarkComponents(doc);
  EXPECT_EQ(Cell(20, 20, 0), CELL_FIXED);
  EXPECT_EQ(Cell(20, 20, 1), CELL_HOLE);  // the pad's far side stays
}

TEST_F(MarkingComponents, EdgeFingersGrowAwayFromTheNearEdge) {
  Component* edge = Place('E', 8, 3, Pin(5, 1, 1), 'L');
  ASSERT_NE(edge, nullptr);
  MarkComponents(doc);
  for (int column = 5; column <= 8; ++column) {
    for (int side = 0; side < 2; ++side) {
      SCOPED_TRACE(column * 10 + side);
      EXPECT_EQ(Cell(column, 1, side), FINGER_ROW_RUN | CELL_FIXED);
      EXPECT_EQ(Cell(column, 2, side), FINGER_ROW_RUN | CELL_FIXED);
      EXPECT_EQ(Cell(column, 3, side), FINGER_ROW_RUN);
      EXPECT_EQ(Cell(column, 4, side), 0);
    }
  }
  // Every pin now stands at the inner end of its finger.
  for (int i = 0; i < 8; ++i) EXPECT_EQ(edge->Pins()[static_cast<std::size_t>(i)].point.y, 3);
}

TEST_F(MarkingComponents, EdgeFingersAwayFromRowOneGrowTowardRowZero) {
  doc.SetSizeInTenths(40, 30, Resolution::Mil50, 1);
  // Anchor at row 28 (tenths), grid row 56; columns turned U run along rows.
  Component* edge = Place('E', 2, 3, Pin(1, 28, 1), 'U');
  ASSERT_NE(edge, nullptr);
  MarkComponents(doc);
  EXPECT_EQ(Cell(2, 56, 1), FINGER_COLUMN_RUN | CELL_FIXED);
  // Column 2 is one tenth in at 50 mil: that finger grows away from column 0.
  EXPECT_EQ(Cell(4, 56, 1), FINGER_COLUMN_RUN | CELL_FIXED);
  EXPECT_EQ(Cell(6, 56, 1), FINGER_COLUMN_RUN);
  EXPECT_EQ(Cell(3, 56, 1), 0);
  EXPECT_EQ(edge->Pins()[0].point, MakeGridPoint(6, 56, 1));

  doc.DeleteContents();
  Component* right = Place('E', 2, 3, Pin(30, 10, 1), 'U');
  ASSERT_NE(right, nullptr);
  MarkComponents(doc);
  EXPECT_EQ(Cell(60, 20, 1), FINGER_COLUMN_RUN | CELL_FIXED);
  EXPECT_EQ(Cell(58, 20, 1), FINGER_COLUMN_RUN | CELL_FIXED);
  EXPECT_EQ(Cell(56, 20, 1), FINGER_COLUMN_RUN);
  EXPECT_EQ(right->Pins()[1].point, MakeGridPoint(56, 20, 0));
}

TEST_F(MarkingComponents, EdgeOfWidthOneMarksOnlyItsPins) {
  Component* edge = Place('E', 2, 1, Pin(5, 1, 1), 'L');
  ASSERT_NE(edge, nullptr);
  MarkComponents(doc);
  EXPECT_EQ(Cell(5, 1, 1), FINGER_ROW_RUN);
  EXPECT_EQ(Cell(5, 1, 0), FINGER_ROW_RUN);
  EXPECT_EQ(Cell(5, 2, 1), 0);
}

TEST_F(MarkingComponents, StartsFromAClearGridAndMarksTheBorder) {
  doc.Grid()(20, 20, 1) = 0x0005;
  ASSERT_NE(Place('P', 1, 1, Pin(30, 30), 'L'), nullptr);
  MarkComponents(doc);
  EXPECT_EQ(Cell(20, 20, 1), 0);
  EXPECT_EQ(Cell(0, 17, 0), CELL_BORDER);
  EXPECT_EQ(Cell(doc.XSize(), 3, 1), CELL_BORDER);
  EXPECT_EQ(Cell(9, doc.YSize(), 0), CELL_BORDER);
}

TEST_F(MarkingComponents, PinsOutsideTheGridAndEmptyComponentsArePassedOver) {
  // Generated layouts accept any position; wrapped pins lie past the grid.
  auto dip = MakeComponent('D');
  dip->SetPinCount(14);
  dip->AllocatePinTables();
  dip->SetWidth(3);
  ASSERT_NE(PlaceComponent(std::move(dip), Pin(200, 2), 'D', doc, LayoutMode::Generated, platform),
            nullptr);
  auto empty = MakeComponent('S');
  empty->SetPinCount(0);
  empty->AllocatePinTables();
  ASSERT_NE(PlaceComponent(std::move(empty), Pin(5, 5), 'L', doc, LayoutMode::Generated, platform),
            nullptr);
  auto edge = MakeComponent('E');
  edge->SetPinCount(2);
  edge->AllocatePinTables();
  edge->SetWidth(1000000);
  ASSERT_NE(PlaceComponent(std::move(edge), Pin(250, 250, 1), 'U', doc, LayoutMode::Generated,
                           platform),
            nullptr);
  MarkComponents(doc);  // must stay inside the grid
  EXPECT_EQ(Cell(5, 5, 0), 0);
  EXPECT_EQ(Cell(0, 0, 0), CELL_BORDER);
}

}  // namespace
}  // namespace cuprum
