// cuprum-cli export: the manufacturing files of a saved board.
#include <array>
#include <cstdio>

#include "arguments.h"
#include "board/brddoc.h"
#include "boardloading.h"
#include "export/exportcommands.h"
#include "export/modelexportcommands.h"
#include "layoutjob.h"
#include "platform/stderrplatform.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

struct ExportChoice {
  const char* option;
  ExportResult (*command)(CBrdDoc&, Platform&);
};

// From the copper of the saved board.
constexpr std::array<ExportChoice, 3> COPPER_EXPORTS{{
    {"--gerber", OnExportGerber},
    {"--dxf", OnExportDxf},
    {"--fab", OnExportFabrication},
}};
// From the components, which a board file does not hold: the board is laid
// out from its parts file first.
constexpr std::array<ExportChoice, 2> MODEL_EXPORTS{{
    {"--scad", OnExportScad},
    {"--cft", OnExport3dCode},
}};

int Report(const ExportResult& result) {
  for (const std::filesystem::path& path : result.written) std::printf("%s\n", path.c_str());
  return result.Ok() ? EXIT_OK : EXIT_IO_ERROR;
}

int RunExport(const std::vector<std::string>& args) {
  const Arguments a("export", args,
                    {"--gerber", "--dxf", "--fab", "--scad", "--cft", "--generate"}, {});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  const std::filesystem::path path = a.Positional()[0];
  CBrdDoc board;
  if (const int status = LoadBoard("export", path, board); status != EXIT_OK) return status;

  bool all = true;
  for (const char* option : {"--gerber", "--dxf", "--fab", "--scad", "--cft"})
    if (a.Has(option)) all = false;
  // The commands' message boxes become "reason: text" lines on stderr.
  StderrPlatform platform;
  for (const ExportChoice& choice : COPPER_EXPORTS) {
    if (!all && !a.Has(choice.option)) continue;
    if (const int status = Report(choice.command(board, platform)); status != EXIT_OK)
      return status;
  }

  bool modelWanted = all;
  for (const ExportChoice& choice : MODEL_EXPORTS) modelWanted = modelWanted || a.Has(choice.option);
  if (!modelWanted) return EXIT_OK;
  if (all && !HasPartsFile(path)) {
    // Asked for everything of a board without parts: the copper is all there is.
    std::fprintf(stderr, "cuprum-cli export: %s has no parts file; no 3D model written\n",
                 path.c_str());
    return EXIT_OK;
  }
  // A separate document, so that the saved board's copper is never touched.
  CBrdDoc parts;
  const int laidOut = LayOutPartsOf("export", path, a.Has("--generate"), platform, parts);
  if (laidOut == EXIT_BAD_INPUT || laidOut == EXIT_IO_ERROR) return laidOut;
  for (const ExportChoice& choice : MODEL_EXPORTS) {
    if (!all && !a.Has(choice.option)) continue;
    if (const int status = Report(choice.command(parts, platform)); status != EXIT_OK)
      return status;
  }
  return EXIT_OK;
}

REGISTER_SUBCOMMAND(Subcommand{
    "export", "export BOARD.brd [--gerber] [--dxf] [--fab] [--scad] [--cft] [--generate]",
    "Write a board's manufacturing files and list them.",
    "  --gerber  BOARD.cnc (drill), BOARD.gtl, BOARD.gbl (copper), BOARD.apt\n"
    "            (apertures) beside the board\n"
    "  --dxf     BOARD.dxf beside the board\n"
    "  --fab     the folder BOARD_fab: RS-274X copper, solder mask and outline,\n"
    "            Excellon drill file (see docs/fabrication.md)\n"
    "  --scad    BOARD.brd.scad, an OpenSCAD model of the board and its parts\n"
    "  --cft     BOARD.brd.cft, the component description of the board\n"
    "            (--scad and --cft lay the board out from its parts file first;\n"
    "            --generate uses the generated layout)\n"
    "  without options all of them are written",
    RunExport});

}  // namespace
}  // namespace cuprum::cli
