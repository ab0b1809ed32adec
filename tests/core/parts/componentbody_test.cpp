#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "model3d/lettercounters.h"
#include "parts/component2pin.h"
#include "parts/componentfactory.h"
#include "parts/dip.h"
#include "parts/edge.h"
#include "parts/placecomponent.h"
#include "parts/sip.h"
#include "parts/zip.h"

namespace cuprum {
namespace {

constexpr double PITCH = 0.00254;
// The single-precision constant that descriptions scale their lengths by.
constexpr double TENTH_INCH_FLOAT = static_cast<double>(0.00254F);

PinPoint Pin(int column, int row, int side = 0, GridCell rest = CELL_HOLE) {
  return PinPoint{MakeGridPoint(column, row, side), rest};
}

std::unique_ptr<Component> Placed(char letter, int pinCount, int width, PinPoint anchor,
                                  char direction, Resolution resolution) {
  auto component = MakeComponent(letter);
  component->SetPinCount(pinCount);
  component->AllocatePinTables();
  component->SetWidth(width);
  PointComponent(*component, anchor, direction, GridStep(resolution));
  component->UpdateModelFromPins();
  return component;
}

std::vector<PinPoint> PinsOf(const Component& component) {
  const auto& pins = component.Pins();
  return {pins.begin(), pins.begin() + component.PinCount()};
}

// What a description reader does: a fresh object of the same class takes the
// written body (rounded as the writer rounds it) and rebuilds its pins.
std::unique_ptr<Component> ReadBack(const Component& written, Resolution resolution,
                                    double tenth = PITCH) {
  auto read = MakeComponent(written.TypeLetter());
  auto metres = [tenth](double length) { return std::round(length / PITCH * 10) / 10 * tenth; };
  const RealVector p = written.GetPosition();
  read->SetPosition(RealVector{metres(p.x), metres(p.y), metres(p.z)});
  const RealVector o = written.GetOrientation();
  read->SetOrientation(RealVector{o.x, o.y, std::round(o.z * 1e6) / 1e6});
  if (const auto* box = dynamic_cast<const Cube*>(&written)) {
    const RealVector s = box->GetSize();
    dynamic_cast<Cube&>(*read).SetSize(RealVector{metres(s.x), metres(s.y), metres(s.z)});
  }
  if (const auto* cylinder = dynamic_cast<const Cylinder*>(&written)) {
    auto& target = dynamic_cast<Cylinder&>(*read);
    target.SetHeight(metres(cylinder->GetHeight()));
    target.SetRadius(cylinder->GetRadius());
  }
  read->SetResolution(resolution);
  read->UpdatePinsFromModel();
  return read;
}

class ComponentBody : public ::testing::Test {
 protected:
  void SetUp() override { LetterCounters::Process().Reset(); }
};

TEST_F(ComponentBody, BoxesAreSizedFromPinCountAndWidth) {
  struct Case {
    char letter;
    int pins;
    int width;
    double pitchesLong;
  };
  const Case cases[] = {{'D', 14, 3, 7}, {'E', 8, 3, 4}, {'S', 6, 1, 6}, {'Z', 7, 2, 4}, {'Z', 6, 2, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.letter);
    const auto component = Placed(c.letter, c.pins, c.width, Pin(20, 5, 0), 'L', Resolution::Mil100);
    const auto& box = dynamic_cast<const Cube&>(*component);
    EXPECT_NEAR(box.GetSize().x, c.pitchesLong * PITCH, 1e-12);
    EXPECT_NEAR(box.GetSize().y, c.width * PITCH, 1e-12);
    EXPECT_NEAR(box.GetSize().z, PITCH, 1e-12);
    EXPECT_NEAR(component->GetOrientation().z, std::numbers::pi, 1e-12);
  }
}

TEST_F(ComponentBody, TwoPinCylinderPointsBackAlongItsLeads) {
  const auto part = Placed('C', 2, 4, Pin(30, 10), 'R', Resolution::Mil100);
  const auto& cylinder = dynamic_cast<const Cylinder&>(*part);
  EXPECT_NEAR(cylinder.GetHeight(), 4 * PITCH, 1e-12);
  EXPECT_NEAR(cylinder.GetRadius(), PITCH / 2, 1e-12);
  EXPECT_NEAR(part->GetOrientation().z, std::numbers::pi, 1e-12);
  // The turn does not change the direction the pins were laid out by, so the
  // body can follow the pins again without turning further.
  EXPECT_EQ(part->Direction(), 'R');
  part->UpdateModelFromPins();
  EXPECT_NEAR(part->GetOrientation().z, std::numbers::pi, 1e-12);
}

TEST_F(ComponentBody, PlainComponentOnlyTurns) {
  auto pad = MakeComponent('P');
  pad->SetDirection('U');
  pad->SetOrientation(RealVector{});
  pad->UpdateModelFromPins();
  EXPECT_EQ(pad->GetOrientation().z, 0.0);
  EXPECT_EQ(pad->Direction(), 'R');
}

TEST_F(ComponentBody, CountsAndAnchorComeFromTheBody) {
  DIP dip;
  dip.SetSize(RealVector{7 * PITCH, 3 * PITCH, PITCH});
  dip.SetPosition(RealVector{-10 * PITCH, 20 * PITCH, 0});
  dip.DerivePinsFromModel();
  EXPECT_EQ(dip.PinCount(), 14);
  EXPECT_EQ(dip.Width(), 3);
  EXPECT_EQ(dip.Pins().size(), 16U);
  EXPECT_EQ(dip.Pins()[0], Pin(10, 20));

  SIP sip;
  sip.SetSize(RealVector{5 * PITCH, PITCH, PITCH});
  sip.SetPosition(RealVector{-3 * PITCH, 4 * PITCH, -PITCH});
  sip.SetResolution(Resolution::Mil50);
  sip.DerivePinsFromModel();
  EXPECT_EQ(sip.PinCount(), 5);
  EXPECT_EQ(sip.Pins()[0], Pin(6, 8, 1));

  ZIP zip;
  zip.SetSize(RealVector{4 * PITCH, 2 * PITCH, PITCH});
  zip.DerivePinsFromModel();
  EXPECT_EQ(zip.PinCount(), 7);
  EXPECT_EQ(zip.Width(), 2);

  Edge edge;
  edge.SetSize(RealVector{4 * PITCH, 3 * PITCH, PITCH});
  edge.DerivePinsFromModel();
  EXPECT_EQ(edge.PinCount(), 8);

  Component2Pin part;
  part.SetHeight(4 * PITCH);
  part.DerivePinsFromModel();
  EXPECT_EQ(part.PinCount(), 2);
  EXPECT_EQ(part.Width(), 4);
}

TEST_F(ComponentBody, LengthsWrittenWithASinglePrecisionTenthCountWhole) {
  DIP dip;
  dip.SetSize(RealVector{7 * TENTH_INCH_FLOAT, 3 * TENTH_INCH_FLOAT, TENTH_INCH_FLOAT});
  dip.SetPosition(RealVector{-10 * TENTH_INCH_FLOAT, 20 * TENTH_INCH_FLOAT, 0});
  dip.DerivePinsFromModel();
  EXPECT_EQ(dip.PinCount(), 14);
  EXPECT_EQ(dip.Width(), 3);
  EXPECT_EQ(dip.Pins()[0], Pin(10, 20));
  // A real fraction of a pitch still truncates.
  dip.SetSize(RealVector{6.6 * PITCH, 2.9 * PITCH, PITCH});
  dip.DerivePinsFromModel();
  EXPECT_EQ(dip.PinCount(), 13);
  EXPECT_EQ(dip.Width(), 2);
}

TEST_F(ComponentBody, DamagedBodiesGiveBoundedTables) {
  DIP huge;
  huge.SetSize(RealVector{1e300, 1e12, PITCH});
  huge.SetPosition(RealVector{std::nan(""), 1e300, -1e300});
  huge.DerivePinsFromModel();
  EXPECT_GE(huge.PinCount(), 0);
  EXPECT_LE(huge.PinCount(), MAX_BODY_PIN_COUNT);
  EXPECT_LE(huge.Width(), MAX_BODY_WIDTH);
  huge.LayOutPinsFromModel();

  SIP negative;
  negative.SetSize(RealVector{-5 * PITCH, -2 * PITCH, PITCH});
  negative.UpdatePinsFromModel();
  EXPECT_EQ(negative.PinCount(), 0);
  EXPECT_EQ(negative.Width(), 0);

  ZIP empty;  // size 0: no pins at all
  empty.UpdatePinsFromModel();
  EXPECT_EQ(empty.PinCount(), 0);
}

TEST_F(ComponentBody, PackagesReadBackWithEveryPinWhereItWasWritten) {
  struct Case {
    char letter;
    int pins;
    int width;
    PinPoint anchor;
    char direction;
  };
  const Case cases[] = {
      {'D', 14, 3, Pin(10, 20), 'U'}, {'D', 8, 6, Pin(30, 30), 'L'}, {'C', 2, 4, Pin(30, 10), 'R'},
      {'C', 2, 5, Pin(12, 12), 'U'},  {'C', 2, 3, Pin(20, 20), 'L'}, {'C', 2, 7, Pin(9, 30), 'D'},
      {'S', 6, 1, Pin(10, 2), 'L'},   {'S', 3, 1, Pin(40, 9), 'D'},  {'Z', 7, 1, Pin(10, 15), 'D'},
      {'Z', 9, 2, Pin(6, 6), 'R'},    {'E', 8, 3, Pin(5, 1, 1), 'L'}, {'E', 6, 2, Pin(1, 5, 1), 'U'},
  };
  for (const Resolution resolution : {Resolution::Mil100, Resolution::Mil50}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(1, c.letter) + c.direction +
                   (resolution == Resolution::Mil50 ? " 50 mil" : " 100 mil"));
      const auto written = Placed(c.letter, c.pins, c.width, c.anchor, c.direction, resolution);
      const auto read = ReadBack(*written, resolution);
      EXPECT_EQ(read->PinCount(), written->PinCount());
      EXPECT_EQ(read->Width(), written->Width());
      EXPECT_EQ(read->Direction(), written->Direction());
      EXPECT_EQ(PinsOf(*read), PinsOf(*written));

      // And the body built again from those pins is the written body.
      read->UpdateModelFromPins();
      EXPECT_NEAR(read->GetOrientation().z, written->GetOrientation().z, 1e-12);
      EXPECT_NEAR(read->GetPosition().x, written->GetPosition().x, 1e-12);
      if (const auto* box = dynamic_cast<const Cube*>(written.get())) {
        EXPECT_EQ(dynamic_cast<const Cube&>(*read).GetSize(), box->GetSize());
      }
    }
  }
}

TEST_F(ComponentBody, ReadingBackSurvivesTheSinglePrecisionTenth) {
  const auto written = Placed('D', 14, 3, Pin(10, 20), 'D', Resolution::Mil50);
  const auto read = ReadBack(*written, Resolution::Mil50, TENTH_INCH_FLOAT);
  EXPECT_EQ(PinsOf(*read), PinsOf(*written));
}

TEST_F(ComponentBody, PadsAndReservedLocationsReadBackAsOnePin) {
  for (const Resolution resolution : {Resolution::Mil100, Resolution::Mil50}) {
    const auto pad = Placed('P', 1, 1, Pin(30, 30, 1), 'L', resolution);
    const auto readPad = ReadBack(*pad, resolution);
    EXPECT_EQ(readPad->PinCount(), 1);
    EXPECT_EQ(PinsOf(*readPad), PinsOf(*pad));

    const auto reserved = Placed('R', 1, 1, Pin(12, 12, 0), 'L', resolution);
    EXPECT_EQ(PinsOf(*ReadBack(*reserved, resolution)), PinsOf(*reserved));
  }
}

TEST_F(ComponentBody, EvenZipReadsBackAsTheOddZipOfTheSameBox) {
  // The box is as long as the longer row, so six pins and five pins make the
  // same box; it reads back as the five-pin ZIP at the same anchor.
  const auto written = Placed('Z', 6, 1, Pin(10, 15), 'U', Resolution::Mil50);
  const auto read = ReadBack(*written, Resolution::Mil50);
  const auto odd = Placed('Z', 5, 1, Pin(10, 15), 'U', Resolution::Mil50);
  EXPECT_EQ(read->PinCount(), 5);
  EXPECT_EQ(PinsOf(*read), PinsOf(*odd));
}

}  // namespace
}  // namespace cuprum
