// Shows the wait cursor for as long as it lives, whichever way a command
// ends.
#pragma once

#include "platform/platform.h"

namespace cuprum {

class ScopedWaitCursor {
 public:
  explicit ScopedWaitCursor(Platform& platform) : platform_(platform) {
    platform_.SetWaitCursor(true);
  }
  ~ScopedWaitCursor() { platform_.SetWaitCursor(false); }
  ScopedWaitCursor(const ScopedWaitCursor&) = delete;
  ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;

 private:
  Platform& platform_;
};

}  // namespace cuprum
