#include "board/optionscommand.h"

#include "board/brddoc.h"
#include "platform/platform.h"

namespace cuprum {

namespace {

bool HasSomethingToLayOut(const CBrdDoc& board, RelayRule rule) {
  if (rule == RelayRule::WhenHoldingComponents) return !board.Items().empty();
  // Derived without Save As: an unnamed board has no parts file.
  if (board.PathName().empty()) return false;
  return IsRegularFile(PartsSourcePath(DeriveTextPath(board.PathName(), "lay"),
                                       DeriveTextPath(board.PathName(), "prt")));
}

}  // namespace

BoardSettings BoardOptionsDialogValues(const CBrdDoc& board) { return CurrentBoardSettings(board); }

OptionsOutcome OnProjectOptions(BoardCommandContext& context,
                                const std::optional<BoardSettings>& answer, RelayRule rule) {
  OptionsOutcome outcome;
  if (!answer || ValidateBoardSettings(*answer)) return outcome;
  outcome.accepted = true;

  CBrdDoc& board = context.board;
  const BoardSettings shown = BoardOptionsDialogValues(board);
  outcome.boardChanged = answer->xTenths != shown.xTenths || answer->yTenths != shown.yTenths ||
                         answer->resolution != shown.resolution;
  ApplyBoardSettings(board, *answer);

  if (outcome.boardChanged) {
    if (HasSomethingToLayOut(board, rule)) {
      outcome.relaid = true;
      outcome.layout = OnUseSpecifiedLayout(context);
    } else {
      board.ClearGrid();
    }
    context.platform.RepaintViews(board);
  }
  // The settings live in the board file: closing the board must not lose
  // them silently.
  if (*answer != shown) board.SetModifiedFlag();
  return outcome;
}

}  // namespace cuprum
