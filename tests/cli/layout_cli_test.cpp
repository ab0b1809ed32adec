// layout, info --components and nets, run as a user runs them.
#include <gtest/gtest.h>

#include "support/boardclitest.h"

namespace cuprum {
namespace {

using testing::CliResult;
using testing::RunCli;

using LayoutCli = testing::BoardCliTest;

TEST_F(LayoutCli, LaysOutTheBlinkerExampleAndSavesThePins) {
  CopyBlinker();
  const CliResult layout = RunCli("layout b.brd", dir_.Path());
  ASSERT_EQ(layout.status, 0) << layout.err;
  EXPECT_NE(layout.out.find("8 component(s) placed"), std::string::npos);
  // 8 + 6 x 2 + 2 through-hole pins, now in the saved board file.
  const CliResult info = RunCli("info b.brd --json", dir_.Path());
  EXPECT_NE(info.out.find("\"through_holes\":22"), std::string::npos) << info.out;

  const CliResult nets = RunCli("nets b.brd --json", dir_.Path());
  ASSERT_EQ(nets.status, 0) << nets.err;
  EXPECT_NE(nets.out.find("{\"name\":\"LED\",\"points\":[[24,11,0],[24,15,0]]"), std::string::npos)
      << nets.out;
  EXPECT_NE(nets.out.find("\"name\":\"GND\""), std::string::npos);
}

TEST_F(LayoutCli, InfoComponentsLaysOutWithoutSaving) {
  Write("b.lay", "D U1 10 5 14 3 L\r\nP GND 20 15 T\r\n");
  const CliResult info = RunCli("info b.brd --components --json", dir_.Path());
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("\"components\":[{\"type\":\"D\",\"letter\":\"Z\",\"name\":\"U1\","
                          "\"pins\":[[10,5,0],[11,5,0]"),
            std::string::npos)
      << info.out;
  EXPECT_NE(info.out.find("{\"type\":\"P\",\"letter\":\"Y\",\"name\":\"GND\",\"pins\":[[20,15,1]],"
                          "\"width\":1"),
            std::string::npos)
      << info.out;
  // The board file itself still holds no pins.
  EXPECT_NE(RunCli("info b.brd --json", dir_.Path()).out.find("\"through_holes\":0"),
            std::string::npos);
  const CliResult text = RunCli("info b.brd --components", dir_.Path());
  EXPECT_NE(text.out.find("pin 1: column 10, row 5, side 0, cell 0x0010"), std::string::npos)
      << text.out;
}

TEST_F(LayoutCli, ComponentsOffTheBoardGiveExitOneAndAreNamed) {
  Write("b.lay", "P INSIDE 5 5 B\nP OUTSIDE 40 5 B\n");
  const CliResult r = RunCli("layout b.brd", dir_.Path());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Component did not fit in current Board size: OUTSIDE"), std::string::npos)
      << r.err;
  EXPECT_NE(r.out.find("1 component(s) placed"), std::string::npos);
}

TEST_F(LayoutCli, ParseErrorsNameTheFileAndLineAndSaveNothing) {
  Write("b.lay", "P A 5 5 B\nD U1 10 5 14\n");
  const auto before = testing::ReadWholeFile(dir_.Path() / "b.brd");
  const CliResult r = RunCli("layout b.brd", dir_.Path());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("b.lay(3) : parsing error: D U1"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("Layout Failed: Error in Parts Description"), std::string::npos) << r.err;
  EXPECT_EQ(testing::ReadWholeFile(dir_.Path() / "b.brd"), before);
}

TEST_F(LayoutCli, MissingPartsFileIsBadInput) {
  const CliResult r = RunCli("layout b.brd", dir_.Path());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("error: can't open layout file"), std::string::npos) << r.err;
}

TEST_F(LayoutCli, NetsReportsNetlistErrorsWithExitTwo) {
  Write("b.lay", "C R1 5 5 4 L\n");
  Write("b.rou", "C R1 1\nC R2 1\nN X\n");
  const CliResult r = RunCli("nets b.brd", dir_.Path());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("b.rou(2) : error: C R2 not found"), std::string::npos) << r.err;
}

TEST_F(LayoutCli, GeneratedLayoutFromAPartsList) {
  Write("b.prt", "D U1 8 3\nC R1 4\n");
  Write("b.rou", "D U1 1\nC R1 1\nN A\n");
  const CliResult r = RunCli("layout b.brd", dir_.Path());  // only a .prt: generated
  ASSERT_EQ(r.status, 0) << r.err;
  const CliResult info = RunCli("info b.brd --json", dir_.Path());
  EXPECT_NE(info.out.find("\"through_holes\":10"), std::string::npos) << info.out;
}

}  // namespace
}  // namespace cuprum
