#include "model3d/evaluator.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "model3d/lexer.h"
#include "model3d/parser.h"
#include "model3d/reporters.h"
#include "model3d/symboltable.h"

namespace cuprum {

namespace {

constexpr std::uint32_t CHAR_CONSTANT_MASK = 0xFFU;
constexpr std::uint32_t INT_CONSTANT_MASK = 0xFFFFU;
constexpr std::uint32_t SHIFT_COUNT_MASK = 31U;
// Divisors and moduli that are rewritten into shifts and masks when the
// dividend did not fold.
constexpr std::int32_t LARGEST_SHIFT_DIVISOR = 256;
constexpr std::int32_t LARGEST_MASK_MODULUS = 128;

std::int32_t Wrap32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}
std::uint32_t Bits(std::int32_t value) { return static_cast<std::uint32_t>(value); }

// The kind of an integer result: long beats int beats char.
int IntegerResultKind(int a, int b) {
  if (a == TOKEN_LONG_CONSTANT || b == TOKEN_LONG_CONSTANT) return TOKEN_LONG_CONSTANT;
  if (a == TOKEN_INTEGER || b == TOKEN_INTEGER) return TOKEN_INTEGER;
  return TOKEN_CHAR_CONSTANT;
}

double AsReal(const ExprNode& node) {
  return node.kind == TOKEN_REAL ? node.realValue : static_cast<double>(node.integerValue);
}

void MakeInteger(ExprNode& node, int kind, std::int32_t value) {
  node.kind = kind;
  node.integerValue = value;
  node.realValue = 0.0;
  node.first.reset();
  node.second.reset();
}

void MakeReal(ExprNode& node, double value) {
  node.kind = TOKEN_REAL;
  node.realValue = value;
  node.integerValue = 0;
  node.first.reset();
  node.second.reset();
}

// log2 of a power of two from 2 to `largest`; 0 for anything else.
int PowerOfTwo(std::int32_t value, std::int32_t largest) {
  if (value < 2 || value > largest || (value & (value - 1)) != 0) return 0;
  int shift = 0;
  while ((1 << shift) < value) ++shift;
  return shift;
}

void FoldName(ExprNode& node) {
  const SymbolTable& table = SymbolTable::Process();
  const SymbolEntry& entry = table.Entry(node.symbol);
  if (entry.type == 0) {
    ReportFatal(UNDEFINED_SYMBOL);
    return;
  }
  const bool indexed = node.first != nullptr && node.first->kind == NODE_INDEX;
  const bool constant = (entry.type & TYPE_CONST) != 0 &&
                        (entry.type & (TYPE_POINTER | TYPE_ARRAY | TYPE_FUNCTION)) == 0 && !indexed;
  if (!constant) return;
  if (entry.realValue != 0.0) {
    MakeReal(node, entry.realValue);
    return;
  }
  int kind = TOKEN_INTEGER;
  switch (entry.type & TYPE_BASE_MASK) {
    case TYPE_LONG_KIND: kind = TOKEN_LONG_CONSTANT; break;
    case TYPE_CHAR_KIND:
    case TYPE_BOOL: kind = TOKEN_CHAR_CONSTANT; break;
    default: break;
  }
  MakeInteger(node, kind, entry.integerValue);
}

void FoldArithmetic(ExprNode& node) {
  ExprNode& a = *node.first;
  ExprNode& b = *node.second;
  const int op = node.kind;
  if (!IsConstantKind(a.kind) || !IsConstantKind(b.kind)) {
    // Division and remainder by a power of two become a shift and a mask.
    if (!IsConstantKind(a.kind) && IsIntegerConstantKind(b.kind)) {
      if (op == TOKEN_SLASH) {
        if (const int shift = PowerOfTwo(b.integerValue, LARGEST_SHIFT_DIVISOR); shift != 0) {
          node.kind = TOKEN_SHIFT_RIGHT;
          b.integerValue = shift;
        }
      } else if (op == TOKEN_PERCENT) {
        if (PowerOfTwo(b.integerValue, LARGEST_MASK_MODULUS) != 0) {
          node.kind = TOKEN_AMPERSAND;
          b.integerValue -= 1;
        }
      }
    }
    return;
  }
  if (a.kind == TOKEN_REAL || b.kind == TOKEN_REAL) {
    if (op == TOKEN_PERCENT) return;  // a remainder is taken of integers only
    const double x = AsReal(a);
    const double y = AsReal(b);
    double result = 0.0;
    switch (op) {
      case TOKEN_STAR: result = x * y; break;
      case TOKEN_PLUS: result = x + y; break;
      case TOKEN_MINUS: result = x - y; break;
      default: result = x / y; break;
    }
    MakeReal(node, result);
    return;
  }
  const int kind = IntegerResultKind(a.kind, b.kind);
  const std::int64_t x = a.integerValue;
  const std::int64_t y = b.integerValue;
  std::int64_t result = 0;
  switch (op) {
    case TOKEN_STAR: result = x * y; break;
    case TOKEN_PLUS: result = x + y; break;
    case TOKEN_MINUS: result = x - y; break;
    default:
      if (y == 0) {
        ReportFatal(DIVIDE_BY_ZERO);
        MakeInteger(node, kind, 0);
        return;
      }
      result = op == TOKEN_SLASH ? x / y : x % y;
      break;
  }
  MakeInteger(node, kind, Wrap32(result));
}

void FoldBinaryInteger(ExprNode& node) {
  ExprNode& a = *node.first;
  ExprNode& b = *node.second;
  const int op = node.kind;
  if (op >= TOKEN_LESS && op <= TOKEN_GREATER_EQUAL) {
    if (!IsIntegerConstantKind(a.kind) || !IsIntegerConstantKind(b.kind)) return;
    const std::int32_t x = a.integerValue;
    const std::int32_t y = b.integerValue;
    bool result = false;
    switch (op) {
      case TOKEN_LESS: result = x < y; break;
      case TOKEN_LESS_EQUAL: result = x <= y; break;
      case TOKEN_NOT_EQUAL: result = x != y; break;
      case TOKEN_EQUAL: result = x == y; break;
      case TOKEN_GREATER: result = x > y; break;
      default: result = x >= y; break;
    }
    MakeInteger(node, TOKEN_CHAR_CONSTANT, result ? 1 : 0);
    return;
  }
  if (!IsIntegerConstantKind(a.kind) || !IsIntegerConstantKind(b.kind)) return;
  const std::int32_t x = a.integerValue;
  const std::int32_t y = b.integerValue;
  const std::uint32_t count = Bits(y) & SHIFT_COUNT_MASK;
  switch (op) {
    case TOKEN_SHIFT_LEFT:
      MakeInteger(node, a.kind, static_cast<std::int32_t>(Bits(x) << count));
      return;
    case TOKEN_SHIFT_RIGHT:
      MakeInteger(node, a.kind, x >> count);
      return;
    default: break;
  }
  const int kind = IntegerResultKind(a.kind, b.kind);
  std::int32_t result = 0;
  switch (op) {
    case TOKEN_AMPERSAND: result = static_cast<std::int32_t>(Bits(x) & Bits(y)); break;
    case TOKEN_BAR: result = static_cast<std::int32_t>(Bits(x) | Bits(y)); break;
    case TOKEN_CARET: result = static_cast<std::int32_t>(Bits(x) ^ Bits(y)); break;
    case TOKEN_AND_AND: result = (x != 0 && y != 0) ? 1 : 0; break;
    default: result = (x != 0 || y != 0) ? 1 : 0; break;
  }
  MakeInteger(node, kind, result);
}

void FoldUnary(ExprNode& node) {
  ExprNode& a = *node.first;
  switch (node.kind) {
    case TOKEN_MINUS:
      if (a.kind == TOKEN_REAL)
        MakeReal(node, -a.realValue);
      else if (IsIntegerConstantKind(a.kind))
        MakeInteger(node, a.kind, Wrap32(-static_cast<std::int64_t>(a.integerValue)));
      return;
    case TOKEN_TILDE:
    case TOKEN_BANG: {
      if (!IsIntegerConstantKind(a.kind)) return;
      std::uint32_t bits = ~Bits(a.integerValue);
      if (a.kind == TOKEN_CHAR_CONSTANT) bits &= CHAR_CONSTANT_MASK;
      if (a.kind == TOKEN_INTEGER) bits &= INT_CONSTANT_MASK;
      MakeInteger(node, a.kind, static_cast<std::int32_t>(bits));
      return;
    }
    case NODE_CHAR_TO_REAL:
    case NODE_INT_TO_REAL:
    case NODE_LONG_TO_REAL:
      if (IsConstantKind(a.kind)) MakeReal(node, AsReal(a));
      return;
    case TOKEN_SIN:
    case TOKEN_COS:
    case TOKEN_TAN: {
      if (!IsConstantKind(a.kind)) return;
      const double x = AsReal(a);
      MakeReal(node, node.kind == TOKEN_SIN ? std::sin(x) : node.kind == TOKEN_COS ? std::cos(x)
                                                                                   : std::tan(x));
      return;
    }
    default:
      return;  // indirection, casts and integer conversions stay as they are
  }
}

bool IsKnownKind(int kind) {
  switch (kind) {
    case TOKEN_LONG_CONSTANT: case TOKEN_INTEGER: case TOKEN_CHAR_CONSTANT: case TOKEN_REAL:
    case TOKEN_ID: case NODE_INDEX:
    case NODE_BOOL_TO_CHAR: case NODE_BOOL_TO_INT: case NODE_CHAR_TO_INT: case NODE_BOOL_TO_LONG:
    case NODE_CHAR_TO_LONG: case NODE_INT_TO_LONG: case NODE_CHAR_TO_REAL: case NODE_INT_TO_REAL:
    case NODE_LONG_TO_REAL:
    case TOKEN_SHIFT_LEFT: case TOKEN_SHIFT_RIGHT: case TOKEN_STAR: case TOKEN_PLUS:
    case TOKEN_MINUS: case TOKEN_SLASH: case TOKEN_PERCENT:
    case TOKEN_LESS: case TOKEN_LESS_EQUAL: case TOKEN_NOT_EQUAL: case TOKEN_EQUAL:
    case TOKEN_GREATER: case TOKEN_GREATER_EQUAL: case TOKEN_AND_AND: case TOKEN_OR_OR:
    case TOKEN_AMPERSAND: case TOKEN_BAR: case TOKEN_CARET: case TOKEN_TILDE: case TOKEN_BANG:
    case NODE_CHAR_CAST: case NODE_INT_CAST: case TOKEN_SIN: case TOKEN_COS: case TOKEN_TAN:
      return true;
    default:
      return false;
  }
}

}  // namespace

int Evaluate(ExprNode& node) {
  if (!IsKnownKind(node.kind)) {
    const std::string_view name = TokenName(node.kind);
    std::fprintf(stderr, "error: expected ID but found %.*s\n", static_cast<int>(name.size()),
                 name.data());
    ReportFatal(SYNTAX_ERROR);
    return node.kind;
  }
  if (IsConstantKind(node.kind)) return node.kind;
  if (node.first) Evaluate(*node.first);
  if (node.second) Evaluate(*node.second);
  switch (node.kind) {
    case TOKEN_ID:
      FoldName(node);
      break;
    case TOKEN_STAR: case TOKEN_PLUS: case TOKEN_MINUS: case TOKEN_SLASH: case TOKEN_PERCENT:
      if (node.first && node.second)
        FoldArithmetic(node);
      else if (node.first)
        FoldUnary(node);
      break;
    case TOKEN_SHIFT_LEFT: case TOKEN_SHIFT_RIGHT:
    case TOKEN_LESS: case TOKEN_LESS_EQUAL: case TOKEN_NOT_EQUAL: case TOKEN_EQUAL:
    case TOKEN_GREATER: case TOKEN_GREATER_EQUAL: case TOKEN_AND_AND: case TOKEN_OR_OR:
    case TOKEN_AMPERSAND: case TOKEN_BAR: case TOKEN_CARET:
      if (node.first && node.second) FoldBinaryInteger(node);
      break;
    default:
      if (node.first && !node.second) FoldUnary(node);
      break;
  }
  return node.kind;
}

double EvaluateArgument(ByteStream& stream) {
  Lexer::Process().BindStream(&stream);
  ExprNode node;
  ParseExpression(node);
  const int kind = Evaluate(node);
  if (IsIntegerConstantKind(kind)) return node.integerValue;
  if (kind == TOKEN_REAL) return node.realValue;
  char message[64];
  std::snprintf(message, sizeof message, CANNOT_BE_EVALUATED, kind);
  ReportError(message);
  return 0.0;
}

}  // namespace cuprum
