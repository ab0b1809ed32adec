// Laying a board out, routing it and saving it, shared by the subcommands
// that route (route, make), so both report the same way.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

namespace cuprum {
class CBrdDoc;
}

namespace cuprum::cli {

struct RouteRequest {
  bool generate = false;   // lay out by the generated layout
  bool recursive = false;  // search for an order of nets in which every net fits
  std::optional<std::chrono::steady_clock::time_point> deadline;
  // Without a .rou file there is nothing to route; with this set that is bad
  // input rather than a board done.
  bool needsNetlist = false;
  // A part left off the board makes every file after it wrong; with this set
  // that is bad input and nothing is routed or saved.
  bool partsMustFit = false;
};

struct RouteSummary {
  int totalNets = 0;
  int routedNets = 0;   // as the router counts them
  int openNets = 0;     // as the independent check counts them
  int shorts = 0;
};

// Loads the board at `path`, lays it out from its parts file, routes the nets
// of its .rou file and saves it. The log, shorts and failures go to stderr as
// "cuprum-cli <command>: ...". Returns EXIT_OK when every net is joined
// without shorts, EXIT_INCOMPLETE when the board was saved but is not
// complete (or parts were rejected), else the bad-input or I/O status (the
// board is then not saved and `summary` is left as it was).
int LayOutRouteAndSave(const char* command, const std::filesystem::path& path,
                       const RouteRequest& request, CBrdDoc& board, RouteSummary& summary);

}  // namespace cuprum::cli
