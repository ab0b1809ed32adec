// Boards with copper laid by hand and scratch folders for the export tests.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "board/brddoc.h"
#include "board/gridcell.h"

namespace cuprum::exporttest {

// Expected file text written with "\n", as the files carry it: CR LF.
inline std::string Crlf(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// Links every cell from (c0, y0) to (c1, y1) on one side with its
// neighbours, both ways, as the router leaves a straight trace. The two
// positions share a row or a column.
inline void LayTrace(CBrdDoc& board, int side, int c0, int y0, int c1, int y1) {
  BoardGrid& grid = board.Grid();
  if (y0 == y1) {
    for (int c = std::min(c0, c1); c < std::max(c0, c1); ++c) {
      grid(c, y0, side) |= CELL_COL_PLUS;
      grid(c + 1, y0, side) |= CELL_COL_MINUS;
    }
  } else {
    for (int y = std::min(y0, y1); y < std::max(y0, y1); ++y) {
      grid(c0, y, side) |= CELL_ROW_PLUS;
      grid(c0, y + 1, side) |= CELL_ROW_MINUS;
    }
  }
}

// A hole through both sides: a via or a through-hole pin.
inline void PutVia(CBrdDoc& board, int column, int row) {
  board.Grid()(column, row, 0) |= CELL_HOLE;
  board.Grid()(column, row, 1) |= CELL_HOLE;
}

// An empty board of the given size in grid positions, border unmarked.
inline void SizeBoard(CBrdDoc& board, int xTenths, int yTenths, Resolution resolution) {
  board.SetSizeInTenths(xTenths, yTenths, resolution, 1);
  board.Grid().Fill(0);
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder for each test, removed afterwards.
class ExportFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // The process id keeps test runs of several build trees apart.
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("cuprum_export_") + std::to_string(::getpid()) + "_" +
            info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  // The names in the folder, sorted, to see that nothing stray is left.
  [[nodiscard]] std::vector<std::string> Listing(const std::filesystem::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  std::filesystem::path dir_;
};

}  // namespace cuprum::exporttest
