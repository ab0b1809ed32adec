#include "export/gerberexport.h"

#include <array>
#include <cstdio>

#include "board/brddoc.h"
#include "export/copperstrokes.h"
#include "export/textfile.h"

namespace cuprum {

namespace {

constexpr std::string_view DRILL_HEADER =
    "*%\n"
    "M48\n"
    "INCH,LZ\n"
    "2,3 leading inch\n"
    "*%\n"
    "\n"
    "G90*\n"
    "T01*\n";
constexpr std::string_view DRILL_END = "\nM30*\n";

// Every stroke and flash uses D11, the 40-thousandths round aperture.
constexpr std::string_view COPPER_HEADER =
    "*%FSLAX23Y23*\n"
    "SFA1.0B1.0*%\n"
    "\n"
    "G90*\n"
    "G75*\n"
    "D11*\n";
constexpr std::string_view COPPER_END = "\nM02*\n";

// Photoplotters of the time loaded a full wheel; only D11 is used.
constexpr std::string_view APERTURE_LIST =
    "D11 CIRCULAR     40  40  0\n"
    "D12 SQUARE       10  10  0\n"
    "D13 CIRCULAR     10  10  0\n"
    "D14 CIRCULAR     12  12  0\n"
    "D15 CIRCULAR     15  15  0\n"
    "D16 SQUARE       20  20  0\n"
    "D17 CIRCULAR     20  20  0\n"
    "D18 CIRCULAR     25  25  0\n"
    "D19 CIRCULAR     30  30  0\n"
    "D20 SQUARE       50  50  0\n"
    "D21 CIRCULAR     50  50  0\n"
    "D22 SQUARE       62  62  0\n"
    "D23 CIRCULAR     62  62  0\n"
    "D24 CIRCULAR     70  70  0\n"
    "D25 CIRCULAR     75  75  0\n"
    "D26 CIRCULAR     85  85  0\n"
    "D27 CIRCULAR    100 100  0\n"
    "D28 CIRCULAR    110 110  0\n"
    "D29 CIRCULAR    125 125  0\n"
    "D30 CIRCULAR    150 150  0\n"
    "D31 CIRCULAR    200 200  0\n"
    "D32 CIRCULAR    250 250  0\n"
    "D33 CIRCULAR     40  40 10\n";

constexpr const char* MOVE = "D02*";
constexpr const char* DRAW = "D01*";
constexpr const char* FLASH = "D03*";

void AppendCoordinates(std::string& out, MilPoint at, const char* code) {
  std::array<char, 48> line{};
  std::snprintf(line.data(), line.size(), "X%uY%u%s\n", static_cast<unsigned>(at.x),
                static_cast<unsigned>(at.y), code);
  out += line.data();
}

class GerberWriter : public StrokeSink {
 public:
  explicit GerberWriter(GerberSet& set) : set_(set) {}

  void Stroke(int side, MilPoint from, MilPoint to) override {
    AppendCoordinates(Copper(side), from, MOVE);
    AppendCoordinates(Copper(side), to, DRAW);
  }
  void Flash(int side, MilPoint at) override { AppendCoordinates(Copper(side), at, FLASH); }
  void DrillHit(MilPoint at) override { AppendCoordinates(set_.drill, at, ""); }

 private:
  std::string& Copper(int side) { return side == 1 ? set_.topCopper : set_.bottomCopper; }

  GerberSet& set_;
};

}  // namespace

GerberSet MakeGerberSet(const CBrdDoc& board) {
  GerberSet text;
  text.drill = DRILL_HEADER;
  text.topCopper = COPPER_HEADER;
  text.bottomCopper = COPPER_HEADER;
  text.apertures = APERTURE_LIST;
  GerberWriter writer(text);
  TraceCopperStrokes(board, writer);
  text.drill += DRILL_END;
  text.topCopper += COPPER_END;
  text.bottomCopper += COPPER_END;
  return GerberSet{ToTextFileBytes(text.drill), ToTextFileBytes(text.topCopper),
                   ToTextFileBytes(text.bottomCopper), ToTextFileBytes(text.apertures)};
}

ExportResult ExportGerber(const std::filesystem::path& boardPath) {
  CBrdDoc image;
  std::string error;
  if (!LoadBoardImage(boardPath, image, error)) return ExportResult::Failure(error);
  GerberSet set = MakeGerberSet(image);
  return WriteExportFiles({
      {ReplaceBoardExtension(boardPath, DRILL_FILE_EXTENSION), std::move(set.drill)},
      {ReplaceBoardExtension(boardPath, TOP_COPPER_EXTENSION), std::move(set.topCopper)},
      {ReplaceBoardExtension(boardPath, BOTTOM_COPPER_EXTENSION), std::move(set.bottomCopper)},
      {ReplaceBoardExtension(boardPath, APERTURE_LIST_EXTENSION), std::move(set.apertures)},
  });
}

}  // namespace cuprum
