#include "board/documentio.h"

#include <algorithm>
#include <cctype>
#include <new>
#include <optional>

#include "board/boardfile.h"
#include "board/brddoc.h"
#include "model3d/descriptionreader.h"
#include "model3d/descriptionwriter.h"
#include "platform/fileio.h"
#include "platform/platform.h"
#include "platform/stderrplatform.h"

namespace cuprum {

namespace {

// The framework's standard messages for failed opens and saves.
constexpr const char* OPEN_FAILED_MESSAGE = "Failed to open document.";
constexpr const char* SAVE_FAILED_MESSAGE = "Failed to save document.";
// Descriptions are small text files; anything this large is not one.
constexpr std::size_t MAX_DESCRIPTION_FILE_SIZE = std::size_t{64} << 20U;
constexpr const char* DESCRIPTION_TOO_LARGE = "file too large for a component description";

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
  StderrPlatform platform;
  return LoadDocument(board, path, platform);
}

DocumentIoResult LoadDocument(CBrdDoc& board, const std::filesystem::path& path,
                              Platform& platform) {
  const bool boardFile = IsBoardFileName(path);
  std::string bytes;
  std::uintmax_t fileSize = 0;
  const FileResult read = ReadFilePrefix(
      path, boardFile ? MAX_BOARD_FILE_SIZE : MAX_DESCRIPTION_FILE_SIZE, bytes, fileSize);
  if (!read.ok) return {DocumentIoStatus::OpenFailed, std::string(OPEN_FAILED_MESSAGE) + " (" + read.error + ")"};
  if (boardFile) {
    if (ReadBoardFile(board, bytes, static_cast<std::size_t>(fileSize)) != BoardFileStatus::Ok)
      return {DocumentIoStatus::BadFormat, std::string(UNEXPECTED_FORMAT_MESSAGE)};
  } else {
    if (fileSize > MAX_DESCRIPTION_FILE_SIZE)
      return {DocumentIoStatus::OpenFailed, std::string(OPEN_FAILED_MESSAGE) + " (" + DESCRIPTION_TOO_LARGE + ")"};
    // Opening a document starts from an empty component list. Faults in the
    // description are shown as they are read and end the read; the
    // components read before them stay on the board.
    try {
      board.DeleteContents();
      ReadDescription(board, bytes, platform);
    } catch (const std::bad_alloc&) {
      board.DeleteContents();
      return {DocumentIoStatus::ReadFailed, std::string(OPEN_FAILED_MESSAGE) + " (out of memory)"};
    }
  }
  board.SetPathName(path);
  board.SetModifiedFlag(false);
  return {};
}

DocumentIoResult SaveDocument(CBrdDoc& board, const std::filesystem::path& path) {
  std::string bytes;
  if (IsBoardFileName(path)) {
    bytes = WriteBoardFile(board);
  } else {
    // Every other name holds the board as a component description, which
    // has nothing to say about a board without components.
    std::optional<std::string> description = MakeDescription(board);
    if (!description) return {DocumentIoStatus::WriteFailed, std::string(NO_COMPONENTS_MESSAGE)};
    bytes = std::move(*description);
  }
  const FileResult written = WriteFileAtomically(path, bytes);
  if (!written.ok)
    return {DocumentIoStatus::WriteFailed, std::string(SAVE_FAILED_MESSAGE) + " (" + written.error + ")"};
  board.SetPathName(path);
  board.SetModifiedFlag(false);
  return {};
}

DocumentIoResult SaveToOwnPath(CBrdDoc& board, Platform& platform) {
  std::filesystem::path path = board.PathName();
  if (path.empty()) {
    const std::optional<std::filesystem::path> chosen = platform.AskSaveAsPath(board);
    if (!chosen || chosen->empty()) return {DocumentIoStatus::Cancelled, {}};
    path = *chosen;
  }
  return SaveDocument(board, path);
}

}  // namespace cuprum
