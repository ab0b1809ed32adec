#include "parts/slotplan.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "board/brddoc.h"
#include "parts/component.h"
#include "platform/platform.h"

namespace cuprum {

namespace {

// Message texts are formatted into a buffer of this size and cut to fit.
constexpr std::size_t MESSAGE_LIMIT = 64;
// The enlargement never makes the board taller than the options allow: 8
// inches, in grid positions of each resolution.
constexpr int MAX_Y_SIZE_100_MIL = 80;
constexpr int MAX_Y_SIZE_50_MIL = 160;
constexpr int MAX_ENLARGED_X_SIZE = 128;
// Keeps a scaled size well inside int before it is limited.
constexpr float MAX_SCALED_SIZE = 65535.0F;

// Like the message boxes' own formatting: cut to what the buffer holds.
template <typename... Args>
std::string FormatMessage(const char* format, Args... args) {
  const int length = std::snprintf(nullptr, 0, format, args...);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, args...);
  text.resize(std::min(static_cast<std::size_t>(length), MESSAGE_LIMIT - 1));
  return text;
}

// Slot counts and pitches are kept in a byte each, as positions are.
SlotGrid SlotsFor(int xSize, int ySize, int width, int height, int step) {
  return SlotGrid{WrapCoordinate(xSize / (width * step)), WrapCoordinate(ySize / (height * step))};
}

// A footprint wider than a byte holds could never be placed; it saturates,
// so the board is found too small instead of the slots shrinking by a wrap.
std::uint8_t Saturated(int extent) {
  return static_cast<std::uint8_t>(std::clamp(extent, 0, UINT8_MAX));
}

// One size scaled by the shortfall, truncated.
int ScaledSize(int size, float ratio) {
  const float scaled = std::min(static_cast<float>(size) * ratio, MAX_SCALED_SIZE);
  return static_cast<int>(scaled);
}

void Enlarge(CBrdDoc& doc, int count, int capacity, SlotSize footprint) {
  const int x = doc.XSize();
  const int y = doc.YSize();
  int newX = x + footprint.width;
  int newY = y + footprint.height;
  // A board without a single slot has no ratio to scale by; it grows by one
  // footprint each way.
  if (capacity > 0) {
    const float ratio = static_cast<float>(count) / static_cast<float>(capacity);
    newX = std::max(newX, ScaledSize(x, ratio));
    newY = std::max(newY, ScaledSize(y, ratio));
  }
  const int maxY =
      doc.GetResolution() == Resolution::Mil50 ? MAX_Y_SIZE_50_MIL : MAX_Y_SIZE_100_MIL;
  newY = std::min(newY, maxY);
  newX = std::min(newX, MAX_ENLARGED_X_SIZE);
  // Through the setters, so the 3D board keeps the grid's dimensions.
  doc.SetXSize(newX);
  doc.SetYSize(newY);
}

}  // namespace

SlotPlan& SlotPlan::Process() {
  static SlotPlan plan;
  return plan;
}

SlotSize LargestFootprint(const CBrdDoc& doc) {
  int width = MIN_SLOT_EXTENT;
  int height = MIN_SLOT_EXTENT;
  for (const auto& item : doc.Items()) {
    const Component* component = item->GetComponent();
    if (component == nullptr) continue;
    const int n = component->PinCount();
    const int w = component->Width();
    switch (component->TypeLetter()) {
      case 'C':
        width = std::max(width, w);
        height = std::max(height, (n + 1) / 2);
        break;
      case 'D':
      case 'Z':
        width = std::max(width, (n + 1) / 2);
        height = std::max(height, w);
        break;
      case 'S':
        width = std::max(width, n);
        height = std::max(height, w);
        break;
      default: break;  // edge connectors, pads and reserved locations stay put
    }
  }
  return SlotSize{Saturated(width), Saturated(height)};
}

bool PlanSlots(CBrdDoc& doc, int requested, Platform& platform, SlotPlan& plan) {
  const int count = std::max(requested, 0);
  plan.slotGrid = SlotGrid{};
  const int s = doc.GridStepSize();
  const int x = doc.XSize();
  const int y = doc.YSize();
  const SlotSize footprint = LargestFootprint(doc);
  plan.slotSize = footprint;
  const int w = footprint.width;
  const int h = footprint.height;

  // Each slot keeps one tenth of clearance beside the footprint.
  SlotGrid grid = SlotsFor(x, y, w + 1, h + 1, s);
  const int capacity = grid.Capacity();
  if (count >= capacity) {
    platform.MessageBox(
        FormatMessage("can't fit %d components on the board that can hold %d\n", count, capacity),
        DESIGN_LIMITATION_CAPTION, MessageIcon::None, MessageButtons::Ok);
    Enlarge(doc, count, capacity, footprint);
    return false;
  }

  // Grow the slots while the board would still hold more of them than
  // needed, then keep the last size that holds them all.
  int k = 1;
  while (SlotsFor(x, y, w + 1 + k, h + 1 + k, s).Capacity() > count) ++k;
  grid = SlotsFor(x, y, w + k, h + k, s);

  int u = grid.columns;
  int v = grid.rows;
  // Drop a row of slots, then a column, that the components do not need.
  if (v * u >= count + u && v > 1) --v;
  if (u * v >= count + v && u > 1) --u;

  plan.slotGrid = SlotGrid{static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(v)};
  // Spread the slots over the whole board.
  plan.slotSize = SlotSize{WrapCoordinate(x / (s * u)), WrapCoordinate(y / (s * v))};
  return true;
}

bool PlanGeneratedLayout(CBrdDoc& doc, int count, Platform& platform, SlotPlan& plan) {
  const auto items = doc.Items().size();
  if (items > static_cast<std::size_t>(MAX_ARRANGED_ITEMS)) {
    plan.Reset();
    platform.MessageBox("a generated layout arranges at most " +
                            std::to_string(MAX_ARRANGED_ITEMS) + " components; this board has " +
                            std::to_string(items) + "\n",
                        DESIGN_LIMITATION_CAPTION, MessageIcon::None, MessageButtons::Ok);
    return false;
  }
  return PlanSlots(doc, count, platform, plan) || PlanSlots(doc, count, platform, plan);
}

}  // namespace cuprum
