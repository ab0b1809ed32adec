#include "board/newboard.h"

#include "board/brddoc.h"

namespace cuprum {

std::string RangeMessage(int low, int high) {
  return "Enter an integer between " + std::to_string(low) + " and " + std::to_string(high) + ".";
}

std::optional<std::string> ValidateNewBoard(const NewBoardSettings& settings) {
  const int maxX = MaxXTenths(settings.resolution);
  if (settings.xTenths < MIN_BOARD_TENTHS || settings.xTenths > maxX)
    return RangeMessage(MIN_BOARD_TENTHS, maxX);
  if (settings.yTenths < MIN_BOARD_TENTHS || settings.yTenths > MAX_Y_TENTHS)
    return RangeMessage(MIN_BOARD_TENTHS, MAX_Y_TENTHS);
  if (settings.pinBase != 0 && settings.pinBase != 1) return RangeMessage(0, 1);
  return std::nullopt;
}

void InitializeNewBoard(CBrdDoc& board, const NewBoardSettings& settings) {
  board.DeleteContents();
  board.SetSizeInTenths(settings.xTenths, settings.yTenths, settings.resolution,
                        settings.pinBase);
  board.Grid().Fill(0);
  board.MarkBorder();
  board.SetModifiedFlag();
}

}  // namespace cuprum
