// The narrow interface through which the engine asks for what a desktop
// framework provides: message boxes, the wait cursor, repainting the board's
// views, saving and opening documents, and showing the log. The GUI answers
// with real windows; the command-line tool and the tests answer plainly.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace cuprum {

class CBrdDoc;

// The caption the framework gives a message box that names none.
constexpr std::string_view APP_CAPTION = "Cuprum";

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Yes, No };
// What the front end answers to progress reports of long work.
enum class ProgressAnswer { Continue, Stop };

class Platform {
 public:
  virtual ~Platform() = default;

  virtual MessageResult MessageBox(std::string_view text, std::string_view caption,
                                   MessageIcon icon = MessageIcon::None,
                                   MessageButtons buttons = MessageButtons::Ok) = 0;

  virtual void SetWaitCursor(bool on) = 0;

  // Redraws every view of the board; called between steps of long work.
  virtual void RepaintViews(const CBrdDoc& board) = 0;

  // Reports progress of long work (the routers call it where they repaint
  // the views between nets): `done` of `total` steps. Answering Stop ends the
  // work as soon as it can end cleanly.
  virtual ProgressAnswer Progress(const CBrdDoc& board, int done, int total) = 0;

  // Asks the user where to save a board that has no path yet; nullopt when
  // the user cancels.
  virtual std::optional<std::filesystem::path> AskSaveAsPath(const CBrdDoc& board) = 0;

  // Saves the open text documents that were edited (with the user's consent
  // where the front end asks for it); false when the user cancelled.
  virtual bool SaveModifiedTextDocuments() = 0;

  // Opens (or activates) the document at the path in an editor window.
  virtual void OpenDocument(const std::filesystem::path& path) = 0;

  // Brings the log into view with its first "error" selected.
  virtual void ShowLogAtError(const std::filesystem::path& logPath) = 0;
};

}  // namespace cuprum
