#include "inputadvice.h"

#include <cstdio>
#include <optional>
#include <sstream>
#include <string_view>

#include "board/boarditem.h"
#include "board/brddoc.h"
#include "parts/component.h"

namespace cuprum::cli {
namespace {

constexpr std::string_view PARSING_ERROR = " : parsing error: ";
constexpr std::string_view ROUTE_ERROR = " : error: ";
constexpr std::string_view WRONG_BASE = "wrong number base setting";
constexpr std::string_view CANT_OPEN_LAYOUT = "error: can't open layout file ";
constexpr std::string_view CANT_OPEN_ROUTE = "error: can't open router file ";

// The board as the user named it, for commands to copy.
std::string BoardName(const CBrdDoc& board) {
  return board.PathName().empty() ? std::string("BOARD.brd") : board.PathName().string();
}

void Hint(const char* command, const std::string& text) {
  std::fprintf(stderr, "cuprum-cli %s: hint: %s\n", command, text.c_str());
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

const Component* FindPart(const CBrdDoc& board, std::string_view name) {
  for (const auto& item : board.Items())
    if (const Component* part = item->GetComponent(); part != nullptr && part->Name() == name)
      return part;
  return nullptr;
}

// "path(12) : parsing error: D U1": the file before the parenthesis, and
// what follows the marker.
struct LocatedLine {
  std::string_view file;
  std::string_view rest;
};

std::optional<LocatedLine> Locate(std::string_view line, std::string_view marker) {
  const std::size_t at = line.find(marker);
  if (at == std::string_view::npos) return std::nullopt;
  const std::size_t open = line.rfind('(', at);
  if (open == std::string_view::npos) return std::nullopt;
  return LocatedLine{line.substr(0, open), line.substr(at + marker.size())};
}

void AdviseOnParsingError(const char* command, const LocatedLine& at) {
  // "D U1" when the name was read, "D" when the record ended before it.
  const char letter = at.rest.empty() ? '\0' : at.rest.front();
  const std::string shape = RecordShape(letter, IsPartsListName(std::filesystem::path(at.file)));
  if (shape.empty()) return;
  if (at.rest.size() <= 2) {
    Hint(command,
         "the " + std::string(1, letter) + " record there has no name; it reads: " + shape);
    return;
  }
  std::string text =
      "the record " + std::string(at.rest) + " ends before all its fields: it reads " + shape;
  if (shape.find("DIRECTION") != std::string::npos) text += " (DIRECTION is L, R, U or D)";
  if (shape.find("SIDE") != std::string::npos) text += " (SIDE is T or B)";
  Hint(command,
       text + "; the line named is where the reading stopped, the record may start above it");
}

void AdviseOnRouteError(const char* command, std::string_view rest, const CBrdDoc& board,
                        const std::vector<RejectedPart>& leftOff) {
  // "C R9 not found", "C R2 pin 2 out of range", "C R2 pin 2 already in use"
  std::istringstream words{std::string(rest)};
  char letter = 0;
  std::string name;
  words >> letter >> name;
  if (EndsWith(rest, " not found")) {
    for (const RejectedPart& part : leftOff)
      if (part.name == name) {
        Hint(command, name +
                          " was left off the board (see above); once it fits, the netlist "
                          "finds it");
        return;
      }
    Hint(command,
         "every part the netlist names must be a record of the parts file with the same "
         "letter and name (names are case-sensitive): add " +
             std::string(1, letter) + " " + name + " to the parts file or mend the name");
    return;
  }
  const int base = board.PinIndexBase();
  if (EndsWith(rest, " out of range")) {
    std::string text = "pins are numbered from the board's pin base, " + std::to_string(base);
    if (const Component* part = FindPart(board, name); part != nullptr)
      text += ", so " + name + "'s pins are " + std::to_string(base) + " to " +
              std::to_string(part->PinCount() - 1 + base);
    Hint(command, text + "; the pin base is set with \"cuprum-cli options " + BoardName(board) +
                      " --pin-base 0|1\"");
    return;
  }
  if (EndsWith(rest, " already in use"))
    Hint(command,
         "a pin belongs to one net only: give both runs the same net name after N, or "
         "take the pin out of one of them");
}

}  // namespace

std::string RecordShape(char letter, bool partsList) {
  switch (letter) {
    case 'C': return partsList ? "C NAME WIDTH" : "C NAME X Y WIDTH DIRECTION";
    case 'D': return partsList ? "D NAME PINS WIDTH" : "D NAME X Y PINS WIDTH DIRECTION";
    case 'E': return "E NAME X Y PINS WIDTH DIRECTION";
    case 'P': return "P NAME X Y SIDE";
    case 'R': return "R NAME X Y SIDE";
    case 'S': return partsList ? "S NAME PINS" : "S NAME X Y PINS DIRECTION";
    case 'Z': return partsList ? "Z NAME PINS WIDTH" : "Z NAME X Y PINS WIDTH DIRECTION";
    default: return {};
  }
}

bool ReportNumberErrors(const char* command, const std::filesystem::path& file,
                        const std::vector<IntegerSyntaxError>& errors) {
  for (const IntegerSyntaxError& error : errors)
    std::fprintf(stderr,
                 "cuprum-cli %s: %s(%d): \"%s\" stands where a number is due; write it in digits\n",
                 command, file.c_str(), error.line, error.field.c_str());
  return !errors.empty();
}

void ReportRejectedParts(const char* command, const std::filesystem::path& partsFile,
                         const std::vector<RejectedPart>& parts, const CBrdDoc& board) {
  if (parts.empty()) return;
  // Positions in the parts file are tenths of an inch; the grid step turns
  // them into columns and rows, of which the outer ring is the border.
  const int step = board.GridStepSize() > 0 ? board.GridStepSize() : 1;
  const int lastX = (board.XSize() - 1) / step;
  const int lastY = (board.YSize() - 1) / step;
  for (const RejectedPart& part : parts)
    std::fprintf(stderr,
                 "cuprum-cli %s: %s(%d): %s does not fit on the board: every pin must lie at X 1 "
                 "to %d and Y 1 to %d\n",
                 command, partsFile.c_str(), part.line, part.name.c_str(), lastX, lastY);
  Hint(command, "move the parts named inside, or enlarge the board with \"cuprum-cli options " +
                    BoardName(board) + " --size X,Y\"");
}

void AdviseOnLog(const char* command, const std::string& logText, const CBrdDoc& board,
                 const std::vector<RejectedPart>& leftOff) {
  std::istringstream lines(logText);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(CANT_OPEN_LAYOUT, 0) == 0) {
      Hint(command,
           "write the parts layout (.lay, each part with its position) or a parts list "
           "(.prt, the parts alone) beside the board, with the board's name; the README's "
           "\"Your first board\" shows one");
    } else if (line.rfind(CANT_OPEN_ROUTE, 0) == 0) {
      Hint(command, "write the netlist (.rou) beside the board, with the board's name");
    } else if (const auto parsing = Locate(line, PARSING_ERROR)) {
      AdviseOnParsingError(command, *parsing);
    } else if (line.find(WRONG_BASE) != std::string::npos) {
      // A pin 0 on a board that counts from 1.
      if (board.PinIndexBase() == 1)
        Hint(command,
             "the netlist seems to number pins from 0 while the board counts from 1; "
             "renumber the pins, or set \"cuprum-cli options " +
                 BoardName(board) + " --pin-base 0\"");
    } else if (const auto route = Locate(line, ROUTE_ERROR)) {
      AdviseOnRouteError(command, route->rest, board, leftOff);
    }
  }
}

}  // namespace cuprum::cli
