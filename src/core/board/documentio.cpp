#include "board/documentio.h"

#include <algorithm>
#include <cctype>

#include "board/boardfile.h"
#include "board/brddoc.h"
#include "platform/fileio.h"

namespace cuprum {

namespace {

// The framework's standard messages for failed opens and saves.
constexpr const char* OPEN_FAILED_MESSAGE = "Failed to open document.";
constexpr const char* SAVE_FAILED_MESSAGE = "Failed to save document.";
constexpr const char* DESCRIPTION_UNSUPPORTED_MESSAGE =
    "Component descriptions cannot be read or written yet; use a .brd file name.";

}  // namespace

bool IsBoardFileName(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".brd";
}

DocumentIoResult LoadDocument(CBrdDoc& board, const std::filesystem::path& path) {
  if (!IsBoardFileName(path))
    return {DocumentIoStatus::Unsupported, DESCRIPTION_UNSUPPORTED_MESSAGE};
  std::string bytes;
  std::uintmax_t fileSize = 0;
  const FileResult read = ReadFilePrefix(path, MAX_BOARD_FILE_SIZE, bytes, fileSize);
  if (!read.ok) return {DocumentIoStatus::OpenFailed, std::string(OPEN_FAILED_MESSAGE) + " (" + read.error + ")"};
  if (ReadBoardFile(board, bytes, static_cast<std::size_t>(fileSize)) != BoardFileStatus::Ok)
    return {DocumentIoStatus::BadFormat, std::string(UNEXPECTED_FORMAT_MESSAGE)};
  board.SetPathName(path);
  board.SetModifiedFlag(false);
  return {};
}

DocumentIoResult SaveDocument(CBrdDoc& board, const std::filesystem::path& path) {
  if (!IsBoardFileName(path))
    return {DocumentIoStatus::Unsupported, DESCRIPTION_UNSUPPORTED_MESSAGE};
  const FileResult written = WriteFileAtomically(path, WriteBoardFile(board));
  if (!written.ok)
    return {DocumentIoStatus::WriteFailed, std::string(SAVE_FAILED_MESSAGE) + " (" + written.error + ")"};
  board.SetPathName(path);
  board.SetModifiedFlag(false);
  return {};
}

}  // namespace cuprum
