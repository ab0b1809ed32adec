#include "parts/dip.h"

#include <cstdio>

#include "parts/pinlayout.h"

namespace cuprum {

DIP::DIP() : MechanicalComponent(RealVector{}) { DIP::SetTypeLetter(); }

void DIP::UpdateModelFromPins() {
  SetDirection(Direction());
  // Whole pins per row: an odd pin has no place of its own in the body.
  const int pinsPerRow = PinCount() / 2;
  SetSize(RealVector{pinsPerRow * Pitch(), Width() * Pitch(), Pitch()});
}

void DIP::DerivePinsFromModel() {
  const RealVector size = GetSize();
  SetCounts(Pitches(size.x * 2), Pitches(size.y));
  SetAnchorFromModel(GridStep(GetResolution()));
}

void DIP::LayOutPins(int step) { LayOutDipPins(Pins(), PinCount(), Direction(), step, Width()); }

void DIP::SetTypeLetter() { SetTypeLetterValue('D'); }

std::string DIP::DescriptionHeader() const {
  char text[32];
  std::snprintf(text, sizeof text, "DIP pDIP_%c(\r\n", Letter());
  return text;
}

}  // namespace cuprum
