// The character level of the component description language: bytes to
// tokens, with names and keywords kept in the symbol table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model3d/bytestream.h"

namespace cuprum {

constexpr std::size_t LEXER_TEXT_BUFFER_SIZE = 256;  // identifier or operator text
constexpr std::size_t MAX_IDENTIFIER_LENGTH = LEXER_TEXT_BUFFER_SIZE - 1;
constexpr std::size_t NUMBER_TEXT_SIZE = 36;  // 35 characters and a terminator

constexpr const char* COMPILER_ERROR = "compiler error";
constexpr const char* SYMBOL_REDEFINITION = "symbol redefinition";
constexpr const char* SYNTAX_ERROR = "syntax error";

class Lexer {
 public:
  // The one lexer the parser and the description reader share.
  static Lexer& Process();

  // As at program start: line 0, the leading newline armed, no stream, no
  // token, declaration mode off.
  void Reset();

  // The next token of the stream, which also becomes the stream of Match().
  // Sets the integer and real value, the current symbol and the text.
  int NextToken(ByteStream& stream);
  // Consumes the current token when it is the expected one and returns the
  // next; otherwise reports the fatal "syntax error" and leaves it in place.
  int Match(int expected);

  [[nodiscard]] int CurrentToken() const { return currentToken_; }
  void SetCurrentToken(int token) { currentToken_ = token; }
  // Reads the next token of the bound stream into the current token.
  int Advance();

  [[nodiscard]] std::int32_t IntegerValue() const { return integerValue_; }
  [[nodiscard]] double RealValue() const { return realValue_; }
  // Symbol-table index of the last identifier or keyword; 0 after any other
  // token (true and false included).
  [[nodiscard]] int CurrentSymbol() const { return currentSymbol_; }
  // The identifier or operator text of the last such token.
  [[nodiscard]] std::string_view Text() const { return std::string_view(text_.data(), textLength_); }
  // The characters of the last number (at most 35).
  [[nodiscard]] std::string_view NumberText() const {
    return std::string_view(numberText_.data(), numberLength_);
  }

  [[nodiscard]] std::int32_t LineNumber() const { return lineNumber_; }
  void SetLineNumber(std::int32_t line) { lineNumber_ = line; }

  [[nodiscard]] bool DeclarationMode() const { return declarationMode_; }
  void SetDeclarationMode(bool on) { declarationMode_ = on; }

  // Makes the next call take a newline before its first byte, so that the
  // first line of the input is counted as line 1.
  void ArmLeadingNewline() { firstCall_ = true; }

  [[nodiscard]] ByteStream* Stream() const { return stream_; }
  void BindStream(ByteStream* stream) { stream_ = stream; }

  // Byte level, shared with the readers that take words straight from the
  // stream: the end mark is -1 (also for a byte 0xFF); pushing back drops
  // blanks and the end mark, counts and drops a newline, and steps back over
  // anything else.
  int ReadChar();
  void PushBack(int c);

 private:
  int Scan();
  int ScanNumber(int first);
  int ScanFraction(double integerPart);
  int ScanIdentifier(int first);
  int ScanOperator(int first);
  void SkipRestOfLine();
  bool AppendNumberChar(int c);

  ByteStream* stream_ = nullptr;
  std::int32_t lineNumber_ = 0;
  std::array<char, LEXER_TEXT_BUFFER_SIZE> text_{};
  std::size_t textLength_ = 0;
  std::array<char, NUMBER_TEXT_SIZE> numberText_{};
  std::size_t numberLength_ = 0;
  bool numberTextOverflow_ = false;
  std::int32_t integerValue_ = 0;
  double realValue_ = 0.0;
  int currentToken_ = 0;
  int currentSymbol_ = 0;
  bool declarationMode_ = false;
  bool firstCall_ = true;
};

// The process lexer's operations under the names the language's parts use.
int NextToken(ByteStream& stream);
int Match(int expected);
// The lexeme of the last predefined entry with this token; "ID" when none.
std::string_view TokenName(int token);

}  // namespace cuprum
