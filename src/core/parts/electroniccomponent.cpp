#include "parts/electroniccomponent.h"

#include <algorithm>

#include "model3d/lettercounters.h"
#include "model3d/mechanicalcomponent.h"

namespace cuprum {

ElectronicComponent::ElectronicComponent()
    : idLetter_(LetterCounters::Process().electronic.Take()) {}

void ElectronicComponent::SetName(std::string_view name) {
  name_ = std::string(name.substr(0, MAX_NAME_LENGTH));
}

void ElectronicComponent::AllocatePinTables() {
  if (pinCount_ < 0) return;
  const auto capacity = static_cast<std::size_t>(pinCount_ / 4 * 4 + 4);
  pins_.assign(capacity, PinPoint{});
  inUse_.assign(capacity, 0);
  ioIndex_.assign(capacity, 0);
  for (std::size_t i = 0; i <= static_cast<std::size_t>(pinCount_); ++i) ioIndex_[i] = -1;
}

PinPoint ElectronicComponent::GetLocation() const {
  return pins_.empty() ? PinPoint{} : pins_[0];
}

void ElectronicComponent::SetLocation(PinPoint p, int step) {
  if (pins_.empty()) pins_.resize(1);
  pins_[0] = PinPoint{MakeGridPoint(p.point.x * step, p.point.y * step, p.point.side), p.rest};
}

void ElectronicComponent::SetLocationXY(int column, int row, int side, int step) {
  SetLocation(PinPoint{MakeGridPoint(column, row, side), 0}, step);
}

void ElectronicComponent::MovePins(PinPoint offset, int step) {
  const bool flipSide = offset.point.side == 1 && (step & 1) != 0;
  const auto count = std::min(pins_.size(), static_cast<std::size_t>(std::max(pinCount_, 0)));
  for (std::size_t i = 0; i < count; ++i) {
    GridPoint& pin = pins_[i].point;
    pin = MakeGridPoint(pin.x + offset.point.x * step, pin.y + offset.point.y * step,
                        flipSide ? pin.side ^ 1 : pin.side);
  }
}

void ElectronicComponent::MovePinsXY(int column, int row, int side, int step) {
  MovePins(PinPoint{MakeGridPoint(column, row, side), 0}, step);
}

}  // namespace cuprum
