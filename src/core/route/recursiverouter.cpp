#include "route/recursiverouter.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "board/brddoc.h"
#include "board/log.h"
#include "platform/platform.h"
#include "route/routelog.h"

namespace cuprum {

namespace {

// The most nets ever laid at once in this run of the program; only new
// records are announced.
int& BestProgress() {
  static int best = 0;
  return best;
}

}  // namespace

RecursiveRouter::RecursiveRouter(CBrdDoc& board, LogStream& log, Platform& platform,
                                 RouteOptions options)
    : router_(board, log, platform, options) {}

void RecursiveRouter::Diagnose(const char* format, int a, int b) {
  std::FILE* out = router_.Options().diagnostics;
  if (out == nullptr) return;
  // The formats are the fixed progress lines of routelog.h; one of them
  // takes a single number and leaves the second unread.
  std::fprintf(out, format, a, b);
}

int RecursiveRouter::OutOfMemory() {
  router_.Log().Printf("%s", LOG_OUT_OF_MEMORY);
  return -1;
}

int RecursiveRouter::RouteNetsRecursive(int n, int left) {
  std::vector<int> failed;  // 1-based numbers of nets that failed below
  try {
    failed.reserve(static_cast<std::size_t>(n) + 1);
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }
  if (left <= 0) {
    router_.Log().Printf("%s", LOG_ALL_SUCCESSFUL);
    return 0;
  }
  NetList& nets = router_.Board().GetNetList();
  const auto route = [&nets, this](int net) {
    return router_.RouteNetPreferred(nets[static_cast<std::size_t>(net)].points);
  };
  const auto ripUp = [&nets, this](int net) {
    router_.RipUpNet(nets[static_cast<std::size_t>(net)].points);
  };
  // Laying the net and taking it up at once tells whether it still fits.
  const auto fits = [&route, &ripUp](int net) {
    const int r = route(net);
    ripUp(net);
    return r == 0;
  };

  for (int j = 0; j < n; ++j) {
    NetNode& net = nets[static_cast<std::size_t>(j)];
    if (net.routed) continue;
    if (router_.StopRequested()) return SEARCH_STOPPED;
    net.routed = true;
    const int r = route(j);
    if (r < 0) {
      net.routed = false;
      return OutOfMemory();
    }
    if (r > 0) {
      ripUp(j);
      net.routed = false;
      Diagnose(DIAG_NODE_FAILED, j, left);
      return j + 1;
    }
    int result = 0;
    if (router_.BetweenNets(n - left + 1, n)) {
      result = SEARCH_STOPPED;
    } else {
      bool pruned = false;
      for (const int e : failed) {
        if (e == -1 || e < 1 || e > n || e == j + 1) continue;
        if (!fits(e - 1)) {
          result = e;
          pruned = true;
          break;
        }
      }
      if (!pruned) {
        result = RouteNetsRecursive(n, left - 1);
        if (result == 0) return 0;
        if (result == -1) return OutOfMemory();
        if (BestProgress() < n - left) {
          Diagnose(DIAG_SUCCESSFUL, n - left);
          BestProgress() = n - left;
        }
      }
    }
    ripUp(j);
    net.routed = false;
    if (result == SEARCH_STOPPED) return SEARCH_STOPPED;
    if (result >= 1 && result <= n) {
      failed.push_back(result);
      if (!fits(result - 1)) return result;
    }
  }
  return SEARCH_EXHAUSTED;
}

int RecursiveRouter::RouteBoardRecursively(int netCount) {
  incomplete_ = 0;
  NetList& nets = router_.Board().GetNetList();
  const int n = std::clamp(netCount, 0, nets.Count());
  std::vector<int> results;
  try {
    std::size_t maxPoints = 0;
    for (const NetNode& net : nets) maxPoints = std::max(maxPoints, net.points.size());
    router_.Reserve(maxPoints);
    results.assign(static_cast<std::size_t>(n), 1);
  } catch (const std::bad_alloc&) {
    return OutOfMemory();
  }

  router_.SealBorder();
  const auto singleExits = [this] {
    while (router_.ExtendSingleExits() != 0) {
    }
  };
  singleExits();
  router_.ExtendCorridors();
  singleExits();
  while (router_.ExtendPreferredExits() != 0) singleExits();

  RouteNetsRecursive(n, n);

  for (int i = 0; i < n; ++i) {
    const auto& points = nets[static_cast<std::size_t>(i)].points;
    if (router_.RipUpNet(points) < 0) return OutOfMemory();
    const int r = router_.RouteNetFree(points);
    if (r < 0) return OutOfMemory();
    results[static_cast<std::size_t>(i)] = r;
  }
  for (int i = 0; i < n; ++i) {
    // Once stopped, the nets keep the places just given them.
    if (router_.BetweenNets(i, n)) {
      incomplete_ += router_.ReportIncomplete(results, static_cast<std::size_t>(i));
      break;
    }
    const auto& points = nets[static_cast<std::size_t>(i)].points;
    if (router_.RipUpNet(points) < 0) return OutOfMemory();
    const int r = router_.RouteNetFree(points);
    if (r < 0) return OutOfMemory();
    results[static_cast<std::size_t>(i)] = r;
    if (r > 0) {
      ++incomplete_;
      router_.Log().Printf(LOG_NODE_FAILED, i, nets[static_cast<std::size_t>(i)].name.c_str());
    }
  }
  router_.GetPlatform().RepaintViews(router_.Board());
  return 0;
}

int RouteBoardRecursively(CBrdDoc& board, LogStream& log, Platform& platform, int netCount,
                          const RouteOptions& options) {
  RecursiveRouter router(board, log, platform, options);
  return router.RouteBoardRecursively(netCount);
}

}  // namespace cuprum
