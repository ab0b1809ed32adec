#include "cliplatform.h"

#include <unistd.h>

#include <cstdio>

namespace cuprum::cli {

CliPlatform::CliPlatform()
    : terminal_(::isatty(STDERR_FILENO) != 0), start_(std::chrono::steady_clock::now()) {}

CliPlatform::~CliPlatform() { EndProgress(); }

ProgressAnswer CliPlatform::Progress(const CBrdDoc& /*board*/, int done, int total) {
  if (terminal_) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    std::fprintf(stderr, "\rrouting: %d / %d nets, %.1f s ", done, total, seconds);
    std::fflush(stderr);
    lineShown_ = true;
  }
  return ProgressAnswer::Continue;
}

void CliPlatform::EndProgress() {
  if (lineShown_) {
    std::fputc('\n', stderr);
    lineShown_ = false;
  }
}

}  // namespace cuprum::cli
