// The layout and route commands of a board window: short fixed sequences
// that save what changed, pick the text file beside the board, run a parser,
// placer or router with a fresh log, and then either redraw the board or
// report the failure. The GUI, the command-line tool and the tests run the
// same sequences; they differ only in how they answer the platform.
#pragma once

#include <filesystem>
#include <vector>

#include "board/fieldreader.h"
#include "parts/partsfile.h"
#include "route/routeoptions.h"

namespace cuprum {

class CBrdDoc;
class FieldReader;
class LogFile;
class Platform;

constexpr const char* COULD_NOT_OPEN_CAPTION = "Could Not Open";
constexpr const char* PARTS_ERROR_MESSAGE = "Error in Parts Description";
constexpr const char* LAYOUT_FAILED_CAPTION = "Layout Failed";
constexpr const char* ROUTE_FILE_ERROR_MESSAGE = "Error in Route File";
constexpr const char* ROUTE_FAILED_CAPTION = "Route Failed";

// What a board window's commands work with.
struct BoardCommandContext {
  CBrdDoc& board;
  Platform& platform;
  const LogFile& log;
  FieldReader& reader;
};

enum class CommandStatus {
  Done,           // the step ran and the board was redrawn
  Cancelled,      // the board has no file name and the user named none
  LogUnavailable, // the log could not be opened ("Could Not Open")
  PartsError,     // the parts file failed to parse
  RouteFileError, // the route netlist failed to parse
  Incomplete,     // the router left nets incomplete
  OutOfMemory,    // the router ran out of memory
};

struct CommandOutcome {
  CommandStatus status = CommandStatus::Done;
  int rejectedComponents = 0;  // left off the board as not fitting
  int failedNets = 0;          // nets the router left incomplete
  // What front ends need to point at the line to mend: the parts file read
  // (empty when none was), the parts it left off the board, and the number
  // fields of the parts file and of the netlist that were words.
  std::filesystem::path partsSource;
  std::vector<RejectedPart> rejectedParts;
  std::vector<IntegerSyntaxError> partsNumberErrors;
  std::vector<IntegerSyntaxError> netlistNumberErrors;
  [[nodiscard]] bool Ok() const { return status == CommandStatus::Done; }
};

inline CommandOutcome Outcome(CommandStatus status) {
  CommandOutcome outcome;
  outcome.status = status;
  return outcome;
}

// The parts source of a layout: the .lay file if it is a file, else the
// .prt file if it is one, else the .lay name.
std::filesystem::path PartsSourcePath(const std::filesystem::path& layoutPath,
                                      const std::filesystem::path& partsPath);
bool IsRegularFile(const std::filesystem::path& path);

// Saves the board when it is modified (naming it through Save As when it has
// no name yet); false when that was cancelled or failed.
bool SaveBoardIfModified(BoardCommandContext& context);

// Places the components at the positions of the .lay file (or, when only a
// .prt exists, arranges them as Generate Layout does).
CommandOutcome OnUseSpecifiedLayout(BoardCommandContext& context);
// Arranges the components by the generated layout.
CommandOutcome OnGenerateLayout(BoardCommandContext& context);
// After a successful parse: the generated arrangement by the nets (when the
// .rou exists), pins free again, the grid rebuilt, the board redrawn.
CommandOutcome PostLayout(BoardCommandContext& context, bool generated);

// Reads the .rou file (when there is one; otherwise the nets already held are
// routed) and routes the board, plainly or by the recursive search. Nets
// left incomplete are in the log, which is then shown; the board is marked
// modified and redrawn only when every net was laid. `options` carries a
// deadline for the command-line tool.
CommandOutcome OnRoute(BoardCommandContext& context, const RouteOptions& options = {});
CommandOutcome OnRouteRecursive(BoardCommandContext& context, const RouteOptions& options = {});

// Route is enabled once the board holds components.
bool CanRoute(const CBrdDoc& board);

}  // namespace cuprum
