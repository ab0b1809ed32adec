#include "board/boardsettings.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace cuprum {

namespace {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Digits with optional surrounding blanks, within the 32-bit unsigned range
// the dialogs store.
std::optional<std::uint32_t> ParseUnsigned(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace

std::string RangeMessage(int low, int high) {
  return "Enter an integer between " + std::to_string(low) + " and " + std::to_string(high) + ".";
}

std::optional<std::string> ReadSizeField(std::string_view text, int high, int& value) {
  const auto parsed = ParseUnsigned(text);
  if (!parsed) return std::string(POSITIVE_INTEGER_MESSAGE);
  if (*parsed < static_cast<std::uint32_t>(MIN_BOARD_TENTHS) ||
      *parsed > static_cast<std::uint32_t>(high))
    return RangeMessage(MIN_BOARD_TENTHS, high);
  value = static_cast<int>(*parsed);
  return std::nullopt;
}

std::optional<std::string> ValidateBoardSettings(const BoardSettings& settings) {
  const int maxX = MaxXTenths(settings.resolution);
  if (settings.xTenths < MIN_BOARD_TENTHS || settings.xTenths > maxX)
    return RangeMessage(MIN_BOARD_TENTHS, maxX);
  if (settings.yTenths < MIN_BOARD_TENTHS || settings.yTenths > MAX_Y_TENTHS)
    return RangeMessage(MIN_BOARD_TENTHS, MAX_Y_TENTHS);
  if (settings.pinBase != 0 && settings.pinBase != 1) return RangeMessage(0, 1);
  return std::nullopt;
}

void SelectResolution(BoardSettings& settings, Resolution resolution) {
  settings.resolution = resolution;
  if (resolution == Resolution::Mil50)
    settings.xTenths = std::min(settings.xTenths, MaxXTenths(Resolution::Mil50));
}

BoardSettings CurrentBoardSettings(const CBrdDoc& board) {
  return BoardSettings{board.XTenths(), board.YTenths(), board.GetResolution(),
                       board.PinIndexBase()};
}

void ApplyBoardSettings(CBrdDoc& board, const BoardSettings& settings) {
  board.SetSizeInTenths(settings.xTenths, settings.yTenths, settings.resolution, settings.pinBase);
}

}  // namespace cuprum
