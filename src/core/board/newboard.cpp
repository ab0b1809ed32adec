#include "board/newboard.h"

#include "board/brddoc.h"
#include "board/editcommands.h"
#include "platform/platform.h"

namespace cuprum {

NewBoardSettings NewBoardDialogValues(const CBrdDoc& board) {
  return NewBoardSettings{CurrentBoardSettings(board), BoardType::General};
}

void SelectBoardType(NewBoardSettings& settings, BoardType type) {
  settings.type = type;
  ApplyBoardTypeSizeRule(type, settings);
}

NewBoardStatus OnNewDocument(CBrdDoc& board, Platform& platform,
                             const std::optional<NewBoardSettings>& answer) {
  if (!answer) return NewBoardStatus::Cancelled;
  if (ValidateBoardSettings(*answer) || !BoardTypeFromIndex(static_cast<int>(answer->type)))
    return NewBoardStatus::Rejected;

  ApplyBoardSettings(board, *answer);
  // The grid is made ready before a preset names the board: naming it saves
  // it, and the saved file should already show the border.
  board.ClearGrid();
  board.MarkBorder();
  if (answer->type == BoardType::General) return NewBoardStatus::Created;

  const auto layoutText = LayoutPresetText(answer->type);
  const auto netlistText = NetlistPresetText(answer->type, answer->pinBase);
  if (!layoutText || !netlistText) return NewBoardStatus::Rejected;

  // The layout preset always goes to the .lay file: it carries positions,
  // which a parts list (.prt) does not read.
  const std::filesystem::path layoutPath = board.GetLayoutPath(platform);
  if (layoutPath.empty()) return NewBoardStatus::Cancelled;
  if (OpenTextFile(platform, layoutPath, *layoutText) != EditStatus::Opened)
    return NewBoardStatus::FileError;

  const std::filesystem::path routePath = board.GetRoutePath(platform);
  if (routePath.empty()) return NewBoardStatus::Cancelled;
  if (OpenTextFile(platform, routePath, *netlistText) != EditStatus::Opened)
    return NewBoardStatus::FileError;
  return NewBoardStatus::Created;
}

}  // namespace cuprum
