// Dividing the board into equal slots for a generated layout: how large each
// slot must be for the biggest footprint to be arranged, how many slots the
// board holds, and enlarging a board that is too small.
#pragma once

#include <cstdint>

namespace cuprum {

class CBrdDoc;
class Platform;

constexpr const char* DESIGN_LIMITATION_CAPTION = "Design Limitation Error";

// The arrangement of components by their connections indexes its matrix of
// strengths and its order numbers with signed bytes, so a generated layout
// holds at most this many parts (edge connectors, pads and reserved locations
// included).
constexpr int MAX_ARRANGED_ITEMS = 127;

// A slot is never smaller than this, in tenths of an inch, whatever the
// footprints.
constexpr int MIN_SLOT_EXTENT = 2;

// Both sizes are in tenths of an inch (grid positions at 100 mil).
struct SlotSize {
  std::uint8_t width = 0;
  std::uint8_t height = 0;
  friend constexpr bool operator==(SlotSize, SlotSize) = default;
};

struct SlotGrid {
  std::uint8_t columns = 0;
  std::uint8_t rows = 0;
  [[nodiscard]] constexpr int Capacity() const { return columns * rows; }
  friend constexpr bool operator==(SlotGrid, SlotGrid) = default;
};

// The slots of the last planning. The parser plans at the end of a generated
// parse and the layout command that follows places into the plan, so the
// plan outlives both calls; tests Reset() it.
class SlotPlan {
 public:
  // Slot pitch once planned; the footprint maxima while planning.
  SlotSize slotSize;
  // Empty until a planning succeeds.
  SlotGrid slotGrid;

  void Reset() { *this = SlotPlan{}; }
  [[nodiscard]] bool Empty() const { return slotGrid.Capacity() == 0; }

  // The one plan the parser and the layout commands share.
  static SlotPlan& Process();
};

// The largest footprint among the parts to be arranged (C, D, S, Z), as
// width x height in tenths, at least MIN_SLOT_EXTENT each way.
[[nodiscard]] SlotSize LargestFootprint(const CBrdDoc& doc);

// Sizes the slot grid for `count` components. True when they fit: the plan
// then holds the slot grid and the slot pitch, spread over the whole board.
// When the board holds no more slots than `count` (a board with exactly as
// many slots as components is refused too), the "can't fit" message box is
// shown, the board is enlarged (its 3D body follows) and the result is false:
// plan once more. A negative count counts as none.
bool PlanSlots(CBrdDoc& doc, int count, Platform& platform, SlotPlan& plan = SlotPlan::Process());

// The whole planning step that ends a generated parse: refuses a document of
// more than MAX_ARRANGED_ITEMS parts with a message box (the board is left
// alone), otherwise plans, and plans again on the enlarged board when the
// first planning did not fit. True when the components fit; false means the
// parse has failed.
bool PlanGeneratedLayout(CBrdDoc& doc, int count, Platform& platform,
                         SlotPlan& plan = SlotPlan::Process());

}  // namespace cuprum
