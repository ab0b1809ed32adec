// What every export shares on the way in and out: the board image read from
// the saved board file, the output names derived from the board's own name,
// and writing a set of files so that none is ever left half-written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace cuprum {

class CBrdDoc;

enum class ExportStatus { Ok, Cancelled, Failed };

struct ExportResult {
  ExportStatus status = ExportStatus::Ok;
  std::string error;                           // why it failed, for a message
  std::vector<std::filesystem::path> written;  // files complete on disk, in order

  [[nodiscard]] bool Ok() const { return status == ExportStatus::Ok; }
  static ExportResult Failure(std::string why) {
    return {ExportStatus::Failed, std::move(why), {}};
  }
};

// One file of an export: where it goes and every byte of it.
struct ExportFile {
  std::filesystem::path path;
  std::string bytes;
};

// The board path with its last four characters (the ".brd") replaced by the
// extension, so board.brd gives board.cnc beside it.
std::filesystem::path ReplaceBoardExtension(const std::filesystem::path& boardPath,
                                            std::string_view extension);

// The exports work from the saved board file rather than the open document,
// so that what a board house gets is exactly what was saved. A fresh image
// each time: a legacy 8,448-byte file reads as a board of 128 columns.
// On failure the image is unusable and the message says why.
bool LoadBoardImage(const std::filesystem::path& boardPath, CBrdDoc& image, std::string& error);

// Writes the files in order, each atomically; stops at the first failure.
// Files written before a failure stay complete and are listed in the result.
ExportResult WriteExportFiles(const std::vector<ExportFile>& files);

}  // namespace cuprum
