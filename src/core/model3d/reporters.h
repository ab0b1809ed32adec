// The message-box reporters of the description language and the error level
// that tells a reader to stop. A report never stops anything by itself: the
// parser finishes its statement and the statement loop looks at the level.
#pragma once

#include <cstddef>
#include <string_view>

namespace cuprum {

class Platform;

// 0: nothing reported; 1: a warning was shown; 2: an error was shown.
constexpr int ERROR_LEVEL_NONE = 0;
constexpr int ERROR_LEVEL_WARNING = 1;
constexpr int ERROR_LEVEL_ERROR = 2;

// Longest text and caption a report shows.
constexpr std::size_t MAX_REPORT_TEXT = 255;
constexpr std::size_t MAX_REPORT_CAPTION = 15;

class Reporters {
 public:
  // The one set the lexer, the parser and the description reader share.
  static Reporters& Process();

  // Level 0 and no front end bound.
  void Reset();

  // Where the message boxes go while a read is in progress; with none bound
  // the reports are written to the standard error stream.
  void BindPlatform(Platform* platform) { platform_ = platform; }
  [[nodiscard]] Platform* BoundPlatform() const { return platform_; }

  [[nodiscard]] int ErrorLevel() const { return errorLevel_; }
  void SetErrorLevel(int level) { errorLevel_ = level; }

  // "line %d: %s\n" under the caption, with the error icon; the level rises
  // to `level` (it never falls by a report).
  void Report(std::string_view caption, int level, int line, std::string_view message);

 private:
  Platform* platform_ = nullptr;
  int errorLevel_ = ERROR_LEVEL_NONE;
};

// The three reporters, quoting the lexer's current line.
void ReportFatal(std::string_view message);    // caption "Fatal", level 2
void ReportError(std::string_view message);    // caption "Error", level 2
void ReportWarning(std::string_view message);  // caption "Warning", level 1

[[nodiscard]] int ErrorLevel();

}  // namespace cuprum
