// The solid primitives of the 3D model: box, cylinder and sphere.
#pragma once

#include "model3d/mechanicalcomponent.h"
#include "model3d/realvector.h"

namespace cuprum {

class Cube : public virtual MechanicalComponent {
 public:
  Cube() : MechanicalComponent(RealVector{}) {}

  [[nodiscard]] RealVector GetSize() const { return size_; }
  void SetSize(const RealVector& size) { size_ = size; }

 private:
  RealVector size_;  // extents along x, y, z in metres
};

class Cylinder : public virtual MechanicalComponent {
 public:
  Cylinder() : MechanicalComponent(RealVector{}) {}

  [[nodiscard]] double GetHeight() const { return height_; }
  void SetHeight(double height) { height_ = height; }
  [[nodiscard]] double GetRadius() const { return radius_; }
  void SetRadius(double radius) { radius_ = radius; }

 private:
  double height_ = 0.0;
  double radius_ = 0.0;
};

class Sphere : public virtual MechanicalComponent {
 public:
  Sphere() : MechanicalComponent(RealVector{}) {}

  [[nodiscard]] double GetRadius() const { return radius_; }
  void SetRadius(double radius) { radius_ = radius; }

  // Near means inside the sphere.
  [[nodiscard]] bool IsNear(double x, double y, double z) const override;

 private:
  double radius_ = 0.0;
};

}  // namespace cuprum
