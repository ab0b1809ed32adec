// Reading a parts list (.prt) or parts layout (.lay) into the board: one
// component per record, each placed as it is read; in a generated layout the
// slots are planned once the whole file is read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "board/fieldreader.h"

#include "parts/layoutmode.h"

namespace cuprum {

class CBrdDoc;
class FieldReader;
class LogStream;
class Platform;

constexpr const char* LOG_CANT_OPEN_LAYOUT = "error: can't open layout file %s\n";
constexpr const char* ZIP_RESOLUTION_WARNING =
    "ZIP component requires board with 0.05 inch or 50 mil resolution in order to place "
    "component accurately";
constexpr const char* LAYOUT_WARNING_CAPTION = "Layout Warning";

// Pin counts beyond this cannot stand on any board (they would line the rim
// of the largest grid on both sides); a record asking for more is an error.
constexpr int MAX_PARTS_FILE_PIN_COUNT = 1160;
// Widths are tenths of an inch; a package wider than the largest board is an
// error.
constexpr int MAX_PARTS_FILE_WIDTH = 255;

// A component left off the board, and the line of the parts file its
// record ended on.
struct RejectedPart {
  std::string name;
  std::int32_t line = 0;
};

struct PartsFileReport {
  int components = 0;  // records read into components
  int rejected = 0;    // components left off the board as not fitting
  int toArrange = 0;   // components the generated layout arranges
  std::vector<RejectedPart> rejectedParts;
  // Number fields that started with a letter and were read as 0.
  std::vector<IntegerSyntaxError> numberErrors;
};

// Whether the file is a parts list (".prt", any case), which carries no
// positions and is laid out by the generated layout; ".lay" (any case) is a
// parts layout.
bool IsPartsListName(const std::filesystem::path& path);

// Returns 1 for success and 0 for failure (the reason is in the log). Files
// whose name ends in neither .prt nor .lay (any case) are not read and count
// as success. Components placed before a failing record stay in the document.
int ReadPartsFile(LogStream& log, CBrdDoc& board, const std::filesystem::path& path,
                  LayoutMode mode, Platform& platform, FieldReader& reader,
                  PartsFileReport* report = nullptr);

}  // namespace cuprum
