// The exported model texts judged by real readers: OpenSCAD renders the
// script, and a C++ compiler checks the description against stand-ins for the
// classes it declares. Each test is skipped when its tool is not installed.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "core/model3d/modeltestboard.h"
#include "export/modelexportcommands.h"
#include "platform/recordingplatform.h"

namespace cuprum {
namespace {

using testing::ReadWholeFile;

bool OnPath(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

struct ToolRun {
  int status = -1;
  std::string err;
};

// Runs the command in the folder with its error output kept.
ToolRun RunIn(const std::filesystem::path& folder, const std::string& command) {
  const std::filesystem::path errPath = folder / "tool_stderr.txt";
  const std::string line =
      "cd '" + folder.string() + "' && " + command + " >/dev/null 2>'" + errPath.string() + "'";
  const int raw = std::system(line.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.err = ReadWholeFile(errPath);
  return run;
}

// The stand-in headers live beside this file.
std::filesystem::path StubFolder() { return std::filesystem::path(__FILE__).parent_path() / "stubs"; }

class Model3dRealReaders : public ::testing::Test {
 protected:
  Model3dRealReaders()
      : dir_(std::string("model_readers_") +
             ::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  // g++ reads the description as C++ whatever its extension.
  ToolRun CompileDescription() {
    EXPECT_TRUE(OnExport3dCode(board_, platform_).Ok());
    return RunIn(dir_.Path(), "g++ -std=c++20 -fsyntax-only -Wall -Wextra -Werror -I '" +
                                  StubFolder().string() + "' -x c++ board.brd.cft");
  }

  testing::ScratchDir dir_;
  CBrdDoc board_;
  RecordingPlatform platform_;
};

TEST_F(Model3dRealReaders, OpenScadRendersTheScriptOfALaidOutBoard) {
  if (!OnPath("openscad")) GTEST_SKIP() << "openscad is not installed";
  // The pad and the reserved location are the last bodies of the script.
  modeltest::LayOut(board_, dir_.Path(), modeltest::EVERY_KIND_LAYOUT);
  ASSERT_TRUE(OnExportScad(board_, platform_).Ok());
  const ToolRun run = RunIn(dir_.Path(), "openscad -o board.stl board.brd.scad");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err.find("WARNING"), std::string::npos) << run.err;
  EXPECT_EQ(run.err.find("ERROR"), std::string::npos) << run.err;
  const std::string stl = ReadWholeFile(dir_.Path() / "board.stl");
  EXPECT_EQ(stl.rfind("solid", 0), 0U);
  EXPECT_NE(stl.find("facet normal"), std::string::npos);
}

TEST_F(Model3dRealReaders, DescriptionOfALaidOutBoardCompilesAsCpp) {
  if (!OnPath("g++")) GTEST_SKIP() << "g++ is not installed";
  modeltest::LayOut(board_, dir_.Path(), modeltest::EVERY_KIND_LAYOUT);
  const ToolRun run = CompileDescription();
  EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(Model3dRealReaders, DescriptionOfFortyPartsDeclaresNoNameTwice) {
  if (!OnPath("g++")) GTEST_SKIP() << "g++ is not installed";
  modeltest::LayOut(board_, dir_.Path(), modeltest::DipRows(40));
  const ToolRun run = CompileDescription();
  EXPECT_EQ(run.status, 0) << run.err;
}

}  // namespace
}  // namespace cuprum
