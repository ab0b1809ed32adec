// Bus-card presets for new boards: each sets a minimum or fixed board size,
// supplies a parts layout with the card's edge connector and keep-out areas,
// and a route netlist naming the net of every connector pin. The texts are
// what the user then edits, so they are CR LF text like every file the user
// edits.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "board/boardsettings.h"

namespace cuprum {

// The New Board dialog's type radio group, in button order.
enum class BoardType : int {
  General = 0,
  Isa8 = 1,
  Isa16 = 2,
  AppleII = 3,
  Pc104 = 4,
  Pc104Isa8 = 5,
  Pc104Isa16 = 6,
};

constexpr int BOARD_TYPE_COUNT = 7;

// The type of a radio-button index; nullopt outside the group.
std::optional<BoardType> BoardTypeFromIndex(int index);
// The button's label, "General" ... "16-bit PC/104".
std::string_view BoardTypeLabel(BoardType type);

// What pressing the type's button does to the sizes (tenths of an inch): the
// ISA and Apple II cards raise the size to what their connector needs, the
// PC/104 family fixes it; General leaves it.
void ApplyBoardTypeSizeRule(BoardType type, BoardSettings& settings);

// The parts layout of a bus card; nullopt for General, which has none.
std::optional<std::string> LayoutPresetText(BoardType type);
// The route netlist of a bus card with pins numbered from pinBase (0 or 1);
// nullopt for General.
std::optional<std::string> NetlistPresetText(BoardType type, int pinBase);

}  // namespace cuprum
