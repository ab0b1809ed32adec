#include "export/exportio.h"

#include "board/brddoc.h"
#include "board/documentio.h"
#include "platform/fileio.h"

namespace cuprum {

namespace {

constexpr std::size_t BOARD_EXTENSION_LENGTH = 4;  // ".brd"

}  // namespace

std::filesystem::path ReplaceBoardExtension(const std::filesystem::path& boardPath,
                                            std::string_view extension) {
  std::string name = boardPath.string();
  if (name.size() >= BOARD_EXTENSION_LENGTH) name.resize(name.size() - BOARD_EXTENSION_LENGTH);
  name += extension;
  return name;
}

bool LoadBoardImage(const std::filesystem::path& boardPath, CBrdDoc& image, std::string& error) {
  if (boardPath.empty()) {
    error = "the board has not been saved to a file";
    return false;
  }
  const DocumentIoResult loaded = LoadDocument(image, boardPath);
  if (loaded.Ok()) return true;
  error = loaded.message;
  return false;
}

ExportResult WriteExportFiles(const std::vector<ExportFile>& files) {
  ExportResult result;
  for (const ExportFile& file : files) {
    const FileResult written = WriteFileAtomically(file.path, file.bytes);
    if (!written.ok) {
      result.status = ExportStatus::Failed;
      result.error = written.error;
      return result;
    }
    result.written.push_back(file.path);
  }
  return result;
}

}  // namespace cuprum
