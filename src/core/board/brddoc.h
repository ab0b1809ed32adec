// The board document: the two-sided grid, the board's size, resolution and pin
// numbering, the placed components, the board's 3D object and the names of the
// text files that live beside the board file.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "board/boarditem.h"
#include "board/boardgrid.h"
#include "board/units.h"
#include "model3d/circuitboard.h"
#include "route/netlist.h"

namespace cuprum {

class Platform;

// How crowded the board is, counted by the netlist reader for the router.
struct CongestionCounters {
  std::int32_t side0RowVotes = 0;
  std::int32_t side0ColumnVotes = 0;
  std::array<std::int32_t, GRID_COLUMNS> columnUsage{};
  std::array<std::int32_t, GRID_ROWS> rowUsage{};

  void Reset() { *this = CongestionCounters{}; }
};

constexpr std::uint16_t BOARD_SIGNATURE = 0x4243;  // "CB" in file order
constexpr int DEFAULT_X_SIZE = 64;
constexpr int DEFAULT_Y_SIZE = 40;
constexpr int DEFAULT_LAYERS = 2;

class CBrdDoc {
 public:
  CBrdDoc();
  ~CBrdDoc();
  CBrdDoc(const CBrdDoc&) = delete;
  CBrdDoc& operator=(const CBrdDoc&) = delete;

  // ---- Board parameters -------------------------------------------------
  [[nodiscard]] int XSize() const { return m_xSize; }
  [[nodiscard]] int YSize() const { return m_ySize; }
  [[nodiscard]] int Layers() const { return m_layers; }
  [[nodiscard]] Resolution GetResolution() const { return m_resolution; }
  [[nodiscard]] int GridStepSize() const { return GridStep(m_resolution); }
  [[nodiscard]] int PinIndexBase() const { return pinIndexBase; }
  [[nodiscard]] std::uint16_t BoardFlags() const { return m_boardFlags; }
  [[nodiscard]] std::uint16_t Signature() const { return m_signature; }
  void SetSignature(std::uint16_t signature) { m_signature = signature; }
  // Sides the per-position loops visit: the layer count, never more than the
  // grid's two sides.
  [[nodiscard]] int SidesInUse() const;

  // Sizes in grid positions (truncated); each keeps the 3D board in step.
  void SetXSize(double positions);
  void SetYSize(double positions);
  void SetLayers(double layers);

  // Resolution and pin base together with the packed flags the file stores.
  void SetSettings(Resolution resolution, int pinBase);
  // New settings first, then the sizes in tenths scaled by the resolution, so
  // the 3D width and depth come out in tenths * 0.00254 m at any resolution.
  void SetSizeInTenths(int xTenths, int yTenths, Resolution resolution, int pinBase);

  [[nodiscard]] int XTenths() const { return GridToTenths(m_xSize, m_resolution); }
  [[nodiscard]] int YTenths() const { return GridToTenths(m_ySize, m_resolution); }

  // ---- Grid ---------------------------------------------------------------
  BoardGrid& Grid() { return m_grid; }
  [[nodiscard]] const BoardGrid& Grid() const { return m_grid; }
  // Zero on every position of the board (columns 0..xSize, rows 0..ySize).
  bool ClearGrid();
  // 0x0030 on both sides of every position of the outer ring.
  bool MarkBorder();
  // Whether a cell lies on the board in use (inside the border, inclusive).
  [[nodiscard]] bool OnBoard(GridPoint p) const {
    return p.x <= m_xSize && p.y <= m_ySize && p.side < SidesInUse();
  }

  CongestionCounters& Congestion() { return m_congestion; }
  [[nodiscard]] const CongestionCounters& Congestion() const { return m_congestion; }

  // The nets read from the route netlist, in routing order.
  NetList& GetNetList() { return m_netList; }
  [[nodiscard]] const NetList& GetNetList() const { return m_netList; }

  // ---- Components -----------------------------------------------------------
  CBoardCntrItem& AddItem(std::unique_ptr<Component> component);
  // Removes the item and destroys its component.
  void RemoveItem(const CBoardCntrItem& item);
  [[nodiscard]] const std::vector<std::unique_ptr<CBoardCntrItem>>& Items() const {
    return m_items;
  }
  // Removes and destroys every item; the grid, the sizes and the nets stay.
  void DeleteContents();

  CircuitBoard& Board3d() { return m_board3d; }
  [[nodiscard]] const CircuitBoard& Board3d() const { return m_board3d; }

  // ---- Files ----------------------------------------------------------------
  [[nodiscard]] const std::filesystem::path& PathName() const { return m_pathName; }
  void SetPathName(std::filesystem::path path) { m_pathName = std::move(path); }
  [[nodiscard]] bool IsModified() const { return m_modified; }
  void SetModifiedFlag(bool modified = true) { m_modified = modified; }

  // The text files beside the board: board.brd gives board.prt, board.lay
  // and board.rou. A board without a path is named through Save As first;
  // the result is empty when the user cancels.
  std::filesystem::path GetPartsPath(Platform& platform);
  std::filesystem::path GetLayoutPath(Platform& platform);
  std::filesystem::path GetRoutePath(Platform& platform);

 private:
  std::filesystem::path DerivedPath(Platform& platform, const char* extension);

  BoardGrid m_grid;
  std::uint16_t m_xSize = 0;
  std::uint16_t m_ySize = 0;
  std::uint16_t m_layers = 0;
  std::uint16_t m_boardFlags = 0;
  Resolution m_resolution = Resolution::Mil100;
  CongestionCounters m_congestion;
  NetList m_netList;
  std::uint16_t m_signature = BOARD_SIGNATURE;
  std::uint8_t pinIndexBase = 1;
  std::vector<std::unique_ptr<CBoardCntrItem>> m_items;
  CircuitBoard m_board3d;
  std::filesystem::path m_pathName;
  bool m_modified = false;
};

// The board path with its last three characters replaced (names of at least
// five characters); shorter names come back unchanged.
std::filesystem::path DeriveTextPath(const std::filesystem::path& boardPath,
                                     const char* extension);

}  // namespace cuprum
