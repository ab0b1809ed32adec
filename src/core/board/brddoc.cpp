#include "board/brddoc.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "board/documentio.h"
#include "platform/platform.h"

namespace cuprum {

namespace {

constexpr double LAYER_THICKNESS_TENTHS = 0.25;

std::uint16_t TruncateToField(double value) {
  if (!(value > 0.0)) return 0;
  if (value >= std::numeric_limits<std::uint16_t>::max()) return std::numeric_limits<std::uint16_t>::max();
  return static_cast<std::uint16_t>(value);
}

}  // namespace

CBrdDoc::CBrdDoc() {
  SetXSize(DEFAULT_X_SIZE);
  SetYSize(DEFAULT_Y_SIZE);
  SetLayers(DEFAULT_LAYERS);
}

CBrdDoc::~CBrdDoc() = default;

int CBrdDoc::SidesInUse() const { return std::clamp<int>(m_layers, 0, GRID_SIDES); }

void CBrdDoc::SetXSize(double positions) {
  m_xSize = TruncateToField(positions);
  RealVector size = m_board3d.GetSize();
  size.x = GridToMetres(positions, m_resolution);
  m_board3d.SetSize(size);
  m_board3d.SetPosition(RealVector{-size.x, 0.0, -2.0 * size.z});
}

void CBrdDoc::SetYSize(double positions) {
  m_ySize = TruncateToField(positions);
  RealVector size = m_board3d.GetSize();
  size.y = GridToMetres(positions, m_resolution);
  m_board3d.SetSize(size);
}

void CBrdDoc::SetLayers(double layers) {
  m_layers = TruncateToField(layers);
  RealVector size = m_board3d.GetSize();
  size.z = GridToMetres(layers * LAYER_THICKNESS_TENTHS, m_resolution);
  m_board3d.SetSize(size);
  m_board3d.SetPosition(RealVector{-size.x, 0.0, -2.0 * size.z});
}

void CBrdDoc::SetSettings(Resolution resolution, int pinBase) {
  m_resolution = resolution;
  pinIndexBase = pinBase != 0 ? 1 : 0;
  m_boardFlags = static_cast<std::uint16_t>(pinIndexBase | (ResolutionShift(resolution) << 1));
}

void CBrdDoc::SetSizeInTenths(int xTenths, int yTenths, Resolution resolution, int pinBase) {
  SetSettings(resolution, pinBase);
  SetXSize(TenthsToGrid(xTenths, resolution));
  SetYSize(TenthsToGrid(yTenths, resolution));
}

bool CBrdDoc::ClearGrid() {
  const int xEnd = std::min<int>(m_xSize, MAX_X_SIZE);
  const int yEnd = std::min<int>(m_ySize, MAX_Y_SIZE);
  const int sides = SidesInUse();
  for (int x = 0; x <= xEnd; ++x)
    for (int y = 0; y <= yEnd; ++y)
      for (int side = 0; side < sides; ++side) m_grid(x, y, side) = 0;
  return true;
}

bool CBrdDoc::MarkBorder() {
  const int xEnd = std::min<int>(m_xSize, MAX_X_SIZE);
  const int yEnd = std::min<int>(m_ySize, MAX_Y_SIZE);
  for (int side = 0; side < GRID_SIDES; ++side) {
    for (int x = 0; x <= xEnd; ++x) {
      m_grid(x, 0, side) = CELL_BORDER;
      m_grid(x, yEnd, side) = CELL_BORDER;
    }
    for (int y = 0; y <= yEnd; ++y) {
      m_grid(0, y, side) = CELL_BORDER;
      m_grid(xEnd, y, side) = CELL_BORDER;
    }
  }
  return true;
}

CBoardCntrItem& CBrdDoc::AddItem(std::unique_ptr<Component> component) {
  m_items.push_back(std::make_unique<CBoardCntrItem>(std::move(component)));
  return *m_items.back();
}

void CBrdDoc::RemoveItem(const CBoardCntrItem& item) {
  const auto it = std::find_if(m_items.begin(), m_items.end(),
                               [&item](const auto& entry) { return entry.get() == &item; });
  if (it != m_items.end()) m_items.erase(it);
}

void CBrdDoc::DeleteContents() {
  // Newest first, as a list emptied from its tail; order matters to nobody
  // but keeps every component's destructor seeing a consistent list.
  while (!m_items.empty()) m_items.pop_back();
}

std::filesystem::path DeriveTextPath(const std::filesystem::path& boardPath,
                                     const char* extension) {
  std::string name = boardPath.string();
  if (name.size() < 5) return boardPath;
  name.replace(name.size() - 3, 3, extension);
  return name;
}

std::filesystem::path CBrdDoc::DerivedPath(Platform& platform, const char* extension) {
  if (m_pathName.empty()) {
    // Save As: the user names the board file, and the board is saved there so
    // that its text files have a place beside it.
    const DocumentIoResult saved = SaveToOwnPath(*this, platform);
    if (!saved.Ok()) {
      if (saved.status != DocumentIoStatus::Cancelled)
        platform.MessageBox(saved.message, APP_CAPTION, MessageIcon::Error);
      return {};
    }
  }
  return DeriveTextPath(m_pathName, extension);
}

std::filesystem::path CBrdDoc::GetPartsPath(Platform& platform) {
  return DerivedPath(platform, "prt");
}
std::filesystem::path CBrdDoc::GetLayoutPath(Platform& platform) {
  return DerivedPath(platform, "lay");
}
std::filesystem::path CBrdDoc::GetRoutePath(Platform& platform) {
  return DerivedPath(platform, "rou");
}

}  // namespace cuprum
