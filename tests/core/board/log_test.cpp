#include "board/log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace cuprum {
namespace {

std::string RawBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LogFileOfARun, NamedBrdDotLogAndRemovedWhenTheRunEnds) {
  std::filesystem::path path;
  {
    LogFile log;
    path = log.Path();
    EXPECT_EQ(path.filename().string().rfind("BRD", 0), 0U);
    EXPECT_EQ(path.extension(), ".LOG");
    auto stream = log.OpenForWriting();
    ASSERT_TRUE(stream.has_value());
    stream->Printf("x");
  }
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(LogFileOfARun, EachStepTruncatesAndWritesCrLfLines) {
  LogFile log(std::filesystem::temp_directory_path() / "cuprum_log_test.LOG");
  {
    auto step = log.OpenForWriting();
    ASSERT_TRUE(step);
    step->Printf(LOG_PARSING_ERROR_NAMED, "board.lay", 3, 'D', "U1");
    step->Printf(LOG_OUT_OF_MEMORY);
    EXPECT_EQ(step->Text(), "board.lay(3) : parsing error: D U1\nerror: out of memory\n");
  }
  EXPECT_EQ(RawBytes(log.Path()), "board.lay(3) : parsing error: D U1\r\nerror: out of memory\r\n");
  {
    auto step = log.OpenForWriting();
    ASSERT_TRUE(step);
    step->Printf("error: node= %d - %s\n", 2, "GND");
  }
  // Only the last step's messages remain.
  EXPECT_EQ(log.ReadText(), "error: node= 2 - GND\n");
}

TEST(LogFileOfARun, UnwritablePathGivesNoStream) {
  LogFile log(std::filesystem::path("/nonexistent-dir-for-cuprum/x.LOG"));
  EXPECT_FALSE(log.OpenForWriting().has_value());
  EXPECT_EQ(log.ReadText(), "");
}

TEST(LogFileOfARun, InMemoryStreamKeepsLongLinesWhole) {
  LogStream memory;
  const std::string name(500, 'n');
  memory.Printf(LOG_PARSING_ERROR_NAMED, "f", 1, 'C', name.c_str());
  EXPECT_EQ(memory.Text().size(), std::string("f(1) : parsing error: C \n").size() + 500);
}

}  // namespace
}  // namespace cuprum
