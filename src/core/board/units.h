// The three units of the system and the conversions between them: tenths of
// an inch (files and dialogs), grid positions (the grid) and metres (3D model).
#pragma once

#include <cstdint>

namespace cuprum {

// Resolution shift: one grid position is 0.1 inch / 2^shift.
enum class Resolution : std::uint8_t { Mil100 = 0, Mil50 = 1 };

constexpr double METRES_PER_TENTH = 0.00254;

constexpr int ResolutionShift(Resolution r) { return static_cast<int>(r); }
// Grid positions per tenth of an inch: 1 at 100 mil, 2 at 50 mil.
constexpr int GridStep(Resolution r) { return 1 << ResolutionShift(r); }
constexpr int ResolutionMil(Resolution r) { return 100 >> ResolutionShift(r); }

constexpr int TenthsToGrid(int tenths, Resolution r) { return tenths * GridStep(r); }
// Truncating, as the board file stores it.
constexpr int GridToTenths(int positions, Resolution r) { return positions / GridStep(r); }

constexpr double GridToMetres(double positions, Resolution r) {
  return positions * METRES_PER_TENTH / GridStep(r);
}

}  // namespace cuprum
