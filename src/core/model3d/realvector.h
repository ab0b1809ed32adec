// Three doubles: a length vector in metres or a rotation in radians.
#pragma once

namespace cuprum {

struct RealVector {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;

  friend constexpr bool operator==(const RealVector&, const RealVector&) = default;
};

}  // namespace cuprum
