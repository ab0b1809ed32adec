#include "model3d/standaloneform.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string_view>

#include "board/gridcell.h"
#include "model3d/lexer.h"
#include "parts/electroniccomponent.h"

namespace cuprum {

namespace {

constexpr int ROW_MASK = 0x7F;
// An X lays its pins out in columns of this many rows.
constexpr int X_PINS_PER_COLUMN = 7;
// Where the last pin of a two- or three-pin symbol stands.
constexpr int SYMBOL_LAST_PIN_COLUMN = 5;

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool IsOneOf(char c, std::string_view letters) { return letters.find(c) != std::string_view::npos; }

// Letters whose pin count and width the form leaves as they are.
bool KeepsCounts(char letter) {
  const auto code = static_cast<unsigned char>(letter);
  if (IsOneOf(letter, "PWYZpw")) return true;
  if (code >= '[' && code <= '`') return true;
  return code >= 'y' && code <= 0x7F;
}

void CountsOf(char letter, int& pins, int& width) {
  const char upper = Upper(letter);
  if (IsOneOf(upper, "ABJOQU")) {
    pins = 3;
    width = 1;
  } else if (IsOneOf(upper, "EFGHKM")) {
    pins = 4;
    width = 1;
  } else if (upper == 'X') {
    pins = 1;
    width = 3;
  } else {
    pins = 2;
    width = 3;
  }
}

PinPoint SymbolPin(int column, int row) {
  return PinPoint{MakeGridPoint(column, row & ROW_MASK, 0), CELL_HOLE};
}

// One word, after spaces and tabs; false when it runs past the longest word.
bool ReadWord(Lexer& lexer, std::string& word) {
  word.clear();
  int c = lexer.ReadChar();
  while (c == ' ' || c == '\t') c = lexer.ReadChar();
  while (c != ByteStream::END_OF_STREAM && c != ' ' && c != '\t' && c != '\r' && c != '\n') {
    if (word.size() >= MAX_STAND_ALONE_WORD) return false;
    word += static_cast<char>(c);
    c = lexer.ReadChar();
  }
  if (c == '\n') lexer.SetLineNumber(lexer.LineNumber() + 1);
  return true;
}

bool IsNumberWord(const std::string& word) {
  return !word.empty() && ((word[0] >= '0' && word[0] <= '9') || word[0] == '-');
}

// The leading decimal integer of a word, held within 32 bits; 0 without one.
std::int32_t IntegerOf(const std::string& word) {
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range)
    return word[0] == '-' ? std::numeric_limits<std::int32_t>::min()
                          : std::numeric_limits<std::int32_t>::max();
  if (error != std::errc{}) return 0;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

double RealOf(const std::string& word) {
  const char* begin = word.data();
  const char* end = word.data() + word.size();
  if (begin != end && *begin == '+') ++begin;
  double value = 0.0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  (void)stop;
  return error == std::errc{} ? value : 0.0;
}

}  // namespace

StandAloneStatus ReadStandAloneComponent(ByteStream& stream, char letter,
                                         ElectronicComponent& component) {
  Lexer& lexer = Lexer::Process();
  component.SetTypeLetterValue(letter);
  lexer.NextToken(stream);
  if (lexer.CurrentSymbol() != 0) component.SetName(lexer.Text());

  if (!KeepsCounts(letter)) {
    int pins = 0;
    int width = 0;
    CountsOf(letter, pins, width);
    component.SetPinCount(pins);
    component.SetWidth(width);
  }
  component.AllocatePinTables();
  if (!component.Pins().empty()) component.Pins()[0] = SymbolPin(0, 0);

  const bool isX = Upper(letter) == 'X';
  std::string word;
  for (int i = 0; i < component.PinCount(); ++i) {
    if (!ReadWord(lexer, word)) return StandAloneStatus::ReadError;
    const bool number = IsNumberWord(word);
    const auto index = static_cast<std::size_t>(i);
    if (index >= component.Pins().size()) break;
    component.IoIndex()[index] = number ? IntegerOf(word) : 0;
    component.Pins()[index] = SymbolPin(0, i);
    if (isX && number) {
      component.SetPinCount(component.PinCount() + 1);
      component.GrowPinTables();
    }
  }

  auto& pins = component.Pins();
  if (isX) {
    const int count = component.PinCount();
    for (int i = 0; i < count && static_cast<std::size_t>(i) < pins.size(); ++i)
      pins[static_cast<std::size_t>(i)] = SymbolPin(i / X_PINS_PER_COLUMN, i % X_PINS_PER_COLUMN);
    if (count % 2 == 1) component.SetPinCount(count - 1);
  }
  const int count = component.PinCount();
  if ((count == 2 || count == 3) && static_cast<std::size_t>(count) <= pins.size())
    pins[static_cast<std::size_t>(count - 1)] = SymbolPin(SYMBOL_LAST_PIN_COLUMN, 0);

  if (IsOneOf(Upper(letter), "ABJMNOQUX")) {
    component.SetValue(0.0);
  } else {
    if (!ReadWord(lexer, word)) return StandAloneStatus::ReadError;
    component.SetValue(RealOf(word));
  }
  return StandAloneStatus::Ok;
}

std::string WriteStandAloneComponent(const ElectronicComponent& component) {
  std::string text(1, component.TypeLetter());
  text += component.Name();
  const auto& signals = component.IoIndex();
  const int count = std::max(component.PinCount(), 0);
  for (int i = 0; i < count && static_cast<std::size_t>(i) < signals.size(); ++i)
    text += " " + std::to_string(signals[static_cast<std::size_t>(i)]);
  if (IsOneOf(Upper(component.TypeLetter()), "ANOU")) {
    text += " \r\n";
    return text;
  }
  const int length = std::snprintf(nullptr, 0, " %f\r\n", component.Value());
  if (length > 0) {
    std::string value(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(value.data(), value.size(), " %f\r\n", component.Value());
    value.resize(static_cast<std::size_t>(length));
    text += value;
  }
  return text;
}

}  // namespace cuprum
