// cuprum-cli route: lays the board out, routes it and saves it.
#include <chrono>
#include <cstdio>

#include "arguments.h"
#include "board/boardstatistics.h"
#include "board/brddoc.h"
#include "routejob.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

int RunRoute(const std::vector<std::string>& args) {
  const Arguments a("route", args, {"--generate", "--recursive"}, {"--time-limit"});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  RouteRequest request;
  request.generate = a.Has("--generate");
  request.recursive = a.Has("--recursive");
  if (const auto limit = a.Value("--time-limit")) {
    const auto seconds = ParseInt(*limit, 1, 24 * 3600);
    if (!seconds) return a.Fail("--time-limit takes whole seconds from 1 to 86400, not '" + *limit + "'");
    request.deadline = std::chrono::steady_clock::now() + std::chrono::seconds(*seconds);
  }
  CBrdDoc board;
  RouteSummary summary;
  const int status = LayOutRouteAndSave("route", a.Positional()[0], request, board, summary);
  if (status == EXIT_BAD_INPUT || status == EXIT_IO_ERROR) return status;
  std::printf("routed %d of %d nets, %d vias\n", summary.routedNets, summary.totalNets,
              CountVias(board));
  return status;
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
