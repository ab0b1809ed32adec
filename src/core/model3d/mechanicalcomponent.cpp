#include "model3d/mechanicalcomponent.h"

#include <cmath>
#include <cstdio>

#include "model3d/lettercounters.h"

namespace cuprum {

namespace {
constexpr double NEAR_DISTANCE_SQUARED = 10000.0;
constexpr double PIXEL_METRES = 0.0001;
}  // namespace

MechanicalComponent::MechanicalComponent()
    : letter_(LetterCounters::Process().mechanical.Take()), centred_(true) {}

MechanicalComponent::MechanicalComponent(const RealVector& orientation)
    : letter_(LetterCounters::Process().mechanical.Take()),
      centred_(false),
      orientation_(orientation) {}

std::string MechanicalComponent::GetStatusText() const {
  const RealVector p = GetPosition();
  char text[256];
  std::snprintf(text, sizeof text, "%5.2e X, %5.2e Y, %5.2e Z  :  %c", p.x, p.y, p.z, letter_);
  return text;
}

void MechanicalComponent::Step(double time) {
  RealVector p = GetPosition();
  const RealVector v = GetVelocity();
  p.x += v.x * time;
  p.y += v.y * time;
  p.z += v.z * time;
  SetPosition(p);
}

double MechanicalComponent::DistanceSquared(double x, double y, double z) const {
  const RealVector p = GetPosition();
  const double dx = p.x - x;
  const double dy = p.y - y;
  const double dz = p.z - z;
  return dx * dx + dy * dy + dz * dz;
}

bool MechanicalComponent::IsNear(double x, double y, double z) const {
  return DistanceSquared(x, y, z) < NEAR_DISTANCE_SQUARED;
}

void MechanicalComponent::SetMechanicalName(std::string_view name) {
  name_ = std::string(name.substr(0, MAX_NAME_LENGTH));
}

bool ProjectToPixel(double coordinate, int extent, double scale, bool vertical, int& pixel) {
  const double offset = coordinate / PIXEL_METRES / scale;
  if (!std::isfinite(offset) || std::fabs(offset) > 1e9) return false;
  const int centred = static_cast<int>(offset) + extent / 2;
  pixel = vertical ? extent - centred : centred;
  return pixel >= 0 && pixel < extent;
}

}  // namespace cuprum
