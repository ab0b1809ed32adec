// cuprum-cli route: lays the board out, routes it and saves it.
#include <chrono>
#include <cstdio>

#include "arguments.h"
#include "board/boardcommands.h"
#include "board/boardstatistics.h"
#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "boardloading.h"
#include "cliplatform.h"
#include "layoutjob.h"
#include "route/connectivitycheck.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

std::string NetLabel(const CBrdDoc& board, int index) {
  const std::string& name = board.GetNetList()[static_cast<std::size_t>(index)].name;
  return name.empty() ? "#" + std::to_string(index) : name;
}

int RunRoute(const std::vector<std::string>& args) {
  const Arguments a("route", args, {"--generate", "--recursive"}, {"--time-limit"});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  RouteOptions options;
  options.diagnostics = nullptr;
  if (const auto limit = a.Value("--time-limit")) {
    const auto seconds = ParseInt(*limit, 1, 24 * 3600);
    if (!seconds) return a.Fail("--time-limit takes whole seconds from 1 to 86400, not '" + *limit + "'");
    options.deadline = std::chrono::steady_clock::now() + std::chrono::seconds(*seconds);
  }
  const std::filesystem::path path = a.Positional()[0];

  CBrdDoc board;
  if (const int status = LoadBoard("route", path, board); status != EXIT_OK) return status;
  CliPlatform platform;
  LogFile log;
  FieldReader reader(platform);
  LayoutJob job{board, platform, log, reader};
  const int laidOut = RunLayout("route", job, a.Has("--generate"));
  if (laidOut == EXIT_BAD_INPUT || laidOut == EXIT_IO_ERROR) return laidOut;

  BoardCommandContext context{board, platform, log, reader};
  const CommandOutcome routed =
      a.Has("--recursive") ? OnRouteRecursive(context, options) : OnRoute(context, options);
  platform.EndProgress();
  PrintLog(log);
  if (routed.status == CommandStatus::RouteFileError) {
    if (log.ReadText().empty())
      std::fprintf(stderr, "cuprum-cli route: %s holds no net of two or more pins\n",
                   board.GetRoutePath(platform).c_str());
    return EXIT_BAD_INPUT;
  }
  if (routed.status == CommandStatus::LogUnavailable) return EXIT_IO_ERROR;
  if (const int saved = SaveBoard("route", path, board); saved != EXIT_OK) return saved;

  const int total = board.GetNetList().Count();
  const int complete = total - routed.failedNets;
  std::printf("routed %d of %d nets, %d vias\n", complete, total, CountVias(board));
  if (routed.status == CommandStatus::OutOfMemory) return EXIT_INCOMPLETE;
  // The router's own count cannot see nets joined through shared pin cells;
  // the independent check can.
  const ConnectivityReport report = CheckConnectivity(board);
  for (const NetShort& s : report.shorts)
    std::fprintf(stderr, "cuprum-cli route: short: nets %s and %s touch at column %d, row %d\n",
                 NetLabel(board, s.first).c_str(), NetLabel(board, s.second).c_str(), s.at.x,
                 s.at.y);
  const bool clean = routed.failedNets == 0 && report.shorts.empty();
  return clean && laidOut == EXIT_OK ? EXIT_OK : EXIT_INCOMPLETE;
}

REGISTER_SUBCOMMAND(Subcommand{
    "route", "route BOARD.brd [--generate] [--recursive] [--time-limit SECONDS]",
    "Lay the board out, route its nets from the .rou file and save it.",
    "  --generate          lay the board out by the generated layout\n"
    "  --recursive         search for an order of nets in which every net fits\n"
    "                      (can take long; see --time-limit)\n"
    "  --time-limit S      stop routing after S seconds; the nets laid by then\n"
    "                      stay, the rest are reported\n"
    "Ends with 'routed N of M nets, V vias'. Exit 0 when every net is complete,\n"
    "1 when nets are left open or parts did not fit, 2 for bad input.",
    RunRoute});

}  // namespace
}  // namespace cuprum::cli
