// The order in which a generated layout hands out its slots, so that parts
// that share nets end up near each other.
#pragma once

#include <cstddef>
#include <vector>

namespace cuprum {

class CBrdDoc;

// For each part of the document, by its position there, the order number of
// the slot it takes; NOT_PLACED for the parts that keep their own positions
// (edge connectors, pads, reserved locations). The numbers of the arranged
// parts run from 0 without gaps.
struct PlacementOrder {
  static constexpr int NOT_PLACED = -1;

  std::vector<int> numbers;

  [[nodiscard]] std::size_t Size() const { return numbers.size(); }
  // NOT_PLACED for a position beyond the table.
  [[nodiscard]] int At(std::size_t position) const {
    return position < numbers.size() ? numbers[position] : NOT_PLACED;
  }
};

// Builds the connection strengths from the document's net list (read against
// the components now in the document) and chains the parts strongest tie
// first. Without nets the parts keep document order.
[[nodiscard]] PlacementOrder ComputePlacementOrder(const CBrdDoc& doc);

// Whether a part of this type letter is arranged by the generated layout.
[[nodiscard]] constexpr bool IsArrangedType(char typeLetter) {
  return typeLetter == 'C' || typeLetter == 'D' || typeLetter == 'S' || typeLetter == 'Z';
}

}  // namespace cuprum
