// cuprum-cli new: an empty board with its border marked.
#include <cstdio>

#include "arguments.h"
#include "board/brddoc.h"
#include "board/newboard.h"
#include "boardloading.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

// Reads "X,Y" in tenths of an inch.
bool ParseSize(const std::string& text, int& x, int& y) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) return false;
  const auto px = ParseInt(text.substr(0, comma), -100000, 100000);
  const auto py = ParseInt(text.substr(comma + 1), -100000, 100000);
  if (!px || !py) return false;
  x = *px;
  y = *py;
  return true;
}

int RunNew(const std::vector<std::string>& args) {
  const Arguments a("new", args, {}, {"--size", "--resolution", "--pin-base"});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");

  NewBoardSettings settings;
  if (const auto r = a.Value("--resolution")) {
    if (*r == "100") settings.resolution = Resolution::Mil100;
    else if (*r == "50") settings.resolution = Resolution::Mil50;
    else return a.Fail("--resolution takes 100 or 50, not '" + *r + "'");
  }
  if (const auto base = a.Value("--pin-base")) {
    const auto value = ParseInt(*base, 0, 1);
    if (!value) return a.Fail("--pin-base takes 0 or 1, not '" + *base + "'");
    settings.pinBase = *value;
  }
  if (const auto size = a.Value("--size")) {
    if (!ParseSize(*size, settings.xTenths, settings.yTenths))
      return a.Fail("--size takes X,Y in tenths of an inch, not '" + *size + "'");
  }
  if (const auto problem = ValidateNewBoard(settings))
    return a.Fail("--size: " + *problem);

  CBrdDoc board;
  InitializeNewBoard(board, settings);
  const std::filesystem::path path = a.Positional()[0];
  if (const int status = SaveBoard("new", path, board); status != EXIT_OK) return status;
  std::printf("%s: new board %d x %d tenths at %d mil, pins numbered from %d\n", path.c_str(),
              settings.xTenths, settings.yTenths, ResolutionMil(settings.resolution),
              settings.pinBase);
  return EXIT_OK;
}

REGISTER_SUBCOMMAND(Subcommand{
    "new", "new BOARD.brd [--size X,Y] [--resolution 100|50] [--pin-base 0|1]",
    "Create an empty board with its border marked and save it.",
    "  --size X,Y          width and depth in tenths of an inch (default 64,40);\n"
    "                      X 1..128 at 100 mil, 1..64 at 50 mil; Y 1..80\n"
    "  --resolution 100|50 grid pitch in mil (default 100)\n"
    "  --pin-base 0|1      number of every component's first pin (default 1)",
    RunNew});

}  // namespace
}  // namespace cuprum::cli
