// Moving over the flat grid by copper links: each link bit names one
// neighbour, and every link has an opposite that the neighbour carries back.
#pragma once

#include <cstddef>
#include <cstdint>

#include "board/boardgrid.h"
#include "board/gridcell.h"

namespace cuprum {

using CellIndex = std::uint32_t;

constexpr CellIndex ROW_STEP = static_cast<CellIndex>(GRID_ROW_STRIDE);
constexpr CellIndex COLUMN_STEP = static_cast<CellIndex>(GRID_COLUMN_STRIDE);
static_assert(GRID_SIDE_STRIDE == 1, "the two sides of a position differ in the lowest index bit");

constexpr GridCell CELL_LINKS_AND_HOLE = CELL_LINKS | CELL_HOLE;

// The five links in the order in which the routers look around a cell.
constexpr GridCell LOOK_ORDER[] = {CELL_ROW_PLUS, CELL_ROW_MINUS, CELL_HOLE, CELL_COL_PLUS,
                                   CELL_COL_MINUS};

constexpr GridCell OppositeLink(GridCell link) {
  switch (link) {
    case CELL_ROW_PLUS: return CELL_ROW_MINUS;
    case CELL_ROW_MINUS: return CELL_ROW_PLUS;
    case CELL_COL_PLUS: return CELL_COL_MINUS;
    case CELL_COL_MINUS: return CELL_COL_PLUS;
    default: return link;  // a hole leads back through itself
  }
}

// The neighbour that one link bit leads to. Callers keep to cells inside the
// border ring, whose neighbours all lie in the grid.
constexpr CellIndex AcrossLink(CellIndex cell, GridCell link) {
  switch (link) {
    case CELL_ROW_PLUS: return cell + ROW_STEP;
    case CELL_ROW_MINUS: return cell - ROW_STEP;
    case CELL_COL_PLUS: return cell + COLUMN_STEP;
    case CELL_COL_MINUS: return cell - COLUMN_STEP;
    default: return cell ^ 1U;
  }
}

inline CellIndex ToCellIndex(GridPoint p) { return static_cast<CellIndex>(BoardGrid::Index(p)); }

}  // namespace cuprum
