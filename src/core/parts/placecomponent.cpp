#include "parts/placecomponent.h"

#include <algorithm>
#include <cstddef>

#include "board/brddoc.h"
#include "parts/component.h"
#include "platform/platform.h"

namespace cuprum {

void PointComponent(Component& component, PinPoint position, char direction, int step) {
  component.SetDirection(direction);
  // Through the component, so the body moves to the anchor as well.
  component.SetLocation(position, step);
  component.LayOutPinsByType(step);
}

bool FitsBoard(const Component& component, const CBrdDoc& doc) {
  const auto& pins = component.Pins();
  const auto count =
      std::min(pins.size(), static_cast<std::size_t>(std::max(component.PinCount(), 0)));
  return std::all_of(pins.begin(), pins.begin() + static_cast<std::ptrdiff_t>(count),
                     [&doc](const PinPoint& pin) {
                       return pin.point.x < doc.XSize() && pin.point.y < doc.YSize() &&
                              pin.point.side < doc.Layers();
                     });
}

Component* PlaceComponent(std::unique_ptr<Component> component, PinPoint position, char direction,
                          CBrdDoc& doc, LayoutMode mode, Platform& platform) {
  if (!component) return nullptr;
  PointComponent(*component, position, direction, doc.GridStepSize());
  if (mode == LayoutMode::Specified && !FitsBoard(*component, doc)) {
    platform.MessageBox(component->Name(), DID_NOT_FIT_CAPTION, MessageIcon::None,
                        MessageButtons::Ok);
    return nullptr;
  }
  component->UpdateModelFromPins();
  return doc.AddItem(std::move(component)).GetComponent();
}

}  // namespace cuprum
