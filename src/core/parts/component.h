// A placed part: one mechanical body and one electronic pin set, with the
// grid-to-space mapping that keeps the two in step.
#pragma once

#include <string>

#include "board/boardgrid.h"
#include "board/units.h"
#include "model3d/mechanicalcomponent.h"
#include "parts/electroniccomponent.h"

namespace cuprum {

// The body's cell value when a description is read back: a through-hole pin.
constexpr GridCell PIN_REST_VALUE = CELL_HOLE;
// A reserved location's one cell.
constexpr GridCell RESERVED_REST_VALUE = CELL_FIXED;
// Packages derived from a body never get more pins (more than would line the
// whole rim of the largest board on both sides) or a wider body than this;
// larger values can only come from a damaged description.
constexpr int MAX_BODY_PIN_COUNT = 2 * GRID_SIDES * (GRID_COLUMNS + GRID_ROWS);
constexpr int MAX_BODY_WIDTH = 255;

class Component : public virtual MechanicalComponent, public virtual ElectronicComponent {
 public:
  Component();

  [[nodiscard]] double Pitch() const { return pitch_; }
  [[nodiscard]] char Direction() const { return direction_; }

  // The resolution of the board the body was described for; reading a body
  // back scales its grid position by it.
  [[nodiscard]] Resolution GetResolution() const { return resolution_; }
  void SetResolution(Resolution resolution) { resolution_ = resolution; }

  // Both status lines: the body's position and the pins' signals.
  using MechanicalComponent::GetStatusText;
  using ElectronicComponent::GetStatusText;

  // Stores the direction letter (R, U, L, D) and turns the body about z.
  virtual void SetDirection(char direction);
  // The body follows the pins: its turn, and for packages its size.
  virtual void UpdateModelFromPins();
  // The pins follow the body, as after reading a description: the counts and
  // the anchor from the body (DerivePinsFromModel), then every further pin
  // laid out from the anchor (LayOutPinsFromModel).
  virtual void UpdatePinsFromModel();
  // Computes pins 1.. from the anchor pins[0], the direction and the width.
  virtual void LayOutPins(int step);
  // The class's own record letter.
  virtual void SetTypeLetter();

  // Lays out the pins as placing does for the type letter: packages (C, D,
  // E, S, Z) from their anchor, a reserved location (R) takes its fixed cell
  // value, a pad keeps its hole.
  void LayOutPinsByType(int step);
  // The pin count and width a body of this size holds, the tables, and the
  // anchor from the body's position. Further pins are left as they are.
  virtual void DerivePinsFromModel();
  // Lays out all pins from the anchor, with the direction the body's turn
  // shows and the component's resolution, exactly as placing does; so a
  // description read back has every pin where it was written.
  void LayOutPinsFromModel();
  // The direction letter the body's turn about z shows.
  [[nodiscard]] virtual char DirectionFromModel() const;

  // The first and last line of the component's statement in a description;
  // the body's argument lines go between them.
  [[nodiscard]] virtual std::string DescriptionHeader() const;
  [[nodiscard]] std::string DescriptionClosing() const;

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

 protected:
  // Keeps the letter without turning the body.
  void StoreDirection(char direction) { direction_ = direction; }
  // A length of the body in pitches, truncated toward zero; a length a hair
  // short of a whole number of pitches (as single-precision constants in a
  // description give) counts as that whole number.
  [[nodiscard]] int Pitches(double length) const;
  // Sets the pin count (kept within 0..MAX_BODY_PIN_COUNT) and the width
  // (within 0..MAX_BODY_WIDTH) and allocates the tables.
  void SetCounts(int pinCount, int width);
  // The anchor from the body's position, with cell value PIN_REST_VALUE,
  // scaled by `step`.
  void SetAnchorFromModel(int step);

 private:
  double pitch_;
  char direction_ = 'R';
  Resolution resolution_ = Resolution::Mil100;
};

// The z angle of each direction letter, and the letter of a z angle.
double DirectionAngle(char direction);
char DirectionFromAngle(double angle);
// The letter of the quarter turn nearest to an angle, whatever the number of
// whole turns in it: the reading of a turn written out and read back.
char DirectionFromQuarterTurns(double angle);

}  // namespace cuprum
