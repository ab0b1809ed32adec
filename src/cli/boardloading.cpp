#include "boardloading.h"

#include <cstdio>
#include <system_error>

#include "board/brddoc.h"
#include "board/documentio.h"
#include "subcommand.h"

namespace cuprum::cli {

int LoadBoard(const char* command, const std::filesystem::path& path, CBrdDoc& board) {
  const DocumentIoResult result = LoadDocument(board, path);
  if (result.Ok()) return EXIT_OK;
  std::fprintf(stderr, "cuprum-cli %s: %s: %s\n", command, path.c_str(), result.message.c_str());
  std::error_code error;
  if (!std::filesystem::exists(path, error))
    std::fprintf(stderr, "cuprum-cli %s: hint: make the board first: cuprum-cli new %s --size X,Y\n",
                 command, path.c_str());
  else if (std::filesystem::is_regular_file(path, error))
    std::fprintf(stderr,
                 "cuprum-cli %s: hint: %s is not a board Cuprum can read; boards are made with "
                 "\"cuprum-cli new NAME.brd --size X,Y\" beside their .lay and .rou files\n",
                 command, path.c_str());
  return EXIT_BAD_INPUT;
}

int SaveBoard(const char* command, const std::filesystem::path& path, CBrdDoc& board) {
  const DocumentIoResult result = SaveDocument(board, path);
  if (result.Ok()) return EXIT_OK;
  std::fprintf(stderr, "cuprum-cli %s: %s: %s\n", command, path.c_str(), result.message.c_str());
  return result.status == DocumentIoStatus::Unsupported ? EXIT_BAD_INPUT : EXIT_IO_ERROR;
}

}  // namespace cuprum::cli
