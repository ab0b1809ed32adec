// Laying a board out from its parts file for subcommands, by the same
// commands a board window runs, with the log and message boxes on stderr.
#pragma once

#include <filesystem>
#include <string>

#include "board/boardcommands.h"

namespace cuprum {
class CBrdDoc;
class FieldReader;
class LogFile;
class Platform;
}  // namespace cuprum

namespace cuprum::cli {

struct LayoutJob {
  CBrdDoc& board;
  Platform& platform;
  LogFile& log;
  FieldReader& reader;
};

// Use Specified Layout (which falls back to Generate Layout when only a .prt
// exists) or, with `generate`, Generate Layout. Prints the log to stderr.
// Returns the exit status: EXIT_OK, EXIT_INCOMPLETE when components were
// rejected, EXIT_BAD_INPUT when a parts file or the netlist failed to parse,
// EXIT_IO_ERROR when the log could not be written.
int RunLayout(const char* command, LayoutJob& job, bool generate, CommandOutcome* outcome = nullptr);

// Whether a parts layout (.lay) or parts list (.prt) stands beside the board.
bool HasPartsFile(const std::filesystem::path& boardPath);

// Loads the board at `path` into `parts` and lays it out from its parts file
// with a log and field reader of its own: the parts for commands that leave
// the saved copper alone. Returns the status of RunLayout (or of loading).
int LayOutPartsOf(const char* command, const std::filesystem::path& path, bool generate,
                  Platform& platform, CBrdDoc& parts);

// Prints the log file's lines to stderr and returns them.
std::string PrintLog(const LogFile& log);

}  // namespace cuprum::cli
