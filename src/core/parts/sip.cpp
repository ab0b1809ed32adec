#include "parts/sip.h"

#include <cstdio>

#include "parts/pinlayout.h"

namespace cuprum {

SIP::SIP() : MechanicalComponent(RealVector{}) { SIP::SetTypeLetter(); }

void SIP::UpdateModelFromPins() {
  SetDirection(Direction());
  SetSize(RealVector{PinCount() * Pitch(), Width() * Pitch(), Pitch()});
}

void SIP::DerivePinsFromModel() {
  const RealVector size = GetSize();
  SetCounts(Pitches(size.x), Pitches(size.y));
  SetAnchorFromModel(GridStep(GetResolution()));
}

void SIP::LayOutPins(int step) { LayOutSipPins(Pins(), PinCount(), Direction(), step); }

void SIP::SetTypeLetter() { SetTypeLetterValue('S'); }

std::string SIP::DescriptionHeader() const {
  char text[32];
  std::snprintf(text, sizeof text, "SIP pSIP_%c(\r\n", Letter());
  return text;
}

}  // namespace cuprum
