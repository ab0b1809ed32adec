// The plain front end of the command-line tool: message boxes become
// "caption: text" lines on a stream, questions get a fixed answer.
#pragma once

#include <cstdio>

#include "platform/platform.h"

namespace cuprum {

class StderrPlatform : public Platform {
 public:
  explicit StderrPlatform(std::FILE* out = stderr) : out_(out) {}

  MessageResult MessageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                           MessageButtons buttons) override;
  void SetWaitCursor(bool /*on*/) override {}
  void RepaintViews(const CBrdDoc& /*board*/) override {}
  ProgressAnswer Progress(const CBrdDoc& /*board*/, int /*done*/, int /*total*/) override {
    return ProgressAnswer::Continue;
  }
  std::optional<std::filesystem::path> AskSaveAsPath(const CBrdDoc& /*board*/) override {
    return std::nullopt;
  }
  bool SaveModifiedTextDocuments() override { return true; }
  void OpenDocument(const std::filesystem::path& /*path*/) override {}
  void ShowLogAtError(const std::filesystem::path& /*logPath*/) override {}

  [[nodiscard]] int MessageCount() const { return messageCount_; }

 private:
  std::FILE* out_;
  int messageCount_ = 0;
};

}  // namespace cuprum
