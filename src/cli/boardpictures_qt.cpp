#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <string_view>

#include "boardpainter.h"
#include "boardpictures.h"

namespace cuprum::cli {

bool CanDrawPictures() { return true; }

FileResult WriteBoardPicture(const CBrdDoc& board,
                             const std::vector<std::unique_ptr<CBoardCntrItem>>& items,
                             const PictureRequest& request, const std::filesystem::path& file) {
  view::BoardPictureStyle style;
  style.scale = request.scale;
  style.overlay = request.kind == PictureKind::Overlay;
  if (request.kind == PictureKind::BottomSide) style.sides = view::PictureSides::BottomOnly;
  if (request.kind == PictureKind::TopSide) style.sides = view::PictureSides::TopOnly;

  const QImage image = view::RenderBoard(board, items, style);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return {false, "cannot encode the picture as PNG"};
  return WriteFileAtomically(
      file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace cuprum::cli
