// The board for a board house in the long-established form: top and bottom
// copper as Gerber files, the aperture list they refer to, and an Excellon
// style drill file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "export/exportio.h"

namespace cuprum {

class CBrdDoc;

constexpr std::string_view DRILL_FILE_EXTENSION = ".cnc";
constexpr std::string_view TOP_COPPER_EXTENSION = ".gtl";
constexpr std::string_view BOTTOM_COPPER_EXTENSION = ".gbl";
constexpr std::string_view APERTURE_LIST_EXTENSION = ".apt";

// The four files' bytes as they go on disk.
struct GerberSet {
  std::string drill;
  std::string topCopper;     // side 1
  std::string bottomCopper;  // side 0
  std::string apertures;
};

GerberSet MakeGerberSet(const CBrdDoc& board);

// Reads the saved board file and writes board.cnc, board.gtl, board.gbl and
// board.apt beside it, in that order.
ExportResult ExportGerber(const std::filesystem::path& boardPath);

}  // namespace cuprum
