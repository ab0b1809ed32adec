// The command-line front end: message boxes as "caption: text" lines on
// stderr, and a progress line while routing when stderr is a terminal.
#pragma once

#include <chrono>

#include "platform/stderrplatform.h"

namespace cuprum::cli {

class CliPlatform : public StderrPlatform {
 public:
  CliPlatform();
  ~CliPlatform() override;
  CliPlatform(const CliPlatform&) = delete;
  CliPlatform& operator=(const CliPlatform&) = delete;

  ProgressAnswer Progress(const CBrdDoc& board, int done, int total) override;
  // Ends the progress line, if one is shown.
  void EndProgress();

 private:
  bool terminal_;
  bool lineShown_ = false;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace cuprum::cli
