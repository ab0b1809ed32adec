#include "parts/component.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "board/units.h"
#include "model3d/lettercounters.h"
#include "parts/pinlayout.h"

namespace cuprum {

namespace {

// Lengths read back from a description carry the rounding of the constants
// they were written with; this much of a pitch is still a whole pitch.
constexpr double PITCH_TOLERANCE = 1e-6;
// Larger quotients are damage, not lengths; they wrap like grid positions.
constexpr double QUOTIENT_LIMIT = 1e9;

// q truncated toward zero, after snapping to a whole number within the
// tolerance; 0 for values no grid could hold.
int TruncateQuotient(double q) {
  if (!std::isfinite(q) || std::fabs(q) > QUOTIENT_LIMIT) return 0;
  const double nearest = std::round(q);
  if (std::fabs(q - nearest) < PITCH_TOLERANCE) return static_cast<int>(nearest);
  return static_cast<int>(q);
}

}  // namespace

Component::Component() : MechanicalComponent(RealVector{}), pitch_(METRES_PER_TENTH) {
  Component::SetTypeLetter();
  const char letter = LetterCounters::Process().component.Take();
  SetLetter(letter);
  SetIdLetter(letter);
}

double DirectionAngle(char direction) {
  switch (direction) {
    case 'U': return std::numbers::pi / 2;
    case 'L': return std::numbers::pi;
    case 'D': return -std::numbers::pi / 2;
    default: return 0.0;
  }
}

char DirectionFromAngle(double angle) {
  constexpr double quarter = std::numbers::pi / 4;
  if (angle > quarter) return angle > 3 * quarter ? 'L' : 'U';
  return angle > -quarter ? 'R' : 'D';
}

char DirectionFromQuarterTurns(double angle) {
  const double quarters = angle / (std::numbers::pi / 2);
  if (!std::isfinite(quarters) || std::fabs(quarters) > QUOTIENT_LIMIT) return 'R';
  const auto turn = static_cast<long long>(std::llround(quarters));
  switch (((turn % 4) + 4) % 4) {
    case 1: return 'U';
    case 2: return 'L';
    case 3: return 'D';
    default: return 'R';
  }
}

void Component::SetDirection(char direction) {
  MechanicalComponent::SetOrientation(RealVector{0.0, 0.0, DirectionAngle(direction)});
  direction_ = direction;
}

void Component::UpdateModelFromPins() { SetDirection(direction_); }

void Component::UpdatePinsFromModel() {
  DerivePinsFromModel();
  LayOutPinsFromModel();
}

void Component::LayOutPins(int step) {
  LayOutTwoPins(Pins(), direction_, step, Width());
}

void Component::SetTypeLetter() { SetTypeLetterValue('C'); }

void Component::LayOutPinsByType(int step) {
  switch (TypeLetter()) {
    case 'C': case 'D': case 'E': case 'S': case 'Z':
      LayOutPins(step);
      break;
    case 'R':
      if (!Pins().empty()) Pins()[0].rest = RESERVED_REST_VALUE;
      break;
    default:
      break;
  }
}

void Component::DerivePinsFromModel() {
  // A pad or reserved location: one pin, one tenth wide.
  SetCounts(1, 1);
  SetAnchorFromModel(GridStep(resolution_));
}

void Component::LayOutPinsFromModel() {
  direction_ = DirectionFromModel();
  LayOutPinsByType(GridStep(resolution_));
}

char Component::DirectionFromModel() const {
  return DirectionFromQuarterTurns(GetOrientation().z);
}

std::string Component::DescriptionHeader() const {
  char text[32];
  std::snprintf(text, sizeof text, "Cube pCube_%c(\r\n", Letter());
  return text;
}

std::string Component::DescriptionClosing() const { return ");\r\n"; }

void Component::SetOrientation(const RealVector& orientation) {
  MechanicalComponent::SetOrientation(orientation);
  direction_ = DirectionFromAngle(orientation.z);
}

RealVector Component::GridToSpace(GridPoint p, double pitch) {
  return RealVector{-p.x * pitch, p.y * pitch, -p.side * pitch};
}

GridPoint Component::SpaceToGrid(const RealVector& position, double pitch) {
  return MakeGridPoint(TruncateQuotient(-position.x / pitch), TruncateQuotient(position.y / pitch),
                       TruncateQuotient(-position.z / pitch));
}

int Component::Pitches(double length) const { return TruncateQuotient(length / pitch_); }

void Component::SetCounts(int pinCount, int width) {
  SetPinCount(std::clamp(pinCount, 0, MAX_BODY_PIN_COUNT));
  SetWidth(std::clamp(width, 0, MAX_BODY_WIDTH));
  AllocatePinTables();
}

void Component::SetAnchorFromModel(int step) {
  SetLocation(PinPoint{SpaceToGrid(GetPosition(), pitch_), PIN_REST_VALUE}, step);
}

void Component::SetLocation(PinPoint p, int step) {
  ElectronicComponent::SetLocation(p, step);
  SetPosition(GridToSpace(p.point, pitch_));
}

void Component::MovePins(PinPoint offset, int step) {
  ElectronicComponent::MovePins(offset, step);
  SetPosition(GridToSpace(offset.point, pitch_));
}

void Component::SetName(std::string_view name) {
  ElectronicComponent::SetName(name);
  SetMechanicalName(name);
}

}  // namespace cuprum
