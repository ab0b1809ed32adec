#pragma once

#include "Component.h"

class Sphere {
 public:
  Sphere(double radius, bool centred, RealVector orientation, RealVector position);
};
