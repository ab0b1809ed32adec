// cuprum-cli make: the whole job in one command, from the text files beside a
// board to a routed, checked board, every manufacturing file and pictures.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <system_error>

#include "arguments.h"
#include "board/boardcommands.h"
#include "board/boarditem.h"
#include "board/boardstatistics.h"
#include "board/brddoc.h"
#include "boardloading.h"
#include "boardpictures.h"
#include "export/exportcommands.h"
#include "export/modelexportcommands.h"
#include "parts/component.h"
#include "platform/fileio.h"
#include "platform/stderrplatform.h"
#include "routejob.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

// Makes the output folder before anything is routed, so that a folder that
// cannot be written fails at once instead of after a long route.
int PrepareOutputFolder(const std::filesystem::path& dir) {
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  if (!error && !std::filesystem::is_directory(dir, error))
    error = std::make_error_code(std::errc::not_a_directory);
  if (!error) return EXIT_OK;
  std::fprintf(stderr, "cuprum-cli make: cannot make the output folder %s: %s\n", dir.c_str(),
               error.message().c_str());
  return EXIT_IO_ERROR;
}

// Copies the board's text files that exist into `dir`, so that the copy of
// the board there can be laid out, checked and routed again on its own.
// Returns the number copied, or -1 (with a message) when one failed.
int CopyTextFiles(const std::filesystem::path& board, const std::filesystem::path& dir) {
  constexpr std::size_t MAX_TEXT_BYTES = 64u << 20;
  int copied = 0;
  for (const char* extension : {"lay", "prt", "rou"}) {
    const std::filesystem::path from = DeriveTextPath(board, extension);
    if (!IsRegularFile(from)) continue;
    std::string bytes;
    std::uintmax_t size = 0;
    FileResult result = ReadFilePrefix(from, MAX_TEXT_BYTES, bytes, size);
    const std::filesystem::path to = dir / from.filename();
    if (result.ok) result = WriteFileAtomically(to, bytes);
    if (!result.ok) {
      std::fprintf(stderr, "cuprum-cli make: cannot copy %s to %s: %s\n", from.c_str(),
                   to.c_str(), result.error.c_str());
      return -1;
    }
    ++copied;
  }
  return copied;
}

// Pixels per grid cell in the pictures: copper two pixels wide, legible
// without zooming on the largest board (1161 x 1449 pixels).
constexpr int MAKE_PICTURE_SCALE = 9;

// Pictures of the routed board beside its exports: each side alone and the
// two overlaid. Returns the number written, or -1 (with a message) when one
// could not be written.
int WritePictures(const CBrdDoc& board) {
  if (!CanDrawPictures()) {
    std::fprintf(stderr, "cuprum-cli make: no pictures: this cuprum-cli was built without Qt\n");
    return 0;
  }
  struct Picture {
    PictureKind kind;
    const char* suffix;
  };
  const std::filesystem::path& path = board.PathName();
  int written = 0;
  for (const Picture& picture : {Picture{PictureKind::BottomSide, "_bottom.png"},
                                 Picture{PictureKind::TopSide, "_top.png"},
                                 Picture{PictureKind::Overlay, "_overlay.png"}}) {
    const std::filesystem::path file =
        path.parent_path() / (path.stem().string() + picture.suffix);
    const FileResult result =
        WriteBoardPicture(board, board.Items(), {picture.kind, MAKE_PICTURE_SCALE}, file);
    if (!result.ok) {
      std::fprintf(stderr, "cuprum-cli make: %s: %s\n", file.c_str(), result.error.c_str());
      return -1;
    }
    std::printf("%s\n", file.c_str());
    ++written;
  }
  return written;
}

// Reserved locations are items of the board but no parts of it.
int CountParts(const CBrdDoc& board) {
  int parts = 0;
  for (const auto& item : board.Items())
    if (const Component* part = item->GetComponent(); part != nullptr && part->TypeLetter() != 'R')
      ++parts;
  return parts;
}

int RunMake(const std::vector<std::string>& args) {
  const Arguments a("make", args, {"--generate", "--recursive"}, {"--time-limit", "--outdir"});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  RouteRequest request;
  request.generate = a.Has("--generate");
  request.recursive = a.Has("--recursive");
  request.needsNetlist = true;
  request.partsMustFit = true;
  if (const auto limit = a.Value("--time-limit")) {
    const auto seconds = ParseInt(*limit, 1, 24 * 3600);
    if (!seconds) return a.Fail("--time-limit takes whole seconds from 1 to 86400, not '" + *limit + "'");
    request.deadline = std::chrono::steady_clock::now() + std::chrono::seconds(*seconds);
  }
  const std::filesystem::path path = a.Positional()[0];
  const auto outdir = a.Value("--outdir");
  if (outdir) {
    if (outdir->empty()) return a.Fail("--outdir needs a folder name");
    if (const int status = PrepareOutputFolder(*outdir); status != EXIT_OK) return status;
  }

  CBrdDoc board;
  RouteSummary summary;
  const int routed = LayOutRouteAndSave("make", path, request, board, summary);
  if (routed == EXIT_BAD_INPUT || routed == EXIT_IO_ERROR) return routed;
  int written = 1;  // the board
  if (outdir) {
    // The exports are named after the board and written beside it: a copy of
    // the board in the output folder, with its text files, takes them there.
    if (const int status = SaveBoard("make", std::filesystem::path(*outdir) / path.filename(), board);
        status != EXIT_OK)
      return status;
    const int copied = CopyTextFiles(path, *outdir);
    if (copied < 0) return EXIT_IO_ERROR;
    written += 1 + copied;
  }

  // The board now holds its parts as well as its copper, so the model
  // exports need no second layout.
  StderrPlatform platform;
  for (ExportResult (*command)(CBrdDoc&, Platform&) :
       {OnExportGerber, OnExportFabrication, OnExportDxf, OnExportScad, OnExport3dCode}) {
    const ExportResult result = command(board, platform);
    for (const std::filesystem::path& file : result.written) std::printf("%s\n", file.c_str());
    written += static_cast<int>(result.written.size());
    if (!result.Ok()) {
      if (!result.error.empty())
        std::fprintf(stderr, "cuprum-cli make: %s\n", result.error.c_str());
      return EXIT_IO_ERROR;
    }
  }

  const int pictures = WritePictures(board);
  if (pictures < 0) return EXIT_IO_ERROR;
  written += pictures;

  std::printf("%d parts placed, routed %d of %d nets (%d open, %d shorts), %d vias, "
              "%.1f inches of copper, %d files written\n",
              CountParts(board), summary.routedNets, summary.totalNets,
              summary.openNets, summary.shorts, CountVias(board), CopperLengthInches(board),
              written);
  return routed;
}

REGISTER_SUBCOMMAND(Subcommand{
    "make", "make BOARD.brd [--generate] [--recursive] [--time-limit S] [--outdir DIR]",
    "Lay out, route, save, check, export and picture a board in one go.",
    "  --generate          lay the board out by the generated layout\n"
    "  --recursive         search for an order of nets in which every net fits\n"
    "  --time-limit S      stop routing after S seconds\n"
    "  --outdir DIR        write the exports, and a copy of the board and its\n"
    "                      text files, to DIR instead of beside the board\n"
    "Writes PNG pictures of each side and of both overlaid (NAME_bottom.png,\n"
    "NAME_top.png, NAME_overlay.png) beside the exports.\n"
    "Lists the files written and ends with a summary: parts placed, nets\n"
    "routed, vias, copper length, files written. Exit 0 when every net is\n"
    "joined without shorts, 1 when nets are open or touch, 2 for bad input\n"
    "(a part that does not fit the board among it; nothing is written then),\n"
    "3 when a file could not be written.",
    RunMake});

}  // namespace
}  // namespace cuprum::cli
