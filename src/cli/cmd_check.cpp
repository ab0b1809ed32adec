// cuprum-cli check: verifies the routed copper of a saved board against its
// netlist, independently of the router.
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
#include "route/connectivitycheck.h"
#include "route/routenetlist.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

int RunCheck(const std::vector<std::string>& args) {
  const Arguments a("check", args, {"--generate", "--json"}, {});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  const std::filesystem::path path = a.Positional()[0];

  // The copper as saved.
  CBrdDoc routed;
  if (const int status = LoadBoard("check", path, routed); status != EXIT_OK) return status;
  // The nets, read against the parts laid out from the parts file.
  CBrdDoc parts;
  if (const int status = LoadBoard("check", path, parts); status != EXIT_OK) return status;
  StderrPlatform platform;
  LogFile log;
  FieldReader reader(platform);
  LayoutJob job{parts, platform, log, reader};
  const int laidOut = RunLayout("check", job, a.Has("--generate"));
  if (laidOut == EXIT_BAD_INPUT || laidOut == EXIT_IO_ERROR) return laidOut;
  auto step = log.OpenForWriting();
  if (!step) return a.Fail("cannot write the log " + log.Path().string());
  const int count =
      ReadRouteNetlist(parts, *step, parts.GetRoutePath(platform), parts.PinIndexBase(), reader);
  step->Close();
  PrintLog(log);
  if (count == 0) return a.Fail("no nets to check (see the messages above)");

  const NetList& nets = parts.GetNetList();
  const ConnectivityReport report =
      CheckConnectivity(routed.Grid(), routed.XSize(), routed.YSize(), nets);
  const int open = report.UnjoinedCount();
  const int shorts = static_cast<int>(report.shorts.size());
  auto netName = [&nets](int index) {
    const std::string& name = nets[static_cast<std::size_t>(index)].name;
    return name.empty() ? "#" + std::to_string(index) : name;
  };
  if (a.Has("--json")) {
    JsonWriter json;
    json.BeginObject();
    json.Key("nets").Value(count);
    json.Key("open").BeginArray();
    for (std::size_t i = 0; i < report.nets.size(); ++i)
      if (!report.nets[i].joined) json.Value(netName(static_cast<int>(i)));
    json.EndArray();
    json.Key("shorts").BeginArray();
    for (const NetShort& s : report.shorts)
      json.BeginArray().Value(netName(s.first)).Value(netName(s.second)).EndArray();
    json.EndArray();
    json.EndObject();
    std::printf("%s\n", json.Text().c_str());
  } else {
    for (std::size_t i = 0; i < report.nets.size(); ++i)
      if (!report.nets[i].joined)
        std::printf("open: %s (%d pieces)\n", netName(static_cast<int>(i)).c_str(),
                    report.nets[i].pieces);
    for (const NetShort& s : report.shorts)
      std::printf("short: %s and %s at column %d, row %d, side %d\n", netName(s.first).c_str(),
                  netName(s.second).c_str(), s.at.x, s.at.y, s.at.side);
    std::printf("%d nets: %d open, %d shorts\n", count, open, shorts);
  }
  return open == 0 && shorts == 0 ? EXIT_OK : EXIT_INCOMPLETE;
}

REGISTER_SUBCOMMAND(Subcommand{
    "check", "check BOARD.brd [--generate] [--json]",
    "Check the saved board's copper against its netlist: opens and shorts.",
    "The parts are laid out from the parts file (as the layout command does,\n"
    "nothing is saved) to find the nets' pins; the copper is the saved board's.\n"
    "  --generate   lay the parts out by the generated layout\n"
    "  --json       print {\"nets\": N, \"open\": [names], \"shorts\": [[a, b]...]}\n"
    "Exit 1 when any net is open or two nets touch.",
    RunCheck});

}  // namespace
}  // namespace cuprum::cli
