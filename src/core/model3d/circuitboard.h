// The board as a 3D object: a box whose size the board's size setters keep in
// step with the grid dimensions.
#pragma once

#include "board/units.h"
#include "model3d/primitives.h"

namespace cuprum {

class CircuitBoard : public Cube {
 public:
  CircuitBoard() : MechanicalComponent(RealVector{}) {}

  [[nodiscard]] double Pitch() const { return pitch_; }

 private:
  double pitch_ = METRES_PER_TENTH;
};

}  // namespace cuprum
