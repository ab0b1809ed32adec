// Declarations and expressions of the description language: a recursive
// descent over the process lexer's tokens with one token of look-ahead.
// Expressions are typed while they are parsed; nothing is executed.
#pragma once

#include "model3d/exprnode.h"

namespace cuprum {

constexpr const char* UNDEFINED_SYMBOL = "error: undefined symbol";
constexpr const char* FUNCTION_UNEXPECTED = "error: function/procedure unexpected";
constexpr const char* EXPECTED_ARRAY_NAME = "error: expected array name";
constexpr const char* FLOAT_TO_INTEGRAL_WARNING =
    "conversion from floating point type to integral, possible loss of data";
constexpr const char* NOT_ON_REAL_WARNING = "'NOT' : unsafe use of type 'REAL' in operation";
// Hostile input could nest or chain an expression without end; past these
// bounds it is refused as a whole.
constexpr const char* EXPRESSION_TOO_COMPLEX = "expression too complex";
constexpr int MAX_EXPRESSION_DEPTH = 64;
constexpr int MAX_EXPRESSION_NODES = 1024;

// A declaration statement: optional extern or static, a type, the declared
// name, then an initializer or further names (or an array bound), and ';'.
// Declaration mode is on while the names are read.
void ParseDeclaration();

// const, volatile, signed and unsigned before bool, char, int, short,
// wchar_t, long, float, double or void (with an optional '*'), or an empty
// class, struct or union body. Returns the type word.
int ParseTypeSpecifier();

// '=' and the expression whose folded value the symbol takes; an aggregate
// ('[' or '(' after the '=') assigns nothing.
void ParseInitializer(int symbol);

// An array bound ("[n]"), which marks the symbol as an array and returns it,
// or a list of further names (", b, c"), which returns the last one.
int ParseDeclaratorRest(int symbol);

// Parses a full expression into the node and returns its type word.
int ParseExpression(ExprNode& node);

}  // namespace cuprum
