#include "export/fabrication.h"

#include <array>
#include <cstdio>
#include <system_error>
#include <vector>

#include "board/brddoc.h"
#include "export/copperstrokes.h"
#include "export/fabrules.h"
#include "export/textfile.h"

namespace cuprum {

namespace {

// Coordinates in millionths of an inch (format 2.6), the resolution the
// current Gerber format asks of inch files; our thousandths fit exactly.
constexpr int MILLIONTHS_PER_MIL = 1000;
constexpr double MILS_PER_INCH = 1000.0;
constexpr int MILS_PER_POSITION_AT_100 = 100;

constexpr std::string_view TRACE_APERTURE = "D10";
constexpr std::string_view PAD_APERTURE = "D11";

std::string Inch(int mils, int decimals) { return FormatFixed(mils / MILS_PER_INCH, decimals); }

// The file attributes ride in comments, the form the Gerber format keeps for
// readers that predate attributes; CAM software still picks them up.
std::string GerberHeader(std::string_view what, std::string_view fileFunction,
                         std::string_view polarity) {
  std::string out = "G04 Cuprum fabrication set: ";
  out += what;
  out += "*\nG04 #@! TF.GenerationSoftware,Halvorik,Cuprum*\nG04 #@! TF.FileFunction,";
  out += fileFunction;
  out += "*\nG04 #@! TF.FilePolarity,";
  out += polarity;
  out += "*\n%FSLAX26Y26*%\n%MOIN*%\n";
  return out;
}

std::string ApertureDefinition(std::string_view code, int diameterMils) {
  return "%AD" + std::string(code) + "C," + Inch(diameterMils, 6) + "*%\n";
}

std::string Coordinates(MilPoint at) {
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), "X%dY%d", at.x * MILLIONTHS_PER_MIL,
                at.y * MILLIONTHS_PER_MIL);
  return text.data();
}

// The body of one image: "%LPD*%", linear drawing, then each aperture's
// operations after selecting it.
std::string GerberBody(const std::vector<std::pair<std::string_view, std::string>>& operations) {
  std::string out = "%LPD*%\nG01*\n";
  for (const auto& [aperture, text] : operations) {
    if (text.empty()) continue;
    out += aperture;
    out += "*\n";
    out += text;
  }
  out += "M02*\n";
  return out;
}

class FabCollector : public StrokeSink {
 public:
  void Stroke(int side, MilPoint from, MilPoint to) override {
    std::string& out = strokes[Index(side)];
    out += Coordinates(from) + "D02*\n";
    out += Coordinates(to) + "D01*\n";
  }
  void Flash(int side, MilPoint at) override { flashes[Index(side)] += Coordinates(at) + "D03*\n"; }
  void DrillHit(MilPoint at) override {
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "X%d.%03dY%d.%03d\n", at.x / 1000, at.x % 1000,
                  at.y / 1000, at.y % 1000);
    drillHits += text.data();
  }

  std::array<std::string, 2> strokes;  // [0] bottom, [1] top
  std::array<std::string, 2> flashes;
  std::string drillHits;

 private:
  static std::size_t Index(int side) { return side == 1 ? 1U : 0U; }
};

std::string Copper(const FabricationRules& rules, const FabCollector& copper, std::size_t side) {
  const bool top = side == 1;
  std::string out = GerberHeader(top ? "top copper" : "bottom copper",
                                 top ? "Copper,L1,Top" : "Copper,L2,Bot", "Positive");
  out += ApertureDefinition(TRACE_APERTURE, rules.traceWidth);
  out += ApertureDefinition(PAD_APERTURE, rules.padDiameter);
  out += GerberBody({{TRACE_APERTURE, copper.strokes[side]}, {PAD_APERTURE, copper.flashes[side]}});
  return out;
}

// Mask files show the openings, so they are negative images by convention.
std::string Mask(const FabricationRules& rules, const FabCollector& copper, std::size_t side) {
  const bool top = side == 1;
  std::string out = GerberHeader(top ? "top solder mask" : "bottom solder mask",
                                 top ? "Soldermask,Top" : "Soldermask,Bot", "Negative");
  out += ApertureDefinition(PAD_APERTURE, rules.maskOpening);
  out += GerberBody({{PAD_APERTURE, copper.flashes[side]}});
  return out;
}

// The board edge runs through the centres of the border ring, where the
// board's size in tenths is measured.
std::string Outline(const FabricationRules& rules, const CBrdDoc& board) {
  const int width = board.XSize() * MILS_PER_POSITION_AT_100 / board.GridStepSize();
  const int depth = board.YSize() * MILS_PER_POSITION_AT_100 / board.GridStepSize();
  std::string edge = Coordinates({0, 0}) + "D02*\n";
  for (const MilPoint corner :
       {MilPoint{width, 0}, MilPoint{width, depth}, MilPoint{0, depth}, MilPoint{0, 0}})
    edge += Coordinates(corner) + "D01*\n";
  std::string out = GerberHeader("board outline", "Profile,NP", "Positive");
  out += ApertureDefinition(TRACE_APERTURE, rules.outlineWidth);
  out += GerberBody({{TRACE_APERTURE, edge}});
  return out;
}

std::string Drill(const FabricationRules& rules, const FabCollector& copper) {
  std::string out =
      "M48\n"
      "; Cuprum fabrication set: plated through holes\n"
      "FMAT,2\n"
      "INCH\n";
  out += "T01C" + Inch(rules.drillDiameter, 3) + "\n";
  out += "%\nG90\nG05\nT01\n";
  out += copper.drillHits;
  out += "M30\n";
  return out;
}

}  // namespace

FabricationSet MakeFabricationSet(const CBrdDoc& board) {
  const FabricationRules rules = FabricationRulesFor(board.GetResolution());
  FabCollector copper;
  TraceCopperStrokes(board, copper);
  return FabricationSet{Copper(rules, copper, 1), Copper(rules, copper, 0), Mask(rules, copper, 1),
                        Mask(rules, copper, 0),   Outline(rules, board),    Drill(rules, copper)};
}

std::filesystem::path FabricationFolder(const std::filesystem::path& boardPath) {
  return ReplaceBoardExtension(boardPath, FAB_FOLDER_SUFFIX);
}

ExportResult ExportFabrication(const std::filesystem::path& boardPath) {
  CBrdDoc image;
  std::string error;
  if (!LoadBoardImage(boardPath, image, error)) return ExportResult::Failure(error);
  const std::filesystem::path folder = FabricationFolder(boardPath);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return ExportResult::Failure("cannot create " + folder.string() + ": " + ec.message());

  // Inside the folder the files keep the board's own name.
  const std::filesystem::path base = folder / ReplaceBoardExtension(boardPath.filename(), "");
  const auto named = [&base](std::string_view extension) {
    std::filesystem::path path = base;
    path += extension;
    return path;
  };
  FabricationSet set = MakeFabricationSet(image);
  return WriteExportFiles({
      {named(FAB_TOP_COPPER_EXTENSION), std::move(set.topCopper)},
      {named(FAB_BOTTOM_COPPER_EXTENSION), std::move(set.bottomCopper)},
      {named(FAB_TOP_MASK_EXTENSION), std::move(set.topMask)},
      {named(FAB_BOTTOM_MASK_EXTENSION), std::move(set.bottomMask)},
      {named(FAB_OUTLINE_EXTENSION), std::move(set.outline)},
      {named(FAB_DRILL_EXTENSION), std::move(set.drill)},
  });
}

}  // namespace cuprum
