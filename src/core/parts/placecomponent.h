// Placing one component read from a parts file: pointing it, laying out its
// pins from the anchor, checking that it fits the board (when the file gives
// the positions) and handing it to the board document.
#pragma once

#include <memory>

#include "board/gridpoint.h"
#include "parts/layoutmode.h"

namespace cuprum {

class CBrdDoc;
class Component;
class Platform;

// The caption of the message box that names a component left off the board.
constexpr const char* DID_NOT_FIT_CAPTION = "Component did not fit in current Board size";

// Turns the component, sets its anchor (`position` in tenths of an inch,
// scaled by `step`) and lays out its pins as its type letter asks.
void PointComponent(Component& component, PinPoint position, char direction, int step);

// Whether every pin lies inside the board's border ring and on a side the
// board has.
[[nodiscard]] bool FitsBoard(const Component& component, const CBrdDoc& doc);

// All steps of placing one component, in order. In a specified layout a
// component that does not fit is reported in a message box showing its name
// and dropped; the result is then null. Otherwise its body follows its pins
// and the document takes it; the result points to it there.
Component* PlaceComponent(std::unique_ptr<Component> component, PinPoint position, char direction,
                          CBrdDoc& doc, LayoutMode mode, Platform& platform);

}  // namespace cuprum
