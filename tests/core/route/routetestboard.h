// Boards with hand-made components and netlist texts in memory for the
// netlist and router tests.
#pragma once

#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "board/brddoc.h"
#include "board/gridcell.h"
#include "board/gridpoint.h"
#include "parts/component.h"

namespace cuprum {

// Readable failure messages for point lists.
inline void PrintTo(const PinPoint& pin, std::ostream* os) {
  *os << "(" << int{pin.point.x} << ", " << int{pin.point.y} << ", side " << int{pin.point.side}
      << ", rest 0x" << std::hex << pin.rest << std::dec << ")";
}

}  // namespace cuprum

namespace cuprum::testing {

// A C stream over a string, closed with the object.
class TextStream {
 public:
  explicit TextStream(std::string text) : text_(std::move(text)) {
    file_.reset(fmemopen(text_.empty() ? nullptr : text_.data(), text_.size(), "r"));
    if (!file_) file_.reset(std::tmpfile());
  }
  [[nodiscard]] std::FILE* get() const { return file_.get(); }

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::string text_;
  std::unique_ptr<std::FILE, Closer> file_;
};

inline PinPoint Pin(int column, int row, int side = 0, GridCell rest = CELL_HOLE) {
  return PinPoint{MakeGridPoint(column, row, side), rest};
}

// Adds a component with exactly these pins, in pin-index order.
inline Component& AddComponent(CBrdDoc& board, const std::string& name, char typeLetter,
                               const std::vector<PinPoint>& pins) {
  auto component = std::make_unique<Component>();
  component->SetName(name);
  component->SetTypeLetterValue(typeLetter);
  component->SetPinCount(static_cast<int>(pins.size()));
  component->AllocatePinTables();
  for (std::size_t i = 0; i < pins.size(); ++i) component->Pins()[i] = pins[i];
  Component& added = *component;
  board.AddItem(std::move(component));
  return added;
}

// Pins in a line along a row, one column apart, starting at column x.
inline std::vector<PinPoint> PinRow(int count, int x, int y, int side = 0) {
  std::vector<PinPoint> pins;
  for (int i = 0; i < count; ++i) pins.push_back(Pin(x + i, y, side));
  return pins;
}

}  // namespace cuprum::testing
