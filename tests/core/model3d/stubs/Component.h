// Just enough of the 3D classes for a component description to compile:
// the classes its statements name, with the constructors they call.
#pragma once

struct RealVector {
  double x;
  double y;
  double z;
};

// Arguments common to every body: centred flag, turn, position.
class MechanicalComponent {
 public:
  MechanicalComponent(bool centred, RealVector orientation, RealVector position);
};
