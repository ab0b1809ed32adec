// Folding expressions of the description language to constants: what a
// constructor argument or an initializer is worth.
#pragma once

#include "model3d/bytestream.h"
#include "model3d/exprnode.h"

namespace cuprum {

constexpr const char* DIVIDE_BY_ZERO = "error: divide by zero detected";
constexpr const char* CANNOT_BE_EVALUATED = "token %d cannot be evaluated at this time";

// Folds the tree in place, bottom up: a node whose operands have become
// constants becomes a constant itself. Returns the kind of the result.
int Evaluate(ExprNode& node);

// Parses one expression from the stream (the current token is its first),
// folds it and returns its value; an expression that does not fold to a
// constant is reported as an error and counts as 0.
double EvaluateArgument(ByteStream& stream);

}  // namespace cuprum
