#pragma once

#include "Component.h"

class Cylinder {
 public:
  Cylinder(double height, double radius, bool centred, RealVector orientation,
           RealVector position);
};
