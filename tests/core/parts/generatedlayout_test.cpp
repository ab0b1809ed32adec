#include "parts/generatedlayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "board/brddoc.h"
#include "model3d/lettercounters.h"
#include "parts/component.h"
#include "parts/componentfactory.h"
#include "parts/placecomponent.h"
#include "platform/recordingplatform.h"

namespace cuprum {
namespace {

using PinRef = std::pair<const Component*, int>;

class GeneratedLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    LetterCounters::Process().Reset();
    SlotPlan::Process().Reset();
  }

  // A part as the parser creates it in generated mode: at the origin,
  // direction L.
  Component* Arranged(char letter, int pinCount, int width) {
    return Make(letter, pinCount, width, MakeGridPoint(0, 0, 0));
  }
  Component* Pad(int column, int row) { return Make('P', 1, 1, MakeGridPoint(column, row, 0)); }
  std::vector<Component*> Dips(int count) {
    std::vector<Component*> dips;
    for (int i = 0; i < count; ++i) dips.push_back(Arranged('D', 14, 3));
    return dips;
  }

  void Net(std::initializer_list<PinRef> pins) {
    NetNode net;
    for (const auto& [component, pin] : pins) {
      net.points.push_back(component->Pins()[static_cast<std::size_t>(pin)]);
      net.components.push_back(component);
    }
    doc.GetNetList().Add(std::move(net));
  }

  // What the layout command does once the parse has planned the slots.
  void ArrangeByNets() {
    PlaceInSlots(doc, nullptr);
    const PlacementOrder order = ComputePlacementOrder(doc);
    ReturnToOrigin(doc);
    PlaceInSlots(doc, &order);
  }

  [[nodiscard]] const SlotPlan& Plan() const { return SlotPlan::Process(); }

  CBrdDoc doc;  // 64 x 40 at 100 mil
  RecordingPlatform platform;

 private:
  Component* Make(char letter, int pinCount, int width, GridPoint at) {
    auto component = MakeComponent(letter);
    component->SetName(std::string(1, letter) + std::to_string(doc.Items().size()));
    component->SetPinCount(pinCount);
    component->AllocatePinTables();
    component->SetWidth(width);
    return PlaceComponent(std::move(component), PinPoint{at, CELL_HOLE}, 'L', doc,
                          LayoutMode::Generated, platform);
  }
};

GridPoint PinAt(const Component* component, int pin) {
  return component->Pins()[static_cast<std::size_t>(pin)].point;
}

// ---- Planning the slots ------------------------------------------------------

using SlotPlanning = GeneratedLayout;

TEST_F(SlotPlanning, ThreeDipsGetTwoByTwoSlotsSpreadOverTheBoard) {
  Dips(3);
  EXPECT_TRUE(PlanSlots(doc, 3, platform));
  EXPECT_EQ(Plan().slotGrid, (SlotGrid{2, 2}));
  EXPECT_EQ(Plan().slotSize, (SlotSize{32, 20}));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SlotPlanning, FootprintMaximaCoverEveryArrangedKindButNotFixedParts) {
  Arranged('C', 2, 6);    // 6 wide, 1 high
  Arranged('S', 9, 1);    // 9 wide
  Arranged('Z', 7, 4);    // 4 high
  Arranged('E', 40, 5);  // keeps its place
  Pad(5, 5);
  EXPECT_EQ(LargestFootprint(doc), (SlotSize{9, 4}));
}

TEST_F(SlotPlanning, UnneededRowAndColumnOfSlotsAreDropped) {
  for (int i = 0; i < 40; ++i) Arranged('C', 2, 3);
  // Growing stops at 8 x 5 = 40, one step back gives 9 x 6, then a row and
  // a column go.
  EXPECT_TRUE(PlanSlots(doc, 40, platform));
  EXPECT_EQ(Plan().slotGrid, (SlotGrid{8, 5}));
  EXPECT_EQ(Plan().slotSize, (SlotSize{8, 8}));
}

TEST_F(SlotPlanning, FiftyMilBoardCountsSlotsInTenths) {
  doc.SetSizeInTenths(64, 40, Resolution::Mil50, 1);  // 128 x 80 positions
  const auto dips = Dips(3);
  ASSERT_TRUE(PlanSlots(doc, 3, platform));
  EXPECT_EQ(Plan().slotGrid, (SlotGrid{2, 2}));
  EXPECT_EQ(Plan().slotSize, (SlotSize{32, 20}));

  PlaceInSlots(doc, nullptr);
  // Every tenth is two positions, the DIP's rows 6 positions apart.
  EXPECT_EQ(PinAt(dips[0], 0), MakeGridPoint(26, 24, 0));
  EXPECT_EQ(PinAt(dips[0], 13), MakeGridPoint(26, 18, 0));
  EXPECT_EQ(PinAt(dips[1], 6), MakeGridPoint(90 + 12, 24, 0));
  EXPECT_EQ(PinAt(dips[2], 0), MakeGridPoint(26, 64, 0));
}

TEST_F(SlotPlanning, CountEqualToCapacityIsRefusedAndTheBoardGrowsByOneFootprint) {
  doc.SetXSize(16);  // 2 x 2 slots of 8 x 4
  doc.SetYSize(8);
  Dips(4);
  EXPECT_FALSE(PlanSlots(doc, 4, platform));
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.messages[0].text, "can't fit 4 components on the board that can hold 4\n");
  EXPECT_EQ(platform.messages[0].caption, "Design Limitation Error");
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(Plan().Empty());
  // A ratio of 1 leaves the footprint as the growth.
  EXPECT_EQ(doc.XSize(), 16 + 7);
  EXPECT_EQ(doc.YSize(), 8 + 3);
  // The 3D board follows the new size.
  EXPECT_DOUBLE_EQ(doc.Board3d().GetSize().x, 23 * METRES_PER_TENTH);
  EXPECT_DOUBLE_EQ(doc.Board3d().GetSize().y, 11 * METRES_PER_TENTH);
}

TEST_F(SlotPlanning, ShortfallScalesTheBoardUpToTheSizeLimits) {
  doc.SetXSize(16);
  doc.SetYSize(8);
  Dips(4);
  EXPECT_FALSE(PlanSlots(doc, 20, platform));  // five times the capacity
  EXPECT_EQ(doc.XSize(), 80);
  EXPECT_EQ(doc.YSize(), 40);

  doc.SetXSize(16);
  doc.SetYSize(8);
  EXPECT_FALSE(PlanSlots(doc, 80, platform));  // twenty times
  EXPECT_EQ(doc.XSize(), 128);
  EXPECT_EQ(doc.YSize(), 80);  // the limit at 100 mil

  doc.SetSizeInTenths(8, 4, Resolution::Mil50, 1);  // 16 x 8 positions: one slot
  EXPECT_FALSE(PlanSlots(doc, 80, platform));
  EXPECT_EQ(doc.XSize(), 128);
  EXPECT_EQ(doc.YSize(), 160);  // the limit at 50 mil
}

TEST_F(SlotPlanning, BoardWithoutASingleSlotGrowsByTheFootprint) {
  doc.SetXSize(16);
  Arranged('S', 20, 1);  // 20 wide on a board of 16
  EXPECT_FALSE(PlanSlots(doc, 1, platform));
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.messages[0].text, "can't fit 1 components on the board that can hold 0\n");
  EXPECT_EQ(doc.XSize(), 16 + 20);
  EXPECT_EQ(doc.YSize(), 40 + 2);
}

TEST_F(SlotPlanning, GeneratedParsePlansAgainOnTheEnlargedBoard) {
  doc.SetXSize(16);
  Arranged('S', 20, 1);
  EXPECT_TRUE(PlanGeneratedLayout(doc, 1, platform));
  EXPECT_EQ(platform.messages.size(), 1U);
  EXPECT_FALSE(Plan().Empty());
}

TEST_F(SlotPlanning, GeneratedParseFailsWhenTheEnlargedBoardStillDoesNotFit) {
  doc.SetXSize(16);
  doc.SetYSize(8);
  Dips(4);
  EXPECT_FALSE(PlanGeneratedLayout(doc, 4, platform));
  EXPECT_EQ(platform.messages.size(), 2U);
  // The enlarged size stays.
  EXPECT_EQ(doc.XSize(), 16 + 7 + 7);
}

TEST_F(SlotPlanning, MoreComponentsThanTheArrangementHoldsAreRefusedOnce) {
  for (int i = 0; i < MAX_ARRANGED_ITEMS; ++i) Pad(1, 1);
  EXPECT_TRUE(PlanGeneratedLayout(doc, 0, platform));
  EXPECT_TRUE(platform.messages.empty());

  Pad(1, 1);
  EXPECT_FALSE(PlanGeneratedLayout(doc, 0, platform));
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.messages[0].text,
            "a generated layout arranges at most 127 components; this board has 128\n");
  EXPECT_EQ(platform.messages[0].caption, "Design Limitation Error");
  EXPECT_EQ(doc.XSize(), 64);
  EXPECT_TRUE(Plan().Empty());
}

// ---- Placing into the slots ---------------------------------------------------

using SlotPlacement = GeneratedLayout;

TEST_F(SlotPlacement, DocumentOrderFillsTheSlotsRowByRow) {
  const auto dips = Dips(3);
  Component* pad = Pad(30, 30);
  ASSERT_TRUE(PlanSlots(doc, 3, platform));
  PlaceInSlots(doc, nullptr);

  EXPECT_EQ(PinAt(dips[0], 0), MakeGridPoint(13, 12, 0));
  EXPECT_EQ(PinAt(dips[1], 0), MakeGridPoint(45, 12, 0));
  EXPECT_EQ(PinAt(dips[2], 0), MakeGridPoint(13, 32, 0));
  // The second pin row, laid out below row 0, wraps back into the slot.
  EXPECT_EQ(PinAt(dips[0], 7), MakeGridPoint(19, 9, 0));
  EXPECT_EQ(PinAt(dips[1], 13), MakeGridPoint(45, 9, 0));
  EXPECT_EQ(PinAt(dips[2], 13), MakeGridPoint(13, 29, 0));
  EXPECT_EQ(PinAt(pad, 0), MakeGridPoint(30, 30, 0));
}

TEST_F(SlotPlacement, EachKindIsCentredInItsSlot) {
  doc.SetSizeInTenths(64, 40, Resolution::Mil50, 1);
  Component* twoPin = Arranged('C', 2, 4);
  Component* sip = Arranged('S', 8, 1);
  Component* zip = Arranged('Z', 7, 2);
  SlotPlan plan;
  plan.slotGrid = SlotGrid{3, 1};
  plan.slotSize = SlotSize{10, 8};
  PlaceInSlots(doc, nullptr, plan);

  // Offsets in tenths, doubled into positions at 50 mil.
  EXPECT_EQ(PinAt(twoPin, 0), MakeGridPoint(2 * 3, 2 * 4, 0));
  EXPECT_EQ(PinAt(twoPin, 1), MakeGridPoint(2 * 7, 2 * 4, 0));
  EXPECT_EQ(PinAt(sip, 0), MakeGridPoint(2 * (10 + 1), 2 * 3, 0));
  EXPECT_EQ(PinAt(sip, 7), MakeGridPoint(2 * (10 + 1 + 7), 2 * 3, 0));
  // A ZIP's anchor is its second row; the first row is laid out w above it
  // and wraps into the slot.
  EXPECT_EQ(PinAt(zip, 0), MakeGridPoint(2 * (20 + 3), 2 * (3 - 2), 0));
}

TEST_F(SlotPlacement, NothingMovesWithoutAPlan) {
  const auto dips = Dips(2);
  PlaceInSlots(doc, nullptr);
  EXPECT_EQ(PinAt(dips[1], 0), MakeGridPoint(0, 0, 0));
}

TEST_F(SlotPlacement, OrderOnATwoByTwoGridFollowsTheSpiral) {
  const auto dips = Dips(3);
  ASSERT_TRUE(PlanSlots(doc, 3, platform));
  const PlacementOrder order{{0, 1, 2}};
  PlaceInSlots(doc, &order);
  EXPECT_EQ(PinAt(dips[0], 0), MakeGridPoint(45, 32, 0));  // column 1, row 1
  EXPECT_EQ(PinAt(dips[1], 0), MakeGridPoint(13, 32, 0));  // column 0, row 1
  EXPECT_EQ(PinAt(dips[2], 0), MakeGridPoint(13, 12, 0));  // column 0, row 0
}

TEST_F(SlotPlacement, OrderNumbersMapToSlotsByTheShapeOfTheGrid) {
  // A 4 x 3 grid is a spiral one row short: it moves up a row.
  EXPECT_EQ(OrderedSlot(0, SlotGrid{4, 3}, 10), (SlotCell{2, 1}));
  EXPECT_EQ(OrderedSlot(6, SlotGrid{4, 3}, 10), (SlotCell{3, 2}));
  // 3 x 2 has an even row count and stays.
  EXPECT_EQ(OrderedSlot(0, SlotGrid{3, 2}, 5), (SlotCell{1, 1}));
  // Nearly square beyond the spiral tables: row by row.
  EXPECT_EQ(OrderedSlot(7, SlotGrid{6, 6}, 30), (SlotCell{1, 1}));
  // Wide grids fill columns first, tall ones rows first.
  EXPECT_EQ(OrderedSlot(7, SlotGrid{8, 5}, 40), (SlotCell{1, 2}));
  EXPECT_EQ(OrderedSlot(7, SlotGrid{3, 6}, 40), (SlotCell{1, 2}));
}

TEST_F(SlotPlacement, SpiralsVisitEverySlotOnceStepByStep) {
  for (int u = 2; u <= 5; ++u) {
    const auto spiral = SpiralSlots(u);
    ASSERT_EQ(spiral.size(), static_cast<std::size_t>(u * u));
    EXPECT_EQ(std::set<int>(spiral.begin(), spiral.end()).size(), spiral.size()) << u;
    EXPECT_EQ(*std::max_element(spiral.begin(), spiral.end()), u * u - 1);
    for (std::size_t k = 1; k < spiral.size(); ++k) {
      const int a = spiral[k - 1];
      const int b = spiral[k];
      EXPECT_EQ(std::abs(a % u - b % u) + std::abs(a / u - b / u), 1) << u << " at " << k;
    }
  }
  EXPECT_TRUE(SpiralSlots(6).empty());
}

// ---- Connection strengths and the chain ----------------------------------------

using ArcStrengths = GeneratedLayout;

TEST_F(ArcStrengths, NetsWithinOnePartAddNothing) {
  const auto dips = Dips(2);
  Net({{dips[0], 0}, {dips[0], 5}, {dips[0], 9}});
  ArcStrength strength(doc.Items().size());
  strength.AddNets(doc);
  for (std::size_t r = 0; r < 2; ++r)
    for (std::size_t c = 0; c < 2; ++c) EXPECT_EQ(strength.At(r, c), 0);
}

TEST_F(ArcStrengths, EachRunOfOnePartsPinsCountsOnce) {
  const auto dips = Dips(3);
  Net({{dips[0], 0}, {dips[0], 1}, {dips[1], 0}, {dips[2], 0}});
  Net({{dips[0], 2}, {dips[1], 1}, {dips[0], 3}});  // A B A: two runs of A
  ArcStrength strength(doc.Items().size());
  strength.AddNets(doc);
  EXPECT_EQ(strength.At(1, 0), 1 + 2);
  EXPECT_EQ(strength.At(0, 1), 1 + 2);
  EXPECT_EQ(strength.At(2, 0), 1);
  EXPECT_EQ(strength.At(2, 1), 1);
  EXPECT_EQ(strength.At(0, 0), 0);
}

TEST_F(ArcStrengths, StrengthsWrapAfter127) {
  ArcStrength strength(2);
  strength.Add(0, 1, 127);
  strength.Add(0, 1, 1);
  EXPECT_EQ(strength.At(0, 1), -128);
}

TEST_F(ArcStrengths, StrongestPairComesFirstThenTheChainFollowsTies) {
  const auto dips = Dips(3);
  Net({{dips[0], 0}, {dips[1], 0}});
  for (int pin = 1; pin <= 3; ++pin) Net({{dips[1], pin}, {dips[2], pin}});
  // The first maximum in row-major order is row 1, column 2: the third DIP
  // comes first.
  EXPECT_EQ(ComputePlacementOrder(doc).numbers, (std::vector<int>{2, 1, 0}));
}

TEST_F(ArcStrengths, WithNoTieLeftTheLowestFreePartComesNext) {
  const auto dips = Dips(4);
  Net({{dips[2], 0}, {dips[3], 0}});
  EXPECT_EQ(ComputePlacementOrder(doc).numbers, (std::vector<int>{2, 3, 1, 0}));
}

TEST_F(ArcStrengths, WithoutNetsThePartsKeepDocumentOrder) {
  Dips(4);
  EXPECT_EQ(ComputePlacementOrder(doc).numbers, (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(ArcStrengths, FixedPartsTakeNoNumberAndLeaveNoGap) {
  Component* a = Arranged('D', 14, 3);
  Component* pad = Pad(30, 30);
  Component* b = Arranged('D', 14, 3);
  Net({{a, 0}, {pad, 0}});
  Net({{pad, 0}, {b, 0}});
  // The chain runs pad, a, b; without the pad a and b are 0 and 1.
  EXPECT_EQ(ComputePlacementOrder(doc).numbers,
            (std::vector<int>{0, PlacementOrder::NOT_PLACED, 1}));
}

TEST_F(ArcStrengths, WrappedStrengthsStillNumberEveryPartOnce) {
  const auto dips = Dips(4);
  for (int i = 0; i < 128; ++i) Net({{dips[0], 0}, {dips[1], 0}});  // wraps to -128
  for (int i = 0; i < 3; ++i) Net({{dips[2], 0}, {dips[3], 0}});
  auto numbers = ComputePlacementOrder(doc).numbers;
  std::sort(numbers.begin(), numbers.end());
  EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 3}));
}

// ---- The whole arrangement ----------------------------------------------------

using GeneratedArrangement = GeneratedLayout;

TEST_F(GeneratedArrangement, TiedDipsShareTheSpiralsFirstSlots) {
  const auto dips = Dips(3);
  ASSERT_TRUE(PlanGeneratedLayout(doc, 3, platform));
  Net({{dips[0], 0}, {dips[2], 0}});
  Net({{dips[0], 1}, {dips[2], 1}});
  Net({{dips[1], 0}, {dips[2], 2}});
  ArrangeByNets();
  // Order: DIP 2, DIP 0, DIP 1.
  EXPECT_EQ(PinAt(dips[2], 0), MakeGridPoint(45, 32, 0));
  EXPECT_EQ(PinAt(dips[0], 0), MakeGridPoint(13, 32, 0));
  EXPECT_EQ(PinAt(dips[1], 0), MakeGridPoint(13, 12, 0));
  EXPECT_EQ(PinAt(dips[1], 13), MakeGridPoint(13, 9, 0));
}

// Pin boxes of two parts share no cell.
bool Overlap(const Component* a, const Component* b) {
  const auto box = [](const Component* c) {
    int minX = 255, maxX = 0, minY = 255, maxY = 0;
    for (int i = 0; i < c->PinCount(); ++i) {
      const GridPoint p = PinAt(c, i);
      minX = std::min<int>(minX, p.x);
      maxX = std::max<int>(maxX, p.x);
      minY = std::min<int>(minY, p.y);
      maxY = std::max<int>(maxY, p.y);
    }
    return std::array<int, 4>{minX, maxX, minY, maxY};
  };
  const auto ba = box(a);
  const auto bb = box(b);
  return ba[0] <= bb[1] && bb[0] <= ba[1] && ba[2] <= bb[3] && bb[2] <= ba[3];
}

TEST_F(GeneratedArrangement, FortyPartsLandInFortyDifferentSlots) {
  std::vector<Component*> parts;
  for (int i = 0; i < 40; ++i) parts.push_back(i % 2 == 0 ? Arranged('D', 14, 3)
                                                          : Arranged('C', 2, 3));
  ASSERT_TRUE(PlanGeneratedLayout(doc, 40, platform));
  for (int i = 0; i < 40; ++i) Net({{parts[static_cast<std::size_t>(i)], 0},
                                    {parts[static_cast<std::size_t>((i * 7 + 3) % 40)], 1}});

  auto numbers = ComputePlacementOrder(doc).numbers;
  std::sort(numbers.begin(), numbers.end());
  for (int k = 0; k < 40; ++k) EXPECT_EQ(numbers[static_cast<std::size_t>(k)], k);

  ArrangeByNets();
  for (std::size_t a = 0; a < parts.size(); ++a) {
    for (int i = 0; i < parts[a]->PinCount(); ++i) {
      const GridPoint p = PinAt(parts[a], i);
      EXPECT_TRUE(p.x > 0 && p.x < doc.XSize() && p.y > 0 && p.y < doc.YSize()) << a;
    }
    for (std::size_t b = a + 1; b < parts.size(); ++b)
      EXPECT_FALSE(Overlap(parts[a], parts[b])) << a << " and " << b;
  }
}

}  // namespace
}  // namespace cuprum
