#include "board/boardcommands.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "board/brddoc.h"
#include "board/documentio.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "parts/component.h"
#include "parts/generatedlayout.h"
#include "parts/placeinslots.h"
#include "parts/placementorder.h"
#include "parts/markcomponents.h"
#include "parts/partsfile.h"
#include "platform/platform.h"
#include "route/recursiverouter.h"
#include "route/routenetlist.h"
#include "route/router.h"

namespace cuprum {

namespace {

// The log for one step; on failure the "Could Not Open" message names it.
std::optional<LogStream> OpenLogForWriting(BoardCommandContext& context) {
  auto stream = context.log.OpenForWriting();
  if (!stream)
    context.platform.MessageBox(context.log.Path().string(), COULD_NOT_OPEN_CAPTION,
                                MessageIcon::Error, MessageButtons::Ok);
  return stream;
}

// The framework's save-all: asks about every modified text document; the
// command goes on whatever the answer.
void SaveAllModified(BoardCommandContext& context) {
  (void)context.platform.SaveModifiedTextDocuments();
}

CommandOutcome RunPartsFile(BoardCommandContext& context, const std::filesystem::path& source,
                            LayoutMode mode) {
  CommandOutcome outcome;
  auto log = OpenLogForWriting(context);
  if (!log) return Outcome(CommandStatus::LogUnavailable);
  context.board.DeleteContents();
  PartsFileReport report;
  const int parsed =
      ReadPartsFile(*log, context.board, source, mode, context.platform, context.reader, &report);
  log->Close();
  outcome.partsSource = source;
  outcome.rejectedComponents = report.rejected;
  outcome.rejectedParts = std::move(report.rejectedParts);
  outcome.partsNumberErrors = std::move(report.numberErrors);
  if (parsed == 0) {
    context.platform.MessageBox(PARTS_ERROR_MESSAGE, LAYOUT_FAILED_CAPTION, MessageIcon::Error,
                                MessageButtons::Ok);
    context.platform.ShowLogAtError(context.log.Path());
    outcome.status = CommandStatus::PartsError;
    return outcome;
  }
  CommandOutcome post = PostLayout(context, mode == LayoutMode::Generated);
  outcome.status = post.status;
  outcome.netlistNumberErrors = std::move(post.netlistNumberErrors);
  return outcome;
}

// Reads the .rou file into the board's net list with a fresh log. On failure
// the wait cursor goes off and the user is told; the status says why. The
// number fields that were words are copied to `numberErrors`.
CommandStatus ReadNetlistStep(BoardCommandContext& context, const std::filesystem::path& route,
                              std::vector<IntegerSyntaxError>& numberErrors) {
  CBrdDoc& board = context.board;
  Platform& platform = context.platform;
  auto log = OpenLogForWriting(context);
  if (!log) {
    platform.SetWaitCursor(false);
    return CommandStatus::LogUnavailable;
  }
  const int nets = ReadRouteNetlist(board, *log, route, board.PinIndexBase(), context.reader);
  log->Close();
  numberErrors = context.reader.IntegerSyntaxErrors();
  if (nets == 0) {
    platform.SetWaitCursor(false);
    platform.MessageBox(ROUTE_FILE_ERROR_MESSAGE, ROUTE_FAILED_CAPTION, MessageIcon::Error,
                        MessageButtons::Ok);
    platform.ShowLogAtError(context.log.Path());
    return CommandStatus::RouteFileError;
  }
  return CommandStatus::Done;
}

enum class RouterKind { Plain, Recursive };

CommandOutcome RouteCommand(BoardCommandContext& context, const RouteOptions& options,
                            RouterKind kind) {
  CBrdDoc& board = context.board;
  Platform& platform = context.platform;
  SaveBoardIfModified(context);
  SaveAllModified(context);
  platform.SetWaitCursor(true);

  const std::filesystem::path route = board.GetRoutePath(platform);
  CommandOutcome outcome;
  if (IsRegularFile(route)) {
    outcome.status = ReadNetlistStep(context, route, outcome.netlistNumberErrors);
    if (outcome.status != CommandStatus::Done) return outcome;
  }

  if (!board.GetNetList().Empty()) {
    // The router's messages replace the parser's.
    auto log = OpenLogForWriting(context);
    if (!log) {
      platform.SetWaitCursor(false);
      return Outcome(CommandStatus::LogUnavailable);
    }
    int failed = 0;
    bool outOfMemory = false;
    if (kind == RouterKind::Plain) {
      Router router(board, *log, platform, options);
      failed = router.RouteBoard();
      outOfMemory = failed < 0;
    } else {
      RecursiveRouter router(board, *log, platform, options);
      outOfMemory = router.RouteBoardRecursively(board.GetNetList().Count()) < 0;
      failed = router.Incomplete();
    }
    log->Close();
    if (outOfMemory || failed != 0) {
      platform.SetWaitCursor(false);
      platform.ShowLogAtError(context.log.Path());
      outcome.status = outOfMemory ? CommandStatus::OutOfMemory : CommandStatus::Incomplete;
      outcome.failedNets = outOfMemory ? 0 : failed;
      return outcome;
    }
  }
  board.SetModifiedFlag();
  platform.RepaintViews(board);
  platform.SetWaitCursor(false);
  return outcome;
}

}  // namespace

CommandOutcome OnRoute(BoardCommandContext& context, const RouteOptions& options) {
  return RouteCommand(context, options, RouterKind::Plain);
}

CommandOutcome OnRouteRecursive(BoardCommandContext& context, const RouteOptions& options) {
  return RouteCommand(context, options, RouterKind::Recursive);
}

bool CanRoute(const CBrdDoc& board) { return !board.Items().empty(); }

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

std::filesystem::path PartsSourcePath(const std::filesystem::path& layoutPath,
                                      const std::filesystem::path& partsPath) {
  if (IsRegularFile(layoutPath)) return layoutPath;
  if (IsRegularFile(partsPath)) return partsPath;
  return layoutPath;
}

bool SaveBoardIfModified(BoardCommandContext& context) {
  if (!context.board.IsModified()) return true;
  const DocumentIoResult saved = SaveToOwnPath(context.board, context.platform);
  if (!saved.Ok() && saved.status != DocumentIoStatus::Cancelled)
    context.platform.MessageBox(saved.message, APP_CAPTION, MessageIcon::Error,
                                MessageButtons::Ok);
  return saved.Ok();
}

CommandOutcome OnUseSpecifiedLayout(BoardCommandContext& context) {
  SaveBoardIfModified(context);
  SaveAllModified(context);
  const std::filesystem::path layout = context.board.GetLayoutPath(context.platform);
  if (layout.empty()) return Outcome(CommandStatus::Cancelled);
  if (!IsRegularFile(layout) && IsRegularFile(context.board.GetPartsPath(context.platform)))
    return OnGenerateLayout(context);
  return RunPartsFile(context, layout, LayoutMode::Specified);
}

CommandOutcome OnGenerateLayout(BoardCommandContext& context) {
  SaveBoardIfModified(context);
  SaveAllModified(context);
  const std::filesystem::path layout = context.board.GetLayoutPath(context.platform);
  if (layout.empty()) return Outcome(CommandStatus::Cancelled);
  const std::filesystem::path source =
      PartsSourcePath(layout, context.board.GetPartsPath(context.platform));
  return RunPartsFile(context, source, LayoutMode::Generated);
}

CommandOutcome PostLayout(BoardCommandContext& context, bool generated) {
  CBrdDoc& board = context.board;
  Platform& platform = context.platform;
  platform.SetWaitCursor(true);

  const std::filesystem::path route = board.GetRoutePath(platform);
  CommandOutcome outcome;
  if (generated && IsRegularFile(route)) {
    PlaceInSlots(board, nullptr);
    const CommandStatus read = ReadNetlistStep(context, route, outcome.netlistNumberErrors);
    if (read != CommandStatus::Done) {
      outcome.status = read;
      return outcome;
    }
    const PlacementOrder order = ComputePlacementOrder(board);
    // Back to the origin, so the ordered pass places them afresh.
    ReturnToOrigin(board);
    PlaceInSlots(board, &order);
  }

  for (const auto& item : board.Items()) {
    Component* component = item->GetComponent();
    if (component == nullptr) continue;
    auto& inUse = component->InUse();
    const auto entries =
        std::min(inUse.size(), static_cast<std::size_t>(std::max(component->PinCount(), 0)) + 1);
    std::fill(inUse.begin(), inUse.begin() + static_cast<std::ptrdiff_t>(entries), 0);
  }
  MarkComponents(board);
  board.SetModifiedFlag();
  platform.RepaintViews(board);
  platform.SetWaitCursor(false);
  return outcome;
}

}  // namespace cuprum
