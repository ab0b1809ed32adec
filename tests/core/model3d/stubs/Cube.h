#pragma once

#include "Component.h"

class Cube {
 public:
  Cube(double x, double y, double z, bool centred, RealVector orientation, RealVector position);
  // Pads and reserved locations are declared as cubes without a size.
  Cube(bool centred, RealVector orientation, RealVector position);
};

// The board body; descriptions declare it without an include of its own.
class CircuitBoard {
 public:
  CircuitBoard(double x, double y, double z, bool centred, RealVector orientation,
               RealVector position);
};
