// cuprum-cli export: the manufacturing files of a saved board.
#include <array>
#include <cstdio>

#include "arguments.h"
#include "board/brddoc.h"
#include "boardloading.h"
#include "export/exportcommands.h"
#include "platform/stderrplatform.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

struct ExportChoice {
  const char* option;
  ExportResult (*command)(CBrdDoc&, Platform&);
};

constexpr std::array<ExportChoice, 3> EXPORTS{{
    {"--gerber", OnExportGerber},
    {"--dxf", OnExportDxf},
    {"--fab", OnExportFabrication},
}};

int RunExport(const std::vector<std::string>& args) {
  const Arguments a("export", args, {"--gerber", "--dxf", "--fab"}, {});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  CBrdDoc board;
  if (const int status = LoadBoard("export", a.Positional()[0], board); status != EXIT_OK)
    return status;

  const bool all = !a.Has("--gerber") && !a.Has("--dxf") && !a.Has("--fab");
  // The commands' message boxes become "reason: text" lines on stderr.
  StderrPlatform platform;
  for (const ExportChoice& choice : EXPORTS) {
    if (!all && !a.Has(choice.option)) continue;
    const ExportResult result = choice.command(board, platform);
    for (const std::filesystem::path& path : result.written) std::printf("%s\n", path.c_str());
    if (!result.Ok()) return EXIT_IO_ERROR;
  }
  return EXIT_OK;
}

REGISTER_SUBCOMMAND(Subcommand{
    "export", "export BOARD.brd [--gerber] [--dxf] [--fab]",
    "Write a board's manufacturing files and list them.",
    "  --gerber  BOARD.cnc (drill), BOARD.gtl, BOARD.gbl (copper), BOARD.apt\n"
    "            (apertures) beside the board\n"
    "  --dxf     BOARD.dxf beside the board\n"
    "  --fab     the folder BOARD_fab: RS-274X copper, solder mask and outline,\n"
    "            Excellon drill file (see docs/fabrication.md)\n"
    "  without options all of them are written",
    RunExport});

}  // namespace
}  // namespace cuprum::cli
