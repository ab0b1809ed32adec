// One node of a parsed expression of the description language; the tree is
// folded to a constant in place by the evaluator.
#pragma once

#include <cstdint>
#include <memory>

#include "model3d/tokens.h"

namespace cuprum {

struct ExprNode {
  int kind = NODE_HOLDER;  // a token code or a conversion, cast or index kind
  int symbol = 0;          // symbol-table index of a name, cast or function
  std::unique_ptr<ExprNode> first;   // left or only operand; a name's index
  std::unique_ptr<ExprNode> second;  // right operand
  std::int32_t integerValue = 0;
  double realValue = 0.0;
};

[[nodiscard]] constexpr bool IsIntegerConstantKind(int kind) {
  return kind == TOKEN_LONG_CONSTANT || kind == TOKEN_INTEGER || kind == TOKEN_CHAR_CONSTANT;
}
[[nodiscard]] constexpr bool IsConstantKind(int kind) {
  return IsIntegerConstantKind(kind) || kind == TOKEN_REAL;
}

}  // namespace cuprum
