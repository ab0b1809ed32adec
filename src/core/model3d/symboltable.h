// The scoped symbol table of the description language: every keyword,
// operator and name, each with its token, type word and value. Level 0 holds
// the predefined entries, level 1 the names of the file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cuprum {

constexpr std::size_t LEXEME_STORE_SIZE = 262144;
constexpr int SYMBOL_TABLE_SIZE = 4096;  // index 0 stands for a failed lookup
constexpr int SCOPE_LEVELS = 16;
constexpr int PREDEFINED_SYMBOL_COUNT = 128;
constexpr std::size_t QUALIFIED_NAME_SIZE = 256;  // with its terminator

constexpr const char* SYMBOL_TABLE_FULL = "symbol table full";
constexpr const char* LEXEMES_ARRAY_FULL = "lexemes array full";

struct SymbolEntry {
  std::size_t lexeme = 0;  // offset of the zero-terminated lexeme in the store
  int token = 0;
  int link = 0;  // enclosing symbol, 0 for none
  int type = 0;  // type word; 0: never declared
  std::int32_t integerValue = 0;
  double realValue = 0.0;
};

class SymbolTable {
 public:
  // Built with its predefined entries, as at program start.
  SymbolTable();

  // The one table the lexer and the parser share.
  static SymbolTable& Process();

  // Prepares a read: the store emptied, level 0, then InitSymbolTable.
  void Reset();
  // The current level's entries cleared, the predefined entries inserted in
  // their order, then level 1 opened on top of them.
  void InitSymbolTable();

  // Every user level from the newest entry back, then the predefined entries
  // from the last to the first; 0 when none matches.
  [[nodiscard]] int Lookup(std::string_view lexeme) const;
  // Only the entries of the current level.
  [[nodiscard]] int LookupCurrentScope(std::string_view lexeme) const;
  // The current level, then the predefined entries.
  [[nodiscard]] int LookupForDeclaration(std::string_view lexeme) const;

  // A new entry at the current level; 0 after the fatal "symbol table full"
  // or "lexemes array full", in which case nothing is stored.
  int Insert(std::string_view lexeme, int token);

  // The lexeme, then "@" and the lexeme of each enclosing symbol, cut to 255
  // characters.
  [[nodiscard]] std::string QualifiedName(int index) const;

  // Stores the type word; false for the words 128 and 256 (a pointer or an
  // array of nothing).
  bool SetType(int index, int type);

  // Opens a deeper level whose names are linked to the last symbol entered;
  // false at the deepest level.
  bool OpenScope();
  // Drops the current level's names; false at level 1 or below.
  bool CloseScope();

  [[nodiscard]] bool Valid(int index) const { return index > 0 && index <= LastIndex(); }
  // Entry access; an index outside the table gives entry 0, which no lookup
  // ever returns.
  SymbolEntry& Entry(int index);
  [[nodiscard]] const SymbolEntry& Entry(int index) const;
  [[nodiscard]] std::string_view Lexeme(int index) const;

  [[nodiscard]] int CurrentLevel() const { return level_; }
  [[nodiscard]] int ScopeTop(int level) const;
  // The last entry of the current level, or 0 when the level is empty.
  [[nodiscard]] int LastInCurrentScope() const;
  [[nodiscard]] int LastIndex() const { return scopeTop_[static_cast<std::size_t>(level_)]; }
  // Bytes used in the lexeme store.
  [[nodiscard]] std::size_t StoreUsed() const { return storeTop_; }

 private:
  [[nodiscard]] bool Matches(int index, std::string_view lexeme) const;
  [[nodiscard]] int FirstOfCurrentLevel() const;

  std::vector<char> store_;
  std::size_t storeTop_ = 0;  // bytes in use
  std::vector<SymbolEntry> entries_;
  std::array<int, SCOPE_LEVELS> scopeTop_{};
  int level_ = 0;
};

// The lexeme of the last predefined entry with this token; "ID" when none
// has it (identifiers, numbers and the end of input).
std::string_view PredefinedTokenName(int token);

}  // namespace cuprum
