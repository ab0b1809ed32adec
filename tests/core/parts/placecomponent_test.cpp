#include <gtest/gtest.h>

#include <memory>
#include <numbers>

#include "board/brddoc.h"
#include "model3d/lettercounters.h"
#include "parts/componentfactory.h"
#include "parts/dip.h"
#include "parts/placecomponent.h"
#include "platform/recordingplatform.h"

namespace cuprum {
namespace {

PinPoint Pin(int column, int row, int side = 0, GridCell rest = CELL_HOLE) {
  return PinPoint{MakeGridPoint(column, row, side), rest};
}

class PlacingComponents : public ::testing::Test {
 protected:
  void SetUp() override { LetterCounters::Process().Reset(); }

  Component* Place(char letter, std::string_view name, int pinCount, int width, PinPoint position,
                   char direction, LayoutMode mode = LayoutMode::Specified) {
    auto component = MakeComponent(letter);
    component->SetName(name);
    component->SetPinCount(pinCount);
    component->AllocatePinTables();
    component->SetWidth(width);
    return PlaceComponent(std::move(component), position, direction, doc, mode, platform);
  }

  CBrdDoc doc;  // 64 x 40 at 100 mil, two layers
  RecordingPlatform platform;
};

TEST_F(PlacingComponents, AcceptedComponentsJoinTheDocumentInRecordOrder) {
  Component* first = Place('D', "U1", 14, 3, Pin(10, 5), 'L');
  Component* second = Place('C', "R1", 2, 4, Pin(4, 20), 'U');
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  ASSERT_EQ(doc.Items().size(), 2U);
  EXPECT_EQ(doc.Items()[0]->GetComponent(), first);
  EXPECT_EQ(doc.Items()[1]->GetComponent(), second);
  EXPECT_EQ(first->Name(), "U1");
  EXPECT_EQ(first->Direction(), 'L');
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PlacingComponents, PinOnTheLastColumnInsideTheBorderFits) {
  EXPECT_NE(Place('P', "IN", 1, 1, Pin(63, 39), 'L'), nullptr);
  EXPECT_EQ(Place('P', "OUT", 1, 1, Pin(64, 10), 'L'), nullptr);
  EXPECT_EQ(Place('P', "BELOW", 1, 1, Pin(10, 40), 'L'), nullptr);
  EXPECT_EQ(doc.Items().size(), 1U);
}

TEST_F(PlacingComponents, RejectedComponentIsNamedInAMessageBoxAndDropped) {
  EXPECT_EQ(Place('D', "U7", 14, 3, Pin(10, 2), 'D'), nullptr);  // wraps below row 0
  EXPECT_EQ(Place('S', "J2", 8, 1, Pin(60, 10), 'L'), nullptr);  // runs over the border
  EXPECT_TRUE(doc.Items().empty());
  ASSERT_EQ(platform.messages.size(), 2U);
  EXPECT_EQ(platform.messages[0].text, "U7");
  EXPECT_EQ(platform.messages[0].caption, "Component did not fit in current Board size");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(platform.messages[1].text, "J2");
}

TEST_F(PlacingComponents, TopSideNeedsTwoLayers) {
  EXPECT_NE(Place('P', "T1", 1, 1, Pin(5, 5, 1), 'L'), nullptr);
  EXPECT_NE(Place('E', "X1", 8, 3, Pin(5, 1, 1), 'L'), nullptr);
  doc.SetLayers(1);
  EXPECT_EQ(Place('P', "T2", 1, 1, Pin(5, 5, 1), 'L'), nullptr);
  EXPECT_EQ(Place('E', "X2", 8, 3, Pin(5, 1, 1), 'L'), nullptr);
  EXPECT_NE(Place('P', "B1", 1, 1, Pin(5, 5, 0), 'L'), nullptr);
}

TEST_F(PlacingComponents, GeneratedLayoutAcceptsEveryComponent) {
  EXPECT_NE(Place('D', "U1", 14, 3, Pin(0, 0), 'L', LayoutMode::Generated), nullptr);
  EXPECT_NE(Place('S', "J1", 4, 1, Pin(0, 0), 'D', LayoutMode::Generated), nullptr);
  EXPECT_EQ(doc.Items().size(), 2U);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(PlacingComponents, ReservedLocationTakesTheFixedValuePadKeepsItsHole) {
  const Component* reserved = Place('R', "K1", 1, 1, Pin(12, 12, 1), 'L');
  const Component* pad = Place('P', "GND", 1, 1, Pin(30, 30, 0), 'L');
  ASSERT_NE(reserved, nullptr);
  ASSERT_NE(pad, nullptr);
  EXPECT_EQ(reserved->TypeLetter(), 'R');
  EXPECT_EQ(reserved->Pins()[0], Pin(12, 12, 1, CELL_FIXED));
  EXPECT_EQ(pad->TypeLetter(), 'P');
  EXPECT_EQ(pad->Pins()[0], Pin(30, 30, 0, CELL_HOLE));
  // Only packages lay out further pins.
  EXPECT_EQ(pad->Pins()[1], PinPoint{});
}

TEST_F(PlacingComponents, BodyStandsAtTheAnchorInTenthsAndFollowsThePins) {
  doc.SetSizeInTenths(40, 30, Resolution::Mil50, 1);
  const Component* dip = Place('D', "U1", 14, 3, Pin(10, 20), 'U');
  ASSERT_NE(dip, nullptr);
  EXPECT_EQ(dip->Pins()[0], Pin(20, 40));
  const RealVector position = dip->GetPosition();
  EXPECT_NEAR(position.x, -10 * 0.00254, 1e-12);
  EXPECT_NEAR(position.y, 20 * 0.00254, 1e-12);
  EXPECT_EQ(position.z, 0.0);
  EXPECT_NEAR(dip->GetOrientation().z, std::numbers::pi / 2, 1e-12);
  const auto* box = dynamic_cast<const DIP*>(dip);
  ASSERT_NE(box, nullptr);
  EXPECT_NEAR(box->GetSize().x, 7 * 0.00254, 1e-12);
  EXPECT_NEAR(box->GetSize().y, 3 * 0.00254, 1e-12);

  const Component* pad = Place('P', "T", 1, 1, Pin(3, 4, 1), 'L');
  ASSERT_NE(pad, nullptr);
  EXPECT_NEAR(pad->GetPosition().z, -0.00254, 1e-12);
}

TEST_F(PlacingComponents, NothingToPlaceIsNoComponent) {
  EXPECT_EQ(PlaceComponent(nullptr, Pin(1, 1), 'L', doc, LayoutMode::Specified, platform), nullptr);
  EXPECT_TRUE(doc.Items().empty());
}

}  // namespace
}  // namespace cuprum
