#include "parts/edge.h"

#include <cstdio>

#include "parts/pinlayout.h"

namespace cuprum {

Edge::Edge() : MechanicalComponent(RealVector{}) { Edge::SetTypeLetter(); }

void Edge::UpdateModelFromPins() {
  SetDirection(Direction());
  // Whole pins per row: an odd pin has no place of its own in the body.
  const int pinsPerRow = PinCount() / 2;
  SetSize(RealVector{pinsPerRow * Pitch(), Width() * Pitch(), Pitch()});
}

void Edge::DerivePinsFromModel() {
  const RealVector size = GetSize();
  SetCounts(Pitches(size.x * 2), Pitches(size.y));
  SetAnchorFromModel(GridStep(GetResolution()));
}

void Edge::LayOutPins(int step) { LayOutEdgePins(Pins(), PinCount(), Direction(), step); }

void Edge::SetTypeLetter() { SetTypeLetterValue('E'); }

std::string Edge::DescriptionHeader() const {
  char text[32];
  std::snprintf(text, sizeof text, "Edge pEdge_%c(\r\n", Letter());
  return text;
}

}  // namespace cuprum
