// Opening the board's text files in editors, and which commands of a board
// window are available.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace cuprum {

class CBrdDoc;
class Platform;

// Command ids of a board window.
constexpr int ID_PROJECT_OPTIONS = 32770;
constexpr int ID_ROUTE_RECURSIVE = 32772;
constexpr int ID_USE_SPECIFIED_LAYOUT = 32773;
constexpr int ID_GENERATE_LAYOUT = 32774;
constexpr int ID_ROUTE = 32775;
constexpr int ID_EXPORT_DXF = 32777;
constexpr int ID_EXPORT_GERBER = 32778;
constexpr int ID_EXPORT_3D_CODE = 32779;
constexpr int ID_EXPORT_SCAD = 32781;
constexpr int ID_INSERT_COMPONENT = 32782;
constexpr int ID_EDIT_PARTS_FILE = 32784;
constexpr int ID_EDIT_ROUTE_NETLIST = 32786;

enum class EditStatus {
  Opened,     // the file was handed to the front end to open
  NoName,     // the board has no file name (Save As was cancelled)
  FileError,  // the file could not be created or written (the message was shown)
};

// Opens the file in an editor (or activates its editor). A missing file is
// created empty; given `text`, the file receives it in place of its content.
// The editor finds the board again from the file's own name.
EditStatus OpenTextFile(Platform& platform, const std::filesystem::path& path,
                        std::optional<std::string_view> text = std::nullopt);

// The parts source (.lay, else .prt, else a new .lay) in an editor.
EditStatus OnEditPartsFile(CBrdDoc& board, Platform& platform);
// The route netlist (.rou) in an editor.
EditStatus OnEditRouteNetlist(CBrdDoc& board, Platform& platform);

// Whether a board window's command is available. The rules look only at the
// board's contents, never at its file names: deriving a name from an unnamed
// board would start Save As while the menus are being updated. Ids that are
// not board commands are reported unavailable.
bool IsBoardCommandEnabled(const CBrdDoc& board, int commandId);

}  // namespace cuprum
