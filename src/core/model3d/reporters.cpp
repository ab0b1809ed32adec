#include "model3d/reporters.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "model3d/lexer.h"
#include "platform/platform.h"

namespace cuprum {

namespace {

constexpr std::string_view FATAL_CAPTION = "Fatal";
constexpr std::string_view ERROR_CAPTION = "Error";
constexpr std::string_view WARNING_CAPTION = "Warning";

}  // namespace

Reporters& Reporters::Process() {
  static Reporters reporters;
  return reporters;
}

void Reporters::Reset() {
  platform_ = nullptr;
  errorLevel_ = ERROR_LEVEL_NONE;
}

void Reporters::Report(std::string_view caption, int level, int line, std::string_view message) {
  errorLevel_ = std::max(errorLevel_, level);
  std::string text = "line " + std::to_string(line) + ": ";
  text.append(message);
  text += '\n';
  if (text.size() > MAX_REPORT_TEXT) text.resize(MAX_REPORT_TEXT);
  const std::string_view shownCaption = caption.substr(0, MAX_REPORT_CAPTION);
  if (platform_ != nullptr) {
    platform_->MessageBox(text, shownCaption, MessageIcon::Error, MessageButtons::Ok);
  } else {
    std::fprintf(stderr, "%.*s: %s", static_cast<int>(shownCaption.size()), shownCaption.data(),
                 text.c_str());
  }
}

void ReportFatal(std::string_view message) {
  Reporters::Process().Report(FATAL_CAPTION, ERROR_LEVEL_ERROR, Lexer::Process().LineNumber(),
                              message);
}

void ReportError(std::string_view message) {
  Reporters::Process().Report(ERROR_CAPTION, ERROR_LEVEL_ERROR, Lexer::Process().LineNumber(),
                              message);
}

void ReportWarning(std::string_view message) {
  Reporters::Process().Report(WARNING_CAPTION, ERROR_LEVEL_WARNING,
                              Lexer::Process().LineNumber(), message);
}

int ErrorLevel() { return Reporters::Process().ErrorLevel(); }

}  // namespace cuprum
