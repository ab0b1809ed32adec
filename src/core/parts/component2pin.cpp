#include "parts/component2pin.h"

#include <cstdio>
#include <numbers>

#include "parts/pinlayout.h"

namespace cuprum {

namespace {
constexpr double LEAD_RADIUS_PITCHES = 0.5;
}  // namespace

Component2Pin::Component2Pin() : MechanicalComponent(RealVector{}) {
  Component2Pin::SetTypeLetter();
}

void Component2Pin::UpdateModelFromPins() {
  SetDirection(Direction());
  RealVector orientation = GetOrientation();
  orientation.z += std::numbers::pi;
  // Past the direction setter: the letter stays what the pins were laid out by.
  MechanicalComponent::SetOrientation(orientation);  // NOLINT(bugprone-parent-virtual-call)
  SetHeight(Width() * Pitch());
  SetRadius(Pitch() * LEAD_RADIUS_PITCHES);
}

void Component2Pin::DerivePinsFromModel() {
  SetCounts(2, Pitches(GetHeight()));
  SetAnchorFromModel(GridStep(GetResolution()));
}

void Component2Pin::LayOutPins(int step) { LayOutTwoPins(Pins(), Direction(), step, Width()); }

void Component2Pin::SetTypeLetter() { SetTypeLetterValue('C'); }

char Component2Pin::DirectionFromModel() const {
  return DirectionFromQuarterTurns(GetOrientation().z - std::numbers::pi);
}

std::string Component2Pin::DescriptionHeader() const {
  char text[48];
  std::snprintf(text, sizeof text, "ElectronicComponent pComponent_%c(\r\n", Letter());
  return text;
}

}  // namespace cuprum
