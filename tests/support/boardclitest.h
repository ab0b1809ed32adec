// The common start of subcommand tests: a scratch folder holding a fresh
// 30 x 20 tenth board b.brd, and a way to put text files beside it.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/runcli.h"

namespace cuprum::testing {

class BoardCliTest : public ::testing::Test {
 protected:
  BoardCliTest()
      : dir_(std::string(::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name()) {}
  void SetUp() override { ASSERT_EQ(RunCli("new b.brd --size 30,20", dir_.Path()).status, 0); }
  void Write(const std::string& name, const std::string& text) {
    WriteWholeFile(dir_.Path() / name, text);
  }
  // The blinker example's parts layout and netlist as b.lay and b.rou.
  void CopyBlinker() {
    std::filesystem::copy_file(CUPRUM_EXAMPLES_DIR "/blinker/blinker.lay", dir_.Path() / "b.lay");
    std::filesystem::copy_file(CUPRUM_EXAMPLES_DIR "/blinker/blinker.rou", dir_.Path() / "b.rou");
  }

  // Pads A and B joined by net SIGNAL, A walled in on both sides by
  // reserved locations so that no router can reach it.
  void WriteUnroutableNet() {
    std::string lay = "P A 5 5 B\nP B 15 15 B\n";
    for (const char* side : {"B", "T"})
      for (const char* at : {"4 5", "6 5", "5 4", "5 6"})
        lay += std::string("R W ") + at + " " + side + "\n";
    Write("b.lay", lay);
    Write("b.rou", "P A 1\nP B 1\nN SIGNAL\n");
  }

  ScratchDir dir_;
};

}  // namespace cuprum::testing
