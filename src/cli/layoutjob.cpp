#include "layoutjob.h"

#include <cstdio>
#include <string>
#include <vector>

#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "boardloading.h"
#include "inputadvice.h"
#include "parts/pinoverlaps.h"
#include "subcommand.h"

namespace cuprum::cli {

std::string PrintLog(const LogFile& log) {
  std::string text = log.ReadText();
  if (!text.empty()) std::fputs(text.c_str(), stderr);
  return text;
}

int RunLayout(const char* command, LayoutJob& job, bool generate, CommandOutcome* outcome) {
  BoardCommandContext context{job.board, job.platform, job.log, job.reader};
  const CommandOutcome result = generate ? OnGenerateLayout(context) : OnUseSpecifiedLayout(context);
  const std::string logText = PrintLog(job.log);
  if (outcome != nullptr) *outcome = result;
  // The readers take a word where a number is due as 0 and go on; a board
  // made of such guesses is not what the user wrote, and whatever the log
  // says after it follows from the guess.
  const bool partsWords = ReportNumberErrors(command, result.partsSource, result.partsNumberErrors);
  const bool netlistWords = ReportNumberErrors(
      command, job.board.GetRoutePath(job.platform), result.netlistNumberErrors);
  if (partsWords || netlistWords) return EXIT_BAD_INPUT;
  AdviseOnLog(command, logText, job.board, result.rejectedParts);
  ReportRejectedParts(command, result.partsSource, result.rejectedParts, job.board);
  if (result.Ok()) {
    // Two pins in one cell join their nets without a trace; say so.
    const std::vector<PinOverlap> overlaps = FindPinOverlaps(job.board);
    for (const PinOverlap& overlap : overlaps)
      std::fprintf(stderr,
                   "cuprum-cli %s: warning: %s and %s share column %d, row %d: their nets are "
                   "joined there\n",
                   command, overlap.first.c_str(), overlap.second.c_str(), overlap.at.x,
                   overlap.at.y);
    if (!overlaps.empty())
      std::fprintf(stderr,
                   "cuprum-cli %s: hint: move one of each two parts in the parts file so that "
                   "every pin has a cell of its own\n",
                   command);
  }
  switch (result.status) {
    case CommandStatus::Done:
      if (result.rejectedComponents > 0) {
        std::fprintf(stderr, "cuprum-cli %s: %d component(s) did not fit the board\n", command,
                     result.rejectedComponents);
        return EXIT_INCOMPLETE;
      }
      return EXIT_OK;
    case CommandStatus::PartsError:
    case CommandStatus::RouteFileError: return EXIT_BAD_INPUT;
    case CommandStatus::LogUnavailable: return EXIT_IO_ERROR;
    case CommandStatus::Cancelled: return EXIT_BAD_INPUT;
    case CommandStatus::Incomplete:
    case CommandStatus::OutOfMemory: return EXIT_INCOMPLETE;
  }
  return EXIT_OK;
}

bool HasPartsFile(const std::filesystem::path& boardPath) {
  return IsRegularFile(DeriveTextPath(boardPath, "lay")) ||
         IsRegularFile(DeriveTextPath(boardPath, "prt"));
}

int LayOutPartsOf(const char* command, const std::filesystem::path& path, bool generate,
                  Platform& platform, CBrdDoc& parts) {
  if (const int status = LoadBoard(command, path, parts); status != EXIT_OK) return status;
  LogFile log;
  FieldReader reader(platform);
  LayoutJob job{parts, platform, log, reader};
  return RunLayout(command, job, generate);
}

}  // namespace cuprum::cli
