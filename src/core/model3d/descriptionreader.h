// Reading a component description onto a board: each statement is read in
// turn; package statements become placed components, the CircuitBoard
// statement sizes the board, declarations define constants such as
// tenth_inch, and plain bodies are read and dropped.
#pragma once

#include <string_view>

namespace cuprum {

class CBrdDoc;
class Platform;

constexpr const char* UNEXPECTED_FILE_CONTENT = "Unexpected file content";
constexpr const char* UNEXPECTED_FILE_CONTENT_CAPTION = "Error";
constexpr const char* FIRST_PASS_FIT_CAPTION = "Component did not fit in current Board size";
constexpr const char* SECOND_PASS_FIT_CAPTION =
    "Could not fit Component on Board or Board size not defined";
constexpr const char* BOARD_LARGER_THAN_GRID = "CircuitBoard larger than the board grid";
constexpr const char* BOARD_LAYER_COUNT = "CircuitBoard must have 1 or 2 layers";

// The largest board the 50-mil grid holds: 6.4 by 8.0 inches, in tenths.
constexpr double LARGEST_50_MIL_WIDTH_TENTHS = 64.0;
constexpr double LARGEST_50_MIL_DEPTH_TENTHS = 80.0;

struct DescriptionReadResult {
  int errorLevel = 0;      // the reporters' level when reading ended
  bool readTwice = false;  // the board needed the 100-mil grid and was read again
};

// Reads a whole description into the board's item list (the caller empties
// the list first, as opening a document does) and rebuilds the grid from the
// components. The board starts on the 50-mil grid; a CircuitBoard too large
// for it switches to 100 mil, and the description is then read again.
// Messages go to the platform as message boxes.
DescriptionReadResult ReadDescription(CBrdDoc& board, std::string_view text, Platform& platform);

}  // namespace cuprum
