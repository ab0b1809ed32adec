// Moving the arranged parts from the origin into their slots.
#pragma once

#include <span>

#include "parts/slotplan.h"

namespace cuprum {

class CBrdDoc;
struct PlacementOrder;

// The slots, numbered row by row (row x u + column), that a u x u slot grid
// hands out by order number: a spiral from the centre of the board. Empty
// for sizes that have none (only 2 to 5 have one).
[[nodiscard]] std::span<const int> SpiralSlots(int u);

// The slot column and row a part with this order number takes on the
// planned grid, for a document of `itemCount` parts. Nearly square grids of
// 2 to 5 columns follow the spiral; wider grids fill column by column,
// others row by row.
struct SlotCell {
  int column = 0;
  int row = 0;
  friend constexpr bool operator==(SlotCell, SlotCell) = default;
};
[[nodiscard]] SlotCell OrderedSlot(int number, SlotGrid grid, std::size_t itemCount);

// Moves every two-pin part, DIP, SIP and ZIP by the position of its slot, so
// that a part standing at column 0, row 0, direction L ends centred in its
// slot. Without an order the parts take the slots in document order; with
// one, each takes the slot of its order number. Rows and columns wrap modulo
// 256, which brings the pin row a DIP or ZIP lays out below row 0 back into
// the slot. Does nothing while the plan has no slots.
void PlaceInSlots(CBrdDoc& doc, const PlacementOrder* order,
                  const SlotPlan& plan = SlotPlan::Process());

// Puts every arranged part back at column 0, row 0 (pins laid out again from
// there), as they stood after the parse, ready for PlaceInSlots with an
// order.
void ReturnToOrigin(CBrdDoc& doc);

}  // namespace cuprum
