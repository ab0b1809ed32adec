#include "parts/pinoverlaps.h"

#include <algorithm>
#include <unordered_map>

#include "board/brddoc.h"
#include "parts/component.h"

namespace cuprum {

namespace {

bool TakesBothSides(char typeLetter) {
  return typeLetter == 'C' || typeLetter == 'D' || typeLetter == 'P' || typeLetter == 'S' ||
         typeLetter == 'Z';
}

}  // namespace

std::vector<PinOverlap> FindPinOverlaps(const CBrdDoc& board) {
  std::vector<PinOverlap> overlaps;
  std::unordered_map<std::uint32_t, std::string> owner;
  for (const auto& item : board.Items()) {
    const Component* component = item->GetComponent();
    if (component == nullptr) continue;
    const auto& pins = component->Pins();
    const auto count =
        std::min(pins.size(), static_cast<std::size_t>(std::max(component->PinCount(), 0)));
    for (std::size_t i = 0; i < count; ++i) {
      const GridPoint p = pins[i].point;
      const std::string name = component->Name() + " pin " +
                               std::to_string(static_cast<int>(i) + board.PinIndexBase());
      for (int side = 0; side < GRID_SIDES; ++side) {
        if (side != p.side && !TakesBothSides(component->TypeLetter())) continue;
        const GridPoint cell = MakeGridPoint(p.x, p.y, side);
        const auto [it, inserted] = owner.emplace(cell.Packed(), name);
        if (!inserted) {
          overlaps.push_back(PinOverlap{cell, it->second, name});
          it->second = name;
          break;  // one report per pin is enough
        }
      }
    }
  }
  return overlaps;
}

}  // namespace cuprum
