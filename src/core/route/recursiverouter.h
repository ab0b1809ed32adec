// The recursive router: looks for an order of nets in which every net fits,
// by backtracking. It lays nets one after another; when a net cannot be
// laid it takes earlier nets up again and tries other orders, pruned by
// probe routings of the nets that failed deeper down. After the search every
// net is laid once more and the nets that stay incomplete are logged.
//
// How a caller uses it (the recursive Route command): the same set-up as
// for RouteBoard (router.h), then RouteBoardRecursively with the count of
// the board's net list. The result is 0, or -1 when memory ran out; the nets
// left incomplete are logged as "error: node= %d - %s" and counted by
// Incomplete(). "All Successful" is logged when the search laid every net at
// once.
//
// The search can take time exponential in the number of nets. It stops when
// the platform answers Stop to a Progress call (made after every net it
// lays) or when options.deadline passes (checked before every net it
// tries). A stopped search unwinds as if every level had failed, taking its
// nets up, and then lays and reports every net as usual, so the board is
// left complete as far as it goes; Stopped() then says so.
#pragma once

#include <cstdint>
#include <vector>

#include "route/routeoptions.h"
#include "route/router.h"

namespace cuprum {

// Results of RouteNetsRecursive besides 0 (all laid), a 1-based net number
// (that net could not be laid) and -1 (out of memory).
constexpr int SEARCH_EXHAUSTED = -2;  // every candidate at this level was tried
constexpr int SEARCH_STOPPED = -3;    // a stop was asked for

class RecursiveRouter {
 public:
  RecursiveRouter(CBrdDoc& board, LogStream& log, Platform& platform, RouteOptions options = {});

  // Pre-passes, the search, then every net laid again and reported. `netCount`
  // is the count of the board's net list (a larger value is cut to it).
  // Returns 0, or -1 when memory ran out.
  int RouteBoardRecursively(int netCount);

  // One level of the search over the first n nets with `left` nets still to
  // lay. Returns 0 when all nets are laid (they stay laid, marked `routed`);
  // otherwise the nets of this level and below are taken up again and the
  // result is the 1-based number of the net that could not be laid,
  // SEARCH_EXHAUSTED, SEARCH_STOPPED, or -1 when memory ran out.
  int RouteNetsRecursive(int n, int left);

  // Nets logged as incomplete by the last RouteBoardRecursively.
  [[nodiscard]] int Incomplete() const { return incomplete_; }
  [[nodiscard]] bool Stopped() const { return router_.Stopped(); }
  [[nodiscard]] const RouteStatistics& Statistics() const { return router_.Statistics(); }
  Router& GetRouter() { return router_; }

 private:
  void Diagnose(const char* format, int a, int b = 0);
  int OutOfMemory();

  Router router_;
  int incomplete_ = 0;
};

// The recursive Route command's call.
int RouteBoardRecursively(CBrdDoc& board, LogStream& log, Platform& platform, int netCount,
                          const RouteOptions& options = {});

}  // namespace cuprum
