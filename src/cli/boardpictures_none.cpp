// The stand-in for builds without Qt: no pictures, and a reason to say.
#include "boardpictures.h"

namespace cuprum::cli {

bool CanDrawPictures() { return false; }

FileResult WriteBoardPicture(const CBrdDoc& /*board*/,
                             const std::vector<std::unique_ptr<CBoardCntrItem>>& /*items*/,
                             const PictureRequest& /*request*/,
                             const std::filesystem::path& /*file*/) {
  return {false, "this cuprum-cli was built without Qt and draws no pictures"};
}

}  // namespace cuprum::cli
