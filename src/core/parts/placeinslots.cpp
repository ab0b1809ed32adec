#include "parts/placeinslots.h"

#include <array>

#include "board/brddoc.h"
#include "parts/component.h"
#include "parts/placementorder.h"

namespace cuprum {

namespace {

constexpr std::array<int, 4> SPIRAL_2 = {3, 2, 0, 1};
constexpr std::array<int, 9> SPIRAL_3 = {4, 3, 0, 1, 2, 5, 8, 7, 6};
constexpr std::array<int, 16> SPIRAL_4 = {10, 9, 5, 6, 7, 11, 15, 14, 13, 12, 8, 4, 0, 1, 2, 3};
constexpr std::array<int, 25> SPIRAL_5 = {12, 11, 6,  7,  8,  13, 18, 17, 16, 15, 10, 5, 0,
                                          1,  2,  3,  4,  9,  14, 19, 24, 23, 22, 21, 20};

int IntegerSquareRoot(std::size_t value) {
  std::size_t root = 0;
  while ((root + 1) * (root + 1) <= value) ++root;
  return static_cast<int>(root);
}

// Where a part's first pin goes inside its slot, in tenths: the footprint
// centred in the slot, for a part laid out direction L from the origin.
GridPoint SlotOffset(const Component& component, SlotCell cell, SlotSize size) {
  const int n = component.PinCount();
  const int w = component.Width();
  const int slotW = size.width;
  const int slotH = size.height;
  const int left = cell.column * slotW;
  const int top = cell.row * slotH;
  int x = left;
  int y = top;
  switch (component.TypeLetter()) {
    case 'D':
      x += (slotW - n / 2 + 1) / 2;
      y += (w + 1 + slotH) / 2;
      break;
    case 'Z':
      x += (slotW - (n + 1) / 2 + 1) / 2;
      y += (slotH - w + 1) / 2;
      break;
    case 'C':
      x += (slotW - w) / 2;
      y += slotH / 2;
      break;
    case 'S':
      x += (slotW - n + 1) / 2;
      y += (slotH - w) / 2;
      break;
    default: break;
  }
  return MakeGridPoint(x, y, 0);
}

}  // namespace

std::span<const int> SpiralSlots(int u) {
  switch (u) {
    case 2: return SPIRAL_2;
    case 3: return SPIRAL_3;
    case 4: return SPIRAL_4;
    case 5: return SPIRAL_5;
    default: return {};
  }
}

SlotCell OrderedSlot(int number, SlotGrid grid, std::size_t itemCount) {
  const int u = grid.columns;
  const int v = grid.rows;
  if (u == 0 || v == 0) return SlotCell{};
  const int o = IntegerSquareRoot(itemCount) + 1;
  const bool nearlySquare = (u == o - 1 || u == o) && (v == o || v == o - 1) && u >= v;
  if (nearlySquare) {
    const auto spiral = SpiralSlots(u);
    if (number >= 0 && static_cast<std::size_t>(number) < spiral.size()) {
      const int slot = spiral[static_cast<std::size_t>(number)];
      // On a grid one row short the spiral moves up a row to stay centred.
      const int shift = (u == v + 1 && v % 2 == 1) ? 1 : 0;
      return SlotCell{slot % u, slot / u - shift};
    }
    return SlotCell{number % u, number / u};
  }
  if (u > v) return SlotCell{number / v, number % v};
  return SlotCell{number % u, number / u};
}

void PlaceInSlots(CBrdDoc& doc, const PlacementOrder* order, const SlotPlan& plan) {
  const SlotGrid grid = plan.slotGrid;
  if (grid.columns == 0 || grid.rows == 0) return;
  const int step = doc.GridStepSize();
  const auto& items = doc.Items();
  int placed = 0;
  for (std::size_t k = 0; k < items.size(); ++k) {
    Component* component = items[k]->GetComponent();
    if (component == nullptr || !IsArrangedType(component->TypeLetter())) continue;
    SlotCell cell{placed % grid.columns, placed / grid.columns};
    if (order != nullptr) {
      const int number = order->At(k);
      // An order made for another set of parts falls back on document order.
      cell = OrderedSlot(number >= 0 ? number : placed, grid, items.size());
    }
    component->MovePins(PinPoint{SlotOffset(*component, cell, plan.slotSize), 0}, step);
    ++placed;
  }
}

void ReturnToOrigin(CBrdDoc& doc) {
  const int step = doc.GridStepSize();
  for (const auto& item : doc.Items()) {
    Component* component = item->GetComponent();
    if (component == nullptr) continue;
    const char letter = component->TypeLetter();
    if (letter == 'R' || letter == 'P' || letter == 'E') continue;
    component->SetLocation(PinPoint{MakeGridPoint(0, 0, 0), PIN_REST_VALUE}, step);
    if (IsArrangedType(letter)) component->LayOutPins(step);
  }
}

}  // namespace cuprum
