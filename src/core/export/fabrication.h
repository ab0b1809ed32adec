// A fabrication set as board houses take it today, in a folder beside the
// board: RS-274X copper and solder mask with their apertures defined inside,
// the board outline, and an Excellon drill file with its tool table. The
// copper follows the same strokes and flashes as the Gerber export; the
// sizes come from FabricationRulesFor.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "export/exportio.h"

namespace cuprum {

class CBrdDoc;

constexpr std::string_view FAB_FOLDER_SUFFIX = "_fab";
constexpr std::string_view FAB_TOP_COPPER_EXTENSION = ".gtl";
constexpr std::string_view FAB_BOTTOM_COPPER_EXTENSION = ".gbl";
constexpr std::string_view FAB_TOP_MASK_EXTENSION = ".gts";
constexpr std::string_view FAB_BOTTOM_MASK_EXTENSION = ".gbs";
constexpr std::string_view FAB_OUTLINE_EXTENSION = ".gko";
constexpr std::string_view FAB_DRILL_EXTENSION = ".drl";

struct FabricationSet {
  std::string topCopper;     // side 1
  std::string bottomCopper;  // side 0
  std::string topMask;       // openings over the side 1 pads
  std::string bottomMask;
  std::string outline;  // the board edge
  std::string drill;    // plated holes through both sides
};

FabricationSet MakeFabricationSet(const CBrdDoc& board);

// board.brd gives the folder board_fab beside it.
std::filesystem::path FabricationFolder(const std::filesystem::path& boardPath);

// Reads the saved board file and writes the set into its folder (created
// when missing) as board.gtl, .gbl, .gts, .gbs, .gko and .drl.
ExportResult ExportFabrication(const std::filesystem::path& boardPath);

}  // namespace cuprum
