// The electronic side of a part: name, type letter and the pin tables that
// tell which grid cells the part's pins occupy.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "board/gridpoint.h"

namespace cuprum {

class ElectronicComponent {
 public:
  ElectronicComponent();
  virtual ~ElectronicComponent() = default;

  ElectronicComponent(const ElectronicComponent&) = delete;
  ElectronicComponent& operator=(const ElectronicComponent&) = delete;

  [[nodiscard]] const std::string& Name() const { return name_; }
  // Cut to 63 bytes; a component also names its mechanical part.
  virtual void SetName(std::string_view name);

  [[nodiscard]] char IdLetter() const { return idLetter_; }
  void SetIdLetter(char letter) { idLetter_ = letter; }
  [[nodiscard]] char TypeLetter() const { return typeLetter_; }
  void SetTypeLetterValue(char letter) { typeLetter_ = letter; }

  [[nodiscard]] int PinCount() const { return pinCount_; }
  void SetPinCount(int count) { pinCount_ = count; }
  [[nodiscard]] int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }
  [[nodiscard]] double Value() const { return value_; }
  void SetValue(double value) { value_ = value; }

  // The three tables share one capacity, (pinCount / 4) * 4 + 4 entries, so
  // there is always a spare entry past the last pin. Nothing happens while the
  // pin count is unknown (-1).
  void AllocatePinTables();
  // For readers that count pins as they go: once the count has filled the
  // tables (a multiple of 4), they grow by four entries, keeping their
  // contents.
  void GrowPinTables();
  [[nodiscard]] std::size_t TableCapacity() const { return pins_.size(); }

  std::vector<PinPoint>& Pins() { return pins_; }
  [[nodiscard]] const std::vector<PinPoint>& Pins() const { return pins_; }
  std::vector<std::int32_t>& IoIndex() { return ioIndex_; }
  [[nodiscard]] const std::vector<std::int32_t>& IoIndex() const { return ioIndex_; }
  std::vector<std::uint8_t>& InUse() { return inUse_; }
  [[nodiscard]] const std::vector<std::uint8_t>& InUse() const { return inUse_; }

  [[nodiscard]] virtual PinPoint GetLocation() const;
  // pins[0] = p with column and row scaled by step (wrapping), side and rest
  // value as in p.
  virtual void SetLocation(PinPoint p, int step);
  void SetLocationXY(int column, int row, int side, int step);
  // Moves every pin by offset * step; the side flips when the offset names
  // side 1 and the step is odd.
  virtual void MovePins(PinPoint offset, int step);
  void MovePinsXY(int column, int row, int side, int step);

  // "%c %s => I[%d]=%g, O[%d]=%g" and its wider forms: the type letter, the
  // name, and for each signal slot of the letter its index and the signal's
  // value. A slot whose index falls outside the table shows the value 0.
  [[nodiscard]] virtual std::string GetStatusText(std::span<const double> signals) const;

 private:
  std::string name_;
  char idLetter_;
  char typeLetter_ = 'C';
  int pinCount_ = -1;
  std::vector<PinPoint> pins_;
  std::vector<std::int32_t> ioIndex_;
  std::vector<std::uint8_t> inUse_;
  int width_ = 0;
  double value_ = 0.0;
};

}  // namespace cuprum
