#include "board/brddoc.h"

#include <gtest/gtest.h>

#include "platform/recordingplatform.h"

namespace cuprum {
namespace {

TEST(BoardDocument, NewDocumentIsA64By40BoardAt100MilWithPinsFromOneAndEveryCellZero) {
  CBrdDoc board;
  EXPECT_EQ(board.XSize(), 64);
  EXPECT_EQ(board.YSize(), 40);
  EXPECT_EQ(board.Layers(), 2);
  EXPECT_EQ(board.GetResolution(), Resolution::Mil100);
  EXPECT_EQ(board.PinIndexBase(), 1);
  // The flags are only packed once settings are stored.
  EXPECT_EQ(board.BoardFlags(), 0);
  EXPECT_EQ(board.Signature(), 0x4243);
  EXPECT_EQ(board.Grid(), BoardGrid{});
  EXPECT_TRUE(board.Items().empty());
  // 3D board: 64 x 40 tenths, two layers of a quarter tenth each.
  EXPECT_DOUBLE_EQ(board.Board3d().GetSize().x, 64 * 0.00254);
  EXPECT_DOUBLE_EQ(board.Board3d().GetSize().y, 40 * 0.00254);
  EXPECT_DOUBLE_EQ(board.Board3d().GetSize().z, 0.00127);
  EXPECT_DOUBLE_EQ(board.Board3d().GetPosition().x, -64 * 0.00254);
  EXPECT_DOUBLE_EQ(board.Board3d().GetPosition().z, -2 * 0.00127);
}

TEST(BoardGridLayout, TwoSidesAdjacentColumnMajor) {
  EXPECT_EQ(BoardGrid::Index(128, 160, 1), 41537U);
  EXPECT_EQ(GRID_CELL_COUNT, 41538U);
  EXPECT_EQ(BoardGrid::Index(0, 1, 0) - BoardGrid::Index(0, 0, 0), 2U);
  EXPECT_EQ(BoardGrid::Index(1, 0, 0) - BoardGrid::Index(0, 0, 0), 322U);
  EXPECT_EQ(BoardGrid::Index(5, 7, 1) - BoardGrid::Index(5, 7, 0), 1U);
}

TEST(BoardGridLayout, CheckedAccessRefusesCellsOutsideTheGrid) {
  BoardGrid grid;
  EXPECT_NO_THROW(grid.At(128, 160, 1));
  EXPECT_THROW(grid.At(129, 0, 0), std::out_of_range);
  EXPECT_THROW(grid.At(0, 161, 0), std::out_of_range);
  EXPECT_THROW(grid.At(0, 0, 2), std::out_of_range);
  EXPECT_THROW(grid.At(-1, 0, 0), std::out_of_range);
  EXPECT_FALSE(BoardGrid::Contains(MakeGridPoint(0, -1, 0)));
}

TEST(GridPointAddress, ReachesEveryRowOfA50MilBoardAndWrapsBelowZero) {
  const GridPoint top = MakeGridPoint(128, 160, 1);
  EXPECT_EQ(top.y, 160);
  EXPECT_TRUE(BoardGrid::Contains(top));
  EXPECT_EQ(GridPoint::FromPacked(top.Packed()), top);
  const GridPoint below = MakeGridPoint(3, -2, 0);
  EXPECT_EQ(below.y, 254);
  EXPECT_FALSE(BoardGrid::Contains(below));
  EXPECT_EQ(MakeGridPoint(-1, 0, 0).x, 255);
}

TEST(BoardDocument, MarkBorderTouchesOnlyTheFourEdgesAndClearGridRemovesIt) {
  CBrdDoc board;
  board.MarkBorder();
  int border = 0;
  for (int x = 0; x < GRID_COLUMNS; ++x)
    for (int y = 0; y < GRID_ROWS; ++y)
      for (int side = 0; side < 2; ++side) {
        const bool edge = (x == 0 || x == 64 || y == 0 || y == 40) && x <= 64 && y <= 40;
        EXPECT_EQ(board.Grid()(x, y, side), edge ? CELL_BORDER : 0) << x << "," << y;
        border += edge ? 1 : 0;
      }
  EXPECT_EQ(border, 2 * (2 * 65 + 2 * 39));
  board.ClearGrid();
  EXPECT_EQ(board.Grid(), BoardGrid{});
}

TEST(BoardDocument, ClearGridLeavesCellsBeyondTheBoardAlone) {
  CBrdDoc board;
  board.Grid()(70, 5, 0) = CELL_HOLE;
  board.Grid()(10, 5, 1) = CELL_HOLE;
  board.ClearGrid();
  EXPECT_EQ(board.Grid()(70, 5, 0), CELL_HOLE);
  EXPECT_EQ(board.Grid()(10, 5, 1), 0);
}

TEST(BoardDocument, SizesAt50MilAreTwiceTheTenthsAndTheModelKeepsMetres) {
  CBrdDoc board;
  board.SetSizeInTenths(40, 30, Resolution::Mil50, 0);
  EXPECT_EQ(board.XSize(), 80);
  EXPECT_EQ(board.YSize(), 60);
  EXPECT_EQ(board.XTenths(), 40);
  EXPECT_EQ(board.YTenths(), 30);
  EXPECT_EQ(board.BoardFlags(), 2);
  EXPECT_EQ(board.PinIndexBase(), 0);
  EXPECT_NEAR(board.Board3d().GetSize().x, 0.1016, 1e-12);
  EXPECT_NEAR(board.Board3d().GetSize().y, 30 * 0.00254, 1e-12);
}

TEST(BoardDocument, LayerCountsBeyondTwoNeverVisitMoreThanTheGridsSides) {
  CBrdDoc board;
  board.SetLayers(7);
  EXPECT_EQ(board.Layers(), 7);
  EXPECT_EQ(board.SidesInUse(), 2);
  board.Grid().Fill(0xFFFF);
  board.ClearGrid();  // must not run past the two sides of a position
  EXPECT_EQ(board.Grid()(64, 40, 1), 0);
  EXPECT_EQ(board.Grid()(65, 0, 0), 0xFFFF);
}

TEST(BoardDocument, ItemsAreOwnedRemovedAndDeletedWithTheirComponents) {
  CBrdDoc board;
  board.DeleteContents();  // empty list: nothing happens
  CBoardCntrItem& first = board.AddItem(std::make_unique<Component>());
  board.AddItem(std::make_unique<Component>());
  ASSERT_EQ(board.Items().size(), 2U);
  EXPECT_EQ(first.Name(), "default");
  board.RemoveItem(first);
  ASSERT_EQ(board.Items().size(), 1U);
  board.Grid()(3, 3, 0) = CELL_HOLE;
  board.DeleteContents();
  EXPECT_TRUE(board.Items().empty());
  EXPECT_EQ(board.Grid()(3, 3, 0), CELL_HOLE);  // the grid stays
}

TEST(TextFilePaths, DerivedFromTheBoardPathByItsLastThreeCharacters) {
  EXPECT_EQ(DeriveTextPath("a.brd", "lay"), "a.lay");
  EXPECT_EQ(DeriveTextPath("dir/board.BRD", "rou"), "dir/board.rou");
  EXPECT_EQ(DeriveTextPath("x.b", "lay"), "x.b");
  EXPECT_EQ(DeriveTextPath("ab.c", "lay"), "ab.c");
}

TEST(TextFilePaths, BoardWithoutAPathIsNamedThroughSaveAsFirst) {
  RecordingPlatform platform;
  CBrdDoc board;
  EXPECT_TRUE(board.GetLayoutPath(platform).empty());  // the user cancelled
  EXPECT_EQ(platform.saveAsRequests, 1);

  board.SetPathName("/tmp/cuprum_test_named.brd");
  EXPECT_EQ(board.GetPartsPath(platform), "/tmp/cuprum_test_named.prt");
  EXPECT_EQ(board.GetRoutePath(platform), "/tmp/cuprum_test_named.rou");
  EXPECT_EQ(platform.saveAsRequests, 1);
}

}  // namespace
}  // namespace cuprum
