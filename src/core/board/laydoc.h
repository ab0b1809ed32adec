// The parts text document: a parts list (.prt) or parts layout (.lay) open
// in an editor. Loading it lays out the board it belongs to (board.lay and
// board.prt belong to board.brd), so opening the file shows its effect at
// once; the editor itself is the front end's.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "platform/fileio.h"

namespace cuprum {

class CBrdDoc;
class FieldReader;
class LogFile;
class Platform;

// Editors hold at most this many bytes.
constexpr std::size_t MAX_TEXT_DOCUMENT_BYTES = 1'048'575;
constexpr const char* FILE_TOO_LARGE_MESSAGE = "The file is too large to open.";

// The board file a text file belongs to: its path with the last four
// characters replaced by ".brd"; empty for names too short to have them.
std::filesystem::path BoardPathOf(const std::filesystem::path& textPath);

class CLayDoc {
 public:
  // Opens the board document of the path, or activates it when it is open
  // already, as the application does; nullptr when it cannot be opened.
  using BoardOpener = std::function<CBrdDoc*(const std::filesystem::path& boardPath)>;

  CLayDoc(Platform& platform, const LogFile& log, FieldReader& reader, BoardOpener openBoard);

  // The framework's open: loads the file (below) and then finishes the
  // layout of its board. False when the load failed.
  bool OnOpenDocument(const std::filesystem::path& path);

  // Loading: the board is laid out from the file first, and only when that
  // parses is the text taken into the editor. False (the text stays
  // unloaded) when the log cannot be opened, the parse fails, the board
  // cannot be opened or the file is too large or unreadable; the messages
  // have been shown.
  bool Load(const std::filesystem::path& path);
  // Storing: the text as it stands; no layout runs.
  FileResult Store(const std::filesystem::path& path) const;

  [[nodiscard]] const std::string& Text() const { return m_text; }
  void SetText(std::string text) { m_text = std::move(text); }
  [[nodiscard]] const std::filesystem::path& BoardPath() const { return m_boardPath; }

  // The Project commands forwarded to the board (Options, Use Specified
  // Layout, Generate Layout) are available while the board is known.
  [[nodiscard]] bool IsCommandEnabled(int commandId) const;
  // The board the forwarded commands and item operations reach (opened or
  // activated on demand); nullptr while the board is unknown.
  CBrdDoc* Board() const;

 private:
  Platform& m_platform;
  const LogFile& m_log;
  FieldReader& m_reader;
  BoardOpener m_openBoard;
  std::filesystem::path m_boardPath;
  std::string m_text;
};

}  // namespace cuprum
