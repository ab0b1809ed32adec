// gerbv, a Gerber and Excellon viewer, reads the fabrication set and renders
// it; the rendered copper must cover exactly the cells the board has copper
// in.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "board/boardfile.h"
#include "board/brddoc.h"
#include "core/export/exporttestsupport.h"
#include "core/export/toolrunner.h"
#include "export/fabrication.h"

namespace cuprum {
namespace {

using exporttest::LayTrace;
using exporttest::PutVia;
using exporttest::Quote;
using exporttest::RunTool;

constexpr const char* GERBV = "/usr/bin/gerbv";
constexpr const char* PYTHON = "/usr/bin/python3";
constexpr int DPI = 200;
constexpr double MARGIN_INCH = 0.1;

// Prints a PNG as "width height" and then one line per pixel row, top row
// first: '#' for a bright pixel, '.' for a dark one. The standard library's
// zlib does the inflating; the filters are undone here.
constexpr const char* PNG_TO_TEXT = R"(import struct, sys, zlib
data = open(sys.argv[1], 'rb').read()
pos, idat = 8, b''
while pos < len(data):
    n, kind = struct.unpack('>I4s', data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + n]
    pos += 12 + n
    if kind == b'IHDR':
        w, h, depth, ctype = struct.unpack('>IIBB', body[:10])
    elif kind == b'IDAT':
        idat += body
bpp = {0: 1, 2: 3, 4: 2, 6: 4}[ctype]
raw, stride = zlib.decompress(idat), w * bpp
prev, rows = bytearray(stride), []
for y in range(h):
    start = y * (stride + 1)
    f, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
    for i in range(stride):
        a = line[i - bpp] if i >= bpp else 0
        b = prev[i]
        c = prev[i - bpp] if i >= bpp else 0
        if f == 1: line[i] = (line[i] + a) & 255
        elif f == 2: line[i] = (line[i] + b) & 255
        elif f == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif f == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    rows.append(''.join('#' if line[x * bpp] > 127 else '.' for x in range(w)))
    prev = line
print(w, h)
print('\n'.join(rows))
)";

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::string> rows;  // top row first

  [[nodiscard]] bool Lit(int x, int y) const {
    return x >= 0 && y >= 0 && x < width && y < height &&
           rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#';
  }
};

class GerbvReadsTheFabricationSet : public exporttest::ExportFolderTest {
 protected:
  void SetUp() override {
    if (!exporttest::ToolInstalled(GERBV)) GTEST_SKIP() << "gerbv is not installed";
    if (!exporttest::ToolInstalled(PYTHON)) GTEST_SKIP() << PYTHON << " is not installed";
    ExportFolderTest::SetUp();
    exporttest::WriteFile(dir_ / "png_to_text.py", PNG_TO_TEXT);
  }

  // A board with traces on both sides, vias, a long straight run, a one-cell
  // run between bends and a pad on the bottom side only.
  static void LayBoard(CBrdDoc& board) {
    board.MarkBorder();
    PutVia(board, 3, 3);
    LayTrace(board, 1, 3, 3, 12, 3);
    LayTrace(board, 1, 12, 3, 12, 9);
    PutVia(board, 12, 9);
    LayTrace(board, 0, 12, 9, 18, 9);
    LayTrace(board, 0, 18, 9, 18, 10);
    LayTrace(board, 0, 18, 10, 20, 10);  // column 19 alone is straight
    LayTrace(board, 0, 20, 10, 20, 14);
    PutVia(board, 20, 14);
    LayTrace(board, 0, 3, 3, 3, 15);
    board.Grid()(7, 13, 0) |= CELL_HOLE;
  }

  std::filesystem::path Export(const CBrdDoc& board) {
    const std::filesystem::path path = dir_ / "board.brd";
    exporttest::WriteFile(path, WriteBoardFile(board));
    const ExportResult result = ExportFabrication(path);
    EXPECT_TRUE(result.Ok()) << result.error;
    return FabricationFolder(path);
  }

  // Renders one file white on black, the board's lower left corner (the
  // outline's origin) MARGIN_INCH in from the image's, with pixel centres
  // falling on whole multiples of 5 thousandths.
  Bitmap Render(const CBrdDoc& board, const std::filesystem::path& file) {
    const double width = board.XSize() / (board.GridStepSize() * 10.0) + 2 * MARGIN_INCH;
    const double depth = board.YSize() / (board.GridStepSize() * 10.0) + 2 * MARGIN_INCH;
    const double origin = -MARGIN_INCH - 0.5 / DPI;
    std::ostringstream command;
    command << GERBV << " -x png -o " << Quote((dir_ / "render.png").string()) << " -D " << DPI
            << " -B 0 -O " << origin << 'x' << origin << " -W " << width << 'x' << depth
            << " -b '#000000' -f '#FFFFFFFF' " << Quote(file.string());
    const exporttest::ToolRun gerbv = RunTool(command.str(), dir_);
    EXPECT_EQ(gerbv.err.find("CRITICAL"), std::string::npos) << gerbv.err;
    const exporttest::ToolRun text =
        RunTool(std::string(PYTHON) + " " + Quote((dir_ / "png_to_text.py").string()) + " " +
                    Quote((dir_ / "render.png").string()),
                dir_);
    Bitmap bitmap;
    std::istringstream in(text.out);
    in >> bitmap.width >> bitmap.height;
    for (std::string row; in >> row;) bitmap.rows.push_back(row);
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(static_cast<int>(bitmap.rows.size()), bitmap.height);
    return bitmap;
  }

  // Whether the pixel over a cell's centre is lit.
  static bool LitAt(const Bitmap& bitmap, const CBrdDoc& board, int column, int row) {
    const double perInch = board.GridStepSize() * 10.0;
    const auto x =
        static_cast<int>(std::lround(((board.XSize() - column) / perInch + MARGIN_INCH) * DPI));
    const auto y = static_cast<int>(std::lround((row / perInch + MARGIN_INCH) * DPI));
    return bitmap.Lit(x, bitmap.height - 1 - y);
  }

  // Compares a rendered layer with what the board says should be there.
  template <typename Expected>
  void ExpectCells(const Bitmap& bitmap, const CBrdDoc& board, const char* layer,
                   Expected expected) {
    int mismatches = 0;
    for (int row = 1; row < board.YSize(); ++row)
      for (int column = 1; column < board.XSize(); ++column) {
        const bool want = expected(column, row);
        if (LitAt(bitmap, board, column, row) == want) continue;
        if (++mismatches <= 10)
          ADD_FAILURE() << layer << ": cell (" << column << ", " << row << ") should be "
                        << (want ? "copper" : "bare");
      }
    EXPECT_EQ(mismatches, 0) << layer;
  }

  void CheckBoard(const CBrdDoc& board) {
    const std::filesystem::path folder = Export(board);
    // All files at once, as a board house's viewer opens them.
    std::string all = std::string(GERBV) + " -x png -o " + Quote((dir_ / "all.png").string());
    for (const char* extension : {".gtl", ".gbl", ".gts", ".gbs", ".gko", ".drl"})
      all += " " + Quote((folder / ("board" + std::string(extension))).string());
    const exporttest::ToolRun gerbv = RunTool(all, dir_);
    EXPECT_EQ(gerbv.status, 0);
    EXPECT_EQ(gerbv.err.find("CRITICAL"), std::string::npos) << gerbv.err;
    EXPECT_EQ(gerbv.err.find("Could not read"), std::string::npos) << gerbv.err;
    EXPECT_GT(std::filesystem::file_size(dir_ / "all.png"), 0U);

    const BoardGrid& grid = board.Grid();
    for (const int side : {0, 1}) {
      const Bitmap copper = Render(board, folder / (side == 1 ? "board.gtl" : "board.gbl"));
      ExpectCells(copper, board, side == 1 ? "top copper" : "bottom copper",
                  [&](int column, int row) {
                    return (grid(column, row, side) & (CELL_LINKS | CELL_HOLE)) != 0;
                  });
    }
    const Bitmap drill = Render(board, folder / "board.drl");
    ExpectCells(drill, board, "drill", [&](int column, int row) {
      return (grid(column, row, 0) & CELL_HOLE) != 0 && (grid(column, row, 1) & CELL_HOLE) != 0;
    });
    const Bitmap outline = Render(board, folder / "board.gko");
    EXPECT_TRUE(LitAt(outline, board, 0, 0));
    EXPECT_TRUE(LitAt(outline, board, board.XSize(), board.YSize()));
    EXPECT_TRUE(LitAt(outline, board, board.XSize() / 2, 0));
    EXPECT_FALSE(LitAt(outline, board, board.XSize() / 2, board.YSize() / 2));
  }
};

TEST_F(GerbvReadsTheFabricationSet, HundredMilBoard) {
  CBrdDoc board;
  exporttest::SizeBoard(board, 30, 20, Resolution::Mil100);
  LayBoard(board);
  CheckBoard(board);
}

TEST_F(GerbvReadsTheFabricationSet, FiftyMilBoard) {
  CBrdDoc board;
  exporttest::SizeBoard(board, 15, 10, Resolution::Mil50);
  LayBoard(board);
  // Neighbouring vias half a tenth apart must still come out as two pads.
  PutVia(board, 25, 5);
  PutVia(board, 26, 5);
  CheckBoard(board);
}

}  // namespace
}  // namespace cuprum
