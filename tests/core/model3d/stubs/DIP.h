#pragma once

#include "Component.h"

class DIP {
 public:
  DIP(double x, double y, double z, bool centred, RealVector orientation, RealVector position);
};
