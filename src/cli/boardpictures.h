// Board pictures for the subcommands: the board drawn as its view draws it
// and written as PNG. Builds without Qt get the stand-in that says so.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/fileio.h"

namespace cuprum {
class CBrdDoc;
class CBoardCntrItem;
}  // namespace cuprum

namespace cuprum::cli {

enum class PictureKind {
  SidesApart,  // the top side above the bottom side, mirrored, as the view shows them
  Overlay,     // both sides in one band
  BottomSide,  // the bottom copper alone, seen from the component side
  TopSide,     // the top copper alone
};

struct PictureRequest {
  PictureKind kind = PictureKind::SidesApart;
  int scale = 5;  // pixels per grid cell; odd
};

// False when this build draws no pictures.
bool CanDrawPictures();

// Draws the copper of `board` with the outlines of `items` (the placed parts)
// and writes the PNG to `file` (beside it first, then renamed over it).
FileResult WriteBoardPicture(const CBrdDoc& board,
                             const std::vector<std::unique_ptr<CBoardCntrItem>>& items,
                             const PictureRequest& request, const std::filesystem::path& file);

}  // namespace cuprum::cli
