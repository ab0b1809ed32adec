#include "model3d/lexer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "languagefixture.h"
#include "model3d/tokens.h"

namespace cuprum {
namespace {

using Lexing = LanguageTest;

TEST_F(Lexing, VectorLiteralSplitsIntoKeywordPunctuationAndNumbers) {
  ByteStream& in = Open("RealVector{ 1.000000e+00,-2.5, 3}");
  Lexer& lexer = Lexer::Process();
  EXPECT_EQ(NextToken(in), TOKEN_REAL_VECTOR);
  EXPECT_NE(lexer.CurrentSymbol(), 0);
  EXPECT_EQ(NextToken(in), TOKEN_LEFT_BRACE);
  EXPECT_EQ(lexer.CurrentSymbol(), 0);
  EXPECT_EQ(NextToken(in), TOKEN_REAL);
  EXPECT_DOUBLE_EQ(lexer.RealValue(), 1.0);
  EXPECT_EQ(lexer.IntegerValue(), 0);
  EXPECT_EQ(NextToken(in), TOKEN_COMMA);
  EXPECT_EQ(NextToken(in), TOKEN_MINUS);
  EXPECT_EQ(NextToken(in), TOKEN_REAL);
  EXPECT_DOUBLE_EQ(lexer.RealValue(), 2.5);
  EXPECT_EQ(NextToken(in), TOKEN_COMMA);
  EXPECT_EQ(NextToken(in), TOKEN_INTEGER);
  EXPECT_EQ(lexer.IntegerValue(), 3);
  EXPECT_DOUBLE_EQ(lexer.RealValue(), 0.0);
  EXPECT_EQ(NextToken(in), TOKEN_RIGHT_BRACE);
  EXPECT_EQ(NextToken(in), TOKEN_END);
  EXPECT_EQ(NextToken(in), TOKEN_END);
}

TEST_F(Lexing, IntegerConstantsInHexOctalAndDecimal) {
  Lexer& lexer = Lexer::Process();
  ByteStream& in = Open("0x1F 017 09 0 4294967297 0.");
  ASSERT_EQ(NextToken(in), TOKEN_INTEGER);
  EXPECT_EQ(lexer.IntegerValue(), 31);
  ASSERT_EQ(NextToken(in), TOKEN_INTEGER);
  EXPECT_EQ(lexer.IntegerValue(), 15);
  // 9 is no octal digit: 0 and then 9.
  ASSERT_EQ(NextToken(in), TOKEN_INTEGER);
  EXPECT_EQ(lexer.IntegerValue(), 0);
  ASSERT_EQ(NextToken(in), TOKEN_INTEGER);
  EXPECT_EQ(lexer.IntegerValue(), 9);
  ASSERT_EQ(NextToken(in), TOKEN_INTEGER);
  EXPECT_EQ(lexer.IntegerValue(), 0);
  // Decimal constants wrap in 32 bits.
  ASSERT_EQ(NextToken(in), TOKEN_INTEGER);
  EXPECT_EQ(lexer.IntegerValue(), 1);
  // "0." is the integer 0, and the '.' is a token of its own.
  ASSERT_EQ(NextToken(in), TOKEN_INTEGER);
  EXPECT_EQ(lexer.IntegerValue(), 0);
  EXPECT_EQ(NextToken(in), '.');
  EXPECT_EQ(NextToken(in), TOKEN_END);
}

TEST_F(Lexing, RealConstantsNeedAFractionBeforeAnExponent) {
  Lexer& lexer = Lexer::Process();
  ByteStream& in = Open("1.5e3 15e3 0.25 2.5E-1");
  ASSERT_EQ(NextToken(in), TOKEN_REAL);
  EXPECT_DOUBLE_EQ(lexer.RealValue(), 1500.0);
  ASSERT_EQ(NextToken(in), TOKEN_INTEGER);
  EXPECT_EQ(lexer.IntegerValue(), 15);
  ASSERT_EQ(NextToken(in), TOKEN_ID);
  EXPECT_EQ(lexer.Text(), "e3");
  ASSERT_EQ(NextToken(in), TOKEN_REAL);
  EXPECT_DOUBLE_EQ(lexer.RealValue(), 0.25);
  ASSERT_EQ(NextToken(in), TOKEN_REAL);
  EXPECT_DOUBLE_EQ(lexer.RealValue(), 0.25);
}

TEST_F(Lexing, ADotAfterAnIntegerIsLeftForTheNextToken) {
  EXPECT_EQ(Tokens("1.x"), (std::vector<int>{TOKEN_INTEGER, '.', TOKEN_ID, TOKEN_END}));
  // Stepping back never crosses a blank, so a '.' before one is lost.
  EXPECT_EQ(Tokens("1. ;"), (std::vector<int>{TOKEN_INTEGER, TOKEN_SEMICOLON, TOKEN_END}));
}

TEST_F(Lexing, OperatorsPairOnlyWhenThePairIsInTheTable) {
  EXPECT_EQ(Tokens("a<=b"), (std::vector<int>{TOKEN_ID, TOKEN_LESS_EQUAL, TOKEN_ID, TOKEN_END}));
  EXPECT_EQ(Tokens("a=-b"),
            (std::vector<int>{TOKEN_ID, TOKEN_ASSIGN, TOKEN_MINUS, TOKEN_ID, TOKEN_END}));
  EXPECT_EQ(Tokens("x<<2>>1"), (std::vector<int>{TOKEN_ID, TOKEN_SHIFT_LEFT, TOKEN_INTEGER,
                                                  TOKEN_SHIFT_RIGHT, TOKEN_INTEGER, TOKEN_END}));
  // Two characters at most: "..." is a '.' and a '.' and a '.'.
  EXPECT_EQ(Tokens("..."), (std::vector<int>{'.', '.', '.', TOKEN_END}));
  EXPECT_EQ(Tokens("\"@"), (std::vector<int>{'"', '@', TOKEN_END}));
}

TEST_F(Lexing, TrueAndFalseAreIntegerConstantsWithoutASymbol) {
  Lexer& lexer = Lexer::Process();
  ByteStream& in = Open("true false");
  ASSERT_EQ(NextToken(in), TOKEN_INTEGER);
  EXPECT_EQ(lexer.IntegerValue(), -1);
  EXPECT_EQ(lexer.CurrentSymbol(), 0);
  ASSERT_EQ(NextToken(in), TOKEN_INTEGER);
  EXPECT_EQ(lexer.IntegerValue(), 0);
  EXPECT_EQ(lexer.CurrentSymbol(), 0);
}

TEST_F(Lexing, CommentAndIncludeLinesGiveNoTokensButCountLines) {
  Lexer& lexer = Lexer::Process();
  ByteStream& in = Open("#include \"Cube.h\"\r\n// note\r\nx / y\r\n");
  ASSERT_EQ(NextToken(in), TOKEN_ID);
  // The first call counts a newline of its own: the first line is line 1.
  EXPECT_EQ(lexer.LineNumber(), 3);
  EXPECT_EQ(lexer.Text(), "x");
  EXPECT_EQ(NextToken(in), TOKEN_SLASH);
  EXPECT_EQ(NextToken(in), TOKEN_ID);
  EXPECT_EQ(NextToken(in), TOKEN_END);
  EXPECT_EQ(lexer.LineNumber(), 4);
}

TEST_F(Lexing, ACommentAtTheEndOfTheInputEndsIt) {
  EXPECT_EQ(Tokens("a // no newline"), (std::vector<int>{TOKEN_ID, TOKEN_END}));
  EXPECT_EQ(Tokens("#"), (std::vector<int>{TOKEN_END}));
  EXPECT_EQ(Tokens("/"), (std::vector<int>{TOKEN_SLASH, TOKEN_END}));
}

TEST_F(Lexing, BytesOutsideTheLanguageNeverPoseAsTokens) {
  // 0xA2 would be '(' by its code; 0x80 would be the end of input.
  EXPECT_EQ(Tokens("\xA2\x80"),
            (std::vector<int>{TOKEN_FOREIGN_CHARACTER, TOKEN_FOREIGN_CHARACTER, TOKEN_END}));
  // A byte 0xFF is an end mark.
  EXPECT_EQ(Tokens("; \xFF b"), (std::vector<int>{TOKEN_SEMICOLON, TOKEN_END}));
  EXPECT_EQ(Tokens(std::string("\x01", 1)), (std::vector<int>{1, TOKEN_END}));
  EXPECT_EQ(Tokens(std::string("a\0b", 3)), (std::vector<int>{TOKEN_ID, TOKEN_ID, TOKEN_END}));
}

TEST_F(Lexing, NamesAreEnteredOnceAndFoundAgain) {
  Lexer& lexer = Lexer::Process();
  ByteStream& in = Open("width width Cube");
  ASSERT_EQ(NextToken(in), TOKEN_ID);
  const int first = lexer.CurrentSymbol();
  EXPECT_GT(first, PREDEFINED_SYMBOL_COUNT);
  ASSERT_EQ(NextToken(in), TOKEN_ID);
  EXPECT_EQ(lexer.CurrentSymbol(), first);
  ASSERT_EQ(NextToken(in), TOKEN_CUBE);
  EXPECT_EQ(SymbolTable::Process().LastIndex(), first);
}

TEST_F(Lexing, DeclarationModeRefusesANameTwiceButStillFindsKeywords) {
  Lexer& lexer = Lexer::Process();
  lexer.SetDeclarationMode(true);
  ByteStream& in = Open("a int a");
  EXPECT_EQ(NextToken(in), TOKEN_ID);
  EXPECT_EQ(NextToken(in), TOKEN_INT);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(NextToken(in), TOKEN_ID);
  EXPECT_EQ(Shown("Fatal"), std::vector<std::string>{"line 1: symbol redefinition\n"});
  EXPECT_EQ(ErrorLevel(), ERROR_LEVEL_ERROR);
}

TEST_F(Lexing, IdentifiersUpTo255CharactersAreNames) {
  const std::string name(MAX_IDENTIFIER_LENGTH, 'n');
  EXPECT_EQ(Tokens(name), (std::vector<int>{TOKEN_ID, TOKEN_END}));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Lexing, AnIdentifierOf256CharactersIsACompilerErrorAndEndsTheInput) {
  Lexer& lexer = Lexer::Process();
  ByteStream& in = Open(std::string(5000, 'q') + " + 1");
  EXPECT_EQ(NextToken(in), TOKEN_END);
  EXPECT_EQ(Shown("Fatal"), std::vector<std::string>{"line 1: compiler error\n"});
  EXPECT_LE(lexer.Text().size(), MAX_IDENTIFIER_LENGTH);
  // No symbol was made of the piece that fitted.
  EXPECT_EQ(SymbolTable::Process().LastIndex(), PREDEFINED_SYMBOL_COUNT);
  // The whole name was passed over.
  EXPECT_EQ(NextToken(in), TOKEN_PLUS);
}

TEST_F(Lexing, NumberTextsBeyond35CharactersKeepTheirValue) {
  Lexer& lexer = Lexer::Process();
  const std::string digits(60, '0');
  ByteStream& in = Open("0.5" + digits + "e1 1." + digits + "1 12345678901234567890123456789012345678.5e-37");
  ASSERT_EQ(NextToken(in), TOKEN_REAL);
  EXPECT_DOUBLE_EQ(lexer.RealValue(), 5.0);
  EXPECT_LE(lexer.NumberText().size(), NUMBER_TEXT_SIZE - 1);
  ASSERT_EQ(NextToken(in), TOKEN_REAL);
  EXPECT_DOUBLE_EQ(lexer.RealValue(), 1.0);
  ASSERT_EQ(NextToken(in), TOKEN_REAL);
  EXPECT_NEAR(lexer.RealValue(), 1.2345678901234567, 1e-12);
  EXPECT_EQ(NextToken(in), TOKEN_END);
}

TEST_F(Lexing, AVeryLongFractionIsReadWithoutEndlessWork) {
  Lexer& lexer = Lexer::Process();
  ByteStream& in = Open("0." + std::string(100000, '3'));
  ASSERT_EQ(NextToken(in), TOKEN_REAL);
  EXPECT_NEAR(lexer.RealValue(), 1.0 / 3.0, 1e-15);
}

TEST_F(Lexing, AFullSymbolTableIsFatalAndEndsTheInput) {
  std::string text;
  const int room = SYMBOL_TABLE_SIZE - 1 - PREDEFINED_SYMBOL_COUNT;
  for (int i = 0; i <= room; ++i) text += "n" + std::to_string(i) + " ";
  text += "last";
  ByteStream& in = Open(text);
  for (int i = 0; i < room; ++i) ASSERT_EQ(NextToken(in), TOKEN_ID) << i;
  EXPECT_EQ(NextToken(in), TOKEN_END);
  EXPECT_EQ(Shown("Fatal"), std::vector<std::string>{"line 1: symbol table full\n"});
  EXPECT_EQ(SymbolTable::Process().LastIndex(), SYMBOL_TABLE_SIZE - 1);
  // Known names are still found.
  ByteStream& again = Open("n0 Cube");
  EXPECT_EQ(NextToken(again), TOKEN_ID);
  EXPECT_EQ(NextToken(again), TOKEN_CUBE);
}

TEST_F(Lexing, AFullLexemeStoreIsFatalAndEndsTheInput) {
  std::string text;
  const std::size_t names = LEXEME_STORE_SIZE / (MAX_IDENTIFIER_LENGTH + 1) + 1;
  for (std::size_t i = 0; i < names; ++i) {
    std::string name = "s" + std::to_string(i);
    name.resize(MAX_IDENTIFIER_LENGTH, 'x');
    text += name + "\n";
  }
  ByteStream& in = Open(text);
  int token = TOKEN_ID;
  std::size_t read = 0;
  while (token == TOKEN_ID && read <= names) {
    token = NextToken(in);
    ++read;
  }
  EXPECT_EQ(token, TOKEN_END);
  EXPECT_LT(read, names);
  EXPECT_EQ(Shown("Fatal").size(), 1U);
  EXPECT_TRUE(ShownContaining("Fatal", "lexemes array full"));
  EXPECT_LE(SymbolTable::Process().StoreUsed(), LEXEME_STORE_SIZE);
}

TEST_F(Lexing, MatchConsumesTheExpectedTokenOrReportsAndStays) {
  Lexer& lexer = Lexer::Process();
  Start("( ]");
  EXPECT_EQ(Match(TOKEN_LEFT_PAREN), TOKEN_RIGHT_BRACKET);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(Match(TOKEN_RIGHT_PAREN), TOKEN_RIGHT_BRACKET);
  EXPECT_EQ(lexer.CurrentToken(), TOKEN_RIGHT_BRACKET);
  EXPECT_EQ(Shown("Fatal"), std::vector<std::string>{"line 1: syntax error\n"});
  EXPECT_EQ(Match(TOKEN_RIGHT_BRACKET), TOKEN_END);
}

TEST_F(Lexing, TokenNamesComeFromThePredefinedEntries) {
  EXPECT_EQ(TokenName(TOKEN_LESS_EQUAL), "<=");
  EXPECT_EQ(TokenName(TOKEN_ELLIPSIS), "...");
  EXPECT_EQ(TokenName(TOKEN_CIRCUIT_BOARD), "CircuitBoard");
  EXPECT_EQ(TokenName(TOKEN_TRUE), "true");
  EXPECT_EQ(TokenName(TOKEN_ID), "ID");
  EXPECT_EQ(TokenName(TOKEN_INTEGER), "ID");
  EXPECT_EQ(TokenName(TOKEN_END), "ID");
}

using Symbols = LanguageTest;

TEST_F(Symbols, PredefinedEntriesCarryTheirTokensAndTypeWords) {
  const SymbolTable& table = SymbolTable::Process();
  const int intEntry = table.Lookup("int");
  ASSERT_NE(intEntry, 0);
  EXPECT_EQ(table.Entry(intEntry).token, TOKEN_INT);
  EXPECT_EQ(table.Entry(intEntry).type, TYPE_INT_KIND);
  EXPECT_EQ(table.Entry(table.Lookup("true")).type, TYPE_BOOL);
  EXPECT_EQ(table.Entry(table.Lookup("short")).type, TYPE_INT_KIND);
  EXPECT_EQ(table.Entry(table.Lookup("exp")).token, 312);
  EXPECT_EQ(table.Lookup("{"), 1);
  EXPECT_EQ(table.Lookup("exp"), PREDEFINED_SYMBOL_COUNT);
  EXPECT_EQ(table.Lookup("Int"), 0);  // case matters
  EXPECT_EQ(table.CurrentLevel(), 1);
  EXPECT_EQ(table.LastInCurrentScope(), 0);
}

TEST_F(Symbols, ScopesHideOuterNamesAndQualifyInnerOnes) {
  SymbolTable& table = SymbolTable::Process();
  const int outer = table.Insert("board", TOKEN_ID);
  EXPECT_EQ(table.QualifiedName(outer), "board");
  EXPECT_EQ(table.Entry(outer).link, 0);
  ASSERT_TRUE(table.OpenScope());
  EXPECT_EQ(table.LookupCurrentScope("board"), 0);
  EXPECT_EQ(table.LookupForDeclaration("board"), 0);
  EXPECT_EQ(table.Lookup("board"), outer);
  const int inner = table.Insert("board", TOKEN_ID);
  EXPECT_EQ(table.Lookup("board"), inner);
  EXPECT_EQ(table.QualifiedName(inner), "board@board");
  const int pin = table.Insert("pin", TOKEN_ID);
  EXPECT_EQ(table.QualifiedName(pin), "pin@board");
  ASSERT_TRUE(table.CloseScope());
  EXPECT_EQ(table.Lookup("board"), outer);
  EXPECT_EQ(table.Lookup("pin"), 0);
  EXPECT_FALSE(table.CloseScope());
}

TEST_F(Symbols, SetTypeRefusesBarePointerAndArrayWords) {
  SymbolTable& table = SymbolTable::Process();
  const int name = table.Insert("p", TOKEN_ID);
  EXPECT_TRUE(table.SetType(name, TYPE_INT));
  EXPECT_FALSE(table.SetType(name, TYPE_POINTER));
  EXPECT_FALSE(table.SetType(name, TYPE_ARRAY));
  EXPECT_EQ(table.Entry(name).type, TYPE_ARRAY);
}

TEST_F(Symbols, ResetForgetsTheNamesOfTheLastRead) {
  SymbolTable& table = SymbolTable::Process();
  table.Insert("tenth_inch", TOKEN_ID);
  table.Reset();
  EXPECT_EQ(table.Lookup("tenth_inch"), 0);
  EXPECT_EQ(table.LastIndex(), PREDEFINED_SYMBOL_COUNT);
  EXPECT_NE(table.Lookup("CircuitBoard"), 0);
}

using Reporting = LanguageTest;

TEST_F(Reporting, ReportersShowTheLineUnderTheirCaptionAndRaiseTheLevel) {
  Lexer::Process().SetLineNumber(7);
  ReportWarning("careful");
  EXPECT_EQ(ErrorLevel(), ERROR_LEVEL_WARNING);
  ReportError("wrong");
  EXPECT_EQ(ErrorLevel(), ERROR_LEVEL_ERROR);
  ReportWarning("still careful");
  EXPECT_EQ(ErrorLevel(), ERROR_LEVEL_ERROR);  // a warning never lowers it
  ReportFatal("stop");
  ASSERT_EQ(platform.messages.size(), 4U);
  EXPECT_EQ(platform.messages[0].text, "line 7: careful\n");
  EXPECT_EQ(platform.messages[0].caption, "Warning");
  EXPECT_EQ(platform.messages[1].caption, "Error");
  EXPECT_EQ(platform.messages[3].caption, "Fatal");
  for (const auto& m : platform.messages) {
    EXPECT_EQ(m.icon, MessageIcon::Error);
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
  }
}

TEST_F(Reporting, LongMessagesAreCut) {
  ReportError(std::string(1000, 'm'));
  ASSERT_EQ(platform.messages.size(), 1U);
  EXPECT_EQ(platform.messages[0].text.size(), MAX_REPORT_TEXT);
}

TEST_F(Reporting, ResetClearsTheLevelAndUnbindsTheFrontEnd) {
  ReportError("x");
  Reporters::Process().Reset();
  EXPECT_EQ(ErrorLevel(), ERROR_LEVEL_NONE);
  EXPECT_EQ(Reporters::Process().BoundPlatform(), nullptr);
}

}  // namespace
}  // namespace cuprum
