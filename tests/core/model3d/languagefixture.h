// Common ground for the description-language tests: the process-wide lexer,
// symbol table, reporters and letters start fresh for every test, and the
// message boxes are recorded.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model3d/bytestream.h"
#include "model3d/lettercounters.h"
#include "model3d/lexer.h"
#include "model3d/reporters.h"
#include "model3d/symboltable.h"
#include "platform/recordingplatform.h"

namespace cuprum {

class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Lexer::Process().Reset();
    SymbolTable::Process().Reset();
    Reporters::Process().Reset();
    Reporters::Process().BindPlatform(&platform);
    LetterCounters::Process().Reset();
  }

  void TearDown() override {
    Reporters::Process().Reset();
    Lexer::Process().Reset();
  }

  // Makes the text the lexer's input; nothing is read yet.
  ByteStream& Open(std::string text) {
    text_ = std::move(text);
    stream_ = std::make_unique<ByteStream>(text_);
    Lexer::Process().BindStream(stream_.get());
    return *stream_;
  }

  // Opens the text and reads its first token into the current token, as the
  // statement reader does before a statement.
  ByteStream& Start(std::string text, bool declarationMode = false) {
    ByteStream& stream = Open(std::move(text));
    Lexer::Process().SetDeclarationMode(declarationMode);
    Lexer::Process().SetCurrentToken(NextToken(stream));
    return stream;
  }

  // Every token up to and including the end token (at most `limit`).
  std::vector<int> Tokens(std::string text, std::size_t limit = 64) {
    ByteStream& stream = Open(std::move(text));
    std::vector<int> tokens;
    while (tokens.size() < limit) {
      tokens.push_back(NextToken(stream));
      if (tokens.back() == 128) break;
    }
    return tokens;
  }

  // The texts of the message boxes shown under a caption.
  std::vector<std::string> Shown(const std::string& caption) const {
    std::vector<std::string> texts;
    for (const auto& m : platform.messages)
      if (m.caption == caption) texts.push_back(m.text);
    return texts;
  }

  bool ShownContaining(const std::string& caption, const std::string& part) const {
    for (const auto& text : Shown(caption))
      if (text.find(part) != std::string::npos) return true;
    return false;
  }

  RecordingPlatform platform;

 private:
  std::string text_;
  std::unique_ptr<ByteStream> stream_;
};

}  // namespace cuprum
