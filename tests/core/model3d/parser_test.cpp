#include "model3d/parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "languagefixture.h"
#include "model3d/evaluator.h"
#include "model3d/tokens.h"

namespace cuprum {
namespace {

class Declarations : public LanguageTest {
 protected:
  // Reads declaration statements as the statement loop does.
  void Declare(const std::string& text) {
    Start(text, true);
    for (int i = 0; i < 50 && Lexer::Process().CurrentToken() != TOKEN_END; ++i)
      ParseDeclaration();
  }

  // One constructor argument.
  double Argument(const std::string& text) {
    ByteStream& in = Start(text);
    return EvaluateArgument(in);
  }

  const SymbolEntry& Symbol(const std::string& name) const {
    const SymbolTable& table = SymbolTable::Process();
    const int index = table.Lookup(name);
    EXPECT_NE(index, 0) << name;
    return table.Entry(index);
  }
};

TEST_F(Declarations, TenthInchIsAConstantThatScalesArguments) {
  Declare("const float tenth_inch=0.00254;");
  EXPECT_EQ(Symbol("tenth_inch").type, 0x2E);
  EXPECT_DOUBLE_EQ(Symbol("tenth_inch").realValue, 0.00254);
  EXPECT_DOUBLE_EQ(Argument("  12.5*tenth_inch"), 0.03175);
  EXPECT_DOUBLE_EQ(Argument("10.0*tenth_inch"), 0.0254);
  EXPECT_DOUBLE_EQ(Argument("2*tenth_inch"), 0.00508);
  EXPECT_DOUBLE_EQ(Argument("-2.5"), -2.5);
  EXPECT_DOUBLE_EQ(Argument("-(3)"), -3.0);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Declarations, ARealIntoAnIntegerWarnsAndTruncates) {
  Declare("int n = 2.7; int m = -2.7;");
  EXPECT_EQ(Symbol("n").integerValue, 2);
  EXPECT_EQ(Symbol("m").integerValue, -2);
  EXPECT_EQ(Shown("Warning"),
            std::vector<std::string>(
                2, "line 1: conversion from floating point type to integral, possible loss of data\n"));
  EXPECT_EQ(ErrorLevel(), ERROR_LEVEL_WARNING);
}

TEST_F(Declarations, IntegersIntoFloatingNamesBecomeReal) {
  Declare("float f = 2; double g = 7/2;");
  EXPECT_DOUBLE_EQ(Symbol("f").realValue, 2.0);
  EXPECT_EQ(Symbol("f").integerValue, 0);
  EXPECT_DOUBLE_EQ(Symbol("g").realValue, 3.0);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Declarations, AVariableInitialiserPassesTheVariablesValue) {
  Declare("int v = 3; int w = v; float x = 1.5; int y = x;");
  EXPECT_EQ(Symbol("w").integerValue, 3);
  // A floating variable is no real constant: it passes its integer value.
  EXPECT_EQ(Symbol("y").integerValue, 0);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Declarations, ComplementOfAnIntConstantKeepsSixteenBits) {
  Declare("char c = ~0; int d = !0x0F;");
  EXPECT_EQ(Symbol("c").integerValue, 0xFFFF);
  EXPECT_EQ(Symbol("d").integerValue, 0xFFF0);
}

TEST_F(Declarations, TypeSpecifiersBuildTheTypeWord) {
  Declare("unsigned char u; const volatile double d = 1.5; void *p; long big[8]; signed short s;"
          "struct Shape {} shape; bool flag;");
  EXPECT_EQ(Symbol("u").type, TYPE_CHAR_KIND);
  EXPECT_EQ(Symbol("d").type, TYPE_REAL | TYPE_CONST | TYPE_VOLATILE);
  EXPECT_EQ(Symbol("p").type, TYPE_POINTER);
  EXPECT_EQ(Symbol("big").type, TYPE_LONG | TYPE_ARRAY);
  EXPECT_EQ(Symbol("s").type, TYPE_INT);
  EXPECT_EQ(Symbol("Shape").type, TYPE_CLASS);
  EXPECT_EQ(Symbol("shape").type, TYPE_CLASS);
  EXPECT_EQ(Symbol("flag").type, TYPE_BOOL);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Declarations, EveryNameOfAListTakesTheType) {
  Declare("int a, b, c; double r;");
  EXPECT_EQ(Symbol("a").type, TYPE_INT);
  EXPECT_EQ(Symbol("b").type, TYPE_INT);
  EXPECT_EQ(Symbol("c").type, TYPE_INT);
  EXPECT_EQ(Symbol("r").type, TYPE_REAL);
}

TEST_F(Declarations, ANameDeclaredTwiceIsARedefinition) {
  Declare("int a; int a;");
  EXPECT_EQ(Shown("Fatal"), std::vector<std::string>{"line 1: symbol redefinition\n"});
}

TEST_F(Declarations, AnInitialiserMayUseNamesOfTheSameScope) {
  Declare("const int k = 4; int j = k * 2;");
  EXPECT_EQ(Symbol("j").integerValue, 8);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Declarations, ANonTypeIsASyntaxError) {
  Declare("width = 3;");
  EXPECT_TRUE(ShownContaining("Fatal", "syntax error"));
  EXPECT_EQ(ErrorLevel(), ERROR_LEVEL_ERROR);
}

using Expressions = Declarations;

TEST_F(Expressions, IntegerAndRealDivision) {
  EXPECT_DOUBLE_EQ(Argument("7/2"), 3.0);
  EXPECT_DOUBLE_EQ(Argument("-7/2"), -3.0);
  EXPECT_DOUBLE_EQ(Argument("7/2.0"), 3.5);
  EXPECT_DOUBLE_EQ(Argument("7%3"), 1.0);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_DOUBLE_EQ(Argument("1/0"), 0.0);
  EXPECT_EQ(Shown("Fatal"), std::vector<std::string>{"line 1: error: divide by zero detected\n"});
  EXPECT_DOUBLE_EQ(Argument("1%0"), 0.0);
  EXPECT_EQ(Shown("Fatal").size(), 2U);
}

TEST_F(Expressions, IntegerArithmeticWrapsInsteadOfOverflowing) {
  EXPECT_DOUBLE_EQ(Argument("(-2147483647-1)/-1"), -2147483648.0);
  EXPECT_DOUBLE_EQ(Argument("(-2147483647-1)%-1"), 0.0);
  EXPECT_DOUBLE_EQ(Argument("65536*65536"), 0.0);
  EXPECT_DOUBLE_EQ(Argument("-(-2147483647-1)"), -2147483648.0);
  EXPECT_DOUBLE_EQ(Argument("1<<33"), 2.0);
}

TEST_F(Expressions, OperatorsKeepTheirPrecedence) {
  EXPECT_DOUBLE_EQ(Argument("1+2*3"), 7.0);
  EXPECT_DOUBLE_EQ(Argument("(1+2)*3"), 9.0);
  EXPECT_DOUBLE_EQ(Argument("10-4-3"), 3.0);
  EXPECT_DOUBLE_EQ(Argument("6&3|8^1"), 11.0);
  EXPECT_DOUBLE_EQ(Argument("1<<4"), 16.0);
  EXPECT_DOUBLE_EQ(Argument("-8>>1"), -4.0);
  EXPECT_DOUBLE_EQ(Argument("1&&0||1"), 1.0);
  EXPECT_DOUBLE_EQ(Argument("+5"), 5.0);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Expressions, ComparisonsOfIntegersFoldToOneOrZero) {
  EXPECT_DOUBLE_EQ(Argument("1<2"), 1.0);
  EXPECT_DOUBLE_EQ(Argument("2<=1"), 0.0);
  EXPECT_DOUBLE_EQ(Argument("3==3"), 1.0);
  EXPECT_TRUE(platform.messages.empty());
  // A comparison with a real operand is not folded.
  EXPECT_DOUBLE_EQ(Argument("1.5<2"), 0.0);
  EXPECT_EQ(Shown("Error"),
            std::vector<std::string>{"line 1: token 174 cannot be evaluated at this time\n"});
}

TEST_F(Expressions, FunctionsOfConstantsAreReal) {
  EXPECT_DOUBLE_EQ(Argument("sin(0)"), 0.0);
  EXPECT_DOUBLE_EQ(Argument("cos(0)"), 1.0);
  EXPECT_NEAR(Argument("tan(0.5)"), 0.5463024898437905, 1e-15);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Expressions, BoolOperandsOfProductsAndShiftsWarn) {
  Declare("bool b = true; int k = b*2;");
  EXPECT_EQ(Shown("Warning"),
            std::vector<std::string>{"line 1: '*' : unsafe use of type 'bool' in operation\n"});
  Declare("int q = b/2; int r = 2%b; int s = b<<1; int t = 2<<b;");
  EXPECT_TRUE(ShownContaining("Warning", "'/' : unsafe use of type 'bool' in operation"));
  EXPECT_TRUE(ShownContaining("Warning", "'%' : unsafe use of type 'bool' in operation"));
  EXPECT_TRUE(ShownContaining("Warning", "'<<' : unsafe use of type 'bool' in operation"));
  // Only a bool on the left of a shift is unsafe.
  EXPECT_EQ(Shown("Warning").size(), 4U);
  EXPECT_EQ(ErrorLevel(), ERROR_LEVEL_WARNING);
}

TEST_F(Expressions, ComplementOfARealWarns) {
  Argument("~1.5");
  EXPECT_TRUE(ShownContaining("Warning", "'NOT' : unsafe use of type 'REAL' in operation"));
}

TEST_F(Expressions, AnUndeclaredNameIsReported) {
  EXPECT_DOUBLE_EQ(Argument("width*2"), 0.0);
  EXPECT_TRUE(ShownContaining("Fatal", "error: undefined symbol"));
  EXPECT_EQ(ErrorLevel(), ERROR_LEVEL_ERROR);
}

TEST_F(Expressions, VariablesDoNotFoldAndNameTheRootThatStayed) {
  Declare("int v = 3;");
  EXPECT_DOUBLE_EQ(Argument("v*2"), 0.0);
  EXPECT_DOUBLE_EQ(Argument("v/4"), 0.0);
  EXPECT_DOUBLE_EQ(Argument("v%8"), 0.0);
  EXPECT_DOUBLE_EQ(Argument("int(2.5)"), 0.0);
  EXPECT_EQ(Shown("Error"),
            (std::vector<std::string>{"line 1: token 164 cannot be evaluated at this time\n",
                                      "line 1: token 159 cannot be evaluated at this time\n",
                                      "line 1: token 185 cannot be evaluated at this time\n",
                                      "line 1: token 254 cannot be evaluated at this time\n"}));
}

TEST_F(Expressions, IndexingNeedsAnArray) {
  Declare("int x; int list[4];");
  Argument("x[1]");
  EXPECT_TRUE(ShownContaining("Fatal", "error: expected array name"));
  platform.messages.clear();
  Argument("list[1]");
  EXPECT_FALSE(ShownContaining("Fatal", "error: expected array name"));
  EXPECT_TRUE(ShownContaining("Error", "cannot be evaluated"));
}

TEST_F(Expressions, AMissingOperandIsASyntaxError) {
  EXPECT_DOUBLE_EQ(Argument(")"), 0.0);
  EXPECT_EQ(Shown("Fatal"), std::vector<std::string>{"line 1: syntax error\n"});
  EXPECT_EQ(Lexer::Process().CurrentToken(), TOKEN_RIGHT_PAREN);
}

TEST_F(Expressions, DeepNestingIsRefusedNotFollowed) {
  const std::string nested = std::string(100000, '(') + "1" + std::string(100000, ')');
  Argument(nested);
  EXPECT_TRUE(ShownContaining("Fatal", EXPRESSION_TOO_COMPLEX));
  platform.messages.clear();
  Argument(std::string(100000, '-') + "1");
  EXPECT_TRUE(ShownContaining("Fatal", EXPRESSION_TOO_COMPLEX));
}

TEST_F(Expressions, LongChainsAreRefusedNotFollowed) {
  std::string chain = "1";
  for (int i = 0; i < 50000; ++i) chain += "+1";
  Argument(chain);
  EXPECT_EQ(Shown("Fatal"), std::vector<std::string>{"line 1: expression too complex\n"});
  // A chain within the bounds folds.
  platform.messages.clear();
  std::string shortChain = "1";
  for (int i = 0; i < 200; ++i) shortChain += "+1";
  EXPECT_DOUBLE_EQ(Argument(shortChain), 201.0);
  EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace cuprum
