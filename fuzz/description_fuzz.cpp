// Feeds arbitrary bytes to the description reader over a fresh board and
// checks what every later step relies on: the board fits the grid, every
// kept pin lies on the board, and no read leaves the reader state bound to
// its input.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "board/brddoc.h"
#include "model3d/descriptionreader.h"
#include "model3d/lexer.h"
#include "platform/recordingplatform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace cuprum;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  RecordingPlatform platform;
  CBrdDoc board;
  ReadDescription(board, text, platform);
  if (board.XSize() > MAX_X_SIZE || board.YSize() > MAX_Y_SIZE) __builtin_trap();
  if (board.Layers() < 1 || board.Layers() > GRID_SIDES) __builtin_trap();
  for (const auto& item : board.Items()) {
    const Component* component = item->GetComponent();
    if (component == nullptr) __builtin_trap();
    const auto& pins = component->Pins();
    for (int i = 0; i < component->PinCount(); ++i) {
      if (static_cast<std::size_t>(i) >= pins.size()) __builtin_trap();
      // Edge-connector pins move along their fingers while the grid is
      // marked; a finger at the board's edge runs off it.
      if (component->TypeLetter() != 'E' && !board.OnBoard(pins[static_cast<std::size_t>(i)].point))
        __builtin_trap();
    }
  }
  if (Lexer::Process().Stream() != nullptr) __builtin_trap();
  board.ClearGrid();
  board.MarkBorder();
  return 0;
}
