// ezdxf, a DXF library, reads the drawing, finds nothing to complain about in
// its audit, and counts the entities the board's copper calls for.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "board/boardfile.h"
#include "board/brddoc.h"
#include "core/export/exporttestsupport.h"
#include "core/export/toolrunner.h"
#include "export/dxfexport.h"

namespace cuprum {
namespace {

using exporttest::LayTrace;
using exporttest::PutVia;
using exporttest::Quote;

// The Debian package python3-ezdxf installs the module for this interpreter.
constexpr const char* PYTHON = "/usr/bin/python3";
constexpr int NO_EZDXF = 77;

constexpr const char* AUDIT = R"(import sys
try:
    import ezdxf
except ImportError:
    sys.exit(77)
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print('errors', len(auditor.errors))
counts = {}
for entity in doc.modelspace():
    key = entity.dxftype() + ':' + entity.dxf.layer
    counts[key] = counts.get(key, 0) + 1
for key in sorted(counts):
    print(key, counts[key])
)";

class EzdxfReadsTheDrawing : public exporttest::ExportFolderTest {
 protected:
  void SetUp() override {
    if (!exporttest::ToolInstalled(PYTHON)) GTEST_SKIP() << PYTHON << " is not installed";
    ExportFolderTest::SetUp();
    exporttest::WriteFile(dir_ / "audit.py", AUDIT);
  }

  // Entity counts by "TYPE:layer", plus "errors" for the audit's errors.
  std::map<std::string, int> Audit(const CBrdDoc& board) {
    const std::filesystem::path path = dir_ / "board.brd";
    exporttest::WriteFile(path, WriteBoardFile(board));
    const ExportResult result = ExportDxf(path);
    EXPECT_TRUE(result.Ok()) << result.error;
    const exporttest::ToolRun run =
        exporttest::RunTool(std::string(PYTHON) + " " + Quote((dir_ / "audit.py").string()) + " " +
                                Quote((dir_ / "board.dxf").string()),
                            dir_);
    std::map<std::string, int> counts;
    if (run.status == NO_EZDXF) {
      skipped_ = true;
      return counts;
    }
    EXPECT_EQ(run.status, 0) << run.err;
    std::istringstream in(run.out);
    std::string key;
    int count = 0;
    while (in >> key >> count) counts[key] = count;
    return counts;
  }

  bool skipped_ = false;
};

TEST_F(EzdxfReadsTheDrawing, EntitiesMatchTheBoardsLinksAndHoles) {
  for (const Resolution resolution : {Resolution::Mil100, Resolution::Mil50}) {
    CBrdDoc board;
    exporttest::SizeBoard(board, 30, 20, resolution);
    board.MarkBorder();
    // Top: down three cells, five straight across, up three: 11 solids.
    LayTrace(board, 1, 4, 2, 4, 5);
    LayTrace(board, 1, 4, 5, 10, 5);
    LayTrace(board, 1, 10, 5, 10, 8);
    // Bottom: a vertical trace of six cells (6 solids) and a horizontal one
    // of seven (two ends and one run: 3 solids).
    LayTrace(board, 0, 3, 3, 3, 8);
    LayTrace(board, 0, 10, 12, 16, 12);
    PutVia(board, 4, 2);
    PutVia(board, 10, 8);
    board.Grid()(20, 15, 0) |= CELL_HOLE;
    const std::map<std::string, int> counts = Audit(board);
    if (skipped_) GTEST_SKIP() << "python3-ezdxf is not installed";

    // Each inner row ends in a border hole on both sides of the board.
    const int borderHoles = 2 * (board.YSize() - 1);
    const std::map<std::string, int> expected{
        {"errors", 0},
        {"SOLID:1", 11},
        {"SOLID:2", 9},
        {"CIRCLE:1", borderHoles + 2},
        {"CIRCLE:2", borderHoles + 3},
        {"CIRCLE:0", borderHoles + 2},
    };
    EXPECT_EQ(counts, expected) << "at " << ResolutionMil(resolution) << " mil";
  }
}

}  // namespace
}  // namespace cuprum
