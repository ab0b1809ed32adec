// A minimal JSON writer for the tool's --json output: objects, arrays,
// numbers, strings and booleans, written in order.
#pragma once

#include <string>
#include <string_view>

namespace cuprum::cli {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view key);
  JsonWriter& Value(std::string_view text);
  JsonWriter& Value(const char* text) { return Value(std::string_view(text)); }
  JsonWriter& Value(long long number);
  JsonWriter& Value(int number) { return Value(static_cast<long long>(number)); }
  JsonWriter& Value(double number);
  JsonWriter& Value(bool flag);

  [[nodiscard]] const std::string& Text() const { return out_; }

 private:
  void Separate();
  std::string out_;
  bool needComma_ = false;
};

std::string JsonEscape(std::string_view text);

}  // namespace cuprum::cli
