#include "routejob.h"

#include <cstdio>
#include <string>

#include "board/boardcommands.h"
#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "boardloading.h"
#include "cliplatform.h"
#include "inputadvice.h"
#include "layoutjob.h"
#include "route/connectivitycheck.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

std::string NetLabel(const CBrdDoc& board, int index) {
  const std::string& name = board.GetNetList()[static_cast<std::size_t>(index)].name;
  return name.empty() ? "#" + std::to_string(index) : name;
}

}  // namespace

int LayOutRouteAndSave(const char* command, const std::filesystem::path& path,
                       const RouteRequest& request, CBrdDoc& board, RouteSummary& summary) {
  if (const int status = LoadBoard(command, path, board); status != EXIT_OK) return status;
  CliPlatform platform;
  LogFile log;
  FieldReader reader(platform);
  LayoutJob job{board, platform, log, reader};
  CommandOutcome laidOutcome;
  const int laidOut = RunLayout(command, job, request.generate, &laidOutcome);
  if (laidOut == EXIT_BAD_INPUT || laidOut == EXIT_IO_ERROR) return laidOut;
  if (request.partsMustFit && laidOutcome.rejectedComponents > 0) return EXIT_BAD_INPUT;
  if (const std::filesystem::path nets = board.GetRoutePath(platform);
      request.needsNetlist && !IsRegularFile(nets)) {
    std::fprintf(stderr, "cuprum-cli %s: %s: no such netlist; list the board's nets there\n",
                 command, nets.c_str());
    return EXIT_BAD_INPUT;
  }
  // Routing saves a modified board before it reads the netlist, as a board
  // window does; here the board is saved once routed, so that a netlist
  // that fails to read leaves the board file as it was.
  board.SetModifiedFlag(false);

  RouteOptions options;
  options.diagnostics = nullptr;
  if (request.deadline) options.deadline = *request.deadline;
  BoardCommandContext context{board, platform, log, reader};
  const CommandOutcome routed =
      request.recursive ? OnRouteRecursive(context, options) : OnRoute(context, options);
  platform.EndProgress();
  const std::string logText = PrintLog(log);
  if (ReportNumberErrors(command, board.GetRoutePath(platform), routed.netlistNumberErrors))
    return EXIT_BAD_INPUT;
  AdviseOnLog(command, logText, board, laidOutcome.rejectedParts);
  if (routed.status == CommandStatus::RouteFileError) {
    if (logText.empty())
      std::fprintf(stderr, "cuprum-cli %s: %s holds no net of two or more pins\n", command,
                   board.GetRoutePath(platform).c_str());
    return EXIT_BAD_INPUT;
  }
  if (routed.status == CommandStatus::LogUnavailable) return EXIT_IO_ERROR;
  if (const int saved = SaveBoard(command, path, board); saved != EXIT_OK) return saved;

  summary.totalNets = board.GetNetList().Count();
  summary.routedNets = summary.totalNets - routed.failedNets;
  summary.openNets = routed.failedNets;
  if (routed.status == CommandStatus::OutOfMemory) return EXIT_INCOMPLETE;
  // The router's own count cannot see nets joined through shared pin cells;
  // the independent check can.
  const ConnectivityReport report = CheckConnectivity(board);
  for (const NetShort& s : report.shorts)
    std::fprintf(stderr, "cuprum-cli %s: short: nets %s and %s touch at column %d, row %d\n",
                 command, NetLabel(board, s.first).c_str(), NetLabel(board, s.second).c_str(),
                 s.at.x, s.at.y);
  summary.openNets = report.UnjoinedCount();
  summary.shorts = static_cast<int>(report.shorts.size());
  const bool clean = routed.failedNets == 0 && report.shorts.empty();
  return clean && laidOut == EXIT_OK ? EXIT_OK : EXIT_INCOMPLETE;
}

}  // namespace cuprum::cli
