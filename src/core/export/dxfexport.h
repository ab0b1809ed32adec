// The board as a two-dimensional DXF drawing in inches: copper as filled
// solids 0.04 inch wide on layers "1" (top) and "2" (bottom), holes as
// circles, through holes also as drill circles on layer "0".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "export/exportio.h"

namespace cuprum {

class CBrdDoc;

constexpr std::string_view DXF_EXTENSION = ".dxf";

// The drawing's bytes as they go on disk.
std::string MakeDxf(const CBrdDoc& board);

// Reads the saved board file and writes board.dxf beside it.
ExportResult ExportDxf(const std::filesystem::path& boardPath);

}  // namespace cuprum
