// Whether a layout takes the positions written in the parts file or arranges
// the components itself.
#pragma once

namespace cuprum {

enum class LayoutMode : int {
  Specified = 0,  // positions from the parts layout; components must fit
  Generated = 1,  // every component starts at the origin, then slots are planned
};

}  // namespace cuprum
