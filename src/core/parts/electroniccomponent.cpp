#include "parts/electroniccomponent.h"

#include <algorithm>
#include <cstdio>

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
  const auto capacity = static_cast<std::size_t>(pinCount_) / 4 * 4 + 4;
  pins_.assign(capacity, PinPoint{});
  inUse_.assign(capacity, 0);
  ioIndex_.assign(capacity, 0);
  for (std::size_t i = 0; i <= static_cast<std::size_t>(pinCount_); ++i) ioIndex_[i] = -1;
}

void ElectronicComponent::GrowPinTables() {
  if (pinCount_ < 0 || pinCount_ % 4 != 0) return;
  const auto capacity = static_cast<std::size_t>(pinCount_) / 4 * 4 + 4;
  if (capacity <= pins_.size()) return;
  pins_.resize(capacity);
  inUse_.resize(capacity);
  ioIndex_.resize(capacity);
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

namespace {

constexpr std::size_t STATUS_TEXT_CAPACITY = 256;

// How many signal slots the status line of a type letter shows: two inputs
// and one output, two of each, none, or one input and one output.
int StatusSlots(char typeLetter) {
  const char letter = typeLetter >= 'a' && typeLetter <= 'z'
                          ? static_cast<char>(typeLetter - 'a' + 'A')
                          : typeLetter;
  switch (letter) {
    case 'A': case 'B': case 'J': case 'O': case 'Q': case 'U': return 3;
    case 'E': case 'F': case 'G': case 'H': case 'K': case 'M': return 4;
    case 'P': case 'W': case 'Y': case 'Z': return 0;
    default: break;
  }
  if (letter >= '[' && letter <= '`') return 0;
  return 2;
}

}  // namespace

std::string ElectronicComponent::GetStatusText(std::span<const double> signals) const {
  const int slots = StatusSlots(typeLetter_);
  if (slots == 0) return {};
  int index[4] = {0, 0, 0, 0};
  double value[4] = {0.0, 0.0, 0.0, 0.0};
  for (std::size_t k = 0; k < static_cast<std::size_t>(slots); ++k) {
    index[k] = k < ioIndex_.size() ? ioIndex_[k] : -1;
    if (index[k] >= 0 && static_cast<std::size_t>(index[k]) < signals.size())
      value[k] = signals[static_cast<std::size_t>(index[k])];
  }
  char text[STATUS_TEXT_CAPACITY];
  const char* name = name_.c_str();
  if (slots == 3) {
    std::snprintf(text, sizeof text, "%c %s => I1[%d]=%g, I2[%d]=%g, O[%d]=%g", typeLetter_, name,
                  index[0], value[0], index[1], value[1], index[2], value[2]);
  } else if (slots == 4) {
    std::snprintf(text, sizeof text, "%c %s => I1[%d]=%g, I2[%d]=%g, O1[%d]=%g, O2[%d]=%g",
                  typeLetter_, name, index[0], value[0], index[1], value[1], index[2], value[2],
                  index[3], value[3]);
  } else {
    std::snprintf(text, sizeof text, "%c %s => I[%d]=%g, O[%d]=%g", typeLetter_, name, index[0],
                  value[0], index[1], value[1]);
  }
  return text;
}

}  // namespace cuprum
