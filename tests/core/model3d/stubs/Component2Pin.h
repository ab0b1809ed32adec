#pragma once

#include "Component.h"

// Two-pin parts are declared under this name, with their cylinder's
// height and radius.
class ElectronicComponent {
 public:
  ElectronicComponent(double height, double radius, bool centred, RealVector orientation,
                      RealVector position);
};
