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
    // The routers visit each net more than once (the plain one in its first
    // and last pass), so the line counts net routings rather than nets.
    const int percent = total > 0 ? static_cast<int>(100LL * done / total) : 0;
    std::fprintf(stderr, "\rrouting: %3d%% (%d of %d net routings), %.1f s ", percent, done, total,
                 seconds);
    std::fflush(stderr);
    lineShown_ = true;
  }
  return ProgressAnswer::Continue;
}

void CliPlatform::EndProgress() {
  if (lineShown_) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    // Spaces wipe what is left of the longer progress line.
    std::fprintf(stderr, "\rrouting: done in %.1f s%30s\n", seconds, "");
    lineShown_ = false;
  }
}

}  // namespace cuprum::cli
