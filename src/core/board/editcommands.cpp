#include "board/editcommands.h"

#include <system_error>

#include "board/boardcommands.h"
#include "board/brddoc.h"
#include "platform/fileio.h"
#include "platform/platform.h"

namespace cuprum {

EditStatus OpenTextFile(Platform& platform, const std::filesystem::path& path,
                        std::optional<std::string_view> text) {
  if (path.empty()) return EditStatus::NoName;
  std::error_code ec;
  if (text || !std::filesystem::exists(path, ec)) {
    const FileResult written = WriteFileAtomically(path, text.value_or(std::string_view{}));
    if (!written.ok) {
      platform.MessageBox(written.error, APP_CAPTION, MessageIcon::Error, MessageButtons::Ok);
      return EditStatus::FileError;
    }
  }
  platform.OpenDocument(path);
  return EditStatus::Opened;
}

EditStatus OnEditPartsFile(CBrdDoc& board, Platform& platform) {
  const std::filesystem::path layout = board.GetLayoutPath(platform);
  if (layout.empty()) return EditStatus::NoName;
  return OpenTextFile(platform, PartsSourcePath(layout, board.GetPartsPath(platform)));
}

EditStatus OnEditRouteNetlist(CBrdDoc& board, Platform& platform) {
  return OpenTextFile(platform, board.GetRoutePath(platform));
}

bool IsBoardCommandEnabled(const CBrdDoc& board, int commandId) {
  const bool holdsComponents = !board.Items().empty();
  switch (commandId) {
    case ID_PROJECT_OPTIONS:
    case ID_ROUTE_RECURSIVE:
    case ID_USE_SPECIFIED_LAYOUT:
    case ID_GENERATE_LAYOUT:
    case ID_EXPORT_DXF:
    case ID_EXPORT_GERBER:
    case ID_INSERT_COMPONENT:
    case ID_EDIT_PARTS_FILE:
    case ID_EDIT_ROUTE_NETLIST: return true;
    case ID_ROUTE:
    case ID_EXPORT_3D_CODE:
    case ID_EXPORT_SCAD: return holdsComponents;
    default: return false;
  }
}

}  // namespace cuprum
