#include "parts/component.h"

#include <cmath>
#include <numbers>

#include "board/units.h"
#include "model3d/lettercounters.h"

namespace cuprum {

Component::Component() : MechanicalComponent(RealVector{}), pitch_(METRES_PER_TENTH) {
  SetTypeLetterValue('C');
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

void Component::SetDirection(char direction) {
  MechanicalComponent::SetOrientation(RealVector{0.0, 0.0, DirectionAngle(direction)});
  direction_ = direction;
}

void Component::SetOrientation(const RealVector& orientation) {
  MechanicalComponent::SetOrientation(orientation);
  direction_ = DirectionFromAngle(orientation.z);
}

RealVector Component::GridToSpace(GridPoint p, double pitch) {
  return RealVector{-p.x * pitch, p.y * pitch, -p.side * pitch};
}

GridPoint Component::SpaceToGrid(const RealVector& position, double pitch) {
  // Out-of-range or non-finite values wrap like every other grid step.
  auto truncate = [pitch](double value) {
    const double q = value / pitch;
    if (!std::isfinite(q) || std::fabs(q) > 1e9) return 0;
    return static_cast<int>(q);
  };
  return MakeGridPoint(truncate(-position.x), truncate(position.y), truncate(-position.z));
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
