#include "board/fieldreader.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"

namespace cuprum {

namespace {

bool IsDelimiter(char c) { return c == ' ' || c == ',' || c == '\t' || c == '\n'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\0'; }
bool IsGraphic(char c) { return std::isgraph(static_cast<unsigned char>(c)) != 0; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

int ToInt(const std::string& field) {
  errno = 0;
  const long value = std::strtol(field.c_str(), nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

FieldReader::FieldReader(Platform& platform) : platform_(platform) { Reset(); }

void FieldReader::Reset() {
  lineNumber_ = 0;
  position_ = 0;
  buffer_.fill('\0');
  buffer_[0] = '\n';
  atEnd_ = false;
  syntaxErrors_.clear();
}

FieldReader::Fetch FieldReader::PrepareLine(std::FILE* stream, bool mayReadNextLine) {
  if (!IsLineEnd(buffer_[position_])) return Fetch::Ready;
  if (!mayReadNextLine) return Fetch::End;
  if (atEnd_) return Fetch::End;
  ++lineNumber_;
  if (std::fgets(buffer_.data(), static_cast<int>(LINE_BUFFER_SIZE), stream) == nullptr) {
    if (!std::feof(stream)) return Fetch::Error;
    atEnd_ = true;
    buffer_[0] = '\0';
    position_ = 0;
    return Fetch::End;
  }
  // Files come with CR LF line ends; read them as text, where a CR LF pair is
  // one line break.
  const std::size_t length = std::strlen(buffer_.data());
  if (length >= 2 && buffer_[length - 2] == '\r' && buffer_[length - 1] == '\n') {
    buffer_[length - 2] = '\n';
    buffer_[length - 1] = '\0';
  }
  position_ = 0;
  return Fetch::Ready;
}

void FieldReader::SkipBlanksAndComment() {
  while (!IsGraphic(buffer_[position_]) && !IsLineEnd(buffer_[position_])) ++position_;
  if (buffer_[position_] == ';') {
    buffer_[position_] = '\n';
    buffer_[position_ + 1] = '\0';
  }
}

bool FieldReader::TakeField(std::string& field) {
  std::size_t start = position_;
  while (IsDelimiter(buffer_[start])) ++start;
  if (buffer_[start] == '\0') {
    position_ = start;
    return false;
  }
  std::size_t end = start;
  while (buffer_[end] != '\0' && !IsDelimiter(buffer_[end])) ++end;
  field.assign(buffer_.data() + start, std::min(end - start, MAX_FIELD_LENGTH));
  // Continue right after the delimiter that ended the field, so that no field
  // is read twice or passed over whatever blanks stood before it.
  if (buffer_[end] != '\0') {
    buffer_[end] = '\0';
    ++end;
  }
  position_ = end;
  return true;
}

char FieldReader::ReadRecordLetter(std::FILE* stream) {
  for (;;) {
    switch (PrepareLine(stream, true)) {
      case Fetch::Error:
      case Fetch::End: return '\0';
      case Fetch::Ready: break;
    }
    SkipBlanksAndComment();
    const char c = buffer_[position_];
    if (IsLineEnd(c)) continue;
    ++position_;
    if (IsLetter(c)) return c;
  }
}

int FieldReader::ReadFieldAcrossLines(std::FILE* stream, std::string& field, bool& found) {
  field.clear();
  found = false;
  for (;;) {
    switch (PrepareLine(stream, true)) {
      case Fetch::Error: return 0;
      case Fetch::End: return 1;
      case Fetch::Ready: break;
    }
    SkipBlanksAndComment();
    if (TakeField(field)) {
      found = true;
      return 1;
    }
  }
}

int FieldReader::ReadField(std::FILE* stream, std::string& field) {
  bool found = false;
  return ReadFieldAcrossLines(stream, field, found);
}

int FieldReader::ReadFieldOnLine(std::FILE* stream, std::string& field) {
  field.clear();
  if (PrepareLine(stream, false) != Fetch::Ready) return 0;
  SkipBlanksAndComment();
  return TakeField(field) ? 1 : 0;
}

int FieldReader::ReadIntField(std::FILE* stream, int& value) {
  std::string field;
  bool found = false;
  if (ReadFieldAcrossLines(stream, field, found) == 0) return 0;
  if (!found) return 1;
  value = ToInt(field);
  if (IsLetter(field[0])) {
    if (syntaxErrors_.size() < MAX_KEPT_SYNTAX_ERRORS) syntaxErrors_.push_back({lineNumber_, field});
    platform_.MessageBox(INTEGER_SYNTAX_ERROR, APP_CAPTION, MessageIcon::Error);
  }
  return 1;
}

}  // namespace cuprum
