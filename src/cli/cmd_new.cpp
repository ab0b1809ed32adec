// cuprum-cli new: an empty board with its border marked, or a bus card with
// its preset parts layout and route netlist beside it.
#include <array>
#include <cstdio>
#include <string_view>

#include "arguments.h"
#include "board/brddoc.h"
#include "board/newboard.h"
#include "boardloading.h"
#include "platform/stderrplatform.h"
#include "settingsoptions.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

struct PresetName {
  std::string_view name;
  BoardType type;
};

constexpr std::array<PresetName, BOARD_TYPE_COUNT> PRESET_NAMES = {{
    {"general", BoardType::General},
    {"isa8", BoardType::Isa8},
    {"isa16", BoardType::Isa16},
    {"apple2", BoardType::AppleII},
    {"pc104", BoardType::Pc104},
    {"pc104-8", BoardType::Pc104Isa8},
    {"pc104-16", BoardType::Pc104Isa16},
}};

std::optional<BoardType> PresetFromName(std::string_view name) {
  for (const PresetName& preset : PRESET_NAMES)
    if (preset.name == name) return preset.type;
  return std::nullopt;
}

int RunNew(const std::vector<std::string>& args) {
  const Arguments a("new", args, {}, {"--size", "--resolution", "--pin-base", "--preset"});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");

  CBrdDoc board;
  NewBoardSettings settings = NewBoardDialogValues(board);
  if (const auto problem = ReadSettingsOptions(a, settings)) return a.Fail(*problem);
  if (const auto name = a.Value("--preset")) {
    const auto type = PresetFromName(*name);
    if (!type)
      return a.Fail(
          "--preset takes general, isa8, isa16, apple2, pc104, pc104-8 or pc104-16, "
          "not '" +
          *name + "'");
    SelectBoardType(settings, *type);
  }
  if (const auto problem = ValidateBoardSettings(settings)) return a.Fail("--size: " + *problem);

  // The board is named up front, so a preset's files land beside it without
  // asking; it is saved once they are written.
  const std::filesystem::path path = a.Positional()[0];
  board.SetPathName(path);
  StderrPlatform platform;
  switch (OnNewDocument(board, platform, settings)) {
    case NewBoardStatus::Created: break;
    case NewBoardStatus::Cancelled:
    case NewBoardStatus::Rejected: return a.Fail("the board could not be created");
    case NewBoardStatus::FileError: return EXIT_IO_ERROR;
  }
  if (const int status = SaveBoard("new", path, board); status != EXIT_OK) return status;

  std::printf("%s: new board %d x %d tenths at %d mil, pins numbered from %d\n", path.c_str(),
              settings.xTenths, settings.yTenths, ResolutionMil(settings.resolution),
              settings.pinBase);
  if (settings.type != BoardType::General) {
    const std::string label(BoardTypeLabel(settings.type));
    std::printf("%s preset: %s, %s\n", label.c_str(), DeriveTextPath(path, "lay").c_str(),
                DeriveTextPath(path, "rou").c_str());
  }
  return EXIT_OK;
}

REGISTER_SUBCOMMAND(Subcommand{
    "new", "new BOARD.brd [--preset TYPE] [--size X,Y] [--resolution 100|50] [--pin-base 0|1]",
    "Create an empty board with its border marked and save it; a bus-card preset also "
    "writes its .lay and .rou files.",
    std::string(SETTINGS_OPTIONS_HELP) +
        "                      (defaults: 64,40 at 100 mil, pins from 1)\n"
        "  --preset TYPE       general, isa8 (8-bit ISA), isa16 (16-bit ISA), apple2\n"
        "                      (Apple II), pc104, pc104-8, pc104-16 (PC/104 family).\n"
        "                      ISA and Apple II cards widen the board to fit their edge\n"
        "                      connector (X at least 44, 64 or 34; Y at least 12); the\n"
        "                      PC/104 family is always 38,36. A bus card gets the parts\n"
        "                      layout (.lay) and route netlist (.rou) of its connector,\n"
        "                      overwriting files of those names beside the board.",
    RunNew});

}  // namespace
}  // namespace cuprum::cli
