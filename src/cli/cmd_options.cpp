// cuprum-cli options: changes a board's size, resolution or pin numbering
// base as Project > Options does, re-laying the board when its size changed.
#include <cstdio>

#include "arguments.h"
#include "board/boardcommands.h"
#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "board/optionscommand.h"
#include "boardloading.h"
#include "layoutjob.h"
#include "platform/stderrplatform.h"
#include "settingsoptions.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

// The command's exit status after the re-layout.
int LayoutStatus(const CommandOutcome& layout) {
  switch (layout.status) {
    case CommandStatus::Done:
      if (layout.rejectedComponents > 0) {
        std::fprintf(stderr, "cuprum-cli options: %d component(s) did not fit the board\n",
                     layout.rejectedComponents);
        return EXIT_INCOMPLETE;
      }
      return EXIT_OK;
    case CommandStatus::PartsError:
    case CommandStatus::RouteFileError:
    case CommandStatus::Cancelled: return EXIT_BAD_INPUT;
    case CommandStatus::LogUnavailable: return EXIT_IO_ERROR;
    case CommandStatus::Incomplete:
    case CommandStatus::OutOfMemory: return EXIT_INCOMPLETE;
  }
  return EXIT_OK;
}

int RunOptions(const std::vector<std::string>& args) {
  const Arguments a("options", args, {}, {"--size", "--resolution", "--pin-base"});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  const std::filesystem::path path = a.Positional()[0];

  CBrdDoc board;
  if (const int status = LoadBoard("options", path, board); status != EXIT_OK) return status;
  BoardSettings settings = BoardOptionsDialogValues(board);
  if (const auto problem = ReadSettingsOptions(a, settings)) return a.Fail(*problem);
  if (const auto problem = ValidateBoardSettings(settings)) return a.Fail("--size: " + *problem);

  StderrPlatform platform;
  LogFile log;
  FieldReader reader(platform);
  BoardCommandContext context{board, platform, log, reader};
  const OptionsOutcome outcome =
      OnProjectOptions(context, settings, RelayRule::WhenPartsFileExists);
  int status = EXIT_OK;
  if (outcome.relaid) {
    PrintLog(log);
    status = LayoutStatus(outcome.layout);
    // A layout that failed to read leaves the board file as it was.
    if (status == EXIT_BAD_INPUT || status == EXIT_IO_ERROR) return status;
  }
  if (board.IsModified()) {
    if (const int saved = SaveBoard("options", path, board); saved != EXIT_OK) return saved;
  }

  const char* what = !outcome.boardChanged ? "board not re-laid"
                     : outcome.relaid      ? "board re-laid from its parts file"
                                           : "grid cleared";
  std::printf("%s: %d x %d tenths at %d mil, pins numbered from %d; %s\n", path.c_str(),
              settings.xTenths, settings.yTenths, ResolutionMil(settings.resolution),
              settings.pinBase, what);
  return status;
}

REGISTER_SUBCOMMAND(Subcommand{
    "options", "options BOARD.brd [--size X,Y] [--resolution 100|50] [--pin-base 0|1]",
    "Change the board's size, resolution or pin numbering base and save it.",
    std::string(SETTINGS_OPTIONS_HELP) +
        "                      (each defaults to the board's current value)\n"
        "A changed size or resolution lays the board out again from its .lay (or\n"
        "generated from its .prt) file beside it, or clears the grid when there is\n"
        "none. A changed pin base alone changes nothing else. Exit 1 when components\n"
        "did not fit the board, 2 when the parts file or netlist failed to parse.",
    RunOptions});

}  // namespace
}  // namespace cuprum::cli
