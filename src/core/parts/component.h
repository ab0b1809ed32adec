// A placed part: one mechanical body and one electronic pin set, with the
// grid-to-space mapping that keeps the two in step.
#pragma once

#include "model3d/mechanicalcomponent.h"
#include "parts/electroniccomponent.h"

namespace cuprum {

class Component : public virtual MechanicalComponent, public virtual ElectronicComponent {
 public:
  Component();

  [[nodiscard]] double Pitch() const { return pitch_; }
  [[nodiscard]] char Direction() const { return direction_; }

  // Stores the direction letter (R, U, L, D) and turns the body about z.
  virtual void SetDirection(char direction);

  // The z rotation decides the direction letter.
  void SetOrientation(const RealVector& orientation) override;
  using MechanicalComponent::SetOrientation;

  // Setting the grid position also moves the body: x = -column * pitch,
  // y = row * pitch, z = -side * pitch.
  void SetLocation(PinPoint p, int step) override;
  void MovePins(PinPoint offset, int step) override;
  void SetName(std::string_view name) override;

  [[nodiscard]] static RealVector GridToSpace(GridPoint p, double pitch);
  // The grid cell under a position, each coordinate truncated toward zero.
  [[nodiscard]] static GridPoint SpaceToGrid(const RealVector& position, double pitch);

 private:
  double pitch_;
  char direction_ = 'R';
};

// The z angle of each direction letter, and the letter of a z angle.
double DirectionAngle(char direction);
char DirectionFromAngle(double angle);

}  // namespace cuprum
