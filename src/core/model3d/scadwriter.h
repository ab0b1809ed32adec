// The board as an OpenSCAD script: the board body and every placed part, each
// moved and turned into place and drawn as the solid it is built on.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace cuprum {

class CBrdDoc;
class MechanicalComponent;

// The script's first lines: lengths are written in metres and scaled by
// `meter` into OpenSCAD's millimetres.
constexpr std::string_view SCAD_PREAMBLE = "\r\nmeter = 1000;\r\n";

// Radians to the degrees OpenSCAD turns by.
constexpr double DEGREES_PER_RADIAN = 57.29577951308232;

// One body: its translate and rotate lines and the block they apply to. A
// body without a solid of its own (a pad, a reserved location) gets an empty
// block, so its placement can never reach the next body or dangle at the end
// of the script.
[[nodiscard]] std::string ScadBody(const MechanicalComponent& body);

// The whole script: the preamble, the board body, then every component in
// list order. A board without components gives the board alone.
[[nodiscard]] std::string MakeScad(const CBrdDoc& board);

// Where the OpenSCAD export writes: the board path with ".scad" appended.
[[nodiscard]] std::filesystem::path ScadExportPath(const std::filesystem::path& boardPath);

}  // namespace cuprum
