// A new, empty board: its size limits and its initial grid.
#pragma once

#include <optional>
#include <string>

#include "board/units.h"

namespace cuprum {

class CBrdDoc;

struct NewBoardSettings {
  int xTenths = 64;
  int yTenths = 40;
  Resolution resolution = Resolution::Mil100;
  int pinBase = 1;
};

constexpr int MIN_BOARD_TENTHS = 1;
constexpr int MAX_Y_TENTHS = 80;
// Columns stop at 128 grid positions, so 50-mil boards are at most 64 tenths
// wide.
constexpr int MaxXTenths(Resolution r) { return 128 / GridStep(r); }

// The dialogs' range message, "Enter an integer between %1 and %2.", filled.
std::string RangeMessage(int low, int high);

// Why the settings cannot make a board (the range message of the first size
// out of range), or nullopt when they can.
std::optional<std::string> ValidateNewBoard(const NewBoardSettings& settings);

// Sizes and settings stored, grid cleared and the border marked.
void InitializeNewBoard(CBrdDoc& board, const NewBoardSettings& settings);

}  // namespace cuprum
