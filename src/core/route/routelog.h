// The routers' messages: the log lines the user reads and the progress lines
// of the recursive search on the standard error stream.
#pragma once

namespace cuprum {

// A net left with at least one point unconnected: its 0-based place in the
// routing order and its name.
constexpr const char* LOG_NODE_FAILED = "error: node= %d - %s\n";
// The recursive search laid every net at once.
constexpr const char* LOG_ALL_SUCCESSFUL = "All Successful\n";

// Standard error only: a net the search could not lay at this depth, and a
// new best count of nets laid at once.
constexpr const char* DIAG_NODE_FAILED = "node %d failed with %d left\n";
constexpr const char* DIAG_SUCCESSFUL = "%d Successful\n";

}  // namespace cuprum
