#include "board/boardfile.h"

#include <cstdint>

#include "board/brddoc.h"

namespace cuprum {

namespace {

void PutWord(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFFU));
  out.push_back(static_cast<char>(value >> 8U));
}

std::uint16_t GetWord(std::string_view bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                    (static_cast<unsigned char>(bytes[offset + 1]) << 8U));
}

void SetLowByte(GridCell& cell, char byte) {
  cell = static_cast<GridCell>((cell & 0xFF00U) | static_cast<unsigned char>(byte));
}

void ReadLegacy(CBrdDoc& board, std::string_view bytes) {
  // The old form is 128 cells wide; take all of it onto the board.
  board.SetXSize(LEGACY_COLUMNS);
  board.SetYSize(LEGACY_Y_SIZE);
  BoardGrid& grid = board.Grid();
  std::size_t offset = 0;
  for (int y = 0; y <= LEGACY_Y_SIZE; ++y)
    for (int side = 0; side < GRID_SIDES; ++side)
      for (int x = 0; x < LEGACY_COLUMNS; ++x) {
        if (offset >= bytes.size()) return;
        SetLowByte(grid(x, y, side), bytes[offset++]);
      }
}

}  // namespace

std::string WriteBoardFile(const CBrdDoc& board) {
  std::string out;
  const int sides = board.SidesInUse();
  out.reserve(BOARD_HEADER_SIZE +
              static_cast<std::size_t>((board.XSize() + 1) * (board.YSize() + 1) * sides));
  PutWord(out, board.Signature());
  PutWord(out, static_cast<std::uint16_t>(board.XTenths()));
  PutWord(out, static_cast<std::uint16_t>(board.YTenths()));
  PutWord(out, static_cast<std::uint16_t>(board.Layers()));
  PutWord(out, board.BoardFlags());
  const BoardGrid& grid = board.Grid();
  for (int x = 0; x <= board.XSize(); ++x)
    for (int y = 0; y <= board.YSize(); ++y)
      for (int side = 0; side < sides; ++side)
        out.push_back(static_cast<char>(grid(x, y, side) & 0xFFU));
  return out;
}

BoardFileStatus ReadBoardFile(CBrdDoc& board, std::string_view bytes, std::size_t fileSize) {
  if (fileSize == LEGACY_BOARD_FILE_SIZE) {
    ReadLegacy(board, bytes);
    return BoardFileStatus::Ok;
  }
  if (bytes.size() < BOARD_HEADER_SIZE) return BoardFileStatus::BadFormat;

  const std::uint16_t signature = GetWord(bytes, 0);
  const std::uint16_t xTenths = GetWord(bytes, 2);
  const std::uint16_t yTenths = GetWord(bytes, 4);
  const std::uint16_t layers = GetWord(bytes, 6);
  const std::uint16_t flags = GetWord(bytes, 8);
  if (signature != BOARD_SIGNATURE || flags > 3) return BoardFileStatus::BadFormat;

  const auto resolution = static_cast<Resolution>((flags >> 1U) & 3U);
  const int xSize = TenthsToGrid(xTenths, resolution);
  const int ySize = TenthsToGrid(yTenths, resolution);
  // Nothing in a file may make a loader write outside the grid.
  if (xSize > MAX_X_SIZE || ySize > MAX_Y_SIZE || layers < 1 || layers > GRID_SIDES)
    return BoardFileStatus::BadFormat;

  board.SetSignature(signature);
  // The layer count takes the thickness at the resolution the board had.
  board.SetLayers(layers);
  board.SetSizeInTenths(xTenths, yTenths, resolution, flags & 1U);

  BoardGrid& grid = board.Grid();
  std::size_t offset = BOARD_HEADER_SIZE;
  for (int x = 0; x <= xSize; ++x)
    for (int y = 0; y <= ySize; ++y)
      for (int side = 0; side < layers; ++side) {
        if (offset >= bytes.size()) return BoardFileStatus::Ok;
        SetLowByte(grid(x, y, side), bytes[offset++]);
      }
  return BoardFileStatus::Ok;
}

}  // namespace cuprum
