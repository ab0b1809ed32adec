// The example boards through the 3D model: each one laid out from its parts
// layout, written as a component description and read back, and its OpenSCAD
// script and description judged by real readers where they are installed.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "board/brddoc.h"
#include "board/documentio.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "model3d/descriptionwriter.h"
#include "model3d/lettercounters.h"
#include "model3d/scadwriter.h"
#include "parts/component.h"
#include "parts/markcomponents.h"
#include "parts/partsfile.h"
#include "platform/recordingplatform.h"
#include "support/scratchdir.h"

namespace cuprum {
namespace {

struct ExampleBoard {
  const char* name;
  int xTenths;
  int yTenths;
  Resolution resolution;
};

// The sizes the examples' READMEs give for `cuprum-cli new`.
constexpr ExampleBoard EXAMPLES[] = {
    {"led", 16, 11, Resolution::Mil100},
    {"blinker", 30, 20, Resolution::Mil100},
    {"avr", 32, 24, Resolution::Mil100},
    {"isa8", 64, 40, Resolution::Mil100},
    {"dense50", 27, 26, Resolution::Mil50},
};

// What a component must keep through a description: pads and reserved
// locations are written as plain bodies and do not come back.
struct PartSummary {
  char type;
  int pinCount;
  int width;
  char direction;
  std::vector<GridPoint> pins;
  friend bool operator==(const PartSummary&, const PartSummary&) = default;
  friend void PrintTo(const PartSummary& part, std::ostream* out) {
    *out << part.type << " pins " << part.pinCount << " width " << part.width << " direction "
         << part.direction << ":";
    for (const GridPoint& p : part.pins)
      *out << " (" << int{p.x} << "," << int{p.y} << "," << int{p.side} << ")";
  }
};

// Pins in tenths of an inch: a description is read onto the 50-mil grid
// whenever the board fits it, so the grid positions of a 100-mil board come
// back doubled while the parts stand where they stood.
std::vector<PartSummary> Packages(const CBrdDoc& board) {
  const int step = board.GridStepSize();
  std::vector<PartSummary> parts;
  for (const auto& item : board.Items()) {
    const Component& c = *item->GetComponent();
    if (c.TypeLetter() == 'P' || c.TypeLetter() == 'R') continue;
    PartSummary summary{c.TypeLetter(), c.PinCount(), c.Width(), c.Direction(), {}};
    for (int i = 0; i < c.PinCount(); ++i)
    {
      const GridPoint p = c.Pins()[static_cast<std::size_t>(i)].point;
      summary.pins.push_back(MakeGridPoint(p.x / step, p.y / step, p.side));
    }
    parts.push_back(summary);
  }
  return parts;
}

void LayOutExample(CBrdDoc& board, const ExampleBoard& example) {
  board.SetSizeInTenths(example.xTenths, example.yTenths, example.resolution, 1);
  const std::filesystem::path lay = std::filesystem::path(CUPRUM_EXAMPLES_DIR) / example.name /
                                    (std::string(example.name) + ".lay");
  RecordingPlatform platform;
  FieldReader reader(platform);
  LogStream log;
  PartsFileReport report;
  ASSERT_EQ(ReadPartsFile(log, board, lay, LayoutMode::Specified, platform, reader, &report), 1)
      << log.Text();
  ASSERT_EQ(report.rejected, 0) << example.name;
  // As the layout command leaves it: edge fingers marked, their pins at the
  // fingers' inner ends, as a description read back marks them too.
  MarkComponents(board);
}

int RunIn(const std::filesystem::path& folder, const std::string& command, std::string& err) {
  const std::filesystem::path errPath = folder / "tool_stderr.txt";
  const int raw = std::system(("cd '" + folder.string() + "' && " + command + " >/dev/null 2>'" +
                               errPath.string() + "'")
                                  .c_str());
  err = testing::ReadWholeFile(errPath);
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

bool OnPath(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

class ExampleModels : public ::testing::TestWithParam<ExampleBoard> {
 protected:
  ExampleModels()
      : dir_(std::string("example_models_") + GetParam().name) {}
  testing::ScratchDir dir_;
};

TEST_P(ExampleModels, DescriptionReadsBackWithTheSamePackagesAndBoardSize) {
  CBrdDoc board;
  LayOutExample(board, GetParam());
  const auto description = MakeDescription(board);
  ASSERT_TRUE(description.has_value());
  const auto path = dir_.Path() / "board.cft";
  testing::WriteWholeFile(path, *description);

  CBrdDoc reread;
  RecordingPlatform platform;
  ASSERT_TRUE(LoadDocument(reread, path, platform).Ok());
  EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().text;
  EXPECT_EQ(reread.XTenths(), board.XTenths());
  EXPECT_EQ(reread.YTenths(), board.YTenths());
  const auto before = Packages(board);
  const auto after = Packages(reread);
  ASSERT_EQ(after.size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]) << "part " << i;
}

TEST_P(ExampleModels, OpenScadRendersTheScript) {
  if (!OnPath("openscad")) GTEST_SKIP() << "openscad is not installed";
  CBrdDoc board;
  LayOutExample(board, GetParam());
  testing::WriteWholeFile(dir_.Path() / "board.scad", MakeScad(board));
  std::string err;
  EXPECT_EQ(RunIn(dir_.Path(), "openscad -o board.stl board.scad", err), 0) << err;
  // Touching bodies (an edge connector on the board's edge) may draw a
  // warning about manifolds; errors are what would break the model.
  EXPECT_EQ(err.find("ERROR"), std::string::npos) << err;
}

TEST_P(ExampleModels, DescriptionCompilesAsCpp) {
  if (!OnPath("g++")) GTEST_SKIP() << "g++ is not installed";
  CBrdDoc board;
  LayOutExample(board, GetParam());
  testing::WriteWholeFile(dir_.Path() / "board.cft", MakeDescription(board).value_or(""));
  const std::filesystem::path stubs = std::filesystem::path(__FILE__).parent_path() / "stubs";
  std::string err;
  EXPECT_EQ(RunIn(dir_.Path(),
                  "g++ -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I '" + stubs.string() +
                      "' -x c++ board.cft",
                  err),
            0)
      << err;
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleModels, ::testing::ValuesIn(EXAMPLES),
                         [](const auto& example) { return std::string(example.param.name); });

}  // namespace
}  // namespace cuprum
