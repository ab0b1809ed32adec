// cuprum-cli render: a picture of the board as its view draws it.
#include <cstdio>
#include <string>

#include "arguments.h"
#include "board/brddoc.h"
#include "boardloading.h"
#include "boardpictures.h"
#include "layoutjob.h"
#include "platform/fileio.h"
#include "platform/stderrplatform.h"
#include "subcommand.h"

namespace cuprum::cli {
namespace {

int RunRender(const std::vector<std::string>& args) {
  // "-o FILE" is the usual spelling for an output; the reader knows --output.
  std::vector<std::string> words;
  for (const std::string& word : args) words.push_back(word == "-o" ? "--output" : word);
  const Arguments a("render", words, {"--overlay", "--generate"}, {"--scale", "--output", "--side"});
  if (!a.Ok()) return a.Fail(a.Error());
  if (a.Positional().size() != 1) return a.Fail("expects one board file name (see --help)");
  const auto output = a.Value("--output");
  if (!output || output->empty()) return a.Fail("needs -o FILE.png, the picture to write");
  PictureRequest request;
  if (a.Has("--overlay")) request.kind = PictureKind::Overlay;
  if (const auto side = a.Value("--side")) {
    if (a.Has("--overlay")) return a.Fail("--side shows one side; --overlay shows both");
    if (*side == "top") request.kind = PictureKind::TopSide;
    else if (*side == "bottom") request.kind = PictureKind::BottomSide;
    else return a.Fail("--side takes top or bottom, not '" + *side + "'");
  }
  if (const auto scale = a.Value("--scale")) {
    const auto value = ParseInt(*scale, 3, 31);
    if (!value || *value % 2 == 0)
      return a.Fail("--scale takes an odd number of pixels from 3 to 31, not '" + *scale + "'");
    request.scale = *value;
  }
  const std::filesystem::path path = a.Positional()[0];
  CBrdDoc board;
  if (const int status = LoadBoard("render", path, board); status != EXIT_OK) return status;

  // The outlines come from the parts, which a board file does not hold: lay
  // them out in a second document, so that the saved copper is drawn as it is.
  CBrdDoc parts;
  StderrPlatform platform;
  if (HasPartsFile(path)) {
    const int laidOut = LayOutPartsOf("render", path, a.Has("--generate"), platform, parts);
    if (laidOut == EXIT_BAD_INPUT || laidOut == EXIT_IO_ERROR) return laidOut;
  }

  const FileResult written = WriteBoardPicture(board, parts.Items(), request, *output);
  if (!written.ok) {
    std::fprintf(stderr, "cuprum-cli render: %s: %s\n", output->c_str(), written.error.c_str());
    return EXIT_IO_ERROR;
  }
  std::printf("%s\n", output->c_str());
  return EXIT_OK;
}

REGISTER_SUBCOMMAND(Subcommand{
    "render", "render BOARD.brd [--overlay | --side top|bottom] [--scale N] [--generate] -o FILE.png",
    "Draw the board as a PNG picture: bottom copper red, top blue, outlines green.",
    "  -o FILE.png   the picture to write\n"
    "  --overlay     both sides in one picture (else the top side above the\n"
    "                bottom side, mirrored)\n"
    "  --side S      one side alone, top or bottom, seen from the component side\n"
    "  --scale N     pixels per grid cell, odd, 3 to 31 (5 without it)\n"
    "  --generate    lay the parts out by the generated layout for their outlines\n"
    "The part outlines come from the board's parts file when there is one.",
    RunRender});

}  // namespace
}  // namespace cuprum::cli
