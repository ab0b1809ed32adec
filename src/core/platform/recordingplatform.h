// A front end for tests: records every request and answers questions from a
// script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace cuprum {

class RecordingPlatform : public Platform {
 public:
  struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
  };

  MessageResult MessageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                           MessageButtons buttons) override;
  void SetWaitCursor(bool on) override;
  void RepaintViews(const CBrdDoc& board) override;
  ProgressAnswer Progress(const CBrdDoc& board, int done, int total) override;
  std::optional<std::filesystem::path> AskSaveAsPath(const CBrdDoc& board) override;
  bool SaveModifiedTextDocuments() override;
  void OpenDocument(const std::filesystem::path& path) override;
  void ShowLogAtError(const std::filesystem::path& logPath) override;

  // Answers given to the next questions, in order; when the script runs out
  // a question gets Ok (or Yes for yes/no questions).
  std::deque<MessageResult> answers;
  // What AskSaveAsPath answers.
  std::optional<std::filesystem::path> saveAsPath;
  bool saveTextDocumentsAnswer = true;
  // Progress reports answer Stop from this call on (counting from 1); 0
  // never stops.
  int stopAtProgressCall = 0;

  std::vector<Message> messages;
  std::vector<bool> waitCursor;  // every on/off request in order
  int repaints = 0;
  int progressCalls = 0;
  int saveAsRequests = 0;
  int textSaveRequests = 0;
  std::vector<std::filesystem::path> openedDocuments;
  std::vector<std::filesystem::path> shownLogs;

  [[nodiscard]] bool WaitCursorOn() const { return !waitCursor.empty() && waitCursor.back(); }
  void Clear();
};

}  // namespace cuprum
