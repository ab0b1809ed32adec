// The board document's manufacturing export commands, for every front end:
// the GUI's menu handlers, the command-line tool and the tests run these.
#pragma once

#include <string_view>

#include "export/exportio.h"

namespace cuprum {

class CBrdDoc;
class Platform;

// The message texts; the caption says what went wrong.
constexpr std::string_view DXF_EXPORT_ERROR = "board to DXF error";
constexpr std::string_view GERBER_EXPORT_ERROR = "board to CNC error";
constexpr std::string_view FABRICATION_EXPORT_ERROR = "board to fabrication set error";

// Exporting needs nothing on the board: an empty board gives empty copper.
constexpr bool IsExportDxfEnabled(const CBrdDoc& /*board*/) { return true; }
constexpr bool IsExportGerberEnabled(const CBrdDoc& /*board*/) { return true; }
constexpr bool IsExportFabricationEnabled(const CBrdDoc& /*board*/) { return true; }

// Each saves the board first when it is modified or has never been saved
// (a board without a path is named through Save As; cancelling ends the
// command quietly), then exports from the saved file. A failure is shown in a
// message box with the command's text and the reason as caption. The wait
// cursor is on for the whole command.
ExportResult OnExportDxf(CBrdDoc& board, Platform& platform);
ExportResult OnExportGerber(CBrdDoc& board, Platform& platform);
ExportResult OnExportFabrication(CBrdDoc& board, Platform& platform);

}  // namespace cuprum
