#include "parts/markcomponents.h"

#include <algorithm>
#include <cstddef>

#include "board/brddoc.h"
#include "parts/component.h"
#include "parts/pinlayout.h"

namespace cuprum {

namespace {

// A finger longer than the grid is wide only runs over the same cells again.
constexpr int MAX_FINGER_LENGTH = GRID_ROWS + 1;

bool HasFarSideHole(char typeLetter) {
  switch (typeLetter) {
    case 'C': case 'D': case 'P': case 'S': case 'Z': return true;
    default: return false;
  }
}

void SetCell(BoardGrid& grid, GridPoint p, GridCell value) {
  if (BoardGrid::Contains(p)) grid[p] = value;
}

// One coordinate of a finger's next cell: away from the board's edge while
// the pin stands d tenths from it, toward coordinate 0 otherwise.
int FingerStep(int coordinate, int step, int d) {
  return coordinate / step == d ? coordinate + step : coordinate - step;
}

// Walks the finger from the pin inward: every cell but the last carries the
// finger's value with CELL_FIXED, the inner end the value alone, and the pin
// is left there.
void MarkFinger(BoardGrid& grid, PinPoint& pin, int width, int step) {
  const int length = std::min(width, MAX_FINGER_LENGTH);
  for (int d = 1; d < length; ++d) {
    // An or rather than a sum, so a cell two fingers cross keeps rest bits only.
    if (BoardGrid::Contains(pin.point)) grid[pin.point] |= CELL_FIXED;
    GridPoint& p = pin.point;
    if (pin.rest == FINGER_ROW_RUN) {
      p = MakeGridPoint(p.x, FingerStep(p.y, step, d), p.side);
    } else if (pin.rest == FINGER_COLUMN_RUN) {
      p = MakeGridPoint(FingerStep(p.x, step, d), p.y, p.side);
    }
    SetCell(grid, p, pin.rest);
  }
}

}  // namespace

void MarkComponent(CBrdDoc& doc, Component& component, int step) {
  if (step < 1) step = 1;
  BoardGrid& grid = doc.Grid();
  auto& pins = component.Pins();
  const auto count = std::min(pins.size(), static_cast<std::size_t>(std::max(component.PinCount(), 0)));
  const char type = component.TypeLetter();
  for (std::size_t i = 0; i < count; ++i) {
    PinPoint& pin = pins[i];
    SetCell(grid, pin.point, pin.rest);
    if (HasFarSideHole(type)) {
      GridPoint far = pin.point;
      far.side = static_cast<std::uint8_t>(far.side ^ 1U);
      SetCell(grid, far, CELL_HOLE);
    }
    if (type == 'E' && component.Width() > 1) MarkFinger(grid, pin, component.Width(), step);
  }
}

void MarkComponents(CBrdDoc& doc) {
  doc.ClearGrid();
  const int step = doc.GridStepSize();
  for (const auto& item : doc.Items()) {
    Component* component = item ? item->GetComponent() : nullptr;
    if (component == nullptr || component->PinCount() <= 0) continue;
    MarkComponent(doc, *component, step);
  }
  doc.MarkBorder();
}

}  // namespace cuprum
