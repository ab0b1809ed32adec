// cuprum-cli export: which files each option writes, and the exit statuses.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/runcli.h"

namespace cuprum::testing {
namespace {

class ExportCli : public ::testing::Test {
 protected:
  void SetUp() override {
    const CliResult made = RunCli("new b.brd --size 20,10", dir_.Path());
    ASSERT_EQ(made.status, 0) << made.err;
  }

  [[nodiscard]] bool Exists(const char* name) const {
    return std::filesystem::exists(dir_.Path() / name);
  }

  // The process id keeps test runs of several build trees apart.
  ScratchDir dir_{"export_" + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(ExportCli, WithoutOptionsWritesEverySetAndListsTheFiles) {
  const CliResult result = RunCli("export b.brd", dir_.Path());
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out,
            "b.cnc\nb.gtl\nb.gbl\nb.apt\nb.dxf\n"
            "b_fab/b.gtl\nb_fab/b.gbl\nb_fab/b.gts\nb_fab/b.gbs\nb_fab/b.gko\nb_fab/b.drl\n");
  EXPECT_NE(result.err.find("no parts file; no 3D model written"), std::string::npos) << result.err;
  for (const char* name : {"b.cnc", "b.gtl", "b.gbl", "b.apt", "b.dxf", "b_fab/b.drl"})
    EXPECT_TRUE(Exists(name)) << name;
}

TEST_F(ExportCli, ModelExportsLayTheBoardOutFromItsPartsFile) {
  WriteWholeFile(dir_.Path() / "b.lay", "D U1 5 5 8 3 L\r\nP GND 15 5 B\r\n");
  const auto before = ReadWholeFile(dir_.Path() / "b.brd");
  const CliResult result = RunCli("export b.brd --scad --cft", dir_.Path());
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "b.brd.scad\nb.brd.cft\n");
  EXPECT_NE(ReadWholeFile(dir_.Path() / "b.brd.cft").find("DIP pDIP_Z("), std::string::npos);
  // The saved board keeps its copper: laying out for the model saves nothing.
  EXPECT_EQ(ReadWholeFile(dir_.Path() / "b.brd"), before);

  // The description opens as a board with its components (pads are plain
  // bodies there and stay behind).
  const CliResult info = RunCli("info b.brd.cft --components --json", dir_.Path());
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("\"components\":[{\"type\":\"D\""), std::string::npos) << info.out;
}

TEST_F(ExportCli, OptionsChooseTheSets) {
  const CliResult dxf = RunCli("export b.brd --dxf", dir_.Path());
  EXPECT_EQ(dxf.status, 0) << dxf.err;
  EXPECT_EQ(dxf.out, "b.dxf\n");
  EXPECT_FALSE(Exists("b.gtl"));
  EXPECT_FALSE(Exists("b_fab"));

  const CliResult two = RunCli("export --fab b.brd --gerber", dir_.Path());
  EXPECT_EQ(two.status, 0) << two.err;
  EXPECT_EQ(two.out.substr(0, 6), "b.cnc\n");
  EXPECT_TRUE(Exists("b_fab/b.gko"));
}

TEST_F(ExportCli, MissingOrUnreadableBoardIsBadInput) {
  const CliResult missing = RunCli("export none.brd", dir_.Path());
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("none.brd"), std::string::npos) << missing.err;
  EXPECT_TRUE(missing.out.empty());

  EXPECT_EQ(RunCli("export", dir_.Path()).status, 2);
  EXPECT_EQ(RunCli("export b.brd --scad", dir_.Path()).status, 2);
}

TEST_F(ExportCli, FileThatCannotBeWrittenIsAnIoError) {
  std::filesystem::create_directory(dir_.Path() / "b.gbl");
  const CliResult result = RunCli("export b.brd --gerber --dxf", dir_.Path());
  EXPECT_EQ(result.status, 3);
  EXPECT_EQ(result.out, "b.cnc\nb.gtl\n");  // what was complete before the failure
  EXPECT_NE(result.err.find("board to CNC error"), std::string::npos) << result.err;
  EXPECT_FALSE(Exists("b.dxf"));
}

}  // namespace
}  // namespace cuprum::testing
