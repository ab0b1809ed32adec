#include "export/textfile.h"

#include <array>
#include <charconv>

namespace cuprum {

std::string ToTextFileBytes(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  for (const char c : text) {
    if (c == '\n') bytes.push_back('\r');
    bytes.push_back(c);
  }
  return bytes;
}

std::string FormatFixed(double value, int decimals) {
  // Wide enough for any double in fixed notation at the few decimals used.
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals);
  return {buffer.data(), result.ptr};
}

}  // namespace cuprum
