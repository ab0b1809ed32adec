// render, run as a user runs it. The command exists only in builds with Qt;
// without it these tests are skipped.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "support/pngsize.h"
#include "support/runcli.h"

namespace cuprum {
namespace {

using testing::CliResult;
using testing::PngSize;
using testing::ReadPngSize;
using testing::ReadWholeFile;
using testing::RunCli;
using testing::ScratchDir;

class RenderCli : public ::testing::Test {
 protected:
  RenderCli()
      : dir_(std::string("rendercli_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name()) {}
  void SetUp() override {
    if (RunCli("render --help", dir_.Path()).status != 0)
      GTEST_SKIP() << "cuprum-cli was built without Qt";
    ASSERT_EQ(RunCli("new b.brd --size 30,20", dir_.Path()).status, 0);
  }
  void CopyBlinker() {
    std::filesystem::copy_file(CUPRUM_EXAMPLES_DIR "/blinker/blinker.lay", dir_.Path() / "b.lay");
    std::filesystem::copy_file(CUPRUM_EXAMPLES_DIR "/blinker/blinker.rou", dir_.Path() / "b.rou");
  }
  std::string Picture(const std::string& name) const { return ReadWholeFile(dir_.Path() / name); }
  ScratchDir dir_;
};

TEST_F(RenderCli, DrawsBothSidesOneAboveTheOtherOrOverlaid) {
  CopyBlinker();
  ASSERT_EQ(RunCli("route b.brd", dir_.Path()).status, 0);
  const CliResult apart = RunCli("render b.brd -o apart.png", dir_.Path());
  ASSERT_EQ(apart.status, 0) << apart.err;
  // 5 pixels a cell over columns 0..30 and rows 0..20, twice for two sides.
  const PngSize apartSize = ReadPngSize(Picture("apart.png"));
  EXPECT_EQ(apartSize.width, 155u);
  EXPECT_EQ(apartSize.height, 210u);

  const CliResult over = RunCli("render b.brd --overlay --scale 9 -o over.png", dir_.Path());
  ASSERT_EQ(over.status, 0) << over.err;
  const PngSize overSize = ReadPngSize(Picture("over.png"));
  EXPECT_EQ(overSize.width, 279u);
  EXPECT_EQ(overSize.height, 189u);
}

TEST_F(RenderCli, OneSideAloneTakesOneBand) {
  CopyBlinker();
  ASSERT_EQ(RunCli("route b.brd", dir_.Path()).status, 0);
  ASSERT_EQ(RunCli("render b.brd --side top -o top.png", dir_.Path()).status, 0);
  ASSERT_EQ(RunCli("render b.brd --side bottom -o bottom.png", dir_.Path()).status, 0);
  const PngSize size = ReadPngSize(Picture("top.png"));
  EXPECT_EQ(size.width, 155u);
  EXPECT_EQ(size.height, 105u);
  EXPECT_NE(Picture("top.png"), Picture("bottom.png"));

  const CliResult both = RunCli("render b.brd --side top --overlay -o x.png", dir_.Path());
  EXPECT_EQ(both.status, 2);
  const CliResult left = RunCli("render b.brd --side left -o x.png", dir_.Path());
  EXPECT_EQ(left.status, 2);
  EXPECT_NE(left.err.find("top or bottom"), std::string::npos) << left.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.Path() / "x.png"));
}

TEST_F(RenderCli, ThePictureShowsTheCopperAndIsTheSameEveryTime) {
  CopyBlinker();
  ASSERT_EQ(RunCli("layout b.brd", dir_.Path()).status, 0);
  ASSERT_EQ(RunCli("render b.brd -o laid.png", dir_.Path()).status, 0);
  ASSERT_EQ(RunCli("route b.brd", dir_.Path()).status, 0);
  ASSERT_EQ(RunCli("render b.brd -o routed.png", dir_.Path()).status, 0);
  ASSERT_EQ(RunCli("render b.brd -o again.png", dir_.Path()).status, 0);
  EXPECT_NE(Picture("laid.png"), Picture("routed.png"));
  EXPECT_EQ(Picture("routed.png"), Picture("again.png"));
}

TEST_F(RenderCli, BadArgumentsAreRefusedWithoutWritingAPicture) {
  const CliResult noOutput = RunCli("render b.brd", dir_.Path());
  EXPECT_EQ(noOutput.status, 2);
  EXPECT_NE(noOutput.err.find("-o FILE.png"), std::string::npos) << noOutput.err;
  const CliResult even = RunCli("render b.brd --scale 4 -o x.png", dir_.Path());
  EXPECT_EQ(even.status, 2);
  EXPECT_NE(even.err.find("--scale"), std::string::npos) << even.err;
  const CliResult missing = RunCli("render gone.brd -o x.png", dir_.Path());
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("gone.brd"), std::string::npos) << missing.err;
  EXPECT_FALSE(std::filesystem::exists(dir_.Path() / "x.png"));
}

TEST_F(RenderCli, AnUnwritablePictureEndsWithStatusThree) {
  testing::WriteWholeFile(dir_.Path() / "notes.txt", "a file, not a folder\n");
  const CliResult render = RunCli("render b.brd -o notes.txt/b.png", dir_.Path());
  EXPECT_EQ(render.status, 3);
  EXPECT_NE(render.err.find("notes.txt/b.png"), std::string::npos) << render.err;
}

}  // namespace
}  // namespace cuprum
