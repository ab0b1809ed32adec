// The board summary that info prints, shared with subcommands that add to it.
#pragma once

namespace cuprum {
class CBrdDoc;
}

namespace cuprum::cli {

class JsonWriter;

// Writes the board's keys into an open JSON object.
void WriteBoardInfoJson(JsonWriter& json, const CBrdDoc& board);
void PrintBoardInfo(const CBrdDoc& board);

}  // namespace cuprum::cli
