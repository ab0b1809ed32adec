#include "parts/pinlayout.h"

#include <cstddef>
#include <cstdint>

namespace cuprum {

namespace {

constexpr std::uint32_t COORDINATE_MASK = 0xFFU;

// Copies each pin of first..last from the one before it and moves it; stops
// at the end of the table.
void Run(std::span<PinPoint> pins, int first, int last, GridMove move) {
  for (int i = first < 1 ? 1 : first; i <= last; ++i) {
    const auto index = static_cast<std::size_t>(i);
    if (index >= pins.size()) return;
    pins[index] = Moved(pins[index - 1], move);
  }
}

GridMove Reversed(GridMove move) { return GridMove{-move.columns, -move.rows}; }

GridMove Sum(GridMove a, GridMove b) { return GridMove{a.columns + b.columns, a.rows + b.rows}; }

bool Holds(std::span<PinPoint> pins, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < pins.size();
}

PinPoint& At(std::span<PinPoint> pins, int index) { return pins[static_cast<std::size_t>(index)]; }

}  // namespace

GridMove AlongDirection(char direction) {
  switch (direction) {
    case 'U': return GridMove{0, 1};
    case 'L': return GridMove{1, 0};
    case 'D': return GridMove{0, -1};
    default: return GridMove{-1, 0};
  }
}

GridMove AcrossDirection(char direction) {
  const GridMove along = AlongDirection(direction);
  return GridMove{along.rows, -along.columns};
}

GridMove Scaled(GridMove move, int count) {
  // Unsigned products wrap modulo 2^32, a multiple of 256, so the low byte
  // is the product modulo 256 for every count.
  auto scale = [count](int unit) {
    const std::uint32_t product = static_cast<std::uint32_t>(unit) * static_cast<std::uint32_t>(count);
    return static_cast<int>(product & COORDINATE_MASK);
  };
  return GridMove{scale(move.columns), scale(move.rows)};
}

PinPoint Moved(PinPoint pin, GridMove move) {
  return PinPoint{MakeGridPoint(pin.point.x + move.columns, pin.point.y + move.rows, pin.point.side),
                  pin.rest};
}

void LayOutTwoPins(std::span<PinPoint> pins, char direction, int step, int width) {
  if (pins.size() < 2) return;
  pins[1] = Moved(pins[0], Scaled(Scaled(AlongDirection(direction), step), width));
}

void LayOutDipPins(std::span<PinPoint> pins, int pinCount, char direction, int step, int width) {
  const int half = pinCount / 2;
  const GridMove along = Scaled(AlongDirection(direction), step);
  Run(pins, 1, half - 1, along);
  if (half < 1 || !Holds(pins, half)) return;
  At(pins, half) = Moved(At(pins, half - 1), Scaled(Scaled(AcrossDirection(direction), step), width));
  Run(pins, half + 1, pinCount - 1, Reversed(along));
}

void LayOutEdgePins(std::span<PinPoint> pins, int pinCount, char direction, int step) {
  if (pins.empty()) return;
  pins[0].rest = direction == 'U' || direction == 'D' ? FINGER_COLUMN_RUN : FINGER_ROW_RUN;
  const int half = pinCount / 2;
  const GridMove along = Scaled(AlongDirection(direction), step);
  Run(pins, 1, half - 1, along);
  if (half < 1 || !Holds(pins, half)) return;
  PinPoint opposite = At(pins, half - 1);
  opposite.point.side = static_cast<std::uint8_t>(opposite.point.side ^ 1U);
  At(pins, half) = opposite;
  Run(pins, half + 1, pinCount - 1, Reversed(along));
}

void LayOutSipPins(std::span<PinPoint> pins, int pinCount, char direction, int step) {
  Run(pins, 1, pinCount - 1, Scaled(AlongDirection(direction), step));
}

void LayOutZipPins(std::span<PinPoint> pins, int pinCount, char direction, int step, int width) {
  if (pins.empty()) return;
  const int half = pinCount / 2;
  const GridMove along = Scaled(AlongDirection(direction), step);
  const GridMove across = Scaled(Scaled(AcrossDirection(direction), step), width);
  // The anchor marks the second row; the first row lies across from it.
  pins[0] = Moved(pins[0], across);
  Run(pins, 1, half, along);
  if (!Holds(pins, half + 1)) return;
  // Half a pitch back along the row, so the two rows interleave.
  At(pins, half + 1) = Moved(At(pins, half), Sum(Reversed(across), Reversed(AlongDirection(direction))));
  Run(pins, half + 2, 2 * half, Reversed(along));
}

}  // namespace cuprum
