// A single in-line package: one row of pins under a box as long as the row.
#pragma once

#include "model3d/primitives.h"
#include "parts/component.h"

namespace cuprum {

class SIP : public Cube, public Component {
 public:
  SIP();

  void UpdateModelFromPins() override;
  void DerivePinsFromModel() override;
  void LayOutPins(int step) override;
  void SetTypeLetter() override;
  [[nodiscard]] std::string DescriptionHeader() const override;
};

}  // namespace cuprum
