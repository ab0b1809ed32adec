#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "board/brddoc.h"
#include "platform/recordingplatform.h"
#include "platform/stderrplatform.h"

namespace cuprum {
namespace {

TEST(PlainPlatform, MessageBoxesBecomeCaptionColonTextLines) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::tmpfile(), &std::fclose);
  ASSERT_TRUE(out);
  StderrPlatform platform(out.get());
  EXPECT_EQ(platform.MessageBox("Error in Parts Description", "Layout Failed", MessageIcon::Error,
                                MessageButtons::Ok),
            MessageResult::Ok);
  EXPECT_EQ(platform.MessageBox("line 3: bad\n", "", MessageIcon::Warning, MessageButtons::YesNo),
            MessageResult::Yes);
  std::rewind(out.get());
  char text[256] = {};
  const std::size_t n = std::fread(text, 1, sizeof text - 1, out.get());
  EXPECT_EQ(std::string(text, n), "Layout Failed: Error in Parts Description\nCuprum: line 3: bad\n");
  EXPECT_EQ(platform.MessageCount(), 2);
}

TEST(RecordingPlatformForTests, RecordsRequestsAndAnswersFromItsScript) {
  RecordingPlatform platform;
  platform.answers = {MessageResult::No};
  EXPECT_EQ(platform.MessageBox("Save?", "Cuprum", MessageIcon::Question, MessageButtons::YesNo),
            MessageResult::No);
  EXPECT_EQ(platform.MessageBox("Again?", "Cuprum", MessageIcon::Question, MessageButtons::YesNo),
            MessageResult::Yes);
  platform.SetWaitCursor(true);
  EXPECT_TRUE(platform.WaitCursorOn());
  platform.SetWaitCursor(false);
  EXPECT_FALSE(platform.WaitCursorOn());
  CBrdDoc board;
  platform.RepaintViews(board);
  platform.ShowLogAtError("x.LOG");
  ASSERT_EQ(platform.messages.size(), 2U);
  EXPECT_EQ(platform.messages[0].text, "Save?");
  EXPECT_EQ(platform.repaints, 1);
  EXPECT_EQ(platform.shownLogs.size(), 1U);
  platform.Clear();
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace cuprum
