// The run's log: parsers, placement and the router write their findings into
// one log stream per step; each step truncates the log first, so the log
// holds the last step's messages only. On disk it is 8-bit text with CR LF
// line ends.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace cuprum {

// Message lines shared by several writers. The word "error" in them is what
// a front end selects when it shows the log.
constexpr const char* LOG_PARSING_ERROR_NAMED = "%s(%d) : parsing error: %c %s\n";
constexpr const char* LOG_PARSING_ERROR = "%s(%d) : parsing error: %c\n";
constexpr const char* LOG_OUT_OF_MEMORY = "error: out of memory\n";

// One step's log stream: written with formatted printing; every line goes to
// the file (when there is one) and is kept in memory for the step's caller.
class LogStream {
 public:
  // A stream that only keeps its text (for tests and dry runs).
  LogStream() = default;
  ~LogStream();
  LogStream(LogStream&& other) noexcept;
  LogStream& operator=(LogStream&& other) noexcept;
  LogStream(const LogStream&) = delete;
  LogStream& operator=(const LogStream&) = delete;

  // Opens the file for writing, truncating it; nullopt when it cannot be
  // opened.
  static std::optional<LogStream> OpenForWriting(const std::filesystem::path& path);

  void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void Write(std::string_view text);

  // What this step wrote, with "\n" line ends.
  [[nodiscard]] const std::string& Text() const { return text_; }
  // Flushes and closes the file; the text stays readable.
  void Close();

 private:
  explicit LogStream(std::FILE* file) : file_(file) {}

  std::FILE* file_ = nullptr;
  std::string text_;
};

// The run's log file: a temporary name beginning "BRD" and ending ".LOG",
// removed when the run ends.
class LogFile {
 public:
  // A fresh name in the directory named by TMP (when it exists), else the
  // system's temporary directory.
  LogFile();
  explicit LogFile(std::filesystem::path path) : path_(std::move(path)) {}
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
  [[nodiscard]] std::optional<LogStream> OpenForWriting() const {
    return LogStream::OpenForWriting(path_);
  }
  // The file's content with "\n" line ends; empty when it does not exist.
  [[nodiscard]] std::string ReadText() const;

 private:
  std::filesystem::path path_;
};

// The log text as shown: from "\r\n" line ends to "\n".
std::string FromLogFileText(std::string_view bytes);

}  // namespace cuprum
