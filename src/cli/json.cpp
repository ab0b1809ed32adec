#include "json.h"

#include <cmath>
#include <cstdio>

namespace cuprum::cli {

void JsonWriter::Separate() {
  if (needComma_) out_ += ',';
  needComma_ = true;
}

JsonWriter& JsonWriter::BeginObject() {
  Separate();
  out_ += '{';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  out_ += '}';
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  Separate();
  out_ += '[';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  out_ += ']';
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  Separate();
  out_ += '"';
  out_ += JsonEscape(key);
  out_ += "\":";
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::Value(std::string_view text) {
  Separate();
  out_ += '"';
  out_ += JsonEscape(text);
  out_ += '"';
  return *this;
}

JsonWriter& JsonWriter::Value(long long number) {
  Separate();
  out_ += std::to_string(number);
  return *this;
}

JsonWriter& JsonWriter::Value(double number) {
  Separate();
  if (!std::isfinite(number)) {
    out_ += "null";
    return *this;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", number);
  out_ += text;
  return *this;
}

JsonWriter& JsonWriter::Value(bool flag) {
  Separate();
  out_ += flag ? "true" : "false";
  return *this;
}

std::string JsonEscape(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20 || u >= 0x80) {
          // Names come from 8-bit text files; keep the output plain ASCII.
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  return out;
}

}  // namespace cuprum::cli
