// A named, lettered body in space: orientation, position and velocity in
// metres and radians. The base of every 3D object and of every component.
#pragma once

#include <string>
#include <string_view>

#include "model3d/realvector.h"

namespace cuprum {

// Names are cut to this many bytes, as the fixed name fields always were.
constexpr std::size_t MAX_NAME_LENGTH = 63;

class MechanicalComponent {
 public:
  // A free-standing body: centred on its position.
  MechanicalComponent();
  virtual ~MechanicalComponent() = default;

  MechanicalComponent(const MechanicalComponent&) = delete;
  MechanicalComponent& operator=(const MechanicalComponent&) = delete;

  [[nodiscard]] virtual std::string GetStatusText() const;

  [[nodiscard]] virtual RealVector GetOrientation() const { return orientation_; }
  virtual void SetOrientation(const RealVector& orientation) { orientation_ = orientation; }
  void SetOrientation(double x, double y, double z) { SetOrientation(RealVector{x, y, z}); }

  [[nodiscard]] virtual RealVector GetPosition() const { return position_; }
  virtual void SetPosition(const RealVector& position) { position_ = position; }
  void SetPosition(double x, double y, double z) { SetPosition(RealVector{x, y, z}); }

  [[nodiscard]] virtual RealVector GetVelocity() const { return velocity_; }
  virtual void SetVelocity(const RealVector& velocity) { velocity_ = velocity; }
  void SetVelocity(double x, double y, double z) { SetVelocity(RealVector{x, y, z}); }

  // Moves the body by one time step: position += velocity * time.
  virtual void Step(double time);

  // Whether a point lies near the body (squared distance below 10000).
  [[nodiscard]] virtual bool IsNear(double x, double y, double z) const;

  [[nodiscard]] const std::string& MechanicalName() const { return name_; }
  void SetMechanicalName(std::string_view name);
  [[nodiscard]] char Letter() const { return letter_; }
  void SetLetter(char letter) { letter_ = letter; }
  [[nodiscard]] bool Centred() const { return centred_; }
  void SetCentred(bool centred) { centred_ = centred; }

 protected:
  // The mechanical part of a derived body: not centred, turned by the given
  // orientation.
  explicit MechanicalComponent(const RealVector& orientation);

  // Squared distance from the position to a point.
  [[nodiscard]] double DistanceSquared(double x, double y, double z) const;

 private:
  std::string name_;
  char letter_;
  bool centred_;
  RealVector orientation_;
  RealVector position_;
  RealVector velocity_;
};

// Pixel projection shared by the drawing operations: a coordinate in metres
// to a pixel column or row of a view of the given extent at the given scale.
// Returns false when the pixel falls outside the view.
bool ProjectToPixel(double coordinate, int extent, double scale, bool vertical, int& pixel);

}  // namespace cuprum
