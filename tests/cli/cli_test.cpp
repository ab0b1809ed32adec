// The command-line tool as a user runs it: exit statuses, messages and files.
#include <gtest/gtest.h>

#include "support/runcli.h"

namespace cuprum {
namespace {

using testing::CliResult;
using testing::ReadWholeFile;
using testing::RunCli;
using testing::ScratchDir;

std::string TestName() {
  return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

TEST(CliTool, HelpListsTheCommandsAndEachCommandHasItsOwn) {
  ScratchDir dir(TestName());
  const CliResult help = RunCli("--help", dir.Path());
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("new"), std::string::npos);
  EXPECT_NE(help.out.find("info"), std::string::npos);
  const CliResult newHelp = RunCli("new --help", dir.Path());
  EXPECT_EQ(newHelp.status, 0);
  EXPECT_NE(newHelp.out.find("--resolution"), std::string::npos);
  EXPECT_EQ(RunCli("", dir.Path()).status, 2);
  EXPECT_EQ(RunCli("frobnicate", dir.Path()).status, 2);
}

TEST(CliNew, DefaultBoardIsSavedAndInfoReportsIt) {
  ScratchDir dir(TestName());
  ASSERT_EQ(RunCli("new b.brd", dir.Path()).status, 0);
  EXPECT_EQ(std::filesystem::file_size(dir.Path() / "b.brd"), 5340U);
  const CliResult info = RunCli("info --json b.brd", dir.Path());
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("\"x_tenths\":64,\"y_tenths\":40,\"x_size\":64,\"y_size\":40,"
                          "\"resolution_mil\":100,\"pin_base\":1,\"layers\":2,"
                          "\"through_holes\":0,\"copper_cells\":[0,0]"),
            std::string::npos)
      << info.out;
}

TEST(CliNew, FiftyMilBoardAtItsLargestSize) {
  ScratchDir dir(TestName());
  ASSERT_EQ(RunCli("new big.brd --size 64,80 --resolution 50 --pin-base 0", dir.Path()).status, 0);
  const CliResult info = RunCli("info big.brd --json", dir.Path());
  ASSERT_EQ(info.status, 0);
  EXPECT_NE(info.out.find("\"x_size\":128,\"y_size\":160,\"resolution_mil\":50,\"pin_base\":0"),
            std::string::npos)
      << info.out;
  // The border ring: hole and fixed bits on both sides, no through holes.
  EXPECT_NE(info.out.find("\"through_holes\":0"), std::string::npos);
}

TEST(CliNew, SizesOutOfRangeAreRefusedWithTheDialogsMessage) {
  ScratchDir dir(TestName());
  const struct {
    const char* args;
    const char* message;
  } cases[] = {
      {"new x.brd --size 129,40", "Enter an integer between 1 and 128."},
      {"new x.brd --size 65,40 --resolution 50", "Enter an integer between 1 and 64."},
      {"new x.brd --size 10,81", "Enter an integer between 1 and 80."},
      {"new x.brd --size 0,10", "Enter an integer between 1 and 128."},
  };
  for (const auto& c : cases) {
    const CliResult r = RunCli(c.args, dir.Path());
    EXPECT_EQ(r.status, 2) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "x.brd")) << c.args;
  }
  EXPECT_EQ(RunCli("new x.brd --resolution 75", dir.Path()).status, 2);
  EXPECT_EQ(RunCli("new x.brd --pin-base 2", dir.Path()).status, 2);
  EXPECT_EQ(RunCli("new x.brd --size 10", dir.Path()).status, 2);
  EXPECT_EQ(RunCli("new x.brd --bogus", dir.Path()).status, 2);
  EXPECT_EQ(RunCli("new", dir.Path()).status, 2);
}

TEST(CliNew, UnwritableTargetIsAnIoErrorAndLeavesNothing) {
  ScratchDir dir(TestName());
  const CliResult r = RunCli("new no/such/folder/x.brd", dir.Path());
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.err.find("no/such/folder/x.brd"), std::string::npos) << r.err;
}

TEST(CliInfo, BadBoardFilesNameTheFileAndExitWithBadInput) {
  ScratchDir dir(TestName());
  {
    std::ofstream(dir.Path() / "junk.brd", std::ios::binary) << "\x7f" "ELF not a board";
  }
  CliResult r = RunCli("info junk.brd", dir.Path());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("junk.brd"), std::string::npos);
  EXPECT_NE(r.err.find("Unexpected file format."), std::string::npos) << r.err;

  r = RunCli("info missing.brd", dir.Path());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("missing.brd"), std::string::npos);
}

TEST(CliInfo, CountsCopperHolesAndThroughHolesOffTheBorder) {
  ScratchDir dir(TestName());
  ASSERT_EQ(RunCli("new c.brd --size 10,10", dir.Path()).status, 0);
  // Patch two cells by hand: a via at (3,3) and a trace stub on side 1.
  std::string bytes = ReadWholeFile(dir.Path() / "c.brd");
  auto cell = [](int x, int y, int side) { return 10 + static_cast<std::size_t>((x * 11 + y) * 2 + side); };
  bytes[cell(3, 3, 0)] = 0x10;
  bytes[cell(3, 3, 1)] = 0x14;
  bytes[cell(4, 3, 1)] = 0x08;
  std::ofstream(dir.Path() / "c.brd", std::ios::binary) << bytes;
  const CliResult info = RunCli("info c.brd --json", dir.Path());
  ASSERT_EQ(info.status, 0);
  EXPECT_NE(info.out.find("\"through_holes\":1,\"copper_cells\":[0,2]"), std::string::npos) << info.out;
}

TEST(CliInfo, LegacyBoardFileIsReadWith128Columns) {
  ScratchDir dir(TestName());
  std::ofstream(dir.Path() / "old.brd", std::ios::binary) << std::string(8448, '\0');
  const CliResult info = RunCli("info old.brd --json", dir.Path());
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("\"x_size\":128,\"y_size\":32"), std::string::npos) << info.out;
}

}  // namespace
}  // namespace cuprum
