// cuprum-cli: the batch front end of the Cuprum engine.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "arguments.h"
#include "subcommand.h"

namespace cuprum::cli {

std::vector<Subcommand>& Subcommands() {
  static std::vector<Subcommand> commands;
  return commands;
}

namespace {

void PrintUsage(std::FILE* out) {
  std::fprintf(out,
               "usage: cuprum-cli COMMAND [ARGS...]\n\n"
               "Places and routes small two-sided circuit boards.\n\ncommands:\n");
  std::vector<const Subcommand*> sorted;
  for (const Subcommand& command : Subcommands()) sorted.push_back(&command);
  std::sort(sorted.begin(), sorted.end(),
            [](const Subcommand* a, const Subcommand* b) { return a->name < b->name; });
  for (const Subcommand* command : sorted)
    std::fprintf(out, "  %-10s %s\n", command->name.c_str(), command->summary.c_str());
  std::fprintf(out,
               "\n'cuprum-cli COMMAND --help' describes a command.\n"
               "exit status: 0 done, 1 result incomplete, 2 bad input, 3 I/O error\n");
}

}  // namespace
}  // namespace cuprum::cli

int main(int argc, char** argv) {
  using namespace cuprum::cli;
  if (argc < 2) {
    PrintUsage(stderr);
    return EXIT_BAD_INPUT;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(stdout);
    return EXIT_OK;
  }
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const Subcommand& command : Subcommands()) {
    if (command.name != name) continue;
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end())
      return PrintSubcommandHelp(name);
    try {
      return command.run(args);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "cuprum-cli %s: %s\n", name.c_str(), e.what());
      return EXIT_IO_ERROR;
    }
  }
  std::fprintf(stderr, "cuprum-cli: unknown command '%s'\n\n", name.c_str());
  PrintUsage(stderr);
  return EXIT_BAD_INPUT;
}
