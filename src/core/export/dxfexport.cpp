#include "export/dxfexport.h"

#include <array>
#include <cstdio>

#include "board/brddoc.h"
#include "export/copperwalk.h"
#include "export/textfile.h"

namespace cuprum {

namespace {

constexpr double HALF_TRACE_INCH = 0.02;
constexpr double PAD_RADIUS_INCH = 0.03;
constexpr double DRILL_RADIUS_INCH = 0.01;
constexpr double TENTHS_PER_INCH = 10.0;
// Half pieces reach past the centre by this much of a cell, so that the two
// halves of a bend overlap and fill its corner.
constexpr double BEND_OVERLAP = 0.2;
constexpr double HALF_CELL = 0.5;

constexpr const char* TOP_LAYER = "1";
constexpr const char* BOTTOM_LAYER = "2";
constexpr const char* DRILL_LAYER = "0";

struct Variable {
  const char* name;
  int group;
  const char* value;
};

// $CLAYER makes the bottom copper current, as a designer would start.
constexpr std::array<Variable, 13> HEADER_VARIABLES{{
    {"$ORTHOMODE", 70, "0"},
    {"$REGENMODE", 70, "1"},
    {"$FILLMODE", 70, "1"},
    {"$QTEXTMODE", 70, "0"},
    {"$MIRRTEXT", 70, "1"},
    {"$DRAGMODE", 70, "2"},
    {"$LTSCALE", 40, "1.0"},
    {"$OSMODE", 70, "0"},
    {"$ATTMODE", 70, "1"},
    {"$TEXTSIZE", 40, "0.2"},
    {"$TRACEWID", 40, "0.05"},
    {"$TEXTSTYLE", 7, "STANDARD"},
    {"$CLAYER", 8, "2"},
}};
constexpr int INTEGER_GROUP = 70;

std::string Group(int code) {
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "%3d\n", code);
  return text.data();
}

std::string HeaderVariable(const Variable& variable) {
  std::string out = "  9\n";
  out += variable.name;
  out += '\n';
  out += Group(variable.group);
  if (variable.group == INTEGER_GROUP) {
    std::array<char, 16> value{};
    std::snprintf(value.data(), value.size(), "%6s\n", variable.value);
    out += value.data();
  } else {
    out += variable.value;
    out += '\n';
  }
  return out;
}

std::string Header(double width, double depth) {
  const std::string w = FormatFixed(width, 1);
  const std::string d = FormatFixed(depth, 1);
  std::string out = "  0\nSECTION\n  2\nHEADER\n";
  out += "  9\n$EXTMIN\n 10\n0.0\n 20\n0.0\n 30\n0.0\n";
  out += "  9\n$EXTMAX\n 10\n" + w + "\n 20\n" + d + "\n 30\n0.0\n";
  out += "  9\n$LIMMIN\n 10\n0.0\n 20\n0.0\n";
  out += "  9\n$LIMMAX\n 10\n" + w + "\n 20\n" + d + "\n";
  for (const Variable& variable : HEADER_VARIABLES) out += HeaderVariable(variable);
  out += "  0\nENDSEC\n";
  out += "  0\nSECTION\n  2\nTABLES\n  0\nENDSEC\n";
  out += "  0\nSECTION\n  2\nBLOCKS\n  0\nENDSEC\n";
  out += "  0\nSECTION\n  2\nENTITIES\n";
  return out;
}

struct Corner {
  double x;
  double y;
};

class DxfWriter : public CopperVisitor {
 public:
  DxfWriter(const CBrdDoc& board, std::string& out)
      : columns_(board.XSize()),
        positionsPerInch_(board.GridStepSize() * TENTHS_PER_INCH),
        out_(out) {}

  void Run(int side, int row, int firstColumn, int lastColumn) override {
    Horizontal(side, row, Inches(columns_ - lastColumn, -HALF_CELL),
               Inches(columns_ - firstColumn, HALF_CELL));
  }

  void RowLink(int side, int column, int row, Reach reach) override {
    switch (reach) {
      case Reach::Both: Vertical(side, column, row, HALF_CELL, -HALF_CELL); break;
      case Reach::Plus: Vertical(side, column, row, HALF_CELL, -BEND_OVERLAP); break;
      case Reach::Minus: Vertical(side, column, row, -HALF_CELL, BEND_OVERLAP); break;
    }
  }

  void ColumnLink(int side, int column, int row, Reach reach) override {
    // Column + 1 lies toward smaller X.
    const int fromRight = columns_ - column;
    if (reach == Reach::Plus)
      Horizontal(side, row, Inches(fromRight, -HALF_CELL), Inches(fromRight, BEND_OVERLAP));
    else if (reach == Reach::Minus)
      Horizontal(side, row, Inches(fromRight, HALF_CELL), Inches(fromRight, -BEND_OVERLAP));
  }

  void Hole(int side, int column, int row, bool drilled) override {
    const Corner centre{Inches(columns_ - column, 0.0), Inches(row, 0.0)};
    Circle(LayerOf(side), centre, PAD_RADIUS_INCH);
    if (drilled) Circle(DRILL_LAYER, centre, DRILL_RADIUS_INCH);
  }

 private:
  static const char* LayerOf(int side) { return side == 1 ? TOP_LAYER : BOTTOM_LAYER; }

  // A grid position plus a cell-relative offset, in inches.
  [[nodiscard]] double Inches(int positions, double offset) const {
    return (static_cast<double>(positions) + offset) / positionsPerInch_;
  }

  void Vertical(int side, int column, int row, double fromOffset, double toOffset) {
    const double x = Inches(columns_ - column, 0.0);
    const double from = Inches(row, fromOffset);
    const double to = Inches(row, toOffset);
    Solid(LayerOf(side), {{{x - HALF_TRACE_INCH, from},
                           {x + HALF_TRACE_INCH, from},
                           {x - HALF_TRACE_INCH, to},
                           {x + HALF_TRACE_INCH, to}}});
  }

  void Horizontal(int side, int row, double fromX, double toX) {
    const double y = Inches(row, 0.0);
    Solid(LayerOf(side), {{{fromX, y - HALF_TRACE_INCH},
                           {fromX, y + HALF_TRACE_INCH},
                           {toX, y - HALF_TRACE_INCH},
                           {toX, y + HALF_TRACE_INCH}}});
  }

  void Solid(const char* layer, const std::array<Corner, 4>& corners) {
    out_ += "  0\nSOLID\n  8\n";
    out_ += layer;
    out_ += '\n';
    for (int i = 0; i < 4; ++i) {
      const Corner& corner = corners[static_cast<std::size_t>(i)];
      Value(10 + i, corner.x);
      Value(20 + i, corner.y);
      Value(30 + i, 0.0);
    }
  }

  void Circle(const char* layer, Corner centre, double radius) {
    out_ += "  0\nCIRCLE\n  8\n";
    out_ += layer;
    out_ += '\n';
    Value(10, centre.x);
    Value(20, centre.y);
    Value(30, 0.0);
    Value(40, radius);
  }

  void Value(int group, double value) {
    out_ += Group(group);
    out_ += FormatFixed(value, 2);
    out_ += '\n';
  }

  int columns_;
  double positionsPerInch_;
  std::string& out_;
};

}  // namespace

std::string MakeDxf(const CBrdDoc& board) {
  const double positionsPerInch = board.GridStepSize() * TENTHS_PER_INCH;
  std::string text = Header(board.XSize() / positionsPerInch, board.YSize() / positionsPerInch);
  DxfWriter writer(board, text);
  // The border columns are drawn too: their cells are holes all round.
  WalkCopper(board, 0, board.XSize(), writer);
  text += "  0\nENDSEC\n";
  text += "  0\nEOF\n";
  return ToTextFileBytes(text);
}

ExportResult ExportDxf(const std::filesystem::path& boardPath) {
  CBrdDoc image;
  std::string error;
  if (!LoadBoardImage(boardPath, image, error)) return ExportResult::Failure(error);
  return WriteExportFiles({{ReplaceBoardExtension(boardPath, DXF_EXTENSION), MakeDxf(image)}});
}

}  // namespace cuprum
