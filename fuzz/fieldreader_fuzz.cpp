// Drives the field readers over arbitrary text with a call sequence chosen by
// the input's first byte, the way the parsers mix them.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "board/fieldreader.h"
#include "platform/recordingplatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace cuprum;
  if (size < 1) return 0;
  const std::uint8_t pattern = data[0];
  std::vector<char> text(data + 1, data + size);
  if (text.empty()) return 0;
  std::FILE* stream = fmemopen(text.data(), text.size(), "r");
  if (stream == nullptr) return 0;
  RecordingPlatform platform;
  FieldReader reader(platform);
  std::string field;
  int value = 0;
  // Every call consumes input or ends it, so the loop is bounded by the size.
  for (std::size_t step = 0; step < 4 * text.size() + 16 && !reader.AtEnd(); ++step) {
    switch ((pattern >> ((step % 4) * 2)) & 3U) {
      case 0: reader.ReadRecordLetter(stream); break;
      case 1: reader.ReadField(stream, field); break;
      case 2: reader.ReadFieldOnLine(stream, field); break;
      default: reader.ReadIntField(stream, value); break;
    }
    if (field.size() > MAX_FIELD_LENGTH) __builtin_trap();
  }
  std::fclose(stream);
  return 0;
}
