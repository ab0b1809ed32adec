#include "boardpainter.h"

#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <algorithm>

#include "board/boarditem.h"
#include "board/brddoc.h"
#include "board/gridcell.h"
#include "parts/component.h"

namespace cuprum::view {
namespace {

// Where the cells of one side stand: column 0 at the right, columns growing
// to the left; the top side's rows growing upward from the middle line, the
// bottom side's (when shown apart) mirrored below it.
class Bands {
 public:
  Bands(const CBrdDoc& board, int scale) : s_(scale), columns_(board.XSize()), y0_(scale * (board.YSize() + 1)) {}

  [[nodiscard]] int Left(int c) const { return s_ * (columns_ + 1) - s_ * c - s_; }
  // The top edge of row r's band on a side; `below` for the bottom side
  // shown apart.
  [[nodiscard]] int Top(int r, bool below) const { return below ? y0_ + s_ * r : y0_ - s_ * r - s_; }
  [[nodiscard]] QPoint Centre(int c, int r, bool below) const {
    return {Left(c) + s_ / 2, Top(r, below) + s_ / 2};
  }
  [[nodiscard]] int Scale() const { return s_; }

 private:
  int s_;
  int columns_;
  int y0_;
};

void PaintCell(QPainter& painter, GridCell v, const Bands& bands, int c, int r, bool below,
               const QPen& copper, const QPen& cross) {
  const int s = bands.Scale();
  const int q = s / 4;
  const QPoint centre = bands.Centre(c, r, below);
  const int x = centre.x();
  const int y = centre.y();
  const int left = bands.Left(c);
  const int right = left + s;
  const int top = bands.Top(r, below);
  const int bottom = top + s;
  // The edge toward row r + 1 is upward on the top side and on the bottom
  // side overlaid, downward on the bottom side shown apart.
  const int rowPlusEdge = below ? bottom : top;
  const int rowMinusEdge = below ? top : bottom;
  const int towardPlus = rowPlusEdge < y ? 1 : -1;  // a pixel past the centre, away from the edge

  painter.setPen(copper);
  if ((v & CELL_ROW_PLUS) != 0 && (v & CELL_ROW_MINUS) != 0) {
    painter.drawLine(x, top, x, bottom);
  } else {
    // Half lines run a pixel past the centre so that two halves meet.
    if ((v & CELL_ROW_PLUS) != 0) painter.drawLine(x, rowPlusEdge, x, y + towardPlus);
    if ((v & CELL_ROW_MINUS) != 0) painter.drawLine(x, rowMinusEdge, x, y - towardPlus);
  }
  if ((v & CELL_COL_PLUS) != 0 && (v & CELL_COL_MINUS) != 0) {
    painter.drawLine(left, y, right, y);
  } else {
    // Column c + 1 lies to the left.
    if ((v & CELL_COL_PLUS) != 0) painter.drawLine(left, y, x + 1, y);
    if ((v & CELL_COL_MINUS) != 0) painter.drawLine(right, y, x - 1, y);
  }
  if ((v & CELL_HOLE) != 0) {
    painter.setPen(QPen(Qt::black, 0));
    painter.drawRect(x - q, y - q, 2 * q, 2 * q);
  }
  if (v == CELL_FIXED) {
    painter.setPen(cross);
    painter.drawLine(x - q, y - q, x + q + 1, y + q + 1);
    painter.drawLine(x + q, y - q, x - q - 1, y + q + 1);
  }
}

// Both sides in the bands of the top side: overlaid, or only one shown.
bool OneBand(const BoardPictureStyle& style) {
  return style.overlay || style.sides != PictureSides::Both;
}

}  // namespace

QSize BoardPictureSize(const CBrdDoc& board, const BoardPictureStyle& style) {
  const int s = style.scale;
  const int height = s * (board.YSize() + 1);
  return {s * (board.XSize() + 1), OneBand(style) ? height : 2 * height};
}

void PaintBoard(QPainter& painter, const CBrdDoc& board,
                const std::vector<std::unique_ptr<CBoardCntrItem>>& items,
                const BoardPictureStyle& style) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const Bands bands(board, style.scale);
  const int q = style.scale / 4;  // a width of 0 is one pixel
  const QPen bottomCopper(BOTTOM_COLOUR, q, Qt::SolidLine, Qt::FlatCap);
  const QPen topCopper(TOP_COLOUR, q, Qt::SolidLine, Qt::FlatCap);
  const QPen bottomCross(BOTTOM_COLOUR, 0);
  const QPen topCross(TOP_COLOUR, 0);
  painter.setBrush(QColor(255, 255, 255));
  const BoardGrid& grid = board.Grid();
  const bool bottom = style.sides != PictureSides::TopOnly;
  const bool top = style.sides != PictureSides::BottomOnly;
  const bool bottomBelow = !OneBand(style);
  for (int r = 0; r <= board.YSize(); ++r)
    for (int c = 0; c <= board.XSize(); ++c) {
      if (bottom)
        PaintCell(painter, grid.At(c, r, 0), bands, c, r, bottomBelow, bottomCopper, bottomCross);
      if (top) PaintCell(painter, grid.At(c, r, 1), bands, c, r, false, topCopper, topCross);
    }

  painter.setPen(QPen(OUTLINE_COLOUR, q, Qt::SolidLine, Qt::FlatCap));
  painter.setBrush(Qt::NoBrush);
  for (const auto& item : items) {
    const Component* part = item->GetComponent();
    if (part == nullptr) continue;
    const char letter = part->TypeLetter();
    if (letter != 'C' && letter != 'D' && letter != 'S' && letter != 'Z') continue;
    const auto& pins = part->Pins();
    const int count = std::min(part->PinCount(), static_cast<int>(pins.size()));
    if (count <= 0) continue;
    QPolygon outline;
    for (int i = 0; i < count; ++i) {
      const GridPoint p = pins[static_cast<std::size_t>(i)].point;
      outline << bands.Centre(p.x, p.y, false);
    }
    outline << outline.front();
    painter.drawPolyline(outline);
  }
  painter.restore();
}

QImage RenderBoard(const CBrdDoc& board,
                   const std::vector<std::unique_ptr<CBoardCntrItem>>& items,
                   const BoardPictureStyle& style) {
  QImage image(BoardPictureSize(board, style), QImage::Format_RGB32);
  image.fill(BACKGROUND_COLOUR);
  QPainter painter(&image);
  PaintBoard(painter, board, items, style);
  painter.end();
  return image;
}

}  // namespace cuprum::view
