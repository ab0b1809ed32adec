// The board drawing, checked pixel by pixel on small boards: where each
// side's cells stand, what each kind of cell looks like, which parts get an
// outline, and what the single-side and overlaid pictures hold.
#include "boardpainter.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "board/brddoc.h"
#include "board/fieldreader.h"
#include "board/gridcell.h"
#include "board/log.h"
#include "parts/partsfile.h"
#include "platform/recordingplatform.h"
#include "support/scratchdir.h"

namespace cuprum::view {
namespace {

using cuprum::testing::ScratchDir;

constexpr int S = 9;  // pixels per cell; the quarter is 2
constexpr int COLUMNS = 10;
constexpr int ROWS = 8;
const QColor GREY = BACKGROUND_COLOUR;
const QColor RED = BOTTOM_COLOUR;
const QColor BLUE = TOP_COLOUR;
const QColor GREEN = OUTLINE_COLOUR;
const QColor WHITE(255, 255, 255);
const QColor BLACK(0, 0, 0);

class BoardPainter : public ::testing::Test {
 protected:
  BoardPainter() : dir_("boardpainter") {
    board_.SetXSize(COLUMNS);
    board_.SetYSize(ROWS);
    board_.ClearGrid();
  }

  // Cell centres: column 0 at the right; the top side's rows upward from the
  // middle line, the bottom side's (shown apart) downward below it.
  static int X(int c) { return S * (COLUMNS + 1) - S * c - S + S / 2; }
  static int TopY(int r) { return S * (ROWS + 1) - S * r - S + S / 2; }
  static int BelowY(int r) { return S * (ROWS + 1) + S * r + S / 2; }

  QImage Draw(bool overlay = false, PictureSides sides = PictureSides::Both) {
    BoardPictureStyle style;
    style.scale = S;
    style.overlay = overlay;
    style.sides = sides;
    return RenderBoard(board_, board_.Items(), style);
  }

  void LayOut(const std::string& text) {
    const auto path = dir_.Path() / "b.lay";
    cuprum::testing::WriteWholeFile(path, text);
    RecordingPlatform platform;
    FieldReader reader(platform);
    LogStream log;
    ASSERT_EQ(ReadPartsFile(log, board_, path, LayoutMode::Specified, platform, reader), 1);
  }

  static QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

  ScratchDir dir_;
  CBrdDoc board_;
};

TEST_F(BoardPainter, PictureSizesFollowTheBoardAndTheSidesShown) {
  BoardPictureStyle style;
  style.scale = S;
  EXPECT_EQ(BoardPictureSize(board_, style), QSize(99, 162));
  style.overlay = true;
  EXPECT_EQ(BoardPictureSize(board_, style), QSize(99, 81));
  style.overlay = false;
  style.sides = PictureSides::BottomOnly;
  EXPECT_EQ(BoardPictureSize(board_, style), QSize(99, 81));
  EXPECT_EQ(Draw().size(), QSize(99, 162));
}

TEST_F(BoardPainter, LinksDrawFromTheCentreTowardTheirNeighbours) {
  // A full cross of copper on the bottom side.
  board_.Grid()(3, 3, 0) = CELL_LINKS;
  // On the top side a link toward column + 1 (to the left) only, and one
  // toward row + 1 (upward) only.
  board_.Grid()(5, 4, 1) = CELL_COL_PLUS;
  board_.Grid()(7, 2, 1) = CELL_ROW_PLUS;
  const QImage image = Draw();

  const int x = X(3);
  const int y = BelowY(3);
  for (const auto& [dx, dy] : {std::pair{0, 0}, {-4, 0}, {4, 0}, {0, -4}, {0, 4}})
    EXPECT_EQ(At(image, x + dx, y + dy), RED) << dx << "," << dy;
  EXPECT_EQ(At(image, x - 3, y - 3), GREY);
  // The same position on the top side is bare.
  EXPECT_EQ(At(image, x, TopY(3)), GREY);

  EXPECT_EQ(At(image, X(5) - 4, TopY(4)), BLUE);
  EXPECT_EQ(At(image, X(5), TopY(4)), BLUE);
  EXPECT_EQ(At(image, X(5) + 3, TopY(4)), GREY);

  EXPECT_EQ(At(image, X(7), TopY(2) - 4), BLUE);
  EXPECT_EQ(At(image, X(7), TopY(2) + 3), GREY);
}

TEST_F(BoardPainter, HolesAreWhiteSquaresAndLoneFixedCellsAreCrosses) {
  board_.Grid()(6, 2, 0) = CELL_HOLE | CELL_ROW_PLUS;
  board_.Grid()(6, 2, 1) = CELL_HOLE;
  board_.Grid()(2, 5, 0) = CELL_FIXED;
  board_.Grid()(4, 5, 1) = CELL_FIXED;
  const QImage image = Draw();

  for (const int y : {BelowY(2), TopY(2)}) {
    EXPECT_EQ(At(image, X(6), y), WHITE);
    EXPECT_EQ(At(image, X(6) - 2, y - 2), BLACK);
    EXPECT_EQ(At(image, X(6) + 2, y + 2), BLACK);
  }
  // The link still shows outside the square.
  EXPECT_EQ(At(image, X(6), BelowY(2) + 4), RED);

  EXPECT_EQ(At(image, X(2), BelowY(5)), RED);
  EXPECT_EQ(At(image, X(2) - 2, BelowY(5) - 2), RED);
  EXPECT_EQ(At(image, X(2), BelowY(5) - 2), GREY);
  EXPECT_EQ(At(image, X(4) + 2, TopY(5) - 2), BLUE);
}

TEST_F(BoardPainter, TheBorderRingFramesBothHalves) {
  ASSERT_TRUE(board_.MarkBorder());
  const QImage image = Draw();
  for (const auto& [c, r] : {std::pair{0, 0}, {COLUMNS, 0}, {0, ROWS}, {COLUMNS, ROWS}, {5, 0}}) {
    EXPECT_EQ(At(image, X(c), TopY(r)), WHITE) << c << "," << r;
    EXPECT_EQ(At(image, X(c), BelowY(r)), WHITE) << c << "," << r;
  }
  EXPECT_EQ(At(image, X(5), TopY(4)), GREY);
}

TEST_F(BoardPainter, OutlinesJoinThePinsOfPackagesButNotOfPadsOrReservedCells) {
  // A 4-pin DIP, 3 tenths wide, on columns 3 and 4, rows 2 to 5; a pad and
  // a reserved cell beside it.
  LayOut("D U1 3 5 4 3 L\nP GND 8 6 B\nR K1 8 3 T\n");
  ASSERT_EQ(board_.Items().size(), 3U);
  const QImage image = Draw();
  int green = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (At(image, x, y) == GREEN) {
        ++green;
        // Every outline pixel lies in the top half, on the DIP's box.
        EXPECT_GE(y, TopY(5) - 1);
        EXPECT_LE(y, TopY(2) + 1);
        EXPECT_GE(x, X(4) - 1);
        EXPECT_LE(x, X(3) + 1);
      }
  EXPECT_GT(green, 0);
  // The pad at column 8 row 6 gets no outline around it.
  for (int dx = -4; dx <= 4; ++dx) EXPECT_NE(At(image, X(8) + dx, TopY(6) - 4), GREEN);
}

TEST_F(BoardPainter, OneSidePicturesAndTheOverlayShareTheTopSidesBand) {
  board_.Grid()(3, 3, 0) = CELL_COL_PLUS | CELL_COL_MINUS;
  board_.Grid()(3, 3, 1) = CELL_ROW_PLUS | CELL_ROW_MINUS;
  const QImage bottom = Draw(false, PictureSides::BottomOnly);
  EXPECT_EQ(At(bottom, X(3) - 4, TopY(3)), RED);
  EXPECT_EQ(At(bottom, X(3), TopY(3) - 4), GREY);

  const QImage top = Draw(false, PictureSides::TopOnly);
  EXPECT_EQ(At(top, X(3), TopY(3) - 4), BLUE);
  EXPECT_EQ(At(top, X(3) - 4, TopY(3)), GREY);

  // Overlaid, the top side is drawn over the bottom side.
  const QImage both = Draw(true);
  EXPECT_EQ(At(both, X(3) - 4, TopY(3)), RED);
  EXPECT_EQ(At(both, X(3), TopY(3) - 4), BLUE);
  EXPECT_EQ(At(both, X(3), TopY(3)), BLUE);
}

}  // namespace
}  // namespace cuprum::view
