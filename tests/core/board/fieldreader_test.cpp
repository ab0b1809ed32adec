#include "board/fieldreader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/recordingplatform.h"

namespace cuprum {
namespace {

// A C stream over a string, closed with the test.
class TextStream {
 public:
  explicit TextStream(std::string text) : text_(std::move(text)) {
    file_.reset(fmemopen(text_.empty() ? nullptr : text_.data(), text_.size(), "r"));
    if (!file_) file_.reset(std::tmpfile());
  }
  std::FILE* get() const { return file_.get(); }

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::string text_;
  std::unique_ptr<std::FILE, Closer> file_;
};

class FieldReaders : public ::testing::Test {
 protected:
  RecordingPlatform platform;
  FieldReader reader{platform};
};

TEST_F(FieldReaders, RecordLetterAndFieldsStopAtAComment) {
  TextStream in("R 1 2 ; comment with words\r\nN x\n");
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'R');
  std::string field;
  ASSERT_EQ(reader.ReadField(in.get(), field), 1);
  EXPECT_EQ(field, "1");
  ASSERT_EQ(reader.ReadField(in.get(), field), 1);
  EXPECT_EQ(field, "2");
  EXPECT_EQ(reader.ReadFieldOnLine(in.get(), field), 0);
  EXPECT_EQ(field, "");
  EXPECT_EQ(reader.LineNumber(), 1);
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'N');
  EXPECT_EQ(reader.LineNumber(), 2);
}

TEST_F(FieldReaders, FieldOnLineNeverReadsTheNextLine) {
  TextStream in("D U1\nS R2\n");
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'D');
  std::string field;
  EXPECT_EQ(reader.ReadFieldOnLine(in.get(), field), 1);
  EXPECT_EQ(field, "U1");
  EXPECT_EQ(reader.ReadFieldOnLine(in.get(), field), 0);
  EXPECT_EQ(field, "");
  EXPECT_EQ(reader.LineNumber(), 1);
  // ReadField does move on to the next line.
  ASSERT_EQ(reader.ReadField(in.get(), field), 1);
  EXPECT_EQ(field, "S");
  EXPECT_EQ(reader.LineNumber(), 2);
}

TEST_F(FieldReaders, RecordLetterSkipsDigitsAndPunctuationAndReturnsLettersOneByOne) {
  TextStream in("12, -C\nDIP\n");
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'C');
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'D');
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'I');
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'P');
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), '\0');
  EXPECT_TRUE(reader.AtEnd());
}

TEST_F(FieldReaders, LongLinesAreReadInPiecesEachCountedAsALine) {
  std::string line(300, 'x');
  TextStream in(line + "\nN\n");
  std::string field;
  ASSERT_EQ(reader.ReadField(in.get(), field), 1);
  EXPECT_EQ(field.size(), MAX_FIELD_LENGTH);  // cut, never overflowing
  EXPECT_EQ(reader.LineNumber(), 1);
  ASSERT_EQ(reader.ReadField(in.get(), field), 1);
  EXPECT_EQ(field, std::string(45, 'x'));  // the rest of the 300 after 255
  EXPECT_EQ(reader.LineNumber(), 2);
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'N');
  EXPECT_EQ(reader.LineNumber(), 3);
}

TEST_F(FieldReaders, FieldsAfterBlanksAndCommasAreNeitherRepeatedNorSkipped) {
  TextStream in("a , b,,c\t ,d\n");
  std::string field;
  for (const char* want : {"a", "b", "c", "d"}) {
    ASSERT_EQ(reader.ReadField(in.get(), field), 1);
    EXPECT_EQ(field, want);
  }
  ASSERT_EQ(reader.ReadField(in.get(), field), 1);
  EXPECT_EQ(field, "");
  EXPECT_TRUE(reader.AtEnd());
}

TEST_F(FieldReaders, IntegerFieldsConvertLikeTheStandardConversion) {
  TextStream in("12 -7 +3 4x x9 99999999999\n");
  int value = -1;
  for (const int want : {12, -7, 3, 4}) {
    ASSERT_EQ(reader.ReadIntField(in.get(), value), 1);
    EXPECT_EQ(value, want);
  }
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(reader.ReadIntField(in.get(), value), 1);
  EXPECT_EQ(value, 0);
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.messages[0].text, "syntax error: expected integer, found string");
  EXPECT_EQ(platform.messages[0].caption, "Cuprum");
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
  ASSERT_EQ(reader.ReadIntField(in.get(), value), 1);
  EXPECT_EQ(value, 2147483647);  // clamped, never undefined
  // At the end of the file the value is left alone.
  value = 42;
  ASSERT_EQ(reader.ReadIntField(in.get(), value), 1);
  EXPECT_EQ(value, 42);
  EXPECT_TRUE(reader.AtEnd());
}

TEST_F(FieldReaders, WordsWhereNumbersAreDueAreKeptWithTheirLineUntilTheNextFile) {
  TextStream in("1 2\nthree 4\n5 six\n");
  int value = 0;
  for (int i = 0; i < 6; ++i) ASSERT_EQ(reader.ReadIntField(in.get(), value), 1);
  ASSERT_EQ(reader.IntegerSyntaxErrors().size(), 2U);
  EXPECT_EQ(reader.IntegerSyntaxErrors()[0].line, 2);
  EXPECT_EQ(reader.IntegerSyntaxErrors()[0].field, "three");
  EXPECT_EQ(reader.IntegerSyntaxErrors()[1].line, 3);
  EXPECT_EQ(reader.IntegerSyntaxErrors()[1].field, "six");
  reader.Reset();
  EXPECT_TRUE(reader.IntegerSyntaxErrors().empty());

  // A file of nothing but words keeps a bounded record of them.
  std::string words;
  for (int i = 0; i < 200; ++i) words += "w\n";
  TextStream many(words);
  for (int i = 0; i < 200; ++i) ASSERT_EQ(reader.ReadIntField(many.get(), value), 1);
  EXPECT_EQ(reader.IntegerSyntaxErrors().size(), MAX_KEPT_SYNTAX_ERRORS);
}

TEST_F(FieldReaders, LastLineWithoutALineBreakIsStillRead) {
  TextStream in("D U1 14\nR 5 7");
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'D');
  std::string field;
  reader.ReadField(in.get(), field);
  int value = 0;
  reader.ReadIntField(in.get(), value);
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'R');
  EXPECT_FALSE(reader.AtEnd());
  reader.ReadIntField(in.get(), value);
  EXPECT_EQ(value, 5);
  reader.ReadIntField(in.get(), value);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), '\0');
  EXPECT_TRUE(reader.AtEnd());
}

TEST_F(FieldReaders, EmptyAndCommentOnlyFilesEndAtOnce) {
  for (const char* text : {"", "\n\n", "; only a comment\n", "   \t\n"}) {
    TextStream in(text);
    reader.Reset();
    EXPECT_EQ(reader.ReadRecordLetter(in.get()), '\0') << text;
    EXPECT_TRUE(reader.AtEnd()) << text;
  }
}

TEST_F(FieldReaders, ZeroBytesEndALineWithoutLooping) {
  TextStream in(std::string("C\0junk\nD", 8));
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'C');
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'D');
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), '\0');
}

TEST_F(FieldReaders, ResetStartsTheLineCountAgain) {
  TextStream first("A\nB\n");
  reader.ReadRecordLetter(first.get());
  reader.ReadRecordLetter(first.get());
  EXPECT_EQ(reader.LineNumber(), 2);
  reader.Reset();
  TextStream second("C\n");
  EXPECT_EQ(reader.ReadRecordLetter(second.get()), 'C');
  EXPECT_EQ(reader.LineNumber(), 1);
}

}  // namespace
}  // namespace cuprum

namespace cuprum {
namespace {

TEST_F(FieldReaders, CrLfLineEndsAreOneLineBreak) {
  TextStream in("N VCC\r\nD U1 14\r\n");
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'N');
  std::string field;
  ASSERT_EQ(reader.ReadFieldOnLine(in.get(), field), 1);
  EXPECT_EQ(field, "VCC");
  EXPECT_EQ(reader.ReadFieldOnLine(in.get(), field), 0);
  EXPECT_EQ(reader.ReadRecordLetter(in.get()), 'D');
  ASSERT_EQ(reader.ReadField(in.get(), field), 1);
  int value = 0;
  ASSERT_EQ(reader.ReadIntField(in.get(), value), 1);
  EXPECT_EQ(value, 14);
  EXPECT_EQ(reader.LineNumber(), 2);
}

}  // namespace
}  // namespace cuprum
