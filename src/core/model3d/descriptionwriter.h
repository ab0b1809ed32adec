// The component description: the board and its placed parts as C++-like
// source text, one declaration per body, which the description reader turns
// back into a board. Users edit these files by hand and feed them to their
// own tools, so every byte of the text is fixed.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cuprum {

class CBrdDoc;
class MechanicalComponent;

// Why a board without components has no description.
constexpr std::string_view NO_COMPONENTS_MESSAGE = "No components in list";

// The include lines every description opens with.
constexpr std::string_view DESCRIPTION_HEADER =
    "#include \"stdafx.h\"\r\n\r\n"
    "#include \"Component.h\"\r\n"
    "#include \"Cube.h\"\r\n"
    "#include \"Cylinder.h\"\r\n"
    "#include \"Sphere.h\"\r\n"
    "#include \"Component2Pin.h\"\r\n"
    "#include \"DIP.h\"\r\n"
    "#include \"SIP.h\"\r\n"
    "#include \"ZIP.h\"\r\n"
    "#include \"Edge.h\"\r\n\r\n";

// The unit every grid length is written in.
constexpr std::string_view DESCRIPTION_CONSTANT = "\r\n\r\n\r\nconst float tenth_inch=0.00254;\r\n\r\n";

// The letters Z to B name the first 25 components made after a reset; every
// later one is lettered Z again. Those later ones get their position in the
// list after the letter (pDIP_Z26), so that no two declarations share a name.
constexpr int LETTERED_OBJECTS = 25;

// One body's declaration: header line, argument lines, closing line. The
// suffix follows the letter in the declared name.
[[nodiscard]] std::string DescribeBody(const MechanicalComponent& body,
                                       std::string_view nameSuffix = {});

// The name a body is declared under (pDIP_Z, pCircuitBoard_X, ...), suffix
// included.
[[nodiscard]] std::string DeclaredName(const MechanicalComponent& body,
                                       std::string_view nameSuffix = {});

// The whole description of the board: the include lines, the constant, the
// board body, then every component in list order. Empty when the board holds
// no components (NO_COMPONENTS_MESSAGE says why).
[[nodiscard]] std::optional<std::string> MakeDescription(const CBrdDoc& board);

// Where the description export writes: the board path with ".cft" appended
// (board.brd gives board.brd.cft).
[[nodiscard]] std::filesystem::path DescriptionExportPath(const std::filesystem::path& boardPath);

}  // namespace cuprum
