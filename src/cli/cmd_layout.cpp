// cuprum-cli layout: places the board's components from its parts file.
#include <cstdio>

#include "arguments.h"
#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "boardloading.h"
#include "layoutjob.h"
#include "platform/stderrplatform.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

int RunLayoutCommand(const std::vector<std::string>& args) {
  const Arguments a("layout", args, {"--generate"}, {});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  const std::filesystem::path path = a.Positional()[0];

  CBrdDoc board;
  if (const int status = LoadBoard("layout", path, board); status != EXIT_OK) return status;
  StderrPlatform platform;
  LogFile log;
  FieldReader reader(platform);
  LayoutJob job{board, platform, log, reader};
  const int status = RunLayout("layout", job, a.Has("--generate"));
  if (status == EXIT_BAD_INPUT || status == EXIT_IO_ERROR) return status;
  if (const int saved = SaveBoard("layout", path, board); saved != EXIT_OK) return saved;
  std::printf("%s: %zu component(s) placed\n", path.c_str(), board.Items().size());
  return status;
}

REGISTER_SUBCOMMAND(Subcommand{
    "layout", "layout BOARD.brd [--generate]",
    "Place the components from the board's .lay (or .prt) file and save the board.",
    "  --generate   arrange the components by the generated layout instead of\n"
    "               the positions in the .lay file (used anyway when only a\n"
    "               .prt file exists)\n"
    "The parts file lies beside the board with the same base name. The log\n"
    "and any message boxes go to stderr. Exit 1 when components did not fit\n"
    "the board, 2 when the parts file or the netlist failed to parse.",
    RunLayoutCommand});

}  // namespace
}  // namespace cuprum::cli
