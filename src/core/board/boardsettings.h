// The values the Board Options and New Board dialogs exchange with a board
// (size in tenths of an inch, resolution, pin numbering base) and the rules
// those dialogs apply to them. The dialogs are thin: every rule lives here so
// the command-line tool applies exactly the same ones.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "board/brddoc.h"
#include "board/units.h"

namespace cuprum {

struct BoardSettings {
  int xTenths = DEFAULT_X_SIZE;
  int yTenths = DEFAULT_Y_SIZE;
  Resolution resolution = Resolution::Mil100;
  int pinBase = 1;

  friend bool operator==(const BoardSettings&, const BoardSettings&) = default;
};

// A board narrower or shallower than one tenth has no inside to place on.
constexpr int MIN_BOARD_TENTHS = 1;
constexpr int MAX_Y_TENTHS = 80;
constexpr int MAX_GRID_COLUMN = 128;
// Columns stop at 128 grid positions, so 50-mil boards are at most 64 tenths
// wide.
constexpr int MaxXTenths(Resolution r) { return MAX_GRID_COLUMN / GridStep(r); }

constexpr const char* POSITIVE_INTEGER_MESSAGE = "Enter a positive integer.";
// "Enter an integer between %1 and %2." filled in.
std::string RangeMessage(int low, int high);

// One size edit as the dialogs read it: an unsigned decimal number within
// [MIN_BOARD_TENTHS, high]. Returns the message to show when the text is
// refused, leaving value alone; nullopt when value was set.
std::optional<std::string> ReadSizeField(std::string_view text, int high, int& value);

// The first message the dialogs' data exchange would stop at (X before Y), or
// nullopt when the values can make a board.
std::optional<std::string> ValidateBoardSettings(const BoardSettings& settings);

// Choosing a resolution in a dialog: 50 mil narrows X to what fits the grid.
void SelectResolution(BoardSettings& settings, Resolution resolution);

// What the dialogs show for a board: its sizes in tenths and its settings.
BoardSettings CurrentBoardSettings(const CBrdDoc& board);
// Stores pin base, resolution and flags, then the sizes scaled by the
// resolution.
void ApplyBoardSettings(CBrdDoc& board, const BoardSettings& settings);

}  // namespace cuprum
