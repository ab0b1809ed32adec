// The board document's two 3D model exports, for every front end: the GUI's
// menu handlers, the command-line tool and the tests run these. The files go
// beside the board under its full name with an extension appended:
// board.brd gives board.brd.cft (DescriptionExportPath) and board.brd.scad
// (ScadExportPath).
#pragma once

#include <string_view>

#include "export/exportio.h"
#include "model3d/descriptionwriter.h"
#include "model3d/scadwriter.h"

namespace cuprum {

class CBrdDoc;
class Platform;

// The message texts; the caption says what went wrong.
constexpr std::string_view DESCRIPTION_EXPORT_ERROR = "board to S3D error";
constexpr std::string_view SCAD_EXPORT_ERROR = "board to SCAD error";

// A model of a bare board says nothing the board file does not, so both are
// offered only once the board holds a component.
[[nodiscard]] bool IsExport3dCodeEnabled(const CBrdDoc& board);
[[nodiscard]] bool IsExportScadEnabled(const CBrdDoc& board);

// Writes the component description to DescriptionExportPath of the board's
// path. The board file itself is not saved, and the document keeps its path
// and its modified flag: the description does not hold the routed copper, so
// the board still needs saving. A board that was never saved is named (and
// saved) through Save As first; cancelling ends the command quietly. A board
// without components is refused with NO_COMPONENTS_MESSAGE. A write failure
// is shown with DESCRIPTION_EXPORT_ERROR and the reason as caption, and
// leaves any earlier file under the target name as it was. The wait cursor is
// on for the whole command.
ExportResult OnExport3dCode(CBrdDoc& board, Platform& platform);

// Writes the OpenSCAD script to ScadExportPath of the board's path, with the
// same naming, failure and wait-cursor rules (SCAD_EXPORT_ERROR).
ExportResult OnExportScad(CBrdDoc& board, Platform& platform);

}  // namespace cuprum
