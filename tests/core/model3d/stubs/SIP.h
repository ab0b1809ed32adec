#pragma once

#include "Component.h"

class SIP {
 public:
  SIP(double x, double y, double z, bool centred, RealVector orientation, RealVector position);
};
