// A two-lead part (resistor, capacitor, diode): a cylinder lying between its
// two pins.
#pragma once

#include "model3d/primitives.h"
#include "parts/component.h"

namespace cuprum {

class Component2Pin : public Cylinder, public Component {
 public:
  Component2Pin();

  // The cylinder points back from the first pin to the second, so it is
  // turned half a turn beyond the direction; its height is the lead spacing.
  void UpdateModelFromPins() override;
  // Two pins, as far apart as the cylinder is high.
  void DerivePinsFromModel() override;
  void LayOutPins(int step) override;
  void SetTypeLetter() override;
  [[nodiscard]] char DirectionFromModel() const override;
  [[nodiscard]] std::string DescriptionHeader() const override;
};

}  // namespace cuprum
