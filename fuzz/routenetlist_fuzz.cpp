// Reads arbitrary bytes as a route netlist against a small fixed board and
// checks that what lands in the net list is well formed.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/gridcell.h"
#include "board/gridpoint.h"
#include "board/log.h"
#include "parts/component.h"
#include "platform/recordingplatform.h"
#include "route/netlist.h"
#include "route/routenetlist.h"

namespace {

using namespace cuprum;

void Add(CBrdDoc& board, const char* name, char letter, const std::vector<PinPoint>& pins,
         int pinCount) {
  auto component = std::make_unique<Component>();
  component->SetName(name);
  component->SetTypeLetterValue(letter);
  component->SetPinCount(static_cast<int>(pins.size()));
  component->AllocatePinTables();
  for (std::size_t i = 0; i < pins.size(); ++i) component->Pins()[i] = pins[i];
  // A count beyond the tables: the reader must check the tables too.
  component->SetPinCount(pinCount);
  board.AddItem(std::move(component));
}

PinPoint At(int x, int y, int side, GridCell rest) {
  return PinPoint{MakeGridPoint(x, y, side), rest};
}

// U1 (D, 14 pins), C1 (C, 2), R1 (R, 2), J1 (E, 4 fixed contacts on top),
// S1 (S, 3 pins partly off the grid) and Q1 (P, claiming 40 pins with
// tables for 4).
void BuildBoard(CBrdDoc& board) {
  board.MarkBorder();
  std::vector<PinPoint> chip;
  for (int i = 0; i < 7; ++i) chip.push_back(At(10 + i, 10, 0, CELL_HOLE));
  for (int i = 0; i < 7; ++i) chip.push_back(At(16 - i, 13, 0, CELL_HOLE));
  Add(board, "U1", 'D', chip, 14);
  Add(board, "C1", 'C', {At(30, 20, 0, CELL_HOLE), At(31, 20, 0, CELL_HOLE)}, 2);
  Add(board, "R1", 'R', {At(40, 5, 0, CELL_HOLE), At(40, 9, 0, CELL_HOLE)}, 2);
  Add(board, "J1", 'E',
      {At(1, 39, 1, CELL_FIXED), At(3, 39, 1, CELL_FIXED), At(5, 39, 1, CELL_FIXED),
       At(7, 39, 1, CELL_FIXED)},
      4);
  Add(board, "S1", 'S', {At(0, 0, 0, CELL_HOLE), At(128, 160, 1, CELL_HOLE), At(255, 255, 1, 0)},
      3);
  Add(board, "Q1", 'P',
      {At(50, 30, 0, CELL_HOLE), At(51, 30, 0, CELL_HOLE), At(52, 30, 0, CELL_HOLE),
       At(53, 30, 0, CELL_HOLE)},
      40);
}

}  // namespace

// The first byte picks the pin numbering base (odd: from 1), so a seed that
// starts with the digit 1 or 0 names its base; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const int pinIndexBase = data[0] & 1;
  std::vector<char> text(data + 1, data + size);
  if (text.empty()) return 0;
  std::FILE* stream = fmemopen(text.data(), text.size(), "r");
  if (stream == nullptr) return 0;

  CBrdDoc board;
  BuildBoard(board);
  RecordingPlatform platform;
  FieldReader reader(platform);
  LogStream log;
  const std::int32_t count = ReadRouteNetlist(board, log, stream, "fuzz.rou", pinIndexBase, reader);
  std::fclose(stream);

  const NetList& nets = board.GetNetList();
  if (count != 0 && count != nets.Count()) __builtin_trap();
  for (std::size_t i = 0; i < nets.Nets().size(); ++i) {
    const NetNode& net = nets[i];
    if (net.PointCount() < 2 || net.components.size() != net.points.size()) __builtin_trap();
    if (net.name.size() > MAX_NET_NAME_LENGTH || net.routed) __builtin_trap();
    for (const PinPoint& p : net.points)
      if (p.point.x < net.minColumn || p.point.x > net.maxColumn || p.point.y < net.minRow ||
          p.point.y > net.maxRow)
        __builtin_trap();
    if (count != 0 && i > 0 && nets[i - 1].congestion > net.congestion) __builtin_trap();
  }
  return 0;
}
