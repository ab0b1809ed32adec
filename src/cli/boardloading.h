// Loading and saving boards for subcommands, with the tool's messages and
// exit statuses.
#pragma once

#include <filesystem>

namespace cuprum {
class CBrdDoc;
}

namespace cuprum::cli {

// Loads the board; on failure prints "cuprum-cli <cmd>: <path>: <why>" and
// returns the exit status to end with (EXIT_BAD_INPUT), else EXIT_OK.
int LoadBoard(const char* command, const std::filesystem::path& path, CBrdDoc& board);
// Saves the board atomically; EXIT_IO_ERROR (with a message) on failure.
int SaveBoard(const char* command, const std::filesystem::path& path, CBrdDoc& board);

}  // namespace cuprum::cli
