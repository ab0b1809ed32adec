// New bus-card boards and changed board options from the command line.
#include <gtest/gtest.h>

#include <string>

#include "support/runcli.h"

namespace cuprum {
namespace {

using testing::CliResult;
using testing::ReadWholeFile;
using testing::RunCli;
using testing::ScratchDir;
using testing::WriteWholeFile;

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

std::string InfoJson(const char* board, const ScratchDir& dir) {
  const CliResult info = RunCli(std::string("info --json ") + board, dir.Path());
  EXPECT_EQ(info.status, 0) << info.err;
  return info.out;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(CliNewPreset, SixteenBitIsaWritesItsLayoutAndNetlistFromPinZero) {
  ScratchDir dir(TestName());
  const CliResult r = RunCli("new card.brd --preset isa16 --pin-base 0", dir.Path());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadWholeFile(dir.Path() / "card.lay"),
            "E PC8ISA 39 1 62 3 R\r\nE PC16ISA 60 1 36 3 R\r\nS BORDER0 8 2 2 D\r\n"
            "S BORDER1 8 3 8 R\r\nS BORDER2 1 2 2 D\r\nS BORDER3 42 2 2 D\r\n"
            "S BORDER4 42 3 3 R\r\nS BORDER5 40 2 2 D\r\nS BORDER6 64 2 2 D\r\n"
            "S BORDER7 64 3 4 R\r\nS BORDER8 61 2 2 D\r\n");
  const std::string netlist = ReadWholeFile(dir.Path() / "card.rou");
  EXPECT_EQ(netlist.rfind("E PC16ISA 0\r\nN D15\r\n\r\nE PC16ISA 1\r\nN D14\r\n\r\n", 0), 0U);
  const std::string tail = "E PC8ISA 60\r\nN OSC\r\n\r\nE PC8ISA 61\r\nN GND\r\n\r\n";
  ASSERT_GE(netlist.size(), tail.size());
  EXPECT_EQ(netlist.substr(netlist.size() - tail.size()), tail);
  EXPECT_TRUE(Contains(InfoJson("card.brd", dir), "\"x_tenths\":64,\"y_tenths\":40"));
  EXPECT_TRUE(Contains(InfoJson("card.brd", dir), "\"pin_base\":0"));
}

TEST(CliNewPreset, SizeRulesApplyToTheGivenSize) {
  ScratchDir dir(TestName());
  ASSERT_EQ(RunCli("new a.brd --preset isa8 --size 30,40", dir.Path()).status, 0);
  EXPECT_TRUE(Contains(InfoJson("a.brd", dir), "\"x_tenths\":44,\"y_tenths\":40"));
  ASSERT_EQ(RunCli("new b.brd --preset apple2 --size 20,5", dir.Path()).status, 0);
  EXPECT_TRUE(Contains(InfoJson("b.brd", dir), "\"x_tenths\":34,\"y_tenths\":12"));
  ASSERT_EQ(RunCli("new c.brd --preset pc104-16 --size 100,80", dir.Path()).status, 0);
  EXPECT_TRUE(Contains(InfoJson("c.brd", dir), "\"x_tenths\":38,\"y_tenths\":36"));
  EXPECT_EQ(ReadWholeFile(dir.Path() / "c.lay"),
            "D PC8ISA 4 3 64 1 U\r\nD PC16ISA 3 30 40 1 D\r\n");
  // 50 mil without a size narrows the default width as the dialog does.
  ASSERT_EQ(RunCli("new d.brd --preset isa16 --resolution 50", dir.Path()).status, 0);
  EXPECT_TRUE(Contains(InfoJson("d.brd", dir), "\"x_tenths\":64,\"y_tenths\":40,\"x_size\":128"));
}

TEST(CliNewPreset, PlainPc104AndGeneralBoards) {
  ScratchDir dir(TestName());
  ASSERT_EQ(RunCli("new p.brd --preset pc104", dir.Path()).status, 0);
  EXPECT_EQ(ReadWholeFile(dir.Path() / "p.lay"), "");
  EXPECT_EQ(ReadWholeFile(dir.Path() / "p.rou"), "");
  ASSERT_EQ(RunCli("new g.brd --preset general --size 20,10", dir.Path()).status, 0);
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "g.lay"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "g.rou"));
  EXPECT_TRUE(Contains(InfoJson("g.brd", dir), "\"x_tenths\":20,\"y_tenths\":10"));
}

TEST(CliNewPreset, RefusalsWriteNothing) {
  ScratchDir dir(TestName());
  CliResult r = RunCli("new x.brd --preset isa16 --size 100,40 --resolution 50", dir.Path());
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(Contains(r.err, "Enter an integer between 1 and 64.")) << r.err;
  r = RunCli("new x.brd --preset isa8 --size 50,81", dir.Path());
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(Contains(r.err, "Enter an integer between 1 and 80.")) << r.err;
  r = RunCli("new x.brd --preset isa32", dir.Path());
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(Contains(r.err, "isa32")) << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "x.brd"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "x.lay"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "x.rou"));

  r = RunCli("new no/such/folder/x.brd --preset isa8", dir.Path());
  EXPECT_EQ(r.status, 3);
}

TEST(CliNewPreset, PresetCardLaysOutFromItsOwnFiles) {
  ScratchDir dir(TestName());
  ASSERT_EQ(RunCli("new card.brd --preset isa8", dir.Path()).status, 0);
  const CliResult layout = RunCli("layout card.brd", dir.Path());
  EXPECT_EQ(layout.status, 0) << layout.err;
  const CliResult nets = RunCli("nets card.brd", dir.Path());
  EXPECT_EQ(nets.status, 0) << nets.err;
}

TEST(CliOptions, NewSizeRelaysTheBoardFromItsPartsFile) {
  ScratchDir dir(TestName());
  ASSERT_EQ(RunCli("new b.brd", dir.Path()).status, 0);
  WriteWholeFile(dir.Path() / "b.lay", "D U1 10 5 14 3 L\r\n");
  const CliResult r = RunCli("options b.brd --size 50,30", dir.Path());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "re-laid")) << r.out;
  const std::string info = InfoJson("b.brd", dir);
  EXPECT_TRUE(Contains(info, "\"x_tenths\":50,\"y_tenths\":30")) << info;
  EXPECT_TRUE(Contains(info, "\"through_holes\":14")) << info;
}

TEST(CliOptions, PinBaseAloneKeepsTheGrid) {
  ScratchDir dir(TestName());
  ASSERT_EQ(RunCli("new b.brd", dir.Path()).status, 0);
  WriteWholeFile(dir.Path() / "b.lay", "D U1 10 5 14 3 L\r\n");
  ASSERT_EQ(RunCli("layout b.brd", dir.Path()).status, 0);
  // The parts file changes, but only a new size would read it again.
  WriteWholeFile(dir.Path() / "b.lay", "D U1 10 5 20 3 L\r\n");
  const CliResult r = RunCli("options b.brd --pin-base 0", dir.Path());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "not re-laid")) << r.out;
  const std::string info = InfoJson("b.brd", dir);
  EXPECT_TRUE(Contains(info, "\"pin_base\":0")) << info;
  EXPECT_TRUE(Contains(info, "\"through_holes\":14")) << info;
}

TEST(CliOptions, NewSizeOfABoardWithoutPartsClearsTheGrid) {
  ScratchDir dir(TestName());
  ASSERT_EQ(RunCli("new c.brd --size 10,10", dir.Path()).status, 0);
  // A via by hand at (3,3).
  std::string bytes = ReadWholeFile(dir.Path() / "c.brd");
  const auto cell = [](int x, int y, int side) {
    return 10 + static_cast<std::size_t>((x * 11 + y) * 2 + side);
  };
  bytes[cell(3, 3, 0)] = 0x10;
  bytes[cell(3, 3, 1)] = 0x10;
  WriteWholeFile(dir.Path() / "c.brd", bytes);
  ASSERT_TRUE(Contains(InfoJson("c.brd", dir), "\"through_holes\":1"));

  const CliResult r = RunCli("options c.brd --size 12,12", dir.Path());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(r.out, "grid cleared")) << r.out;
  const std::string info = InfoJson("c.brd", dir);
  EXPECT_TRUE(Contains(info, "\"x_tenths\":12,\"y_tenths\":12")) << info;
  EXPECT_TRUE(Contains(info, "\"through_holes\":0,\"copper_cells\":[0,0],\"hole_cells\":[0,0]"))
      << info;
}

TEST(CliOptions, ResolutionAndRefusals) {
  ScratchDir dir(TestName());
  ASSERT_EQ(RunCli("new b.brd --size 100,40", dir.Path()).status, 0);
  CliResult r = RunCli("options b.brd --size 100,40 --resolution 50", dir.Path());
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(Contains(r.err, "Enter an integer between 1 and 64.")) << r.err;
  r = RunCli("options b.brd --size 20,81", dir.Path());
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(Contains(r.err, "Enter an integer between 1 and 80.")) << r.err;
  EXPECT_TRUE(Contains(InfoJson("b.brd", dir), "\"x_tenths\":100,\"y_tenths\":40"));

  // 50 mil alone narrows the width as the dialog's button does.
  r = RunCli("options b.brd --resolution 50", dir.Path());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(Contains(InfoJson("b.brd", dir),
                       "\"x_tenths\":64,\"y_tenths\":40,\"x_size\":128,\"y_size\":80,"
                       "\"resolution_mil\":50"));

  EXPECT_EQ(RunCli("options missing.brd --size 20,20", dir.Path()).status, 2);
  EXPECT_EQ(RunCli("options b.brd --pin-base 3", dir.Path()).status, 2);
}

TEST(CliOptions, BrokenPartsFileLeavesTheBoardFileAsItWas) {
  ScratchDir dir(TestName());
  ASSERT_EQ(RunCli("new b.brd", dir.Path()).status, 0);
  const std::string before = ReadWholeFile(dir.Path() / "b.brd");
  WriteWholeFile(dir.Path() / "b.lay", "D U1 10\r\n");
  const CliResult r = RunCli("options b.brd --size 50,30", dir.Path());
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(Contains(r.err, "Error in Parts Description")) << r.err;
  EXPECT_EQ(ReadWholeFile(dir.Path() / "b.brd"), before);
}

}  // namespace
}  // namespace cuprum
