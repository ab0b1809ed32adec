// Project > Options: a board's size, resolution and pin numbering base
// changed after the fact, and the board re-laid to match.
#pragma once

#include <optional>

#include "board/boardcommands.h"
#include "board/boardsettings.h"

namespace cuprum {

// When a changed size or resolution lays the board out again.
enum class RelayRule {
  // A board window: when the board holds placed components.
  WhenHoldingComponents,
  // A board read from its file holds no components, so the parts file beside
  // it stands for them: when that file exists.
  WhenPartsFileExists,
};

struct OptionsOutcome {
  bool accepted = false;      // the dialog was left with OK
  bool boardChanged = false;  // size or resolution differ from before
  bool relaid = false;        // Use Specified Layout ran
  CommandOutcome layout;      // its outcome, when it ran
};

// The Board Options dialog's values for the board (size fields enabled).
BoardSettings BoardOptionsDialogValues(const CBrdDoc& board);

// Applies the dialog's answer (nullopt for Cancel; values the dialog would
// refuse count as Cancel). The settings are stored; a changed size or
// resolution re-lays the board by Use Specified Layout, or clears the grid
// when there is nothing to lay out, and redraws it. A change of the pin base
// alone neither re-lays nor redraws. Any change marks the board modified.
OptionsOutcome OnProjectOptions(BoardCommandContext& context,
                                const std::optional<BoardSettings>& answer,
                                RelayRule rule = RelayRule::WhenHoldingComponents);

}  // namespace cuprum
