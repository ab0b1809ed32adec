// cuprum-cli nets: the board's nets in routing order.
#include <cstdio>

#include "arguments.h"
#include "board/boardcommands.h"
#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "boardloading.h"
#include "json.h"
#include "layoutjob.h"
#include "platform/stderrplatform.h"
#include "route/routenetlist.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

void PrintNetsJson(const NetList& nets) {
  JsonWriter json;
  json.BeginObject().Key("nets").BeginArray();
  for (const NetNode& net : nets) {
    json.BeginObject();
    json.Key("name").Value(net.name);
    json.Key("points").BeginArray();
    for (const PinPoint& p : net.points)
      json.BeginArray().Value(int{p.point.x}).Value(int{p.point.y}).Value(int{p.point.side}).EndArray();
    json.EndArray();
    json.Key("box").BeginArray().Value(int{net.minColumn}).Value(int{net.minRow})
        .Value(int{net.maxColumn}).Value(int{net.maxRow}).EndArray();
    json.Key("congestion").Value(static_cast<long long>(net.congestion));
    json.EndObject();
  }
  json.EndArray().EndObject();
  std::printf("%s\n", json.Text().c_str());
}

void PrintNets(const NetList& nets) {
  int index = 0;
  for (const NetNode& net : nets) {
    std::printf("%d %s: box (%d,%d)-(%d,%d), congestion %d, points", index++,
                net.name.empty() ? "(unnamed)" : net.name.c_str(), net.minColumn, net.minRow,
                net.maxColumn, net.maxRow, static_cast<int>(net.congestion));
    for (const PinPoint& p : net.points) std::printf(" (%d,%d,%d)", p.point.x, p.point.y, p.point.side);
    std::printf("\n");
  }
}

int RunNets(const std::vector<std::string>& args) {
  const Arguments a("nets", args, {"--json", "--generate"}, {});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  const std::filesystem::path path = a.Positional()[0];

  CBrdDoc board;
  if (const int status = LoadBoard("nets", path, board); status != EXIT_OK) return status;
  StderrPlatform platform;
  LogFile log;
  FieldReader reader(platform);
  LayoutJob job{board, platform, log, reader};
  const int laidOut = RunLayout("nets", job, a.Has("--generate"));
  if (laidOut == EXIT_BAD_INPUT || laidOut == EXIT_IO_ERROR) return laidOut;

  const std::filesystem::path route = board.GetRoutePath(platform);
  auto step = log.OpenForWriting();
  if (!step) return a.Fail("cannot write the log " + log.Path().string());
  const int count = ReadRouteNetlist(board, *step, route, board.PinIndexBase(), reader);
  step->Close();
  PrintLog(log);
  if (count == 0) {
    platform.MessageBox(ROUTE_FILE_ERROR_MESSAGE, ROUTE_FAILED_CAPTION, MessageIcon::Error,
                        MessageButtons::Ok);
    return EXIT_BAD_INPUT;
  }
  if (a.Has("--json")) PrintNetsJson(board.GetNetList());
  else PrintNets(board.GetNetList());
  return EXIT_OK;
}

REGISTER_SUBCOMMAND(Subcommand{
    "nets", "nets BOARD.brd [--json] [--generate]",
    "Lay the board out, read its .rou netlist and list the nets in routing order.",
    "  --json       print {\"nets\":[{\"name\",\"points\":[[column,row,side]...],\n"
    "               \"box\":[minColumn,minRow,maxColumn,maxRow],\"congestion\"}]}\n"
    "  --generate   lay the board out by the generated layout\n"
    "Each net shows its points in the order the router joins them, its\n"
    "bounding box and its congestion key. Exit 2 when the netlist fails to parse.",
    RunNets});

}  // namespace
}  // namespace cuprum::cli
