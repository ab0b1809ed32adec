// Runs the cuprum-cli binary for command-line tests and captures what it
// printed and its exit status.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/scratchdir.h"

namespace cuprum::testing {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ShellQuote(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) {
    if (c == '\'') quoted += "'\\''";
    else quoted += c;
  }
  return quoted + "'";
}

// Runs a shell command line and captures its stdout and exit status.
inline CliResult RunShell(const std::string& command) {
  CliResult result;
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer{};
  std::size_t n = 0;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return result;
}

// args is appended to the command line as written (quote paths with
// ShellQuote). stderr is captured through a file beside the test's output.
inline CliResult RunCli(const std::string& args, const std::filesystem::path& workDir) {
  const auto errPath = workDir / "stderr.txt";
  CliResult result = RunShell(std::string("cd ") + ShellQuote(workDir.string()) + " && " +
                              ShellQuote(CUPRUM_CLI_PATH) + " " + args + " 2>" +
                              ShellQuote(errPath.string()));
  result.err = ReadWholeFile(errPath);
  return result;
}

}  // namespace cuprum::testing
