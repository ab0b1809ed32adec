// The binary board file (.brd): a five-field header and the low byte of every
// cell in use; also the older header-less form of 8,448 bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cuprum {

class CBrdDoc;

constexpr std::size_t BOARD_HEADER_SIZE = 10;
constexpr std::size_t LEGACY_BOARD_FILE_SIZE = 8448;
constexpr int LEGACY_COLUMNS = 128;
constexpr int LEGACY_Y_SIZE = 32;
// The largest board file whose cells all fit the grid.
constexpr std::size_t MAX_BOARD_FILE_SIZE = BOARD_HEADER_SIZE + 129 * 161 * 2;

// The framework's message for a file that is not a board file.
constexpr std::string_view UNEXPECTED_FORMAT_MESSAGE = "Unexpected file format.";

std::string WriteBoardFile(const CBrdDoc& board);

enum class BoardFileStatus { Ok, BadFormat };

// Reads a board file into the document. fileSize is the file's full length
// (it decides the legacy form); bytes hold at least its first
// MAX_BOARD_FILE_SIZE bytes. A short file leaves the remaining cells as they
// were. A bad signature, flags above 3, a layer count other than 1 or 2 or
// sizes beyond the grid are refused with BadFormat and change nothing.
BoardFileStatus ReadBoardFile(CBrdDoc& board, std::string_view bytes, std::size_t fileSize);

}  // namespace cuprum
