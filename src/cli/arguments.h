// A small argument reader for subcommands: positional words and --options
// with or without a value. Errors are reported as "cuprum-cli <cmd>: ..." and
// end the subcommand with the bad-input status.
#pragma once

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace cuprum::cli {

class Arguments {
 public:
  // flagOptions take no value; valueOptions take the next word (or =value).
  Arguments(std::string command, const std::vector<std::string>& args,
            std::set<std::string> flagOptions, std::set<std::string> valueOptions);

  [[nodiscard]] bool Ok() const { return error_.empty(); }
  [[nodiscard]] const std::string& Error() const { return error_; }
  [[nodiscard]] bool HelpWanted() const { return help_; }

  [[nodiscard]] const std::vector<std::string>& Positional() const { return positional_; }
  [[nodiscard]] bool Has(const std::string& option) const;
  [[nodiscard]] std::optional<std::string> Value(const std::string& option) const;

  // Prints "cuprum-cli <command>: <message>" to stderr and returns
  // EXIT_BAD_INPUT.
  int Fail(const std::string& message) const;

 private:
  std::string command_;
  std::vector<std::string> positional_;
  std::set<std::string> flags_;
  std::vector<std::pair<std::string, std::string>> values_;
  std::string error_;
  bool help_ = false;
};

// Parses a whole decimal number within [low, high]; nullopt otherwise.
std::optional<int> ParseInt(const std::string& text, int low, int high);

// Prints the help of one subcommand to stdout.
int PrintSubcommandHelp(const std::string& name);

}  // namespace cuprum::cli
