// The codes of the component description language: token codes (the lexer's
// output and the kinds of expression nodes share them) and the type words
// that declarations give to names.
#pragma once

namespace cuprum {

// ---- Token codes ------------------------------------------------------------
// A graphic character that is no operator of the language is its own token,
// its character code. Everything else has a code from 128 up.
constexpr int TOKEN_END = 128;
constexpr int TOKEN_LONG_CONSTANT = 129;  // an integer constant re-tagged long
constexpr int TOKEN_INTEGER = 130;
constexpr int TOKEN_CHAR_CONSTANT = 131;  // an integer constant re-tagged char
constexpr int TOKEN_ID = 132;
constexpr int TOKEN_REAL = 133;
// A byte outside 7-bit ASCII: never a token of the language, and kept clear
// of every code above so that no such byte can pose as one.
constexpr int TOKEN_FOREIGN_CHARACTER = 127;

constexpr int TOKEN_SHIFT_LEFT = 158;
constexpr int TOKEN_SHIFT_RIGHT = 159;
constexpr int TOKEN_LEFT_BRACKET = 160;
constexpr int TOKEN_RIGHT_BRACKET = 161;
constexpr int TOKEN_LEFT_PAREN = 162;
constexpr int TOKEN_RIGHT_PAREN = 163;
constexpr int TOKEN_STAR = 164;
constexpr int TOKEN_PLUS = 165;
constexpr int TOKEN_COMMA = 166;
constexpr int TOKEN_MINUS = 167;
constexpr int TOKEN_COLON = 171;
constexpr int TOKEN_ASSIGN = 172;
constexpr int TOKEN_SEMICOLON = 173;
constexpr int TOKEN_LESS = 174;
constexpr int TOKEN_LESS_EQUAL = 175;
constexpr int TOKEN_NOT_EQUAL = 176;
constexpr int TOKEN_EQUAL = 177;
constexpr int TOKEN_GREATER = 178;
constexpr int TOKEN_GREATER_EQUAL = 179;
constexpr int TOKEN_AND_AND = 180;
constexpr int TOKEN_ASM = 182;
constexpr int TOKEN_AUTO = 183;
constexpr int TOKEN_LEFT_BRACE = 184;
constexpr int TOKEN_AMPERSAND = 185;
constexpr int TOKEN_TILDE = 186;
constexpr int TOKEN_BAR = 187;
constexpr int TOKEN_CARET = 188;
constexpr int TOKEN_BOOL = 189;
constexpr int TOKEN_CHAR = 194;
constexpr int TOKEN_CLASS = 196;
constexpr int TOKEN_CONST = 197;
constexpr int TOKEN_SLASH = 217;
constexpr int TOKEN_ELLIPSIS = 219;
constexpr int TOKEN_DOUBLE = 220;
constexpr int TOKEN_RIGHT_BRACE = 228;
constexpr int TOKEN_EXTERN = 231;
constexpr int TOKEN_FALSE = 232;
constexpr int TOKEN_FLOAT = 233;
constexpr int TOKEN_INT = 243;
constexpr int TOKEN_LONG = 245;
constexpr int TOKEN_PERCENT = 246;
constexpr int TOKEN_NEW = 249;
constexpr int TOKEN_BANG = 250;
constexpr int TOKEN_OR_OR = 253;
constexpr int TOKEN_SHORT = 267;
constexpr int TOKEN_SIGNED = 268;
constexpr int TOKEN_STATIC = 271;
constexpr int TOKEN_STRUCT = 273;
constexpr int TOKEN_TRUE = 280;
constexpr int TOKEN_UNION = 284;
constexpr int TOKEN_UNSIGNED = 286;
constexpr int TOKEN_VOID = 292;
constexpr int TOKEN_VOLATILE = 293;
constexpr int TOKEN_WCHAR_T = 294;
constexpr int TOKEN_SIN = 301;
constexpr int TOKEN_COS = 302;
constexpr int TOKEN_TAN = 303;
constexpr int TOKEN_INT_VECTOR = 400;
constexpr int TOKEN_REAL_VECTOR = 401;
constexpr int TOKEN_COMPONENT = 410;
constexpr int TOKEN_ELECTRONIC_COMPONENT = 411;
constexpr int TOKEN_MECHANICAL_COMPONENT = 412;
constexpr int TOKEN_CUBE = 420;
constexpr int TOKEN_CYLINDER = 421;
constexpr int TOKEN_SPHERE = 422;
constexpr int TOKEN_DIP = 430;
constexpr int TOKEN_SIP = 431;
constexpr int TOKEN_ZIP = 432;
constexpr int TOKEN_EDGE = 433;
constexpr int TOKEN_CIRCUIT_BOARD = 434;
constexpr int TOKEN_SETUP = 500;
constexpr int TOKEN_LOOP = 501;
constexpr int TOKEN_MAIN = 502;

// ---- Expression node kinds beyond the token codes ---------------------------
constexpr int NODE_HOLDER = 0;
constexpr int NODE_BOOL_TO_CHAR = 143;
constexpr int NODE_BOOL_TO_INT = 147;
constexpr int NODE_CHAR_TO_INT = 148;
constexpr int NODE_BOOL_TO_LONG = 151;
constexpr int NODE_CHAR_TO_LONG = 152;
constexpr int NODE_INT_TO_LONG = 153;
constexpr int NODE_CHAR_TO_REAL = 155;
constexpr int NODE_INT_TO_REAL = 156;
constexpr int NODE_LONG_TO_REAL = 157;
constexpr int NODE_INDEX = 160;
constexpr int NODE_CHAR_CAST = 195;
constexpr int NODE_INT_CAST = 254;

// ---- Type words -------------------------------------------------------------
constexpr int TYPE_BASE_MASK = 0x07;
constexpr int TYPE_VOID = 0;
constexpr int TYPE_BOOL = 1;
constexpr int TYPE_CHAR_KIND = 3;
constexpr int TYPE_INT_KIND = 4;
constexpr int TYPE_LONG_KIND = 5;
constexpr int TYPE_REAL_KIND = 6;
constexpr int TYPE_SIGNED = 0x08;
constexpr int TYPE_CONST = 0x20;
constexpr int TYPE_VOLATILE = 0x40;
constexpr int TYPE_POINTER = 0x80;
constexpr int TYPE_ARRAY = 0x100;
constexpr int TYPE_FUNCTION = 0x200;

// The declared types: the signed base kinds, and what a class names.
constexpr int TYPE_CHAR = TYPE_CHAR_KIND | TYPE_SIGNED;  // 11
constexpr int TYPE_INT = TYPE_INT_KIND | TYPE_SIGNED;    // 12
constexpr int TYPE_LONG = TYPE_LONG_KIND | TYPE_SIGNED;  // 13
constexpr int TYPE_REAL = TYPE_REAL_KIND | TYPE_SIGNED;  // 14
constexpr int TYPE_CLASS = 398;

}  // namespace cuprum
