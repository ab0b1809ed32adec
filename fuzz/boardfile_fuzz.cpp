// Feeds arbitrary bytes to the board-file loader, as file bodies of any
// length, and checks that a loaded board always fits the grid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "board/boardfile.h"
#include "board/boardstatistics.h"
#include "board/brddoc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace cuprum;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CBrdDoc board;
  if (ReadBoardFile(board, bytes, size) == BoardFileStatus::Ok) {
    if (board.XSize() > MAX_X_SIZE || board.YSize() > MAX_Y_SIZE) std::abort();
    // Walk and write the board the way every later step does.
    (void)ComputeBoardStatistics(board);
    board.ClearGrid();
    board.MarkBorder();
    (void)WriteBoardFile(board);
  }
  return 0;
}
