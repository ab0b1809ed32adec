#include "parts/zip.h"

#include <cstdio>

#include "parts/pinlayout.h"

namespace cuprum {

ZIP::ZIP() : MechanicalComponent(RealVector{}) { ZIP::SetTypeLetter(); }

void ZIP::UpdateModelFromPins() {
  SetDirection(Direction());
  // The longer of the two staggered rows.
  const int pinsPerRow = (PinCount() + 1) / 2;
  SetSize(RealVector{pinsPerRow * Pitch(), Width() * Pitch(), Pitch()});
}

void ZIP::DerivePinsFromModel() {
  // The box is as long as the longer row, so an even count reads back one
  // pin short, as it always has.
  const RealVector size = GetSize();
  SetCounts(Pitches(size.x * 2) - 1, Pitches(size.y));
  SetAnchorFromModel(GridStep(GetResolution()));
}

void ZIP::LayOutPins(int step) { LayOutZipPins(Pins(), PinCount(), Direction(), step, Width()); }

void ZIP::SetTypeLetter() { SetTypeLetterValue('Z'); }

std::string ZIP::DescriptionHeader() const {
  char text[32];
  std::snprintf(text, sizeof text, "ZIP pZIP_%c(\r\n", Letter());
  return text;
}

}  // namespace cuprum
