// Runs an outside program for the tests that let real readers judge the
// exported files, capturing its output and exit status.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/export/exporttestsupport.h"

namespace cuprum::exporttest {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline bool ToolInstalled(const char* path) { return ::access(path, X_OK) == 0; }

inline std::string Quote(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
}

// command is given to the shell as written; stderr goes through a file in
// workDir.
inline ToolRun RunTool(const std::string& command, const std::filesystem::path& workDir) {
  const std::filesystem::path errPath = workDir / "tool_stderr.txt";
  const std::string line = command + " 2>" + Quote(errPath.string());
  ToolRun run;
  std::FILE* pipe = ::popen(line.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    run.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.err = ReadFile(errPath);
  return run;
}

}  // namespace cuprum::exporttest
