#include "export/exportcommands.h"

#include <optional>

#include "board/brddoc.h"
#include "board/documentio.h"
#include "export/dxfexport.h"
#include "export/fabrication.h"
#include "export/gerberexport.h"
#include "platform/platform.h"
#include "platform/waitcursor.h"

namespace cuprum {

namespace {

// The writers read the board file, so it must be on disk and current. A
// board that was never saved has no file to read even when unmodified.
ExportResult SaveBoardForExport(CBrdDoc& board, Platform& platform) {
  if (!board.IsModified() && !board.PathName().empty()) return {};
  const DocumentIoResult saved = SaveToOwnPath(board, platform);
  if (saved.status == DocumentIoStatus::Cancelled) return {ExportStatus::Cancelled, {}, {}};
  if (!saved.Ok()) return ExportResult::Failure(saved.message);
  return {};
}

ExportResult RunExport(CBrdDoc& board, Platform& platform,
                       ExportResult (*exporter)(const std::filesystem::path&),
                       std::string_view failureText) {
  const ScopedWaitCursor wait(platform);
  ExportResult result = SaveBoardForExport(board, platform);
  if (result.Ok()) result = exporter(board.PathName());
  if (result.status == ExportStatus::Failed)
    platform.MessageBox(failureText, result.error, MessageIcon::Error, MessageButtons::Ok);
  return result;
}

}  // namespace

ExportResult OnExportDxf(CBrdDoc& board, Platform& platform) {
  return RunExport(board, platform, ExportDxf, DXF_EXPORT_ERROR);
}

ExportResult OnExportGerber(CBrdDoc& board, Platform& platform) {
  return RunExport(board, platform, ExportGerber, GERBER_EXPORT_ERROR);
}

ExportResult OnExportFabrication(CBrdDoc& board, Platform& platform) {
  return RunExport(board, platform, ExportFabrication, FABRICATION_EXPORT_ERROR);
}

}  // namespace cuprum
