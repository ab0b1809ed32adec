// The maze router: lays the nets of the board's net list as copper on the
// two-sided grid, one net at a time, each grown as a tree by breadth-first
// waves from its next point to the copper it already has.
//
// How a caller routes a board (the Route command does exactly this):
//   1. The grid holds the placed components and the border ring
//      (MarkComponents), and possibly copper from an earlier routing.
//   2. The net list is freshly read by ReadRouteNetlist: points in routing
//      order, bounding boxes, congestion keys, nets sorted, `routed` clear,
//      and the board's exit votes counted.
//   3. The caller opens (truncates) the log and calls RouteBoard with a
//      platform whose RepaintViews and Progress are answered.
//   4. The result is the number of nets left with a point unconnected (each
//      is logged as "error: node= %d - %s"), or -1 when memory ran out
//      ("error: out of memory" is logged). Non-zero: show the log.
//
// Stopping: RouteBoard calls platform.Progress(board, done, total) wherever
// it repaints the views between nets. An answer of Stop, or passing
// options.deadline, ends the routing at that point: every net already laid
// stays laid, the nets not laid or incomplete are logged as failed and
// counted in the result, and Stopped() tells the caller why it ended early.
// The grid holds only rest bits afterwards, whatever the outcome.
//
// Everything runs on the caller's thread and writes the board's grid and net
// points (the pre-passes move pins out into fixed stubs).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "board/gridcell.h"
#include "board/gridpoint.h"
#include "route/gridlinks.h"
#include "route/routeoptions.h"
#include "route/wave.h"

namespace cuprum {

class CBrdDoc;
class LogStream;
struct NetNode;
class Platform;

class Router {
 public:
  Router(CBrdDoc& board, LogStream& log, Platform& platform, RouteOptions options = {});

  // The plain Route command: pre-passes, then three passes over the nets
  // (preferred routing; rip-up and free re-routing with retries of the nets
  // that failed; a final free re-routing that reports). Returns the number
  // of nets left incomplete, or -1 when memory ran out.
  int RouteBoard();

  // One net. The points' cells hold their pins (or copper of this net); the
  // routing joins them in order, each to the tree of those before it.
  // Returns the number of points left unconnected, or -1 when the work
  // tables cannot be allocated (the grid is then untouched). A net with a
  // point outside the border ring is left alone and counts all but its first
  // point as unconnected.
  // Preferred: each side's runs keep to its preferred axis and turn only at
  // vias, falling back to free searches where that finds no path.
  int RouteNetPreferred(std::span<const PinPoint> points);
  int RouteNetFree(std::span<const PinPoint> points);
  // Erases the net's copper from its points outward, stopping at fixed
  // copper and at the net's points, which get their rest values back.
  // Returns 0, or -1 when the work tables cannot be allocated.
  int RipUpNet(std::span<const PinPoint> points);

  // Pre-passes over the nets not yet routed: pins with a single way out, a
  // single way along their side's preferred axis, or a single corridor two
  // cells deep are moved one cell into it, leaving a fixed stub. Each
  // returns the number of pins moved.
  int ExtendSingleExits();
  int ExtendCorridors();
  int ExtendPreferredExits();

  // Repaints the views and asks the platform whether to go on; true when the
  // work is to stop (the platform said so or the deadline has passed).
  bool BetweenNets(int done, int total);
  // True once a stop was asked for or the deadline has passed.
  bool StopRequested();
  [[nodiscard]] bool Stopped() const { return stopped_; }

  // Makes sure a wave cannot run off the board: ring cells without fixed
  // copper become fixed. A board built by MarkComponents is left unchanged.
  void SealBorder();
  // Allocates the work tables for nets of up to `maxPoints` points.
  // Throws std::bad_alloc.
  void Reserve(std::size_t maxPoints);

  // Logs "error: node= %d - %s" for each net from `from` on whose last
  // routing result (points left unconnected; non-zero for a net never laid)
  // is not 0, and returns how many it logged.
  int ReportIncomplete(const std::vector<int>& results, std::size_t from);

  [[nodiscard]] const RouteStatistics& Statistics() const { return statistics_; }
  [[nodiscard]] CBrdDoc& Board() { return board_; }
  [[nodiscard]] LogStream& Log() { return log_; }
  [[nodiscard]] Platform& GetPlatform() { return platform_; }
  [[nodiscard]] const RouteOptions& Options() const { return options_; }

 private:
  enum class Exit { Single, Preferred, Corridor };

  int RouteNet(std::span<const PinPoint> points, bool preferred);
  bool Search(CellIndex source, WaveKind kind, bool blocked);
  bool PrepareNet(std::size_t pointCount);
  [[nodiscard]] bool Inside(GridPoint p) const;
  [[nodiscard]] bool AllInside(std::span<const PinPoint> points) const;
  [[nodiscard]] std::array<bool, 2> RowAxis() const;
  [[nodiscard]] bool FiftyMil() const;

  int ExtendExits(Exit kind);
  bool TryMove(NetNode& net, PinPoint& pin, Exit kind, std::array<bool, 2> rowAxis);
  void MovePin(PinPoint& pin, GridCell direction);
  // A cell as the pre-passes see it: off the grid counts as border, and
  // while the routing's first half-position blocks stand they count as taken.
  [[nodiscard]] GridCell Peek(int x, int y, int side) const;

  CBrdDoc& board_;
  LogStream& log_;
  Platform& platform_;
  RouteOptions options_;
  RouteStatistics statistics_;
  bool stopped_ = false;

  int xEnd_ = 0;  // last column of the board (the ring)
  int yEnd_ = 0;  // last row of the board (the ring)
  Wave wave_;
  // Half positions (odd column and odd row at 50 mil) that blocked waves
  // may not enter.
  std::vector<std::uint8_t> halfPositions_;
  // While set, the half positions count as taken for the pre-passes too,
  // until the first wave of the routing has run.
  bool startBlocks_ = false;
  std::vector<CellIndex> laid_;
  std::vector<GridCell> saved_;
  std::vector<GridCell> savedOther_;
  std::vector<std::pair<CellIndex, GridCell>> eraseStack_;
};

// The Route command's call: a Router over the board, RouteBoard.
int RouteBoard(CBrdDoc& board, LogStream& log, Platform& platform,
               const RouteOptions& options = {});

}  // namespace cuprum
