// A new board: what the New Board dialog starts with and what its answer
// makes of the fresh document, including a bus-card preset's text files.
#pragma once

#include <optional>

#include "board/boardsettings.h"
#include "board/presets.h"

namespace cuprum {

class CBrdDoc;
class Platform;

struct NewBoardSettings : BoardSettings {
  BoardType type = BoardType::General;
};

// The dialog's starting values, taken from the fresh document (64 x 40
// tenths at 100 mil, pins from 1, General).
NewBoardSettings NewBoardDialogValues(const CBrdDoc& board);

// Pressing a type button: the type is chosen and its size rule applied.
void SelectBoardType(NewBoardSettings& settings, BoardType type);

enum class NewBoardStatus {
  Created,    // the document stands; for a preset its files are written
  Cancelled,  // the dialog or the naming of the board file was cancelled
  Rejected,   // the values or the type cannot make a board
  FileError,  // a preset file could not be written (the message was shown)
};

// The board document's creation with the dialog's answer (nullopt for
// Cancel). The settings are stored and the grid cleared with its border
// marked. A preset needs its text files beside the board, so an unnamed
// board is named (and saved) through Save As first; its .lay and .rou files
// then receive the preset texts and are opened in editors. Anything but
// Created means the framework discards the document.
NewBoardStatus OnNewDocument(CBrdDoc& board, Platform& platform,
                             const std::optional<NewBoardSettings>& answer);

}  // namespace cuprum
