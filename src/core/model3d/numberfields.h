// The two number fields of the 3D model texts, in the C locale whatever
// locale the process runs in: a decimal comma would break the description
// reader, OpenSCAD and the users' own tools alike.
#pragma once

#include <string>

namespace cuprum {

// printf's "%16e": exponent form, six decimals, right-aligned in at least 16
// characters ("    1.000000e+00").
[[nodiscard]] std::string ExponentField(double value);

// printf's "%16.1f": fixed form, one decimal, right-aligned in at least 16
// characters ("            10.0").
[[nodiscard]] std::string FixedField(double value);

}  // namespace cuprum
