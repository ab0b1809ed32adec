// A zig-zag in-line package: two interleaved rows of pins, the second row offset
// by one grid position, under a box as long as the longer row.
#pragma once

#include "model3d/primitives.h"
#include "parts/component.h"

namespace cuprum {

class ZIP : public Component, public Cube {
 public:
  ZIP();

  void UpdateModelFromPins() override;
  void DerivePinsFromModel() override;
  void LayOutPins(int step) override;
  void SetTypeLetter() override;
  [[nodiscard]] std::string DescriptionHeader() const override;
};

}  // namespace cuprum
