// Sizes of the fabrication set, chosen per grid: traces keep the width of the
// long-established export where the grid leaves room for it; pads and holes
// are what a board house plates and a home etcher can drill by hand.
#pragma once

#include "board/units.h"

namespace cuprum {

// All sizes in thousandths of an inch.
struct FabricationRules {
  int traceWidth = 0;
  int padDiameter = 0;
  int drillDiameter = 0;
  int maskOpening = 0;  // the pad plus the clearance a board house registers to
  int outlineWidth = 0;
};

// 100-mil grid: 1.0 mm holes take IC legs, resistor and diode leads and
// square header pins alike; 70-thousandths pads leave a 15-thousandths ring
// and 30 thousandths between neighbouring pads.
constexpr FabricationRules RULES_100_MIL{40, 70, 40, 78, 10};
// 50-mil grid: holes may be neighbours 50 thousandths apart, so pads stay
// at 40 (10 between them) with 0.7 mm holes, and traces narrow to 20 to keep
// 20 thousandths from a neighbouring pad.
constexpr FabricationRules RULES_50_MIL{20, 40, 28, 44, 10};

constexpr FabricationRules FabricationRulesFor(Resolution resolution) {
  return resolution == Resolution::Mil50 ? RULES_50_MIL : RULES_100_MIL;
}

}  // namespace cuprum
