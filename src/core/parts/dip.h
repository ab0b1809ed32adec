// A dual in-line package: two rows of pins under a box as long as a row and as
// wide as the rows are apart.
#pragma once

#include "model3d/primitives.h"
#include "parts/component.h"

namespace cuprum {

class DIP : public Cube, public Component {
 public:
  DIP();

  void UpdateModelFromPins() override;
  void DerivePinsFromModel() override;
  void LayOutPins(int step) override;
  void SetTypeLetter() override;
  [[nodiscard]] std::string DescriptionHeader() const override;
};

}  // namespace cuprum
