// Boards laid out from parts layout text, as the layout command builds them,
// for the tests of the 3D model writers and exports.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "parts/markcomponents.h"
#include "parts/partsfile.h"
#include "platform/recordingplatform.h"
#include "support/scratchdir.h"

namespace cuprum::modeltest {

// Every kind of part: a DIP, two-pin parts, a SIP, a ZIP, an edge connector,
// and a pad and a reserved location last, where a body without a solid of
// its own would leave its placement dangling at the end of a script.
constexpr const char* EVERY_KIND_LAYOUT =
    "D U1 10 5 14 3 L\r\n"
    "C R1 4 20 4 U\r\n"
    "C C1 30 20 2 R\r\n"
    "S J1 10 2 6 L\r\n"
    "Z U2 20 30 7 1 D\r\n"
    "E X1 1 1 8 3 L\r\n"
    "P GND 30 30 B\r\n"
    "R K1 12 12 T\r\n";

// Lays the text out on the board (a 50 mil board of 6.4 by 4.0 inches, so
// the ZIP sits exactly) and rebuilds the grid; the board takes the name
// board.brd in the folder without being saved.
inline void LayOut(CBrdDoc& board, const std::filesystem::path& folder, const std::string& layout) {
  board.SetSizeInTenths(64, 40, Resolution::Mil50, 1);
  const std::filesystem::path path = folder / "board.lay";
  testing::WriteWholeFile(path, layout);
  RecordingPlatform platform;
  FieldReader reader(platform);
  LogStream log;
  ASSERT_EQ(ReadPartsFile(log, board, path, LayoutMode::Specified, platform, reader), 1)
      << log.Text();
  ASSERT_TRUE(log.Text().empty()) << log.Text();
  MarkComponents(board);
  board.SetPathName(folder / "board.brd");
}

// A layout of `count` eight-pin DIPs, eight to a row.
inline std::string DipRows(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += "D U" + std::to_string(i + 1) + " " + std::to_string(2 + i % 8 * 8) + " " +
            std::to_string(5 + i / 8 * 7) + " 8 3 L\r\n";
  return text;
}

}  // namespace cuprum::modeltest
