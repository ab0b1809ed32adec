#include "model3d/parser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "model3d/evaluator.h"
#include "model3d/lexer.h"
#include "model3d/reporters.h"
#include "model3d/symboltable.h"

namespace cuprum {

namespace {

// Binary operators from the tightest level to the loosest; each level groups
// from left to right.
constexpr int BINARY_LEVELS = 9;
constexpr std::array<std::array<int, 6>, BINARY_LEVELS> LEVEL_OPERATORS = {{
    {TOKEN_STAR, TOKEN_SLASH, TOKEN_PERCENT, 0, 0, 0},
    {TOKEN_PLUS, TOKEN_MINUS, 0, 0, 0, 0},
    {TOKEN_SHIFT_LEFT, TOKEN_SHIFT_RIGHT, 0, 0, 0, 0},
    {TOKEN_LESS, TOKEN_LESS_EQUAL, TOKEN_EQUAL, TOKEN_NOT_EQUAL, TOKEN_GREATER,
     TOKEN_GREATER_EQUAL},
    {TOKEN_AMPERSAND, 0, 0, 0, 0, 0},
    {TOKEN_CARET, 0, 0, 0, 0, 0},
    {TOKEN_BAR, 0, 0, 0, 0, 0},
    {TOKEN_AND_AND, 0, 0, 0, 0, 0},
    {TOKEN_OR_OR, 0, 0, 0, 0, 0},
}};

bool IsLevelOperator(int level, int token) {
  const auto& ops = LEVEL_OPERATORS[static_cast<std::size_t>(level)];
  return token != 0 && std::find(ops.begin(), ops.end(), token) != ops.end();
}

bool IsRelational(int op) { return op >= TOKEN_LESS && op <= TOKEN_GREATER_EQUAL; }

int BaseKind(int type) { return type & TYPE_BASE_MASK; }

void ReportExpected(std::string_view wanted, int found) {
  const std::string_view name = TokenName(found);
  std::fprintf(stderr, "error: expected %.*s but found %.*s\n", static_cast<int>(wanted.size()),
               wanted.data(), static_cast<int>(name.size()), name.data());
  ReportFatal(SYNTAX_ERROR);
}

// The conversion node that lifts an operand of one base kind to another; 0
// when none is made.
int ConversionKind(int from, int to) {
  switch (to) {
    case TYPE_CHAR_KIND:
      return from == TYPE_BOOL ? NODE_BOOL_TO_CHAR : 0;
    case TYPE_INT_KIND:
      if (from == TYPE_BOOL) return NODE_BOOL_TO_INT;
      return from == TYPE_CHAR_KIND ? NODE_CHAR_TO_INT : 0;
    case TYPE_LONG_KIND:
      if (from == TYPE_BOOL) return NODE_BOOL_TO_LONG;
      if (from == TYPE_CHAR_KIND) return NODE_CHAR_TO_LONG;
      return from == TYPE_INT_KIND ? NODE_INT_TO_LONG : 0;
    case TYPE_REAL_KIND:
      if (from == TYPE_CHAR_KIND) return NODE_CHAR_TO_REAL;
      if (from == TYPE_INT_KIND) return NODE_INT_TO_REAL;
      return from == TYPE_LONG_KIND ? NODE_LONG_TO_REAL : 0;
    default:
      return 0;
  }
}

// The int constant of an operand: the operand itself, or the constant right
// below a unary minus or complement; null when the operand is neither.
ExprNode* IntConstantOf(ExprNode& operand) {
  if (operand.kind == TOKEN_INTEGER) return &operand;
  const bool unary = (operand.kind == TOKEN_MINUS || operand.kind == TOKEN_TILDE ||
                      operand.kind == TOKEN_BANG) &&
                     operand.second == nullptr && operand.first != nullptr;
  if (unary && operand.first->kind == TOKEN_INTEGER) return operand.first.get();
  return nullptr;
}

class ExpressionParser {
 public:
  int Parse(std::unique_ptr<ExprNode>& out) { return ParseLevel(BINARY_LEVELS - 1, out); }

 private:
  std::unique_ptr<ExprNode> NewNode(int kind) {
    ++nodes_;
    if (nodes_ > MAX_EXPRESSION_NODES) Abort();
    auto node = std::make_unique<ExprNode>();
    node->kind = kind;
    return node;
  }

  void Abort() {
    if (!aborted_) ReportFatal(EXPRESSION_TOO_COMPLEX);
    aborted_ = true;
  }

  // A stand-in for what could not be parsed: the int constant 0.
  int Zero(std::unique_ptr<ExprNode>& out) {
    out = std::make_unique<ExprNode>();
    out->kind = TOKEN_INTEGER;
    return TYPE_INT_KIND;
  }

  void Wrap(std::unique_ptr<ExprNode>& operand, int kind) {
    auto wrapper = NewNode(kind);
    wrapper->first = std::move(operand);
    operand = std::move(wrapper);
  }

  // An int constant facing an operand of another base kind takes that kind
  // where it can, so that constants do not widen the expression.
  void FitConstant(std::unique_ptr<ExprNode>& constant, int& constantKind,
                   std::unique_ptr<ExprNode>& other, int& otherKind) {
    if (constantKind != TYPE_INT_KIND) return;
    ExprNode* literal = IntConstantOf(*constant);
    if (literal == nullptr) return;
    switch (otherKind) {
      case TYPE_REAL_KIND:
        literal->kind = TOKEN_LONG_CONSTANT;
        constantKind = TYPE_REAL_KIND;
        break;
      case TYPE_LONG_KIND:
        Wrap(constant, NODE_INT_TO_LONG);
        constantKind = TYPE_LONG_KIND;
        break;
      case TYPE_CHAR_KIND:
        literal->kind = TOKEN_CHAR_CONSTANT;
        constantKind = TYPE_CHAR_KIND;
        break;
      case TYPE_BOOL:
        literal->kind = TOKEN_CHAR_CONSTANT;
        constantKind = TYPE_CHAR_KIND;
        Wrap(other, NODE_BOOL_TO_CHAR);
        otherKind = TYPE_CHAR_KIND;
        break;
      default:
        break;
    }
  }

  int Combine(std::unique_ptr<ExprNode>& left, int leftType, std::unique_ptr<ExprNode>& right,
              int rightType) {
    if (((leftType | rightType) & TYPE_FUNCTION) != 0) ReportFatal(FUNCTION_UNEXPECTED);
    const int sign = (leftType | rightType) & TYPE_SIGNED;
    int leftKind = BaseKind(leftType);
    int rightKind = BaseKind(rightType);
    if (leftKind != rightKind) FitConstant(left, leftKind, right, rightKind);
    if (leftKind != rightKind) FitConstant(right, rightKind, left, leftKind);
    const int kind = std::max(leftKind, rightKind);
    if (const int c = ConversionKind(leftKind, kind); c != 0) Wrap(left, c);
    if (const int c = ConversionKind(rightKind, kind); c != 0) Wrap(right, c);
    return kind | sign;
  }

  static void WarnBool(int op) {
    std::string name = std::string(TokenName(op));
    ReportWarning("'" + name + "' : unsafe use of type 'bool' in operation");
  }

  int ParseLevel(int level, std::unique_ptr<ExprNode>& out) {
    if (level < 0) return ParseUnary(out);
    Lexer& lexer = Lexer::Process();
    int type = ParseLevel(level - 1, out);
    while (!aborted_ && IsLevelOperator(level, lexer.CurrentToken())) {
      const int op = lexer.CurrentToken();
      lexer.Advance();
      std::unique_ptr<ExprNode> right;
      const int rightType = ParseLevel(level - 1, right);
      const bool leftBool = BaseKind(type) == TYPE_BOOL;
      const bool rightBool = BaseKind(rightType) == TYPE_BOOL;
      if ((op == TOKEN_STAR || op == TOKEN_SLASH || op == TOKEN_PERCENT) && (leftBool || rightBool))
        WarnBool(op);
      if ((op == TOKEN_SHIFT_LEFT || op == TOKEN_SHIFT_RIGHT) && leftBool) WarnBool(op);
      type = Combine(out, type, right, rightType);
      if (IsRelational(op)) type = TYPE_BOOL;
      auto node = NewNode(op);
      node->first = std::move(out);
      node->second = std::move(right);
      out = std::move(node);
    }
    return type;
  }

  // The operand of a unary operator, wrapped in a node of `kind`.
  int ParseUnaryOperand(int kind, std::unique_ptr<ExprNode>& out) {
    Lexer::Process().Advance();
    std::unique_ptr<ExprNode> operand;
    const int type = ParseUnary(operand);
    out = NewNode(kind);
    out->first = std::move(operand);
    return type;
  }

  // cast( expression ) and function( expression ).
  int ParseCall(int kind, int type, std::unique_ptr<ExprNode>& out) {
    Lexer& lexer = Lexer::Process();
    const int symbol = lexer.CurrentSymbol();
    lexer.Advance();
    lexer.Match(TOKEN_LEFT_PAREN);
    std::unique_ptr<ExprNode> argument;
    Parse(argument);
    lexer.Match(TOKEN_RIGHT_PAREN);
    out = NewNode(kind);
    out->symbol = symbol;
    out->first = std::move(argument);
    return type;
  }

  int ParseName(std::unique_ptr<ExprNode>& out) {
    Lexer& lexer = Lexer::Process();
    SymbolTable& table = SymbolTable::Process();
    const int symbol = lexer.CurrentSymbol();
    out = NewNode(TOKEN_ID);
    out->symbol = symbol;
    int type = table.Entry(symbol).type;
    if (type == 0) {
      ReportFatal(UNDEFINED_SYMBOL);
      if (table.Valid(symbol)) table.Entry(symbol).integerValue = -16;
    }
    lexer.Advance();
    if (lexer.CurrentToken() != TOKEN_LEFT_BRACKET) return type;
    if (type == 0)
      ReportFatal(UNDEFINED_SYMBOL);
    else if ((type & TYPE_FUNCTION) != 0)
      ReportFatal(FUNCTION_UNEXPECTED);
    else if ((type & TYPE_ARRAY) == 0)
      ReportFatal(EXPECTED_ARRAY_NAME);
    lexer.Advance();
    auto index = NewNode(NODE_INDEX);
    Parse(index->first);
    lexer.Match(TOKEN_RIGHT_BRACKET);
    out->first = std::move(index);
    return type & ~(TYPE_ARRAY | TYPE_POINTER);
  }

  int ParseUnary(std::unique_ptr<ExprNode>& out) {
    if (aborted_) return Zero(out);
    if (depth_ >= MAX_EXPRESSION_DEPTH) {
      Abort();
      return Zero(out);
    }
    ++depth_;
    const int type = ParsePrimary(out);
    --depth_;
    return type;
  }

  int ParsePrimary(std::unique_ptr<ExprNode>& out) {
    Lexer& lexer = Lexer::Process();
    switch (lexer.CurrentToken()) {
      case TOKEN_INTEGER:
        out = NewNode(TOKEN_INTEGER);
        out->integerValue = lexer.IntegerValue();
        lexer.Advance();
        return TYPE_INT_KIND;
      case TOKEN_REAL:
        out = NewNode(TOKEN_REAL);
        out->realValue = lexer.RealValue();
        lexer.Advance();
        return TYPE_REAL_KIND;
      case TOKEN_ID:
        return ParseName(out);
      case TOKEN_LEFT_PAREN: {
        lexer.Advance();
        const int type = Parse(out);
        lexer.Match(TOKEN_RIGHT_PAREN);
        return type;
      }
      case TOKEN_STAR:
        return ParseUnaryOperand(TOKEN_STAR, out) & ~(TYPE_ARRAY | TYPE_POINTER);
      case TOKEN_PLUS:
        lexer.Advance();
        return ParseUnary(out);
      case TOKEN_MINUS:
        return ParseUnaryOperand(TOKEN_MINUS, out);
      case TOKEN_TILDE:
      case TOKEN_BANG: {
        const int type = ParseUnaryOperand(lexer.CurrentToken(), out);
        if (BaseKind(type) == TYPE_REAL_KIND) ReportWarning(NOT_ON_REAL_WARNING);
        return type;
      }
      case TOKEN_CHAR:
        return ParseCall(NODE_CHAR_CAST, TYPE_CHAR, out);
      case TOKEN_INT:
      case TOKEN_SHORT:
        return ParseCall(NODE_INT_CAST, TYPE_INT, out);
      case TOKEN_SIN:
      case TOKEN_COS:
      case TOKEN_TAN:
        return ParseCall(lexer.CurrentToken(), TYPE_REAL, out);
      default:
        ReportExpected("ID", lexer.CurrentToken());
        return Zero(out);
    }
  }

  int nodes_ = 0;
  int depth_ = 0;
  bool aborted_ = false;
};

// A real value truncated toward zero into 32 bits; out-of-range values are
// held at the nearest limit, NaN gives 0.
std::int32_t TruncateToInt32(double value) {
  if (std::isnan(value)) return 0;
  constexpr double low = std::numeric_limits<std::int32_t>::min();
  constexpr double high = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(std::trunc(value), low, high));
}

}  // namespace

int ParseExpression(ExprNode& node) {
  std::unique_ptr<ExprNode> root;
  ExpressionParser parser;
  const int type = parser.Parse(root);
  node = std::move(*root);
  return type;
}

int ParseTypeSpecifier() {
  Lexer& lexer = Lexer::Process();
  SymbolTable& table = SymbolTable::Process();
  int qualifiers = 0;
  int sign = 0;  // +1 signed, -1 unsigned, 0 as the type has it
  for (bool more = true; more;) {
    switch (lexer.CurrentToken()) {
      case TOKEN_CONST: qualifiers |= TYPE_CONST; break;
      case TOKEN_VOLATILE: qualifiers |= TYPE_VOLATILE; break;
      case TOKEN_SIGNED: sign = 1; break;
      case TOKEN_UNSIGNED: sign = -1; break;
      default: more = false; continue;
    }
    lexer.Advance();
  }
  int type = 0;
  bool pointerForm = true;
  switch (lexer.CurrentToken()) {
    case TOKEN_BOOL: type = TYPE_BOOL; pointerForm = false; break;
    case TOKEN_CHAR: type = TYPE_CHAR; break;
    case TOKEN_INT:
    case TOKEN_SHORT:
    case TOKEN_WCHAR_T: type = TYPE_INT; break;
    case TOKEN_LONG: type = TYPE_LONG; break;
    case TOKEN_FLOAT:
    case TOKEN_DOUBLE: type = TYPE_REAL; break;
    case TOKEN_VOID: type = TYPE_VOID; break;
    case TOKEN_CLASS:
    case TOKEN_STRUCT:
    case TOKEN_UNION:
      lexer.Advance();
      if (lexer.CurrentToken() == TOKEN_ID) {
        table.SetType(lexer.CurrentSymbol(), TYPE_CLASS);
        lexer.Advance();
      }
      lexer.Match(TOKEN_LEFT_BRACE);
      lexer.Match(TOKEN_RIGHT_BRACE);
      type = TYPE_CLASS;
      pointerForm = false;
      break;
    default:
      ReportExpected("type", lexer.CurrentToken());
      return 0;
  }
  if (type != TYPE_CLASS) {
    lexer.Advance();
    if (pointerForm && lexer.CurrentToken() == TOKEN_STAR) {
      type |= TYPE_POINTER;
      lexer.Advance();
    }
  }
  type |= qualifiers;
  if (sign > 0) type |= TYPE_SIGNED;
  if (sign < 0) type &= ~TYPE_SIGNED;
  return type;
}

void ParseInitializer(int symbol) {
  Lexer& lexer = Lexer::Process();
  SymbolTable& table = SymbolTable::Process();
  lexer.Match(TOKEN_ASSIGN);
  if (lexer.CurrentToken() == TOKEN_LEFT_BRACKET || lexer.CurrentToken() == TOKEN_LEFT_PAREN)
    return;
  ExprNode value;
  ParseExpression(value);
  Evaluate(value);
  if (!table.Valid(symbol)) return;
  SymbolEntry& entry = table.Entry(symbol);
  const bool floating = BaseKind(entry.type) == TYPE_REAL_KIND;
  if (value.kind == TOKEN_REAL) {
    if (floating) {
      entry.realValue = value.realValue;
      entry.integerValue = 0;
    } else {
      ReportWarning(FLOAT_TO_INTEGRAL_WARNING);
      entry.integerValue = TruncateToInt32(value.realValue);
      entry.realValue = 0.0;
    }
    return;
  }
  // A variable that did not fold passes its own value; any other expression
  // that did not fold passes 0.
  std::int32_t integer = 0;
  if (value.kind == TOKEN_ID)
    integer = table.Entry(value.symbol).integerValue;
  else if (IsIntegerConstantKind(value.kind))
    integer = value.integerValue;
  if (floating) {
    entry.realValue = integer;
    entry.integerValue = 0;
  } else {
    entry.integerValue = integer;
    entry.realValue = 0.0;
  }
}

int ParseDeclaratorRest(int symbol) {
  Lexer& lexer = Lexer::Process();
  SymbolTable& table = SymbolTable::Process();
  if (lexer.CurrentToken() == TOKEN_LEFT_BRACKET) {
    table.SetType(symbol, table.Entry(symbol).type | TYPE_ARRAY);
    lexer.Advance();
    const std::int32_t bound = lexer.IntegerValue();
    const bool hasBound = lexer.CurrentToken() == TOKEN_INTEGER;
    lexer.Match(TOKEN_INTEGER);
    // The bound is kept as the array's value; nothing reads it.
    if (hasBound && table.Valid(symbol)) table.Entry(symbol).integerValue = bound;
    lexer.Match(TOKEN_RIGHT_BRACKET);
    return symbol;
  }
  if (lexer.CurrentToken() != TOKEN_COMMA) return symbol;
  while (lexer.CurrentToken() == TOKEN_COMMA) {
    lexer.Advance();
    if (lexer.CurrentToken() != TOKEN_ID) {
      lexer.Match(TOKEN_ID);
      break;
    }
    lexer.Advance();
  }
  return table.LastInCurrentScope();
}

void ParseDeclaration() {
  Lexer& lexer = Lexer::Process();
  SymbolTable& table = SymbolTable::Process();
  lexer.SetDeclarationMode(true);
  if (lexer.CurrentToken() == TOKEN_EXTERN || lexer.CurrentToken() == TOKEN_STATIC)
    lexer.Advance();
  // Names entered from here on belong to this declaration.
  const int before = table.LastIndex();
  const int type = ParseTypeSpecifier();

  int declared = 0;
  const int token = lexer.CurrentToken();
  if (token == TOKEN_ID || token == TOKEN_SETUP || token == TOKEN_LOOP || token == TOKEN_MAIN) {
    declared = lexer.CurrentSymbol();
    lexer.Advance();
  } else {
    lexer.Match(TOKEN_ID);
  }
  table.SetType(declared, type);

  if (lexer.CurrentToken() == TOKEN_ASSIGN) {
    lexer.SetDeclarationMode(false);
    ParseInitializer(declared);
    lexer.Match(TOKEN_SEMICOLON);
    lexer.SetDeclarationMode(true);
    return;
  }
  const int last = ParseDeclaratorRest(declared);
  lexer.Match(TOKEN_SEMICOLON);
  // The further names of a list take the same type.
  for (int i = std::max(declared, before) + 1; i <= last; ++i) table.SetType(i, type);
}

}  // namespace cuprum
