#include "route/router.h"

#include <algorithm>
#include <new>
#include <utility>

#include "board/brddoc.h"
#include "board/log.h"
#include "platform/platform.h"
#include "route/routelog.h"

namespace cuprum {

namespace {

// What a net's last routing left: points unconnected, or never laid.
constexpr int NOT_LAID = -1;

}  // namespace

Router::Router(CBrdDoc& board, LogStream& log, Platform& platform, RouteOptions options)
    : board_(board),
      log_(log),
      platform_(platform),
      options_(options),
      xEnd_(std::min(board.XSize(), MAX_X_SIZE)),
      yEnd_(std::min(board.YSize(), MAX_Y_SIZE)) {}

void Router::Reserve(std::size_t maxPoints) {
  wave_.Reserve();
  // A net lays each free cell once at most, plus its points as sources.
  laid_.reserve(GRID_CELL_COUNT + maxPoints);
  eraseStack_.reserve(GRID_CELL_COUNT);
  saved_.reserve(maxPoints);
  savedOther_.reserve(maxPoints);
  if (FiftyMil() && halfPositions_.empty()) {
    halfPositions_.assign(GRID_CELL_COUNT, 0);
    const int sides = board_.SidesInUse();
    for (int x = 1; x < xEnd_; x += 2)
      for (int y = 1; y < yEnd_; y += 2)
        for (int side = 0; side < sides; ++side) halfPositions_[BoardGrid::Index(x, y, side)] = 1;
  }
}

bool Router::PrepareNet(std::size_t pointCount) {
  try {
    Reserve(pointCount);
    saved_.resize(pointCount);
    savedOther_.resize(pointCount);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void Router::SealBorder() {
  BoardGrid& grid = board_.Grid();
  const auto seal = [&grid](int x, int y) {
    for (int side = 0; side < GRID_SIDES; ++side) {
      GridCell& cell = grid(x, y, side);
      if ((cell & CELL_FIXED) == 0) cell |= CELL_BORDER;
    }
  };
  for (int x = 0; x <= xEnd_; ++x) {
    seal(x, 0);
    seal(x, yEnd_);
  }
  for (int y = 0; y <= yEnd_; ++y) {
    seal(0, y);
    seal(xEnd_, y);
  }
}

bool Router::Inside(GridPoint p) const {
  return p.x >= 1 && p.x < xEnd_ && p.y >= 1 && p.y < yEnd_ && p.side < GRID_SIDES;
}

bool Router::AllInside(std::span<const PinPoint> points) const {
  return std::all_of(points.begin(), points.end(),
                     [this](const PinPoint& pin) { return Inside(pin.point); });
}

std::array<bool, 2> Router::RowAxis() const {
  const CongestionCounters& votes = board_.Congestion();
  return {votes.side0RowVotes > votes.side0ColumnVotes,
          votes.side0RowVotes < votes.side0ColumnVotes};
}

bool Router::FiftyMil() const { return board_.GetResolution() == Resolution::Mil50; }

bool Router::Search(CellIndex source, WaveKind kind, bool blocked) {
  const WaveResult result =
      wave_.Run(board_.Grid().Data(), source, kind, RowAxis(),
                blocked ? halfPositions_.data() : nullptr, laid_);
  startBlocks_ = false;
  ++statistics_.waves;
  statistics_.cellsExpanded += result.expanded;
  if (result.found) ++statistics_.pathsLaid;
  return result.found;
}

int Router::RouteNetPreferred(std::span<const PinPoint> points) { return RouteNet(points, true); }

int Router::RouteNetFree(std::span<const PinPoint> points) { return RouteNet(points, false); }

int Router::RouteNet(std::span<const PinPoint> points, bool preferred) {
  if (!PrepareNet(points.size())) return -1;
  if (points.empty()) return 0;
  if (!AllInside(points)) return static_cast<int>(points.size()) - 1;
  ++statistics_.netsRouted;
  GridCell* cells = board_.Grid().Data();
  const bool fifty = FiftyMil();

  // The net's points are emptied while it is routed, so that a path may run
  // over a point that comes later; each gets its pin value back at the end.
  for (std::size_t k = 0; k < points.size(); ++k) {
    GridCell& cell = cells[ToCellIndex(points[k].point)];
    saved_[k] = cell != 0 ? cell : points[k].rest;
    cell = 0;
  }
  laid_.clear();
  cells[ToCellIndex(points[0].point)] |= CELL_NET;

  int failures = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    const CellIndex source = ToCellIndex(points[i].point);
    cells[source] |= CELL_SOURCE;
    bool joined = preferred && Search(source, WaveKind::Layered, fifty);
    // At 50 mil the blocks keep traces on the 100-mil lines where they can;
    // the last search without them still finds what they hide.
    if (!joined && fifty) joined = Search(source, WaveKind::Free, true);
    if (!joined) joined = Search(source, WaveKind::Free, false);
    if (!joined) ++failures;
  }

  for (std::size_t k = 0; k < points.size(); ++k)
    cells[ToCellIndex(points[k].point)] |= saved_[k];
  // The routing marks sit only on the cells this net laid and on its points.
  for (const CellIndex cell : laid_) cells[cell] &= CELL_REST_MASK;
  for (const PinPoint& pin : points) cells[ToCellIndex(pin.point)] &= CELL_REST_MASK;
  laid_.clear();
  return failures;
}

bool Router::StopRequested() {
  if (!stopped_ && options_.deadline && std::chrono::steady_clock::now() >= *options_.deadline)
    stopped_ = true;
  return stopped_;
}

bool Router::BetweenNets(int done, int total) {
  platform_.RepaintViews(board_);
  if (platform_.Progress(board_, done, total) == ProgressAnswer::Stop) stopped_ = true;
  return StopRequested();
}

int Router::ReportIncomplete(const std::vector<int>& results, std::size_t from) {
  NetList& nets = board_.GetNetList();
  int incomplete = 0;
  for (std::size_t i = from; i < results.size(); ++i) {
    if (results[i] == 0) continue;
    ++incomplete;
    log_.Printf(LOG_NODE_FAILED, static_cast<int>(i), nets[i].name.c_str());
  }
  return incomplete;
}

int Router::RouteBoard() {
  NetList& nets = board_.GetNetList();
  const std::size_t count = nets.Nets().size();
  const int total = 2 * static_cast<int>(count);
  std::vector<int> results;  // per net: what its last routing left
  std::vector<int> failed;   // nets that failed the first pass, -1 once they fit
  try {
    std::size_t maxPoints = 0;
    for (const NetNode& net : nets) maxPoints = std::max(maxPoints, net.points.size());
    Reserve(maxPoints);
    results.assign(count, NOT_LAID);
    failed.reserve(count + 1);
  } catch (const std::bad_alloc&) {
    log_.Printf("%s", LOG_OUT_OF_MEMORY);
    return -1;
  }
  const auto outOfMemory = [this] {
    log_.Printf("%s", LOG_OUT_OF_MEMORY);
    return -1;
  };

  SealBorder();
  // The half-position blocks of the first wave stand from here on, so the
  // pre-passes do not pull pins onto them.
  startBlocks_ = FiftyMil();
  const auto singleExits = [this] {
    while (ExtendSingleExits() != 0) {
    }
  };
  singleExits();
  for (int round = 0; round < 3; ++round) {
    ExtendCorridors();
    singleExits();
  }
  while (ExtendPreferredExits() != 0) singleExits();

  for (std::size_t i = 0; i < count; ++i) {
    singleExits();
    if (BetweenNets(static_cast<int>(i), total)) return ReportIncomplete(results, 0);
    nets[i].routed = true;
    const int r = RouteNetPreferred(nets[i].points);
    if (r < 0) return outOfMemory();
    results[i] = r;
    if (r > 0) failed.push_back(static_cast<int>(i));
  }

  // Once every net has a place, each is laid again freely, and the nets that
  // found no room the first time get another chance after every one.
  for (std::size_t i = 0; i < count; ++i) {
    if (RipUpNet(nets[i].points) < 0) return outOfMemory();
    const int r = RouteNetFree(nets[i].points);
    if (r < 0) return outOfMemory();
    results[i] = r;
    for (int& entry : failed) {
      if (entry < 0) continue;
      const auto net = static_cast<std::size_t>(entry);
      if (RipUpNet(nets[net].points) < 0) return outOfMemory();
      const int retry = RouteNetFree(nets[net].points);
      if (retry < 0) return outOfMemory();
      results[net] = retry;
      if (retry == 0) entry = -1;
    }
  }

  int incomplete = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (BetweenNets(static_cast<int>(count + i), total))
      return incomplete + ReportIncomplete(results, i);
    if (RipUpNet(nets[i].points) < 0) return outOfMemory();
    const int r = RouteNetFree(nets[i].points);
    if (r < 0) return outOfMemory();
    results[i] = r;
    if (r > 0) {
      ++incomplete;
      log_.Printf(LOG_NODE_FAILED, static_cast<int>(i), nets[i].name.c_str());
    }
  }
  platform_.RepaintViews(board_);
  return incomplete;
}

int RouteBoard(CBrdDoc& board, LogStream& log, Platform& platform, const RouteOptions& options) {
  Router router(board, log, platform, options);
  return router.RouteBoard();
}

}  // namespace cuprum
