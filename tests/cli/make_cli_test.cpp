// make, run as a user runs it: the whole job, and what each kind of mistake
// in the input gets for an answer.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "support/boardclitest.h"
#include "support/pngsize.h"

namespace cuprum {
namespace {

using testing::CliResult;
using testing::RunCli;
using testing::WriteWholeFile;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

class MakeCli : public testing::BoardCliTest {
 protected:
  bool Exists(const std::string& name) const {
    return std::filesystem::exists(dir_.Path() / name);
  }
  // Every name in the folder (not below it), the captured stderr aside.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.Path()))
      if (entry.path().filename() != "stderr.txt") names.insert(entry.path().filename().string());
    return names;
  }
  std::string BoardBytes() const { return testing::ReadWholeFile(dir_.Path() / "b.brd"); }
};

TEST_F(MakeCli, MakesTheBlinkerFromItsTextFilesToEveryExport) {
  CopyBlinker();
  const CliResult make = RunCli("make b.brd", dir_.Path());
  ASSERT_EQ(make.status, 0) << make.out << make.err;
  EXPECT_TRUE(Contains(make.out, "8 parts placed, routed 7 of 7 nets (0 open, 0 shorts)"))
      << make.out;
  EXPECT_TRUE(Contains(make.out, "inches of copper")) << make.out;
  for (const char* name : {"b.gtl", "b.gbl", "b.apt", "b.cnc", "b.dxf", "b.brd.scad", "b.brd.cft"})
    EXPECT_TRUE(Exists(name)) << name;
  EXPECT_TRUE(std::filesystem::is_directory(dir_.Path() / "b_fab"));
  // Pictures of each side and of both overlaid, 9 pixels a cell, where the
  // tool draws pictures at all.
  if (RunCli("render --help", dir_.Path()).status == 0) {
    for (const char* name : {"b_bottom.png", "b_top.png", "b_overlay.png"}) {
      const testing::PngSize size =
          testing::ReadPngSize(testing::ReadWholeFile(dir_.Path() / name));
      EXPECT_EQ(size.width, 279u) << name;
      EXPECT_EQ(size.height, 189u) << name;
    }
  }
  // Every file listed is on disk, and the count in the summary is theirs plus the board.
  int listed = 0;
  std::size_t start = 0;
  for (std::size_t end = make.out.find('\n'); end != std::string::npos;
       start = end + 1, end = make.out.find('\n', start)) {
    const std::string line = make.out.substr(start, end - start);
    if (Contains(line, "parts placed")) continue;
    EXPECT_TRUE(std::filesystem::exists(dir_.Path() / line) ||
                std::filesystem::exists(line))
        << line;
    ++listed;
  }
  EXPECT_TRUE(Contains(make.out, std::to_string(listed + 1) + " files written")) << make.out;

  // The saved board passes the independent check on its own.
  const CliResult check = RunCli("check b.brd", dir_.Path());
  EXPECT_EQ(check.status, 0) << check.out << check.err;
  EXPECT_TRUE(Contains(check.out, "7 nets: 0 open, 0 shorts")) << check.out;
}

TEST_F(MakeCli, MakesEveryExampleCompletely) {
  struct Example {
    const char* name;
    const char* newArguments;  // as the example's README gives them
    const char* summary;
  };
  const Example examples[] = {
      {"led", "--size 16,11", "3 parts placed, routed 3 of 3 nets (0 open, 0 shorts)"},
      {"blinker", "--size 30,20", "8 parts placed, routed 7 of 7 nets (0 open, 0 shorts)"},
      {"avr", "--size 32,24", "11 parts placed, routed 10 of 10 nets (0 open, 0 shorts)"},
      {"isa8", "--size 64,40", "routed 38 of 38 nets (0 open, 0 shorts)"},
      {"dense50", "--size 27,26 --resolution 50",
       "12 parts placed, routed 40 of 40 nets (0 open, 0 shorts)"},
  };
  for (const Example& example : examples) {
    const std::string name = example.name;
    const std::filesystem::path from = std::filesystem::path(CUPRUM_EXAMPLES_DIR) / name;
    const std::filesystem::path to = dir_.Path() / name;
    std::filesystem::create_directory(to);
    for (const char* extension : {".lay", ".rou"})
      std::filesystem::copy_file(from / (name + extension), to / (name + extension));
    ASSERT_EQ(RunCli("new " + name + "/" + name + ".brd " + example.newArguments, dir_.Path()).status, 0);
    const CliResult make = RunCli("make " + name + "/" + name + ".brd", dir_.Path());
    EXPECT_EQ(make.status, 0) << name << make.err;
    EXPECT_TRUE(Contains(make.out, example.summary)) << name << "\n" << make.out;
  }
}

TEST_F(MakeCli, WritesTheExportsToTheOutputFolder) {
  CopyBlinker();
  const CliResult make = RunCli("make b.brd --outdir out/gerbers", dir_.Path());
  ASSERT_EQ(make.status, 0) << make.out << make.err;
  for (const char* name : {"b.brd", "b.gtl", "b.cnc", "b.dxf", "b.brd.scad", "b.brd.cft"})
    EXPECT_TRUE(Exists(std::string("out/gerbers/") + name)) << name;
  EXPECT_FALSE(Exists("b.gtl"));
  EXPECT_FALSE(Exists("b_overlay.png"));
  EXPECT_FALSE(Exists("b.dxf"));
  // The routed board is saved in place too, and its copy is the same board.
  EXPECT_EQ(BoardBytes(), testing::ReadWholeFile(dir_.Path() / "out/gerbers/b.brd"));
  // With its text files beside it, the copy stands on its own.
  const CliResult check = RunCli("check out/gerbers/b.brd", dir_.Path());
  EXPECT_EQ(check.status, 0) << check.out << check.err;
  EXPECT_TRUE(Contains(check.out, "7 nets: 0 open, 0 shorts")) << check.out;
}

TEST_F(MakeCli, AnUnroutableNetEndsWithStatusOneAndTheFilesStillWritten) {
  WriteUnroutableNet();
  const CliResult make = RunCli("make b.brd", dir_.Path());
  EXPECT_EQ(make.status, 1) << make.err;
  // The two pads are parts; the eight reserved locations are not.
  EXPECT_TRUE(Contains(make.out, "2 parts placed")) << make.out;
  EXPECT_TRUE(Contains(make.out, "routed 0 of 1 nets (1 open, 0 shorts)")) << make.out;
  EXPECT_TRUE(Exists("b.gtl"));
}

TEST_F(MakeCli, AMissingBoardIsNamed) {
  const CliResult make = RunCli("make nothere.brd", dir_.Path());
  EXPECT_EQ(make.status, 2);
  EXPECT_TRUE(Contains(make.err, "nothere.brd")) << make.err;
  EXPECT_TRUE(Contains(make.err, "hint: make the board first: cuprum-cli new nothere.brd")) << make.err;
  EXPECT_TRUE(make.out.empty()) << make.out;
}

TEST_F(MakeCli, ABoardWithoutPartsFileIsRefusedAndNothingWritten) {
  const auto before = Names();
  const std::string board = BoardBytes();
  const CliResult make = RunCli("make b.brd", dir_.Path());
  EXPECT_EQ(make.status, 2) << make.err;
  EXPECT_TRUE(Contains(make.err, "b.lay") || Contains(make.err, "b.prt")) << make.err;
  EXPECT_TRUE(Contains(make.err, "hint: write the parts layout (.lay")) << make.err;
  EXPECT_EQ(Names(), before);
  EXPECT_EQ(BoardBytes(), board);
}

TEST_F(MakeCli, AMissingNetlistIsNamed) {
  Write("b.lay", "C R1 5 5 4 L\n");
  const CliResult make = RunCli("make b.brd", dir_.Path());
  EXPECT_EQ(make.status, 2) << make.err;
  EXPECT_TRUE(Contains(make.err, "b.rou: no such netlist")) << make.err;
  EXPECT_FALSE(Exists("b.gtl"));
}

TEST_F(MakeCli, ANetlistNamingAnUnknownPartNamesFileAndLine) {
  Write("b.lay", "C R1 5 5 4 L\nC R2 5 10 4 L\n");
  Write("b.rou", "C R1 1\nC R9 1\nN A\n");
  const std::string board = BoardBytes();
  const CliResult make = RunCli("make b.brd", dir_.Path());
  EXPECT_NE(make.status, 0);
  EXPECT_TRUE(Contains(make.err, "b.rou(2)")) << make.err;
  EXPECT_TRUE(Contains(make.err, "R9 not found")) << make.err;
  EXPECT_TRUE(Contains(make.err, "add C R9 to the parts file or mend the name")) << make.err;
  // The board file is left as it was, and nothing is exported.
  EXPECT_EQ(BoardBytes(), board);
  EXPECT_FALSE(Exists("b.gtl"));
}

TEST_F(MakeCli, APinOutOfRangeNamesFileAndLine) {
  Write("b.lay", "C R1 5 5 4 L\nC R2 5 10 4 L\n");
  Write("b.rou", "C R1 1\nC R2 2\nN A\nC R1 2\nC R2 3\nN B\n");
  const CliResult make = RunCli("make b.brd", dir_.Path());
  EXPECT_NE(make.status, 0);
  // The message gives the pin's index from 0, whatever the pin base.
  EXPECT_TRUE(Contains(make.err, "b.rou(5) : error: C R2 pin 2 out of range")) << make.err;
  EXPECT_TRUE(Contains(make.err, "R2's pins are 1 to 2")) << make.err;
  EXPECT_FALSE(Exists("b.gtl"));
}

TEST_F(MakeCli, PinZeroAndAPinInTwoNetsGetTheirRemedies) {
  Write("b.lay", "C R1 5 5 4 L\nC R2 5 10 4 L\n");
  Write("b.rou", "C R1 0\nC R2 1\nN A\n");
  const CliResult zero = RunCli("make b.brd", dir_.Path());
  EXPECT_EQ(zero.status, 2);
  EXPECT_TRUE(Contains(zero.err, "b.rou(1) : warning: are you using the wrong number base"))
      << zero.err;
  EXPECT_TRUE(Contains(zero.err, "options b.brd --pin-base 0")) << zero.err;

  Write("b.rou", "C R1 1\nC R2 1\nN A\nC R1 1\nC R2 2\nN B\n");
  const CliResult twice = RunCli("make b.brd", dir_.Path());
  EXPECT_EQ(twice.status, 2);
  EXPECT_TRUE(Contains(twice.err, "b.rou(4) : error: C R1 pin 0 already in use")) << twice.err;
  EXPECT_TRUE(Contains(twice.err, "a pin belongs to one net only")) << twice.err;
  EXPECT_FALSE(Exists("b.gtl"));
}

TEST_F(MakeCli, APartOffTheBoardIsNamed) {
  Write("b.lay", "C R1 5 5 4 L\nC R2 28 10 4 L\n");
  Write("b.rou", "C R1 1\nC R1 2\nN A\n");
  const std::string board = BoardBytes();
  const CliResult make = RunCli("make b.brd", dir_.Path());
  EXPECT_EQ(make.status, 2);
  EXPECT_TRUE(Contains(make.err, "Component did not fit in current Board size: R2")) << make.err;
  EXPECT_TRUE(Contains(make.err, "b.lay(2): R2 does not fit on the board: every pin must lie at "
                                 "X 1 to 29 and Y 1 to 19"))
      << make.err;
  EXPECT_TRUE(Contains(make.err, "options b.brd --size X,Y")) << make.err;
  // A board without the part would be the wrong board: nothing is written.
  EXPECT_FALSE(Exists("b.gtl"));
  EXPECT_EQ(BoardBytes(), board);
}

TEST_F(MakeCli, ATypoInAPartsRecordNamesFileAndLine) {
  // The last record lacks its width and direction.
  Write("b.lay", "C R1 5 5 4 L\nC R2 5 10 4 L\nD U1 12 11\n");
  Write("b.rou", "C R1 1\nC R2 1\nN A\n");
  const std::string board = BoardBytes();
  const CliResult make = RunCli("make b.brd", dir_.Path());
  EXPECT_EQ(make.status, 2) << make.err;
  EXPECT_TRUE(Contains(make.err, "b.lay(")) << make.err;
  EXPECT_TRUE(Contains(make.err, "parsing error: D U1")) << make.err;
  EXPECT_TRUE(Contains(make.err, "it reads D NAME X Y PINS WIDTH DIRECTION")) << make.err;
  EXPECT_EQ(BoardBytes(), board);
  EXPECT_FALSE(Exists("b.gtl"));
}

TEST_F(MakeCli, AWordWhereANumberIsDueIsBadInputNamedByLine) {
  // The readers would take "four" as 0 and make a resistor with both pins in
  // one cell; the tool refuses instead of routing that.
  Write("b.lay", "C R1 5 5 4 L\nC R2 5 10 four L\n");
  Write("b.rou", "C R1 1\nC R2 1\nN A\n");
  const auto before = Names();
  const std::string board = BoardBytes();
  const CliResult parts = RunCli("make b.brd", dir_.Path());
  EXPECT_EQ(parts.status, 2) << parts.err;
  EXPECT_TRUE(Contains(parts.err, "b.lay(2): \"four\" stands where a number is due")) << parts.err;
  EXPECT_EQ(Names(), before);
  EXPECT_EQ(BoardBytes(), board);

  Write("b.lay", "C R1 5 5 4 L\nC R2 5 10 4 L\n");
  Write("b.rou", "C R1 1\nC R2 1\nN A\nC R1 2\nC R2 two\nN B\n");
  const CliResult netlist = RunCli("make b.brd", dir_.Path());
  EXPECT_EQ(netlist.status, 2) << netlist.err;
  EXPECT_TRUE(Contains(netlist.err, "b.rou(5): \"two\" stands where a number is due"))
      << netlist.err;
  EXPECT_EQ(Names(), before);
  EXPECT_EQ(BoardBytes(), board);
}

TEST_F(MakeCli, ABinaryFileGivenAsTheBoardIsRefused) {
  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes += static_cast<char>((i * 37) & 0xff);
  Write("photo.brd", bytes);
  const auto before = Names();
  const CliResult make = RunCli("make photo.brd", dir_.Path());
  EXPECT_EQ(make.status, 2) << make.err;
  EXPECT_TRUE(Contains(make.err, "photo.brd: Unexpected file format.")) << make.err;
  EXPECT_TRUE(Contains(make.err, "photo.brd is not a board Cuprum can read")) << make.err;
  EXPECT_EQ(Names(), before);
  EXPECT_EQ(testing::ReadWholeFile(dir_.Path() / "photo.brd"), bytes);
}

TEST_F(MakeCli, AnOutputFolderUnderAFileIsRefusedBeforeAnythingIsWritten) {
  CopyBlinker();
  Write("notes.txt", "not a folder\n");
  const auto before = Names();
  const std::string board = BoardBytes();
  const CliResult make = RunCli("make b.brd --outdir notes.txt/out", dir_.Path());
  EXPECT_EQ(make.status, 3) << make.err;
  EXPECT_TRUE(Contains(make.err, "notes.txt/out")) << make.err;
  EXPECT_EQ(Names(), before);
  EXPECT_EQ(BoardBytes(), board);
}

TEST_F(MakeCli, ABadTimeLimitIsRefused) {
  CopyBlinker();
  const CliResult make = RunCli("make b.brd --time-limit soon", dir_.Path());
  EXPECT_EQ(make.status, 2);
  EXPECT_TRUE(Contains(make.err, "--time-limit")) << make.err;
}

}  // namespace
}  // namespace cuprum
