#include "boardloading.h"

#include <cstdio>

#include "board/brddoc.h"
#include "board/documentio.h"
#include "subcommand.h"

namespace cuprum::cli {

int LoadBoard(const char* command, const std::filesystem::path& path, CBrdDoc& board) {
  const DocumentIoResult result = LoadDocument(board, path);
  if (result.Ok()) return EXIT_OK;
  std::fprintf(stderr, "cuprum-cli %s: %s: %s\n", command, path.c_str(), result.message.c_str());
  return EXIT_BAD_INPUT;
}

int SaveBoard(const char* command, const std::filesystem::path& path, CBrdDoc& board) {
  const DocumentIoResult result = SaveDocument(board, path);
  if (result.Ok()) return EXIT_OK;
  std::fprintf(stderr, "cuprum-cli %s: %s: %s\n", command, path.c_str(), result.message.c_str());
  return result.status == DocumentIoStatus::Unsupported ? EXIT_BAD_INPUT : EXIT_IO_ERROR;
}

}  // namespace cuprum::cli
