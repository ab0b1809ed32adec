// What the command-line tool adds to the log when the input is wrong: the
// file and line to mend and how to mend it, for a user who has no board
// window to look at.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "board/fieldreader.h"
#include "parts/partsfile.h"

namespace cuprum {
class CBrdDoc;
}

namespace cuprum::cli {

// One line per number field that was a word ("b.lay(3): \"four\" stands
// where a number is due; write it in digits"). True when there were any.
bool ReportNumberErrors(const char* command, const std::filesystem::path& file,
                        const std::vector<IntegerSyntaxError>& errors);

// One line per part left off the board: where its record is, the positions
// that lie inside this board, and the two ways out.
void ReportRejectedParts(const char* command, const std::filesystem::path& partsFile,
                         const std::vector<RejectedPart>& parts, const CBrdDoc& board);

// Advice for each problem the log of a layout or netlist read names: which
// fields a record takes, that netlist names must match parts, how pins are
// numbered. Lines the advice does not know are left alone. `leftOff` are
// the parts the layout could not place, which the netlist then misses.
void AdviseOnLog(const char* command, const std::string& logText, const CBrdDoc& board,
                 const std::vector<RejectedPart>& leftOff = {});

// The fields of a record of letter `letter` in a parts layout (.lay) or a
// parts list (.prt), as a user writes them: "D NAME X Y PINS WIDTH
// DIRECTION". Empty for a letter that starts no record.
std::string RecordShape(char letter, bool partsList);

}  // namespace cuprum::cli
