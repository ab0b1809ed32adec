// The size a PNG file declares, for tests of the pictures the tool writes.
#pragma once

#include <cstdint>
#include <string>

namespace cuprum::testing {

struct PngSize {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
};

// The picture's size from its header, after checking the PNG signature; 0 x 0
// for anything that is not a PNG.
inline PngSize ReadPngSize(const std::string& bytes) {
  static const std::string SIGNATURE("\x89PNG\r\n\x1a\n", 8);
  if (bytes.size() < 24 || bytes.compare(0, 8, SIGNATURE) != 0 || bytes.compare(12, 4, "IHDR") != 0)
    return {};
  auto word = [&bytes](std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
      value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  return {word(16), word(20)};
}

}  // namespace cuprum::testing
