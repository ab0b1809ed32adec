#include "board/laydoc.h"

#include <cstdint>

#include "board/boardcommands.h"
#include "board/brddoc.h"
#include "board/editcommands.h"
#include "board/fieldreader.h"
#include "board/log.h"
#include "parts/partsfile.h"
#include "platform/platform.h"

namespace cuprum {

namespace {

constexpr std::size_t EXTENSION_LENGTH = 4;  // ".prt", ".lay"

LayoutMode LayoutModeOf(const std::filesystem::path& path) {
  return IsPartsListName(path) ? LayoutMode::Generated : LayoutMode::Specified;
}

}  // namespace

std::filesystem::path BoardPathOf(const std::filesystem::path& textPath) {
  std::string name = textPath.string();
  if (name.size() < EXTENSION_LENGTH) return {};
  name.replace(name.size() - EXTENSION_LENGTH, EXTENSION_LENGTH, ".brd");
  return name;
}

CLayDoc::CLayDoc(Platform& platform, const LogFile& log, FieldReader& reader, BoardOpener openBoard)
    : m_platform(platform), m_log(log), m_reader(reader), m_openBoard(std::move(openBoard)) {}

CBrdDoc* CLayDoc::Board() const {
  if (m_boardPath.empty() || !m_openBoard) return nullptr;
  return m_openBoard(m_boardPath);
}

bool CLayDoc::OnOpenDocument(const std::filesystem::path& path) {
  if (!Load(path)) return false;
  m_boardPath = BoardPathOf(path);
  if (CBrdDoc* board = Board()) {
    BoardCommandContext context{*board, m_platform, m_log, m_reader};
    // The open stands whatever the arrangement reports: its messages and
    // the log have been shown.
    (void)PostLayout(context, LayoutModeOf(path) == LayoutMode::Generated);
  }
  return true;
}

bool CLayDoc::Load(const std::filesystem::path& path) {
  m_platform.SetWaitCursor(true);
  const LayoutMode mode = LayoutModeOf(path);
  m_boardPath = BoardPathOf(path);
  CBrdDoc* board = Board();
  if (board == nullptr) {
    m_platform.SetWaitCursor(false);
    return false;
  }

  auto log = m_log.OpenForWriting();
  if (!log) {
    m_platform.SetWaitCursor(false);
    m_platform.MessageBox(m_log.Path().string(), COULD_NOT_OPEN_CAPTION, MessageIcon::Error,
                          MessageButtons::Ok);
    return false;
  }
  board->DeleteContents();
  const int parsed = ReadPartsFile(*log, *board, path, mode, m_platform, m_reader);
  log->Close();
  if (parsed == 0) {
    m_platform.SetWaitCursor(false);
    m_platform.MessageBox(PARTS_ERROR_MESSAGE, LAYOUT_FAILED_CAPTION, MessageIcon::Error,
                          MessageButtons::Ok);
    return false;
  }

  std::string bytes;
  std::uintmax_t size = 0;
  const FileResult read = ReadFilePrefix(path, MAX_TEXT_DOCUMENT_BYTES + 1, bytes, size);
  m_platform.SetWaitCursor(false);
  if (!read.ok) {
    m_platform.MessageBox(read.error, APP_CAPTION, MessageIcon::Error, MessageButtons::Ok);
    return false;
  }
  if (size > MAX_TEXT_DOCUMENT_BYTES) {
    m_platform.MessageBox(FILE_TOO_LARGE_MESSAGE, APP_CAPTION, MessageIcon::Warning,
                          MessageButtons::Ok);
    return false;
  }
  m_text = std::move(bytes);
  return true;
}

FileResult CLayDoc::Store(const std::filesystem::path& path) const {
  return WriteFileAtomically(path, m_text);
}

bool CLayDoc::IsCommandEnabled(int commandId) const {
  switch (commandId) {
    case ID_PROJECT_OPTIONS:
    case ID_USE_SPECIFIED_LAYOUT:
    case ID_GENERATE_LAYOUT: return !m_boardPath.empty();
    default: return false;
  }
}

}  // namespace cuprum
