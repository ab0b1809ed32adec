// Drawing a board as its view shows it: the copper links of each cell as
// short line pieces, holes as small squares, lone fixed cells as crosses and
// the outlines of the placed parts; the bottom side in red, the top side in
// blue, outlines in green, the two sides one above the other or overlaid.
// One painter for every front end: the board window and the picture export.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <memory>
#include <vector>

class QPainter;

namespace cuprum {
class CBrdDoc;
class CBoardCntrItem;
}  // namespace cuprum

namespace cuprum::view {

inline const QColor BOTTOM_COLOUR(255, 0, 0);
inline const QColor TOP_COLOUR(0, 0, 255);
inline const QColor OUTLINE_COLOUR(0, 255, 0);
inline const QColor BACKGROUND_COLOUR(224, 224, 224);

// Which copper a picture shows. A single side is drawn as seen from the
// component side, in the same band as the outlines.
enum class PictureSides { Both, BottomOnly, TopOnly };

struct BoardPictureStyle {
  int scale = 5;         // pixels per cell side; odd
  bool overlay = false;  // both sides in one picture rather than one above the other
  PictureSides sides = PictureSides::Both;
};

// The drawing's size in pixels: one band of cells per side shown apart, or
// one in all when overlaid or when one side is shown.
QSize BoardPictureSize(const CBrdDoc& board, const BoardPictureStyle& style);

// Draws the copper of `board` and the outlines of `items` (the placed parts,
// which may come from another document laid out over the same board). The
// background is left as it is.
void PaintBoard(QPainter& painter, const CBrdDoc& board,
                const std::vector<std::unique_ptr<CBoardCntrItem>>& items,
                const BoardPictureStyle& style);

// The whole picture on the view's grey background.
QImage RenderBoard(const CBrdDoc& board,
                   const std::vector<std::unique_ptr<CBoardCntrItem>>& items,
                   const BoardPictureStyle& style);

}  // namespace cuprum::view
