#include "route/connectivitycheck.h"

#include <algorithm>
#include <array>
#include <deque>
#include <optional>

#include "board/brddoc.h"

namespace cuprum {

namespace {

struct Place {
  int x;
  int y;
  int side;
};

// One way copper can lead from a cell, and what the far cell must carry.
struct Joint {
  GridCell here;
  GridCell there;
  int dx;
  int dy;
  bool flip;
};

constexpr std::array<Joint, 5> JOINTS{{
    {CELL_ROW_PLUS, CELL_ROW_MINUS, 0, 1, false},
    {CELL_ROW_MINUS, CELL_ROW_PLUS, 0, -1, false},
    {CELL_COL_PLUS, CELL_COL_MINUS, 1, 0, false},
    {CELL_COL_MINUS, CELL_COL_PLUS, -1, 0, false},
    {CELL_HOLE, CELL_HOLE, 0, 0, true},
}};

class CopperMap {
 public:
  CopperMap(const BoardGrid& grid, int xSize, int ySize)
      : grid_(grid),
        xEnd_(std::clamp(xSize, 0, MAX_X_SIZE)),
        yEnd_(std::clamp(ySize, 0, MAX_Y_SIZE)),
        piece_(GRID_CELL_COUNT, -1) {}

  [[nodiscard]] bool OnBoard(int x, int y, int side) const {
    return x >= 0 && x <= xEnd_ && y >= 0 && y <= yEnd_ && side >= 0 && side < GRID_SIDES;
  }

  // The piece of copper the cell belongs to, numbering new pieces as found.
  int PieceOf(GridPoint p) {
    if (!OnBoard(p.x, p.y, p.side)) return -1;
    const std::size_t start = BoardGrid::Index(p.x, p.y, p.side);
    if (piece_[start] >= 0) return piece_[start];
    const int piece = pieces_++;
    piece_[start] = piece;
    std::deque<Place> open{{p.x, p.y, p.side}};
    while (!open.empty()) {
      const Place at = open.front();
      open.pop_front();
      for (const Joint& joint : JOINTS) {
        const auto next = Across(at, joint);
        if (!next) continue;
        const std::size_t index = BoardGrid::Index(next->x, next->y, next->side);
        if (piece_[index] >= 0) continue;
        piece_[index] = piece;
        open.push_back(*next);
      }
    }
    return piece;
  }

  // Row and column links on the board that the neighbour does not return.
  // A hole on one side only is an ordinary single-sided pad.
  [[nodiscard]] int OneSidedLinks() const {
    int count = 0;
    for (int x = 0; x <= xEnd_; ++x)
      for (int y = 0; y <= yEnd_; ++y)
        for (int side = 0; side < GRID_SIDES; ++side)
          for (const Joint& joint : JOINTS) {
            if (joint.flip) continue;
            if ((grid_(x, y, side) & joint.here) != 0 && !Across({x, y, side}, joint)) ++count;
          }
    return count;
  }

 private:
  [[nodiscard]] std::optional<Place> Across(Place at, const Joint& joint) const {
    if ((grid_(at.x, at.y, at.side) & joint.here) == 0) return std::nullopt;
    const Place next{at.x + joint.dx, at.y + joint.dy, joint.flip ? 1 - at.side : at.side};
    if (!OnBoard(next.x, next.y, next.side)) return std::nullopt;
    if ((grid_(next.x, next.y, next.side) & joint.there) == 0) return std::nullopt;
    return next;
  }

  const BoardGrid& grid_;
  int xEnd_;
  int yEnd_;
  std::vector<int> piece_;
  int pieces_ = 0;
};

}  // namespace

int ConnectivityReport::UnjoinedCount() const {
  return static_cast<int>(
      std::count_if(nets.begin(), nets.end(), [](const NetConnection& n) { return !n.joined; }));
}

ConnectivityReport CheckConnectivity(const BoardGrid& grid, int xSize, int ySize,
                                     const std::vector<std::vector<GridPoint>>& nets) {
  CopperMap copper(grid, xSize, ySize);
  ConnectivityReport report;
  report.nets.resize(nets.size());
  std::vector<int> ownerOfPiece;  // the first net found on each piece
  for (std::size_t i = 0; i < nets.size(); ++i) {
    std::vector<int> pieces;
    bool offBoard = false;
    for (const GridPoint p : nets[i]) {
      const int piece = copper.PieceOf(p);
      if (piece < 0) {
        offBoard = true;
        continue;
      }
      pieces.push_back(piece);
      if (static_cast<std::size_t>(piece) >= ownerOfPiece.size())
        ownerOfPiece.resize(static_cast<std::size_t>(piece) + 1, -1);
      int& owner = ownerOfPiece[static_cast<std::size_t>(piece)];
      const int net = static_cast<int>(i);
      if (owner < 0) {
        owner = net;
      } else if (owner != net) {
        const bool known = std::any_of(report.shorts.begin(), report.shorts.end(),
                                       [owner, net](const NetShort& s) {
                                         return s.first == owner && s.second == net;
                                       });
        if (!known) report.shorts.push_back({owner, net, p});
      }
    }
    std::sort(pieces.begin(), pieces.end());
    const auto distinct = std::unique(pieces.begin(), pieces.end()) - pieces.begin();
    report.nets[i].pieces = static_cast<int>(distinct) + (offBoard ? 1 : 0);
    report.nets[i].joined = report.nets[i].pieces <= 1;
  }
  report.oneSidedLinks = copper.OneSidedLinks();
  return report;
}

ConnectivityReport CheckConnectivity(const BoardGrid& grid, int xSize, int ySize,
                                     const NetList& nets) {
  std::vector<std::vector<GridPoint>> points;
  points.reserve(nets.Nets().size());
  for (const NetNode& net : nets) {
    std::vector<GridPoint>& list = points.emplace_back();
    for (const PinPoint& pin : net.points) list.push_back(pin.point);
  }
  return CheckConnectivity(grid, xSize, ySize, points);
}

ConnectivityReport CheckConnectivity(const CBrdDoc& board) {
  return CheckConnectivity(board.Grid(), board.XSize(), board.YSize(), board.GetNetList());
}

}  // namespace cuprum
