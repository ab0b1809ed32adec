// Finding pins of placed components that occupy the same grid cell. Marking
// lets the later component win such a cell, which silently joins the two
// pins' nets; front ends warn about it.
#pragma once

#include <string>
#include <vector>

#include "board/gridpoint.h"

namespace cuprum {

class CBrdDoc;

struct PinOverlap {
  GridPoint at;
  std::string first;   // "U1 pin 7", pin numbered by the board's pin base
  std::string second;  // the later component's pin, which wins the cell
};

// Through-hole pins and pads take their position on both sides; edge
// fingers and reserved locations only their own cell.
std::vector<PinOverlap> FindPinOverlaps(const CBrdDoc& board);

}  // namespace cuprum
