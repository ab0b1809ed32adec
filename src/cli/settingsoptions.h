// The board-settings options shared by `new` and `options`: --size X,Y,
// --resolution 100|50 and --pin-base 0|1.
#pragma once

#include <optional>
#include <string>

#include "board/boardsettings.h"

namespace cuprum::cli {

class Arguments;

// Reads the options over `settings`. A resolution of 50 mil given without a
// size narrows X as choosing 50 mil in the dialogs does; an explicit size is
// taken as given and checked later. Returns the complaint about a malformed
// option, or nullopt.
std::optional<std::string> ReadSettingsOptions(const Arguments& args, BoardSettings& settings);

// The options' lines for a subcommand's help.
inline constexpr const char* SETTINGS_OPTIONS_HELP =
    "  --size X,Y          width and depth in tenths of an inch;\n"
    "                      X 1..128 at 100 mil, 1..64 at 50 mil; Y 1..80\n"
    "  --resolution 100|50 grid pitch in mil\n"
    "  --pin-base 0|1      number of every component's first pin\n";

}  // namespace cuprum::cli
