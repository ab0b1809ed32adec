#include "model3d/primitives.h"

namespace cuprum {

bool Sphere::IsNear(double x, double y, double z) const {
  return DistanceSquared(x, y, z) < radius_ * radius_;
}

}  // namespace cuprum
