// cuprum-cli info: what a board file holds.
#include <algorithm>
#include <cstdio>

#include "arguments.h"
#include "board/boardstatistics.h"
#include "board/brddoc.h"
#include "board/documentio.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "boardloading.h"
#include "layoutjob.h"
#include "parts/component.h"
#include "platform/stderrplatform.h"
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

int PinsToShow(const Component& component) {
  return std::min(std::max(component.PinCount(), 0), static_cast<int>(component.Pins().size()));
}

void WriteComponentsJson(JsonWriter& json, const CBrdDoc& board) {
  json.Key("components").BeginArray();
  for (const auto& item : board.Items()) {
    const Component* component = item->GetComponent();
    if (component == nullptr) continue;
    json.BeginObject();
    json.Key("type").Value(std::string(1, component->TypeLetter()));
    json.Key("letter").Value(std::string(1, component->Letter()));
    json.Key("name").Value(component->Name());
    json.Key("pins").BeginArray();
    for (int i = 0; i < PinsToShow(*component); ++i) {
      const GridPoint p = component->Pins()[static_cast<std::size_t>(i)].point;
      json.BeginArray().Value(int{p.x}).Value(int{p.y}).Value(int{p.side}).EndArray();
    }
    json.EndArray();
    json.Key("width").Value(component->Width());
    json.Key("direction").Value(std::string(1, component->Direction()));
    json.EndObject();
  }
  json.EndArray();
}

void PrintComponents(const CBrdDoc& board) {
  std::printf("components:    %zu\n", board.Items().size());
  for (const auto& item : board.Items()) {
    const Component* component = item->GetComponent();
    if (component == nullptr) continue;
    std::printf("%c %c %s: %d pins, width %d, direction %c\n", component->TypeLetter(),
                component->Letter(), component->Name().c_str(), component->PinCount(),
                component->Width(), component->Direction());
    for (int i = 0; i < PinsToShow(*component); ++i) {
      const GridPoint p = component->Pins()[static_cast<std::size_t>(i)].point;
      const GridCell cell = BoardGrid::Contains(p) ? board.Grid()[p] : 0;
      std::printf("    pin %d: column %d, row %d, side %d, cell 0x%04x\n",
                  i + board.PinIndexBase(), p.x, p.y, p.side, static_cast<unsigned>(cell));
    }
  }
}

int RunInfo(const std::vector<std::string>& args) {
  const Arguments a("info", args, {"--json", "--components", "--generate"}, {});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  CBrdDoc board;
  if (const int status = LoadBoard("info", a.Positional()[0], board); status != EXIT_OK)
    return status;
  int status = EXIT_OK;
  const bool components = a.Has("--components");
  if (components && IsBoardFileName(a.Positional()[0])) {
    // A board file holds no components: lay the board out as the layout
    // command does, without saving anything. (A component description
    // brought its components along.)
    StderrPlatform platform;
    LogFile log;
    FieldReader reader(platform);
    LayoutJob job{board, platform, log, reader};
    status = RunLayout("info", job, a.Has("--generate"));
    if (status == EXIT_BAD_INPUT || status == EXIT_IO_ERROR) return status;
  }
  if (a.Has("--json")) {
    JsonWriter json;
    json.BeginObject();
    WriteBoardInfoJson(json, board);
    if (components) WriteComponentsJson(json, board);
    json.EndObject();
    std::printf("%s\n", json.Text().c_str());
  } else {
    PrintBoardInfo(board);
    if (components) PrintComponents(board);
  }
  return status;
}

REGISTER_SUBCOMMAND(Subcommand{
    "info", "info BOARD.brd [--json] [--components [--generate]]",
    "Show a board's size, resolution, pin base and copper counts.",
    "  --json   print one JSON object (keys x_tenths, y_tenths, x_size, y_size,\n"
    "           resolution_mil, pin_base, layers, through_holes, copper_cells,\n"
    "           hole_cells, fixed_cells; the per-side counts as [bottom, top])\n"
    "  --components  lay the board out from its parts file first (as the layout\n"
    "           command does, nothing is saved) and list every component with\n"
    "           its pins; JSON adds \"components\": [{type, letter, name, pins:\n"
    "           [[column,row,side]...], width, direction}]\n"
    "  --generate  with --components: the generated layout",
    RunInfo});

}  // namespace
}  // namespace cuprum::cli
