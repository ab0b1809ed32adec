// What a caller can ask of the routers beyond the board itself: a deadline,
// where the recursive search writes its progress lines, and the counts the
// routers keep of their work.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>

namespace cuprum {

struct RouteOptions {
  // The routers stop at the first point where they can end cleanly after
  // this moment (as if the platform had answered Stop). Unset: no limit.
  std::optional<std::chrono::steady_clock::time_point> deadline;
  // Where the recursive search writes "node %d failed with %d left" and
  // "%d Successful"; null keeps them quiet.
  std::FILE* diagnostics = stderr;
};

// Work done by one router object, for benchmarks and the command line.
struct RouteStatistics {
  std::int64_t waves = 0;          // searches started
  std::int64_t cellsExpanded = 0;  // cells taken from the wave queues
  std::int64_t pathsLaid = 0;      // searches that reached their net
  std::int64_t netsRouted = 0;     // per-net routings (preferred or free)
  std::int64_t ripUps = 0;         // per-net rip-ups
};

}  // namespace cuprum
