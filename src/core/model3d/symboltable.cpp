#include "model3d/symboltable.h"

#include <algorithm>
#include <cstring>

#include "model3d/reporters.h"

namespace cuprum {

namespace {

struct Predefined {
  const char* lexeme;
  int token;
  int type;
};

// The keywords and operators, in the order the table is seeded with them.
constexpr std::array<Predefined, PREDEFINED_SYMBOL_COUNT> PREDEFINED = {{
    {"{", 184, 0},           {"}", 228, 0},          {"[", 160, 0},
    {"]", 161, 0},           {"(", 162, 0},          {")", 163, 0},
    {";", 173, 0},           {":", 171, 0},          {"...", 219, 0},
    {"+", 165, 0},           {"-", 167, 0},          {"*", 164, 0},
    {"/", 217, 0},           {"%", 246, 0},          {"^", 188, 0},
    {"&", 185, 0},           {"|", 187, 0},          {"~", 186, 0},
    {"!", 250, 0},           {"=", 172, 0},          {"<", 174, 0},
    {">", 178, 0},           {"<<", 158, 0},         {">>", 159, 0},
    {"==", 177, 0},          {"!=", 176, 0},         {"<=", 175, 0},
    {">=", 179, 0},          {"&&", 180, 0},         {"||", 253, 0},
    {",", 166, 0},           {"asm", 182, 0},        {"auto", 183, 0},
    {"bool", 189, 0},        {"break", 190, 0},      {"case", 192, 0},
    {"catch", 193, 0},       {"char", 194, 3},       {"class", 196, 0},
    {"const", 197, 0},       {"const_cast", 198, 0}, {"continue", 199, 0},
    {"default", 215, 0},     {"delete", 216, 0},     {"do", 218, 0},
    {"double", 220, 0},      {"dynamic_cast", 222, 0}, {"else", 227, 0},
    {"enum", 229, 0},        {"explicit", 230, 0},   {"extern", 231, 0},
    {"false", 232, 1},       {"float", 233, 0},      {"for", 234, 0},
    {"friend", 235, 0},      {"goto", 237, 0},       {"if", 238, 0},
    {"inline", 240, 0},      {"int", 243, 4},        {"long", 245, 5},
    {"mutable", 247, 0},     {"namespace", 248, 0},  {"new", 249, 0},
    {"operator", 252, 0},    {"private", 257, 0},    {"protected", 260, 0},
    {"public", 261, 0},      {"register", 263, 0},   {"reinterpret_cast", 264, 0},
    {"return", 266, 0},      {"short", 267, 4},      {"signed", 268, 0},
    {"sizeof", 270, 0},      {"static", 271, 0},     {"static_cast", 272, 0},
    {"struct", 273, 0},      {"switch", 274, 0},     {"template", 275, 0},
    {"this", 277, 0},        {"throw", 278, 0},      {"true", 280, 1},
    {"try", 281, 0},         {"typedef", 282, 0},    {"typeid", 283, 0},
    {"union", 284, 0},       {"unsigned", 286, 0},   {"using", 289, 0},
    {"virtual", 291, 0},     {"void", 292, 0},       {"volatile", 293, 0},
    {"wchar_t", 294, 0},     {"while", 295, 0},      {"IntVector", 400, 0},
    {"RealVector", 401, 0},  {"Component", 410, 0},  {"ElectronicComponent", 411, 0},
    {"MechanicalComponent", 412, 0}, {"Cube", 420, 0}, {"Cylinder", 421, 0},
    {"Sphere", 422, 0},      {"DIP", 430, 0},        {"SIP", 431, 0},
    {"ZIP", 432, 0},         {"Edge", 433, 0},       {"CircuitBoard", 434, 0},
    {"Body", 460, 0},        {"Star", 461, 0},       {"Planet", 462, 0},
    {"Craft", 463, 0},       {"Projectile", 464, 0}, {"Rocket", 465, 0},
    {"SolarSail", 466, 0},   {"setup", 500, 0},      {"loop", 501, 0},
    {"main", 502, 0},        {"abs", 300, 0},        {"sin", 301, 0},
    {"cos", 302, 0},         {"tan", 303, 0},        {"acos", 304, 0},
    {"asin", 305, 0},        {"atan", 306, 0},       {"floor", 307, 0},
    {"round", 308, 0},       {"ceil", 309, 0},       {"log", 310, 0},
    {"sqrt", 311, 0},        {"exp", 312, 0},
}};

// Words a lookup never finds: a pointer to nothing, an array of nothing.
constexpr int TYPE_BARE_POINTER = 128;
constexpr int TYPE_BARE_ARRAY = 256;

}  // namespace

std::string_view PredefinedTokenName(int token) {
  // The last entry of a token wins, as the table lists its spellings.
  const auto last = std::find_if(PREDEFINED.rbegin(), PREDEFINED.rend(),
                                 [token](const auto& entry) { return entry.token == token; });
  return last != PREDEFINED.rend() ? last->lexeme : std::string_view("ID");
}

SymbolTable::SymbolTable()
    : store_(LEXEME_STORE_SIZE, '\0'), entries_(static_cast<std::size_t>(SYMBOL_TABLE_SIZE)) {
  Reset();
}

SymbolTable& SymbolTable::Process() {
  static SymbolTable table;
  return table;
}

void SymbolTable::Reset() {
  storeTop_ = 0;
  level_ = 0;
  scopeTop_.fill(0);
  InitSymbolTable();
}

void SymbolTable::InitSymbolTable() {
  // Seeding always starts from level 0, so the predefined entries are
  // indices 1..128 whatever level the table was left at.
  level_ = 0;
  scopeTop_.fill(0);
  std::fill(entries_.begin(), entries_.end(), SymbolEntry{});
  for (const Predefined& p : PREDEFINED) {
    const int index = Insert(p.lexeme, p.token);
    Entry(index).type = p.type;
  }
  level_ = 1;
  scopeTop_[1] = scopeTop_[0];
}

int SymbolTable::FirstOfCurrentLevel() const {
  return level_ == 0 ? 1 : scopeTop_[static_cast<std::size_t>(level_ - 1)] + 1;
}

bool SymbolTable::Matches(int index, std::string_view lexeme) const {
  return Lexeme(index) == lexeme;
}

int SymbolTable::Lookup(std::string_view lexeme) const {
  for (int i = LastIndex(); i > PREDEFINED_SYMBOL_COUNT; --i)
    if (Matches(i, lexeme)) return i;
  for (int i = std::min(LastIndex(), PREDEFINED_SYMBOL_COUNT); i >= 1; --i)
    if (Matches(i, lexeme)) return i;
  return 0;
}

int SymbolTable::LookupCurrentScope(std::string_view lexeme) const {
  for (int i = LastIndex(); i >= FirstOfCurrentLevel(); --i)
    if (Matches(i, lexeme)) return i;
  return 0;
}

int SymbolTable::LookupForDeclaration(std::string_view lexeme) const {
  if (const int found = LookupCurrentScope(lexeme); found != 0) return found;
  for (int i = std::min(LastIndex(), PREDEFINED_SYMBOL_COUNT); i >= 1; --i)
    if (Matches(i, lexeme)) return i;
  return 0;
}

int SymbolTable::Insert(std::string_view lexeme, int token) {
  const int index = LastIndex() + 1;
  if (index >= SYMBOL_TABLE_SIZE) {
    ReportFatal(SYMBOL_TABLE_FULL);
    return 0;
  }
  // A lexeme never holds a zero byte of its own: it ends at the first one.
  lexeme = lexeme.substr(0, std::min(lexeme.size(), lexeme.find('\0')));
  if (lexeme.size() + 1 > store_.size() - storeTop_) {
    ReportFatal(LEXEMES_ARRAY_FULL);
    return 0;
  }
  std::copy(lexeme.begin(), lexeme.end(), store_.begin() + static_cast<std::ptrdiff_t>(storeTop_));
  store_[storeTop_ + lexeme.size()] = '\0';
  SymbolEntry& entry = entries_[static_cast<std::size_t>(index)];
  entry = SymbolEntry{};
  entry.lexeme = storeTop_;
  entry.token = token;
  entry.link = level_ >= 2 ? scopeTop_[static_cast<std::size_t>(level_ - 1)] : 0;
  storeTop_ += lexeme.size() + 1;
  scopeTop_[static_cast<std::size_t>(level_)] = index;
  return index;
}

std::string SymbolTable::QualifiedName(int index) const {
  constexpr std::size_t limit = QUALIFIED_NAME_SIZE - 1;
  std::string name(Lexeme(index).substr(0, limit));
  // Links always point to earlier entries, so the walk ends; the step limit
  // only guards an entry that was edited by hand.
  int link = Entry(index).link;
  for (int steps = 0; link != 0 && link < index && steps < SCOPE_LEVELS && name.size() < limit;
       ++steps) {
    name += '@';
    name.append(Lexeme(link));
    index = link;
    link = Entry(link).link;
  }
  if (name.size() > limit) name.resize(limit);
  return name;
}

bool SymbolTable::SetType(int index, int type) {
  if (Valid(index)) Entry(index).type = type;
  return type != TYPE_BARE_POINTER && type != TYPE_BARE_ARRAY;
}

bool SymbolTable::OpenScope() {
  if (level_ + 1 >= SCOPE_LEVELS) return false;
  const int top = LastIndex();
  ++level_;
  scopeTop_[static_cast<std::size_t>(level_)] = top;
  return true;
}

bool SymbolTable::CloseScope() {
  if (level_ <= 1) return false;
  const int first = FirstOfCurrentLevel();
  if (Valid(first)) storeTop_ = std::min(storeTop_, Entry(first).lexeme);
  --level_;
  return true;
}

SymbolEntry& SymbolTable::Entry(int index) {
  if (index < 0 || index >= SYMBOL_TABLE_SIZE) return entries_[0];
  return entries_[static_cast<std::size_t>(index)];
}

const SymbolEntry& SymbolTable::Entry(int index) const {
  if (index < 0 || index >= SYMBOL_TABLE_SIZE) return entries_[0];
  return entries_[static_cast<std::size_t>(index)];
}

std::string_view SymbolTable::Lexeme(int index) const {
  if (!Valid(index)) return {};
  return std::string_view(store_.data() + Entry(index).lexeme);
}

int SymbolTable::ScopeTop(int level) const {
  if (level < 0 || level >= SCOPE_LEVELS) return 0;
  return scopeTop_[static_cast<std::size_t>(level)];
}

int SymbolTable::LastInCurrentScope() const {
  const int last = LastIndex();
  return last >= FirstOfCurrentLevel() ? last : 0;
}

}  // namespace cuprum
