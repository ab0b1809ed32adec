// The byte source the description lexer reads: a whole description held in
// memory, with a read position that can step back.
#pragma once

#include <cstddef>
#include <string_view>

namespace cuprum {

class ByteStream {
 public:
  // What Get() answers once the position has reached the length.
  static constexpr int END_OF_STREAM = -1;

  explicit ByteStream(std::string_view bytes) : bytes_(bytes) {}

  // The next byte (0..255), or END_OF_STREAM without moving at the end.
  int Get() {
    if (position_ >= bytes_.size()) return END_OF_STREAM;
    return static_cast<unsigned char>(bytes_[position_++]);
  }
  // Moves back one byte so that the next Get() returns it again.
  void StepBack() {
    if (position_ > 0) --position_;
  }

  [[nodiscard]] std::size_t Position() const { return position_; }
  [[nodiscard]] std::size_t Length() const { return bytes_.size(); }
  [[nodiscard]] bool AtEnd() const { return position_ >= bytes_.size(); }
  void Rewind() { position_ = 0; }

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
};

}  // namespace cuprum
