// Field readers shared by the parts-file and netlist parsers: records are a
// letter followed by fields split at blanks, commas and tabs, with ';' opening
// a comment. The reader keeps the current line and counts lines for messages.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace cuprum {

class Platform;

// Fields are cut to this many characters.
constexpr std::size_t MAX_FIELD_LENGTH = 63;
// Lines are read in pieces of at most this many characters.
constexpr std::size_t LINE_BUFFER_SIZE = 256;

constexpr const char* INTEGER_SYNTAX_ERROR = "syntax error: expected integer, found string";
// At most this many number-field errors are kept per file; a file of
// nothing but words would otherwise fill memory with them.
constexpr std::size_t MAX_KEPT_SYNTAX_ERRORS = 64;

// A field that stands where a number is due but starts with a letter: the
// reader takes it as 0 and goes on, and keeps where it was for front ends
// that want to name the line.
struct IntegerSyntaxError {
  std::int32_t line = 0;
  std::string field;
};

class FieldReader {
 public:
  // Message boxes the readers raise go to the platform.
  explicit FieldReader(Platform& platform);

  // Starts a new file: line number 0, the first call reads line 1, and no
  // syntax errors are on record.
  void Reset();

  // The next letter of the file, passing over everything else; 0 on a read
  // error or once the file is used up.
  char ReadRecordLetter(std::FILE* stream);
  // The next field, reading further lines as needed. Returns 1 (also at the
  // end of the file, with an empty field), 0 on a read error.
  int ReadField(std::FILE* stream, std::string& field);
  // The next field of the current line only: 0 and an empty field when the
  // line is used up.
  int ReadFieldOnLine(std::FILE* stream, std::string& field);
  // The next field as a decimal integer (0 when it has no digits; values
  // beyond int are clamped). At the end of the file the value is left as it
  // was. A field that starts with a letter raises a syntax-error message box.
  int ReadIntField(std::FILE* stream, int& value);

  [[nodiscard]] std::int32_t LineNumber() const { return lineNumber_; }
  void SetLineNumber(std::int32_t line) { lineNumber_ = line; }
  // True once a line was wanted and the file had none left.
  [[nodiscard]] bool AtEnd() const { return atEnd_; }
  // The number fields of the current file that started with a letter, in
  // the order read (the first MAX_KEPT_SYNTAX_ERRORS of them).
  [[nodiscard]] const std::vector<IntegerSyntaxError>& IntegerSyntaxErrors() const {
    return syntaxErrors_;
  }

 private:
  enum class Fetch { Ready, End, Error };
  // Makes a line available at the read position, reading the next one when
  // the current one is used up (when allowed).
  Fetch PrepareLine(std::FILE* stream, bool mayReadNextLine);
  void SkipBlanksAndComment();
  // The next field of the rest of the current line; false when none is left.
  bool TakeField(std::string& field);
  int ReadFieldAcrossLines(std::FILE* stream, std::string& field, bool& found);

  Platform& platform_;
  std::int32_t lineNumber_ = 0;
  std::size_t position_ = 0;
  // One byte more than a line piece so that a comment cut ("\n\0") always fits.
  std::array<char, LINE_BUFFER_SIZE + 1> buffer_{};
  bool atEnd_ = false;
  std::vector<IntegerSyntaxError> syntaxErrors_;
};

}  // namespace cuprum
