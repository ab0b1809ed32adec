#pragma once

#include "Component.h"

class Edge {
 public:
  Edge(double x, double y, double z, bool centred, RealVector orientation, RealVector position);
};
