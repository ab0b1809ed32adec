#pragma once

#include "Component.h"

class ZIP {
 public:
  ZIP(double x, double y, double z, bool centred, RealVector orientation, RealVector position);
};
