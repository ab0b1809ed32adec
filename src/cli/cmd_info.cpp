// cuprum-cli info: what a board file holds.
#include <cstdio>

#include "arguments.h"
#include "board/boardstatistics.h"
#include "board/brddoc.h"
#include "boardloading.h"
#include "info.h"
#include "json.h"
#include "subcommand.h"

namespace cuprum::cli {

void WriteBoardInfoJson(JsonWriter& json, const CBrdDoc& board) {
  const BoardStatistics stats = ComputeBoardStatistics(board);
  json.Key("x_tenths").Value(board.XTenths());
  json.Key("y_tenths").Value(board.YTenths());
  json.Key("x_size").Value(board.XSize());
  json.Key("y_size").Value(board.YSize());
  json.Key("resolution_mil").Value(ResolutionMil(board.GetResolution()));
  json.Key("pin_base").Value(board.PinIndexBase());
  json.Key("layers").Value(board.Layers());
  json.Key("through_holes").Value(stats.throughHoles);
  json.Key("copper_cells").BeginArray().Value(stats.copperCells[0]).Value(stats.copperCells[1]).EndArray();
  json.Key("hole_cells").BeginArray().Value(stats.holeCells[0]).Value(stats.holeCells[1]).EndArray();
  json.Key("fixed_cells").BeginArray().Value(stats.fixedCells[0]).Value(stats.fixedCells[1]).EndArray();
}

void PrintBoardInfo(const CBrdDoc& board) {
  const BoardStatistics stats = ComputeBoardStatistics(board);
  std::printf("size:          %d x %d tenths of an inch (%d x %d grid positions)\n",
              board.XTenths(), board.YTenths(), board.XSize(), board.YSize());
  std::printf("resolution:    %d mil\n", ResolutionMil(board.GetResolution()));
  std::printf("pin base:      %d\n", board.PinIndexBase());
  std::printf("layers:        %d\n", board.Layers());
  static const char* const sideNames[] = {"bottom (side 0)", "top (side 1)"};
  for (std::size_t side = 0; side < 2; ++side)
    std::printf("%-15s copper %d, hole %d, fixed %d cells\n", sideNames[side],
                stats.copperCells[side], stats.holeCells[side], stats.fixedCells[side]);
  std::printf("through holes: %d\n", stats.throughHoles);
}

namespace {

int RunInfo(const std::vector<std::string>& args) {
  const Arguments a("info", args, {"--json"}, {});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  CBrdDoc board;
  if (const int status = LoadBoard("info", a.Positional()[0], board); status != EXIT_OK)
    return status;
  if (a.Has("--json")) {
    JsonWriter json;
    json.BeginObject();
    WriteBoardInfoJson(json, board);
    json.EndObject();
    std::printf("%s\n", json.Text().c_str());
  } else {
    PrintBoardInfo(board);
  }
  return EXIT_OK;
}

REGISTER_SUBCOMMAND(Subcommand{
    "info", "info BOARD.brd [--json]",
    "Show a board's size, resolution, pin base and copper counts.",
    "  --json   print one JSON object (keys x_tenths, y_tenths, x_size, y_size,\n"
    "           resolution_mil, pin_base, layers, through_holes, copper_cells,\n"
    "           hole_cells, fixed_cells; the per-side counts as [bottom, top])",
    RunInfo});

}  // namespace
}  // namespace cuprum::cli
