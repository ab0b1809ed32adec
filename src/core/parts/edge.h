// An edge connector: contact fingers on both sides of the board's edge. Its
// width is the finger length, the cells each finger covers from its pin.
#pragma once

#include "model3d/primitives.h"
#include "parts/component.h"

namespace cuprum {

class Edge : public Cube, public Component {
 public:
  Edge();

  void UpdateModelFromPins() override;
  void DerivePinsFromModel() override;
  void LayOutPins(int step) override;
  void SetTypeLetter() override;
  [[nodiscard]] std::string DescriptionHeader() const override;
};

}  // namespace cuprum
