// Opening and saving a board document by file name: names ending in .brd (any
// case) are board files; every other name is a component description.
#pragma once

#include <filesystem>
#include <string>

namespace cuprum {

class CBrdDoc;
class Platform;

enum class DocumentIoStatus { Ok, BadFormat, OpenFailed, ReadFailed, WriteFailed, Unsupported, Cancelled };

struct DocumentIoResult {
  DocumentIoStatus status = DocumentIoStatus::Ok;
  std::string message;  // the text a front end shows; empty on success
  [[nodiscard]] bool Ok() const { return status == DocumentIoStatus::Ok; }
};

// Whether the name ends in ".brd", ignoring case.
bool IsBoardFileName(const std::filesystem::path& path);

// Loads into a document; on failure the document keeps what it had. A
// component description replaces the document's components with those it
// describes; its messages go to the platform as message boxes (to the
// standard error stream in the form without one).
DocumentIoResult LoadDocument(CBrdDoc& board, const std::filesystem::path& path);
DocumentIoResult LoadDocument(CBrdDoc& board, const std::filesystem::path& path,
                              Platform& platform);
// Writes atomically: a failed save leaves the previous file intact. On
// success the document takes the path and is no longer modified.
DocumentIoResult SaveDocument(CBrdDoc& board, const std::filesystem::path& path);
// Saves the board to its own path, or, when it has none yet, to the path the
// user names through Save As (Cancelled when the user names none).
DocumentIoResult SaveToOwnPath(CBrdDoc& board, Platform& platform);

}  // namespace cuprum
