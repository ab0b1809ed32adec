#include "export/modelexportcommands.h"

#include <optional>
#include <string>

#include "board/brddoc.h"
#include "board/documentio.h"
#include "platform/fileio.h"
#include "platform/platform.h"
#include "platform/waitcursor.h"

namespace cuprum {

namespace {

bool HasComponents(const CBrdDoc& board) {
  for (const auto& item : board.Items())
    if (item->GetComponent() != nullptr) return true;
  return false;
}

// The output names derive from the board's own name, so a board needs one.
ExportResult NameBoard(CBrdDoc& board, Platform& platform) {
  if (!board.PathName().empty()) return {};
  const DocumentIoResult saved = SaveToOwnPath(board, platform);
  if (saved.status == DocumentIoStatus::Cancelled) return {ExportStatus::Cancelled, {}, {}};
  if (!saved.Ok()) return ExportResult::Failure(saved.message);
  return {};
}

ExportResult WriteModelFile(const std::filesystem::path& path, const std::string& bytes) {
  const FileResult written = WriteFileAtomically(path, bytes);
  if (!written.ok) return ExportResult::Failure(written.error);
  return {ExportStatus::Ok, {}, {path}};
}

}  // namespace

bool IsExport3dCodeEnabled(const CBrdDoc& board) { return HasComponents(board); }

bool IsExportScadEnabled(const CBrdDoc& board) { return HasComponents(board); }

ExportResult OnExport3dCode(CBrdDoc& board, Platform& platform) {
  const ScopedWaitCursor wait(platform);
  // Checked before naming the board, so that nothing is saved for nothing.
  if (!HasComponents(board)) {
    platform.MessageBox(NO_COMPONENTS_MESSAGE, APP_CAPTION, MessageIcon::Warning,
                        MessageButtons::Ok);
    return ExportResult::Failure(std::string(NO_COMPONENTS_MESSAGE));
  }
  ExportResult result = NameBoard(board, platform);
  if (result.Ok()) {
    const std::optional<std::string> text = MakeDescription(board);
    result = text ? WriteModelFile(DescriptionExportPath(board.PathName()), *text)
                  : ExportResult::Failure(std::string(NO_COMPONENTS_MESSAGE));
  }
  if (result.status == ExportStatus::Failed)
    platform.MessageBox(DESCRIPTION_EXPORT_ERROR, result.error, MessageIcon::Error,
                        MessageButtons::Ok);
  return result;
}

ExportResult OnExportScad(CBrdDoc& board, Platform& platform) {
  const ScopedWaitCursor wait(platform);
  ExportResult result = NameBoard(board, platform);
  if (result.Ok()) result = WriteModelFile(ScadExportPath(board.PathName()), MakeScad(board));
  if (result.status == ExportStatus::Failed)
    platform.MessageBox(SCAD_EXPORT_ERROR, result.error, MessageIcon::Error, MessageButtons::Ok);
  return result;
}

}  // namespace cuprum
