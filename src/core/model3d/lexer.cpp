#include "model3d/lexer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "model3d/reporters.h"
#include "model3d/symboltable.h"
#include "model3d/tokens.h"

namespace cuprum {

namespace {

constexpr int END_MARK = ByteStream::END_OF_STREAM;
constexpr int END_MARK_BYTE = 0xFF;
// Beyond this many fraction digits every further digit adds less than the
// smallest double, so the divisions are not worth making.
constexpr int MAX_FRACTION_PLACES = 330;
// Exponents beyond this already give infinity or zero.
constexpr long MAX_EXPONENT_DIGITS_VALUE = 100000;

bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsOctalDigit(int c) { return c >= '0' && c <= '7'; }
bool IsLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsGraphic(int c) { return c > ' ' && c < 0x7F; }

int HexDigitValue(int c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::int32_t Wrapped(std::uint32_t value) { return static_cast<std::int32_t>(value); }

}  // namespace

Lexer& Lexer::Process() {
  static Lexer lexer;
  return lexer;
}

void Lexer::Reset() { *this = Lexer{}; }

int Lexer::ReadChar() {
  if (stream_ == nullptr) return END_MARK;
  const int c = stream_->Get();
  return c == END_MARK_BYTE ? END_MARK : c;
}

void Lexer::PushBack(int c) {
  if (c == ' ' || c == '\t' || c == '\r' || c == END_MARK) return;
  if (c == '\n') {
    ++lineNumber_;
    return;
  }
  if (stream_ != nullptr) stream_->StepBack();
}

int Lexer::NextToken(ByteStream& stream) {
  stream_ = &stream;
  return Scan();
}

int Lexer::Advance() {
  currentToken_ = stream_ != nullptr ? Scan() : TOKEN_END;
  return currentToken_;
}

int Lexer::Match(int expected) {
  if (currentToken_ == expected) return Advance();
  const std::string_view wanted = TokenName(expected);
  const std::string_view found = TokenName(currentToken_);
  std::fprintf(stderr, "error: expected %.*s but found %.*s\n", static_cast<int>(wanted.size()),
               wanted.data(), static_cast<int>(found.size()), found.data());
  ReportFatal(SYNTAX_ERROR);
  return currentToken_;
}

void Lexer::SkipRestOfLine() {
  for (int c = ReadChar(); c != END_MARK; c = ReadChar()) {
    if (c == '\n') {
      ++lineNumber_;
      return;
    }
  }
}

int Lexer::Scan() {
  integerValue_ = 0;
  realValue_ = 0.0;
  currentSymbol_ = 0;
  int c = '\n';
  if (firstCall_)
    firstCall_ = false;
  else
    c = ReadChar();
  // White space and comments; every pass consumes a byte or meets the end.
  for (;;) {
    if (c == '\n') {
      ++lineNumber_;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\0') {
      // skipped
    } else if (c == '#') {
      SkipRestOfLine();
    } else if (c == '/') {
      const int next = ReadChar();
      if (next != '/') {
        PushBack(next);
        break;
      }
      SkipRestOfLine();
    } else {
      break;
    }
    c = ReadChar();
  }
  if (c == END_MARK) return TOKEN_END;
  if (IsDigit(c)) return ScanNumber(c);
  if (IsLetter(c) || c == '_') return ScanIdentifier(c);
  if (IsGraphic(c)) return ScanOperator(c);
  return c > 0x7F ? TOKEN_FOREIGN_CHARACTER : c;
}

bool Lexer::AppendNumberChar(int c) {
  if (numberLength_ >= NUMBER_TEXT_SIZE - 1) {
    numberTextOverflow_ = true;
    return false;
  }
  numberText_[numberLength_++] = static_cast<char>(c);
  numberText_[numberLength_] = '\0';
  return true;
}

int Lexer::ScanNumber(int first) {
  numberLength_ = 0;
  numberText_[0] = '\0';
  numberTextOverflow_ = false;
  if (first == '0') {
    const int next = ReadChar();
    if (next == '.') {
      const int after = ReadChar();
      if (IsDigit(after)) {
        AppendNumberChar('0');
        PushBack(after);
        return ScanFraction(0.0);
      }
      // "0." alone is the integer 0; the '.' is left for the next token.
      PushBack(after);
      PushBack('.');
      return TOKEN_INTEGER;
    }
    std::uint32_t value = 0;
    int c = next;
    if (next == 'x' || next == 'X') {
      for (c = ReadChar(); HexDigitValue(c) >= 0; c = ReadChar())
        value = value * 16U + static_cast<std::uint32_t>(HexDigitValue(c));
    } else if (IsOctalDigit(next)) {
      for (; IsOctalDigit(c); c = ReadChar()) value = value * 8U + static_cast<std::uint32_t>(c - '0');
    }
    PushBack(c);
    integerValue_ = Wrapped(value);
    return TOKEN_INTEGER;
  }

  std::uint32_t value = 0;
  double whole = 0.0;
  int c = first;
  for (; IsDigit(c); c = ReadChar()) {
    value = value * 10U + static_cast<std::uint32_t>(c - '0');
    whole = whole * 10.0 + (c - '0');
    AppendNumberChar(c);
  }
  if (c == '.') {
    const int after = ReadChar();
    if (IsDigit(after)) {
      PushBack(after);
      return ScanFraction(whole);
    }
    // Not part of the number. A blank after the '.' is not stepped back
    // over, so the step back over '.' lands on the blank and the '.' is lost.
    PushBack(after);
    PushBack('.');
  } else {
    PushBack(c);
  }
  integerValue_ = Wrapped(value);
  return TOKEN_INTEGER;
}

int Lexer::ScanFraction(double integerPart) {
  AppendNumberChar('.');
  double value = integerPart;
  int place = 0;
  int c = ReadChar();
  for (; IsDigit(c); c = ReadChar()) {
    AppendNumberChar(c);
    if (++place > MAX_FRACTION_PLACES) continue;
    double term = c - '0';
    for (int i = 0; i < place; ++i) term /= 10.0;
    value += term;
  }
  if (c == 'e' || c == 'E') {
    AppendNumberChar(c);
    bool negative = false;
    long exponent = 0;
    c = ReadChar();
    if (c == '+' || c == '-') {
      negative = c == '-';
      AppendNumberChar(c);
      c = ReadChar();
    }
    for (; IsDigit(c); c = ReadChar()) {
      AppendNumberChar(c);
      exponent = std::min(exponent * 10 + (c - '0'), MAX_EXPONENT_DIGITS_VALUE);
    }
    if (!numberTextOverflow_) {
      double converted = 0.0;
      const auto [end, error] =
          std::from_chars(numberText_.data(), numberText_.data() + numberLength_, converted);
      (void)end;
      if (error == std::errc::result_out_of_range)
        value = negative ? 0.0 : std::numeric_limits<double>::infinity();
      else if (error == std::errc{})
        value = converted;
    } else {
      // The text no longer holds the whole number: scale what was summed.
      value *= std::pow(10.0, static_cast<double>(negative ? -exponent : exponent));
    }
  }
  PushBack(c);
  realValue_ = value;
  integerValue_ = 0;
  return TOKEN_REAL;
}

int Lexer::ScanIdentifier(int first) {
  textLength_ = 0;
  bool tooLong = false;
  int c = first;
  for (; IsLetter(c) || IsDigit(c) || c == '_'; c = ReadChar()) {
    if (textLength_ >= MAX_IDENTIFIER_LENGTH)
      tooLong = true;  // the rest of the name is passed over
    else
      text_[textLength_++] = static_cast<char>(c);
  }
  text_[textLength_] = '\0';
  PushBack(c);
  if (tooLong) {
    ReportFatal(COMPILER_ERROR);
    return TOKEN_END;
  }

  SymbolTable& table = SymbolTable::Process();
  const std::string_view name = Text();
  int index = 0;
  if (declarationMode_) {
    if (table.LookupCurrentScope(name) != 0) ReportFatal(SYMBOL_REDEFINITION);
    index = table.LookupForDeclaration(name);
  } else {
    index = table.Lookup(name);
  }
  if (index == 0) {
    index = table.Insert(name, TOKEN_ID);
    if (index == 0) return TOKEN_END;  // the table is full; reported
  }
  const int token = table.Entry(index).token;
  if (token == TOKEN_FALSE) return TOKEN_INTEGER;
  if (token == TOKEN_TRUE) {
    integerValue_ = -1;
    return TOKEN_INTEGER;
  }
  currentSymbol_ = index;
  return token;
}

int Lexer::ScanOperator(int first) {
  SymbolTable& table = SymbolTable::Process();
  text_[0] = static_cast<char>(first);
  const int second = ReadChar();
  int index = 0;
  if (second != END_MARK) {
    text_[1] = static_cast<char>(second);
    textLength_ = 2;
    text_[2] = '\0';
    index = table.Lookup(Text());
  }
  if (index == 0) {
    PushBack(second);
    textLength_ = 1;
    text_[1] = '\0';
    index = table.Lookup(Text());
  }
  return index != 0 ? table.Entry(index).token : first;
}

int NextToken(ByteStream& stream) { return Lexer::Process().NextToken(stream); }

int Match(int expected) { return Lexer::Process().Match(expected); }

std::string_view TokenName(int token) { return PredefinedTokenName(token); }

}  // namespace cuprum
