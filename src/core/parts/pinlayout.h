// The pin layouts of the packages: from the anchor pin, a direction letter,
// the grid step and the package width, where every further pin stands.
#pragma once

#include <span>

#include "board/gridcell.h"
#include "board/gridpoint.h"

namespace cuprum {

// The cell values of edge-connector fingers: a finger runs along the
// columns when the connector is turned U or D, along the rows when it is
// turned L or R.
constexpr GridCell FINGER_COLUMN_RUN = CELL_COL_PLUS | CELL_COL_MINUS;
constexpr GridCell FINGER_ROW_RUN = CELL_ROW_PLUS | CELL_ROW_MINUS;

// One grid move: columns and rows both wrap modulo 256, the side stays.
struct GridMove {
  int columns = 0;
  int rows = 0;
};

// The way a package runs from its first pin, one grid position long.
// R runs toward lower columns (the body's x grows as the column falls), U
// toward higher rows, L toward higher columns, D toward lower rows. Any
// other letter counts as R, as its body turns like R.
GridMove AlongDirection(char direction);
// Square to AlongDirection: the way to the opposite row of a DIP.
GridMove AcrossDirection(char direction);

// `move` times `count`, reduced modulo 256 so that no width, however large,
// overflows.
GridMove Scaled(GridMove move, int count);
PinPoint Moved(PinPoint pin, GridMove move);

// Each layout writes only entries that the table holds; the anchor is
// pins[0], and every pin takes the anchor's cell value.
//
// pins[1] = pins[0] moved by step * width along the direction.
void LayOutTwoPins(std::span<PinPoint> pins, char direction, int step, int width);
// Two rows `width` apart, numbered counter-clockwise.
void LayOutDipPins(std::span<PinPoint> pins, int pinCount, char direction, int step, int width);
// Fingers on the anchor's side, then back along the other side. Sets the
// finger cell value on the anchor first.
void LayOutEdgePins(std::span<PinPoint> pins, int pinCount, char direction, int step);
// One row.
void LayOutSipPins(std::span<PinPoint> pins, int pinCount, char direction, int step);
// Two rows `width` apart, the second offset by one grid position; with an
// even pin count the last computed position falls in the spare entry.
void LayOutZipPins(std::span<PinPoint> pins, int pinCount, char direction, int step, int width);

}  // namespace cuprum
