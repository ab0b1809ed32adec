#include "platform/recordingplatform.h"

namespace cuprum {

MessageResult RecordingPlatform::MessageBox(std::string_view text, std::string_view caption,
                                            MessageIcon icon, MessageButtons buttons) {
  messages.push_back(Message{std::string(text), std::string(caption), icon, buttons});
  if (!answers.empty()) {
    const MessageResult answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
             ? MessageResult::Yes
             : MessageResult::Ok;
}

void RecordingPlatform::SetWaitCursor(bool on) { waitCursor.push_back(on); }

void RecordingPlatform::RepaintViews(const CBrdDoc& /*board*/) { ++repaints; }

ProgressAnswer RecordingPlatform::Progress(const CBrdDoc& /*board*/, int /*done*/, int /*total*/) {
  ++progressCalls;
  return stopAtProgressCall > 0 && progressCalls >= stopAtProgressCall ? ProgressAnswer::Stop
                                                                       : ProgressAnswer::Continue;
}

std::optional<std::filesystem::path> RecordingPlatform::AskSaveAsPath(const CBrdDoc& /*board*/) {
  ++saveAsRequests;
  return saveAsPath;
}

bool RecordingPlatform::SaveModifiedTextDocuments() {
  ++textSaveRequests;
  return saveTextDocumentsAnswer;
}

void RecordingPlatform::OpenDocument(const std::filesystem::path& path) {
  openedDocuments.push_back(path);
}

void RecordingPlatform::ShowLogAtError(const std::filesystem::path& logPath) {
  shownLogs.push_back(logPath);
}

void RecordingPlatform::Clear() {
  messages.clear();
  waitCursor.clear();
  repaints = 0;
  progressCalls = 0;
  saveAsRequests = 0;
  textSaveRequests = 0;
  openedDocuments.clear();
  shownLogs.clear();
}

}  // namespace cuprum
