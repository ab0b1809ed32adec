// Addresses of single grid cells (column, row, copper side) and the pin form
// that carries the cell's rest value beside the address.
#pragma once

#include <cstdint>

#include "board/gridcell.h"

namespace cuprum {

// Rows reach 160 on a 50-mil board, so both coordinates get a full byte.
// Arithmetic on them wraps modulo 256: a package that runs off the low edge
// lands at high columns or rows and is then found to lie outside the board.
struct GridPoint {
  std::uint8_t x = 0;     // column
  std::uint8_t y = 0;     // row
  std::uint8_t side = 0;  // 0 = bottom copper, 1 = top copper

  friend constexpr bool operator==(GridPoint, GridPoint) = default;

  // Packed form for keys and hashing: column in bits 0-7, row in bits 8-15,
  // side in bit 16.
  [[nodiscard]] constexpr std::uint32_t Packed() const {
    return static_cast<std::uint32_t>(x) | (static_cast<std::uint32_t>(y) << 8U) |
           (static_cast<std::uint32_t>(side & 1U) << 16U);
  }
  [[nodiscard]] static constexpr GridPoint FromPacked(std::uint32_t packed) {
    return GridPoint{static_cast<std::uint8_t>(packed & 0xFFU),
                     static_cast<std::uint8_t>((packed >> 8U) & 0xFFU),
                     static_cast<std::uint8_t>((packed >> 16U) & 1U)};
  }
};

constexpr std::uint8_t WrapCoordinate(int value) {
  return static_cast<std::uint8_t>(static_cast<unsigned>(value) & 0xFFU);
}

constexpr GridPoint MakeGridPoint(int column, int row, int side) {
  return GridPoint{WrapCoordinate(column), WrapCoordinate(row),
                   static_cast<std::uint8_t>(static_cast<unsigned>(side) & 1U)};
}

// A pin table entry: the pin's cell and the value its cell holds at rest.
struct PinPoint {
  GridPoint point;
  GridCell rest = 0;

  friend constexpr bool operator==(PinPoint, PinPoint) = default;
};

}  // namespace cuprum
