// Subcommands of cuprum-cli. Each lives in its own file and registers itself
// with REGISTER_SUBCOMMAND, so adding one never touches the dispatcher.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace cuprum::cli {

// Exit statuses shared by every subcommand.
constexpr int EXIT_OK = 0;
constexpr int EXIT_INCOMPLETE = 1;  // the job ran but its result is incomplete
constexpr int EXIT_BAD_INPUT = 2;   // bad arguments or unreadable input
constexpr int EXIT_IO_ERROR = 3;    // files could not be written

struct Subcommand {
  std::string name;
  std::string usage;    // one line: "new BOARD.brd [--size X,Y] ..."
  std::string summary;  // one line: what it does
  std::string help;     // the options, one per line
  std::function<int(const std::vector<std::string>& args)> run;
};

std::vector<Subcommand>& Subcommands();

struct SubcommandRegistration {
  explicit SubcommandRegistration(Subcommand command) {
    Subcommands().push_back(std::move(command));
  }
};

#define CUPRUM_CONCAT_INNER(a, b) a##b
#define CUPRUM_CONCAT(a, b) CUPRUM_CONCAT_INNER(a, b)
#define REGISTER_SUBCOMMAND(...)                                                    \
  static const ::cuprum::cli::SubcommandRegistration CUPRUM_CONCAT(registration_, \
                                                                   __LINE__)(__VA_ARGS__)

}  // namespace cuprum::cli
