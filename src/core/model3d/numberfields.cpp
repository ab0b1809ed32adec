#include "model3d/numberfields.h"

#include <array>
#include <charconv>

namespace cuprum {

namespace {

constexpr std::size_t FIELD_WIDTH = 16;

std::string RightAligned(double value, std::chars_format format, int precision) {
  // Enough for any double in fixed form with one decimal (309 digits).
  std::array<char, 400> digits{};
  const auto result =
      std::to_chars(digits.data(), digits.data() + digits.size(), value, format, precision);
  const auto length = static_cast<std::size_t>(result.ptr - digits.data());
  std::string field(length < FIELD_WIDTH ? FIELD_WIDTH - length : 0, ' ');
  field.append(digits.data(), length);
  return field;
}

}  // namespace

std::string ExponentField(double value) {
  return RightAligned(value, std::chars_format::scientific, 6);
}

std::string FixedField(double value) { return RightAligned(value, std::chars_format::fixed, 1); }

}  // namespace cuprum
