#include "arguments.h"

#include <charconv>
#include <cstdio>

#include "subcommand.h"

namespace cuprum::cli {

Arguments::Arguments(std::string command, const std::vector<std::string>& args,
                     std::set<std::string> flagOptions, std::set<std::string> valueOptions)
    : command_(std::move(command)) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == "--help" || word == "-h") {
      help_ = true;
      continue;
    }
    if (word.size() < 2 || word.rfind("--", 0) != 0) {
      positional_.push_back(word);
      continue;
    }
    std::string name = word;
    std::optional<std::string> inlineValue;
    if (const auto eq = word.find('='); eq != std::string::npos) {
      name = word.substr(0, eq);
      inlineValue = word.substr(eq + 1);
    }
    if (flagOptions.count(name) != 0 && !inlineValue) {
      flags_.insert(name);
    } else if (valueOptions.count(name) != 0) {
      if (inlineValue) {
        values_.emplace_back(name, *inlineValue);
      } else if (i + 1 < args.size()) {
        values_.emplace_back(name, args[++i]);
      } else {
        error_ = "option " + name + " needs a value";
        return;
      }
    } else {
      error_ = "unknown option " + word + " (see 'cuprum-cli " + command_ + " --help')";
      return;
    }
  }
}

bool Arguments::Has(const std::string& option) const {
  if (flags_.count(option) != 0) return true;
  for (const auto& [name, value] : values_)
    if (name == option) return true;
  return false;
}

std::optional<std::string> Arguments::Value(const std::string& option) const {
  std::optional<std::string> found;
  for (const auto& [name, value] : values_)
    if (name == option) found = value;  // the last one given wins
  return found;
}

int Arguments::Fail(const std::string& message) const {
  std::fprintf(stderr, "cuprum-cli %s: %s\n", command_.c_str(), message.c_str());
  return EXIT_BAD_INPUT;
}

std::optional<int> ParseInt(const std::string& text, int low, int high) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

int PrintSubcommandHelp(const std::string& name) {
  for (const Subcommand& command : Subcommands()) {
    if (command.name != name) continue;
    std::printf("usage: cuprum-cli %s\n\n%s\n", command.usage.c_str(), command.summary.c_str());
    if (!command.help.empty()) std::printf("\n%s\n", command.help.c_str());
    return EXIT_OK;
  }
  return EXIT_BAD_INPUT;
}

}  // namespace cuprum::cli
